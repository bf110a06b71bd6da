#include "app/solve_config_map.h"

#include <QtTest>
#include <cmath>
#include <limits>

using namespace quendal_app;

class SolveConfigMapTest : public QObject {
    Q_OBJECT

private slots:
    void defaultsForMissingKeys() {
        const SolveConfig c = buildSolveConfig({}, nullptr, 8);
        QCOMPARE(c.board, std::string());
        QCOMPARE(c.starting_pot, 10000);
        QCOMPARE(c.effective_stack, 10000);
        QCOMPARE(c.rake_percent, 0.0);
        QCOMPARE(c.rake_cap, 0.0);
        QCOMPARE(c.starting_street, std::string("flop"));
        QCOMPARE(c.max_iterations, 2000u);
        QCOMPARE(c.target_exploitability, 10.0f);
        QCOMPARE(c.thread_count, 1u);
        QVERIFY(!c.compact_storage);
        QVERIFY(!c.oop_jam_threshold_pct.has_value());
        QVERIFY(c.node_locks.empty());
    }

    // Each text the engine refuses carries the engine's message under its
    // key; the texts it reads have none.
    void spotTextErrorsNameWhatTheEngineRefuses_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("message");
        const struct {
            const char *name, *key, *text;
            bool refused;
            const char* message = "";
        } rows[] = {
            {"blanks for commas", "oop_range", "QQ+ AK", true},
            {"no-break space", "ip_range", "QQ+,\u00a0AK", true},
            {"weight above 1", "oop_range", "AK:2", true},
            {"low rank first", "oop_range", "KA", true},
            {"percent with a blank", "ip_range", "50 %", true},
            {"percent above 100", "ip_range", "150%", true},
            {"weight not a number", "oop_range", "AA:x", true},
            {"a sound range", "oop_range", "QQ+, AKs, A5s-A2s:0.5, AhKs", false},
            {"a whole-deck percentage", "ip_range", "50%", false},
            {"letters", "oop_flop_bet_sizes", "abc", true},
            {"two kinds at once", "ip_turn_raise_sizes", "500%x", true},
            {"infinity", "oop_river_bet_sizes", "33, inf", true},
            {"full-width digits", "ip_flop_bet_sizes", "\uff15\uff10", true},
            {"a raise size in a bet list", "oop_turn_bet_sizes", "2.5x", true},
            {"sound sizes", "ip_river_raise_sizes", "2.5x, a", false},
            {"a blank between two sizes", "oop_flop_bet_sizes", "33, 50 100", true,
             "Sizing: invalid token '50 100'"},
            {"not a number", "ip_turn_bet_sizes", "nan", true, "Sizing: invalid token 'nan'"},
            {"a number out of range", "oop_river_raise_sizes", "1e400", true,
             "Failed to parse floating-point number from '1e400' (hex=3165343030)"},
            {"a percentage with a blank", "ip_flop_bet_sizes", "50 %", false},
            {"a percentage of the pot", "oop_turn_bet_sizes", "50% pot", false},
            {"a list with blanks", "ip_river_bet_sizes", "33, 75", false},
            {"all-in", "oop_flop_raise_sizes", "a", false},
            {"a repeated card", "board", "AhKsQdAh", true},
            {"a partial board is not read", "board", "AhKs", false},
        };
        for (const auto& r : rows) {
            QTest::newRow(r.name) << QString(r.key) << QString::fromUtf8(r.text) << r.refused
                                  << QString(r.message);
        }
    }

    void spotTextErrorsNameWhatTheEngineRefuses() {
        QFETCH(QString, key);
        QFETCH(QString, text);
        QFETCH(bool, refused);
        QFETCH(QString, message);
        QVariantMap cfg{{"board", "Ks Qd 7h"}, {"oop_range", "AA"}, {"ip_range", "KK"}};
        cfg[key] = text;
        const QVariantMap errors = spotTextErrors(buildSolveConfig(cfg, nullptr, 1));
        QCOMPARE(errors.contains(key), refused);
        QCOMPARE(errors.size(), refused ? 1 : 0);
        if (refused) {
            QVERIFY(!errors.value(key).toString().isEmpty());
        }
        if (!message.isEmpty()) {
            QCOMPARE(errors.value(key).toString(), message);
        }
    }

    void moneyToCentsEdges() {
        QCOMPARE(moneyToCents(180.0, 10000), 18000);
        QCOMPARE(moneyToCents(std::nan(""), 10000), 10000);
        QCOMPARE(moneyToCents(std::numeric_limits<double>::infinity(), 2500), 2500);
        QCOMPARE(moneyToCents(1e12, 10000), 2147483646);
        QCOMPARE(moneyToCents(-5.0, 10000), 0);
        QCOMPARE(moneyToCents(0.005, 10000), 1);  // half away from zero
        QCOMPARE(moneyToCents(21474836.46, 10000), 2147483646);
    }

    void numbersFromQmlAreChecked() {
        const auto built = [](const QVariantMap& cfg) { return buildSolveConfig(cfg, nullptr, 6); };
        QCOMPARE(built({{"target_exploitability", std::nan("")}}).target_exploitability, 0.1f);
        QCOMPARE(built({{"target_exploitability", -1.0}}).target_exploitability, 0.0f);
        QCOMPARE(built({{"rake_percent", std::nan("")}}).rake_percent, 0.0);
        QCOMPARE(built({{"rake_percent", "lots"}}).rake_percent, 0.0);
        // Kept as given: the controller refuses it.
        QCOMPARE(built({{"rake_percent", 150.0}}).rake_percent, 150.0);
        QCOMPARE(built({{"rake_cap", -3.0}}).rake_cap, 0.0);
        QCOMPARE(built({{"rake_cap", 3.0}}).rake_cap, 300.0);
        QCOMPARE(built({{"thread_count", 0}}).thread_count, 1u);
        QCOMPARE(built({{"thread_count", 1000}}).thread_count, 6u);
        QCOMPARE(built({{"thread_count", "many"}}).thread_count, 1u);
        QCOMPARE(built({{"max_iterations", "lots"}}).max_iterations, 2000u);
        QCOMPARE(built({{"max_iterations", std::nan("")}}).max_iterations, 2000u);
        QCOMPARE(built({{"max_iterations", -5}}).max_iterations, 0u);
        QCOMPARE(built({{"max_iterations", 1e20}}).max_iterations, 4294967295u);
        QCOMPARE(built({{"max_iterations", "350"}}).max_iterations, 350u);
        const SolveConfig jam = built({{"oop_add_all_in_jam_threshold_enabled", true},
                                       {"oop_add_all_in_jam_threshold_pct", 150.0},
                                       {"ip_add_all_in_jam_threshold_pct", 80.0}});
        QCOMPARE(jam.oop_jam_threshold_pct.value(), 150.0);
        QVERIFY(!jam.ip_jam_threshold_pct.has_value());
        const SolveConfig sizing = built({{"ip_turn_bet_sizes", "33, 75"},
                                          {"ip_turn_add_all_in", true},
                                          {"oop_river_dont_donk", true}});
        QCOMPARE(sizing.ip_sizing[1].bet_sizes, std::string("33, 75"));
        QVERIFY(sizing.ip_sizing[1].add_all_in);
        QVERIFY(sizing.oop_sizing[2].dont_donk);
        QVERIFY(!sizing.oop_sizing[1].dont_donk);
    }

    void boardsAndRanges() {
        QCOMPARE(normalizeBoardText("  ah KS qd  "), QString("AhKsQd"));
        QCOMPARE(normalizeBoardText("AhKsQ"), QString("AhKs"));
        QCOMPARE(normalizeBoardText("Ah-Ks"), QString("Ah"));
        QCOMPARE(normalizeBoardText("A"), QString());
        QCOMPARE(normalizeBoardText("Ah\tKs\nQd"), QString("AhKsQd"));
        // Hands as the engine's range reader reads them.
        for (const char* held : {"AK", "ak", "A K", " 100% ", "50%", "AhQh,AhJh", "AsKs:0.5"}) {
            QVERIFY2(rangeHasAnyHand(held), held);
        }
        for (const char* none : {"0%", "   ", "AA:0", "KA", "150%", "AA, ZZ"}) {
            QVERIFY2(!rangeHasAnyHand(none), none);
        }
        QVERIFY(cfgHasText({{"k", " x "}}, "k"));
        QVERIFY(!cfgHasText({{"k", "   "}}, "k"));
        QVERIFY(!cfgHasText({}, "k"));
    }

    void nodeLocksIntoTheConfiguration() {
        NodeLockTable table;
        table[3]["AA"] = NodeLockRecord{{0.25f, 0.75f}, 5, 0.1};
        table[3]["KK"] = NodeLockRecord{{}, 1, 1.5};
        table[3]["QQ"] = NodeLockRecord{{}, -1, 1.0};  // left out
        table[-1]["AA"] = NodeLockRecord{{}, 0, 1.0};  // left out whole
        const SolveConfig c = buildSolveConfig({}, &table, 4);
        QCOMPARE(c.node_locks.size(), std::size_t(2));
        for (const SolveNodeLock& lock : c.node_locks) {
            QCOMPARE(lock.node_index, std::uint64_t(3));
            if (lock.hand == "AA") {
                QCOMPARE(lock.action_probs, (std::vector<float>{0.25f, 0.75f}));
                QCOMPARE(lock.action_index, 0);
                QCOMPARE(lock.action_prob, 1.0f);
            } else {
                QCOMPARE(lock.hand, std::string("KK"));
                QCOMPARE(lock.action_index, 1);
                QCOMPARE(lock.action_prob, 1.0f);  // clamped
                QVERIFY(lock.action_probs.empty());
            }
        }
    }
};

QTEST_GUILESS_MAIN(SolveConfigMapTest)
#include "solve_config_map_test.moc"
