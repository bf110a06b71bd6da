#include "core/card.h"

#include "core/text_util.h"

#include <algorithm>
#include <stdexcept>

namespace quendal {

std::uint8_t rank_from_char(char c) {
    switch (ascii_lower(c)) {
        case '2':
            return 0;
        case '3':
            return 1;
        case '4':
            return 2;
        case '5':
            return 3;
        case '6':
            return 4;
        case '7':
            return 5;
        case '8':
            return 6;
        case '9':
            return 7;
        case 't':
            return 8;
        case 'j':
            return 9;
        case 'q':
            return 10;
        case 'k':
            return 11;
        case 'a':
            return 12;
        default:
            throw std::invalid_argument("Invalid rank character");
    }
}

std::uint8_t suit_from_char(char c) {
    switch (ascii_lower(c)) {
        case 'c':
            return 0;
        case 'd':
            return 1;
        case 'h':
            return 2;
        case 's':
            return 3;
        default:
            throw std::invalid_argument("Invalid suit character");
    }
}

char rank_to_char(std::uint8_t rank) {
    if (rank >= kRankCount) {
        throw std::out_of_range("Rank is out of range");
    }
    return kRankChars[rank];
}

void check_card_code(CardCode card) {
    if (card >= kCardCount) {
        throw std::out_of_range("Card code must be in [0, 52)");
    }
}

namespace {

CardCode card_from_chars(char rank, char suit) {
    const int r = rank_from_char(rank);
    const int s = suit_from_char(suit);
    return make_card(r, s);
}

}  // namespace

CardCode parse_card(std::string_view text) {
    if (text.size() != 2) {
        throw std::invalid_argument("Card token must consist of two characters");
    }
    return card_from_chars(text[0], text[1]);
}

std::array<CardCode, 3> parse_flop(std::string_view text) {
    const std::string compact = strip_all_space(text);
    if (compact.size() != 6) {
        throw std::invalid_argument("Flop string must contain exactly three cards");
    }
    std::array<CardCode, 3> cards{};
    for (int i = 0; i < 3; ++i) {
        cards[i] = card_from_chars(compact[2 * i], compact[2 * i + 1]);
    }
    std::array<CardCode, 3> sorted = cards;
    std::sort(sorted.begin(), sorted.end());
    if (sorted[0] == sorted[1] || sorted[1] == sorted[2]) {
        throw std::invalid_argument("Flop cards must be unique");
    }
    return cards;
}

std::string card_to_string(std::int8_t card) {
    if (card < 0 || card >= kCardCount) {
        throw std::out_of_range("Card code must be in [0, 52)");
    }
    return {kRankChars[card / 4], kSuitChars[card % 4]};
}

}  // namespace quendal
