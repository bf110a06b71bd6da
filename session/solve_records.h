// The plain records the solve session and the application exchange: the
// input of one solve, its progress reports, the result snapshot and the
// results of the session's queries. Money is in hundredths of a chip;
// equities and frequencies are fractions from 0 to 1.
#pragma once

#include "session/node_meta_list.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quendal_app {

// One seat's sizing on one street, as typed.
struct StreetSizing {
    std::string bet_sizes;
    std::string raise_sizes;
    bool add_all_in = false;
    bool dont_donk = false;  // OOP only: no lead bet on this street

    friend bool operator==(const StreetSizing&, const StreetSizing&) = default;
};

// One lock of one hand class at one node: list form when `action_probs` is
// not empty, else `action_index` gets `action_prob`.
struct SolveNodeLock {
    std::uint64_t node_index = 0;
    std::string hand;  // 169-class label: "AA", "AKs", "AKo"
    std::int64_t action_index = 0;
    float action_prob = 1.0f;
    std::vector<float> action_probs;
};

struct SolveConfig {
    std::string board;  // "AhKsQd", optionally with turn and river
    std::int32_t starting_pot = 100;
    std::int32_t effective_stack = 100;
    double rake_percent = 0.0;
    double rake_cap = 0.0;
    std::string starting_street = "flop";
    std::uint32_t max_iterations = 2000;
    float target_exploitability = 0.1f;
    std::uint64_t thread_count = 1;
    bool compact_storage = false;
    std::string oop_range;
    std::string ip_range;
    std::array<StreetSizing, 3> oop_sizing;  // flop, turn, river
    std::array<StreetSizing, 3> ip_sizing;
    std::optional<double> oop_jam_threshold_pct;
    std::optional<double> ip_jam_threshold_pct;
    std::vector<SolveNodeLock> node_locks;
};

struct SolveActionMeta {
    std::string label;
    std::string code;
    float frequency = 0.0f;
    std::uint32_t child = 0;
};

struct SolveNodeMeta {
    std::string kind;    // "decision", "chance" or "terminal"
    std::string street;  // chance nodes: "turn" or "river"
    std::string player;  // decision nodes: "OOP" or "IP"
    std::int32_t pot = 0;
    std::int32_t invested_oop = 0;
    std::int32_t invested_ip = 0;
    std::vector<SolveActionMeta> actions;
};

struct SolveResultSnapshot {
    bool ok = false;
    std::string error;
    std::string board;
    std::int32_t starting_pot = 0;
    std::int32_t effective_stack = 0;
    std::uint32_t iterations = 0;
    float exploitability = 0.0f;
    float ev_oop = 0.0f;
    float ev_ip = 0.0f;
    std::vector<std::string> root_action_labels;
    std::vector<std::string> root_action_codes;
    std::vector<float> root_action_frequencies;
    NodeMetaList nodes;  // entry i describes node i
};

struct SolveProgress {
    double progress = 0.0;
    std::string status;
    std::optional<SolveResultSnapshot> result;  // only in the final report
};

struct SolveMemoryEstimate {
    std::uint64_t total_bytes = 0;
    std::uint64_t card_context_bytes = 0;
    std::uint64_t tree_bytes = 0;
    std::uint64_t solver_bytes = 0;
    std::uint64_t node_count = 0;
    std::uint64_t decision_node_count = 0;
    std::uint64_t oop_hand_count = 0;
    std::uint64_t ip_hand_count = 0;
    // The count stopped at its limit: the solve takes at least this much.
    bool at_least = false;
};

struct HandDistributionsResult {
    std::vector<std::string> oop_hands;
    std::vector<double> oop_ev;
    std::vector<double> oop_equity;
    std::vector<std::string> ip_hands;
    std::vector<double> ip_ev;
    std::vector<double> ip_equity;
    bool ok = false;
};

}  // namespace quendal_app
