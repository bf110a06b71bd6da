#include "core/bet_size.h"

#include "core/number_parse.h"
#include "expect_throw_message.h"

#include <clocale>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

namespace quendal {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(NumberParse, DoubleAcceptsTheCForms) {
    EXPECT_DOUBLE_EQ(parse_double_strict("1.5"), 1.5);
    EXPECT_DOUBLE_EQ(parse_double_strict("  -2.5e2"), -250.0);
    EXPECT_DOUBLE_EQ(parse_double_strict("+0x1.8p1"), 3.0);
    EXPECT_EQ(parse_double_strict("inf"), kInf);
    EXPECT_TRUE(std::isnan(parse_double_strict("NaN")));
}

TEST(NumberParse, DoubleFailureQuotesTextAndHexBytes) {
    EXPECT_THROW_MSG(parse_double_strict("1.5q"), std::invalid_argument,
                     "Failed to parse floating-point number from '1.5q' (hex=312e3571)");
    EXPECT_THROW_MSG(parse_double_strict(""), std::invalid_argument,
                     "Failed to parse floating-point number from '' (hex=)");
    EXPECT_THROW_MSG(parse_double_strict("7\n"), std::invalid_argument,
                     "Failed to parse floating-point number from '7\n' (hex=370a)");
    EXPECT_THROW_MSG(parse_double_strict("1e999"), std::invalid_argument,
                     "Failed to parse floating-point number from '1e999' (hex=3165393939)");
    // Bytes above 0x7f are written unsigned.
    EXPECT_THROW_MSG(parse_double_strict("\xff"), std::invalid_argument,
                     "Failed to parse floating-point number from '\xff' (hex=ff)");
    // An embedded NUL is part of the text, not its end.
    EXPECT_THROW(parse_double_strict(std::string_view("1\0"
                                                      "2",
                                                      3)),
                 std::invalid_argument);
}

TEST(NumberParse, DoubleIgnoresTheProcessLocale) {
    // A GUI process adopts the user's locale; a decimal comma must not leak in.
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    const char* comma_locale = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8"}) {
        if (std::setlocale(LC_NUMERIC, name) != nullptr) {
            comma_locale = name;
            break;
        }
    }
    if (comma_locale == nullptr) {
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    }
    const double value = parse_double_strict("0.75");
    const bool comma_rejected = [] {
        try {
            parse_double_strict("0,75");
            return false;
        } catch (const std::invalid_argument&) {
            return true;
        }
    }();
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_DOUBLE_EQ(value, 0.75);
    EXPECT_TRUE(comma_rejected);
}

TEST(NumberParse, IntegerLimitsAndFailures) {
    EXPECT_EQ(parse_int_strict("150"), 150);
    EXPECT_EQ(parse_int_strict(" -7"), -7);
    EXPECT_EQ(parse_int_strict("2147483647"), 2147483647);
    EXPECT_EQ(parse_int_strict("-2147483648"), -2147483647 - 1);
    EXPECT_THROW_MSG(parse_int_strict("2147483648"), std::out_of_range,
                     "Integer value is out of range");
    EXPECT_THROW_MSG(parse_int_strict("3000000000"), std::out_of_range,
                     "Integer value is out of range");
    EXPECT_THROW_MSG(parse_int_strict("99999999999999999999"), std::invalid_argument,
                     "Failed to parse integer from '99999999999999999999'");
    EXPECT_THROW_MSG(parse_int_strict("1.5"), std::invalid_argument,
                     "Failed to parse integer from '1.5'");
    EXPECT_THROW_MSG(parse_int_strict(""), std::invalid_argument,
                     "Failed to parse integer from ''");
    EXPECT_THROW_MSG(parse_int_strict("12 "), std::invalid_argument,
                     "Failed to parse integer from '12 '");
}

BetSize pot(double fraction) {
    BetSize s;
    s.kind = kPotFraction;
    s.value = fraction;
    return s;
}

TEST(BetSizeToken, EachKindFillsOnlyItsFields) {
    EXPECT_EQ(parse_bet_size_token("33%", false), pot(0.33));
    EXPECT_EQ(parse_bet_size_token("  75%\t", false), pot(0.75));
    EXPECT_EQ(parse_bet_size_token("250%", false), pot(2.5));
    EXPECT_EQ(parse_bet_size_token("-10%", false), pot(-0.1));

    const BetSize raise = parse_bet_size_token("2.5x", true);
    EXPECT_EQ(raise.kind, kRelativeRaise);
    EXPECT_EQ(raise.value, 2.5);
    EXPECT_EQ(raise.geometric_cap, 0.0);
    EXPECT_EQ(parse_bet_size_token("1.01X", true).value, 1.01);

    for (const char* text : {"150", "150c", "150C"}) {
        const BetSize chips = parse_bet_size_token(text, true);
        EXPECT_EQ(chips.kind, kChips) << text;
        EXPECT_EQ(chips.chips, 150) << text;
        EXPECT_EQ(chips.value, 0.0) << text;
        EXPECT_EQ(chips.geometric_cap, 0.0) << text;
        EXPECT_EQ(chips.raise_cap, 0) << text;
    }

    for (const char* text : {"a", "A", "all-a", "100a"}) {
        EXPECT_EQ(parse_bet_size_token(text, false).kind, kAllIn) << text;
    }
}

