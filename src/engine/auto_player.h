// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The classic automatic player: one step per timer tick, at most one slide a
// step. It keeps no plan; a few stage flags say which cell it is filling, and
// every step it looks at the board again.
//
// It fills the board in a fixed order, whatever the goal order: the rows but
// the last two from left to right (the last cell of a row by a rotation of
// the row), then the last two rows one column at a time, then the final
// 2 x 2 corner. Its one way of moving a piece is a push: bring the empty
// cell one cell closer to where the piece must go next, or slide the piece.
//
// Two rules of its own keep it from ticking forever without a move: a push
// whose route runs in a circle on an unchanged board (the stuck rule, which
// moves the empty cell one cell toward where that push needed it), and a
// board that cannot be solved (the player gives up).

#include "engine/board.h"

#include <array>
#include <optional>

namespace mosaic {

// A slide: the piece in `from` moves into the empty cell `to`.
struct Slide {
    Cell from;
    Cell to;

    bool operator==(const Slide&) const = default;
};

class AutoPlayer {
public:
    struct StepResult {
        std::optional<Slide> slide;  // already made on the board
        bool givesUp = false;        // no move for too long: the board cannot be solved
    };

    // Back to the start of a solve. Every player move and every board build
    // does this, so the player always starts from the board as it finds it.
    void reset();

    // One tick on a sliding board of at least 3 x 3. moveCount is the game's
    // move counter before the step.
    StepResult step(Board& board, const Board& goal, int moveCount);

private:
    static constexpr int NoLabel = -1;  // avoided label when no piece is avoided
    using CellFlags = std::array<std::array<bool, MaxGridSide + 1>, MaxGridSide + 1>;

    // What the stuck rule compares: a board, its goal and the move counter.
    struct Snapshot {
        Board board;
        Board goal;
        int moveCount = -1;
        bool operator==(const Snapshot&) const = default;
    };

    // The stages.
    void solveRowsStep();
    void solveLastTwoRowsStep();
    void finalSlide();
    void resetRowStage();
    void resetPairStage();
    void clearLocks();
    bool boundsHold() const;
    void guardReset();
    void moveEmptyTowardCircleNeed();

    // Routing.
    void pushPiece(Cell piece, Cell target);
    void chooseStep(Cell cursor, Cell target, Cell piece, int& dx, int& dy);
    void recordCirclingPush(Cell piece, Cell need);
    Cell locate(int label);
    Cell locateGoalPiece(Cell goalCell);
    void slide(Cell piece);
    Snapshot snapshot() const;

    // The board of the step under way.
    Board* board_ = nullptr;
    const Board* goal_ = nullptr;
    Cell empty_;
    int cellCount_ = 0;
    int moveCount_ = 0;
    std::optional<Slide> slideMade_;

    // Routing state.
    CellFlags locked_{};
    bool ignoreLocks_ = false;
    int avoidLabel_ = NoLabel;
    bool pieceGoesUp_ = false, pieceGoesDown_ = false, pieceGoesRight_ = false,
         pieceGoesLeft_ = false;
    bool detour_ = false;
    int pathSteps_ = 0;
    bool pieceArrived_ = false;
    int movesSinceArrival_ = 0;
    int searchLabel_ = NoLabel;

    // The last push whose route ran in a circle: the pushed piece, the cell
    // the empty cell had to reach next to it, and what barred that route.
    Cell circlePiece_, circleNeed_;
    CellFlags circleLocked_{};
    int circleAvoidLabel_ = NoLabel;

    // Stage of the rows: the cell being filled, and the row rotation.
    Cell current_;
    bool rowStageStarted_ = false;
    bool rowStageDone_ = false;
    bool lastPieceStaged_ = false;
    bool shiftBackStarted_ = false;
    bool liftPending_ = true;
    bool insertPending_ = true;
    int shiftColumn_ = 0;

    // Stage of the last two rows: the column pair being filled, and the
    // corner.
    bool pairStageStarted_ = false;
    bool bottomToTopPending_ = true, parkTopPending_ = true, bottomToTopAgainPending_ = true;
    bool topBesidePending_ = true, topBesideAgainPending_ = true, bottomDownPending_ = true;
    bool topInPending_ = true;
    bool parkUntried_ = true;
    bool parkPhaseOpen_ = true;
    bool cornerLeftPending_ = true, cornerRightPending_ = true;
    int bottomLabel_ = NoLabel, topLabel_ = NoLabel;

    // The stuck rule. A guard reset that finds the board exactly as the last
    // guard reset left it, with no move since, has put board and player back
    // where they were: the next step moves the empty cell one cell toward
    // the circling push's need instead. A run of more than four steps per
    // cell without a move gives up.
    bool guardResetSeen_ = false;
    Snapshot atGuardReset_;
    bool stuck_ = false;
    int stepsWithoutMove_ = 0;
    Snapshot afterLastStep_;
};

}  // namespace mosaic
