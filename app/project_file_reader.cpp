// Reads a project file: the whole text checked as JSON first, then each
// member checked as the program writes it, into contents the controller
// takes only when all of it is sound.
#include "app/json_text.h"
#include "app/project_file.h"
#include "app/solve_config_map.h"
#include "app/worker_threads.h"
#include "core/card.h"
#include "session/action_labels.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <algorithm>
#include <atomic>
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
    ProjectReader(const QByteArray& bytes, const ProjectFileWork& work)
        : work_(work), skeleton_(bytes, {work.threads, work.piece}) {}

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
        const JsonSkeleton::ElementIndex* meta = nodeArray(r, "treeNodeMeta");
        const JsonSkeleton::ElementIndex* actions = nodeArray(r, "treeNodeActions");
        const std::size_t count = meta != nullptr ? meta->count : 0;
        if (count != (actions != nullptr ? actions->count : 0)) {
            fail(QStringLiteral("\"treeNodeMeta\" and \"treeNodeActions\" differ in length"));
            return;
        }
        if (!ok_ || count == 0) {
            return;
        }
        // Blocks of nodes read on several threads; the first node that fails
        // in node order is the one reported.
        NodeRecords::Builder builder(count, work_.blockNodes);
        std::vector<std::pair<std::size_t, QString>> failures(builder.blocks());
        std::atomic<std::size_t> failedBlock{builder.blocks()};
        forEachOnThreads(work_.threads, builder.blocks(), [&](std::size_t b) {
            if (b > failedBlock.load(std::memory_order_relaxed)) {
                return;
            }
            NodeText text(skeleton_);
            qsizetype m = skeleton_.element_at(*meta, builder.first_node(b));
            qsizetype a = skeleton_.element_at(*actions, builder.first_node(b));
            for (std::size_t i = builder.first_node(b); i < builder.first_node(b + 1); ++i) {
                QString problem;
                if (!text.read(m, a, b, i, builder, problem)) {
                    failures[b] = {i, problem};
                    for (std::size_t seen = failedBlock.load();
                         seen > b && !failedBlock.compare_exchange_weak(seen, b);) {
                    }
                    return;
                }
                m = skeleton_.next_element(m);
                a = skeleton_.next_element(a);
            }
        });
        if (failedBlock.load() < builder.blocks()) {
            fail(failures[failedBlock.load()].second);
            return;
        }
        const std::shared_ptr<NodeRecords> records = builder.finish(work_.threads);
        p.records = records;
        QString problem;
        const bool treeOk = records->check_tree(boardCards_, &problem);
        if (!treeOk) {
            fail(problem);
        }
    }

    // The index of one of the results' node arrays, as the document check
    // made it; nothing when absent or after a failure.
    const JsonSkeleton::ElementIndex* nodeArray(const QHash<QString, JsonSpan>& results,
                                                const char* key) {
        const auto it = results.constFind(QString::fromLatin1(key));
        if (it == results.cend()) {
            return nullptr;
        }
        const JsonSkeleton::ElementIndex* index =
            it->kind == '[' ? skeleton_.element_index(*it) : nullptr;
        if (index == nullptr) {
            fail(QStringLiteral("\"%1\" is not an array").arg(key));
        }
        return index;
    }

    // Nodes read from the text, one after the other, on one thread.
    class NodeText {
    public:
        explicit NodeText(const JsonSkeleton& skeleton) : skeleton_(skeleton) {}

        // Node `i` from its element of each array (at `meta` and `actions`,
        // which are moved past them) into block `b`; false with the problem.
        bool read(qsizetype& meta, qsizetype& actions, std::size_t b, std::size_t i,
                  NodeRecords::Builder& builder, QString& problem) {
            NodeRecords::NodeFields node;
            qsizetype m = meta;
            qsizetype a = actions;
            if ((readMetaAsWritten(m, node) || readMeta(m = meta, node)) &&
                (readActionsAsWritten(a) || readActions(a = actions))) {
                meta = m;
                actions = a;
                if (!builder.add(b, i, node, actionFields_, &problem)) {
                    problem = QStringLiteral("node %1: %2").arg(i).arg(problem);
                    return false;
                }
                return true;
            }
            // Any other node is parsed in full.
            const std::optional<JsonSpan> metaSpan = skeleton_.value_at(meta);
            const std::optional<JsonSpan> actionsSpan = skeleton_.value_at(actions);
            const std::optional<QJsonValue> mv = skeleton_.value(*metaSpan);
            const std::optional<QJsonValue> av = skeleton_.value(*actionsSpan);
            meta = metaSpan->end;
            actions = actionsSpan->end;
            if (!mv || !av || !mv->isObject() || !av->isArray()) {
                problem = QStringLiteral("node %1 is malformed").arg(i);
                return false;
            }
            NodeRecords::fields_of(mv->toObject().toVariantMap(), av->toArray().toVariantList(),
                                   builder.texts(b), node, actionFields_);
            if (!builder.add(b, i, node, actionFields_, &problem)) {
                problem = QStringLiteral("node %1: %2").arg(i).arg(problem);
                return false;
            }
            return true;
        }

    private:
        // A flat object of the node's members, each once.
        bool readMeta(qsizetype& pos, NodeRecords::NodeFields& node) {
            if (!skeleton_.flat_members_at(pos, members_)) {
                return false;
            }
            node = {};
            NodeRecords::Value* const fields[] = {
                &node.kind,         &node.street,      &node.player,          &node.pot,
                &node.invested_oop, &node.invested_ip, &node.effective_stack, &node.has_children};
            static constexpr std::string_view kNodeKeys[] = {
                "nodeType",    "chanceDeal", "player",         "pot",
                "investedOop", "investedIp", "effectiveStack", "hasChildren"};
            unsigned seen = 0;
            for (const auto& [key, value] : members_) {
                const auto at = static_cast<std::size_t>(std::ranges::find(kNodeKeys, key) -
                                                         std::begin(kNodeKeys));
                if (at == std::size(kNodeKeys) || ((seen >> at) & 1u) != 0) {
                    return false;  // a member of another program, or one repeated
                }
                seen |= 1u << at;
                *fields[at] = recordValue(value);
            }
            return true;
        }

        // The members in the order and spacing the program writes them.
        bool readMetaAsWritten(qsizetype& pos, NodeRecords::NodeFields& node) {
            static constexpr std::string_view kOpen = "{\"chanceDeal\": ";
            static constexpr std::pair<std::string_view,
                                       NodeRecords::Value NodeRecords::NodeFields::*>
                kNext[] = {{", \"effectiveStack\": ", &NodeRecords::NodeFields::effective_stack},
                           {", \"hasChildren\": ", &NodeRecords::NodeFields::has_children},
                           {", \"investedIp\": ", &NodeRecords::NodeFields::invested_ip},
                           {", \"investedOop\": ", &NodeRecords::NodeFields::invested_oop},
                           {", \"nodeType\": ", &NodeRecords::NodeFields::kind},
                           {", \"player\": ", &NodeRecords::NodeFields::player},
                           {", \"pot\": ", &NodeRecords::NodeFields::pot}};
            JsonScalar v;
            if (!skeleton_.literal_at(pos, kOpen) || !skeleton_.flat_scalar_at(pos, v)) {
                return false;
            }
            node.street = recordValue(v);
            for (const auto& [key, field] : kNext) {
                if (!skeleton_.literal_at(pos, key) || !skeleton_.flat_scalar_at(pos, v)) {
                    return false;
                }
                node.*field = recordValue(v);
            }
            return skeleton_.literal_at(pos, "}");
        }

        // An array of flat objects of the actions' members, each once.
        bool readActions(qsizetype& pos) {
            if (!skeleton_.flat_objects_at(pos, members_, memberCounts_)) {
                return false;
            }
            actionFields_.assign(memberCounts_.size(), {});
            auto member = members_.cbegin();
            for (std::size_t j = 0; j < memberCounts_.size(); ++j) {
                NodeRecords::ActionFields& a = actionFields_[j];
                unsigned seen = 0;
                const auto first = member;
                member += static_cast<std::ptrdiff_t>(memberCounts_[j]);
                for (const auto& [key, value] : std::ranges::subrange(first, member)) {
                    const unsigned bit = key == "name"         ? 1u
                                         : key == "actionType" ? 2u
                                         : key == "frequency"  ? 4u
                                         : key == "childIndex" ? 8u
                                                               : 0u;
                    if (bit == 0 || (seen & bit) != 0 || !setAction(a, bit, value)) {
                        return false;
                    }
                    seen |= bit;
                }
            }
            return true;
        }

        // The actions in the order and spacing the program writes them.
        bool readActionsAsWritten(qsizetype& pos) {
            static constexpr std::pair<std::string_view, unsigned> kMembers[] = {
                {"{\"actionType\": ", 2u},
                {", \"childIndex\": ", 8u},
                {", \"frequency\": ", 4u},
                {", \"name\": ", 1u}};
            actionFields_.clear();
            if (!skeleton_.literal_at(pos, "[")) {
                return false;
            }
            if (skeleton_.literal_at(pos, "]")) {
                return true;
            }
            do {
                NodeRecords::ActionFields& a = actionFields_.emplace_back();
                JsonScalar v;
                for (const auto& [key, bit] : kMembers) {
                    if (!skeleton_.literal_at(pos, key) || !skeleton_.flat_scalar_at(pos, v) ||
                        !setAction(a, bit, v)) {
                        return false;
                    }
                }
                if (!skeleton_.literal_at(pos, "}")) {
                    return false;
                }
            } while (skeleton_.literal_at(pos, ", "));
            return skeleton_.literal_at(pos, "]");
        }

        // An action's member; false for a frequency or child index that is
        // neither a number nor null.
        static bool setAction(NodeRecords::ActionFields& a, unsigned bit, const JsonScalar& v) {
            const bool number = v.kind == JsonScalar::Number;
            if (bit == 1u) {
                a.name = recordValue(v);
            } else if (bit == 2u) {
                a.action_type = recordValue(v);
            } else if (!number && v.kind != JsonScalar::Null) {
                return false;
            } else {
                (bit == 4u ? a.frequency : a.child) = number ? v.number : 0.0;
            }
            return true;
        }

        const JsonSkeleton& skeleton_;
        std::vector<std::pair<std::string_view, JsonScalar>> members_;
        std::vector<std::size_t> memberCounts_;
        std::vector<NodeRecords::ActionFields> actionFields_;
    };

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
    // be one a start would take. Empty before any solve.
    void checkSolveConfig(const QVariantMap& cfg) {
        if (cfg.isEmpty()) {
            return;
        }
        const SolveMapProblem problem = solveMapProblem(cfg);
        if (problem.kind != SolveMapProblem::Kind::None) {
            fail(QStringLiteral("\"lastUiCfg\": ") + problem.reason);
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
                if (!is_hand_class_label(hand.toStdString())) {
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

    ProjectFileWork work_;
    JsonSkeleton skeleton_;
    bool ok_ = true;
    QString problem_;
    std::uint64_t boardCards_ = 0;
};

}  // namespace

QString readProjectFile(const QByteArray& bytes, ProjectFileContents& contents,
                        const ProjectFileWork& work) {
    return ProjectReader(bytes, work).read(contents);
}

}  // namespace quendal_app
