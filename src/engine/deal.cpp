// Dealing a new game: a random arrangement that passes the parity test, and
// the goal that the order code prescribes.

#include "engine/game.h"

#include <algorithm>

namespace mosaic {

bool IsNumericLabel(const std::string& text) {
    return !text.empty() && text.size() <= 3 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

float Game::NextRandom() {
    // 24 random bits make an exact single-precision value in [0, 1).
    return static_cast<float>(random_() >> 8) * (1.0f / 16777216.0f);
}

std::string Game::GoalLabel(int c, int r) const {
    const int swapPlay = EmptySpaceMode ? 0 : 1;
    int label = 0;
    if (OrderCode == "VA")
        label = (c - 1) * GridRows + r;
    else if (OrderCode == "HD")
        label = (GridRows - r) * GridCols + GridCols - c + swapPlay;
    else if (OrderCode == "VD")
        label = (GridCols - c) * GridRows + GridRows - r + swapPlay;
    else  // "HA"
        label = (r - 1) * GridCols + c;
    return std::to_string(label);
}

void Game::BuildGoal() {
    for (int r = 1; r <= GridRows; ++r)
        for (int c = 1; c <= GridCols; ++c)
            Goal[c][r] = GoalLabel(c, r);
    if (EmptySpaceMode)
        Goal[GridCols][GridRows] = EmptyCell;
}

void Game::DealBoard() {
    // 1.
    Label1.Visible = false;
    // 2.
    HidePlayControls();
    // 3.
    do {
        DealPass();
        if (!KeepArrangement)
            ParityTest();
        else
            ShuffleAccepted = true;
    } while (!ShuffleAccepted);

    if (!KeepArrangement) {
        // A pick left over from the last game may lie outside the new grid;
        // pairing it with the first click of the new game would lose a piece.
        SwapPending = false;
        GameDealt = true;
    }
}

void Game::DealPass() {
    // 1.
    SetClipCellSize();
    // 2.
    Text1.Caption = WorkingText;
    Text1.Visible = true;
    // 3. Every pass reseeds; the pass count keeps two passes within one clock
    // tick from dealing the same arrangement.
    std::seed_seq seed{platform_.ClockSeed(), ++passCount_};
    random_.seed(seed);
    // 4.
    if (!KeepArrangement)
        ClearBoard();
    // 5.
    const int n = GridCols * GridRows;
    CellCount = static_cast<Integer>(EmptySpaceMode ? n : n + 1);
    // 6.
    for (LoopRow = 1; LoopRow <= GridRows; ++LoopRow) {
        for (LoopCol = 1; LoopCol <= GridCols; ++LoopCol) {
            // 6.1
            if (EmptySpaceMode && !KeepArrangement && LoopCol == GridCols && LoopRow == GridRows)
                continue;
            std::string& cell = Board[LoopCol][LoopRow];
            // 6.2 Deal by rejection: draw again until the label is new.
            if (!KeepArrangement) {
                for (;;) {
                    int x = static_cast<int>(static_cast<double>(CellCount - 1) * NextRandom() + 1);
                    x = std::clamp(x, 1, CellCount - 1);
                    const std::string text = std::to_string(x);
                    bool taken = false;
                    for (int r = 1; r <= LoopRow && !taken; ++r)
                        for (int c = 1; c <= GridCols && !taken; ++c)
                            taken = Board[c][r] == text;
                    if (!taken) {
                        cell = text;
                        break;
                    }
                }
            }
            // 6.3
            if (IsNumericLabel(cell)) {
                const int label = std::stoi(cell);
                if (label >= 1 && label < PieceBoxCount)
                    CutPiece(label);
            }
            // 6.4
            if (!KeepArrangement)
                Goal[LoopCol][LoopRow] = GoalLabel(LoopCol, LoopRow);
        }
    }
    // 7.
    if (EmptySpaceMode && !KeepArrangement) {
        Board[GridCols][GridRows] = EmptyCell;
        Goal[GridCols][GridRows] = EmptyCell;
    }
    // 8.
    Text1.Visible = false;
}

void Game::ParityTest() {
    // 1.
    int sb = 0;
    int sg = 0;
    // 2.
    for (ParityRow = 1; ParityRow <= GridRows; ++ParityRow) {
        for (ParityCol = 1; ParityCol <= GridCols; ++ParityCol) {
            CountOrderedPairs(ParityCol, ParityRow);
            sb += PairCountBoard;
            sg += PairCountGoal;
        }
    }
    // 3.
    const int d = sb > sg ? sb - sg : sg - sb;
    ShuffleAccepted = d % 2 == 0;
}

void Game::CountOrderedPairs(Integer& col, Integer& row) {
    // 1.
    PairCountBoard = 0;
    PairCountGoal = 0;
    // 2. Visit every cell after (col, row) in reading order.
    if (col == GridCols) {
        LoopCol = 1;
        LoopRow = static_cast<Integer>(row + 1);
    } else {
        LoopCol = static_cast<Integer>(col + 1);
        LoopRow = row;
    }
    // 3. Labels compare as text, so "10" sorts before "2"; the parity of the
    // difference is the same as with numbers.
    const std::string& board = Board[col][row];
    const std::string& goal = Goal[col][row];
    for (; LoopRow <= GridRows; ++LoopRow, LoopCol = 1) {
        for (; LoopCol <= GridCols; ++LoopCol) {
            const std::string& boardV = Board[LoopCol][LoopRow];
            const std::string& goalV = Goal[LoopCol][LoopRow];
            if (board != EmptyCell && boardV != EmptyCell && boardV > board)
                ++PairCountBoard;
            if (goal != EmptyCell && goalV != EmptyCell && goalV > goal)
                ++PairCountGoal;
        }
    }
}

void Game::HidePlayControls() {
    COMMAND2.Visible = false;
    Command3.Visible = false;
    Command4.Visible = false;
    Command5.Visible = false;
    Command6.Visible = false;
    Label2.Visible = false;
    Text2.Visible = false;
}

}  // namespace mosaic
