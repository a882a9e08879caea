// The automatic player: one step per tick of Timer2. It keeps no plan; a few
// stage flags and counters say which cell it is filling, and every tick it
// looks at the board again and makes at most one move through PushPieceStep.
//
// It fills the board in a fixed order, whatever the goal order: rows 1 ..
// GridRows - 2 from left to right (the last cell of a row by a rotation of
// the row), then the last two rows one column at a time, then the final 2 x 2
// corner.
//
// Two rules of its own keep auto play from ticking forever without a move: a
// route that runs in a circle on an unchanged board (the stuck rule, which
// moves the empty cell one cell toward where the circling push needed it),
// and a board that cannot be solved (auto play switches itself off).

#include "engine/game.h"

#include <array>
#include <cstddef>
#include <utility>

namespace mosaic {

namespace {

// The four neighbours of a cell: left, right, up, down.
std::array<std::pair<int, int>, 4> Neighbours(int col, int row) {
    return {{{col - 1, row}, {col + 1, row}, {col, row - 1}, {col, row + 1}}};
}

}  // namespace

bool Game::SolverBoundsHold() const {
    return SolverMoves < 2 * CellCount && PathSteps < CellCount;
}

Game::BoardSnapshot Game::TakeBoardSnapshot() const {
    BoardSnapshot snapshot;
    snapshot.Cols = GridCols;
    snapshot.Rows = GridRows;
    snapshot.Moves = MoveCount;
    snapshot.Order = OrderCode;
    for (int r = 1; r <= GridRows; ++r)
        for (int c = 1; c <= GridCols; ++c)
            snapshot.Cells[c][r] = Board[c][r];
    return snapshot;
}

bool Game::BoardMatches(const BoardSnapshot& snapshot) const {
    if (snapshot.Cols != GridCols || snapshot.Rows != GridRows || snapshot.Moves != MoveCount ||
        snapshot.Order != OrderCode)
        return false;
    for (int r = 1; r <= GridRows; ++r)
        for (int c = 1; c <= GridCols; ++c)
            if (snapshot.Cells[c][r] != Board[c][r])
                return false;
    return true;
}

void Game::AutoPlayStep() {
    // The automatic player is defined for grids of at least 3 x 3 only.
    if (!AutoPlayPossible())
        return;
    // A move or a new board since the last tick starts a new run of ticks.
    if (!BoardMatches(BoardAfterLastTick))
        TicksWithoutMove = 0;

    // 1.
    AvoidLabel = NoLabel;
    MoveMade = false;

    // 2. A stuck solver would only find the same board again: this tick the
    // empty cell takes one step toward the circling push's need instead.
    // (Only while the board is still the one found stuck: a player's move or
    // a new board in between makes the solver go on as usual.)
    const bool stuck = SolverStuck && BoardMatches(BoardAtGuardReset);
    SolverStuck = false;
    if (stuck) {
        MoveBlankTowardCircleNeed();
    } else if (!RowStageDone) {
        SolveRowsStep(BlankCol, BlankRow);
        if (RowStageDone)
            SolveLastTwoRowsStep(BlankCol, BlankRow);
    } else {
        SolveLastTwoRowsStep(BlankCol, BlankRow);
    }

    // 3. CheckSolved stops Timer2 and closes play.
    CheckSolved();
    if (Solved) {
        platform_.ShowMessage("Completed", "Auto Play", MessageIcon::Information,
                              MessageButtons::Ok, MessageAnswer::Ok);
        TicksWithoutMove = 0;
        BoardAfterLastTick = TakeBoardSnapshot();
        return;
    }

    // A board that cannot be solved leaves the final corner without moves:
    // after more than four ticks per cell without one, give the board back.
    TicksWithoutMove = MoveMade ? 0 : static_cast<Integer>(TicksWithoutMove + 1);
    BoardAfterLastTick = TakeBoardSnapshot();
    if (TicksWithoutMove > 4 * GridCols * GridRows) {
        TicksWithoutMove = 0;
        COMMAND2_Click();
    }
}

void Game::GuardResetSolver() {
    // Back where the last guard reset left the board, with no move since (the
    // move counter unchanged) and the solver freshly reset both times: nothing
    // would ever change again.
    if (GuardResetSeen && BoardMatches(BoardAtGuardReset))
        SolverStuck = true;
    GuardResetSeen = true;
    BoardAtGuardReset = TakeBoardSnapshot();
    ResetSolver();
}

void Game::MoveBlankTowardCircleNeed() {
    // Distances to need over the cells the circling route could not use: the
    // pushed piece, the cells locked then, the cell of the avoided label.
    // Should those wall the empty cell off, only the pushed piece is kept out.
    using Distances = std::array<std::array<int, MaxGrid + 2>, MaxGrid + 2>;
    const auto measure = [&](bool keepOutLocksAndAvoided, Distances& distance) {
        for (auto& column : distance)
            column.fill(-1);
        const auto open = [&](int c, int r) {
            if (c < 1 || c > GridCols || r < 1 || r > GridRows)
                return false;
            if (c == CirclePieceCol && r == CirclePieceRow)
                return false;
            if (keepOutLocksAndAvoided && (CircleLocked[c][r] || Board[c][r] == CircleAvoidLabel))
                return false;
            return true;
        };
        // Breadth first; each cell enters the queue once, so a grid's worth
        // of room is enough and nothing is allocated.
        std::array<std::pair<int, int>, MaxGrid * MaxGrid> queue{};
        std::size_t head = 0, tail = 0;
        distance[CircleNeedCol][CircleNeedRow] = 0;
        queue[tail++] = {CircleNeedCol, CircleNeedRow};
        while (head < tail) {
            const auto [c, r] = queue[head++];
            for (const auto& [x, y] : Neighbours(c, r)) {
                // The empty cell itself may stand anywhere.
                const bool blank = x == BlankCol && y == BlankRow;
                if ((blank || open(x, y)) && distance[x][y] < 0) {
                    distance[x][y] = distance[c][r] + 1;
                    if (!blank)
                        queue[tail++] = {x, y};
                }
            }
        }
        return distance[BlankCol][BlankRow] > 0;
    };

    Distances distance{};
    if (!measure(true, distance) && !measure(false, distance))
        return;  // the empty cell already stands on need

    // One cell along a shortest route: left, right, up, down, the first that
    // is one cell nearer.
    const int here = distance[BlankCol][BlankRow];
    for (const auto& [x, y] : Neighbours(BlankCol, BlankRow)) {
        if (x >= 1 && x <= GridCols && y >= 1 && y <= GridRows && distance[x][y] == here - 1) {
            Integer pieceCol = static_cast<Integer>(x);
            Integer pieceRow = static_cast<Integer>(y);
            MovePiece(pieceCol, pieceRow, BlankCol, BlankRow);
            return;
        }
    }
}

void Game::SolveRowsStep(Integer& blankCol, Integer& blankRow) {
    // 1.
    PathSteps = 0;
    // 2.
    if (!RowStageStarted) {
        LoopRow = 1;
        LoopCol = 1;
    }
    // 3.
    if (LoopCol > GridCols) {
        LoopCol = 1;
        ++LoopRow;
    }
    // 4.
    RowStageStarted = true;
    // 5.
    if (LoopRow >= GridRows - 1) {
        RowStageDone = true;
        return;
    }

    // 6. The current cell (c, r) is LoopCol, LoopRow themselves.
    IgnoreLocks = false;
    Integer& c = LoopCol;
    Integer& r = LoopRow;
    Integer pieceCol = 0;
    Integer pieceRow = 0;
    LocateGoalPiece(pieceCol, pieceRow, c, r);

    // 10. Finish the cell.
    const auto finishCell = [&] {
        if (SolverMoves == 2 * CellCount || PathSteps == CellCount) {
            GuardResetSolver();
        } else {
            LastPieceStaged = false;
            ShiftBackStarted = false;
            LiftPending = true;
            InsertPending = true;
            ++LoopCol;
        }
    };

    // 7. Ordinary cell.
    if (c < GridCols) {
        if (SolverBoundsHold())
            PushPieceStep(pieceCol, pieceRow, c, r, blankCol, blankRow);
        if (MoveMade && !PieceArrived)
            return;
        finishCell();
        return;
    }

    // 8. Last cell of the row: the row is whole, or its piece lies right
    // below the empty cell.
    if ((Board[c][r] == Goal[c][r] && Board[1][r] == Goal[1][r]) ||
        (pieceCol == c && pieceRow == r + 1 && blankCol == c && blankRow == r)) {
        if (Board[c][r] != Goal[c][r])
            PushPieceStep(pieceCol, pieceRow, c, r, blankCol, blankRow);
        finishCell();
        return;
    }

    // 9. The rotation of row r.
    Integer leftOfLast = static_cast<Integer>(c - 1);
    Integer rowBelow = static_cast<Integer>(r + 1);
    Integer firstCol = 1;
    // 9.1 Stage the last piece below the row's second-to-last cell.
    if (SolverMoves < 2 * CellCount && !LastPieceStaged && PathSteps < CellCount) {
        PushPieceStep(pieceCol, pieceRow, leftOfLast, rowBelow, blankCol, blankRow);
        if (MoveMade)
            return;
    }
    // 9.2 Prepare.
    IgnoreLocks = true;
    AvoidLabel = SearchLabel;
    if (!ShiftBackStarted && PieceArrived)
        ShiftCol = LastPieceStaged ? static_cast<Integer>(ShiftCol + 1) : Integer{1};
    LastPieceStaged = true;
    // 9.3 Shift left: the row's first piece drops, the others follow it left.
    if (SolverMoves < 2 * CellCount && ShiftCol < GridCols && !ShiftBackStarted &&
        PathSteps < CellCount) {
        if (ShiftCol == 1) {
            Integer dropCol = 1;
            PushPieceStep(firstCol, r, dropCol, rowBelow, blankCol, blankRow);
        } else {
            Integer shiftTo = static_cast<Integer>(ShiftCol - 1);
            PushPieceStep(ShiftCol, r, shiftTo, r, blankCol, blankRow);
        }
        if (MoveMade)
            return;
    }
    // 9.4 Lift the staged piece, tried once.
    AvoidLabel = NoLabel;
    if (SolverMoves < 2 * CellCount && LiftPending && PathSteps < CellCount) {
        Integer stagedCol = leftOfLast;
        Integer liftTo = leftOfLast;
        PushPieceStep(stagedCol, rowBelow, liftTo, r, blankCol, blankRow);
    }
    LiftPending = false;
    if (MoveMade)
        return;
    // 9.5 Insert it into the last cell.
    if (SolverMoves < 2 * CellCount && InsertPending && PathSteps < CellCount) {
        PushPieceStep(leftOfLast, r, c, r, blankCol, blankRow);
        if (PieceArrived)
            InsertPending = false;
        if (MoveMade)
            return;
    }
    // 9.6 Shift back to the right, one piece per tick.
    if (SolverMoves < 2 * CellCount && LastPieceStaged && !InsertPending && PathSteps < CellCount) {
        ShiftCol = ShiftBackStarted ? static_cast<Integer>(ShiftCol - 1)
                                    : static_cast<Integer>(GridCols - 1);
        ShiftBackStarted = true;
        if (ShiftCol > 1 && SolverBoundsHold()) {
            Integer shiftFrom = static_cast<Integer>(ShiftCol - 1);
            PushPieceStep(shiftFrom, r, ShiftCol, r, blankCol, blankRow);
            if (MoveMade)
                return;
        }
    }
    // 9.7 Drop back: the first piece rises into its cell.
    if (SolverBoundsHold()) {
        Integer dropCol = 1;
        PushPieceStep(dropCol, rowBelow, firstCol, r, blankCol, blankRow);
        if (MoveMade)
            return;
    }
    finishCell();
}

void Game::SolveLastTwoRowsStep(Integer& blankCol, Integer& blankRow) {
    const Integer R = GridRows;
    Integer upperRow = static_cast<Integer>(R - 1);
    Integer lowerRow = R;

    // 1. Locks are never consulted in this stage.
    PathSteps = 0;
    IgnoreLocks = true;
    // 2.
    if (!PairStageStarted)
        LoopCol = 1;
    PairStageStarted = true;

    // 3.
    if (LoopCol < GridCols - 1) {
        // 4. Column pair c: B belongs in (c, R), T in (c, R - 1).
        Integer& c = LoopCol;
        // 4.10 Next column.
        const auto nextColumn = [&] {
            ++LoopCol;
            ResetPairStageFlags();
        };

        // 4.1
        if (Board[c][R] == Goal[c][R] && Board[c][R - 1] == Goal[c][R - 1]) {
            Locked[c][R - 1] = true;
            Locked[c][R] = true;
            nextColumn();
            return;
        }
        // 4.2
        Integer bottomCol = 0, bottomRow = 0, topCol = 0, topRow = 0;
        LocateGoalPiece(bottomCol, bottomRow, c, R);
        BottomLabel = SearchLabel;
        LocateGoalPiece(topCol, topRow, c, upperRow);
        // 4.3 Bottom to top.
        if ((topCol - bottomCol == 1 || topRow < bottomRow) && bottomCol == c)
            BottomToTopPending = false;
        else if (BottomToTopPending && SolverBoundsHold())
            PushPieceStep(bottomCol, bottomRow, c, upperRow, blankCol, blankRow);
        if (PieceArrived)
            BottomToTopPending = false;
        if (MoveMade)
            return;

        // 4.4 The skip test of the park phase.
        LocateGoalPiece(topCol, topRow, c, upperRow);
        TopLabel = SearchLabel;
        SearchLabel = BottomLabel;
        LocateLabel(bottomCol, bottomRow);
        {
            const int Tc = topCol, Tr = topRow, Bc = bottomCol, Br = bottomRow;
            const int bc = blankCol, br = blankRow;
            const bool V =
                (Tc <= bc || Tr == Br || (Tr == br && Tr != R)) && !(Tc == Bc && Tr > Br);
            const bool W = !(bc > Tc && Tr > Br);
            const bool E = (Tr == R - 1 && Tc == c + 1 && bc == c) || Br != R || Tc == c;
            const bool F = Tc - Bc <= 1 || bc != Bc;
            const bool K = E && F && V && (Tc - Bc != 1 || W);
            if (!((K && ParkUntried) || !ParkPhaseOpen)) {
                // 4.5 Park phase.
                if (ParkTopPending && SolverBoundsHold()) {
                    Integer parkCol = static_cast<Integer>(c + 2);
                    PushPieceStep(topCol, topRow, parkCol, lowerRow, blankCol, blankRow);
                    ParkUntried = false;
                }
                if (PieceArrived)
                    ParkTopPending = false;
                if (MoveMade)
                    return;

                LocateLabel(bottomCol, bottomRow);
                if (BottomToTopAgainPending && SolverBoundsHold())
                    PushPieceStep(bottomCol, bottomRow, c, upperRow, blankCol, blankRow);
                if (PieceArrived)
                    BottomToTopAgainPending = false;
                if (MoveMade)
                    return;

                SearchLabel = TopLabel;
                LocateLabel(topCol, topRow);
                if (TopBesidePending && SolverBoundsHold()) {
                    Integer besideCol = static_cast<Integer>(c + 1);
                    PushPieceStep(topCol, topRow, besideCol, upperRow, blankCol, blankRow);
                }
                if (PieceArrived)
                    TopBesidePending = false;
                if (MoveMade)
                    return;
            }
        }

        // 4.6 Top beside again.
        SearchLabel = TopLabel;
        ParkPhaseOpen = false;
        LocateLabel(topCol, topRow);
        if (TopBesideAgainPending && SolverBoundsHold()) {
            Integer besideCol = static_cast<Integer>(c + 1);
            PushPieceStep(topCol, topRow, besideCol, upperRow, blankCol, blankRow);
        }
        if (PieceArrived)
            TopBesideAgainPending = false;
        if (MoveMade)
            return;
        // 4.7 Bottom down.
        SearchLabel = BottomLabel;
        LocateLabel(bottomCol, bottomRow);
        if (BottomDownPending && SolverBoundsHold())
            PushPieceStep(bottomCol, bottomRow, c, lowerRow, blankCol, blankRow);
        if (PieceArrived)
            BottomDownPending = false;
        if (MoveMade)
            return;
        // 4.8 Top in.
        SearchLabel = TopLabel;
        LocateLabel(topCol, topRow);
        if (TopInPending && SolverBoundsHold())
            PushPieceStep(topCol, topRow, c, upperRow, blankCol, blankRow);
        if (PieceArrived)
            TopInPending = false;
        if (MoveMade)
            return;
        // 4.9
        nextColumn();
        return;
    }

    // 5. The final corner.
    const Integer C = GridCols;
    Integer leftCol = static_cast<Integer>(C - 1);
    Integer rightCol = C;
    Integer pieceCol = 0, pieceRow = 0;
    // 5.1
    LocateGoalPiece(pieceCol, pieceRow, leftCol, upperRow);
    if (CornerLeftPending && SolverBoundsHold())
        PushPieceStep(pieceCol, pieceRow, leftCol, upperRow, blankCol, blankRow);
    if (PieceArrived)
        CornerLeftPending = false;
    if (MoveMade)
        return;
    // 5.2
    LocateGoalPiece(pieceCol, pieceRow, rightCol, upperRow);
    if (CornerRightPending && SolverBoundsHold())
        PushPieceStep(pieceCol, pieceRow, rightCol, upperRow, blankCol, blankRow);
    if (PieceArrived)
        CornerRightPending = false;
    if (MoveMade)
        return;
    // 5.3
    if (SolverBoundsHold())
        FinalSlide(blankCol, blankRow);
    // 5.4
    if (SolverMoves == 2 * CellCount || PathSteps == CellCount)
        GuardResetSolver();
}

void Game::FinalSlide(Integer& blankCol, Integer& blankRow) {
    if (blankRow + 1 <= GridRows) {
        Integer pieceCol = blankCol;
        Integer pieceRow = static_cast<Integer>(blankRow + 1);
        MovePiece(pieceCol, pieceRow, blankCol, blankRow);
    } else if (blankCol + 1 <= GridCols) {
        Integer pieceCol = static_cast<Integer>(blankCol + 1);
        Integer pieceRow = blankRow;
        MovePiece(pieceCol, pieceRow, blankCol, blankRow);
    }
}

}  // namespace mosaic
