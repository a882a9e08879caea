// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/goal.h"

namespace mosaic {

char savedDigit(GoalOrder order) {
    switch (order) {
    case GoalOrder::RowsAscending: return '1';
    case GoalOrder::RowsDescending: return '2';
    case GoalOrder::ColumnsAscending: return '3';
    case GoalOrder::ColumnsDescending: return '4';
    }
    return '1';
}

std::optional<GoalOrder> orderFromSavedDigit(char digit) {
    for (GoalOrder order : {GoalOrder::RowsAscending, GoalOrder::RowsDescending,
                            GoalOrder::ColumnsAscending, GoalOrder::ColumnsDescending})
        if (savedDigit(order) == digit)
            return order;
    return std::nullopt;
}

int goalLabel(GoalOrder order, PlayKind play, GridSize size, Cell cell) {
    const int C = size.columns;
    const int R = size.rows;
    const int c = cell.column;
    const int r = cell.row;
    if (play == PlayKind::Sliding && c == C && r == R)
        return Board::EmptyCell;
    // Descending orders count from the bottom right; in swap play the cell
    // that sliding play leaves empty holds a piece too, so they start at 1.
    const int swapPlay = play == PlayKind::Swap ? 1 : 0;
    switch (order) {
    case GoalOrder::RowsAscending: return (r - 1) * C + c;
    case GoalOrder::RowsDescending: return (R - r) * C + C - c + swapPlay;
    case GoalOrder::ColumnsAscending: return (c - 1) * R + r;
    case GoalOrder::ColumnsDescending: return (C - c) * R + R - r + swapPlay;
    }
    return Board::EmptyCell;
}

Board goalBoard(GoalOrder order, PlayKind play, GridSize size) {
    Board goal(size);
    for (int row = 1; row <= size.rows; ++row)
        for (int column = 1; column <= size.columns; ++column)
            goal.setLabel({column, row}, goalLabel(order, play, size, {column, row}));
    return goal;
}

}  // namespace mosaic
