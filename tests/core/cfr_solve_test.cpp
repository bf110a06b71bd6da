#include "board_text.h"
#include "core/discounted_cfr.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace quendal {
namespace {

Game river_game(const char* oop, const char* ip, const char* bets = "100%") {
    TreeConfig c;
    c.start_street = 2;
    c.starting_pot = 1000;
    c.effective_stack = 5000;
    c.river.oop.bets = parse_bet_size_list(bets, false);
    return Game(c, CardContext(make_board("Kc9d7h3s2c"), {parse_range(oop), parse_range(ip)}));
}

// A turn spot: pot 1000, stacks 2000, 66% bets and all-in raises on both streets.
TreeConfig turn_config() {
    TreeConfig c;
    c.start_street = 1;
    c.starting_pot = 1000;
    c.effective_stack = 2000;
    for (StreetConfig* s : {&c.turn, &c.river}) {
        s->oop = s->ip = parse_street_sizes("66%", "a");
    }
    return c;
}

DiscountedCfr::Options solve_options(std::uint32_t iterations, std::size_t threads = 1) {
    DiscountedCfr::Options o;
    o.max_iterations = iterations;
    o.exploitability_interval = 0;
    o.threads = threads;
    return o;
}

// Nuts (AA) and air (65o) against a bluff-catcher (QQ), one pot-sized bet:
// the bettor bets every nut and bluffs half as many combos as it value-bets
// (3 of its 12 air combos), the bluff-catcher calls half the time, and with
// these weights both seats' EVs are 0.
TEST(DiscountedCfrSolve, PolarisedRiverGameReachesTheClosedForm) {
    Game game = river_game("AA, 65o", "QQ");
    DiscountedCfr cfr(solve_options(3000));
    cfr.run(game);
    const CardContext& ctx = game.card_context();
    const std::vector<float> root = cfr.average_strategy_flat(0);  // check, bet
    const std::size_t hands = ctx.pockets[0].size();
    ASSERT_EQ(root.size(), 2 * hands);
    for (std::size_t h = 0; h < hands; ++h) {
        const bool nuts = card_rank(pocket_low(ctx.pockets[0][h])) == 12;
        EXPECT_NEAR(root[hands + h], nuts ? 1.0 : 0.25, 0.03) << h;
    }
    const std::size_t facing_bet = game.nodes()[0].children[1];
    const std::vector<float> call = cfr.average_strategy(facing_bet);  // fold, call
    ASSERT_EQ(call.size(), 2u);
    EXPECT_NEAR(call[1], 0.5, 0.03);
    const std::array<float, 2> ev = cfr.current_ev(game);
    EXPECT_NEAR(ev[0], 0.0, 10.0);
    EXPECT_NEAR(ev[0] + ev[1], 0.0, 1e-2);  // zero-sum without rake
    EXPECT_LT(cfr.exploitability(), 0.001 * 1000);
}

// With 5% rake the two EVs sum to minus the expected rake: 50 at a check-down
// or a fold (pot 1000), 150 when the bet is called (pot 3000).
TEST(DiscountedCfrSolve, RakedGameLosesExactlyTheExpectedRake) {
    TreeConfig c;
    c.start_street = 2;
    c.starting_pot = 1000;
    c.effective_stack = 5000;
    c.rake_rate = 0.05;
    c.river.oop.bets = parse_bet_size_list("100%", false);
    Game game(c,
              CardContext(make_board("Kc9d7h3s2c"), {parse_range("AA, 65o"), parse_range("QQ")}));
    DiscountedCfr cfr(solve_options(3000));
    cfr.run(game);
    const CardContext& ctx = game.card_context();
    const std::vector<float> bet = cfr.average_strategy_flat(0);
    // Closed form with the rake: IP calls when bluffs make up 1000 / 2850 of
    // the bets (air bets 0.2703 of the time); air is indifferent when IP calls
    // 950 / 1950 = 0.4872.
    for (std::size_t i = 0; i < ctx.pockets[0].size(); ++i) {
        const bool nuts = card_rank(pocket_low(ctx.pockets[0][i])) == 12;
        EXPECT_NEAR(bet[ctx.pockets[0].size() + i], nuts ? 1.0 : 0.2703, 0.03) << i;
    }
    EXPECT_NEAR(cfr.average_strategy(game.nodes()[0].children[1])[1], 0.4872, 0.03);
    const std::vector<float> call = cfr.average_strategy_flat(game.nodes()[0].children[1]);
    const std::size_t h0 = ctx.pockets[0].size(), h1 = ctx.pockets[1].size();
    double rake = 0.0;  // no card is shared, so every pair of hands meets
    for (std::size_t i = 0; i < h0; ++i) {
        for (std::size_t j = 0; j < h1; ++j) {
            const double b = bet[h0 + i], k = call[h1 + j];
            const double w = double(ctx.pocket_weights[0][i]) * ctx.pocket_weights[1][j];
            rake += w * ((1 - b) * 50 + b * ((1 - k) * 50 + k * 150));
        }
    }
    rake /= ctx.matchup_normaliser;
    const std::array<float, 2> ev = cfr.current_ev(game);
    EXPECT_NEAR(ev[0] + ev[1], -rake, 1e-2 * rake);
}

// OOP locked to always check is exploited by nothing but the showdown:
// 6 x 6 nut matchups win 500, 12 x 6 air matchups lose 500, over N = 108.
TEST(DiscountedCfrSolve, LockedNodeIsPlayedExactly) {
    Game game = river_game("AA, 65o", "QQ");
    const std::size_t hands = game.card_context().pockets[0].size();
    std::vector<float> lock(2 * hands);
    std::fill(lock.begin(), lock.begin() + hands, 1.0f);
    game.set_node_lock(0, std::move(lock));
    DiscountedCfr cfr(solve_options(200));
    cfr.run(game);
    EXPECT_EQ(cfr.average_strategy(0), (std::vector<float>{1.0f, 0.0f}));
    const std::array<float, 2> ev = cfr.current_ev(game);
    EXPECT_NEAR(ev[0], (36 * 500.0 - 72 * 500.0) / 108.0, 1e-2);
    // OOP's best response ignores nothing: the lock holds every hand, so its
    // best-response value is the locked strategy's.
    EXPECT_NEAR(cfr.mes_ev(game)[0], ev[0], 1e-2);
    // IP can only check behind, so its best response collects exactly that.
    EXPECT_NEAR(cfr.mes_ev(game)[1], -ev[0], 1e-2);
}

// A solved spot and the same spot with hearts and spades exchanged reach the
// same EVs (single-precision drift between the two runs stays small).
TEST(DiscountedCfrSolve, SuitPermutedSpotsSolveToTheSameValues) {
    const TreeConfig c = turn_config();
    std::array<std::array<float, 2>, 2> ev{};
    const char* boards[] = {"AhKh7h2c", "AsKs7s2c"};
    for (int k = 0; k < 2; ++k) {
        Game game(c, CardContext(make_board(boards[k]), {parse_range("AA, KQs, 99, 65s, JTs"),
                                                         parse_range("QQ, KJs, 77, T8s, AQs")}));
        DiscountedCfr cfr(solve_options(300, 2));
        cfr.run(game);
        ev[k] = cfr.current_ev(game);
    }
    EXPECT_NEAR(ev[0][0], ev[1][0], 0.005 * 1000);
    EXPECT_NEAR(ev[0][1], ev[1][1], 0.005 * 1000);
}

// Each seat's best-response value, recomputed by enumerating its pure
// strategies against the other's solved average strategy.
TEST(DiscountedCfrSolve, BestResponseBeatsEveryPureDeviation) {
    Game game = river_game("AA, 65o", "QQ");
    DiscountedCfr cfr(solve_options(40));  // far from equilibrium on purpose
    cfr.run(game);
    const CardContext& ctx = game.card_context();
    const std::size_t h0 = ctx.pockets[0].size(), h1 = ctx.pockets[1].size();
    const std::vector<float> bet = cfr.average_strategy_flat(0);
    const std::vector<float> call = cfr.average_strategy_flat(game.nodes()[0].children[1]);
    const double n = ctx.matchup_normaliser;
    const auto nuts = [&](std::size_t i) { return card_rank(pocket_low(ctx.pockets[0][i])) == 12; };

    // OOP: per hand the better of checking (showdown) and betting into IP's calls.
    double oop = 0.0;
    for (std::size_t i = 0; i < h0; ++i) {
        double check = 0.0, bet_value = 0.0;
        for (std::size_t j = 0; j < h1; ++j) {
            const double w = ctx.pocket_weights[1][j], k = call[h1 + j];
            check += w * (nuts(i) ? 500 : -500);
            bet_value += w * (k * (nuts(i) ? 1500 : -1500) + (1 - k) * 500);
        }
        oop += ctx.pocket_weights[0][i] * std::max(check, bet_value) / n;
    }
    // IP: checks behind after a check; facing a bet, the better of fold and call.
    double ip = 0.0;
    for (std::size_t j = 0; j < h1; ++j) {
        double after_check = 0.0, fold = 0.0, call_value = 0.0;
        for (std::size_t i = 0; i < h0; ++i) {
            const double w = ctx.pocket_weights[0][i], b = bet[h0 + i];
            after_check += w * (1 - b) * (nuts(i) ? -500 : 500);
            fold += w * b * -500;
            call_value += w * b * (nuts(i) ? -1500 : 1500);
        }
        ip += ctx.pocket_weights[1][j] * (after_check + std::max(fold, call_value)) / n;
    }
    const std::array<float, 2> best = cfr.mes_ev(game);
    EXPECT_NEAR(best[0], oop, 1e-3 * (1 + std::fabs(oop)));
    EXPECT_NEAR(best[1], ip, 1e-3 * (1 + std::fabs(ip)));
    const std::array<float, 2> current = cfr.current_ev(game);
    EXPECT_GE(best[0], current[0] - 1e-3);
    EXPECT_GE(best[1], current[1] - 1e-3);
}

// Stacks equal to the pot make the flop bet all-in. The called all-in pays,
// hand by hand, three times (pot 3000 against 1000) what checking the same
// ranges down through both chance nodes pays; and the flop spot solves.
TEST(DiscountedCfrSolve, ShortStackFlopAllInMatchesTheCheckDown) {
    TreeConfig c;
    c.start_street = 0;
    c.starting_pot = 1000;
    c.effective_stack = 1000;
    c.flop.oop.bets = parse_bet_size_list("a", false);
    Game game(c, CardContext(make_board("Kc9d4h"), {parse_range("AA, KQs, 99, 65s, A5s"),
                                                    parse_range("QQ, KJs, T8s, AQs, 44")}));
    DiscountedCfr::Options o = solve_options(200, 4);
    o.exploitability_interval = 100;
    o.target_exploitability = -1.0f;
    DiscountedCfr cfr(o);
    cfr.run(game);
    EXPECT_LT(cfr.exploitability(), 0.005 * 1000);

    const PlanNode& root = game.nodes()[0];
    const std::size_t facing = root.children[1];
    const std::size_t allin = game.nodes()[facing].children[1];
    const std::size_t chance = game.nodes()[root.children[0]].children[0];
    ASSERT_EQ(game.nodes()[allin].allin_runout, 1);
    ASSERT_EQ(game.nodes()[chance].type, kChanceNode);
    for (int seat = 0; seat < 2; ++seat) {
        const auto& reach = game.card_context().pocket_weights[1 - seat];
        const std::vector<float> called =
            cfr.compute_node_values_with_reach(game, allin, seat, reach);
        const std::vector<float> checked =
            cfr.compute_node_values_with_reach(game, chance, seat, reach);
        ASSERT_EQ(called.size(), checked.size());
        for (std::size_t h = 0; h < called.size(); ++h) {
            EXPECT_NEAR(called[h], 3.0f * checked[h], 1e-3 * (1 + std::fabs(called[h])))
                << "seat " << seat << " hand " << h;
        }
    }
}

TEST(DiscountedCfrSolve, RunLoopStopRulesAndCallbacks) {
    Game game = river_game("AA, 65o", "QQ");
    {
        DiscountedCfr::Options o = solve_options(0);
        int calls = 0;
        o.progress = [&](std::uint32_t, float, double) { ++calls; };
        DiscountedCfr cfr(o);
        cfr.run(game);
        EXPECT_EQ(calls, 0);
        EXPECT_EQ(cfr.iterations(), 0u);
        EXPECT_EQ(cfr.exploitability(), 0.0f);
    }
    {
        DiscountedCfr::Options o = solve_options(120);
        o.exploitability_interval = 50;
        o.target_exploitability = -1.0f;  // never reached
        std::vector<float> seen;
        o.progress = [&](std::uint32_t i, float e, double) {
            EXPECT_EQ(i, seen.size() + 1);
            seen.push_back(e);
        };
        DiscountedCfr cfr(o);
        cfr.run(game);
        ASSERT_EQ(seen.size(), 120u);
        EXPECT_EQ(seen[48], 0.0f);  // before the first measurement
        EXPECT_NE(seen[49], 0.0f);  // measured after 50
        EXPECT_EQ(seen[98], seen[49]);
        EXPECT_NE(seen[119], seen[99]);
    }
    {
        DiscountedCfr::Options o = solve_options(1000);
        o.exploitability_interval = 10;
        o.target_exploitability = 1e9f;  // reached at the first measurement
        DiscountedCfr cfr(o);
        cfr.run(game);
        EXPECT_EQ(cfr.iterations(), 10u);
    }
    {
        DiscountedCfr::Options o = solve_options(1000);
        int polls = 0;
        o.should_stop = [&] { return ++polls > 3; };
        DiscountedCfr cfr(o);
        cfr.run(game);
        EXPECT_EQ(cfr.iterations(), 3u);
        EXPECT_EQ(cfr.exploitability(), 0.0f);  // no extra measurement
    }
}

TEST(DiscountedCfrSolve, VerboseLines) {
    Game game = river_game("AA, 65o", "QQ");
    DiscountedCfr::Options o = solve_options(0);
    o.verbose = true;
    DiscountedCfr idle(o);
    testing::internal::CaptureStdout();
    idle.run(game);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "[CFR] completed 0 iterations in 0ms  exploitability\u22480\n");

