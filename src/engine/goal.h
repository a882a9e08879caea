// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The goal arrangement: pieces numbered along the rows or down the columns,
// ascending or descending, in sliding play (one empty cell, at the bottom
// right) or in swap play (every cell holds a piece).

#include "engine/board.h"

#include <optional>

namespace mosaic {

enum class GoalOrder { RowsAscending, RowsDescending, ColumnsAscending, ColumnsDescending };

enum class PlayKind { Sliding, Swap };

// The digit a saved game stores for an order: '1' to '4'.
char savedDigit(GoalOrder order);
std::optional<GoalOrder> orderFromSavedDigit(char digit);

// The label a cell must hold when the board is solved.
int goalLabel(GoalOrder order, PlayKind play, GridSize size, Cell cell);

// The whole goal board.
Board goalBoard(GoalOrder order, PlayKind play, GridSize size);

}  // namespace mosaic
