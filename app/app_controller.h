// The one object through which the interface reaches the engine: solve
// control and results, node queries, node locks, project files, text files,
// statistics and the machine's figures. Everything runs on the GUI thread;
// long work runs elsewhere and is handed back by queued calls.
#pragma once

#include "app/delivery_gate.h"
#include "app/memory_estimator.h"
#include "app/node_lock_table.h"
#include "app/node_records.h"
#include "app/node_results_ahead.h"
#include "app/project_file.h"
#include "app/system_figures.h"
#include "app/translatable_text.h"
#include "session/solve_session.h"

#include <QFutureWatcher>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <QVariantList>
#include <QVariantMap>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>

namespace quendal_app {

class ProgressMailbox;

class AppController : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString appDir READ appDir CONSTANT)
    Q_PROPERTY(bool useTbb READ useTbb CONSTANT)
    Q_PROPERTY(int systemThreadCount READ systemThreadCount CONSTANT)
    Q_PROPERTY(QString systemMemoryText READ systemMemoryText CONSTANT)
    Q_PROPERTY(
        QString systemAvailableMemoryText READ systemAvailableMemoryText NOTIFY systemMemoryChanged)
    Q_PROPERTY(qulonglong systemMemoryBytes READ systemMemoryBytes CONSTANT)
    Q_PROPERTY(qulonglong systemAvailableMemoryBytes READ systemAvailableMemoryBytes NOTIFY
                   systemMemoryChanged)
    Q_PROPERTY(QString effectiveAvailableMemoryText READ effectiveAvailableMemoryText NOTIFY
                   systemMemoryChanged)
    Q_PROPERTY(qulonglong effectiveAvailableMemoryBytes READ effectiveAvailableMemoryBytes NOTIFY
                   systemMemoryChanged)
    Q_PROPERTY(QString solveRequiredMemoryText READ solveRequiredMemoryText NOTIFY
                   solveRequiredMemoryChanged)
    Q_PROPERTY(qulonglong solveRequiredMemoryBytes READ solveRequiredMemoryBytes NOTIFY
                   solveRequiredMemoryChanged)
    Q_PROPERTY(bool running READ running NOTIFY runningChanged)
    Q_PROPERTY(double progress READ progress NOTIFY progressChanged)
    Q_PROPERTY(QString statusText READ statusText NOTIFY statusTextChanged)
    Q_PROPERTY(QString resultsSummary READ resultsSummary NOTIFY resultsChanged)
    Q_PROPERTY(double resultStartingPot READ resultStartingPot NOTIFY resultsChanged)
    Q_PROPERTY(int resultIterations READ resultIterations NOTIFY resultsChanged)
    Q_PROPERTY(double resultExploitability READ resultExploitability NOTIFY resultsChanged)
    Q_PROPERTY(double resultEvOop READ resultEvOop NOTIFY resultsChanged)
    Q_PROPERTY(double resultEvIp READ resultEvIp NOTIFY resultsChanged)
    Q_PROPERTY(QVariantList rootActions READ rootActions NOTIFY resultsChanged)
    Q_PROPERTY(qulonglong resultsReclaimableMemoryBytes READ resultsReclaimableMemoryBytes NOTIFY
                   resultsChanged)
    Q_PROPERTY(bool developerMode READ developerMode CONSTANT)
    // The results shown are a project file's: no solve of them is held, and
    // only the nodes the file keeps can be shown.
    Q_PROPERTY(bool resultsFromFile READ resultsFromFile NOTIFY resultsChanged)
    // After a re-solve of an opened file's spot: "same" when the solve's root
    // agrees with the root the file kept, "differs" when it does not; else
    // empty.
    Q_PROPERTY(QString fileSolutionCheck READ fileSolutionCheck NOTIFY resultsChanged)

