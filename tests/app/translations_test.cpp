// The shipped translations: each compiled file loads through the language
// manager from the program's resources and serves what its source holds, and
// no translation loses or gains a placeholder of its source text.
#include "app/language_manager.h"
#include "test_settings.h"
#include "ts_catalogue.h"

#include <QDirIterator>
#include <QSet>
#include <QtTest>

using namespace quendal_app;
using namespace quendal_app::test;

class TranslationsTest : public QObject {
    Q_OBJECT

    QTemporaryDir settingsDir_;

    static void addLanguageRows() {
        QTest::addColumn<QString>("code");
        for (const QString& code : kShippedLanguages) {
            QTest::newRow(qPrintable(code)) << code;
        }
    }

private slots:
    void initTestCase() { test::isolateSettings(settingsDir_); }

    void init() {
        LanguageManager reset(nullptr);
        reset.setLanguage("en");
    }

    void everySourceHasACompiledFile() {
        QSet<QString> sources;
        for (QDirIterator it(QStringLiteral(TESSAVAL_TS_DIR), {"quendal_*.ts"}); it.hasNext();) {
            sources << it.nextFileInfo().completeBaseName();
        }
        QSet<QString> compiled;
        for (QDirIterator it(":/Tessaval/i18n", {"quendal_*.qm"}); it.hasNext();) {
            compiled << it.nextFileInfo().completeBaseName();
        }
        QSet<QString> shipped;
        for (const QString& code : kShippedLanguages) {
            shipped << "quendal_" + code;
        }
        QCOMPARE(sources, shipped);
        QCOMPARE(compiled, shipped);
    }

    void placeholdersOfAText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("none") << "Ready" << QStringList{};
        QTest::newRow("percent sign alone") << "Rake 5% of the pot, 100%" << QStringList{};
        QTest::newRow("numbered, sorted") << "%2 of %1" << QStringList{"%1", "%2"};
        QTest::newRow("two digits") << "%10 and %1" << QStringList{"%1", "%10"};
        QTest::newRow("localised and plural") << "%L1 in %n hands" << QStringList{"%L1", "%n"};
        QTest::newRow("repeated") << "%1 vs %1" << QStringList{"%1", "%1"};
        QTest::newRow("zero is no placeholder") << "%0" << QStringList{};
    }

    void placeholdersOfAText() {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QCOMPARE(placeholders(text), expected);
    }

    void shippedTranslationLoads_data() { addLanguageRows(); }

    // The language manager finds the file at ":/Tessaval/i18n" and every
    // translation of the source comes back from it.
    void shippedTranslationLoads() {
        QFETCH(QString, code);
        const TsFile ts = readTs(tsPath(code));
        QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));
        QCOMPARE(ts.language, code);

        LanguageManager manager(nullptr);
        QTest::ignoreMessage(
            QtInfoMsg, qPrintable(QString("Language set to %1 (translator loaded )").arg(code)));
        manager.setLanguage(code);
        QCOMPARE(manager.currentLanguage(), code);

        QStringList wrong;
        for (const TsMessage& m : ts.messages) {
            if (!m.ships()) {
                continue;
            }
            const QByteArray context = m.context.toUtf8();
            const QByteArray source = m.source.toUtf8();
            const QByteArray comment = m.comment.toUtf8();
            const char* disambiguation = m.comment.isEmpty() ? nullptr : comment.constData();
            if (m.numerus) {
                const QString served = QCoreApplication::translate(
                    context.constData(), source.constData(), disambiguation, 7);
                QStringList forms = m.forms;
                forms.replaceInStrings("%n", "7");
                if (!forms.contains(served)) {
                    wrong << m.where() + " served as \"" + served + "\"";
                }
            } else {
                const QString served = QCoreApplication::translate(
                    context.constData(), source.constData(), disambiguation);
                if (served != m.forms.first()) {
                    wrong << m.where() + " served as \"" + served + "\"";
                }
            }
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(summary(wrong)));
    }

    void translationsKeepThePlaceholders_data() { addLanguageRows(); }

    void translationsKeepThePlaceholders() {
        QFETCH(QString, code);
        const TsFile ts = readTs(tsPath(code));
        QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));
        QStringList wrong;
        for (const TsMessage& m : ts.messages) {
            if (!m.ships()) {
                continue;
            }
            const QStringList expected = placeholders(m.source);
            for (const QString& form : m.forms) {
                const QStringList got = placeholders(form);
                if (got != expected) {
                    wrong << QString("%1 -> \"%2\": has %3, needs %4")
                                 .arg(m.where(), form, got.join(' '), expected.join(' '));
                }
            }
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(summary(wrong)));
    }
};

QTEST_GUILESS_MAIN(TranslationsTest)

#include "translations_test.moc"
