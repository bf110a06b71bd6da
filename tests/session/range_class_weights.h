// The hand-class weights the engine gives a list of range texts, as JSON:
// the fixture that the set-up page's own range reader is checked against.
#pragma once

#include <string>
#include <vector>

namespace quendal_app::testing {

// Range texts using every form of the range grammar; each one the engine
// accepts.
const std::vector<std::string>& range_grammar_texts();

// [{"text": ..., "weights": {class: mean combo weight, ...}}, ...], one
// entry per line, classes in grid order, only classes with weight above 0.
// Throws what the engine throws for a text it refuses.
std::string range_class_weights_json();

}  // namespace quendal_app::testing
