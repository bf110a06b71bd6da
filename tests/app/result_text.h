// Everything QML can read about a controller's result, as text, so that two
// controllers' results compare in one assertion.
#pragma once

#include "app/app_controller.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QMap>

namespace quendal_app::test {

// Compact JSON of a value: NaN and null compare equal, as the project file keeps them.
inline QByteArray canonical(const QVariant& v) {
    return QJsonDocument(QJsonArray{QJsonValue::fromVariant(v)}).toJson(QJsonDocument::Compact);
}

inline QByteArray resultText(AppController& c) {
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

}  // namespace quendal_app::test
