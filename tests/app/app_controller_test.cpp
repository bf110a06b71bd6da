#include "app/app_controller.h"

#include "app/translatable_text.h"
#include "prefix_translator.h"
#include "solve_maps.h"
#include "test_settings.h"

#include <QSignalSpy>
#include <QtTest>

using namespace quendal_app;

namespace {

const QString kDash = QString(QChar(0x2014));
constexpr std::uint64_t kGiB = 1ull << 30;

// Memory figures under the test's control.
struct FakeMachine {
    std::optional<PhysicalMemory> memory = PhysicalMemory{16 * kGiB, 6 * kGiB};
    int processors = 8;

    ControllerEnvironment environment() {
        ControllerEnvironment env;
        env.memory = [this] { return memory; };
        env.processors = [this] { return processors; };
        return env;
    }
};

class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : name_(name) {
        had_ = qEnvironmentVariableIsSet(name);
        old_ = qgetenv(name);
        if (value == nullptr) {
            qunsetenv(name);
        } else {
            qputenv(name, value);
        }
    }
    ~ScopedVariable() {
        if (had_) {
            qputenv(name_, old_);
        } else {
            qunsetenv(name_);
        }
    }

private:
    const char* name_;
    bool had_ = false;
    QByteArray old_;
};

}  // namespace

class AppControllerTest : public QObject {
    Q_OBJECT

    QTemporaryDir settingsDir_;

private slots:
    void initTestCase() { test::isolateSettings(settingsDir_); }

    void developerModeTable_data() {
        QTest::addColumn<QByteArray>("quendal");
        QTest::addColumn<QByteArray>("kandrewit");
        QTest::addColumn<QByteArray>("orbeck");
        QTest::addColumn<bool>("on");
        QTest::newRow("none set") << QByteArray() << QByteArray() << QByteArray() << false;
        QTest::newRow("second decides")
            << QByteArray() << QByteArray(" Yes ") << QByteArray("0") << true;
        QTest::newRow("first present decides")
            << QByteArray("maybe") << QByteArray("1") << QByteArray() << false;
        QTest::newRow("third") << QByteArray() << QByteArray() << QByteArray("ON") << true;
        QTest::newRow("true") << QByteArray("TRUE") << QByteArray() << QByteArray() << true;
        QTest::newRow("off") << QByteArray("off") << QByteArray("1") << QByteArray("1") << false;
        QTest::newRow("blank is present")
            << QByteArray("  ") << QByteArray("1") << QByteArray() << false;
    }

    void developerModeTable() {
        QFETCH(QByteArray, quendal);
        QFETCH(QByteArray, kandrewit);
        QFETCH(QByteArray, orbeck);
        QFETCH(bool, on);
        const auto value = [](const QByteArray& v) {
            return v.isEmpty() ? nullptr : v.constData();
        };
        ScopedVariable a("QUENDAL_DEV_MODE", value(quendal));
        ScopedVariable b("KANDREWIT_DEV_MODE", value(kandrewit));
        ScopedVariable c("ORBECK_DEV_MODE", value(orbeck));
        QCOMPARE(AppController::developerModeFromEnvironment(), on);
        FakeMachine machine;
        AppController controller(machine.environment());
        QCOMPARE(controller.developerMode(), on);
    }

    // The controller's own statuses follow a change of language; the places
    // of a text are filled in one pass, so an argument holding "%2" stays.
    void statusFollowsTheLanguage() {
        FakeMachine machine;
        AppController controller(machine.environment());
        QVariantMap spot = test::riverMap();
        spot["board"] = "AhKs";
        controller.startSolveWithConfig(spot);
        const QString english = controller.statusText();
        QVERIFY2(english.startsWith("Not ready: "), qPrintable(english));
        test::PrefixTranslator german("[de] ", {"AppController"});
        QCoreApplication::installTranslator(&german);
        QSignalSpy changed(&controller, &AppController::statusTextChanged);
        controller.retranslate();
        QCOMPARE(changed.count(), 1);
        QCOMPARE(controller.statusText(), "[de] " + english);
        QCOMPARE(TranslatableText("AppController", "%1 and %2",
                                  {TranslatableText::plain("a%2"), TranslatableText::plain("b")})
                     .text(),
                 QString("[de] a%2 and b"));
        QCoreApplication::removeTranslator(&german);
        controller.retranslate();
        QCOMPARE(controller.statusText(), english);
    }

