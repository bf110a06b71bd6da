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

// How a large file is read and written: on `threads` threads, its large
// arrays checked in pieces of `piece` bytes, its nodes read and written in
// blocks of `blockNodes` nodes. The bytes written and what is read are the
// same for any of these.
struct ProjectFileWork {
    int threads = 1;
    qsizetype piece = qsizetype(4) << 20;
    std::size_t blockNodes = 4096;
};

// Writes the file's text into `out`; false once a write failed: the system's
// reason in `reason`, or, when that is empty, in the device's error.
bool writeProjectFile(QIODevice& out, const ProjectFileContents& contents,
                      const ProjectFileWork& work, QString& reason);

// Reads and checks a file's bytes into `contents`: empty on success, else
// the message for the user ("Invalid project file: …" and the like), and
// then `contents` is not to be used.
QString readProjectFile(const QByteArray& bytes, ProjectFileContents& contents,
                        const ProjectFileWork& work = {});

}  // namespace quendal_app
