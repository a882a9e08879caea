// SPDX-License-Identifier: GPL-3.0-or-later
// The game session: the window model it keeps, the moves it makes and the
// messages it shows, on a recording platform.

#include "engine/test_session.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

namespace mosaic {

void PrintTo(const Rect& r, std::ostream* out) {
    *out << "(" << r.left << ", " << r.top << ", " << r.width << " x " << r.height << ")";
}

namespace {

using testing::TestSession;

// Every control's place for six grids and magnifications, from
// data/control_places.txt.
TEST(Session, PlacesEveryControlForGridAndMagnification) {
    std::ifstream file(MOSAIC_CONTROL_PLACES);
    int checked = 0;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        int columns = 0, rows = 0, magnification = 0;
        std::string name;
        Rect expected;
        fields >> columns >> rows >> magnification >> name >> expected.left >> expected.top >>
            expected.width >> expected.height;
        TestSession t;
        t.session.chooseMagnification(magnification);
        t.session.applyCustomSize({columns, rows});
        const MainWindowModel& w = t.session.window();
        const Board& board = t.session.board();
        const std::map<std::string, Rect> places = {
            {"window", {0, 0, w.windowSize->width, w.windowSize->height}},
            {"autoButton", w.autoButton.place},
            {"leftButton", w.leftButton.place},
            {"rightButton", w.rightButton.place},
            {"upButton", w.upButton.place},
            {"downButton", w.downButton.place},
            {"sizeCaption", w.sizeCaption.place},
            {"movesCaption", w.movesCaption.place},
            {"moveCounter", w.moveCounter.place},
            {"workingNotice", w.workingNotice.place},
            {"pieceCorrectNotice", w.pieceCorrectNotice.place},
            {"topLeftPiece", t.session.piecePlace(board.label({1, 1}))},
            {"lastColumnPiece", t.session.piecePlace(board.label({columns, rows - 1}))}};
        ASSERT_TRUE(places.contains(name)) << line;
        EXPECT_EQ(places.at(name), expected) << line;
        ++checked;
    }
    EXPECT_EQ(checked, 78);
}

TEST(Session, StartsWithTheSplashAndNoBoard) {
    TestSession t;
    const MainWindowModel& w = t.session.window();
    EXPECT_FALSE(w.windowSize.has_value());
    EXPECT_FALSE(w.boardShown);
    EXPECT_FALSE(w.menus.saveGame.enabled);
    EXPECT_TRUE(w.menus.emptySpace.checked && w.menus.magnify1.checked &&
                w.menus.speeds[0].checked && w.menus.rowsAscending.checked);
    for (const Control* control : {&w.leftButton, &w.autoButton, &w.moveCounter, &w.sizeCaption})
        EXPECT_FALSE(control->visible);
    // The splash goes at the fourth tick of its timer.
    EXPECT_EQ(w.splash.place, (Rect{48, 32, 287, 185}));
    for (int tick = 1; tick <= 4; ++tick) {
        EXPECT_TRUE(w.splash.visible && w.splashTimer.running) << tick;
        t.session.splashTick();
    }
    EXPECT_FALSE(w.splash.visible || w.splashTimer.running);
    // A magnification before the first game only sizes the window.
    t.session.chooseMagnification(2);
    EXPECT_EQ(w.windowSize, (Size{336, 360}));
    EXPECT_FALSE(w.boardShown || t.session.gameDealt());
    // The hidden AUTO, which a screen reader can still press, does nothing.
    t.session.toggleAutoPlay();
    t.session.autoPlayTick();
    EXPECT_FALSE(t.session.autoPlaying() || w.menus.autoPlay.enabled);
    EXPECT_TRUE(t.platform.messages.empty());
}

// A picture of one flat colour per cell of a grid, cell (c, r) coloured by
// its reading position.
QImage flatCellPicture(GridSize grid, int cellWidth, int cellHeight) {
    QImage picture(grid.columns * cellWidth, grid.rows * cellHeight, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const int position = (y / cellHeight) * grid.columns + x / cellWidth + 1;
            picture.setPixelColor(x, y,
                                  QColor(position * 2, 255 - position * 2, position % 7 * 30));
        }
    return picture;
}

TEST(Session, CutsEachPieceFromItsOwnCellOfThePicture) {
    for (const GridSize grid : {GridSize{4, 3}, GridSize{3, 5}, GridSize{10, 7}}) {
        TestSession t;
        t.session.setSourcePicture(flatCellPicture(grid, 20, 12));
        t.session.applyCustomSize(grid);
        for (int label = 1; label < grid.cellCount(); ++label) {
            const QImage& piece = t.session.piecePicture(label);
            ASSERT_EQ(piece.size(), QSize(23, 23));
            EXPECT_EQ(piece.pixelColor(11, 11), QColor(label * 2, 255 - label * 2, label % 7 * 30))
                << grid.columns << " x " << grid.rows << " label " << label;
        }
    }
    // A picture as wide as the size limit allows still has room for a piece.
    const QImage wide(3 * 32768 + 3, 1, QImage::Format_Grayscale8);
    QImage filled = wide;
    filled.fill(200);
    EXPECT_EQ(cutPiece(filled, {3, 1}, 3, {23, 23}).pixelColor(5, 5), QColor(200, 200, 200));
    // One too small to cut gives a blank piece.
    EXPECT_EQ(
        cutPiece(QImage(2, 2, QImage::Format_RGB32), {3, 3}, 1, {23, 23}).pixelColor(5, 5).alpha(),
        0);
}

TEST(Session, SlidesByHandLastFourFramesOrMoreAndAutoPlayKeepsItsPace) {
    int slowerMs = 1000;
    for (int speed = 0; speed < 4; ++speed) {
        for (const int magnification : {1, 2}) {
            TestSession t;
            t.session.chooseSpeed(speed);
            t.session.chooseMagnification(magnification);
            t.session.chooseSize(4);
            t.session.slidePiece(Direction::Down);
            const int steps = 360 * magnification / SpeedSettings[std::size_t(speed)];
            EXPECT_EQ(t.platform.slideFrames, steps);
            EXPECT_GE(t.platform.slideMs, 60);
            if (magnification == 1) {
                EXPECT_LT(t.platform.slideMs, slowerMs) << "X 0.5 is the slowest";
                slowerMs = t.platform.slideMs;
            }
            t.session.toggleAutoPlay();
            const int framesByHand = t.platform.slideFrames;
            for (int tick = 0; tick < 10 && t.platform.slideFrames == framesByHand; ++tick)
                t.session.autoPlayTick();
            EXPECT_EQ(t.platform.slideMs, steps) << "a step a millisecond";
        }
    }
}

TEST(Session, AutoPlaysMovesAreAnnouncedAtMostOnceASecond) {
    TestSession t;
    t.session.chooseSize(5);
    const Announcement& said = t.session.window().announcement;
    t.session.toggleAutoPlay();
    EXPECT_EQ(said.text, "Automatic player on");
    const int on = said.serial;
    for (int tick = 0; tick < 50; ++tick, t.platform.nowMs += 100)
        t.session.autoPlayTick();
    // Five seconds of moves, a move a tenth of a second.
    EXPECT_GE(said.serial - on, 3);
    EXPECT_LE(said.serial - on, 5);
    // Stopping, and the player's own moves, are told at once.
    t.session.toggleAutoPlay();
    EXPECT_EQ(said.text, "Automatic player off");
    for (const Direction way : {Direction::Left, Direction::Right, Direction::Up, Direction::Down}) {
        const int before = said.serial;
        const int moves = t.session.moveCount();
        t.session.slidePiece(way);
        EXPECT_EQ(said.serial - before, t.session.moveCount() - moves);
    }
}

TEST(Session, TheTimeIsShownClearOfEveryOtherControl) {
    for (int magnification : {1, 2})
        for (int rows = 3; rows <= MaxGridSide; ++rows)
            for (int columns = 3; columns <= MaxGridSide; ++columns) {
                TestSession t;
                t.session.chooseMagnification(magnification);
                t.session.applyCustomSize({columns, rows});
                const MainWindowModel& w = t.session.window();
                const auto overlap = [](const Rect& a, const Rect& b) {
                    return a.left < b.left + b.width && b.left < a.left + a.width &&
                           a.top < b.top + b.height && b.top < a.top + a.height;
                };
                const Rect board{0, 0,
                                 pieceBox({columns, rows}, magnification).left +
                                     pieceBox({1, 1}, magnification).width,
                                 w.windowSize->height};
                for (const Control* time : {&w.timeCaption, &w.timeCounter}) {
                    ASSERT_TRUE(time->visible);
                    ASSERT_LE(time->place.left + time->place.width, w.windowSize->width);
                    ASSERT_FALSE(overlap(time->place, board)) << columns << " x " << rows;
                    for (const Control* other :
                         {&w.autoButton, &w.leftButton, &w.rightButton, &w.upButton, &w.downButton,
                          &w.sizeCaption, &w.movesCaption, &w.moveCounter})
                        ASSERT_FALSE(overlap(time->place, other->place))
                            << columns << " x " << rows << " X" << magnification;
                }
            }
}

}  // namespace
}  // namespace mosaic
