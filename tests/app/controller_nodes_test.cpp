#include "app/app_controller.h"
#include "quiet_machine.h"
#include "solve_maps.h"
#include "test_settings.h"

#include <QSignalSpy>
#include <QtTest>

using namespace quendal_app;

namespace {

QList<float> floatsOf(const QVariant& v) {
    QList<float> out;
    for (const QVariant& x : v.toList()) {
        out.append(x.toFloat());
    }
    return out;
}

}  // namespace

class ControllerNodesTest : public QObject {
    Q_OBJECT

    QTemporaryDir settingsDir_;
    std::unique_ptr<AppController> c_;

    void solveRiver() {
        c_->startSolveWithConfig(test::riverMap(60));
        QTRY_COMPARE_WITH_TIMEOUT(c_->statusText(), QString("Done"), 20000);
    }

private slots:
    void initTestCase() { test::isolateSettings(settingsDir_); }
    void init() {
        c_ = std::make_unique<AppController>(test::quietMachine());
        solveRiver();
    }
    void cleanup() { c_.reset(); }

    void cacheFirstQueries() {
        QVERIFY(c_->nodeActionStats(-1).isEmpty());
        const QVariantList stats = c_->nodeActionStats(0);
        QCOMPARE(stats.size(), 3);
        const QVariantMap first = stats[0].toMap();
        for (const char* key : {"name", "actionType", "frequency", "combos", "equity", "ev"}) {
            QVERIFY2(first.contains(key), key);
        }
        QVERIFY(first["ev"].toDouble() > 1.0 && first["ev"].toDouble() < 40.0);  // chips
        QCOMPARE(c_->nodeActionStats(0), stats);

        const QVariantMap strategy = c_->nodeHandStrategy(0);
        QCOMPARE(strategy["actionNames"].toList().size(), 3);
        QCOMPARE(strategy["actionTypeList"].toList()[1].toString(), QString("bet 50%"));
        QCOMPARE(strategy["weights"].toMap().size(), 169);
        QCOMPARE(strategy["actionProbs"].toMap()["AA"].toList().size(), 3);

        const QVariantList combos = c_->nodeHandCombos(0);
        QVERIFY(!combos.isEmpty());
        const QVariantMap row = combos[0].toMap();
        QCOMPARE(row["actionEvs"].toList().size(), 3);
        QVERIFY(!row["buckets"].toList().isEmpty());

        const QVariantList buckets = c_->nodeHandBuckets(0);
        QVERIFY(!buckets.isEmpty());
        QCOMPARE(buckets[0].toMap()["displayName"].toString(),
                 buckets[0].toMap()["name"].toString());

        // The seat rule and the pocket EVs of one hand.
        const auto state = c_->session().solved_state();
        QCOMPARE(c_->nodeSeatHandCombos(0, "ip ").size(),
                 int(state.game->card_context().pockets[1].size()));
        QCOMPARE(c_->nodeSeatHandCombos(0, "villain").size(),
                 int(state.game->card_context().pockets[0].size()));
        const QVariantList evs =
            c_->nodePocketActionEvs(0, "oop", row["c1"].toString(), row["c2"].toString());
        QCOMPARE(evs.size(), 3);
        for (int a = 0; a < 3; ++a) {
            QVERIFY(std::fabs(evs[a].toDouble() - row["actionEvs"].toList()[a].toDouble()) < 0.05);
        }

        // After a clear there is nothing left to answer from.
        c_->clearResults();
        QVERIFY(c_->nodeActionStats(0).isEmpty());
        QVERIFY(c_->nodePocketActionEvs(0, "oop", "As", "Ad").isEmpty());
    }

