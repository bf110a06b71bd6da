#include "app/language_manager.h"

#include "test_settings.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

using namespace quendal_app;

namespace {

QString hello() {
    return QCoreApplication::translate("LanguageManagerTest", "Hello");
}

QString storedLanguage() {
    return QSettings().value("ui/language").toString();
}

}  // namespace

class LanguageManagerTest : public QObject {
    Q_OBJECT

    QTemporaryDir settingsDir_;

private slots:
    void initTestCase() { test::isolateSettings(settingsDir_); }

    void init() {
        QSettings().clear();
        // Each case starts in English with the default locale.
        LanguageManager reset(nullptr);
        reset.setLanguage("en");
    }

    void normalisesCodes() {
        QCOMPARE(LanguageManager::normalizeLanguageCode("  Auto  "), QString("system"));
        QCOMPARE(LanguageManager::normalizeLanguageCode(""), QString("system"));
        QCOMPARE(LanguageManager::normalizeLanguageCode("   "), QString("system"));
        QCOMPARE(LanguageManager::normalizeLanguageCode("SYSTEM"), QString("system"));
        QCOMPARE(LanguageManager::normalizeLanguageCode(" de "), QString("de"));
        QCOMPARE(LanguageManager::normalizeLanguageCode("pt_BR"), QString("pt_BR"));
        QCOMPARE(LanguageManager::normalizeLanguageCode("Fr"), QString("Fr"));
    }

    void candidatesFollowTheLocaleName() {
        QCOMPARE(LanguageManager::translationCandidates("de"), QStringList({"de", "de_DE", "de"}));
        QCOMPARE(LanguageManager::translationCandidates("pt_BR"), QStringList({"pt_BR", "pt"}));
        QCOMPARE(LanguageManager::translationCandidates("de_AT"), QStringList({"de_AT", "de"}));
        const QString system = QLocale::system().name();
        QCOMPARE(LanguageManager::translationCandidates("system").first(), system);
    }

    void theSevenCodesLoadOrFallBack_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("loaded");
        QTest::newRow("de") << "de"
                            << "Hallo" << true;
        QTest::newRow("pt_BR") << "pt_BR"
                               << "Olá" << true;
        QTest::newRow("fr") << "fr"
                            << "Bonjour" << true;
        QTest::newRow("de_AT through its language") << "de_AT"
                                                    << "Hallo" << true;
        QTest::newRow("no file for es") << "es"
                                        << "Hello" << false;
        QTest::newRow("unknown code") << "xx"
                                      << "Hello" << false;
    }

    void theSevenCodesLoadOrFallBack() {
        QFETCH(QString, code);
        QFETCH(QString, text);
        QFETCH(bool, loaded);
        LanguageManager manager(nullptr);
        QTest::ignoreMessage(QtInfoMsg,
                             qPrintable(QString("Language set to %1 (translator %2 )")
                                            .arg(code, loaded ? "loaded" : "not loaded")));
        manager.setLanguage(code);
        QCOMPARE(manager.currentLanguage(), code);
        QCOMPARE(hello(), text);
        QCOMPARE(QLocale().name(), QLocale(code).name());
        QCOMPARE(storedLanguage(), code);
    }

    void signalOncePerRealChange() {
        LanguageManager manager(nullptr);
        QSignalSpy spy(&manager, &LanguageManager::currentLanguageChanged);
        manager.setLanguage("de");
        QCOMPARE(spy.count(), 1);
        manager.setLanguage("de");
        manager.setLanguage(" de ");
        QCOMPARE(spy.count(), 1);
        manager.setLanguage("en");
        QCOMPARE(spy.count(), 2);
        QCOMPARE(hello(), QString("Hello"));  // English removes the translator
        manager.setLanguage("en");
        QCOMPARE(spy.count(), 2);
    }

    void autoWithBlanksStoresSystem() {
        LanguageManager manager(nullptr);
        manager.setLanguage("de");
        manager.setLanguage("  Auto ");
        QCOMPARE(manager.currentLanguage(), QString("system"));
        QCOMPARE(storedLanguage(), QString("system"));
    }

    void constructionAppliesTheStoredLanguageWithoutWritingIt() {
        QSettings().setValue("ui/language", " de ");
        LanguageManager manager(nullptr);
        QCOMPARE(manager.currentLanguage(), QString("de"));
        QCOMPARE(hello(), QString("Hallo"));
        QCOMPARE(storedLanguage(), QString(" de "));  // read, normalised, never rewritten
    }

    void engineFollowsAndRetranslates() {
        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData(
            "import QtQml\nQtObject { property string text: qsTranslate(\"LanguageManagerTest\", "
            "\"Hello\") }",
            QUrl());
        std::unique_ptr<QObject> object(component.create());
        QVERIFY2(object, qPrintable(component.errorString()));
        LanguageManager manager(&engine);
        QCOMPARE(object->property("text").toString(), QString("Hello"));
        manager.setLanguage("de");
        QCOMPARE(engine.uiLanguage(), QLocale("de").bcp47Name());
        QCOMPARE(object->property("text").toString(), QString("Hallo"));
        manager.setLanguage("pt_BR");
        QCOMPARE(engine.uiLanguage(), QLocale("pt_BR").bcp47Name());
        QCOMPARE(object->property("text").toString(), QString("Olá"));
    }

    // Run by CTest with LC_ALL=de_DE.UTF-8 and TESSAVAL_EXPECT_GERMAN_SYSTEM=1.
    void germanSystemWithoutAStoredLanguage() {
        if (qgetenv("TESSAVAL_EXPECT_GERMAN_SYSTEM") != "1") {
            QSKIP("run with a German system locale by CTest");
        }
        QSettings().remove("ui/language");
        LanguageManager manager(nullptr);
        QCOMPARE(manager.currentLanguage(), QString("system"));
        QCOMPARE(hello(), QString("Hallo"));
        QVERIFY(!QSettings().contains("ui/language"));
    }
};

QTEST_GUILESS_MAIN(LanguageManagerTest)
#include "language_manager_test.moc"
