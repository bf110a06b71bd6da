#include "app/project_file.h"

#include "app/app_controller.h"
#include "app/file_bytes.h"
#include "app/json_text.h"
#include "quiet_machine.h"
#include "result_text.h"
#include "solve_maps.h"
#include "test_settings.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QtTest>
#include <bit>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace quendal_app;

namespace {

// A small solved spot as a file holds it: a check, the turn dealt (Ah or 2c),
// a check to a showdown. Each node has a pot of its own so that a row can
// change one node's member.
const QByteArray kSmallTree = R"({"format": "quendal_project", "version": 1,
  "project": {"boardText": "KsQd7h", "startingPot": 10, "effectiveStack": 20},
  "hasResults": true,
  "results": {"resultStartingPot": 10, "resultIterations": 5,
    "treeNodeMeta": [
      {"nodeType": "decision", "player": "OOP", "chanceDeal": "", "pot": 10, "investedOop": 0, "investedIp": 0, "effectiveStack": 20, "hasChildren": true},
      {"nodeType": "chance", "player": "", "chanceDeal": "turn", "pot": 11, "hasChildren": true},
      {"nodeType": "decision", "player": "IP", "chanceDeal": "", "pot": 12, "hasChildren": true},
      {"nodeType": "terminal", "player": "", "chanceDeal": "", "pot": 13, "hasChildren": false},
      {"nodeType": "terminal", "player": "", "chanceDeal": "", "pot": 14, "hasChildren": false}],
    "treeNodeActions": [
      [{"actionType": "check", "name": "Check", "frequency": 1, "childIndex": 1}],
      [{"actionType": "chance", "name": "Ah", "frequency": 0.5, "childIndex": 2}, {"actionType": "chance", "name": "2c", "frequency": 0.5, "childIndex": 4}],
      [{"actionType": "bet 50%", "name": "Bet 50%", "frequency": 1, "childIndex": 3}],
      [], []]},
  "nodeLocks": [], "lastUiCfg": {"board": "KsQd7h", "starting_street": "flop", "oop_range": "AA, KQ",
    "ip_range": "QQ", "oop_flop_bet_sizes": "50", "oop_flop_raise_sizes": "a",
    "oop_turn_bet_sizes": "50", "oop_turn_raise_sizes": "a", "oop_river_bet_sizes": "50",
    "oop_river_raise_sizes": "a", "ip_flop_bet_sizes": "50", "ip_flop_raise_sizes": "a",
    "ip_turn_bet_sizes": "50", "ip_turn_raise_sizes": "a", "ip_river_bet_sizes": "50",
    "ip_river_raise_sizes": "a"}})";

// The small tree with each `from` (found once) replaced by its `to`.
QByteArray smallTreeWith(std::initializer_list<std::pair<const char*, const char*>> edits) {
    QByteArray text = kSmallTree;
    for (const auto& [from, to] : edits) {
        Q_ASSERT(text.count(from) == 1);
        text.replace(from, to);
    }
    return text;
}

QJsonObject readObject(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QJsonDocument::fromJson(f.readAll()).object();
}

}  // namespace

class ProjectFileTest : public QObject {
    Q_OBJECT

    QTemporaryDir settingsDir_;
    QTemporaryDir dir_;

    QUrl url(const QString& name) const { return QUrl::fromLocalFile(dir_.filePath(name)); }

    // The saved file opened afresh: a re-solve of its spot gives the solution
    // that was saved.
    void reopenAndReSolveToTheSame(AppController& c, const QString& name) {
        c.clearResults();
        const QVariantMap r = c.loadProject(url(name));
        QVERIFY2(r["ok"].toBool(), qPrintable(r["error"].toString()));
        c.reSolveWithNodeLocks();
        QTRY_COMPARE_WITH_TIMEOUT(c.statusText(), QString("Done"), 20000);
        QCOMPARE(c.fileSolutionCheck(), QString("same"));
    }

