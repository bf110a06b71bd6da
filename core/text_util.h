// Small locale-independent text helpers shared by the parsers.
#pragma once

#include <string>
#include <string_view>

namespace quendal {

constexpr bool is_ascii_space(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

constexpr char ascii_lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr bool is_ascii_letter(char c) {
    const char l = ascii_lower(c);
    return l >= 'a' && l <= 'z';
}

// The text with every white-space character removed.
inline std::string strip_all_space(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (!is_ascii_space(c)) {
            out.push_back(c);
        }
    }
    return out;
}

// The text without white space at either end.
constexpr std::string_view trim_space(std::string_view text) {
    while (!text.empty() && is_ascii_space(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && is_ascii_space(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace quendal
