#include "core/hand_evaluator.h"

#include "core/card.h"
#include "expect_throw_message.h"

#include <algorithm>
#include <array>
#include <compare>
#include <cstdint>
#include <numeric>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

namespace quendal {
namespace {

using Seven = std::array<CardCode, 7>;

Seven seven(std::string_view text) {
    Seven cards{};
    for (std::size_t i = 0; i < cards.size(); ++i) {
        cards[i] = parse_card(text.substr(i * 3, 2));
    }
    return cards;
}

int category_of(HandStrength strength) {
    return static_cast<int>(hand_category(strength));
}

TEST(HandEvaluatorTest, KnownHandsInAnyCardOrder) {
    struct Case {
        const char* cards;
        HandStrength expected;
    };
    const Case cases[] = {
        {"As Ks Qs Js Ts 2c 3d", 0x22000000},  // royal flush
        {"As 2s 3s 4s 5s 9c Jd", 0x20010000},  // five-high straight flush
        {"2h 3h 4h 5h 6h 7c 8c", 0x20020000},  // flush straight ends at six, not eight
        {"Ac 2d 3h 4s 5c 9c Jd", 0x10010000},  // five-high straight
        {"Ac 2d 3h 4s 5c 6c Jd", 0x10020000},  // six beats the wheel
        {"6c 7d 8h 9s Tc Jc Qd", 0x10800000},
        {"Ah Kd Qc Js Tc Td 2c", 0x12000000},  // paired ten inside the straight
        {"Ah Ad Ac As Kd 2c 3c", 0x1E000800},
        {"Ah Ad Ac As Kd Kc Kh", 0x1E000800},  // three kings are just the kicker
        {"Ah Ad Ac Ks Kd 2c 3c", 0x1A000800},
        {"Ah Ad Ac Ks Kd Kc 3c", 0x1A000800},  // two trips
        {"2h 2d 2c 3s 3d 4c 4h", 0x18002004},  // trips with two pairs: higher pair
        {"Ah 9h 7h 5h 3h 2c 2d", 0x16154000},
        {"Ah 9h 7h 5h 3h 2h 2d", 0x16154000},  // sixth flush card ignored
        {"Ah 9h 7h 5h 3h 2h 6h", 0x16170000},  // seven-card flush: A 9 7 6 5
        {"2h 3h 4h 5h 9h 6c Kd", 0x1411E000},  // flush outranks the straight
        {"Ah Ad Ac Ks 9d 2c 3c", 0x0E000880},
        {"Ah Ad Kc Ks 9d 9c 3c", 0x0B000080},  // third pair is the kicker
        {"Ah Ad Kc Ks 9d 9c Qc", 0x0B000400},
        {"Ah Ad Kc 7s 9d 2c 3c", 0x060008A0},
        {"Ah 8d Kc 7s 9d 2c 3c", 0x031C0000},
    };
    for (const Case& c : cases) {
        Seven cards = seven(c.cards);
        for (std::size_t shift = 0; shift < cards.size(); ++shift) {
            EXPECT_EQ(evaluate_seven(cards), c.expected) << c.cards << " rotated " << shift;
            const HoleCards hole = pack_hole_cards(cards[0], cards[1]);
            EXPECT_EQ(evaluate_hand(hole, std::span(cards).subspan(2)), c.expected) << c.cards;
            std::rotate(cards.begin(), cards.begin() + 1, cards.end());
        }
    }
}

TEST(HandEvaluatorTest, RejectsBadBoardsAndCodes) {
    const std::string board_message = "Board must contain exactly 5 cards for evaluation";
    const std::string code_message = "Card code must be in [0, 52)";
    const HoleCards hole = pack_hole_cards(0, 1);
    const std::vector<CardCode> four = {10, 20, 30, 40};
    const std::vector<CardCode> six = {10, 20, 30, 40, 50, 51};
    const std::vector<CardCode> four_bad = {10, 20, 30, 52};
    for (const auto* board : {&four, &six, &four_bad}) {
        EXPECT_THROW_MSG(evaluate_hand(hole, *board), std::invalid_argument, board_message);
    }
    EXPECT_THROW_MSG(evaluate_hand(hole, {}), std::invalid_argument, board_message);

    for (const CardCode bad : {CardCode{52}, CardCode{255}}) {
        for (std::size_t pos = 0; pos < 7; ++pos) {
            Seven cards = {2, 7, 13, 22, 31, 44, 49};
            cards[pos] = bad;
            EXPECT_THROW_MSG(evaluate_seven(cards), std::out_of_range, code_message);
            const HoleCards packed = pack_hole_cards(cards[0], cards[1]);
            EXPECT_THROW_MSG(evaluate_hand(packed, std::span(cards).subspan(2)), std::out_of_range,
                             code_message);
        }
    }
}

// Independent slow reference: best of the 21 five-card subsets, each classified
// from its rank counts into a category and tie-break ranks, highest first.
struct RefHand {
    int category = 0;
    std::array<int, 5> ranks{};
    auto operator<=>(const RefHand&) const = default;
};

RefHand classify_five(const std::array<CardCode, 5>& five) {
    std::array<int, 13> count{};
    bool flush = true;
    for (const CardCode c : five) {
        ++count[card_rank(c)];
        flush = flush && card_suit(c) == card_suit(five[0]);
    }
    // (count, rank) groups, largest group first, then highest rank first.
    std::array<std::pair<int, int>, 5> groups{};
    std::size_t n = 0;
    for (int r = 12; r >= 0; --r) {
        if (count[r] > 0) {
            groups[n++] = {count[r], r};
        }
    }
    for (std::size_t i = 1; i < n; ++i) {  // stable insertion sort by count
        for (std::size_t j = i; j > 0 && groups[j - 1].first < groups[j].first; --j) {
            std::swap(groups[j - 1], groups[j]);
        }
    }
    RefHand hand;
    for (std::size_t i = 0; i < n; ++i) {
        hand.ranks[i] = groups[i].second;
    }
    int straight_top = -1;
    if (n == 5 && groups[0].second - groups[4].second == 4) {
        straight_top = groups[0].second;
    } else if (n == 5 && groups[0].second == 12 && groups[1].second == 3) {
        straight_top = 3;
    }
    if (straight_top >= 0) {
        hand.ranks = {straight_top, 0, 0, 0, 0};
    }
    const int top = groups[0].first;
    const int second = groups[1].first;
    if (top == 4) {
        hand.category = 7;
    } else if (top == 3) {
        hand.category = second == 2 ? 6 : 3;
    } else if (top == 2) {
        hand.category = second == 2 ? 2 : 1;
    } else {
        hand.category = flush ? (straight_top >= 0 ? 8 : 5) : (straight_top >= 0 ? 4 : 0);
    }
    return hand;
}

RefHand reference_best(const Seven& cards) {
    RefHand best{-1, {}};
    for (int skip_a = 0; skip_a < 7; ++skip_a) {
        for (int skip_b = skip_a + 1; skip_b < 7; ++skip_b) {
            std::array<CardCode, 5> five{};
            int n = 0;
            for (int i = 0; i < 7; ++i) {
                if (i != skip_a && i != skip_b) {
                    five[n++] = cards[i];
                }
            }
            best = std::max(best, classify_five(five));
        }
    }
    return best;
}

struct Dealt {
    RefHand ref;
    HandStrength strength;
};

std::array<CardCode, 52> deal_prefix(std::mt19937& rng, int n) {
    std::array<CardCode, 52> deck{};
    std::iota(deck.begin(), deck.end(), CardCode{0});
    for (int i = 0; i < n; ++i) {
        std::uniform_int_distribution<int> pick(i, 51);
        std::swap(deck[i], deck[pick(rng)]);
    }
    return deck;
}

// The evaluator must order hands exactly as the reference does, ties included.
// Sorting by the reference and checking neighbours covers every pair.
void expect_same_order(std::vector<Dealt> hands) {
    std::sort(hands.begin(), hands.end(),
              [](const Dealt& a, const Dealt& b) { return a.ref < b.ref; });
    int mismatches = 0;
    for (std::size_t i = 1; i < hands.size() && mismatches < 10; ++i) {
        const auto ref_order = hands[i - 1].ref <=> hands[i].ref;
        const auto eval_order = hands[i - 1].strength <=> hands[i].strength;
        if (ref_order != eval_order) {
            ++mismatches;
            ADD_FAILURE() << "ordering differs at sorted index " << i;
        }
    }
}

TEST(HandEvaluatorTest, RandomDealsMatchBruteForce) {
    std::mt19937 rng(20240611);
    std::vector<Dealt> hands;
    std::array<int, 9> seen{};
    for (int deal = 0; deal < 100000; ++deal) {
        const auto deck = deal_prefix(rng, 7);
        Seven cards{};
        std::copy_n(deck.begin(), 7, cards.begin());
        const Dealt d{reference_best(cards), evaluate_seven(cards)};
        ASSERT_EQ(category_of(d.strength), d.ref.category) << "deal " << deal;
        if (!hands.empty()) {
            EXPECT_EQ(hands.back().ref <=> d.ref, hands.back().strength <=> d.strength);
        }
        ++seen[d.ref.category];
        hands.push_back(d);
    }
    for (int category = 0; category < 9; ++category) {
        EXPECT_GT(seen[category], 0) << "category " << category << " never dealt";
    }
    expect_same_order(std::move(hands));
}

TEST(HandEvaluatorTest, TwoHandsOnOneBoardMatchBruteForce) {
    std::mt19937 rng(77);
    std::vector<Dealt> hands;
    int ties = 0;
    for (int deal = 0; deal < 40000; ++deal) {
        const auto deck = deal_prefix(rng, 9);
        const std::span<const CardCode> board(deck.data() + 4, 5);
        std::array<Dealt, 2> pair{};
        for (int seat = 0; seat < 2; ++seat) {
            const HoleCards hole = pack_hole_cards(deck[2 * seat], deck[2 * seat + 1]);
            Seven cards = {deck[2 * seat], deck[2 * seat + 1]};
            std::copy(board.begin(), board.end(), cards.begin() + 2);
            pair[seat] = {reference_best(cards), evaluate_hand(hole, board)};
            ASSERT_EQ(category_of(pair[seat].strength), pair[seat].ref.category);
        }
        const auto ref_order = pair[0].ref <=> pair[1].ref;
        ASSERT_EQ(ref_order, pair[0].strength <=> pair[1].strength) << "deal " << deal;
        ties += ref_order == 0;
        hands.insert(hands.end(), pair.begin(), pair.end());
    }
    EXPECT_GT(ties, 100);  // the board plays often enough to exercise splits
    expect_same_order(std::move(hands));
}

}  // namespace
}  // namespace quendal