    // The root's statistics and combos, ready when the result arrives, are
    // what the session computes for the root.
    void rootResultsOnArrivalAreTheSessions() {
        const ActionStatsResult stats = c_->session().node_action_stats(0);
        const HandCombosResult combos = c_->session().node_hand_combos(0);
        QVERIFY(stats.ok && combos.ok);
        const QVariantList statRows = c_->nodeActionStats(0);
        QCOMPARE(statRows.size(), int(stats.ev.size()));
        for (int i = 0; i < statRows.size(); ++i) {
            const QVariantMap row = statRows[i].toMap();
            QCOMPARE(row["ev"].toDouble(), stats.ev[i] / 100.0);
            QCOMPARE(row["combos"].toDouble(), stats.combos[i]);
            QCOMPARE(row["frequency"].toFloat(), stats.frequency[i]);
        }
        const QVariantList comboRows = c_->nodeHandCombos(0);
        QCOMPARE(comboRows.size(), int(combos.rows.size()));
        for (int i = 0; i < comboRows.size(); ++i) {
            const QVariantMap row = comboRows[i].toMap();
            QCOMPARE(row["c1"].toString() + row["c2"].toString(),
                     QString::fromStdString(combos.rows[i].c1 + combos.rows[i].c2));
            QCOMPARE(row["ev"].toDouble(), combos.rows[i].ev / 100.0);
            QCOMPARE(row["weight"].toDouble(), combos.rows[i].weight);
        }
    }

    // Answering a node computes the decision nodes one action below it
    // ahead, in the background: a click on one of them finds the session's
    // own answers ready. A clear drops what was computed.
    void childrenComputedAhead() {
        c_->nodeActionStats(0);
        QTRY_VERIFY(c_->resultsAhead().idle());
        QList<int> children;
        for (const QVariant& a : c_->nodeActions(0)) {
            const int child = a.toMap()["childIndex"].toInt();
            if (c_->nodeMeta(child)["nodeType"] == "decision") {
                children.append(child);
                QVERIFY(c_->resultsAhead().holds(child));
            }
        }
        QVERIFY(children.size() >= 2);
        const ActionStatsResult stats = c_->session().node_action_stats(children[0]);
        const QVariantList rows = c_->nodeActionStats(children[0]);
        QVERIFY(!c_->resultsAhead().holds(children[0]));
        QCOMPARE(rows.size(), int(stats.ev.size()));
        for (int i = 0; i < rows.size(); ++i) {
            QCOMPARE(rows[i].toMap()["ev"].toDouble(), stats.ev[i] / 100.0);
            QCOMPARE(rows[i].toMap()["equity"].toDouble(), stats.equity[i]);
        }
        const HandCombosResult combos = c_->session().node_hand_combos(children[0]);
        QCOMPARE(c_->nodeHandCombos(children[0]).size(), int(combos.rows.size()));
        c_->clearResults();
        QVERIFY(!c_->resultsAhead().holds(children[1]));
    }

    void reachByBucket() {
        const QVariantMap plain = c_->nodeHandStrategyReach169(0, "");
        QVERIFY(!plain["weights"].toMap().isEmpty());
        for (const QVariant& w : plain["weights"].toMap()) {
            QVERIFY(w.toDouble() > 0.0 && w.toDouble() <= 1.0);
        }
        const QVariantMap none = c_->nodeHandStrategyReach169(0, "no such bucket");
        QVERIFY(none["weights"].toMap().isEmpty());
        QVERIFY(none["actionProbs"].toMap().isEmpty());
        QCOMPARE(none["actionNames"], plain["actionNames"]);
        const QVariantList buckets = c_->nodeHandBuckets(0);
        const QString name = buckets[0].toMap()["name"].toString();
        const QVariantMap one = c_->nodeHandStrategyReach169(0, "  " + name.toUpper() + " ");
        QCOMPARE(one, c_->nodeHandStrategyReach169(0, name));
        QVERIFY(!one["weights"].toMap().isEmpty());
        for (const QVariant& probs : one["actionProbs"].toMap()) {
            double sum = 0;
            for (const QVariant& p : probs.toList()) {
                sum += p.toDouble();
            }
            QVERIFY(std::fabs(sum - 1.0) < 1e-6);
        }
    }

