// Update checks against a JSON manifest, the installer's download into a
// private folder, and its start with the silent-install switches.
#pragma once

#include "app/translatable_text.h"

#include <QDateTime>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QUrl>
#include <QVersionNumber>
#include <functional>

class QNetworkReply;
class QSaveFile;

namespace quendal_app {

class UpdateManager : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString currentVersion READ currentVersion CONSTANT)
    Q_PROPERTY(QString manifestUrl READ manifestUrl WRITE setManifestUrl NOTIFY manifestUrlChanged)
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)
    Q_PROPERTY(QString lastError READ lastError NOTIFY stateChanged)
    Q_PROPERTY(QDateTime lastCheckedAt READ lastCheckedAt NOTIFY stateChanged)
    Q_PROPERTY(QDateTime lastSuccessAt READ lastSuccessAt NOTIFY stateChanged)
    Q_PROPERTY(bool updateAvailable READ updateAvailable NOTIFY stateChanged)
    Q_PROPERTY(QString latestVersion READ latestVersion NOTIFY stateChanged)
    Q_PROPERTY(QUrl downloadUrl READ downloadUrl NOTIFY stateChanged)
    Q_PROPERTY(QString releaseNotes READ releaseNotes NOTIFY stateChanged)
    Q_PROPERTY(bool downloadBusy READ downloadBusy NOTIFY stateChanged)
    Q_PROPERTY(double downloadProgress READ downloadProgress NOTIFY stateChanged)
    Q_PROPERTY(qlonglong downloadBytesReceived READ downloadBytesReceived NOTIFY stateChanged)
    Q_PROPERTY(qlonglong downloadBytesTotal READ downloadBytesTotal NOTIFY stateChanged)
    Q_PROPERTY(QString downloadedFilePath READ downloadedFilePath NOTIFY stateChanged)
    Q_PROPERTY(bool downloaded READ isDownloadReady NOTIFY stateChanged)
    Q_PROPERTY(bool canInstall READ isDownloadReady NOTIFY stateChanged)

public:
    // Starts a program detached with arguments; false when it could not.
    using Launcher = std::function<bool(const QString& program, const QStringList& arguments)>;

    explicit UpdateManager(QObject* parent = nullptr);
    ~UpdateManager() override;

    QString currentVersion() const;
    QString manifestUrl() const { return manifestUrl_; }
    void setManifestUrl(const QString& value);
    bool busy() const { return busy_; }
    QString lastError() const { return lastError_.text(); }
    QDateTime lastCheckedAt() const { return lastCheckedAt_; }
    QDateTime lastSuccessAt() const { return lastSuccessAt_; }
    bool updateAvailable() const { return updateAvailable_; }
    QString latestVersion() const { return latestVersion_; }
    QUrl downloadUrl() const { return downloadUrl_; }
    QString releaseNotes() const { return releaseNotes_; }
    bool downloadBusy() const { return downloadBusy_; }
    double downloadProgress() const { return downloadProgress_; }
    qlonglong downloadBytesReceived() const { return downloadBytesReceived_; }
    qlonglong downloadBytesTotal() const { return downloadBytesTotal_; }
    QString downloadedFilePath() const { return downloadedFilePath_; }
    bool isDownloadReady() const;

    Q_INVOKABLE void checkNow();
    Q_INVOKABLE void openDownloadUrl();
    Q_INVOKABLE void updateNow();
    Q_INVOKABLE void downloadNow();
    Q_INVOKABLE void installNow();
    Q_INVOKABLE void clearState();

    static QString normalizeUrlText(const QString& text);
    static QVersionNumber parseVersionText(const QString& text);
    static QString pickDownloadUrl(const QVariantMap& manifest);
    // Plain HTTP is accepted only from the local machine.
    static bool isAllowedAddress(const QUrl& url);
    // A file name without separators or dots of its own; empty when nothing usable is left.
    static QString sanitizeFileName(const QString& name);
    // The per-user folder the installer is saved to (created with mode 0700).
    static QString downloadFolder();

    // Seams for tests: how the installer starts, what quitting means, and the
    // two time limits.
    void setLauncher(Launcher launcher) { launcher_ = std::move(launcher); }
    void setQuitHook(std::function<void()> quit) { quit_ = std::move(quit); }
    void setTimeouts(int checkMs, int downloadMs);

public slots:
    // The last error again in the interface language.
    void retranslate();

signals:
    void manifestUrlChanged();
    void busyChanged();
    void stateChanged();

private:
    void restoreFromSettings();
    void applyManifest(const QVariantMap& manifest);
    void setLastError(const TranslatableText& text);
    void resetDownloadState();
    void onCheckFinished(QNetworkReply* reply);
    void onDownloadProgress(qint64 received, qint64 total);
    void onDownloadFinished(QNetworkReply* reply, QSaveFile* file);
    void pollInstallAfterDownload();

    QString manifestUrl_;
    bool busy_ = false;
    TranslatableText lastError_;
    QDateTime lastCheckedAt_;
    QDateTime lastSuccessAt_;
    bool updateAvailable_ = false;
    QString latestVersion_;
    QUrl downloadUrl_;
    QString releaseNotes_;
    QNetworkAccessManager network_;
    QPointer<QNetworkReply> checkReply_;
    bool downloadBusy_ = false;
    double downloadProgress_ = 0.0;
    qint64 downloadBytesReceived_ = 0;
    qint64 downloadBytesTotal_ = 0;
    QString downloadedFilePath_;
    bool downloaded_ = false;
    QPointer<QNetworkReply> downloadReply_;
    bool installPending_ = false;
    int pollsLeft_ = 0;
    Launcher launcher_;
    std::function<void()> quit_;
    int checkTimeoutMs_ = 8000;
    int downloadTimeoutMs_ = 30000;
};

}  // namespace quendal_app
