#include "session/sizing_text.h"

#include "core/bet_size.h"
#include "expect_throw_message.h"

#include <algorithm>
#include <functional>
#include <string>

#include <gtest/gtest.h>

namespace quendal_app {
namespace {

std::string message_of(const std::function<void()>& f) {
    try {
        f();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "(no error)";
}

TEST(SizingText, NormalisesTypedSizes) {
    const struct {
        const char* text;
        bool all_in;
        const char* expected;
    } cases[] = {
        {"33, 75", false, "33%,75%"},
        {"33, 75", true, "33%,75%,a"},
        {"", true, "a"},
        {"", false, ""},
        {"2.5x, 100c, 3e", false, "2.5x,100c,3e"},
        {"50% pot", false, "50%"},
        {"50 %", false, "50%"},
        {" 50 pot ", false, "50%"},
        {"a", false, "a"},
        {"1e400", false, "1e400%"},  // left to the size parser, which refuses it
        {"1/2 pot", false, "12%"},
        {"all-in", false, "a"},
        {"A, 75", true, "A,75%"},
        {" , ,33", false, "33%"},
        {"2r, 5.", false, "2r%,5.%"},
        {"-33", false, "33%"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(normalize_sizing_text(c.text, c.all_in), c.expected) << c.text;
    }
}

TEST(SizingText, RefusesLoneSymbols) {
    EXPECT_THROW_MSG(normalize_sizing_text("e", false), std::invalid_argument,
                     "Sizing: invalid token 'e'");
    EXPECT_THROW_MSG(normalize_sizing_text("33, X", false), std::invalid_argument,
                     "Sizing: invalid token 'X'");
    EXPECT_THROW_MSG(normalize_sizing_text("%", true), std::invalid_argument,
                     "Sizing: invalid token '%'. Use numbers like '33, 75' or '33%, 75%'");
}

// A piece meant as a size that keeps nothing, names a number that is not
// one wherever it stands, or holds two numbers parted by a blank is refused,
// not dropped, joined or read as all-in.
TEST(SizingText, RefusesPiecesNotReadAsWritten) {
    const struct {
        const char* text;
        const char* piece;
    } cases[] = {
        {"inf", "inf"},
        {"33, inf , 75", "inf"},
        {"\xEF\xBC\x95\xEF\xBC\x90", "\xEF\xBC\x95\xEF\xBC\x90"},
        {"75, \x01\x02", "\x01\x02"},
        {"pot", "pot"},
        {"50 100", "50 100"},
        {"33, 50 100", "50 100"},
        {"50% 100", "50% 100"},
        {"2.5x 3x", "2.5x 3x"},
        {"50\xC2\xA0"
         "100",
         "50\xC2\xA0"
         "100"},
        {"nan", "nan"},
        {"-NaN%", "-NaN%"},
        {"33, nan", "nan"},
        {"50 nan", "50 nan"},
        {"33, 50 inf", "50 inf"},
        {"50%Infinity", "50%Infinity"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(message_of([&] { normalize_sizing_text(c.text, false); }),
                  std::string("Sizing: invalid token '") + c.piece + "'")
            << c.text;
    }
}

TEST(SizingText, StreetSizingWrapsOnlyParserErrors) {
    quendal::StreetConfig street;
    StreetSizing oop{"33, 75", "2.5x", false, false};
    StreetSizing ip{"50", "", true, true};
    build_street_sizing(street, oop, ip, "turn");
    EXPECT_EQ(street.oop.bets.size(), 2u);
    EXPECT_EQ(street.oop.raises.size(), 1u);
    ASSERT_TRUE(street.oop_lead.has_value());
    EXPECT_EQ(*street.oop_lead, street.oop.bets);
    EXPECT_EQ(street.ip.bets.size(), 2u);  // 50% and the added all-in
    EXPECT_EQ(street.ip.raises.size(), 1u);

    // Don't-donk leaves OOP no lead; IP's flag changes nothing.
    oop.dont_donk = true;
    build_street_sizing(street, oop, ip, "turn");
    ASSERT_TRUE(street.oop_lead.has_value());
    EXPECT_TRUE(street.oop_lead->empty());
    quendal::StreetConfig without;
    ip.dont_donk = false;
    build_street_sizing(without, oop, ip, "turn");
    EXPECT_EQ(without.ip.bets, street.ip.bets);

    // A relative raise in a bet list fails in the size parser: wrapped.
    const std::string parser = message_of([] { quendal::parse_bet_size_list("2.5x", false); });
    StreetSizing bad{"2.5x", "60", false, false};
    EXPECT_THROW_MSG(
        build_street_sizing(street, bad, ip, "flop"), std::invalid_argument,
        "OOP flop sizing (bet='2.5x', raise='60', bet_norm='2.5x', raise_norm='60%'): " + parser);
    EXPECT_THROW_MSG(build_street_sizing(street, ip, bad, "river"), std::invalid_argument,
                     "IP river sizing (bet='2.5x', raise='60', bet_norm='2.5x', "
                     "raise_norm='60%'): " +
                         parser);
    // A normaliser error is not wrapped; with two bad texts the raise's is reported.
    EXPECT_THROW_MSG(build_street_sizing(street, StreetSizing{"x", "33", false, false}, ip, "flop"),
                     std::invalid_argument, "Sizing: invalid token 'x'");
    EXPECT_THROW_MSG(build_street_sizing(street, StreetSizing{"x", "e", false, false}, ip, "flop"),
                     std::invalid_argument, "Sizing: invalid token 'e'");
}

TEST(SizingText, EstimateVariantNormalisesEverythingFirst) {
    quendal::StreetConfig a, b;
    const StreetSizing oop{"33, 75", "60", true, false};
    const StreetSizing ip{"50", "2.5x", false, false};
    build_street_sizing(a, oop, ip, "flop");
    build_street_sizing_for_estimate(b, oop, ip);
    EXPECT_EQ(a.oop.bets, b.oop.bets);
    EXPECT_EQ(a.oop.raises, b.oop.raises);
    EXPECT_EQ(a.oop_lead, b.oop_lead);
    EXPECT_EQ(a.ip.bets, b.ip.bets);
    EXPECT_EQ(a.ip.raises, b.ip.raises);
    // OOP's parser error would come first in the solve; here IP's bad token wins.
    const StreetSizing oop_bad{"2.5x", "", false, false};
    const StreetSizing ip_bad{"e", "", false, false};
    EXPECT_THROW_MSG(build_street_sizing_for_estimate(b, oop_bad, ip_bad), std::invalid_argument,
                     "Sizing: invalid token 'e'");
    const std::string parser = message_of([] { quendal::parse_bet_size_list("2.5x", false); });
    EXPECT_THROW_MSG(build_street_sizing_for_estimate(b, oop_bad, ip), std::invalid_argument,
                     parser);
}

TEST(SizingText, WholeDeckPercentAndRangeGrammar) {
    const quendal::RangeWeights half = parse_range_text("50%");
    for (const float w : half) {
        EXPECT_FLOAT_EQ(w, 0.5f);
    }
    const quendal::RangeWeights full = parse_range_text("  100%  ");
    EXPECT_EQ(std::count(full.begin(), full.end(), 1.0f), 1326);
    EXPECT_FLOAT_EQ(parse_range_text("5.5.5%")[0], 0.055f);
    EXPECT_THROW_MSG(parse_range_text(".%"), std::invalid_argument,
                     "Invalid percent range '.%' (expected like '50%')");
    const std::string weight_error = message_of([] {
        quendal::RangeWeights r{};
        quendal::set_range_weight(r, 0, 1, 1.5f);
    });
    EXPECT_EQ(message_of([] { parse_range_text("150%"); }), weight_error);
    // Not the whole-deck form: the range grammar decides, on the untrimmed text.
    EXPECT_EQ(message_of([] { parse_range_text("50 %"); }),
              message_of([] { quendal::parse_range("50 %"); }));
    EXPECT_EQ(message_of([] { parse_range_text("5%%"); }),
              message_of([] { quendal::parse_range("5%%"); }));
    EXPECT_EQ(parse_range_text("AA"), quendal::parse_range("AA"));
}

TEST(SizingText, StreetIndex) {
    EXPECT_EQ(street_index("flop"), 0);
    EXPECT_EQ(street_index("turn"), 1);
    EXPECT_EQ(street_index("river"), 2);
    EXPECT_EQ(street_index("Turn"), 0);
    EXPECT_EQ(street_index(""), 0);
}

}  // namespace
}  // namespace quendal_app
