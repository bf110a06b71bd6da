#include "session/sizing_text.h"

#include "core/bet_size.h"
#include "core/number_parse.h"
#include "core/text_util.h"

#include <cctype>
#include <stdexcept>

namespace quendal_app {

namespace {

bool is_kept_letter(char c) {
    switch (c) {
        case 'A':
        case 'C':
        case 'E':
        case 'R':
        case 'X':
        case 'a':
        case 'c':
        case 'e':
        case 'r':
        case 'x':
            return true;
        default:
            return false;
    }
}

bool is_suffix_letter(char c) {
    return is_kept_letter(c) && c != 'R' && c != 'r';
}

std::string_view trim(std::string_view text) {
    const auto is_space = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && is_space(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && is_space(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

struct NormalisedSeat {
    std::string bet;
    std::string raise;
};

void fill_oop(quendal::StreetConfig& street, const NormalisedSeat& texts, bool dont_donk) {
    const quendal::StreetSizes sizes = quendal::parse_street_sizes(texts.bet, texts.raise);
    street.oop = sizes;
    street.oop_lead = dont_donk ? std::vector<quendal::BetSize>{}
                                : quendal::parse_bet_size_list(texts.bet, false);
}

std::string wrapped_message(const char* seat, const std::string& street_name,
                            const StreetSizing& sizing, const std::exception& error) {
    // Normalised again for the message, the raise text first: a normaliser
    // error thrown here propagates instead of the wrapper.
    const std::string raise_norm = normalize_sizing_text(sizing.raise_sizes, sizing.add_all_in);
    const std::string bet_norm = normalize_sizing_text(sizing.bet_sizes, sizing.add_all_in);
    return std::string(seat) + " " + street_name + " sizing (bet='" + sizing.bet_sizes +
           "', raise='" + sizing.raise_sizes + "', bet_norm='" + bet_norm + "', raise_norm='" +
           raise_norm + "'): " + error.what();
}

[[noreturn]] void refuse_piece(std::string_view piece) {
    throw std::invalid_argument("Sizing: invalid token '" + std::string(trim(piece)) + "'");
}

// A word of the piece, wherever it stands, that the number conversion reads
// as not-a-number or infinity ("nan", "-NaN", "50 inf"): its letters would
// otherwise leave an "a" (all-in) or nothing, and the size beside it would
// be read alone.
bool holds_a_non_finite_word(std::string_view piece) {
    const auto is_letter = [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; };
    for (std::size_t i = 0; i < piece.size(); ++i) {
        if (!is_letter(piece[i]) || (i > 0 && is_letter(piece[i - 1]))) {
            continue;
        }
        const auto opens_with = [&](std::string_view word) {
            if (piece.size() - i < word.size()) {
                return false;
            }
            for (std::size_t k = 0; k < word.size(); ++k) {
                if (quendal::ascii_lower(piece[i + k]) != word[k]) {
                    return false;
                }
            }
            return true;
        };
        if (opens_with("nan") || opens_with("inf")) {
            return true;
        }
    }
    return false;
}

// Blanks, control characters and bytes outside ASCII (a no-break space):
// dropped, but they part what stands on either side.
bool is_separator(unsigned char byte) {
    return std::isspace(byte) != 0 || byte < 0x20 || byte >= 0x7f;
}

// The characters of one piece between commas that the size grammar reads. A
// piece meant as a size that keeps nothing ("inf", full-width digits, control
// characters), that names a number that is not one anywhere ("nan", "50 inf"),
// or in which a blank parts two numbers ("50 100") is refused, never read as
// another size.
std::string kept_characters(std::string_view piece) {
    if (holds_a_non_finite_word(piece)) {
        refuse_piece(piece);
    }
    std::string kept;
    bool had = false;
    bool numeral_seen = false;
    bool parted_after_numeral = false;
    for (const char c : piece) {
        const auto byte = static_cast<unsigned char>(c);
        if (is_separator(byte)) {
            parted_after_numeral = numeral_seen;
            if (std::isspace(byte) == 0) {
                had = true;
            }
            continue;
        }
        had = true;
        const bool numeral = std::isdigit(byte) != 0 || c == '.';
        if (numeral && parted_after_numeral) {
            refuse_piece(piece);
        }
        numeral_seen = numeral_seen || numeral;
        if (numeral || c == '%' || is_kept_letter(c)) {
            kept += c;
        }
    }
    if (had && kept.empty()) {
        refuse_piece(piece);
    }
    return kept;
}

}  // namespace

std::string normalize_sizing_text(std::string_view text, bool add_all_in) {
    std::string kept;
    while (true) {
        const std::size_t comma = text.find(',');
        kept += kept_characters(text.substr(0, comma));
        if (comma == std::string_view::npos) {
            break;
        }
        kept += ',';
        text.remove_prefix(comma + 1);
    }
    std::string out;
    bool has_all_in = false;
    std::size_t start = 0;
    while (start <= kept.size()) {
        const std::size_t comma = std::min(kept.find(',', start), kept.size());
        std::string token = kept.substr(start, comma - start);
        start = comma + 1;
        if (token.empty()) {
            continue;
        }
        if (token == "%") {
            throw std::invalid_argument(
                "Sizing: invalid token '%'. Use numbers like '33, 75' or '33%, 75%'");
        }
        if (token.size() == 1 && is_suffix_letter(token[0]) && token[0] != 'a' && token[0] != 'A') {
            throw std::invalid_argument("Sizing: invalid token '" + token + "'");
        }
        if (token == "a" || token == "A") {
            has_all_in = true;
        }
        const char last = token.back();
        if (last != '%' && !is_suffix_letter(last)) {
            token += '%';
        }
        if (!out.empty()) {
            out += ',';
        }
        out += token;
    }
    if (add_all_in && !has_all_in) {
        if (!out.empty()) {
            out += ',';
        }
        out += 'a';
    }
    return out;
}

void build_street_sizing(quendal::StreetConfig& street, const StreetSizing& oop,
                         const StreetSizing& ip, const std::string& street_name) {
    try {
        const NormalisedSeat texts{normalize_sizing_text(oop.bet_sizes, oop.add_all_in),
                                   normalize_sizing_text(oop.raise_sizes, oop.add_all_in)};
        fill_oop(street, texts, oop.dont_donk);
    } catch (const std::exception& e) {
        throw std::invalid_argument(wrapped_message("OOP", street_name, oop, e));
    }
    try {
        street.ip =
            quendal::parse_street_sizes(normalize_sizing_text(ip.bet_sizes, ip.add_all_in),
                                        normalize_sizing_text(ip.raise_sizes, ip.add_all_in));
    } catch (const std::exception& e) {
        throw std::invalid_argument(wrapped_message("IP", street_name, ip, e));
    }
}

void build_street_sizing_for_estimate(quendal::StreetConfig& street, const StreetSizing& oop,
                                      const StreetSizing& ip) {
    const NormalisedSeat oop_texts{normalize_sizing_text(oop.bet_sizes, oop.add_all_in),
                                   normalize_sizing_text(oop.raise_sizes, oop.add_all_in)};
    const NormalisedSeat ip_texts{normalize_sizing_text(ip.bet_sizes, ip.add_all_in),
                                  normalize_sizing_text(ip.raise_sizes, ip.add_all_in)};
    fill_oop(street, oop_texts, oop.dont_donk);
    street.ip = quendal::parse_street_sizes(ip_texts.bet, ip_texts.raise);
}

bool is_whole_deck_percent(std::string_view text) {
    const std::string_view t = trim(text);
    return t.size() >= 2 && t.back() == '%' &&
           t.find_first_not_of("0123456789.%") == std::string_view::npos &&
           t.find('%') == t.size() - 1;
}

quendal::RangeWeights parse_range_text(std::string_view text) {
    const std::string_view t = trim(text);
    if (!is_whole_deck_percent(t)) {
        return quendal::parse_range(text);
    }
    // The longest prefix a decimal conversion reads: digits with at most one point.
    std::size_t end = 0;
    bool point = false;
    while (end < t.size() - 1 &&
           (std::isdigit(static_cast<unsigned char>(t[end])) != 0 || (t[end] == '.' && !point))) {
        point = point || t[end] == '.';
        ++end;
    }
    double number = 0.0;
    if (quendal::scan_double(t.substr(0, end), number) != quendal::NumberScan::ok) {
        throw std::invalid_argument("Invalid percent range '" + std::string(t) +
                                    "' (expected like '50%')");
    }
    const float weight = static_cast<float>(number / 100.0);
    quendal::RangeWeights range{};
    quendal::clear_range(range);
    for (int a = 0; a < quendal::kCardCount; ++a) {
        for (int b = a + 1; b < quendal::kCardCount; ++b) {
            quendal::set_range_weight(range, static_cast<quendal::CardCode>(a),
                                      static_cast<quendal::CardCode>(b), weight);
        }
    }
    return range;
}

std::uint8_t street_index(std::string_view text) {
    if (text == "turn") {
        return 1;
    }
    if (text == "river") {
        return 2;
    }
    return 0;
}

}  // namespace quendal_app
