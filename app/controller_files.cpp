// Whole text files chosen by the user, text resources of the program, and
// the open-source notices beside the executable.
#include "app/app_controller.h"
#include "app/local_file_url.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace quendal_app {

namespace {

constexpr qint64 kTextFileLimit = 2097152;  // 2 MiB

QString translated(const char* text) {
    return QCoreApplication::translate("AppController", text);
}

void openBesideExecutable(const QString& relative) {
    const QString path = QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(relative);
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace

QVariantMap AppController::readTextFile(const QUrl& fileUrl) const {
    QVariantMap result{{"ok", false}, {"error", QString()}, {"text", QString()}};
    const auto fail = [&](const QString& message) {
        result["error"] = message;
        return result;
    };
    if (!fileUrl.isValid()) {
        return fail("Invalid file URL.");
    }
    const std::optional<QString> localPath = localPathOf(fileUrl);
    if (!localPath) {
        return fail("Only local files are supported.");
    }
    const QString& path = *localPath;
    if (path.trimmed().isEmpty()) {
        return fail("Empty file path.");
    }
    const QFileInfo info(path);
    if (!info.exists()) {
        return fail("File does not exist.");
    }
    // A pipe or a device could block the reader or never end: regular files only.
    if (!info.isFile()) {
        return fail("Failed to open file: Not a regular file");
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return fail(QStringLiteral("Failed to open file: %1").arg(fileErrorReason(path, file)));
    }
    if (file.size() > kTextFileLimit) {
        return fail(QStringLiteral("File is too large (%1 bytes).").arg(file.size()));
    }
    // Never more than the limit and one byte, even if the file grows meanwhile.
    const QByteArray bytes = file.read(kTextFileLimit + 1);
    if (bytes.size() > kTextFileLimit) {
        return fail(QStringLiteral("File is too large (%1 bytes).")
                        .arg(std::max<qint64>(file.size(), bytes.size())));
    }
    result["text"] = QString::fromUtf8(bytes);
    result["ok"] = true;
    return result;
}

QVariantMap AppController::saveTextFile(const QUrl& fileUrl, const QString& text) const {
    QVariantMap result{{"ok", false}, {"error", QString()}};
    QString error;
    const std::optional<QString> localPath = localFilePath(fileUrl, &error);
    if (!localPath) {
        result["error"] = error;
        return result;
    }
    const QString& path = *localPath;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        result["error"] = translated(QT_TRANSLATE_NOOP("AppController", "Failed to open file: %1"))
                              .arg(fileErrorReason(path, file));
        return result;
    }
    if (!writeWhole(file, text.toUtf8())) {
        result["error"] = translated(QT_TRANSLATE_NOOP("AppController", "Failed to save file: %1"))
                              .arg(fileErrorReason(path, file));
        file.cancelWriting();
        return result;
    }
    if (!file.commit()) {
        result["error"] = translated(QT_TRANSLATE_NOOP("AppController", "Failed to save file: %1"))
                              .arg(fileErrorReason(path, file));
        return result;
    }
    result["ok"] = true;
    return result;
}

QVariantMap AppController::localFileStatus(const QUrl& fileUrl) const {
    const std::optional<QString> raw = localPathOf(fileUrl);
    if (!raw || raw->isEmpty()) {
        return {{"ok", false},       {"url", QUrl()},   {"folderUrl", QUrl()}, {"path", QString()},
                {"name", QString()}, {"exists", false}, {"isDir", false}};
    }
    // Written as the user reads it: "a/../b/./c/" is "b/c".
    const QString path = QDir::cleanPath(*raw);
    const QFileInfo info(path);
    return {{"ok", true},
            {"url", QUrl::fromLocalFile(path)},
            {"folderUrl", QUrl::fromLocalFile(info.absolutePath())},
            {"path", path},
            {"name", info.fileName()},
            {"exists", info.exists()},
            {"isDir", info.isDir()}};
}

QString AppController::readTextResource(const QString& path) const {
    QString resource = path.trimmed();
    if (resource.startsWith(QLatin1String("qrc:/"))) {
        resource = QStringLiteral(":/") + resource.mid(5);
    } else if (resource.startsWith(QLatin1Char('/'))) {
        resource.prepend(QLatin1Char(':'));
    }
    if (!resource.startsWith(QLatin1String(":/"))) {
        qWarning().noquote() << "readTextResource: not a Qt resource path:" << path;
        return {};
    }
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning().noquote() << "readTextResource: failed to open:" << resource;
        return {};
    }
    const QByteArray bytes = file.readAll();
    file.close();
    return QString::fromUtf8(bytes);
}

void AppController::openLicensesFolder() const {
    openBesideExecutable(QStringLiteral("licenses"));
}

void AppController::openThirdPartyNotices() const {
    openBesideExecutable(QStringLiteral("licenses/THIRD_PARTY_NOTICES.txt"));
}

}  // namespace quendal_app
