#include "engine/fake_platform.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

using namespace mosaic;
using mosaic::testing::LoadedGame;
using mosaic::testing::SetBoard;
using mosaic::testing::SlideMove;
using mosaic::testing::Timer2Tick;

namespace {

std::string RowText(const Game& game, int row) {
    std::string text;
    for (int c = 1; c <= game.GridCols; ++c)
        text += (c > 1 ? " " : "") + (game.Board[c][row] == EmptyCell ? "_" : game.Board[c][row]);
    return text;
}

// Everything the automatic player keeps between ticks.
std::vector<int> SolverState(const Game& game) {
    std::vector<int> state = {game.LoopCol,           game.LoopRow,
                              game.SolverMoves,       game.ShiftCol,
                              game.IgnoreLocks,       game.PieceArrived,
                              game.RowStageStarted,   game.RowStageDone,
                              game.LastPieceStaged,   game.ShiftBackStarted,
                              game.LiftPending,       game.InsertPending,
                              game.PairStageStarted,  game.BottomToTopPending,
                              game.ParkTopPending,    game.BottomToTopAgainPending,
                              game.TopBesidePending,  game.TopBesideAgainPending,
                              game.BottomDownPending, game.TopInPending,
                              game.ParkUntried,       game.ParkPhaseOpen,
                              game.CornerLeftPending, game.CornerRightPending,
                              game.BlankCol,          game.BlankRow,
                              game.MoveCount};
    for (int r = 1; r <= game.GridRows; ++r)
        for (int c = 1; c <= game.GridCols; ++c)
            state.push_back(game.Locked[c][r]);
    return state;
}

}  // namespace

TEST(AutoPlay, RotationPutsTheLastPieceOfARowIn) {
    LoadedGame g;
    Game& game = g.game;
    SetBoard(game, {{"1", "2", "3", "7"},
                    {"5", "6", "4", "8"},
                    {"9", "10", "11", "12"},
                    {"13", "14", "15", "_"}});
    game.COMMAND2_Click();

    // The first piece drops, the others shift left, the staged piece rises
    // and slides right (moving 7 down out of its way), the row shifts back
    // and the first piece rises again.
    const std::vector<std::string> shapes = {"2 3 _ 7", "2 3 4 7", "2 3 _ 4",
                                             "2 _ 3 4", "_ 2 3 4", "1 2 3 4"};
    std::size_t seen = 0;
    for (int tick = 0; tick < 200 && !(game.RowStageStarted && game.LoopRow == 2); ++tick) {
        Timer2Tick(game);
        if (seen < shapes.size() && RowText(game, 1) == shapes[seen])
            ++seen;
    }
    EXPECT_EQ(seen, shapes.size());
    EXPECT_EQ(RowText(game, 1), "1 2 3 4");
    EXPECT_EQ(game.LoopRow, 2);
}

TEST(AutoPlay, LastPieceRightBelowItsEmptyCellMovesUpWithoutRotation) {
    LoadedGame g;
    Game& game = g.game;
    SetBoard(game, {{"1", "2", "_"}, {"4", "5", "3"}, {"7", "8", "6"}});
    game.COMMAND2_Click();
    EXPECT_EQ(Timer2Tick(game), std::nullopt);
    EXPECT_EQ(Timer2Tick(game), std::nullopt);
    EXPECT_EQ(Timer2Tick(game), (SlideMove{"3", 3, 2, 3, 1}));
    EXPECT_EQ(game.LoopCol, 4);  // the row is finished in the same tick
    EXPECT_FALSE(game.LastPieceStaged);
    EXPECT_TRUE(game.Locked[3][1]);
}

