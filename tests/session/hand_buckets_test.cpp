#include "session/hand_buckets.h"

#include "board_text.h"
#include "session/solve_session.h"
#include "session_fixtures.h"

#include <cmath>
#include <memory>
#include <numeric>

#include <gtest/gtest.h>

namespace quendal_app {
namespace {

using Words = std::vector<std::string>;

quendal::Pocket pocket(const char* text) {
    return quendal::make_pocket(quendal::parse_card(std::string_view(text, 2)),
                                quendal::parse_card(std::string_view(text + 2, 2)));
}

// A game on the board whose root the words are asked at.
std::unique_ptr<quendal::Game> game_on(const std::string& board) {
    quendal::TreeConfig c;
    c.start_street = static_cast<std::uint8_t>(board.size() / 2 - 3);
    c.starting_pot = 1000;
    c.effective_stack = 1000;
    return std::make_unique<quendal::Game>(
        c, quendal::CardContext(make_board(board),
                                {quendal::parse_range("22"), quendal::parse_range("33")}));
}

Words words_at(const std::string& board, const char* hand) {
    const auto game = game_on(board);
    return made_hand_category(*game, game->nodes()[0], pocket(hand));
}

TEST(HandBuckets, CategoriesOfCardLists) {
    const auto cards = [](const std::string& text) {
        std::vector<quendal::CardCode> out;
        for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
            out.push_back(quendal::parse_card(text.substr(i, 2)));
        }
        return out;
    };
    EXPECT_EQ(hand_category_of_cards(cards("AhKhQhJhTh")), 8);
    EXPECT_EQ(hand_category_of_cards(cards("Ah2h3h4h5h9c")), 8);  // wheel flush
    EXPECT_EQ(hand_category_of_cards(cards("AsAhAdAcKh")), 7);
    EXPECT_EQ(hand_category_of_cards(cards("AsAhAdKcKhKs2c")), 6);  // two trips
    EXPECT_EQ(hand_category_of_cards(cards("As9s5s3s2sKd")), 5);
    EXPECT_EQ(hand_category_of_cards(cards("As2d3c4h5s")), 4);
    EXPECT_EQ(hand_category_of_cards(cards("7s7d7c2h9s")), 3);
    EXPECT_EQ(hand_category_of_cards(cards("7s7d2c2h9s9d")), 2);
    EXPECT_EQ(hand_category_of_cards(cards("7s7d2c3h9s")), 1);
    EXPECT_EQ(hand_category_of_cards(cards("7s8d2c3hKs")), 0);
    EXPECT_EQ(hand_category_of_cards(cards("7s8d2c3h")), 0);  // four cards
    EXPECT_THROW(hand_category_of_cards({1, 2, 3, 4, 52}), std::out_of_range);
}

TEST(HandBuckets, WordsOfTheWorkedExamples) {
    EXPECT_EQ(words_at("AhKd7c", "7s7h"), Words{"set"});
    EXPECT_EQ(words_at("AhKd7c", "QhJh"), (Words{"back door flush draw", "gutter"}));
    EXPECT_EQ(words_at("AhKd7c", "AsQs"), Words{"top pair"});
    EXPECT_EQ(words_at("AhKd7c", "8h8d"), Words{"dry pair"});
    EXPECT_EQ(words_at("AhKd7c", "2c2d"), Words{"dry pair"});
    EXPECT_EQ(words_at("AhKd7c", "Kh5c"), Words{"middle pair"});
    EXPECT_EQ(words_at("AhKd7c", "7d6d"), (Words{"back door flush draw", "bottom pair"}));
    EXPECT_EQ(words_at("9h7c2d", "QsQd"), Words{"overpair"});
    EXPECT_EQ(words_at("KcKd9h", "AsAc"), Words{"two pair"});
    EXPECT_EQ(words_at("KcKd9h", "5h4h"), Words{"back door flush draw"});
    EXPECT_EQ(words_at("KcKd9h", "3s2d"), Words{"air"});
    EXPECT_EQ(words_at("KcKd9h", "Ks9s"), Words{"full house"});
    EXPECT_EQ(words_at("KcKd9h", "Ks2s"), Words{"trips"});
    EXPECT_EQ(words_at("Kc9d7h3c", "7s6s"), Words{"pair"});
    EXPECT_EQ(words_at("3h4sKd", "Ad2c"), Words{"gutter"});
    EXPECT_EQ(words_at("9c6d3h", "7s5s"), Words{"open ended straight draw"});  // two gutshots
    EXPECT_EQ(words_at("9h8c7d", "JsTs"), Words{"straight"});
    EXPECT_EQ(words_at("Ah9h5h2c", "KhQh"), Words{"flush"});
    EXPECT_EQ(words_at("Ah9h5h2c", "Kh7c"), Words{"flush draw"});
    EXPECT_EQ(words_at("Kc8h4d", "8s8d"), Words{"set"});
    EXPECT_EQ(words_at("Kc8h4d8c", "8s8d"), Words{"quads"});
    EXPECT_EQ(words_at("KcQh9h", "KhJd"), (Words{"back door flush draw", "gutter", "top pair"}));
}

TEST(HandBuckets, RiverWordsForMissedDraws) {
    // Four hearts by the turn, nothing beyond the board's high card at the river.
    EXPECT_EQ(words_at("Kh8h4c2hJs", "Qh9s"), Words{"missed FD"});
    // Pairing a hole card is a made hand, never a miss.
    EXPECT_EQ(words_at("Kh8h4c2hJs", "Qh2s"), Words{"bottom pair"});
    // An open-ended draw by the turn that missed.
    EXPECT_EQ(words_at("9c8d2h3sKd", "7s6s"), Words{"missed OESD"});
    EXPECT_EQ(words_at("9c8d2h3sKd", "7s5s"), Words{"missed gutter"});
    // Completed: a straight, no miss.
    EXPECT_EQ(words_at("9c8d2h3sTd", "7s6s"), Words{"straight"});
}

TEST(HandBuckets, FlagsAndPairClasses) {
    const std::vector<int> ranks = {11, 7, 5, 1};  // K 9 7 3
    const std::array<int, 13> counts{};
    EXPECT_EQ(pair_class_name(pocket("Ks2c"), ranks, counts), "top pair");
    EXPECT_EQ(pair_class_name(pocket("9s2c"), ranks, counts), "middle pair");
    EXPECT_EQ(pair_class_name(pocket("7s6c"), ranks, counts), "pair");
    EXPECT_EQ(pair_class_name(pocket("3s4c"), ranks, counts), "bottom pair");
    EXPECT_EQ(pair_class_name(pocket("As4c"), ranks, counts), "");
    EXPECT_EQ(pair_class_name(pocket("AsAc"), ranks, counts), "overpair");
    EXPECT_EQ(pair_class_name(pocket("KsKh"), ranks, counts), "dry pair");  // not above the top
    EXPECT_EQ(board_ranks_descending({quendal::parse_card("2c"), quendal::parse_card("Ah"),
                                      quendal::parse_card("2d")}),
              (std::vector<int>{12, 0}));
    // A made flush has no flush draw; the draw's suit must be a hole card's.
    const std::vector<quendal::CardCode> four_clubs = {
        quendal::parse_card("Ac"), quendal::parse_card("Kd"), quendal::parse_card("9c"),
        quendal::parse_card("5c"), quendal::parse_card("2c")};
    EXPECT_TRUE(flush_draw_flags(four_clubs, pocket("AcKd"), false, false).flush_draw);
    EXPECT_FALSE(flush_draw_flags(four_clubs, pocket("AcKd"), false, true).flush_draw);
    EXPECT_FALSE(flush_draw_flags(four_clubs, pocket("AhKd"), false, false).flush_draw);
}

// The words agree with an independent reading of what each hand holds.
TEST(HandBuckets, WordsAgreeWithHandsClassifiedByHand) {
    const std::string board = "Ts9s4d";
    const struct {
        const char* hand;
        Words words;
    } cases[] = {{"AsKs", {"flush draw"}},
                 {"QsJs", {"flush draw", "open ended straight draw"}},
                 {"KdQh", {"gutter"}},
                 {"TdTc", {"set"}},
                 {"Td9d", {"back door flush draw", "two pair"}},
                 {"AdTh", {"top pair"}},
                 {"8c7c", {"open ended straight draw"}},
                 {"QcQh", {"overpair"}},
                 {"5h5c", {"dry pair"}},
                 {"Ah2c", {"air"}}};
    for (const auto& c : cases) {
        EXPECT_EQ(words_at(board, c.hand), c.words) << c.hand;
    }
}

TEST(HandBuckets, NodeBucketsOfASolvedRange) {
    SolveSession session;
    ASSERT_EQ(test::solve_and_wait(session, test::turn_fixture()).back().status, "Done");
    const HandBucketsResult result = session.node_hand_buckets(0);
    ASSERT_TRUE(result.ok);
    ASSERT_FALSE(result.buckets.empty());
    const auto& names = hand_bucket_names();
    std::size_t last = 0;
    for (const HandBucketRecord& b : result.buckets) {
        const std::size_t at =
            static_cast<std::size_t>(std::find(names.begin(), names.end(), b.name) - names.begin());
        ASSERT_LT(at, names.size());
        EXPECT_GE(at, last);
        last = at;
        EXPECT_GT(b.combos, 0.0);
        EXPECT_NEAR(std::accumulate(b.action_probs.begin(), b.action_probs.end(), 0.0), 1.0, 1e-5);
    }
    // Every hand lands in at least one bucket.
    const auto state = session.solved_state();
    double total = 0.0, bucketed = 0.0;
    for (const float w : state.game->card_context().pocket_weights[0]) {
        total += w;
    }
    for (const HandBucketRecord& b : result.buckets) {
        bucketed += b.combos;
    }
    EXPECT_GE(bucketed, total - 1e-6);
    // Failures answer ok false with nothing.
    EXPECT_FALSE(session.node_hand_buckets(state.game->nodes().size()).ok);
    for (std::size_t i = 0; i < state.game->nodes().size(); ++i) {
        if (state.game->nodes()[i].type != quendal::kDecisionNode) {
            const HandBucketsResult r = session.node_hand_buckets(i);
            EXPECT_FALSE(r.ok);
            EXPECT_TRUE(r.buckets.empty());
            break;
        }
    }
    session.reset();
    EXPECT_FALSE(session.node_hand_buckets(0).ok);
}

}  // namespace
}  // namespace quendal_app
