// SPDX-License-Identifier: GPL-3.0-or-later
// Replays of a completed game, from the arrangement it started from.

#include "engine/test_session.h"

#include <gtest/gtest.h>

namespace mosaic {
namespace {

TEST(Replay, EndsOnTheCompletedBoardWithTheRecordsUnchanged) {
    using Play = std::function<void(GameSession&)>;
    // Seven moves from the goal at the shortest, made after a detour of two
    // moves and one taken back.
    const char* sevenAway = "2 3 6/1 5 0/4 7 8";
    const Play detour = [](GameSession& s) {
        for (Direction way : {Direction::Up, Direction::Down, Direction::Up})
            s.slidePiece(way);
        s.undo();
        for (Direction way : {Direction::Down, Direction::Right, Direction::Right, Direction::Up,
                              Direction::Up, Direction::Left, Direction::Left})
            s.slidePiece(way);
    };
    const Play own = &GameSession::replayMyGame, shortest = &GameSession::watchShortestSolution;
    const Play swaps = [](GameSession& s) { s.hint(), s.hint(); };  // two swaps
    const struct {
        PlayKind play;
        const char* board;
        Play finish, replay, stopAfterOneMove;  // no stop: to the end
        int ticks;
        std::string title;
    } cases[] = {
        {PlayKind::Sliding, sevenAway, detour, own, {}, 10, "Replay of your game: 9 moves"},
        {PlayKind::Swap, "2 1 3/5 4 6/7 8 9", swaps, own, {}, 3, "Replay of your game: 2 moves"},
        {PlayKind::Sliding, sevenAway, detour, shortest, {}, 8, "Shortest solution: 7 moves"},
        {PlayKind::Sliding, sevenAway, detour, shortest, &GameSession::toggleAutoPlay, 1,
         "Shortest solution: 7 moves"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title + (c.stopAfterOneMove ? ", stopped" : ""));
        testing::TestSession t;
        if (c.play == PlayKind::Swap)
            t.session.toggleEmptySpace();
        t.session.openSavedGame(testing::boardOf(c.board), 30, GoalOrder::RowsAscending, c.play);
        const Board start = t.session.board();
        const MainWindowModel& w = t.session.window();
        c.finish(t.session);
        // Once the completion is told, which waits for the shortest solution.
        EXPECT_EQ(w.menus.replayMyGame.enabled, c.play == PlayKind::Swap);
        t.platform.finishSolves(t.session);
        EXPECT_EQ(w.menus.watchShortest.enabled, c.play == PlayKind::Sliding);
        const int gameMoves = t.session.moveCount();
        c.replay(t.session);
        t.platform.finishSolves(t.session);
        EXPECT_EQ(t.session.board(), start);
        EXPECT_EQ(w.titleNote, c.title);
        EXPECT_FALSE(t.session.playOpen() || w.menus.undo.enabled || w.menus.hint.enabled);
        int ticks = 0;
        for (; ticks < 100 && t.session.replaying(); ++ticks) {
            t.session.replayTick();
            EXPECT_EQ(t.session.moveCount(), t.session.replaying() ? ticks + 1 : gameMoves);
            if (c.stopAfterOneMove && w.autoButton.caption == "MANUAL")
                c.stopAfterOneMove(t.session);
        }
        EXPECT_EQ(ticks, c.ticks);  // a tick a move, and one to end
        EXPECT_EQ(t.session.board(), t.session.goal());
        EXPECT_FALSE(t.session.playOpen() || w.autoButton.enabled || w.menus.saveGame.enabled);
        EXPECT_EQ(t.platform.completed.size() + t.platform.messages.size(), 2u);
    }
}

}  // namespace
}  // namespace mosaic
