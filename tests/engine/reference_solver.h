#pragma once

// A second, deliberately plain rendering of the automatic player, kept apart from the engine so
// that tests can run both on the same board and compare them tick by tick. Every procedure keeps
// the name, the by-reference arguments and the order of steps of the game's own routines; the
// state is the same flat set of variables, with 16-bit integers and 1-based (column, row) cells.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace reference {

// One sliding move: the label that moved, the cell it left and the cell it entered.
struct Move {
    std::string label;
    int fromCol = 0, fromRow = 0, toCol = 0, toRow = 0;
    bool operator==(const Move&) const = default;
};

struct Solver {
    using Int = std::int16_t;

    // Board.
    Int GridCols = 0, GridRows = 0, CellCount = 0;
    std::string Board[11][11];  // [col][row]; " " is the empty cell
    std::string Goal[11][11];
    Int BlankCol = 0, BlankRow = 0;
    Int LoopCol = 0, LoopRow = 0;  // the solver's current cell between ticks
    std::string SearchLabel;
    bool LabelFound = false, MoveMade = false, Solved = false;

    // Routing.
    bool Locked[11][11] = {};
    bool IgnoreLocks = false;
    std::string AvoidLabel;
    bool PieceGoesUp = false, PieceGoesDown = false, PieceGoesRight = false, PieceGoesLeft = false;
    bool DetourActive = false;
    Int PathSteps = 0;
    bool PieceArrived = false;
    Int SolverMoves = 0;

    // Row stage.
    bool RowStageStarted = false, RowStageDone = false;
    bool LastPieceStaged = false, ShiftBackStarted = false, LiftPending = false,
         InsertPending = false;
    Int ShiftCol = 0;

    // Column-pair stage and final corner.
    bool PairStageStarted = false;
    bool BottomToTopPending = false, ParkTopPending = false, BottomToTopAgainPending = false;
    bool TopBesidePending = false, TopBesideAgainPending = false, BottomDownPending = false;
    bool TopInPending = false, ParkUntried = false, ParkPhaseOpen = false;
    bool CornerLeftPending = false, CornerRightPending = false;
    std::string BottomLabel, TopLabel;

    // ---- Setting up -------------------------------------------------------------------------

    // Puts a sliding-play board in place (cells listed row by row) with the goal of `orderCode`
    // ("HA", "HD", "VA", "VD") and resets the solver. LoopCol and LoopRow keep their values.
    void Load(int cols, int rows, const std::vector<std::string>& cellsRowMajor,
              const std::string& orderCode) {
        if (cols < 1 || cols > 10 || rows < 1 || rows > 10 ||
            cellsRowMajor.size() != static_cast<std::size_t>(cols * rows))
            throw std::invalid_argument("board does not fit the grid");
        GridCols = static_cast<Int>(cols);
        GridRows = static_cast<Int>(rows);
        CellCount = static_cast<Int>(cols * rows);
        for (int r = 1; r <= rows; ++r) {
            for (int c = 1; c <= cols; ++c) {
                Board[c][r] = cellsRowMajor[(r - 1) * cols + (c - 1)];
                if (Board[c][r] == " ") {
                    BlankCol = static_cast<Int>(c);
                    BlankRow = static_cast<Int>(r);
                }
                Goal[c][r] = std::to_string(GoalNumber(c, r, orderCode));
            }
        }
        Goal[cols][rows] = " ";
        lastGuardResetAt_.reset();
        stuck_ = false;
        ResetSolver();
    }

    // ---- Reset ------------------------------------------------------------------------------

    void ResetSolver() {
        ResetRowStageFlags();
        ResetPairStageFlags();
        PairStageStarted = false;
        RowStageDone = false;
        IgnoreLocks = false;
        ClearLocks();
    }

    void ResetRowStageFlags() {
        RowStageStarted = LastPieceStaged = ShiftBackStarted = PieceArrived = false;
        LiftPending = InsertPending = true;
    }

