#include "core/parallel_for.h"

#include <atomic>
#include <chrono>
#include <mutex>
#include <set>
#include <stdexcept>
#include <thread>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace quendal {
namespace {

using Range = std::pair<std::size_t, std::size_t>;

struct Recorder {
    std::mutex mutex;
    std::vector<std::pair<Range, std::thread::id>> calls;

    void operator()(std::size_t begin, std::size_t end) {
        std::lock_guard lock(mutex);
        calls.push_back({{begin, end}, std::this_thread::get_id()});
    }
    std::set<Range> ranges() {
        std::set<Range> out;
        for (const auto& c : calls) {
            out.insert(c.first);
        }
        return out;
    }
};

TEST(ParallelFor, SplitsIntoTheDocumentedChunks) {
    const struct {
        std::size_t threads, n;
        std::set<Range> ranges;
        Range caller;
    } cases[] = {
        {8, 10, {{0, 2}, {2, 4}, {4, 6}, {6, 8}, {8, 10}}, {8, 10}},
        {3, 7, {{0, 3}, {3, 6}, {6, 7}}, {6, 7}},
        {2, 2, {{0, 1}, {1, 2}}, {1, 2}},
        {8, 1, {{0, 1}}, {0, 1}},
    };
    ThreadPool pool(7);
    for (const auto& c : cases) {
        Recorder recorder;
        parallel_for(pool, c.threads, c.n, [&](std::size_t b, std::size_t e) { recorder(b, e); });
        EXPECT_EQ(recorder.ranges(), c.ranges) << c.threads << " " << c.n;
        for (const auto& call : recorder.calls) {
            if (call.first == c.caller) {
                EXPECT_EQ(call.second, std::this_thread::get_id());
            }
        }
    }
    // T = 16, n = 45: chunks of 3, the caller runs [42, 45).
    Recorder wide;
    parallel_for(pool, 16, 45, [&](std::size_t b, std::size_t e) { wide(b, e); });
    EXPECT_EQ(wide.calls.size(), 15u);
    EXPECT_EQ(wide.ranges().count({42, 45}), 1u);
}

TEST(ParallelFor, CoversEveryIndexExactlyOnce) {
    ThreadPool pool(3);
    for (std::size_t threads : {1u, 2u, 4u, 9u}) {
        for (std::size_t n = 0; n <= 40; ++n) {
            std::vector<std::atomic<int>> hits(n);
            parallel_for(pool, threads, n, [&](std::size_t b, std::size_t e) {
                for (std::size_t i = b; i < e; ++i) {
                    hits[i].fetch_add(1);
                }
            });
            for (std::size_t i = 0; i < n; ++i) {
                ASSERT_EQ(hits[i].load(), 1) << threads << " " << n << " " << i;
            }
        }
    }
}

TEST(ParallelFor, WaitingCallerRunsNestedLoops) {
    // No workers at all: only a caller that helps while it waits can finish.
    ThreadPool pool(0);
    std::atomic<int> inner{0};
    std::set<std::thread::id> threads;
    std::mutex mutex;
    parallel_for(pool, 4, 4, [&](std::size_t, std::size_t) {
        parallel_for(pool, 3, 3, [&](std::size_t b, std::size_t e) {
            inner.fetch_add(static_cast<int>(e - b));
            std::lock_guard lock(mutex);
            threads.insert(std::this_thread::get_id());
        });
    });
    EXPECT_EQ(inner.load(), 12);
    EXPECT_EQ(threads, std::set<std::thread::id>{std::this_thread::get_id()});
}

TEST(ParallelFor, AnExceptionInAChunkReachesTheCallerAfterEveryChunk) {
    ThreadPool pool(3);
    for (std::size_t failing : {0u, 3u}) {  // a pool chunk, then the caller's own
        std::atomic<int> finished{0};
        EXPECT_THROW(parallel_for(pool, 4, 4,
                                  [&](std::size_t b, std::size_t) {
                                      if (b == failing) {
                                          throw std::runtime_error("chunk failed");
                                      }
                                      std::this_thread::sleep_for(std::chrono::milliseconds(5));
                                      finished.fetch_add(1);
                                  }),
                     std::runtime_error);
        EXPECT_EQ(finished.load(), 3);
    }
    // The pool stays usable.
    std::atomic<int> sum{0};
    parallel_for(pool, 4, 100, [&](std::size_t b, std::size_t e) { sum += int(e - b); });
    EXPECT_EQ(sum.load(), 100);
}

TEST(ThreadPool, DestructionRunsEveryQueuedTask) {
    std::atomic<int> ran{0};
    {
        ThreadPool pool(1);
        pool.submit([] { std::this_thread::sleep_for(std::chrono::milliseconds(20)); });
        for (int i = 0; i < 10; ++i) {
            pool.submit([&] { ran.fetch_add(1); });
        }
    }
    EXPECT_EQ(ran.load(), 10);
}

}  // namespace
}  // namespace quendal
