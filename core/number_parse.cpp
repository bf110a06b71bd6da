#include "core/number_parse.h"

#include <cerrno>
#include <climits>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <stdexcept>
#include <string>

namespace quendal {

namespace {

locale_t c_locale() {
    static const locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return loc;
}

template <typename T, typename Convert>
NumberScan scan_with(std::string_view text, T& out, Convert convert) {
    const std::string copy(text);  // the C routines need a terminated string
    const char* begin = copy.c_str();
    char* end = nullptr;
    errno = 0;
    const T value = convert(begin, &end);
    if (end == begin) {
        return NumberScan::no_number;
    }
    if (errno == ERANGE) {
        return NumberScan::out_of_range;
    }
    if (end != begin + copy.size()) {
        return NumberScan::trailing_text;
    }
    out = value;
    return NumberScan::ok;
}

std::string hex_bytes(std::string_view text) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(text.size() * 2);
    for (unsigned char c : text) {
        hex.push_back(kDigits[c >> 4]);
        hex.push_back(kDigits[c & 0xF]);
    }
    return hex;
}

[[noreturn]] void throw_not_a_double(std::string_view text) {
    throw std::invalid_argument("Failed to parse floating-point number from '" + std::string(text) +
                                "' (hex=" + hex_bytes(text) + ")");
}

}  // namespace

NumberScan scan_double(std::string_view text, double& out) {
    return scan_with(text, out,
                     [](const char* s, char** end) { return strtod_l(s, end, c_locale()); });
}

NumberScan scan_float(std::string_view text, float& out) {
    return scan_with(text, out,
                     [](const char* s, char** end) { return strtof_l(s, end, c_locale()); });
}

double parse_double_strict(std::string_view text) {
    double value = 0.0;
    if (scan_double(text, value) != NumberScan::ok) {
        throw_not_a_double(text);
    }
    return value;
}

double parse_finite_double_strict(std::string_view text) {
    const double value = parse_double_strict(text);
    if (!std::isfinite(value)) {
        throw_not_a_double(text);
    }
    return value;
}

std::int32_t parse_int_strict(std::string_view text) {
    const std::string copy(text);
    const char* begin = copy.c_str();
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(begin, &end, 10);
    if (end == begin || errno == ERANGE || end != begin + copy.size()) {
        throw std::invalid_argument("Failed to parse integer from '" + copy + "'");
    }
    if (value < INT32_MIN || value > INT32_MAX) {
        throw std::out_of_range("Integer value is out of range");
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace quendal