    void ResetPairStageFlags() {
        BottomToTopPending = ParkTopPending = ParkUntried = BottomToTopAgainPending = true;
        TopBesidePending = BottomDownPending = TopBesideAgainPending = TopInPending = true;
        CornerLeftPending = CornerRightPending = ParkPhaseOpen = true;
    }

    void ClearLocks() {
        for (int r = 1; r <= GridRows; ++r)
            for (int c = 1; c <= GridCols; ++c)
                Locked[c][r] = false;
        SolverMoves = 0;
    }

    // ---- Shared board routines --------------------------------------------------------------

    // First cell holding SearchLabel, row by row; (GridCols, GridRows) when it is absent.
    void LocateLabel(Int& col, Int& row) {
        LabelFound = false;
        row = 0;
        do {
            ++row;
            col = 0;
            do {
                ++col;
                if (Board[col][row] == SearchLabel)
                    LabelFound = true;
            } while (!(col == GridCols || LabelFound));
        } while (!(row == GridRows || LabelFound));
    }

    void LocateGoalPiece(Int& col, Int& row, Int& goalCol, Int& goalRow) {
        SearchLabel = Goal[goalCol][goalRow];
        LocateLabel(col, row);
    }

    // Slides the piece into the neighbouring empty cell. The two pairs trade values, so the
    // first names the piece's new cell and the second the new empty cell afterwards.
    void MovePiece(Int& pieceCol, Int& pieceRow, Int& blankCol, Int& blankRow) {
        ++SolverMoves;
        std::swap(pieceCol, blankCol);
        std::swap(pieceRow, blankRow);
        Board[pieceCol][pieceRow] = Board[blankCol][blankRow];
        Board[blankCol][blankRow] = " ";
        MoveMade = true;
        ++movesMade_;
        lastMove_ = Move{Board[pieceCol][pieceRow], blankCol, blankRow, pieceCol, pieceRow};
    }

    void CheckSolved() {
        Solved = true;
        for (int r = 1; r <= GridRows; ++r)
            for (int c = 1; c <= GridCols; ++c)
                if (Goal[c][r] != Board[c][r])
                    Solved = false;
    }

    // ---- Routing ----------------------------------------------------------------------------

    // Greedy direction from cur toward tgt: horizontal first, then vertical, stepping aside
    // (untested) when the preferred neighbour is barred.
    void ChooseStep(const Int& curCol, const Int& curRow, const Int& tgtCol, const Int& tgtRow,
                    const Int& pieceCol, const Int& pieceRow, Int& dx, Int& dy) {
        DetourActive = PieceGoesUp && curRow <= pieceRow && tgtRow >= pieceRow &&
                       pieceRow != GridRows && pieceCol != GridCols;
        auto barred = [&](int col, int row, bool sideRule) {
            return (Locked[col][row] && !IgnoreLocks) || Board[col][row] == AvoidLabel || sideRule;
        };
        if (!DetourActive && tgtCol < curCol) {
            if (barred(curCol - 1, curRow, pieceRow == curRow && PieceGoesRight))
                dx = 0, dy = curRow < GridRows ? 1 : -1;
            else
                dx = -1, dy = 0;
        } else if (!DetourActive && tgtCol > curCol) {
            if (barred(curCol + 1, curRow, pieceRow == curRow && PieceGoesLeft))
                dx = 0, dy = curRow < GridRows ? 1 : -1;
            else
                dx = 1, dy = 0;
        } else if (tgtRow < curRow) {
            if (barred(curCol, curRow - 1, pieceCol == curCol && PieceGoesDown))
                dx = curCol < GridCols ? 1 : -1, dy = 0;
            else
                dx = 0, dy = -1;
        } else if (tgtRow > curRow || DetourActive) {
            if (barred(curCol, curRow + 1, pieceCol == curCol && PieceGoesUp))
                dx = curCol < GridCols ? 1 : -1, dy = 0;
            else
                dx = 0, dy = 1;
        }
    }

