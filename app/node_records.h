// The per-node results of a solve, as the result snapshot holds them
// (compact, texts interned once) or as a project file gives them back. Maps
// for QML are made only for the node asked about.
#pragma once

#include "session/solve_records.h"

#include <QVariantList>
#include <QVariantMap>
#include <algorithm>
#include <cstdint>
#include <deque>
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
    // A node's members as the maps of a file give them; their texts are kept
    // in `texts`.
    static void fields_of(const QVariantMap& meta, const QVariantList& actions,
                          std::deque<std::string>& texts, NodeFields& node,
                          std::vector<ActionFields>& read);
    // Once every node is in: each child index leads forward to a node not
    // reached before, every node is reached from the root, no deal repeats
    // a card of the board (`board_cards`, one bit per card code) or one
    // dealt on the way, and, when the board is known (three cards or more),
    // a turn deal finds three cards and a river deal four.
    bool check_tree(std::uint64_t board_cards, QString* error) const;

    class Builder;

private:
    // A node's members after the checks, texts still as the caller holds them.
    struct Checked {
        std::string_view kind, street, player;
        Node node;  // amounts and the number of actions
        std::int32_t stack = 0;
    };
    struct CheckedAction {
        std::string_view label, code;
        float frequency = 0.0f;
        std::uint32_t child = 0;
    };
    static bool check(const NodeFields& meta, const std::vector<ActionFields>& actions,
                      Checked& node, std::vector<CheckedAction>& read, QString* error);

    NodeMetaList list_;
    std::int32_t effective_stack_ = 0;
    std::vector<CheckedAction> read_;  // the node's actions while append_node checks them
};

// Records of a large file read on several threads: the nodes in blocks of
// consecutive nodes, each block read on one thread in node order, the
// blocks then put together in order. Texts are numbered per block while
// reading and for the whole list at the end, in block order.
class NodeRecords::Builder {
public:
    Builder(std::size_t nodes, std::size_t block_nodes);
    std::size_t blocks() const { return blocks_.size(); }
    // The nodes of block `b`: [first_node(b), first_node(b + 1)).
    std::size_t first_node(std::size_t b) const { return std::min(b * block_nodes_, node_count_); }
    // Node `i` of block `b` (the next one of the block), checked as
    // append_node checks it; the texts it views stay valid until finish.
    bool add(std::size_t b, std::size_t i, const NodeFields& meta,
             const std::vector<ActionFields>& actions, QString* error);
    // Texts the caller makes for block `b` and that its nodes view.
    std::deque<std::string>& texts(std::size_t b) { return blocks_[b].owned; }
    // Every block read: the records, put together on `threads` threads.
    std::shared_ptr<NodeRecords> finish(int threads);

private:
    struct Block {
        std::vector<std::string_view> texts{std::string_view()};  // the block's text numbers
        std::vector<Action> actions;                              // with the block's numbers
        std::vector<CheckedAction> read;
        std::deque<std::string> owned;
        // Text number + 1 by hash, 0 where free; at most half full.
        std::vector<std::uint32_t> hashed = std::vector<std::uint32_t>(128, 0);
    };
    std::uint32_t number(Block& block, std::string_view text);

    std::shared_ptr<NodeRecords> records_ = create();
    std::size_t node_count_;
    std::size_t block_nodes_;
    Node* nodes_ = nullptr;  // the records' nodes, written in place
    std::vector<Block> blocks_;
};

}  // namespace quendal_app