    o.max_iterations = 50;
    DiscountedCfr busy(o);
    testing::internal::CaptureStdout();
    busy.run(game);
    const std::string text = testing::internal::GetCapturedStdout();
    EXPECT_EQ(text.rfind("[CFR] iteration 50 / 50  exploitability\u2248", 0), 0u) << text;
    EXPECT_NE(text.find("ms\n[CFR] completed 50 iterations in "), std::string::npos) << text;
}

TEST(DiscountedCfrSolve, StrategyQueriesBeforeAndAfterSolving) {
    Game game = river_game("AA, 65o", "QQ");
    DiscountedCfr cfr(solve_options(0));
    cfr.run(game);
    EXPECT_EQ(cfr.average_strategy(0), (std::vector<float>{0.5f, 0.5f}));
    EXPECT_TRUE(cfr.average_strategy(2).empty());  // the showdown terminal
    EXPECT_TRUE(cfr.average_strategy(999).empty());
    EXPECT_TRUE(cfr.average_strategy_flat(2).empty());
}

TEST(DiscountedCfrSolve, ExploitabilityFallsOnATurnSpot) {
    const TreeConfig c = turn_config();
    Game game(c, CardContext(make_board("Kc9d7h3s"), {parse_range("AA, KQs, 99, 65s, JTs, A5s"),
                                                      parse_range("QQ, KJs, 77, T8s, AQs")}));
    DiscountedCfr::Options o = solve_options(300, 4);
    o.exploitability_interval = 50;
    o.target_exploitability = -1.0f;
    std::vector<float> measured;
    o.progress = [&](std::uint32_t i, float e, double) {
        if (i % 50 == 0) {
            measured.push_back(e);
        }
    };
    DiscountedCfr cfr(o);
    cfr.run(game);
    ASSERT_EQ(measured.size(), 6u);
    EXPECT_LT(measured.back(), measured.front());
    EXPECT_LT(measured.back(), 0.005 * 1000);
}

}  // namespace
}  // namespace quendal
