#include "session/solve_session.h"

#include "session_fixtures.h"

#include <atomic>
#include <chrono>
#include <clocale>
#include <functional>
#include <future>
#include <memory>
#include <new>
#include <numeric>
#include <system_error>
#include <thread>

#include <gtest/gtest.h>

namespace quendal_app {
namespace {

using test::ReportLog;
using test::solve_and_wait;

int count_iteration_reports(const std::vector<SolveProgress>& reports) {
    int n = 0;
    for (const SolveProgress& p : reports) {
        n += p.status.rfind("Iter ", 0) == 0 ? 1 : 0;
    }
    return n;
}

TEST(SolveSessionText, IterationStatusAndFraction) {
    EXPECT_EQ(iteration_status_text(150, 12.5f),
              "Iter 150 | exploitability\u22481"
              "2.5000");
    EXPECT_EQ(iteration_status_text(0, 0.0f), "Iter 0 | exploitability\u22480.0000");
    // The process locale never turns the point into a comma.
    const char* before = std::setlocale(LC_ALL, nullptr);
    const std::string saved = before ? before : "C";
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr) {
        EXPECT_EQ(iteration_status_text(7, 0.25f), "Iter 7 | exploitability\u22480.2500");
    }
    std::setlocale(LC_ALL, saved.c_str());

    EXPECT_DOUBLE_EQ(iteration_fraction(1000, 1000), 0.999);
    EXPECT_DOUBLE_EQ(iteration_fraction(350, 2000), 0.175);
    EXPECT_DOUBLE_EQ(iteration_fraction(5, 0), 0.0);
    EXPECT_DOUBLE_EQ(iteration_fraction(0, 10), 0.0);
}

TEST(SolveSession, FinishedRiverSolveReportsInOrder) {
    SolveSession session;
    SolveConfig config = test::river_fixture();
    config.max_iterations = 120;
    std::atomic<bool> running_at_final{false};
    ReportLog log;
    auto record = log.callback();
    ASSERT_TRUE(session.start(config, [&](const SolveProgress& p) {
        if (p.result) {
            running_at_final = session.is_running();
        }
        record(p);
    }));
    session.wait_until_idle();
    const std::vector<SolveProgress> reports = log.reports();
    EXPECT_FALSE(session.is_running());
    EXPECT_TRUE(running_at_final);  // running falls only after the final report

    ASSERT_EQ(reports.size(), 3u + 120u + 3u);
    EXPECT_EQ(reports[0].status, "Init: building game object...");
    EXPECT_EQ(reports[1].status, "Init: building game tree structures...");
    EXPECT_EQ(reports[2].status, "Init: starting solver...");
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(reports[i].progress, 0.0);
        EXPECT_FALSE(reports[i].result.has_value());
    }
    for (int n = 1; n <= 120; ++n) {
        const SolveProgress& p = reports[2 + n];
        EXPECT_EQ(p.status.rfind("Iter " + std::to_string(n) + " | exploitability\u2248", 0), 0u)
            << p.status;
        EXPECT_DOUBLE_EQ(p.progress, n == 120 ? 0.999 : n / 120.0);
        EXPECT_FALSE(p.result.has_value());
    }
    EXPECT_EQ(reports[123].status, "Finalizing: computing results...");
    EXPECT_EQ(reports[124].status, "Finalizing: building result snapshot...");
    EXPECT_DOUBLE_EQ(reports[123].progress, 0.999);
    EXPECT_DOUBLE_EQ(reports[124].progress, 0.999);
    const SolveProgress& done = reports[125];
    EXPECT_EQ(done.status, "Done");
    EXPECT_EQ(done.progress, 1.0);
    ASSERT_TRUE(done.result.has_value());

    const SolveResultSnapshot& s = *done.result;
    EXPECT_TRUE(s.ok);
    EXPECT_EQ(s.error, "");
    EXPECT_EQ(s.board, "KsQd7h4c2s");
    EXPECT_EQ(s.starting_pot, 1000);
    EXPECT_EQ(s.effective_stack, 2000);
    EXPECT_EQ(s.iterations, 120u);
    EXPECT_GT(s.exploitability, 0.0f);
    // Zero-sum without rake.
    EXPECT_NEAR(s.ev_oop + s.ev_ip, 0.0f, 1.0f);
    EXPECT_NE(s.ev_oop, 0.0f);
    EXPECT_EQ(s.root_action_labels, (std::vector<std::string>{"Check", "Bet 50%", "Bet 100%"}));
    EXPECT_EQ(s.root_action_codes, (std::vector<std::string>{"check", "bet 50%", "bet 100%"}));
    EXPECT_NEAR(
        std::accumulate(s.root_action_frequencies.begin(), s.root_action_frequencies.end(), 0.0),
        1.0, 1e-5);

