// Work shared out over a few threads for the length of one call: a large
// file read or written on the calling thread uses the machine's cores.
#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <thread>
#include <type_traits>
#include <vector>

namespace quendal_app {

// Calls `work(i)` once for every i in [0, count), on up to `threads`
// threads (the calling one among them), taking the i in rising order; and
// returns when all calls have. A `work(i, worker)` is also told which of the
// threads, from 0, makes the call.
template <class Work>
void forEachOnThreads(int threads, std::size_t count, const Work& work) {
    std::atomic<std::size_t> next{0};
    const auto run = [&](int worker) {
        for (std::size_t i; (i = next.fetch_add(1, std::memory_order_relaxed)) < count;) {
            if constexpr (std::is_invocable_v<const Work&, std::size_t, int>) {
                work(i, worker);
            } else {
                work(i);
            }
        }
    };
    const std::size_t helpers =
        std::min<std::size_t>(static_cast<std::size_t>(std::max(threads, 1)), count) - 1;
    std::vector<std::thread> pool;
    pool.reserve(helpers);
    for (std::size_t i = 0; i < helpers; ++i) {
        pool.emplace_back(run, static_cast<int>(i) + 1);
    }
    run(0);
    for (std::thread& thread : pool) {
        thread.join();
    }
}

}  // namespace quendal_app
