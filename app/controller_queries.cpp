// Node queries answered from per-node caches or the session, as maps for QML.
#include "app/app_controller.h"
#include "core/thread_start.h"

#include <QCoreApplication>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>
#include <cmath>

namespace quendal_app {

namespace {

const QString kRanks169 = QStringLiteral("AKQJT98765432");

QString qtext(const std::string& s) {
    return QString::fromStdString(s);
}

QVariantList floats(const std::vector<float>& values) {
    QVariantList list;
    for (const float v : values) {
        list.append(v);
    }
    return list;
}

QVariantList texts(const std::vector<std::string>& values) {
    QVariantList list;
    for (const std::string& v : values) {
        list.append(qtext(v));
    }
    return list;
}

bool isIp(const QString& player) {
    return player.trimmed().toUpper() == QLatin1String("IP");
}

// "AKs", "T9o", "QQ" from two card texts; empty when a rank is unknown.
QString handClassLabel169(const QString& c1, const QString& c2) {
    if (c1.size() < 2 || c2.size() < 2) {
        return {};
    }
    const QChar r1 = c1[0].toUpper(), r2 = c2[0].toUpper();
    const int i1 = kRanks169.indexOf(r1), i2 = kRanks169.indexOf(r2);
    if (i1 < 0 || i2 < 0) {
        return {};
    }
    if (i1 == i2) {
        return QString(r1) + r1;
    }
    const bool suited = c1[1].toLower() == c2[1].toLower();
    return QString(i1 < i2 ? r1 : r2) + (i1 < i2 ? r2 : r1) + (suited ? "s" : "o");
}

QVariantList comboRows(const HandCombosResult& result) {
    QVariantList rows;
    for (const HandComboRecord& r : result.rows) {
        QVariantList evs;
        for (const double ev : r.action_evs) {
            evs.append(ev / 100.0);
        }
        rows.append(QVariantMap{{"c1", qtext(r.c1)},
                                {"c2", qtext(r.c2)},
                                {"weight", r.weight},
                                {"ev", r.ev / 100.0},
                                {"actionEvs", evs},
                                {"buckets", texts(r.buckets)},
                                {"actionProbs", floats(r.action_probs)}});
    }
    return rows;
}

}  // namespace

std::shared_ptr<const NodeStatsAndCombos> AppController::nodeStatsAndCombos(int nodeIndex) const {
    if (const auto it = statsAndCombosByNode_.constFind(nodeIndex);
        it != statsAndCombosByNode_.cend()) {
        return *it;
    }
    std::shared_ptr<const NodeStatsAndCombos> shared;
    if (std::optional<NodeResultsAhead::Result> ready = ahead_->take(nodeIndex)) {
        shared = std::move(*ready);
    } else {
        shared = std::make_shared<const NodeStatsAndCombos>(
            session_.node_stats_and_combos(static_cast<std::uint64_t>(nodeIndex)));
    }
    if (!shared->stats.ok && !shared->combos.ok) {
        return nullptr;
    }
    statsAndCombosByNode_.insert(nodeIndex, shared);
    return shared;
}

void AppController::computeChildrenAhead(int nodeIndex) const {
    if (!nodeRecords_ || resultsFromFile_ || nodeIndex < 0 ||
        static_cast<std::size_t>(nodeIndex) >= nodeRecords_->size()) {
        return;
    }
    std::vector<int> children;
    const NodeRecords::Node& node = nodeRecords_->node(static_cast<std::size_t>(nodeIndex));
    for (std::uint32_t j = 0; j < node.action_count; ++j) {
        const std::size_t child =
            nodeRecords_->action(static_cast<std::size_t>(nodeIndex), j).child;
        const int c = static_cast<int>(child);
        if (child < nodeRecords_->size() &&
            nodeRecords_->text(nodeRecords_->node(child).kind) == "decision" &&
            !statsAndCombosByNode_.contains(c) &&
            !(actionStatsByNode_.contains(c) && handCombosByNode_.contains(c))) {
            children.push_back(c);
        }
    }
    ahead_->queue(children);
}

void AppController::releaseNodeStatsAndCombos(int nodeIndex) const {
    const auto it = statsAndCombosByNode_.constFind(nodeIndex);
    if (it == statsAndCombosByNode_.cend()) {
        return;
    }
    const bool stats = !(*it)->stats.ok || actionStatsByNode_.contains(nodeIndex);
    const bool combos = !(*it)->combos.ok || handCombosByNode_.contains(nodeIndex);
    if (stats && combos) {
        statsAndCombosByNode_.erase(it);
    }
}

QVariantList AppController::nodeActionStats(int nodeIndex) const {
    if (nodeIndex < 0) {
        return {};
    }
    computeChildrenAhead(nodeIndex);
    if (const auto it = actionStatsByNode_.constFind(nodeIndex); it != actionStatsByNode_.cend()) {
        return *it;
    }
    const std::shared_ptr<const NodeStatsAndCombos> shared = nodeStatsAndCombos(nodeIndex);
    if (!shared || !shared->stats.ok) {
        return {};
    }
    const ActionStatsResult& r = shared->stats;
    const std::size_t n = std::min({r.labels.size(), r.codes.size(), r.frequency.size(),
                                    r.combos.size(), r.equity.size(), r.ev.size()});
    QVariantList rows;
    for (std::size_t i = 0; i < n; ++i) {
        rows.append(QVariantMap{{"name", qtext(r.labels[i])},
                                {"actionType", qtext(r.codes[i])},
                                {"frequency", r.frequency[i]},
                                {"combos", r.combos[i]},
                                {"equity", r.equity[i]},
                                {"ev", r.ev[i] / 100.0}});
    }
    actionStatsByNode_.insert(nodeIndex, rows);
    releaseNodeStatsAndCombos(nodeIndex);
    return rows;
}

QVariantMap AppController::nodeHandStrategy(int nodeIndex) const {
    if (nodeIndex < 0) {
        return {};
    }
    if (const auto it = handStrategyByNode_.constFind(nodeIndex);
        it != handStrategyByNode_.cend()) {
        return *it;
    }
    const HandStrategyResult r = session_.node_hand_strategy(static_cast<std::uint64_t>(nodeIndex));
    if (!r.ok) {
        return {};
    }
    QVariantMap weights, dominant, probs;
    const std::size_t classes = std::min({r.labels.size(), r.weights.size(), r.dominant.size()});
    for (std::size_t i = 0; i < classes; ++i) {
        weights.insert(qtext(r.labels[i]), r.weights[i]);
        dominant.insert(qtext(r.labels[i]), qtext(r.dominant[i]));
    }
    const QVariantList names = texts(r.action_names);
    const QVariantList stored = nodeActions(nodeIndex);
    QVariantList types;
    for (int i = 0; i < names.size(); ++i) {
        types.append(stored.size() == names.size() ? stored[i].toMap()["actionType"].toString()
                                                   : QStringLiteral("none"));
    }
    const std::size_t actions = r.action_names.size();
    if (actions >= 1 && r.probs.size() == r.labels.size() * actions) {
        for (std::size_t i = 0; i < r.labels.size(); ++i) {
            QVariantList row;
            for (std::size_t a = 0; a < actions; ++a) {
                row.append(r.probs[i * actions + a]);
            }
            probs.insert(qtext(r.labels[i]), row);
        }
    }
    const QVariantMap map{{"weights", weights},
                          {"dominantActionTypes", dominant},
                          {"actionNames", names},
                          {"actionTypeList", types},
                          {"actionProbs", probs}};
    handStrategyByNode_.insert(nodeIndex, map);
    return map;
}

QVariantList AppController::nodeHandCombos(int nodeIndex) const {
    if (nodeIndex < 0) {
        return {};
    }
    computeChildrenAhead(nodeIndex);
    if (const auto it = handCombosByNode_.constFind(nodeIndex); it != handCombosByNode_.cend()) {
        return *it;
    }
    const std::shared_ptr<const NodeStatsAndCombos> shared = nodeStatsAndCombos(nodeIndex);
    if (!shared || !shared->combos.ok) {
        return {};
    }
    const QVariantList rows = comboRows(shared->combos);
    handCombosByNode_.insert(nodeIndex, rows);
    releaseNodeStatsAndCombos(nodeIndex);
    return rows;
}

QVariantList AppController::nodeHandBuckets(int nodeIndex) const {
    if (nodeIndex < 0) {
        return {};
    }
    QVariantList rows;
    if (const auto it = handBucketsByNode_.constFind(nodeIndex); it != handBucketsByNode_.cend()) {
        rows = *it;
    } else {
        const HandBucketsResult r =
            session_.node_hand_buckets(static_cast<std::uint64_t>(nodeIndex));
        if (!r.ok) {
            return {};
        }
        for (const HandBucketRecord& b : r.buckets) {
            rows.append(QVariantMap{{"name", qtext(b.name)},
                                    {"combos", b.combos},
                                    {"actionProbs", floats(b.action_probs)}});
        }
        handBucketsByNode_.insert(nodeIndex, rows);
    }
    for (QVariant& row : rows) {
        QVariantMap map = row.toMap();
        map["displayName"] = QCoreApplication::translate(
            "HandBuckets", map.value("name").toString().toUtf8().constData());
        row = map;
    }
    return rows;
}

QVariantMap AppController::nodeChanceCardClasses(int nodeIndex) const {
    if (nodeIndex < 0) {
        return {{"ok", false}};
    }
    const ChanceCardClassesResult r =
        session_.node_chance_card_classes(static_cast<std::uint64_t>(nodeIndex));
    if (!r.ok) {
        return {{"ok", false}};
    }
    QVariantMap classes;
    for (const ChanceCardClass& c : r.classes) {
        classes.insert(qtext(c.card), static_cast<int>(c.action));
    }
    return {{"ok", true}, {"classes", classes}};
}

QVariantList AppController::nodeSeatHandCombos(int nodeIndex, const QString& player) const {
    if (nodeIndex < 0) {
        return {};
    }
    const bool ip = isIp(player);
    auto& cache = ip ? seatHandCombosIpByNode_ : seatHandCombosOopByNode_;
    const HandCombosResult r =
        session_.node_seat_hand_combos(static_cast<std::uint64_t>(nodeIndex), ip);
    if (!r.ok) {
        return cache.value(nodeIndex);
    }
    QVariantList rows;
    for (const HandComboRecord& c : r.rows) {
        rows.append(QVariantMap{{"c1", qtext(c.c1)}, {"c2", qtext(c.c2)}, {"weight", c.weight}});
    }
    cache.insert(nodeIndex, rows);
    return rows;
}

QVariantList AppController::nodePocketActionEvs(int nodeIndex, const QString& player,
                                                const QString& c1, const QString& c2) const {
    if (nodeIndex < 0) {
        return {};
    }
    const PocketActionEvsResult r = session_.node_pocket_action_evs(
        static_cast<std::uint64_t>(nodeIndex), isIp(player), c1.toStdString(), c2.toStdString());
    if (r.ok) {
        QVariantList evs;
        for (const double ev : r.evs) {
            evs.append(ev / 100.0);
        }
        return evs;
    }
    const QString a = c1.trimmed().toLower(), b = c2.trimmed().toLower();
    for (const QVariant& row : handCombosByNode_.value(nodeIndex)) {
        const QVariantMap m = row.toMap();
        const QString r1 = m.value("c1").toString().trimmed().toLower();
        const QString r2 = m.value("c2").toString().trimmed().toLower();
        if ((r1 == a && r2 == b) || (r1 == b && r2 == a)) {
            return m.value("actionEvs").toList();
        }
    }
    return {};
}

QVariantMap AppController::nodeHandStrategyReach169(int nodeIndex,
                                                    const QString& bucketName) const {
    if (nodeIndex < 0) {
        return {};
    }
    const QString filter = bucketName.trimmed().toLower();
    const QString key = QString::number(nodeIndex) + "|" + filter;
    if (const auto it = reach169ByKey_.constFind(key); it != reach169ByKey_.cend()) {
        return *it;
    }
    QVariantMap base = nodeHandStrategy(nodeIndex);
    int actions = base.value("actionTypeList").toList().size();
    // The node's combo rows, cached by nodeHandCombos. Cached rows came from
    // the solved state the session holds now (every change of it clears the
    // caches) or, with none held, from a project file; either way they are
    // the rows the session would give.
    const QVariantList combos = nodeHandCombos(nodeIndex);
    if (!handCombosByNode_.contains(nodeIndex)) {
        reach169ByKey_.insert(key, base);
        return base;
    }
    QVariantList rows;
    for (const QVariant& row : combos) {
        const QVariantMap m = row.toMap();
        if (m.value("c1").toString().size() >= 2 && m.value("c2").toString().size() >= 2) {
            rows.append(row);
        }
    }
    struct ClassSums {
        double weight = 0.0;
        int count = 0;
        QVector<double> probs;
    };
    QHash<QString, ClassSums> sums;
    for (const QVariant& row : rows) {
        const QVariantMap m = row.toMap();
        if (!filter.isEmpty()) {
            bool inBucket = false;
            for (const QVariant& b : m.value("buckets").toList()) {
                inBucket = inBucket || b.toString().trimmed().toLower() == filter;
            }
            if (!inBucket) {
                continue;
            }
        }
        const QString label = handClassLabel169(m.value("c1").toString(), m.value("c2").toString());
        double w = m.value("weight").toDouble();
        if (label.isEmpty() || !std::isfinite(w) || !(w > 0.0)) {
            continue;
        }
        w = std::min(w, 1.0);
        const QVariantList probs = m.value("actionProbs").toList();
        if (actions < 1) {
            actions = probs.size();
            if (actions < 1) {
                continue;
            }
        }
        ClassSums& s = sums[label];
        if (s.probs.size() < actions) {
            s.probs.resize(actions);
        }
        s.weight += w;
        s.count += 1;
        for (int a = 0; a < actions && a < probs.size(); ++a) {
            const double p = probs[a].toDouble();
            if (std::isfinite(p) && p > 0.0) {
                s.probs[a] += p * w;
            }
        }
    }
    QVariantMap weights, actionProbs;
    for (auto it = sums.cbegin(); it != sums.cend(); ++it) {
        const ClassSums& s = it.value();
        if (s.count < 1) {
            continue;
        }
        weights.insert(it.key(), s.weight / s.count);
        if (s.weight > 0.0 && !s.probs.isEmpty()) {
            QVector<double> q(s.probs.size());
            double total = 0.0;
            for (int a = 0; a < q.size(); ++a) {
                q[a] = s.probs[a] / s.weight;
                if (!std::isfinite(q[a]) || !(q[a] > 0.0)) {
                    q[a] = 0.0;
                }
                total += q[a];
            }
            QVariantList list;
            for (const double v : q) {
                list.append(total > 0.0 ? v / total : v);
            }
            actionProbs.insert(it.key(), list);
        }
    }
    if (!filter.isEmpty() || !weights.isEmpty() || !actionProbs.isEmpty()) {
        base["weights"] = weights;
        base["actionProbs"] = actionProbs;
    }
    reach169ByKey_.insert(key, base);
    return base;
}

QVariantMap AppController::nodeHandDistributions169(int nodeIndex) {
    QVariantMap map{{"ok", false},
                    {"pending", false},
                    {"nodeIndex", nodeIndex},
                    {"oopHands", QVariantList()},
                    {"ipHands", QVariantList()},
                    {"evOop", QVariantList()},
                    {"evIp", QVariantList()},
                    {"equityOop", QVariantList()},
                    {"equityIp", QVariantList()},
                    {"error", QString()}};
    if (nodeIndex < 0) {
        map["error"] = QStringLiteral("Invalid node index.");
        return map;
    }
    if (const auto it = distributionsByNode_.constFind(nodeIndex);
        it != distributionsByNode_.cend()) {
        return *it;
    }
    map["pending"] = true;
    map["error"] = QStringLiteral("Computing\u2026");
    if (pendingDistributions_.contains(nodeIndex)) {
        return map;
    }
    pendingDistributions_.insert(nodeIndex);
    auto* watcher = new QFutureWatcher<QVariantMap>(this);
    const std::uint64_t epoch = cacheEpoch_;
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, nodeIndex, epoch] {
        onDistributionsFinished(watcher, nodeIndex, epoch);
    });
    const SolveSession* session = &session_;
    watcher->setFuture(QtConcurrent::run(QThreadPool::globalInstance(), [session, nodeIndex] {
        quendal::on_thread_start();  // once per pool thread
        QVariantMap result{{"ok", false},
                           {"pending", false},
                           {"nodeIndex", nodeIndex},
                           {"hands", QVariantList()},
                           {"evOop", QVariantList()},
                           {"evIp", QVariantList()},
                           {"equityOop", QVariantList()},
                           {"equityIp", QVariantList()},
                           {"error", QString()}};
        const HandDistributionsResult r =
            session->node_hand_distributions(static_cast<std::uint64_t>(nodeIndex));
        if (!r.ok) {
            result["error"] = QStringLiteral("Distributions unavailable (no live solve state).");
            return result;
        }
        const auto chips = [](const std::vector<double>& values) {
            QVariantList list;
            for (const double v : values) {
                list.append(v / 100.0);
            }
            return list;
        };
        const auto plain = [](const std::vector<double>& values) {
            QVariantList list;
            for (const double v : values) {
                list.append(v);
            }
            return list;
        };
        result["oopHands"] = texts(r.oop_hands);
        result["ipHands"] = texts(r.ip_hands);
        result["evOop"] = chips(r.oop_ev);
        result["evIp"] = chips(r.ip_ev);
        result["equityOop"] = plain(r.oop_equity);
        result["equityIp"] = plain(r.ip_equity);
        result["ok"] = true;
        return result;
    }));
    runningDistributions_.append(watcher);
    return map;
}

void AppController::onDistributionsFinished(QFutureWatcher<QVariantMap>* watcher, int nodeIndex,
                                            std::uint64_t cacheEpoch) {
    const QVariantMap result = watcher->result();
    runningDistributions_.removeOne(watcher);
    watcher->deleteLater();
    if (cacheEpoch != cacheEpoch_) {
        return;  // the caches were cleared meanwhile: this answer belongs to nothing shown
    }
    pendingDistributions_.remove(nodeIndex);
    distributionsByNode_.insert(nodeIndex, result);
    emit handDistributions169Ready(nodeIndex);
}

}  // namespace quendal_app
