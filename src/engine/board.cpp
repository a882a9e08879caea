// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/board.h"

#include <utility>

namespace mosaic {

Cell neighbour(Cell cell, Direction side) {
    switch (side) {
    case Direction::Left: return {cell.column - 1, cell.row};
    case Direction::Right: return {cell.column + 1, cell.row};
    case Direction::Up: return {cell.column, cell.row - 1};
    case Direction::Down: return {cell.column, cell.row + 1};
    }
    return cell;
}

Board::Board(GridSize size) : size_(size) {}

bool Board::contains(Cell cell) const {
    return cell.column >= 1 && cell.column <= size_.columns && cell.row >= 1 &&
           cell.row <= size_.rows;
}

std::optional<Cell> Board::find(int label) const {
    for (int row = 1; row <= size_.rows; ++row)
        for (int column = 1; column <= size_.columns; ++column)
            if (this->label({column, row}) == label)
                return Cell{column, row};
    return std::nullopt;
}

Cell Board::emptyCell() const {
    for (int row = 1; row <= size_.rows; ++row)
        for (int column = 1; column <= size_.columns; ++column)
            if (label({column, row}) == EmptyCell)
                return {column, row};
    return {};
}

void Board::slide(Cell from, Cell to) {
    setLabel(to, label(from));
    setLabel(from, EmptyCell);
}

void Board::swap(Cell a, Cell b) {
    std::swap(cells_[index(a)], cells_[index(b)]);
}

}  // namespace mosaic
