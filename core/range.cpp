#include "core/range.h"

#include "core/number_parse.h"
#include "core/text_util.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace quendal {

namespace {

void check_pair(CardCode a, CardCode b) {
    check_card_code(a);
    check_card_code(b);
    if (a == b) {
        throw std::invalid_argument("Cards must differ");
    }
}

void assign(RangeWeights& range, const ComboPattern& pattern, float weight) {
    for (const int index : expand_combo_pattern(pattern)) {
        range[index] = weight;
    }
}

ComboPattern with_ranks(ComboPattern pattern, int high, int low) {
    pattern.high_rank = static_cast<std::uint8_t>(high);
    pattern.low_rank = static_cast<std::uint8_t>(low);
    return pattern;
}

// "A5s+" raises the low rank under a fixed high rank; "T9s+" and "22+" raise
// both ranks together up to the ace.
void apply_plus(RangeWeights& range, std::string_view item, float weight) {
    if (item.size() < 2) {
        throw std::invalid_argument("Expected trailing '+'");
    }
    const ComboPattern base = parse_combo_pattern(item.substr(0, item.size() - 1));
    const int high = base.high_rank;
    const int low = base.low_rank;
    if (high - low > 1) {
        for (int l = low; l < high; ++l) {
            assign(range, with_ranks(base, high, l), weight);
        }
    } else {
        for (int step = 0; high + step < kRankCount; ++step) {
            assign(range, with_ranks(base, high + step, low + step), weight);
        }
    }
}

// "22-55", "T9s-65s", "A2s-A5s", "K9s-QTs", in either direction.
void apply_span(RangeWeights& range, std::string_view item, float weight) {
    const std::size_t dash = item.find('-');
    const ComboPattern left = parse_combo_pattern(item.substr(0, dash));
    const ComboPattern right = parse_combo_pattern(item.substr(dash + 1));
    if (left.kind != right.kind) {
        throw std::invalid_argument("Suitedness mismatch in range");
    }
    const int h1 = left.high_rank, l1 = left.low_rank;
    const int h2 = right.high_rank, l2 = right.low_rank;
    const int gap1 = h1 - l1, gap2 = h2 - l2;
    if (gap1 == gap2) {
        for (int h = std::min(h1, h2); h <= std::max(h1, h2); ++h) {
            assign(range, with_ranks(left, h, h - gap1), weight);
        }
        return;
    }
    if (h1 == h2) {
        for (int l = std::min(l1, l2); l <= std::max(l1, l2); ++l) {
            assign(range, with_ranks(left, h1, l), weight);
        }
        return;
    }
    const bool either_pair = gap1 == 0 || gap2 == 0;
    if (either_pair || (left.kind != kComboSuited && left.kind != kComboOffsuit)) {
        throw std::invalid_argument("Unsupported range expression");
    }
    for (int h = std::min(h1, h2); h <= std::max(h1, h2); ++h) {
        for (int l = std::min(l1, l2); l <= std::max(l1, l2) && l < h; ++l) {
            assign(range, with_ranks(left, h, l), weight);
        }
    }
}

float parse_item_weight(std::string_view text) {
    if (text.empty()) {
        throw std::invalid_argument("Weight string is empty");
    }
    float weight = 0.0f;
    switch (scan_float(text, weight)) {
        case NumberScan::ok:
            break;
        case NumberScan::no_number:
            throw std::invalid_argument("invalid stof argument");
        case NumberScan::out_of_range:
            throw std::out_of_range("stof argument out of range");
        case NumberScan::trailing_text:
            throw std::invalid_argument("Weight string contains invalid characters");
    }
    check_weight(weight);
    return weight;
}

void apply_range_item(RangeWeights& range, std::string_view item) {
    float weight = 1.0f;
    std::string_view expression = item;
    if (const std::size_t colon = item.find(':'); colon != std::string_view::npos) {
        expression = item.substr(0, colon);
        weight = parse_item_weight(item.substr(colon + 1));
    }
    if (expression.empty()) {
        throw std::invalid_argument("Missing range expression");
    }
    if (expression.find('-') != std::string_view::npos) {
        apply_span(range, expression, weight);
    } else if (expression.back() == '+') {
        apply_plus(range, expression, weight);
    } else {
        assign(range, parse_combo_pattern(expression), weight);
    }
}

}  // namespace

void clear_range(RangeWeights& range) {
    range.fill(0.0f);
}