    void gigabyteTexts() {
        QCOMPARE(AppController::formatGigabytes(0), kDash);
        QCOMPARE(AppController::formatGigabytes(8 * kGiB), QString("8.0 GB"));
        QCOMPARE(AppController::formatGigabytes(10 * kGiB), QString("10 GB"));
        QCOMPARE(AppController::formatGigabytes(std::uint64_t(9.96 * kGiB)), QString("10.0 GB"));
        QCOMPARE(AppController::formatGigabytes(std::uint64_t(31.9 * kGiB)), QString("32 GB"));
        QCOMPARE(AppController::formatGigabytes(kGiB / 2), QString("0.5 GB"));
        // Below a tenth of a gigabyte, whole megabytes, never zero.
        QCOMPARE(AppController::formatGigabytes(kGiB / 10 + 1), QString("0.1 GB"));
        QCOMPARE(AppController::formatGigabytes(37 * 1048576ull + 400000), QString("37 MB"));
        QCOMPARE(AppController::formatGigabytes(1000), QString("1 MB"));
        // The process locale never turns the point into a comma.
        QLocale::setDefault(QLocale(QLocale::German));
        QCOMPARE(AppController::formatGigabytes(8 * kGiB), QString("8.0 GB"));
        QLocale::setDefault(QLocale::c());
    }

    // Figures shown side by side get the decimals that tell different
    // counts apart, and no more.
    void gigabyteTextsApart_data() {
        QTest::addColumn<quint64>("a");
        QTest::addColumn<quint64>("b");
        QTest::addColumn<QString>("textA");
        QTest::addColumn<QString>("textB");
        const quint64 gib = kGiB;
        QTest::newRow("apart already")
            << 8 * gib << 4 * gib << QString("8.0 GB") << QString("4.0 GB");
        QTest::newRow("equal") << 3 * gib / 2 << 3 * gib / 2 << QString("1.5 GB")
                               << QString("1.5 GB");
        QTest::newRow("a hundredth apart") << quint64(1.53 * gib) << quint64(1.47 * gib)
                                           << QString("1.53 GB") << QString("1.47 GB");
        QTest::newRow("from 10 up")
            << 12 * gib + 100 * 1048576ull << 12 * gib << QString("12.1 GB") << QString("12.0 GB");
        QTest::newRow("megabytes")
            << quint64(1000) << quint64(2000) << QString("0.001 MB") << QString("0.002 MB");
        QTest::newRow("one unknown") << quint64(0) << gib << kDash << QString("1.0 GB");
        // A byte apart, whatever the size.
        QTest::newRow("a byte, megabytes") << 50 * 1048576ull + 1 << 50 * 1048576ull
                                           << QString("50.000001 MB") << QString("50.000000 MB");
        QTest::newRow("a byte, gigabytes")
            << 3 * gib / 2 + 1 << 3 * gib / 2 << QString("1.500000001 GB")
            << QString("1.500000000 GB");
        QTest::newRow("a byte, a terabyte")
            << 1024 * gib + 1 << 1024 * gib << QString("1024.000000001 GB")
            << QString("1024.000000000 GB");
    }

    void gigabyteTextsApart() {
        QFETCH(quint64, a);
        QFETCH(quint64, b);
        QFETCH(QString, textA);
        QFETCH(QString, textB);
        const auto [shownA, shownB] = AppController::formatGigabytesApart(a, b);
        QCOMPARE(shownA, textA);
        QCOMPARE(shownB, textB);
    }