    const SolveSession::SolvedState state = session.solved_state();
    ASSERT_TRUE(state);
    ASSERT_EQ(s.nodes.size(), state.game->nodes().size());
    for (std::size_t i = 0; i < s.nodes.size(); ++i) {
        const quendal::NodeState& node = state.game->nodes()[i];
        const SolveNodeMeta& meta = s.nodes[i];
        EXPECT_EQ(meta.pot, node.pot);
        EXPECT_EQ(meta.invested_oop, node.contribution_oop);
        EXPECT_EQ(meta.invested_ip, node.contribution_ip);
        ASSERT_EQ(meta.actions.size(), node.actions.size());
        if (node.type == quendal::kDecisionNode) {
            EXPECT_EQ(meta.kind, "decision");
            EXPECT_EQ(meta.player, node.player == 0 ? "OOP" : "IP");
            double sum = 0.0;
            for (std::size_t j = 0; j < meta.actions.size(); ++j) {
                EXPECT_EQ(meta.actions[j].child, node.children[j]);
                sum += meta.actions[j].frequency;
            }
            EXPECT_NEAR(sum, 1.0, 1e-5) << "node " << i;
        } else {
            EXPECT_EQ(meta.kind, "terminal");
            EXPECT_EQ(meta.player, "");
        }
        EXPECT_EQ(meta.street, "");
    }
    EXPECT_EQ(s.nodes[0].actions[1].label, "Bet 50%");
}

TEST(SolveSession, ChanceNodesNameTheirStreetAndShowEqualFrequencies) {
    SolveSession session;
    const std::vector<SolveProgress> reports = solve_and_wait(session, test::tiny_flop_fixture());
    ASSERT_FALSE(reports.empty());
    ASSERT_TRUE(reports.back().result && reports.back().result->ok) << reports.back().status;
    int turns = 0, rivers = 0;
    for (const SolveNodeMeta& meta : reports.back().result->nodes) {
        if (meta.kind != "chance") {
            continue;
        }
        turns += meta.street == "turn";
        rivers += meta.street == "river";
        ASSERT_FALSE(meta.actions.empty());
        EXPECT_EQ(meta.actions[0].code, "chance");
        EXPECT_EQ(meta.actions[0].label.size(), 2u);  // a card text
        for (const SolveActionMeta& a : meta.actions) {
            EXPECT_FLOAT_EQ(a.frequency, 1.0f / meta.actions.size());
        }
    }
    EXPECT_GT(turns, 0);
    EXPECT_GT(rivers, 0);
}

TEST(SolveSession, FixturesSolve) {
    SolveSession session;
    for (const SolveConfig& config : {test::turn_fixture(), test::tiny_flop_fixture()}) {
        const std::vector<SolveProgress> reports = solve_and_wait(session, config);
        ASSERT_FALSE(reports.empty());
        EXPECT_EQ(reports.back().status, "Done");
        EXPECT_TRUE(session.solved_state());
    }
}

TEST(SolveSession, ZeroIterationsAndAnEarlyTarget) {
    SolveSession session;
    SolveConfig config = test::river_fixture();
    config.max_iterations = 0;
    std::vector<SolveProgress> reports = solve_and_wait(session, config);
    EXPECT_EQ(count_iteration_reports(reports), 0);
    ASSERT_EQ(reports.size(), 6u);
    EXPECT_EQ(reports[3].progress, 0.0);
    EXPECT_EQ(reports[4].progress, 0.0);
    EXPECT_EQ(reports[5].status, "Done");
    EXPECT_EQ(reports[5].progress, 1.0);

    // A target met at a measurement ends the run there: the Finalizing
    // progress is the iterations run over the limit.
    config.max_iterations = 2000;
    config.target_exploitability = 1e6f;
    reports = solve_and_wait(session, config);
    ASSERT_TRUE(reports.back().result);
    EXPECT_EQ(reports.back().result->iterations, 50u);
    const auto finalizing = reports[reports.size() - 3];
    EXPECT_EQ(finalizing.status, "Finalizing: computing results...");
    EXPECT_DOUBLE_EQ(finalizing.progress, 50.0 / 2000.0);
}

