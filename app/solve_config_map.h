// The flat map QML builds for a solve, read into the session's configuration.
#pragma once

#include "app/node_lock_table.h"
#include "session/solve_records.h"

#include <QString>
#include <QVariantMap>
#include <cstdint>

namespace quendal_app {

// Blanks removed, then card pairs kept as rank upper-case and suit
// lower-case; pairs that are not cards are dropped.
QString normalizeBoardText(const QString& text);

// The engine's range reader gives some combo a weight above 0: "AhQh,AhJh"
// and "50%" hold hands; "0%", "AA:0" and a text it refuses do not.
bool rangeHasAnyHand(const QString& text);

// The key's value as text, trimmed, is not empty.
bool cfgHasText(const QVariantMap& cfg, const QString& key);

// Chips to hundredths: non-finite takes the fallback, clamped to
// [0, 21474836.46], rounded half away from zero.
std::int32_t moneyToCents(double value, std::int32_t fallbackHundredths);

StreetSizing readStreetSizing(const QVariantMap& cfg, const QString& prefix);

// The whole configuration; `locks` (may be null) are copied in as the
// session's lock records. The thread count is clamped to [1, maxThreads]
// and the iteration limit to [0, 4294967295] (2000 when not a number). The
// rake rate is kept as given, 0 when it is not a number.
SolveConfig buildSolveConfig(const QVariantMap& cfg, const NodeLockTable* locks, int maxThreads);

// The engine's own message for each text of the configuration it refuses,
// under the text's map key ("board", "oop_range", "ip_flop_raise_sizes", …);
// a text it reads has no entry. A board is read only once it is whole.
QVariantMap spotTextErrors(const SolveConfig& config);

// What keeps a solve map from being solved as it stands, the first of: the
// board (not three to five distinct cards, nothing else), the starting street
// (not flop, turn or river, or not the board's), a range (no hand as the
// engine reads it), the sizing of a street the spot plays (empty), a sizing
// text the engine refuses, the pot or the stack (0 or less), the rake (outside
// 0 to 100). Keys the map lacks take the defaults a solve gives them.
struct SolveMapProblem {
    enum class Kind { None, Board, Street, Range, SizingMissing, Sizing, Amount, Rake };
    Kind kind = Kind::None;
    // The key at fault and what is wrong with it, in English: "board" is not
    // a board of 3 to 5 distinct cards; "ip_range" does not read: and the
    // engine's message.
    QString reason;
    // The engine's own message for a range or sizing text it refuses.
    QString engineMessage;
};
SolveMapProblem solveMapProblem(const QVariantMap& cfg);

}  // namespace quendal_app
