// Prints the memory (KiB) that the game and engine of the tiny flop
// fixture's solve hold in a fresh process once the solve has run: the
// growth of the process's anonymous pages, counted page by page, so neither
// the code the solve first runs (resident as the page cache allows) nor the
// kernel's approximate running totals move it. Every parallel step runs on
// the solve's own thread count, whatever the machine's processor count.
#include "session/sizing_text.h"
#include "session/spot_inputs.h"
#include "session_fixtures.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace {

// The "Anonymous:" line of /proc/self/smaps_rollup, which the kernel sums
// from the page tables when read.
long anonymous_kib() {
    std::ifstream rollup("/proc/self/smaps_rollup");
    std::string line;
    while (std::getline(rollup, line)) {
        if (line.rfind("Anonymous:", 0) == 0) {
            return std::strtol(line.c_str() + std::strlen("Anonymous:"), nullptr, 10);
        }
    }
    return -1;
}

}  // namespace

int main() {
    using namespace quendal_app;
    const SolveConfig config = test::tiny_flop_fixture();
    const std::string threads = std::to_string(config.thread_count);
    setenv("QUENDAL_CARDCTX_MAX_WORKERS", threads.c_str(), 1);
    setenv("QUENDAL_ACTIONPLAN_MAX_WORKERS", threads.c_str(), 1);
    const long base = anonymous_kib();
    if (base < 0) {
        std::fprintf(stderr, "/proc/self/smaps_rollup cannot be read\n");
        return 1;
    }
    // Built and run as the solve worker builds and runs it.
    quendal::TreeConfig tree = tree_config_without_sizing(config);
    build_street_sizing(tree.flop, config.oop_sizing[0], config.ip_sizing[0], "flop");
    build_street_sizing(tree.turn, config.oop_sizing[1], config.ip_sizing[1], "turn");
    build_street_sizing(tree.river, config.oop_sizing[2], config.ip_sizing[2], "river");
    quendal::Game game(tree, quendal::CardContext(parse_board_text(config.board),
                                                  {parse_range_text(config.oop_range),
                                                   parse_range_text(config.ip_range)}));
    quendal::DiscountedCfr::Options options;
    options.max_iterations = config.max_iterations;
    options.target_exploitability = config.target_exploitability;
    options.compact_storage = config.compact_storage;
    options.threads = config.thread_count;
    options.exploitability_interval = 50;
    quendal::DiscountedCfr solver(options);
    solver.run(game);
    std::printf("%ld\n", anonymous_kib() - base);
    return 0;
}