TEST(SolveSession, CancelBeforeDuringAndAfter) {
    SolveSession session;
    SolveConfig config = test::river_fixture();

    // Before: start clears the request.
    session.cancel();
    std::vector<SolveProgress> reports = solve_and_wait(session, config);
    EXPECT_EQ(reports.back().status, "Done");

    // After: nothing changes, the result stays kept.
    session.cancel();
    EXPECT_TRUE(session.solved_state());
    EXPECT_FALSE(session.is_running());

    // During initialisation: no iteration runs.
    ReportLog log;
    auto record = log.callback();
    ASSERT_TRUE(session.start(config, [&](const SolveProgress& p) {
        if (p.status == "Init: building game object...") {
            session.cancel();
        }
        record(p);
    }));
    session.wait_until_idle();
    reports = log.reports();
    EXPECT_EQ(count_iteration_reports(reports), 0);
    const SolveProgress& last = reports.back();
    EXPECT_EQ(last.status, "Cancelled");
    EXPECT_EQ(last.progress, 0.0);
    ASSERT_TRUE(last.result.has_value());
    EXPECT_FALSE(last.result->ok);
    EXPECT_EQ(last.result->error, "Cancelled");
    EXPECT_EQ(last.result->board, config.board);
    EXPECT_EQ(last.result->starting_pot, config.starting_pot);
    EXPECT_EQ(last.result->effective_stack, config.effective_stack);
    EXPECT_EQ(last.result->iterations, 0u);
    EXPECT_TRUE(last.result->nodes.empty());
    EXPECT_TRUE(last.result->root_action_labels.empty());
    EXPECT_FALSE(session.solved_state());  // a cancelled solve keeps nothing

    // During the run: the next iteration boundary stops it.
    ReportLog running_log;
    auto record_running = running_log.callback();
    config.max_iterations = 100000;
    ASSERT_TRUE(session.start(config, [&](const SolveProgress& p) {
        if (p.status.rfind("Iter 5 ", 0) == 0) {
            session.cancel();
        }
        record_running(p);
    }));
    session.wait_until_idle();
    reports = running_log.reports();
    EXPECT_EQ(count_iteration_reports(reports), 5);
    EXPECT_EQ(reports.back().status, "Cancelled");
    int finals = 0;
    for (const SolveProgress& p : reports) {
        finals += p.result.has_value();
    }
    EXPECT_EQ(finals, 1);
}

TEST(SolveSession, ErrorsEndWithOneReportAndKeepNothing) {
    SolveSession session;
    ASSERT_EQ(solve_and_wait(session, test::river_fixture()).back().status, "Done");
    ASSERT_TRUE(session.solved_state());

    const auto failing = [&](SolveConfig config) {
        const std::vector<SolveProgress> reports = solve_and_wait(session, config);
        EXPECT_EQ(reports.size(), 1u);  // fails before any "Init:" report
        EXPECT_FALSE(session.solved_state());
        EXPECT_FALSE(session.is_running());
        if (reports.empty() || !reports.back().result) {
            ADD_FAILURE() << "no final report";
            return std::string();
        }
        const SolveProgress& last = reports.back();
        EXPECT_EQ(last.progress, 0.0);
        EXPECT_FALSE(last.result->ok);
        EXPECT_EQ(last.status, "Error: " + last.result->error);
        EXPECT_EQ(last.result->board, config.board);
        return last.result->error;
    };
    SolveConfig c = test::river_fixture();
    c.board = "AhKs";
    EXPECT_EQ(failing(c), "Board must include at least a flop (6 chars, e.g. AhKsQd)");
    c.board = "AhKsQdZz";
    EXPECT_EQ(failing(c), "Invalid rank character");
    c = test::river_fixture();
    c.oop_range = "AA, ZZ";
    EXPECT_FALSE(failing(c).empty());
    c = test::river_fixture();
    c.ip_sizing[2].bet_sizes = "e";
    EXPECT_EQ(failing(c), "Sizing: invalid token 'e'");
    // The engine's amounts: checked before anything is built.
    c = test::river_fixture();
    c.starting_pot = 0;
    EXPECT_EQ(failing(c), "Starting pot must be greater than 0");
    c.starting_pot = 1000;
    c.effective_stack = 1073741824;  // 1000 + 2^31 overflows 32 bits
    EXPECT_EQ(failing(c),
              "Starting pot plus twice the effective stack must not exceed 21474836.47 chips");
    c.effective_stack = (2147483647 - 1000) / 2;  // just fits
    c.max_iterations = 0;
    c.oop_range = "AA";
    c.ip_range = "KK";
    EXPECT_EQ(solve_and_wait(session, c).back().status, "Done");
}

