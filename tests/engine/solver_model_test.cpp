// The automatic player against an independent model of it, tick by tick, on
// dealt boards and on boards the player has moved on, of every size and goal
// order. Where the model reports the solver stuck (a route circling on an
// unchanged board), the game's own way out takes over and the board must
// still be solved.

#include "engine/fake_platform.h"
#include "engine/reference_solver.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

using namespace mosaic;
using mosaic::testing::LoadedGame;
using mosaic::testing::SlideMove;
using mosaic::testing::Timer2Tick;

namespace {

constexpr int DealsPerSize = 3;
constexpr int ScramblesPerSize = 10;

std::vector<std::string> CellsRowMajor(const Game& game) {
    std::vector<std::string> cells;
    for (int r = 1; r <= game.GridRows; ++r)
        for (int c = 1; c <= game.GridCols; ++c)
            cells.push_back(game.Board[c][r]);
    return cells;
}

std::optional<SlideMove> FromModel(const std::optional<reference::Move>& move) {
    if (!move)
        return std::nullopt;
    return SlideMove{move->label, move->fromCol, move->fromRow, move->toCol, move->toRow};
}

// Moves of the player with the direction buttons, as many as asked.
void ScrambleByPlayer(Game& game, std::mt19937& random, int moves) {
    for (int i = 0; i < moves; ++i) {
        switch (random() % 4) {
        case 0: game.Command3_Click(); break;
        case 1: game.Command4_Click(); break;
        case 2: game.Command5_Click(); break;
        default: game.Command6_Click(); break;
        }
    }
}

class SolverAgainstModel : public ::testing::TestWithParam<const char*> {};

}  // namespace

TEST_P(SolverAgainstModel, EveryBoardMovesAsTheModelDoesAndIsSolved) {
    const std::string order = GetParam();
    LoadedGame g;
    Game& game = g.game;
    game.ai_speed_Click(4);
    std::seed_seq seed(order.begin(), order.end());
    std::mt19937 random(seed);
    int stuckBoards = 0;

    for (int cols = 3; cols <= 10; ++cols) {
        for (int rows = 3; rows <= 10; ++rows) {
            for (int k = 0; k < DealsPerSize + ScramblesPerSize; ++k) {
                g.platform.seed = random();
                game.OrderCode = order;
                game.GridCols = static_cast<Integer>(cols);
                game.GridRows = static_cast<Integer>(rows);
                game.RebuildBoard();
                if (k >= DealsPerSize)
                    ScrambleByPlayer(game, random, 1 + static_cast<int>(random() % 400));
                // Solved keeps what the last check found, on the last board.
                game.CheckSolved();
                if (game.Solved)
                    continue;
                SCOPED_TRACE(std::to_string(cols) + " x " + std::to_string(rows) + " " + order +
                             (k < DealsPerSize ? " deal" : " scrambled") + " seed " +
                             std::to_string(g.platform.seed));

                reference::Solver model;
                model.Load(cols, rows, CellsRowMajor(game), order);
                game.COMMAND2_Click();
                bool following = true;
                const long limit = 50L * cols * cols * rows * rows;
                long tick = 0;
                while (!game.Solved && tick < limit) {
                    ++tick;
                    const std::optional<SlideMove> move = Timer2Tick(game);
                    if (!following)
                        continue;
                    ASSERT_EQ(move, FromModel(model.Tick())) << "tick " << tick;
                    ASSERT_EQ(game.Solved, model.Solved) << "tick " << tick;
                    if (model.Stuck()) {
                        // From here the game takes its own step out.
                        ASSERT_TRUE(game.SolverStuck) << "tick " << tick;
                        following = false;
                        ++stuckBoards;
                    }
                }
                ASSERT_TRUE(game.Solved) << "after " << tick << " ticks";
            }
        }
    }
    // The boards above include routes that circle, so the way out is tried.
    EXPECT_GT(stuckBoards, 0);
}

INSTANTIATE_TEST_SUITE_P(GoalOrders, SolverAgainstModel, ::testing::Values("HA", "HD", "VA", "VD"));
