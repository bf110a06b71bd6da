#include "core/range.h"

#include "expect_throw_message.h"

#include <cmath>
#include <limits>
#include <set>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

namespace quendal {
namespace {

int count_nonzero(const RangeWeights& range) {
    int n = 0;
    for (float w : range) {
        n += w != 0.0f;
    }
    return n;
}

// The combos with a nonzero weight, written as "AhKd" (higher card first).
std::set<std::string> combos_of(const RangeWeights& range) {
    std::set<std::string> out;
    for (int lo = 0; lo < kCardCount; ++lo) {
        for (int hi = lo + 1; hi < kCardCount; ++hi) {
            if (range[combo_index(lo, hi)] != 0.0f) {
                out.insert(card_to_string(hi) + card_to_string(lo));
            }
        }
    }
    return out;
}

// The hand classes ("AKs", "QQ", "K9o") present in the range.
std::set<std::string> classes_of(const RangeWeights& range) {
    std::set<std::string> out;
    for (int lo = 0; lo < kCardCount; ++lo) {
        for (int hi = lo + 1; hi < kCardCount; ++hi) {
            if (range[combo_index(lo, hi)] == 0.0f) {
                continue;
            }
            std::string label{kRankChars[card_rank(hi)], kRankChars[card_rank(lo)]};
            if (card_rank(hi) != card_rank(lo)) {
                label += card_suit(hi) == card_suit(lo) ? 's' : 'o';
            }
            out.insert(label);
        }
    }
    return out;
}

using Classes = std::set<std::string>;

TEST(RangeExpansion, SinglePatternsSetTheirCombos) {
    const struct {
        const char* text;
        int combos;
    } cases[] = {{"AA", 6},    {"AKs", 4},   {"AKo", 12},  {"AK", 16},  {"aks", 4},  {"22+", 78},
                 {"A2s+", 48}, {"K9o+", 48}, {"T9s+", 20}, {"AKs+", 4}, {"TT+", 30}, {"A K s", 4}};
    for (const auto& c : cases) {
        const RangeWeights range = parse_range(c.text);
        EXPECT_EQ(count_nonzero(range), c.combos) << c.text;
        for (float w : range) {
            ASSERT_TRUE(w == 0.0f || w == 1.0f) << c.text;
        }
    }
    const RangeWeights exact = parse_range("AhKd");
    EXPECT_EQ(count_nonzero(exact), 1);
    EXPECT_EQ(exact[1309], 1.0f);
    EXPECT_EQ(classes_of(parse_range("K9o+")), (Classes{"K9o", "KTo", "KJo", "KQo"}));
    EXPECT_EQ(classes_of(parse_range("T9s+")), (Classes{"T9s", "JTs", "QJs", "KQs", "AKs"}));
}

TEST(RangeExpansion, ExactPatternsKeepTheirSuitsWhenMoving) {
    EXPECT_EQ(combos_of(parse_range("KhQd+")), (Classes{"KhQd", "AhKd"}));
    EXPECT_EQ(combos_of(parse_range("9h9d+")),
              (Classes{"9h9d", "ThTd", "JhJd", "QhQd", "KhKd", "AhAd"}));
    EXPECT_EQ(combos_of(parse_range("AhKd-AhQd")), (Classes{"AhKd", "AhQd"}));
    // A span reaching the pair of the high card cannot name that card twice.
    EXPECT_EQ(combos_of(parse_range("Ah2h-AhAd")).count("AhAh"), 0u);
    EXPECT_EQ(count_nonzero(parse_range("Ah2h-AhAd")), 12);
}

TEST(RangeExpansion, SpansCoverTheSameSetInEitherDirection) {
    const struct {
        const char* forward;
        const char* backward;
        Classes classes;
    } cases[] = {
        {"22-55", "55-22", {"22", "33", "44", "55"}},
        {"T9s-65s", "65s-T9s", {"65s", "76s", "87s", "98s", "T9s"}},
        {"KQo-JTo", "JTo-KQo", {"JTo", "QJo", "KQo"}},
        {"A2s-A5s", "A5s-A2s", {"A2s", "A3s", "A4s", "A5s"}},
        {"AA-AK", "AK-AA", {"AKs", "AKo", "AA"}},
        {"K9s-QTs", "QTs-K9s", {"Q9s", "QTs", "K9s", "KTs"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(classes_of(parse_range(c.forward)), c.classes) << c.forward;
        EXPECT_EQ(parse_range(c.forward), parse_range(c.backward)) << c.backward;
    }
}

TEST(RangeWeightsTable, LaterItemsOverwriteEarlierOnes) {
    const int aa = combo_index(parse_card("Ah"), parse_card("Ad"));
    EXPECT_EQ(parse_range("AA, AA:0.5")[aa], 0.5f);
    EXPECT_EQ(parse_range("AA:0.5, AA")[aa], 1.0f);
    const RangeWeights mixed = parse_range("QQ+:0.25, AKs, A5s-A2s:0.5, KhQh");
    EXPECT_EQ(mixed[aa], 0.25f);
    EXPECT_EQ(mixed[combo_index(parse_card("As"), parse_card("Ks"))], 1.0f);
    EXPECT_EQ(mixed[combo_index(parse_card("Ac"), parse_card("3c"))], 0.5f);
    EXPECT_EQ(mixed[combo_index(parse_card("Kh"), parse_card("Qh"))], 1.0f);
    EXPECT_EQ(count_nonzero(mixed), 18 + 4 + 16 + 1);
    EXPECT_EQ(count_nonzero(parse_range("")), 0);
    EXPECT_EQ(count_nonzero(parse_range(" , ,\t,, ")), 0);
}

TEST(RangeWeightsTable, DirectAccessChecksCardsThenWeight) {
    RangeWeights range = parse_range("AA");
    const CardCode ah = parse_card("Ah"), kd = parse_card("Kd");
    set_range_weight(range, kd, ah, 0.3f);
    EXPECT_EQ(range_weight(range, ah, kd), 0.3f);
    EXPECT_EQ(range[1309], 0.3f);
    clear_range(range);
    EXPECT_EQ(count_nonzero(range), 0);

    EXPECT_THROW_MSG(range_weight(range, 52, 1), std::out_of_range, "Card code must be in [0, 52)");
    EXPECT_THROW_MSG(range_weight(range, 1, kNoCard), std::out_of_range,
                     "Card code must be in [0, 52)");
    EXPECT_THROW_MSG(range_weight(range, 7, 7), std::invalid_argument, "Cards must differ");
    // Codes are checked before the weight.
    EXPECT_THROW_MSG(set_range_weight(range, 7, 7, 2.0f), std::invalid_argument,
                     "Cards must differ");
    for (float bad : {-0.1f, 1.5f, std::numeric_limits<float>::quiet_NaN(),
                      std::numeric_limits<float>::infinity()}) {
        EXPECT_THROW_MSG(set_range_weight(range, ah, kd, bad), std::invalid_argument,
                         "Weight must be within [0, 1]");
    }
    EXPECT_EQ(count_nonzero(range), 0);
}

TEST(RangeGrammar, FailuresCarryTheirMessages) {
    const struct {
        const char* text;
        const char* message;
        bool out_of_range;
    } cases[] = {
        {"KdAh", "First rank must be >= second rank", false},
        {"KA", "First rank must be >= second rank", false},
        {"KAs", "First rank must be >= second rank", false},
        {"AhAh", "Duplicate cards are not allowed", false},
        {"AAs", "Pair cannot have suitedness suffix", false},
        {"AKx", "Invalid suitedness suffix", false},
        {"A", "Invalid combo pattern length", false},
        {"AKsss", "Invalid combo pattern length", false},
        {"AK2s", "Invalid suit character", false},
        {"1K", "Invalid rank character", false},
        {"+", "Expected trailing '+'", false},
        {"AKs-22", "Suitedness mismatch in range", false},
        {"AK-22", "Unsupported range expression", false},
        {"88-A2", "Unsupported range expression", false},
        {"K9-QT", "Unsupported range expression", false},
        {"AA-", "Empty combo", false},
        {"-AA", "Empty combo", false},
        {"22-33-44", "Invalid combo pattern length", false},
        {":0.5", "Missing range expression", false},
        {":", "Weight string is empty", false},
        {"AA:", "Weight string is empty", false},
        {"AA:abc", "invalid stof argument", false},
        {"AA:0.5x", "Weight string contains invalid characters", false},
        {"AA:1e99", "stof argument out of range", true},
        {"AA:1.5", "Weight must be within [0, 1]", false},
        {"AA:-0.1", "Weight must be within [0, 1]", false},
        {"AA:nan", "Weight must be within [0, 1]", false},
        {"QQ+, AKs, bogus", "Invalid combo pattern length", false},
    };
    for (const auto& c : cases) {
        if (c.out_of_range) {
            EXPECT_THROW_MSG(parse_range(c.text), std::out_of_range, c.message);
        } else {
            EXPECT_THROW_MSG(parse_range(c.text), std::invalid_argument, c.message);
        }
    }
    EXPECT_THROW_MSG(parse_combo_pattern(""), std::invalid_argument, "Empty combo");
}

TEST(SuitSwapSymmetry, DetectsRangesThatTellSuitsApart) {
    const RangeWeights suited = parse_range("AKs");
    for (std::uint8_t s1 = 0; s1 < kSuitCount; ++s1) {
        for (std::uint8_t s2 = 0; s2 < kSuitCount; ++s2) {
            EXPECT_TRUE(is_suit_swap_symmetric(suited, s1, s2)) << int(s1) << int(s2);
        }
    }
    const RangeWeights hearts = parse_range("AhKh");
    EXPECT_FALSE(is_suit_swap_symmetric(hearts, 2, 3));
    EXPECT_FALSE(is_suit_swap_symmetric(hearts, 3, 2));
    EXPECT_TRUE(is_suit_swap_symmetric(hearts, 0, 1));

    // Weights are compared exactly.
    RangeWeights nudged = suited;
    nudged[combo_index(parse_card("Ac"), parse_card("Kc"))] = std::nextafter(1.0f, 0.0f);
    EXPECT_FALSE(is_suit_swap_symmetric(nudged, 0, 1));
    EXPECT_TRUE(is_suit_swap_symmetric(nudged, 2, 3));

    RangeWeights with_nan = suited;
    with_nan[0] = std::numeric_limits<float>::quiet_NaN();
    EXPECT_FALSE(is_suit_swap_symmetric(with_nan, 1, 1));
}

}  // namespace
}  // namespace quendal
