// The program's own start-up with one addition for the start-up tests: once
// the window is up, it prints the published names and closes every window,
// as a user closing the program would.
#include "app/startup.h"

#include <QGuiApplication>
#include <QQmlContext>
#include <QQmlEngine>
#include <QTimer>
#include <QWindow>
#include <QtQml/qqmlextensionplugin.h>
#include <cstdio>

Q_IMPORT_QML_PLUGIN(TessavalPlugin)

namespace {

void closeWhenShown() {
    QTimer::singleShot(700, qApp, [] {
        for (QWindow* window : QGuiApplication::topLevelWindows()) {
            if (QQmlEngine* engine = qmlEngine(window)) {
                for (const char* name : {"languageManager", "appController", "updates"}) {
                    if (engine->rootContext()->contextProperty(name).value<QObject*>() != nullptr) {
                        std::printf("published %s\n", name);
                    }
                }
                std::fflush(stdout);
            }
        }
        for (QWindow* window : QGuiApplication::topLevelWindows()) {
            window->close();
        }
    });
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(closeWhenShown)

int main(int argc, char** argv) {
    return quendal_app::runTessaval(argc, argv);
}
