#include "app/solve_config_map.h"

#include "core/bet_size.h"
#include "session/sizing_text.h"
#include "session/spot_inputs.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <limits>

namespace quendal_app {

namespace {

constexpr double kMaxChips = 21474836.46;
const QString kRanks = QStringLiteral("AKQJT98765432");
const QString kSuits = QStringLiteral("shdc");

double number(const QVariantMap& cfg, const char* key, double fallback) {
    const QVariant v = cfg.value(QString::fromLatin1(key));
    return v.isValid() ? v.toDouble() : fallback;
}

std::string text(const QVariantMap& cfg, const QString& key) {
    return cfg.value(key).toString().toStdString();
}

// A number from QML within [low, high]; `fallback` when it is not a number.
double checkedNumber(const QVariantMap& cfg, const char* key, double fallback, double low,
                     double high) {
    const QVariant v = cfg.value(QString::fromLatin1(key));
    if (!v.isValid()) {
        return fallback;
    }
    bool ok = false;
    const double x = v.toDouble(&ok);
    if (!ok || std::isnan(x)) {
        return fallback;
    }
    return std::clamp(x, low, high);
}

}  // namespace

QString normalizeBoardText(const QString& text) {
    QString compact = text.simplified();
    compact.remove(QLatin1Char(' '));
    if (compact.size() < 2) {
        return {};
    }
    QString out;
    for (int i = 0; i + 1 < compact.size(); i += 2) {
        const QChar rank = compact[i].toUpper();
        const QChar suit = compact[i + 1].toLower();
        if (kRanks.contains(rank) && kSuits.contains(suit)) {
            out += rank;
            out += suit;
        }
    }
    return out;
}

bool rangeHasAnyHand(const QString& text) {
    try {
        const quendal::RangeWeights weights = parse_range_text(text.toStdString());
        return std::any_of(weights.begin(), weights.end(), [](float w) { return w > 0.0f; });
    } catch (const std::exception&) {
        return false;
    }
}

bool cfgHasText(const QVariantMap& cfg, const QString& key) {
    return !cfg.value(key).toString().trimmed().isEmpty();
}

std::int32_t moneyToCents(double value, std::int32_t fallbackHundredths) {
    if (!std::isfinite(value)) {
        value = fallbackHundredths / 100.0;
    }
    value = std::clamp(value, 0.0, kMaxChips);
    return static_cast<std::int32_t>(std::round(value * 100.0));
}

StreetSizing readStreetSizing(const QVariantMap& cfg, const QString& prefix) {
    StreetSizing s;
    s.bet_sizes = text(cfg, prefix + "_bet_sizes");
    s.raise_sizes = text(cfg, prefix + "_raise_sizes");
    s.add_all_in = cfg.value(prefix + "_add_all_in").toBool();
    s.dont_donk = cfg.value(prefix + "_dont_donk").toBool();
    return s;
}

SolveConfig buildSolveConfig(const QVariantMap& cfg, const NodeLockTable* locks, int maxThreads) {
    SolveConfig c;
    c.board = normalizeBoardText(cfg.value("board").toString()).toStdString();
    c.starting_pot = moneyToCents(number(cfg, "starting_pot", 100.0), 10000);
    c.effective_stack = moneyToCents(number(cfg, "effective_stack", 100.0), 10000);
    // Kept as given (the controller refuses a rate outside 0..100); NaN is no rate.
    const double rake = number(cfg, "rake_percent", 0.0);
    c.rake_percent = std::isnan(rake) ? 0.0 : rake;
    const double cap = number(cfg, "rake_cap", 0.0);
    c.rake_cap = std::isfinite(cap) && cap > 0.0 ? std::min(cap, kMaxChips) * 100.0 : 0.0;
    c.starting_street = cfg.contains("starting_street") ? text(cfg, "starting_street") : "flop";
    c.max_iterations =
        static_cast<std::uint32_t>(checkedNumber(cfg, "max_iterations", 2000.0, 0.0, 4294967295.0));
    double target = number(cfg, "target_exploitability", 0.1);
    target = std::isfinite(target) ? std::clamp(target, 0.0, kMaxChips) : 0.001;
    c.target_exploitability = static_cast<float>(target * 100.0);
    c.thread_count = static_cast<std::uint64_t>(
        checkedNumber(cfg, "thread_count", 1.0, 1.0, std::max(1, maxThreads)));
    c.oop_range = text(cfg, "oop_range");
    c.ip_range = text(cfg, "ip_range");
    const char* streets[] = {"flop", "turn", "river"};
    for (int i = 0; i < 3; ++i) {
        c.oop_sizing[i] = readStreetSizing(cfg, QStringLiteral("oop_") + streets[i]);
        c.ip_sizing[i] = readStreetSizing(cfg, QStringLiteral("ip_") + streets[i]);
    }
    if (cfg.value("oop_add_all_in_jam_threshold_enabled").toBool()) {
        c.oop_jam_threshold_pct = number(cfg, "oop_add_all_in_jam_threshold_pct", 0.0);
    }
    if (cfg.value("ip_add_all_in_jam_threshold_enabled").toBool()) {
        c.ip_jam_threshold_pct = number(cfg, "ip_add_all_in_jam_threshold_pct", 0.0);
    }
    c.compact_storage = false;
    if (locks != nullptr) {
        for (auto node = locks->cbegin(); node != locks->cend(); ++node) {
            if (node.key() < 0) {
                continue;
            }
            for (auto hand = node->cbegin(); hand != node->cend(); ++hand) {
                const NodeLockRecord& r = hand.value();
                SolveNodeLock lock;
                lock.node_index = static_cast<std::uint64_t>(node.key());
                lock.hand = hand.key().toStdString();
                if (!r.actionProbs.isEmpty()) {
                    lock.action_probs.assign(r.actionProbs.begin(), r.actionProbs.end());
                    lock.action_index = 0;
                    lock.action_prob = 1.0f;
                } else if (r.actionIndex < 0) {
                    continue;
                } else {
                    lock.action_index = r.actionIndex;
                    lock.action_prob = static_cast<float>(std::clamp(r.actionProb, 0.0, 1.0));
                }
                c.node_locks.push_back(std::move(lock));
            }
        }
    }
    return c;
}

QVariantMap spotTextErrors(const SolveConfig& config) {
    QVariantMap errors;
    const auto check = [&errors](const QString& key, const auto& read) {
        try {
            read();
        } catch (const std::exception& e) {
            errors.insert(key, QString::fromStdString(e.what()));
        }
    };
    const std::size_t board = config.board.size();
    if (board == 6 || board == 8 || board == 10) {
        check(QStringLiteral("board"), [&] { parse_board_text(config.board); });
    }
    check(QStringLiteral("oop_range"), [&] { parse_range_text(config.oop_range); });
    check(QStringLiteral("ip_range"), [&] { parse_range_text(config.ip_range); });
    const char* streets[] = {"flop", "turn", "river"};
    for (int i = 0; i < 3; ++i) {
        for (const auto& [seat, sizing] :
             {std::pair{"oop", &config.oop_sizing[i]}, std::pair{"ip", &config.ip_sizing[i]}}) {
            const QString prefix = QStringLiteral("%1_%2_").arg(seat, streets[i]);
            check(prefix + "bet_sizes", [&] {
                quendal::parse_bet_size_list(
                    normalize_sizing_text(sizing->bet_sizes, sizing->add_all_in), false);
            });
            check(prefix + "raise_sizes", [&] {
                quendal::parse_bet_size_list(
                    normalize_sizing_text(sizing->raise_sizes, sizing->add_all_in), true);
            });
        }
    }
    return errors;
}

SolveMapProblem solveMapProblem(const QVariantMap& cfg) {
    using Kind = SolveMapProblem::Kind;
    const auto problem = [](Kind kind, const QString& reason, const QString& message = {}) {
        return SolveMapProblem{kind, message.isEmpty() ? reason : reason + ": " + message, message};
    };
    const SolveConfig config = buildSolveConfig(cfg, nullptr, 1);
    const QVariantMap errors = spotTextErrors(config);
    // Every character of the text a card: a pair that is none is not dropped.
    QString typed = cfg.value("board").toString().simplified();
    typed.remove(QLatin1Char(' '));
    const std::size_t cards = config.board.size() / 2;
    if (config.board.size() != static_cast<std::size_t>(typed.size()) || cards < 3 || cards > 5 ||
        errors.contains("board")) {
        return problem(Kind::Board,
                       QStringLiteral("\"board\" is not a board of 3 to 5 distinct cards"));
    }
    const char* streets[] = {"flop", "turn", "river"};
    const std::string& street = config.starting_street;
    if (street != "flop" && street != "turn" && street != "river") {
        return problem(Kind::Street,
                       QStringLiteral("\"starting_street\" is not flop, turn or river"));
    }
    if (street != streets[cards - 3]) {
        return problem(Kind::Street,
                       QStringLiteral("\"starting_street\" is not the street of the board"));
    }
    for (const char* key : {"oop_range", "ip_range"}) {
        const QString k = QString::fromLatin1(key);
        if (errors.contains(k)) {
            return problem(Kind::Range, QStringLiteral("\"%1\" does not read").arg(k),
                           errors.value(k).toString());
        }
        const std::string& text = k == "oop_range" ? config.oop_range : config.ip_range;
        if (!rangeHasAnyHand(QString::fromStdString(text))) {
            return problem(Kind::Range, QStringLiteral("\"%1\" holds no hand").arg(k));
        }
    }
    // The streets the board leaves to play need sizes; the engine reads
    // every street's texts.
    QStringList played;
    QStringList all;
    for (const char* seat : {"oop", "ip"}) {
        for (std::size_t i = 0; i < 3; ++i) {
            for (const char* kind : {"bet", "raise"}) {
                const QString key = QStringLiteral("%1_%2_%3_sizes").arg(seat, streets[i], kind);
                all << key;
                if (i + 3 >= cards) {
                    played << key;
                }
            }
        }
    }
    for (const QString& key : played) {
        if (!cfgHasText(cfg, key)) {
            return problem(Kind::SizingMissing, QStringLiteral("\"%1\" is empty").arg(key));
        }
    }
    for (const QString& key : all) {
        if (errors.contains(key)) {
            return problem(Kind::Sizing, QStringLiteral("\"%1\" does not read").arg(key),
                           errors.value(key).toString());
        }
    }
    for (const auto& [key, cents] : {std::pair{"starting_pot", config.starting_pot},
                                     std::pair{"effective_stack", config.effective_stack}}) {
        if (cents <= 0) {
            return problem(Kind::Amount,
                           QStringLiteral("\"%1\" is not an amount above 0").arg(key));
        }
    }
    // Above 100% the winner of a pot would pay more rake than the pot holds.
    if (!(config.rake_percent >= 0.0 && config.rake_percent <= 100.0)) {
        return problem(Kind::Rake, QStringLiteral("\"rake_percent\" is not between 0 and 100"));
    }
    return {};
}

}  // namespace quendal_app
