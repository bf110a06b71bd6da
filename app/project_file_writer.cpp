// Writes a project file: indented JSON streamed into the device in large
// pieces; the per-node arrays are written one element at a time straight
// from the compact records.
#include "app/json_text.h"
#include "app/local_file_url.h"
#include "app/project_file.h"
#include "app/worker_threads.h"

#include <QFileDevice>
#include <QLocale>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <unistd.h>
#include <unordered_map>
#include <vector>

namespace quendal_app {

namespace {

// Indented JSON written as it goes: objects and arrays opened and closed
// explicitly, values written one at a time, handed to the device in large
// pieces. `ok` is false once the device refused a piece.
class JsonStreamWriter {
public:
    explicit JsonStreamWriter(QIODevice& out) : out_(out) {}

    void beginObject(const char* key = nullptr) { open(key, '{'); }
    void endObject() { close('}'); }
    void beginArray(const char* key = nullptr) { open(key, '['); }
    void endArray() { close(']'); }
    void value(const char* key, const QVariant& v) {
        prefix(key);
        put(jsonText(v, indent()));
    }
    // `count` elements of one line each, `lines(out, begin, end, separator)`
    // appending the texts of elements [begin, end) to `out`, each but the
    // array's first after `separator`. Made in blocks of `work.blockNodes`
    // elements on `work.threads` threads when the device is a file: each
    // block is written into its place in the file as soon as the blocks
    // before it are made (not written), so that making and writing overlap.
    // False once a write failed, with the system's reason in `reason` when
    // the device does not know it.
    template <class Lines>
    bool elements(std::size_t count, const ProjectFileWork& work, const Lines& lines,
                  QString& reason) {
        if (count == 0 || !ok_) {
            return ok_;
        }
        const QByteArray separator = ",\n" + QByteArray(indent(), ' ');
        prefix(nullptr);  // the first element's
        flush();
        auto* const file = qobject_cast<QFileDevice*>(&out_);
        const int fd = file != nullptr && work.threads > 1 ? file->handle() : -1;
        const int threads = fd >= 0 ? work.threads : 1;
        const std::size_t block = std::max<std::size_t>(work.blockNodes, 1);
        const std::size_t blocks = (count + block - 1) / block;
        // Where each block begins in the file, once the blocks before it are made.
        const std::unique_ptr<std::atomic<qint64>[]> starts(new std::atomic<qint64>[blocks + 1]);
        for (std::size_t b = 0; b <= blocks; ++b) {
            starts[b].store(-1);
        }
        starts[0].store(out_.pos());
        std::vector<QByteArray> texts(static_cast<std::size_t>(threads));
        std::atomic<int> failure{0};
        forEachOnThreads(threads, blocks, [&](std::size_t b, int worker) {
            QByteArray& text = texts[static_cast<std::size_t>(worker)];
            text.resize(0);  // kept from block to block, so its memory is reused
            lines(text, b * block, std::min(count, (b + 1) * block), separator);
            starts[b].wait(-1);
            const qint64 at = starts[b].load();
            starts[b + 1].store(at + text.size());
            starts[b + 1].notify_all();
            if (fd < 0) {
                if (!writeWhole(out_, text)) {
                    failure.store(-1);
                }
                return;
            }
            if (const int error = writeAt(fd, text, at); error != 0) {
                failure.store(error);
            }
#ifdef SYNC_FILE_RANGE_WRITE
            // The disk starts on what is written while the rest is made, so
            // that the save's closing flush has less to wait for.
            ::sync_file_range(fd, at, text.size(), SYNC_FILE_RANGE_WRITE);
#endif
        });
        if (failure.load() > 0) {
            reason = qt_error_string(failure.load());
        }
        ok_ = ok_ && failure.load() == 0 && (fd < 0 || out_.seek(starts[blocks].load()));
        return ok_;
    }
    void finish() {
        put("\n");
        flush();
    }
    bool ok() const {
        return ok_;
    }

private:
    struct Level {
        bool first = true;
    };
    static constexpr qsizetype kPiece = 1 << 20;

