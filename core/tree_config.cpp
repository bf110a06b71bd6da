#include "core/tree_config.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <stdexcept>

namespace quendal {

namespace {

// Rounds half away from zero; NaN reads as 0 and huge values saturate, so
// nothing overflows before the caller clamps.
std::int64_t round_amount(double x) {
    if (std::isnan(x)) {
        return 0;
    }
    constexpr double kLimit = 4.0e18;
    return std::llround(std::clamp(x, -kLimit, kLimit));
}

std::int32_t clamp_amount(std::int64_t x, std::int32_t lo, std::int32_t hi) {
    return static_cast<std::int32_t>(std::max<std::int64_t>(std::min<std::int64_t>(x, hi), lo));
}

const StreetConfig& street_config(const TreeConfig& config, int street) {
    switch (street) {
        case 0:
            return config.flop;
        case 1:
            return config.turn;
        case 2:
            return config.river;
        default:
            throw std::logic_error("Unknown street");
    }
}

bool counts_as_sized(const PlanAction& a) {
    return is_sized_action(a.kind) && a.amount >= 1;
}

PlanAction sized(std::int32_t amount, const SizingContext& sizing, std::uint8_t kind) {
    return {amount == sizing.max ? std::uint8_t{kAllInAction} : kind, amount};
}

}  // namespace

SizingContext make_sizing_context(const TreeConfig& config, const PlanBuildContext& context,
                                  int street, int player, std::int32_t matched) {
    const std::int64_t actor = player == 0 ? context.stack_oop : context.stack_ip;
    const std::int64_t opponent = player == 0 ? context.stack_ip : context.stack_oop;
    const std::int64_t to_call = actor - opponent;
    const std::int64_t pot_after_call =
        std::int64_t{config.starting_pot} + 2 * (std::int64_t{matched} + to_call);
    SizingContext sizing;
    sizing.pot_after_call = clamp_amount(pot_after_call, INT32_MIN, INT32_MAX);
    sizing.bet_level = context.bet_level;
    sizing.to_call = clamp_amount(to_call, INT32_MIN, INT32_MAX);
    sizing.max = clamp_amount(context.bet_level + opponent, INT32_MIN, INT32_MAX);
    sizing.min =
        clamp_amount(std::max<std::int64_t>(1, context.bet_level + std::min(to_call, opponent)),
                     INT32_MIN, INT32_MAX);
    sizing.streets_left = 3 - street;
    sizing.raises = context.raises;
    sizing.spr = pot_after_call > 0 ? double(opponent) / double(pot_after_call) : 0.0;
    return sizing;
}

std::int32_t resolve_bet_size(const BetSize& size, const SizingContext& sizing) {
    const double pot = sizing.pot_after_call;
    std::int64_t amount = 0;
    switch (size.kind) {
        case kPotFraction:
            amount = round_amount(pot * size.value);
            break;
        case kRelativeRaise:
            amount = round_amount(sizing.bet_level * size.value);
            break;
        case kChips:
            amount = std::int64_t{size.chips} + sizing.bet_level;
            break;
        case kGeometric: {
            const int streets =
                size.geometric_streets != 0 ? size.geometric_streets : sizing.streets_left;
            if (streets <= 0) {
                return sizing.min;
            }
            double f = (std::pow(2.0 * sizing.spr + 1.0, 1.0 / streets) - 1.0) * 0.5;
            if (std::isfinite(size.geometric_cap)) {
                f = std::min(size.geometric_cap, f);
            }
            amount = round_amount(pot * f);
            break;
        }
        case kAllIn:
            return sizing.max;
        default:
            return sizing.min;
    }
    return clamp_amount(std::min<std::int64_t>(amount, sizing.max), sizing.min, INT32_MAX);
}

std::vector<PlanAction> decision_actions(const TreeConfig& config, const PlanBuildContext& context,
                                         int street, int player, std::int32_t matched) {
    const StreetConfig& street_sizes = street_config(config, street);
    const StreetSizes& sizes = player == 0 ? street_sizes.oop : street_sizes.ip;
    const double allin_threshold =
        player == 0 ? config.allin_threshold_oop : config.allin_threshold_ip;
    const SizingContext sizing = make_sizing_context(config, context, street, player, matched);
    const std::int32_t actor_stack = player == 0 ? context.stack_oop : context.stack_ip;
    const double pot_after_call = sizing.pot_after_call;
    const std::int32_t level = sizing.bet_level;

    std::vector<PlanAction> actions;
    const bool lead = street_sizes.oop_lead.has_value() && player == 0 &&
                      ((context.last_action == kDeal && context.oop_called != 0) ||
                       (context.last_action == kNoAction && street == config.start_street));
    const bool no_bet_faced = context.last_action == kNoAction || context.last_action == kCheck ||
                              context.last_action == kDeal;
    if (lead || no_bet_faced) {
        actions.push_back({kCheck, 0});
        for (const BetSize& size : lead ? *street_sizes.oop_lead : sizes.bets) {
            actions.push_back(sized(resolve_bet_size(size, sizing), sizing, kBet));
        }
    } else {
        actions.push_back({kFold, 0});
        actions.push_back({kCall, std::clamp(sizing.to_call, 0, std::max(actor_stack, 0))});
        if (context.facing_allin == 0) {
            for (const BetSize& size : sizes.raises) {
                if (size.kind == kChips && size.raise_cap > 0 && sizing.raises >= size.raise_cap) {
                    continue;
                }
                std::int32_t amount = 0;
                if (size.kind == kPotFraction) {
                    const std::int64_t raw =
                        std::int64_t{level} + round_amount(pot_after_call * size.value);
                    amount = clamp_amount(std::min<std::int64_t>(raw, sizing.max), sizing.min,
                                          INT32_MAX);
                } else {
                    amount = resolve_bet_size(size, sizing);
                }
                actions.push_back(sized(amount, sizing, kRaise));
            }
        }
    }

    const bool has_allin = std::any_of(actions.begin(), actions.end(),
                                       [](const PlanAction& a) { return a.kind == kAllInAction; });
    if (context.facing_allin == 0 && allin_threshold > 0.0 && sizing.max > 0 && !has_allin &&
        sizing.max <= round_amount(pot_after_call * allin_threshold)) {
        actions.push_back({kAllInAction, sizing.max});
    }

    for (PlanAction& a : actions) {
        if (a.kind != kBet && a.kind != kRaise) {
            continue;
        }
        const std::int32_t x = clamp_amount(a.amount, sizing.min, sizing.max);
        const double pot_after = double(context.pot) + 2.0 * (double(x) - level);
        const bool converts =
            x == sizing.max ||
            sizing.max <= round_amount(pot_after * config.allin_conversion_threshold) + level;
        a = converts ? PlanAction{kAllInAction, sizing.max} : PlanAction{a.kind, x};
    }

    std::stable_partition(actions.begin(), actions.end(),
                          [](const PlanAction& a) { return !counts_as_sized(a); });
    const auto first_sized = std::find_if(actions.begin(), actions.end(), counts_as_sized);
    std::stable_sort(first_sized, actions.end(), [](const PlanAction& x, const PlanAction& y) {
        return x.amount != y.amount ? x.amount < y.amount : x.kind < y.kind;
    });

    if (!(pot_after_call > 0)) {
        return actions;
    }
    const double thr = config.size_merge_threshold;
    std::vector<bool> keep(actions.size(), true);
    double last_kept = INT32_MAX;
    for (std::size_t k = actions.size(); k-- > 0;) {
        if (!counts_as_sized(actions[k])) {
            continue;
        }
        const double a = actions[k].amount;
        const double bound =
            ((last_kept - level) / pot_after_call - thr) / (thr + 1.0) * 0.999999999999;
        if ((a - level) / pot_after_call < bound) {
            last_kept = a;
        } else {
            keep[k] = false;
        }
    }
    std::vector<PlanAction> kept;
    kept.reserve(actions.size());
    for (std::size_t k = 0; k < actions.size(); ++k) {
        if (keep[k]) {
            kept.push_back(actions[k]);
        }
    }
    return kept;
}

}  // namespace quendal
