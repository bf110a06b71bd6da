#include "app/node_records.h"

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

bool readText(const QVariantMap& map, const char* key, std::string& out, QString* error) {
    const QVariant v = map.value(QString::fromLatin1(key));
    if (v.isValid() && !v.isNull() && v.typeId() != QMetaType::QString) {
        *error = QStringLiteral("\"%1\" is not a text").arg(key);
        return false;
    }
    out = v.toString().toStdString();
    return true;
}

// Chips to hundredths, refusing what is not a finite number within 32 bits.
bool readChips(const QVariantMap& map, const char* key, std::int32_t& out, QString* error) {
    const QVariant v = map.value(QString::fromLatin1(key));
    bool ok = v.isValid() && (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Int ||
                              v.typeId() == QMetaType::LongLong);
    const double hundredths = ok ? std::round(v.toDouble() * 100.0) : 0.0;
    if (!v.isValid() || v.isNull()) {
        out = 0;
        return true;
    }
    if (!ok || !std::isfinite(hundredths) || std::fabs(hundredths) > 2147483647.0) {
        *error = QStringLiteral("\"%1\" is not a usable amount").arg(key);
        return false;
    }
    out = static_cast<std::int32_t>(hundredths);
    return true;
}

}  // namespace

bool NodeRecords::append_node(const QVariantMap& meta, const QVariantList& actions,
                              QString* error) {
    std::string kind, street, player;
    Node node;
    std::int32_t stack = 0;
    if (!readText(meta, "nodeType", kind, error) || !readText(meta, "chanceDeal", street, error) ||
        !readText(meta, "player", player, error) || !readChips(meta, "pot", node.pot, error) ||
        !readChips(meta, "investedOop", node.invested_oop, error) ||
        !readChips(meta, "investedIp", node.invested_ip, error) ||
        !readChips(meta, "effectiveStack", stack, error)) {
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
        const double frequency = a.value("frequency").toDouble();
        const double child = a.value("childIndex").toDouble();
        if (!std::isfinite(frequency) || !std::isfinite(child) || child < 0.0 ||
            child != std::floor(child) || child > 4294967295.0) {
            *error = QStringLiteral("an action has an unusable frequency or child index");
            return false;
        }
        actions_.push_back({intern(label), intern(code), static_cast<float>(frequency),
                            static_cast<std::uint32_t>(child)});
    }
    nodes_.push_back(node);
    return true;
}

std::int64_t NodeRecords::largest_child() const {
    std::int64_t largest = -1;
    for (const Action& a : actions_) {
        largest = std::max<std::int64_t>(largest, a.child);
    }
    return largest;
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
