#include "app/app_controller.h"
#include "test_settings.h"

#include <QSignalSpy>
#include <QtTest>

using namespace quendal_app;

class ControllerStatisticsTest : public QObject {
    Q_OBJECT

    QTemporaryDir settingsDir_;
    QDateTime now_;

    ControllerEnvironment environment() {
        ControllerEnvironment env;
        env.memory = [] { return std::optional<PhysicalMemory>(); };
        env.processors = [] { return 4; };
        env.now = [this] { return now_; };
        return env;
    }

    void setDay(int year, int month, int day) {
        now_ = QDateTime(QDate(year, month, day), QTime(12, 0));
    }

private slots:
    void initTestCase() { test::isolateSettings(settingsDir_); }

    void init() {
        QSettings().clear();
        setDay(2026, 12, 9);  // a Wednesday
    }

    void practiceCounters() {
        AppController controller(environment());
        QSignalSpy spy(&controller, &AppController::playVsSolutionStatsChanged);
        QVariantMap stats = controller.playVsSolutionStats();
        for (const char* key :
             {"totalHands", "totalMistakes", "totalAccuracyPct", "totalAvgEvLoss", "todayHands",
              "todayMistakes", "todayAccuracyPct", "todayAvgEvLoss"}) {
            QCOMPARE(stats.value(key).toDouble(), 0.0);
        }
        controller.recordPlayVsSolutionHand(false, 0.5);  // a loss makes it a mistake
        controller.recordPlayVsSolutionHand(true, -3.0);  // a negative loss adds nothing
        controller.recordPlayVsSolutionHand(true, qQNaN());
        controller.recordPlayVsSolutionHand(false, 0.0);
        QCOMPARE(spy.count(), 4);
        stats = controller.playVsSolutionStats();
        QCOMPARE(stats["totalHands"].toInt(), 4);
        QCOMPARE(stats["totalMistakes"].toInt(), 3);
        QCOMPARE(stats["totalAccuracyPct"].toDouble(), 25.0);
        QCOMPARE(stats["totalAvgEvLoss"].toDouble(), 0.125);
        QCOMPARE(stats["todayHands"].toInt(), 4);

        // The next day starts again at zero; the totals keep growing.
        setDay(2026, 12, 10);
        controller.recordPlayVsSolutionHand(false, 0.0);
        stats = controller.playVsSolutionStats();
        QCOMPARE(stats["totalHands"].toInt(), 5);
        QCOMPARE(stats["todayHands"].toInt(), 1);
        QCOMPARE(stats["todayMistakes"].toInt(), 0);
        QCOMPARE(stats["todayAccuracyPct"].toDouble(), 100.0);
        QCOMPARE(QSettings().value("playVsSolution/2026-12-09/hands").toInt(), 4);

        // Clearing removes the practice figures only.
        controller.recordSolveActivity(100, 0.5, 1000);
        controller.clearPlayVsSolutionStats();
        QCOMPARE(spy.count(), 6);
        stats = controller.playVsSolutionStats();
        QCOMPARE(stats["totalHands"].toInt(), 0);
        QCOMPARE(stats["totalAccuracyPct"].toDouble(), 0.0);
        QCOMPARE(controller.solvesToday(), 1);
        QVERIFY(QSettings().childGroups().contains("solveActivity"));
        QVERIFY(!QSettings().childGroups().contains("playVsSolution"));
    }

    void solveActivityDays() {
        AppController controller(environment());
        QCOMPARE(controller.firstSolveDateIso(), QString());
        QVERIFY(controller.solveHistoryDaily().isEmpty());
        QVERIFY(!QSettings().contains("solveActivity/firstSolveDate"));  // nothing written

        controller.recordSolveActivity(-5, 1.5, -10);  // still one solve
        QCOMPARE(controller.solvesToday(), 1);
        QSettings s;
        QCOMPARE(s.value("solveActivity/2026-12-09/iterationsSum").toLongLong(), 0);
        QCOMPARE(s.value("solveActivity/2026-12-09/runtimeMsSum").toLongLong(), 0);
        QCOMPARE(s.value("solveActivity/2026-12-09/exploitabilitySum").toDouble(), 1.5);
        // A first solve made in this run shows without a restart.
        QCOMPARE(controller.firstSolveDateIso(), QString("2026-12-09"));
        QCOMPARE(s.value("solveActivity/firstSolveDate").toString(), QString("2026-12-09"));

        controller.recordSolveActivity(300, 0.0, 5000);
        const QVariantList history = controller.solveHistoryDaily();
        QCOMPARE(history.size(), 1);
        QCOMPARE(history[0].toMap()["solves"].toInt(), 2);
        QCOMPARE(history[0].toMap()["runtimeMsSum"].toLongLong(), 5000);
    }