    void AdvanceCursor(Int& curCol, Int& curRow, const Int& tgtCol, const Int& tgtRow,
                       const Int& pieceCol, const Int& pieceRow, Int& dx, Int& dy) {
        curCol += dx;
        curRow += dy;
        ChooseStep(curCol, curRow, tgtCol, tgtRow, pieceCol, pieceRow, dx, dy);
    }

    void SetPieceDirection(const Int& dx, const Int& dy) {
        PieceGoesUp = dy == -1;
        PieceGoesDown = dy == 1;
        PieceGoesRight = dx == 1;
        PieceGoesLeft = dx == -1;
    }

    void ClearPieceDirection() {
        PieceGoesUp = PieceGoesDown = PieceGoesRight = PieceGoesLeft = DetourActive = false;
    }

    // At most one move toward getting the piece onto the target: the piece itself when the
    // empty cell waits where it must go, else the empty cell one cell back along the route.
    // The first four arguments get their entry values back before returning.
    void PushPieceStep(Int& pieceCol, Int& pieceRow, Int& tgtCol, Int& tgtRow, Int& blankCol,
                       Int& blankRow) {
        PieceArrived = false;
        const Int entryPieceCol = pieceCol, entryPieceRow = pieceRow;
        const Int entryTgtCol = tgtCol, entryTgtRow = tgtRow;
        auto giveBack = [&] {
            pieceCol = entryPieceCol, pieceRow = entryPieceRow;
            tgtCol = entryTgtCol, tgtRow = entryTgtRow;
        };

        if (pieceCol == tgtCol && pieceRow == tgtRow) {
            if (Board[tgtCol][tgtRow] == Goal[tgtCol][tgtRow])
                Locked[tgtCol][tgtRow] = true;
            PieceArrived = true;
            SolverMoves = 0;
            giveBack();
            return;
        }

        ClearPieceDirection();
        Int dx = 0, dy = 0;
        ChooseStep(pieceCol, pieceRow, tgtCol, tgtRow, pieceCol, pieceRow, dx, dy);
        SetPieceDirection(dx, dy);
        const int needCol = pieceCol + dx, needRow = pieceRow + dy;

        if (blankCol == needCol && blankRow == needRow) {
            MovePiece(pieceCol, pieceRow, blankCol, blankRow);
            if (pieceCol == tgtCol && pieceRow == tgtRow) {
                PieceArrived = true;
                SolverMoves = 0;
                if (Board[tgtCol][tgtRow] == Goal[tgtCol][tgtRow])
                    Locked[tgtCol][tgtRow] = true;
            }
            giveBack();
            return;
        }

        // Walk from need toward the empty cell; the route's last cell gives way to it.
        Int curCol = pieceCol, curRow = pieceRow;
        auto blankAhead = [&] { return blankCol == curCol + dx && blankRow == curRow + dy; };
        while (!blankAhead() && PathSteps < CellCount) {
            AdvanceCursor(curCol, curRow, blankCol, blankRow, pieceCol, pieceRow, dx, dy);
            if (!blankAhead())
                ++PathSteps;
        }
        if (PathSteps < CellCount)
            MovePiece(curCol, curRow, blankCol, blankRow);
        giveBack();
    }

    // ---- Stages -----------------------------------------------------------------------------

