// Checks the reference automatic player on its own, before other tests trust it as a yardstick
// for the engine: the worked cases of the routing and the row rotation, and whole games on
// random boards.

#include "reference_solver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

using reference::Move;
using reference::Solver;
using Int = Solver::Int;

std::vector<std::string> Cells(std::initializer_list<const char*> labels) {
    return {labels.begin(), labels.end()};
}

// A board of `cols` x `rows` reached from the goal by random legal slides. With
// `blankToCorner` the empty cell is finally slid right, then down, to the bottom-right cell,
// as in a freshly dealt game.
std::vector<std::string> ScrambledBoard(int cols, int rows, const std::string& order,
                                        bool blankToCorner, std::mt19937& rng) {
    Solver goal;
    goal.Load(cols, rows, std::vector<std::string>(cols * rows, "1"), order);
    std::vector<std::string> cells(cols * rows);
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= cols; ++c) cells[(r - 1) * cols + c - 1] = goal.Goal[c][r];

    int bc = cols, br = rows, lastDir = -1;
    auto slideFrom = [&](int pc, int pr) {
        std::swap(cells[(pr - 1) * cols + pc - 1], cells[(br - 1) * cols + bc - 1]);
        bc = pc, br = pr;
    };
    const int dcs[] = {1, -1, 0, 0}, drs[] = {0, 0, 1, -1};
    for (int i = 0; i < 40 * cols * rows; ++i) {
        const int dir = static_cast<int>(rng() % 4);
        const int pc = bc + dcs[dir], pr = br + drs[dir];
        if (pc < 1 || pc > cols || pr < 1 || pr > rows || (dir ^ 1) == lastDir) continue;
        slideFrom(pc, pr);
        lastDir = dir;
    }
    if (blankToCorner) {
        while (bc < cols) slideFrom(bc + 1, br);
        while (br < rows) slideFrom(bc, br + 1);
    }
    return cells;
}

TEST(ReferenceGoal, ThreeByThreeGoalsOfEveryOrder) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> goals = {
        {"HA", Cells({"1", "2", "3", "4", "5", "6", "7", "8", " "})},
        {"VA", Cells({"1", "4", "7", "2", "5", "8", "3", "6", " "})},
        {"HD", Cells({"8", "7", "6", "5", "4", "3", "2", "1", " "})},
        {"VD", Cells({"8", "5", "2", "7", "4", "1", "6", "3", " "})},
    };
    for (const auto& [order, rowMajor] : goals) {
        Solver m;
        m.Load(3, 3, rowMajor, order);
        for (int r = 1; r <= 3; ++r)
            for (int c = 1; c <= 3; ++c)
                EXPECT_EQ(m.Goal[c][r], rowMajor[(r - 1) * 3 + c - 1]) << order << " " << c << "," << r;
        m.CheckSolved();
        EXPECT_TRUE(m.Solved) << order;
        EXPECT_EQ(m.BlankCol, 3);
        EXPECT_EQ(m.BlankRow, 3);
    }
}

TEST(ReferenceRouting, FiveCallsBringEmptyCellAroundAndPushPieceLeft) {
    Solver m;
    m.Load(3, 3, Cells({"2", "1", "3", "4", "5", "6", "7", "8", " "}), "HA");
    m.AvoidLabel = "!";

    const std::vector<std::pair<int, int>> blankAfter = {{3, 2}, {2, 2}, {1, 2}, {1, 1}, {2, 1}};
    for (int call = 0; call < 5; ++call) {
        m.PathSteps = 0;
        m.MoveMade = false;
        Int pc = 2, pr = 1, tc = 1, tr = 1;
        m.PushPieceStep(pc, pr, tc, tr, m.BlankCol, m.BlankRow);
        EXPECT_TRUE(m.MoveMade) << "call " << call + 1;
        EXPECT_EQ(std::make_pair(int(m.BlankCol), int(m.BlankRow)), blankAfter[call])
            << "call " << call + 1;
        EXPECT_EQ(m.PieceArrived, call == 4);
        EXPECT_EQ((std::vector<int>{pc, pr, tc, tr}), (std::vector<int>{2, 1, 1, 1}))
            << "coordinates are given back";
    }
    EXPECT_EQ(m.Board[1][1], "1");
    EXPECT_TRUE(m.Locked[1][1]);
    EXPECT_EQ(m.SolverMoves, 0);
}

TEST(ReferenceRouting, CircularRouteMakesNoMoveAndAutoPlayGetsStuck) {
    // 3 columns x 4 rows: the piece for (1, 1) stands at (1, 2), the empty cell at (1, 4).
    const auto board = Cells({"4", "2", "3", "1", "5", "6", "7", "8", "9", " ", "10", "11"});
    Solver m;
    m.Load(3, 4, board, "HA");
    m.AvoidLabel = "!";
    m.PathSteps = 0;
    Int pc = 0, pr = 0, gc = 1, gr = 1;
    m.LocateGoalPiece(pc, pr, gc, gr);
    ASSERT_EQ(std::make_pair(int(pc), int(pr)), std::make_pair(1, 2));
    m.PushPieceStep(pc, pr, gc, gr, m.BlankCol, m.BlankRow);
    EXPECT_FALSE(m.MoveMade);
    EXPECT_FALSE(m.PieceArrived);
    EXPECT_EQ(m.PathSteps, 12);

    Solver play;
    play.Load(3, 4, board, "HA");
    EXPECT_FALSE(play.Tick());
    EXPECT_FALSE(play.Stuck()) << "one reset alone proves nothing";
    EXPECT_FALSE(play.Tick());
    EXPECT_TRUE(play.Stuck());
}

