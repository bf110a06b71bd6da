// Reads a project file: the whole text checked as JSON first, then each
// member checked as the program writes it, into contents the controller
// takes only when all of it is sound.
#include "app/json_text.h"
#include "app/project_file.h"
#include "core/card.h"
#include "session/action_labels.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QSet>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <ranges>

namespace quendal_app {

namespace {

QString translated(const char* text) {
    return QCoreApplication::translate("AppController", text);
}


class ProjectReader {
public:
    explicit ProjectReader(const QByteArray& bytes) : skeleton_(bytes) {}

    // Empty on success, else the message for the user.
    QString read(ProjectFileContents& p) {
        // The whole text is checked first: a syntax error in a member read
        // below or in one never looked at (an unknown key, "results" beside a
        // false "hasResults") makes the file damaged alike.
        const auto root = skeleton_.root();
        if (!root) {
            return translated(QT_TRANSLATE_NOOP("AppController", "Invalid JSON"));
        }
        if (root->kind != '{') {
            return translated(QT_TRANSLATE_NOOP(
                "AppController", "Unrecognized project format"));  // an array has no format tag
        }
        const auto members = skeleton_.members(*root);
        if (!members) {
            return translated(QT_TRANSLATE_NOOP("AppController", "Invalid JSON"));
        }
        QHash<QString, JsonSpan> top;
        for (const auto& [key, span] : *members) {
            top.insert(key, span);
        }
        const QJsonValue format = scalar(top, "format");
        if (!ok_) {
            return translated(QT_TRANSLATE_NOOP("AppController", "Invalid JSON"));
        }
        if (format.toString() != QLatin1String("quendal_project")) {
            return translated(QT_TRANSLATE_NOOP("AppController", "Unrecognized project format"));
        }
        const QJsonValue version = scalar(top, "version");
        if (!ok_) {
            return translated(QT_TRANSLATE_NOOP("AppController", "Invalid JSON"));
        }
        if (!version.isDouble() || version.toDouble() != 1.0) {
            return translated(QT_TRANSLATE_NOOP("AppController", "Unsupported project version"));
        }
        p.project = objectMember(top, "project").toVariantMap();
        p.lastUiCfg = objectMember(top, "lastUiCfg").toVariantMap();
        const QJsonValue has = scalar(top, "hasResults");
        if (!has.isUndefined() && !has.isNull() && !has.isBool()) {
            fail("\"hasResults\" is not true or false");
        }
        p.hasResults = has.toBool();
        checkProjectState(p);
        if (p.hasResults && top.contains("results")) {
            readResults(top.value("results"), p);
        }
        if (top.contains("nodeCaches")) {
            readCaches(top.value("nodeCaches"), p);
        }
        if (top.contains("nodeLocks")) {
            readLocks(top.value("nodeLocks"), p);
        }
        if (!ok_) {
            return translated(QT_TRANSLATE_NOOP("AppController", "Invalid project file: %1"))
                .arg(problem_);
        }
        return {};
    }

private:
    void fail(const QString& problem) {
        if (ok_) {
            ok_ = false;
            problem_ = problem;
        }
    }

    QJsonValue parsed(const JsonSpan& span) {
        const auto v = skeleton_.value(span);
        if (!v) {
            fail(QStringLiteral("malformed JSON"));
            return {};
        }
        return *v;
    }

    QJsonValue scalar(const QHash<QString, JsonSpan>& members, const char* key) {
        const auto it = members.constFind(QString::fromLatin1(key));
        return it == members.cend() ? QJsonValue(QJsonValue::Undefined) : parsed(*it);
    }

    QJsonObject objectMember(const QHash<QString, JsonSpan>& members, const char* key) {
        const auto it = members.constFind(QString::fromLatin1(key));
        if (it == members.cend()) {
            return {};
        }
        const QJsonValue v = parsed(*it);
        if (!v.isObject()) {
            fail(QStringLiteral("\"%1\" is not an object").arg(key));
            return {};
        }
        return v.toObject();
    }

    double finite(const QJsonObject& o, const char* key) {
        const QJsonValue v = o.value(QString::fromLatin1(key));
        if (v.isUndefined() || v.isNull()) {
            return 0.0;
        }
        if (!v.isDouble() || !std::isfinite(v.toDouble())) {
            fail(QStringLiteral("\"%1\" is not a number").arg(key));
            return 0.0;
        }
        return v.toDouble();
    }

