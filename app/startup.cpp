#include "app/startup.h"

#include "app/app_controller.h"
#include "app/crash_handlers.h"
#include "app/diagnostic_log.h"
#include "app/language_manager.h"
#include "app/update_manager.h"
#include "core/kernel_path.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickStyle>
#include <QStandardPaths>

namespace quendal_app {

namespace {

// Removes the message handler before the log files close: it is declared
// after them, so it goes first.
struct MessageHandlerGuard {
    bool installed = false;
    ~MessageHandlerGuard() {
        if (installed) {
            qInstallMessageHandler(nullptr);
        }
        std::lock_guard lock(logMutex);
        openLogFiles.clear();
    }
};

void appendStartLine(const QString& text) {
    const QString line =
        QDateTime::currentDateTime().toString(Qt::ISODateWithMs) + QStringLiteral(" ") + text;
    appendLineRaw(logPathAppDir, line);
    appendLineRaw(logPathTemp, line);
}

}  // namespace

bool envFlagEnabled(const char* name) {
    const QByteArray value = qgetenv(name).trimmed().toLower();
    return value == "1" || value == "true" || value == "yes" || value == "on";
}

int runTessaval(int argc, char** argv) {
    QQuickStyle::setStyle(QStringLiteral("Basic"));
    QGuiApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Tessaval"));
    QCoreApplication::setApplicationName(QStringLiteral("Tessaval"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Tessaval"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.4"));

    const bool quendalLogs = envFlagEnabled("QUENDAL_ENABLE_LOGS");
    const bool tessavalLogs = envFlagEnabled("TESSAVAL_ENABLE_LOGS");
    const bool logging = quendalLogs || tessavalLogs;
    if (!logging) {
        QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\n*.info=false\n"));
    }

    const QString appDir = QCoreApplication::applicationDirPath();
    QString tempDir = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    if (tempDir.isEmpty()) {
        tempDir = QDir::currentPath();
    }
    QFile appDirLog(appDir + QDir::separator() + QStringLiteral("tessaval.log"));
    QFile tempLog(tempDir + QDir::separator() + QStringLiteral("tessaval.log"));
    MessageHandlerGuard handlerGuard;
    setLogPaths(appDirLog.fileName(), tempLog.fileName());

    installCrashHandlers();
    appendStartLine(QStringLiteral("[INFO] Crash handlers installed (v2)"));
    appendStartLine(QStringLiteral("[INFO] --- Tessaval starting (pre-QFile) ---"));

    if (logging) {
        for (QFile* file : {&appDirLog, &tempLog}) {
            if (openLogFile(*file)) {
                openLogFiles.append(file);
            }
        }
        if (!openLogFiles.isEmpty()) {
            qInstallMessageHandler(logMessageHandler);
            handlerGuard.installed = true;
            qInfo() << "Starting Tessaval";
            qInfo() << "appDir=" << appDir;
            qInfo() << "cwd=" << QDir::currentPath();
            qInfo() << "log_appDir=" << logPathAppDir;
            qInfo() << "log_temp=" << logPathTemp;
            qInfo() << "QuickControlsStyle=" << QQuickStyle::name();
            qInfo() << "Solver kernels:" << quendal::kernel_path_name();
        }
    }
    QGuiApplication::setQuitOnLastWindowClosed(true);

    QQmlApplicationEngine engine;
    // The module's files import it by name from the resources.
    engine.addImportPath(QStringLiteral("qrc:/"));
    LanguageManager languageManager(&engine);
    engine.rootContext()->setContextProperty(QStringLiteral("languageManager"), &languageManager);
    AppController appController;
    engine.rootContext()->setContextProperty(QStringLiteral("appController"), &appController);
    UpdateManager updates;
    engine.rootContext()->setContextProperty(QStringLiteral("updates"), &updates);
    // Texts the two services made keep up with a change of language.
    QObject::connect(&languageManager, &LanguageManager::currentLanguageChanged, &appController,
                     &AppController::retranslate);
    QObject::connect(&languageManager, &LanguageManager::currentLanguageChanged, &updates,
                     &UpdateManager::retranslate);

    QObject::connect(&engine, &QQmlApplicationEngine::warnings, [](const QList<QQmlError>& errors) {
        for (const QQmlError& error : errors) {
            qWarning().noquote() << error.toString();
        }
    });
    QObject::connect(
        &engine, &QQmlApplicationEngine::objectCreationFailed, &app,
        [](const QUrl&) {
            qCritical() << "QML object creation failed";
            QCoreApplication::exit(-1);
        },
        Qt::QueuedConnection);

    const QUrl url(QStringLiteral("qrc:/Tessaval/Main.qml"));
    engine.load(url);
    if (engine.rootObjects().isEmpty()) {
        qCritical() << "Failed to load QML:" << url;
        return -1;
    }
    qInfo() << "QML loaded. rootObjects=" << engine.rootObjects().size();
    return app.exec();
}

}  // namespace quendal_app
