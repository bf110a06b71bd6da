// The action statistics and combos of nodes the user may ask for next,
// computed ahead on one background thread while the user looks at the
// current node: a click on one of its actions then finds the answer ready
// (or waits only for the rest of its computation) instead of walking a
// large subtree on the GUI thread.
#pragma once

#include "session/hand_queries.h"

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <unordered_map>
#include <vector>

namespace quendal_app {

class NodeResultsAhead {
public:
    using Result = std::shared_ptr<const NodeStatsAndCombos>;
    // Runs on the background thread; may be called there while the GUI
    // thread asks the session about other nodes.
    using Compute = std::function<NodeStatsAndCombos(std::uint64_t node)>;

    explicit NodeResultsAhead(Compute compute);
    // Waits for the computation under way.
    ~NodeResultsAhead();
    NodeResultsAhead(const NodeResultsAhead&) = delete;
    NodeResultsAhead& operator=(const NodeResultsAhead&) = delete;

    // Queues `nodes`, in their order, ahead of every node queued before (the
    // user's newest node comes first); nodes queued or computed already are
    // not queued again, and the oldest fall off beyond `kMaxQueued`.
    void queue(const std::vector<int>& nodes);
    // The node's result computed ahead, handed over once: ready, or waited
    // for while it is being computed. Nothing (and the node leaves the
    // queue) when it has not been started: the caller computes it.
    std::optional<Result> take(int node);
    // Forgets everything queued and computed, once the computation under
    // way has ended (its result is dropped).
    void clear();
    // Whether nothing is queued or under way, and whether the node's result
    // is at hand (for tests).
    bool idle() const;
    bool holds(int node) const;

    static constexpr std::size_t kMaxQueued = 12;
    // Results computed ahead and never asked for are kept up to this many,
    // the oldest dropped first.
    static constexpr std::size_t kMaxKept = 64;

private:
    void run();

    Compute compute_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<int> queued_;
    std::unordered_map<int, Result> done_;
    std::deque<int> doneOrder_;
    int running_ = -1;
    std::uint64_t generation_ = 0;
    bool stop_ = false;
    std::thread thread_;
};

}  // namespace quendal_app
