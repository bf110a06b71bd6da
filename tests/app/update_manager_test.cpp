#include "app/update_manager.h"

#include "prefix_translator.h"
#include "test_settings.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkProxy>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>
#include <sys/stat.h>

using namespace quendal_app;

namespace {

// A small HTTP server on 127.0.0.1 answering fixed paths.
class LocalServer : public QObject {
public:
    QByteArray manifest;
    QByteArray installer;
    QList<QByteArray> requests;

    LocalServer() {
        server_.listen(QHostAddress::LocalHost, 0);
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
            }
        });
    }
    QString url(const QString& path) const {
        return QString("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path);
    }

private:
    void answer(QTcpSocket* socket) {
        const QByteArray request = socket->readAll();
        const QByteArray path = request.split(' ').value(1);
        requests.append(path);
        if (path == "/slow" || path == "/slow/installer.sh") {
            return;  // never answers
        }
        QByteArray status = "200 OK", body;
        if (path == "/manifest.json") {
            body = manifest;
        } else if (path == "/array") {
            body = "[1, 2, 3]";
        } else if (path.endsWith("/installer.sh") || path == "/dir/") {
            body = installer;
        } else {
            status = "404 Not Found";
            body = "missing";
        }
        socket->write("HTTP/1.1 " + status + "\r\nContent-Length: " +
                      QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
        socket->disconnectFromHost();
    }

    QTcpServer server_;
};

// An environment variable set (or removed, for null) for one scope.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        if (value == nullptr) {
            qunsetenv(name);
        } else {
            qputenv(name, value);
        }
    }
    ~ScopedVariable() {
        if (had_) {
            qputenv(name_, old_);
        } else {
            qunsetenv(name_);
        }
    }

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

}  // namespace

class UpdateManagerTest : public QObject {
    Q_OBJECT

    QTemporaryDir settingsDir_;
    QTemporaryDir work_;
    std::unique_ptr<LocalServer> server_;

    QByteArray manifestWith(const QString& version, const QString& windowsUrl, const QString& url) {
        return QJsonDocument(QJsonObject{{"version", version},
                                         {"notes", "Faster solves"},
                                         {"windows_url", windowsUrl},
                                         {"url", url}})
            .toJson();
    }

private slots:
    void initTestCase() {
        test::isolateSettings(settingsDir_);
        QCoreApplication::setApplicationVersion("1.0.4");
        server_ = std::make_unique<LocalServer>();
    }
    void init() { QSettings().clear(); }

    void versionsAndAddresses() {
        QCOMPARE(UpdateManager::parseVersionText(" V1.0.5-beta.2+build.7 "),
                 QVersionNumber(1, 0, 5));
        QVERIFY(UpdateManager::parseVersionText("").isNull());
        QCOMPARE(UpdateManager::normalizeUrlText(" https://x.test/m.json/// "),
                 QString("https://x.test/m.json"));
        QCOMPARE(UpdateManager::pickDownloadUrl({{"windows_url", "  "}, {"url", " https://a/b "}}),
                 QString("https://a/b"));
        QVERIFY(UpdateManager::isAllowedAddress(QUrl("https://example.com/x")));
        QVERIFY(UpdateManager::isAllowedAddress(QUrl("http://127.0.0.1:8080/x")));
        QVERIFY(UpdateManager::isAllowedAddress(QUrl("http://localhost/x")));
        QVERIFY(UpdateManager::isAllowedAddress(QUrl("http://[::1]/x")));
        QVERIFY(!UpdateManager::isAllowedAddress(QUrl("http://example.com/x")));
        QVERIFY(!UpdateManager::isAllowedAddress(QUrl("ftp://127.0.0.1/x")));
        QCOMPARE(UpdateManager::sanitizeFileName("../../evil.sh"), QString("_.._evil.sh"));
        QVERIFY(!UpdateManager::sanitizeFileName("a/b\\c").contains('/'));
        QCOMPARE(UpdateManager::sanitizeFileName(".."), QString());
        // The installer's folder is private to the user.
        struct stat info {};
        QCOMPARE(::stat(QFile::encodeName(UpdateManager::downloadFolder()).constData(), &info), 0);
        QCOMPARE(int(info.st_mode & 0777), 0700);
    }

