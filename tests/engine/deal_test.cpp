#include "engine/fake_platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

using namespace mosaic;
using mosaic::testing::LoadedGame;

namespace {

std::vector<std::string> GoalRows(const Game& game) {
    std::vector<std::string> rows;
    for (int r = 1; r <= game.GridRows; ++r) {
        std::string row;
        for (int c = 1; c <= game.GridCols; ++c) {
            if (c > 1)
                row += ' ';
            row += game.Goal[c][r] == EmptyCell ? "_" : game.Goal[c][r];
        }
        rows.push_back(row);
    }
    return rows;
}

// Labels of the board in reading order, 0 for the empty cell.
std::vector<int> Numbers(const Grid& grid, const Game& game) {
    std::vector<int> numbers;
    for (int r = 1; r <= game.GridRows; ++r)
        for (int c = 1; c <= game.GridCols; ++c)
            numbers.push_back(grid[c][r] == EmptyCell ? 0 : std::stoi(grid[c][r]));
    return numbers;
}

// Parity of the permutation that takes the goal to the board, by numbers.
bool EvenByNumbers(const Game& game) {
    std::vector<int> board = Numbers(game.Board, game);
    const std::vector<int> goal = Numbers(game.Goal, game);
    // Position of each label in the goal; count the transpositions that sort it.
    std::vector<int> where(board.size() + 2);
    for (size_t i = 0; i < goal.size(); ++i)
        where[goal[i]] = static_cast<int>(i);
    std::vector<int> perm;
    for (int label : board)
        perm.push_back(where[label]);
    int swaps = 0;
    for (size_t i = 0; i < perm.size(); ++i)
        while (perm[i] != static_cast<int>(i)) {
            std::swap(perm[i], perm[perm[i]]);
            ++swaps;
        }
    return swaps % 2 == 0;
}

void Deal(Game& game, int cols, int rows) {
    game.GridCols = static_cast<Integer>(cols);
    game.GridRows = static_cast<Integer>(rows);
    game.RebuildBoard();
}

}  // namespace

TEST(Goal, SlidingGoalsOfAllFourOrders) {
    LoadedGame g;
    const std::pair<void (Game::*)(), std::vector<std::string>> cases[] = {
        {&Game::ai_asc1_Click, {"1 2 3", "4 5 6", "7 8 _"}},
        {&Game::ai_asc2_Click, {"1 4 7", "2 5 8", "3 6 _"}},
        {&Game::ai_des1_Click, {"8 7 6", "5 4 3", "2 1 _"}},
        {&Game::ai_des2_Click, {"8 5 2", "7 4 1", "6 3 _"}},
    };
    for (const auto& [order, goal] : cases) {
        (g.game.*order)();
        g.game.ai_NxN_Click(3);
        EXPECT_EQ(GoalRows(g.game), goal) << g.game.OrderCode;
    }
}

TEST(Goal, SwapGoalsOfAllFourOrders) {
    LoadedGame g;
    g.game.ai_empty_Click();  // swap play
    const std::pair<void (Game::*)(), std::vector<std::string>> cases[] = {
        {&Game::ai_asc1_Click, {"1 2 3", "4 5 6", "7 8 9"}},
        {&Game::ai_asc2_Click, {"1 4 7", "2 5 8", "3 6 9"}},
        {&Game::ai_des1_Click, {"9 8 7", "6 5 4", "3 2 1"}},
        {&Game::ai_des2_Click, {"9 6 3", "8 5 2", "7 4 1"}},
    };
    for (const auto& [order, goal] : cases) {
        (g.game.*order)();
        g.game.ai_NxN_Click(3);
        EXPECT_EQ(GoalRows(g.game), goal) << g.game.OrderCode;
    }
    g.game.ai_des1_Click();
    g.game.ai_NxN_Click(10);
    EXPECT_EQ(g.game.CellCount, 101);
    EXPECT_EQ(g.game.Goal[1][1], "100");
    EXPECT_EQ(g.game.Goal[10][10], "1");
}