    // Rows 1 .. GridRows - 2, left to right; each row's last cell by a rotation of the row.
    void SolveRowsStep(Int& blankCol, Int& blankRow) {
        auto boundsHold = [&] { return SolverMoves < 2 * CellCount && PathSteps < CellCount; };
        auto push = [&](Int pc, Int pr, Int tc, Int tr) {
            PushPieceStep(pc, pr, tc, tr, blankCol, blankRow);
        };
        auto finishCell = [&] {
            if (SolverMoves == 2 * CellCount || PathSteps == CellCount) {
                GuardReset();
                return;
            }
            LastPieceStaged = ShiftBackStarted = false;
            LiftPending = InsertPending = true;
            ++LoopCol;
        };

        PathSteps = 0;
        if (!RowStageStarted)
            LoopRow = 1, LoopCol = 1;
        if (LoopCol > GridCols)
            LoopCol = 1, ++LoopRow;
        RowStageStarted = true;
        if (LoopRow >= GridRows - 1) {
            RowStageDone = true;
            return;
        }

        IgnoreLocks = false;
        const Int c = LoopCol, r = LoopRow;
        Int pieceCol = 0, pieceRow = 0;  // P
        LocateGoalPiece(pieceCol, pieceRow, LoopCol, LoopRow);

        if (c < GridCols) {
            if (boundsHold())
                PushPieceStep(pieceCol, pieceRow, LoopCol, LoopRow, blankCol, blankRow);
            if (MoveMade && !PieceArrived)
                return;
            finishCell();
            return;
        }

        // Last cell: the row is whole, or its piece waits right below the empty cell.
        if ((Board[c][r] == Goal[c][r] && Board[1][r] == Goal[1][r]) ||
            (pieceCol == c && pieceRow == r + 1 && blankCol == c && blankRow == r)) {
            if (Board[c][r] != Goal[c][r])
                PushPieceStep(pieceCol, pieceRow, LoopCol, LoopRow, blankCol, blankRow);
            finishCell();
            return;
        }

        // Rotation. Stage the last piece below the second-to-last cell.
        if (SolverMoves < 2 * CellCount && !LastPieceStaged && PathSteps < CellCount) {
            push(pieceCol, pieceRow, c - 1, r + 1);
            if (MoveMade)
                return;
        }
        // Prepare: from here on locks are ignored and the staged piece is kept clear of.
        IgnoreLocks = true;
        AvoidLabel = SearchLabel;
        if (!ShiftBackStarted && PieceArrived)
            ShiftCol = LastPieceStaged ? ShiftCol + 1 : 1;
        LastPieceStaged = true;
        // Shift left: the first piece drops, the others move one cell left.
        if (SolverMoves < 2 * CellCount && ShiftCol < GridCols && !ShiftBackStarted &&
            PathSteps < CellCount) {
            if (ShiftCol == 1) {
                push(1, r, 1, r + 1);
            } else {
                Int row = r, tgtCol = ShiftCol - 1, tgtRow = r;
                PushPieceStep(ShiftCol, row, tgtCol, tgtRow, blankCol, blankRow);
            }
            if (MoveMade)
                return;
        }
        // Lift the staged piece into the row: tried once.
        AvoidLabel = "!";
        if (SolverMoves < 2 * CellCount && LiftPending && PathSteps < CellCount)
            push(c - 1, r + 1, c - 1, r);
        LiftPending = false;
        if (MoveMade)
            return;
        // Insert it into the last cell.
        if (SolverMoves < 2 * CellCount && InsertPending && PathSteps < CellCount)
            push(c - 1, r, c, r);
        if (PieceArrived)
            InsertPending = false;
        if (MoveMade)
            return;
        // Shift back right, one piece per tick.
        if (SolverMoves < 2 * CellCount && LastPieceStaged && !InsertPending &&
            PathSteps < CellCount) {
            ShiftCol = ShiftBackStarted ? ShiftCol - 1 : GridCols - 1;
            ShiftBackStarted = true;
            if (ShiftCol > 1 && boundsHold()) {
                Int fromCol = ShiftCol - 1, row = r, tgtRow = r;
                PushPieceStep(fromCol, row, ShiftCol, tgtRow, blankCol, blankRow);
                if (MoveMade)
                    return;
            }
        }
        // Drop back: the first piece rises into its cell again.
        if (boundsHold())
            push(1, r + 1, 1, r);
        if (MoveMade)
            return;
        finishCell();
    }

