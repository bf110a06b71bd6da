#include "fake_controller.h"

#include <QDateTime>
#include <QFile>

void FakeController::record(const QString& method, const QVariantList& args) {
    calls_.append(QVariantMap{
        {"method", method}, {"args", args}, {"time", QDateTime::currentMSecsSinceEpoch()}});
    emit callsChanged();
}

void FakeController::startSolveWithConfig(const QVariantMap& cfg) {
    record(QStringLiteral("startSolveWithConfig"), {cfg});
    if (running_) {
        return;
    }
    statusText_ = refuseStarts_ ? QStringLiteral("Not ready: enter a valid board first")
                                : QStringLiteral("Starting...");
    emit statusTextChanged();
    if (!refuseStarts_) {
        running_ = true;
        emit runningChanged();
    }
    if (stopsAtOnce_) {
        statusText_ = QStringLiteral("Already running");
        emit statusTextChanged();
        running_ = false;
        emit runningChanged();
    }
}

void FakeController::startSolve() {
    record(QStringLiteral("startSolve"), {});
}

void FakeController::cancelSolve() {
    record(QStringLiteral("cancelSolve"), {});
    statusText_ = QStringLiteral("Cancelling...");
    emit statusTextChanged();
}

void FakeController::clearResults() {
    record(QStringLiteral("clearResults"), {});
}

void FakeController::requestSolveMemoryEstimate(const QVariantMap& cfg) {
    record(QStringLiteral("requestSolveMemoryEstimate"), {cfg});
}

void FakeController::clearSolveMemoryEstimate() {
    record(QStringLiteral("clearSolveMemoryEstimate"), {});
}

QVariantList FakeController::callsOf(const QString& method) const {
    QVariantList out;
    for (const QVariant& call : calls_) {
        const QVariantMap m = call.toMap();
        if (m.value("method").toString() == method) {
            out.append(QVariant(m.value("args")));
        }
    }
    return out;
}

void FakeController::clearCalls() {
    calls_.clear();
    emit callsChanged();
}

void FakeController::reSolveWithNodeLocks() {
    record(QStringLiteral("reSolveWithNodeLocks"), {});
    if (running_) {
        return;
    }
    if (refuseStarts_) {
        statusText_ = QStringLiteral("No previous solve config (solve once first)");
        emit statusTextChanged();
        return;
    }
    resultIterations_ = 0;
    emit resultsChanged();
    running_ = true;
    emit runningChanged();
}

QVariant FakeController::nodeField(const char* method, int nodeIndex, const QString& key,
                                   const QVariantList& extraArgs) {
    record(QString::fromLatin1(method), QVariantList{nodeIndex} + extraArgs);
    return tree_.value(QString::number(nodeIndex)).toMap().value(key);
}

int FakeController::treeNodeCount() {
    record(QStringLiteral("treeNodeCount"), {});
    int count = 0;
    for (auto it = tree_.cbegin(); it != tree_.cend(); ++it) {
        bool ok = false;
        const int index = it.key().toInt(&ok);
        if (ok && index >= count) {
            count = index + 1;
        }
    }
    return count;
}

QVariantMap FakeController::nodeMeta(int nodeIndex) {
    return nodeField("nodeMeta", nodeIndex, QStringLiteral("meta")).toMap();
}

QVariantList FakeController::nodeActions(int nodeIndex) {
    return nodeField("nodeActions", nodeIndex, QStringLiteral("actions")).toList();
}

QVariantList FakeController::nodeActionStats(int nodeIndex) {
    return nodeField("nodeActionStats", nodeIndex, QStringLiteral("actionStats")).toList();
}

QVariantMap FakeController::nodeHandStrategy(int nodeIndex) {
    return nodeField("nodeHandStrategy", nodeIndex, QStringLiteral("handStrategy")).toMap();
}

QVariantMap FakeController::nodeHandStrategyReach169(int nodeIndex, const QString& bucketName) {
    return nodeField("nodeHandStrategyReach169", nodeIndex, QStringLiteral("reach169"),
                     {bucketName})
        .toMap()
        .value(bucketName.trimmed().toLower())
        .toMap();
}

QVariantList FakeController::nodeHandCombos(int nodeIndex) {
    return nodeField("nodeHandCombos", nodeIndex, QStringLiteral("combos")).toList();
}

QVariantList FakeController::nodeSeatHandCombos(int nodeIndex, const QString& seat) {
    const QString key = seat.trimmed().toUpper() == QLatin1String("IP") ? "IP" : "OOP";
    return nodeField("nodeSeatHandCombos", nodeIndex, QStringLiteral("seatCombos"), {seat})
        .toMap()
        .value(key)
        .toList();
}

QVariantList FakeController::nodeHandBuckets(int nodeIndex) {
    return nodeField("nodeHandBuckets", nodeIndex, QStringLiteral("buckets")).toList();
}

QVariantList FakeController::nodePocketActionEvs(int nodeIndex, const QString& seat,
                                                 const QString& c1, const QString& c2) {
    const QString a = c1.trimmed().toLower(), b = c2.trimmed().toLower();
    const QVariantList rows =
        nodeField("nodePocketActionEvs", nodeIndex, QStringLiteral("combos"), {seat, c1, c2})
            .toList();
    for (const QVariant& row : rows) {
        const QVariantMap m = row.toMap();
        const QString r1 = m.value("c1").toString().toLower(),
                      r2 = m.value("c2").toString().toLower();
        if ((r1 == a && r2 == b) || (r1 == b && r2 == a)) {
            return m.value("actionEvs").toList();
        }
    }
    return {};
}

QVariantList FakeController::nodeLocks(int nodeIndex) {
    return nodeField("nodeLocks", nodeIndex, QStringLiteral("locks")).toList();
}

QVariantMap FakeController::nodeHandDistributions169(int nodeIndex) {
    record(QStringLiteral("nodeHandDistributions169"), {nodeIndex});
    return distributionsAnswer_;
}

void FakeController::setNodeLockProbs(int nodeIndex, const QString& hand,
                                      const QVariantList& probs) {
    record(QStringLiteral("setNodeLockProbs"), {nodeIndex, hand, QVariant(probs)});
}

void FakeController::clearNodeLocks(int nodeIndex) {
    record(QStringLiteral("clearNodeLocks"), {nodeIndex});
    const QString key = QString::number(nodeIndex);
    if (tree_.contains(key)) {
        QVariantMap node = tree_.value(key).toMap();
        node.remove(QStringLiteral("locks"));
        tree_.insert(key, node);
    }
}

QVariantMap FakeController::showdownWinner(const QString& boardText, const QString& oopText,
                                           const QString& ipText) {
    record(QStringLiteral("showdownWinner"), {boardText, oopText, ipText});
    return {{"winner", showdownAnswer_}};
}

void FakeController::recordPlayVsSolutionHand(bool isMistake, double evLoss) {
    record(QStringLiteral("recordPlayVsSolutionHand"), {isMistake, evLoss});
}

QVariantMap FakeController::readTextFile(const QUrl& fileUrl) {
    record(QStringLiteral("readTextFile"), {fileUrl.toString()});
    return readTextFileAnswer_;
}

QVariantMap FakeController::saveTextFile(const QUrl& fileUrl, const QString& text) {
    record(QStringLiteral("saveTextFile"), {fileUrl.toString(), text});
    return saveTextFileAnswer_;
}

QString FakeController::readTextResource(const QString& path) {
    record(QStringLiteral("readTextResource"), {path});
    if (resourceTexts_.contains(path)) {
        return resourceTexts_.value(path).toString();
    }
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}
