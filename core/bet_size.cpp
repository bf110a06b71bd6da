#include "core/bet_size.h"

#include "core/number_parse.h"
#include "core/text_util.h"

#include <limits>
#include <stdexcept>

namespace quendal {

namespace {

BetSize relative_raise(std::string_view number, bool raise_context) {
    if (!raise_context) {
        throw std::invalid_argument("Relative raise (x) is not allowed in this context");
    }
    const double multiple = parse_finite_double_strict(number);
    if (!(multiple > 1.0)) {
        throw std::invalid_argument("Relative raise must exceed 1.0x");
    }
    BetSize size;
    size.kind = kRelativeRaise;
    size.value = multiple;
    return size;
}

BetSize chips_with_suffix(std::string_view token, bool raise_context) {
    const std::size_t c = token.find_first_of("cC");
    BetSize size;
    size.kind = kChips;
    size.chips = parse_int_strict(token.substr(0, c));
    if (c + 1 < token.size()) {
        // A raise-cap suffix would follow here; no token can complete one,
        // since a final r dispatches to the plain-integer form.
        throw std::invalid_argument(raise_context ? "Raise cap must end with 'r'"
                                                  : "Raise cap is only valid for raises");
    }
    return size;
}

BetSize geometric(std::string_view body) {
    BetSize size;
    size.kind = kGeometric;
    size.geometric_cap = std::numeric_limits<double>::infinity();
    if (const std::size_t percent = body.find('%'); percent != std::string_view::npos) {
        size.geometric_cap = parse_finite_double_strict(body.substr(percent + 1)) / 100.0;
        body = body.substr(0, percent);
    }
    if (!body.empty()) {
        size.geometric_streets = parse_int_strict(body);
        if (size.geometric_streets < 1) {
            throw std::invalid_argument("Geometric streets must be positive");
        }
    }
    return size;
}

}  // namespace

BetSize parse_bet_size_token(std::string_view token, bool raise_context) {
    token = trim_space(token);
    if (token.empty()) {
        throw std::invalid_argument("Empty bet size token");
    }
    const std::string_view body = token.substr(0, token.size() - 1);
    switch (ascii_lower(token.back())) {
        case 'x':
            return relative_raise(body, raise_context);
        case 'c':
            return chips_with_suffix(token, raise_context);
        case 'e':
            return geometric(body);
        case 'a': {
            BetSize size;
            size.kind = kAllIn;
            return size;
        }
        case '%': {
            BetSize size;
            size.kind = kPotFraction;
            size.value = parse_finite_double_strict(body) / 100.0;
            return size;
        }
        default: {
            BetSize size;
            size.kind = kChips;
            size.chips = parse_int_strict(token);
            return size;
        }
    }
}

std::vector<BetSize> parse_bet_size_list(std::string_view text, bool raise_context) {
    std::vector<BetSize> sizes;
    while (true) {
        const std::size_t comma = text.find(',');
        const std::string_view piece = trim_space(text.substr(0, comma));
        if (!piece.empty()) {
            sizes.push_back(parse_bet_size_token(piece, raise_context));
        }
        if (comma == std::string_view::npos) {
            break;
        }
        text.remove_prefix(comma + 1);
    }
    return sizes;
}

StreetSizes parse_street_sizes(std::string_view bet_text, std::string_view raise_text) {
    StreetSizes sizes;
    sizes.bets = parse_bet_size_list(bet_text, false);
    sizes.raises = parse_bet_size_list(raise_text, true);
    return sizes;
}

}  // namespace quendal
