// The node locks the user set, by node and 169-class hand label.
#pragma once

#include <QHash>
#include <QString>
#include <QVector>

namespace quendal_app {

struct NodeLockRecord {
    QVector<float> actionProbs;  // one weight per action, or empty
    int actionIndex = 0;         // single-action form when the list is empty
    double actionProb = 1.0;
};

using NodeLockTable = QHash<int, QHash<QString, NodeLockRecord>>;

}  // namespace quendal_app