    // A deal of a paired flop, its ranges the same in every suit: the
    // spades fold onto the hearts, so a spade comes as the heart deal of its
    // rank; every listed card is its own deal.
    void chanceCardClasses() {
        QVERIFY(!c_->nodeChanceCardClasses(0)["ok"].toBool());  // a decision node
        QVariantMap cfg = test::tinyFlopMap();
        cfg["board"] = "As Ah 7d";
        cfg["max_iterations"] = 2;
        c_->startSolveWithConfig(cfg);
        QTRY_COMPARE_WITH_TIMEOUT(c_->statusText(), QString("Done"), 20000);
        int deal = -1;
        for (int n = 0; n < c_->treeNodeCount() && deal < 0; ++n) {
            deal = c_->nodeMeta(n)["nodeType"] == "chance" ? n : -1;
        }
        QVERIFY(deal > 0);
        const QVariantMap answer = c_->nodeChanceCardClasses(deal);
        QCOMPARE(answer["ok"].toBool(), true);
        const QVariantMap classes = answer["classes"].toMap();
        QCOMPARE(classes.size(), 49);
        const QVariantList actions = c_->nodeActions(deal);
        QCOMPARE(actions.size(), 37);
        for (int j = 0; j < actions.size(); ++j) {
            QCOMPARE(classes[actions[j].toMap()["name"].toString()].toInt(), j);
        }
        for (const QString rank : {"K", "7", "2"}) {
            QCOMPARE(classes[rank + "s"].typeId(), QMetaType::Int);
            QCOMPARE(classes[rank + "s"], classes[rank + "h"]);
        }
        QVERIFY(!classes.contains("As") && !classes.contains("7d"));
        for (const int n : {-1, 0, c_->treeNodeCount()}) {
            QCOMPARE(c_->nodeChanceCardClasses(n), (QVariantMap{{"ok", false}}));
        }
        c_->clearResults();
        QCOMPARE(c_->nodeChanceCardClasses(deal), (QVariantMap{{"ok", false}}));
    }

    void distributionsInTheBackground() {
        QSignalSpy ready(c_.get(), &AppController::handDistributions169Ready);
        const QVariantMap invalid = c_->nodeHandDistributions169(-1);
        QCOMPARE(invalid["error"].toString(), QString("Invalid node index."));
        QCOMPARE(invalid["nodeIndex"].toInt(), -1);
        QCOMPARE(invalid["pending"].toBool(), false);
        const QVariantMap first = c_->nodeHandDistributions169(0);
        const QVariantMap second = c_->nodeHandDistributions169(0);
        for (const QVariantMap& m : {first, second}) {
            QCOMPARE(m["pending"].toBool(), true);
            QCOMPARE(m["error"].toString(), QString("Computing\u2026"));
        }
        QVERIFY(ready.wait(20000));
        QCOMPARE(ready.count(), 1);  // one computation
        const QVariantMap done = c_->nodeHandDistributions169(0);
        QCOMPARE(done["ok"].toBool(), true);
        QCOMPARE(done["pending"].toBool(), false);
        QVERIFY(!done["oopHands"].toList().isEmpty());
        QCOMPARE(done["oopHands"].toList().size(), done["equityOop"].toList().size());

        // A computation overtaken by a clear stores and announces nothing.
        c_->nodeHandDistributions169(1);
        c_->clearResults();
        QTest::qWait(500);
        QCOMPARE(ready.count(), 1);
        const QVariantMap after = c_->nodeHandDistributions169(1);
        QCOMPARE(after["pending"].toBool(), true);  // asked anew: a fresh computation
        QVERIFY(ready.wait(20000));
        QCOMPARE(c_->nodeHandDistributions169(1)["error"].toString(),
                 QString("Distributions unavailable (no live solve state)."));
    }