TEST(AutoPlay, FinalCornerSlideCompletesInTheSameTick) {
    LoadedGame g;
    Game& game = g.game;
    SetBoard(game, {{"1", "2", "3"}, {"4", "5", "6"}, {"7", "_", "8"}});
    game.COMMAND2_Click();
    // Row 1 passes cell by cell, the column pair finds 4 and 7 home (and the
    // row stage hands over in the same tick), then the corner slides.
    for (int tick = 1; tick <= 4; ++tick)
        EXPECT_EQ(Timer2Tick(game), std::nullopt) << tick;
    EXPECT_TRUE(game.RowStageDone);
    EXPECT_TRUE(game.Locked[1][2] && game.Locked[1][3]);
    EXPECT_TRUE(g.platform.messages.empty());

    EXPECT_EQ(Timer2Tick(game), (SlideMove{"8", 3, 3, 2, 3}));
    EXPECT_TRUE(game.Solved);
    ASSERT_EQ(g.platform.messages.size(), 1u);
    const auto& message = g.platform.messages.front();
    EXPECT_EQ(message.text, "Completed");
    EXPECT_EQ(message.title, "Auto Play");
    EXPECT_EQ(message.icon, MessageIcon::Information);
    EXPECT_EQ(message.buttons, MessageButtons::Ok);
    // No further tick: the timer is stopped and play is closed.
    EXPECT_FALSE(game.Timer2.Enabled);
    EXPECT_FALSE(game.COMMAND2.Enabled);
    EXPECT_FALSE(game.Command3.Enabled);
    EXPECT_FALSE(game.ai_save.Enabled);
    EXPECT_FALSE(game.ManualMode);
}

TEST(AutoPlay, PlayerMoveBetweenRunsRestartsAtTheFirstCell) {
    LoadedGame g;
    Game& game = g.game;
    SetBoard(game, {{"1", "3", "2"}, {"4", "5", "6"}, {"7", "8", "_"}});
    game.COMMAND2_Click();
    Timer2Tick(game);
    Timer2Tick(game);
    ASSERT_EQ(game.LoopCol, 2);
    ASSERT_TRUE(game.Locked[1][1]);

    game.COMMAND2_Click();
    const Integer moves = game.MoveCount;
    game.Command6_Click();  // the piece above the empty cell comes down
    ASSERT_EQ(game.MoveCount, moves + 1);
    EXPECT_FALSE(game.Locked[1][1]);
    EXPECT_FALSE(game.RowStageStarted);

    game.COMMAND2_Click();
    EXPECT_EQ(Timer2Tick(game), std::nullopt);  // (1, 1) is found in place
    EXPECT_EQ(game.LoopRow, 1);
    EXPECT_EQ(game.LoopCol, 2);
    EXPECT_TRUE(game.Locked[1][1]);
}

TEST(AutoPlay, SwitchingOffAndOnLeavesBoardAndSolverAsTheyWere) {
    LoadedGame a, b;
    for (Game* game : {&a.game, &b.game}) {
        SetBoard(*game, {{"6", "1", "3", "4"},
                         {"2", "9", "7", "8"},
                         {"5", "10", "11", "12"},
                         {"13", "14", "15", "_"}});
        game->COMMAND2_Click();
    }
    std::vector<std::optional<SlideMove>> interrupted, straight;
    for (int tick = 0; tick < 40; ++tick) {
        if (tick == 20) {
            const std::vector<int> state = SolverState(a.game);
            const Grid board = a.game.Board;
            a.game.COMMAND2_Click();
            EXPECT_EQ(a.game.COMMAND2.Caption, "AUTO");
            EXPECT_TRUE(a.game.Command3.Enabled && a.game.Command6.Enabled);
            EXPECT_TRUE(a.game.ai_save.Enabled);
            EXPECT_TRUE(a.game.ai_3x3.Enabled && a.game.ai_asc1.Enabled &&
                        a.game.ai_manual.Enabled);
            a.game.COMMAND2_Click();
            EXPECT_EQ(SolverState(a.game), state);
            EXPECT_EQ(a.game.Board, board);
        }
        interrupted.push_back(Timer2Tick(a.game));
        straight.push_back(Timer2Tick(b.game));
    }
    EXPECT_EQ(interrupted, straight);
}

TEST(AutoPlay, Timer2IntervalFollowsTheSpeed) {
    LoadedGame g;
    Game& game = g.game;
    game.ai_NxN_Click(3);
    const int expected[] = {90, 24, 12, 8};
    for (int item = 1; item <= 4; ++item) {
        game.ai_speed_Click(item);
        game.COMMAND2_Click();
        EXPECT_TRUE(game.Timer2.Enabled);
        EXPECT_EQ(game.Timer2.Interval, expected[item - 1]) << item;
        game.COMMAND2_Click();
        EXPECT_FALSE(game.Timer2.Enabled);
    }
}