public:
    explicit AppController(QObject* parent = nullptr);
    AppController(ControllerEnvironment environment, QObject* parent = nullptr);
    ~AppController() override;

    QString appDir() const;
    bool useTbb() const { return false; }
    int systemThreadCount() const { return systemThreadCount_; }
    QString systemMemoryText() const { return systemMemoryText_; }
    QString systemAvailableMemoryText() const { return systemAvailableMemoryText_; }
    qulonglong systemMemoryBytes() const { return systemMemoryBytes_; }
    qulonglong systemAvailableMemoryBytes() const { return systemAvailableMemoryBytes_; }
    QString effectiveAvailableMemoryText() const { return effectiveAvailableMemoryText_; }
    qulonglong effectiveAvailableMemoryBytes() const;
    QString solveRequiredMemoryText() const { return solveRequiredMemoryText_; }
    qulonglong solveRequiredMemoryBytes() const { return solveRequiredMemoryBytes_; }
    bool running() const { return running_; }
    double progress() const { return progress_; }
    QString statusText() const { return statusText_; }
    QString resultsSummary() const { return resultsSummary_; }
    double resultStartingPot() const { return resultStartingPot_; }
    int resultIterations() const { return resultIterations_; }
    double resultExploitability() const { return resultExploitability_; }
    double resultEvOop() const { return resultEvOop_; }
    double resultEvIp() const { return resultEvIp_; }
    QVariantList rootActions() const { return rootActions_; }
    qulonglong resultsReclaimableMemoryBytes() const { return resultsReclaimableMemoryBytes_; }
    bool developerMode() const { return developerMode_; }
    bool resultsFromFile() const { return resultsFromFile_; }
    QString fileSolutionCheck() const { return fileSolutionCheck_; }

    // Solve control.
    Q_INVOKABLE void startSolve();
    Q_INVOKABLE void startSolveWithConfig(const QVariantMap& cfg);
    Q_INVOKABLE void reSolveWithNodeLocks();
    Q_INVOKABLE void cancelSolve();
    Q_INVOKABLE void clearResults();
    Q_INVOKABLE void requestSolveMemoryEstimate(const QVariantMap& cfg);
    // Drops the figure (and any answer still on its way): the spot it was
    // for is no longer described.
    Q_INVOKABLE void clearSolveMemoryEstimate();
    // The engine's message for each text of the solve map it would refuse,
    // under the text's key; empty when it reads them all.
    Q_INVOKABLE QVariantMap spotTextErrors(const QVariantMap& cfg) const;

    // Statistics.
    Q_INVOKABLE QVariantList solveActivityGridLastYear() const;
    Q_INVOKABLE QVariantList solveActivityGridLastSixMonths() const;
    Q_INVOKABLE int solvesToday() const;
    Q_INVOKABLE QString firstSolveDateIso() const;
    Q_INVOKABLE QVariantList solveHistoryDaily() const;
    Q_INVOKABLE void recordPlayVsSolutionHand(bool isMistake, double evLoss);
    Q_INVOKABLE QVariantMap playVsSolutionStats() const;
    Q_INVOKABLE void clearPlayVsSolutionStats();

    // Files, resources and notices.
    Q_INVOKABLE void openLicensesFolder() const;
    Q_INVOKABLE void openThirdPartyNotices() const;
    Q_INVOKABLE QString readTextResource(const QString& path) const;
    Q_INVOKABLE bool saveProject(const QUrl& fileUrl, const QVariantMap& projectState) const;
    // Why the last saveProject returned false (the system's reason), else empty.
    Q_INVOKABLE QString lastSaveError() const { return lastSaveError_; }
    // The last saveProject left lock edits out: ones made since the result
    // was solved, which the file does not keep.
    Q_INVOKABLE bool lastSaveLeftOutLockEdits() const { return lastSaveLeftOutLockEdits_; }
    Q_INVOKABLE QVariantMap loadProject(const QUrl& fileUrl);
    Q_INVOKABLE QVariantMap saveTextFile(const QUrl& fileUrl, const QString& text) const;
    Q_INVOKABLE QVariantMap readTextFile(const QUrl& fileUrl) const;
    // What lies at a location a file dialog chose: "ok" (it names a local
    // path), "url" (as a file: URL), "folderUrl" (its folder), "path",
    // "name", "exists", "isDir".
    Q_INVOKABLE QVariantMap localFileStatus(const QUrl& fileUrl) const;

    // Node locks.
    Q_INVOKABLE void setNodeLock(int nodeIndex, const QString& handLabel169, int actionIndex,
                                 double actionProb);
    Q_INVOKABLE void setNodeLockProbs(int nodeIndex, const QString& handLabel169,
                                      const QVariantList& actionProbs);
    Q_INVOKABLE void clearNodeLocks(int nodeIndex);
    Q_INVOKABLE QVariantList nodeLocks(int nodeIndex) const;

    // Results and node queries.
    Q_INVOKABLE int treeNodeCount() const;
    // The node's results can be shown: a solve of them is held, or the
    // opened file keeps every query of the node (a decision node's strategy,
    // statistics, combos and buckets). False outside the tree.
    Q_INVOKABLE bool nodeResultsHeld(int nodeIndex) const;
    Q_INVOKABLE QVariantMap nodeMeta(int nodeIndex) const;
    Q_INVOKABLE QVariantList nodeActions(int nodeIndex) const;
    Q_INVOKABLE QVariantList nodeActionStats(int nodeIndex) const;
    Q_INVOKABLE QVariantList nodePocketActionEvs(int nodeIndex, const QString& player,
                                                 const QString& c1, const QString& c2) const;
    Q_INVOKABLE QVariantMap showdownWinner(const QString& boardText, const QString& oopText,
                                           const QString& ipText) const;
    Q_INVOKABLE QVariantMap nodeHandStrategy(int nodeIndex) const;
    Q_INVOKABLE QVariantMap nodeHandStrategyReach169(int nodeIndex,
                                                     const QString& bucketName) const;
    Q_INVOKABLE QVariantList nodeHandCombos(int nodeIndex) const;
    Q_INVOKABLE QVariantList nodeSeatHandCombos(int nodeIndex, const QString& player) const;
    Q_INVOKABLE QVariantList nodeHandBuckets(int nodeIndex) const;
    // At a node of the held solve that deals a card: {"ok": true, "classes":
    // {card text: position of the deal action it is dealt as}}, one entry per
    // card neither on the board nor dealt on the way. {"ok": false} anywhere
    // else, or with no solve held.
    Q_INVOKABLE QVariantMap nodeChanceCardClasses(int nodeIndex) const;
    Q_INVOKABLE QVariantMap nodeHandDistributions169(int nodeIndex);

    // "—" for 0, else "%1 GB": one decimal below 10, none from 10 up.
    static QString formatGigabytes(std::uint64_t bytes);
    // Two figures shown side by side, each as formatGigabytes writes it, with
    // as many more decimals as it takes for different counts to read apart.
    static std::pair<QString, QString> formatGigabytesApart(std::uint64_t a, std::uint64_t b);
    // The variable trimmed and lower-cased is "1", "true", "yes" or "on";
    // `present` tells whether it is set to a non-empty value.
    static bool envFlag(const char* name, bool& present);
    // The developer-mode variables in order; the first one present decides.
    static bool developerModeFromEnvironment();

    // Adds one finished solve to today's activity.
    void recordSolveActivity(int iterations, double exploitability, qint64 runtimeMs);

    // The kept per-node results, for the project file and for tests.
    std::shared_ptr<const NodeRecords> nodeRecords() const { return nodeRecords_; }
    const SolveSession& session() const { return session_; }
    const NodeResultsAhead& resultsAhead() const { return *ahead_; }

