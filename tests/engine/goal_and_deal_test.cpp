// SPDX-License-Identifier: GPL-3.0-or-later
// The goal orders and the deal: every dealt game has the goal's parity, so it
// can be solved.

#include "engine/deal.h"
#include "engine/goal.h"
#include "engine/test_session.h"

#include <gtest/gtest.h>

#include <set>

namespace mosaic {
namespace {

using testing::boardOf;

TEST(Goal, TablesOfEveryOrderInBothKindsOfPlay) {
    struct Case {
        GoalOrder order;
        PlayKind play;
        GridSize grid;
        Board goal;
    };
    const Case cases[] = {
        {GoalOrder::RowsAscending, PlayKind::Sliding, {3, 3}, boardOf("1 2 3/4 5 6/7 8 0")},
        {GoalOrder::RowsDescending, PlayKind::Sliding, {3, 3}, boardOf("8 7 6/5 4 3/2 1 0")},
        {GoalOrder::ColumnsAscending, PlayKind::Sliding, {3, 3}, boardOf("1 4 7/2 5 8/3 6 0")},
        {GoalOrder::ColumnsDescending, PlayKind::Sliding, {3, 3}, boardOf("8 5 2/7 4 1/6 3 0")},
        {GoalOrder::RowsAscending, PlayKind::Swap, {3, 3}, boardOf("1 2 3/4 5 6/7 8 9")},
        {GoalOrder::RowsDescending, PlayKind::Swap, {3, 3}, boardOf("9 8 7/6 5 4/3 2 1")},
        {GoalOrder::ColumnsAscending, PlayKind::Swap, {3, 3}, boardOf("1 4 7/2 5 8/3 6 9")},
        {GoalOrder::ColumnsDescending, PlayKind::Swap, {3, 3}, boardOf("9 6 3/8 5 2/7 4 1")},
        {GoalOrder::RowsDescending,
         PlayKind::Sliding,
         {4, 3},
         boardOf("11 10 9 8/7 6 5 4/3 2 1 0")},
        {GoalOrder::ColumnsAscending,
         PlayKind::Sliding,
         {4, 3},
         boardOf("1 4 7 10/2 5 8 11/3 6 9 0")},
        {GoalOrder::ColumnsDescending,
         PlayKind::Swap,
         {4, 3},
         boardOf("12 9 6 3/11 8 5 2/10 7 4 1")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(goalBoard(c.order, c.play, c.grid), c.goal)
            << "order " << savedDigit(c.order) << (c.play == PlayKind::Swap ? " swap" : " sliding");
}

TEST(Goal, SavedDigitsNameTheOrders) {
    for (char digit : {'1', '2', '3', '4'})
        EXPECT_EQ(savedDigit(*orderFromSavedDigit(digit)), digit);
    EXPECT_EQ(orderFromSavedDigit('2'), GoalOrder::RowsDescending);
    EXPECT_EQ(orderFromSavedDigit('3'), GoalOrder::ColumnsAscending);
    for (char digit : {'0', '5', 'A', '\0'})
        EXPECT_FALSE(orderFromSavedDigit(digit).has_value()) << int(digit);
}

TEST(Deal, EveryGridEveryOrderDealsAWholeBoardOfTheGoalsParity) {
    std::uint32_t clock = 7;
    DealRandom random([&clock] { return clock++; });
    for (const PlayKind play : {PlayKind::Sliding, PlayKind::Swap})
        for (int order = 0; order < 4; ++order)
            for (int rows = 3; rows <= MaxGridSide; ++rows)
                for (int columns = 3; columns <= MaxGridSide; ++columns) {
                    const GridSize grid{columns, rows};
                    const Board goal = goalBoard(static_cast<GoalOrder>(order), play, grid);
                    const Board board = dealBoard(goal, play, random);
                    std::multiset<int> dealt, wanted;
                    for (int r = 1; r <= rows; ++r)
                        for (int c = 1; c <= columns; ++c) {
                            dealt.insert(board.label({c, r}));
                            wanted.insert(goal.label({c, r}));
                        }
                    ASSERT_EQ(dealt, wanted) << columns << " x " << rows;
                    ASSERT_TRUE(sameParity(board, goal));
                    if (play == PlayKind::Sliding) {
                        ASSERT_EQ(board.emptyCell(), (Cell{columns, rows}));
                    }
                }
}

TEST(Deal, ParityFlipsWithEveryTradeOfTwoPieces) {
    const Board goal = goalBoard(GoalOrder::RowsAscending, PlayKind::Sliding, {4, 4});
    Board board = goal;
    for (int trade = 1; trade <= 6; ++trade) {
        board.swap({trade % 4 + 1, 1}, {(trade + 1) % 4 + 1, 3});
        EXPECT_EQ(sameParity(board, goal), trade % 2 == 0) << trade;
    }
}

TEST(Deal, PassesWithinOneClockTickDealDifferentBoards) {
    DealRandom random([] { return 42u; });
    const Board goal = goalBoard(GoalOrder::RowsAscending, PlayKind::Sliding, {5, 5});
    EXPECT_NE(dealBoard(goal, PlayKind::Sliding, random),
              dealBoard(goal, PlayKind::Sliding, random));
}

}  // namespace
}  // namespace mosaic
