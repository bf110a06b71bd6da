// Splits [0, n) into up to `threads` contiguous chunks: all but the last go to
// the pool, the caller runs the last and then helps until every chunk is done.
// An exception in any chunk is held until every chunk has finished, then the
// first one is rethrown on the calling thread. When handing a chunk to the
// pool fails (out of memory), the chunks not yet handed out and the caller's
// own are skipped, the queued ones still run to their end, and the failure is
// rethrown the same way. `Pool` is a ThreadPool or a stand-in with its submit
// (which either queues the task, tagged with the loop's countdown, or throws)
// and wait_and_help.
#pragma once

#include "core/thread_pool.h"

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <exception>
#include <mutex>

namespace quendal {

template <typename Pool, typename Body>
void parallel_for(Pool& pool, std::size_t threads, std::size_t n, const Body& body) {
    const std::size_t k = std::max<std::size_t>(1, std::min(threads, n));
    const std::size_t chunk = std::max<std::size_t>(1, (n + k - 1) / k);
    const std::size_t chunks = n == 0 ? 0 : (n + chunk - 1) / chunk;
    const std::size_t handed = chunks == 0 ? 0 : chunks - 1;
    if (handed == 0) {
        body(std::size_t{0}, n);
        return;
    }

    std::atomic<std::size_t> countdown{handed};
    std::mutex error_mutex;
    std::exception_ptr error;
    const auto record = [&](std::exception_ptr e) {
        std::lock_guard lock(error_mutex);
        if (!error) {
            error = e;
        }
    };
    bool all_handed = true;
    for (std::size_t j = 0; j < handed; ++j) {
        const std::size_t begin = j * chunk;
        const std::size_t end = std::min(begin + chunk, n);
        try {
            pool.submit(
                [&, begin, end] {
                    try {
                        body(begin, end);
                    } catch (...) {
                        record(std::current_exception());
                    }
                    countdown.fetch_sub(1);
                },
                &countdown);
        } catch (...) {
            // Chunks j and later were never queued: nothing will count them down.
            countdown.fetch_sub(handed - j);
            record(std::current_exception());
            all_handed = false;
            break;
        }
    }
    if (all_handed) {
        try {
            body(handed * chunk, n);
        } catch (...) {
            record(std::current_exception());
        }
    }
    // The tasks refer to this frame: wait for every one before leaving.
    pool.wait_and_help(countdown);
    if (error) {
        std::rethrow_exception(error);
    }
}

}  // namespace quendal
