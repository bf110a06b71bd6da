// Bet-size tokens: "33%", "2.5x", "150c", "2e", "%150e", "a".
//
// A token is read by its last character; a list is comma-separated. Nothing
// here knows the pot or the stacks: turning a size into an amount belongs to
// the tree configuration.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace quendal {

enum BetSizeKind : std::int32_t {
    kPotFraction = 0,    // "75%"
    kRelativeRaise = 1,  // "2.5x", raise lists only
    kChips = 2,          // "150" or "150c"
    kGeometric = 3,      // "e", "2e", "%150e", "2%75e"
    kAllIn = 4,          // "a"
};

struct BetSize {
    std::int32_t kind = kPotFraction;
    double value = 0.0;                  // pot fraction (kind 0) or multiple (kind 1)
    double geometric_cap = 0.0;          // kind 3: largest bet as a pot fraction, +inf for none
    std::int32_t chips = 0;              // kind 2
    std::int32_t raise_cap = 0;          // raises after which the size is dropped; 0 = no cap
    std::int32_t geometric_streets = 0;  // kind 3: 0 = every street left

    friend bool operator==(const BetSize&, const BetSize&) = default;
};

struct StreetSizes {
    std::vector<BetSize> bets;    // nobody has bet yet on the street
    std::vector<BetSize> raises;  // facing a bet
};

BetSize parse_bet_size_token(std::string_view token, bool raise_context);
std::vector<BetSize> parse_bet_size_list(std::string_view text, bool raise_context);
StreetSizes parse_street_sizes(std::string_view bet_text, std::string_view raise_text);

}  // namespace quendal
