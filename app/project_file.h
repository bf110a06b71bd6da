// Project files: the spot, its result, the cached node queries, the node
// locks and the last solve map in one JSON object. What a file holds, and
// the functions that write and read it; the controller only hands its state
// over and takes it back.
#pragma once

#include "app/node_records.h"

#include <QByteArray>
#include <QHash>
#include <QIODevice>
#include <QString>
#include <QVariantList>
#include <QVariantMap>
#include <memory>

namespace quendal_app {

struct ProjectFileContents {
    QVariantMap project;  // the set-up page's state
    bool hasResults = false;
    QString summary;
    double startingPot = 0, exploitability = 0, evOop = 0, evIp = 0;
    int iterations = 0;
    QVariantList rootActions;
    std::shared_ptr<const NodeRecords> records;
    QHash<int, QVariantMap> handStrategy;
    QHash<int, QVariantList> actionStats, handCombos, handBuckets, seatOop, seatIp;
    QVariantList locks;  // one map per lock row
    QVariantMap lastUiCfg;
};

// Writes the file's text into `out`; false once the device refused a piece
// (its error tells why).
bool writeProjectFile(QIODevice& out, const ProjectFileContents& contents);

// Reads and checks a file's bytes into `contents`: empty on success, else
// the message for the user ("Invalid project file: …" and the like), and
// then `contents` is not to be used.
QString readProjectFile(const QByteArray& bytes, ProjectFileContents& contents);

}  // namespace quendal_app
