// Player moves and completion: board clicks, the direction buttons, the swap
// picks, the one move primitive with its animation, and the solved check.

#include "engine/game.h"

namespace mosaic {

namespace {

// The piece box of the label in a cell, or -1 when the cell holds no piece.
int BoxOfLabel(const std::string& label) {
    if (!IsNumericLabel(label))
        return -1;
    const int k = std::stoi(label);
    return k >= 1 && k < PieceBoxCount ? k : -1;
}

}  // namespace

void Game::Picture1_Click(Integer index) {
    // 1. Play is open while "L" is enabled, in both kinds of play.
    if (!Command3.Enabled)
        return;

    if (EmptySpaceMode) {
        // 2.
        const std::string savedLabel = SearchLabel;
        SearchLabel = std::to_string(index);
        Integer col = 0;
        Integer row = 0;
        LocateLabel(col, row);
        if (col == BlankCol || row == BlankRow) {
            if (col > BlankCol) {
                ResetSolver();
                MoveFromRight();
            } else if (col < BlankCol) {
                ResetSolver();
                MoveFromLeft();
            } else if (row > BlankRow) {
                ResetSolver();
                MoveFromBelow();
            } else if (row < BlankRow) {
                ResetSolver();
                MoveFromAbove();
            }
        }
        SearchLabel = savedLabel;
        return;
    }

    if (!SwapPending) {
        // 3. First pick: only a misplaced piece can be picked.
        SwapCol1 = 0;
        SwapRow1 = 0;
        const std::string savedLabel = SearchLabel;
        SearchLabel = std::to_string(index);
        LocateLabel(SwapCol1, SwapRow1);
        if (Goal[SwapCol1][SwapRow1] != Board[SwapCol1][SwapRow1]) {
            SwapPending = true;
        } else {
            Text3.Visible = true;
            Timer3.Enabled = true;
        }
        SearchLabel = savedLabel;
        return;
    }

    // 4. Second pick.
    SwapCol2 = 0;
    SwapRow2 = 0;
    SwapPending = false;
    const std::string savedLabel = SearchLabel;
    SearchLabel = std::to_string(index);
    LocateLabel(SwapCol2, SwapRow2);
    if (Goal[SwapCol2][SwapRow2] == Board[SwapCol2][SwapRow2]) {
        Text3.Visible = true;
        Timer3.Enabled = true;
        SearchLabel = savedLabel;
        return;
    }
    ResetSolver();
    SearchLabel = savedLabel;
    const Integer dx = static_cast<Integer>(SwapCol2 - SwapCol1);
    const Integer dy = static_cast<Integer>(SwapRow2 - SwapRow1);
    AnimateHorizontal(SwapCol1, SwapRow1, dx);
    AnimateHorizontal(SwapCol2, SwapRow2, static_cast<Integer>(-dx));
    AnimateVertical(SwapCol1, SwapRow1, dy);
    AnimateVertical(SwapCol2, SwapRow2, static_cast<Integer>(-dy));
    std::swap(Board[SwapCol1][SwapRow1], Board[SwapCol2][SwapRow2]);
    CheckSolved();
    if (Solved)
        ShowCompletedMessage();
}

void Game::Command3_Click() {
    ResetSolver();
    MoveFromRight();
}

void Game::Command4_Click() {
    ResetSolver();
    MoveFromLeft();
}

void Game::Command5_Click() {
    ResetSolver();
    MoveFromBelow();
}

void Game::Command6_Click() {
    ResetSolver();
    MoveFromAbove();
}

void Game::ArrowKey_Press(ArrowKey key) {
    // Same gate as the buttons: sliding play only, and only while play is open.
    if (!EmptySpaceMode || !Command3.Enabled)
        return;
    switch (key) {
    case ArrowKey::Left: Command3_Click(); break;
    case ArrowKey::Right: Command4_Click(); break;
    case ArrowKey::Up: Command5_Click(); break;
    case ArrowKey::Down: Command6_Click(); break;
    }
}

void Game::MoveFromRight() {
    if (BlankCol < GridCols)
        SlideIntoEmptyCell(static_cast<Integer>(BlankCol + 1), BlankRow);
}

void Game::MoveFromLeft() {
    if (BlankCol > 1)
        SlideIntoEmptyCell(static_cast<Integer>(BlankCol - 1), BlankRow);
}

void Game::MoveFromBelow() {
    if (BlankRow < GridRows)
        SlideIntoEmptyCell(BlankCol, static_cast<Integer>(BlankRow + 1));
}

void Game::MoveFromAbove() {
    if (BlankRow > 1)
        SlideIntoEmptyCell(BlankCol, static_cast<Integer>(BlankRow - 1));
}

void Game::SlideIntoEmptyCell(Integer pieceCol, Integer pieceRow) {
    LoopCol = pieceCol;
    LoopRow = pieceRow;
    MovePiece(LoopCol, LoopRow, BlankCol, BlankRow);
    CheckSolved();
    if (Solved)
        ShowCompletedMessage();
}

void Game::ShowCompletedMessage() {
    platform_.ShowMessage("Completed", "Congratulations", MessageIcon::Exclamation,
                          MessageButtons::Ok, MessageAnswer::Ok);
}

void Game::MovePiece(Integer& pieceCol, Integer& pieceRow, Integer& blankCol, Integer& blankRow) {
    // 1.
    ++SolverMoves;
    // 2.
    SlidePiece(blankCol, blankRow, pieceCol, pieceRow);
    // 3. The pairs trade values: the first now names the piece's new cell,
    // the second the new empty cell.
    const Integer oldPieceCol = pieceCol;
    const Integer oldPieceRow = pieceRow;
    pieceCol = blankCol;
    pieceRow = blankRow;
    blankCol = oldPieceCol;
    blankRow = oldPieceRow;
    // 4.
    Board[pieceCol][pieceRow] = Board[blankCol][blankRow];
    Board[blankCol][blankRow] = EmptyCell;
    // 5. The counter stops at the most a saved game can hold.
    MoveMade = true;
    if (MoveCount < MaxMoveCount)
        ++MoveCount;
    ShowMoveCount();
}

void Game::SlidePiece(Integer& toCol, Integer& toRow, Integer& fromCol, Integer& fromRow) {
    SlideCols = static_cast<Integer>(toCol - fromCol);
    SlideRows = static_cast<Integer>(toRow - fromRow);
    if (toCol == fromCol)
        AnimateVertical(fromCol, fromRow, SlideRows);
    else
        AnimateHorizontal(fromCol, fromRow, SlideCols);
}

void Game::AnimateHorizontal(Integer& col, Integer& row, Integer cells) {
    const int box = BoxOfLabel(Board[col][row]);
    const int steps = 360 * Magnify / SpeedSetting;
    int step = 0;
    for (int counter = SpeedSetting; counter <= 360 * Magnify; counter += SpeedSetting) {
        ++step;
        if (box < 0)
            continue;  // nothing to move: the step is skipped
        Picture1[box].Left += cells * SpeedSetting;
        platform_.AnimationStep(box, step, steps);
    }
}

void Game::AnimateVertical(Integer& col, Integer& row, Integer cells) {
    const int box = BoxOfLabel(Board[col][row]);
    const int steps = 360 * Magnify / SpeedSetting;
    const int start = box < 0 ? 0 : Picture1[box].Top;
    int step = 0;
    int top = start;
    for (int counter = SpeedSetting; counter <= 360 * Magnify; counter += SpeedSetting) {
        ++step;
        top += cells * SpeedSetting;
        if (box < 0)
            continue;
        Picture1[box].Top = top;
        platform_.AnimationStep(box, step, steps);
    }
}

void Game::LocateLabel(Integer& col, Integer& row) {
    LabelFound = false;
    row = 0;
    do {
        ++row;
        col = 0;
        do {
            ++col;
            if (Board[col][row] == SearchLabel)
                LabelFound = true;
        } while (!(col == GridCols || LabelFound));
    } while (!(row == GridRows || LabelFound));
}

void Game::CheckSolved() {
    // 1. The scan does not stop early.
    Solved = true;
    for (int r = 1; r <= GridRows; ++r)
        for (int c = 1; c <= GridCols; ++c)
            if (Goal[c][r] != Board[c][r])
                Solved = false;
    // 2. A solved board closes play and stops the automatic player.
    if (Solved) {
        COMMAND2.Enabled = false;
        Command3.Enabled = false;
        Command4.Enabled = false;
        Command5.Enabled = false;
        Command6.Enabled = false;
        Timer2.Enabled = false;
        ai_save.Enabled = false;
        EnableMenus();
    }
}

void Game::Timer3_Timer() {
    ++NoticeTicks;
    if (NoticeTicks > 2) {
        Text3.Visible = false;
        NoticeTicks = 0;
        Timer3.Enabled = false;
    }
}

}  // namespace mosaic
