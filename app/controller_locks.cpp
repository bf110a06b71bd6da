// Node locks: one 169-class hand of the acting player held to given action
// probabilities at one node.
#include "app/app_controller.h"
#include "session/action_labels.h"

#include <cmath>

namespace quendal_app {

int AppController::nodeActionCount(int nodeIndex) const {
    if (!nodeRecords_ || nodeIndex < 0 || nodeIndex >= treeNodeCount()) {
        return 0;
    }
    const NodeRecords::Node& node = nodeRecords_->node(static_cast<std::size_t>(nodeIndex));
    return nodeRecords_->text(node.kind) == "decision" ? static_cast<int>(node.action_count) : 0;
}

void AppController::seedNodeLocksFromStrategy(int nodeIndex) {
    if (!nodeLocks_.value(nodeIndex).isEmpty()) {
        return;
    }
    const HandStrategyResult r = session_.node_hand_strategy(static_cast<std::uint64_t>(nodeIndex));
    const std::size_t classes = r.labels.size();
    const std::size_t actions = r.action_names.size();
    if (!r.ok || classes < 1 || actions < 1 || r.probs.size() != classes * actions) {
        return;
    }
    auto& node = nodeLocks_[nodeIndex];
    for (std::size_t i = 0; i < classes; ++i) {
        QVector<float> probs(static_cast<int>(actions));
        double sum = 0.0;
        for (std::size_t a = 0; a < actions; ++a) {
            const float p = r.probs[i * actions + a];
            probs[static_cast<int>(a)] = std::isfinite(p) && p > 0.0f ? p : 0.0f;
            sum += probs[static_cast<int>(a)];
        }
        for (float& p : probs) {
            p = sum > 0.0 ? static_cast<float>(p / sum) : 1.0f / static_cast<float>(actions);
        }
        node.insert(QString::fromStdString(r.labels[i]), NodeLockRecord{probs, -1, 1.0});
    }
}

// A lock holds one of the 169 classes as the program writes them: a project
// file keeps no other.
void AppController::setNodeLock(int nodeIndex, const QString& handLabel169, int actionIndex,
                                double actionProb) {
    if (nodeIndex < 0 || !is_hand_class_label(handLabel169.toStdString())) {
        return;
    }
    const int k = nodeActionCount(nodeIndex);
    // An action the node does not have would leave every action at 0.
    if (k == 0 || actionIndex >= k) {
        return;
    }
    seedNodeLocksFromStrategy(nodeIndex);
    const double q = std::isnan(actionProb) ? 0.0 : std::clamp(actionProb, 0.0, 1.0);
    QVector<float> probs;
    if (k == 1) {
        probs = {1.0f};
    } else {
        const float chosen = static_cast<float>(q);
        const float rest = (1.0f - chosen) / static_cast<float>(k - 1);
        const int picked = std::max(actionIndex, 0);
        for (int a = 0; a < k; ++a) {
            probs.append(a == picked ? chosen : rest);
        }
    }
    nodeLocks_[nodeIndex].insert(handLabel169, NodeLockRecord{probs, actionIndex, q});
}

void AppController::setNodeLockProbs(int nodeIndex, const QString& handLabel169,
                                     const QVariantList& actionProbs) {
    if (nodeIndex < 0 || !is_hand_class_label(handLabel169.toStdString())) {
        return;
    }
    const int k = nodeActionCount(nodeIndex);
    if (k <= 0 || actionProbs.size() > k) {
        return;
    }
    // Only a probability per action is a lock; anything else (a value
    // outside [0, 1], nothing above 0, more values than actions) changes
    // nothing rather than being made into a lock nobody set. Missing actions
    // count as 0.
    QVector<double> values(k, 0.0);
    double sum = 0.0;
    for (int i = 0; i < k && i < actionProbs.size(); ++i) {
        bool number = false;
        const double v = actionProbs[i].toDouble(&number);
        if (!number || !(v >= 0.0 && v <= 1.0)) {
            return;
        }
        values[i] = v;
        sum += v;
    }
    if (!(sum > 0.0)) {
        return;
    }
    QVector<float> probs;
    for (const double v : values) {
        probs.append(static_cast<float>(v / sum));
    }
    nodeLocks_[nodeIndex].insert(handLabel169, NodeLockRecord{probs, -1, 1.0});
}

void AppController::clearNodeLocks(int nodeIndex) {
    if (nodeIndex >= 0) {
        nodeLocks_.remove(nodeIndex);
    }
}

bool AppController::hasUnsolvedLockEdits() const {
    return treeNodeCount() > 0 && nodeLocks_ != solvedNodeLocks_;
}

QVariantList AppController::nodeLocks(int nodeIndex) const {
    return nodeLockRows(nodeLocks_, nodeIndex);
}

}  // namespace quendal_app
