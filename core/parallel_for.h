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

    // What the chunk tasks share; each task holds a pointer to it and its chunk
    // number, two words that the queue's callable keeps without allocating.
    struct Loop {
        std::atomic<std::size_t> countdown;
        std::mutex error_mutex;
        std::exception_ptr error;
        const Body* body;
        std::size_t chunk;
        std::size_t n;
        void record(std::exception_ptr e) {
            std::lock_guard lock(error_mutex);
            if (!error) {
                error = e;
            }
        }
    };
    Loop loop{{handed}, {}, {}, &body, chunk, n};
    std::atomic<std::size_t>& countdown = loop.countdown;
    bool all_handed = true;
    for (std::size_t j = 0; j < handed; ++j) {
        try {
            pool.submit(
                [l = &loop, j] {
                    const std::size_t begin = j * l->chunk;
                    try {
                        (*l->body)(begin, std::min(begin + l->chunk, l->n));
                    } catch (...) {
                        l->record(std::current_exception());
                    }
                    l->countdown.fetch_sub(1);
                },
                &countdown);
        } catch (...) {
            // Chunks j and later were never queued: nothing will count them down.
            countdown.fetch_sub(handed - j);
            loop.record(std::current_exception());
            all_handed = false;
            break;
        }
    }
    if (all_handed) {
        try {
            body(handed * chunk, n);
        } catch (...) {
            loop.record(std::current_exception());
        }
    }
    // The tasks refer to this frame: wait for every one before leaving.
    pool.wait_and_help(countdown);
    if (loop.error) {
        std::rethrow_exception(loop.error);
    }
}

}  // namespace quendal
