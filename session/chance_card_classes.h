// The card classes of a chance deal: which of the node's deal actions each
// live card is dealt as. Suits the spot cannot tell apart are folded, so a
// deal lists one card per class and every other card of the class is dealt
// as that card.
#pragma once

#include "core/game.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quendal_app {

struct ChanceCardClass {
    std::string card;          // the live card's text, in the engine's suits
    std::uint32_t action = 0;  // position of the deal action it is dealt as
};

struct ChanceCardClassesResult {
    std::vector<ChanceCardClass> classes;  // in increasing card order
    bool ok = false;
};

// At a node that deals a card (a chance node, or an all-in terminal whose
// runout the tree lists), one entry per card that is neither on the board nor
// dealt on the way: a listed card maps to its own action, a folded card to
// its image's. Ok false elsewhere, or when some live card has no action.
ChanceCardClassesResult compute_node_chance_card_classes(const quendal::Game& game,
                                                         std::uint64_t node);

}  // namespace quendal_app
