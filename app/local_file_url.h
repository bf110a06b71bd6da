// The local path of a location chosen by the user, with the controller's
// messages for locations that name none, whole writes, and the system's
// reason when a file there cannot be opened or written.
#pragma once

#include <QCoreApplication>
#include <QFileDevice>
#include <QFileInfo>
#include <QString>
#include <QUrl>
#include <cerrno>
#include <optional>

namespace quendal_app {

// A file: URL, or a bare absolute path without a scheme, host or query:
// Qt's own file dialog on Linux hands back a typed name that way.
inline std::optional<QString> localPathOf(const QUrl& url) {
    if (!url.isValid()) {
        return std::nullopt;
    }
    if (url.isLocalFile()) {
        return url.toLocalFile();
    }
    if (url.scheme().isEmpty() && url.host().isEmpty() && !url.hasQuery() && !url.hasFragment() &&
        url.path().startsWith(QLatin1Char('/'))) {
        return url.path();
    }
    return std::nullopt;
}

// The path, or nothing with "Invalid/non-local file URL" or "Empty file path"
// (translated in the context AppController) in `error`.
inline std::optional<QString> localFilePath(const QUrl& url, QString* error) {
    const std::optional<QString> path = localPathOf(url);
    if (!path) {
        *error = QCoreApplication::translate("AppController", "Invalid/non-local file URL");
        return std::nullopt;
    }
    if (path->isEmpty()) {
        *error = QCoreApplication::translate("AppController", "Empty file path");
        return std::nullopt;
    }
    return path;
}

// Why `device` could not open or write `path`, in the system's words: Qt
// words a folder in its own way, the system says "Is a directory".
inline QString fileErrorReason(const QString& path, const QFileDevice& device) {
    if (QFileInfo(path).isDir()) {
        return qt_error_string(EISDIR);
    }
    const QString reason = device.errorString();
    return reason.isEmpty() ? qt_error_string(EIO) : reason;
}

// Writes all of `bytes`: a short write (a disk that filled up) is carried
// on until the device refuses, so that a full disk is an error and never a
// file cut short. False once the device refused; its error tells why.
inline bool writeWhole(QIODevice& device, const QByteArray& bytes) {
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = device.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) {
            return false;
        }
        done += n;
    }
    return true;
}

}  // namespace quendal_app
