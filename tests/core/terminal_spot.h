// Spots and terminal nodes for the terminal-payoff tests.
#pragma once

#include "board_text.h"
#include "core/game.h"
#include "core/range.h"

#include <cstdint>
#include <string>

// A spot on `board` (four or five cards) with pot 1000, stack 5000 and the
// given rake.
inline quendal::Game make_terminal_game(const char* board, const char* oop, const char* ip,
                                        double rake_rate = 0.0, double rake_cap = 0.0) {
    quendal::TreeConfig config;
    config.start_street = static_cast<std::uint8_t>(std::string(board).size() / 2 - 3);
    config.starting_pot = 1000;
    config.effective_stack = 5000;
    config.rake_rate = rake_rate;
    config.rake_cap = rake_cap;
    return quendal::Game(
        config, quendal::CardContext(make_board(board),
                                     {quendal::parse_range(oop), quendal::parse_range(ip)}));
}

// A terminal on the spot's whole board after `matched` chips from each seat.
inline quendal::NodeState board_terminal(const quendal::Game& game, std::int32_t matched,
                                         std::uint8_t last_action = quendal::kCall,
                                         std::uint8_t last_actor = 1) {
    quendal::NodeState node;
    node.type = quendal::kTerminalNode;
    node.matched = matched;
    node.pot = game.config().starting_pot + 2 * matched;
    node.last_action = last_action;
    node.last_actor = last_actor;
    node.turn = game.card_context().board[3];
    node.river = game.card_context().board[4];
    return node;
}