TEST(Deal, EveryGridKindAndOrderKeepsTheBoardInvariants) {
    LoadedGame g;
    Game& game = g.game;
    for (bool sliding : {true, false}) {
        if (game.EmptySpaceMode != sliding)
            game.ai_empty_Click();
        for (auto order : {&Game::ai_asc1_Click, &Game::ai_des1_Click, &Game::ai_asc2_Click,
                           &Game::ai_des2_Click}) {
            (game.*order)();
            for (int cols = 3; cols <= 10; ++cols) {
                for (int rows = 3; rows <= 10; ++rows) {
                    g.platform.seed = static_cast<std::uint32_t>(cols * 100 + rows);
                    Deal(game, cols, rows);
                    SCOPED_TRACE(std::to_string(cols) + "x" + std::to_string(rows) + " " +
                                 game.OrderCode + (sliding ? " sliding" : " swap"));
                    const int n = cols * rows;
                    ASSERT_EQ(game.CellCount, sliding ? n : n + 1);
                    std::multiset<std::string> board, goal;
                    for (int r = 1; r <= rows; ++r)
                        for (int c = 1; c <= cols; ++c) {
                            board.insert(game.Board[c][r]);
                            goal.insert(game.Goal[c][r]);
                        }
                    std::multiset<std::string> expected;
                    for (int k = 1; k < game.CellCount; ++k)
                        expected.insert(std::to_string(k));
                    if (sliding)
                        expected.insert(EmptyCell);
                    ASSERT_EQ(board, expected);
                    ASSERT_EQ(goal, expected);
                    if (sliding) {
                        ASSERT_EQ(game.Board[cols][rows], EmptyCell);
                        ASSERT_EQ(game.BlankCol, cols);
                        ASSERT_EQ(game.BlankRow, rows);
                    }
                    ASSERT_TRUE(EvenByNumbers(game));
                    // Box k is shown exactly when label k is on the board, at its cell.
                    ASSERT_FALSE(game.Picture1[0].Visible);
                    for (int k = 1; k <= 100; ++k)
                        ASSERT_EQ(game.Picture1[k].Visible, k < game.CellCount) << k;
                    for (int r = 1; r <= rows; ++r)
                        for (int c = 1; c <= cols; ++c)
                            if (game.Board[c][r] != EmptyCell) {
                                const PieceBox& box = game.Picture1[std::stoi(game.Board[c][r])];
                                ASSERT_EQ(box.Left, 360 * c);
                                ASSERT_EQ(box.Top, 360 * (r + 1));
                            }
                    ASSERT_FALSE(game.Text1.Visible);
                }
            }
        }
    }
}

TEST(Deal, ParityTestAgreesWithNumericOrderAndRejectsOneSwap) {
    LoadedGame g;
    Game& game = g.game;
    std::mt19937 random(7);
    for (int size = 3; size <= 10; ++size) {
        Deal(game, size, size);
        ASSERT_TRUE(game.ShuffleAccepted);
        // Swapping two labels of an accepted deal makes it odd.
        std::uniform_int_distribution<int> cell(1, size);
        for (int trial = 0; trial < 20; ++trial) {
            int c1 = cell(random), r1 = cell(random), c2 = cell(random), r2 = cell(random);
            if (game.Board[c1][r1] == EmptyCell || game.Board[c2][r2] == EmptyCell ||
                (c1 == c2 && r1 == r2))
                continue;
            std::swap(game.Board[c1][r1], game.Board[c2][r2]);
            game.ParityTest();
            EXPECT_FALSE(game.ShuffleAccepted);
            EXPECT_EQ(game.ShuffleAccepted, EvenByNumbers(game));
            std::swap(game.Board[c1][r1], game.Board[c2][r2]);
            game.ParityTest();
            EXPECT_TRUE(game.ShuffleAccepted);
        }
        // Arbitrary arrangements: text order and numeric order decide alike.
        for (int trial = 0; trial < 50; ++trial) {
            std::vector<std::string> labels;
            for (int r = 1; r <= size; ++r)
                for (int c = 1; c <= size; ++c)
                    if (c != size || r != size)
                        labels.push_back(game.Board[c][r]);
            std::shuffle(labels.begin(), labels.end(), random);
            size_t i = 0;
            for (int r = 1; r <= size; ++r)
                for (int c = 1; c <= size; ++c)
                    if (c != size || r != size)
                        game.Board[c][r] = labels[i++];
            game.ParityTest();
            EXPECT_EQ(game.ShuffleAccepted, EvenByNumbers(game));
        }
    }
}

TEST(Deal, KeepingTheArrangementMakesOnePassAndTouchesNothing) {
    LoadedGame g;
    Game& game = g.game;
    Deal(game, 5, 4);
    const Grid board = game.Board;
    const Grid goal = game.Goal;
    game.CellCount = 0;
    g.platform.seedCalls = 0;
    game.KeepArrangement = true;
    game.DealBoard();
    EXPECT_EQ(g.platform.seedCalls, 1);
    EXPECT_EQ(game.Board, board);
    EXPECT_EQ(game.Goal, goal);
    EXPECT_EQ(game.CellCount, 20);
}

TEST(Deal, SameSeedSameDealAndPassesWithinOneClockTickDiffer) {
    LoadedGame a, b;
    a.platform.seed = b.platform.seed = 99;
    Deal(a.game, 6, 6);
    Deal(b.game, 6, 6);
    EXPECT_EQ(a.game.Board, b.game.Board);
    // The clock gives the same value on every pass, yet the deals go on
    // changing (else a rejected deal would come back forever).
    Deal(a.game, 6, 6);
    EXPECT_NE(a.game.Board, b.game.Board);
}

TEST(Deal, NewDealDropsAPendingSwapPick) {
    LoadedGame g;
    Game& game = g.game;
    game.ai_empty_Click();
    Deal(game, 10, 10);
    game.SwapPending = true;
    game.SwapCol1 = 10;
    game.SwapRow1 = 10;
    Deal(game, 3, 3);
    EXPECT_FALSE(game.SwapPending);
}
