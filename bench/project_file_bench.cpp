// Saves and opens project files as the home page does (saveProject and
// loadProject on the calling thread), several times each, and prints each
// file's size and times.
//
//   project_file_bench [REPEATS] [THREADS] [SPOT] [PROJECT_PATH]
//
// SPOT is `small`, `large` or `all` (the default):
// - small: Ks 7h 2d, pot 100, stack 100, OOP "QQ+, AKs, KQs, 77, 22", IP
//   "JJ-TT, AQs, K9s, 76s", a 33% bet and a 100% raise for both seats on
//   every street, 50 iterations (282,206 nodes, about 78 MB);
// - large: Ks 7h 2d, pot 100, stack 300, OOP "AA, KK, AKs", IP "QQ, JJ,
//   AQs", bets of 33% and 75% and raises of 60% and 120% for both seats on
//   every street, 10 iterations (2,160,908 nodes, about 594 MB).
// Each spot is solved once; the root's queries are asked first, as the
// results page does before a save. Each open goes into a fresh controller.
// Then the file is opened once more into the controller that holds the
// solve (`open_over_solve_ms`, the user's case), and the opened project is
// saved again beside it: `resaved_identical` tells whether that gives the
// same bytes. One JSON line per spot, then a table of the best and median
// times per spot. PROJECT_PATH (one spot only) keeps the file there.
#include "app/app_controller.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Spot {
    const char* name;
    double stack;
    const char* oop_range;
    const char* ip_range;
    const char* bets;
    const char* raises;
    int iterations;
};

constexpr Spot kSpots[] = {
    {"small", 100.0, "QQ+, AKs, KQs, 77, 22", "JJ-TT, AQs, K9s, 76s", "33", "100", 50},
    {"large", 300.0, "AA, KK, AKs", "QQ, JJ, AQs", "33, 75", "60, 120", 10},
};

QVariantMap spotMap(const Spot& spot, int threads) {
    QVariantMap cfg{{"board", "Ks7h2d"},
                    {"starting_pot", 100.0},
                    {"effective_stack", spot.stack},
                    {"max_iterations", spot.iterations},
                    {"target_exploitability", 0.0},
                    {"thread_count", threads},
                    {"oop_range", spot.oop_range},
                    {"ip_range", spot.ip_range}};
    for (const char* seat : {"oop", "ip"}) {
        for (const char* street : {"flop", "turn", "river"}) {
            const QString prefix = QString("%1_%2").arg(seat, street);
            cfg[prefix + "_bet_sizes"] = spot.bets;
            cfg[prefix + "_raise_sizes"] = spot.raises;
        }
    }
    return cfg;
}

