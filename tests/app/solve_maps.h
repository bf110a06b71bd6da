// Solve configuration maps as QML builds them, for the controller tests.
#pragma once

#include <QVariantMap>

namespace quendal_app::test {

// Every sizing key of both seats on every street.
inline void fillSizing(QVariantMap& cfg, const QString& bets, const QString& raises) {
    for (const char* seat : {"oop", "ip"}) {
        for (const char* street : {"flop", "turn", "river"}) {
            const QString prefix = QString("%1_%2").arg(seat, street);
            cfg[prefix + "_bet_sizes"] = bets;
            cfg[prefix + "_raise_sizes"] = raises;
        }
    }
}

// A small river spot: pot 10, stack 20 chips.
inline QVariantMap riverMap(int iterations = 60) {
    QVariantMap cfg{{"board", "Ks Qd 7h 4c 2s"},
                    {"starting_pot", 10.0},
                    {"effective_stack", 20.0},
                    {"starting_street", "river"},
                    {"max_iterations", iterations},
                    {"target_exploitability", 0.0},
                    {"thread_count", 2},
                    {"oop_range", "AA, KK, QQ, 77, 44, AK, KQ, QJs, JTs, T9s, 65s"},
                    {"ip_range", "KK, QQ, JJ, TT, AK, AQ, KJ, QJ, JT, 98s, A5s"}};
    fillSizing(cfg, "50, 100", "a");
    return cfg;
}

// A turn spot that runs long enough to be caught mid-solve.
inline QVariantMap turnMap(int iterations) {
    QVariantMap cfg{{"board", "KsQd7h4c"},
                    {"starting_pot", 10.0},
                    {"effective_stack", 15.0},
                    {"starting_street", "turn"},
                    {"max_iterations", iterations},
                    {"target_exploitability", 0.0},
                    {"thread_count", 2},
                    {"oop_range", "AA, KK, 77, AK, KQ, QJs, JTs, 65s"},
                    {"ip_range", "QQ, JJ, AQ, KJ, T9s, 98s, A5s"}};
    fillSizing(cfg, "75", "a");
    return cfg;
}

// The tests' tiny flop: a pot bet is all-in.
inline QVariantMap tinyFlopMap() {
    QVariantMap cfg{{"board", "Ah8d3c"},
                    {"starting_pot", 10.0},
                    {"effective_stack", 10.0},
                    {"max_iterations", 20},
                    {"target_exploitability", 0.0},
                    {"thread_count", 2},
                    {"oop_range", "AA, 88, A8s, KQs, 76s"},
                    {"ip_range", "33, AKs, QJs, T9s"}};
    fillSizing(cfg, "100", "a");
    return cfg;
}

}  // namespace quendal_app::test
