// Strict, locale-independent number parsing.
#pragma once

#include <cstdint>
#include <string_view>

namespace quendal {

enum class NumberScan { ok, no_number, out_of_range, trailing_text };

// Reads the whole text as a floating-point number the way the C library does
// in the "C" locale (leading white space, sign, decimal or hexadecimal form,
// exponent, inf and nan), whatever the process locale is. Any character left
// over, trailing white space included, gives trailing_text; overflow and
// underflow give out_of_range.
NumberScan scan_double(std::string_view text, double& out);
NumberScan scan_float(std::string_view text, float& out);

// Throws std::invalid_argument
// "Failed to parse floating-point number from '<text>' (hex=<bytes>)".
double parse_double_strict(std::string_view text);

// The same, refusing with the same message a value that is not finite
// ("nan", "inf").
double parse_finite_double_strict(std::string_view text);

// Base-10 signed integer. Throws std::invalid_argument
// "Failed to parse integer from '<text>'" when the text is not an integer that
// fits 64 bits, and std::out_of_range "Integer value is out of range" outside
// the 32-bit range.
std::int32_t parse_int_strict(std::string_view text);

}  // namespace quendal
