// Memory estimates of solve configurations on one worker thread that only
// ever works on the newest pending request; answers go back through the
// caller's delivery gate.
#pragma once

#include "app/delivery_gate.h"
#include "session/solve_records.h"

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace quendal_app {

// A solve's total bytes, 0 when unknown; `at_least` when the count stopped
// at its limit.
struct MemoryFigure {
    std::uint64_t bytes = 0;
    bool at_least = false;
};

class MemoryEstimator {
public:
    // Runs on the target's thread with the request's generation and its figure.
    using Answer = std::function<void(std::uint64_t generation, MemoryFigure figure)>;
    using Estimate = std::function<MemoryFigure(const SolveConfig&)>;

    MemoryEstimator(std::shared_ptr<DeliveryGate> gate, Answer answer, Estimate estimate);
    // Stops the worker after the request in progress, if any.
    ~MemoryEstimator();
    MemoryEstimator(const MemoryEstimator&) = delete;
    MemoryEstimator& operator=(const MemoryEstimator&) = delete;

    // Replaces any request not yet started.
    void request(std::uint64_t generation, SolveConfig config);

private:
    void run();

    std::shared_ptr<DeliveryGate> gate_;
    Answer answer_;
    Estimate estimate_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<std::pair<std::uint64_t, SolveConfig>> pending_;
    bool stop_ = false;
    std::thread worker_;
};

}  // namespace quendal_app