    void firstDayFromTheDayGroups() {
        QSettings s;
        s.setValue("solveActivity/2026-11-20/solves", 0);  // ignored: no solve
        s.setValue("solveActivity/2026-11-25/solves", 3);
        s.setValue("solveActivity/2026-12-01/solves", 1);
        s.setValue("solveActivity/firstSolveDate", "not a date");
        s.sync();
        AppController controller(environment());
        QCOMPARE(controller.firstSolveDateIso(), QString("2026-11-25"));
        QCOMPARE(QSettings().value("solveActivity/firstSolveDate").toString(),
                 QString("2026-11-25"));
        // From that day through today, days without solves included.
        const QVariantList history = controller.solveHistoryDaily();
        QCOMPARE(history.size(), 15);
        QCOMPARE(history.first().toMap()["date"].toString(), QString("2026-11-25"));
        QCOMPARE(history.first().toMap()["solves"].toInt(), 3);
        QCOMPARE(history[1].toMap()["solves"].toInt(), 0);
        QCOMPARE(history.last().toMap()["date"].toString(), QString("2026-12-09"));
        // A first day after today gives no history.
        QSettings().setValue("solveActivity/firstSolveDate", "2027-01-01");
        AppController later(environment());
        QVERIFY(later.solveHistoryDaily().isEmpty());
    }

    void gridsEndOnTheComingSunday() {
        QSettings s;
        s.setValue("solveActivity/2026-12-08/solves", 2);
        s.setValue("solveActivity/2026-12-08/iterationsSum", 300);
        s.setValue("solveActivity/2026-12-08/exploitabilitySum", 1.0);
        s.setValue("solveActivity/2026-12-08/runtimeMsSum", 5000);
        s.sync();
        AppController controller(environment());
        const QVariantList year = controller.solveActivityGridLastYear();
        const QVariantList half = controller.solveActivityGridLastSixMonths();
        QCOMPARE(year.size(), 364);
        QCOMPARE(half.size(), 182);
        for (const QVariantList* grid : {&year, &half}) {
            QCOMPARE(grid->first().toMap()["isPadding"].toBool(), false);
            QCOMPARE(QDate::fromString(grid->first().toMap()["date"].toString(), Qt::ISODate)
                         .dayOfWeek(),
                     1);  // Monday
            QCOMPARE(grid->last().toMap()["date"].toString(), QString("2026-12-13"));
            int future = 0;
            for (const QVariant& cell : *grid) {
                future += cell.toMap()["isFuture"].toBool();
            }
            QCOMPARE(future, 4);  // Thursday to Sunday
        }
        const QVariantMap tuesday = year[year.size() - 6].toMap();
        QCOMPARE(tuesday["date"].toString(), QString("2026-12-08"));
        QCOMPARE(tuesday["solves"].toInt(), 2);
        QCOMPARE(tuesday["avgIterations"].toDouble(), 150.0);
        QCOMPARE(tuesday["avgExploitability"].toDouble(), 0.5);
        QCOMPARE(tuesday["avgRuntimeSec"].toDouble(), 2.5);
        QCOMPARE(tuesday["runtimeMsSum"].toLongLong(), 5000);

        setDay(2026, 12, 13);  // a Sunday: the grid ends today, nothing in the future
        const QVariantList sunday = controller.solveActivityGridLastSixMonths();
        QCOMPARE(sunday.last().toMap()["date"].toString(), QString("2026-12-13"));
        for (const QVariant& cell : sunday) {
            QVERIFY(!cell.toMap()["isFuture"].toBool());
        }
    }
};

QTEST_GUILESS_MAIN(ControllerStatisticsTest)
#include "controller_statistics_test.moc"
