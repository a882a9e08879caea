#pragma once

#include <QImage>

#include <cstdint>
#include <string>

namespace mosaic {

// The game's counters and coordinates are 16-bit signed, as the saved-game
// file and the move counter's limit expect.
using Integer = std::int16_t;

// One control of a window as the game sees it. Positions and sizes are in
// twips (15 twips to a logical pixel); the window turns them into widgets.
struct Control {
    bool Visible = true;
    bool Enabled = true;
    std::string Caption;  // caption of a button or label, text of a text box
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    std::string ToolTipText;
};

// A box of the Picture1 array: a control with the piece picture it shows.
struct PieceBox : Control {
    QImage Picture;
    // Raised whenever Picture changes, so the window copies only new pictures.
    unsigned PictureSerial = 0;
};

struct MenuItem {
    bool Enabled = true;
    bool Checked = false;
};

struct Timer {
    bool Enabled = false;
    int Interval = 0;  // milliseconds; a timer without an interval never ticks
};

constexpr int TwipsPerPixel = 15;

// Twips as whole logical pixels, a half rounding up.
constexpr int Pixels(int twips) {
    return twips >= 0 ? (twips + TwipsPerPixel / 2) / TwipsPerPixel
                      : -((-twips + TwipsPerPixel / 2) / TwipsPerPixel);
}

// Piece boxes have a one-pixel frame; their picture fills the inside.
constexpr int PieceFramePixels = 1;

// The inner size in whole pixels of a framed box that is `twips` wide.
constexpr int InnerPixels(int twips) {
    return Pixels(twips) - 2 * PieceFramePixels;
}

// Rounds x / 2 to a whole number, a half going to the even neighbour.
int HalfRoundedToEven(int x);

}  // namespace mosaic
