#include "app/node_lock_table.h"

#include <QVariantMap>

namespace quendal_app {

QVariantList nodeLockRows(const NodeLockTable& locks, int nodeIndex) {
    QVariantList rows;
    const auto node = locks.constFind(nodeIndex);
    if (node == locks.cend()) {
        return rows;
    }
    for (auto it = node->cbegin(); it != node->cend(); ++it) {
        QVariantMap row{
            {"hand", it.key()}, {"actionIndex", it->actionIndex}, {"actionProb", it->actionProb}};
        if (!it->actionProbs.isEmpty()) {
            QVariantList probs;
            for (const float p : it->actionProbs) {
                probs.append(p);
            }
            row["actionProbs"] = probs;
        }
        rows.append(row);
    }
    return rows;
}

}  // namespace quendal_app
