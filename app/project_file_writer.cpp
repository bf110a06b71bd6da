// Writes a project file: indented JSON streamed into the device in large
// pieces; the per-node arrays are written one element at a time straight
// from the compact records.
#include "app/json_text.h"
#include "app/local_file_url.h"
#include "app/project_file.h"

#include <QLocale>
#include <charconv>
#include <optional>
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
    // Where the caller writes the next element's JSON text (one line).
    QByteArray& element() {
        prefix(nullptr);
        return pending_;
    }
    void finish() {
        put("\n");
        flush();
    }
    bool ok() const { return ok_; }

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
    int indent() const { return static_cast<int>(levels_.size()) * 4; }
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
        out += "{\"chanceDeal\": ";
        out += text(n.street);
        out += ", \"effectiveStack\": ";
        out += chips(r_.effective_stack());
        out += n.action_count > 0 ? ", \"hasChildren\": true" : ", \"hasChildren\": false";
        out += ", \"investedIp\": ";
        out += chips(n.invested_ip);
        out += ", \"investedOop\": ";
        out += chips(n.invested_oop);
        out += ", \"nodeType\": ";
        out += text(n.kind);
        out += ", \"player\": ";
        out += text(n.player);
        out += ", \"pot\": ";
        out += chips(n.pot);
        out += '}';
    }

    void actions(QByteArray& out, std::size_t i) {
        out += '[';
        for (std::uint32_t j = 0; j < r_.node(i).action_count; ++j) {
            const NodeRecords::Action& a = r_.action(i, j);
            out += j > 0 ? ", {\"actionType\": " : "{\"actionType\": ";
            out += text(a.code);
            out += ", \"childIndex\": ";
            char digits[16];
            out.append(digits, std::to_chars(digits, digits + sizeof digits, a.child).ptr - digits);
            out += ", \"frequency\": ";
            out += jsonNumber(a.frequency);
            out += ", \"name\": ";
            out += text(a.label);
            out += '}';
        }
        out += ']';
    }

private:
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
    std::vector<QByteArray> texts_;  // quoted, by text id
    std::unordered_map<std::int32_t, QByteArray> chips_;
};

}  // namespace

bool writeProjectFile(QIODevice& device, const ProjectFileContents& c, const ProjectFileWork& work) {
    JsonStreamWriter out(device);
    out.beginObject();
    out.value("format", QStringLiteral("quendal_project"));
    out.value("version", 1);
    out.value("project", c.project);
    out.value("hasResults", c.hasResults);
    if (c.hasResults) {
        out.beginObject("results");
        const QVariantMap figures{{"resultsSummary", c.summary},
                                  {"resultStartingPot", c.startingPot},
                                  {"resultIterations", c.iterations},
                                  {"resultExploitability", c.exploitability},
                                  {"resultEvOop", c.evOop},
                                  {"resultEvIp", c.evIp},
                                  {"rootActions", c.rootActions}};
        for (auto it = figures.cbegin(); it != figures.cend(); ++it) {
            out.value(it.key().toLatin1().constData(), it.value());
        }
        const std::size_t nodes = c.records ? c.records->size() : 0;
        std::optional<NodeLines> lines;
        if (nodes > 0) {
            lines.emplace(*c.records);
        }
        out.beginArray("treeNodeMeta");
        for (std::size_t i = 0; i < nodes; ++i) {
            lines->meta(out.element(), i);
        }
        out.endArray();
        out.beginArray("treeNodeActions");
        for (std::size_t i = 0; i < nodes; ++i) {
            lines->actions(out.element(), i);
        }
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
