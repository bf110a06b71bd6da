// A stand-in for the application controller in QML tests: every figure is a
// writable property, and every call is recorded in `calls` as
// {"method": name, "args": [...]}, so a test can put the interface in any
// state (a running solve with given status texts, given results) and see
// what it asked for. Each recorded call also carries its "time" (ms since
// the epoch).
#pragma once

#include <QObject>
#include <QUrl>
#include <QVariantList>
#include <QVariantMap>

class FakeController : public QObject {
    Q_OBJECT

#define FAKE_PROPERTY(type, name, signal, init)        \
    Q_PROPERTY(type name MEMBER name##_ NOTIFY signal) \
                                                       \
public:                                                \
    type name##_ = init;                               \
                                                       \
private:

    FAKE_PROPERTY(bool, running, runningChanged, false)
    FAKE_PROPERTY(QString, statusText, statusTextChanged, QStringLiteral("Ready"))
    FAKE_PROPERTY(double, progress, progressChanged, 0.0)
    FAKE_PROPERTY(int, resultIterations, resultsChanged, 0)
    FAKE_PROPERTY(double, resultExploitability, resultsChanged, 0.0)
    FAKE_PROPERTY(double, resultStartingPot, resultsChanged, 0.0)
    FAKE_PROPERTY(double, resultEvOop, resultsChanged, 0.0)
    FAKE_PROPERTY(double, resultEvIp, resultsChanged, 0.0)
    FAKE_PROPERTY(QString, resultsSummary, resultsChanged, QString())
    FAKE_PROPERTY(qulonglong, resultsReclaimableMemoryBytes, resultsChanged, 0)
    FAKE_PROPERTY(int, systemThreadCount, constantsChanged, 8)
    FAKE_PROPERTY(bool, developerMode, constantsChanged, false)
    FAKE_PROPERTY(qulonglong, solveRequiredMemoryBytes, solveRequiredMemoryChanged, 0)
    FAKE_PROPERTY(QString, solveRequiredMemoryText, solveRequiredMemoryChanged,
                  QString(QChar(0x2014)))
    FAKE_PROPERTY(qulonglong, systemAvailableMemoryBytes, systemMemoryChanged, 0)
    FAKE_PROPERTY(qulonglong, effectiveAvailableMemoryBytes, systemMemoryChanged, 0)
    FAKE_PROPERTY(QString, effectiveAvailableMemoryText, systemMemoryChanged,
                  QString(QChar(0x2014)))
    // When true, a start is refused as the controller does for an unusable spot.
    FAKE_PROPERTY(bool, refuseStarts, constantsChanged, false)
    // A start that runs and stops within the call, as "Already running" does.
    FAKE_PROPERTY(bool, stopsAtOnce, constantsChanged, false)
    FAKE_PROPERTY(QVariantList, calls, callsChanged, QVariantList())
    // A synthetic solved tree for the node queries: node index (as text) ->
    // {"meta": map, "actions": list, "actionStats": list, "handStrategy": map,
    //  "reach169": {bucket name, lower case ("" for none): map}, "combos": list,
    //  "seatCombos": {"OOP": list, "IP": list}, "buckets": list, "locks": list}.
    // The node count is the largest index + 1; a missing node or field answers
    // empty, as the controller does out of range. Setting it announces results.
    FAKE_PROPERTY(QVariantMap, tree, resultsChanged, QVariantMap())
    // The answer of nodeHandDistributions169, whatever the node.
    FAKE_PROPERTY(QVariantMap, distributionsAnswer, constantsChanged, QVariantMap())
    // The winner showdownWinner answers ("OOP", "IP", "TIE" or "UNKNOWN").
    FAKE_PROPERTY(QString, showdownAnswer, constantsChanged, QStringLiteral("UNKNOWN"))
    // The answer of readTextFile ({"ok", "error", "text"}), whatever the file.
    FAKE_PROPERTY(QVariantMap, readTextFileAnswer, constantsChanged, QVariantMap())
    // The answer of saveTextFile ({"ok", "error"}), whatever the file.
    FAKE_PROPERTY(QVariantMap, saveTextFileAnswer, constantsChanged, (QVariantMap{{"ok", true}}))
    // Texts readTextResource answers for given resource paths; any other path
    // is read from the program's resources, as the controller reads it.
    FAKE_PROPERTY(QVariantMap, resourceTexts, constantsChanged, QVariantMap())
#undef FAKE_PROPERTY

public:
    using QObject::QObject;

    Q_INVOKABLE void startSolveWithConfig(const QVariantMap& cfg);
    Q_INVOKABLE void startSolve();
    Q_INVOKABLE void cancelSolve();
    Q_INVOKABLE void clearResults();
    Q_INVOKABLE void requestSolveMemoryEstimate(const QVariantMap& cfg);
    Q_INVOKABLE void clearSolveMemoryEstimate();
    // Like the controller: without a refusal, the results are cleared
    // (resultsChanged) before the start is reported (runningChanged).
    Q_INVOKABLE void reSolveWithNodeLocks();
    // Announces results again without changing any figure.
    Q_INVOKABLE void emitResultsChanged() {
        emit resultsChanged();
    }

    // Node queries answered from `tree`, each call recorded.
    Q_INVOKABLE int treeNodeCount();
    Q_INVOKABLE QVariantMap nodeMeta(int nodeIndex);
    Q_INVOKABLE QVariantList nodeActions(int nodeIndex);
    Q_INVOKABLE QVariantList nodeActionStats(int nodeIndex);
    Q_INVOKABLE QVariantMap nodeHandStrategy(int nodeIndex);
    Q_INVOKABLE QVariantMap nodeHandStrategyReach169(int nodeIndex, const QString& bucketName);
    Q_INVOKABLE QVariantList nodeHandCombos(int nodeIndex);
    Q_INVOKABLE QVariantList nodeSeatHandCombos(int nodeIndex, const QString& seat);
    Q_INVOKABLE QVariantList nodeHandBuckets(int nodeIndex);
    Q_INVOKABLE QVariantList nodePocketActionEvs(int nodeIndex, const QString& seat,
                                                 const QString& c1, const QString& c2);
    Q_INVOKABLE QVariantList nodeLocks(int nodeIndex);
    Q_INVOKABLE QVariantMap nodeHandDistributions169(int nodeIndex);
    Q_INVOKABLE void emitHandDistributions169Ready(int nodeIndex) {
        emit handDistributions169Ready(nodeIndex);
    }

    // Lock edits, recorded; clearing also drops the node's "locks" in `tree`
    // (without announcing results).
    Q_INVOKABLE void setNodeLockProbs(int nodeIndex, const QString& hand,
                                      const QVariantList& probs);
    Q_INVOKABLE void clearNodeLocks(int nodeIndex);

    // Practice: both recorded; the showdown answers `showdownAnswer`.
    Q_INVOKABLE QVariantMap showdownWinner(const QString& boardText, const QString& oopText,
                                           const QString& ipText);
    Q_INVOKABLE void recordPlayVsSolutionHand(bool isMistake, double evLoss);

    // Files: recorded, answered with `readTextFileAnswer`.
    Q_INVOKABLE QVariantMap readTextFile(const QUrl& fileUrl);
    // Recorded with the URL and the text, answered with `saveTextFileAnswer`.
    Q_INVOKABLE QVariantMap saveTextFile(const QUrl& fileUrl, const QString& text);
    // Recorded; `resourceTexts` first, then the real resource.
    Q_INVOKABLE QString readTextResource(const QString& path);

    // The recorded calls of one method, their argument lists in order.
    Q_INVOKABLE QVariantList callsOf(const QString& method) const;
    Q_INVOKABLE void clearCalls();

signals:
    void runningChanged();
    void statusTextChanged();
    void progressChanged();
    void resultsChanged();
    void constantsChanged();
    void solveRequiredMemoryChanged();
    void systemMemoryChanged();
    void callsChanged();
    void handDistributions169Ready(int nodeIndex);

private:
    void record(const QString& method, const QVariantList& args);
    QVariant nodeField(const char* method, int nodeIndex, const QString& key,
                       const QVariantList& extraArgs = {});
};