    void put(const QByteArray& text) {
        pending_ += text;
        if (pending_.size() >= kPiece) {
            flush();
        }
    }
    void flush() {
        ok_ = ok_ && writeWhole(out_, pending_);
        pending_.clear();
    }
    int indent() const {
        return static_cast<int>(levels_.size()) * 4;
    }
    void prefix(const char* key) {
        if (pending_.size() >= kPiece) {
            flush();
        }
        if (!levels_.empty()) {
            pending_ += levels_.back().first ? "\n" : ",\n";
            levels_.back().first = false;
            pending_.append(indent(), ' ');
        }
        if (key != nullptr) {
            put(jsonText(QString::fromLatin1(key), 0) + ": ");
        }
    }
    void open(const char* key, char bracket) {
        prefix(key);
        put(QByteArray(1, bracket));
        levels_.push_back({});
    }
    void close(char bracket) {
        const bool empty = levels_.back().first;
        levels_.pop_back();
        if (!empty) {
            put("\n" + QByteArray(indent(), ' '));
        }
        put(QByteArray(1, bracket));
    }

    // Writes all of `text` at `offset`: 0, or the system's error number.
    static int writeAt(int fd, const QByteArray& text, qint64 offset) {
        for (qsizetype done = 0; done < text.size();) {
            const ssize_t n = ::pwrite(fd, text.constData() + done,
                                       static_cast<std::size_t>(text.size() - done), offset + done);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                return n < 0 ? errno : ENOSPC;
            }
            done += n;
        }
        return 0;
    }

    QIODevice& out_;
    QByteArray pending_;
    bool ok_ = true;
    std::vector<Level> levels_;
};

QByteArray jsonString(const std::string& text) {
    QByteArray out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            out += QByteArray("\\u00") +
                   QByteArray::number(static_cast<unsigned char>(c), 16).rightJustified(2, '0');
        } else {
            out += c;
        }
    }
    return out + "\"";
}

QByteArray jsonNumber(double value) {
    return QByteArray::number(value, 'g', QLocale::FloatingPointShortest);
}

// The nodes' records and actions as one-line JSON, written straight from the
// compact records: a large tree is saved without a map per node. Each text
// and each amount is made once.
class NodeLines {
public:
    explicit NodeLines(const NodeRecords& r) : r_(r) {}

    void meta(QByteArray& out, std::size_t i) {
        const NodeRecords::Node& n = r_.node(i);
        const QByteArray* const parts[] = {&text(n.street),       &chips(r_.effective_stack()),
                                           &chips(n.invested_ip), &chips(n.invested_oop),
                                           &text(n.kind),         &text(n.player),
                                           &chips(n.pot)};
        qsizetype room = 160;
        for (const QByteArray* part : parts) {
            room += part->size();
        }
        Room line(out, room);
        line.put("{\"chanceDeal\": ");
        line.put(*parts[0]);
        line.put(", \"effectiveStack\": ");
        line.put(*parts[1]);
        line.put(n.action_count > 0 ? ", \"hasChildren\": true" : ", \"hasChildren\": false");
        line.put(", \"investedIp\": ");
        line.put(*parts[2]);
        line.put(", \"investedOop\": ");
        line.put(*parts[3]);
        line.put(", \"nodeType\": ");
        line.put(*parts[4]);
        line.put(", \"player\": ");
        line.put(*parts[5]);
        line.put(", \"pot\": ");
        line.put(*parts[6]);
        line.put("}");
    }

    void actions(QByteArray& out, std::size_t i) {
        const std::uint32_t count = r_.node(i).action_count;
        qsizetype room = 2;
        for (std::uint32_t j = 0; j < count; ++j) {
            const NodeRecords::Action& a = r_.action(i, j);
            room += 112 + text(a.code).size() + text(a.label).size();
        }
        Room line(out, room);
        line.put("[");
        for (std::uint32_t j = 0; j < count; ++j) {
            const NodeRecords::Action& a = r_.action(i, j);
            line.put(j > 0 ? ", {\"actionType\": " : "{\"actionType\": ");
            line.put(text(a.code));
            line.put(", \"childIndex\": ");
            line.at = std::to_chars(line.at, line.at + 16, a.child).ptr;
            line.put(", \"frequency\": ");
            line.at = writeJsonFraction(line.at, a.frequency);
            line.put(", \"name\": ");
            line.put(text(a.label));
            line.put("}");
        }
        line.put("]");
    }

private:
    // Room made at the end of `out` for a line of at most `room` bytes,
    // written piece by piece and trimmed to what was written at the end.
    struct Room {
        Room(QByteArray& out, qsizetype room) : out(out) {
            const qsizetype before = out.size();
            out.resize(before + room);
            at = out.data() + before;
        }
        ~Room() { out.resize(at - out.constData()); }
        void put(std::string_view piece) {
            std::memcpy(at, piece.data(), piece.size());
            at += piece.size();
        }
        void put(const QByteArray& piece) {
            put(std::string_view(piece.constData(), static_cast<std::size_t>(piece.size())));
        }
        void put(const char* piece) { put(std::string_view(piece)); }
        QByteArray& out;
        char* at;
    };