    // A whole number within [low, high]; `absent` when missing.
    std::int64_t whole(const QJsonValue& v, const char* what, std::int64_t absent, std::int64_t low,
                       std::int64_t high) {
        if (v.isUndefined()) {
            return absent;
        }
        const double x = v.toDouble(std::nan(""));
        if (!v.isDouble() || !std::isfinite(x) || x != std::floor(x) ||
            x < static_cast<double>(low) || x > static_cast<double>(high)) {
            fail(QStringLiteral("%1 is not a usable whole number").arg(what));
            return absent;
        }
        return static_cast<std::int64_t>(x);
    }

    std::vector<JsonSpan> arrayElements(const JsonSpan& span, const QString& what) {
        const auto elements = skeleton_.elements(span);
        if (!elements) {
            fail(QStringLiteral("%1 is not an array").arg(what));
            return {};
        }
        return *elements;
    }

    void readResults(const JsonSpan& span, ProjectFileContents& p) {
        const auto members = skeleton_.members(span);
        if (!members) {
            fail(QStringLiteral("\"results\" is not an object"));
            return;
        }
        QHash<QString, JsonSpan> r;
        for (const auto& [key, value] : *members) {
            r.insert(key, value);
        }
        QJsonObject figures;
        for (const char* key : {"resultsSummary", "resultStartingPot", "resultIterations",
                                "resultExploitability", "resultEvOop", "resultEvIp"}) {
            const QJsonValue v = scalar(r, key);
            if (!v.isUndefined()) {
                figures.insert(QString::fromLatin1(key), v);
            }
        }
        const QJsonValue summary = figures.value("resultsSummary");
        if (!summary.isUndefined() && !summary.isString()) {
            fail(QStringLiteral("\"resultsSummary\" is not a text"));
        }
        p.summary = summary.toString();
        p.startingPot = finite(figures, "resultStartingPot");
        if (p.startingPot < 0.0) {
            fail(QStringLiteral("\"resultStartingPot\" is negative"));
        }
        p.iterations =
            static_cast<int>(whole(figures.value("resultIterations"), "\"resultIterations\"", 0, 0,
                                   std::numeric_limits<int>::max()));
        p.exploitability = finite(figures, "resultExploitability");
        p.evOop = finite(figures, "resultEvOop");
        p.evIp = finite(figures, "resultEvIp");
        if (r.contains("rootActions")) {
            const QJsonValue roots = parsed(r.value("rootActions"));
            if (!roots.isArray()) {
                fail(QStringLiteral("\"rootActions\" is not an array"));
            }
            p.rootActions = roots.toArray().toVariantList();
        }
        const auto meta = r.contains("treeNodeMeta")
                              ? arrayElements(r.value("treeNodeMeta"), "\"treeNodeMeta\"")
                              : std::vector<JsonSpan>{};
        const auto actions = r.contains("treeNodeActions")
                                 ? arrayElements(r.value("treeNodeActions"), "\"treeNodeActions\"")
                                 : std::vector<JsonSpan>{};
        if (meta.size() != actions.size()) {
            fail(QStringLiteral("\"treeNodeMeta\" and \"treeNodeActions\" differ in length"));
            return;
        }
        if (!ok_ || meta.empty()) {
            return;
        }
        const std::shared_ptr<NodeRecords> records = NodeRecords::create();
        p.records = records;
        records->reserve(meta.size());
        for (std::size_t i = 0; i < meta.size() && ok_; ++i) {
            QString problem;
            const Read read = readNodeText(meta[i], actions[i], *records, problem);
            if (read == Read::Appended) {
                continue;
            }
            if (read == Read::Failed) {
                fail(QStringLiteral("node %1: %2").arg(i).arg(problem));
                return;
            }
            const QJsonValue m = parsed(meta[i]);
            const QJsonValue a = parsed(actions[i]);
            if (!m.isObject() || !a.isArray()) {
                fail(QStringLiteral("node %1 is malformed").arg(i));
                return;
            }
            if (!records->append_node(m.toObject().toVariantMap(), a.toArray().toVariantList(),
                                        &problem)) {
                fail(QStringLiteral("node %1: %2").arg(i).arg(problem));
                return;
            }
        }
        QString problem;
        if (!records->check_tree(boardCards_, &problem)) {
            fail(problem);
        }
    }

    enum class Read { Appended, Failed, NotFlat };

    static NodeRecords::Value recordValue(const JsonScalar& v) {
        NodeRecords::Value out;
        switch (v.kind) {
            case JsonScalar::String:
                out.kind = NodeRecords::Value::Text;
                out.text = v.text;
                break;
            case JsonScalar::Number:
                out.kind = NodeRecords::Value::Number;
                out.number = v.number;
                break;
            case JsonScalar::True:
            case JsonScalar::False:
                out.kind = NodeRecords::Value::Flag;
                out.flag = v.kind == JsonScalar::True;
                break;
            case JsonScalar::Null:
                out.kind = NodeRecords::Value::Null;
                break;
        }
        return out;
    }

