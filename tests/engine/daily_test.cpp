// SPDX-License-Identifier: GPL-3.0-or-later
// The daily game: its boards are pinned, for every later version of the
// game to deal the same; its result goes to the clipboard.

#include "engine/test_session.h"

#include <gtest/gtest.h>

namespace mosaic {
namespace {

using testing::boardOf;
using testing::TestSession;

TEST(Daily, EachDateDealsItsOwnPinnedBoard) {
    const std::pair<const char*, const char*> days[] = {
        {"2026-12-07", "11 2 3 1/7 4 6 15/9 8 14 12/10 13 5 0"},
        {"2026-12-08", "6 5 11 9/2 13 7 14/3 10 15 8/1 4 12 0"},
        {"2027-02-28", "3 2 15 10/1 8 13 12/6 4 7 5/14 9 11 0"},
        {"2028-02-29", "15 14 9 4/12 3 1 13/2 5 6 8/7 11 10 0"},
    };
    for (const auto& [iso, board] : days) {
        const std::optional<CalendarDate> date = calendarDateFromIso(iso);
        ASSERT_TRUE(date) << iso;
        EXPECT_EQ(date->iso(), iso);
        EXPECT_EQ(dailyBoard(*date), boardOf(board)) << iso;
    }
    for (const char* wrong : {"2027-02-29", "2026-13-01", "2026-12-7", "2026-12-0x", "+026-12-07"})
        EXPECT_FALSE(calendarDateFromIso(wrong)) << wrong;
    EXPECT_EQ((CalendarDate{2026, 3, 1}).dayNumber() - (CalendarDate{2026, 2, 28}).dayNumber(), 1);
    EXPECT_EQ((CalendarDate{1970, 1, 1}).dayNumber(), 0);
}

TEST(Daily, CopyResultPutsTheResultLineOnTheClipboard) {
    TestSession t;
    t.session.chooseMagnification(2);
    t.session.toggleEmptySpace();  // swap play and another picture before it
    t.session.chooseOrder(GoalOrder::ColumnsDescending);
    t.session.setSourcePicture(QImage(300, 200, QImage::Format_RGB32));
    const CalendarDate day{2026, 12, 7};
    t.session.playDailyGame(day);
    EXPECT_EQ(t.session.board(), dailyBoard(day));
    EXPECT_EQ(t.session.playKind(), PlayKind::Sliding);
    EXPECT_EQ(t.session.order(), GoalOrder::RowsAscending);
    EXPECT_EQ(t.session.magnification(), 2);
    EXPECT_TRUE(t.session.playOpen());
    EXPECT_EQ(t.session.piecePicture(1), cutPiece(testing::defaultPicture(), {4, 4}, 1,
                                                  piecePictureSize(2)));
    t.platform.answers = {MessageAnswer::Action};
    while (!(t.session.board() == t.session.goal()) && t.session.moveCount() < 100) {
        t.platform.nowMs = t.session.moveCount() == 0 ? 0 : 72'000;
        t.session.hint();
        t.platform.finishSolves(t.session);
    }
    ASSERT_EQ(t.platform.messages.size(), 1u);
    EXPECT_EQ(t.platform.messages[0].actionButton, "Copy Result");
    const int moves = t.session.moveCount();
    ASSERT_EQ(t.platform.copied.size(), 1u);
    EXPECT_EQ(t.platform.copied[0], "Mosaic Rush daily 2026-12-07: " + std::to_string(moves) +
                                        " moves (shortest " + std::to_string(moves) + "), 1:12");
    ASSERT_EQ(t.platform.completed.size(), 1u);
    EXPECT_EQ(t.platform.completed[0].daily, day);
    // The next game is no daily game.
    t.session.chooseSize(4);
    EXPECT_FALSE(t.session.dailyDate());
}

}  // namespace
}  // namespace mosaic