TEST(SolveSession, SecondStartWhileRunningIsRefused) {
    SolveSession session;
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    std::promise<void> started;
    ReportLog log;
    auto record = log.callback();
    ASSERT_TRUE(session.start(test::river_fixture(), [&](const SolveProgress& p) {
        if (p.status == "Init: building game object...") {
            started.set_value();
            released.wait();
        }
        record(p);
    }));
    started.get_future().wait();
    EXPECT_TRUE(session.is_running());
    bool second_called = false;
    EXPECT_FALSE(
        session.start(test::turn_fixture(), [&](const SolveProgress&) { second_called = true; }));
    release.set_value();
    session.wait_until_idle();
    EXPECT_FALSE(second_called);
    EXPECT_EQ(log.reports().back().status, "Done");
    EXPECT_EQ(log.reports().back().result->board, "KsQd7h4c2s");
}

TEST(SolveSession, AWorkerThatCannotStartEndsTheSolve) {
    SolveSession session([](std::function<void()>) {
        throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again),
                                "thread");
    });
    ReportLog log;
    EXPECT_TRUE(session.start(test::river_fixture(), log.callback()));
    EXPECT_FALSE(session.is_running());
    const std::vector<SolveProgress> reports = log.reports();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].status.rfind("Error: thread", 0), 0u);
    ASSERT_TRUE(reports[0].result);
    EXPECT_FALSE(reports[0].result->ok);
    session.wait_until_idle();  // returns: no worker is counted
}

TEST(SolveSession, DestroyingASessionMidSolveCancelsAndWaits) {
    std::atomic<bool> destroyed{false};
    std::atomic<int> late_reports{0};
    std::promise<void> iterating;
    std::atomic<bool> signalled{false};
    {
        SolveSession session;
        SolveConfig config = test::turn_fixture();
        config.max_iterations = 1000000;
        ASSERT_TRUE(session.start(config, [&](const SolveProgress& p) {
            if (destroyed) {
                ++late_reports;
            }
            if (p.status.rfind("Iter 2 ", 0) == 0 && !signalled.exchange(true)) {
                iterating.set_value();
            }
        }));
        iterating.get_future().wait();
    }
    destroyed = true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(late_reports, 0);
}

TEST(SolveSession, NodeLocksOfTheConfigurationReachTheGame) {
    SolveSession session;
    SolveConfig config = test::river_fixture();
    SolveNodeLock lock;
    lock.node_index = 0;
    lock.hand = "AA";
    lock.action_index = 0;
    lock.action_prob = 1.0f;
    config.node_locks = {lock};
    ASSERT_EQ(solve_and_wait(session, config).back().status, "Done");
    const SolveSession::SolvedState state = session.solved_state();
    ASSERT_TRUE(state);
    const std::vector<float>* held = state.game->find_node_lock(0);
    ASSERT_NE(held, nullptr);
    // Every AA checks in the average strategy.
    const std::vector<float> flat = state.solver->average_strategy_flat(0);
    const auto& pockets = state.game->card_context().pockets[0];
    for (std::size_t h = 0; h < pockets.size(); ++h) {
        if ((*held)[h] >= 0.0f) {
            EXPECT_NEAR(flat[h], 1.0f, 1e-6);
        }
    }
}

