// The program's own start-up with one addition for the start-up tests: once
// the window is up, it prints the published names and closes every window,
// as a user closing the program would.
#include "app/startup.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QTimer>
#include <QWindow>
#include <QtQml/qqmlextensionplugin.h>
#include <cstdio>

Q_IMPORT_QML_PLUGIN(TessavalPlugin)

namespace {

// Closes the windows once each has shown a frame and the event queue has
// settled, so that no frame or image load is cut short: a window closed
// halfway through its first frame leaves the renderer's images behind.
void closeWhenShown() {
    QTimer::singleShot(700, qApp, [] {
        for (QWindow* window : QGuiApplication::topLevelWindows()) {
            auto* quick = qobject_cast<QQuickWindow*>(window);
            if (quick != nullptr && quick->isVisible()) {
                QEventLoop loop;
                QObject::connect(quick, &QQuickWindow::frameSwapped, &loop, &QEventLoop::quit);
                QTimer::singleShot(10000, &loop, &QEventLoop::quit);
                quick->update();
                loop.exec();
            }
        }
        QCoreApplication::processEvents();
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
