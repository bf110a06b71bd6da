#include "session/chance_card_classes.h"

#include "session/node_reach.h"

#include <algorithm>
#include <array>
#include <exception>

namespace quendal_app {

namespace {

constexpr std::uint32_t kNotDealt = UINT32_MAX;

}  // namespace

ChanceCardClassesResult compute_node_chance_card_classes(const quendal::Game& game,
                                                         std::uint64_t index) {
    ChanceCardClassesResult result;
    try {
        const auto& nodes = game.nodes();
        if (index >= nodes.size()) {
            return result;
        }
        const quendal::NodeState& node = nodes[index];
        const bool deals =
            !node.actions.empty() &&
            std::all_of(node.actions.begin(), node.actions.end(),
                        [](const quendal::PlanAction& a) { return a.kind == quendal::kDeal; });
        if (!deals || node.river != quendal::kNoCard) {
            return result;
        }
        const bool dealing_turn = node.turn == quendal::kNoCard;
        const std::uint64_t dead = node_dead_cards(game, node);

        std::array<std::uint32_t, quendal::kCardCount> action_of;
        action_of.fill(kNotDealt);
        for (std::size_t j = 0; j < node.actions.size(); ++j) {
            const std::int32_t card = node.actions[j].amount;
            if (card < 0 || card >= quendal::kCardCount || ((dead >> card) & 1) != 0) {
                return result;
            }
            action_of[static_cast<std::size_t>(card)] = static_cast<std::uint32_t>(j);
        }

        // The folded cards of this deal and, for each, its image's position,
        // as the engine adds them in.
        const quendal::SuitIsomorphism& iso = game.card_context().suit_isomorphism;
        const std::vector<quendal::CardCode>& folded =
            dealing_turn ? iso.flop_folded_cards
                         : iso.river_folded_cards[quendal::card_suit(node.turn)];
        static const std::vector<std::uint8_t> kNone;
        const std::vector<std::uint8_t>& images = dealing_turn ? iso.flop_image_index
                                                  : node.turn < iso.river_image_index.size()
                                                      ? iso.river_image_index[node.turn]
                                                      : kNone;
        if (images.size() != folded.size()) {
            return result;
        }
        for (std::size_t k = 0; k < folded.size(); ++k) {
            const quendal::CardCode card = folded[k];
            const std::uint8_t image = images[k];
            if (card >= quendal::kCardCount || ((dead >> card) & 1) != 0 ||
                action_of[card] != kNotDealt || image >= node.actions.size()) {
                continue;  // a deal the board fixes folds nothing
            }
            // An image is a listed card of the same rank.
            const std::int32_t image_card = node.actions[image].amount;
            if (quendal::card_rank(static_cast<quendal::CardCode>(image_card)) !=
                quendal::card_rank(card)) {
                return result;
            }
            action_of[card] = image;
        }

        for (int c = 0; c < quendal::kCardCount; ++c) {
            if (((dead >> c) & 1) != 0) {
                continue;
            }
            if (action_of[static_cast<std::size_t>(c)] == kNotDealt) {
                return ChanceCardClassesResult{};
            }
            result.classes.push_back({quendal::card_to_string(static_cast<std::int8_t>(c)),
                                      action_of[static_cast<std::size_t>(c)]});
        }
        result.ok = true;
        return result;
    } catch (const std::exception&) {
        return ChanceCardClassesResult{};
    }
}

}  // namespace quendal_app
