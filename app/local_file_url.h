// The local path of a file URL chosen by the user, with the controller's
// messages for URLs that name none.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QUrl>
#include <optional>

namespace quendal_app {

// The path, or nothing with "Invalid/non-local file URL" or "Empty file path"
// (translated in the context AppController) in `error`.
inline std::optional<QString> localFilePath(const QUrl& url, QString* error) {
    if (!url.isValid() || !url.isLocalFile()) {
        *error = QCoreApplication::translate("AppController", "Invalid/non-local file URL");
        return std::nullopt;
    }
    const QString path = url.toLocalFile();
    if (path.isEmpty()) {
        *error = QCoreApplication::translate("AppController", "Empty file path");
        return std::nullopt;
    }
    return path;
}

}  // namespace quendal_app
