// Solves a flop spot through the application controller, then times what
// the results page asks the controller for the node the user selects, on
// the first visit of the node and on a later one:
//
//   page_query_bench [ITERATIONS] [THREADS] [SPOT]
//
// SPOT `flop` (the default) is the bench's flop spot as delivery_bench
// configures it: Ah 8d 3c, pot 100, stack 100, the wide ranges, bets 33% and
// 75%, raises 50% and 100%. SPOT `deep` is a deeper tree of about 3.9 million
// nodes: Qs Jh 2h, pot 10, stack 95, about 40 hand classes a seat, bets 33%
// and 75%, raises 60%, all-in added everywhere. The nodes: the root (asked
// as soon as the result arrives), the flop decision after a check, the flop
// decision facing the first bet, the first turn decision after check-check
// and the first river decision after check-check on the turn. A first line
// tells the solve's figures, among them `finalizing_ms`, the time from the
// last "Finalizing" report to the result on this thread. Then one JSON line
// per node with each query's milliseconds in the page's order, the first
// visit's total, the processor time of the first visit summed over every
// thread of the process (a figure that a busy machine disturbs less than the
// wall time) and the cached visit's total.
#include "app/app_controller.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <utility>
#include <vector>

namespace {

using quendal_app::AppController;

QVariantMap flopSpot(int iterations, int threads) {
    QVariantMap cfg{{"board", "Ah8d3c"},
                    {"starting_pot", 100.0},
                    {"effective_stack", 100.0},
                    {"max_iterations", iterations},
                    {"target_exploitability", 0.0},
                    {"thread_count", threads},
                    {"oop_range",
                     "22+, A2+, K2s+, K7o+, Q4s+, Q9o+, J7s+, J9o+, T7s+, T9o, 97s+, 86s+, 75s+, "
                     "64s+, 54s"},
                    {"ip_range",
                     "22+, A2s+, A7o+, K8s+, KTo+, Q9s+, QTo+, J9s+, JTo, T8s+, 97s+, 87s, 76s, "
                     "65s, 54s"}};
    for (const char* seat : {"oop", "ip"}) {
        for (const char* street : {"flop", "turn", "river"}) {
            const QString prefix = QString("%1_%2").arg(seat, street);
            cfg[prefix + "_bet_sizes"] = "33, 75";
            cfg[prefix + "_raise_sizes"] = "50, 100";
        }
    }
    return cfg;
}

QVariantMap deepSpot(int iterations, int threads) {
    QVariantMap cfg{
        {"board", "QsJh2h"},
        {"starting_pot", 10.0},
        {"effective_stack", 95.0},
        {"starting_street", "flop"},
        {"max_iterations", iterations},
        {"target_exploitability", 0.0},
        {"thread_count", threads},
        {"oop_range", "AA-22, AKs-A2s, KQs-K9s, QJs-Q9s, JTs-J9s, T9s, 98s, 87s, AKo-ATo, KQo-KJo"},
        {"ip_range",
         "JJ-22, AQs-A2s, KQs-K8s, QJs-Q8s, JTs-J8s, T9s-T8s, 98s, 87s, 76s, AQo-AJo, KQo"}};
    for (const char* seat : {"oop", "ip"}) {
        for (const char* street : {"flop", "turn", "river"}) {
            const QString prefix = QString("%1_%2").arg(seat, street);
            cfg[prefix + "_bet_sizes"] = "33, 75";
            cfg[prefix + "_raise_sizes"] = "60";
            cfg[prefix + "_add_all_in"] = true;
        }
    }
    return cfg;
}

// The child of action `action` of `node`, or -1.
int child(const AppController& c, int node, int action) {
    const QVariantList actions = c.nodeActions(node);
    return action < actions.size() ? actions[action].toMap().value("childIndex").toInt() : -1;
}

// The first decision node below `node` along first actions, chance nodes
// taking their first card, after `decisions` decision nodes were passed.
int along(const AppController& c, int node, int decisions) {
    while (node >= 0) {
        const QString type = c.nodeMeta(node).value("nodeType").toString();
        if (type == "decision") {
            if (decisions-- == 0) {
                return node;
            }
        } else if (type != "chance") {
            return -1;
        }
        node = child(c, node, 0);
    }
    return -1;
}

double ms(const QElapsedTimer& t) {
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

// User and system time of every thread of the process so far.
double processCpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto msOf = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
    };
    return msOf(usage.ru_utime) + msOf(usage.ru_stime);
}

