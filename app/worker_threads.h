// Work shared out over a few threads for the length of one call: a large
// file read or written on the calling thread uses the machine's cores.
#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <thread>
#include <vector>

namespace quendal_app {

// Calls `work(i)` once for every i in [0, count), on up to `threads`
// threads (the calling one among them), taking the i in rising order; and
// returns when all calls have.
template <class Work>
void forEachOnThreads(int threads, std::size_t count, const Work& work) {
    std::atomic<std::size_t> next{0};
    const auto run = [&] {
        for (std::size_t i; (i = next.fetch_add(1, std::memory_order_relaxed)) < count;) {
            work(i);
        }
    };
    const std::size_t helpers =
        std::min<std::size_t>(static_cast<std::size_t>(std::max(threads, 1)), count) - 1;
    std::vector<std::thread> pool;
    pool.reserve(helpers);
    for (std::size_t i = 0; i + 1 <= helpers; ++i) {
        pool.emplace_back(run);
    }
    run();
    for (std::thread& thread : pool) {
        thread.join();
    }
}

}  // namespace quendal_app