    // The last two rows, one column at a time, then the final 2 x 2 corner.
    void SolveLastTwoRowsStep(Int& blankCol, Int& blankRow) {
        const Int R = GridRows;
        auto boundsHold = [&] { return SolverMoves < 2 * CellCount && PathSteps < CellCount; };
        auto push = [&](Int pc, Int pr, Int tc, Int tr) {
            PushPieceStep(pc, pr, tc, tr, blankCol, blankRow);
        };

        PathSteps = 0;
        IgnoreLocks = true;
        if (!PairStageStarted)
            LoopCol = 1;
        PairStageStarted = true;

        if (LoopCol >= GridCols - 1) {
            const Int C = GridCols;
            Int pieceCol = 0, pieceRow = 0, goalCol = C - 1, goalRow = R - 1;
            LocateGoalPiece(pieceCol, pieceRow, goalCol, goalRow);
            if (CornerLeftPending && boundsHold())
                push(pieceCol, pieceRow, C - 1, R - 1);
            if (PieceArrived)
                CornerLeftPending = false;
            if (MoveMade)
                return;

            goalCol = C;
            LocateGoalPiece(pieceCol, pieceRow, goalCol, goalRow);
            if (CornerRightPending && boundsHold())
                push(pieceCol, pieceRow, C, R - 1);
            if (PieceArrived)
                CornerRightPending = false;
            if (MoveMade)
                return;

            if (boundsHold())
                FinalSlide(blankCol, blankRow);
            if (SolverMoves == 2 * CellCount || PathSteps == CellCount)
                GuardReset();
            return;
        }

        const Int c = LoopCol;
        auto nextColumn = [&] {
            ++LoopCol;
            ResetPairStageFlags();
        };
        if (Board[c][R] == Goal[c][R] && Board[c][R - 1] == Goal[c][R - 1]) {
            Locked[c][R - 1] = Locked[c][R] = true;
            nextColumn();
            return;
        }

        Int bottomGoalRow = R, topGoalRow = R - 1;
        Int bCol = 0, bRow = 0, tCol = 0, tRow = 0;  // B and T
        LocateGoalPiece(bCol, bRow, LoopCol, bottomGoalRow);
        BottomLabel = SearchLabel;
        LocateGoalPiece(tCol, tRow, LoopCol, topGoalRow);

        // Bottom to top.
        if ((tCol - bCol == 1 || tRow < bRow) && bCol == c)
            BottomToTopPending = false;
        else if (BottomToTopPending && boundsHold())
            push(bCol, bRow, c, R - 1);
        if (PieceArrived)
            BottomToTopPending = false;
        if (MoveMade)
            return;

        // Skip test K for the park phase.
        LocateGoalPiece(tCol, tRow, LoopCol, topGoalRow);
        TopLabel = SearchLabel;
        SearchLabel = BottomLabel;
        LocateLabel(bCol, bRow);
        const Int bc = blankCol, br = blankRow;
        const bool V = (tCol <= bc || tRow == bRow || (tRow == br && tRow != R)) &&
                       !(tCol == bCol && tRow > bRow);
        const bool W = !(bc > tCol && tRow > bRow);
        const bool E = (tRow == R - 1 && tCol == c + 1 && bc == c) || bRow != R || tCol == c;
        const bool F = tCol - bCol <= 1 || bc != bCol;
        const bool K = E && F && V && (tCol - bCol != 1 || W);

        if (!((K && ParkUntried) || !ParkPhaseOpen)) {
            // Park the top piece out of the way in the bottom row.
            if (ParkTopPending && boundsHold()) {
                push(tCol, tRow, c + 2, R);
                ParkUntried = false;
            }
            if (PieceArrived)
                ParkTopPending = false;
            if (MoveMade)
                return;
            // Bottom to top again.
            LocateLabel(bCol, bRow);
            if (BottomToTopAgainPending && boundsHold())
                push(bCol, bRow, c, R - 1);
            if (PieceArrived)
                BottomToTopAgainPending = false;
            if (MoveMade)
                return;
            // Top beside.
            SearchLabel = TopLabel;
            LocateLabel(tCol, tRow);
            if (TopBesidePending && boundsHold())
                push(tCol, tRow, c + 1, R - 1);
            if (PieceArrived)
                TopBesidePending = false;
            if (MoveMade)
                return;
        }

        // Top beside again.
        SearchLabel = TopLabel;
        ParkPhaseOpen = false;
        LocateLabel(tCol, tRow);
        if (TopBesideAgainPending && boundsHold())
            push(tCol, tRow, c + 1, R - 1);
        if (PieceArrived)
            TopBesideAgainPending = false;
        if (MoveMade)
            return;
        // Bottom down.
        SearchLabel = BottomLabel;
        LocateLabel(bCol, bRow);
        if (BottomDownPending && boundsHold())
            push(bCol, bRow, c, R);
        if (PieceArrived)
            BottomDownPending = false;
        if (MoveMade)
            return;
        // Top in.
        SearchLabel = TopLabel;
        LocateLabel(tCol, tRow);
        if (TopInPending && boundsHold())
            push(tCol, tRow, c, R - 1);
        if (PieceArrived)
            TopInPending = false;
        if (MoveMade)
            return;

        nextColumn();
    }