// What the results page asks for a selected node, in its order.
std::vector<std::pair<const char*, std::function<void()>>> pageQueries(const AppController& c,
                                                                       int n) {
    return {
        {"nodeMeta", [&c, n] { c.nodeMeta(n); }},
        {"nodeActions", [&c, n] { c.nodeActions(n); }},
        {"nodeActionStats", [&c, n] { c.nodeActionStats(n); }},
        {"nodeHandStrategy", [&c, n] { c.nodeHandStrategy(n); }},
        {"nodeHandStrategyReach169", [&c, n] { c.nodeHandStrategyReach169(n, ""); }},
        {"nodeHandCombos", [&c, n] { c.nodeHandCombos(n); }},
        {"nodeHandBuckets", [&c, n] { c.nodeHandBuckets(n); }},
    };
}

void timeNode(const AppController& c, const char* label, int n) {
    if (n < 0) {
        std::printf("{\"node\":\"%s\",\"index\":-1}\n", label);
        return;
    }
    std::string parts;
    double first = 0.0;
    const double cpuBefore = processCpuMs();
    for (const auto& [name, query] : pageQueries(c, n)) {
        QElapsedTimer t;
        t.start();
        query();
        const double q = ms(t);
        first += q;
        char buffer[96];
        std::snprintf(buffer, sizeof buffer, ",\"%s_ms\":%.1f", name, q);
        parts += buffer;
    }
    const double cpu = processCpuMs() - cpuBefore;
    QElapsedTimer cached;
    cached.start();
    for (const auto& [name, query] : pageQueries(c, n)) {
        query();
    }
    const double again = ms(cached);
    std::printf(
        "{\"node\":\"%s\",\"index\":%d,\"combos\":%lld,\"first_visit_ms\":%.1f,"
        "\"first_visit_cpu_ms\":%.0f,\"cached_visit_ms\":%.2f%s}\n",
        label, n, static_cast<long long>(c.nodeHandCombos(n).size()), first, cpu, again,
        parts.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int iterations = argc > 1 ? std::atoi(argv[1]) : 4;
    const int threads = argc > 2 ? std::atoi(argv[2]) : 8;
    const std::string spot = argc > 3 ? argv[3] : "flop";
    if (spot != "flop" && spot != "deep") {
        std::fprintf(stderr, "usage: page_query_bench [ITERATIONS] [THREADS] [flop|deep]\n");
        return 2;
    }
    AppController controller;
    // From the last report before the result to the result on this thread:
    // the part of the solve's end spent after the per-node records.
    QElapsedTimer finalizing;
    QObject::connect(&controller, &AppController::statusTextChanged, [&] {
        if (controller.statusText().startsWith("Finalizing: building")) {
            finalizing.start();
        }
    });
    qint64 finalizingMs = -1;
    QObject::connect(&controller, &AppController::runningChanged, [&] {
        if (!controller.running()) {
            finalizingMs = finalizing.isValid() ? finalizing.elapsed() : -1;
            app.quit();
        }
    });
    QElapsedTimer solve;
    solve.start();
    controller.startSolveWithConfig(spot == "flop" ? flopSpot(iterations, threads)
                                                   : deepSpot(iterations, threads));
    app.exec();
    std::printf(
        "{\"spot\":\"%s\",\"nodes\":%d,\"iterations\":%d,\"threads\":%d,"
        "\"solve_ms\":%lld,\"finalizing_ms\":%lld,\"status\":\"%s\"}\n",
        spot.c_str(), controller.treeNodeCount(), iterations, threads,
        static_cast<long long>(solve.elapsed()), static_cast<long long>(finalizingMs),
        qPrintable(controller.statusText()));
    std::fflush(stdout);
    const AppController& c = controller;
    const int afterCheck = child(c, 0, 0);
    timeNode(c, "root", 0);
    timeNode(c, "flop_after_check", afterCheck);
    timeNode(c, "flop_facing_bet", child(c, 0, 1));
    timeNode(c, "turn", along(c, afterCheck, 1));
    timeNode(c, "river", along(c, afterCheck, 3));
    return 0;
}
