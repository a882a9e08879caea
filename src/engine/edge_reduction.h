// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Brings a large board down to a small corner by fixing whole edge rows or columns of the region
// still in play, a few pieces at a time. Each group of pieces is placed by an A* search over
// where those pieces and the empty cell are, with the pieces already fixed as walls.
//
// Boards are in goal terms: each cell holds the goal cell of its piece, and the empty cell holds
// the empty cell's goal cell. The region left always keeps the empty cell's goal.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <stop_token>
#include <vector>

namespace mosaic {

struct Region {
    int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom are past the end

    int columns() const { return right - left; }
    int rows() const { return bottom - top; }
    int cells() const { return columns() * rows(); }
};

// The group searches' bookkeeping, numbered by state; kept between searches so it is allocated
// once per solve. A state is current when its stamp equals the search's generation.
struct SearchScratch {
    std::vector<std::uint32_t> stamp;
    std::vector<int> moves;
    std::vector<std::uint32_t> previous;
    std::uint32_t generation = 0;
};

class EdgeReduction {
public:
    EdgeReduction(int columns, int rows, std::vector<int> pieces, int emptyPiece,
                  std::stop_token stop);

    // Moves the empty cell into the neighbouring `cell`.
    void slide(int cell);

    // The edge lines that may be fixed next, each listed from one end to the other: the one
    // across the longer side, or either on a square region when `eitherOnSquares`. A line never
    // holds the empty cell's goal.
    std::vector<std::vector<int>> nextLines(bool eitherOnSquares) const;

    // Fixes a line (one of nextLines(), split by lineGroups()) group by group and takes it out
    // of the region; false if stopped.
    bool fixLine(const std::vector<std::vector<int>>& groups);

    const Region& region() const { return region_; }
    const std::vector<int>& path() const { return path_; }

    // The region as a board of its own in goal terms, and the board cell of each of its cells.
    std::vector<int> corner(std::vector<int>& boardCells) const;
    int toCorner(int cell) const;

    // Summed distances home of the pieces in the region.
    int regionDistance() const;

private:
    int neighbours(int cell, int* out) const;
    bool inPlay(int cell) const;
    std::vector<int> pieceDistances(int goalCell) const;
    bool fixGroup(const std::vector<int>& group, int follower);

    int columns_, rows_;
    std::vector<int> pieces_;  // cell -> goal cell of the piece on it
    std::vector<int> cellOf_;  // goal cell of a piece -> its cell now
    std::vector<char> fixed_;
    std::vector<std::array<int, 4>> around_;  // neighbours of each cell, -1 past the edge
    std::stop_token stop_;
    int emptyPiece_;
    Region region_;
    std::vector<int> path_;
    std::shared_ptr<SearchScratch> scratch_;  // shared by copies, which search one at a time
};

// `line` split into the groups fixed together: groups of `groupSize` from its front, the last
// two cells together, or the whole line when `groupSize` covers it.
std::vector<std::vector<int>> lineGroups(const std::vector<int>& line, int groupSize);

// For each cell, the index of the edge line that fixes it when lines are taken across the longer
// side until at most `maxCells` are left; cells of that corner get the number of lines.
std::vector<int> edgeLineOfCells(int columns, int rows, int emptyPiece, int maxCells);

// Fixes edges until at most `maxCells` cells are left, from each of `starts` (all with regions
// of one size). Every line is tried several ways (from either end; single pieces, pairs, or
// threes on small regions; either line on square regions); for each start, the `keep`
// candidates with the fewest moves plus `estimate` of the moves still to come go on to the next
// line. Returns the last candidates, best first; empty if stopped.
std::vector<EdgeReduction> reduceToCorner(const std::vector<EdgeReduction>& starts, int maxCells,
                                          int keep,
                                          const std::function<int(const EdgeReduction&)>& estimate,
                                          const std::stop_token& stop);

}  // namespace mosaic
