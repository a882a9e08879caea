#include "engine/fake_platform.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace mosaic;
using mosaic::testing::LoadedGame;
using mosaic::testing::SetBoard;

namespace {

using Cell = std::pair<int, int>;

Cell Blank(const Game& game) {
    return {game.BlankCol, game.BlankRow};
}

// One push as a stage makes it at the start of a tick.
void Push(Game& game, Integer& pieceCol, Integer& pieceRow, Integer& tgtCol, Integer& tgtRow) {
    game.PathSteps = 0;
    game.MoveMade = false;
    game.PushPieceStep(pieceCol, pieceRow, tgtCol, tgtRow, game.BlankCol, game.BlankRow);
}

}  // namespace

TEST(PushPieceStep, FiveCallsTakeTheEmptyCellAroundThePiecesRowThenSlideIt) {
    LoadedGame g;
    Game& game = g.game;
    SetBoard(game, {{"2", "1", "3"}, {"4", "5", "6"}, {"7", "8", "_"}});
    game.AvoidLabel = NoLabel;
    // The caller's own variables, which the push must give back unchanged.
    game.LoopCol = 2;
    game.LoopRow = 1;
    Integer tgtCol = 1, tgtRow = 1;

    const std::vector<Cell> blankAfter = {{3, 2}, {2, 2}, {1, 2}, {1, 1}, {2, 1}};
    for (std::size_t call = 0; call < blankAfter.size(); ++call) {
        Push(game, game.LoopCol, game.LoopRow, tgtCol, tgtRow);
        EXPECT_TRUE(game.MoveMade) << call;
        EXPECT_EQ(Blank(game), blankAfter[call]) << call;
        EXPECT_EQ(game.Board[game.BlankCol][game.BlankRow], EmptyCell);
        EXPECT_EQ(game.PieceArrived, call == 4) << call;
        EXPECT_EQ(game.LoopCol, 2);
        EXPECT_EQ(game.LoopRow, 1);
        EXPECT_EQ(tgtCol, 1);
        EXPECT_EQ(tgtRow, 1);
    }
    EXPECT_EQ(game.Board[1][1], "1");
    EXPECT_TRUE(game.Locked[1][1]);
    EXPECT_EQ(game.SolverMoves, 0);
    EXPECT_EQ(game.MoveCount, 5);
}

TEST(PushPieceStep, PieceOnTargetLocksOnlyItsGoalCell) {
    LoadedGame g;
    Game& game = g.game;
    SetBoard(game, {{"1", "2", "3"}, {"4", "5", "6"}, {"7", "_", "8"}});
    game.SolverMoves = 7;

    Integer col = 1, row = 1, tgtCol = 1, tgtRow = 1;
    Push(game, col, row, tgtCol, tgtRow);
    EXPECT_FALSE(game.MoveMade);
    EXPECT_TRUE(game.PieceArrived);
    EXPECT_TRUE(game.Locked[1][1]);
    EXPECT_EQ(game.SolverMoves, 0);

    // A staging cell is not the piece's goal cell: arrived, but not locked.
    game.SolverMoves = 7;
    col = 3, row = 3, tgtCol = 3, tgtRow = 3;
    Push(game, col, row, tgtCol, tgtRow);
    EXPECT_TRUE(game.PieceArrived);
    EXPECT_FALSE(game.Locked[3][3]);
    EXPECT_EQ(game.SolverMoves, 0);
}

TEST(PushPieceStep, EmptyCellOnNeedSlidesThePieceInTheSameCall) {
    LoadedGame g;
    Game& game = g.game;
    SetBoard(game, {{"1", "2", "3"}, {"4", "5", "6"}, {"7", "_", "8"}});
    Integer col = 3, row = 3, tgtCol = 1, tgtRow = 3;
    Push(game, col, row, tgtCol, tgtRow);
    EXPECT_TRUE(game.MoveMade);
    EXPECT_FALSE(game.PieceArrived);
    EXPECT_EQ(game.Board[2][3], "8");
    EXPECT_EQ(Blank(game), (Cell{3, 3}));
    EXPECT_EQ(col, 3);  // given back
}

