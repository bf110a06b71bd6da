// Every entry of every shipped translation is translated and finished: a
// string added to the code without its translations fails here.
#include "ts_catalogue.h"

#include <QtTest>

using namespace quendal_app::test;

class TranslationsCompleteTest : public QObject {
    Q_OBJECT

private slots:
    void noEntryIsUnfinishedOrEmpty_data() {
        QTest::addColumn<QString>("code");
        for (const QString& code : kShippedLanguages) {
            QTest::newRow(qPrintable(code)) << code;
        }
    }

    void noEntryIsUnfinishedOrEmpty() {
        QFETCH(QString, code);
        const TsFile ts = readTs(tsPath(code));
        QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));
        QVERIFY2(!ts.messages.empty(), "no entries: refresh with the update_translations target");
        QStringList open;
        for (const TsMessage& m : ts.messages) {
            if (m.retired()) {
                continue;
            }
            if (!m.hasText()) {
                open << m.where() + ": empty";
            } else if (m.type == "unfinished") {
                open << m.where() + ": unfinished";
            }
        }
        QVERIFY2(open.isEmpty(), qPrintable(summary(open)));
    }
};

QTEST_GUILESS_MAIN(TranslationsCompleteTest)

#include "translations_complete_test.moc"
