#include "session/hand_buckets.h"

#include "session/node_reach.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <map>
#include <stdexcept>

namespace quendal_app {

namespace {

constexpr unsigned kWheel = 0x100F;

bool has_straight(unsigned mask) {
    if ((mask & kWheel) == kWheel) {
        return true;
    }
    for (int low = 0; low + 4 < 13; ++low) {
        const unsigned run = 0x1Fu << low;
        if ((mask & run) == run) {
            return true;
        }
    }
    return false;
}

struct CardShape {
    unsigned ranks = 0;
    std::array<unsigned, 4> suit_ranks{};
    std::array<int, 4> suit_counts{};
    std::array<int, 13> rank_counts{};
};

CardShape shape_of(const std::vector<quendal::CardCode>& cards) {
    CardShape shape;
    for (const quendal::CardCode c : cards) {
        if (c >= quendal::kCardCount) {
            throw std::out_of_range("Card code must be in [0, 52)");
        }
        const int rank = quendal::card_rank(c);
        const int suit = quendal::card_suit(c);
        shape.ranks |= 1u << rank;
        shape.suit_ranks[suit] |= 1u << rank;
        ++shape.suit_counts[suit];
        ++shape.rank_counts[rank];
    }
    return shape;
}

bool made_flush(int category) {
    return category == 5 || category == 8;
}

bool made_straight(int category) {
    return category == 4 || category == 8;
}

std::vector<quendal::CardCode> with_hole_cards(quendal::Pocket pocket,
                                               const std::vector<quendal::CardCode>& board,
                                               std::size_t board_count) {
    std::vector<quendal::CardCode> cards;
    cards.reserve(2 + board.size());
    cards.push_back(quendal::pocket_low(pocket));
    cards.push_back(quendal::pocket_high(pocket));
    for (std::size_t i = 0; i < board_count && i < board.size(); ++i) {
        cards.push_back(board[i]);
    }
    return cards;
}

}  // namespace

const std::array<const char*, 21>& hand_bucket_names() {
    static const std::array<const char*, 21> names = {"straight flush",
                                                      "quads",
                                                      "full house",
                                                      "flush",
                                                      "straight",
                                                      "set",
                                                      "trips",
                                                      "two pair",
                                                      "top pair",
                                                      "overpair",
                                                      "middle pair",
                                                      "bottom pair",
                                                      "dry pair",
                                                      "flush draw",
                                                      "missed FD",
                                                      "open ended straight draw",
                                                      "missed OESD",
                                                      "gutter",
                                                      "missed gutter",
                                                      "back door flush draw",
                                                      "air"};
    return names;
}

int hand_category_of_cards(const std::vector<quendal::CardCode>& cards) {
    if (cards.size() < 5 || cards.size() > 7) {
        return 0;
    }
    const CardShape shape = shape_of(cards);
    for (int suit = 0; suit < 4; ++suit) {
        if (shape.suit_counts[suit] >= 5) {
            return has_straight(shape.suit_ranks[suit]) ? 8 : 5;
        }
    }
    int fours = 0, threes = 0, twos = 0;
    for (const int count : shape.rank_counts) {
        fours += count >= 4;
        threes += count == 3;
        twos += count == 2;
    }
    if (fours > 0) {
        return 7;
    }
    if (threes >= 2 || (threes >= 1 && twos >= 1)) {
        return 6;
    }
    if (has_straight(shape.ranks)) {
        return 4;
    }
    if (threes >= 1) {
        return 3;
    }
    if (twos >= 2) {
        return 2;
    }
    return twos == 1 ? 1 : 0;
}

FlushDrawFlags flush_draw_flags(const std::vector<quendal::CardCode>& cards, quendal::Pocket pocket,
                                bool allow_backdoor, bool made_flush_already) {
    if (made_flush_already) {
        return {};
    }
    std::array<int, 4> counts{};
    for (const quendal::CardCode c : cards) {
        if (c < quendal::kCardCount) {
            ++counts[quendal::card_suit(c)];
        }
    }
    int best = 0;
    for (int suit = 1; suit < 4; ++suit) {
        if (counts[suit] > counts[best]) {
            best = suit;
        }
    }
    if (quendal::card_suit(quendal::pocket_low(pocket)) != best &&
        quendal::card_suit(quendal::pocket_high(pocket)) != best) {
        return {};
    }
    return {counts[best] == 4, allow_backdoor && counts[best] == 3};
}

StraightDrawFlags straight_draw_flags(const std::vector<quendal::CardCode>& cards) {
    unsigned ranks = 0;
    for (const quendal::CardCode c : cards) {
        if (c < quendal::kCardCount) {
            ranks |= 1u << quendal::card_rank(c);
        }
    }
    if (has_straight(ranks)) {
        return {};
    }
    int completing = 0;
    for (int r = 0; r < 13; ++r) {
        if ((ranks & (1u << r)) == 0 && has_straight(ranks | (1u << r))) {
            ++completing;
        }
    }
    return {completing >= 2, completing == 1};
}

std::vector<int> board_ranks_descending(const std::vector<quendal::CardCode>& board) {
    unsigned ranks = 0;
    for (const quendal::CardCode c : board) {
        if (c < quendal::kCardCount) {
            ranks |= 1u << quendal::card_rank(c);
        }
    }
    std::vector<int> out;
    for (int r = 12; r >= 0; --r) {
        if ((ranks & (1u << r)) != 0) {
            out.push_back(r);
        }
    }
    return out;
}

std::string pair_class_name(quendal::Pocket pocket, const std::vector<int>& board_ranks,
                            const std::array<int, 13>&) {
    const int r1 = quendal::card_rank(quendal::pocket_low(pocket));
    const int r2 = quendal::card_rank(quendal::pocket_high(pocket));
    if (r1 == r2) {
        return !board_ranks.empty() && r1 > board_ranks.front() ? "overpair" : "dry pair";
    }
    const auto it = std::find_if(board_ranks.begin(), board_ranks.end(),
                                 [&](int r) { return r == r1 || r == r2; });
    if (it == board_ranks.end()) {
        return "";
    }
    const std::size_t i = static_cast<std::size_t>(it - board_ranks.begin());
    if (i == 0) {
        return "top pair";
    }
    if (i == 1) {
        return "middle pair";
    }
    return i == board_ranks.size() - 1 ? "bottom pair" : "pair";
}

std::vector<quendal::CardCode> node_board_cards(const quendal::Game& game,
                                                const quendal::NodeState& node) {
    std::vector<quendal::CardCode> board = game.card_context().board_cards;
    if (board.size() < 3) {
        return board;
    }
    if (node.turn != quendal::kNoCard) {
        if (board.size() >= 4) {
            board[3] = node.turn;
        } else {
            board.push_back(node.turn);
        }
        if (node.river != quendal::kNoCard) {
            if (board.size() >= 5) {
                board[4] = node.river;
            } else {
                board.push_back(node.river);
            }
        }
    }
    return board;
}

std::vector<std::string> hand_words(quendal::Pocket pocket,
                                    const std::vector<quendal::CardCode>& board) {
    std::vector<std::string> words;
    const std::size_t n = board.size();
    if (n < 3 || n > 5) {
        return words;
    }
    const std::vector<quendal::CardCode> cards = with_hole_cards(pocket, board, n);
    const int category = hand_category_of_cards(cards);
    const bool flush = made_flush(category);
    const bool straight = made_straight(category);
    const bool board_only = n == 5 && category == hand_category_of_cards(board) && category < 2;

    std::array<int, 13> rank_counts{};
    for (const quendal::CardCode c : board) {
        ++rank_counts[quendal::card_rank(c)];
    }
    const int r1 = quendal::card_rank(quendal::pocket_low(pocket));
    const int r2 = quendal::card_rank(quendal::pocket_high(pocket));
    switch (category) {
        case 1:
            if (std::string name =
                    pair_class_name(pocket, board_ranks_descending(board), rank_counts);
                !name.empty()) {
                words.push_back(std::move(name));
            }
            break;
        case 2:
            words.emplace_back("two pair");
            break;
        case 3:
            words.emplace_back(r1 == r2 && rank_counts[r1] == 1 ? "set" : "trips");
            break;
        case 4:
            words.emplace_back("straight");
            break;
        case 5:
            words.emplace_back("flush");
            break;
        case 6:
            words.emplace_back("full house");
            break;
        case 7:
            words.emplace_back("quads");
            break;
        case 8:
            words.emplace_back("straight flush");
            break;
        default:
            break;
    }
    if (n <= 4) {
        const FlushDrawFlags draws = flush_draw_flags(cards, pocket, n == 3, flush);
        if (draws.flush_draw) {
            words.emplace_back("flush draw");
        }
        if (draws.backdoor) {
            words.emplace_back("back door flush draw");
        }
        if (!straight) {
            const StraightDrawFlags s = straight_draw_flags(cards);
            if (s.open_ended) {
                words.emplace_back("open ended straight draw");
            }
            if (s.gutter) {
                words.emplace_back("gutter");
            }
        }
    } else if (board_only) {
        const std::vector<quendal::CardCode> cards4 = with_hole_cards(pocket, board, 4);
        const int c4 = hand_category_of_cards(cards4);
        if (flush_draw_flags(cards4, pocket, false, made_flush(c4)).flush_draw && !flush) {
            words.emplace_back("missed FD");
        }
        if (!made_straight(c4)) {
            const StraightDrawFlags s = straight_draw_flags(cards4);
            if (s.open_ended && !straight) {
                words.emplace_back("missed OESD");
            }
            if (s.gutter && !straight) {
                words.emplace_back("missed gutter");
            }
        }
    }
    return words;
}

std::vector<std::string> made_hand_category(const quendal::Game& game,
                                            const quendal::NodeState& node,
                                            quendal::Pocket pocket) {
    const std::vector<quendal::CardCode> board = node_board_cards(game, node);
    if (board.size() < 3 || board.size() > 5) {
        return {};
    }
    std::vector<std::string> words = hand_words(pocket, board);
    if (words.empty()) {
        words.emplace_back("air");
    }
    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());
    return words;
}

