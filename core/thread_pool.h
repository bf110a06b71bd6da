// A small fixed pool of worker threads fed through one queue. Idle workers
// take the oldest task; a thread waiting for its loop's tasks helps run queued
// work instead of sleeping, its own loop's first, so nested parallel loops
// make progress and the waiting thread returns to its own work soon.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace quendal {

class ThreadPool {
public:
    using Task = std::function<void()>;

    // Starts `workers` threads; if one cannot be started, those already
    // running are stopped and joined before the error leaves.
    explicit ThreadPool(std::size_t workers);
    // Runs every queued task, then joins the workers.
    ~ThreadPool();
    ThreadPool(const ThreadPool&) = delete;
    ThreadPool& operator=(const ThreadPool&) = delete;

    std::size_t worker_count() const { return workers_.size(); }

    // Queues a task; `countdown`, when given, is the loop counter the task
    // counts down once it has run.
    void submit(Task task, const std::atomic<std::size_t>* countdown = nullptr);
    // Returns once `countdown` reads 0, running queued tasks meanwhile: the
    // newest task of this countdown when there is one, else the newest task.
    void wait_and_help(const std::atomic<std::size_t>& countdown);

private:
    void worker_loop();
    void stop_and_join();
    struct Queued {
        Task task;
        const std::atomic<std::size_t>* countdown;
    };
    // Takes a task when there is one: for an idle worker (no countdown) the
    // oldest, else the one a thread waiting on `waiting_on` should run next.
    bool try_take(Task& task, const std::atomic<std::size_t>* waiting_on = nullptr);
    // Moves the task at `at` out; the caller holds the mutex.
    void take(std::deque<Queued>::iterator at, Task& task);
    // Watches the queue for a short while before a worker goes to sleep:
    // parallel loops follow each other closely, and a sleeping worker takes
    // far longer to wake than a loop's chunk takes to run.
    bool spin_for_task(Task& task);

    std::vector<std::thread> workers_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Queued> tasks_;
    bool stop_ = false;
    // Read without the mutex by threads looking for work; changed under it.
    std::atomic<std::size_t> queued_{0};
    std::atomic<std::size_t> sleeping_{0};
};

}  // namespace quendal