    void writeText(const QString& name, const QByteArray& text) {
        QFile f(dir_.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    }

private slots:
    void initTestCase() { test::isolateSettings(settingsDir_); }

    void savingBeforeAnySolve() {
        AppController c(test::quietMachine());
        QVERIFY(c.saveProject(url("empty.tessavalproj"), {{"name", "spot"}}));
        const QJsonObject o = readObject(dir_.filePath("empty.tessavalproj"));
        QCOMPARE(o["format"].toString(), QString("quendal_project"));
        QCOMPARE(o["version"].toInt(), 1);
        QCOMPARE(o["project"].toObject()["name"].toString(), QString("spot"));
        QCOMPARE(o["hasResults"].toBool(), false);
        QVERIFY(!o.contains("results"));
        QVERIFY(!o.contains("nodeCaches"));
        QCOMPARE(o["nodeLocks"].toArray().size(), 0);
        QVERIFY(o["lastUiCfg"].isObject());
        QVERIFY(!c.saveProject(QUrl("https://example.com/x"), {}));
    }

    void fullRoundTrip() {
        AppController c(test::quietMachine());
        c.startSolveWithConfig(test::riverMap(60));
        QTRY_COMPARE_WITH_TIMEOUT(c.statusText(), QString("Done"), 20000);
        c.setNodeLock(0, "AA", 1, 0.6);
        c.setNodeLockProbs(1, "QQ", {0.25, 0.75});
        c.reSolveWithNodeLocks();  // the file keeps the locks its solution was solved with
        QTRY_COMPARE_WITH_TIMEOUT(c.statusText(), QString("Done"), 20000);
        c.nodeHandCombos(1);
        c.nodeSeatHandCombos(1, "IP");
        c.nodeSeatHandCombos(0, "OOP");
        const QByteArray before = test::resultText(c);
        QVERIFY(c.saveProject(url("river.tessavalproj"), {{"board", "KsQd7h4c2s"}}));

        // The file holds the root's queries, without display names.
        const QJsonObject o = readObject(dir_.filePath("river.tessavalproj"));
        QCOMPARE(o["results"].toObject()["treeNodeMeta"].toArray().size(), c.treeNodeCount());
        const QJsonObject caches = o["nodeCaches"].toObject();
        for (const char* key : {"handStrategyByNode", "handCombosByNode", "handBucketsByNode",
                                "actionStatsByNode", "seatHandCombosByNode"}) {
            QVERIFY2(!caches[key].toArray().isEmpty(), key);
        }
        const QJsonObject bucketRow =
            caches["handBucketsByNode"].toArray()[0].toObject()["data"].toArray()[0].toObject();
        QVERIFY(!bucketRow.contains("displayName"));

        c.clearResults();
        QCOMPARE(c.treeNodeCount(), 0);
        QSignalSpy results(&c, &AppController::resultsChanged);
        const QVariantMap loaded = c.loadProject(url("river.tessavalproj"));
        QVERIFY2(loaded["ok"].toBool(), qPrintable(loaded["error"].toString()));
        QCOMPARE(loaded["hasResults"].toBool(), true);
        QCOMPARE(loaded["project"].toMap()["board"].toString(), QString("KsQd7h4c2s"));
        QCOMPARE(results.count(), 1);
        QVERIFY(c.statusText().startsWith("Loaded project ("));
        QVERIFY(!c.session().solved_state());
        QCOMPARE(test::resultText(c), before);  // every cached answer as before
        QCOMPARE(c.nodeHandDistributions169(0)["pending"].toBool(), true);

        // Re-solving the loaded spot takes the loaded locks along.
        c.reSolveWithNodeLocks();
        QTRY_COMPARE_WITH_TIMEOUT(c.statusText(), QString("Done"), 20000);
        const auto state = c.session().solved_state();
        QVERIFY(state.game->find_node_lock(0) != nullptr);
        QVERIFY(state.game->find_node_lock(1) != nullptr);
    }

    // An opened file shows the nodes it keeps and no others; a re-solve of
    // its spot brings every node back and is checked against the kept root.
    void reSolvingAnOpenedFile_data() {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("check");
        QTest::newRow("as saved") << ""
                                  << "same";
        QTest::newRow("solved again on one thread") << "threads"
                                                    << "same";
        QTest::newRow("the kept root changed") << "root"
                                               << "differs";
    }

    void reSolvingAnOpenedFile() {
        QFETCH(QString, edit);
        QFETCH(QString, check);
        AppController c(test::quietMachine());
        c.startSolveWithConfig(test::riverMap(40));
        QTRY_COMPARE_WITH_TIMEOUT(c.statusText(), QString("Done"), 20000);
        const int child = c.nodeActions(0)[0].toMap()["childIndex"].toInt();
        QVERIFY(c.saveProject(url("resolve.tessavalproj"), {}));
        const QVariantMap childStrategy = c.nodeHandStrategy(child);  // not in the file
        c.clearResults();
        QJsonObject o = readObject(dir_.filePath("resolve.tessavalproj"));
        if (edit == "threads") {
            QJsonObject cfg = o["lastUiCfg"].toObject();
            cfg["thread_count"] = 1;
            o["lastUiCfg"] = cfg;
        } else if (edit == "root") {
            QJsonObject caches = o["nodeCaches"].toObject();
            QJsonArray stats = caches["actionStatsByNode"].toArray();
            QJsonObject root = stats[0].toObject();
            QJsonArray rows = root["data"].toArray();
            QJsonObject first = rows[0].toObject();
            first["ev"] = first["ev"].toDouble() + 0.5;
            rows[0] = first;
            root["data"] = rows;
            stats[0] = root;
            caches["actionStatsByNode"] = stats;
            o["nodeCaches"] = caches;
        }
        writeText("resolve.tessavalproj", QJsonDocument(o).toJson());

        QVERIFY(c.loadProject(url("resolve.tessavalproj"))["ok"].toBool());
        QVERIFY(c.resultsFromFile());
        QVERIFY(c.nodeResultsHeld(0));
        QVERIFY(!c.nodeResultsHeld(child));
        QVERIFY(!c.nodeResultsHeld(c.treeNodeCount()));
        QVERIFY(c.nodeHandStrategy(child).isEmpty());

        c.reSolveWithNodeLocks();
        QVERIFY(!c.resultsFromFile());
        QTRY_COMPARE_WITH_TIMEOUT(c.statusText(), QString("Done"), 20000);
        QCOMPARE(c.fileSolutionCheck(), check);
        QVERIFY(c.nodeResultsHeld(child));
        QCOMPARE(test::canonical(c.nodeHandStrategy(child)), test::canonical(childStrategy));

        // A solve of any other kind compares nothing.
        c.startSolveWithConfig(test::riverMap(40));
        QCOMPARE(c.fileSolutionCheck(), QString());
        QTRY_COMPARE_WITH_TIMEOUT(c.statusText(), QString("Done"), 20000);
        QCOMPARE(c.fileSolutionCheck(), QString());
    }

    // A file's locks are those its solution was solved with: a lock edit not
    // solved yet is left out, and the save says so; a re-solve of the opened
    // file gives the solution that was saved.
    void aFileKeepsTheLocksItsSolutionWasSolvedWith() {
        AppController c(test::quietMachine());
        c.startSolveWithConfig(test::riverMap(40));
        QTRY_COMPARE_WITH_TIMEOUT(c.statusText(), QString("Done"), 20000);
        for (const char* hand : {"AA", "KQo", "KQs"}) {
            c.setNodeLockProbs(0, hand, {0, 1, 0});
        }
        c.reSolveWithNodeLocks();
        QTRY_COMPARE_WITH_TIMEOUT(c.statusText(), QString("Done"), 20000);
        QVERIFY(c.saveProject(url("locked.tessavalproj"), {}));
        QVERIFY(!c.lastSaveLeftOutLockEdits());
        c.setNodeLockProbs(0, "KK", {0, 0, 1});
        QVERIFY(c.saveProject(url("locked.tessavalproj"), {}));
        QVERIFY(c.lastSaveLeftOutLockEdits());

        reopenAndReSolveToTheSame(c, "locked.tessavalproj");
        QStringList hands;
        for (const QVariant& row : c.nodeLocks(0)) {
            hands << row.toMap()["hand"].toString();
        }
        hands.sort();
        QCOMPARE(hands, (QStringList{"AA", "KQo", "KQs"}));
    }

    // A start refused for its map leaves the held result with the map it was
    // solved from, and a deal takes no lock: the file saved then opens and
    // re-solves to the same.
    void aRefusedStartLeavesAFileThatOpens() {
        AppController c(test::quietMachine());
        c.startSolveWithConfig(test::turnMap(5));
        QTRY_COMPARE_WITH_TIMEOUT(c.statusText(), QString("Done"), 20000);
        int deal = 0;
        while (deal < c.treeNodeCount() && c.nodeMeta(deal)["nodeType"].toString() != "chance") {
            ++deal;
        }
        QVERIFY(deal < c.treeNodeCount());
        c.setNodeLockProbs(deal, "AA", {1});
        QVERIFY(c.nodeLocks(deal).isEmpty());
        QVariantMap river = test::riverMap(5);
        river["rake_percent"] = 150;
        c.startSolveWithConfig(river);
        QVERIFY(!c.running());
        QVERIFY(c.saveProject(url("refused.tessavalproj"), {}));
        reopenAndReSolveToTheSame(c, "refused.tessavalproj");
    }

    void loadingDuringASolveIsNeverOverwritten() {
        AppController c(test::quietMachine());
        c.startSolveWithConfig(test::riverMap(30));
        QTRY_COMPARE_WITH_TIMEOUT(c.statusText(), QString("Done"), 20000);
        QVERIFY(c.saveProject(url("small.tessavalproj"), {}));
        const QString summary = c.resultsSummary();
        c.startSolveWithConfig(test::turnMap(200));
        QTRY_VERIFY_WITH_TIMEOUT(c.statusText().startsWith("Iter "), 20000);
        QSignalSpy running(&c, &AppController::runningChanged);
        QVERIFY(c.loadProject(url("small.tessavalproj"))["ok"].toBool());
        QCOMPARE(running.count(), 1);
        QVERIFY(!c.running());
        c.session().solved_state();  // the session keeps nothing
        QTRY_VERIFY_WITH_TIMEOUT(!c.session().is_running(), 20000);
        QTest::qWait(100);
        QCOMPARE(c.resultsSummary(), summary);
        QVERIFY(c.statusText().startsWith("Loaded project ("));
        QVERIFY(!c.running());
    }

    void damagedFilesChangeNothing_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("error");
        const QByteArray head = R"({"format": "quendal_project", "version": 1, )";
        QTest::newRow("empty") << QByteArray() << "Invalid JSON";
        QTest::newRow("truncated") << head + R"("project": {"a": [1, 2)"
                                   << "Invalid JSON";
        QTest::newRow("bare array") << QByteArray("[1, 2]") << "Unrecognized project format";
        QTest::newRow("format case") << QByteArray(R"({"format": "Quendal_project", "version": 1})")
                                     << "Unrecognized project format";
        QTest::newRow("version 2") << QByteArray(R"({"format": "quendal_project", "version": 2})")
                                   << "Unsupported project version";
        QTest::newRow("no version")
            << QByteArray(R"({"format": "quendal_project"})") << "Unsupported project version";
        QTest::newRow("project not an object") << head + R"("project": [1]})"
                                               << "Invalid project file";
        QTest::newRow("hasResults text") << head + R"("hasResults": "yes"})"
                                         << "Invalid project file";
        QTest::newRow("results an array") << head + R"("hasResults": true, "results": []})"
                                          << "Invalid project file";
        QTest::newRow("huge iterations")
            << head + R"("hasResults": true, "results": {"resultIterations": 1e300}})"
            << "Invalid project file";
        QTest::newRow("meta and actions differ")
            << head +
                   R"("hasResults": true, "results": {"treeNodeMeta": [{}], "treeNodeActions": []}})"
            << "Invalid project file";
        QTest::newRow("child beyond the tree")
            << head +
                   R"("hasResults": true, "results": {"treeNodeMeta": [{}], "treeNodeActions": [[{"childIndex": 4}]]}})"
            << "Invalid project file";
        QTest::newRow("huge pot")
            << head +
                   R"("hasResults": true, "results": {"treeNodeMeta": [{"pot": 1e12}], "treeNodeActions": [[]]}})"
            << "Invalid project file";
        QTest::newRow("cache index beyond the tree")
            << head +
                   R"("hasResults": true, "results": {"treeNodeMeta": [{}], "treeNodeActions": [[]]}, "nodeCaches": {"handCombosByNode": [{"nodeIndex": 7, "data": []}]}})"
            << "Invalid project file";
        QTest::newRow("node index a text")
            << head + R"("nodeCaches": {"handCombosByNode": [{"nodeIndex": "1", "data": []}]}})"
            << "Invalid project file";
        QTest::newRow("cache data of the wrong type")
            << head + R"("nodeCaches": {"handStrategyByNode": [{"nodeIndex": 1, "data": []}]}})"
            << "Invalid project file";
        QTest::newRow("lock of the wrong length")
            << smallTreeWith(
                   {{R"("nodeLocks": [])",
                     R"("nodeLocks": [{"nodeIndex": 0, "hand": "AA", "actionProbs": [1, 0]}])"}})
            << "Invalid project file: a lock of node 0 has the wrong number of actions";
        // Members the engine never writes: the file is damaged and says where.
        const QString invalid = "Invalid project file: ";
        const struct {
            const char *name, *from, *to, *problem, *from2 = nullptr, *to2 = nullptr;
        } members[] = {
            {"negative pot", R"("pot": 10,)", R"("pot": -10,)",
             R"(node 0: "pot" is not a usable amount)"},
            {"a cent below zero invested", R"("investedOop": 0)", R"("investedOop": -0.01)",
             R"(node 0: "investedOop" is not a usable amount)"},
            {"negative stack", R"("effectiveStack": 20, "hasChildren")",
             R"("effectiveStack": -20, "hasChildren")",
             R"(node 0: "effectiveStack" is not a usable amount)"},
            {"negative starting pot of the result", R"("resultStartingPot": 10)",
             R"("resultStartingPot": -10)", R"("resultStartingPot" is negative)"},
            {"child at its own node", R"("childIndex": 3})", R"("childIndex": 2})",
             "node 2: a child index does not lead to a new node"},
            {"child back at the root", R"("childIndex": 3})", R"("childIndex": 0})",
             "node 2: a child index does not lead to a new node"},
            {"a node with two parents", R"("childIndex": 4})", R"("childIndex": 2})",
             "node 1: a child index does not lead to a new node"},
            {"a node never reached",
             R"([{"actionType": "bet 50%", "name": "Bet 50%", "frequency": 1, "childIndex": 3}])",
             "[]", "node 3 is not reached from the root", R"("pot": 12, "hasChildren": true)",
             R"("pot": 12, "hasChildren": false)"},
            {"unknown node type",
             R"("nodeType": "terminal", "player": "", "chanceDeal": "", "pot": 13)",
             R"("nodeType": "bogus", "player": "", "chanceDeal": "", "pot": 13)",
             R"(node 3: "nodeType" is not one of the engine's texts)"},
            {"unknown player", R"("player": "IP")", R"("player": "NOBODY")",
             R"(node 2: "player" is not one of the engine's texts)"},
            {"unknown deal", R"("chanceDeal": "turn")", R"("chanceDeal": "Zz")",
             R"(node 1: "chanceDeal" is not one of the engine's texts)"},
            {"unknown deal, escaped", R"("chanceDeal": "turn")", R"("chanceDeal": "\u005Az")",
             R"(node 1: "chanceDeal" is not one of the engine's texts)"},
            {"amounts as texts beside a member of another program",
             R"("pot": 10, "investedOop": 0, "investedIp": 0,)",
             R"("pot": "10", "investedOop": "0", "investedIp": "0", "note": [],)",
             R"(node 0: "pot" is not a usable amount)"},
            {"type and player disagree", R"("player": "IP")", R"("player": "")",
             "node 2: the node's type, player and deal do not agree"},
            {"a dealt card that is no card", R"("name": "2c")", R"("name": "Zz")",
             "node 1: a dealt card is not a card"},
            {"a dealt card on the board", R"("name": "2c")", R"("name": "7h")",
             "node 1 deals a card already dealt"},
            {"one card dealt twice", R"("name": "2c")", R"("name": "Ah")",
             "node 1 deals a card already dealt"},
            {"frequency 7.5", R"("frequency": 1, "childIndex": 1)",
             R"("frequency": 7.5, "childIndex": 1)",
             "node 0: an action has an unusable frequency or child index"},
            {"a terminal with a decision", "[], []]",
             R"([{"actionType": "check", "name": "Check", "frequency": 1, "childIndex": 4}], []])",
             R"(node 3: "actionType" is not an action of this node)",
             R"("pot": 13, "hasChildren": false)", R"("pot": 13, "hasChildren": true)"},
            {"a decision that deals",
             R"("actionType": "check", "name": "Check", "frequency": 1, "childIndex": 1)",
             R"("actionType": "chance", "name": "Ah", "frequency": 1, "childIndex": 1)",
             R"(node 0: "actionType" is not an action of this node)"},
            {"an action the engine never names", R"("actionType": "bet 50%")",
             R"("actionType": "shove")", R"(node 2: "actionType" is not an action of this node)"},
            {"hasChildren false beside actions", R"("effectiveStack": 20, "hasChildren": true)",
             R"("effectiveStack": 20, "hasChildren": false)",
             R"(node 0: "hasChildren" does not agree with the actions)"},
            {"set-up board repeats a card", R"("boardText": "KsQd7h")", R"("boardText": "KsKs7h")",
             R"("boardText" is not a board of distinct cards)"},
            {"set-up pot below zero", R"("startingPot": 10)", R"("startingPot": -10)",
             R"("startingPot" is not an amount of 0 or more)"},
            {"set-up without a stack", R"("startingPot": 10, "effectiveStack": 20})",
             R"("startingPot": 10, "effectiveStack": 0})", R"("effectiveStack" is 0)"},
            {"a deal's frequencies adding up to 2", R"("name": "Ah", "frequency": 0.5)",
             R"("name": "Ah", "frequency": 1)",
             "node 1: the frequencies of its actions add up to more than 1",
             R"("name": "2c", "frequency": 0.5)", R"("name": "2c", "frequency": 1)"},
            {"the turn dealt to a turn board", R"("boardText": "KsQd7h")",
             R"("boardText": "KsQd7h3c")", "node 1 deals the turn to a board of 4 cards",
             R"("board": "KsQd7h", "starting_street": "flop")",
             R"("board": "KsQd7h3c", "starting_street": "turn")"},
            {"the river dealt to a flop board", R"("chanceDeal": "turn")",
             R"("chanceDeal": "river")", "node 1 deals the river to a board of 3 cards"},
            // A last solve the set-up page would not start: a re-solve
            // would solve another game, or nothing.
            {"solved without a stack", R"("board": "KsQd7h",)",
             R"("board": "KsQd7h", "effective_stack": 0,)",
             R"("lastUiCfg": "effective_stack" is not an amount above 0)"},
            {"solved with a negative pot", R"("board": "KsQd7h",)",
             R"("board": "KsQd7h", "starting_pot": -5,)",
             R"("lastUiCfg": "starting_pot" is not an amount above 0)"},
            {"solved on a board that repeats a card", R"("board": "KsQd7h",)",
             R"("board": "KsKs7h",)",
             R"("lastUiCfg": "board" is not a board of 3 to 5 distinct cards)"},
            {"solved on two cards", R"("board": "KsQd7h",)", R"("board": "KsQd",)",
             R"("lastUiCfg": "board" is not a board of 3 to 5 distinct cards)"},
            {"solved on a board with a pair that is no card", R"("board": "KsQd7h",)",
             R"("board": "KsQdXx7h",)",
             R"("lastUiCfg": "board" is not a board of 3 to 5 distinct cards)"},
            {"a river board solved as a flop", R"("board": "KsQd7h",)", R"("board": "KsQd7h4c2s",)",
             R"("lastUiCfg": "starting_street" is not the street of the board)"},
            {"a turn board without a street", R"("board": "KsQd7h", "starting_street": "flop",)",
             R"("board": "KsQd7h4c",)",
             R"("lastUiCfg": "starting_street" is not the street of the board)"},
            {"a street of another program", R"("starting_street": "flop")",
             R"("starting_street": "preflop")",
             R"("lastUiCfg": "starting_street" is not flop, turn or river)"},
            {"a range of no hand", R"("ip_range": "QQ")", R"("ip_range": "QQ:0")",
             R"("lastUiCfg": "ip_range" holds no hand)"},
            {"a range the engine refuses", R"("oop_range": "AA, KQ")", R"("oop_range": "AA, ZZ")",
             R"("lastUiCfg": "oop_range" does not read: )"},
            {"a size the engine refuses", R"("ip_turn_bet_sizes": "50")",
             R"("ip_turn_bet_sizes": "50 nan")",
             R"("lastUiCfg": "ip_turn_bet_sizes" does not read: Sizing: invalid token '50 nan')"},
            {"a played street without sizes", R"("oop_flop_raise_sizes": "a",)", "",
             R"("lastUiCfg": "oop_flop_raise_sizes" is empty)"},
            {"rake above 100", R"("board": "KsQd7h",)",
             R"("board": "KsQd7h", "rake_percent": 150,)",
             R"("lastUiCfg": "rake_percent" is not between 0 and 100)"},
            {"rake below 0", R"("board": "KsQd7h",)", R"("board": "KsQd7h", "rake_percent": -1,)",
             R"("lastUiCfg": "rake_percent" is not between 0 and 100)"},
        };
        for (const auto& m : members) {
            const QByteArray text = m.from2 ? smallTreeWith({{m.from, m.to}, {m.from2, m.to2}})
                                            : smallTreeWith({{m.from, m.to}});
            QTest::newRow(m.name) << text << invalid + m.problem;
        }
        QTest::newRow("locks not an array") << head + R"("nodeLocks": {}})"
                                            << "Invalid project file";
        // A lock the program could not have written is not dropped or changed.
        const struct {
            const char *name, *lock, *problem;
        } locks[] = {
            {"a lock of no hand class", R"({"nodeIndex": 0, "hand": "ZZ", "actionProbs": [1]})",
             R"(a lock of node 0 holds "ZZ", which is not a hand class)"},
            {"a lock of a hand in lower case",
             R"({"nodeIndex": 0, "hand": "aa", "actionProbs": [1]})",
             R"(a lock of node 0 holds "aa", which is not a hand class)"},
            {"a lock of a hand in the wrong order",
             R"({"nodeIndex": 0, "hand": "KAs", "actionProbs": [1]})",
             R"(a lock of node 0 holds "KAs", which is not a hand class)"},
            {"a lock of one combo", R"({"nodeIndex": 0, "hand": "AsKs", "actionProbs": [1]})",
             R"(a lock of node 0 holds "AsKs", which is not a hand class)"},
            {"a lock of a range", R"({"nodeIndex": 0, "hand": "22+", "actionProbs": [1]})",
             R"(a lock of node 0 holds "22+", which is not a hand class)"},
            {"a lock probability below 0", R"({"nodeIndex": 0, "hand": "AA", "actionProbs": [-1]})",
             "a lock of node 0 has a probability outside 0 to 1"},
            {"a lock probability above 1",
             R"({"nodeIndex": 0, "hand": "AA", "actionProbs": [1.5]})",
             "a lock of node 0 has a probability outside 0 to 1"},
            {"a huge lock probability", R"({"nodeIndex": 0, "hand": "AA", "actionProbs": [1e308]})",
             "a lock of node 0 has a probability outside 0 to 1"},
            {"a lock of probabilities 0", R"({"nodeIndex": 0, "hand": "AA", "actionProbs": [0]})",
             "a lock of node 0 gives no action a probability"},
            {"a single-action lock above 1",
             R"({"nodeIndex": 0, "hand": "AA", "actionIndex": 0, "actionProb": 1.5})",
             "a lock of node 0 has a probability outside 0 to 1"},
            {"a single-action lock of no action",
             R"({"nodeIndex": 0, "hand": "AA", "actionIndex": 1})",
             "a lock of node 0 names an action the node does not have"},
            {"a lock at a deal", R"({"nodeIndex": 1, "hand": "AA", "actionProbs": [0.5, 0.5]})",
             "a lock of node 1 is not at a decision"},
        };
        for (const auto& l : locks) {
            const QByteArray row = QByteArray(R"("nodeLocks": [)") + l.lock + "]";
            QTest::newRow(l.name) << smallTreeWith({{R"("nodeLocks": [])", row.constData()}})
                                  << invalid + l.problem;
        }
        // Members the reader never looks into are still part of the document.
        QTest::newRow("broken literal in an unknown member")
            << head + R"("project": {}, "notes": {"a": tru}})"
            << "Invalid JSON";
        QTest::newRow("brackets crossed in an unknown member") << head + R"("extra": {"a": [1}]})"
                                                               << "Invalid JSON";
        QTest::newRow("missing comma in unread results")
            << head + R"("hasResults": false, "results": {"treeNodeMeta": [{} {}]}})"
            << "Invalid JSON";
        QTest::newRow("trailing comma in unread results")
            << head + R"("hasResults": false, "results": {"resultEvOop": 1,}})"
            << "Invalid JSON";
        QTest::newRow("leading zero in an unknown cache")
            << head + R"("nodeCaches": {"oldCache": [01]}})"
            << "Invalid JSON";
        QTest::newRow("short escape in an unknown member") << head + R"("comment": "\u12"})"
                                                           << "Invalid JSON";
        QTest::newRow("bad UTF-8 in an unknown member") << head + "\"comment\": \"\xff\"}"
                                                        << "Invalid JSON";
    }

