#include "../core/address_space_limit.h"
#include "../core/scoped_env.h"
#include "app/app_controller.h"
#include "memory_group.h"
#include "solve_maps.h"
#include "test_settings.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QThread>
#include <QtTest>
#include <cmath>
#include <limits>

using namespace quendal_app;

namespace {

constexpr std::uint64_t kGiB = 1ull << 30;

struct FakeMachine {
    std::optional<PhysicalMemory> memory = PhysicalMemory{16 * kGiB, 12 * kGiB};
    ControllerEnvironment environment() {
        ControllerEnvironment env;
        env.memory = [this] { return memory; };
        env.processors = [] { return 4; };
        return env;
    }
};

// Wide ranges and three sizes on every street: some 180 GiB to solve.
QVariantMap hugeFlopMap() {
    const QString everything = "22+, A2+, K2+, Q2+, J2+, T2+, 92+, 82+, 72+, 62+, 52+, 42+, 32";
    QVariantMap cfg{{"board", "Ah8d3c"},       {"starting_pot", 10.0},   {"effective_stack", 100.0},
                    {"oop_range", everything}, {"ip_range", everything}, {"thread_count", 2}};
    test::fillSizing(cfg, "25, 50, 100", "60");
    for (const char* prefix :
         {"oop_flop", "oop_turn", "oop_river", "ip_flop", "ip_turn", "ip_river"}) {
        cfg[QString("%1_add_all_in").arg(prefix)] = true;
    }
    return cfg;
}

// Counts the calls queued to an object from other threads (the estimator's
// and the solve's answers) once each has been handled.
class QueuedCallCount : public QObject {
public:
    explicit QueuedCallCount(QObject* target) { target->installEventFilter(this); }
    int count() const { return count_; }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MetaCall) {
            ++count_;
        }
        return false;
    }

private:
    int count_ = 0;
};

}  // namespace

class ControllerSolveTest : public QObject {
    Q_OBJECT

    QTemporaryDir settingsDir_;
    FakeMachine machine_;

private slots:
    void initTestCase() { test::isolateSettings(settingsDir_); }
    void init() { QSettings().clear(); }

