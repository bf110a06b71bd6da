// Hands described in plain poker words: made hands, draws on the flop and
// turn, draws missed by the river, or air; and a node's range grouped into
// those buckets with its action frequencies.
#pragma once

#include "core/card.h"
#include "core/discounted_cfr.h"
#include "core/game.h"
#include "core/pocket.h"
#include "session/node_reach.h"

#include <array>
#include <string>
#include <vector>

namespace quendal_app {

// The 21 buckets in their fixed order, "straight flush" first, "air" last.
const std::array<const char*, 21>& hand_bucket_names();

// 0 high card, 1 pair, 2 two pair, 3 trips, 4 straight, 5 flush, 6 full
// house, 7 quads, 8 straight flush; 0 for a list of other than 5 to 7 cards.
// Throws std::out_of_range for a card code of 52 or more.
int hand_category_of_cards(const std::vector<quendal::CardCode>& cards);

struct FlushDrawFlags {
    bool flush_draw = false;
    bool backdoor = false;
};
FlushDrawFlags flush_draw_flags(const std::vector<quendal::CardCode>& cards, quendal::Pocket pocket,
                                bool allow_backdoor, bool made_flush);

struct StraightDrawFlags {
    bool open_ended = false;
    bool gutter = false;
};
StraightDrawFlags straight_draw_flags(const std::vector<quendal::CardCode>& cards);

// The distinct ranks of the board, ace first.
std::vector<int> board_ranks_descending(const std::vector<quendal::CardCode>& board);
// "overpair", "dry pair", "top pair", "middle pair", "bottom pair", "pair" or "".
std::string pair_class_name(quendal::Pocket pocket, const std::vector<int>& board_ranks,
                            const std::array<int, 13>& board_rank_counts);

// The board at a node: the spot's board with the turn and river dealt on the
// way to the node.
std::vector<quendal::CardCode> node_board_cards(const quendal::Game& game,
                                                const quendal::NodeState& node);

// The words of a hand on a board of three to five cards, in rule order
// (may be empty, may hold "pair").
std::vector<std::string> hand_words(quendal::Pocket pocket,
                                    const std::vector<quendal::CardCode>& board);

// The words sorted in byte order without duplicates, "air" when there are
// none; empty for a board of other than three to five cards.
std::vector<std::string> made_hand_category(const quendal::Game& game,
                                            const quendal::NodeState& node, quendal::Pocket pocket);

struct HandBucketRecord {
    std::string name;
    double combos = 0.0;
    std::vector<float> action_probs;
};

struct HandBucketsResult {
    std::vector<HandBucketRecord> buckets;
    bool ok = false;
};

// The acting seat's hands at a decision node in buckets, in bucket order,
// each counting with its weight there (acting_hand_weights: its reach, or its
// range weight at a node no hand gets to), the strategy averaged by those
// weights. Pockets holding a card dealt on the way to the node are left out.
HandBucketsResult compute_node_hand_buckets(const quendal::Game& game,
                                            quendal::DiscountedCfr& solver,
                                            const NodeParents& parents, std::uint64_t node);

}  // namespace quendal_app
