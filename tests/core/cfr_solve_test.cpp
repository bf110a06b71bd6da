#include "board_text.h"
#include "core/discounted_cfr.h"

#include <cmath>
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
    DiscountedCfr cfr(solve_options(1000));
    cfr.run(game);
    const CardContext& ctx = game.card_context();
    const std::vector<float> bet = cfr.average_strategy_flat(0);
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
    TreeConfig c;
    c.start_street = 1;
    c.starting_pot = 1000;
    c.effective_stack = 2000;
    for (StreetConfig* s : {&c.turn, &c.river}) {
        s->oop = s->ip = parse_street_sizes("66%", "a");
    }
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
