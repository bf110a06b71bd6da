// Solve control, progress and result delivery, and memory-estimate requests.
#include "app/app_controller.h"
#include "app/progress_mailbox.h"
#include "app/same_solution.h"
#include "app/solve_config_map.h"
#include "session/memory_estimate.h"

#include <QCoreApplication>
#include <QDebug>

namespace quendal_app {

namespace {

// The status of a start refused for `problem`.
TranslatableText refusalStatus(const SolveMapProblem& problem) {
    using Kind = SolveMapProblem::Kind;
    const auto text = [](const char* source, const QString& arg = {}) {
        return arg.isEmpty()
                   ? TranslatableText("AppController", source)
                   : TranslatableText("AppController", source, {TranslatableText::plain(arg)});
    };
    switch (problem.kind) {
        case Kind::Board:
            return text(QT_TRANSLATE_NOOP("AppController", "Not ready: enter a valid board first"));
        case Kind::Street:
            return text(QT_TRANSLATE_NOOP(
                "AppController", "Not ready: the starting street is not the street of the board"));
        case Kind::Range:
            return text(QT_TRANSLATE_NOOP("AppController",
                                          "Not ready: select at least one hand in both ranges"));
        case Kind::SizingMissing:
            return text(
                QT_TRANSLATE_NOOP("AppController", "Not ready: fill out both OOP and IP sizing"));
        case Kind::Sizing:
            return text(
                QT_TRANSLATE_NOOP("AppController", "Not ready: a sizing text does not read: %1"),
                problem.engineMessage);
        case Kind::Amount:
            return text(QT_TRANSLATE_NOOP("AppController",
                                          "Not ready: the pot and the stack must be above 0"));
        case Kind::Rake:
            return text(
                QT_TRANSLATE_NOOP("AppController", "Not ready: rake must be between 0 and 100%"));
        case Kind::None:
            break;
    }
    return {};
}

// The report without its per-node records, which travel compacted.
SolveProgress lightCopy(const SolveProgress& report) {
    SolveProgress copy;
    copy.progress = report.progress;
    copy.status = report.status;
    if (report.result) {
        const SolveResultSnapshot& s = *report.result;
        SolveResultSnapshot light;
        light.ok = s.ok;
        light.error = s.error;
        light.board = s.board;
        light.starting_pot = s.starting_pot;
        light.effective_stack = s.effective_stack;
        light.iterations = s.iterations;
        light.exploitability = s.exploitability;
        light.ev_oop = s.ev_oop;
        light.ev_ip = s.ev_ip;
        light.root_action_labels = s.root_action_labels;
        light.root_action_codes = s.root_action_codes;
        light.root_action_frequencies = s.root_action_frequencies;
        copy.result = std::move(light);
    }
    return copy;
}

}  // namespace

void AppController::setRunning(bool running) {
    if (running_ != running) {
        running_ = running;
        emit runningChanged();
    }
}

void AppController::setProgress(double progress) {
    if (progress_ != progress) {
        progress_ = progress;
        emit progressChanged();
    }
}

void AppController::clearNodeCaches() {
    ++cacheEpoch_;
    handStrategyByNode_.clear();
    reach169ByKey_.clear();
    actionStatsByNode_.clear();
    handCombosByNode_.clear();
    handBucketsByNode_.clear();
    seatHandCombosOopByNode_.clear();
    seatHandCombosIpByNode_.clear();
    statsAndCombosByNode_.clear();
    ahead_->clear();
    distributionsByNode_.clear();
    pendingDistributions_.clear();
}

void AppController::clearResultLists() {
    rootActions_.clear();
    nodeRecords_.reset();
    resultsSummary_.clear();
    resultStartingPot_ = 0.0;
    resultIterations_ = 0;
    resultExploitability_ = 0.0;
    resultEvOop_ = 0.0;
    resultEvIp_ = 0.0;
    resultsReclaimableMemoryBytes_ = 0;
}

void AppController::startSolve() {
    startSolveWithConfig(QVariantMap());
}

void AppController::startSolveWithConfig(const QVariantMap& cfg) {
    if (running_) {
        return;
    }
    setStatus(TranslatableText("AppController", QT_TRANSLATE_NOOP("AppController", "Starting...")));
    const auto value = [&](const char* key) { return cfg.value(QString::fromLatin1(key)); };
    qInfo().noquote() << "UI startSolveWithConfig: board=" << value("board").toString()
                      << " oop_range.len=" << value("oop_range").toString().size()
                      << " ip_range.len=" << value("ip_range").toString().size()
                      << " pot=" << value("starting_pot").toInt()
                      << " stack=" << value("effective_stack").toInt()
                      << " rake%=" << value("rake_percent").toDouble()
                      << " rake_cap=" << value("rake_cap").toDouble()
                      << " iters=" << value("max_iterations").toInt()
                      << " target_expl=" << value("target_exploitability").toDouble()
                      << " oop_flop_bets=" << value("oop_flop_bet_sizes").toString()
                      << " oop_flop_raises=" << value("oop_flop_raise_sizes").toString()
                      << " ip_flop_bets=" << value("ip_flop_bet_sizes").toString()
                      << " ip_flop_raises=" << value("ip_flop_raise_sizes").toString()
                      << " oop_jam_thr_en="
                      << value("oop_add_all_in_jam_threshold_enabled").toBool()
                      << " oop_jam_thr_pct=" << value("oop_add_all_in_jam_threshold_pct").toDouble()
                      << " ip_jam_thr_en=" << value("ip_add_all_in_jam_threshold_enabled").toBool()
                      << " ip_jam_thr_pct=" << value("ip_add_all_in_jam_threshold_pct").toDouble();
    // A map that cannot be solved is refused before anything held changes:
    // the result, its configuration and the locks stay as they were.
    const SolveMapProblem problem = solveMapProblem(cfg);
    if (problem.kind != SolveMapProblem::Kind::None) {
        setStatus(refusalStatus(problem));
        return;
    }
    lastSolveConfig_ = cfg;
    const bool applyNodeLocks = cfg.value("apply_node_locks").toBool();
    if (!applyNodeLocks && !nodeLocks_.isEmpty()) {
        nodeLocks_.clear();
    }
    const SolveConfig config =
        buildSolveConfig(cfg, applyNodeLocks ? &nodeLocks_ : nullptr, systemThreadCount_);
    // A re-solve of an opened file's spot is compared with the root the file
    // kept; any other start forgets it.
    const bool reSolveOfFile = reSolveRequested_ && resultsFromFile_ && !fileRootCombos_.isEmpty();
    resultsFromFile_ = false;
    checkRootAgainstFile_ = false;
    fileSolutionCheck_.clear();
    if (!reSolveOfFile) {
        forgetFileResults();
    }
    session_.reset();
    clearNodeCaches();
    clearResultLists();
    // The locks this solve's result will have been solved with: lock edits
    // made after it are the user's, not the result's.
    solvedNodeLocks_ = applyNodeLocks ? nodeLocks_ : NodeLockTable{};
    emit resultsChanged();
    refreshMemoryTexts(false, true);
    refreshAvailableMemory();
    // The need of this very configuration, measured against what is free once
    // the previous result is gone; an unknown figure (an unusable spot, which
    // the solve then reports, or unknown free memory) never refuses.
    const std::uint64_t available = systemAvailableMemoryBytes_;
    const MemoryFigure need = available != 0 ? memoryNeededToStart(config, available)
                                             : MemoryFigure{solveRequiredMemoryBytes_, false};
    runningSolveEstimate_ = need.bytes;
    if (need.bytes != 0 && available != 0 && available <= need.bytes) {
        const char* text =
            need.at_least
                ? QT_TRANSLATE_NOOP(
                      "AppController",
                      "Not enough memory: this spot needs at least %1, %2 are available")
                : QT_TRANSLATE_NOOP("AppController",
                                    "Not enough memory: this spot needs %1, %2 are available");
        const auto [needText, availableText] = formatGigabytesApart(need.bytes, available);
        setStatus(TranslatableText(
            "AppController", text,
            {TranslatableText::plain(needText), TranslatableText::plain(availableText)}));
        return;
    }
    solveStartTime_ = std::chrono::steady_clock::now();
    setRunning(true);
    const std::uint64_t epoch = ++epoch_;
    if (session_.start(config, solveProgressCallback(epoch))) {
        sessionEpoch_ = epoch;
        checkRootAgainstFile_ = reSolveOfFile;
    } else {
        // The session still finishes a solve whose epoch has ended (one
        // cleared or replaced mid-run); nothing of ours runs.
        setStatus(TranslatableText("AppController",
                                   QT_TRANSLATE_NOOP("AppController", "Already running")));
        setRunning(false);
    }
}

QVariantMap AppController::spotTextErrors(const QVariantMap& cfg) const {
    return quendal_app::spotTextErrors(buildSolveConfig(cfg, nullptr, systemThreadCount_));
}

void AppController::reSolveWithNodeLocks() {
    if (running_) {
        return;
    }
    if (lastSolveConfig_.isEmpty()) {
        setStatus(TranslatableText(
            "AppController",
            QT_TRANSLATE_NOOP("AppController", "No previous solve config (solve once first)")));
        return;
    }
    QVariantMap cfg = lastSolveConfig_;
    cfg["apply_node_locks"] = true;
    reSolveRequested_ = true;
    startSolveWithConfig(cfg);
    reSolveRequested_ = false;
}

void AppController::forgetFileResults() {
    resultsFromFile_ = false;
    fileRootCombos_.clear();
    fileRootStats_.clear();
    checkRootAgainstFile_ = false;
    fileSolutionCheck_.clear();
}

void AppController::cancelSolve() {
    session_.cancel();
    setStatus(
        TranslatableText("AppController", QT_TRANSLATE_NOOP("AppController", "Cancelling...")));
}

void AppController::clearResults() {
    session_.cancel();
    session_.reset();
    ++epoch_;  // whatever the cancelled solve still reports is not shown
    clearNodeCaches();
    nodeLocks_.clear();
    solvedNodeLocks_.clear();
    clearResultLists();
    forgetFileResults();
    lastSolveConfig_.clear();
    runningSolveEstimate_ = 0;
    setProgress(0.0);
    setStatus(TranslatableText("AppController", QT_TRANSLATE_NOOP("AppController", "Ready")));
    setRunning(false);
    emit resultsChanged();
    refreshMemoryTexts(false, true);
}

SolveSession::ProgressCallback AppController::solveProgressCallback(std::uint64_t epoch) {
    std::shared_ptr<DeliveryGate> gate = gate_;
    auto mailbox = std::make_shared<ProgressMailbox>();
    return [this, gate, epoch, mailbox](const SolveProgress& report) {
        // On the worker: iteration reports are coalesced, the others copied
        // (the per-node results compacted) and posted in order.
        if (!report.result && report.status.rfind("Iter ", 0) == 0) {
            if (std::optional<SolveProgress> first = mailbox->putIteration(lightCopy(report))) {
                mailbox->posted();
                gate->post([this, epoch, mailbox, first = std::move(*first)] {
                    const std::optional<SolveProgress> newest = mailbox->takeWaiting();
                    mailbox->delivered();
                    onSolveProgress(epoch, first, nullptr, nullptr,
                                    newest ? nullptr : mailbox.get());
                    if (newest) {
                        onSolveProgress(epoch, *newest, nullptr, nullptr, mailbox.get());
                    }
                });
            }
            return;
        }
        std::shared_ptr<const NodeRecords> records;
        std::shared_ptr<const NodeStatsAndCombos> rootResults;
        if (report.result && report.result->ok) {
            records = NodeRecords::from_snapshot(*report.result);
            // The session holds this solve's state by now. Without the
            // root's results the page computes them when it asks.
            try {
                NodeStatsAndCombos root = session_.node_stats_and_combos(0);
                if (root.stats.ok || root.combos.ok) {
                    rootResults = std::make_shared<const NodeStatsAndCombos>(std::move(root));
                }
            } catch (const std::exception&) {
                rootResults.reset();
            }
        }
        mailbox->posted();
        gate->post([this, epoch, mailbox, copy = lightCopy(report), records = std::move(records),
                    rootResults = std::move(rootResults)] {
            mailbox->delivered();
            onSolveProgress(epoch, copy, records, rootResults, mailbox.get());
        });
    };
}

void AppController::onSolveProgress(std::uint64_t epoch, const SolveProgress& report,
                                    std::shared_ptr<const NodeRecords> records,
                                    std::shared_ptr<const NodeStatsAndCombos> rootResults,
                                    const ProgressMailbox* mailbox) {
    if (epoch != epoch_) {
        // A report of an older solve. Its final report may only settle
        // `running`, and only when the session started no newer solve.
        if (report.result && sessionEpoch_ == epoch) {
            setRunning(false);
        }
        return;
    }
    const QString status = QString::fromStdString(report.status);
    qInfo().noquote() << "UI solve progress: p=" << report.progress << " status=" << status
                      << " has_result=" << report.result.has_value();
    setProgress(report.progress);
    setStatus(TranslatableText::plain(status));
    if (report.result) {
        const SolveResultSnapshot& s = *report.result;
        QString summary;
        if (!s.ok) {
            summary = QStringLiteral("Solve failed: %1").arg(QString::fromStdString(s.error));
            rootActions_.clear();
            nodeRecords_.reset();
            clearNodeCaches();
            resultStartingPot_ = 0.0;
            resultIterations_ = 0;
            resultExploitability_ = 0.0;
            resultEvOop_ = 0.0;
            resultEvIp_ = 0.0;
        } else {
            clearNodeCaches();
            if (rootResults) {
                statsAndCombosByNode_.insert(0, std::move(rootResults));
            }
            summary = QStringLiteral("Board %1 | iters %2 | expl\u2248%3 | EV(oop)=%4 EV(ip)=%5")
                          .arg(QString::fromStdString(s.board))
                          .arg(s.iterations)
                          .arg(QString::number(s.exploitability / 100.0, 'f', 4))
                          .arg(QString::number(s.ev_oop / 100.0, 'f', 3))
                          .arg(QString::number(s.ev_ip / 100.0, 'f', 3));
            const qint64 runtimeMs = solveStartTime_
                                         ? std::chrono::duration_cast<std::chrono::milliseconds>(
                                               std::chrono::steady_clock::now() - *solveStartTime_)
                                               .count()
                                         : 0;
            recordSolveActivity(static_cast<int>(s.iterations), s.exploitability / 100.0,
                                runtimeMs);
            emit solveStatsChanged();
            resultStartingPot_ = s.starting_pot / 100.0;
            resultIterations_ = static_cast<int>(s.iterations);
            resultExploitability_ = s.exploitability / 100.0;
            resultEvOop_ = s.ev_oop / 100.0;
            resultEvIp_ = s.ev_ip / 100.0;
            resultsReclaimableMemoryBytes_ = runningSolveEstimate_;
            refreshMemoryTexts(false, true);
            const std::size_t n = std::min({s.root_action_labels.size(), s.root_action_codes.size(),
                                            s.root_action_frequencies.size()});
            if (s.root_action_labels.size() != n || s.root_action_codes.size() != n ||
                s.root_action_frequencies.size() != n) {
                qWarning() << "Result root action arrays have mismatched sizes:"
                           << "names=" << s.root_action_labels.size()
                           << "types=" << s.root_action_codes.size()
                           << "freqs=" << s.root_action_frequencies.size() << "(using n=" << n
                           << ")";
            }
            rootActions_.clear();
            for (std::size_t i = 0; i < n; ++i) {
                rootActions_.append(
                    QVariantMap{{"name", QString::fromStdString(s.root_action_labels[i])},
                                {"actionType", QString::fromStdString(s.root_action_codes[i])},
                                {"frequency", s.root_action_frequencies[i]}});
            }
            nodeRecords_ = std::move(records);
            if (checkRootAgainstFile_ && report.status == "Done") {
                const bool same = sameNodeSolution(fileRootCombos_, fileRootStats_,
                                                   nodeHandCombos(0), nodeActionStats(0));
                fileSolutionCheck_ = same ? QStringLiteral("same") : QStringLiteral("differs");
                if (!same) {
                    qWarning() << "The re-solved root differs from the root the project file kept";
                }
            }
        }
        checkRootAgainstFile_ = false;
        fileRootCombos_.clear();
        fileRootStats_.clear();
        resultsSummary_ = summary;
        qInfo().noquote() << "UI about to emit resultsChanged: root_actions=" << rootActions_.size()
                          << " summary.len=" << resultsSummary_.size();
        emit resultsChanged();
        qInfo().noquote() << "UI emitted resultsChanged";
        setRunning(false);
    } else if (mailbox && !session_.is_running() && mailbox->idle()) {
        // The worker has ended and nothing more of it is on its way: a
        // final report that could not be handed over never comes. (Asked
        // now, not when this delivery began: the GUI thread may have been
        // held up in between while the worker ran to its end.)
        setRunning(false);
    }
}

void AppController::requestSolveMemoryEstimate(const QVariantMap& cfg) {
    const std::uint64_t generation = ++estimateGeneration_;
    requestedEstimateConfig_ = buildSolveConfig(cfg, nullptr, systemThreadCount_);
    estimator_->request(generation, requestedEstimateConfig_);
}

void AppController::clearSolveMemoryEstimate() {
    deliverSolveMemoryEstimate(++estimateGeneration_, MemoryFigure{});
}

void AppController::deliverSolveMemoryEstimate(std::uint64_t generation, MemoryFigure figure) {
    if (generation != estimateGeneration_.load()) {
        return;
    }
    if (figure.bytes != 0) {
        estimatedConfig_ = requestedEstimateConfig_;
    } else {
        estimatedConfig_.reset();
    }
    solveRequiredAtLeast_ = figure.bytes != 0 && figure.at_least;
    const bool changed = figure.bytes != solveRequiredMemoryBytes_;
    solveRequiredMemoryBytes_ = figure.bytes;
    refreshMemoryTexts(changed, false);
}

MemoryFigure AppController::memoryNeededToStart(const SolveConfig& config,
                                                std::uint64_t availableBytes) const {
    // The published figure answers when it is this spot's and decides: exact,
    // or a lower bound that is already too much.
    if (estimatedConfig_ && same_estimate_inputs(*estimatedConfig_, config) &&
        (!solveRequiredAtLeast_ || solveRequiredMemoryBytes_ >= availableBytes)) {
        return {solveRequiredMemoryBytes_, solveRequiredAtLeast_};
    }
    // Counting stops past the free memory, so a spot of any size costs at
    // most what one that fits costs.
    const std::optional<SolveMemoryEstimate> e =
        SolveSession::estimate_solve_memory(config, nullptr, availableBytes);
    return e ? MemoryFigure{e->total_bytes, e->at_least} : MemoryFigure{};
}

}  // namespace quendal_app
