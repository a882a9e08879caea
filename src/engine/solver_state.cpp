// The automatic player's reset: every board build and every player move puts
// it back to the start of a solve, so it always starts from the board as it
// finds it.

#include "engine/game.h"

namespace mosaic {

void Game::ResetSolver() {
    // 1.
    ResetRowStageFlags();
    // 2.
    ResetPairStageFlags();
    // 3.
    PairStageStarted = false;
    RowStageDone = false;
    IgnoreLocks = false;
    // 4.
    ClearLocks();
}

void Game::ResetRowStageFlags() {
    RowStageStarted = false;
    LastPieceStaged = false;
    ShiftBackStarted = false;
    PieceArrived = false;
    LiftPending = true;
    InsertPending = true;
}

void Game::ResetPairStageFlags() {
    BottomToTopPending = true;
    ParkTopPending = true;
    ParkUntried = true;
    BottomToTopAgainPending = true;
    TopBesidePending = true;
    BottomDownPending = true;
    TopBesideAgainPending = true;
    TopInPending = true;
    CornerLeftPending = true;
    CornerRightPending = true;
    ParkPhaseOpen = true;
}

void Game::ClearLocks() {
    // Only the cells of this grid: the rest of the array is never read.
    for (int r = 1; r <= GridRows; ++r)
        for (int c = 1; c <= GridCols; ++c)
            Locked[c][r] = false;
    SolverMoves = 0;
}

}  // namespace mosaic