TEST(BetSizeToken, GeometricStreetsAndCap) {
    const BetSize plain = parse_bet_size_token("e", false);
    EXPECT_EQ(plain.kind, kGeometric);
    EXPECT_EQ(plain.geometric_streets, 0);
    EXPECT_EQ(plain.geometric_cap, kInf);
    EXPECT_EQ(parse_bet_size_token("3E", false).geometric_streets, 3);

    const BetSize capped = parse_bet_size_token("%200e", false);
    EXPECT_EQ(capped.geometric_streets, 0);
    EXPECT_EQ(capped.geometric_cap, 2.0);

    const BetSize both = parse_bet_size_token("2%75e", true);
    EXPECT_EQ(both.geometric_streets, 2);
    EXPECT_EQ(both.geometric_cap, 0.75);
    EXPECT_EQ(both.value, 0.0);
    EXPECT_EQ(both.chips, 0);
}

TEST(BetSizeToken, FailuresCarryTheirMessages) {
    EXPECT_THROW_MSG(parse_bet_size_token("   ", false), std::invalid_argument,
                     "Empty bet size token");
    EXPECT_THROW_MSG(parse_bet_size_token("75 %", false), std::invalid_argument,
                     "Failed to parse floating-point number from '75 ' (hex=373520)");
    EXPECT_THROW_MSG(parse_bet_size_token("2.5x", false), std::invalid_argument,
                     "Relative raise (x) is not allowed in this context");
    EXPECT_THROW_MSG(parse_bet_size_token("1x", true), std::invalid_argument,
                     "Relative raise must exceed 1.0x");
    EXPECT_THROW_MSG(parse_bet_size_token("0.5x", true), std::invalid_argument,
                     "Relative raise must exceed 1.0x");
    // A number that is not finite is no size.
    EXPECT_THROW_MSG(parse_bet_size_token("nanx", true), std::invalid_argument,
                     "Failed to parse floating-point number from 'nan' (hex=6e616e)");
    EXPECT_THROW_MSG(parse_bet_size_token("infx", true), std::invalid_argument,
                     "Failed to parse floating-point number from 'inf' (hex=696e66)");
    EXPECT_THROW_MSG(parse_bet_size_token("nan%", false), std::invalid_argument,
                     "Failed to parse floating-point number from 'nan' (hex=6e616e)");
    EXPECT_THROW_MSG(parse_bet_size_token("1e400%", false), std::invalid_argument,
                     "Failed to parse floating-point number from '1e400' (hex=3165343030)");
    EXPECT_THROW_MSG(parse_bet_size_token("%-infe", false), std::invalid_argument,
                     "Failed to parse floating-point number from '-inf' (hex=2d696e66)");
    EXPECT_THROW_MSG(parse_bet_size_token("c", false), std::invalid_argument,
                     "Failed to parse integer from ''");
    EXPECT_THROW_MSG(parse_bet_size_token("1.5", false), std::invalid_argument,
                     "Failed to parse integer from '1.5'");
    EXPECT_THROW_MSG(parse_bet_size_token("3000000000", false), std::out_of_range,
                     "Integer value is out of range");
    EXPECT_THROW_MSG(parse_bet_size_token("150c2c", false), std::invalid_argument,
                     "Raise cap is only valid for raises");
    EXPECT_THROW_MSG(parse_bet_size_token("150c2c", true), std::invalid_argument,
                     "Raise cap must end with 'r'");
    // The integer before the first c is read first.
    EXPECT_THROW_MSG(parse_bet_size_token("xc2c", true), std::invalid_argument,
                     "Failed to parse integer from 'x'");
    // A final r reaches the plain-integer form.
    EXPECT_THROW_MSG(parse_bet_size_token("150c2r", true), std::invalid_argument,
                     "Failed to parse integer from '150c2r'");
    EXPECT_THROW_MSG(parse_bet_size_token("0e", false), std::invalid_argument,
                     "Geometric streets must be positive");
    EXPECT_THROW_MSG(parse_bet_size_token("-2e", false), std::invalid_argument,
                     "Geometric streets must be positive");
    EXPECT_THROW_MSG(parse_bet_size_token("2%ze", false), std::invalid_argument,
                     "Failed to parse floating-point number from 'z' (hex=7a)");
}

TEST(BetSizeList, KeepsOrderAndSkipsEmptyPieces) {
    const auto sizes = parse_bet_size_list("33%, 75%,,a,", false);
    ASSERT_EQ(sizes.size(), 3u);
    EXPECT_EQ(sizes[0], pot(0.33));
    EXPECT_EQ(sizes[1], pot(0.75));
    EXPECT_EQ(sizes[2].kind, kAllIn);

    EXPECT_TRUE(parse_bet_size_list("", false).empty());
    EXPECT_TRUE(parse_bet_size_list(" , ,\t,", true).empty());

    const auto dupes = parse_bet_size_list("50%,50%", false);
    EXPECT_EQ(dupes.size(), 2u);

    EXPECT_THROW_MSG(parse_bet_size_list("50%, 3x", false), std::invalid_argument,
                     "Relative raise (x) is not allowed in this context");
}

TEST(StreetSizes, BetTextIsReadWithoutAndRaiseTextWithRaiseContext) {
    const StreetSizes sizes = parse_street_sizes("33%, 75%", "2.5x, a");
    ASSERT_EQ(sizes.bets.size(), 2u);
    ASSERT_EQ(sizes.raises.size(), 2u);
    EXPECT_EQ(sizes.raises[0].kind, kRelativeRaise);
    EXPECT_EQ(sizes.raises[1].kind, kAllIn);

    // Both texts bad: the bet text's error is the one reported.
    EXPECT_THROW_MSG(parse_street_sizes("3x", "1x"), std::invalid_argument,
                     "Relative raise (x) is not allowed in this context");
    EXPECT_THROW_MSG(parse_street_sizes("50%", "1x"), std::invalid_argument,
                     "Relative raise must exceed 1.0x");
}

}  // namespace
}  // namespace quendal