    // A node read straight from the text, without a JSON value or a map:
    // the way the program writes nodes (flat objects of the members it
    // knows, each once). Anything else is NotFlat and read in full.
    Read readNodeText(const JsonSpan& meta, const JsonSpan& actions, NodeRecords& records,
                      QString& problem) {
        if (!skeleton_.flat_members(meta, members_)) {
            return Read::NotFlat;
        }
        NodeRecords::NodeFields node;
        NodeRecords::Value* const fields[] = {
            &node.kind,         &node.street,      &node.player,          &node.pot,
            &node.invested_oop, &node.invested_ip, &node.effective_stack, &node.has_children};
        static constexpr std::string_view kNodeKeys[] = {
            "nodeType",    "chanceDeal", "player",         "pot",
            "investedOop", "investedIp", "effectiveStack", "hasChildren"};
        unsigned seen = 0;
        for (const auto& [key, value] : members_) {
            const auto at =
                static_cast<std::size_t>(std::ranges::find(kNodeKeys, key) - std::begin(kNodeKeys));
            if (at == std::size(kNodeKeys) || ((seen >> at) & 1u) != 0) {
                return Read::NotFlat;  // a member of another program, or one repeated
            }
            seen |= 1u << at;
            *fields[at] = recordValue(value);
        }
        if (!skeleton_.flat_objects(actions, members_, memberCounts_)) {
            return Read::NotFlat;
        }
        actionFields_.assign(memberCounts_.size(), {});
        auto member = members_.cbegin();
        for (std::size_t j = 0; j < memberCounts_.size(); ++j) {
            NodeRecords::ActionFields& a = actionFields_[j];
            seen = 0;
            const auto first = member;
            member += static_cast<std::ptrdiff_t>(memberCounts_[j]);
            for (const auto& [key, value] : std::ranges::subrange(first, member)) {
                const unsigned bit = key == "name"         ? 1u
                                     : key == "actionType" ? 2u
                                     : key == "frequency"  ? 4u
                                     : key == "childIndex" ? 8u
                                                           : 0u;
                const bool number = value.kind == JsonScalar::Number;
                if (bit == 0 || (seen & bit) != 0 ||
                    (bit >= 4u && !number && value.kind != JsonScalar::Null)) {
                    return Read::NotFlat;
                }
                seen |= bit;
                if (bit == 1u) {
                    a.name = recordValue(value);
                } else if (bit == 2u) {
                    a.action_type = recordValue(value);
                } else {
                    (bit == 4u ? a.frequency : a.child) = number ? value.number : 0.0;
                }
            }
        }
        return records.append_node(node, actionFields_, &problem) ? Read::Appended : Read::Failed;
    }

    // The set-up state must be one the set-up page accepts: a board of
    // distinct cards, a pot and a stack above 0 (both 0 only in the blank
    // state the program starts with, saved before any spot was set up).
    void checkProjectState(const ProjectFileContents& p) {
        const QVariant board = p.project.value("boardText");
        if (board.isValid() && !board.isNull()) {
            const std::optional<std::uint64_t> cards =
                board.typeId() == QMetaType::QString ? boardMask(board.toString()) : std::nullopt;
            if (!cards) {
                fail(QStringLiteral("\"boardText\" is not a board of distinct cards"));
                return;
            }
            boardCards_ = *cards;
        }
        // The board the results were solved on, when the file tells it.
        const QVariant solved = p.lastUiCfg.value("board");
        if (solved.typeId() == QMetaType::QString) {
            if (const std::optional<std::uint64_t> cards = boardMask(solved.toString())) {
                boardCards_ = *cards;
            }
        }
        std::optional<double> amounts[2];
        const char* keys[2] = {"startingPot", "effectiveStack"};
        for (int k = 0; k < 2; ++k) {
            const QVariant v = p.project.value(QString::fromLatin1(keys[k]));
            if (!v.isValid() || v.isNull()) {
                continue;
            }
            const bool number = v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Int ||
                                v.typeId() == QMetaType::LongLong;
            if (!number || !std::isfinite(v.toDouble()) || v.toDouble() < 0.0) {
                fail(QStringLiteral("\"%1\" is not an amount of 0 or more").arg(keys[k]));
                return;
            }
            amounts[k] = v.toDouble();
        }
        const bool blank =
            amounts[0].value_or(0.0) == 0.0 && amounts[1].value_or(0.0) == 0.0 && !p.hasResults;
        for (int k = 0; k < 2; ++k) {
            if (amounts[k] && *amounts[k] == 0.0 && !blank) {
                fail(QStringLiteral("\"%1\" is 0").arg(keys[k]));
                return;
            }
        }
        checkSolveConfig(p.lastUiCfg);
    }

