// Node locks applied to a strategy being built. Included before
// core/kernel_path_target.h: this inline function is baseline code in every
// compile that uses it.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace quendal {

// Replaces the locked entries of a strategy (a lock entry with its sign bit
// set is free). Returns true when every hand's action-0 entry is locked.
inline bool apply_node_lock(const std::vector<float>* lock, float* strategy, std::size_t actions,
                            std::size_t hands) {
    if (lock == nullptr || lock->empty()) {
        return false;
    }
    const std::vector<float>& l = *lock;
    bool fully = l.size() >= hands;
    for (std::size_t h = 0; fully && h < hands; ++h) {
        fully = !std::signbit(l[h]);
    }
    const std::size_t n = std::min(actions * hands, l.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (!std::signbit(l[i])) {
            strategy[i] = l[i];
        }
    }
    return fully;
}

}  // namespace quendal
