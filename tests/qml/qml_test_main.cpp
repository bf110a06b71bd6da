// Runs the QML test files: settings of their own in a fresh folder, the
// module from the program's resources, and the objects the pages read.
#include "app/app_controller.h"
#include "app/language_manager.h"
#include "bench_probe.h"
#include "fake_controller.h"
#include "fake_updates.h"
#include "shipped_translation.h"
#include "test_translator.h"

#include <QCoreApplication>
#include <QDir>
#include <QQmlContext>
#include <QQmlEngine>
#include <QSaveFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtQml/qqmlextensionplugin.h>
#include <QtQuickTest>
#include <unistd.h>

Q_IMPORT_QML_PLUGIN(TessavalPlugin)

class Setup : public QObject {
    Q_OBJECT

public slots:
    void applicationAvailable() {
        QCoreApplication::setOrganizationName(QStringLiteral("Tessaval"));
        QCoreApplication::setApplicationName(QStringLiteral("Tessaval"));
        for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
            QSettings::setPath(format, QSettings::UserScope, settingsDir_.path());
            QSettings::setPath(format, QSettings::SystemScope, settingsDir_.path() + "/system");
        }
        qputenv("XDG_CONFIG_HOME", settingsDir_.path().toUtf8());
        qmlRegisterType<FakeController>("TestSupport", 1, 0, "FakeController");
        qmlRegisterType<FakeUpdates>("TestSupport", 1, 0, "FakeUpdates");
        qmlRegisterType<TestTranslator>("TestSupport", 1, 0, "TestTranslator");
        qmlRegisterType<BenchProbe>("TestSupport", 1, 0, "BenchProbe");
        qmlRegisterType<ShippedTranslation>("TestSupport", 1, 0, "ShippedTranslation");
    }

    void qmlEngineAvailable(QQmlEngine* engine) {
        engine->addImportPath(QStringLiteral("qrc:/"));
        languageManager_ = std::make_unique<quendal_app::LanguageManager>(engine);
        controller_ = std::make_unique<quendal_app::AppController>();
        QObject::connect(languageManager_.get(),
                         &quendal_app::LanguageManager::currentLanguageChanged, controller_.get(),
                         &quendal_app::AppController::retranslate);
        engine->rootContext()->setContextProperty(QStringLiteral("languageManager"),
                                                  languageManager_.get());
        engine->rootContext()->setContextProperty(QStringLiteral("appController"),
                                                  controller_.get());
        // A folder of this run for the files a test writes.
        const QString files = settingsDir_.path() + QStringLiteral("/files");
        QDir().mkpath(files);
        engine->rootContext()->setContextProperty(QStringLiteral("testFolderUrl"),
                                                  QUrl::fromLocalFile(files));
        // A folder of sub-folders only, for folders typed into a file dialog.
        const QString folders = settingsDir_.path() + QStringLiteral("/folders");
        for (const QString& sub : {QStringLiteral("sub"), QStringLiteral("sub.d")}) {
            QDir().mkpath(folders + QLatin1Char('/') + sub);
        }
        engine->rootContext()->setContextProperty(QStringLiteral("foldersUrl"),
                                                  QUrl::fromLocalFile(folders));
        // A folder this process cannot write into, with the system's reason.
        const auto [folder, reason] = unwritableFolder();
        engine->rootContext()->setContextProperty(QStringLiteral("readOnlyFolderUrl"),
                                                  QUrl::fromLocalFile(folder));
        engine->rootContext()->setContextProperty(QStringLiteral("readOnlyFolderReason"), reason);
    }

    void cleanupTestCase() {
        controller_.reset();
        languageManager_.reset();
    }

private:
    // A read-only folder of this run; root writes into those, so it gets the
    // kernel's own folder, where nobody may create files. The reason is
    // empty when the folder turned out writable after all.
    std::pair<QString, QString> unwritableFolder() const {
        QString folder = settingsDir_.path() + QStringLiteral("/read-only");
        QDir().mkpath(folder);
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (::geteuid() == 0) {
            folder = QStringLiteral("/sys");
        }
        QSaveFile probe(folder + QStringLiteral("/probe.tessavalproj"));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.cancelWriting();
            return {folder, QString()};
        }
        return {folder, probe.errorString()};
    }

    QTemporaryDir settingsDir_;
    std::unique_ptr<quendal_app::LanguageManager> languageManager_;
    std::unique_ptr<quendal_app::AppController> controller_;
};

QUICK_TEST_MAIN_WITH_SETUP(tessaval_qml, Setup)

#include "qml_test_main.moc"