    void aRiverSolveFromTheMap() {
        AppController c(machine_.environment());
        QSignalSpy running(&c, &AppController::runningChanged);
        QSignalSpy results(&c, &AppController::resultsChanged);
        QSignalSpy stats(&c, &AppController::solveStatsChanged);
        QStringList statuses;
        QList<double> progress;
        connect(&c, &AppController::statusTextChanged, [&] { statuses << c.statusText(); });
        connect(&c, &AppController::progressChanged, [&] { progress << c.progress(); });

        c.startSolveWithConfig(test::riverMap(60));
        QVERIFY(c.running());
        QCOMPARE(statuses.first(), QString("Starting..."));
        QTRY_COMPARE_WITH_TIMEOUT(c.statusText(), QString("Done"), 20000);
        QVERIFY(!c.running());

        QCOMPARE(running.count(), 2);  // true, then false once
        QCOMPARE(statuses[1], QString("Init: building game object..."));
        QCOMPARE(statuses[2], QString("Init: building game tree structures..."));
        QCOMPARE(statuses[3], QString("Init: starting solver..."));
        QVERIFY(statuses[4].startsWith("Iter 1 | exploitability\u2248"));
        QCOMPARE(statuses.last(), QString("Done"));
        QVERIFY(statuses.contains("Finalizing: building result snapshot..."));
        QCOMPARE(progress.last(), 1.0);
        QVERIFY(progress.contains(0.999));

        QCOMPARE(results.count(), 2);  // the cleared result at the start, then this one
        QVERIFY2(c.resultsSummary().startsWith("Board KsQd7h4c2s | iters 60 | expl\u2248"),
                 qPrintable(c.resultsSummary()));
        QVERIFY(c.resultsSummary().contains(" | EV(oop)="));
        QCOMPARE(c.resultIterations(), 60);
        QCOMPARE(c.resultStartingPot(), 10.0);
        QVERIFY(c.resultExploitability() > 0.0);
        QVERIFY(std::fabs(c.resultEvOop() + c.resultEvIp()) < 0.01);  // zero-sum
        const QVariantList root = c.rootActions();
        QCOMPARE(root.size(), 3);
        QCOMPARE(root[0].toMap()["name"].toString(), QString("Check"));
        QCOMPARE(root[1].toMap()["actionType"].toString(), QString("bet 50%"));

        const auto state = c.session().solved_state();
        QVERIFY(state);
        QCOMPARE(c.treeNodeCount(), int(state.game->nodes().size()));
        const QVariantMap meta = c.nodeMeta(0);
        QCOMPARE(meta["nodeType"].toString(), QString("decision"));
        QCOMPARE(meta["player"].toString(), QString("OOP"));
        QCOMPARE(meta["pot"].toDouble(), 10.0);
        QCOMPARE(meta["effectiveStack"].toDouble(), 20.0);
        QCOMPARE(meta["hasChildren"].toBool(), true);
        const QVariantList actions = c.nodeActions(0);
        QCOMPARE(actions.size(), 3);
        QCOMPARE(actions[1].toMap()["childIndex"].toInt(), int(state.game->nodes()[0].children[1]));
        QVERIFY(c.nodeMeta(c.treeNodeCount()).isEmpty());
        QVERIFY(c.nodeActions(-1).isEmpty());
        for (int i = 0; i < c.treeNodeCount(); ++i) {
            QCOMPARE(c.nodeMeta(i)["effectiveStack"].toDouble(), 20.0);
        }

        // The finished solve is recorded once.
        QCOMPARE(stats.count(), 1);
        QCOMPARE(c.solvesToday(), 1);

        c.clearResults();
        QCOMPARE(c.treeNodeCount(), 0);
        QVERIFY(c.rootActions().isEmpty());
        QCOMPARE(c.resultsSummary(), QString());
        QCOMPARE(c.progress(), 0.0);
        QCOMPARE(c.statusText(), QString("Ready"));
        c.reSolveWithNodeLocks();
        QCOMPARE(c.statusText(), QString("No previous solve config (solve once first)"));
    }

    void refusalsInOrder() {
        AppController c(machine_.environment());
        const auto refused = [&](const QVariantMap& cfg) {
            c.startSolveWithConfig(cfg);
            return c.running() ? QString("started") : c.statusText();
        };
        QVariantMap cfg = test::riverMap();
        cfg["board"] = "AhKsQ";
        QCOMPARE(refused(cfg), QString("Not ready: enter a valid board first"));
        cfg = test::riverMap();
        cfg["oop_range"] = "AA:0";
        QCOMPARE(refused(cfg), QString("Not ready: select at least one hand in both ranges"));
        cfg = test::riverMap();
        cfg["ip_river_raise_sizes"] = "   ";
        QCOMPARE(refused(cfg), QString("Not ready: fill out both OOP and IP sizing"));
        // The board is checked before the ranges, the ranges before the sizing.
        cfg["board"] = "";
        cfg["ip_range"] = "";
        QCOMPARE(refused(cfg), QString("Not ready: enter a valid board first"));
        c.startSolve();
        QCOMPARE(c.statusText(), QString("Not ready: enter a valid board first"));
        c.cancelSolve();
        QCOMPARE(c.statusText(), QString("Cancelling..."));  // even with nothing running

        // A whole-deck percentage is a range with hands, and a river spot
        // needs no flop or turn sizes.
        cfg = test::riverMap(5);
        cfg["ip_range"] = "100%";
        for (const char* key : {"oop_flop_bet_sizes", "ip_flop_raise_sizes", "oop_turn_raise_sizes",
                                "ip_turn_bet_sizes"}) {
            cfg[key] = "";
        }
        c.startSolveWithConfig(cfg);
        QVERIFY(c.running());
        // While running, a start changes neither the status nor the stored map.
        c.startSolveWithConfig(QVariantMap{{"board", "junk"}});
        c.reSolveWithNodeLocks();
        QVERIFY(!c.statusText().startsWith("Not ready"));
        QTRY_COMPARE_WITH_TIMEOUT(c.statusText(), QString("Done"), 20000);
        QVERIFY(!c.running());
        // The stored map is the river map: a re-solve runs it again.
        c.reSolveWithNodeLocks();
        QVERIFY(c.running());
        QTRY_COMPARE_WITH_TIMEOUT(c.statusText(), QString("Done"), 20000);
        QCOMPARE(c.resultIterations(), 5);
    }

