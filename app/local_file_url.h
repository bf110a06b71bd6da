// The local path of a location chosen by the user, with the controller's
// messages for locations that name none, whole reads and writes, and the
// system's reason when a file there cannot be opened or written.
#pragma once

#include <QCoreApplication>
#include <QFileDevice>
#include <QFileInfo>
#include <QString>
#include <QUrl>
#include <cerrno>
#include <cstdint>
#include <limits>
#include <optional>
#if __has_include(<sys/mman.h>)
#include <sys/mman.h>
#endif

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

// All of a file's bytes, read in one piece into memory asked to be backed
// by large pages: a large file is then read without a fault for every 4 KiB
// of it. What is read before a failure is kept, as readAll keeps it; a file
// that grew while it was read is read to its end.
inline QByteArray readWhole(QFileDevice& file) {
    const qint64 size = file.size();
    if (size <= 0 || size >= std::numeric_limits<qsizetype>::max() / 2) {
        return file.readAll();
    }
    QByteArray bytes(static_cast<qsizetype>(size), Qt::Uninitialized);
#ifdef MADV_HUGEPAGE
    constexpr std::uintptr_t kPage = 4096;
    const auto begin = (reinterpret_cast<std::uintptr_t>(bytes.data()) + kPage - 1) & ~(kPage - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(bytes.data()) + bytes.size()) & ~(kPage - 1);
    if (end > begin) {
        ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
    }
#endif
    qint64 done = 0;
    while (done < size) {
        const qint64 n = file.read(bytes.data() + done, size - done);
        if (n <= 0) {
            break;
        }
        done += n;
    }
    bytes.truncate(static_cast<qsizetype>(done));
    if (done == size) {
        bytes += file.readAll();
    }
    return bytes;
}

}  // namespace quendal_app
