#include "app/app_controller.h"
#include "test_settings.h"

#include <QDesktopServices>
#include <QtTest>
#include <sys/stat.h>
#include <unistd.h>

using namespace quendal_app;

// Receives what the controller hands to the desktop services.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls.append(url); }
};

class ControllerFilesTest : public QObject {
    Q_OBJECT

    QTemporaryDir settingsDir_;
    QTemporaryDir dir_;
    std::unique_ptr<AppController> controller_;

    QUrl url(const QString& name) const { return QUrl::fromLocalFile(dir_.filePath(name)); }

    void writeBytes(const QString& name, const QByteArray& bytes) {
        QFile f(dir_.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

private slots:
    void initTestCase() {
        test::isolateSettings(settingsDir_);
        ControllerEnvironment env;
        env.memory = [] { return std::optional<PhysicalMemory>(); };
        controller_ = std::make_unique<AppController>(env);
    }

    void cleanupTestCase() { controller_.reset(); }

    void readFailuresInOrder() {
        const auto error = [&](const QUrl& u) {
            const QVariantMap r = controller_->readTextFile(u);
            if (r["ok"].toBool() || !r["text"].toString().isEmpty()) {
                return QString("unexpected success");
            }
            return r["error"].toString();
        };
        QCOMPARE(error(QUrl()), QString("Invalid file URL."));
        QCOMPARE(error(QUrl("https://example.com/ranges.txt")),
                 QString("Only local files are supported."));
        QCOMPARE(error(QUrl::fromLocalFile("   ")), QString("Empty file path."));
        QCOMPARE(error(url("missing.txt")), QString("File does not exist."));
        // A directory, a pipe and a device are refused at once: no hang, no runaway read.
        QCOMPARE(error(QUrl::fromLocalFile(dir_.path())),
                 QString("Failed to open file: Not a regular file"));
        const QString fifo = dir_.filePath("pipe");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QCOMPARE(error(QUrl::fromLocalFile(fifo)),
                 QString("Failed to open file: Not a regular file"));
        QCOMPARE(error(QUrl::fromLocalFile("/dev/zero")),
                 QString("Failed to open file: Not a regular file"));
        // Unreadable (skipped as root, who reads everything).
        if (::geteuid() != 0) {
            writeBytes("secret.txt", "x");
            QFile::setPermissions(dir_.filePath("secret.txt"), QFileDevice::WriteOwner);
            QVERIFY(error(url("secret.txt")).startsWith("Failed to open file: "));
        }
    }

    void readSizesAndTexts() {
        writeBytes("limit.txt", QByteArray(2097152, 'a'));
        QVariantMap r = controller_->readTextFile(url("limit.txt"));
        QVERIFY(r["ok"].toBool());
        QCOMPARE(r["text"].toString().size(), 2097152);
        writeBytes("over.txt", QByteArray(2097153, 'a'));
        r = controller_->readTextFile(url("over.txt"));
        QVERIFY(!r["ok"].toBool());
        QCOMPARE(r["error"].toString(), QString("File is too large (2097153 bytes)."));
        QVERIFY(r["text"].toString().isEmpty());

        writeBytes("windows.txt", "AA, KK\r\nQQ\r\n");
        QCOMPARE(controller_->readTextFile(url("windows.txt"))["text"].toString(),
                 QString("AA, KK\nQQ\n"));
        writeBytes("latin1.txt", "caf\xe9");
        r = controller_->readTextFile(url("latin1.txt"));
        QVERIFY(r["ok"].toBool());
        QCOMPARE(r["text"].toString(), QString("caf") + QChar(0xFFFD));
    }

    void saveIsAtomic() {
        const QUrl target = url("export.txt");
        QVariantMap r = controller_->saveTextFile(target, QString("AA:0.5\nK") + QChar(0xE9));
        QVERIFY2(r["ok"].toBool(), qPrintable(r["error"].toString()));
        QFile written(target.toLocalFile());
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), QByteArray("AA:0.5\nK\xc3\xa9"));  // UTF-8, no BOM
        written.close();

        QCOMPARE(controller_->saveTextFile(QUrl("https://example.com/x"), "x")["error"].toString(),
                 QString("Invalid/non-local file URL"));
        QCOMPARE(controller_->saveTextFile(QUrl(), "x")["error"].toString(),
                 QString("Invalid/non-local file URL"));
        r = controller_->saveTextFile(url("no/such/folder/x.txt"), "x");
        QVERIFY(!r["ok"].toBool());
        QVERIFY(r["error"].toString().startsWith("Failed to open file: "));

        // A folder that cannot be written: the save fails and the old file stays whole.
        if (::geteuid() != 0) {
            QFile::setPermissions(dir_.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            r = controller_->saveTextFile(target, "new contents");
            QFile::setPermissions(dir_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                   QFileDevice::ExeOwner);
            QVERIFY(!r["ok"].toBool());
            QVERIFY(written.open(QIODevice::ReadOnly));
            QCOMPARE(written.readAll(), QByteArray("AA:0.5\nK\xc3\xa9"));
        }
    }

    void resourcesByEveryPrefix() {
        const QString expected = "{\"name\": \"sample ranges\"}\n";
        QCOMPARE(controller_->readTextResource("qrc:/Tessaval/qml/data/sample_ranges.json"),
                 expected);
        QCOMPARE(controller_->readTextResource("  /Tessaval/qml/data/sample_ranges.json "),
                 expected);
        QCOMPARE(controller_->readTextResource(":/Tessaval/qml/data/sample_ranges.json"), expected);
        QTest::ignoreMessage(QtWarningMsg,
                             "readTextResource: not a Qt resource path: data/sample_ranges.json");
        QCOMPARE(controller_->readTextResource("data/sample_ranges.json"), QString());
        QTest::ignoreMessage(QtWarningMsg,
                             "readTextResource: failed to open: :/Tessaval/none.json");
        QCOMPARE(controller_->readTextResource("qrc:/Tessaval/none.json"), QString());
    }

    void noticesGoToTheDesktop() {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("file", &catcher, "open");
        controller_->openLicensesFolder();
        controller_->openThirdPartyNotices();
        QDesktopServices::unsetUrlHandler("file");
        QCOMPARE(catcher.urls.size(), 2);
        const QString dir = QCoreApplication::applicationDirPath();
        QCOMPARE(catcher.urls[0], QUrl::fromLocalFile(dir + "/licenses"));
        QCOMPARE(catcher.urls[1], QUrl::fromLocalFile(dir + "/licenses/THIRD_PARTY_NOTICES.txt"));
    }
};

QTEST_MAIN(ControllerFilesTest)
#include "controller_files_test.moc"