TEST(AutoPlay, ControlsAreLockedWhileItRunsAndReturnAfter) {
    LoadedGame g;
    Game& game = g.game;
    game.ai_NxN_Click(4);
    const std::vector<MenuItem*> locked = {
        &game.ai_empty, &game.ai_view, &game.ai_mag1, &game.ai_mag2,  &game.ai_1,
        &game.ai_2,     &game.ai_3,    &game.ai_4,    &game.ai_3x3,   &game.ai_4x4,
        &game.ai_5x5,   &game.ai_6x6,  &game.ai_7x7,  &game.ai_8x8,   &game.ai_9x9,
        &game.ai_10x10, &game.ai_open, &game.ai_save, &game.ai_about, &game.ai_manual,
        &game.ai_asc1,  &game.ai_des1, &game.ai_asc2, &game.ai_des2};
    const std::vector<Control*> arrows = {&game.Command3, &game.Command4, &game.Command5,
                                          &game.Command6};

    game.COMMAND2_Click();
    EXPECT_EQ(game.COMMAND2.Caption, "MANUAL");
    EXPECT_FALSE(game.ManualMode);
    for (std::size_t i = 0; i < locked.size(); ++i)
        EXPECT_FALSE(locked[i]->Enabled) << i;
    for (Control* arrow : arrows)
        EXPECT_FALSE(arrow->Enabled);
    EXPECT_TRUE(game.ai_load.Enabled);
    EXPECT_TRUE(game.ai_exit.Enabled);

    game.COMMAND2_Click();
    for (std::size_t i = 0; i < locked.size(); ++i)
        EXPECT_TRUE(locked[i]->Enabled) << i;
    for (Control* arrow : arrows)
        EXPECT_TRUE(arrow->Enabled);
}

// The route for the piece of (1, 1), one cell below it, runs in a circle on
// this board, tick after tick, without a move.
TEST(AutoPlay, StuckSolverTakesOneStepOfItsOwnAndThenSolves) {
    LoadedGame g;
    Game& game = g.game;
    SetBoard(game, {{"2", "4", "3"}, {"1", "8", "5"}, {"10", "7", "6"}, {"_", "11", "9"}});
    game.COMMAND2_Click();

    EXPECT_EQ(Timer2Tick(game), std::nullopt);
    EXPECT_FALSE(game.SolverStuck);  // the first guard reset
    EXPECT_EQ(Timer2Tick(game), std::nullopt);
    EXPECT_TRUE(game.SolverStuck);  // the same board again

    // One cell along a shortest way to (1, 1) around the piece at (1, 2).
    EXPECT_EQ(Timer2Tick(game), (SlideMove{"11", 2, 4, 1, 4}));
    EXPECT_FALSE(game.SolverStuck);

    for (int tick = 0; tick < 5000 && !game.Solved; ++tick)
        Timer2Tick(game);
    EXPECT_TRUE(game.Solved);
}

TEST(AutoPlay, UnsolvableBoardGivesTheBoardBackToThePlayer) {
    LoadedGame g;
    Game& game = g.game;
    SetBoard(game, {{"2", "1", "3"}, {"4", "5", "6"}, {"7", "8", "_"}});
    game.COMMAND2_Click();
    int quietTicks = 0;
    for (int tick = 0; tick < 2000 && !game.ManualMode; ++tick)
        quietTicks = Timer2Tick(game) ? 0 : quietTicks + 1;
    EXPECT_TRUE(game.ManualMode);
    EXPECT_EQ(quietTicks, 4 * 9 + 1);
    EXPECT_FALSE(game.Solved);
    EXPECT_FALSE(game.Timer2.Enabled);
    EXPECT_EQ(game.COMMAND2.Caption, "AUTO");
    EXPECT_TRUE(game.Command3.Enabled);
    EXPECT_TRUE(g.platform.messages.empty());
}

