#include "range_class_weights.h"

#include "session/sizing_text.h"

#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

namespace quendal_app::testing {
namespace {

// The interface's range reader is tested against a checked-in copy of what
// the engine gives; that copy must still be what the engine gives.
TEST(RangeClassWeightsFixture, MatchesTheEngine) {
    std::ifstream file(RANGE_CLASS_WEIGHTS_FIXTURE, std::ios::binary);
    ASSERT_TRUE(file.good()) << RANGE_CLASS_WEIGHTS_FIXTURE;
    std::stringstream stored;
    stored << file.rdbuf();
    EXPECT_EQ(stored.str(), range_class_weights_json())
        << "Regenerate it: cmake --build <build dir> --target update_range_fixture";
}

TEST(RangeClassWeightsFixture, EveryTextIsAcceptedByTheEngine) {
    for (const std::string& text : range_grammar_texts()) {
        EXPECT_NO_THROW(parse_range_text(text)) << text;
    }
}

}  // namespace
}  // namespace quendal_app::testing
