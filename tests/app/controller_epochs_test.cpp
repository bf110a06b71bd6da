// Solve epochs: a result cleared or replaced while its solve finishes never
// comes back, and `running` settles whatever the user does when.
#include "app/app_controller.h"
#include "quiet_machine.h"
#include "result_text.h"
#include "solve_maps.h"
#include "test_settings.h"

#include <QSignalSpy>
#include <QtTest>

using namespace quendal_app;

class ControllerEpochsTest : public QObject {
    Q_OBJECT

    QTemporaryDir settingsDir_;
    QTemporaryDir dir_;

    // Runs `onFinalising` on the GUI thread when the solve of `cfg` reports
    // that it finalises, then waits until the session is idle.
    static void whileFinalising(AppController& c, const QVariantMap& cfg,
                                const std::function<void()>& onFinalising) {
        bool done = false;
        auto connection = connect(&c, &AppController::statusTextChanged, [&] {
            if (!done && c.statusText().startsWith("Finalizing")) {
                done = true;
                onFinalising();
            }
        });
        c.startSolveWithConfig(cfg);
        QTRY_VERIFY_WITH_TIMEOUT(done, 20000);
        disconnect(connection);
        QTRY_VERIFY_WITH_TIMEOUT(!c.session().is_running(), 20000);
        QTest::qWait(20);  // whatever the old solve posted arrives now
    }

private slots:
    void initTestCase() { test::isolateSettings(settingsDir_); }

    void clearingWhileFinalisingKeepsNothing() {
        AppController c(test::quietMachine());
        QSignalSpy results(&c, &AppController::resultsChanged);
        whileFinalising(c, test::tinyFlopMap(), [&] { c.clearResults(); });
        QVERIFY(!c.session().solved_state());
        QVERIFY(!c.running());
        QCOMPARE(c.treeNodeCount(), 0);
        QCOMPARE(c.resultsSummary(), QString());
        QCOMPARE(c.statusText(), QString("Ready"));
        QCOMPARE(results.count(), 2);  // the start's and the clear's, nothing after
        QVERIFY(c.nodeActionStats(1).isEmpty());
    }

    // A project loaded while a flop solve finalises: every query answers
    // exactly as in a controller that only loaded the project.
    void loadingWhileFinalisingAnswersFromTheLoadedTree() {
        const QUrl file = QUrl::fromLocalFile(dir_.filePath("river.tessavalproj"));
        {
            AppController solved(test::quietMachine());
            solved.startSolveWithConfig(test::riverMap(20));
            QTRY_COMPARE_WITH_TIMEOUT(solved.statusText(), QString("Done"), 20000);
            solved.nodeActionStats(0);
            solved.nodeSeatHandCombos(0, "OOP");
            QVERIFY(solved.saveProject(file, {{"board", "KsQd7h4c2s"}}));
        }
        AppController reference(test::quietMachine());
        QVERIFY(reference.loadProject(file)["ok"].toBool());

        for (int round = 0; round < 3; ++round) {
            AppController c(test::quietMachine());
            QVariantMap loaded;
            whileFinalising(c, test::tinyFlopMap(), [&] { loaded = c.loadProject(file); });
            QVERIFY(loaded["ok"].toBool());
            QVERIFY(!c.session().solved_state());
            QVERIFY(!c.running());
            QCOMPARE(c.treeNodeCount(), reference.treeNodeCount());
            QCOMPARE(test::resultText(c), test::resultText(reference));
        }
    }

    // Starting again on every fall of `running` is never refused, and
    // `running` never sticks.
    void restartingOnEveryEndIsAccepted() {
        AppController c(test::quietMachine());
        int starts = 0;
        int refused = 0;
        connect(&c, &AppController::runningChanged, [&] {
            if (!c.running() && starts < 100) {
                ++starts;
                c.startSolveWithConfig(test::riverMap(2));
                refused += c.running() ? 0 : 1;
            }
        });
        ++starts;
        c.startSolveWithConfig(test::riverMap(2));
        QTRY_VERIFY_WITH_TIMEOUT(starts == 100 && !c.running(), 30000);
        QTRY_VERIFY_WITH_TIMEOUT(!c.session().is_running(), 20000);
        QCOMPARE(refused, 0);
        QVERIFY(!c.running());
        QCOMPARE(c.statusText(), QString("Done"));
        QCOMPARE(c.resultIterations(), 2);
    }
};

QTEST_GUILESS_MAIN(ControllerEpochsTest)
#include "controller_epochs_test.moc"
