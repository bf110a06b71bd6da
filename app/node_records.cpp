#include "app/node_records.h"

#include "app/worker_threads.h"
#include "core/card.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <deque>

namespace quendal_app {

namespace {

QString qtext(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

std::shared_ptr<const NodeRecords> NodeRecords::from_snapshot(const SolveResultSnapshot& snapshot) {
    auto records = std::make_shared<NodeRecords>();
    records->list_ = snapshot.nodes;
    records->effective_stack_ = snapshot.effective_stack;
    return records;
}

QVariantMap NodeRecords::meta_map(std::size_t i) const {
    const Node& n = node(i);
    return {{"nodeType", qtext(text(n.kind))},
            {"chanceDeal", qtext(text(n.street))},
            {"player", qtext(text(n.player))},
            {"pot", n.pot / 100.0},
            {"effectiveStack", effective_stack_ / 100.0},
            {"investedOop", n.invested_oop / 100.0},
            {"investedIp", n.invested_ip / 100.0},
            {"hasChildren", n.action_count > 0}};
}

QVariantList NodeRecords::action_maps(std::size_t i) const {
    QVariantList list;
    const Node& n = node(i);
    for (std::uint32_t j = 0; j < n.action_count; ++j) {
        const Action& a = action(i, j);
        list.append(QVariantMap{{"name", qtext(text(a.label))},
                                {"actionType", qtext(text(a.code))},
                                {"frequency", a.frequency},
                                {"childIndex", static_cast<int>(a.child)}});
    }
    return list;
}

namespace {

using Value = NodeRecords::Value;

// A text member, absent meaning empty; `allowed` (when given) lists the
// texts the engine writes there.
bool readText(const Value& v, const char* key, std::string_view& out, QString* error,
              std::initializer_list<const char*> allowed = {}) {
    if (v.kind != Value::Absent && v.kind != Value::Null && v.kind != Value::Text) {
        *error = QStringLiteral("\"%1\" is not a text").arg(key);
        return false;
    }
    out = v.kind == Value::Text ? v.text : std::string_view();
    if (allowed.size() > 0 &&
        std::none_of(allowed.begin(), allowed.end(), [&](const char* a) { return out == a; })) {
        *error = QStringLiteral("\"%1\" is not one of the engine's texts").arg(key);
        return false;
    }
    return true;
}

// Chips to hundredths, refusing what is not a finite amount of 0 or more
// within 32 bits.
bool readChips(const Value& v, const char* key, std::int32_t& out, QString* error) {
    if (v.kind == Value::Absent || v.kind == Value::Null) {
        out = 0;
        return true;
    }
    const double hundredths = v.kind == Value::Number ? std::round(v.number * 100.0) : 0.0;
    if (v.kind != Value::Number || !std::isfinite(hundredths) || v.number < 0.0 ||
        hundredths > 2147483647.0) {
        *error = QStringLiteral("\"%1\" is not a usable amount").arg(key);
        return false;
    }
    out = static_cast<std::int32_t>(hundredths);
    return true;
}

// "fold", "check", "call", "allin", "chance", or "bet"/"raise" alone or
// with a whole percentage of the pot.
bool isActionCode(std::string_view code) {
    for (const char* plain : {"fold", "check", "call", "allin", "chance", "bet", "raise"}) {
        if (code == plain) {
            return true;
        }
    }
    for (const std::string_view prefix : {"bet ", "raise "}) {
        if (code.size() > prefix.size() + 1 && code.substr(0, prefix.size()) == prefix &&
            code.back() == '%') {
            const std::string_view digits =
                code.substr(prefix.size(), code.size() - prefix.size() - 1);
            return std::all_of(digits.begin(), digits.end(),
                               [](char c) { return c >= '0' && c <= '9'; });
        }
    }
    return false;
}

// A map's member as a record value; texts are kept in `texts`.
Value valueOf(const QVariantMap& map, const char* key, std::deque<std::string>& texts) {
    const QVariant v = map.value(QString::fromLatin1(key));
    Value out;
    if (!v.isValid()) {
        return out;
    }
    if (v.isNull()) {
        out.kind = Value::Null;
    } else if (v.typeId() == QMetaType::QString) {
        out.kind = Value::Text;
        out.text = texts.emplace_back(v.toString().toStdString());
    } else if (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Int ||
               v.typeId() == QMetaType::LongLong) {
        out.kind = Value::Number;
        out.number = v.toDouble();
    } else if (v.typeId() == QMetaType::Bool) {
        out.kind = Value::Flag;
        out.flag = v.toBool();
    } else {
        out.kind = Value::Other;
    }
    return out;
}

}  // namespace

void NodeRecords::fields_of(const QVariantMap& meta, const QVariantList& actions,
                            std::deque<std::string>& texts, NodeFields& node,
                            std::vector<ActionFields>& read) {
    node.kind = valueOf(meta, "nodeType", texts);
    node.street = valueOf(meta, "chanceDeal", texts);
    node.player = valueOf(meta, "player", texts);
    node.pot = valueOf(meta, "pot", texts);
    node.invested_oop = valueOf(meta, "investedOop", texts);
    node.invested_ip = valueOf(meta, "investedIp", texts);
    node.effective_stack = valueOf(meta, "effectiveStack", texts);
    node.has_children = valueOf(meta, "hasChildren", texts);
    read.assign(static_cast<std::size_t>(actions.size()), {});
    for (std::size_t j = 0; j < read.size(); ++j) {
        const QVariant& item = actions[static_cast<qsizetype>(j)];
        ActionFields& a = read[j];
        a.object = item.typeId() == QMetaType::QVariantMap;
        if (a.object) {
            const QVariantMap m = item.toMap();
            a.name = valueOf(m, "name", texts);
            a.action_type = valueOf(m, "actionType", texts);
            a.frequency = m.value("frequency").toDouble();
            a.child = m.value("childIndex").toDouble();
        }
    }
}

bool NodeRecords::append_node(const QVariantMap& meta, const QVariantList& actions,
                              QString* error) {
    // The texts the values view; a deque keeps them in place as it grows.
    std::deque<std::string> texts;
    NodeFields node;
    std::vector<ActionFields> read;
    fields_of(meta, actions, texts, node, read);
    return append_node(node, read, error);
}

bool NodeRecords::check(const NodeFields& meta, const std::vector<ActionFields>& actions,
                        Checked& out, std::vector<CheckedAction>& read, QString* error) {
    Node& node = out.node;
    if (!readText(meta.kind, "nodeType", out.kind, error, {"", "decision", "chance", "terminal"}) ||
        !readText(meta.street, "chanceDeal", out.street, error, {"", "turn", "river"}) ||
        !readText(meta.player, "player", out.player, error, {"", "OOP", "IP"}) ||
        !readChips(meta.pot, "pot", node.pot, error) ||
        !readChips(meta.invested_oop, "investedOop", node.invested_oop, error) ||
        !readChips(meta.invested_ip, "investedIp", node.invested_ip, error) ||
        !readChips(meta.effective_stack, "effectiveStack", out.stack, error)) {
        return false;
    }
    const std::string_view kind = out.kind;
    const bool decision = kind == "decision";
    const bool chance = kind == "chance";
    if ((decision != !out.player.empty()) || (chance != !out.street.empty())) {
        *error = QStringLiteral("the node's type, player and deal do not agree");
        return false;
    }
    const Value& has = meta.has_children;
    if (has.kind != Value::Absent && has.kind != Value::Null &&
        (has.kind != Value::Flag || has.flag != !actions.empty())) {
        *error = QStringLiteral("\"hasChildren\" does not agree with the actions");
        return false;
    }
    node.action_count = static_cast<std::uint32_t>(actions.size());
    read.clear();
    double total = 0.0;
    for (const ActionFields& a : actions) {
        if (!a.object) {
            *error = QStringLiteral("an action is not an object");
            return false;
        }
        std::string_view label, code;
        if (!readText(a.name, "name", label, error) ||
            !readText(a.action_type, "actionType", code, error)) {
            return false;
        }
        // A terminal deals only the runout of an all-in; an untyped node
        // (an empty record) has no actions.
        const bool deal = code == "chance";
        if (!isActionCode(code) || (decision ? deal : !deal) || kind.empty()) {
            *error = QStringLiteral("\"actionType\" is not an action of this node");
            return false;
        }
        if (deal) {
            try {
                quendal::parse_card(label);
            } catch (const std::exception&) {
                *error = QStringLiteral("a dealt card is not a card");
                return false;
            }
        }
        const double frequency = a.frequency;
        const double child = a.child;
        if (!std::isfinite(frequency) || frequency < 0.0 || frequency > 1.0 + 1e-5 ||
            !std::isfinite(child) || child < 0.0 || child != std::floor(child) ||
            child > 4294967295.0) {
            *error = QStringLiteral("an action has an unusable frequency or child index");
            return false;
        }
        read.push_back(
            {label, code, static_cast<float>(frequency), static_cast<std::uint32_t>(child)});
        total += read.back().frequency;
    }
    if (total > 1.0 + 1e-3) {
        *error = QStringLiteral("the frequencies of its actions add up to more than 1");
        return false;
    }
    return true;
}

bool NodeRecords::append_node(const NodeFields& meta, const std::vector<ActionFields>& actions,
                              QString* error) {
    Checked checked;
    if (!check(meta, actions, checked, read_, error)) {
        return false;
    }
    if (list_.empty()) {
        effective_stack_ = checked.stack;
    }
    Node node = checked.node;
    node.kind = list_.intern(checked.kind);
    node.street = list_.intern(checked.street);
    node.player = list_.intern(checked.player);
    list_.add_node(node);
    for (const CheckedAction& a : read_) {
        list_.add_action({list_.intern(a.label), list_.intern(a.code), a.frequency, a.child});
    }
    return true;
}

NodeRecords::Builder::Builder(std::size_t nodes, std::size_t block_nodes)
    : node_count_(nodes), block_nodes_(std::max<std::size_t>(block_nodes, 1)) {
    blocks_.resize((nodes + block_nodes_ - 1) / block_nodes_);
    nodes_ = records_->list_.grow_unwritten(nodes, 0).first;
}

namespace {

// The length and the bytes at both ends and in the middle tell the
// engine's texts apart well enough ("Bet 33%", "Ah", "chance").
std::size_t textHash(std::string_view text) {
    const std::size_t n = text.size();
    if (n == 0) {
        return 0;
    }
    const auto at = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const std::size_t hash = (n * 0x9E3779B1u) ^ (at(0) * 0x85EBCA6Bu) ^ (at(n - 1) * 0xC2B2AE35u) ^
                             (at(n / 2) * 0x27D4EB2Fu) ^ (at(n > 1 ? n - 2 : 0) * 0x165667B1u);
    return hash ^ (hash >> 15);
}

}  // namespace

std::uint32_t NodeRecords::Builder::number(Block& block, std::string_view text) {
    const std::size_t mask = block.hashed.size() - 1;
    for (std::size_t slot = textHash(text) & mask;; slot = (slot + 1) & mask) {
        const std::uint32_t id = block.hashed[slot];
        if (id != 0 && block.texts[id - 1] == text) {
            return id - 1;
        }
        if (id == 0) {
            block.texts.push_back(text);
            block.hashed[slot] = static_cast<std::uint32_t>(block.texts.size());
            if (2 * block.texts.size() > block.hashed.size()) {
                // Kept at most half full: twice the room, every text placed again.
                block.hashed.assign(2 * block.hashed.size(), 0);
                for (std::uint32_t t = 0; t < block.texts.size(); ++t) {
                    std::size_t s = textHash(block.texts[t]) & (block.hashed.size() - 1);
                    while (block.hashed[s] != 0) {
                        s = (s + 1) & (block.hashed.size() - 1);
                    }
                    block.hashed[s] = t + 1;
                }
            }
            return static_cast<std::uint32_t>(block.texts.size() - 1);
        }
    }
}

bool NodeRecords::Builder::add(std::size_t b, std::size_t i, const NodeFields& meta,
                               const std::vector<ActionFields>& actions, QString* error) {
    Block& block = blocks_[b];
    Checked checked;
    if (!check(meta, actions, checked, block.read, error)) {
        return false;
    }
    if (i == 0) {
        records_->effective_stack_ = checked.stack;
    }
    Node& node = nodes_[i];
    node = checked.node;
    node.kind = number(block, checked.kind);
    node.street = number(block, checked.street);
    node.player = number(block, checked.player);
    node.first_action = static_cast<std::uint32_t>(block.actions.size());
    for (const CheckedAction& a : block.read) {
        block.actions.push_back(
            {number(block, a.label), number(block, a.code), a.frequency, a.child});
    }
    return true;
}

std::shared_ptr<NodeRecords> NodeRecords::Builder::finish(int threads) {
    // The blocks' texts numbered for the whole list, and where each block's
    // actions go.
    std::vector<std::vector<std::uint32_t>> numbers(blocks_.size());
    std::vector<std::size_t> firstAction(blocks_.size() + 1, 0);
    for (std::size_t b = 0; b < blocks_.size(); ++b) {
        for (const std::string_view text : blocks_[b].texts) {
            numbers[b].push_back(records_->list_.intern(text));
        }
        firstAction[b + 1] = firstAction[b] + blocks_[b].actions.size();
    }
    Action* const actions = records_->list_.grow_unwritten(0, firstAction.back()).second;
    forEachOnThreads(threads, blocks_.size(), [&](std::size_t b) {
        const std::vector<std::uint32_t>& n = numbers[b];
        for (std::size_t i = first_node(b); i < first_node(b + 1); ++i) {
            Node& node = nodes_[i];
            node.kind = n[node.kind];
            node.street = n[node.street];
            node.player = n[node.player];
            node.first_action += static_cast<std::uint32_t>(firstAction[b]);
        }
        Action* out = actions + firstAction[b];
        for (const Action& a : blocks_[b].actions) {
            *out++ = {n[a.label], n[a.code], a.frequency, a.child};
        }
    });
    return records_;
}

bool NodeRecords::check_tree(std::uint64_t board_cards, QString* error) const {
    // Children lie after their node and are reached once: a tree in
    // depth-first order. Each node knows the cards dealt on its way.
    const std::size_t count = size();
    std::vector<std::uint64_t> dealt(count, 0);
    std::vector<bool> reached(count, false);
    if (count != 0) {
        reached[0] = true;
        dealt[0] = board_cards;
    }
    const bool known_board = std::popcount(board_cards) >= 3;
    for (std::size_t i = 0; i < count; ++i) {
        if (!reached[i]) {
            *error = QStringLiteral("node %1 is not reached from the root").arg(i);
            return false;
        }
        // A deal brings the board from three cards to four or from four to
        // five, when the board is known.
        const std::string& street = text(node(i).street);
        if (known_board && !street.empty()) {
            const int cards = std::popcount(dealt[i]);
            if (cards != (street == "turn" ? 3 : 4)) {
                *error = QStringLiteral("node %1 deals the %2 to a board of %3 cards")
                             .arg(i)
                             .arg(QString::fromStdString(street))
                             .arg(cards);
                return false;
            }
        }
        std::uint64_t siblings = 0;
        for (std::uint32_t j = 0; j < node(i).action_count; ++j) {
            const Action& a = action(i, j);
            if (a.child <= i || a.child >= count || reached[a.child]) {
                *error =
                    QStringLiteral("node %1: a child index does not lead to a new node").arg(i);
                return false;
            }
            reached[a.child] = true;
            dealt[a.child] = dealt[i];
            if (text(a.code) == "chance") {
                const std::uint64_t card = std::uint64_t{1} << quendal::parse_card(text(a.label));
                if ((dealt[i] | siblings) & card) {
                    *error = QStringLiteral("node %1 deals a card already dealt").arg(i);
                    return false;
                }
                siblings |= card;
                dealt[a.child] |= card;
            }
        }
    }
    return true;
}

}  // namespace quendal_app
