#include "engine/fake_platform.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace mosaic;
using mosaic::testing::LoadedGame;

namespace {

const PieceBox& BoxAt(const Game& game, int c, int r) {
    return game.Picture1[std::stoi(game.Board[c][r])];
}

// Mean colour of an image, to tell pieces apart.
std::array<double, 3> MeanColour(const QImage& image) {
    std::array<double, 3> sum{};
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb p = rgb.pixel(x, y);
            sum[0] += qRed(p);
            sum[1] += qGreen(p);
            sum[2] += qBlue(p);
        }
    for (double& s : sum)
        s /= rgb.width() * rgb.height();
    return sum;
}

double Distance(const std::array<double, 3>& a, const std::array<double, 3>& b) {
    return std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
}

}  // namespace

TEST(StartUp, WindowDesignAndMenusBeforeTheFirstGame) {
    LoadedGame g;
    const Game& game = g.game;
    EXPECT_EQ(game.GridCols, 3);
    EXPECT_EQ(game.SpeedSetting, 4);
    EXPECT_EQ(game.OrderCode, "HA");
    EXPECT_EQ(game.BasePieceWidth, 375);
    EXPECT_EQ(game.BasePieceHeight, 375);
    EXPECT_FALSE(game.ai_save.Enabled);
    EXPECT_TRUE(game.ai_empty.Checked);
    EXPECT_TRUE(game.ai_mag1.Checked);
    EXPECT_FALSE(game.ai_mag2.Checked);
    // The speed mark agrees with the speed in force.
    EXPECT_TRUE(game.ai_1.Checked);
    EXPECT_FALSE(game.ai_3.Checked);
    EXPECT_TRUE(game.ai_asc1.Checked);
    EXPECT_TRUE(game.ai_order.Enabled);
    EXPECT_TRUE(game.Image2.Visible);
    for (const PieceBox& box : game.Picture1)
        EXPECT_FALSE(box.Visible);
    EXPECT_EQ(game.Form1.Width, 0);  // the design size until the first board
}

TEST(StartUp, SplashLeavesAtTheFourthTick) {
    LoadedGame g;
    Game& game = g.game;
    EXPECT_TRUE(game.Timer1.Enabled);
    EXPECT_EQ(game.Timer1.Interval, 500);
    for (int tick = 1; tick <= 3; ++tick) {
        game.Timer1_Timer();
        EXPECT_TRUE(game.Image2.Visible) << tick;
    }
    game.Timer1_Timer();
    EXPECT_FALSE(game.Image2.Visible);
    EXPECT_FALSE(game.Timer1.Enabled);
}

TEST(Layout, SmallestBoardAtX1) {
    LoadedGame g;
    Game& game = g.game;
    game.ai_NxN_Click(3);
    EXPECT_EQ(game.Form1.Width, 3960);
    EXPECT_EQ(game.Form1.Height, 3600);
    EXPECT_EQ(BoxAt(game, 1, 1).Left, 360);
    EXPECT_EQ(BoxAt(game, 1, 1).Top, 720);
    EXPECT_EQ(game.Label1.Left, 720);
    EXPECT_EQ(game.Label1.Top, 360);
    EXPECT_EQ(game.Label1.Caption, "3 X 3");
    EXPECT_EQ(game.COMMAND2.Left, 720);
    EXPECT_EQ(game.COMMAND2.Top, 2160);
    EXPECT_EQ(game.COMMAND2.Caption, "AUTO");
    // The arrow buttons form a cross right of the board.
    EXPECT_EQ(game.Command5.Left, 2520);
    EXPECT_EQ(game.Command5.Top, 720);
    EXPECT_EQ(game.Command3.Left, 2160);
    EXPECT_EQ(game.Command4.Left, 2880);
    EXPECT_EQ(game.Command3.Top, 1080);
    EXPECT_EQ(game.Command6.Top, 1440);
    EXPECT_EQ(game.Label2.Left, 2160);
    EXPECT_EQ(game.Text2.Left, 2880);
    EXPECT_EQ(game.Text2.Top, 100);
    EXPECT_EQ(game.Text2.Caption, "0");
    for (const Control* c : {&game.Label1, &game.COMMAND2, &game.Command3, &game.Command4,
                             &game.Command5, &game.Command6, &game.Label2, &game.Text2})
        EXPECT_TRUE(c->Visible);
    EXPECT_TRUE(game.ai_save.Enabled);
}