    // The last solve's configuration is solved again by a re-solve: it must
    // be one the set-up page could have started. Empty before any solve.
    void checkSolveConfig(const QVariantMap& cfg) {
        const QVariant board = cfg.value("board");
        if (board.isValid() &&
            (board.typeId() != QMetaType::QString || !boardMask(board.toString()))) {
            fail(QStringLiteral("\"lastUiCfg\": \"board\" is not a board of distinct cards"));
            return;
        }
        for (const char* key : {"starting_pot", "effective_stack"}) {
            const QVariant v = cfg.value(QString::fromLatin1(key));
            bool number = false;
            const double x = v.isValid() ? v.toDouble(&number) : 1.0;
            if (v.isValid() && (!number || !std::isfinite(x) || x <= 0.0)) {
                fail(QStringLiteral("\"lastUiCfg\": \"%1\" is not an amount above 0").arg(key));
                return;
            }
        }
    }

    // One bit per card of a board text of up to five distinct cards.
    static std::optional<std::uint64_t> boardMask(const QString& text) {
        const std::string compact = text.simplified().remove(QLatin1Char(' ')).toStdString();
        if (compact.size() % 2 != 0 || compact.size() > 10) {
            return std::nullopt;
        }
        std::uint64_t mask = 0;
        for (std::size_t i = 0; i < compact.size(); i += 2) {
            try {
                const std::uint64_t card = std::uint64_t{1}
                                           << quendal::parse_card(compact.substr(i, 2));
                if (mask & card) {
                    return std::nullopt;
                }
                mask |= card;
            } catch (const std::exception&) {
                return std::nullopt;
            }
        }
        return mask;
    }

    // A node index: -1 when absent (skipped), an error beyond the tree.
    int nodeIndex(const QJsonObject& element, const ProjectFileContents& p) {
        const std::int64_t limit = p.records ? static_cast<std::int64_t>(p.records->size()) - 1
                                             : std::numeric_limits<int>::max();
        const std::int64_t n =
            whole(element.value("nodeIndex"), "a node index", -1, std::numeric_limits<int>::min(),
                  std::max<std::int64_t>(limit, -1));
        return static_cast<int>(n);
    }

    void readCaches(const JsonSpan& span, ProjectFileContents& p) {
        const auto members = skeleton_.members(span);
        if (!members) {
            fail(QStringLiteral("\"nodeCaches\" is not an object"));
            return;
        }
        for (const auto& [key, value] : *members) {
            const bool strategy = key == QLatin1String("handStrategyByNode");
            QHash<int, QVariantList>* list = nullptr;
            if (key == QLatin1String("actionStatsByNode")) {
                list = &p.actionStats;
            } else if (key == QLatin1String("handCombosByNode")) {
                list = &p.handCombos;
            } else if (key == QLatin1String("handBucketsByNode")) {
                list = &p.handBuckets;
            }
            const bool seat = key == QLatin1String("seatHandCombosByNode");
            if (!strategy && list == nullptr && !seat) {
                continue;  // not a cache of this program
            }
            for (const JsonSpan& element : arrayElements(value, "\"" + key + "\"")) {
                const QJsonValue v = parsed(element);
                if (!v.isObject()) {
                    fail(QStringLiteral("an element of \"%1\" is not an object").arg(key));
                    return;
                }
                const QJsonObject o = v.toObject();
                const int n = nodeIndex(o, p);
                if (!ok_) {
                    return;
                }
                if (n < 0) {
                    continue;
                }
                const QJsonValue data = o.value("data");
                if (strategy ? !data.isObject() : !data.isArray()) {
                    fail(QStringLiteral("the data of \"%1\" has the wrong type").arg(key));
                    return;
                }
                if (strategy) {
                    p.handStrategy.insert(n, data.toObject().toVariantMap());
                } else if (list != nullptr) {
                    list->insert(n, data.toArray().toVariantList());
                } else {
                    const QString which = o.value("seat").toString().trimmed().toUpper();
                    if (which == QLatin1String("OOP")) {
                        p.seatOop.insert(n, data.toArray().toVariantList());
                    } else if (which == QLatin1String("IP")) {
                        p.seatIp.insert(n, data.toArray().toVariantList());
                    }
                }
            }
        }
    }