RangeWeights parse_range(std::string_view text) {
    RangeWeights range;
    clear_range(range);
    const std::string compact = strip_all_space(text);
    std::string_view rest = compact;
    while (true) {
        const std::size_t comma = rest.find(',');
        const std::string_view item = rest.substr(0, comma);
        if (!item.empty()) {
            apply_range_item(range, item);
        }
        if (comma == std::string_view::npos) {
            break;
        }
        rest.remove_prefix(comma + 1);
    }
    return range;
}

float range_weight(const RangeWeights& range, CardCode a, CardCode b) {
    check_pair(a, b);
    return range[combo_index(a, b)];
}

void set_range_weight(RangeWeights& range, CardCode a, CardCode b, float weight) {
    check_pair(a, b);
    check_weight(weight);
    range[combo_index(a, b)] = weight;
}

void check_weight(float weight) {
    if (!(weight >= 0.0f && weight <= 1.0f)) {
        throw std::invalid_argument("Weight must be within [0, 1]");
    }
}

bool is_suit_swap_symmetric(const RangeWeights& range, std::uint8_t s1, std::uint8_t s2) {
    const auto swap_suit = [s1, s2](int card) {
        const int suit = card_suit(static_cast<CardCode>(card));
        const int mapped = suit == s1 ? s2 : (suit == s2 ? s1 : suit);
        return make_card(card_rank(static_cast<CardCode>(card)), mapped);
    };
    for (int a = 0; a < kCardCount; ++a) {
        for (int b = a + 1; b < kCardCount; ++b) {
            const float w = range[combo_index(static_cast<CardCode>(a), static_cast<CardCode>(b))];
            const float mapped = range[combo_index(swap_suit(a), swap_suit(b))];
            if (std::isnan(w) || std::isnan(mapped) || w != mapped) {
                return false;
            }
        }
    }
    return true;
}

ComboPattern parse_combo_pattern(std::string_view text) {
    if (text.empty()) {
        throw std::invalid_argument("Empty combo");
    }
    ComboPattern pattern;
    if (text.size() == 4 && is_ascii_letter(text[1]) && is_ascii_letter(text[3])) {
        pattern.high_rank = rank_from_char(text[0]);
        pattern.first_suit = suit_from_char(text[1]);
        pattern.low_rank = rank_from_char(text[2]);
        pattern.second_suit = suit_from_char(text[3]);
        pattern.kind = kComboExact;
        if (pattern.high_rank < pattern.low_rank) {
            throw std::invalid_argument("First rank must be >= second rank");
        }
        if (pattern.high_rank == pattern.low_rank && pattern.first_suit == pattern.second_suit) {
            throw std::invalid_argument("Duplicate cards are not allowed");
        }
        return pattern;
    }
    if (text.size() != 2 && text.size() != 3) {
        throw std::invalid_argument("Invalid combo pattern length");
    }
    pattern.high_rank = rank_from_char(text[0]);
    pattern.low_rank = rank_from_char(text[1]);
    if (text.size() == 3) {
        const char suffix = ascii_lower(text[2]);
        if (suffix == 's') {
            pattern.kind = kComboSuited;
        } else if (suffix == 'o') {
            pattern.kind = kComboOffsuit;
        } else {
            throw std::invalid_argument("Invalid suitedness suffix");
        }
    }
    if (pattern.high_rank < pattern.low_rank) {
        throw std::invalid_argument("First rank must be >= second rank");
    }
    if (pattern.high_rank == pattern.low_rank && pattern.kind != kComboAnySuits) {
        throw std::invalid_argument("Pair cannot have suitedness suffix");
    }
    return pattern;
}

std::vector<int> expand_combo_pattern(const ComboPattern& pattern) {
    std::vector<int> combos;
    const int high = pattern.high_rank;
    const int low = pattern.low_rank;
    if (high >= kRankCount || low >= kRankCount) {
        return combos;
    }
    if (pattern.kind == kComboExact) {
        if (pattern.first_suit < kSuitCount && pattern.second_suit < kSuitCount) {
            const CardCode a = make_card(high, pattern.first_suit);
            const CardCode b = make_card(low, pattern.second_suit);
            if (a != b) {
                combos.push_back(combo_index(a, b));
            }
        }
        return combos;
    }
    for (int s1 = 0; s1 < kSuitCount; ++s1) {
        for (int s2 = 0; s2 < kSuitCount; ++s2) {
            if (high == low && s2 <= s1) {
                continue;  // each pair of one rank once
            }
            if ((pattern.kind == kComboSuited && s1 != s2) ||
                (pattern.kind == kComboOffsuit && s1 == s2)) {
                continue;
            }
            combos.push_back(combo_index(make_card(high, s1), make_card(low, s2)));
        }
    }
    return combos;
}

}  // namespace quendal