TEST(Layout, LargestBoardAtX2InSwapPlay) {
    LoadedGame g;
    Game& game = g.game;
    game.ai_empty_Click();
    game.ai_mag2_Click();
    game.ai_NxN_Click(10);
    EXPECT_EQ(game.Form1.Width, 10080);
    EXPECT_EQ(game.Form1.Height, 10440);
    EXPECT_EQ(BoxAt(game, 10, 10).Left, 7200);
    EXPECT_EQ(BoxAt(game, 10, 10).Top, 7920);
    EXPECT_EQ(BoxAt(game, 10, 10).Width, 750);
    EXPECT_EQ(BoxAt(game, 10, 10).Height, 750);
    EXPECT_EQ(BoxAt(game, 10, 10).Picture.size(), QSize(48, 48));
    // No empty cell: the sliding controls stay hidden.
    EXPECT_FALSE(game.Label1.Visible);
    EXPECT_FALSE(game.COMMAND2.Visible);
    EXPECT_FALSE(game.Command3.Visible);
    EXPECT_TRUE(game.Command3.Enabled);  // hidden, but play is open
    EXPECT_EQ(game.Picture1[1].ToolTipText, SwapHint);
}

TEST(Layout, SizeCaptionCentresWithHalvesToEven) {
    LoadedGame g;
    Game& game = g.game;
    const std::pair<int, int> expected[] = {{3, 2}, {5, 2}, {7, 4}, {9, 4}, {4, 2}, {10, 5}};
    for (auto [cols, half] : expected) {
        game.GridCols = static_cast<Integer>(cols);
        game.GridRows = 3;
        game.RebuildBoard();
        EXPECT_EQ(game.Label1.Left, 360 * half) << cols;
        EXPECT_EQ(game.Label1.Caption, std::to_string(cols) + " X 3");
    }
    game.ai_mag2_Click();
    EXPECT_EQ(game.Label1.Left, 720 * 5 + 360);
}

TEST(Rebuild, MagnificationKeepsTheGameAndRecutsEveryPiece) {
    LoadedGame g;
    Game& game = g.game;
    game.ai_NxN_Click(4);
    game.Command6_Click();  // one move, so MoveCount is not 0
    ASSERT_EQ(game.MoveCount, 1);
    const Grid board = game.Board;
    const Grid goal = game.Goal;
    game.ai_mag2_Click();
    EXPECT_EQ(game.Board, board);
    EXPECT_EQ(game.Goal, goal);
    EXPECT_EQ(game.MoveCount, 1);
    EXPECT_EQ(game.Text2.Caption, "1");
    EXPECT_EQ(game.Form1.Width, 360 * 2 * 4 + 2880);
    for (int r = 1; r <= 4; ++r)
        for (int c = 1; c <= 4; ++c)
            if (board[c][r] != EmptyCell) {
                EXPECT_EQ(BoxAt(game, c, r).Left, 720 * c);
                EXPECT_EQ(BoxAt(game, c, r).Top, 720 * (r + 1));
                EXPECT_EQ(BoxAt(game, c, r).Picture.size(), QSize(48, 48));
            }
    game.ai_mag2_Click();  // again: same game
    EXPECT_EQ(game.Board, board);
    EXPECT_EQ(game.MoveCount, 1);
    game.ai_mag1_Click();
    EXPECT_EQ(BoxAt(game, 1, 1).Picture.size(), QSize(23, 23));
    EXPECT_TRUE(game.ai_mag1.Checked);
    EXPECT_FALSE(game.ai_mag2.Checked);
}

TEST(Rebuild, PiecesAreCutFromTheirOwnPlaceInThePicture) {
    LoadedGame g;
    Game& game = g.game;
    const QImage picture = mosaic::testing::DefaultPicture();
    ASSERT_EQ(picture.size(), QSize(287, 185));
    for (int size : {3, 10}) {
        game.ai_NxN_Click(size);
        const int cw = 287 / size, ch = 185 / size;
        for (int k = 1; k < size * size; ++k) {
            const int pc = (k - 1) % size, pr = (k - 1) / size;
            const auto source = MeanColour(picture.copy(pc * cw, pr * ch, cw, ch));
            const auto piece = MeanColour(game.Picture1[k].Picture);
            // Much closer to its own picture cell than to its neighbour's.
            const int other = k % size == 0 ? k - 1 : k + 1;
            const int oc = (other - 1) % size, orow = (other - 1) / size;
            const auto neighbour = MeanColour(picture.copy(oc * cw, orow * ch, cw, ch));
            EXPECT_LT(Distance(piece, source), 12.0) << size << " " << k;
            EXPECT_LT(Distance(piece, source), Distance(piece, neighbour) + 1e-9)
                << size << " " << k;
        }
    }
}

