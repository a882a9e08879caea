// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window as plain data: every control's place, caption, enabled and
// visible state, the menu items' enabled and checked states and the timers.
// The session writes it after each event; the Qt window copies it onto real
// widgets, so every effect of an event can be checked without a display.
//
// The layout formulas are pure functions of grid size and magnification.
// Inside they keep the window's design unit, the twip (15 to a logical
// pixel); what leaves them is in logical pixels.

#include "engine/board.h"

#include <array>
#include <optional>
#include <string>

namespace mosaic {

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const Rect&) const = default;
};

struct Size {
    int width = 0;
    int height = 0;

    bool operator==(const Size&) const = default;
};

struct Control {
    bool visible = false;
    bool enabled = true;
    std::string caption;  // of a button or label, or the text of a text box
    Rect place;           // in the window's client area
};

struct MenuItem {
    bool enabled = true;
    bool checked = false;
};

struct Timer {
    bool running = false;
    int intervalMs = 0;
};

// Twips as whole logical pixels, a half rounding up.
constexpr int twipsToPixels(int twips) {
    constexpr int TwipsPerPixel = 15;
    return twips >= 0 ? (twips + TwipsPerPixel / 2) / TwipsPerPixel
                      : -((-twips + TwipsPerPixel / 2) / TwipsPerPixel);
}

// Piece boxes have a one-pixel frame; their picture fills the inside.
constexpr int PieceFramePixels = 1;

// The places of the controls beside the board.
struct ControlPlaces {
    Rect autoButton, leftButton, rightButton, upButton, downButton;
    Rect sizeCaption, movesCaption, moveCounter;
    Rect timeCaption, timeCounter;  // below the moves, clear of the buttons
};
ControlPlaces controlPlaces(GridSize grid, int magnification);

// The main window's outer size, menu bar included.
Size mainWindowSize(GridSize grid, int magnification);
constexpr int MaxMagnification = 4;
// The client size before the first board, when the menu bar comes on top.
Size designClientSize();

// The box of the piece standing in a cell, frame included; neighbouring boxes
// share their frame line.
Rect pieceBox(Cell cell, int magnification);
// The picture inside a piece box.
Size piecePictureSize(int magnification);
// A piece's place moved by an offset in twips, as a slide moves it.
Rect pieceBoxMoved(Cell cell, int magnification, int dxTwips, int dyTwips);
// How far one slide step goes at a speed setting, and how many steps make one
// cell at a magnification.
int slideStepTwips(int speedSetting);
int slideSteps(int speedSetting, int magnification);

// "Rows ascending" and its kin are checkable menu items; so are the speeds,
// the magnifications and Empty Space. The other items are only enabled or not.
struct MainMenus {
    MenuItem loadGame, saveGame, about, dailyGame;
    MenuItem emptySpace, customSize;
    std::array<MenuItem, MaxGridSide - 2> sizes;  // 3 x 3 .. 10 x 10
    MenuItem viewImage;
    MenuItem magnify1, magnify2, magnify3, magnify4;
    std::array<MenuItem, 4> speeds;  // X 0.5, X 1, X 2, X 4
    MenuItem rowsAscending, rowsDescending, columnsAscending, columnsDescending;
    MenuItem undo, redo, hint;
    MenuItem autoPlay;              // checked while the automatic player runs
    MenuItem stepByStep, shortest;  // how AUTO plays
    MenuItem replayMyGame, watchShortest;  // once a game is completed
    MenuItem showNumbers;

    MenuItem& size(int side) { return sizes[static_cast<std::size_t>(side - 3)]; }
};

// What a screen reader is told of an event ("Piece 7 moved to row 2,
// column 3"), and the cell the reader's focus moves to. The serial grows with
// each announcement, so that one repeating the text before it is told too.
struct Announcement {
    std::string text;
    std::optional<Cell> cell;
    int serial = 0;
};

struct MainWindowModel {
    // nullopt until the first board is built: the window keeps its design
    // size.
    std::optional<Size> windowSize;

    Control workingNotice;       // " WORKING!"
    Control pieceCorrectNotice;  // "Piece is Correct!"
    Control sizeCaption;         // "4 X 3"
    Control movesCaption;        // "Moves:"
    Control moveCounter;
    Control timeCaption;  // "Time:"
    Control timeCounter;  // "1:05"
    Control leftButton, rightButton, upButton, downButton;
    Control autoButton;  // "AUTO" / "MANUAL"
    Control splash;

    bool boardShown = false;
    bool numbersShown = false;  // each piece's label in a corner
    // Swap play by keyboard: the cell the arrow keys have reached, and the
    // piece picked first.
    std::optional<Cell> cursor;
    std::optional<Cell> picked;
    // What a screen reader is told after an event.
    Announcement announcement;
    std::string pieceToolTip;

    Timer splashTimer, autoPlayTimer, noticeTimer;
    Timer clockTimer;  // keeps the time shown up to date
    Timer replayTimer;  // one move of a replay a tick
    // Said after the program's name in the window's title: what a replay
    // shows ("Shortest solution: 44 moves").
    std::string titleNote;
    MainMenus menus;
};

// The window as it is designed, before the first board: the controls beside
// the board hidden, the splash shown, Save Game disabled, Empty Space, X1,
// the slowest speed and rows ascending checked.
MainWindowModel designWindowModel();

}  // namespace mosaic
