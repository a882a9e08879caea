// SPDX-License-Identifier: GPL-3.0-or-later
// The daily game: its boards are pinned, for every later version of the
// game to deal the same; its result goes to the clipboard.

#include "engine/test_session.h"

#include <gtest/gtest.h>

namespace mosaic {
namespace {

TEST(Daily, EachDateDealsItsOwnPinnedBoard) {
    const std::pair<const char*, const char*> days[] = {
        {"2026-12-07", "11 2 3 1/7 4 6 15/9 8 14 12/10 13 5 0"},
        {"2026-12-08", "6 5 11 9/2 13 7 14/3 10 15 8/1 4 12 0"},
        {"2027-02-28", "3 2 15 10/1 8 13 12/6 4 7 5/14 9 11 0"},
        {"2028-02-29", "15 14 9 4/12 3 1 13/2 5 6 8/7 11 10 0"},
    };
    for (const auto& [iso, board] : days)
        EXPECT_EQ(dailyBoard(calendarDateFromIso(iso).value()), testing::boardOf(board)) << iso;
    for (const char* wrong : {"2027-02-29", "2026-13-01", "2026-12-7", "2026-12-0x", "+026-12-07"})
        EXPECT_FALSE(calendarDateFromIso(wrong)) << wrong;
}

TEST(Daily, CopyResultPutsTheResultLineOnTheClipboard) {
    testing::TestSession t;
    t.session.toggleEmptySpace();  // swap play, columns descending and another picture before
    t.session.chooseOrder(GoalOrder::ColumnsDescending);
    t.session.setSourcePicture(QImage(300, 200, QImage::Format_RGB32));
    t.session.playDailyGame({2026, 12, 7});
    EXPECT_EQ(t.session.board(), dailyBoard({2026, 12, 7}));
    EXPECT_TRUE(t.session.playOpen() && t.session.order() == GoalOrder::RowsAscending);
    const Size size = piecePictureSize(1);
    EXPECT_EQ(t.session.piecePicture(1), cutPiece(testing::defaultPicture(), {4, 4}, 1, size));
    t.platform.answers = {MessageAnswer::Action};
    while (!(t.session.board() == t.session.goal()) && t.session.moveCount() < 100) {
        t.platform.nowMs = t.session.moveCount() == 0 ? 0 : 72'000;
        t.session.hint();
        t.platform.finishSolves(t.session);
    }
    ASSERT_EQ(t.platform.messages.size(), 1u);
    EXPECT_EQ(t.platform.messages[0].actionButton, "Copy Result");
    const std::string moves = std::to_string(t.session.moveCount());
    EXPECT_EQ(t.platform.copied, std::vector<std::string>{"Mosaic Rush daily 2026-12-07: " + moves +
                                                          " moves (shortest " + moves + "), 1:12"});
    EXPECT_EQ(t.platform.completed.at(0).daily, (CalendarDate{2026, 12, 7}));
    t.session.chooseSize(4);
    EXPECT_FALSE(t.session.dailyDate());  // the next game is no daily game
}

}  // namespace
}  // namespace mosaic
