// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/pattern_database.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <utility>

namespace mosaic {

namespace {

constexpr std::uint8_t kUnreached = 0xff;

// Set bits of each byte; std::popcount is a library call unless the target has the instruction.
constexpr auto kBitCount = [] {
    std::array<std::uint8_t, 256> counts{};
    for (int value = 1; value < 256; ++value) {
        counts[value] = static_cast<std::uint8_t>(counts[value / 2] + value % 2);
    }
    return counts;
}();
constexpr int kMaxGroupSize = 6;  // 16*15*...*11 entries: 5.8 MB a table

// Blocks of whole rows (or columns on wide grids) keep each group's pieces close together, which
// makes the tables sharper. The 4 x 4 split is the usual 6-6-3: two 2 x 3 blocks and the last row.
std::vector<std::vector<int>> splitIntoGroups(int columns, int rows, int emptyGoalCell) {
    const int cells = columns * rows;
    std::vector<int> order;
    if (columns == 4 && rows == 4) {
        order = {0, 1, 4, 5, 8, 9, 2, 3, 6, 7, 10, 11, 12, 13, 14, 15};
    } else if (rows >= columns) {
        for (int cell = 0; cell < cells; ++cell) {
            order.push_back(cell);
        }
    } else {
        for (int column = 0; column < columns; ++column) {
            for (int row = 0; row < rows; ++row) {
                order.push_back(row * columns + column);
            }
        }
    }
    std::vector<std::vector<int>> groups;
    const int groupSize = cells <= 9 ? cells - 1 : kMaxGroupSize;
    for (int cell : order) {
        if (cell == emptyGoalCell) {
            continue;
        }
        if (groups.empty() || static_cast<int>(groups.back().size()) == groupSize) {
            groups.emplace_back();
        }
        groups.back().push_back(cell);
    }
    return groups;
}

}  // namespace

PatternDatabases::PatternDatabases(int columns, int rows, int emptyGoalCell)
    : columns_(columns), rows_(rows), cells_(columns * rows), emptyGoalCell_(emptyGoalCell) {
    if (columns < 2 || rows < 2 || cells_ > kMaxCells || emptyGoalCell < 0 ||
        emptyGoalCell >= cells_) {
        throw std::invalid_argument("pattern databases need a grid of at most 16 cells");
    }
    for (int cell = 0; cell < cells_; ++cell) {
        if (cell % columns_ != 0) {
            notFirstColumn_ |= 1u << cell;
        }
        if (cell % columns_ != columns_ - 1) {
            notLastColumn_ |= 1u << cell;
        }
    }
    groups_ = splitIntoGroups(columns, rows, emptyGoalCell);
    groupOfPiece_.assign(cells_, -1);
    for (int group = 0; group < groupCount(); ++group) {
        for (int piece : groups_[group]) {
            groupOfPiece_[piece] = group;
        }
        findMirror(group);
        tables_.push_back(mirrors_[group].table == group ? build(groups_[group])
                                                         : std::vector<std::uint8_t>{});
    }
}

// A group's table depends on where the empty cell starts only through the cells it can reach
// from there with the group home; when that is every other cell, the table of an earlier group
// that is its mirror image (left to right, or top to bottom) serves it as well. On 4 x 4 this
// halves the work: the two blocks of six are mirror images.
void PatternDatabases::findMirror(int group) {
    const std::uint32_t allCells = (1u << cells_) - 1;
    const auto emptyReachesAll = [&](int g) {
        std::uint32_t occupied = 0;
        for (int piece : groups_[g]) {
            occupied |= 1u << piece;
        }
        const std::uint32_t open = allCells & ~occupied;
        return spread(1u << emptyGoalCell_, open) == open;
    };
    mirrors_.push_back({group, {}, {}});
    if (!emptyReachesAll(group)) {
        return;
    }
    for (bool sideways : {true, false}) {
        std::vector<int> image(cells_);
        for (int cell = 0; cell < cells_; ++cell) {
            const int column = cell % columns_;
            const int row = cell / columns_;
            image[cell] = sideways ? row * columns_ + columns_ - 1 - column
                                   : (rows_ - 1 - row) * columns_ + column;
        }
        for (int earlier = 0; earlier < group; ++earlier) {
            const auto& source = groups_[earlier];
            const auto& pieces = groups_[group];
            if (mirrors_[earlier].table != earlier || source.size() != pieces.size() ||
                !emptyReachesAll(earlier)) {
                continue;
            }
            std::vector<int> slot;
            for (int piece : pieces) {
                const auto found = std::find(source.begin(), source.end(), image[piece]);
                if (found == source.end()) {
                    break;
                }
                slot.push_back(static_cast<int>(found - source.begin()));
            }
            if (slot.size() == pieces.size()) {
                mirrors_[group] = {earlier, std::move(slot), image};
                return;
            }
        }
    }
}

std::size_t PatternDatabases::bytes() const {
    std::size_t total = 0;
    for (const auto& table : tables_) {
        total += table.size();
    }
    return total;
}

// Index of a placement of `count` distinct cells among cells_: each cell is numbered among the
// cells not yet taken, giving cells_ * (cells_-1) * ... entries with no gaps.
std::uint32_t PatternDatabases::rank(const int* cells, int count) const {
    std::uint32_t index = 0;
    std::uint32_t taken = 0;
    for (int i = 0; i < count; ++i) {
        const std::uint32_t takenBelow = taken & ((1u << cells[i]) - 1);
        const int digit = cells[i] - kBitCount[takenBelow & 0xff] - kBitCount[takenBelow >> 8];
        index = index * (cells_ - i) + digit;
        taken |= 1u << cells[i];
    }
    return index;
}

// The inverse of rank(), from the index's digits (digit i counts cells_ - i values).
void PatternDatabases::placeDigits(const int* digits, int count, int* cells) const {
    int taken[kMaxCells];  // cells used so far, ascending
    for (int i = 0; i < count; ++i) {
        int cell = digits[i];
        int slot = 0;
        for (; slot < i && taken[slot] <= cell; ++slot) {
            ++cell;
        }
        for (int j = i; j > slot; --j) {
            taken[j] = taken[j - 1];
        }
        taken[slot] = cell;
        cells[i] = cell;
    }
}

// All cells of `open` that the empty cell reaches from `mask` without crossing other cells.
std::uint32_t PatternDatabases::spread(std::uint32_t mask, std::uint32_t open) const {
    mask &= open;
    for (;;) {
        std::uint32_t grown = mask | (mask << columns_) | (mask >> columns_) |
                              ((mask << 1) & notFirstColumn_) | ((mask >> 1) & notLastColumn_);
        grown &= open;
        if (grown == mask) {
            return mask;
        }
        mask = grown;
    }
}

// Breadth-first search back from the goal over (placement of the group, empty cell). Only moves
// of the group's pieces cost; the empty cell wanders over the other cells for free, so each state
// keeps the set of empty cells reached (a 16-bit mask) rather than one state per empty cell.
std::vector<std::uint8_t> PatternDatabases::build(const std::vector<int>& pieces) const {
    const int count = static_cast<int>(pieces.size());
    std::uint32_t size = 1;
    for (int i = 0; i < count; ++i) {
        size *= cells_ - i;
    }
    const std::uint32_t allCells = (1u << cells_) - 1;
    // Both masks of a placement share a cache line: the search reaches placements at random.
    struct Reach {
        std::uint16_t ever = 0;
        std::uint16_t next = 0;
    };
    std::vector<Reach> reach(size);
    std::vector<std::uint16_t> layer(size, 0);
    std::vector<std::uint8_t> table(size, kUnreached);

    int cells[kMaxCells];
    std::uint32_t occupied = 0;
    for (int i = 0; i < count; ++i) {
        cells[i] = pieces[i];
        occupied |= 1u << pieces[i];
    }
    const std::uint32_t start = rank(cells, count);
    const auto startEmpty =
        static_cast<std::uint16_t>(spread(1u << emptyGoalCell_, allCells & ~occupied));
    reach[start].ever = layer[start] = startEmpty;

    for (int depth = 0;; ++depth) {
        bool grew = false;
        int digits[kMaxCells] = {};  // digits of `index`, kept in step with it
        for (std::uint32_t index = 0; index < size; ++index) {
            if (index > 0) {
                for (int i = count - 1; ++digits[i] == cells_ - i; --i) {
                    digits[i] = 0;
                }
            }
            const std::uint32_t empties = layer[index];
            if (empties == 0) {
                continue;
            }
            if (table[index] == kUnreached) {
                table[index] = static_cast<std::uint8_t>(depth);
            }
            placeDigits(digits, count, cells);
            occupied = 0;
            for (int i = 0; i < count; ++i) {
                occupied |= 1u << cells[i];
            }
            // Gather every move first and touch their entries early: the entries lie far apart
            // and waiting for each in turn is most of the build time.
            struct Move {
                std::uint32_t index;
                int from;
                int to;
            };
            Move moves[kMaxCells * 4];
            int moveCount = 0;
            for (int i = 0; i < count; ++i) {
                const int from = cells[i];
                const int column = from % columns_;
                const int neighbours[4] = {from >= columns_ ? from - columns_ : -1,
                                           from + columns_ < cells_ ? from + columns_ : -1,
                                           column > 0 ? from - 1 : -1,
                                           column < columns_ - 1 ? from + 1 : -1};
                for (int to : neighbours) {
                    if (to < 0 || !(empties & (1u << to))) {
                        continue;
                    }
                    cells[i] = to;
                    const std::uint32_t next = rank(cells, count);
                    cells[i] = from;
                    __builtin_prefetch(&reach[next]);
                    moves[moveCount++] = {next, from, to};
                }
            }
            for (int m = 0; m < moveCount; ++m) {
                Reach& next = reach[moves[m].index];
                const int from = moves[m].from;
                if (next.ever & (1u << from)) {
                    continue;
                }
                const std::uint32_t nowOccupied = (occupied & ~(1u << from)) | (1u << moves[m].to);
                const auto area =
                    static_cast<std::uint16_t>(spread(1u << from, allCells & ~nowOccupied));
                next.ever |= area;
                next.next |= area;
                grew = true;
            }
        }
        if (!grew) {
            break;
        }
        for (std::uint32_t index = 0; index < size; ++index) {
            layer[index] = reach[index].next;
            reach[index].next = 0;
        }
    }
    return table;
}

}  // namespace mosaic
