// Every app test runs with settings and standard paths of its own, never the
// user's: a temporary settings folder, test-mode standard paths, and the
// organisation and application names of the program.
#pragma once

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace quendal_app::test {

inline void isolateSettings(const QTemporaryDir& dir) {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("Tessaval"));
    QCoreApplication::setApplicationName(QStringLiteral("Tessaval"));
    for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, dir.path());
        QSettings::setPath(format, QSettings::SystemScope, dir.path() + "/system");
    }
    QSettings().clear();
}

}  // namespace quendal_app::test
