#include "app/node_records.h"

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

std::shared_ptr<const NodeRecords> NodeRecords::from_snapshot(
    const SolveResultSnapshot& snapshot) {
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
            records->actions_.push_back({table.id(a.label), table.id(a.code), a.frequency, a.child});
        }
        records->nodes_.push_back(node);
    }
    return records;
}

QVariantMap NodeRecords::meta_map(std::size_t i) const {
    const Node& n = nodes_[i];
    return {{"nodeType", qtext(texts_[n.kind])},
            {"chanceDeal", qtext(texts_[n.street])},
            {"player", qtext(texts_[n.player])},
            {"pot", n.pot / 100.0},
            {"effectiveStack", effective_stack_ / 100.0},
            {"investedOop", n.invested_oop / 100.0},
            {"investedIp", n.invested_ip / 100.0},
            {"hasChildren", n.action_count > 0}};
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

std::size_t NodeRecords::memory_bytes() const {
    std::size_t bytes = nodes_.capacity() * sizeof(Node) + actions_.capacity() * sizeof(Action) +
                        texts_.capacity() * sizeof(std::string);
    for (const std::string& t : texts_) {
        bytes += t.capacity() > 15 ? t.capacity() + 1 : 0;
    }
    return bytes;
}

}  // namespace quendal_app
