#include "core/tree_config.h"

#include "expect_throw_message.h"

#include <climits>
#include <cstring>
#include <limits>
#include <random>
#include <stdexcept>

#include <gtest/gtest.h>

namespace quendal {
namespace {

using Actions = std::vector<PlanAction>;

std::vector<BetSize> sizes(const char* text, bool raise = false) {
    return parse_bet_size_list(text, raise);
}

// A root decision (no bet yet) with both players holding `stack`.
PlanBuildContext root_context(const TreeConfig& config) {
    PlanBuildContext context;
    context.stack_oop = context.stack_ip = config.effective_stack;
    context.pot = config.starting_pot;
    return context;
}

// IP facing an OOP bet to `bet` at the street's start.
PlanBuildContext facing_bet(const TreeConfig& config, std::int32_t bet, bool allin = false) {
    PlanBuildContext context = root_context(config);
    context.last_action = allin ? kAllInAction : kBet;
    context.recorded_last_action = context.last_action;
    context.stack_oop -= bet;
    context.contribution_oop = bet;
    context.pot += bet;
    context.bet_level = bet;
    context.raises = 1;
    context.facing_allin = allin ? 1 : 0;
    return context;
}

TEST(BetSizeResolution, EachKindAgainstHandComputedAmounts) {
    SizingContext bet{400, 0, 0, 900, 1, 3, 0, 900.0 / 400};
    EXPECT_EQ(resolve_bet_size(sizes("75%")[0], bet), 300);
    EXPECT_EQ(resolve_bet_size(sizes("0%")[0], bet), 1);      // up to the minimum bet
    EXPECT_EQ(resolve_bet_size(sizes("500%")[0], bet), 900);  // down to the all-in
    EXPECT_EQ(resolve_bet_size(sizes("150c")[0], bet), 150);
    EXPECT_EQ(resolve_bet_size(sizes("a")[0], bet), 900);

    SizingContext raise{800, 200, 200, 900, 400, 3, 1, 700.0 / 800};
    EXPECT_EQ(resolve_bet_size(sizes("2.5x", true)[0], raise), 500);
    EXPECT_EQ(resolve_bet_size(sizes("100c", true)[0], raise), 400);  // 300 lifted to the min
    EXPECT_EQ(resolve_bet_size(sizes("250c", true)[0], raise), 450);

    // Two streets at spr 4: ((9)^(1/2) - 1) / 2 = 1, a pot-sized bet; a cap of 50% halves it.
    SizingContext geo{100, 0, 0, 400, 1, 3, 0, 4.0};
    EXPECT_EQ(resolve_bet_size(sizes("2e")[0], geo), 100);
    EXPECT_EQ(resolve_bet_size(sizes("2%50e")[0], geo), 50);
    // More streets than are left are used as given; one street bets the stack.
    EXPECT_EQ(resolve_bet_size(sizes("5e")[0], geo), 28);  // (9^0.2 - 1) / 2 = 0.2759
    geo.streets_left = 1;
    EXPECT_EQ(resolve_bet_size(sizes("e")[0], geo), 400);
    geo.streets_left = 0;
    EXPECT_EQ(resolve_bet_size(sizes("e")[0], geo), 1);

    // An all-in is the all-in even below the minimum raise.
    SizingContext short_stack{800, 200, 200, 250, 400, 2, 1, 0.06};
    EXPECT_EQ(resolve_bet_size(sizes("a")[0], short_stack), 250);
    EXPECT_EQ(resolve_bet_size(sizes("75%")[0], short_stack), 400);
}

TEST(BetSizeResolution, OversizeSizesBecomeTheAllInWithoutOverflow) {
    SizingContext near_limit{2000000000, 1000000000, 0, 2100000000, 1, 3, 0, 0.5};
    for (const char* text : {"2147483647", "1e300%"}) {
        const std::int32_t amount = resolve_bet_size(sizes(text)[0], near_limit);
        EXPECT_GE(amount, near_limit.min) << text;
        EXPECT_LE(amount, near_limit.max) << text;
    }
    // Fractions no text gives, for callers that fill the record themselves.
    for (const double fraction :
         {std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()}) {
        BetSize size;
        size.value = fraction;
        const std::int32_t amount = resolve_bet_size(size, near_limit);
        EXPECT_GE(amount, near_limit.min) << fraction;
        EXPECT_LE(amount, near_limit.max) << fraction;
    }
    EXPECT_EQ(resolve_bet_size(sizes("2147483647")[0], near_limit), 2100000000);
    EXPECT_EQ(resolve_bet_size(sizes("1e300x", true)[0], near_limit), 2100000000);
}

TEST(DecisionActions, NoBetFacedOffersCheckThenSortedSizes) {
    TreeConfig config;
    config.starting_pot = 400;
    config.effective_stack = 900;
    config.flop.oop.bets = sizes("75%, 33%, 33%, a");
    const Actions actions = decision_actions(config, root_context(config), 0, 0, 0);
    EXPECT_EQ(actions, (Actions{{kCheck, 0}, {kBet, 132}, {kBet, 300}, {kAllInAction, 900}}));
    EXPECT_THROW_MSG(decision_actions(config, root_context(config), 3, 0, 0), std::logic_error,
                     "Unknown street");
}

TEST(DecisionActions, FacingABetOffersFoldCallAndRaises) {
    TreeConfig config;
    config.starting_pot = 400;
    config.effective_stack = 900;
    config.flop.ip.raises = sizes("75%, 3x, 5x", true);
    const Actions actions = decision_actions(config, facing_bet(config, 200), 0, 1, 0);
    // 75% of P = 800 on top of the 200 faced; 3x = 600; 5x reaches the stack.
    EXPECT_EQ(
        actions,
        (Actions{{kFold, 0}, {kCall, 200}, {kRaise, 600}, {kRaise, 800}, {kAllInAction, 900}}));

    config.allin_threshold_ip = 10.0;
    EXPECT_EQ(decision_actions(config, facing_bet(config, 900, true), 0, 1, 0),
              (Actions{{kFold, 0}, {kCall, 900}}));

    // The call never exceeds what the caller has left.
    PlanBuildContext overbet = facing_bet(config, 200);
    overbet.stack_ip = 100;
    overbet.stack_oop = -50;
    EXPECT_EQ(decision_actions(config, overbet, 0, 1, 0)[1], (PlanAction{kCall, 100}));
}

TEST(DecisionActions, AddsAnAllInUnderTheThreshold) {
    TreeConfig config;
    config.starting_pot = 400;
    config.allin_threshold_oop = 1.5;
    config.effective_stack = 560;
    EXPECT_EQ(decision_actions(config, root_context(config), 0, 0, 0),
              (Actions{{kCheck, 0}, {kAllInAction, 560}}));
    config.effective_stack = 640;
    EXPECT_EQ(decision_actions(config, root_context(config), 0, 0, 0), (Actions{{kCheck, 0}}));
}

TEST(DecisionActions, ConvertsNearAllInSizesAndMergesNearSizes) {
    TreeConfig config;
    config.starting_pot = 400;
    config.effective_stack = 900;
    config.flop.oop.bets = sizes("50%, 55%, 150%");
    config.allin_conversion_threshold = 0.4;
    // A bet to 600 leaves a pot of 1600: 40% of it (640) is short of the 900
    // all-in, so the bet stays; at 60% (960) it becomes the all-in.
    EXPECT_EQ(decision_actions(config, root_context(config), 0, 0, 0).back(),
              (PlanAction{kBet, 600}));
    config.allin_conversion_threshold = 0.6;
    EXPECT_EQ(decision_actions(config, root_context(config), 0, 0, 0).back(),
              (PlanAction{kAllInAction, 900}));

    config.allin_conversion_threshold = 0.0;
    config.size_merge_threshold = 0.1;
    // 50% sits within 10% of 55% and is merged away.
    EXPECT_EQ(decision_actions(config, root_context(config), 0, 0, 0),
              (Actions{{kCheck, 0}, {kBet, 220}, {kBet, 600}}));
}

TEST(DecisionActions, LeadSizesApplyOnlyWhereOopMayLead) {
    TreeConfig config;
    config.starting_pot = 400;
    config.effective_stack = 4000;
    config.flop.oop.bets = sizes("50%");
    config.flop.oop_lead = sizes("25%");
    config.turn.oop.bets = sizes("75%");
    config.turn.oop_lead = sizes("33%");

    EXPECT_EQ(decision_actions(config, root_context(config), 0, 0, 0),
              (Actions{{kCheck, 0}, {kBet, 100}}));

    PlanBuildContext after_checks = root_context(config);
    after_checks.last_action = kDeal;
    EXPECT_EQ(decision_actions(config, after_checks, 1, 0, 0), (Actions{{kCheck, 0}, {kBet, 300}}));

    PlanBuildContext after_call = after_checks;
    after_call.oop_called = 1;
    EXPECT_EQ(decision_actions(config, after_call, 1, 0, 0), (Actions{{kCheck, 0}, {kBet, 132}}));

    config.turn.oop_lead = std::vector<BetSize>{};
    EXPECT_EQ(decision_actions(config, after_call, 1, 0, 0), (Actions{{kCheck, 0}}));
}

TEST(DecisionActions, SizedActionsStrictlyIncreaseWithOneFinalAllIn) {
    std::mt19937 rng(7);
    const char* tokens[] = {"10%", "33%", "50%", "66%",  "75%",  "100%", "150%", "2x",  "3x",
                            "e",   "2e",  "a",   "250c", "1000", "0%",   "2.5x", "%80e"};
    for (int trial = 0; trial < 2000; ++trial) {
        TreeConfig config;
        config.starting_pot = 100 + int(rng() % 2000);
        config.effective_stack = 50 + int(rng() % 5000);
        config.allin_threshold_oop = config.allin_threshold_ip = (rng() % 3) * 0.75;
        config.allin_conversion_threshold = (rng() % 2) * 0.2;
        config.size_merge_threshold = (rng() % 3) * 0.05;
        const bool raise = rng() % 2 == 0;
        std::vector<BetSize> list;
        for (int k = int(rng() % 5); k >= 0; --k) {
            const char* t = tokens[rng() % std::size(tokens)];
            if (!raise && (t[std::strlen(t) - 1] == 'x')) {
                continue;
            }
            list.push_back(parse_bet_size_token(t, raise));
        }
        (raise ? config.flop.ip.raises : config.flop.oop.bets) = list;
        const std::int32_t bet = 1 + int(rng() % config.effective_stack);
        const Actions actions = raise ? decision_actions(config, facing_bet(config, bet), 0, 1, 0)
                                      : decision_actions(config, root_context(config), 0, 0, 0);
        std::int32_t previous = 0;
        for (std::size_t k = 0; k < actions.size(); ++k) {
            const PlanAction& a = actions[k];
            if (!is_sized_action(a.kind)) {
                continue;
            }
            ASSERT_GT(a.amount, previous) << "trial " << trial;
            previous = a.amount;
            if (a.kind == kAllInAction) {
                EXPECT_EQ(k, actions.size() - 1) << "trial " << trial;
            }
        }
    }
}

}  // namespace
}  // namespace quendal
