#include "app/same_solution.h"

#include <QHash>
#include <algorithm>
#include <cmath>

namespace quendal_app {

namespace {

// A figure, or none (absent, null as a file keeps a NaN, or NaN).
bool figure(const QVariant& v, double& x) {
    bool ok = false;
    x = v.toDouble(&ok);
    return ok && !std::isnan(x);
}

bool sameNumber(const QVariant& a, const QVariant& b) {
    double x = 0.0, y = 0.0;
    const bool hasA = figure(a, x), hasB = figure(b, y);
    if (!hasA || !hasB) {
        return hasA == hasB;
    }
    return x == y || std::abs(x - y) <= 1e-5 * std::max({1.0, std::abs(x), std::abs(y)});
}

bool sameNumbers(const QVariantList& a, const QVariantList& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (int i = 0; i < a.size(); ++i) {
        if (!sameNumber(a[i], b[i])) {
            return false;
        }
    }
    return true;
}

// The rows by hand: "c1c2" to the row.
QHash<QString, QVariantMap> rowsByHand(const QVariantList& rows) {
    QHash<QString, QVariantMap> out;
    for (const QVariant& row : rows) {
        const QVariantMap m = row.toMap();
        out.insert(m.value("c1").toString() + m.value("c2").toString(), m);
    }
    return out;
}

}  // namespace

bool sameNodeSolution(const QVariantList& combosA, const QVariantList& statsA,
                      const QVariantList& combosB, const QVariantList& statsB) {
    const QHash<QString, QVariantMap> a = rowsByHand(combosA), b = rowsByHand(combosB);
    if (a.size() != b.size() || a.size() != combosA.size()) {
        return false;
    }
    for (auto it = a.cbegin(); it != a.cend(); ++it) {
        const auto other = b.constFind(it.key());
        if (other == b.cend() || !sameNumber(it->value("weight"), other->value("weight")) ||
            !sameNumber(it->value("ev"), other->value("ev")) ||
            !sameNumbers(it->value("actionEvs").toList(), other->value("actionEvs").toList()) ||
            !sameNumbers(it->value("actionProbs").toList(), other->value("actionProbs").toList())) {
            return false;
        }
    }
    if (statsA.size() != statsB.size()) {
        return false;
    }
    for (int i = 0; i < statsA.size(); ++i) {
        const QVariantMap a = statsA[i].toMap(), b = statsB[i].toMap();
        if (a.value("name").toString() != b.value("name").toString()) {
            return false;
        }
        for (const char* key : {"frequency", "combos", "equity", "ev"}) {
            if (!sameNumber(a.value(key), b.value(key))) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace quendal_app