signals:
    void runningChanged();
    void progressChanged();
    void statusTextChanged();
    void resultsChanged();
    void handDistributions169Ready(int nodeIndex);
    void solveStatsChanged();
    void playVsSolutionStatsChanged();
    void systemMemoryChanged();
    void solveRequiredMemoryChanged();

public slots:
    // Builds the controller's own texts again in the interface language.
    void retranslate();
    void refreshAvailableMemory();

private:
    // Every status goes through here; the text is kept so that it can be
    // built again in another language.
    void setStatus(const TranslatableText& status);
    void setStatusText(const QString& text);
    // The need of the spot and the memory available for it, written apart;
    // each signal goes when its figure or its text changed.
    void refreshMemoryTexts(bool requiredChanged, bool availableChanged);
    void setRunning(bool running);
    void setProgress(double progress);
    QDate today() const;
    QVariantList activityGrid(int span) const;

    // Applies one report of the solve of `epoch` on the GUI thread; `records`
    // are the per-node results of an ok final report, built on the worker,
    // and `rootResults` the root's action statistics and combos, computed
    // there too so that the page's first questions cost the GUI thread
    // nothing (null when they could not be had); `mailbox` is the solve's
    // mailbox, asked at the end whether anything of the solve is still on its
    // way (null when a later report is known to follow).
    void onSolveProgress(std::uint64_t epoch, const SolveProgress& report,
                         std::shared_ptr<const NodeRecords> records,
                         std::shared_ptr<const NodeStatsAndCombos> rootResults,
                         const ProgressMailbox* mailbox);
    SolveSession::ProgressCallback solveProgressCallback(std::uint64_t epoch);
    void clearResultLists();
    void clearNodeCaches();
    // The node-lock seeding of the first setNodeLock on a node.
    void seedNodeLocksFromStrategy(int nodeIndex);
    // The number of actions a lock at the node holds: 0 unless a decision.
    int nodeActionCount(int nodeIndex) const;
    // Locks of the held result were edited since it was solved.
    bool hasUnsolvedLockEdits() const;
    // Project file parts.
    QVariantList nodeLocksToVariantList(const NodeLockTable& locks) const;
    // How project files are read and written here: on every core.
    ProjectFileWork fileWork() const;
    void nodeLocksFromVariantList(const QVariantList& locks);
    void onDistributionsFinished(QFutureWatcher<QVariantMap>* watcher, int nodeIndex,
                                 std::uint64_t cacheEpoch);
    void deliverSolveMemoryEstimate(std::uint64_t generation, MemoryFigure figure);
    // What a solve of the configuration needs, for the check before it
    // starts: the published estimate when it answers for this spot, else
    // counted now, the count stopping once it passes `availableBytes`.
    MemoryFigure memoryNeededToStart(const SolveConfig& config, std::uint64_t availableBytes) const;

    ControllerEnvironment environment_;
    bool running_ = false;
    double progress_ = 0.0;
    QString statusText_;
    TranslatableText status_;
    QString resultsSummary_;
    double resultStartingPot_ = 0.0;
    int resultIterations_ = 0;
    double resultExploitability_ = 0.0;
    double resultEvOop_ = 0.0;
    double resultEvIp_ = 0.0;
    QVariantList rootActions_;
    std::shared_ptr<const NodeRecords> nodeRecords_;
    QVariantMap lastSolveConfig_;
    mutable QString lastSaveError_;
    mutable bool lastSaveLeftOutLockEdits_ = false;
    NodeLockTable nodeLocks_;
    // The locks the held result was solved with (or opened with).
    NodeLockTable solvedNodeLocks_;
    // Every accepted start, clear and load begins an epoch; reports of an
    // older one change nothing the user sees.
    std::uint64_t epoch_ = 0;
    std::uint64_t sessionEpoch_ = 0;  // the epoch of the solve last started in the session
    SolveSession session_;
    int systemThreadCount_ = 1;
    QString systemMemoryText_;
    QString systemAvailableMemoryText_;
    std::uint64_t systemMemoryBytes_ = 0;
    std::uint64_t systemAvailableMemoryBytes_ = 0;
    QTimer memoryTimer_;
    QString solveRequiredMemoryText_;
    QString effectiveAvailableMemoryText_;
    std::uint64_t solveRequiredMemoryBytes_ = 0;
    bool solveRequiredAtLeast_ = false;
    SolveConfig requestedEstimateConfig_;         // of the newest estimate request
    std::optional<SolveConfig> estimatedConfig_;  // the spot of a known published figure
    std::uint64_t resultsReclaimableMemoryBytes_ = 0;
    std::uint64_t runningSolveEstimate_ = 0;
    std::atomic<std::uint64_t> estimateGeneration_{0};
    std::optional<std::chrono::steady_clock::time_point> solveStartTime_;
    mutable QString firstSolveDate_;
    bool resultsFromFile_ = false;
    // The root's hand rows and statistics as the opened file keeps them, for
    // the comparison with a re-solve of its spot.
    QVariantList fileRootCombos_;
    QVariantList fileRootStats_;
    bool reSolveRequested_ = false;      // within reSolveWithNodeLocks
    bool checkRootAgainstFile_ = false;  // the solve running re-solves the opened file's spot
    QString fileSolutionCheck_;
    // Forgets everything about an opened file's results.
    void forgetFileResults();
    bool developerMode_ = false;
    std::shared_ptr<DeliveryGate> gate_;
    std::unique_ptr<MemoryEstimator> estimator_;

    // The session's action statistics and combos of a node, computed
    // together by the first query that needs either; null when the session
    // has neither for the node.
    std::shared_ptr<const NodeStatsAndCombos> nodeStatsAndCombos(int nodeIndex) const;
    // Drops the node's shared results once the caches hold what they give.
    void releaseNodeStatsAndCombos(int nodeIndex) const;
    // Queues the decision nodes one action below the node, not yet asked
    // for, to be computed ahead: the user's next click is among them.
    void computeChildrenAhead(int nodeIndex) const;

    // Per-node query caches.
    mutable QHash<int, QVariantMap> handStrategyByNode_;
    mutable QHash<QString, QVariantMap> reach169ByKey_;
    mutable QHash<int, QVariantList> actionStatsByNode_;
    mutable QHash<int, QVariantList> handCombosByNode_;
    mutable QHash<int, QVariantList> handBucketsByNode_;
    mutable QHash<int, QVariantList> seatHandCombosOopByNode_;
    mutable QHash<int, QVariantList> seatHandCombosIpByNode_;
    // Shared results not yet turned into both maps (statistics and combo rows).
    mutable QHash<int, std::shared_ptr<const NodeStatsAndCombos>> statsAndCombosByNode_;
    QHash<int, QVariantMap> distributionsByNode_;
    QSet<int> pendingDistributions_;
    // Distributions started before the caches were last cleared store nothing.
    std::uint64_t cacheEpoch_ = 0;
    QList<QFutureWatcher<QVariantMap>*> runningDistributions_;
    // Statistics and combos of the nodes a click may reach next; made after
    // the session, whose queries it runs, and stopped before it.
    std::unique_ptr<NodeResultsAhead> ahead_;
};

}  // namespace quendal_app