QByteArray fileHash(const QString& path) {
    QFile f(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (f.open(QIODevice::ReadOnly)) {
        hash.addData(&f);
    }
    return hash.result().toHex().left(16);
}

struct Times {
    std::vector<qint64> ms;
    qint64 best() const { return *std::min_element(ms.begin(), ms.end()); }
    qint64 median() const {
        std::vector<qint64> sorted = ms;
        std::sort(sorted.begin(), sorted.end());
        return sorted[sorted.size() / 2];
    }
    void print(const char* key) const {
        std::printf("\"%s\":[", key);
        for (std::size_t i = 0; i < ms.size(); ++i) {
            std::printf("%s%lld", i > 0 ? "," : "", static_cast<long long>(ms[i]));
        }
        std::printf("],\"%s_best\":%lld,\"%s_median\":%lld", key, static_cast<long long>(best()),
                    key, static_cast<long long>(median()));
    }
};

struct Outcome {
    const char* spot;
    int nodes = 0;
    qint64 bytes = 0;
    Times save, open;
    qint64 overSolveMs = 0;
    bool ok = false, identical = false;
};

Outcome run(QCoreApplication& app, const Spot& spot, int repeats, int threads,
            const QString& path) {
    Outcome out;
    out.spot = spot.name;
    const QUrl url = QUrl::fromLocalFile(path);
    quendal_app::AppController controller;
    const auto connection =
        QObject::connect(&controller, &quendal_app::AppController::runningChanged, [&] {
            if (!controller.running()) {
                app.quit();
            }
        });
    QElapsedTimer solve;
    solve.start();
    controller.startSolveWithConfig(spotMap(spot, threads));
    app.exec();
    QObject::disconnect(connection);
    const qint64 solveMs = solve.elapsed();
    const QString status = controller.statusText();
    controller.nodeHandStrategy(0);
    controller.nodeHandCombos(0);
    controller.nodeHandBuckets(0);
    controller.nodeActionStats(0);

    bool saved = true, opened = true;
    int openedNodes = 0;
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer t;
        t.start();
        saved = controller.saveProject(url, {{"boardText", "Ks7h2d"}}) && saved;
        out.save.ms.push_back(t.elapsed());
    }
    for (int i = 0; i < repeats; ++i) {
        quendal_app::AppController reader;
        QElapsedTimer t;
        t.start();
        const QVariantMap r = reader.loadProject(url);
        out.open.ms.push_back(t.elapsed());
        opened = r.value("ok").toBool() && opened;
        openedNodes = reader.treeNodeCount();
    }
    // As the user does it: the solve still held while the file is opened; and
    // the opened project saved again gives the same bytes.
    QElapsedTimer over;
    over.start();
    opened = controller.loadProject(url).value("ok").toBool() && opened;
    out.overSolveMs = over.elapsed();
    const QString again = path + ".again";
    const bool resaved =
        controller.saveProject(QUrl::fromLocalFile(again), {{"boardText", "Ks7h2d"}});
    out.identical = resaved && QFileInfo(again).size() == QFileInfo(path).size() &&
                    fileHash(again) == fileHash(path);
    QFile::remove(again);
    out.nodes = controller.treeNodeCount();
    out.bytes = QFileInfo(path).size();
    out.ok = saved && opened;
    std::printf(
        "{\"spot\":\"%s\",\"nodes\":%d,\"solve_ms\":%lld,\"status\":\"%s\","
        "\"project_bytes\":%lld,\"sha256_16\":\"%s\",\"saved\":%s,\"opened\":%s,"
        "\"opened_nodes\":%d,",
        spot.name, out.nodes, static_cast<long long>(solveMs), qPrintable(status),
        static_cast<long long>(out.bytes), fileHash(path).constData(), saved ? "true" : "false",
        opened ? "true" : "false", openedNodes);
    out.save.print("save_ms");
    std::printf(",");
    out.open.print("open_ms");
    std::printf(",\"open_over_solve_ms\":%lld,\"resaved_identical\":%s}\n",
                static_cast<long long>(out.overSolveMs), out.identical ? "true" : "false");
    std::fflush(stdout);
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules("*.info=false");
    const int repeats = std::max(1, argc > 1 ? std::atoi(argv[1]) : 5);
    const int threads = argc > 2 ? std::atoi(argv[2]) : 8;
    const std::string which = argc > 3 ? argv[3] : "all";
    std::vector<const Spot*> spots;
    for (const Spot& spot : kSpots) {
        if (which == "all" || which == spot.name) {
            spots.push_back(&spot);
        }
    }
    if (spots.empty() || (argc > 4 && spots.size() > 1)) {
        std::fprintf(stderr,
                     "usage: project_file_bench [REPEATS] [THREADS] [small|large|all] "
                     "[PROJECT_PATH, with one spot]\n");
        return 2;
    }
    QTemporaryDir dir;
    std::vector<Outcome> outcomes;
    for (const Spot* spot : spots) {
        const QString path = argc > 4 ? QString::fromLocal8Bit(argv[4])
                                      : dir.filePath(QString("%1.tessavalproj").arg(spot->name));
        outcomes.push_back(run(app, *spot, repeats, threads, path));
        if (argc <= 4) {
            QFile::remove(path);
        }
    }
    bool ok = true;
    std::printf("\n%-6s %10s %12s %19s %19s %10s\n", "spot", "nodes", "bytes", "save ms min/median",
                "open ms min/median", "same bytes");
    for (const Outcome& o : outcomes) {
        std::printf("%-6s %10d %12lld %9lld / %-7lld %9lld / %-7lld %10s\n", o.spot, o.nodes,
                    static_cast<long long>(o.bytes), static_cast<long long>(o.save.best()),
                    static_cast<long long>(o.save.median()), static_cast<long long>(o.open.best()),
                    static_cast<long long>(o.open.median()), o.identical ? "yes" : "NO");
        ok = ok && o.ok && o.identical;
    }
    return ok ? 0 : 1;
}