    // The empty cell goes down if it can, else right.
    void FinalSlide(Int& blankCol, Int& blankRow) {
        if (blankRow + 1 <= GridRows) {
            Int pieceCol = blankCol, pieceRow = blankRow + 1;
            MovePiece(pieceCol, pieceRow, blankCol, blankRow);
        } else if (blankCol + 1 <= GridCols) {
            Int pieceCol = blankCol + 1, pieceRow = blankRow;
            MovePiece(pieceCol, pieceRow, blankCol, blankRow);
        }
    }

    void AutoPlayStep() {
        AvoidLabel = "!";
        MoveMade = false;
        if (!RowStageDone) {
            SolveRowsStep(BlankCol, BlankRow);
            if (RowStageDone)
                SolveLastTwoRowsStep(BlankCol, BlankRow);
        } else {
            SolveLastTwoRowsStep(BlankCol, BlankRow);
        }
        CheckSolved();
    }

    // ---- Ticks --------------------------------------------------------------------------------

    // One step of the automatic player; the move it made, if any.
    std::optional<Move> Tick() {
        lastMove_.reset();
        AutoPlayStep();
        return lastMove_;
    }

    // True once a guard reset follows an earlier one with no move in between: the board and
    // the solver are then back where they were, and every later tick repeats without a move.
    bool Stuck() const { return stuck_; }

    // Moves made since the model was built.
    long MovesMade() const { return movesMade_; }

private:
    // A reset run by the solver's own bounds, as opposed to one run from outside.
    void GuardReset() {
        if (lastGuardResetAt_ && *lastGuardResetAt_ == movesMade_)
            stuck_ = true;
        lastGuardResetAt_ = movesMade_;
        ResetSolver();
    }

    // Goal label of a cell in sliding play; the last cell of every order is the empty one.
    int GoalNumber(int c, int r, const std::string& orderCode) const {
        if (orderCode == "HA")
            return (r - 1) * GridCols + c;
        if (orderCode == "VA")
            return (c - 1) * GridRows + r;
        if (orderCode == "HD")
            return (GridRows - r) * GridCols + GridCols - c;
        if (orderCode == "VD")
            return (GridCols - c) * GridRows + GridRows - r;
        throw std::invalid_argument("unknown order code " + orderCode);
    }

    std::optional<Move> lastMove_;
    long movesMade_ = 0;
    std::optional<long> lastGuardResetAt_;
    bool stuck_ = false;
};

}  // namespace reference
