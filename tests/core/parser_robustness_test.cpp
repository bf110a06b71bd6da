// Every text parser, fed random and mutated text, either returns or throws
// one of its documented exceptions. Run under the sanitizer build this also
// proves that no input reads or writes out of bounds.
#include "core/bet_size.h"
#include "core/card.h"
#include "core/number_parse.h"
#include "core/range.h"

#include <cmath>
#include <functional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace quendal {
namespace {

// Characters that mean something to one grammar or another, plus noise.
constexpr std::string_view kAlphabet = "23456789TJQKAtjqkacdhsCDHSxXeEoO%+-:,.0 \t\n1rRz\xff";

class TextSource {
public:
    explicit TextSource(std::uint32_t seed) : rng_(seed) {}

    std::string random_text(std::size_t max_length) {
        std::string text(pick(max_length + 1), '\0');
        for (char& c : text) {
            c = kAlphabet[pick(kAlphabet.size())];
        }
        return text;
    }

    // Inserts, deletes, replaces or duplicates a few characters of a valid text.
    std::string mutate(std::string text) {
        const std::size_t edits = 1 + pick(4);
        for (std::size_t i = 0; i < edits; ++i) {
            const std::size_t at = text.empty() ? 0 : pick(text.size() + 1);
            switch (pick(4)) {
                case 0:
                    text.insert(text.begin() + at, kAlphabet[pick(kAlphabet.size())]);
                    break;
                case 1:
                    if (at < text.size()) {
                        text.erase(at, 1);
                    }
                    break;
                case 2:
                    if (at < text.size()) {
                        text[at] = kAlphabet[pick(kAlphabet.size())];
                    }
                    break;
                default:
                    text.insert(at, text.substr(at, 1 + pick(6)));
                    break;
            }
        }
        return text;
    }

    std::size_t pick(std::size_t bound) {
        return std::uniform_int_distribution<std::size_t>(0, bound - 1)(rng_);
    }

private:
    std::mt19937 rng_;
};

// Calls the parser on many texts; any exception other than the documented
// ones escapes and fails the test.
void exercise(const std::vector<std::string>& seeds, std::size_t max_length,
              const std::function<void(const std::string&)>& parse, std::uint32_t rng_seed) {
    TextSource source(rng_seed);
    constexpr int kCases = 40000;
    int accepted = 0;
    for (int i = 0; i < kCases; ++i) {
        const std::string text = (i % 2 == 0) ? source.random_text(max_length)
                                              : source.mutate(seeds[source.pick(seeds.size())]);
        try {
            parse(text);
            ++accepted;
        } catch (const std::invalid_argument&) {
        } catch (const std::out_of_range&) {
        }
    }
    // The mutations are mild enough that some texts still parse.
    EXPECT_GT(accepted, 0);
}

TEST(ParserRobustness, CardsAndFlops) {
    exercise(
        {"Ah", "tc", "AhKsQd", " Ah Ks Qd "}, 10,
        [](const std::string& text) {
            if (text.size() == 2) {
                EXPECT_LT(parse_card(text), kCardCount);
            }
            for (CardCode card : parse_flop(text)) {
                EXPECT_LT(card, kCardCount);
            }
        },
        1);
}

TEST(ParserRobustness, NumbersAndBetSizes) {
    exercise(
        {"33%, 75%,,a,", "2.5x, 150c, a", "2%75e, %150e, e", "150c2c", "1e5%"}, 24,
        [](const std::string& text) {
            for (bool raise : {false, true}) {
                try {
                    (void)parse_bet_size_list(text, raise);
                } catch (const std::invalid_argument&) {
                }
            }
            (void)parse_street_sizes(text, text);
        },
        2);
    exercise(
        {"1.5", "-0x1p3", "inf", "42"}, 12,
        [](const std::string& text) {
            try {
                (void)parse_double_strict(text);
            } catch (const std::invalid_argument&) {
            }
            (void)parse_int_strict(text);
        },
        3);
}

TEST(ParserRobustness, RangesKeepWeightsInRange) {
    exercise(
        {"QQ+, AKs, A5s-A2s:0.5, KhQh", "22-55, T9s-65s:0.25", "K9s-QTs, 9h9d+, AA-AK", "Ah2h-AhAd",
         "KhQd+:0.3"},
        40,
        [](const std::string& text) {
            const RangeWeights range = parse_range(text);
            for (float w : range) {
                ASSERT_TRUE(w >= 0.0f && w <= 1.0f) << "weight " << w << " from '" << text << "'";
            }
        },
        4);
}

}  // namespace
}  // namespace quendal