    void systemFigures() {
        FakeMachine machine;
        AppController controller(machine.environment());
        QCOMPARE(controller.systemThreadCount(), 8);
        QCOMPARE(controller.systemMemoryBytes(), 16 * kGiB);
        QCOMPARE(controller.systemMemoryText(), QString("16 GB"));
        QCOMPARE(controller.systemAvailableMemoryText(), QString("6.0 GB"));
        QCOMPARE(controller.effectiveAvailableMemoryBytes(), 6 * kGiB);
        QCOMPARE(controller.statusText(), QString("Ready"));
        QCOMPARE(controller.solveRequiredMemoryText(), kDash);
        QCOMPARE(controller.treeNodeCount(), 0);
        QVERIFY(!controller.useTbb());
        QVERIFY(!controller.running());

        // A failing query: zero bytes and the dash, nothing reclaimable.
        machine.memory.reset();
        machine.processors = 0;  // unknown: the library's count, at least 1
        AppController blind(machine.environment());
        QCOMPARE(blind.systemMemoryBytes(), 0ull);
        QCOMPARE(blind.systemMemoryText(), kDash);
        QCOMPARE(blind.systemAvailableMemoryText(), kDash);
        QCOMPARE(blind.effectiveAvailableMemoryBytes(), 0ull);
        QVERIFY(blind.systemThreadCount() >= 1);
    }

    void refreshSignalsOnlyRealChanges() {
        FakeMachine machine;
        AppController controller(machine.environment());
        QSignalSpy spy(&controller, &AppController::systemMemoryChanged);
        controller.refreshAvailableMemory();
        QCOMPARE(spy.count(), 0);
        machine.memory->available_bytes = 5 * kGiB;
        controller.refreshAvailableMemory();
        QCOMPARE(spy.count(), 1);
        QCOMPARE(controller.systemAvailableMemoryText(), QString("5.0 GB"));
        controller.refreshAvailableMemory();
        QCOMPARE(spy.count(), 1);
        // The total is never refreshed.
        machine.memory->total_bytes = 64 * kGiB;
        controller.refreshAvailableMemory();
        QCOMPARE(controller.systemMemoryBytes(), 16 * kGiB);
        // The timer refreshes on its own every two seconds.
        machine.memory->available_bytes = 4 * kGiB;
        QVERIFY(spy.wait(3000));
        QCOMPARE(controller.systemAvailableMemoryBytes(), 4 * kGiB);
    }

    void effectiveMemorySaturatesAndIsCapped() {
        FakeMachine machine;
        machine.memory = PhysicalMemory{0, ~0ull - 5};
        AppController huge(machine.environment());
        QCOMPARE(huge.effectiveAvailableMemoryBytes(), ~0ull - 5);
        // A finished solve leaves its estimate to reclaim. With no total known
        // the figure is the sum alone, which saturates instead of wrapping.
        QSignalSpy estimated(&huge, &AppController::solveRequiredMemoryChanged);
        huge.requestSolveMemoryEstimate(test::riverMap(5));
        QTRY_COMPARE_WITH_TIMEOUT(estimated.count(), 1, 20000);
        QVERIFY(huge.solveRequiredMemoryBytes() > 5);
        huge.startSolveWithConfig(test::riverMap(5));
        QTRY_COMPARE_WITH_TIMEOUT(huge.statusText(), QString("Done"), 20000);
        QCOMPARE(huge.resultsReclaimableMemoryBytes(), huge.solveRequiredMemoryBytes());
        QCOMPARE(huge.effectiveAvailableMemoryBytes(), ~0ull);
        machine.memory = PhysicalMemory{16 * kGiB, 20 * kGiB};
        AppController capped(machine.environment());
        QCOMPARE(capped.effectiveAvailableMemoryBytes(), 16 * kGiB);
    }

    void answersNothingBeforeASolve() {
        FakeMachine machine;
        AppController controller(machine.environment());
        QVERIFY(controller.nodeMeta(0).isEmpty());
        QVERIFY(controller.nodeActions(0).isEmpty());
        QVERIFY(controller.nodeLocks(0).isEmpty());
        QVERIFY(controller.nodeHandCombos(0).isEmpty());
        QVERIFY(!controller.saveProject(QUrl(), {}));
        QVERIFY(controller.rootActions().isEmpty());
        QCOMPARE(controller.resultIterations(), 0);
    }
};

QTEST_GUILESS_MAIN(AppControllerTest)
#include "app_controller_test.moc"
