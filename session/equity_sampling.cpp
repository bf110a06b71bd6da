#include "session/equity_sampling.h"

#include "core/hand_evaluator.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace quendal_app {

namespace {

constexpr quendal::CardCode kAbsent = 255;

std::uint64_t card_bit(quendal::CardCode c) {
    return c < quendal::kCardCount ? std::uint64_t{1} << c : 0;
}

// The cards outside `blocked`, in increasing order.
std::size_t open_cards(std::uint64_t blocked, std::array<quendal::CardCode, 52>& deck) {
    std::size_t n = 0;
    for (int c = 0; c < quendal::kCardCount; ++c) {
        if ((blocked & (std::uint64_t{1} << c)) == 0) {
            deck[n++] = static_cast<quendal::CardCode>(c);
        }
    }
    return n;
}

}  // namespace

std::uint32_t uniform_below(std::mt19937& generator, std::uint32_t m) {
    std::uint64_t product = static_cast<std::uint64_t>(generator()) * m;
    auto low = static_cast<std::uint32_t>(product);
    if (low < m) {
        const std::uint32_t threshold = static_cast<std::uint32_t>(-m) % m;
        while (low < threshold) {
            product = static_cast<std::uint64_t>(generator()) * m;
            low = static_cast<std::uint32_t>(product);
        }
    }
    return static_cast<std::uint32_t>(product >> 32);
}

double canonical_real(std::mt19937& generator) {
    const double x1 = generator();
    const double x2 = generator();
    const double r = (x1 + x2 * 4294967296.0) / 18446744073709551616.0;
    // Rounding can reach 1: the interval stays half-open.
    return r < 1.0 ? r : std::nextafter(1.0, 0.0);
}

void build_cumulative_weights(CumulativeWeights& table, const std::vector<double>& weights) {
    table.running.clear();
    table.total = 0.0;
    for (const double w : weights) {
        if (w > 0.0 && std::isfinite(w)) {
            table.total += w;
        }
        table.running.push_back(table.total);
    }
}

std::size_t first_reaching(const std::vector<double>& running, double u) {
    const auto it = std::lower_bound(running.begin(), running.end(), u);
    return it == running.end() ? running.size() - 1
                               : static_cast<std::size_t>(it - running.begin());
}

std::int64_t weighted_random_index(const CumulativeWeights& table, std::mt19937& generator) {
    if (!(table.total > 0.0) || table.running.empty()) {
        return -1;
    }
    const double u = canonical_real(generator) * table.total;
    return static_cast<std::int64_t>(first_reaching(table.running, u));
}

double sample_equity_vs_range(std::mt19937& generator, const std::vector<quendal::CardCode>& board,
                              quendal::CardCode turn, quendal::CardCode river,
                              const quendal::PocketList& hero_pockets,
                              const quendal::PocketList& villain_pockets,
                              const std::vector<double>& hero_weights,
                              const std::vector<float>& villain_weights, std::uint32_t samples) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    if (samples == 0 || hero_pockets.empty() || villain_pockets.empty() ||
        hero_weights.size() != hero_pockets.size() ||
        villain_weights.size() != villain_pockets.size()) {
        return nan;
    }
    std::uint64_t dead = card_bit(turn) | card_bit(river);
    for (const quendal::CardCode c : board) {
        dead |= card_bit(c);
    }
    std::vector<double> villain(villain_weights.size());
    for (std::size_t j = 0; j < villain.size(); ++j) {
        const float v = villain_weights[j];
        villain[j] = v > 0.0f && std::isfinite(v) ? v : 0.0;
    }
    CumulativeWeights hero_table, villain_table;
    build_cumulative_weights(hero_table, hero_weights);
    build_cumulative_weights(villain_table, villain);
    if (!(hero_table.total > 0.0) || !(villain_table.total > 0.0)) {
        return nan;
    }
    std::array<quendal::CardCode, 52> deck{};
    std::array<quendal::CardCode, 5> five{};
    std::uint64_t done = 0, wins = 0, ties = 0;
    for (std::uint32_t attempt = 0; attempt < samples; ++attempt) {
        const double u = canonical_real(generator) * hero_table.total;
        const quendal::Pocket hero = hero_pockets[first_reaching(hero_table.running, u)];
        const std::uint64_t hero_mask = quendal::pocket_mask(hero);
        if ((hero_mask & dead) != 0) {
            continue;
        }
        std::int64_t villain_index = -1;
        for (int draw = 0; draw < 32; ++draw) {
            const std::int64_t q = weighted_random_index(villain_table, generator);
            if (q >= 0 && (quendal::pocket_mask(villain_pockets[q]) & (dead | hero_mask)) == 0) {
                villain_index = q;
                break;
            }
        }
        if (villain_index < 0) {
            continue;
        }
        const quendal::Pocket opponent = villain_pockets[villain_index];
        const std::uint64_t used = dead | hero_mask | quendal::pocket_mask(opponent);
        quendal::CardCode t = turn, r = river;
        if (t == kAbsent) {
            const std::size_t n = open_cards(used, deck);
            if (n == 0) {
                continue;
            }
            t = deck[uniform_below(generator, static_cast<std::uint32_t>(n))];
        }
        if (r == kAbsent) {
            const std::size_t n = open_cards(used | card_bit(t), deck);
            if (n == 0) {
                continue;
            }
            r = deck[uniform_below(generator, static_cast<std::uint32_t>(n))];
        }
        if (board.size() != 3) {
            continue;
        }
        five = {board[0], board[1], board[2], t, r};
        const quendal::HandStrength mine = quendal::evaluate_hand(hero, five);
        const quendal::HandStrength theirs = quendal::evaluate_hand(opponent, five);
        ++done;
        wins += mine > theirs;
        ties += mine == theirs;
    }
    if (done == 0) {
        return nan;
    }
    return (static_cast<double>(wins) + 0.5 * static_cast<double>(ties)) /
           static_cast<double>(done);
}

}  // namespace quendal_app
