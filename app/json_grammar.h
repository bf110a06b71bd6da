// The pieces of the JSON grammar that the document check and the flat
// reader of node objects both read.
#pragma once

#include <QtGlobal>

namespace quendal_app::json_grammar {

inline bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Steps over a number's characters by the JSON grammar ("-", digits, a
// fraction, an exponent) from `pos`. True when they make a plain number:
// every part present, at most 32 characters, an exponent of one or two
// digits. Any such number reads as a finite double of normal size (or 0),
// so no conversion is needed to know that it is one.
inline bool plainNumber(const char* t, qsizetype size, qsizetype& pos) {
    const qsizetype begin = pos;
    const auto digits = [&] {
        const qsizetype from = pos;
        while (pos < size && isDigit(t[pos])) {
            ++pos;
        }
        return pos - from;
    };
    if (pos < size && t[pos] == '-') {
        ++pos;
    }
    bool plain = true;
    if (pos < size && t[pos] == '0') {
        ++pos;
    } else {
        plain = digits() > 0;
    }
    if (pos < size && t[pos] == '.') {
        ++pos;
        plain = digits() > 0 && plain;
    }
    if (pos < size && (t[pos] == 'e' || t[pos] == 'E')) {
        ++pos;
        if (pos < size && (t[pos] == '+' || t[pos] == '-')) {
            ++pos;
        }
        const qsizetype exponent = digits();
        plain = exponent > 0 && exponent <= 2 && plain;
    }
    return plain && pos - begin <= 32;
}

}  // namespace quendal_app::json_grammar