TEST(ReferenceRowStage, RotationPutsLastPieceOfRowInPlace) {
    // 4 x 4 "HA": row 1 holds 1 2 3 7, label 4 waits at (3, 2) below the third cell.
    Solver m;
    m.Load(4, 4,
           Cells({"1", "2", "3", "7", "5", "6", "4", "8", "9", "10", "11", "12", "13", "14", "15",
                  " "}),
           "HA");
    std::vector<Move> rowOneMoves;  // moves of labels 1..4, which the rotation alone may make
    bool sevenMovedDown = false;
    for (int tick = 0; tick < 1000 && m.LoopRow < 2; ++tick) {
        if (auto move = m.Tick()) {
            if (move->label.size() == 1 && move->label[0] >= '1' && move->label[0] <= '4')
                rowOneMoves.push_back(*move);
            if (*move == Move{"7", 4, 1, 4, 2}) sevenMovedDown = true;
        }
        ASSERT_FALSE(m.Stuck());
    }
    ASSERT_EQ(m.LoopRow, 2) << "row 1 is never finished";
    EXPECT_EQ((std::vector<std::string>{m.Board[1][1], m.Board[2][1], m.Board[3][1], m.Board[4][1]}),
              (std::vector<std::string>{"1", "2", "3", "4"}));
    EXPECT_TRUE(sevenMovedDown);
    const std::vector<Move> expected = {
        {"1", 1, 1, 1, 2}, {"2", 2, 1, 1, 1}, {"3", 3, 1, 2, 1},  // drop and shift left
        {"4", 3, 2, 3, 1}, {"4", 3, 1, 4, 1},                     // lift and insert
        {"3", 2, 1, 3, 1}, {"2", 1, 1, 2, 1}, {"1", 1, 2, 1, 1},  // shift back and drop back
    };
    EXPECT_EQ(rowOneMoves, expected);
}

// Plays whole games. Every move must be a legal slide (checked on a board kept here), at most
// one per tick; every game must end solved, unless the solver reports itself stuck.
TEST(ReferenceSolver, SolvesRandomBoardsOrReportsStuck) {
    std::mt19937 rng(20240611);
    struct Tally {
        int games = 0, stuck = 0;
    };
    std::map<std::pair<int, int>, Tally> scrambled, cornered;  // by (cols, rows)
    long stuckTotal = 0, games = 0;

    for (int cols = 3; cols <= 10; ++cols) {
        for (int rows = 3; rows <= 10; ++rows) {
            for (const char* order : {"HA", "HD", "VA", "VD"}) {
                for (bool blankToCorner : {false, true}) {
                    const auto cells = ScrambledBoard(cols, rows, order, blankToCorner, rng);
                    Solver m;
                    m.Load(cols, rows, cells, order);
                    std::vector<std::string> board = cells;
                    auto at = [&](int c, int r) -> std::string& { return board[(r - 1) * cols + c - 1]; };

                    const long limit = 50L * cols * cols * rows * rows;
                    long tick = 0;
                    for (; tick < limit && !m.Solved && !m.Stuck(); ++tick) {
                        const long before = m.MovesMade();
                        const auto move = m.Tick();
                        ASSERT_LE(m.MovesMade() - before, 1);
                        ASSERT_EQ(move.has_value(), m.MovesMade() == before + 1);
                        if (!move) continue;
                        ASSERT_EQ(std::abs(move->fromCol - move->toCol) +
                                      std::abs(move->fromRow - move->toRow), 1);
                        ASSERT_EQ(at(move->toCol, move->toRow), " ");
                        ASSERT_EQ(at(move->fromCol, move->fromRow), move->label);
                        std::swap(at(move->toCol, move->toRow), at(move->fromCol, move->fromRow));
                    }
                    const std::string what = std::to_string(cols) + "x" + std::to_string(rows) +
                                             " " + order + (blankToCorner ? " cornered" : "");
                    ASSERT_TRUE(m.Solved || m.Stuck()) << what << ": neither solved nor stuck";
                    for (int r = 1; r <= rows; ++r)
                        for (int c = 1; c <= cols; ++c)
                            ASSERT_EQ(m.Board[c][r], at(c, r)) << what;
                    EXPECT_EQ(m.Board[m.BlankCol][m.BlankRow], " ") << what << ": empty cell lost";

                    Tally& t = (blankToCorner ? cornered : scrambled)[{cols, rows}];
                    ++t.games;
                    t.stuck += m.Stuck();
                    stuckTotal += m.Stuck();
                    ++games;
                }
            }
        }
    }

    std::printf("stuck games by size (cols x rows): empty cell anywhere / empty cell at bottom-right\n");
    for (const auto& [size, t] : scrambled)
        if (t.stuck || cornered[size].stuck)
            std::printf("  %2d x %-2d  %d/%d  %d/%d\n", size.first, size.second, t.stuck, t.games,
                        cornered[size].stuck, cornered[size].games);
    std::printf("stuck in all: %ld of %ld games\n", stuckTotal, games);
}

}  // namespace
