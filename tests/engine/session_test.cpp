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

using testing::boardOf;
using testing::TestSession;

// Every control's place for four grids and magnifications, from
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
    EXPECT_EQ(checked, 52);
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

// A sliding game one move from solved: the empty cell beside 8.
void openNearlySolved(GameSession& session, int moveCount = 0) {
    session.openSavedGame(boardOf("1 2 3/4 5 6/7 0 8"), moveCount, GoalOrder::RowsAscending,
                          PlayKind::Sliding);
}

TEST(Session, ClicksAndDirectionsSlideTheNeighbourOfTheEmptyCell) {
    TestSession t;
    t.session.openSavedGame(boardOf("1 2 3/4 0 5/6 7 8"), 0, GoalOrder::RowsAscending,
                            PlayKind::Sliding);
    struct Case {
        std::function<void(GameSession&)> act;
        Board expected;
    };
    const Case cases[] = {
        {[](GameSession& s) { s.clickPiece(1); }, boardOf("1 2 3/4 0 5/6 7 8")},
        {[](GameSession& s) { s.clickPiece(2); }, boardOf("1 0 3/4 2 5/6 7 8")},
        {[](GameSession& s) { s.slidePiece(Direction::Up); }, boardOf("1 2 3/4 0 5/6 7 8")},
        {[](GameSession& s) { s.clickPiece(4); }, boardOf("1 2 3/0 4 5/6 7 8")},
        {[](GameSession& s) { s.slidePiece(Direction::Right); }, boardOf("1 2 3/0 4 5/6 7 8")},
        {[](GameSession& s) { s.slidePiece(Direction::Left); }, boardOf("1 2 3/4 0 5/6 7 8")},
        {[](GameSession& s) { s.clickPiece(7); }, boardOf("1 2 3/4 7 5/6 0 8")},
        {[](GameSession& s) { s.slidePiece(Direction::Down); }, boardOf("1 2 3/4 0 5/6 7 8")},
    };
    int moves = 0;
    for (const Case& c : cases) {
        const Board before = t.session.board();
        c.act(t.session);
        EXPECT_EQ(t.session.board(), c.expected) << "after move " << moves;
        moves += t.session.board() == before ? 0 : 1;
        EXPECT_EQ(t.session.window().moveCounter.caption, std::to_string(moves));
    }
    EXPECT_GT(t.platform.slideFrames, 0);
    EXPECT_TRUE(t.platform.messages.empty());
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

TEST(Session, CompletingTheBoardClosesPlayAndCongratulates) {
    TestSession t;
    openNearlySolved(t.session, MaxMoveCount);
    t.session.slidePiece(Direction::Left);
    // The message does not wait for the analysis of the game, and leaves its length out.
    ASSERT_EQ(t.platform.messages.size(), 1u);
    EXPECT_FALSE(t.session.window().workingNotice.visible);
    EXPECT_EQ(t.platform.messages[0].detail.find("Shortest"), std::string::npos);
    EXPECT_EQ(t.platform.messages[0].text, "Completed");
    EXPECT_EQ(t.platform.messages[0].title, "Congratulations");
    EXPECT_EQ(t.platform.messages[0].icon, MessageIcon::Exclamation);
    const MainWindowModel& w = t.session.window();
    EXPECT_FALSE(t.session.playOpen() || w.autoButton.enabled || w.menus.saveGame.enabled);
    EXPECT_TRUE(w.menus.loadGame.enabled && w.menus.rowsAscending.enabled);
    // The counter stops at the most a saved game holds.
    EXPECT_EQ(t.session.moveCount(), MaxMoveCount);
    t.session.clickPiece(6);
    EXPECT_EQ(t.session.board(), t.session.goal());
}

TEST(Session, SwapPlayTradesTwoMisplacedPieces) {
    TestSession t;
    t.session.toggleEmptySpace();
    t.session.openSavedGame(boardOf("2 1 3/4 5 6/7 9 8"), 0, GoalOrder::RowsAscending,
                            PlayKind::Swap);
    const MainWindowModel& w = t.session.window();
    EXPECT_EQ(w.pieceToolTip, "Click on Puzzle pieces to Swap");
    // A piece in its place says so, for three ticks of the notice timer.
    t.session.clickPiece(5);
    EXPECT_TRUE(w.pieceCorrectNotice.visible && w.noticeTimer.running);
    for (int tick = 0; tick < 3; ++tick)
        t.session.noticeTick();
    EXPECT_FALSE(w.pieceCorrectNotice.visible || w.noticeTimer.running);
    t.session.clickPiece(2);
    t.session.clickPiece(1);
    EXPECT_EQ(t.session.board(), boardOf("1 2 3/4 5 6/7 9 8"));
    EXPECT_EQ(t.session.moveCount(), 0);  // swaps are not counted
    t.session.clickPiece(9);
    t.session.clickPiece(8);
    EXPECT_EQ(t.session.board(), t.session.goal());
    ASSERT_EQ(t.platform.messages.size(), 1u);
    EXPECT_EQ(t.platform.messages[0].title, "Congratulations");
}

TEST(Session, AnOrderChangeClosesPlayUntilTheNextDeal) {
    for (const PlayKind play : {PlayKind::Sliding, PlayKind::Swap}) {
        TestSession t;
        if (play == PlayKind::Swap)
            t.session.toggleEmptySpace();
        t.session.chooseSize(4);
        t.session.chooseOrder(GoalOrder::ColumnsDescending);
        const MainWindowModel& w = t.session.window();
        EXPECT_TRUE(w.menus.columnsDescending.checked);
        EXPECT_FALSE(w.menus.rowsAscending.checked || w.menus.saveGame.enabled);
        // A magnification keeps the board, and keeps play closed.
        const Board before = t.session.board();
        t.session.chooseMagnification(2);
        EXPECT_EQ(t.session.board(), before);
        EXPECT_FALSE(t.session.playOpen());
        t.session.clickPiece(before.label({1, 1}));
        t.session.clickPiece(before.label({2, 1}));
        t.session.slidePiece(Direction::Down);
        EXPECT_EQ(t.session.board(), before);
        // The next deal follows the new order and opens play.
        t.session.chooseSize(3);
        EXPECT_EQ(t.session.goal(), goalBoard(GoalOrder::ColumnsDescending, play, {3, 3}));
        EXPECT_TRUE(t.session.playOpen());
    }
}

TEST(Session, AutoPlaySolvesInFrontOfThePlayerAndCanBeStopped) {
    const int intervals[] = {90, 24, 12, 8};
    for (int speed = 0; speed < 4; ++speed) {
        TestSession t;
        t.session.chooseSpeed(speed);
        t.session.chooseSize(3);
        const MainWindowModel& w = t.session.window();
        t.session.toggleAutoPlay();
        EXPECT_EQ(w.autoButton.caption, "MANUAL");
        EXPECT_TRUE(w.autoPlayTimer.running);
        EXPECT_EQ(w.autoPlayTimer.intervalMs, intervals[speed]);
        EXPECT_FALSE(w.leftButton.enabled || w.menus.saveGame.enabled || w.menus.loadGame.enabled ||
                     w.menus.sizes[0].enabled || w.menus.rowsDescending.enabled);
        if (speed == 1) {  // MANUAL gives the board back
            t.session.toggleAutoPlay();
            EXPECT_EQ(w.autoButton.caption, "AUTO");
            EXPECT_TRUE(w.leftButton.enabled && w.menus.saveGame.enabled &&
                        w.menus.sizes[0].enabled);
            continue;
        }
        for (int tick = 0; tick < 500 && w.autoPlayTimer.running; ++tick)
            t.session.autoPlayTick();
        EXPECT_EQ(t.session.board(), t.session.goal());
        t.platform.finishSolves(t.session);
        ASSERT_EQ(t.platform.messages.size(), 1u);
        EXPECT_EQ(t.platform.messages[0].title, "Auto Play");
        EXPECT_EQ(t.platform.messages[0].icon, MessageIcon::Information);
        EXPECT_FALSE(w.autoButton.enabled);
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

TEST(Session, AutoPlayGivesBackABoardItCannotSolve) {
    TestSession t;
    t.session.openSavedGame(boardOf("2 1 3/4 5 6/7 8 0"), 0, GoalOrder::RowsAscending,
                            PlayKind::Sliding);
    t.session.toggleAutoPlay();
    int ticks = 0;
    while (t.session.window().autoPlayTimer.running && ticks < 1000) {
        t.session.autoPlayTick();
        ++ticks;
    }
    EXPECT_LT(ticks, 1000);
    EXPECT_EQ(t.session.window().autoButton.caption, "AUTO");
    EXPECT_TRUE(t.session.playOpen());
    EXPECT_TRUE(t.platform.messages.empty());
}

TEST(Session, ALoadedGameOpensPlayAtX1WhateverCameBefore) {
    TestSession t;
    t.session.chooseMagnification(2);
    openNearlySolved(t.session);
    t.session.slidePiece(Direction::Left);  // completed: play closed
    t.session.chooseOrder(GoalOrder::RowsDescending);
    t.session.openSavedGame(boardOf("4 3 2 1/8 7 6 5/0 11 10 9"), 17, std::nullopt,
                            PlayKind::Sliding);
    const MainWindowModel& w = t.session.window();
    EXPECT_TRUE(t.session.playOpen() && w.autoButton.enabled && w.menus.saveGame.enabled);
    EXPECT_EQ(t.session.magnification(), 1);
    EXPECT_TRUE(w.menus.magnify1.checked);
    // An unknown order keeps the current one, with no Order item checked.
    EXPECT_EQ(t.session.order(), GoalOrder::RowsDescending);
    EXPECT_FALSE(w.menus.rowsAscending.checked || w.menus.rowsDescending.checked ||
                 w.menus.columnsAscending.checked || w.menus.columnsDescending.checked);
    EXPECT_EQ(w.moveCounter.caption, "17");
    EXPECT_EQ(w.sizeCaption.caption, "4 X 3");
}

}  // namespace
}  // namespace mosaic

namespace mosaic {
namespace {

using testing::boardOf;
using testing::TestSession;

TEST(Session, UndoTakesMovesBackAndRedoMakesThemAgain) {
    TestSession t;
    t.session.openSavedGame(boardOf("1 2 3/4 0 5/6 7 8"), 4, GoalOrder::RowsAscending,
                            PlayKind::Sliding);
    const MainMenus& menus = t.session.window().menus;
    EXPECT_FALSE(menus.undo.enabled || menus.redo.enabled);
    t.session.slidePiece(Direction::Left);
    t.session.slidePiece(Direction::Up);
    EXPECT_EQ(t.session.board(), boardOf("1 2 3/4 5 8/6 7 0"));
    t.session.undo();
    EXPECT_EQ(t.session.board(), boardOf("1 2 3/4 5 0/6 7 8"));
    EXPECT_EQ(t.session.moveCount(), 5);
    t.session.undo();
    EXPECT_EQ(t.session.board(), boardOf("1 2 3/4 0 5/6 7 8"));
    EXPECT_FALSE(menus.undo.enabled);
    t.session.redo();
    EXPECT_EQ(t.session.board(), boardOf("1 2 3/4 5 0/6 7 8"));
    EXPECT_EQ(t.session.window().moveCounter.caption, "5");
    // A new move after an undo: nothing left to redo.
    t.session.slidePiece(Direction::Down);
    EXPECT_TRUE(menus.undo.enabled);
    EXPECT_FALSE(menus.redo.enabled);
    // A magnification keeps the history; an order change starts a new one.
    t.session.chooseMagnification(2);
    EXPECT_TRUE(menus.undo.enabled);
    t.session.chooseOrder(GoalOrder::RowsDescending);
    EXPECT_FALSE(menus.undo.enabled);
}

TEST(Session, SwapsAreUndoneAndACompletedGameOffersNoUndo) {
    TestSession t;
    t.session.toggleEmptySpace();
    t.session.openSavedGame(boardOf("2 1 3/4 5 6/7 8 9"), 0, GoalOrder::RowsAscending,
                            PlayKind::Swap);
    t.session.clickPiece(2);
    t.session.clickPiece(1);
    EXPECT_EQ(t.session.board(), t.session.goal());
    EXPECT_FALSE(t.session.window().menus.undo.enabled);
    t.session.undo();
    EXPECT_EQ(t.session.board(), t.session.goal());
}

// Hints until the board is solved: their number is the solver's shortest
// solution, and each counts as a move.
TEST(Session, HintsSolveASlidingBoardTheShortestWay) {
    TestSession t;
    // Seven moves from the goal by a breadth-first search of all boards.
    t.session.openSavedGame(boardOf("2 3 6/1 5 0/4 7 8"), 0, GoalOrder::RowsAscending,
                            PlayKind::Sliding);
    int hints = 0;
    while (!(t.session.board() == t.session.goal()) && hints < 20) {
        t.session.hint();
        EXPECT_EQ(t.session.window().workingNotice.visible, hints == 0);
        t.platform.finishSolves(t.session);
        ++hints;
    }
    EXPECT_EQ(hints, 7);
    EXPECT_EQ(t.session.moveCount(), 7);
    EXPECT_FALSE(t.session.window().workingNotice.visible);
    ASSERT_EQ(t.platform.messages.size(), 1u);
    EXPECT_EQ(t.platform.messages[0].title, "Congratulations");
}

TEST(Session, SwapHintsKeepToTheFewestSwaps) {
    TestSession t;
    t.session.toggleEmptySpace();
    // Cycles (1 2 3), (4 5), (6), (7), (8), (9): nine cells, six cycles.
    t.session.openSavedGame(boardOf("2 3 1/5 4 6/7 8 9"), 0, GoalOrder::RowsAscending,
                            PlayKind::Swap);
    for (int hint = 0; hint < 3; ++hint)
        t.session.hint();
    EXPECT_EQ(t.session.board(), t.session.goal());
    EXPECT_EQ(t.session.moveCount(), 3);
}

TEST(Session, ShortestAutoPlayFollowsTheSolversSolution) {
    TestSession t;
    // Five moves from the goal by a breadth-first search of all boards.
    t.session.openSavedGame(boardOf("1 3 6/4 2 0/7 5 8"), 0, GoalOrder::RowsAscending,
                            PlayKind::Sliding);
    t.session.chooseAutoPlayMethod(AutoPlayMethod::Shortest);
    const MainMenus& menus = t.session.window().menus;
    EXPECT_TRUE(menus.shortest.checked && !menus.stepByStep.checked);
    t.session.toggleAutoPlay();
    EXPECT_FALSE(menus.undo.enabled || menus.hint.enabled || menus.stepByStep.enabled);
    EXPECT_TRUE(t.session.window().workingNotice.visible);
    t.session.autoPlayTick();  // still thinking: no move
    EXPECT_EQ(t.session.moveCount(), 0);
    t.platform.finishSolves(t.session);
    for (int tick = 0; tick < 10 && t.session.window().autoPlayTimer.running; ++tick)
        t.session.autoPlayTick();
    EXPECT_EQ(t.session.board(), t.session.goal());
    EXPECT_EQ(t.session.moveCount(), 5);
    ASSERT_EQ(t.platform.messages.size(), 1u);
    EXPECT_EQ(t.platform.messages[0].title, "Auto Play");
    // Shortest is for sliding play only.
    t.session.toggleEmptySpace();
    EXPECT_FALSE(menus.shortest.enabled);
}

}  // namespace
}  // namespace mosaic

namespace mosaic {
namespace {

using testing::boardOf;
using testing::TestSession;

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

TEST(Session, TheClockRunsFromTheFirstMoveToCompletionButNotWhileMinimised) {
    TestSession t;
    openNearlySolved(t.session);
    const MainWindowModel& w = t.session.window();
    t.platform.finishSolves(t.session);
    t.platform.nowMs = 5000;
    EXPECT_EQ(t.session.gameTimeMs(), 0);  // no move yet
    EXPECT_FALSE(w.clockTimer.running);
    t.session.slidePiece(Direction::Right);  // away from the goal
    EXPECT_TRUE(w.clockTimer.running);
    t.platform.nowMs = 65000;
    t.session.setMinimised(true);
    t.platform.nowMs = 900000;
    t.session.setMinimised(false);
    t.platform.nowMs = 905000;
    t.session.clockTick();
    EXPECT_EQ(w.timeCounter.caption, "1:05");
    t.session.slidePiece(Direction::Left);
    t.session.slidePiece(Direction::Left);
    t.platform.nowMs = 999000;
    EXPECT_EQ(t.session.gameTimeMs(), 65000);  // stopped at completion
    EXPECT_FALSE(w.clockTimer.running);
    ASSERT_EQ(t.platform.completed.size(), 1u);
    EXPECT_EQ(t.platform.completed[0].moves, 3);
    EXPECT_EQ(t.platform.completed[0].timeMs, 65000);
}

// Swap play's records and summary count the swaps, undone ones taken back;
// the move counter on screen leaves them out.
TEST(Session, SwapPlayRecordsCountTheSwaps) {
    TestSession t;
    t.session.toggleEmptySpace();
    t.session.chooseSize(4);
    int swaps = 0;
    bool undone = false;
    while (!(t.session.board() == t.session.goal())) {
        // The first misplaced cell takes its own piece.
        const Board& board = t.session.board();
        const Board& goal = t.session.goal();
        Cell cell{1, 1};
        while (board.label(cell) == goal.label(cell))
            cell = cell.column < 4 ? Cell{cell.column + 1, cell.row} : Cell{1, cell.row + 1};
        t.session.clickPiece(board.label(cell));
        t.session.clickPiece(goal.label(cell));
        ++swaps;
        if (!undone) {  // an undone swap and its redo count once
            t.session.undo();
            t.session.redo();
            undone = true;
        }
        EXPECT_EQ(t.session.swapCount(), swaps);
    }
    t.platform.finishSolves(t.session);
    ASSERT_EQ(t.platform.completed.size(), 1u);
    EXPECT_EQ(t.platform.completed[0].moves, swaps);
    EXPECT_FALSE(t.platform.completed[0].playedAlone);  // the undo took part
    EXPECT_EQ(t.session.moveCount(), 0);
    EXPECT_EQ(t.platform.messages[0].detail.rfind("Swaps: " + std::to_string(swaps) + "\n", 0),
              0u);
}

TEST(Session, TheCompletionSaysMovesTimeTheShortestWayAndANewBest) {
    struct Case {
        PlayKind play;
        const char* board;
        std::function<void(GameSession&)> finish;
        bool alone, timed;
        std::string detail;
    };
    const Case cases[] = {
        {PlayKind::Sliding, "1 2 3/4 5 6/7 0 8",
         [](GameSession& s) { s.slidePiece(Direction::Left); }, true, false,
         "Moves: 1\nTime: 0:00\nShortest possible: 1 move\nNew best!"},
        {PlayKind::Sliding, "1 2 3/4 5 6/7 0 8", [](GameSession& s) { s.hint(); }, false, false,
         "Moves: 1\nTime: 0:00\nShortest possible: 1 move\nNew best!"},
        {PlayKind::Swap, "2 1 3/4 5 6/7 8 9",
         [](GameSession& s) {
             s.clickPiece(1);
             s.clickPiece(2);
         },
         // A loaded swap game's file keeps no count of its swaps: no record.
         false, false, "Swaps: 1\nTime: 0:00\nShortest possible: 1 swap\nNew best!"},
    };
    for (const Case& c : cases) {
        TestSession t;
        if (c.play == PlayKind::Swap)
            t.session.toggleEmptySpace();
        t.platform.newBest = true;
        t.session.openSavedGame(boardOf(c.board), 0, GoalOrder::RowsAscending, c.play);
        t.platform.finishSolves(t.session);  // the analysis, before the last move
        c.finish(t.session);
        t.platform.finishSolves(t.session);
        ASSERT_EQ(t.platform.messages.size(), 1u) << c.board;
        EXPECT_EQ(t.platform.messages[0].text, "Completed");
        EXPECT_EQ(t.platform.messages[0].detail, c.detail);
        ASSERT_EQ(t.platform.completed.size(), 1u);
        EXPECT_EQ(t.platform.completed[0].playedAlone, c.alone);
        EXPECT_EQ(t.platform.completed[0].timed, c.timed);  // loaded games set no time record
    }
}

}  // namespace
}  // namespace mosaic
