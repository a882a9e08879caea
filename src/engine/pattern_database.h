// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Additive pattern databases for grids of at most 16 cells. A board is seen in "goal cell" terms:
// every piece is named by the cell it belongs in, so one set of tables serves every goal order
// that keeps the empty cell in the same place. The pieces are split into disjoint groups; each
// group's table holds, for every placement of its pieces, the fewest moves of those pieces that
// bring them home (moves of other pieces are free). Sums over the groups never overestimate.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace mosaic {

class PatternDatabases {
public:
    static constexpr int kMaxCells = 16;

    PatternDatabases(int columns, int rows, int emptyGoalCell);

    int columns() const { return columns_; }
    int rows() const { return rows_; }
    int emptyGoalCell() const { return emptyGoalCell_; }
    int groupCount() const { return static_cast<int>(groups_.size()); }
    const std::vector<int>& piecesOf(int group) const { return groups_[group]; }
    int groupOf(int piece) const { return groupOfPiece_[piece]; }

    // Lower bound on the moves of a group's pieces; cells[i] is where piecesOf(group)[i] is.
    int lowerBound(int group, const int* cells) const {
        const int count = static_cast<int>(groups_[group].size());
        const Mirror& mirror = mirrors_[group];
        if (mirror.table == group) {
            return tables_[group][rank(cells, count)];
        }
        int mirrored[kMaxCells];
        for (int i = 0; i < count; ++i) {
            mirrored[mirror.slot[i]] = mirror.cell[cells[i]];
        }
        return tables_[mirror.table][rank(mirrored, count)];
    }

    std::size_t bytes() const;

private:
    std::uint32_t rank(const int* cells, int count) const;
    void placeDigits(const int* digits, int count, int* cells) const;
    std::vector<std::uint8_t> build(const std::vector<int>& pieces) const;
    std::uint32_t spread(std::uint32_t mask, std::uint32_t open) const;

    void findMirror(int group);

    // A group that is the mirror image of an earlier one uses that one's table: piece i of the
    // group is the image of piece slot[i] there, and cell[c] is the image of cell c.
    struct Mirror {
        int table;
        std::vector<int> slot;
        std::vector<int> cell;
    };

    int columns_, rows_, cells_, emptyGoalCell_;
    std::uint32_t notFirstColumn_ = 0, notLastColumn_ = 0;  // masks for sideways steps
    std::vector<std::vector<int>> groups_;
    std::vector<int> groupOfPiece_;
    std::vector<std::vector<std::uint8_t>> tables_;  // by group; empty for mirrored groups
    std::vector<Mirror> mirrors_;
};

}  // namespace mosaic
