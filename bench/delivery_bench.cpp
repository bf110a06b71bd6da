// Solves a spot through the application controller and reports how long the
// GUI thread was ever kept from its event loop (a 1 ms timer measures the
// gaps) and the memory of the per-node results it keeps.
//
//   delivery_bench [ITERATIONS] [THREADS]     (the realistic flop spot)
#include "app/app_controller.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int iterations = argc > 1 ? std::atoi(argv[1]) : 3;
    const int threads = argc > 2 ? std::atoi(argv[2]) : 8;
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
    quendal_app::AppController controller;
    QElapsedTimer clock, sinceTick;
    qint64 longestGap = 0;
    QTimer ticker;
    ticker.setInterval(1);
    QObject::connect(&ticker, &QTimer::timeout,
                     [&] { longestGap = std::max(longestGap, sinceTick.restart()); });
    qint64 deliveryMs = -1;
    QElapsedTimer finalizing;
    QObject::connect(&controller, &quendal_app::AppController::statusTextChanged, [&] {
        if (controller.statusText() == "Finalizing: building result snapshot...") {
            finalizing.start();
        }
    });
    QObject::connect(&controller, &quendal_app::AppController::runningChanged, [&] {
        if (!controller.running()) {
            deliveryMs = finalizing.isValid() ? finalizing.elapsed() : -1;
            app.quit();
        }
    });
    clock.start();
    sinceTick.start();
    ticker.start();
    controller.startSolveWithConfig(cfg);
    app.exec();
    const auto records = controller.nodeRecords();
    std::printf(
        "{\"nodes\":%d,\"iterations\":%d,\"threads\":%d,\"wall_ms\":%lld,"
        "\"longest_gui_gap_ms\":%lld,\"snapshot_to_result_ms\":%lld,\"records_bytes\":%zu,"
        "\"status\":\"%s\"}\n",
        controller.treeNodeCount(), iterations, threads, static_cast<long long>(clock.elapsed()),
        static_cast<long long>(longestGap), static_cast<long long>(deliveryMs),
        records ? records->memory_bytes() : 0, qPrintable(controller.statusText()));
    return 0;
}