TEST(AutoPlay, DoesNothingOnAGridNarrowerThanThree) {
    LoadedGame g;
    Game& game = g.game;
    SetBoard(game, {{"2", "1"}, {"3", "4"}, {"_", "5"}});
    EXPECT_FALSE(game.COMMAND2.Visible);
    const Grid board = game.Board;
    game.ManualMode = false;
    game.AutoPlayStep();
    EXPECT_EQ(game.Board, board);
    EXPECT_FALSE(game.RowStageStarted);
    EXPECT_FALSE(game.Solved);
}

#ifdef MOSAIC_AUTOPLAY_TOOL

namespace {

struct ToolRun {
    int status = -1;
    std::string out, err;
};

class AutoplayTool : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("mosaic-autoplay-test-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string Write(const std::string& name, const std::vector<int>& bytes) {
        const std::filesystem::path path = dir_ / name;
        std::ofstream file(path, std::ios::binary);
        for (int byte : bytes)
            file.put(static_cast<char>(byte));
        return path.string();
    }

    ToolRun Run(const std::string& arguments) {
        const std::filesystem::path err = dir_ / "stderr.txt";
        const std::string command = std::string("'") + MOSAIC_AUTOPLAY_TOOL + "' " + arguments +
                                    " 2>'" + err.string() + "'";
        ToolRun run;
        FILE* pipe = ::popen(command.c_str(), "r");
        if (!pipe)
            return run;
        char buffer[4096];
        std::size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
            run.out.append(buffer, n);
        const int status = ::pclose(pipe);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        std::ifstream errFile(err);
        std::getline(errFile, run.err, '\0');
        return run;
    }

    std::filesystem::path dir_;
};

}  // namespace

TEST_F(AutoplayTool, SolvesASavedGameAndPrintsEveryTick) {
    // 3 x 3, 5 moves, row by row, order "HA", sliding play.
    const std::string path = Write("near.tsq", {3, 3, 0, 5, 1, 2, 3, 4, 5, 6, 7, 255, 8, '1', '1'});
    const ToolRun run = Run("'" + path + "'");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "TICK 1 NONE\nTICK 2 NONE\nTICK 3 NONE\nTICK 4 NONE\n"
              "TICK 5 MOVE 8 3,3 -> 2,3\nSOLVED ticks=5 moves=1\n");

    const ToolRun cut = Run("'" + path + "' --max-ticks 3");
    EXPECT_EQ(cut.status, 1);
    EXPECT_EQ(cut.out, "TICK 1 NONE\nTICK 2 NONE\nTICK 3 NONE\nUNSOLVED ticks=3 moves=0\n");
}

TEST_F(AutoplayTool, RefusesSwapPlayAndFilesTheLoaderRejects) {
    const ToolRun swap =
        Run("'" + Write("swap.tsq", {3, 3, 0, 0, 1, 2, 3, 4, 5, 6, 7, 9, 8, '1', '0'}) + "'");
    EXPECT_EQ(swap.status, 2);
    EXPECT_EQ(swap.out, "");
    EXPECT_NE(swap.err.find("swap"), std::string::npos) << swap.err;

    // Label 1 twice: "Error reading".
    const ToolRun corrupt =
        Run("'" + Write("twice.tsq", {3, 3, 0, 0, 1, 1, 3, 4, 5, 6, 7, 255, 8, '1', '1'}) + "'");
    EXPECT_EQ(corrupt.status, 2);
    EXPECT_NE(corrupt.err.find("Error reading"), std::string::npos) << corrupt.err;

    EXPECT_EQ(Run("'" + (dir_ / "missing.tsq").string() + "'").status, 2);
}

TEST_F(AutoplayTool, GivesUpOnABoardThatCannotBeSolved) {
    const ToolRun run =
        Run("'" + Write("odd.tsq", {3, 3, 0, 0, 2, 1, 3, 4, 5, 6, 7, 8, 255, '1', '1'}) + "'");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("UNSOLVED"), std::string::npos);
}

#endif  // MOSAIC_AUTOPLAY_TOOL
