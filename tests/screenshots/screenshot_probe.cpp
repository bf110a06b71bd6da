// The program's own start-up, followed by a walk through the scenes of a
// JSON file: each scene runs a script in the window's context (where the
// window's ids, `appShell` among them, and the published objects are
// reachable), waits until its condition holds, and the window is written as
// a PNG, once in the dark and once in the light theme.
//
//   screenshot_probe <scenes.json> <output folder>
//
// A scene: {"name": "home", "script": "appShell.navIndex = 0",
//           "waitFor": "true", "settleMs": 300, "timeoutMs": 10000}
// A scene with "language": "de" is shot in that interface language (set
// through the language manager before its script); the language in use
// before it comes back once both pictures are written.
// Scripts also reach `probe`: probe.showGallery("WidgetGallery.qml") covers
// the window with a QML file of the scenes' folder (given the shell's theme),
// probe.hideGallery() removes it.
// Each scene's shown texts that do not fit (cut with an ellipsis, wider than
// their box, or running past the button that holds them) are listed in
// clipped-texts.txt in the output folder.
#include "app/startup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlExpression>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTimer>
#include <QtQml/qqmlextensionplugin.h>
#include <cstdio>
#include <functional>

Q_IMPORT_QML_PLUGIN(TessavalPlugin)

namespace {

QString scenesPath;
QString outputDir;

// Galleries of widgets, shown over the shell for their pictures.
class Probe : public QObject {
    Q_OBJECT

public:
    explicit Probe(QQuickWindow* window) : window_(window) {}

    Q_INVOKABLE bool showGallery(const QString& fileName) {
        hideGallery();
        QQmlEngine* engine = qmlEngine(window_);
        const QUrl url = QUrl::fromLocalFile(QFileInfo(scenesPath).dir().filePath(fileName));
        QQmlComponent component(engine, url);
        QObject* shell = window_->findChild<QObject*>(QStringLiteral("appShell"));
        QVariantMap initial;
        if (shell != nullptr) {
            initial.insert(QStringLiteral("theme"), shell->property("theme"));
        }
        QObject* object = component.createWithInitialProperties(initial, qmlContext(window_));
        gallery_ = qobject_cast<QQuickItem*>(object);
        if (gallery_ == nullptr) {
            std::fprintf(stderr, "gallery %s: %s\n", qPrintable(fileName),
                         qPrintable(component.errorString()));
            delete object;
            return false;
        }
        gallery_->setParentItem(window_->contentItem());
        gallery_->setZ(1000);
        gallery_->setSize(window_->contentItem()->size());
        return true;
    }

    Q_INVOKABLE void hideGallery() {
        delete gallery_;
        gallery_ = nullptr;
    }

private:
    QQuickWindow* window_;
    QQuickItem* gallery_ = nullptr;
};

QQuickWindow* mainWindow() {
    for (QWindow* w : QGuiApplication::topLevelWindows()) {
        if (auto* quick = qobject_cast<QQuickWindow*>(w)) {
            return quick;
        }
    }
    return nullptr;
}

QVariant evaluate(QQuickWindow* window, const QString& script) {
    QQmlExpression expression(qmlContext(window), window, script);
    const QVariant value = expression.evaluate();
    if (expression.hasError()) {
        std::fprintf(stderr, "script error: %s\n", qPrintable(expression.error().toString()));
    }
    return value;
}

// Why a shown text does not fit, or empty when it does.
QString misfit(QQuickItem* text) {
    const qreal width = text->width();
    if (text->property("truncated").toBool()) {
        return QStringLiteral("cut");
    }
    if (text->property("wrapMode").toInt() == 0 && width > 0 &&
        text->implicitWidth() > width + 1.0) {
        return QStringLiteral("wider than its box (%1 > %2)")
            .arg(qRound(text->implicitWidth()))
            .arg(qRound(width));
    }
    // A wrapping text is as wide as its longest line, not its one-line width.
    const qreal natural = text->property("wrapMode").toInt() == 0
                              ? text->implicitWidth()
                              : text->property("contentWidth").toReal();
    for (QQuickItem* up = text->parentItem(); up != nullptr; up = up->parentItem()) {
        if (QByteArray(up->metaObject()->className()).contains("Button")) {
            const QRectF own = text->mapRectToItem(up, QRectF(0, 0, natural, 1));
            if (own.left() < -1.0 || own.right() > up->width() + 1.0) {
                return QStringLiteral("past its button (%1 in %2)")
                    .arg(qRound(natural))
                    .arg(qRound(up->width()));
            }
            break;
        }
    }
    return QString();
}

void collectMisfits(QQuickItem* item, const QRectF& window, QStringList& out) {
    if (!item->isVisible() || item->opacity() <= 0.0) {
        return;
    }
    if (QByteArray(item->metaObject()->className()).startsWith("QQuickText") &&
        !QByteArray(item->metaObject()->className()).startsWith("QQuickTextEdit") &&
        !QByteArray(item->metaObject()->className()).startsWith("QQuickTextInput")) {
        const QString text = item->property("text").toString();
        const QRectF at = item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
        if (!text.isEmpty() && window.intersects(at)) {
            const QString why = misfit(item);
            if (!why.isEmpty()) {
                out << QStringLiteral("  \"%1\" %2").arg(text.left(60), why);
            }
        }
    }
    for (QQuickItem* child : item->childItems()) {
        collectMisfits(child, window, out);
    }
}

struct Walk {
    QJsonArray scenes;
    int index = 0;
    bool light = false;
    int failures = 0;
    QString languageBefore;

