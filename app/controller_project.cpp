// Saving and opening project files: the controller's state handed to the
// file's writer, and a file's contents taken over once its reader found all
// of them sound.
#include "app/app_controller.h"
#include "app/file_bytes.h"
#include "app/local_file_url.h"
#include "app/project_file.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace quendal_app {

namespace {

QString translated(const char* text) {
    return QCoreApplication::translate("AppController", text);
}

}  // namespace

ProjectFileWork AppController::fileWork() const {
    ProjectFileWork work;
    work.threads = systemThreadCount_;
    return work;
}

QVariantList AppController::nodeLocksToVariantList(const NodeLockTable& locks) const {
    QVariantList rows;
    for (int n = 0; n < treeNodeCount(); ++n) {
        for (const QVariant& row : nodeLockRows(locks, n)) {
            const QVariantMap r = row.toMap();
            QVariantMap element{{"nodeIndex", n}, {"hand", r.value("hand")}};
            if (r.contains("actionProbs")) {
                element["actionProbs"] = r.value("actionProbs");
            } else {
                element["actionIndex"] = r.value("actionIndex");
                element["actionProb"] = r.value("actionProb");
            }
            rows.append(element);
        }
    }
    return rows;
}

void AppController::nodeLocksFromVariantList(const QVariantList& locks) {
    for (const QVariant& item : locks) {
        const QVariantMap m = item.toMap();
        const int n = m.contains("nodeIndex") ? m.value("nodeIndex").toInt() : -1;
        const QString hand = m.value("hand").toString();
        if (n < 0 || hand.isEmpty()) {
            continue;
        }
        if (m.contains("actionProbs")) {
            const QVariantList probs = m.value("actionProbs").toList();
            if (!probs.isEmpty()) {
                setNodeLockProbs(n, hand, probs);
            }
            continue;
        }
        const int action = m.contains("actionIndex") ? m.value("actionIndex").toInt() : -1;
        const double prob = m.contains("actionProb") ? m.value("actionProb").toDouble() : 1.0;
        if (action >= 0) {
            setNodeLock(n, hand, action, prob);
        }
    }
}

bool AppController::saveProject(const QUrl& fileUrl, const QVariantMap& projectState) const {
    lastSaveError_.clear();
    lastSaveLeftOutLockEdits_ = false;
    QString error;
    const std::optional<QString> localPath = localFilePath(fileUrl, &error);
    if (!localPath) {
        if (!localPathOf(fileUrl)) {
            qWarning().noquote() << "saveProject: invalid/non-local URL:" << fileUrl.toString();
        }
        lastSaveError_ = error;
        return false;
    }
    const QString& path = *localPath;
    const bool hasResults = resultIterations_ > 0 || treeNodeCount() > 0 || !rootActions_.isEmpty();
    if (hasResults && treeNodeCount() > 0) {
        nodeHandStrategy(0);
        nodeHandCombos(0);
        nodeHandBuckets(0);
        nodeActionStats(0);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        lastSaveError_ = fileErrorReason(path, file);
        qWarning().noquote() << "saveProject: failed to open:" << path << lastSaveError_;
        return false;
    }
    ProjectFileContents contents;
    contents.project = projectState;
    contents.hasResults = hasResults;
    if (hasResults) {
        contents.summary = resultsSummary_;
        contents.startingPot = resultStartingPot_;
        contents.iterations = resultIterations_;
        contents.exploitability = resultExploitability_;
        contents.evOop = resultEvOop_;
        contents.evIp = resultEvIp_;
        contents.rootActions = rootActions_;
        contents.records = nodeRecords_;
        contents.handStrategy = handStrategyByNode_;
        contents.actionStats = actionStatsByNode_;
        contents.handCombos = handCombosByNode_;
        contents.handBuckets = handBucketsByNode_;
        contents.seatOop = seatHandCombosOopByNode_;
        contents.seatIp = seatHandCombosIpByNode_;
    }
    // The locks the solution was solved with; later edits are not its own.
    contents.locks = nodeLocksToVariantList(solvedNodeLocks_);
    contents.lastUiCfg = lastSolveConfig_;
    QString reason;
    if (!writeProjectFile(file, contents, fileWork(), reason)) {
        lastSaveError_ = reason.isEmpty() ? fileErrorReason(path, file) : reason;
        file.cancelWriting();
        qWarning().noquote() << "saveProject: write failed:" << path << lastSaveError_;
        return false;
    }
    if (!file.commit()) {
        lastSaveError_ = fileErrorReason(path, file);
        qWarning().noquote() << "saveProject: commit failed:" << path << lastSaveError_;
        return false;
    }
    lastSaveLeftOutLockEdits_ = hasUnsolvedLockEdits();
    qInfo().noquote() << "Saved project:" << path;
    return true;
}

