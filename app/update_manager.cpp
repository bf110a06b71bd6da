#include "app/update_manager.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QProcess>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>

namespace quendal_app {

namespace {

const QString kManifestKey = QStringLiteral("updates/manifestUrl");
const QString kCachedKey = QStringLiteral("updates/cachedManifestJson");
const QString kCachedAtKey = QStringLiteral("updates/cachedAt");
const QStringList kInstallerSwitches = {"/VERYSILENT", "/SUPPRESSMSGBOXES", "/NORESTART",
                                        "/CLOSEAPPLICATIONS"};

TranslatableText uiText(const char* source, QList<TranslatableText> args = {}) {
    return TranslatableText("UpdateManager", source, std::move(args));
}

void abortReplyIfRunning(QNetworkReply* reply) {
    if (reply != nullptr && reply->isRunning()) {
        reply->abort();
    }
}

}  // namespace

UpdateManager::UpdateManager(QObject* parent) : QObject(parent) {
    launcher_ = [](const QString& program, const QStringList& arguments) {
        return QProcess::startDetached(program, arguments);
    };
    quit_ = [] { QTimer::singleShot(0, qApp, &QCoreApplication::quit); };
    restoreFromSettings();
}

UpdateManager::~UpdateManager() {
    // Replies are children of the network manager; nothing of theirs may
    // call back into a half-destroyed object.
    for (QNetworkReply* reply : {checkReply_.data(), downloadReply_.data()}) {
        if (reply != nullptr) {
            reply->disconnect(this);
            reply->abort();
        }
    }
}

QString UpdateManager::currentVersion() const {
    return QCoreApplication::applicationVersion();
}

void UpdateManager::setTimeouts(int checkMs, int downloadMs) {
    checkTimeoutMs_ = checkMs;
    downloadTimeoutMs_ = downloadMs;
}

QString UpdateManager::normalizeUrlText(const QString& text) {
    QString url = text.trimmed();
    while (url.endsWith(QLatin1Char('/'))) {
        url.chop(1);
    }
    return url;
}

QVersionNumber UpdateManager::parseVersionText(const QString& text) {
    QString v = text.trimmed();
    if (v.startsWith(QLatin1Char('v')) || v.startsWith(QLatin1Char('V'))) {
        v.remove(0, 1);
    }
    v = v.section(QLatin1Char('+'), 0, 0).section(QLatin1Char('-'), 0, 0).trimmed();
    return v.isEmpty() ? QVersionNumber() : QVersionNumber::fromString(v);
}

QString UpdateManager::pickDownloadUrl(const QVariantMap& manifest) {
    const QString windows = manifest.value("windows_url").toString().trimmed();
    return windows.isEmpty() ? manifest.value("url").toString().trimmed() : windows;
}

bool UpdateManager::isAllowedAddress(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("https")) {
        return true;
    }
    if (scheme != QLatin1String("http")) {
        return false;
    }
    const QString host = url.host().toLower();
    if (host == QLatin1String("localhost")) {
        return true;
    }
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

QString UpdateManager::sanitizeFileName(const QString& name) {
    QString out;
    for (const QChar c : name.trimmed()) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '_';
        out += plain ? c : QChar('_');
    }
    while (out.startsWith(QLatin1Char('.'))) {
        out.remove(0, 1);  // no hidden files, no "." or ".."
    }
    return out;
}

QString UpdateManager::downloadFolder() {
    QString base = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    if (base.isEmpty()) {
        base = QDir::homePath() + "/.tessaval";
    }
    const QString folder = base + "/updates";
    QDir().mkpath(folder);
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return folder;
}

bool UpdateManager::isDownloadReady() const {
    return downloaded_ && !downloadedFilePath_.trimmed().isEmpty();
}

