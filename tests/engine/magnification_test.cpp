// SPDX-License-Identifier: GPL-3.0-or-later
// X3 and X4: offered only where the window fits the screen, and a board
// that would not fit shown at the largest magnification that does.

#include "engine/test_session.h"

#include <gtest/gtest.h>

namespace mosaic {
namespace {

using testing::TestSession;

TEST(Magnification, X3AndX4AreOfferedOnlyWhereTheWindowFitsTheScreen) {
    struct Case {
        int side;
        Size screen;
        bool x3, x4;
        int shownAtX4;  // the magnification of the board when X4 is chosen
    };
    const Case cases[] = {
        {3, {800, 600}, true, true, 4},  // 480 x 600 at X4: just fits
        {3, {800, 599}, true, false, 3},
        {4, {800, 600}, true, false, 3},  // 480 x 552 at X3, 576 x 696 at X4
        {10, {800, 600}, false, false, 2},
        {10, {1920, 1400}, true, true, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.side * 10000 + c.screen.height);
        TestSession t;
        t.session.setScreenSpace(c.screen);
        t.session.chooseSize(c.side);
        const MainMenus& menus = t.session.window().menus;
        EXPECT_EQ(menus.magnify3.enabled, c.x3);
        EXPECT_EQ(menus.magnify4.enabled, c.x4);
        t.session.chooseMagnification(4);
        EXPECT_EQ(t.session.magnification(), c.shownAtX4);
        EXPECT_EQ(menus.magnify2.checked, c.shownAtX4 == 2);
        EXPECT_EQ(menus.magnify4.checked, c.shownAtX4 == 4);
        // A small grid afterwards is shown at X4 again where it fits; no
        // magnification is offered while the automatic player runs.
        t.session.chooseSize(3);
        EXPECT_EQ(t.session.magnification(), c.screen.height >= 600 ? 4 : 3);
        t.session.toggleAutoPlay();
        EXPECT_FALSE(menus.magnify3.enabled || menus.magnify4.enabled);
    }
}

TEST(Magnification, ARememberedOneThatNoLongerFitsGivesWayAtStart) {
    TestSession t;
    t.session.setScreenSpace({800, 500});
    t.session.restoreMagnification(4);
    EXPECT_FALSE(t.session.window().windowSize.has_value());  // the design size until a board
    EXPECT_TRUE(t.session.window().menus.magnify3.checked);
    t.session.chooseSize(3);
    EXPECT_EQ(t.session.magnification(), 3);
    EXPECT_EQ(t.session.window().windowSize, (Size{408, 480}));
}

}  // namespace
}  // namespace mosaic
