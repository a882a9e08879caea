// SPDX-License-Identifier: GPL-3.0-or-later
// Replays of a completed game: the player's own moves, and the solver's
// shortest solution, from the arrangement the game started from.

#include "engine/test_session.h"

#include <gtest/gtest.h>

#include <functional>

namespace mosaic {
namespace {

using testing::boardOf;
using testing::TestSession;

TEST(Replay, EndsOnTheCompletedBoardWithTheRecordsUnchanged) {
    struct Case {
        const char* name;
        PlayKind play;
        const char* board;
        std::function<void(GameSession&)> finish;
        std::function<void(GameSession&)> replay;
        int replayMoves;  // the moves the replay makes when it runs to its end
        std::string title;
        std::function<void(GameSession&)> stopAfterOneMove;  // none: runs to its end
    };
    const auto mine = [](GameSession& s) { s.replayMyGame(); };
    const auto shortest = [](GameSession& s) { s.watchShortestSolution(); };
    // Seven moves from the goal at the shortest; the player takes a detour
    // of two and takes one of them back.
    const auto detour = [](GameSession& s) {
        s.slidePiece(Direction::Up);
        s.slidePiece(Direction::Down);
        s.slidePiece(Direction::Up);
        s.undo();
        for (Direction way : {Direction::Down, Direction::Right, Direction::Right, Direction::Up,
                              Direction::Up, Direction::Left, Direction::Left})
            s.slidePiece(way);
    };
    const Case cases[] = {
        {"own slides", PlayKind::Sliding, "2 3 6/1 5 0/4 7 8", detour, mine, 9,
         "Replay of your game: 9 moves", nullptr},
        {"own swaps", PlayKind::Swap, "2 1 3/5 4 6/7 8 9",
         [](GameSession& s) {
             for (int label : {1, 2, 4, 5})
                 s.clickPiece(label);
         },
         mine, 2, "Replay of your game: 2 moves", nullptr},
        {"shortest on 3 x 3", PlayKind::Sliding, "2 3 6/1 5 0/4 7 8", detour, shortest, 7,
         "Shortest solution: 7 moves", nullptr},
        {"stopped by MANUAL", PlayKind::Sliding, "2 3 6/1 5 0/4 7 8", detour, mine, 9,
         "Replay of your game: 9 moves", [](GameSession& s) { s.toggleAutoPlay(); }},
        {"stopped by a menu", PlayKind::Sliding, "2 3 6/1 5 0/4 7 8", detour, shortest, 7,
         "Shortest solution: 7 moves", [](GameSession& s) { s.stopReplay(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestSession t;
        if (c.play == PlayKind::Swap)
            t.session.toggleEmptySpace();
        t.session.openSavedGame(boardOf(c.board), 30, GoalOrder::RowsAscending, c.play);
        const Board start = t.session.board();
        const MainWindowModel& w = t.session.window();
        EXPECT_FALSE(w.menus.replayMyGame.enabled || w.menus.watchShortest.enabled);
        c.finish(t.session);
        t.platform.finishSolves(t.session);
        ASSERT_EQ(t.platform.messages.size(), 1u);
        EXPECT_TRUE(w.menus.replayMyGame.enabled);
        EXPECT_EQ(w.menus.watchShortest.enabled, c.play == PlayKind::Sliding);
        const int gameMoves = t.session.moveCount();

        c.replay(t.session);
        t.platform.finishSolves(t.session);
        EXPECT_EQ(t.session.board(), start);
        EXPECT_EQ(w.titleNote, c.title);
        EXPECT_TRUE(t.session.replaying() && w.replayTimer.running);
        EXPECT_FALSE(t.session.playOpen() || w.menus.undo.enabled || w.menus.hint.enabled);
        int ticks = 0;
        for (; ticks < 100 && t.session.replaying(); ++ticks) {
            t.session.replayTick();
            EXPECT_EQ(t.session.moveCount(), t.session.replaying() ? ticks + 1 : gameMoves);
            if (c.stopAfterOneMove && ticks == 0) {
                EXPECT_TRUE(w.autoButton.enabled && w.autoButton.caption == "MANUAL");
                c.stopAfterOneMove(t.session);
            }
        }
        EXPECT_EQ(ticks, c.stopAfterOneMove ? 1 : c.replayMoves + 1);
        EXPECT_EQ(t.session.board(), t.session.goal());
        EXPECT_EQ(t.session.moveCount(), gameMoves);
        EXPECT_FALSE(t.session.playOpen() || w.autoButton.enabled || w.menus.saveGame.enabled ||
                     w.replayTimer.running);
        EXPECT_EQ(t.platform.completed.size(), 1u);
        EXPECT_EQ(t.platform.messages.size(), 1u);
    }
}

}  // namespace
}  // namespace mosaic