void UpdateManager::setManifestUrl(const QString& value) {
    const QString url = normalizeUrlText(value);
    if (url == manifestUrl_) {
        return;
    }
    manifestUrl_ = url;
    QSettings settings;
    settings.setValue(kManifestKey, url);
    emit manifestUrlChanged();
}

void UpdateManager::restoreFromSettings() {
    QSettings settings;
    manifestUrl_ = normalizeUrlText(settings.value(kManifestKey).toString());
    // The settings, else the environment. The program has no address of its
    // own: without one a check ends at once with "Update URL is not
    // configured." and contacts nobody.
    if (manifestUrl_.isEmpty()) {
        const QString a = normalizeUrlText(qEnvironmentVariable("QUENDAL_UPDATE_MANIFEST_URL"));
        const QString b = normalizeUrlText(qEnvironmentVariable("QUENDAL_UPDATE_URL"));
        manifestUrl_ = !a.isEmpty() ? a : b;
    }
    const QString cached = settings.value(kCachedKey).toString().trimmed();
    if (!cached.isEmpty()) {
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(cached.toUtf8(), &error);
        if (error.error == QJsonParseError::NoError && doc.isObject()) {
            const QDateTime at = settings.value(kCachedAtKey).toDateTime();
            lastSuccessAt_ = at.isValid() ? at : QDateTime();
            applyManifest(doc.object().toVariantMap());
        }
    }
}

void UpdateManager::applyManifest(const QVariantMap& manifest) {
    latestVersion_ = manifest.value("version").toString().trimmed();
    releaseNotes_ = manifest.value("notes").toString();
    downloadUrl_ = QUrl(pickDownloadUrl(manifest), QUrl::TolerantMode);
    const QVersionNumber current = parseVersionText(currentVersion());
    const QVersionNumber latest = parseVersionText(latestVersion_);
    updateAvailable_ = !current.isNull() && !latest.isNull() &&
                       QVersionNumber::compare(current, latest) < 0 && downloadUrl_.isValid();
    emit stateChanged();
}

void UpdateManager::setLastError(const TranslatableText& text) {
    lastError_ = text;
    emit stateChanged();
}

void UpdateManager::retranslate() {
    if (!lastError_.text().isEmpty()) {
        emit stateChanged();
    }
}

void UpdateManager::resetDownloadState() {
    downloadBusy_ = false;
    downloadProgress_ = 0.0;
    downloadBytesReceived_ = 0;
    downloadBytesTotal_ = 0;
    downloadedFilePath_.clear();
    downloaded_ = false;
}

void UpdateManager::checkNow() {
    lastCheckedAt_ = QDateTime::currentDateTimeUtc();
    emit stateChanged();
    if (busy_ || downloadBusy_) {
        return;
    }
    const QString url = normalizeUrlText(manifestUrl_);
    if (url.isEmpty()) {
        setLastError(uiText(QT_TRANSLATE_NOOP("UpdateManager", "Update URL is not configured.")));
        return;
    }
    const QUrl address(url);
    if (!isAllowedAddress(address)) {
        setLastError(
            uiText(QT_TRANSLATE_NOOP("UpdateManager", "Update check failed: %1"),
                   {uiText(QT_TRANSLATE_NOOP("UpdateManager", "the address must use HTTPS"))}));
        return;
    }
    if (checkReply_) {
        QNetworkReply* old = checkReply_;
        checkReply_ = nullptr;
        old->abort();
    }
    busy_ = true;
    emit busyChanged();
    setLastError(TranslatableText());
    QNetworkRequest request(address);
    request.setHeader(QNetworkRequest::ContentTypeHeader, "application/json");
    request.setRawHeader("Accept", "application/json");
    QNetworkReply* reply = network_.get(request);
    checkReply_ = reply;
    auto* timer = new QTimer(reply);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, reply, [reply] { abortReplyIfRunning(reply); });
    timer->start(checkTimeoutMs_);
    connect(reply, &QNetworkReply::finished, this, [this, reply] { onCheckFinished(reply); });
}

