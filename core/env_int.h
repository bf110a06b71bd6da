// Integer settings read from the environment.
#pragma once

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <optional>

namespace quendal {

// The leading base-10 integer of the variable (white space and a sign may lead,
// anything may trail), or nothing when it is unset, has no digits or does not
// fit 32 bits.
inline std::optional<std::int32_t> env_int32(const char* name) {
    const char* text = std::getenv(name);
    if (text == nullptr) {
        return std::nullopt;
    }
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(text, &end, 10);
    if (end == text || errno == ERANGE || value < INT32_MIN || value > INT32_MAX) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace quendal