    void addressComesFromSettingsOrEnvironmentOnly_data() {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QByteArray>("manifestVariable");
        QTest::addColumn<QByteArray>("urlVariable");
        QTest::addColumn<QString>("address");
        const QByteArray unset;
        QTest::newRow("nothing configured") << QString() << unset << unset << QString();
        QTest::newRow("only blanks and slashes")
            << " // " << QByteArray(" ") << QByteArray("/") << QString();
        QTest::newRow("second variable")
            << QString() << unset << QByteArray(" https://b.test/m.json/ ")
            << "https://b.test/m.json";
        QTest::newRow("first variable first")
            << QString() << QByteArray("https://a.test/m.json")
            << QByteArray("https://b.test/m.json") << "https://a.test/m.json";
        QTest::newRow("setting first")
            << "https://s.test/m.json" << QByteArray("https://a.test/m.json") << unset
            << "https://s.test/m.json";
    }

    // Without an address the program contacts nobody: a check ends at once
    // with the not-configured error and no request leaves the machine.
    void addressComesFromSettingsOrEnvironmentOnly() {
        QFETCH(QString, setting);
        QFETCH(QByteArray, manifestVariable);
        QFETCH(QByteArray, urlVariable);
        QFETCH(QString, address);
        if (!setting.isNull()) {
            QSettings().setValue("updates/manifestUrl", setting);
        }
        const auto valueOf = [](const QByteArray& v) {
            return v.isNull() ? nullptr : v.constData();
        };
        ScopedVariable a("QUENDAL_UPDATE_MANIFEST_URL", valueOf(manifestVariable));
        ScopedVariable b("QUENDAL_UPDATE_URL", valueOf(urlVariable));
        UpdateManager m;
        QCOMPARE(m.manifestUrl(), address);
        if (!address.isEmpty()) {
            return;
        }
        // Any request would go through the local server and be seen there.
        const QNetworkProxy before = QNetworkProxy::applicationProxy();
        const auto restore = qScopeGuard([&] { QNetworkProxy::setApplicationProxy(before); });
        QNetworkProxy::setApplicationProxy(
            QNetworkProxy(QNetworkProxy::HttpProxy, "127.0.0.1", QUrl(server_->url("/")).port()));
        const int requests = server_->requests.size();
        QSignalSpy busy(&m, &UpdateManager::busyChanged);
        m.checkNow();
        QVERIFY(!m.busy());
        QCOMPARE(m.lastError(), QString("Update URL is not configured."));
        QVERIFY(m.lastCheckedAt().isValid());
        QTest::qWait(200);
        QCOMPARE(busy.count(), 0);
        QCOMPARE(server_->requests.size(), requests);
        QVERIFY(!m.updateAvailable());
    }

