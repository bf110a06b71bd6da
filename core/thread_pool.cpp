#include "core/thread_pool.h"

#include "core/thread_start.h"

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

void ThreadPool::submit(Task task) {
    {
        std::lock_guard lock(mutex_);
        tasks_.push_back(std::move(task));
    }
    wake_.notify_one();
}

void ThreadPool::wait_and_help(const std::atomic<std::size_t>& countdown) {
    while (countdown.load() != 0) {
        Task task;
        {
            std::lock_guard lock(mutex_);
            if (!tasks_.empty()) {
                task = std::move(tasks_.front());
                tasks_.pop_front();
            }
        }
        if (task) {
            task();
        } else {
            std::this_thread::yield();
        }
    }
}

void ThreadPool::worker_loop() {
    while (true) {
        Task task;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stop_ || !tasks_.empty(); });
            if (tasks_.empty()) {
                return;  // stopping, and the queue is drained
            }
            task = std::move(tasks_.front());
            tasks_.pop_front();
        }
        task();
    }
}

}  // namespace quendal
