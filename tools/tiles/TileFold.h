#pragma once

#include "TileEdits.h"

#include <vector>

// What folding one half of a game folder writes into its tile-data file:
// each tile the patch file replaces is to hold the very entry the patch file
// gives it, and only those whose entry in the tile-data file differs need a
// write.
struct FoldPlan {
    int patchedTiles = 0;         // tiles in use the patch file replaces
    std::vector<TileEdit> edits;  // one per patched tile the tile-data file holds otherwise
};

// `patched` and `own` are one half as a load left it, with and without the patches.
template <typename Table>
FoldPlan PlanFold(const Table& patched, const Table& own);
