#include "core/card.h"

#include "core/text_util.h"

#include <algorithm>
#include <stdexcept>

namespace quendal {

namespace {

// Index of the lowered character in the lower-case alphabet, or npos.
std::size_t lower_index(std::string_view lower_alphabet, char c) {
    return c == '\0' ? std::string_view::npos : lower_alphabet.find(ascii_lower(c));
}

}  // namespace

std::uint8_t rank_from_char(char c) {
    const std::size_t rank = lower_index("23456789tjqka", c);
    if (rank == std::string_view::npos) {
        throw std::invalid_argument("Invalid rank character");
    }
    return static_cast<std::uint8_t>(rank);
}

std::uint8_t suit_from_char(char c) {
    const std::size_t suit = lower_index(kSuitChars, c);
    if (suit == std::string_view::npos) {
        throw std::invalid_argument("Invalid suit character");
    }
    return static_cast<std::uint8_t>(suit);
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
