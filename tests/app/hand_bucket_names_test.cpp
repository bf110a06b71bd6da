#include "app/hand_bucket_names.h"

#include "session/hand_buckets.h"

#include <QtTest>
#include <cstring>

using namespace quendal_app;

class HandBucketNamesTest : public QObject {
    Q_OBJECT

private slots:
    // A bucket of the session whose name lupdate never sees stays English
    // in every language.
    void everySessionBucketNameIsMarkedForTranslation() {
        const std::vector<const char*>& marked = translatable_hand_bucket_names();
        for (const char* name : hand_bucket_names()) {
            bool found = false;
            for (const char* entry : marked) {
                found = found || std::strcmp(entry, name) == 0;
            }
            QVERIFY2(found, qPrintable(QStringLiteral("bucket \"%1\" is not marked for translation")
                                           .arg(QString::fromUtf8(name))));
        }
    }
};

QTEST_GUILESS_MAIN(HandBucketNamesTest)
#include "hand_bucket_names_test.moc"