    void manifestCheckCachesAndRestores() {
        server_->manifest = manifestWith("V1.0.5-beta+7", "", server_->url("/dl/installer.sh"));
        UpdateManager m;
        QSignalSpy busy(&m, &UpdateManager::busyChanged);
        m.setManifestUrl(server_->url("/manifest.json") + "//");
        QCOMPARE(m.manifestUrl(), server_->url("/manifest.json"));
        QCOMPARE(QSettings().value("updates/manifestUrl").toString(),
                 server_->url("/manifest.json"));
        m.checkNow();
        QVERIFY(m.busy());
        QTRY_VERIFY_WITH_TIMEOUT(!m.busy(), 10000);
        QCOMPARE(busy.count(), 2);
        QCOMPARE(m.lastError(), QString());
        QVERIFY(m.updateAvailable());
        QCOMPARE(m.latestVersion(), QString("V1.0.5-beta+7"));
        QCOMPARE(m.downloadUrl(), QUrl(server_->url("/dl/installer.sh")));
        QCOMPARE(m.releaseNotes(), QString("Faster solves"));
        QVERIFY(m.lastSuccessAt().isValid());
        QVERIFY(!QSettings().value("updates/cachedManifestJson").toString().isEmpty());

        // A new manager restores the cached manifest without any request.
        const int before = server_->requests.size();
        UpdateManager restored;
        QVERIFY(restored.updateAvailable());
        QCOMPARE(restored.latestVersion(), QString("V1.0.5-beta+7"));
        QCOMPARE(server_->requests.size(), before);

        // clearState forgets the manifest and its cache, not the address.
        restored.clearState();
        QVERIFY(!restored.updateAvailable());
        QVERIFY(restored.latestVersion().isEmpty());
        QVERIFY(!QSettings().contains("updates/cachedManifestJson"));
        QCOMPARE(restored.manifestUrl(), server_->url("/manifest.json"));

        server_->manifest = manifestWith("1.0.4", "", server_->url("/dl/installer.sh"));
        m.checkNow();
        QTRY_VERIFY_WITH_TIMEOUT(!m.busy(), 10000);
        QVERIFY(!m.updateAvailable());  // the same version is no update
    }

    void checkFailures() {
        UpdateManager m;
        m.setManifestUrl(server_->url("/missing"));
        m.checkNow();
        QTRY_VERIFY_WITH_TIMEOUT(!m.busy(), 10000);
        QVERIFY2(m.lastError().startsWith("Update check failed: "), qPrintable(m.lastError()));

        m.setManifestUrl(server_->url("/array"));
        m.checkNow();
        QTRY_VERIFY_WITH_TIMEOUT(!m.busy(), 10000);
        QCOMPARE(m.lastError(), QString("Invalid update response (HTTP 200)."));

        m.setTimeouts(300, 300);
        m.setManifestUrl(server_->url("/slow"));
        m.checkNow();
        QTRY_VERIFY_WITH_TIMEOUT(!m.busy(), 10000);
        QVERIFY2(m.lastError().startsWith("Update check failed: "), qPrintable(m.lastError()));

        // Plain HTTP away from this machine is refused before any request.
        m.setManifestUrl("http://example.com/manifest.json");
        m.checkNow();
        QVERIFY(!m.busy());
        QCOMPARE(m.lastError(), QString("Update check failed: the address must use HTTPS"));
        m.setManifestUrl("");
        m.checkNow();
        QCOMPARE(m.lastError(), QString("Update URL is not configured."));
    }

    // An error already shown follows a change of language, its parts too.
    void errorFollowsTheLanguage() {
        UpdateManager m;
        m.setManifestUrl("http://example.com/manifest.json");
        m.checkNow();
        test::PrefixTranslator german("[de] ", {"UpdateManager"});
        QCoreApplication::installTranslator(&german);
        QSignalSpy changed(&m, &UpdateManager::stateChanged);
        m.retranslate();
        QCOMPARE(changed.count(), 1);
        QCOMPARE(m.lastError(),
                 QString("[de] Update check failed: [de] the address must use HTTPS"));
        QCoreApplication::removeTranslator(&german);
        m.retranslate();
        QCOMPARE(m.lastError(), QString("Update check failed: the address must use HTTPS"));
    }

