// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/auto_player.h"

#include <cstddef>

namespace mosaic {

namespace {

std::array<Cell, 4> neighbours(Cell cell) {
    return {{{cell.column - 1, cell.row},
             {cell.column + 1, cell.row},
             {cell.column, cell.row - 1},
             {cell.column, cell.row + 1}}};
}

Cell offset(Cell cell, int dx, int dy) {
    return {cell.column + dx, cell.row + dy};
}

}  // namespace

// ---- Reset -----------------------------------------------------------------

void AutoPlayer::reset() {
    resetRowStage();
    resetPairStage();
    pairStageStarted_ = false;
    rowStageDone_ = false;
    ignoreLocks_ = false;
    clearLocks();
}

void AutoPlayer::resetRowStage() {
    rowStageStarted_ = false;
    lastPieceStaged_ = false;
    shiftBackStarted_ = false;
    pieceArrived_ = false;
    liftPending_ = true;
    insertPending_ = true;
}

void AutoPlayer::resetPairStage() {
    bottomToTopPending_ = true;
    parkTopPending_ = true;
    parkUntried_ = true;
    bottomToTopAgainPending_ = true;
    topBesidePending_ = true;
    bottomDownPending_ = true;
    topBesideAgainPending_ = true;
    topInPending_ = true;
    cornerLeftPending_ = true;
    cornerRightPending_ = true;
    parkPhaseOpen_ = true;
}

void AutoPlayer::clearLocks() {
    locked_ = {};
    movesSinceArrival_ = 0;
}

// ---- One step ----------------------------------------------------------------

AutoPlayer::StepResult AutoPlayer::step(Board& board, const Board& goal, int moveCount) {
    board_ = &board;
    goal_ = &goal;
    empty_ = board.emptyCell();
    cellCount_ = board.size().cellCount();
    moveCount_ = moveCount;
    slideMade_.reset();

    // A move or a new board since the last step starts a new run of steps.
    if (!(snapshot() == afterLastStep_))
        stepsWithoutMove_ = 0;

    avoidLabel_ = NoLabel;
    // A stuck player would only find the same board again: this step the
    // empty cell takes one step toward the circling push's need instead,
    // while the board is still the one found stuck.
    const bool stuck = stuck_ && snapshot() == atGuardReset_;
    stuck_ = false;
    if (stuck) {
        moveEmptyTowardCircleNeed();
    } else if (!rowStageDone_) {
        solveRowsStep();
        if (rowStageDone_)
            solveLastTwoRowsStep();
    } else {
        solveLastTwoRowsStep();
    }

    StepResult result{slideMade_, false};
    if (board == goal) {
        stepsWithoutMove_ = 0;
    } else {
        // A board that cannot be solved leaves the final corner without
        // moves: after more than four steps per cell without one, give up.
        stepsWithoutMove_ = slideMade_ ? 0 : stepsWithoutMove_ + 1;
        if (stepsWithoutMove_ > 4 * cellCount_) {
            result.givesUp = true;
            stepsWithoutMove_ = 0;
        }
    }
    afterLastStep_ = snapshot();
    board_ = nullptr;
    goal_ = nullptr;
    return result;
}

AutoPlayer::Snapshot AutoPlayer::snapshot() const {
    return {*board_, *goal_, moveCount_};
}

bool AutoPlayer::boundsHold() const {
    return movesSinceArrival_ < 2 * cellCount_ && pathSteps_ < cellCount_;
}

void AutoPlayer::guardReset() {
    // Back where the last guard reset left the board, with no move since and
    // the player freshly reset both times: nothing would ever change again.
    if (guardResetSeen_ && snapshot() == atGuardReset_)
        stuck_ = true;
    guardResetSeen_ = true;
    atGuardReset_ = snapshot();
    reset();
}

void AutoPlayer::moveEmptyTowardCircleNeed() {
    // Distances to the need over the cells the circling route could not use:
    // the pushed piece, the cells locked then, the cell of the avoided label.
    // Should those wall the empty cell off, only the pushed piece is kept out.
    using Distances = std::array<std::array<int, MaxGridSide + 2>, MaxGridSide + 2>;
    const Board& board = *board_;
    const auto measure = [&](bool keepOutLocksAndAvoided, Distances& distance) {
        for (auto& column : distance)
            column.fill(-1);
        const auto open = [&](Cell cell) {
            if (!board.contains(cell) || cell == circlePiece_)
                return false;
            return !(keepOutLocksAndAvoided && (circleLocked_[cell.column][cell.row] ||
                                                board.label(cell) == circleAvoidLabel_));
        };
        // Breadth first; each cell enters the queue once.
        std::array<Cell, MaxLabel> queue{};
        std::size_t head = 0, tail = 0;
        distance[circleNeed_.column][circleNeed_.row] = 0;
        queue[tail++] = circleNeed_;
        while (head < tail) {
            const Cell cell = queue[head++];
            for (const Cell next : neighbours(cell)) {
                // The empty cell itself may stand anywhere.
                const bool empty = next == empty_;
                if ((empty || open(next)) && distance[next.column][next.row] < 0) {
                    distance[next.column][next.row] = distance[cell.column][cell.row] + 1;
                    if (!empty)
                        queue[tail++] = next;
                }
            }
        }
        return distance[empty_.column][empty_.row] > 0;
    };

    Distances distance{};
    if (!measure(true, distance) && !measure(false, distance))
        return;  // the empty cell already stands on the need

    // One cell along a shortest route: left, right, up, down, the first that
    // is one cell nearer.
    const int here = distance[empty_.column][empty_.row];
    for (const Cell next : neighbours(empty_)) {
        if (board.contains(next) && distance[next.column][next.row] == here - 1) {
            slide(next);
            return;
        }
    }
}

// ---- The rows but the last two ------------------------------------------------

void AutoPlayer::solveRowsStep() {
    const Board& board = *board_;
    const Board& goal = *goal_;
    const int C = board.columns();
    const int R = board.rows();

    pathSteps_ = 0;
    if (!rowStageStarted_)
        current_ = {1, 1};
    if (current_.column > C)
        current_ = {1, current_.row + 1};
    rowStageStarted_ = true;
    if (current_.row >= R - 1) {
        rowStageDone_ = true;
        return;
    }

    ignoreLocks_ = false;
    const int c = current_.column;
    const int r = current_.row;
    const Cell piece = locateGoalPiece(current_);

    const auto finishCell = [&] {
        if (movesSinceArrival_ == 2 * cellCount_ || pathSteps_ == cellCount_) {
            guardReset();
        } else {
            lastPieceStaged_ = false;
            shiftBackStarted_ = false;
            liftPending_ = true;
            insertPending_ = true;
            ++current_.column;
        }
    };
    const auto moved = [&] { return slideMade_.has_value(); };
    const auto roomLeft = [&] {
        return movesSinceArrival_ < 2 * cellCount_ && pathSteps_ < cellCount_;
    };

    // An ordinary cell: push its piece in.
    if (c < C) {
        if (boundsHold())
            pushPiece(piece, {c, r});
        if (moved() && !pieceArrived_)
            return;
        finishCell();
        return;
    }

    // The last cell of the row: the row is whole, or its piece lies right
    // below the empty cell.
    if ((board.label({c, r}) == goal.label({c, r}) && board.label({1, r}) == goal.label({1, r})) ||
        (piece == Cell{c, r + 1} && empty_ == Cell{c, r})) {
        if (board.label({c, r}) != goal.label({c, r}))
            pushPiece(piece, {c, r});
        finishCell();
        return;
    }

    // Otherwise the row is rotated. Stage the last piece below the row's
    // second-to-last cell.
    const Cell staged{c - 1, r + 1};
    if (roomLeft() && !lastPieceStaged_) {
        pushPiece(piece, staged);
        if (moved())
            return;
    }
    ignoreLocks_ = true;
    avoidLabel_ = searchLabel_;
    if (!shiftBackStarted_ && pieceArrived_)
        shiftColumn_ = lastPieceStaged_ ? shiftColumn_ + 1 : 1;
    lastPieceStaged_ = true;
    // Shift left: the row's first piece drops, the others follow it left.
    if (roomLeft() && shiftColumn_ < C && !shiftBackStarted_) {
        if (shiftColumn_ == 1)
            pushPiece({1, r}, {1, r + 1});
        else
            pushPiece({shiftColumn_, r}, {shiftColumn_ - 1, r});
        if (moved())
            return;
    }
    // Lift the staged piece, tried once.
    avoidLabel_ = NoLabel;
    if (roomLeft() && liftPending_)
        pushPiece(staged, {c - 1, r});
    liftPending_ = false;
    if (moved())
        return;
    // Insert it into the last cell.
    if (roomLeft() && insertPending_) {
        pushPiece({c - 1, r}, {c, r});
        if (pieceArrived_)
            insertPending_ = false;
        if (moved())
            return;
    }
    // Shift back to the right, one piece a step.
    if (roomLeft() && lastPieceStaged_ && !insertPending_) {
        shiftColumn_ = shiftBackStarted_ ? shiftColumn_ - 1 : C - 1;
        shiftBackStarted_ = true;
        if (shiftColumn_ > 1 && boundsHold()) {
            pushPiece({shiftColumn_ - 1, r}, {shiftColumn_, r});
            if (moved())
                return;
        }
    }
    // Drop back: the first piece rises into its cell.
    if (boundsHold()) {
        pushPiece({1, r + 1}, {1, r});
        if (moved())
            return;
    }
    finishCell();
}

// ---- The last two rows and the corner ------------------------------------------

void AutoPlayer::solveLastTwoRowsStep() {
    const Board& board = *board_;
    const Board& goal = *goal_;
    const int C = board.columns();
    const int R = board.rows();
    const auto moved = [&] { return slideMade_.has_value(); };

    // Locks are never consulted in this stage.
    pathSteps_ = 0;
    ignoreLocks_ = true;
    if (!pairStageStarted_)
        current_.column = 1;
    pairStageStarted_ = true;

    if (current_.column < C - 1) {
        // The column pair c: the bottom piece belongs in (c, R), the top one
        // in (c, R - 1).
        const int c = current_.column;
        const Cell topCell{c, R - 1};
        const auto nextColumn = [&] {
            ++current_.column;
            resetPairStage();
        };

        if (board.label({c, R}) == goal.label({c, R}) &&
            board.label(topCell) == goal.label(topCell)) {
            locked_[c][R - 1] = true;
            locked_[c][R] = true;
            nextColumn();
            return;
        }
        Cell bottom = locateGoalPiece({c, R});
        bottomLabel_ = searchLabel_;
        Cell top = locateGoalPiece(topCell);
        // Bottom piece to the top cell.
        if ((top.column - bottom.column == 1 || top.row < bottom.row) && bottom.column == c)
            bottomToTopPending_ = false;
        else if (bottomToTopPending_ && boundsHold())
            pushPiece(bottom, topCell);
        if (pieceArrived_)
            bottomToTopPending_ = false;
        if (moved())
            return;

        // Whether the park phase can be skipped.
        top = locateGoalPiece(topCell);
        topLabel_ = searchLabel_;
        bottom = locate(bottomLabel_);
        {
            const int Tc = top.column, Tr = top.row, Bc = bottom.column, Br = bottom.row;
            const int ec = empty_.column, er = empty_.row;
            const bool V =
                (Tc <= ec || Tr == Br || (Tr == er && Tr != R)) && !(Tc == Bc && Tr > Br);
            const bool W = !(ec > Tc && Tr > Br);
            const bool E = (Tr == R - 1 && Tc == c + 1 && ec == c) || Br != R || Tc == c;
            const bool F = Tc - Bc <= 1 || ec != Bc;
            const bool skip = E && F && V && (Tc - Bc != 1 || W);
            if (!((skip && parkUntried_) || !parkPhaseOpen_)) {
                // Park phase: the top piece out of the way two columns on,
                // the bottom piece up, the top piece beside it.
                if (parkTopPending_ && boundsHold()) {
                    pushPiece(top, {c + 2, R});
                    parkUntried_ = false;
                }
                if (pieceArrived_)
                    parkTopPending_ = false;
                if (moved())
                    return;

                bottom = locate(bottomLabel_);
                if (bottomToTopAgainPending_ && boundsHold())
                    pushPiece(bottom, topCell);
                if (pieceArrived_)
                    bottomToTopAgainPending_ = false;
                if (moved())
                    return;

                top = locate(topLabel_);
                if (topBesidePending_ && boundsHold())
                    pushPiece(top, {c + 1, R - 1});
                if (pieceArrived_)
                    topBesidePending_ = false;
                if (moved())
                    return;
            }
        }

        // Top piece beside the pair once more.
        parkPhaseOpen_ = false;
        top = locate(topLabel_);
        if (topBesideAgainPending_ && boundsHold())
            pushPiece(top, {c + 1, R - 1});
        if (pieceArrived_)
            topBesideAgainPending_ = false;
        if (moved())
            return;
        // Bottom piece down.
        bottom = locate(bottomLabel_);
        if (bottomDownPending_ && boundsHold())
            pushPiece(bottom, {c, R});
        if (pieceArrived_)
            bottomDownPending_ = false;
        if (moved())
            return;
        // Top piece in.
        top = locate(topLabel_);
        if (topInPending_ && boundsHold())
            pushPiece(top, topCell);
        if (pieceArrived_)
            topInPending_ = false;
        if (moved())
            return;
        nextColumn();
        return;
    }

    // The final corner.
    Cell piece = locateGoalPiece({C - 1, R - 1});
    if (cornerLeftPending_ && boundsHold())
        pushPiece(piece, {C - 1, R - 1});
    if (pieceArrived_)
        cornerLeftPending_ = false;
    if (moved())
        return;
    piece = locateGoalPiece({C, R - 1});
    if (cornerRightPending_ && boundsHold())
        pushPiece(piece, {C, R - 1});
    if (pieceArrived_)
        cornerRightPending_ = false;
    if (moved())
        return;
    if (boundsHold())
        finalSlide();
    if (movesSinceArrival_ == 2 * cellCount_ || pathSteps_ == cellCount_)
        guardReset();
}

void AutoPlayer::finalSlide() {
    if (empty_.row + 1 <= board_->rows())
        slide({empty_.column, empty_.row + 1});
    else if (empty_.column + 1 <= board_->columns())
        slide({empty_.column + 1, empty_.row});
}

// ---- Routing -------------------------------------------------------------------
//
// A push makes at most one slide: it either brings the empty cell one cell
// closer to the cell the piece must enter next, or slides the piece itself.
// The way is found afresh on every call by a greedy rule that prefers the
// horizontal direction, then the vertical one, and steps aside when the
// preferred cell is barred. Nothing is searched and nothing is kept.

Cell AutoPlayer::locate(int label) {
    searchLabel_ = label;
    // Every label the player looks for is on the board; were one missing,
    // the search would end on the last cell.
    return board_->find(label).value_or(Cell{board_->columns(), board_->rows()});
}

Cell AutoPlayer::locateGoalPiece(Cell goalCell) {
    return locate(goal_->label(goalCell));
}

void AutoPlayer::slide(Cell piece) {
    ++movesSinceArrival_;
    board_->slide(piece, empty_);
    slideMade_ = Slide{piece, empty_};
    empty_ = piece;
    if (moveCount_ < MaxMoveCount)
        ++moveCount_;
}

void AutoPlayer::chooseStep(Cell cursor, Cell target, Cell piece, int& dx, int& dy) {
    const Board& board = *board_;
    const int C = board.columns();
    const int R = board.rows();
    // A piece that must go up, with the way to the target starting at or
    // above its row and ending at or below it: the route goes down first.
    detour_ = pieceGoesUp_ && cursor.row <= piece.row && target.row >= piece.row &&
              piece.row != R && piece.column != C;

    const auto barred = [&](Cell cell, bool sideRule) {
        if (!board.contains(cell))
            return sideRule;
        return (locked_[cell.column][cell.row] && !ignoreLocks_) ||
               board.label(cell) == avoidLabel_ || sideRule;
    };
    const auto setStep = [&](int stepX, int stepY) {
        dx = stepX;
        dy = stepY;
    };
    // The steps aside are taken without asking whether they are barred.
    const int asideVertical = cursor.row < R ? 1 : -1;
    const int asideHorizontal = cursor.column < C ? 1 : -1;

    if (!detour_ && target.column < cursor.column) {
        if (barred(offset(cursor, -1, 0), piece.row == cursor.row && pieceGoesRight_))
            setStep(0, asideVertical);
        else
            setStep(-1, 0);
        return;
    }
    if (!detour_ && target.column > cursor.column) {
        if (barred(offset(cursor, 1, 0), piece.row == cursor.row && pieceGoesLeft_))
            setStep(0, asideVertical);
        else
            setStep(1, 0);
        return;
    }
    if (target.row < cursor.row) {
        if (barred(offset(cursor, 0, -1), piece.column == cursor.column && pieceGoesDown_))
            setStep(asideHorizontal, 0);
        else
            setStep(0, -1);
        return;
    }
    if (target.row > cursor.row || detour_) {
        if (barred(offset(cursor, 0, 1), piece.column == cursor.column && pieceGoesUp_))
            setStep(asideHorizontal, 0);
        else
            setStep(0, 1);
        return;
    }
    // At the target: dx and dy stay as they are.
}

void AutoPlayer::pushPiece(Cell piece, Cell target) {
    pieceArrived_ = false;
    const auto arrive = [&] {
        if (board_->label(target) == goal_->label(target))
            locked_[target.column][target.row] = true;
        pieceArrived_ = true;
        movesSinceArrival_ = 0;
    };

    if (piece == target) {
        arrive();
        return;
    }

    // The piece's own next step, with no side rule in force yet.
    pieceGoesUp_ = pieceGoesDown_ = pieceGoesRight_ = pieceGoesLeft_ = false;
    detour_ = false;
    int dx = 0;
    int dy = 0;
    chooseStep(piece, target, piece, dx, dy);
    pieceGoesUp_ = dy == -1;
    pieceGoesDown_ = dy == 1;
    pieceGoesRight_ = dx == 1;
    pieceGoesLeft_ = dx == -1;
    const Cell need = offset(piece, dx, dy);

    if (empty_ == need) {
        slide(piece);
        if (need == target)
            arrive();
        return;
    }

    // Walk the route from the need toward the empty cell.
    const int stepsBefore = pathSteps_;
    Cell cursor = piece;
    for (;;) {
        if (empty_ == offset(cursor, dx, dy))
            break;
        if (pathSteps_ >= cellCount_)
            break;
        cursor = offset(cursor, dx, dy);
        chooseStep(cursor, empty_, piece, dx, dy);
        if (!(empty_ == offset(cursor, dx, dy)))
            ++pathSteps_;
    }
    if (pathSteps_ < cellCount_) {
        // The empty cell moves one cell back along the route, toward the need.
        slide(cursor);
    } else if (stepsBefore < cellCount_) {
        // This walk ran in a circle: keep what barred it for the stuck rule.
        recordCirclingPush(piece, need);
    }
}

void AutoPlayer::recordCirclingPush(Cell piece, Cell need) {
    circlePiece_ = piece;
    circleNeed_ = need;
    for (int column = 0; column <= MaxGridSide; ++column)
        for (int row = 0; row <= MaxGridSide; ++row)
            circleLocked_[column][row] = locked_[column][row] && !ignoreLocks_;
    circleAvoidLabel_ = avoidLabel_;
}

}  // namespace mosaic
