// The record that fixes a spot's game tree, and the actions of one decision
// node derived from it. Money is in hundredths of a chip.
#pragma once

#include "core/bet_size.h"
#include "core/card.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace quendal {

struct StreetConfig {
    StreetSizes oop;
    StreetSizes ip;
    std::optional<std::vector<BetSize>> oop_lead;  // OOP's lead ("donk") sizes
};

struct TreeConfig {
    std::uint8_t start_street = 0;  // 0 flop, 1 turn, 2 river
    std::int32_t starting_pot = 0;
    std::int32_t effective_stack = 0;
    double rake_rate = 0.0;  // fraction of the pot
    double rake_cap = 0.0;   // hundredths of a chip
    StreetConfig flop;
    StreetConfig turn;
    StreetConfig river;
    double allin_threshold_oop = 0.0;  // add an all-in when it is at most this fraction of P
    double allin_threshold_ip = 0.0;
    double allin_conversion_threshold = 0.0;
    double size_merge_threshold = 0.0;
};

enum ActionKind : std::uint8_t {
    kNoAction = 0,
    kFold = 1,
    kCheck = 2,
    kCall = 3,
    kBet = 4,
    kRaise = 5,
    kAllInAction = 6,
    kDeal = 7,
};

constexpr bool is_sized_action(std::uint8_t kind) {
    return kind == kBet || kind == kRaise || kind == kAllInAction;
}

struct PlanAction {
    std::uint8_t kind = kNoAction;
    // Street total reached for bet, raise and all-in; chips added for a call;
    // the card code for a deal; 0 otherwise.
    std::int32_t amount = 0;

    friend bool operator==(const PlanAction&, const PlanAction&) = default;
};

// The state handed down while a tree is built.
struct PlanBuildContext {
    std::uint8_t last_action = kNoAction;  // kDeal right after a deal
    std::int32_t raises = 0;               // bets and raises on this street
    std::uint8_t facing_allin = 0;
    std::uint8_t oop_called = 0;  // the previous street ended with OOP calling
    std::int32_t stack_oop = 0;
    std::int32_t stack_ip = 0;
    std::int32_t bet_level = 0;
    std::int32_t contribution_oop = 0;
    std::int32_t contribution_ip = 0;
    std::int32_t pot = 0;
    std::uint8_t last_actor = 0;
    std::uint8_t recorded_last_action = kNoAction;  // not changed by a deal
    std::uint64_t dead_mask = 0;
    CardCode turn = kNoCard;
    CardCode river = kNoCard;
};

struct SizingContext {
    std::int32_t pot_after_call = 0;  // P
    std::int32_t bet_level = 0;       // C
    std::int32_t to_call = 0;
    std::int32_t max = 0;  // the all-in "to" amount
    std::int32_t min = 0;  // smallest legal bet or raise "to" amount
    std::int32_t streets_left = 0;
    std::int32_t raises = 0;
    double spr = 0.0;
};

// The sizing inputs of the node where `player` acts with `matched` chips
// matched so far.
SizingContext make_sizing_context(const TreeConfig& config, const PlanBuildContext& context,
                                  int street, int player, std::int32_t matched);

// Always within [min, max], except that an all-in size gives max as it is.
std::int32_t resolve_bet_size(const BetSize& size, const SizingContext& sizing);

// The ordered actions of a decision node. Throws std::logic_error
// "Unknown street" for a street above 2.
std::vector<PlanAction> decision_actions(const TreeConfig& config, const PlanBuildContext& context,
                                         int street, int player, std::int32_t matched);

}  // namespace quendal
