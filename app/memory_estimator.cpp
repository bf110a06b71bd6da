#include "app/memory_estimator.h"

#include "core/thread_start.h"

namespace quendal_app {

MemoryEstimator::MemoryEstimator(std::shared_ptr<DeliveryGate> gate, Answer answer,
                                 Estimate estimate)
    : gate_(std::move(gate)), answer_(std::move(answer)), estimate_(std::move(estimate)) {}

MemoryEstimator::~MemoryEstimator() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
        pending_.reset();
    }
    wake_.notify_all();
    if (worker_.joinable()) {
        worker_.join();
    }
}

void MemoryEstimator::request(std::uint64_t generation, SolveConfig config) {
    {
        std::lock_guard lock(mutex_);
        pending_.emplace(generation, std::move(config));
        if (!worker_.joinable()) {
            try {
                worker_ = std::thread([this] { run(); });
            } catch (const std::exception&) {
                // No worker: the figure stays unknown.
                pending_.reset();
                gate_->post([answer = answer_, generation] { answer(generation, {}); });
                return;
            }
        }
    }
    wake_.notify_one();
}

void MemoryEstimator::run() {
    quendal::on_thread_start();
    while (true) {
        std::pair<std::uint64_t, SolveConfig> job;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stop_ || pending_.has_value(); });
            if (stop_) {
                return;
            }
            job = std::move(*pending_);
            pending_.reset();
        }
        MemoryFigure figure;
        try {
            figure = estimate_(job.second);
        } catch (const std::exception&) {
            figure = {};
        }
        gate_->post(
            [answer = answer_, generation = job.first, figure] { answer(generation, figure); });
    }
}

}  // namespace quendal_app
