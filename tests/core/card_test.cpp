#include "core/card.h"

#include "expect_throw_message.h"

#include <cctype>
#include <set>
#include <stdexcept>

#include <gtest/gtest.h>

namespace quendal {
namespace {

TEST(CardText, ParsesEitherCaseAndWritesCanonicalText) {
    for (const char* text : {"ah", "AH", "aH", "Ah"}) {
        EXPECT_EQ(parse_card(text), 50) << text;
    }
    EXPECT_EQ(parse_card("Tc"), 32);
    EXPECT_EQ(parse_card("tc"), 32);
    EXPECT_EQ(card_to_string(50), "Ah");
    EXPECT_EQ(card_to_string(0), "2c");
    EXPECT_EQ(card_to_string(51), "As");
    EXPECT_EQ(rank_to_char(8), 'T');
}

TEST(CardText, EveryCodeRoundTripsThroughText) {
    std::set<std::string> seen;
    for (int code = 0; code < kCardCount; ++code) {
        const std::string text = card_to_string(static_cast<std::int8_t>(code));
        EXPECT_EQ(parse_card(text), code);
        EXPECT_EQ(rank_from_char(text[0]), code / 4);
        EXPECT_EQ(suit_from_char(text[1]), code % 4);
        seen.insert(text);
    }
    EXPECT_EQ(seen.size(), 52u);
}

TEST(CardText, FailuresCarryTheirMessages) {
    EXPECT_THROW_MSG(parse_card("10c"), std::invalid_argument,
                     "Card token must consist of two characters");
    EXPECT_THROW_MSG(parse_card(""), std::invalid_argument,
                     "Card token must consist of two characters");
    EXPECT_THROW_MSG(parse_card(" Ah"), std::invalid_argument,
                     "Card token must consist of two characters");
    EXPECT_THROW_MSG(parse_card("1c"), std::invalid_argument, "Invalid rank character");
    EXPECT_THROW_MSG(parse_card("0c"), std::invalid_argument, "Invalid rank character");
    EXPECT_THROW_MSG(parse_card("Ax"), std::invalid_argument, "Invalid suit character");
    // A bad rank is reported before a bad suit.
    EXPECT_THROW_MSG(parse_card("xx"), std::invalid_argument, "Invalid rank character");
    EXPECT_THROW_MSG(rank_to_char(13), std::out_of_range, "Rank is out of range");
    EXPECT_THROW_MSG(check_card_code(52), std::out_of_range, "Card code must be in [0, 52)");
    EXPECT_NO_THROW(check_card_code(51));
    EXPECT_THROW_MSG(card_to_string(52), std::out_of_range, "Card code must be in [0, 52)");
    EXPECT_THROW_MSG(card_to_string(static_cast<std::int8_t>(kNoCard)), std::out_of_range,
                     "Card code must be in [0, 52)");
}

TEST(CardText, OnlyRankAndSuitLettersOfEitherCaseAreAccepted) {
    int ranks = 0, suits = 0;
    for (int i = 0; i < 256; ++i) {
        const char c = static_cast<char>(i);
        try {
            const int rank = rank_from_char(c);
            EXPECT_EQ(rank_to_char(static_cast<std::uint8_t>(rank)), std::toupper(i)) << i;
            ++ranks;
        } catch (const std::invalid_argument&) {
        }
        try {
            EXPECT_EQ(kSuitChars[suit_from_char(c)], std::tolower(i)) << i;
            ++suits;
        } catch (const std::invalid_argument&) {
        }
    }
    EXPECT_EQ(ranks, 8 + 2 * 5);  // digits once, letters in both cases
    EXPECT_EQ(suits, 8);
}

TEST(Flop, KeepsWrittenOrderAndIgnoresWhiteSpace) {
    using Flop = std::array<CardCode, 3>;
    EXPECT_EQ(parse_flop("AhKsQd"), (Flop{50, 47, 41}));
    EXPECT_EQ(parse_flop("QdKsAh"), (Flop{41, 47, 50}));
    EXPECT_EQ(parse_flop("  Ah Ks\tQd\n"), (Flop{50, 47, 41}));
    EXPECT_EQ(parse_flop("Ah\r\nKs\vQ\fd"), (Flop{50, 47, 41}));
}

TEST(Flop, FailuresCarryTheirMessages) {
    EXPECT_THROW_MSG(parse_flop("AhKsAh"), std::invalid_argument, "Flop cards must be unique");
    EXPECT_THROW_MSG(parse_flop("AhAhKs"), std::invalid_argument, "Flop cards must be unique");
    for (const char* text : {"AhKs", "AhKsQdJc", "", "   ", "AhKsQdJcTc"}) {
        EXPECT_THROW_MSG(parse_flop(text), std::invalid_argument,
                         "Flop string must contain exactly three cards");
    }
    EXPECT_THROW_MSG(parse_flop("AhKs1d"), std::invalid_argument, "Invalid rank character");
    EXPECT_THROW_MSG(parse_flop("AhKsQx"), std::invalid_argument, "Invalid suit character");
}

TEST(ComboIndex, NumbersPairsInLexicographicOrder) {
    EXPECT_EQ(combo_index(0, 1), 0);
    EXPECT_EQ(combo_index(1, 0), 0);
    EXPECT_EQ(combo_index(0, 51), 50);
    EXPECT_EQ(combo_index(1, 2), 51);
    EXPECT_EQ(combo_index(50, 51), 1325);
    int expected = 0;
    for (int lo = 0; lo < kCardCount; ++lo) {
        for (int hi = lo + 1; hi < kCardCount; ++hi) {
            ASSERT_EQ(combo_index(static_cast<CardCode>(lo), static_cast<CardCode>(hi)), expected);
            ASSERT_EQ(combo_index(static_cast<CardCode>(hi), static_cast<CardCode>(lo)), expected);
            ++expected;
        }
    }
    EXPECT_EQ(expected, kComboCount);
}

}  // namespace
}  // namespace quendal