    const QByteArray& text(std::uint32_t id) {
        if (id >= texts_.size()) {
            texts_.resize(id + 1);
        }
        if (texts_[id].isEmpty()) {
            texts_[id] = jsonString(r_.text(id));
        }
        return texts_[id];
    }

    const QByteArray& chips(std::int32_t hundredths) {
        const auto [it, added] = chips_.try_emplace(hundredths);
        if (added) {
            it->second = jsonNumber(hundredths / 100.0);
        }
        return it->second;
    }

    const NodeRecords& r_;
    std::deque<QByteArray> texts_;  // quoted, by text id (kept in place as it grows)
    std::unordered_map<std::int32_t, QByteArray> chips_;
};

}  // namespace

bool writeProjectFile(QIODevice& device, const ProjectFileContents& c, const ProjectFileWork& work,
                      QString& reason) {
    JsonStreamWriter out(device);
    out.beginObject();
    out.value("format", QStringLiteral("quendal_project"));
    out.value("version", 1);
    out.value("project", c.project);
    out.value("hasResults", c.hasResults);
    if (c.hasResults) {
        out.beginObject("results");
        const QVariantMap figures{
            {"resultsSummary", c.summary},      {"resultStartingPot", c.startingPot},
            {"resultIterations", c.iterations}, {"resultExploitability", c.exploitability},
            {"resultEvOop", c.evOop},           {"resultEvIp", c.evIp},
            {"rootActions", c.rootActions}};
        for (auto it = figures.cbegin(); it != figures.cend(); ++it) {
            out.value(it.key().toLatin1().constData(), it.value());
        }
        const std::size_t nodes = c.records ? c.records->size() : 0;
        // Each block of nodes made with texts and amounts of its own.
        const auto lines = [&c](auto part) {
            return [&c, part](QByteArray& text, std::size_t begin, std::size_t end,
                              const QByteArray& separator) {
                NodeLines made(*c.records);
                for (std::size_t i = begin; i < end; ++i) {
                    if (i > 0) {
                        text += separator;
                    }
                    (made.*part)(text, i);
                }
            };
        };
        out.beginArray("treeNodeMeta");
        out.elements(nodes, work, lines(&NodeLines::meta), reason);
        out.endArray();
        out.beginArray("treeNodeActions");
        out.elements(nodes, work, lines(&NodeLines::actions), reason);
        out.endArray();
        out.endObject();

        out.beginObject("nodeCaches");
        const auto writeCache = [&](const auto& cache, const char* seat) {
            for (auto it = cache.cbegin(); it != cache.cend(); ++it) {
                QVariantMap element{{"nodeIndex", it.key()}, {"data", it.value()}};
                if (seat != nullptr) {
                    element["seat"] = QString::fromLatin1(seat);
                }
                out.value(nullptr, element);
            }
        };
        out.beginArray("handStrategyByNode");
        writeCache(c.handStrategy, nullptr);
        out.endArray();
        out.beginArray("actionStatsByNode");
        writeCache(c.actionStats, nullptr);
        out.endArray();
        out.beginArray("handCombosByNode");
        writeCache(c.handCombos, nullptr);
        out.endArray();
        out.beginArray("handBucketsByNode");
        writeCache(c.handBuckets, nullptr);
        out.endArray();
        out.beginArray("seatHandCombosByNode");
        writeCache(c.seatOop, "OOP");
        writeCache(c.seatIp, "IP");
        out.endArray();
        out.endObject();
    }
    out.value("nodeLocks", c.locks);
    out.value("lastUiCfg", c.lastUiCfg);
    out.endObject();
    out.finish();
    return out.ok();
}

}  // namespace quendal_app
