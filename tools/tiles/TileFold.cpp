#include "TileFold.h"

template <typename Table>
FoldPlan PlanFold(const Table& patched, const Table& own)
{
    FoldPlan plan;
    for (int tile = 0; tile < patched.count; ++tile) {
        typename Table::value_type entry = patched[tile];
        if (!entry.patched)
            continue;
        ++plan.patchedTiles;
        entry.patched = own[tile].patched;  // the mark is no byte of either file
        if (entry != own[tile])
            plan.edits.push_back(EditToMatch(tile, entry));
    }
    return plan;
}

template FoldPlan PlanFold(const StaticTileTable&, const StaticTileTable&);
template FoldPlan PlanFold(const LandTileTable&, const LandTileTable&);
