// Prints the peak resident memory (KiB) that the game and engine of the tiny
// flop fixture's solve add to a fresh process.
#include "session/sizing_text.h"
#include "session/spot_inputs.h"
#include "session_fixtures.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

namespace {

long status_kib(const char* key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(key, 0) == 0) {
            return std::strtol(line.c_str() + std::strlen(key), nullptr, 10);
        }
    }
    return -1;
}

}  // namespace

int main() {
    using namespace quendal_app;
    const SolveConfig config = test::tiny_flop_fixture();
    const long base = status_kib("VmRSS:");
    {
        quendal::TreeConfig tree = tree_config_without_sizing(config);
        build_street_sizing(tree.flop, config.oop_sizing[0], config.ip_sizing[0], "flop");
        build_street_sizing(tree.turn, config.oop_sizing[1], config.ip_sizing[1], "turn");
        build_street_sizing(tree.river, config.oop_sizing[2], config.ip_sizing[2], "river");
        quendal::Game game(tree, quendal::CardContext(parse_board_text(config.board),
                                                      {parse_range_text(config.oop_range),
                                                       parse_range_text(config.ip_range)}));
        quendal::DiscountedCfr::Options options;
        options.max_iterations = config.max_iterations;
        quendal::DiscountedCfr solver(options);
        solver.run(game);
    }
    std::printf("%ld\n", status_kib("VmHWM:") - base);
    return 0;
}
