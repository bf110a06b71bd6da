// Card codes, card text, hole-card packing and the combo index.
//
// A card code is rank * 4 + suit: ranks "23456789TJQKA" are 0..12, suits
// "cdhs" are 0..3. kNoCard marks an empty board slot and is never a card.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quendal {

using CardCode = std::uint8_t;
using HoleCards = std::uint16_t;  // first card in the low byte

inline constexpr CardCode kNoCard = 255;
inline constexpr int kCardCount = 52;
inline constexpr int kRankCount = 13;
inline constexpr int kSuitCount = 4;
inline constexpr int kComboCount = 1326;

inline constexpr std::string_view kRankChars = "23456789TJQKA";
inline constexpr std::string_view kSuitChars = "cdhs";

constexpr int card_rank(CardCode card) {
    return card / 4;
}
constexpr int card_suit(CardCode card) {
    return card % 4;
}
constexpr CardCode make_card(int rank, int suit) {
    return static_cast<CardCode>(rank * 4 + suit);
}

constexpr HoleCards pack_hole_cards(CardCode first, CardCode second) {
    return static_cast<HoleCards>(first | (second << 8));
}
constexpr CardCode hole_first(HoleCards hole) {
    return static_cast<CardCode>(hole & 0xFF);
}
constexpr CardCode hole_second(HoleCards hole) {
    return static_cast<CardCode>(hole >> 8);
}

// Index 0..1325 of the unordered pair {a, b}, a != b, in lexicographic order
// of (lo, hi). The codes are not checked.
constexpr int combo_index(CardCode a, CardCode b) {
    const int lo = a < b ? a : b;
    const int hi = a < b ? b : a;
    return lo * (101 - lo) / 2 - 1 + hi;
}

// Throws std::invalid_argument "Invalid rank character".
std::uint8_t rank_from_char(char c);
// Throws std::invalid_argument "Invalid suit character".
std::uint8_t suit_from_char(char c);
// Throws std::out_of_range "Rank is out of range" for 13 or more.
char rank_to_char(std::uint8_t rank);
// Throws std::out_of_range "Card code must be in [0, 52)" for 52 or more.
void check_card_code(CardCode card);

// Two characters, rank then suit, either case.
CardCode parse_card(std::string_view text);
// Three cards, white space anywhere ignored; codes in the order written.
std::array<CardCode, 3> parse_flop(std::string_view text);
// Throws std::out_of_range "Card code must be in [0, 52)" outside 0..51.
std::string card_to_string(std::int8_t card);

}  // namespace quendal
