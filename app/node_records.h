// The per-node results of a solve, as the result snapshot holds them
// (compact, texts interned once) or as a project file gives them back. Maps
// for QML are made only for the node asked about.
#pragma once

#include "session/solve_records.h"

#include <QVariantList>
#include <QVariantMap>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quendal_app {

class NodeRecords {
public:
    using Node = NodeMetaList::Node;
    using Action = NodeMetaList::Action;

    // The snapshot's own records, shared: nothing is copied.
    static std::shared_ptr<const NodeRecords> from_snapshot(const SolveResultSnapshot& snapshot);

    std::size_t size() const { return list_.size(); }
    const Node& node(std::size_t i) const { return list_.node(i); }
    const Action& action(std::size_t node, std::size_t j) const { return list_.action(node, j); }
    const std::string& text(std::uint32_t id) const { return list_.text(id); }
    std::int32_t effective_stack() const { return effective_stack_; }

    // "nodeType", "chanceDeal", "player", "pot", "effectiveStack", "investedOop",
    // "investedIp", "hasChildren"; money in chips.
    QVariantMap meta_map(std::size_t i) const;
    // One map per action: "name", "actionType", "frequency", "childIndex".
    QVariantList action_maps(std::size_t i) const;

    // Bytes held by the records.
    std::size_t memory_bytes() const { return list_.memory_bytes(); }

    // Records read back from the maps of a project file, one node at a time.
    // append_node checks what it reads: texts the engine writes, amounts
    // finite, not negative and within the engine's, frequencies in [0, 1]
    // adding up to at most 1, actions only at decisions and deals, child
    // indices whole.
    static std::shared_ptr<NodeRecords> create() { return std::make_shared<NodeRecords>(); }
    // Room for a tree of `nodes` nodes, which has one action fewer.
    void reserve(std::size_t nodes) { list_.reserve(nodes, nodes > 0 ? nodes - 1 : 0); }
    bool append_node(const QVariantMap& meta, const QVariantList& actions, QString* error);

    // A member of a record as the file gives it: absent, null, a text, a
    // number, true or false, or anything else.
    struct Value {
        enum Kind : std::uint8_t { Absent, Null, Text, Number, Flag, Other };
        Kind kind = Absent;
        std::string_view text;
        double number = 0.0;
        bool flag = false;
    };
    struct NodeFields {
        Value kind, street, player, pot, invested_oop, invested_ip, effective_stack, has_children;
    };
    // An action's "frequency" and "childIndex" as numbers already, as
    // QVariant::toDouble makes them (0 when absent).
    struct ActionFields {
        bool object = true;
        Value name, action_type;
        double frequency = 0.0;
        double child = 0.0;
    };
    // The same checks on members read by the caller: a node read from the
    // text without maps gives the records and errors the maps would.
    bool append_node(const NodeFields& meta, const std::vector<ActionFields>& actions,
                     QString* error);
    // Once every node is in: each child index leads forward to a node not
    // reached before, every node is reached from the root, no deal repeats
    // a card of the board (`board_cards`, one bit per card code) or one
    // dealt on the way, and, when the board is known (three cards or more),
    // a turn deal finds three cards and a river deal four.
    bool check_tree(std::uint64_t board_cards, QString* error) const;

private:
    NodeMetaList list_;
    std::int32_t effective_stack_ = 0;
    std::vector<Action> read_;  // the node's actions while append_node checks them
};

}  // namespace quendal_app
