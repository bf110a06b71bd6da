#include "app/node_results_ahead.h"

#include <QtTest>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <set>
#include <vector>

using namespace quendal_app;

namespace {

// A computation the test lets through node by node; each result's stats
// ok flag carries nothing but its node, in `combos.rows.size()`.
class Gate {
public:
    NodeStatsAndCombos compute(std::uint64_t node) {
        std::unique_lock lock(mutex_);
        started_.push_back(static_cast<int>(node));
        changed_.notify_all();
        changed_.wait(lock, [&] { return open_.count(static_cast<int>(node)) != 0; });
        NodeStatsAndCombos r;
        r.combos.ok = true;
        r.combos.rows.resize(node);
        return r;
    }
    void open(int node) {
        const std::lock_guard lock(mutex_);
        open_.insert(node);
        changed_.notify_all();
    }
    // Waits until `count` computations have started; their nodes in order.
    std::vector<int> started(std::size_t count) {
        std::unique_lock lock(mutex_);
        changed_.wait_for(lock, std::chrono::seconds(10), [&] { return started_.size() >= count; });
        return started_;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<int> started_;
    std::set<int> open_;
};

}  // namespace

class NodeResultsAheadTest : public QObject {
    Q_OBJECT

private slots:
    // The newest nodes first, in their order; a node queued again moves up;
    // one asked for before its turn leaves the queue for its asker.
    void order() {
        Gate gate;
        NodeResultsAhead ahead([&](std::uint64_t n) { return gate.compute(n); });
        ahead.queue({1});
        QCOMPARE(gate.started(1), std::vector<int>({1}));
        ahead.queue({2, 3});
        ahead.queue({4, 2});
        QVERIFY(!ahead.take(3).has_value());  // not started: the caller computes it
        for (const int n : {1, 4, 2}) {
            gate.open(n);
        }
        QCOMPARE(gate.started(3), std::vector<int>({1, 4, 2}));
        QTRY_VERIFY(ahead.idle());
        QCOMPARE(gate.started(3).size(), std::size_t(3));
        for (const int n : {4, 2, 1}) {
            const auto r = ahead.take(n);
            QVERIFY(r.has_value());
            QCOMPARE((*r)->combos.rows.size(), std::size_t(n));
            QVERIFY(!ahead.take(n).has_value());  // handed over once
        }
    }

    // Asking for the node being computed waits for it; a clear waits for
    // the one under way and drops it with the results at hand.
    void waitAndClear() {
        Gate gate;
        NodeResultsAhead ahead([&](std::uint64_t n) { return gate.compute(n); });
        ahead.queue({5});
        gate.started(1);
        std::atomic<bool> taken{false};
        std::thread asker([&] {
            const auto r = ahead.take(5);
            taken = r.has_value() && (*r)->combos.rows.size() == 5;
        });
        QTest::qWait(50);
        QVERIFY(!taken);
        gate.open(5);
        asker.join();
        QVERIFY(taken);

        ahead.queue({6, 7});
        gate.started(2);
        std::thread opener([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            gate.open(6);
        });
        ahead.clear();  // returns once 6 has ended
        opener.join();
        QVERIFY(ahead.idle());
        QVERIFY(!ahead.take(6).has_value());
        QCOMPARE(gate.started(2), std::vector<int>({5, 6}));  // 7 was dropped unstarted
    }

    // At most so many nodes wait; the oldest fall off.
    void queueLimit() {
        Gate gate;
        NodeResultsAhead ahead([&](std::uint64_t n) { return gate.compute(n); });
        ahead.queue({100});
        gate.started(1);
        std::vector<int> many;
        for (int n = 0; n < int(NodeResultsAhead::kMaxQueued) + 3; ++n) {
            many.push_back(n);
        }
        ahead.queue(many);
        for (int n = 0; n <= 100; ++n) {
            gate.open(n);
        }
        QTRY_VERIFY(ahead.idle());
        const std::vector<int> started = gate.started(NodeResultsAhead::kMaxQueued + 1);
        QCOMPARE(started.size(), NodeResultsAhead::kMaxQueued + 1);
        QCOMPARE(started.back(), int(NodeResultsAhead::kMaxQueued) - 1);
    }
};

QTEST_GUILESS_MAIN(NodeResultsAheadTest)
#include "node_results_ahead_test.moc"
