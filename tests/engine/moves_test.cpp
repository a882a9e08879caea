#include "engine/fake_platform.h"

#include <gtest/gtest.h>

using namespace mosaic;
using mosaic::testing::LoadedGame;
using mosaic::testing::SetBoard;

namespace {

Integer LabelAt(const Game& game, int col, int row) {
    return static_cast<Integer>(std::stoi(game.Board[col][row]));
}

}  // namespace

TEST(Moves, ClickSlidesTheNeighbourOfTheEmptyCellOnThatSide) {
    LoadedGame g;
    Game& game = g.game;
    SetBoard(game, {{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "_"}});
    const Integer moving = LabelAt(game, 2, 3);
    game.SearchLabel = "kept";
    game.Picture1_Click(LabelAt(game, 1, 3));  // the far piece of the row
    EXPECT_EQ(game.Board[3][3], "8");
    EXPECT_EQ(game.Board[2][3], EmptyCell);
    EXPECT_EQ(game.BlankCol, 2);
    EXPECT_EQ(game.MoveCount, 1);
    EXPECT_EQ(game.Text2.Caption, "1");
    EXPECT_EQ(game.Picture1[moving].Left, 360 * 3);  // ends exactly on its cell
    EXPECT_EQ(game.SearchLabel, "kept");
    EXPECT_TRUE(game.MoveMade);

    // Off the empty cell's row and column: nothing moves, nothing counts.
    game.Picture1_Click(LabelAt(game, 1, 1));
    EXPECT_EQ(game.MoveCount, 1);
    EXPECT_EQ(game.SearchLabel, "kept");

    // The column: a click above slides the piece above down.
    game.Picture1_Click(LabelAt(game, 2, 1));
    EXPECT_EQ(game.Board[2][3], "5");
    EXPECT_EQ(game.Board[2][2], EmptyCell);
    EXPECT_EQ(game.Picture1[5].Top, 360 * 4);
}

TEST(Moves, DirectionsDoNothingAtTheGridsEdges) {
    LoadedGame g;
    Game& game = g.game;
    // Empty cell in the last column and the last row: "L" and "U" have no piece.
    SetBoard(game, {{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "_"}});
    game.Command3_Click();
    game.Command5_Click();
    EXPECT_EQ(game.MoveCount, 0);
    // Empty cell in the first column and the first row: "R" and "D" have none.
    SetBoard(game, {{"_", "1", "2"}, {"3", "4", "5"}, {"6", "7", "8"}});
    game.Command4_Click();
    game.Command6_Click();
    EXPECT_EQ(game.MoveCount, 0);
    EXPECT_EQ(g.platform.animationSteps, 0);
    // Each direction moves the piece it names.
    game.Command3_Click();  // "L": the piece right of the empty cell goes left
    EXPECT_EQ(game.Board[1][1], "1");
    game.Command5_Click();  // "U": the piece below goes up
    EXPECT_EQ(game.Board[2][1], "4");
    game.Command4_Click();  // "R": the piece left goes right
    EXPECT_EQ(game.Board[2][2], "3");
    game.Command6_Click();  // "D": the piece above goes down
    EXPECT_EQ(game.Board[1][2], "1");
    EXPECT_EQ(game.MoveCount, 4);
    EXPECT_EQ(game.BlankCol, 1);
    EXPECT_EQ(game.BlankRow, 1);
}

TEST(Moves, ASlideTakesOneAnimationStepPerFrameOfTheSpeed) {
    LoadedGame g;
    Game& game = g.game;
    SetBoard(game, {{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "_"}});
    const int steps[] = {90, 24, 12, 8};
    for (int item = 1; item <= 4; ++item) {
        game.ai_speed_Click(item);
        g.platform.animationSteps = 0;
        game.Command6_Click();
        game.Command5_Click();
        EXPECT_EQ(g.platform.animationSteps, 2 * steps[item - 1]);
        EXPECT_EQ(g.platform.lastSteps, steps[item - 1]);
        EXPECT_EQ(g.platform.lastStep, steps[item - 1]);
    }
    game.ai_mag2_Click();  // twice the distance at the same step
    g.platform.animationSteps = 0;
    game.Command6_Click();
    EXPECT_EQ(g.platform.animationSteps, 16);
    EXPECT_EQ(game.Picture1[6].Top, 720 * 4);
}