    void next() {
        QQuickWindow* window = mainWindow();
        if (window == nullptr || index >= scenes.size()) {
            std::printf("%d screenshots written to %s\n", index * 2, qPrintable(outputDir));
            std::fflush(stdout);
            QCoreApplication::exit(failures == 0 ? 0 : 1);
            return;
        }
        const QJsonObject scene = scenes.at(index).toObject();
        evaluate(window, QStringLiteral("appShell.theme.dark = %1").arg(light ? "false" : "true"));
        if (!light) {
            const QString language = scene.value("language").toString();
            if (!language.isEmpty()) {
                languageBefore = evaluate(window, "languageManager.currentLanguage").toString();
                setLanguage(window, language);
            }
            evaluate(window, scene.value("script").toString());
        }
        waitThenShoot(window, scene, 0);
    }

    static void setLanguage(QQuickWindow* window, const QString& code) {
        evaluate(window, QStringLiteral("languageManager.setLanguage(\"%1\")").arg(code));
    }

    void waitThenShoot(QQuickWindow* window, const QJsonObject& scene, int waited) {
        const QString condition = scene.value("waitFor").toString(QStringLiteral("true"));
        const int timeout = scene.value("timeoutMs").toInt(10000);
        if (!evaluate(window, condition).toBool() && waited < timeout) {
            QTimer::singleShot(50, [=, this] { waitThenShoot(window, scene, waited + 50); });
            return;
        }
        if (waited >= timeout) {
            std::fprintf(stderr, "scene %s: condition never held\n",
                         qPrintable(scene.value("name").toString()));
            ++failures;
        }
        QTimer::singleShot(scene.value("settleMs").toInt(300), [=, this] {
            const QString file = QDir(outputDir).filePath(
                QStringLiteral("%1-%2.png")
                    .arg(scene.value("name").toString(), light ? "light" : "dark"));
            if (!window->grabWindow().save(file)) {
                std::fprintf(stderr, "could not write %s\n", qPrintable(file));
                ++failures;
            }
            if (!light) {
                QStringList misfits;
                collectMisfits(window->contentItem(),
                               QRectF(0, 0, window->width(), window->height()), misfits);
                QFile report(QDir(outputDir).filePath(QStringLiteral("clipped-texts.txt")));
                if (!misfits.isEmpty() && report.open(QIODevice::Append | QIODevice::Text)) {
                    report.write((scene.value("name").toString() + QStringLiteral(":\n") +
                                  misfits.join(QLatin1Char('\n')) + QLatin1Char('\n'))
                                     .toUtf8());
                }
            }
            if (light) {
                if (!scene.value("language").toString().isEmpty()) {
                    setLanguage(window, languageBefore);
                }
                ++index;
            }
            light = !light;
            next();
        });
    }
};

void startWalk() {
    QFile file(scenesPath);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(scenesPath));
        QCoreApplication::exit(2);
        return;
    }
    static Walk walk;  // lives until the program ends
    walk.scenes = QJsonDocument::fromJson(file.readAll()).array();
    QDir().mkpath(outputDir);
    QTimer::singleShot(1000, [] {
        if (QQuickWindow* window = mainWindow()) {
            static Probe probe(window);
            qmlEngine(window)->rootContext()->setContextProperty(QStringLiteral("probe"), &probe);
            // A folder of this run for the files a scene writes.
            const QString files = QDir(outputDir).absoluteFilePath(QStringLiteral("files"));
            QDir().mkpath(files);
            qmlEngine(window)->rootContext()->setContextProperty(QStringLiteral("sceneFolderUrl"),
                                                                 QUrl::fromLocalFile(files));
        }
        walk.next();
    });
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(startWalk)

#include "screenshot_probe.moc"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <scenes.json> <output folder>\n", argv[0]);
        return 2;
    }
    scenesPath = QString::fromLocal8Bit(argv[1]);
    outputDir = QString::fromLocal8Bit(argv[2]);
    return quendal_app::runTessaval(1, argv);
}