void UpdateManager::onCheckFinished(QNetworkReply* reply) {
    reply->deleteLater();
    if (reply != checkReply_) {
        return;  // an answer to a request that is no longer the current one
    }
    checkReply_ = nullptr;
    if (busy_) {
        busy_ = false;
        emit busyChanged();
    }
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() != QNetworkReply::NoError) {
        setLastError(uiText(QT_TRANSLATE_NOOP("UpdateManager", "Update check failed: %1"),
                            {TranslatableText::plain(reply->errorString())}));
        return;
    }
    const QByteArray body = reply->readAll();
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(body, &error);
    if (error.error == QJsonParseError::NoError && doc.isObject()) {
        lastSuccessAt_ = QDateTime::currentDateTimeUtc();
        applyManifest(doc.object().toVariantMap());
        QSettings settings;
        settings.setValue(kCachedKey, QString::fromUtf8(doc.toJson(QJsonDocument::Compact)));
        settings.setValue(kCachedAtKey, lastSuccessAt_);
        return;
    }
    setLastError(uiText(QT_TRANSLATE_NOOP("UpdateManager", "Invalid update response (HTTP %1)."),
                        {TranslatableText::plain(QString::number(status))}));
}

void UpdateManager::downloadNow() {
    if (downloadBusy_ || busy_) {
        return;
    }
    if (!downloadUrl_.isValid()) {
        setLastError(uiText(QT_TRANSLATE_NOOP("UpdateManager", "No download URL available.")));
        return;
    }
    if (downloadReply_) {
        QNetworkReply* old = downloadReply_;
        downloadReply_ = nullptr;
        old->abort();
    }
    resetDownloadState();
    setLastError(TranslatableText());
    if (!isAllowedAddress(downloadUrl_)) {
        setLastError(
            uiText(QT_TRANSLATE_NOOP("UpdateManager", "Download failed: %1"),
                   {uiText(QT_TRANSLATE_NOOP("UpdateManager", "the address must use HTTPS"))}));
        return;
    }
    downloadBusy_ = true;
    emit stateChanged();
    QString name = sanitizeFileName(downloadUrl_.fileName(QUrl::FullyDecoded));
    if (name.isEmpty()) {
        const QString version = latestVersion_.trimmed();
        name = sanitizeFileName(QStringLiteral("Tessaval-Setup-%1.exe")
                                    .arg(version.isEmpty() ? QStringLiteral("latest") : version));
    }
    downloadedFilePath_ = QDir(downloadFolder()).filePath(name);
    auto* file = new QSaveFile(downloadedFilePath_, this);
    if (!file->open(QIODevice::WriteOnly)) {
        delete file;
        downloadBusy_ = false;
        downloadedFilePath_.clear();
        setLastError(uiText(QT_TRANSLATE_NOOP("UpdateManager", "Failed to create download file.")));
        return;
    }
    QNetworkRequest request(downloadUrl_);
    request.setRawHeader("Accept", "*/*");
    QNetworkReply* reply = network_.get(request);
    downloadReply_ = reply;
    connect(reply, &QNetworkReply::downloadProgress, this, [this, reply](qint64 r, qint64 t) {
        if (reply == downloadReply_) {
            onDownloadProgress(r, t);
        }
    });
    connect(reply, &QIODevice::readyRead, this, [reply, file] {
        if (file->isOpen()) {
            file->write(reply->readAll());
        }
    });
    auto* timer = new QTimer(reply);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, reply, [reply] { abortReplyIfRunning(reply); });
    timer->start(downloadTimeoutMs_);
    connect(reply, &QNetworkReply::finished, this,
            [this, reply, file] { onDownloadFinished(reply, file); });
}

void UpdateManager::onDownloadProgress(qint64 received, qint64 total) {
    downloadBytesReceived_ = received;
    downloadBytesTotal_ = total;
    downloadProgress_ =
        total >= 1
            ? std::clamp(static_cast<double>(received) / static_cast<double>(total), 0.0, 1.0)
            : 0.0;
    emit stateChanged();
}

