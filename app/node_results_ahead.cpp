#include "app/node_results_ahead.h"

#include "core/thread_start.h"

#include <algorithm>

namespace quendal_app {

NodeResultsAhead::NodeResultsAhead(Compute compute) : compute_(std::move(compute)) {
    thread_ = std::thread([this] {
        quendal::on_thread_start();
        run();
    });
}

NodeResultsAhead::~NodeResultsAhead() {
    {
        const std::lock_guard lock(mutex_);
        stop_ = true;
        queued_.clear();
    }
    changed_.notify_all();
    thread_.join();
}

void NodeResultsAhead::queue(const std::vector<int>& nodes) {
    {
        const std::lock_guard lock(mutex_);
        for (auto it = nodes.rbegin(); it != nodes.rend(); ++it) {
            const int node = *it;
            if (node < 0 || node == running_ || done_.count(node) != 0) {
                continue;
            }
            queued_.erase(std::remove(queued_.begin(), queued_.end(), node), queued_.end());
            queued_.push_front(node);
        }
        while (queued_.size() > kMaxQueued) {
            queued_.pop_back();
        }
    }
    changed_.notify_all();
}

std::optional<NodeResultsAhead::Result> NodeResultsAhead::take(int node) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return running_ != node; });
    if (const auto it = done_.find(node); it != done_.end()) {
        Result result = std::move(it->second);
        done_.erase(it);
        doneOrder_.erase(std::find(doneOrder_.begin(), doneOrder_.end(), node));
        return result;
    }
    queued_.erase(std::remove(queued_.begin(), queued_.end(), node), queued_.end());
    return std::nullopt;
}

void NodeResultsAhead::clear() {
    std::unique_lock lock(mutex_);
    ++generation_;
    queued_.clear();
    done_.clear();
    doneOrder_.clear();
    // The computation under way reads the state being dropped (a new solve
    // is about to take its memory): it ends first.
    changed_.wait(lock, [&] { return running_ < 0; });
}

bool NodeResultsAhead::idle() const {
    const std::lock_guard lock(mutex_);
    return queued_.empty() && running_ < 0;
}

bool NodeResultsAhead::holds(int node) const {
    const std::lock_guard lock(mutex_);
    return done_.count(node) != 0;
}

void NodeResultsAhead::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [&] { return stop_ || !queued_.empty(); });
        if (stop_) {
            return;
        }
        const int node = queued_.front();
        queued_.pop_front();
        running_ = node;
        const std::uint64_t generation = generation_;
        lock.unlock();
        Result result;
        try {
            result = std::make_shared<const NodeStatsAndCombos>(
                compute_(static_cast<std::uint64_t>(node)));
        } catch (...) {
            result.reset();  // the GUI thread asks again and meets the failure itself
        }
        lock.lock();
        running_ = -1;
        if (result && generation == generation_) {
            done_[node] = std::move(result);
            doneOrder_.push_back(node);
            if (doneOrder_.size() > kMaxKept) {
                done_.erase(doneOrder_.front());
                doneOrder_.pop_front();
            }
        }
        changed_.notify_all();
    }
}

}  // namespace quendal_app