QVariantMap AppController::loadProject(const QUrl& fileUrl) {
    QVariantMap result{
        {"ok", false}, {"error", QString()}, {"project", QVariantMap()}, {"hasResults", false}};
    QString error;
    const std::optional<QString> localPath = localFilePath(fileUrl, &error);
    if (!localPath) {
        result["error"] = error;
        return result;
    }
    const QString& path = *localPath;
    QFile file(path);
    // A pipe or a device would block the reader: regular files only.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile() && !info.isDir()) {
        result["error"] = translated(QT_TRANSLATE_NOOP("AppController", "Failed to open file: %1"))
                              .arg(QStringLiteral("Not a regular file"));
        return result;
    }
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        result["error"] = translated(QT_TRANSLATE_NOOP("AppController", "Failed to open file: %1"))
                              .arg(fileErrorReason(path, file));
        return result;
    }
    ProjectFileContents loaded;
    QString problem;
    {
        const FileBytes bytes(file);
        problem = readProjectFile(bytes.bytes(), loaded, fileWork());
        if (bytes.shrank()) {
            problem = translated(QT_TRANSLATE_NOOP("AppController", "Failed to open file: %1"))
                          .arg(QStringLiteral("The file changed while it was read"));
        }
    }
    file.close();
    if (!problem.isEmpty()) {
        result["error"] = problem;  // nothing of the current state has changed
        return result;
    }

    // A running solve is stopped and its reports belong to an older epoch.
    session_.cancel();
    session_.reset();
    ++epoch_;
    clearResultLists();
    nodeLocks_.clear();
    clearNodeCaches();
    result["project"] = loaded.project;
    result["hasResults"] = loaded.hasResults;
    if (loaded.hasResults) {
        resultsSummary_ = loaded.summary;
        resultStartingPot_ = loaded.startingPot;
        resultIterations_ = loaded.iterations;
        resultExploitability_ = loaded.exploitability;
        resultEvOop_ = loaded.evOop;
        resultEvIp_ = loaded.evIp;
        rootActions_ = loaded.rootActions;
        nodeRecords_ = loaded.records;
    }
    handStrategyByNode_ = loaded.handStrategy;
    actionStatsByNode_ = loaded.actionStats;
    handCombosByNode_ = loaded.handCombos;
    handBucketsByNode_ = loaded.handBuckets;
    seatHandCombosOopByNode_ = loaded.seatOop;
    seatHandCombosIpByNode_ = loaded.seatIp;
    nodeLocksFromVariantList(loaded.locks);
    solvedNodeLocks_ = nodeLocks_;
    lastSolveConfig_ = loaded.lastUiCfg;
    forgetFileResults();
    resultsFromFile_ = treeNodeCount() > 0;
    if (resultsFromFile_) {
        fileRootCombos_ = handCombosByNode_.value(0);
        fileRootStats_ = actionStatsByNode_.value(0);
    }
    setRunning(false);
    setProgress(0.0);
    setStatus(TranslatableText(
        "AppController",
        QT_TRANSLATE_NOOP("AppController", "Loaded project (%1 strategy nodes, %2 combo nodes)"),
        {TranslatableText::plain(QString::number(handStrategyByNode_.size())),
         TranslatableText::plain(QString::number(handCombosByNode_.size()))}));
    emit resultsChanged();
    result["ok"] = true;
    qInfo().noquote() << "Loaded project:" << path << "hasResults=" << loaded.hasResults;
    return result;
}

}  // namespace quendal_app
