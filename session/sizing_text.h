// From typed sizing and range texts to the engine's inputs.
#pragma once

#include "core/range.h"
#include "core/tree_config.h"
#include "session/solve_records.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace quendal_app {

// Keeps digits, "%,." and the letters a c e r x (either case), makes a bare
// number a pot percentage, and with `add_all_in` appends "a" unless an all-in
// token is there. Throws std::invalid_argument on a lone "%" or a lone c, e or
// x, on a piece between commas that keeps nothing ("inf", "５０"), on one that
// holds a not-a-number or infinity word anywhere ("nan", "50 inf"), and on one
// in which a blank parts two numbers ("50 100").
std::string normalize_sizing_text(std::string_view text, bool add_all_in);

// Fills one street's sizing for the solve; a size-parser error is wrapped in
// "OOP <street> sizing (bet='…', raise='…', bet_norm='…', raise_norm='…'): …".
void build_street_sizing(quendal::StreetConfig& street, const StreetSizing& oop,
                         const StreetSizing& ip, const std::string& street_name);

// The memory estimate's variant: all four texts normalised first, no wrapper.
void build_street_sizing_for_estimate(quendal::StreetConfig& street, const StreetSizing& oop,
                                      const StreetSizing& ip);

// The trimmed text is a whole-deck percentage such as "50%".
bool is_whole_deck_percent(std::string_view text);

// "50%" for the whole deck at that weight, else the range grammar.
quendal::RangeWeights parse_range_text(std::string_view text);

// "flop" 0, "turn" 1, "river" 2, anything else 0.
std::uint8_t street_index(std::string_view text);

}  // namespace quendal_app