    static bool isHandClass(const QString& hand) {
        static const QSet<QString> classes = [] {
            QSet<QString> set;
            for (const std::string& label : hand_class_labels_169()) {
                set.insert(QString::fromStdString(label));
            }
            return set;
        }();
        return classes.contains(hand);
    }

    // The node a lock row applies to must be a decision of the file's tree:
    // its number of actions, or -1 after a failure.
    int lockedNodeActions(int n, const ProjectFileContents& p) {
        const bool decision =
            p.records &&
            p.records->text(p.records->node(static_cast<std::size_t>(n)).kind) == "decision";
        if (!decision) {
            fail(QStringLiteral("a lock of node %1 is not at a decision").arg(n));
            return -1;
        }
        return static_cast<int>(p.records->node(static_cast<std::size_t>(n)).action_count);
    }

    // Rows without a node, a hand or probabilities are skipped; every other
    // row must be a lock the program could have set, or the user's lock
    // would be dropped or changed on the way in.
    void readLocks(const JsonSpan& span, ProjectFileContents& p) {
        for (const JsonSpan& element : arrayElements(span, "\"nodeLocks\"")) {
            const QJsonValue v = parsed(element);
            if (!v.isObject()) {
                fail(QStringLiteral("a node lock is not an object"));
                return;
            }
            const QJsonObject o = v.toObject();
            const int n = nodeIndex(o, p);
            if (!ok_) {
                return;
            }
            const QJsonValue handValue = o.value("hand");
            if (!handValue.isUndefined() && !handValue.isNull() && !handValue.isString()) {
                fail(QStringLiteral("a lock's \"hand\" is not a text"));
                return;
            }
            const QString hand = handValue.toString();
            const bool skipped = n < 0 || hand.isEmpty();
            // The node's number of actions, or -1 after a failure.
            const auto lockedNode = [&] {
                if (!isHandClass(hand)) {
                    fail(QStringLiteral("a lock of node %1 holds \"%2\", which is not a hand class")
                             .arg(n)
                             .arg(hand));
                    return -1;
                }
                return lockedNodeActions(n, p);
            };
            const auto outside = [&] {
                fail(QStringLiteral("a lock of node %1 has a probability outside 0 to 1").arg(n));
            };
            if (o.contains("actionProbs")) {
                const QJsonValue probs = o.value("actionProbs");
                if (!probs.isArray()) {
                    fail(QStringLiteral("a lock's \"actionProbs\" is not an array"));
                    return;
                }
                const QJsonArray list = probs.toArray();
                bool any = false;
                for (const QJsonValue x : list) {
                    if (!x.isDouble()) {
                        fail(QStringLiteral("a lock probability is not a number"));
                        return;
                    }
                    any = any || x.toDouble() > 0.0;
                }
                if (skipped || list.isEmpty()) {
                    continue;
                }
                const int actions = lockedNode();
                if (actions < 0) {
                    return;
                }
                if (list.size() != actions) {
                    fail(
                        QStringLiteral("a lock of node %1 has the wrong number of actions").arg(n));
                    return;
                }
                for (const QJsonValue x : list) {
                    if (!(x.toDouble() >= 0.0 && x.toDouble() <= 1.0)) {
                        outside();
                        return;
                    }
                }
                if (!any) {
                    fail(QStringLiteral("a lock of node %1 gives no action a probability").arg(n));
                    return;
                }
            } else {
                const std::int64_t action =
                    whole(o.value("actionIndex"), "a lock's action index", -1,
                          std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
                const double prob = o.contains("actionProb") ? finite(o, "actionProb") : 1.0;
                if (!ok_) {
                    return;
                }
                if (!skipped && action >= 0) {
                    const int actions = lockedNode();
                    if (actions < 0) {
                        return;
                    }
                    if (action >= actions) {
                        fail(QStringLiteral(
                                 "a lock of node %1 names an action the node does not have")
                                 .arg(n));
                        return;
                    }
                    if (!(prob >= 0.0 && prob <= 1.0)) {
                        outside();
                        return;
                    }
                }
            }
            p.locks.append(o.toVariantMap());
        }
    }

    JsonSkeleton skeleton_;
    // Reused from node to node by readNodeText.
    std::vector<std::pair<std::string_view, JsonScalar>> members_;
    std::vector<std::size_t> memberCounts_;
    std::vector<NodeRecords::ActionFields> actionFields_;
    bool ok_ = true;
    QString problem_;
    std::uint64_t boardCards_ = 0;
};


}  // namespace

QString readProjectFile(const QByteArray& bytes, ProjectFileContents& contents) {
    return ProjectReader(bytes).read(contents);
}

}  // namespace quendal_app
