// Boards for tests, written as card texts without separators ("AhKd7c2s").
#pragma once

#include "core/card.h"
#include "core/runout_tables.h"

#include <string>

inline quendal::Board make_board(const std::string& text) {
    quendal::Board board{quendal::kNoCard, quendal::kNoCard, quendal::kNoCard, quendal::kNoCard,
                         quendal::kNoCard};
    for (std::size_t i = 0; i * 2 < text.size(); ++i) {
        board[i] = quendal::parse_card(text.substr(2 * i, 2));
    }
    return board;
}