void UpdateManager::onDownloadFinished(QNetworkReply* reply, QSaveFile* file) {
    reply->deleteLater();
    if (reply != downloadReply_) {
        file->cancelWriting();  // a superseded download leaves nothing behind
        file->deleteLater();
        return;
    }
    downloadReply_ = nullptr;
    downloadBusy_ = false;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() != QNetworkReply::NoError) {
        file->cancelWriting();
        file->deleteLater();
        lastError_ = uiText(QT_TRANSLATE_NOOP("UpdateManager", "Download failed: %1"),
                            {TranslatableText::plain(reply->errorString())});
        downloaded_ = false;
    } else {
        if (file->isOpen()) {
            file->write(reply->readAll());
        }
        const bool committed = file->commit();
        file->deleteLater();
        if (committed) {
            // The installer runs as a program of its own.
            QFile::setPermissions(downloadedFilePath_, QFileDevice::ReadOwner |
                                                           QFileDevice::WriteOwner |
                                                           QFileDevice::ExeOwner);
            downloaded_ = true;
        } else {
            lastError_ = uiText(
                QT_TRANSLATE_NOOP("UpdateManager", "Failed to finalize download file (HTTP %1)."),
                {TranslatableText::plain(QString::number(status))});
            downloaded_ = false;
        }
    }
    emit stateChanged();
}

void UpdateManager::installNow() {
    if (downloadBusy_ || busy_) {
        return;
    }
    if (!isDownloadReady()) {
        setLastError(uiText(
            QT_TRANSLATE_NOOP("UpdateManager", "No downloaded update is ready to install.")));
        return;
    }
    if (!QFileInfo::exists(downloadedFilePath_)) {
        setLastError(
            uiText(QT_TRANSLATE_NOOP("UpdateManager", "Downloaded installer file is missing.")));
        return;
    }
    if (launcher_ && launcher_(downloadedFilePath_, kInstallerSwitches)) {
        if (quit_) {
            quit_();
        }
        return;
    }
    setLastError(uiText(QT_TRANSLATE_NOOP("UpdateManager", "Failed to launch installer.")));
}

void UpdateManager::updateNow() {
    if (downloadBusy_ || busy_) {
        return;
    }
    if (!updateAvailable_) {
        setLastError(uiText(QT_TRANSLATE_NOOP("UpdateManager", "No update is available.")));
        return;
    }
    if (isDownloadReady()) {
        installNow();
        return;
    }
    installPending_ = true;
    pollsLeft_ = 600;
    downloadNow();
    pollInstallAfterDownload();
}

void UpdateManager::pollInstallAfterDownload() {
    if (!installPending_) {
        return;
    }
    if (pollsLeft_-- < 1) {
        installPending_ = false;
        return;
    }
    if (downloadBusy_) {
        QTimer::singleShot(250, this, &UpdateManager::pollInstallAfterDownload);
        return;
    }
    installPending_ = false;
    if (isDownloadReady()) {
        installNow();
    }
}

void UpdateManager::openDownloadUrl() {
    if (downloadUrl_.isValid()) {
        QDesktopServices::openUrl(downloadUrl_);
        return;
    }
    setLastError(uiText(QT_TRANSLATE_NOOP("UpdateManager", "No download URL available.")));
}

void UpdateManager::clearState() {
    updateAvailable_ = false;
    latestVersion_.clear();
    downloadUrl_.clear();
    releaseNotes_.clear();
    lastError_ = TranslatableText();
    lastCheckedAt_ = QDateTime();
    lastSuccessAt_ = QDateTime();
    resetDownloadState();
    QSettings settings;
    settings.remove(kCachedKey);
    settings.remove(kCachedAtKey);
    emit stateChanged();
}

}  // namespace quendal_app
