#include "core/thread_pool.h"

#include "core/thread_start.h"

#include <chrono>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace quendal {

ThreadPool::ThreadPool(std::size_t workers) {
    workers_.reserve(workers);
    try {
        for (std::size_t i = 0; i < workers; ++i) {
            workers_.emplace_back([this] {
                on_thread_start();
                worker_loop();
            });
        }
    } catch (...) {
        stop_and_join();
        throw;
    }
}

ThreadPool::~ThreadPool() {
    stop_and_join();
}

void ThreadPool::stop_and_join() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
    for (std::thread& worker : workers_) {
        if (worker.joinable()) {
            worker.join();
        }
    }
}

namespace {

void cpu_relax() {
#if defined(__x86_64__) || defined(__i386__)
    _mm_pause();
#else
    std::this_thread::yield();
#endif
}

// How long an idle worker keeps watching the queue before it sleeps.
constexpr auto kSpinTime = std::chrono::microseconds(200);

}  // namespace

void ThreadPool::submit(Task task, const std::atomic<std::size_t>* countdown) {
    {
        std::lock_guard lock(mutex_);
        tasks_.push_back({std::move(task), countdown});
        queued_.store(tasks_.size());
    }
    // A worker counts itself as sleeping under the mutex before it waits, so
    // one that saw no task is either counted here or sees this one.
    if (sleeping_.load() != 0) {
        wake_.notify_one();
    }
}

// An idle worker takes the oldest task. A thread waiting on a countdown takes
// the newest task of that countdown, else the newest task: its own work
// resumes only once the task it runs ends. Its own loop's chunks are no longer
// than the loop it waits for, and loops nested deeper are submitted later and
// are smaller; an older task, such as a whole chunk of an outer loop, would
// keep it away from its own work for that long and leave the others idle at
// the end of the outer loop.
bool ThreadPool::try_take(Task& task, const std::atomic<std::size_t>* waiting_on) {
    if (queued_.load(std::memory_order_relaxed) == 0) {
        return false;
    }
    // A thread that finds the queue held by another looks again later rather
    // than queueing on the mutex: when a loop hands out its chunks, every
    // idle thread reaches for them at once.
    std::unique_lock lock(mutex_, std::try_to_lock);
    if (!lock.owns_lock() || tasks_.empty()) {
        return false;
    }
    if (waiting_on == nullptr) {
        take(tasks_.begin(), task);
        return true;
    }
    auto chosen = tasks_.end() - 1;
    for (auto it = tasks_.end(); it != tasks_.begin();) {
        --it;
        if (it->countdown == waiting_on) {
            chosen = it;
            break;
        }
    }
    take(chosen, task);
    return true;
}

void ThreadPool::take(std::deque<Queued>::iterator at, Task& task) {
    task = std::move(at->task);
    tasks_.erase(at);
    queued_.store(tasks_.size());
}

bool ThreadPool::spin_for_task(Task& task) {
    const auto until = std::chrono::steady_clock::now() + kSpinTime;
    for (unsigned spin = 1;; ++spin) {
        if (try_take(task)) {
            return true;
        }
        cpu_relax();
        if (spin % 64 == 0 && std::chrono::steady_clock::now() >= until) {
            return false;
        }
    }
}

void ThreadPool::wait_and_help(const std::atomic<std::size_t>& countdown) {
    while (countdown.load() != 0) {
        Task task;
        if (try_take(task, &countdown)) {
            task();
        } else {
            cpu_relax();
        }
    }
}

void ThreadPool::worker_loop() {
    while (true) {
        Task task;
        if (!spin_for_task(task)) {
            std::unique_lock lock(mutex_);
            sleeping_.fetch_add(1);
            wake_.wait(lock, [this] { return stop_ || !tasks_.empty(); });
            sleeping_.fetch_sub(1);
            if (tasks_.empty()) {
                return;  // stopping, and the queue is drained
            }
            take(tasks_.begin(), task);
        }
        task();
    }
}

}  // namespace quendal
