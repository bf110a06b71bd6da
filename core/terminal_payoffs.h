// Values of terminal nodes for one seat's hands against the opponent's reach:
// folds, showdowns on a complete board (linear sweeps over strength-sorted
// lists with per-card removal) and all-in terminals before the river.
#pragma once

#include "core/game.h"
#include "core/kernel_path.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace quendal {

// Rake of a pot: rate × pot, capped when the cap is positive (a cap of 0 or
// less means no cap); 0 without a positive rate.
double rake_for_pot(const TreeConfig& config, double pot);

// 45 before the turn, 44 before the river, 0 on a complete board.
float unseen_card_count(const NodeState& node);

// The seat's pockets that avoid the node's board.
const PocketIndexList& select_ranking_table(const Game& game, const NodeState& node, int seat);

// The sweeps are built per kernel path (core/kernel_path.h); terminal_eval
// and showdown_u also run on the path in use under their plain names.
template <KernelPath P>
void terminal_eval(const Game& game, const NodeState& node, int seat,
                   std::span<const float> opp_reach, std::span<float> out);
template <KernelPath P>
void fold_payoff(const Game& game, const NodeState& node, int seat, double unit,
                 std::span<const float> opp_reach, std::span<float> out);
template <KernelPath P>
bool showdown_dispatch(const Game& game, const NodeState& node, int seat,
                       std::span<const float> opp_reach, std::span<float> out);
template <KernelPath P>
bool showdown_u(const Game& game, const NodeState& node, int seat, std::span<const float> opp_reach,
                std::span<float> out);
template <KernelPath P>
bool showdown_r(const Game& game, const NodeState& node, int seat, std::span<const float> opp_reach,
                std::span<float> out);
template <KernelPath P>
void incomplete_board_showdown(const Game& game, const NodeState& node, int seat,
                               std::span<const float> opp_reach, std::span<float> out);

inline void terminal_eval(const Game& game, const NodeState& node, int seat,
                          std::span<const float> opp_reach, std::span<float> out) {
    with_kernel_path([&]<KernelPath P>() { terminal_eval<P>(game, node, seat, opp_reach, out); });
}
inline bool showdown_u(const Game& game, const NodeState& node, int seat,
                       std::span<const float> opp_reach, std::span<float> out) {
    return with_kernel_path(
        [&]<KernelPath P>() { return showdown_u<P>(game, node, seat, opp_reach, out); });
}

// How terminal_eval values a terminal, with the units it uses: a fold's
// unit (rounded to single precision, as terminal_eval rounds it) in `win`;
// an all-in on a turn board averages the sweeps of its river runouts, raked
// or not; kOther for an all-in on the flop.
enum class TerminalKind : std::uint8_t {
    kFold,
    kUnraked,
    kRaked,
    kTurnAllInUnraked,
    kTurnAllInRaked,
    kOther
};
inline constexpr std::size_t kTerminalKinds = 5;  // all but kOther

struct TerminalUnits {
    double win = 0.0;
    double loss = 0.0;
    double tie = 0.0;
};

TerminalKind plan_terminal(const Game& game, const NodeState& node, int seat, TerminalUnits& units);

// The pieces of incomplete_board_showdown, for callers that sweep the runouts
// on several threads: the runouts in sweep order (returns the divisor), one
// runout's sweep adding its wins and losses into two arrays (false when it
// declines and adds nothing), and the final scaling by the divisor when at
// least one runout was swept. Adding the per-runout arrays into a zeroed
// output in runout order, wins before losses, gives the serial result.
std::size_t incomplete_board_runouts(const Game& game, const NodeState& node,
                                     std::vector<RunoutPair>& runouts);
template <KernelPath P>
bool sweep_incomplete_runout(const Game& game, const NodeState& node, RunoutPair runout, int seat,
                             std::span<const float> opp_reach, std::span<float> win_out,
                             std::span<float> loss_out);
void scale_incomplete_values(std::span<float> out, std::size_t swept, std::size_t divisor);

}  // namespace quendal
