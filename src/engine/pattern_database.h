// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Additive pattern databases for grids of at most 16 cells, and for 5 x 5 with the empty goal
// cell in a corner. A board is seen in "goal cell" terms:
// every piece is named by the cell it belongs in, so one set of tables serves every goal order
// that keeps the empty cell in the same place. The pieces are split into disjoint groups; each
// group's table holds, for every placement of its pieces, the fewest moves of those pieces that
// bring them home (moves of other pieces are free). Sums over the groups never overestimate.
//
// All tables live in one block of bytes laid out as the cache file that keeps them between runs:
// a header (format, grid, split), the tables, and a checksum of all that comes before it. A file
// that is damaged or made for another grid, split or format is refused whole.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <stop_token>
#include <vector>

namespace mosaic {

class PatternDatabases {
public:
    static constexpr int kMaxCells = 25;

    // How the pieces are split and the tables indexed. Current: on 4 x 4 the 6-6-3 split
    // {1,2,3,5,6,7} {9..14} {0,4,8} (empty goal bottom right), indexed by 4 bits a cell. Legacy:
    // the split of two 2 x 3 blocks and the last row, densely indexed; kept so that benchmarks
    // can set the two side by side. On 5 x 5, four groups of five and one of four, densely
    // indexed (25.8 MB).
    enum class Layout { Current, Legacy };

    // Builds the tables; null if `stop` is requested first (it is checked between the levels of
    // each table's search and within long levels).
    static std::shared_ptr<const PatternDatabases> build(int columns, int rows, int emptyGoalCell,
                                                         std::stop_token stop = {},
                                                         Layout layout = Layout::Current);
    // The tables from bytes written by fileBytes(); null if the bytes are not exactly the tables
    // this grid, empty goal cell and layout would build.
    static std::shared_ptr<const PatternDatabases> fromFile(std::vector<std::uint8_t> bytes,
                                                            int columns, int rows,
                                                            int emptyGoalCell,
                                                            Layout layout = Layout::Current);
    // The size fromFile() expects, to refuse larger files unread.
    static std::size_t fileSize(int columns, int rows, int emptyGoalCell,
                                Layout layout = Layout::Current);

    std::span<const std::uint8_t> fileBytes() const { return storage_; }

    int columns() const { return columns_; }
    int rows() const { return rows_; }
    int emptyGoalCell() const { return emptyGoalCell_; }
    int groupCount() const { return static_cast<int>(groups_.size()); }
    const std::vector<int>& piecesOf(int group) const { return groups_[group]; }
    int groupOf(int piece) const { return groupOfPiece_[piece]; }

    // Lower bound on the moves of a group's pieces; cells[i] is where piecesOf(group)[i] is.
    int lowerBound(int group, const int* cells) const { return *entry(group, cells); }
    // Where that bound is kept, for searches that fetch many bounds ahead of reading them.
    const std::uint8_t* entry(int group, const int* cells) const {
        const int count = static_cast<int>(groups_[group].size());
        const Mirror& mirror = mirrors_[group];
        if (mirror.table == group) {
            return tables_[group] + index(cells, count);
        }
        int mirrored[kMaxCells];
        for (int i = 0; i < count; ++i) {
            mirrored[mirror.slot[i]] = mirror.cell[cells[i]];
        }
        return tables_[mirror.table] + index(mirrored, count);
    }

    // For searches that keep each group's index and change it as pieces move: whether every
    // group has a table of its own indexed by 4 bits a cell, the table, and where a piece's cell
    // sits in its group's index.
    bool plainTables() const;
    const std::uint8_t* table(int group) const { return tables_[group]; }
    int shiftOf(int piece) const {
        const auto& pieces = groups_[groupOfPiece_[piece]];
        const auto slot = std::find(pieces.begin(), pieces.end(), piece) - pieces.begin();
        return 4 * static_cast<int>(std::ssize(pieces) - 1 - slot);
    }

    std::size_t bytes() const { return storage_.size(); }

private:
    PatternDatabases(int columns, int rows, int emptyGoalCell, Layout layout);

    std::uint32_t index(const int* cells, int count) const {
        if (plain_) {
            std::uint32_t at = 0;
            for (int i = 0; i < count; ++i) {
                at = at << 4 | static_cast<std::uint32_t>(cells[i]);
            }
            return at;
        }
        return rank(cells, count);
    }
    std::uint32_t rank(const int* cells, int count) const;
    std::size_t tableSize(int count) const;
    void placeDigits(const int* digits, int count, int* cells) const;
    bool build(int group, const std::stop_token& stop);
    template <typename Reach>
    bool search(int group, Reach& reach, const std::stop_token& stop);
    std::uint32_t spread(std::uint32_t mask, std::uint32_t open) const;
    void layOut();
    void findTables();
    std::size_t headerBytes() const;
    std::vector<std::uint8_t> header() const;
    std::uint64_t checksum() const;

    void findMirror(int group);

    // A group that is the mirror image of an earlier one uses that one's table: piece i of the
    // group is the image of piece slot[i] there, and cell[c] is the image of cell c.
    struct Mirror {
        int table;
        std::vector<int> slot;
        std::vector<int> cell;
    };

    int columns_, rows_, cells_, emptyGoalCell_;
    Layout layout_;
    bool plain_ = false;  // indexed by 4 bits a cell rather than densely
    std::uint32_t notFirstColumn_ = 0, notLastColumn_ = 0;  // masks for sideways steps
    std::vector<std::vector<int>> groups_;
    std::vector<int> groupOfPiece_;
    std::vector<Mirror> mirrors_;
    std::size_t totalBytes_ = 0;
    std::vector<std::uint8_t> storage_;        // header, tables, checksum
    std::vector<std::size_t> tableOffsets_;    // by group, into storage_
    std::vector<const std::uint8_t*> tables_;  // by group; mirrored groups have none
};

}  // namespace mosaic
