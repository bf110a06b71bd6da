#include "session_fixtures.h"

namespace quendal_app::test {

namespace {

void same_sizing_everywhere(SolveConfig& c, const std::string& bets, const std::string& raises) {
    for (auto* seat : {&c.oop_sizing, &c.ip_sizing}) {
        for (StreetSizing& s : *seat) {
            s.bet_sizes = bets;
            s.raise_sizes = raises;
        }
    }
}

}  // namespace

SolveConfig river_fixture() {
    SolveConfig c;
    c.board = "KsQd7h4c2s";
    c.starting_street = "river";
    c.starting_pot = 1000;
    c.effective_stack = 2000;
    c.oop_range = "AA, KK, QQ, 77, 44, AK, KQ, QJs, JTs, T9s, 65s";
    c.ip_range = "KK, QQ, JJ, TT, AK, AQ, KJ, QJ, JT, 98s, A5s";
    same_sizing_everywhere(c, "50, 100", "a");
    c.max_iterations = 200;
    c.target_exploitability = 0.0f;
    c.thread_count = 2;
    return c;
}

SolveConfig turn_fixture() {
    SolveConfig c;
    c.board = "KsQd7h4c";
    c.starting_street = "turn";
    c.starting_pot = 1000;
    c.effective_stack = 1500;
    c.oop_range = "AA, KK, 77, AK, KQ, QJs, JTs, 65s";
    c.ip_range = "QQ, JJ, AQ, KJ, T9s, 98s, A5s";
    same_sizing_everywhere(c, "75", "a");
    c.max_iterations = 40;
    c.target_exploitability = 0.0f;
    c.thread_count = 2;
    return c;
}

SolveConfig tiny_flop_fixture() {
    SolveConfig c;
    c.board = "Ah8d3c";
    c.starting_street = "flop";
    c.starting_pot = 1000;
    c.effective_stack = 1000;
    c.oop_range = "AA, 88, A8s, KQs, 76s";
    c.ip_range = "33, AKs, QJs, T9s";
    same_sizing_everywhere(c, "100", "");
    c.max_iterations = 20;
    c.target_exploitability = 0.0f;
    c.thread_count = 2;
    return c;
}

SolveSession::ProgressCallback ReportLog::callback() {
    return [this](const SolveProgress& p) {
        std::lock_guard lock(mutex_);
        reports_.push_back(p);
    };
}

std::vector<SolveProgress> ReportLog::reports() const {
    std::lock_guard lock(mutex_);
    return reports_;
}

std::vector<SolveProgress> solve_and_wait(SolveSession& session, const SolveConfig& config) {
    ReportLog log;
    if (!session.start(config, log.callback())) {
        return {};
    }
    session.wait_until_idle();
    return log.reports();
}

Solved::Solved(const SolveConfig& config) {
    const std::vector<SolveProgress> reports = solve_and_wait(session, config);
    if (!reports.empty() && reports.back().status == "Done") {
        state = session.solved_state();
    }
}

void lock_root_to_first_action(SolveConfig& config, const std::vector<std::string>& classes) {
    for (const std::string& hand : classes) {
        SolveNodeLock lock;
        lock.node_index = 0;
        lock.hand = hand;
        lock.action_index = 0;
        lock.action_prob = 1.0f;
        config.node_locks.push_back(lock);
    }
}

}  // namespace quendal_app::test
