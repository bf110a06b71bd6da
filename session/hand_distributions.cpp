#include "session/hand_distributions.h"

#include "core/hand_evaluator.h"
#include "session/equity_sampling.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <random>

namespace quendal_app {

namespace {

constexpr std::uint32_t kOopSeed = 0xA11CE0;
constexpr std::uint32_t kIpSeed = 0x1B1CE0;

bool usable(float x) {
    return x > 0.0f && std::isfinite(x);
}

std::uint32_t samples_for(const quendal::NodeState& node) {
    if (node.turn == quendal::kNoCard) {
        return 2200;
    }
    return node.river == quendal::kNoCard ? 1600 : 1200;
}

std::string hand_text(quendal::Pocket pocket) {
    return quendal::card_to_string(static_cast<std::int8_t>(quendal::pocket_low(pocket))) +
           quendal::card_to_string(static_cast<std::int8_t>(quendal::pocket_high(pocket)));
}

}  // namespace

std::vector<double> hand_ev_table(quendal::Game& game, quendal::DiscountedCfr& solver,
                                  std::uint64_t index, int seat,
                                  const std::vector<float>& opponent_reach) {
    const quendal::CardContext& ctx = game.card_context();
    const std::size_t hands = ctx.pockets[seat].size();
    if (hands == 0) {
        return {};
    }
    const std::vector<float> values =
        solver.compute_node_values_with_reach(game, index, seat, opponent_reach);
    if (values.size() != hands || ctx.pockets[1 - seat].size() != opponent_reach.size()) {
        return {};
    }
    const UnblockedWeight unblocked(ctx, 1 - seat, opponent_reach);
    const double offset = ev_offset(game, game.nodes()[index]);
    std::vector<double> ev(hands);
    for (std::size_t h = 0; h < hands; ++h) {
        ev[h] = scaled_hand_value(values[h], ctx.matchup_normaliser, unblocked(h), offset);
    }
    return ev;
}

std::vector<double> sample_hand_equities(const std::vector<quendal::CardCode>& flop,
                                         const quendal::NodeState& node, std::uint64_t index,
                                         std::uint32_t samples, const quendal::PocketList& own,
                                         const std::vector<float>& own_reach,
                                         const quendal::PocketList& opponent,
                                         const std::vector<float>& opponent_reach,
                                         std::uint32_t seat_seed) {
    if (own.empty() || own_reach.size() != own.size() || opponent.empty() ||
        opponent_reach.size() != opponent.size()) {
        return {};
    }
    std::vector<std::size_t> active;
    for (std::size_t h = 0; h < own.size(); ++h) {
        if (usable(own_reach[h])) {
            active.push_back(h);
        }
    }
    if (active.empty()) {
        return {};
    }
    std::vector<double> running(opponent.size());
    double total = 0.0;
    for (std::size_t j = 0; j < opponent.size(); ++j) {
        total += usable(opponent_reach[j]) ? opponent_reach[j] : 0.0;
        running[j] = total;
    }
    if (!(total > 0.0)) {
        return {};
    }
    std::uint64_t dead = 0;
    for (const quendal::CardCode c : flop) {
        dead |= std::uint64_t{1} << c;
    }
    const bool turn_known = node.turn != quendal::kNoCard;
    const bool river_known = node.river != quendal::kNoCard;
    if (turn_known) {
        dead |= std::uint64_t{1} << node.turn;
    }
    if (river_known) {
        dead |= std::uint64_t{1} << node.river;
    }
    std::vector<quendal::CardCode> deck;
    for (int c = 0; c < quendal::kCardCount; ++c) {
        if ((dead & (std::uint64_t{1} << c)) == 0) {
            deck.push_back(static_cast<quendal::CardCode>(c));
        }
    }
    if (deck.empty()) {
        return {};
    }
    const auto d = static_cast<std::uint32_t>(deck.size());
    struct Counts {
        std::uint64_t samples = 0, wins = 0, ties = 0;
    };
    std::vector<Counts> counts(active.size());
    std::mt19937 generator(seat_seed ^ static_cast<std::uint32_t>(index) ^ 0xC0AB0C0u);
    std::array<quendal::CardCode, 5> board{};
    for (std::uint32_t s = 0; s < samples; ++s) {
        quendal::CardCode turn = node.turn, river = node.river;
        if (!turn_known) {
            if (river_known) {
                turn = deck[uniform_below(generator, d)];
            } else if (d > 1) {
                const std::uint32_t i = uniform_below(generator, d);
                const std::uint32_t j = uniform_below(generator, d - 1);
                turn = deck[i];
                river = deck[j < i ? j : j + 1];
            }
        } else if (!river_known) {
            river = deck[uniform_below(generator, d)];
        }
        std::uint64_t mask = dead;
        if (turn != quendal::kNoCard) {
            mask |= std::uint64_t{1} << turn;
        }
        if (river != quendal::kNoCard) {
            mask |= std::uint64_t{1} << river;
        }
        std::int64_t q = -1;
        for (int draw = 0; draw < 64; ++draw) {
            const double x = canonical_real(generator) * total;
            const std::size_t at = first_reaching(running, x);
            if ((quendal::pocket_mask(opponent[at]) & mask) == 0) {
                q = static_cast<std::int64_t>(at);
                break;
            }
        }
        if (q < 0 || flop.size() != 3 || turn == quendal::kNoCard || river == quendal::kNoCard) {
            continue;
        }
        board = {flop[0], flop[1], flop[2], turn, river};
        const quendal::HandStrength theirs = quendal::evaluate_hand(opponent[q], board);
        const std::uint64_t blocked = mask | quendal::pocket_mask(opponent[q]);
        for (std::size_t k = 0; k < active.size(); ++k) {
            const quendal::Pocket hand = own[active[k]];
            if ((quendal::pocket_mask(hand) & blocked) != 0) {
                continue;
            }
            const quendal::HandStrength mine = quendal::evaluate_hand(hand, board);
            ++counts[k].samples;
            counts[k].wins += mine > theirs;
            counts[k].ties += mine == theirs;
        }
    }
    std::vector<double> equity(own.size(), std::numeric_limits<double>::quiet_NaN());
    for (std::size_t k = 0; k < active.size(); ++k) {
        if (counts[k].samples > 0) {
            const double e =
                (static_cast<double>(counts[k].wins) + 0.5 * static_cast<double>(counts[k].ties)) /
                static_cast<double>(counts[k].samples);
            equity[active[k]] = std::clamp(e, 0.0, 1.0);
        }
    }
    return equity;
}

HandDistributionsResult compute_node_hand_distributions(quendal::Game& game,
                                                        quendal::DiscountedCfr& solver,
                                                        const NodeParents& parents,
                                                        std::uint64_t index) {
    if (index >= game.nodes().size()) {
        return {};
    }
    const auto path = parents.path_to(index);
    if (!path) {
        return {};
    }
    const quendal::NodeState& node = game.nodes()[index];
    const quendal::CardContext& ctx = game.card_context();
    const std::uint64_t dead = node_dead_cards(game, node);
    std::array<std::vector<float>, 2> reach;
    for (int seat = 0; seat < 2; ++seat) {
        if (ctx.pockets[seat].empty() ||
            ctx.pocket_weights[seat].size() != ctx.pockets[seat].size()) {
            return {};
        }
        reach[seat] = seat_reach_along(game, solver, *path, seat, ctx.pocket_weights[seat], dead);
    }
    std::array<std::vector<double>, 2> ev;
    for (int seat = 0; seat < 2; ++seat) {
        ev[seat] = hand_ev_table(game, solver, index, seat, reach[1 - seat]);
        if (ev[seat].empty()) {
            return {};
        }
    }
    const std::vector<quendal::CardCode> flop(
        ctx.board_cards.begin(),
        ctx.board_cards.begin() +
            static_cast<std::ptrdiff_t>(std::min<std::size_t>(3, ctx.board_cards.size())));
    const std::uint32_t samples = samples_for(node);
    std::array<std::vector<double>, 2> equity;
    const std::uint32_t seeds[2] = {kOopSeed, kIpSeed};
    for (int seat = 0; seat < 2; ++seat) {
        equity[seat] =
            sample_hand_equities(flop, node, index, samples, ctx.pockets[seat], reach[seat],
                                 ctx.pockets[1 - seat], reach[1 - seat], seeds[seat]);
        if (equity[seat].empty()) {
            return {};
        }
    }
    HandDistributionsResult result;
    for (int seat = 0; seat < 2; ++seat) {
        auto& hands = seat == 0 ? result.oop_hands : result.ip_hands;
        auto& evs = seat == 0 ? result.oop_ev : result.ip_ev;
        auto& equities = seat == 0 ? result.oop_equity : result.ip_equity;
        const std::size_t n = std::min(
            {ctx.pockets[seat].size(), reach[seat].size(), ev[seat].size(), equity[seat].size()});
        for (std::size_t h = 0; h < n; ++h) {
            if (!usable(reach[seat][h])) {
                continue;
            }
            hands.push_back(hand_text(ctx.pockets[seat][h]));
            evs.push_back(ev[seat][h]);
            equities.push_back(equity[seat][h]);
        }
    }
    result.ok = true;
    return result;
}

}  // namespace quendal_app
