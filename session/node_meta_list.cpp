#include "session/node_meta_list.h"

#include "session/solve_records.h"

namespace quendal_app {

SolveNodeMeta NodeMetaList::const_iterator::operator*() const {
    return (*list_)[i_];
}

SolveNodeMeta NodeMetaList::operator[](std::size_t i) const {
    const Node& n = node(i);
    SolveNodeMeta meta;
    meta.kind = text(n.kind);
    meta.street = text(n.street);
    meta.player = text(n.player);
    meta.pot = n.pot;
    meta.invested_oop = n.invested_oop;
    meta.invested_ip = n.invested_ip;
    meta.actions.reserve(n.action_count);
    for (std::uint32_t j = 0; j < n.action_count; ++j) {
        const Action& a = action(i, j);
        meta.actions.push_back({text(a.label), text(a.code), a.frequency, a.child});
    }
    return meta;
}

NodeMetaList::Data& NodeMetaList::own() {
    if (!data_) {
        data_ = std::make_shared<Data>();
    } else if (data_.use_count() > 1) {
        data_ = std::make_shared<Data>(*data_);
    }
    return *data_;
}

void NodeMetaList::reserve(std::size_t nodes, std::size_t actions) {
    Data& d = own();
    d.nodes.reserve(nodes);
    d.actions.reserve(actions);
}

void NodeMetaList::push_back(const SolveNodeMeta& meta) {
    Node n;
    n.kind = intern(meta.kind);
    n.street = intern(meta.street);
    n.player = intern(meta.player);
    n.pot = meta.pot;
    n.invested_oop = meta.invested_oop;
    n.invested_ip = meta.invested_ip;
    n.action_count = static_cast<std::uint32_t>(meta.actions.size());
    add_node(n);
    for (const SolveActionMeta& a : meta.actions) {
        add_action({intern(a.label), intern(a.code), a.frequency, a.child});
    }
}

std::uint32_t NodeMetaList::intern(std::string_view text) {
    Data& d = own();
    const auto [it, added] =
        d.ids.try_emplace(std::string(text), static_cast<std::uint32_t>(d.texts.size()));
    if (added) {
        d.texts.emplace_back(text);
    }
    return it->second;
}

void NodeMetaList::add_node(Node node) {
    Data& d = own();
    node.first_action = static_cast<std::uint32_t>(d.actions.size());
    d.nodes.push_back(node);
}

void NodeMetaList::add_action(const Action& action) {
    own().actions.push_back(action);
}

std::pair<NodeMetaList::Node*, NodeMetaList::Action*> NodeMetaList::grow_unwritten(
    std::size_t nodes, std::size_t actions) {
    Data& d = own();
    const std::size_t oldNodes = d.nodes.size();
    const std::size_t oldActions = d.actions.size();
    d.nodes.resize(oldNodes + nodes);
    d.actions.resize(oldActions + actions);
    return {d.nodes.data() + oldNodes, d.actions.data() + oldActions};
}

NodeMetaList::Action& NodeMetaList::mutable_action(std::size_t node, std::size_t j) {
    Data& d = own();
    return d.actions[d.nodes[node].first_action + j];
}

const std::string& NodeMetaList::text(std::uint32_t id) const {
    static const std::string empty;
    return data_ && id < data_->texts.size() ? data_->texts[id] : empty;
}

std::size_t NodeMetaList::memory_bytes() const {
    if (!data_) {
        return 0;
    }
    std::size_t bytes = data_->nodes.capacity() * sizeof(Node) +
                        data_->actions.capacity() * sizeof(Action) +
                        data_->texts.capacity() * sizeof(std::string);
    for (const std::string& t : data_->texts) {
        bytes += t.capacity() > 15 ? t.capacity() + 1 : 0;
    }
    return bytes;
}

}  // namespace quendal_app
