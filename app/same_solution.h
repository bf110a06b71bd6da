// Whether two answers about one node describe the same solution: its
// strategy by hand class and its action statistics, as the node queries give
// them (and as a project file keeps them).
#pragma once

#include <QVariantList>
#include <QVariantMap>

namespace quendal_app {

// Every figure of both answers agrees within a relative 1e-5 (a file keeps
// each figure as its shortest text, so a solution read back compares equal
// to the one that was saved), and so do the names and hand classes.
bool sameNodeSolution(const QVariantMap& strategyA, const QVariantList& statsA,
                      const QVariantMap& strategyB, const QVariantList& statsB);

}  // namespace quendal_app
