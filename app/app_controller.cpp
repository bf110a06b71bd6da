#include "app/app_controller.h"

#include <QCoreApplication>
#include <QDebug>
#include <QThread>
#include <algorithm>
#include <cmath>
#include <limits>
#include <thread>

namespace quendal_app {

namespace {

const QString kUnknown = QString(QChar(0x2014));

// A count of bytes (not 0) in gigabytes, one decimal below 10 and none from
// 10 up, and below a tenth of a gigabyte in whole megabytes, at least 1,
// rather than "0.0 GB"; with `more` decimals past those.
QString memoryFigure(std::uint64_t bytes, int more) {
    const double gigabytes = static_cast<double>(bytes) / 1073741824.0;
    if (gigabytes < 0.1) {
        const double megabytes = static_cast<double>(bytes) / 1048576.0;
        return QStringLiteral("%1 MB").arg(QString::number(
            more == 0 ? std::max(1.0, std::round(megabytes)) : megabytes, 'f', more));
    }
    return QStringLiteral("%1 GB").arg(
        QString::number(gigabytes, 'f', (gigabytes < 10.0 ? 1 : 0) + more));
}

int thread_count_from(int processors) {
    if (processors > 0) {
        return processors;
    }
    int fallback = QThread::idealThreadCount();
    if (fallback < 1) {
        fallback = static_cast<int>(std::thread::hardware_concurrency());
    }
    return fallback < 2 ? 1 : fallback;
}

}  // namespace

AppController::AppController(QObject* parent) : AppController(ControllerEnvironment{}, parent) {}

AppController::AppController(ControllerEnvironment environment, QObject* parent)
    : QObject(parent),
      environment_(std::move(environment)),
      systemMemoryText_(kUnknown),
      systemAvailableMemoryText_(kUnknown),
      solveRequiredMemoryText_(kUnknown),
      effectiveAvailableMemoryText_(kUnknown) {
    gate_ = std::make_shared<DeliveryGate>(this);
    developerMode_ = developerModeFromEnvironment();
    qInfo().noquote() << "[devtools] compiled_in=1"
                      << "QUENDAL_DEV_MODE=" << qEnvironmentVariable("QUENDAL_DEV_MODE")
                      << "KANDREWIT_DEV_MODE=" << qEnvironmentVariable("KANDREWIT_DEV_MODE")
                      << "ORBECK_DEV_MODE=" << qEnvironmentVariable("ORBECK_DEV_MODE")
                      << "developerMode=" << (developerMode_ ? "true" : "false");

    systemThreadCount_ = thread_count_from(environment_.processors ? environment_.processors() : 0);
    const std::optional<PhysicalMemory> memory =
        environment_.memory ? environment_.memory() : std::nullopt;
    systemMemoryBytes_ = memory ? memory->total_bytes : 0;
    systemAvailableMemoryBytes_ = memory ? memory->available_bytes : 0;
    systemMemoryText_ = formatGigabytes(systemMemoryBytes_);
    systemAvailableMemoryText_ = formatGigabytes(systemAvailableMemoryBytes_);
    refreshAvailableMemory();

    // A spot that needs more than the whole machine never fits: its count
    // stops there.
    const std::uint64_t estimateLimit =
        systemMemoryBytes_ != 0 ? systemMemoryBytes_ : std::numeric_limits<std::uint64_t>::max();
    estimator_ = std::make_unique<MemoryEstimator>(
        gate_,
        [this](std::uint64_t generation, MemoryFigure figure) {
            deliverSolveMemoryEstimate(generation, figure);
        },
        [estimateLimit](const SolveConfig& config) -> MemoryFigure {
            const std::optional<SolveMemoryEstimate> e =
                SolveSession::estimate_solve_memory(config, nullptr, estimateLimit);
            return e ? MemoryFigure{e->total_bytes, e->at_least} : MemoryFigure{};
        });

    ahead_ = std::make_unique<NodeResultsAhead>(
        [this](std::uint64_t node) { return session_.node_stats_and_combos(node); });

    memoryTimer_.setInterval(2000);
    memoryTimer_.setSingleShot(false);
    connect(&memoryTimer_, &QTimer::timeout, this, &AppController::refreshAvailableMemory);
    memoryTimer_.start();
    setStatus(TranslatableText("AppController", QT_TRANSLATE_NOOP("AppController", "Ready")));
}

AppController::~AppController() {
    // Nothing reaches this object from other threads from here on; then the
    // solve and the estimate stop before the members they use die.
    gate_->close();
    estimator_.reset();
    session_.cancel();
    session_.wait_until_idle();
    // Distribution computations read the session: they end before it does,
    // and so does the computation ahead.
    for (QFutureWatcher<QVariantMap>* watcher : runningDistributions_) {
        watcher->disconnect(this);
        watcher->waitForFinished();
    }
    ahead_.reset();
}

QString AppController::appDir() const {
    return QCoreApplication::applicationDirPath();
}

QString AppController::formatGigabytes(std::uint64_t bytes) {
    return bytes == 0 ? kUnknown : memoryFigure(bytes, 0);
}

std::pair<QString, QString> AppController::formatGigabytesApart(std::uint64_t a, std::uint64_t b) {
    if (a == 0 || b == 0 || a == b) {
        return {formatGigabytes(a), formatGigabytes(b)};
    }
    // A byte is more than 1e-10 GB and 1e-7 MB: ten more decimals always
    // tell two counts apart.
    for (int more = 0;; ++more) {
        QString first = memoryFigure(a, more);
        QString second = memoryFigure(b, more);
        if (first != second || more == 10) {
            return {std::move(first), std::move(second)};
        }
    }
}

bool AppController::envFlag(const char* name, bool& present) {
    const QByteArray raw = qgetenv(name);
    present = !raw.isEmpty();
    if (!present) {
        return false;
    }
    const QByteArray value = raw.trimmed().toLower();
    return value == "1" || value == "true" || value == "yes" || value == "on";
}

bool AppController::developerModeFromEnvironment() {
    for (const char* name : {"QUENDAL_DEV_MODE", "KANDREWIT_DEV_MODE", "ORBECK_DEV_MODE"}) {
        bool present = false;
        const bool on = envFlag(name, present);
        if (present) {
            return on;
        }
    }
    return false;
}

qulonglong AppController::effectiveAvailableMemoryBytes() const {
    const std::uint64_t max = std::numeric_limits<std::uint64_t>::max();
    const std::uint64_t sum = systemAvailableMemoryBytes_ > max - resultsReclaimableMemoryBytes_
                                  ? max
                                  : systemAvailableMemoryBytes_ + resultsReclaimableMemoryBytes_;
    return systemMemoryBytes_ != 0 ? std::min(sum, systemMemoryBytes_) : sum;
}

void AppController::refreshAvailableMemory() {
    const std::optional<PhysicalMemory> memory =
        environment_.memory ? environment_.memory() : std::nullopt;
    const std::uint64_t available = memory ? memory->available_bytes : 0;
    const QString text = formatGigabytes(available);
    const bool changed =
        available != systemAvailableMemoryBytes_ || text != systemAvailableMemoryText_;
    systemAvailableMemoryBytes_ = available;
    systemAvailableMemoryText_ = text;
    refreshMemoryTexts(false, changed);
}

void AppController::refreshMemoryTexts(bool requiredChanged, bool availableChanged) {
    const auto [required, available] =
        formatGigabytesApart(solveRequiredMemoryBytes_, effectiveAvailableMemoryBytes());
    const QString requiredText =
        solveRequiredAtLeast_
            ? QCoreApplication::translate("AppController", "at least %1").arg(required)
            : required;
    if (requiredText != solveRequiredMemoryText_) {
        solveRequiredMemoryText_ = requiredText;
        requiredChanged = true;
    }
    if (available != effectiveAvailableMemoryText_) {
        effectiveAvailableMemoryText_ = available;
        availableChanged = true;
    }
    if (requiredChanged) {
        emit solveRequiredMemoryChanged();
    }
    if (availableChanged) {
        emit systemMemoryChanged();
    }
}

void AppController::setStatus(const TranslatableText& status) {
    status_ = status;
    setStatusText(status_.text());
}

void AppController::retranslate() {
    setStatusText(status_.text());
    refreshMemoryTexts(false, false);
}

void AppController::setStatusText(const QString& text) {
    if (text == statusText_) {
        return;
    }
    statusText_ = text;
    emit statusTextChanged();
}

QDate AppController::today() const {
    return environment_.now ? environment_.now().date() : QDate::currentDate();
}

int AppController::treeNodeCount() const {
    return nodeRecords_ ? static_cast<int>(nodeRecords_->size()) : 0;
}

bool AppController::nodeResultsHeld(int nodeIndex) const {
    if (nodeIndex < 0 || nodeIndex >= treeNodeCount()) {
        return false;
    }
    if (!resultsFromFile_) {
        return true;
    }
    // Only decision nodes have results of their own to show.
    const NodeRecords::Node& node = nodeRecords_->node(static_cast<std::size_t>(nodeIndex));
    if (nodeRecords_->text(node.kind) != "decision") {
        return true;
    }
    return handStrategyByNode_.contains(nodeIndex) && actionStatsByNode_.contains(nodeIndex) &&
           handCombosByNode_.contains(nodeIndex) && handBucketsByNode_.contains(nodeIndex);
}

QVariantMap AppController::nodeMeta(int nodeIndex) const {
    if (!nodeRecords_ || nodeIndex < 0 || nodeIndex >= treeNodeCount()) {
        return {};
    }
    return nodeRecords_->meta_map(static_cast<std::size_t>(nodeIndex));
}

QVariantList AppController::nodeActions(int nodeIndex) const {
    if (!nodeRecords_ || nodeIndex < 0 || nodeIndex >= treeNodeCount()) {
        return {};
    }
    return nodeRecords_->action_maps(static_cast<std::size_t>(nodeIndex));
}

}  // namespace quendal_app
