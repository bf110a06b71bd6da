// The node locks the user set, by node and 169-class hand label.
#pragma once

#include <QHash>
#include <QString>
#include <QVariantList>
#include <QVector>

namespace quendal_app {

struct NodeLockRecord {
    QVector<float> actionProbs;  // one weight per action, or empty
    int actionIndex = 0;         // single-action form when the list is empty
    double actionProb = 1.0;

    bool operator==(const NodeLockRecord&) const = default;
};

using NodeLockTable = QHash<int, QHash<QString, NodeLockRecord>>;

// The rows of one node's locks, as `nodeLocks` gives them to QML.
QVariantList nodeLockRows(const NodeLockTable& locks, int nodeIndex);

}  // namespace quendal_app