// A reset (clear, load, new start) or a cancel that reaches a solve while it
// finalises ends it: the session keeps nothing and the solve reports
// "Cancelled" as its one final report.
TEST(SolveSession, ResetOrCancelWhileFinalisingKeepsNothing) {
    struct Case {
        const char* at;
        bool cancel;
    };
    for (const Case& c : {Case{"Finalizing: computing results...", false},
                          Case{"Finalizing: building result snapshot...", false},
                          Case{"Finalizing: building result snapshot...", true}}) {
        SCOPED_TRACE(std::string(c.at) + (c.cancel ? " cancel" : " reset"));
        SolveSession session;
        ReportLog log;
        auto record = log.callback();
        ASSERT_TRUE(session.start(test::tiny_flop_fixture(), [&](const SolveProgress& p) {
            if (p.status == c.at) {
                if (c.cancel) {
                    session.cancel();
                } else {
                    session.reset();
                }
            }
            record(p);
        }));
        session.wait_until_idle();
        const std::vector<SolveProgress> reports = log.reports();
        ASSERT_FALSE(reports.empty());
        EXPECT_EQ(reports.back().status, "Cancelled");
        ASSERT_TRUE(reports.back().result);
        EXPECT_FALSE(reports.back().result->ok);
        EXPECT_TRUE(reports.back().result->nodes.empty());
        EXPECT_FALSE(session.solved_state());
        EXPECT_FALSE(session.node_action_stats(1).ok);
        EXPECT_FALSE(session.is_running());
    }
}

// A consumer that starts again as soon as it has the final report is never
// refused, even while the old worker is still returning from that report.
TEST(SolveSession, AStartOnTheFinalReportIsAccepted) {
    SolveSession session;
    SolveConfig config = test::river_fixture();
    config.max_iterations = 3;
    for (int round = 0; round < 20; ++round) {
        auto finished = std::make_shared<std::promise<void>>();
        std::future<void> done = finished->get_future();
        const auto linger = std::chrono::milliseconds(round % 3 == 0 ? 20 : 0);
        ASSERT_TRUE(session.start(config, [finished, linger](const SolveProgress& p) {
            if (p.result) {
                finished->set_value();
                // The worker lingers in the callback after handing the report over.
                std::this_thread::sleep_for(linger);
            }
        }));
        done.wait();
    }
    session.wait_until_idle();
    EXPECT_FALSE(session.is_running());
    // A start from inside the final report itself is refused, not deadlocked.
    std::atomic<int> inner{-1};
    ASSERT_TRUE(session.start(config, [&](const SolveProgress& p) {
        if (p.result) {
            inner = session.start(config, nullptr) ? 1 : 0;
        }
    }));
    session.wait_until_idle();
    EXPECT_EQ(inner, 0);
    EXPECT_FALSE(session.is_running());
}

// A consumer that throws (out of memory while copying a report) never takes
// the program down: the solve ends as an error, keeps nothing, and the
// session is free again.
TEST(SolveSession, AThrowingConsumerEndsTheSolveAsAnError) {
    struct Case {
        const char* name;
        std::function<bool(const SolveProgress&)> throws_on;
        const char* last_status;
    };
    const std::vector<Case> cases = {
        {"on an iteration",
         [](const SolveProgress& p) { return p.status.rfind("Iter 2 ", 0) == 0; },
         "Error: std::bad_alloc"},
        {"on the final report", [](const SolveProgress& p) { return p.status == "Done"; },
         "Error: std::bad_alloc"},
        {"on every final report", [](const SolveProgress& p) { return p.result.has_value(); },
         "Error: std::bad_alloc"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SolveSession session;
        ReportLog log;
        auto record = log.callback();
        ASSERT_TRUE(session.start(test::river_fixture(), [&](const SolveProgress& p) {
            record(p);
            if (c.throws_on(p)) {
                throw std::bad_alloc();
            }
        }));
        session.wait_until_idle();
        const std::vector<SolveProgress> reports = log.reports();
        ASSERT_FALSE(reports.empty());
        EXPECT_EQ(reports.back().status, c.last_status);
        ASSERT_TRUE(reports.back().result);
        EXPECT_FALSE(reports.back().result->ok);
        EXPECT_FALSE(session.solved_state());
        EXPECT_FALSE(session.is_running());
        // The session takes the next solve.
        EXPECT_EQ(solve_and_wait(session, test::river_fixture()).back().status, "Done");
    }
}

}  // namespace
}  // namespace quendal_app
