#include "app/app_controller.h"
#include "quiet_machine.h"
#include "solve_maps.h"
#include "test_settings.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QtTest>
#include <unistd.h>

using namespace quendal_app;

namespace {

// Compact JSON of a value: NaN and null compare equal, as the file keeps them.
QByteArray canonical(const QVariant& v) {
    return QJsonDocument(QJsonArray{QJsonValue::fromVariant(v)}).toJson(QJsonDocument::Compact);
}

// Everything QML can read about a solved result, as text.
QByteArray snapshotOf(AppController& c) {
    QByteArray out;
    out += c.resultsSummary().toUtf8() + canonical(c.rootActions()) +
           QByteArray::number(c.treeNodeCount()) + QByteArray::number(c.resultIterations()) +
           QByteArray::number(c.resultEvOop(), 'g', 17);
    for (int n = 0; n < c.treeNodeCount(); ++n) {
        out += canonical(c.nodeMeta(n)) + canonical(c.nodeActions(n));
        // Locks by hand and probabilities (the file keeps no more of a row with
        // probabilities), in a fixed order.
        QMap<QString, QVariant> locks;
        for (const QVariant& row : c.nodeLocks(n)) {
            locks.insert(row.toMap()["hand"].toString(), row.toMap()["actionProbs"]);
        }
        for (auto it = locks.cbegin(); it != locks.cend(); ++it) {
            out += it.key().toUtf8() + canonical(it.value());
        }
    }
    for (const int n : {0, 1}) {
        out += canonical(c.nodeHandStrategy(n)) + canonical(c.nodeHandCombos(n)) +
               canonical(c.nodeHandBuckets(n)) + canonical(c.nodeActionStats(n)) +
               canonical(c.nodeSeatHandCombos(n, "OOP")) + canonical(c.nodeSeatHandCombos(n, "IP"));
    }
    return out;
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
        c.nodeHandCombos(1);
        c.nodeSeatHandCombos(1, "IP");
        c.nodeSeatHandCombos(0, "OOP");
        c.setNodeLock(0, "AA", 1, 0.6);
        c.setNodeLockProbs(1, "QQ", {1, 3});
        const QByteArray before = snapshotOf(c);
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
        QCOMPARE(snapshotOf(c), before);  // every cached answer as before
        QCOMPARE(c.nodeHandDistributions169(0)["pending"].toBool(), true);

        // Re-solving the loaded spot takes the loaded locks along.
        c.reSolveWithNodeLocks();
        QTRY_COMPARE_WITH_TIMEOUT(c.statusText(), QString("Done"), 20000);
        const auto state = c.session().solved_state();
        QVERIFY(state.game->find_node_lock(0) != nullptr);
        QVERIFY(state.game->find_node_lock(1) != nullptr);
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
            << head +
                   R"("hasResults": true, "results": {"treeNodeMeta": [{}], "treeNodeActions": [[{"childIndex": 0}, {"childIndex": 0}]]}, "nodeLocks": [{"nodeIndex": 0, "hand": "AA", "actionProbs": [1, 0, 0]}]})"
            << "Invalid project file";
        QTest::newRow("locks not an array") << head + R"("nodeLocks": {}})"
                                            << "Invalid project file";
    }

    void damagedFilesChangeNothing() {
        QFETCH(QByteArray, text);
        QFETCH(QString, error);
        AppController c(test::quietMachine());
        c.startSolveWithConfig(test::riverMap(20));
        QTRY_COMPARE_WITH_TIMEOUT(c.statusText(), QString("Done"), 20000);
        c.nodeHandCombos(0);
        c.setNodeLockProbs(0, "AA", {1, 0, 0});
        const QByteArray before = snapshotOf(c);
        const QString status = c.statusText();
        writeText("damaged.tessavalproj", text);
        const QVariantMap r = c.loadProject(url("damaged.tessavalproj"));
        QCOMPARE(r["ok"].toBool(), false);
        QVERIFY2(r["error"].toString().startsWith(error), qPrintable(r["error"].toString()));
        QCOMPARE(r["hasResults"].toBool(), false);
        QVERIFY(r["project"].toMap().isEmpty());
        QCOMPARE(snapshotOf(c), before);
        QCOMPARE(c.statusText(), status);
        QVERIFY(c.session().solved_state());
    }

    void lenientWhereTheFileMayVary() {
        const QByteArray text = R"({
            "format": "quendal_project", "version": 1, "hasResults": false,
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
        QCOMPARE(readObject(dir_.filePath("keep.tessavalproj"))["project"].toObject()["v"].toInt(),
                 1);
    }
};

QTEST_GUILESS_MAIN(ProjectFileTest)
#include "project_file_test.moc"