    // The sound small tree, and the blank state the program starts with,
    // open as they are.
    void soundFilesOpen_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("small tree") << kSmallTree;
        // Nodes not written the program's way are read in full.
        QTest::newRow("nodes with escapes and members of another program") << smallTreeWith(
            {{R"("chanceDeal": "turn")", R"("chanceDeal": "t\u0075rn", "note": [1])"},
             {R"("name": "Ah")", R"("name": "A\u0068")"}});
        QTest::newRow("blank start-up state")
            << QByteArray(R"({"format": "quendal_project", "version": 1, "hasResults": false,
                 "project": {"boardText": "", "startingPot": 0, "effectiveStack": 0}})");
    }

    void soundFilesOpen() {
        QFETCH(QByteArray, text);
        writeText("sound.tessavalproj", text);
        AppController c(test::quietMachine());
        const QVariantMap r = c.loadProject(url("sound.tessavalproj"));
        QVERIFY2(r["ok"].toBool(), qPrintable(r["error"].toString()));
        ProjectFileContents contents;
        QCOMPARE(readProjectFile(text, contents, {4, 8, 2}), QString());
        QCOMPARE(contents.records ? contents.records->size() : 0, std::size_t(c.treeNodeCount()));
    }

    // A saved file read and written again, alone or on several threads in
    // small blocks, into a file or another device, gives the same bytes.
    void rewritingGivesTheSameBytes() {
        AppController c(test::quietMachine());
        c.startSolveWithConfig(test::turnMap(5));
        QTRY_COMPARE_WITH_TIMEOUT(c.statusText(), QString("Done"), 20000);
        c.setNodeLockProbs(0, "AA", {0.5, 0.5, 0});
        QVERIFY(c.saveProject(url("saved.tessavalproj"), {{"boardText", "KsQd7h4c"}}));
        QFile saved(dir_.filePath("saved.tessavalproj"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray bytes = saved.readAll();
        for (const ProjectFileWork work : {ProjectFileWork{1, 1 << 22, 4096},
                                           ProjectFileWork{4, 64, 3}, ProjectFileWork{3, 7, 1}}) {
            ProjectFileContents contents;
            QCOMPARE(readProjectFile(bytes, contents, work), QString());
            QVERIFY(contents.records && contents.records->size() > 100);
            QFile file(dir_.filePath("again.tessavalproj"));
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            QString reason;
            QVERIFY(writeProjectFile(file, contents, work, reason));
            QVERIFY(writeProjectFile(buffer, contents, work, reason));
            file.close();
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY(file.readAll() == bytes);
            QVERIFY(buffer.data() == bytes);
        }
    }

    // Frequencies are written without Qt's conversion, to the same bytes.
    void fractionsAsQtWritesThem() {
        QRandomGenerator random(20261212);
        std::vector<float> values = {0.0f, 1.0f, 1e-5f, 1e-4f, 0.5f, 0.1f, 1.4e-45f, 0.99999994f};
        for (int i = 0; i < 200000; ++i) {
            const auto bits = static_cast<std::uint32_t>(random.bounded(0x3F800001u));
            values.push_back(std::bit_cast<float>(bits));
        }
        for (const double v : {-0.5, 1.5, 1e21, std::numeric_limits<double>::quiet_NaN()}) {
            values.push_back(static_cast<float>(v));
        }
        char text[40];
        const auto same = [&](double v) {
            const QByteArray qt = QByteArray::number(v, 'g', QLocale::FloatingPointShortest);
            return QByteArray(text, writeJsonFraction(text, v) - text) == qt;
        };
        for (const float f : values) {
            QVERIFY2(same(f), QByteArray::number(double(f), 'g', 17).constData());
        }
        QVERIFY(same(2.5e-324) && same(1e-120) && same(0.1));
    }

    // The bytes of a file that shrinks while they are read read as zeros,
    // and the read is told, instead of the program ending.
    void aFileThatShrinksWhileReadFailsTheRead() {
        writeText("shrinking.tessavalproj", QByteArray(1 << 16, 'x'));
        QFile file(dir_.filePath("shrinking.tessavalproj"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const FileBytes bytes(file);
        QVERIFY(!bytes.shrank());
        QCOMPARE(bytes.bytes().at(40000), 'x');
        QVERIFY(QFile::resize(file.fileName(), 100));
        QCOMPARE(bytes.bytes().at(40000), '\0');
        QVERIFY(bytes.shrank());
        QCOMPARE(bytes.bytes().at(10), 'x');
    }

    void damagedFilesChangeNothing() {
        QFETCH(QByteArray, text);
        QFETCH(QString, error);
        AppController c(test::quietMachine());
        c.startSolveWithConfig(test::riverMap(20));
        QTRY_COMPARE_WITH_TIMEOUT(c.statusText(), QString("Done"), 20000);
        c.nodeHandCombos(0);
        c.setNodeLockProbs(0, "AA", {1, 0, 0});
        const QByteArray before = test::resultText(c);
        const QString status = c.statusText();
        writeText("damaged.tessavalproj", text);
        const QVariantMap r = c.loadProject(url("damaged.tessavalproj"));
        QCOMPARE(r["ok"].toBool(), false);
        QVERIFY2(r["error"].toString().startsWith(error), qPrintable(r["error"].toString()));
        // Read in pieces and in blocks of two nodes on several threads, the
        // same node is found first.
        ProjectFileContents contents;
        QCOMPARE(readProjectFile(text, contents, {4, 8, 2}), r["error"].toString());
        QCOMPARE(r["hasResults"].toBool(), false);
        QVERIFY(r["project"].toMap().isEmpty());
        QCOMPARE(test::resultText(c), before);
        QCOMPARE(c.statusText(), status);
        QVERIFY(c.session().solved_state());
    }

    // A syntax error anywhere is found before the load touches anything: a
    // running solve keeps running.
    void aDamagedFileLeavesARunningSolveAlone() {
        AppController c(test::quietMachine());
        c.startSolveWithConfig(test::turnMap(1000000));
        QTRY_VERIFY_WITH_TIMEOUT(c.statusText().startsWith("Iter "), 20000);
        QSignalSpy running(&c, &AppController::runningChanged);
        QSignalSpy results(&c, &AppController::resultsChanged);
        writeText("damaged-unknown.tessavalproj",
                  R"({"format": "quendal_project", "version": 1, "draft": [1, 2,]})");
        const QVariantMap r = c.loadProject(url("damaged-unknown.tessavalproj"));
        QCOMPARE(r["ok"].toBool(), false);
        QCOMPARE(r["error"].toString(), QString("Invalid JSON"));
        QVERIFY(c.running());
        QVERIFY(c.session().is_running());
        QCOMPARE(running.count(), 0);
        QCOMPARE(results.count(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(c.statusText().startsWith("Iter "), 20000);
        c.cancelSolve();
        QTRY_COMPARE_WITH_TIMEOUT(c.statusText(), QString("Cancelled"), 20000);
    }

    // The document check that runs before any member is read accepts exactly
    // what Qt's JSON reader accepts, quirks included (a file Qt reads must
    // still open).
    void documentCheckAgreesWithTheJsonReader_data() {
        QTest::addColumn<QByteArray>("text");
        // clang-format off
        const char* const rows[] = {
            "{}", "[]", " { } ", "[ ]", "[1]\r\n\t", "\xEF\xBB\xBF{\"a\": 1}", " \xEF\xBB\xBF[1]",
            "{\"a\": 1, \"a\": 2}", "{\"\": null}", "[true, false, null]", "[tru]", "[truex]",
            "[nul]", "[True]", "[0]", "[-0]", "[01]", "[-01]", "[1.]", "[.5]", "[-.5]", "[.]",
            "[-]", "[+1]", "[1e]", "[1e+]", "[1E5]", "[1.5e-3]", "[1e400]", "[1e-400]",
            "[2.5e-324]", "[1.7976931348623157e308]", "[123456789012345678901234567890]",
            "[0x1]", "[1.5.5]", "[NaN]", "[Infinity]", "[\"\\x\"]", "[\"\\u12\"]",
            "[\"\\u12g4\"]", "[\"\\uD800\"]", "[\"\\U0041\"]", "[\"a\tb\"]", "[\"a\x01z\"]",
            "[\"\xC3\xA9\"]", "[\"\xFF\"]", "[\"\xC0\x80\"]", "[\"\xED\xA0\x80\"]",
            "[\"\xF4\x8F\xBF\xBF\"]", "[\"\xF4\x90\x80\x80\"]", "[\"\xE2\x82\"]",
            "[\"\\\xFF\"]", "[\"\\\xC3\xA9\"]", "[\"abc]", "[1,]", "{\"a\": 1,}", "[1 2]",
            "{\"a\" 1}", "{\"a\": 1 \"b\": 2}", "{1: 2}", "{\"a\": }", "[\f1]", "[1]x",
            "[1]]", "{\"a\": 1}}", "[{}[]]", "[}", "{]", "[{]}", "[", "", "   ", "1", "\"s\"",
            "null", "[\"a\"\"b\"]", "{\"a\": [1, {\"b\": [true, \"}\"]}]}"};
        // clang-format on
        int i = 0;
        for (const char* row : rows) {
            const QByteArray text(row);
            QTest::addRow("%d: %s", i++, text.toPercentEncoding("[]{}\":,.+- ").constData())
                << text;
        }
        QTest::newRow("NUL inside a text") << QByteArray("[\"a\0b\"]", 7);
        QTest::newRow("NUL after the document") << QByteArray("[1]\0", 4);
        QTest::newRow("1024 levels") << QByteArray(1024, '[') + QByteArray(1024, ']');
        QTest::newRow("1025 levels") << QByteArray(1025, '[') + QByteArray(1025, ']');
    }

    void documentCheckAgreesWithTheJsonReader() {
        QFETCH(QByteArray, text);
        QJsonParseError error;
        QJsonDocument::fromJson(text, &error);
        const bool readable = error.error == QJsonParseError::NoError;
        QCOMPARE(JsonSkeleton(text).root().has_value(), readable);
    }

    // The same, for many small damages of a project-like document, checked
    // alone and (a sample) in pieces of a few bytes on several threads, which
    // join only where one piece ends where the next begins; the pieces find
    // the arrays' elements as the check alone does.
    void damagedDocumentsAgreeWithTheJsonReader() {
        // One element holds a text that runs over a line and begins the next
        // one with a brace, where a piece may wrongly begin.
        const QByteArray base = R"({"format": "quendal_project", "version": 1,
            "project": {"a": [1, -2.5e3, 0.5, null, true, false, "x y"]}, "hasResults": false,
            "results": {"treeNodeMeta": [
                {},
                {"pot": 1E+2, "name": "a[]b"},)"
                                "\n                [{\"c\": \"x\n                {}, [1\"}, "
                                "{\"d\": [1, 2]}],"
                                R"(
                "x"
            ]}, "nodeLocks": [], "lastUiCfg": {}})";
        const char alphabet[] = "{}[]\",:0123456789.-+eEtrufalsn\\ \t\n/xu\x01\xC3\xA9\xFF";
        QRandomGenerator random(20240611);
        for (int round = 0; round < 20000; ++round) {
            QByteArray text = base;
            for (int edit = random.bounded(1, 4); edit > 0; --edit) {
                const int pos = random.bounded(text.size());
                const char c = alphabet[random.bounded(int(sizeof(alphabet)) - 1)];
                switch (random.bounded(3)) {
                    case 0:
                        text[pos] = c;
                        break;
                    case 1:
                        text.insert(pos, c);
                        break;
                    default:
                        text.remove(pos, 1);
                        break;
                }
            }
            QJsonParseError error;
            QJsonDocument::fromJson(text, &error);
            const bool readable = error.error == QJsonParseError::NoError;
            const JsonSkeleton alone(text);
            const auto root = alone.root();
            QVERIFY2(root.has_value() == readable, text.constData());
            if (round % 40 != 0) {
                continue;  // threads are started for each large array: a sample
            }
            const JsonSkeleton pieces(text, {4, 1 + round / 40 % 16});
            QVERIFY2(pieces.root().has_value() == readable, text.constData());
            const auto top = root ? alone.members(*root) : std::nullopt;
            for (const auto& [key, value] : top.value_or(decltype(top)::value_type())) {
                const auto results = alone.members(value);
                if (key != "results" || !results) {
                    continue;
                }
                for (const auto& [name, array] : *results) {
                    const auto* a = alone.element_index(array);
                    const auto* b = pieces.element_index(array);
                    if (array.kind != '[') {
                        continue;
                    }
                    QVERIFY2(
                        a && b && a->count == b->count && a->count == alone.elements(array)->size(),
                        text.constData());
                    for (std::size_t i = 0; i < a->count; ++i) {
                        QCOMPARE(pieces.element_at(*b, i), alone.element_at(*a, i));
                    }
                }
            }
        }
    }

    // Nodes are read from the text without Qt's parser where an object is
    // flat: what that reader takes must be what the parser gives, number for
    // number, and a node as the program writes it must be flat.
    void flatObjectsAgreeWithTheJsonReader() {
        const char* const keys[] = {"pot", "name", "n\\u0061me", "caf\xC3\xA9", ""};
        const char* const values[] = {"0",
                                      "-0",
                                      "-0.0",
                                      "7",
                                      "-12",
                                      "0.5",
                                      "1e-05",
                                      "1E+2",
                                      "2.5e-3",
                                      "-1.5e99",
                                      "1e100",
                                      "1e-400",
                                      "2.5e-324",
                                      "123456789012345678901234567890",
                                      "9007199254740993",
                                      "0.1000000000000000055511151231257827",
                                      "1.7976931348623157e308",
                                      "true",
                                      "false",
                                      "null",
                                      "\"\"",
                                      "\"Bet 33%\"",
                                      "\"a\\\"b\"",
                                      "\"\\u00e9\"",
                                      "\"\xC3\xA9\"",
                                      "\"tab\there\"",
                                      "[]",
                                      "{}",
                                      "[1]",
                                      "{\"a\": 1}"};
        QRandomGenerator random(20261211);
        const auto randomNumber = [&] {
            QByteArray n = random.bounded(4) == 0 ? "-" : "";
            n += QByteArray::number(random.bounded(1000000));
            if (random.bounded(2)) {
                n += "." + QByteArray::number(random.bounded(1000000)).rightJustified(6, '0');
            }
            if (random.bounded(3) == 0) {
                n += (random.bounded(2) ? "e" : "E") + QByteArray::number(random.bounded(-99, 100));
            }
            return n;
        };
        int flat = 0;
        for (int round = 0; round < 20000; ++round) {
            QByteArray text = "{";
            const int count = random.bounded(5);
            const int first = random.bounded(int(std::size(keys)));
            for (int m = 0; m < count; ++m) {
                const QByteArray value =
                    random.bounded(3) == 0
                        ? QByteArray(values[random.bounded(int(std::size(values)))])
                        : randomNumber();
                text += (m > 0 ? ", \"" : "\"") + QByteArray(keys[(first + m) % std::size(keys)]) +
                        "\": " + value;
            }
            text += "}";
            QJsonParseError error;
            const QJsonObject parsed = QJsonDocument::fromJson(text, &error).object();
            const JsonSkeleton skeleton(text);
            std::vector<std::pair<std::string_view, JsonScalar>> members;
            if (error.error != QJsonParseError::NoError || !skeleton.root() ||
                !skeleton.flat_members(*skeleton.root(), members)) {
                continue;
            }
            ++flat;
            QCOMPARE(qsizetype(members.size()), parsed.size());
            for (const auto& [key, scalar] : members) {
                const QJsonValue v =
                    parsed.value(QString::fromUtf8(key.data(), qsizetype(key.size())));
                const QByteArray why = text + " at " + QByteArray(key.data(), key.size());
                switch (scalar.kind) {
                    case JsonScalar::String:
                        QVERIFY2(v.isString() && v.toString() == QString::fromUtf8(
                                                                     scalar.text.data(),
                                                                     qsizetype(scalar.text.size())),
                                 why.constData());
                        break;
                    case JsonScalar::Number:
                        QVERIFY2(v.isDouble() && v.toDouble() == scalar.number &&
                                     std::signbit(v.toDouble()) == std::signbit(scalar.number),
                                 why.constData());
                        break;
                    case JsonScalar::True:
                    case JsonScalar::False:
                        QVERIFY2(v.isBool() && v.toBool() == (scalar.kind == JsonScalar::True),
                                 why.constData());
                        break;
                    case JsonScalar::Null:
                        QVERIFY2(v.isNull(), why.constData());
                        break;
                }
            }
        }
        QVERIFY(flat > 5000);
        const QByteArray node =
            R"({"chanceDeal": "", "effectiveStack": 100, "hasChildren": true, "investedIp": 0, )"
            R"("investedOop": 0.5, "nodeType": "decision", "player": "OOP", "pot": 1e+06})";
        const JsonSkeleton skeleton(node);
        std::vector<std::pair<std::string_view, JsonScalar>> members;
        QVERIFY(skeleton.root() && skeleton.flat_members(*skeleton.root(), members));
        QCOMPARE(members.size(), std::size_t(8));
    }

    void lenientWhereTheFileMayVary() {
        const QByteArray text = R"({
            "format": "quendal_project", "version": 1, "hasResults": false,
            "results": {"treeNodeMeta": [{"pot": "unread"}], "note": "kept as written"},
            "addedLater": {"nested": [1, -2.5e3, null, true, {"deep": []}]},
            "nodeCaches": {
                "seatHandCombosByNode": [
                    {"nodeIndex": 3, "seat": " ip ", "data": [{"c1": "As", "c2": "Kd", "weight": 1}]},
                    {"nodeIndex": 3, "seat": "button", "data": []},
                    {"nodeIndex": -1, "seat": "OOP", "data": []}
                ],
                "handCombosByNode": [
                    {"nodeIndex": 2, "data": [{"c1": "As", "c2": "Kd", "actionEvs": [1, 2]}]},
                    {"nodeIndex": 2, "data": [{"c1": "As", "c2": "Kd", "actionEvs": [3, 4]}]}
                ]
            },
            "nodeLocks": [{"nodeIndex": 0, "hand": "AA"}]
        })";
        writeText("lenient.tessavalproj", text);
        AppController c(test::quietMachine());
        const QVariantMap r = c.loadProject(url("lenient.tessavalproj"));
        QVERIFY2(r["ok"].toBool(), qPrintable(r["error"].toString()));
        QCOMPARE(c.nodeSeatHandCombos(3, "IP").size(), 1);
        QVERIFY(c.nodeSeatHandCombos(3, "OOP").isEmpty());
        // The later element of one node wins; pocket EVs come from the combo cache.
        QCOMPARE(c.nodePocketActionEvs(2, "oop", "kd", "AS"), (QVariantList{3, 4}));
        QCOMPARE(c.statusText(), QString("Loaded project (0 strategy nodes, 1 combo nodes)"));
        QVERIFY(c.nodeLocks(0).isEmpty());
    }

    void aFailedSaveKeepsTheOldFile() {
        if (::geteuid() == 0) {
            QSKIP("root writes into read-only folders");
        }
        AppController c(test::quietMachine());
        QVERIFY(c.saveProject(url("keep.tessavalproj"), {{"v", 1}}));
        QFile::setPermissions(dir_.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const bool saved = c.saveProject(url("keep.tessavalproj"), {{"v", 2}});
        QFile::setPermissions(
            dir_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QVERIFY(!saved);
        QCOMPARE(c.lastSaveError(), QString("Permission denied"));
        QCOMPARE(readObject(dir_.filePath("keep.tessavalproj"))["project"].toObject()["v"].toInt(),
                 1);
    }

    // A disk that fills up during the save: the save fails with the system's
    // reason and the old file stays whole, never cut short. Text saves alike.
    void aFullDiskKeepsTheOldFile() {
        QTemporaryDir mountPoint;
        const QByteArray where = QFile::encodeName(mountPoint.path());
        if (::mount("tmpfs", where.constData(), "tmpfs", 0, "size=64k") != 0) {
            QSKIP("no small file system can be mounted here");
        }
        const auto unmount = qScopeGuard([&] { ::umount2(where.constData(), MNT_DETACH); });
        const QUrl target = QUrl::fromLocalFile(mountPoint.filePath("full.tessavalproj"));
        AppController c(test::quietMachine());
        QVERIFY(c.saveProject(target, {{"v", 1}}));
        c.startSolveWithConfig(test::riverMap(20));
        QTRY_COMPARE_WITH_TIMEOUT(c.statusText(), QString("Done"), 20000);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^saveProject: write failed: "));
        QVERIFY(!c.saveProject(target, {{"v", 2}}));
        QCOMPARE(c.lastSaveError(), QString("No space left on device"));
        QCOMPARE(readObject(target.toLocalFile())["project"].toObject()["v"].toInt(), 1);
        const QVariantMap text = c.saveTextFile(QUrl::fromLocalFile(mountPoint.filePath("big.txt")),
                                                QString(200000, 'A'));
        QCOMPARE(text["error"].toString(), QString("Failed to save file: No space left on device"));
        QVERIFY(!QFile::exists(mountPoint.filePath("big.txt")));
    }

    // Qt's own file dialog hands a typed name back as a bare path: it is a
    // local file. A failure keeps the boolean and tells the system's reason.
    void locationsAsTheDialogsGiveThem() {
        AppController c(test::quietMachine());
        const QString path = dir_.filePath("typed name");
        QVERIFY(c.saveProject(QUrl(path), {{"v", 3}}));
        QVERIFY(c.lastSaveError().isEmpty());
        QVERIFY(c.loadProject(QUrl(path))["ok"].toBool());
        QCOMPARE(c.localFileStatus(QUrl(path))["url"].toUrl(), QUrl::fromLocalFile(path));

        const auto saveError = [&](const QUrl& u) {
            return c.saveProject(u, {}) ? QString("saved") : c.lastSaveError();
        };
        QTest::ignoreMessage(QtWarningMsg,
                             "saveProject: invalid/non-local URL: https://example.com/x");
        QCOMPARE(saveError(QUrl("https://example.com/x")), QString("Invalid/non-local file URL"));
        QTest::ignoreMessage(QtWarningMsg, "saveProject: invalid/non-local URL: river1");
        QCOMPARE(saveError(QUrl("river1")), QString("Invalid/non-local file URL"));
        QCOMPARE(saveError(QUrl::fromLocalFile(dir_.path())), QString("Is a directory"));
        QCOMPARE(saveError(url("missing/x.tessavalproj")), QString("No such file or directory"));
        QCOMPARE(saveError(QUrl(dir_.filePath("typed name/x"))), QString("Not a directory"));

        const auto loadError = [&](const QUrl& u) { return c.loadProject(u)["error"].toString(); };
        QCOMPARE(loadError(QUrl::fromLocalFile(dir_.path())),
                 QString("Failed to open file: Is a directory"));
        QCOMPARE(loadError(url("missing.tessavalproj")),
                 QString("Failed to open file: No such file or directory"));
        const QString fifo = dir_.filePath("pipe.tessavalproj");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QCOMPARE(loadError(QUrl::fromLocalFile(fifo)),
                 QString("Failed to open file: Not a regular file"));
        QCOMPARE(loadError(QUrl("river1")), QString("Invalid/non-local file URL"));

        const QVariantMap folder = c.localFileStatus(QUrl(dir_.path()));
        QVERIFY(folder["ok"].toBool() && folder["exists"].toBool() && folder["isDir"].toBool());
        const QVariantMap fresh = c.localFileStatus(url("new one.tessavalproj"));
        QVERIFY(fresh["ok"].toBool() && !fresh["exists"].toBool());
        QCOMPARE(fresh["name"].toString(), QString("new one.tessavalproj"));
        QVERIFY(!c.localFileStatus(QUrl("https://example.com/x"))["ok"].toBool());
    }
};

QTEST_GUILESS_MAIN(ProjectFileTest)
#include "project_file_test.moc"