TEST(Moves, CompletingMoveTellsThePlayerAndClosesPlay) {
    LoadedGame g;
    Game& game = g.game;
    SetBoard(game, {{"1", "2", "3"}, {"4", "5", "6"}, {"7", "_", "8"}});
    game.COMMAND2.Enabled = true;
    game.Timer2.Enabled = true;
    game.Picture1_Click(8);
    EXPECT_TRUE(game.Solved);
    ASSERT_EQ(g.platform.messages.size(), 1u);
    EXPECT_EQ(g.platform.messages[0].text, "Completed");
    EXPECT_EQ(g.platform.messages[0].title, "Congratulations");
    EXPECT_EQ(g.platform.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(g.platform.messages[0].buttons, MessageButtons::Ok);
    for (const Control* button :
         {&game.COMMAND2, &game.Command3, &game.Command4, &game.Command5, &game.Command6})
        EXPECT_FALSE(button->Enabled);
    EXPECT_FALSE(game.Timer2.Enabled);
    EXPECT_FALSE(game.ai_save.Enabled);
    EXPECT_TRUE(game.ai_3x3.Enabled);
    // Play is closed: clicks and keys do nothing.
    game.Picture1_Click(6);
    game.ArrowKey_Press(Game::ArrowKey::Down);
    EXPECT_EQ(game.MoveCount, 1);
    EXPECT_EQ(g.platform.messages.size(), 1u);
}

TEST(Moves, MoveCounterStopsAtItsLimit) {
    LoadedGame g;
    Game& game = g.game;
    SetBoard(game, {{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "_"}});
    game.MoveCount = MaxMoveCount - 1;
    game.Command6_Click();
    EXPECT_EQ(game.MoveCount, MaxMoveCount);
    game.Command5_Click();
    EXPECT_EQ(game.MoveCount, MaxMoveCount);
    EXPECT_EQ(game.Text2.Caption, "32767");
}

TEST(Moves, PlayerMoveResetsTheAutomaticPlayer) {
    LoadedGame g;
    Game& game = g.game;
    SetBoard(game, {{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "_"}});
    game.RowStageDone = true;
    game.Locked[1][1] = true;
    game.SolverMoves = 5;
    game.ArrowKey_Press(Game::ArrowKey::Right);
    EXPECT_FALSE(game.RowStageDone);
    EXPECT_FALSE(game.Locked[1][1]);
    EXPECT_EQ(game.SolverMoves, 1);  // the move itself counts
}

class SwapPlay : public ::testing::Test {
protected:
    void SetUp() override {
        SetBoard(game, {{"2", "1", "3"}, {"4", "5", "6"}, {"7", "9", "8"}}, "HA", false);
    }
    LoadedGame g;
    Game& game = g.game;
};

TEST_F(SwapPlay, TwoMisplacedPiecesTradePlacesWithoutCounting) {
    game.SearchLabel = "kept";
    game.Picture1_Click(1);
    EXPECT_TRUE(game.SwapPending);
    EXPECT_EQ(game.Picture1[1].Left, 720);  // nothing visible yet
    game.Picture1_Click(2);
    EXPECT_FALSE(game.SwapPending);
    EXPECT_EQ(game.Board[1][1], "1");
    EXPECT_EQ(game.Board[2][1], "2");
    EXPECT_EQ(game.Picture1[1].Left, 360);
    EXPECT_EQ(game.Picture1[2].Left, 720);
    EXPECT_EQ(game.MoveCount, 0);
    EXPECT_FALSE(game.MoveMade);
    EXPECT_EQ(game.SearchLabel, "kept");
    // Four animations of the horizontal and vertical parts.
    EXPECT_EQ(g.platform.animationSteps, 4 * 90);

    game.Picture1_Click(9);
    game.Picture1_Click(8);
    EXPECT_TRUE(game.Solved);
    ASSERT_EQ(g.platform.messages.size(), 1u);
    EXPECT_EQ(g.platform.messages[0].title, "Congratulations");
}

TEST_F(SwapPlay, PickingTheSamePieceTwiceChangesNothing) {
    const Grid before = game.Board;
    game.Picture1_Click(9);
    game.Picture1_Click(9);
    EXPECT_FALSE(game.SwapPending);
    EXPECT_EQ(game.Board, before);
    EXPECT_EQ(game.Picture1[9].Left, 720);
    EXPECT_EQ(game.Picture1[9].Top, 360 * 4);
    EXPECT_EQ(g.platform.animationSteps, 4 * 90);  // four empty animations
}

TEST_F(SwapPlay, CorrectPieceShowsTheNoticeAndDropsAPick) {
    game.Picture1_Click(3);  // correct: no pick
    EXPECT_FALSE(game.SwapPending);
    EXPECT_TRUE(game.Text3.Visible);
    EXPECT_EQ(game.Text3.Caption, "Piece is Correct!");
    EXPECT_TRUE(game.Timer3.Enabled);

    game.Picture1_Click(1);  // a pick, then a correct piece drops it
    game.Timer3_Timer();     // first tick of the notice
    game.Picture1_Click(5);
    EXPECT_FALSE(game.SwapPending);
    EXPECT_EQ(game.Board[2][1], "1");
    // The second notice does not restart the count: the third tick from the
    // first notice hides it.
    EXPECT_TRUE(game.Text3.Visible);
    game.Timer3_Timer();
    EXPECT_TRUE(game.Text3.Visible);
    game.Timer3_Timer();
    EXPECT_FALSE(game.Text3.Visible);
    EXPECT_FALSE(game.Timer3.Enabled);
    EXPECT_EQ(game.NoticeTicks, 0);
    // The next click is a first pick again.
    game.Picture1_Click(1);
    EXPECT_TRUE(game.SwapPending);
}
