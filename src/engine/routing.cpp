// Solver routing: the automatic player's one way of moving a piece. A push
// makes at most one sliding move: it either brings the empty cell one cell
// closer to the cell the piece must enter next, or slides the piece itself.
// The way is found afresh on every call by a greedy rule that prefers the
// horizontal direction, then the vertical one, and steps aside when the
// preferred cell is barred. Nothing is searched and nothing is kept.

#include "engine/game.h"

namespace mosaic {

void Game::ClearPieceDirection() {
    PieceGoesUp = false;
    PieceGoesDown = false;
    PieceGoesRight = false;
    PieceGoesLeft = false;
    DetourActive = false;
}

void Game::SetPieceDirection(Integer dx, Integer dy) {
    PieceGoesUp = dy == -1;
    PieceGoesDown = dy == 1;
    PieceGoesRight = dx == 1;
    PieceGoesLeft = dx == -1;
}

void Game::LocateGoalPiece(Integer& col, Integer& row, Integer goalCol, Integer goalRow) {
    SearchLabel = Goal[goalCol][goalRow];
    LocateLabel(col, row);
}

void Game::ChooseStep(Integer& curCol, Integer& curRow, Integer& tgtCol, Integer& tgtRow,
                      Integer& pieceCol, Integer& pieceRow, Integer& dx, Integer& dy) {
    // 1. A piece that must go up with the way to the target starting at or
    // above its row and ending at or below it: the route goes down first.
    DetourActive = PieceGoesUp && curRow <= pieceRow && tgtRow >= pieceRow &&
                   pieceRow != GridRows && pieceCol != GridCols;

    // 2. Only the neighbour that a rule below asks about is ever looked at, so
    // no cell outside the grid is read.
    const auto barred = [&](int col, int row, bool sideRule) {
        return (Locked[col][row] && !IgnoreLocks) || Board[col][row] == AvoidLabel || sideRule;
    };
    const auto setStep = [&](int stepX, int stepY) {
        dx = static_cast<Integer>(stepX);
        dy = static_cast<Integer>(stepY);
    };
    // The steps aside are taken without asking whether they are barred.
    const int asideVertical = curRow < GridRows ? 1 : -1;
    const int asideHorizontal = curCol < GridCols ? 1 : -1;

    // 3.
    if (!DetourActive && tgtCol < curCol) {
        if (barred(curCol - 1, curRow, pieceRow == curRow && PieceGoesRight))
            setStep(0, asideVertical);
        else
            setStep(-1, 0);
        return;
    }
    // 4.
    if (!DetourActive && tgtCol > curCol) {
        if (barred(curCol + 1, curRow, pieceRow == curRow && PieceGoesLeft))
            setStep(0, asideVertical);
        else
            setStep(1, 0);
        return;
    }
    // 5.
    if (tgtRow < curRow) {
        if (barred(curCol, curRow - 1, pieceCol == curCol && PieceGoesDown))
            setStep(asideHorizontal, 0);
        else
            setStep(0, -1);
        return;
    }
    // 6.
    if (tgtRow > curRow || DetourActive) {
        if (barred(curCol, curRow + 1, pieceCol == curCol && PieceGoesUp))
            setStep(asideHorizontal, 0);
        else
            setStep(0, 1);
        return;
    }
    // 7. At the target: dx and dy stay as they are.
}

void Game::AdvanceCursor(Integer& curCol, Integer& curRow, Integer& tgtCol, Integer& tgtRow,
                         Integer& pieceCol, Integer& pieceRow, Integer& dx, Integer& dy) {
    curCol = static_cast<Integer>(curCol + dx);
    curRow = static_cast<Integer>(curRow + dy);
    ChooseStep(curCol, curRow, tgtCol, tgtRow, pieceCol, pieceRow, dx, dy);
}

void Game::PushPieceStep(Integer& pieceCol, Integer& pieceRow, Integer& tgtCol, Integer& tgtRow,
                         Integer& blankCol, Integer& blankRow) {
    // 1. The caller's variables get their values back at the end, whatever
    // the move did to them (a caller may pass LoopRow as both rows).
    PieceArrived = false;
    const Integer entryPieceCol = pieceCol;
    const Integer entryPieceRow = pieceRow;
    const Integer entryTgtCol = tgtCol;
    const Integer entryTgtRow = tgtRow;
    const auto giveBack = [&] {
        pieceCol = entryPieceCol;
        pieceRow = entryPieceRow;
        tgtCol = entryTgtCol;
        tgtRow = entryTgtRow;
    };
    const auto arrive = [&] {
        if (Board[tgtCol][tgtRow] == Goal[tgtCol][tgtRow])
            Locked[tgtCol][tgtRow] = true;
        PieceArrived = true;
        SolverMoves = 0;
    };

    // 2.
    if (pieceCol == tgtCol && pieceRow == tgtRow) {
        arrive();
        giveBack();
        return;
    }

    // 3. The piece's own next step, with no side rule in force yet.
    ClearPieceDirection();
    Integer dx = 0;
    Integer dy = 0;
    ChooseStep(pieceCol, pieceRow, tgtCol, tgtRow, pieceCol, pieceRow, dx, dy);
    SetPieceDirection(dx, dy);
    const Integer needCol = static_cast<Integer>(pieceCol + dx);
    const Integer needRow = static_cast<Integer>(pieceRow + dy);

    // 4. The move exchanges the pairs: the piece pair names its new cell.
    if (blankCol == needCol && blankRow == needRow) {
        MovePiece(pieceCol, pieceRow, blankCol, blankRow);
        if (pieceCol == tgtCol && pieceRow == tgtRow)
            arrive();
        giveBack();
        return;
    }

    // 5. Walk the route from need toward the empty cell.
    const Integer stepsBefore = PathSteps;
    Integer curCol = pieceCol;
    Integer curRow = pieceRow;
    for (;;) {
        // 5.1
        if (blankCol == curCol + dx && blankRow == curRow + dy)
            break;
        // 5.2
        if (PathSteps >= CellCount)
            break;
        // 5.3
        AdvanceCursor(curCol, curRow, blankCol, blankRow, pieceCol, pieceRow, dx, dy);
        // 5.4
        if (!(blankCol == curCol + dx && blankRow == curRow + dy))
            ++PathSteps;
    }
    if (PathSteps < CellCount) {
        // The empty cell moves one cell back along the route, toward need.
        MovePiece(curCol, curRow, blankCol, blankRow);
    } else if (stepsBefore < CellCount) {
        // This walk ran in a circle: keep what barred it for the stuck rule.
        RecordCirclingPush(pieceCol, pieceRow, needCol, needRow);
    }
    giveBack();
}

void Game::RecordCirclingPush(Integer pieceCol, Integer pieceRow, Integer needCol,
                              Integer needRow) {
    CirclePieceCol = pieceCol;
    CirclePieceRow = pieceRow;
    CircleNeedCol = needCol;
    CircleNeedRow = needRow;
    for (int r = 1; r <= GridRows; ++r)
        for (int c = 1; c <= GridCols; ++c)
            CircleLocked[c][r] = Locked[c][r] && !IgnoreLocks;
    CircleAvoidLabel = AvoidLabel;
}

}  // namespace mosaic