    void nodeLocks() {
        QCOMPARE(c_->nodeActions(0).size(), 3);
        c_->setNodeLockProbs(0, "AKs", {1, 0.5, 0.5});
        QVariantList rows = c_->nodeLocks(0);
        QCOMPARE(rows.size(), 1);  // no seeding
        QVariantMap r = rows[0].toMap();
        QCOMPARE(floatsOf(r["actionProbs"]), (QList<float>{0.5f, 0.25f, 0.25f}));
        QCOMPARE(r["actionIndex"].toInt(), -1);
        QCOMPARE(r["actionProb"].toDouble(), 1.0);
        // What is not a probability per action is no lock: the lock stays.
        for (const QVariantList& bad :
             {QVariantList{0, -1}, QVariantList{1.5, 0, 0}, QVariantList{1e308, 1e308, 1e308},
              QVariantList{0, 0, 0}, QVariantList{}, QVariantList{"all", 0, 0},
              QVariantList{1, 0, 0, 5}}) {
            c_->setNodeLockProbs(0, "AKs", bad);
            QCOMPARE(floatsOf(c_->nodeLocks(0)[0].toMap()["actionProbs"]),
                     (QList<float>{0.5f, 0.25f, 0.25f}));
        }
        // Only the 169 classes as the program writes them are locked: a
        // project file keeps no other.
        for (const char* label : {"AK", "KAs", "aks", "AsKs", "22+"}) {
            c_->setNodeLockProbs(0, label, {1, 0, 0});
            c_->setNodeLock(0, label, 0, 1.0);
        }
        QCOMPARE(c_->nodeLocks(0).size(), 1);
        c_->clearNodeLocks(0);
        // An action the node does not have is no lock either.
        c_->setNodeLock(0, "QQ", 3, 1.0);
        QCOMPARE(c_->nodeLocks(0).size(), 0);

        // The first setNodeLock freezes every class at the solved strategy.
        c_->setNodeLock(0, "QQ", 1, 0.7);
        rows = c_->nodeLocks(0);
        QCOMPARE(rows.size(), 169);
        for (const QVariant& row : rows) {
            const QVariantMap m = row.toMap();
            if (m["hand"] == "QQ") {
                QCOMPARE(floatsOf(m["actionProbs"]), (QList<float>{0.15f, 0.7f, 0.15f}));
                QCOMPARE(m["actionIndex"].toInt(), 1);
                QCOMPARE(m["actionProb"].toDouble(), 0.7);
            } else {
                QCOMPARE(m["actionIndex"].toInt(), -1);
            }
        }
        c_->setNodeLock(0, "QQ", 1, 1.4);
        c_->setNodeLock(0, "JJ", -1, 0.7);
        QCOMPARE(c_->nodeLocks(0).size(), 169);  // seeded once only
        for (const QVariant& row : c_->nodeLocks(0)) {
            const QVariantMap m = row.toMap();
            if (m["hand"] == "QQ") {
                QCOMPARE(floatsOf(m["actionProbs"]), (QList<float>{0.0f, 1.0f, 0.0f}));
                QCOMPARE(m["actionProb"].toDouble(), 1.0);
            } else if (m["hand"] == "JJ") {
                QCOMPARE(floatsOf(m["actionProbs"])[0], 0.7f);
                QCOMPARE(m["actionIndex"].toInt(), -1);
            }
        }
        // Bad arguments change nothing.
        const int count = c_->treeNodeCount();
        c_->setNodeLock(-1, "AA", 0, 1);
        c_->setNodeLockProbs(2, "", {1});
        c_->setNodeLock(count, "AA", 0, 1);
        c_->setNodeLockProbs(count + 5, "AA", {1});
        QVERIFY(c_->nodeLocks(count).isEmpty());
        QVERIFY(c_->nodeLocks(-1).isEmpty());

        // A re-solve carries the locks into the game; a plain start drops them.
        c_->reSolveWithNodeLocks();
        QTRY_COMPARE_WITH_TIMEOUT(c_->statusText(), QString("Done"), 20000);
        QVERIFY(c_->session().solved_state().game->find_node_lock(0) != nullptr);
        QCOMPARE(c_->nodeLocks(0).size(), 169);
        const int other = c_->nodeActions(0)[0].toMap()["childIndex"].toInt();
        c_->setNodeLockProbs(other, "KK", {1, 0});
        c_->clearNodeLocks(0);
        QVERIFY(c_->nodeLocks(0).isEmpty());
        QCOMPARE(c_->nodeLocks(other).size(), 1);
        c_->startSolveWithConfig(test::riverMap(5));
        QVERIFY(c_->nodeLocks(other).isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(c_->statusText(), QString("Done"), 20000);
    }
};

QTEST_GUILESS_MAIN(ControllerNodesTest)
#include "controller_nodes_test.moc"