    void refusedStartsChangeNothingHeld_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("status");
        const QString rake = "Not ready: rake must be between 0 and 100%";
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("rake negative") << "rake_percent" << QVariant(-0.5) << rake;
        QTest::newRow("rake just above 100") << "rake_percent" << QVariant(100.01) << rake;
        QTest::newRow("rake 150") << "rake_percent" << QVariant(150.0) << rake;
        QTest::newRow("rake infinite") << "rake_percent" << QVariant(inf) << rake;
        QTest::newRow("rake minus infinite") << "rake_percent" << QVariant(-inf) << rake;
        QTest::newRow("rake text above 100") << "rake_percent" << QVariant("250") << rake;
        QTest::newRow("a turn board started as a river")
            << "board" << QVariant("KsQd7h4c")
            << "Not ready: the starting street is not the street of the board";
        QTest::newRow("a size after a blank that is no number")
            << "ip_turn_bet_sizes" << QVariant("50 nan")
            << "Not ready: a sizing text does not read: Sizing: invalid token '50 nan'";
        QTest::newRow("no stack") << "effective_stack" << QVariant(0.0)
                                  << "Not ready: the pot and the stack must be above 0";
        // These start.
        QTest::newRow("rake 0") << "rake_percent" << QVariant(0.0) << "";
        QTest::newRow("rake 5") << "rake_percent" << QVariant(5) << "";
        QTest::newRow("rake 100") << "rake_percent" << QVariant(100.0) << "";
        // Not a number: the default, as for the other numbers of the map.
        QTest::newRow("rake NaN") << "rake_percent" << QVariant(std::nan("")) << "";
        QTest::newRow("rake not a number") << "rake_percent" << QVariant("lots") << "";
        QTest::newRow("exact combos") << "ip_range" << QVariant("AhQh,AhJh") << "";
    }

    // A start refused for its map is refused before anything held changes:
    // the result, the map a re-solve solves again and the locks stay.
    void refusedStartsChangeNothingHeld() {
        QFETCH(QString, key);
        QFETCH(QVariant, value);
        QFETCH(QString, status);
        AppController c(machine_.environment());
        c.startSolveWithConfig(test::riverMap(5));
        QTRY_COMPARE_WITH_TIMEOUT(c.statusText(), QString("Done"), 20000);
        c.setNodeLockProbs(0, "AA", {1, 0, 0});
        const QVariantList locks = c.nodeLocks(0);
        const QString summary = c.resultsSummary();
        const int nodes = c.treeNodeCount();
        QSignalSpy results(&c, &AppController::resultsChanged);
        QSignalSpy running(&c, &AppController::runningChanged);
        QVariantMap cfg = test::riverMap(5);
        cfg[key] = value;
        c.startSolveWithConfig(cfg);
        if (status.isEmpty()) {
            QVERIFY(c.running());
            QTRY_COMPARE_WITH_TIMEOUT(c.statusText(), QString("Done"), 20000);
            QVERIFY(std::isfinite(c.resultEvOop()));
            return;
        }
        QCOMPARE(c.statusText(), status);
        QVERIFY(!c.running());
        QCOMPARE(running.count(), 0);
        QCOMPARE(results.count(), 0);
        QCOMPARE(c.resultsSummary(), summary);
        QCOMPARE(c.treeNodeCount(), nodes);
        QVERIFY(c.session().solved_state());
        QCOMPARE(c.nodeLocks(0), locks);
        c.reSolveWithNodeLocks();
        QVERIFY(c.running());
        QTRY_COMPARE_WITH_TIMEOUT(c.statusText(), QString("Done"), 20000);
        QVERIFY(c.session().solved_state().game->find_node_lock(0) != nullptr);
    }

    // A fast solve whose worker ends long before the GUI thread has caught up:
    // `running` holds until the final report, the iteration reports that
    // piled up reach the GUI thread coalesced, and every other text arrives.
    void runningHoldsUntilTheFinalReportWhateverPilesUp() {
        AppController c(machine_.environment());
        QStringList statuses;
        QStringList whileStopped;
        bool stalled = false;
        connect(&c, &AppController::statusTextChanged, [&] {
            statuses << c.statusText();
            if (!c.running() && c.statusText() != "Starting..." && c.statusText() != "Done") {
                whileStopped << c.statusText();
            }
            if (!stalled && c.statusText().startsWith("Init:")) {
                stalled = true;
                QThread::msleep(400);  // the worker runs ahead meanwhile
            }
        });
        QVariantMap cfg = test::riverMap(3000);
        cfg["thread_count"] = 1;
        c.startSolveWithConfig(cfg);
        QTRY_COMPARE_WITH_TIMEOUT(c.statusText(), QString("Done"), 30000);
        QVERIFY(!c.running());
        QVERIFY2(whileStopped.isEmpty(), qPrintable(whileStopped.join(" / ")));
        // While the GUI thread stalled, the worker ran ahead: its reports were
        // coalesced, so fewer iteration texts arrive than iterations were run
        // (how many fewer depends on how busy the machine is).
        const auto iterationTexts = statuses.filter(QRegularExpression("^Iter ")).size();
        QVERIFY2(iterationTexts < 3000, qPrintable(QString::number(iterationTexts)));
        QVERIFY(statuses.contains("Init: starting solver..."));
        QVERIFY(statuses.contains("Finalizing: computing results..."));
        QVERIFY(statuses.contains("Finalizing: building result snapshot..."));
        const int firstIteration = statuses.indexOf(QRegularExpression("Iter .*"));
        QVERIFY(firstIteration > statuses.indexOf("Init: starting solver..."));
        QVERIFY(statuses.lastIndexOf(QRegularExpression("Iter .*")) <
                statuses.indexOf("Finalizing: computing results..."));
        QCOMPARE(c.resultIterations(), 3000);
    }

    void errorsAndCancelEndWithAnEmptyResult() {
        AppController c(machine_.environment());
        QSignalSpy stats(&c, &AppController::solveStatsChanged);
        QVariantMap cfg = test::riverMap();
        // Passes the checks, fails in the engine: the amounts do not fit.
        cfg["starting_pot"] = 21474836.0;
        cfg["effective_stack"] = 21474836.0;
        c.startSolveWithConfig(cfg);
        QTRY_VERIFY_WITH_TIMEOUT(c.statusText().startsWith("Error: "), 20000);
        QVERIFY(!c.running());
        QVERIFY(c.resultsSummary().startsWith("Solve failed: "));
        QCOMPARE(c.treeNodeCount(), 0);

        QVariantMap longer = test::turnMap(1000000);
        c.startSolveWithConfig(longer);
        QTRY_VERIFY_WITH_TIMEOUT(c.statusText().startsWith("Iter "), 20000);
        c.cancelSolve();
        // `running` may fall with an iteration report handled after the worker
        // ended; the final report follows it.
        QTRY_COMPARE_WITH_TIMEOUT(c.statusText(), QString("Cancelled"), 20000);
        QVERIFY(!c.running());
        QCOMPARE(c.resultsSummary(), QString("Solve failed: Cancelled"));
        QCOMPARE(c.resultIterations(), 0);
        QVERIFY(c.rootActions().isEmpty());
        QCOMPARE(stats.count(), 0);  // nothing recorded
        QCOMPARE(c.solvesToday(), 0);
    }

    void memoryEstimates() {
        AppController c(machine_.environment());
        QSignalSpy changed(&c, &AppController::solveRequiredMemoryChanged);
        QueuedCallCount answers(&c);
        const QVariantMap big = test::tinyFlopMap();
        const QVariantMap small = test::riverMap();
        const auto expected =
            SolveSession::estimate_solve_memory(buildSolveConfigForTest(small), nullptr);
        QVERIFY(expected.has_value());
        // One worker answers in turn, so the newest answer comes last; an
        // older one coming before it changes nothing.
        c.requestSolveMemoryEstimate(big);
        c.requestSolveMemoryEstimate(small);
        QTRY_COMPARE_WITH_TIMEOUT(c.solveRequiredMemoryBytes(), expected->total_bytes, 20000);
        QCOMPARE(c.solveRequiredMemoryText(),
                 AppController::formatGigabytes(expected->total_bytes));
        QCOMPARE(changed.count(), 1);

        // The same figure again: no signal. A failing estimate: unknown.
        int handled = answers.count();
        c.requestSolveMemoryEstimate(small);
        QTRY_COMPARE_WITH_TIMEOUT(answers.count(), handled + 1, 20000);
        QCOMPARE(changed.count(), 1);
        QVariantMap bad = small;
        bad["board"] = "AhKs";
        c.requestSolveMemoryEstimate(bad);
        QTRY_COMPARE_WITH_TIMEOUT(changed.count(), 2, 20000);
        QCOMPARE(c.solveRequiredMemoryBytes(), 0ull);
        QCOMPARE(c.solveRequiredMemoryText(), QString(QChar(0x2014)));

        // Cleared: the figure goes, and so does an answer still on its way.
        c.requestSolveMemoryEstimate(small);
        QTRY_VERIFY_WITH_TIMEOUT(c.solveRequiredMemoryBytes() != 0, 20000);
        c.clearSolveMemoryEstimate();
        QCOMPARE(c.solveRequiredMemoryText(), QString(QChar(0x2014)));
        handled = answers.count();
        c.requestSolveMemoryEstimate(big);
        c.clearSolveMemoryEstimate();
        QTRY_COMPARE_WITH_TIMEOUT(answers.count(), handled + 1, 20000);
        QCOMPARE(c.solveRequiredMemoryBytes(), 0ull);
        QCOMPARE(c.solveRequiredMemoryText(), QString(QChar(0x2014)));
    }

    // A spot that needs a little more than is available: refused, and the
    // two figures, in the refusal as on the page, read apart.
    void notEnoughMemoryRefusesAfterClearing() {
        std::uint64_t need = 0;
        {
            AppController probe(machine_.environment());
            probe.requestSolveMemoryEstimate(test::riverMap());
            QTRY_VERIFY_WITH_TIMEOUT(probe.solveRequiredMemoryBytes() > 1000, 20000);
            need = probe.solveRequiredMemoryBytes();
        }
        machine_.memory = PhysicalMemory{16 * kGiB, need - 1000};
        AppController c(machine_.environment());
        QSignalSpy changed(&c, &AppController::solveRequiredMemoryChanged);
        c.requestSolveMemoryEstimate(test::riverMap());
        QTRY_VERIFY_WITH_TIMEOUT(changed.count() == 1, 20000);
        const auto [needText, availableText] =
            AppController::formatGigabytesApart(need, need - 1000);
        QVERIFY2(needText != availableText, qPrintable(needText));
        QCOMPARE(c.solveRequiredMemoryText(), needText);
        QCOMPARE(c.effectiveAvailableMemoryText(), availableText);
        c.startSolveWithConfig(test::riverMap());
        QCOMPARE(c.statusText(), QString("Not enough memory: this spot needs %1, %2 are available")
                                     .arg(needText, availableText));
        QVERIFY(!c.running());
        machine_.memory = PhysicalMemory{16 * kGiB, 12 * kGiB};
    }

    // Refused by its own count before anything is built, whatever figure was
    // published for another spot; the spot's own figure says "at least". An
    // address-space cap turns a start that builds into an error.
    void aSpotBeyondTheMachineIsRefusedBeforeAnythingIsBuilt() {
#ifdef TESSAVAL_SANITIZED
        QSKIP("a sanitizer's reservations do not fit an address-space limit");
#endif
        ScopedEnv workers("QUENDAL_CARDCTX_MAX_WORKERS", "2");
        ScopedAddressSpaceLimit cap(2 * kGiB);
        QVERIFY(cap.active());
        machine_.memory = PhysicalMemory{16 * kGiB, 4 * kGiB};
        AppController c(machine_.environment());
        QSignalSpy running(&c, &AppController::runningChanged);
        QSignalSpy estimated(&c, &AppController::solveRequiredMemoryChanged);
        c.requestSolveMemoryEstimate(test::riverMap());
        QTRY_COMPARE_WITH_TIMEOUT(estimated.count(), 1, 20000);
        const QVariantMap huge = hugeFlopMap();
        c.startSolveWithConfig(huge);
        // The count stops just past what is available: the figures still read apart.
        const QRegularExpressionMatch refusal =
            QRegularExpression(
                "^Not enough memory: this spot needs at least (4\\.0\\d* GB), "
                "(4\\.0\\d* GB) are available$")
                .match(c.statusText());
        QVERIFY2(refusal.hasMatch(), qPrintable(c.statusText()));
        QVERIFY(refusal.captured(1) != refusal.captured(2));

        c.requestSolveMemoryEstimate(huge);
        QTRY_COMPARE_WITH_TIMEOUT(estimated.count(), 2, 20000);
        QVERIFY(c.solveRequiredMemoryBytes() > 16 * kGiB);
        QCOMPARE(c.solveRequiredMemoryText(),
                 "at least " + AppController::formatGigabytes(c.solveRequiredMemoryBytes()));
        c.startSolveWithConfig(huge);
        QCOMPARE(c.statusText(),
                 QString("Not enough memory: this spot needs at least %1, 4.0 GB are available")
                     .arg(AppController::formatGigabytes(c.solveRequiredMemoryBytes())));
        QCOMPARE(running.count(), 0);
        QVERIFY(!c.session().is_running());
        QVERIFY(!c.session().solved_state());
        machine_.memory = PhysicalMemory{16 * kGiB, 12 * kGiB};
    }

    // Under a limit on a group above the process's own, which the kernel
    // enforces by killing, the machine's figures are the limit's and a spot
    // above them is refused before anything is built.
    void aMemoryGroupsLimitRefusesTheStart() {
        ScopedMemoryGroup group(2 * kGiB);
        if (!group.active()) {
            QSKIP(qPrintable("no memory group can be made here: " +
                             QString::fromStdString(group.reason())));
        }
        AppController c;
        QVERIFY(c.systemMemoryBytes() <= 2 * kGiB);
        QVERIFY(c.systemAvailableMemoryBytes() <= 2 * kGiB);
        c.startSolveWithConfig(hugeFlopMap());
        QVERIFY2(c.statusText().startsWith("Not enough memory: this spot needs at least "),
                 qPrintable(c.statusText()));
        QVERIFY(!c.running());
        QVERIFY(!c.session().is_running());
    }

    void destroyingMidSolveAndMidEstimateIsClean() {
        for (int round = 0; round < 3; ++round) {
            auto c = std::make_unique<AppController>(machine_.environment());
            c->startSolveWithConfig(test::turnMap(1000000));
            c->requestSolveMemoryEstimate(test::tinyFlopMap());
            QTRY_VERIFY_WITH_TIMEOUT(c->statusText().startsWith("Iter "), 20000);
            c.reset();
            QTest::qWait(20);  // anything still queued would arrive now
        }
        // And mid-estimate alone, right after the request.
        auto c = std::make_unique<AppController>(machine_.environment());
        c->requestSolveMemoryEstimate(test::tinyFlopMap());
        c.reset();
        QTest::qWait(20);
    }

private:
    static SolveConfig buildSolveConfigForTest(const QVariantMap& cfg);
};

#include "app/solve_config_map.h"

SolveConfig ControllerSolveTest::buildSolveConfigForTest(const QVariantMap& cfg) {
    return buildSolveConfig(cfg, nullptr, 4);
}

QTEST_GUILESS_MAIN(ControllerSolveTest)
#include "controller_solve_test.moc"