    void downloadAndInstall() {
        const QString record = work_.filePath("switches.txt");
        server_->installer = "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + record.toUtf8() + "'\n";
        server_->manifest = manifestWith("1.0.5", server_->url("/dl/installer.sh"), "");
        UpdateManager m;
        int quits = 0;
        m.setQuitHook([&] { ++quits; });
        m.setManifestUrl(server_->url("/manifest.json"));
        m.installNow();
        QCOMPARE(m.lastError(), QString("No downloaded update is ready to install."));
        m.checkNow();
        QTRY_VERIFY_WITH_TIMEOUT(!m.busy(), 10000);
        QVERIFY(m.updateAvailable());
        m.updateNow();  // downloads, then installs once the file is committed
        QTRY_COMPARE_WITH_TIMEOUT(quits, 1, 15000);
        QVERIFY(m.isDownloadReady());
        QCOMPARE(QFileInfo(m.downloadedFilePath()).fileName(), QString("installer.sh"));
        QVERIFY(QFileInfo(m.downloadedFilePath()).isExecutable());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record), 10000);
        QTest::qWait(100);
        QFile switches(record);
        QVERIFY(switches.open(QIODevice::ReadOnly));
        QCOMPARE(switches.readAll(),
                 QByteArray("/VERYSILENT\n/SUPPRESSMSGBOXES\n/NORESTART\n/CLOSEAPPLICATIONS\n"));
        // With the file there, updateNow installs at once.
        m.updateNow();
        QCOMPARE(quits, 2);
        // A missing file cannot be installed.
        QFile::remove(m.downloadedFilePath());
        m.installNow();
        QCOMPARE(m.lastError(), QString("Downloaded installer file is missing."));
        QCOMPARE(quits, 2);
    }

    void downloadNamesFailuresAndStaleReplies() {
        server_->installer = "binary";
        server_->manifest = manifestWith("1.0.5", server_->url("/dir/"), "");
        UpdateManager m;
        m.setManifestUrl(server_->url("/manifest.json"));
        m.checkNow();
        QTRY_VERIFY_WITH_TIMEOUT(!m.busy(), 10000);
        m.downloadNow();
        QTRY_VERIFY_WITH_TIMEOUT(!m.downloadBusy(), 10000);
        QVERIFY(m.isDownloadReady());
        QCOMPARE(QFileInfo(m.downloadedFilePath()).fileName(), QString("Tessaval-Setup-1.0.5.exe"));

        // A transfer cut by the time limit leaves no file behind.
        m.setTimeouts(8000, 300);
        server_->manifest = manifestWith("1.0.5", server_->url("/slow/installer.sh"), "");
        m.checkNow();
        QTRY_VERIFY_WITH_TIMEOUT(!m.busy(), 10000);
        m.downloadNow();
        const QString target = m.downloadedFilePath();
        QTRY_VERIFY_WITH_TIMEOUT(!m.downloadBusy(), 10000);
        QVERIFY(m.lastError().startsWith("Download failed: "));
        QVERIFY(!m.isDownloadReady());
        QVERIFY(!QFile::exists(target));
        QCOMPARE(QDir(QFileInfo(target).path())
                     .entryList(QDir::Files | QDir::Hidden)
                     .filter("installer")
                     .size(),
                 0);

        // A download abandoned for a new one never changes the new one's state.
        m.setTimeouts(8000, 30000);
        m.downloadNow();  // slow: never finishes by itself
        QVERIFY(m.downloadBusy());
        m.clearState();
        server_->manifest = manifestWith("1.0.5", server_->url("/fresh/installer.sh"), "");
        m.checkNow();
        QTRY_VERIFY_WITH_TIMEOUT(!m.busy(), 10000);
        m.downloadNow();
        QTRY_VERIFY_WITH_TIMEOUT(!m.downloadBusy(), 10000);
        QCOMPARE(m.lastError(), QString());
        QVERIFY(m.isDownloadReady());

        // Plain HTTP away from this machine is never downloaded.
        server_->manifest = manifestWith("1.0.5", "http://example.com/installer.sh", "");
        m.checkNow();
        QTRY_VERIFY_WITH_TIMEOUT(!m.busy(), 10000);
        m.downloadNow();
        QCOMPARE(m.lastError(), QString("Download failed: the address must use HTTPS"));
        QVERIFY(!m.downloadBusy());
    }
};

QTEST_GUILESS_MAIN(UpdateManagerTest)
#include "update_manager_test.moc"
