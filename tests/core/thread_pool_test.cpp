#include "core/parallel_for.h"

#include <atomic>
#include <chrono>
#include <mutex>
#include <new>
#include <set>
#include <stdexcept>
#include <string>
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

TEST(ParallelFor, AWaitingCallerRunsItsOwnChunksBeforeOlderTasks) {
    ThreadPool pool(0);
    std::vector<std::string> ran;
    std::atomic<std::size_t> other{1};
    pool.submit(
        [&] {
            ran.push_back("other");
            other.fetch_sub(1);
        },
        &other);
    parallel_for(pool, 3, 3,
                 [&](std::size_t b, std::size_t) { ran.push_back("chunk " + std::to_string(b)); });
    // The loop is done without the older task, which is still queued.
    EXPECT_EQ(std::set<std::string>(ran.begin(), ran.end()),
              (std::set<std::string>{"chunk 0", "chunk 1", "chunk 2"}));
    pool.wait_and_help(other);
    EXPECT_EQ(ran.back(), "other");

    // A caller whose loop has no task queued runs other tasks: here the one
    // that counts its loop down.
    std::atomic<std::size_t> mine{1};
    pool.submit([&] { mine.fetch_sub(1); });
    pool.wait_and_help(mine);
    EXPECT_EQ(mine.load(), 0u);
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

// A pool without workers whose submit fails once, on its `fail_at`-th call (0
// the first), as it does when memory runs out. Its tasks run only while a
// caller waits, so a chunk still queued when parallel_for leaves would run
// later against a frame that no longer exists.
class FailingPool {
public:
    explicit FailingPool(std::size_t fail_at) : fail_at_(fail_at) {}

    void submit(ThreadPool::Task task, const std::atomic<std::size_t>* countdown) {
        if (submits_++ == fail_at_) {
            throw std::bad_alloc();
        }
        ++queued_;
        pool_.submit(
            [this, task = std::move(task)] {
                task();
                ++ran_;
            },
            countdown);
    }
    void wait_and_help(const std::atomic<std::size_t>& countdown) {
        pool_.wait_and_help(countdown);
    }
    std::size_t queued() const { return queued_; }
    std::size_t ran() const { return ran_; }

private:
    ThreadPool pool_{0};
    std::size_t fail_at_;
    std::size_t submits_ = 0;
    std::size_t queued_ = 0;
    std::size_t ran_ = 0;
};

TEST(ParallelFor, AFailedHandOutRunsTheQueuedChunksBeforeRethrowing) {
    // 10 indices on 5 threads: four chunks of 2 for the pool, [8, 10) for the caller.
    for (std::size_t fail_at : {0u, 1u, 3u}) {
        FailingPool pool(fail_at);
        std::set<Range> ran;
        EXPECT_THROW(parallel_for(pool, 5, 10,
                                  [&](std::size_t b, std::size_t e) {
                                      ran.insert({b, e});
                                  }),
                     std::bad_alloc)
            << fail_at;
        EXPECT_EQ(pool.queued(), fail_at);
        // Checked before anything else waits on the pool, which would run a
        // chunk left behind.
        ASSERT_EQ(pool.ran(), pool.queued())
            << "a queued chunk outlived the call, fail_at " << fail_at;
        std::set<Range> queued;
        for (std::size_t j = 0; j < fail_at; ++j) {
            queued.insert({2 * j, 2 * j + 2});
        }
        EXPECT_EQ(ran, queued) << fail_at;

        // Later loops on the same pool run in full.
        std::size_t sum = 0;
        parallel_for(pool, 5, 10, [&](std::size_t b, std::size_t e) { sum += e - b; });
        EXPECT_EQ(sum, 10u);
        EXPECT_EQ(pool.ran(), pool.queued());
    }
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
