#include "session/node_lock_expansion.h"

#include "board_text.h"
#include "core/bet_size.h"
#include "session/action_labels.h"

#include <cmath>

#include <gtest/gtest.h>

namespace quendal_app {
namespace {

// A river root for OOP with four actions: check, bet 33%, bet 75%, all-in.
std::unique_ptr<quendal::Game> river_game() {
    quendal::TreeConfig c;
    c.start_street = 2;
    c.starting_pot = 1000;
    c.effective_stack = 5000;
    c.river.oop = quendal::parse_street_sizes("33%,75%,a", "");
    c.river.ip = quendal::parse_street_sizes("50%", "");
    return std::make_unique<quendal::Game>(
        c, quendal::CardContext(make_board("KsQd7h4c2s"), {quendal::parse_range("AA, KQs, 65s"),
                                                           quendal::parse_range("QQ, JTs")}));
}

SolveNodeLock list_lock(std::uint64_t node, const char* hand, std::vector<float> probs) {
    SolveNodeLock lock;
    lock.node_index = node;
    lock.hand = hand;
    lock.action_index = 2;  // never read in list form
    lock.action_probs = std::move(probs);
    return lock;
}

SolveNodeLock single_lock(std::uint64_t node, const char* hand, std::int64_t action, float p) {
    SolveNodeLock lock;
    lock.node_index = node;
    lock.hand = hand;
    lock.action_index = action;
    lock.action_prob = p;
    return lock;
}

// The locked strategy of every OOP hand of the class at the root.
std::vector<std::vector<float>> class_rows(const quendal::Game& game, const char* hand) {
    const std::vector<float>* lock = game.find_node_lock(0);
    std::vector<std::vector<float>> rows;
    if (lock == nullptr) {
        return rows;
    }
    const auto& pockets = game.card_context().pockets[0];
    const std::size_t actions = game.nodes()[0].actions.size();
    for (std::size_t h = 0; h < pockets.size(); ++h) {
        if (hand_class_label(pockets[h]) == hand) {
            std::vector<float> row;
            for (std::size_t a = 0; a < actions; ++a) {
                row.push_back((*lock)[a * pockets.size() + h]);
            }
            rows.push_back(row);
        }
    }
    return rows;
}

void expect_rows(const std::vector<std::vector<float>>& rows, const std::vector<float>& want,
                 std::size_t count) {
    ASSERT_EQ(rows.size(), count);
    for (const auto& row : rows) {
        ASSERT_EQ(row.size(), want.size());
        for (std::size_t a = 0; a < want.size(); ++a) {
            EXPECT_NEAR(row[a], want[a], 1e-6) << a;
        }
    }
}

TEST(NodeLockExpansion, ClassesBecomeHandsOfTheActingSeat) {
    auto game = river_game();
    ASSERT_EQ(game->nodes()[0].actions.size(), 4u);
    apply_solve_node_locks(*game,
                           {list_lock(0, "AA", {2, 0, -1, NAN}), single_lock(0, "KQs", 1, 0.7f),
                            list_lock(0, "65s", {0, 0, 0, 0})});
    expect_rows(class_rows(*game, "AA"), {1, 0, 0, 0}, 6);
    expect_rows(class_rows(*game, "KQs"), {0.1f, 0.7f, 0.1f, 0.1f},
                2);  // Ks and Qd are on the board
    expect_rows(class_rows(*game, "65s"), {0.25f, 0.25f, 0.25f, 0.25f}, 4);
}

TEST(NodeLockExpansion, ClampsAndLaterRecordsWin) {
    auto game = river_game();
    apply_solve_node_locks(*game, {single_lock(0, "AA", 3, 0.2f), single_lock(0, "AA", 0, 1.5f),
                                   single_lock(0, "65s", 2, -3.0f)});
    expect_rows(class_rows(*game, "AA"), {1, 0, 0, 0}, 6);
    expect_rows(class_rows(*game, "65s"), {1.0f / 3, 1.0f / 3, 0, 1.0f / 3}, 4);
    // Hands without a record stay free.
    expect_rows(class_rows(*game, "KQs"), {-1, -1, -1, -1}, 2);
}

TEST(NodeLockExpansion, RecordsThatDoNotFitAreDroppedAndTheRestApply) {
    auto game = river_game();
    const std::uint64_t beyond = game->nodes().size();
    std::uint64_t terminal = 0;
    for (std::size_t i = 0; i < game->nodes().size(); ++i) {
        if (game->nodes()[i].type == quendal::kTerminalNode) {
            terminal = i;
            break;
        }
    }
    apply_solve_node_locks(*game, {single_lock(beyond, "AA", 0, 1), single_lock(0, "", 0, 1),
                                   single_lock(0, "AA", -1, 1), single_lock(0, "AA", 4, 1),
                                   list_lock(0, "KQs", {1, 0}), single_lock(terminal, "AA", 0, 1),
                                   single_lock(0, "65s", 3, 1)});
    expect_rows(class_rows(*game, "65s"), {0, 0, 0, 1}, 4);
    expect_rows(class_rows(*game, "AA"), {-1, -1, -1, -1}, 6);
    expect_rows(class_rows(*game, "KQs"), {-1, -1, -1, -1}, 2);
    EXPECT_EQ(game->find_node_lock(terminal), nullptr);

    // Nothing that fits: the node is not locked at all.
    auto untouched = river_game();
    apply_solve_node_locks(*untouched, {single_lock(0, "AA", 9, 1), single_lock(0, "JJ", 0, 1)});
    EXPECT_EQ(untouched->find_node_lock(0), nullptr);
}

TEST(NodeLockExpansion, NodesOfTheOtherSeatUseItsHands) {
    // After OOP's check IP has check and bet 50%.
    auto game = river_game();
    const auto& root = game->nodes()[0];
    const std::size_t ip_node = root.children[0];  // after OOP checks
    ASSERT_EQ(game->nodes()[ip_node].player, 1);
    apply_solve_node_locks(*game, {single_lock(ip_node, "QQ", 1, 0.25f)});
    const std::vector<float>* lock = game->find_node_lock(ip_node);
    ASSERT_NE(lock, nullptr);
    const auto& pockets = game->card_context().pockets[1];
    const std::size_t actions = game->nodes()[ip_node].actions.size();
    ASSERT_EQ(lock->size(), actions * pockets.size());
    for (std::size_t h = 0; h < pockets.size(); ++h) {
        const bool queens = hand_class_label(pockets[h]) == "QQ";
        EXPECT_FLOAT_EQ((*lock)[pockets.size() + h], queens ? 0.25f : -1.0f);
    }
}

}  // namespace
}  // namespace quendal_app
