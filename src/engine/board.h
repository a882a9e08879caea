// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The board as a value: a grid of cells, each holding a piece's label or
// nothing. Labels are the numbers 1..100; piece k always shows the picture
// rectangle at reading position k, whatever the goal.

#include <array>
#include <cstdint>
#include <optional>

namespace mosaic {

constexpr int MaxGridSide = 10;
constexpr int MaxLabel = MaxGridSide * MaxGridSide;
// The move counter stops here, the most a saved game can hold.
constexpr int MaxMoveCount = 32767;

// A grid of columns x rows; the game deals 3..10 each, a saved game may hold
// 1..10 each.
struct GridSize {
    int columns = 0;
    int rows = 0;

    int cellCount() const { return columns * rows; }
    bool operator==(const GridSize&) const = default;
};

// A cell, counted from 1 at the top left.
struct Cell {
    int column = 0;
    int row = 0;

    bool operator==(const Cell&) const = default;
};

// The four ways the empty cell can go; a slide moves the piece on that side
// of it into it.
enum class Direction { Left, Right, Up, Down };

// The neighbour of a cell on one side, which may lie off the grid.
Cell neighbour(Cell cell, Direction side);

class Board {
public:
    static constexpr int EmptyCell = 0;  // the label of the empty cell

    Board() = default;
    explicit Board(GridSize size);  // every cell empty

    GridSize size() const { return size_; }
    int columns() const { return size_.columns; }
    int rows() const { return size_.rows; }
    bool contains(Cell cell) const;

    int label(Cell cell) const { return cells_[index(cell)]; }
    void setLabel(Cell cell, int label) { cells_[index(cell)] = static_cast<std::int8_t>(label); }

    // The cell holding a label, or nothing when no cell holds it.
    std::optional<Cell> find(int label) const;
    // The first empty cell in reading order, or {0, 0} when there is none.
    Cell emptyCell() const;

    // The piece in `from` slides into the empty cell `to`.
    void slide(Cell from, Cell to);
    // Two cells trade their pieces.
    void swap(Cell a, Cell b);

    bool operator==(const Board&) const = default;

private:
    static int index(Cell cell) { return (cell.row - 1) * MaxGridSide + (cell.column - 1); }

    GridSize size_;
    std::array<std::int8_t, MaxLabel> cells_{};
};

}  // namespace mosaic
