// SPDX-License-Identifier: GPL-3.0-or-later
// Long runs of random player actions: whatever the order of menu commands,
// clicks, keys and timer ticks, the board stays whole and the window agrees
// with it.

#include "engine/test_session.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace mosaic {
namespace {

// Every label of the kind of play once, one empty cell in sliding play, and
// each piece placed on its cell.
void expectBoardWhole(const GameSession& session) {
    const Board& board = session.board();
    const bool sliding = session.playKind() == PlayKind::Sliding;
    std::set<int> labels;
    int empties = 0;
    for (int row = 1; row <= board.rows(); ++row)
        for (int column = 1; column <= board.columns(); ++column) {
            const int label = board.label({column, row});
            if (label == Board::EmptyCell) {
                ++empties;
                continue;
            }
            ASSERT_TRUE(labels.insert(label).second) << "label " << label << " twice";
            ASSERT_EQ(session.piecePlace(label), pieceBox({column, row}, session.magnification()));
            ASSERT_FALSE(session.piecePicture(label).isNull());
        }
    const int pieces = board.size().cellCount() - (sliding ? 1 : 0);
    ASSERT_EQ(empties, sliding ? 1 : 0);
    ASSERT_EQ(static_cast<int>(labels.size()), pieces);
    ASSERT_EQ(*labels.rbegin(), pieces);
    ASSERT_LE(session.moveCount(), MaxMoveCount);
}

TEST(RandomPlay, BoardStaysWholeWhateverThePlayerDoes) {
    for (std::uint32_t seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        testing::TestSession t;
        GameSession& session = t.session;
        const MainWindowModel& window = session.window();
        t.platform.seed = seed;
        std::mt19937 random(seed);
        auto pick = [&](int low, int high) {
            return std::uniform_int_distribution<int>(low, high)(random);
        };
        session.chooseSize(pick(3, 10));
        for (int action = 0; action < 1500; ++action) {
            switch (pick(0, 19)) {
            case 0: session.chooseSize(pick(3, 10)); break;
            case 1: session.toggleEmptySpace(); break;
            case 2: session.chooseMagnification(pick(1, 2)); break;
            case 3: session.chooseSpeed(pick(0, 3)); break;
            case 4: session.applyCustomSize({pick(3, 10), pick(3, 10)}); break;
            case 5:
                if (pick(0, 9) == 0)  // an order change closes play until the next deal
                    session.chooseOrder(static_cast<GoalOrder>(pick(0, 3)));
                break;
            case 6:
                if (window.autoButton.visible && window.autoButton.enabled)
                    session.toggleAutoPlay();
                break;
            case 7: session.splashTick(); break;
            case 8: session.noticeTick(); break;
            case 9:
            case 10:
            case 11:
                for (int tick = 0; tick < 20; ++tick)
                    session.autoPlayTick();
                break;
            case 12:
            case 13: session.slidePiece(static_cast<Direction>(pick(0, 3))); break;
            default: session.clickPiece(pick(1, 100)); break;
            }
            expectBoardWhole(session);
            if (::testing::Test::HasFatalFailure())
                return;
        }
    }
}

}  // namespace
}  // namespace mosaic
