// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/window_model.h"

#include "engine/texts.h"

namespace mosaic {

namespace {

// The design unit: one cell of the board at X1 is 360 twips (24 pixels); a
// piece box is 375 twips, so neighbouring boxes share their frame line.
constexpr int CellTwips = 360;
constexpr int PieceBoxTwips = 375;

Rect pixelRect(int left, int top, int width, int height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

// Rounds x / 2 to a whole number, a half going to the even neighbour.
int halfRoundedToEven(int x) {
    const int half = x / 2;
    if (x % 2 == 0)
        return half;
    return half % 2 == 0 ? half : half + 1;
}

}  // namespace

ControlPlaces controlPlaces(GridSize grid, int magnification) {
    const int M = magnification;
    const int C = grid.columns;
    const int R = grid.rows;
    // (C + 1) / 2 and (R + 1) / 2 keep their half: x / 2 * 360 is x * 180.
    const int besideBoard = CellTwips * M * C;
    const int buttonsTop = (R + 1) * 180 * M;
    ControlPlaces places;
    places.autoButton = pixelRect((C + 1) * 180 * M, CellTwips * M * (R + 3), 1095, 375);
    places.leftButton = pixelRect(besideBoard + 1080, buttonsTop + 360, 375, 375);
    places.rightButton = pixelRect(besideBoard + 1800, buttonsTop + 360, 375, 375);
    places.upButton = pixelRect(besideBoard + 1440, buttonsTop, 375, 375);
    places.downButton = pixelRect(besideBoard + 1440, buttonsTop + 720, 375, 375);
    places.sizeCaption = pixelRect(CellTwips * M * halfRoundedToEven(C) + CellTwips * (M - 1),
                                   CellTwips * M, 1215, 285);
    places.movesCaption = pixelRect(besideBoard + 1080, 100, 720, 255);
    places.moveCounter = pixelRect(besideBoard + 1800, 100, 855, 285);
    // The time's caption is wider than the moves': "Tiempo:" needs the room.
    places.timeCaption = pixelRect(besideBoard + 1080, 400, 900, 255);
    places.timeCounter = pixelRect(besideBoard + 1980, 400, 855, 285);
    return places;
}

Size mainWindowSize(GridSize grid, int magnification) {
    const int M = magnification;
    return {twipsToPixels(CellTwips * M * grid.columns + 2880),
            twipsToPixels(CellTwips * (M * grid.rows + 2 * M + 5))};
}

Size designClientSize() {
    return {twipsToPixels(5760), twipsToPixels(3810)};
}

Rect pieceBox(Cell cell, int magnification) {
    return pieceBoxMoved(cell, magnification, 0, 0);
}

Rect pieceBoxMoved(Cell cell, int magnification, int dxTwips, int dyTwips) {
    const int M = magnification;
    return pixelRect(CellTwips * cell.column * M + dxTwips,
                     CellTwips * (cell.row + 1) * M + dyTwips, PieceBoxTwips * M,
                     PieceBoxTwips * M);
}

Size piecePictureSize(int magnification) {
    const int side = twipsToPixels(PieceBoxTwips * magnification) - 2 * PieceFramePixels;
    return {side, side};
}

int slideStepTwips(int speedSetting) {
    return speedSetting;
}

int slideSteps(int speedSetting, int magnification) {
    return CellTwips * magnification / speedSetting;
}

MainWindowModel designWindowModel() {
    MainWindowModel window;
    const auto control = [](const std::string& caption, Rect place) {
        Control result;
        result.caption = caption;
        result.place = place;
        return result;
    };
    // The notices are wide enough for their bold 13.5-point text.
    window.workingNotice = control(texts::working(), pixelRect(1920, 1320, 1950, 375));
    window.pieceCorrectNotice = control(texts::pieceCorrect(), pixelRect(0, 0, 2700, 375));
    window.moveCounter = control("", pixelRect(0, 0, 855, 285));
    window.sizeCaption = control("", pixelRect(0, 0, 1215, 285));
    window.movesCaption = control(texts::moves(), pixelRect(0, 0, 720, 255));
    window.timeCaption = control(texts::time(), pixelRect(0, 0, 900, 255));
    window.timeCounter = control("0:00", pixelRect(0, 0, 855, 285));
    window.leftButton = control(texts::left(), pixelRect(0, 0, 375, 375));
    window.rightButton = control(texts::right(), pixelRect(0, 0, 375, 375));
    window.upButton = control(texts::up(), pixelRect(0, 0, 375, 375));
    window.downButton = control(texts::down(), pixelRect(0, 0, 375, 375));
    window.autoButton = control(texts::manualCaption(), pixelRect(0, 0, 1095, 375));
    window.splash = control("", pixelRect(720, 480, 4305, 2775));
    window.splash.visible = true;
    window.pieceToolTip = texts::slidingHint();
    window.splashTimer = {true, 500};
    window.noticeTimer = {false, 500};
    window.clockTimer = {false, 250};
    window.menus.saveGame.enabled = false;
    window.menus.emptySpace.checked = true;
    window.menus.magnify1.checked = true;
    window.menus.speeds[0].checked = true;
    window.menus.rowsAscending.checked = true;
    window.menus.stepByStep.checked = true;
    window.menus.autoPlay.enabled = false;  // until a sliding game is dealt
    window.menus.replayMyGame.enabled = false;
    window.menus.watchShortest.enabled = false;
    return window;
}

}  // namespace mosaic
