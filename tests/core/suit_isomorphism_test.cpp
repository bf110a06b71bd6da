#include "board_text.h"
#include "core/card_context.h"

#include <algorithm>
#include <string>

#include <gtest/gtest.h>

namespace quendal {
namespace {

CardContext context(const char* board, const char* oop, const char* ip) {
    return CardContext(make_board(board), {parse_range(oop), parse_range(ip)});
}

std::vector<CardCode> cards_of_suits(std::initializer_list<int> suits, std::uint64_t dead) {
    std::vector<CardCode> out;
    for (int c = 0; c < kCardCount; ++c) {
        if (((dead >> c) & 1) == 0 &&
            std::find(suits.begin(), suits.end(), card_suit(CardCode(c))) != suits.end()) {
            out.push_back(CardCode(c));
        }
    }
    return out;
}

bool all_empty(const SuitIsomorphism& iso) {
    bool empty = iso.flop_image_index.empty() && iso.flop_folded_cards.empty();
    for (const auto& per_turn : iso.river_image_index) {
        empty = empty && per_turn.empty();
    }
    for (int s = 0; s < 4; ++s) {
        empty = empty && iso.river_folded_cards[s].empty();
        for (int seat = 0; seat < 2; ++seat) {
            empty = empty && iso.turn_swap_pairs[s][seat].empty();
            for (int u = 0; u < 4; ++u) {
                empty = empty && iso.river_swap_pairs[u][s][seat].empty();
            }
        }
    }
    return empty;
}

// A folded card's image is the live unfolded card of its rank in a smaller,
// interchangeable suit, numbered by its place among the dealt children.
void expect_images_are_canonical(const CardContext& ctx, std::uint64_t dead,
                                 const std::vector<std::uint8_t>& images,
                                 const std::vector<CardCode>& folded) {
    ASSERT_EQ(images.size(), folded.size());
    std::vector<CardCode> children;
    for (int c = 0; c < kCardCount; ++c) {
        if (((dead >> c) & 1) == 0 &&
            std::find(folded.begin(), folded.end(), CardCode(c)) == folded.end()) {
            children.push_back(CardCode(c));
        }
    }
    for (std::size_t k = 0; k < folded.size(); ++k) {
        ASSERT_LT(images[k], children.size());
        const CardCode image = children[images[k]];
        EXPECT_EQ(card_rank(image), card_rank(folded[k]));
        EXPECT_LT(card_suit(image), card_suit(folded[k]));
        for (int seat = 0; seat < 2; ++seat) {
            EXPECT_TRUE(
                is_suit_swap_symmetric(ctx.ranges[seat], card_suit(image), card_suit(folded[k])));
        }
    }
}

void expect_swap_pairs_map_hands(const CardContext& ctx, const PerSeat<SwapPairs>& pairs, int s) {
    for (int seat = 0; seat < 2; ++seat) {
        const PocketList& pockets = ctx.pockets[seat];
        for (const auto& [i, j] : pairs[seat]) {
            ASSERT_LT(i, j);
            ASSERT_LT(j, pockets.size());
            // Which suit s folds onto is the suit of the image; exchange and compare.
            const auto exchange = [&](CardCode c, int a, int b) {
                const int suit = card_suit(c);
                return make_card(card_rank(c), suit == a ? b : (suit == b ? a : suit));
            };
            bool mapped = false;
            for (int target = 0; target < s; ++target) {
                const Pocket image = make_pocket(exchange(pocket_low(pockets[i]), s, target),
                                                 exchange(pocket_high(pockets[i]), s, target));
                mapped = mapped || image == pockets[j];
            }
            EXPECT_TRUE(mapped);
            EXPECT_EQ(ctx.pocket_weights[seat][i], ctx.pocket_weights[seat][j]);
        }
    }
}

TEST(SuitIsomorphism, RainbowFlopFoldsNothing) {
    const CardContext ctx = context("AhKd7c", "AA, KK, AKs", "AA, KK, AKs");
    EXPECT_TRUE(all_empty(ctx.suit_isomorphism));
    EXPECT_EQ(ctx.suit_isomorphism.river_image_index.size(), 52u);
}

TEST(SuitIsomorphism, MonotoneFlopFoldsTheOtherSuits) {
    const CardContext ctx = context("AhKh7h", "AA, KK, AKs", "AA, KK, AKs");
    const SuitIsomorphism& iso = ctx.suit_isomorphism;
    const std::uint64_t flop = ctx.dead_mask;
    EXPECT_EQ(iso.flop_folded_cards, cards_of_suits({1, 3}, flop));
    ASSERT_EQ(iso.flop_image_index.size(), 26u);
    EXPECT_EQ(iso.flop_image_index[0], 0);  // 2d -> 2c
    EXPECT_EQ(iso.flop_image_index[1], 0);  // 2s -> 2c
    EXPECT_EQ(iso.flop_image_index[2], 2);  // 3d -> 3c, after 2c and 2h
    expect_images_are_canonical(ctx, flop, iso.flop_image_index, iso.flop_folded_cards);
    expect_swap_pairs_map_hands(ctx, iso.turn_swap_pairs[1], 1);
    expect_swap_pairs_map_hands(ctx, iso.turn_swap_pairs[3], 3);
    EXPECT_FALSE(iso.turn_swap_pairs[1][0].empty());
    EXPECT_TRUE(iso.turn_swap_pairs[0][0].empty());
    EXPECT_TRUE(iso.turn_swap_pairs[2][1].empty());

    // After a club turn spades fold onto diamonds; after a heart turn both
    // diamonds and spades fold onto clubs.
    const CardCode club = parse_card("5c");
    const CardCode heart = parse_card("5h");
    EXPECT_EQ(iso.river_folded_cards[0], cards_of_suits({3}, flop | (1ull << club)));
    EXPECT_EQ(iso.river_folded_cards[2], cards_of_suits({1, 3}, flop | (1ull << heart)));
    expect_images_are_canonical(ctx, flop | (1ull << club), iso.river_image_index[club],
                                iso.river_folded_cards[0]);
    expect_images_are_canonical(ctx, flop | (1ull << heart), iso.river_image_index[heart],
                                iso.river_folded_cards[2]);
    expect_swap_pairs_map_hands(ctx, iso.river_swap_pairs[0][3], 3);
    expect_swap_pairs_map_hands(ctx, iso.river_swap_pairs[2][1], 1);
    EXPECT_TRUE(iso.river_swap_pairs[0][1][0].empty());
    // Folded turn cards deal no river level of their own that differs.
    EXPECT_EQ(iso.river_image_index[parse_card("5d")].size(), iso.river_folded_cards[1].size());
}

TEST(SuitIsomorphism, RangesThatTellSuitsApartNeverFoldThem) {
    const CardContext ctx = context("2c3c4c", "AA, KK, AhKh", "QQ+");
    const SuitIsomorphism& iso = ctx.suit_isomorphism;
    // Diamonds and spades remain interchangeable; hearts never fold.
    EXPECT_EQ(iso.flop_folded_cards, cards_of_suits({3}, ctx.dead_mask));
    EXPECT_TRUE(iso.turn_swap_pairs[2][0].empty());
    for (int u = 0; u < 4; ++u) {
        for (CardCode c : iso.river_folded_cards[u]) {
            EXPECT_NE(card_suit(c), 2);
        }
    }
    expect_images_are_canonical(ctx, ctx.dead_mask, iso.flop_image_index, iso.flop_folded_cards);
    expect_swap_pairs_map_hands(ctx, iso.turn_swap_pairs[3], 3);
}

TEST(SuitIsomorphism, TurnBoardFillsOnlyTheDealtTurnAndRiverBoardNothing) {
    const CardContext turn = context("AhKh7h2c", "AA, KK, AKs", "QQ, JTs");
    const SuitIsomorphism& iso = turn.suit_isomorphism;
    EXPECT_TRUE(iso.flop_folded_cards.empty());
    for (int t = 0; t < kCardCount; ++t) {
        EXPECT_EQ(iso.river_image_index[t].empty(), t != turn.board[3]) << t;
    }
    EXPECT_EQ(iso.river_folded_cards[0], cards_of_suits({3}, turn.dead_mask));
    expect_images_are_canonical(turn, turn.dead_mask, iso.river_image_index[turn.board[3]],
                                iso.river_folded_cards[0]);

    EXPECT_TRUE(all_empty(context("AhKh7h2c9d", "AA, KK", "QQ").suit_isomorphism));
}

}  // namespace
}  // namespace quendal
