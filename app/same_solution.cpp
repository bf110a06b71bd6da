#include "app/same_solution.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace quendal_app {

namespace {

bool sameNumber(const QVariant& a, const QVariant& b) {
    bool okA = false, okB = false;
    const double x = a.toDouble(&okA), y = b.toDouble(&okB);
    if (!okA || !okB) {
        return !a.isValid() && !b.isValid();
    }
    return std::abs(x - y) <= 1e-5 * std::max({1.0, std::abs(x), std::abs(y)});
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

// Two maps of hand class to a number (or to a list of numbers). A class the
// one map leaves out counts as 0 in it.
bool sameClassMaps(const QVariantMap& a, const QVariantMap& b) {
    QStringList keys = a.keys() + b.keys();
    keys.removeDuplicates();
    for (const QString& k : keys) {
        const QVariant x = a.value(k), y = b.value(k);
        const bool lists =
            x.typeId() == QMetaType::QVariantList || y.typeId() == QMetaType::QVariantList;
        if (lists ? !sameNumbers(x.toList(), y.toList())
                  : !sameNumber(x.isValid() ? x : 0.0, y.isValid() ? y : 0.0)) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool sameNodeSolution(const QVariantMap& strategyA, const QVariantList& statsA,
                      const QVariantMap& strategyB, const QVariantList& statsB) {
    if (strategyA.value("actionNames").toStringList() !=
            strategyB.value("actionNames").toStringList() ||
        !sameClassMaps(strategyA.value("weights").toMap(), strategyB.value("weights").toMap()) ||
        !sameClassMaps(strategyA.value("actionProbs").toMap(),
                       strategyB.value("actionProbs").toMap())) {
        return false;
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
