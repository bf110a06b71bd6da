#include "app/node_records.h"

#include "core/card.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace quendal_app {

namespace {

class TextTable {
public:
    explicit TextTable(std::vector<std::string>& texts) : texts_(texts) { id(""); }
    std::uint32_t id(const std::string& text) {
        const auto [it, added] = ids_.try_emplace(text, static_cast<std::uint32_t>(texts_.size()));
        if (added) {
            texts_.push_back(text);
        }
        return it->second;
    }

private:
    std::vector<std::string>& texts_;
    std::unordered_map<std::string, std::uint32_t> ids_;
};

QString qtext(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

std::shared_ptr<const NodeRecords> NodeRecords::from_snapshot(const SolveResultSnapshot& snapshot) {
    auto records = std::make_shared<NodeRecords>();
    TextTable table(records->texts_);
    records->effective_stack_ = snapshot.effective_stack;
    records->nodes_.reserve(snapshot.nodes.size());
    std::size_t action_count = 0;
    for (const SolveNodeMeta& meta : snapshot.nodes) {
        action_count += meta.actions.size();
    }
    records->actions_.reserve(action_count);
    for (const SolveNodeMeta& meta : snapshot.nodes) {
        Node node;
        node.kind = table.id(meta.kind);
        node.street = table.id(meta.street);
        node.player = table.id(meta.player);
        node.pot = meta.pot;
        node.invested_oop = meta.invested_oop;
        node.invested_ip = meta.invested_ip;
        node.first_action = static_cast<std::uint32_t>(records->actions_.size());
        node.action_count = static_cast<std::uint32_t>(meta.actions.size());
        for (const SolveActionMeta& a : meta.actions) {
            records->actions_.push_back(
                {table.id(a.label), table.id(a.code), a.frequency, a.child});
        }
        records->nodes_.push_back(node);
    }
    return records;
}

QVariantMap NodeRecords::meta_map(std::size_t i) const {
    const Node& n = nodes_[i];
    return {{"nodeType", qtext(texts_[n.kind])},          {"chanceDeal", qtext(texts_[n.street])},
            {"player", qtext(texts_[n.player])},          {"pot", n.pot / 100.0},
            {"effectiveStack", effective_stack_ / 100.0}, {"investedOop", n.invested_oop / 100.0},
            {"investedIp", n.invested_ip / 100.0},        {"hasChildren", n.action_count > 0}};
}

QVariantList NodeRecords::action_maps(std::size_t i) const {
    QVariantList list;
    const Node& n = nodes_[i];
    for (std::uint32_t j = 0; j < n.action_count; ++j) {
        const Action& a = actions_[n.first_action + j];
        list.append(QVariantMap{{"name", qtext(texts_[a.label])},
                                {"actionType", qtext(texts_[a.code])},
                                {"frequency", a.frequency},
                                {"childIndex", static_cast<int>(a.child)}});
    }
    return list;
}

std::uint32_t NodeRecords::intern(const std::string& text) {
    if (texts_.empty()) {
        texts_.emplace_back();
        ids_.emplace(std::string(), 0);
    }
    const auto [it, added] = ids_.try_emplace(text, static_cast<std::uint32_t>(texts_.size()));
    if (added) {
        texts_.push_back(text);
    }
    return it->second;
}

namespace {

// A text member, absent meaning empty; `allowed` (when given) lists the
// texts the engine writes there.
bool readText(const QVariantMap& map, const char* key, std::string& out, QString* error,
              std::initializer_list<const char*> allowed = {}) {
    const QVariant v = map.value(QString::fromLatin1(key));
    if (v.isValid() && !v.isNull() && v.typeId() != QMetaType::QString) {
        *error = QStringLiteral("\"%1\" is not a text").arg(key);
        return false;
    }
    out = v.toString().toStdString();
    if (allowed.size() > 0 &&
        std::none_of(allowed.begin(), allowed.end(), [&](const char* a) { return out == a; })) {
        *error = QStringLiteral("\"%1\" is not one of the engine's texts").arg(key);
        return false;
    }
    return true;
}

// Chips to hundredths, refusing what is not a finite amount of 0 or more
// within 32 bits.
bool readChips(const QVariantMap& map, const char* key, std::int32_t& out, QString* error) {
    const QVariant v = map.value(QString::fromLatin1(key));
    bool ok = v.isValid() && (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Int ||
                              v.typeId() == QMetaType::LongLong);
    const double hundredths = ok ? std::round(v.toDouble() * 100.0) : 0.0;
    if (!v.isValid() || v.isNull()) {
        out = 0;
        return true;
    }
    if (!ok || !std::isfinite(hundredths) || v.toDouble() < 0.0 || hundredths > 2147483647.0) {
        *error = QStringLiteral("\"%1\" is not a usable amount").arg(key);
        return false;
    }
    out = static_cast<std::int32_t>(hundredths);
    return true;
}

// "fold", "check", "call", "allin", "chance", or "bet"/"raise" alone or
// with a whole percentage of the pot.
bool isActionCode(const std::string& code) {
    for (const char* plain : {"fold", "check", "call", "allin", "chance", "bet", "raise"}) {
        if (code == plain) {
            return true;
        }
    }
    for (const std::string prefix : {"bet ", "raise "}) {
        if (code.size() > prefix.size() + 1 && code.compare(0, prefix.size(), prefix) == 0 &&
            code.back() == '%') {
            const std::string digits = code.substr(prefix.size(), code.size() - prefix.size() - 1);
            return std::all_of(digits.begin(), digits.end(),
                               [](char c) { return c >= '0' && c <= '9'; });
        }
    }
    return false;
}

}  // namespace

bool NodeRecords::append_node(const QVariantMap& meta, const QVariantList& actions,
                              QString* error) {
    std::string kind, street, player;
    Node node;
    std::int32_t stack = 0;
    if (!readText(meta, "nodeType", kind, error, {"", "decision", "chance", "terminal"}) ||
        !readText(meta, "chanceDeal", street, error, {"", "turn", "river"}) ||
        !readText(meta, "player", player, error, {"", "OOP", "IP"}) ||
        !readChips(meta, "pot", node.pot, error) ||
        !readChips(meta, "investedOop", node.invested_oop, error) ||
        !readChips(meta, "investedIp", node.invested_ip, error) ||
        !readChips(meta, "effectiveStack", stack, error)) {
        return false;
    }
    const bool decision = kind == "decision";
    const bool chance = kind == "chance";
    if ((decision != !player.empty()) || (chance != !street.empty())) {
        *error = QStringLiteral("the node's type, player and deal do not agree");
        return false;
    }
    const QVariant has = meta.value("hasChildren");
    if (has.isValid() && !has.isNull() &&
        (has.typeId() != QMetaType::Bool || has.toBool() != !actions.isEmpty())) {
        *error = QStringLiteral("\"hasChildren\" does not agree with the actions");
        return false;
    }
    if (nodes_.empty()) {
        effective_stack_ = stack;
    }
    node.kind = intern(kind);
    node.street = intern(street);
    node.player = intern(player);
    node.first_action = static_cast<std::uint32_t>(actions_.size());
    node.action_count = static_cast<std::uint32_t>(actions.size());
    for (const QVariant& item : actions) {
        if (item.typeId() != QMetaType::QVariantMap) {
            *error = QStringLiteral("an action is not an object");
            return false;
        }
        const QVariantMap a = item.toMap();
        std::string label, code;
        if (!readText(a, "name", label, error) || !readText(a, "actionType", code, error)) {
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
        const double frequency = a.value("frequency").toDouble();
        const double child = a.value("childIndex").toDouble();
        if (!std::isfinite(frequency) || frequency < 0.0 || frequency > 1.0 + 1e-5 ||
            !std::isfinite(child) || child < 0.0 || child != std::floor(child) ||
            child > 4294967295.0) {
            *error = QStringLiteral("an action has an unusable frequency or child index");
            return false;
        }
        actions_.push_back({intern(label), intern(code), static_cast<float>(frequency),
                            static_cast<std::uint32_t>(child)});
    }
    nodes_.push_back(node);
    return true;
}

bool NodeRecords::check_tree(std::uint64_t board_cards, QString* error) const {
    // Children lie after their node and are reached once: a tree in
    // depth-first order. Each node knows the cards dealt on its way.
    std::vector<std::uint64_t> dealt(nodes_.size(), 0);
    std::vector<bool> reached(nodes_.size(), false);
    if (!nodes_.empty()) {
        reached[0] = true;
        dealt[0] = board_cards;
    }
    for (std::size_t i = 0; i < nodes_.size(); ++i) {
        if (!reached[i]) {
            *error = QStringLiteral("node %1 is not reached from the root").arg(i);
            return false;
        }
        std::uint64_t siblings = 0;
        for (std::uint32_t j = 0; j < nodes_[i].action_count; ++j) {
            const Action& a = action(i, j);
            if (a.child <= i || a.child >= nodes_.size() || reached[a.child]) {
                *error = QStringLiteral("node %1: a child index does not lead to a new node").arg(i);
                return false;
            }
            reached[a.child] = true;
            dealt[a.child] = dealt[i];
            if (texts_[a.code] == "chance") {
                const std::uint64_t card = std::uint64_t{1} << quendal::parse_card(texts_[a.label]);
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

std::size_t NodeRecords::memory_bytes() const {
    std::size_t bytes = nodes_.capacity() * sizeof(Node) + actions_.capacity() * sizeof(Action) +
                        texts_.capacity() * sizeof(std::string);
    for (const std::string& t : texts_) {
        bytes += t.capacity() > 15 ? t.capacity() + 1 : 0;
    }
    return bytes;
}

}  // namespace quendal_app