TEST(PushPieceStep, CirclingRouteOn3x4StopsAtTheBoundWithoutAMove) {
    LoadedGame g;
    Game& game = g.game;
    SetBoard(game, {{"2", "4", "3"}, {"1", "8", "5"}, {"10", "7", "6"}, {"_", "11", "9"}});
    game.AvoidLabel = NoLabel;
    const Grid before = game.Board;

    Integer col = 1, row = 2, tgtCol = 1, tgtRow = 1;
    Push(game, col, row, tgtCol, tgtRow);
    EXPECT_FALSE(game.MoveMade);
    EXPECT_EQ(game.PathSteps, 12);
    EXPECT_EQ(game.Board, before);
    // Kept for the stuck rule: the pushed piece and the cell it needed free.
    EXPECT_EQ((Cell{game.CirclePieceCol, game.CirclePieceRow}), (Cell{1, 2}));
    EXPECT_EQ((Cell{game.CircleNeedCol, game.CircleNeedRow}), (Cell{1, 1}));

    // The bound is shared by the whole tick: a later push moves nothing either.
    Integer other = 2, otherRow = 4, otherTgt = 3, otherTgtRow = 4;
    game.PushPieceStep(other, otherRow, otherTgt, otherTgtRow, game.BlankCol, game.BlankRow);
    EXPECT_FALSE(game.MoveMade);
    EXPECT_EQ(game.PathSteps, 12);
}

TEST(ChooseStep, PreferenceBarsAndStepsAside) {
    LoadedGame g;
    Game& game = g.game;
    SetBoard(game, {{"1", "2", "3", "4"},
                    {"5", "6", "7", "8"},
                    {"9", "10", "11", "12"},
                    {"13", "14", "15", "_"}});
    game.AvoidLabel = NoLabel;
    const auto choose = [&](Integer curCol, Integer curRow, Integer tgtCol, Integer tgtRow,
                            Integer pieceCol, Integer pieceRow) {
        Integer dx = 7, dy = 7;
        game.ChooseStep(curCol, curRow, tgtCol, tgtRow, pieceCol, pieceRow, dx, dy);
        return Cell{dx, dy};
    };

    game.ClearPieceDirection();
    EXPECT_EQ(choose(2, 2, 4, 1, 1, 1), (Cell{1, 0})) << "horizontal first";
    EXPECT_EQ(choose(2, 2, 2, 4, 1, 1), (Cell{0, 1}));
    EXPECT_EQ(choose(3, 3, 3, 3, 1, 1), (Cell{7, 7})) << "at the target nothing changes";

    // A locked neighbour bars the step, unless locks are ignored.
    game.Locked[3][2] = true;
    EXPECT_EQ(choose(2, 2, 4, 2, 1, 1), (Cell{0, 1}));
    game.IgnoreLocks = true;
    EXPECT_EQ(choose(2, 2, 4, 2, 1, 1), (Cell{1, 0}));
    game.IgnoreLocks = false;
    game.Locked[3][2] = false;

    // The avoided label bars a step; a step aside is taken without asking.
    game.AvoidLabel = "7";
    EXPECT_EQ(choose(2, 2, 4, 2, 1, 1), (Cell{0, 1}));
    EXPECT_EQ(choose(3, 1, 1, 1, 4, 4), (Cell{-1, 0}));
    game.Locked[2][1] = true;
    EXPECT_EQ(choose(3, 1, 1, 1, 4, 4), (Cell{0, 1})) << "aside onto the avoided (3, 2)";
    game.Locked[2][1] = false;
    game.AvoidLabel = NoLabel;

    // Side rules bar the piece's whole row or column; at the edge the step
    // aside turns back into the grid.
    game.SetPieceDirection(-1, 0);  // piece going left
    EXPECT_EQ(choose(1, 2, 4, 2, 3, 2), (Cell{0, 1})) << "right barred in the piece's row";
    EXPECT_EQ(choose(1, 4, 4, 4, 3, 4), (Cell{0, -1})) << "last row steps aside upward";
    game.SetPieceDirection(0, 1);  // piece going down
    EXPECT_EQ(choose(4, 3, 4, 1, 4, 1), (Cell{-1, 0})) << "last column steps aside left";

    // A piece going up with the way leading below it: the route goes down first.
    game.SetPieceDirection(0, -1);
    EXPECT_EQ(choose(2, 1, 1, 4, 1, 2), (Cell{0, 1}));
    EXPECT_TRUE(game.DetourActive);
    EXPECT_EQ(choose(2, 3, 1, 4, 1, 2), (Cell{-1, 0}));
    EXPECT_FALSE(game.DetourActive);
}

TEST(LocateGoalPiece, FindsTheLabelTheGoalWantsAndKeepsItInSearchLabel) {
    LoadedGame g;
    Game& game = g.game;
    SetBoard(game, {{"2", "1", "3"}, {"4", "5", "6"}, {"7", "8", "_"}}, "VD");
    Integer col = 0, row = 0;
    game.LocateGoalPiece(col, row, 1, 1);  // "VD" puts 8 first
    EXPECT_EQ(game.SearchLabel, "8");
    EXPECT_EQ((Cell{col, row}), (Cell{2, 3}));
}
