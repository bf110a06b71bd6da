// Whether two answers about one node describe the same solution: every
// hand's strategy and values and the node's action statistics, as the node
// queries give them (and as a project file keeps them).
#pragma once

#include <QVariantList>
#include <QVariantMap>

namespace quendal_app {

// Every figure of both answers agrees within a relative 1e-5 (a file keeps
// each figure as its shortest text, so a solution read back compares equal
// to the one that was saved), and so do the names and the hands. `combos`
// are hand rows (c1, c2, weight, ev, actionEvs, actionProbs), `stats` the
// action statistics rows.
bool sameNodeSolution(const QVariantList& combosA, const QVariantList& statsA,
                      const QVariantList& combosB, const QVariantList& statsB);

}  // namespace quendal_app
