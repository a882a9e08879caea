// Long runs of random player actions: whatever the order of menu commands,
// clicks, keys and timer ticks, the board stays whole and the window agrees
// with it.

#include <gtest/gtest.h>

#include <random>
#include <set>

#include "engine/fake_platform.h"

using namespace mosaic;
using mosaic::testing::LoadedGame;

namespace {

// Every label once, the empty cell where the game says, and each shown box on
// its cell; no other box shown.
void ExpectBoardWhole(const Game& game) {
    std::set<int> labels;
    int blanks = 0;
    for (int r = 1; r <= game.GridRows; ++r)
        for (int c = 1; c <= game.GridCols; ++c) {
            const std::string& cell = game.Board[c][r];
            if (cell == EmptyCell) {
                ++blanks;
                ASSERT_EQ(game.BlankCol, c);
                ASSERT_EQ(game.BlankRow, r);
                continue;
            }
            const int k = std::stoi(cell);
            ASSERT_TRUE(labels.insert(k).second) << "label " << k << " twice";
            ASSERT_TRUE(game.Picture1[k].Visible);
            ASSERT_EQ(game.Picture1[k].Left, 360 * game.Magnify * c);
            ASSERT_EQ(game.Picture1[k].Top, 360 * game.Magnify * (r + 1));
        }
    ASSERT_EQ(blanks, game.EmptySpaceMode ? 1 : 0);
    ASSERT_EQ(static_cast<int>(labels.size()), game.CellCount - 1);
    ASSERT_EQ(*labels.rbegin(), game.CellCount - 1);
    int shown = 0;
    for (const PieceBox& box : game.Picture1)
        shown += box.Visible ? 1 : 0;
    ASSERT_EQ(shown, game.CellCount - 1);
    ASSERT_LE(game.MoveCount, MaxMoveCount);
}

}  // namespace

TEST(RandomPlay, BoardStaysWholeWhateverThePlayerDoes) {
    for (std::uint32_t seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        LoadedGame g;
        Game& game = g.game;
        g.platform.seed = seed;
        std::mt19937 random(seed);
        auto pick = [&](int low, int high) {
            return std::uniform_int_distribution<int>(low, high)(random);
        };
        game.ai_NxN_Click(pick(3, 10));
        for (int action = 0; action < 1500; ++action) {
            switch (pick(0, 19)) {
            case 0: game.ai_NxN_Click(pick(3, 10)); break;
            case 1: game.ai_empty_Click(); break;
            case 2: pick(0, 1) ? game.ai_mag1_Click() : game.ai_mag2_Click(); break;
            case 3: game.ai_speed_Click(pick(1, 4)); break;
            case 4: game.ApplyCustomSize(pick(0, 7), pick(0, 7)); break;
            case 5:
                if (pick(0, 9) == 0)  // an order change closes play until the next deal
                    (game.*std::array{&Game::ai_asc1_Click, &Game::ai_des1_Click,
                                      &Game::ai_asc2_Click, &Game::ai_des2_Click}[pick(0, 3)])();
                break;
            case 6:
                if (game.COMMAND2.Visible && game.COMMAND2.Enabled)
                    game.COMMAND2_Click();
                break;
            case 7: game.Timer1_Timer(); break;
            case 8: game.Timer3_Timer(); break;
            case 9:
            case 10:
            case 11:
                for (int tick = 0; tick < 20; ++tick)
                    game.Timer2_Timer();
                break;
            case 12:
                if (game.Command3.Enabled && game.Command3.Visible)
                    (game.*std::array{&Game::Command3_Click, &Game::Command4_Click,
                                      &Game::Command5_Click, &Game::Command6_Click}[pick(0, 3)])();
                break;
            case 13: game.ArrowKey_Press(static_cast<Game::ArrowKey>(pick(0, 3))); break;
            default: {
                // A click on a piece the player can see.
                const int k = pick(1, 100);
                if (game.Picture1[k].Visible)
                    game.Picture1_Click(static_cast<Integer>(k));
            }
            }
            ExpectBoardWhole(game);
            if (::testing::Test::HasFatalFailure())
                return;
        }
    }
}