HandBucketsResult compute_node_hand_buckets(const quendal::Game& game,
                                            quendal::DiscountedCfr& solver,
                                            const NodeParents& parents, std::uint64_t index) {
    HandBucketsResult result;
    const std::optional<ActingNode> acting = acting_node(game, solver, index, false);
    if (!acting) {
        return result;
    }
    const quendal::NodeState& node = *acting->node;
    const std::size_t actions = acting->actions;
    const quendal::CardContext& ctx = game.card_context();
    const int player = acting->player;
    const quendal::PocketList& pockets = ctx.pockets[player];
    const std::size_t hands = acting->hands;
    const std::vector<float>& strategy = acting->strategy;
    const std::vector<quendal::CardCode> board = node_board_cards(game, node);
    if (board.size() < 3 || board.size() > 5) {
        return result;
    }
    const std::optional<std::vector<double>> weights =
        acting_hand_weights(game, solver, parents, index, *acting);
    if (!weights || weights->size() != hands) {
        return result;
    }

    struct Accumulator {
        double combos = 0.0;
        std::vector<double> sums;
    };
    const auto& names = hand_bucket_names();
    std::vector<Accumulator> buckets(names.size(), Accumulator{0.0, std::vector<double>(actions)});
    std::map<std::string, std::size_t> position;
    for (std::size_t i = 0; i < names.size(); ++i) {
        position[names[i]] = i;
    }
    const auto add_to_bucket = [&](const std::string& name, double weight, std::size_t h) {
        const auto it = position.find(name);
        if (name.empty() || it == position.end()) {
            return false;
        }
        Accumulator& bucket = buckets[it->second];
        bucket.combos += weight;
        for (std::size_t a = 0; a < actions; ++a) {
            const float p = strategy[a * hands + h];
            if (p > 0.0f && std::isfinite(p)) {
                bucket.sums[a] += static_cast<double>(p) * weight;
            }
        }
        return true;
    };
    for (std::size_t h = 0; h < hands; ++h) {
        // A pocket holding a card dealt on the way here has no weight here.
        const double w = (*weights)[h];
        if (!(w > 0.0) || !std::isfinite(w)) {
            continue;
        }
        bool placed = false;
        for (const std::string& word : hand_words(pockets[h], board)) {
            placed = add_to_bucket(word, w, h) || placed;
        }
        if (!placed) {
            add_to_bucket("air", w, h);
        }
    }
    for (std::size_t i = 0; i < buckets.size(); ++i) {
        if (!(buckets[i].combos > 0.0)) {
            continue;
        }
        HandBucketRecord record;
        record.name = names[i];
        record.combos = buckets[i].combos;
        double sum = 0.0;
        for (std::size_t a = 0; a < actions; ++a) {
            const float p = static_cast<float>(buckets[i].sums[a] / buckets[i].combos);
            record.action_probs.push_back(p);
            if (p > 0.0f && std::isfinite(p)) {
                sum += p;
            }
        }
        if (sum > 0.0) {
            const double scale = 1.0 / sum;
            for (float& p : record.action_probs) {
                p = static_cast<float>(p * scale);
            }
        }
        result.buckets.push_back(std::move(record));
    }
    // Already in bucket order; a stable sort by position keeps it so.
    std::stable_sort(result.buckets.begin(), result.buckets.end(),
                     [&](const HandBucketRecord& a, const HandBucketRecord& b) {
                         const auto pa = position.find(a.name), pb = position.find(b.name);
                         return (pa == position.end() ? 9999 : pa->second) <
                                (pb == position.end() ? 9999 : pb->second);
                     });
    result.ok = true;
    return result;
}

}  // namespace quendal_app
