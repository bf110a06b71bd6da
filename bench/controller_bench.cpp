// Solves a bench spot through the application controller, as the interface
// starts it, and prints one JSON line: the wall time on the GUI thread from
// the start to the result, the finalizing time, iterations, exploitability
// and peak memory. The engine's Game for the spot is built first (and freed)
// to check that the controller solves the same tree.
//
//   controller_bench SPOT [THREADS] [MAX_ITERATIONS]
#include "app/app_controller.h"
#include "bench_machine.h"
#include "bench_spots.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <fstream>

using namespace quendal;
using namespace quendal::bench;

namespace {

// The session measures exploitability every this many iterations.
constexpr int kSessionMeasureEvery = 50;

const char* const kStreetNames[] = {"flop", "turn", "river"};

// The spot's sizes as typed in the interface (the bench spots use pot
// fractions and all-in only).
QString sizing_text(const std::vector<BetSize>& sizes) {
    QStringList tokens;
    for (const BetSize& size : sizes) {
        tokens << (size.kind == kAllIn ? QString("a")
                                       : QString("%1%").arg(size.value * 100.0, 0, 'g', 6));
    }
    return tokens.join(", ");
}

// The node count of the engine's Game for the spot, built as spot_bench does.
std::size_t engine_node_count(const BenchSpot& spot) {
    CardContext context(board_from_text(spot.board),
                        {parse_range(spot.oop_range), parse_range(spot.ip_range)});
    return Game(spot.config, std::move(context)).nodes().size();
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const BenchSpot* spot = argc > 1 ? find_spot(argv[1]) : nullptr;
    if (spot == nullptr) {
        std::fprintf(stderr, "usage: controller_bench SPOT [THREADS] [MAX_ITERATIONS]\n");
        for (const BenchSpot& s : bench_spots()) {
            std::fprintf(stderr, "  %s\n", s.name.c_str());
        }
        return 2;
    }
    const int threads = argc > 2 ? std::atoi(argv[2]) : 8;
    const int maxIterations = argc > 3 ? std::atoi(argv[3]) : 1000;
    const std::size_t engineNodes = engine_node_count(*spot);

    // The interface's units: chips (the controller keeps hundredths), the
    // target in chips (the interface turns its percentage of the pot into
    // chips), the rake in percent and its cap in chips.
    const TreeConfig& tree = spot->config;
    const double pot = tree.starting_pot / 100.0;
    QVariantMap cfg{{"board", QString::fromStdString(spot->board)},
                    {"starting_street", kStreetNames[tree.start_street]},
                    {"starting_pot", pot},
                    {"effective_stack", tree.effective_stack / 100.0},
                    {"rake_percent", tree.rake_rate * 100.0},
                    {"rake_cap", tree.rake_cap / 100.0},
                    {"max_iterations", maxIterations},
                    {"target_exploitability", pot * 0.003},
                    {"thread_count", threads},
                    {"oop_range", QString::fromStdString(spot->oop_range)},
                    {"ip_range", QString::fromStdString(spot->ip_range)}};
    const StreetConfig* streets[] = {&tree.flop, &tree.turn, &tree.river};
    for (int i = 0; i < 3; ++i) {
        for (const char* seat : {"oop", "ip"}) {
            const StreetSizes& sizes = seat[0] == 'o' ? streets[i]->oop : streets[i]->ip;
            const QString prefix = QString("%1_%2").arg(seat, kStreetNames[i]);
            cfg[prefix + "_bet_sizes"] = sizing_text(sizes.bets);
            cfg[prefix + "_raise_sizes"] = sizing_text(sizes.raises);
            cfg[prefix + "_add_all_in"] = false;
            // The engine without lead sizes leads with the bet sizes, as the
            // session does unless leads are turned off.
            cfg[prefix + "_dont_donk"] = false;
        }
    }

    { std::ofstream("/proc/self/clear_refs") << "5"; }
    quendal_app::AppController controller;
    QElapsedTimer clock, finalizing;
    qint64 wallMs = -1, finalizingMs = -1;
    QObject::connect(&controller, &quendal_app::AppController::statusTextChanged, [&] {
        if (controller.statusText().startsWith("Finalizing")) {
            finalizing.start();
        }
    });
    QObject::connect(&controller, &quendal_app::AppController::runningChanged, [&] {
        if (!controller.running()) {
            wallMs = clock.elapsed();
            finalizingMs = finalizing.isValid() ? finalizing.elapsed() : -1;
            app.quit();
        }
    });
    clock.start();
    controller.startSolveWithConfig(cfg);
    if (controller.running()) {
        app.exec();
    }
    const long peakKib = peak_memory_kib();
    const int nodes = controller.treeNodeCount();
    if (static_cast<std::size_t>(nodes) != engineNodes) {
        std::fprintf(stderr,
                     "controller_bench: MISMATCH: the controller's tree has %d nodes, the "
                     "engine's Game %zu\n",
                     nodes, engineNodes);
    }
    const double pct =
        controller.resultStartingPot() > 0
            ? 100.0 * controller.resultExploitability() / controller.resultStartingPot()
            : 0.0;
    std::printf(
        "{\"spot\":\"%s\",\"threads\":%d,\"nodes\":%d,\"engine_nodes\":%zu,\"iterations\":%d,"
        "\"exploitability_pct\":%.4f,\"wall_s\":%.2f,\"finalizing_ms\":%lld,"
        "\"measure_every\":%d,\"peak_kib\":%ld,\"status\":%s,\"commit\":%s}\n",
        spot->name.c_str(), threads, nodes, engineNodes, controller.resultIterations(), pct,
        wallMs / 1000.0, static_cast<long long>(finalizingMs), kSessionMeasureEvery, peakKib,
        json_string(controller.statusText().toStdString()).c_str(),
        json_string(git_commit()).c_str());
    return static_cast<std::size_t>(nodes) == engineNodes ? 0 : 1;
}
