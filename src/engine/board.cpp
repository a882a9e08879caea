// Board construction: the window size, the layout of the controls beside the
// board, the cutting of the pieces and the showing of the board.

#include "engine/game.h"

namespace mosaic {

int HalfRoundedToEven(int x) {
    const int half = x / 2;
    if (x % 2 == 0)
        return half;
    return half % 2 == 0 ? half : half + 1;
}

int Game::WindowWidth() const {
    return 360 * Magnify * GridCols + 2880;
}

int Game::WindowHeight() const {
    return 360 * (Magnify * GridRows + 2 * Magnify + 5);
}

void Game::ResetMainWindow() {
    // 1. In swap play the hidden "L" button still opens play for board clicks.
    if (!EmptySpaceMode && !KeepArrangement)
        Command3.Enabled = true;
    // 2.
    for (LoopCol = 0; LoopCol <= 100; ++LoopCol) {
        Picture1[LoopCol].Visible = false;
        Picture1[LoopCol].ToolTipText = EmptySpaceMode ? SlidingHint : SwapHint;
    }
    // 3.
    if (!KeepArrangement) {
        ClearBoard();
        MoveCount = 0;
    }
    // 4.
    COMMAND2.Visible = false;
    COMMAND2.Caption = "AUTO";
    // 5.
    ManualMode = true;
    // 6.
    Form1.Width = WindowWidth();
    Form1.Height = WindowHeight();
}

void Game::ClearBoard() {
    for (LoopRow = 1; LoopRow <= GridRows; ++LoopRow)
        for (LoopCol = 1; LoopCol <= GridCols; ++LoopCol)
            Board[LoopCol][LoopRow] = EmptyCell;
}

void Game::SetClipCellSize() {
    cutWidth_ = static_cast<Integer>(PictureClip1.Width() / GridCols);
    cutHeight_ = static_cast<Integer>(PictureClip1.Height() / GridRows);
    PictureClip1.SetClipSize(cutWidth_, cutHeight_);
}

void Game::CutPiece(int label) {
    PieceBox& box = Picture1[label];
    // 1.
    box.Width = Magnify * BasePieceWidth;
    box.Height = BasePieceHeight * Magnify;
    // 2.
    PictureClip1.SetStretch(InnerPixels(box.Width), InnerPixels(box.Height));
    // 3. Label k always shows the picture cell of reading position k.
    const int pictureCol = (label - 1) % GridCols;
    const int pictureRow = (label - 1) / GridCols;
    PictureClip1.SetClipOrigin(pictureCol * cutWidth_, pictureRow * cutHeight_);
    // 4.
    box.Picture = PictureClip1.ClippedPicture();
    ++box.PictureSerial;
}

void Game::BuildBoard() {
    // 1.
    ai_save.Enabled = true;
    // 2.
    ShowMoveCount();
    // 3.
    ResetSolver();
    // 4.
    LayoutControls();
    // 5.
    ShowMoveButtons();
    // 6.
    EnableMenus();
    // 7.
    for (LoopRow = 1; LoopRow <= GridRows; ++LoopRow) {
        for (LoopCol = 1; LoopCol <= GridCols; ++LoopCol) {
            const std::string& label = Board[LoopCol][LoopRow];
            if (label != EmptyCell) {
                if (!IsNumericLabel(label))
                    continue;  // no piece box belongs to such a cell
                const int k = std::stoi(label);
                if (k < 1 || k >= PieceBoxCount)
                    continue;
                PieceBox& box = Picture1[k];
                box.Visible = true;
                box.Left = 360 * LoopCol * Magnify;
                box.Top = 360 * (LoopRow + 1) * Magnify;
            } else {
                BlankCol = LoopCol;
                BlankRow = LoopRow;
            }
        }
    }
    // 8.
    if (EmptySpaceMode)
        ShowSlidingControls();
}

void Game::LayoutControls() {
    const int M = Magnify;
    const int C = GridCols;
    const int R = GridRows;
    // (C + 1) / 2 and (R + 1) / 2 keep their half: x / 2 * 360 is x * 180.
    COMMAND2.Left = (C + 1) * 180 * M;
    COMMAND2.Top = 360 * M * (R + 3);
    Command3.Left = 360 * M * C + 1080;
    Command3.Top = (R + 1) * 180 * M + 360;
    Command4.Left = 360 * M * C + 1800;
    Command4.Top = (R + 1) * 180 * M + 360;
    Command5.Left = 360 * M * C + 1440;
    Command5.Top = (R + 1) * 180 * M;
    Command6.Left = 360 * M * C + 1440;
    Command6.Top = (R + 1) * 180 * M + 720;
    Label1.Top = 360 * M;
    Label1.Left = 360 * M * HalfRoundedToEven(C) + 360 * (M - 1);
    Label2.Left = 360 * M * C + 1080;
    Label2.Top = 100;
    Text2.Left = 360 * M * C + 1800;
    Text2.Top = 100;
    Label1.Caption = std::to_string(C) + " X " + std::to_string(R);
}

void Game::ShowMoveButtons() {
    if (!EmptySpaceMode || KeepArrangement)
        return;
    for (Control* button : {&Command3, &Command4, &Command5, &Command6}) {
        button->Enabled = true;
        button->Visible = true;
    }
    if (AutoPlayPossible()) {
        COMMAND2.Enabled = true;
        COMMAND2.Visible = true;
    }
}

void Game::ShowSlidingControls() {
    Label1.Visible = true;
    if (AutoPlayPossible())
        COMMAND2.Visible = true;
    Command3.Visible = true;
    Command4.Visible = true;
    Command5.Visible = true;
    Command6.Visible = true;
    Label2.Visible = true;
    Text2.Visible = true;
}

void Game::ShowMoveCount() {
    Text2.Caption = std::to_string(MoveCount);
}

}  // namespace mosaic
