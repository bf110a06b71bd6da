// The per-node results of a solve held compactly: texts interned once,
// nodes and actions as small fixed records. Maps for QML are made only for
// the node asked about.
#pragma once

#include "session/solve_records.h"

#include <QVariantList>
#include <QVariantMap>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace quendal_app {

class NodeRecords {
public:
    struct Node {
        std::uint32_t kind = 0;  // indices into the text table
        std::uint32_t street = 0;
        std::uint32_t player = 0;
        std::int32_t pot = 0;  // hundredths
        std::int32_t invested_oop = 0;
        std::int32_t invested_ip = 0;
        std::uint32_t first_action = 0;
        std::uint32_t action_count = 0;
    };
    struct Action {
        std::uint32_t label = 0;
        std::uint32_t code = 0;
        float frequency = 0.0f;
        std::uint32_t child = 0;
    };

    // Built on the solve's worker thread, so the GUI thread only swaps it in.
    static std::shared_ptr<const NodeRecords> from_snapshot(const SolveResultSnapshot& snapshot);

    std::size_t size() const { return nodes_.size(); }
    const Node& node(std::size_t i) const { return nodes_[i]; }
    const Action& action(std::size_t node, std::size_t j) const {
        return actions_[nodes_[node].first_action + j];
    }
    const std::string& text(std::uint32_t id) const { return texts_[id]; }
    std::int32_t effective_stack() const { return effective_stack_; }

    // "nodeType", "chanceDeal", "player", "pot", "effectiveStack", "investedOop",
    // "investedIp", "hasChildren"; money in chips.
    QVariantMap meta_map(std::size_t i) const;
    // One map per action: "name", "actionType", "frequency", "childIndex".
    QVariantList action_maps(std::size_t i) const;

    // Bytes held by the records.
    std::size_t memory_bytes() const;

    // Records read back from the maps of a project file, one node at a time.
    // append_node checks what it reads: texts the engine writes, amounts
    // finite, not negative and within the engine's, frequencies in [0, 1],
    // actions only at decisions and deals, child indices whole.
    static std::shared_ptr<NodeRecords> create() { return std::make_shared<NodeRecords>(); }
    bool append_node(const QVariantMap& meta, const QVariantList& actions, QString* error);
    // Once every node is in: each child index leads forward to a node not
    // reached before, every node is reached from the root, and no deal
    // repeats a card of the board (`board_cards`, one bit per card code) or
    // one dealt on the way.
    bool check_tree(std::uint64_t board_cards, QString* error) const;

private:
    std::uint32_t intern(const std::string& text);
    std::unordered_map<std::string, std::uint32_t> ids_;
    std::vector<std::string> texts_;
    std::vector<Node> nodes_;
    std::vector<Action> actions_;
    std::int32_t effective_stack_ = 0;
};

}  // namespace quendal_app