TEST(Rebuild, PictureSmallerThanTheGridGivesBlankPiecesNotACrash) {
    LoadedGame g;
    Game& game = g.game;
    QImage tiny(2, 2, QImage::Format_RGB32);
    tiny.fill(Qt::red);
    game.PictureClip1.SetPicture(tiny);
    game.ai_NxN_Click(3);
    EXPECT_EQ(game.Picture1[1].Picture.size(), QSize(23, 23));
}

TEST(Rebuild, MagnificationBeforeTheFirstGameOnlySizesTheWindow) {
    LoadedGame g;
    Game& game = g.game;
    game.ai_mag2_Click();
    EXPECT_EQ(game.Form1.Width, 360 * 2 * 3 + 2880);
    EXPECT_FALSE(game.GameDealt);
    EXPECT_FALSE(game.ai_save.Enabled);
    EXPECT_FALSE(game.COMMAND2.Visible);
    for (const PieceBox& box : game.Picture1)
        EXPECT_FALSE(box.Visible);
    game.ai_NxN_Click(3);  // the first game then comes at X2
    EXPECT_EQ(BoxAt(game, 1, 1).Left, 720);
}

TEST(Menus, OrderChangeClosesPlayUntilTheNextDeal) {
    LoadedGame g;
    Game& game = g.game;
    game.ai_NxN_Click(4);
    const Grid board = game.Board;
    game.ai_des2_Click();
    EXPECT_EQ(game.OrderCode, "VD");
    EXPECT_TRUE(game.ai_des2.Checked);
    EXPECT_FALSE(game.ai_asc1.Checked);
    EXPECT_FALSE(game.ai_save.Enabled);
    EXPECT_FALSE(game.Command3.Enabled);
    EXPECT_FALSE(game.COMMAND2.Enabled);
    EXPECT_EQ(game.Board, board);  // nothing changes on the board
    EXPECT_EQ(game.Goal[1][1], "1");
    // Clicks and keys check the gate (a disabled button cannot be pressed).
    game.ArrowKey_Press(Game::ArrowKey::Down);
    game.Picture1_Click(static_cast<Integer>(std::stoi(game.Board[4][3])));
    EXPECT_EQ(game.MoveCount, 0);
    EXPECT_EQ(game.Board, board);
    game.ai_mag2_Click();  // keeps the arrangement: play stays closed
    EXPECT_FALSE(game.Command3.Enabled);
    game.ai_NxN_Click(4);
    EXPECT_TRUE(game.Command3.Enabled);
    EXPECT_TRUE(game.ai_save.Enabled);
    EXPECT_EQ(game.Goal[1][1], "15");
}

TEST(Menus, SpeedItemsMoveTheirMarkEvenWithoutABoard) {
    LoadedGame g;
    Game& game = g.game;
    const Integer speeds[] = {4, 15, 30, 45};
    MenuItem* items[] = {&game.ai_1, &game.ai_2, &game.ai_3, &game.ai_4};
    for (int i = 1; i <= 4; ++i) {
        game.ai_speed_Click(i);
        EXPECT_EQ(game.SpeedSetting, speeds[i - 1]);
        for (int j = 0; j < 4; ++j)
            EXPECT_EQ(items[j]->Checked, j == i - 1);
    }
}

TEST(Menus, EmptySpaceTogglesKindOfPlayWithAFreshDeal) {
    LoadedGame g;
    Game& game = g.game;
    game.ai_NxN_Click(5);
    game.Command6_Click();
    game.ai_empty_Click();
    EXPECT_FALSE(game.EmptySpaceMode);
    EXPECT_FALSE(game.ai_empty.Checked);
    EXPECT_EQ(game.CellCount, 26);
    EXPECT_EQ(game.MoveCount, 0);
    game.ai_empty_Click();
    EXPECT_TRUE(game.EmptySpaceMode);
    EXPECT_TRUE(game.ai_empty.Checked);
    EXPECT_EQ(game.Board[5][5], EmptyCell);
    EXPECT_TRUE(game.COMMAND2.Visible);
}

TEST(Solver, ResetClearsLocksOnlyInsideTheGrid) {
    LoadedGame g;
    Game& game = g.game;
    game.ai_NxN_Click(10);
    for (auto& column : game.Locked)
        column.fill(true);
    game.SolverMoves = 50;
    game.ResetSolver();
    for (int c = 1; c <= 10; ++c)
        for (int r = 1; r <= 10; ++r)
            EXPECT_FALSE(game.Locked[c][r]);
    EXPECT_EQ(game.SolverMoves, 0);
    game.ai_NxN_Click(3);
    game.Locked[5][5] = true;
    game.ResetSolver();
    EXPECT_TRUE(game.Locked[5][5]);
    EXPECT_TRUE(game.LiftPending);
    EXPECT_TRUE(game.CornerRightPending);
    EXPECT_FALSE(game.RowStageStarted);
}
