// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/pattern_database.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <iterator>
#include <span>
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
constexpr int kMaxGroupSize = 6;  // 16*15*...*11 entries: 5.8 MB a table, densely indexed
// Grids of this many cells (4 x 4) are indexed by 4 bits a cell.
constexpr int kPlainCells = 16;

// The cache file's format; a file of another version is rebuilt.
constexpr std::uint32_t kFormatVersion = 1;
constexpr char kMagic[8] = {'M', 'O', 'S', 'A', 'I', 'C', 'P', 'D'};
// The header holds each piece's group: 64 bytes up to 16 pieces, 96 for more.
constexpr std::size_t kHeaderBytes = 64;
constexpr std::size_t kLargeHeaderBytes = 96;
constexpr std::size_t kChecksumBytes = 8;
// Within a level of a table's search, a stop request is checked this often.
constexpr std::uint32_t kStopCheckEntries = 1u << 16;

// The 4 x 4 split with the empty goal cell bottom right: the top two rows less the first column,
// the bottom two less their first and last cells, and the first column's top three cells. The
// search expands a third of the positions it does with two 2 x 3 blocks and the last row.
constexpr int kSquareSplit[] = {1, 2, 3, 5, 6, 7, 9, 10, 11, 12, 13, 14, 0, 4, 8};
constexpr int kSquareGroupSizes[] = {6, 6, 3};
constexpr int kLegacySquareOrder[] = {0, 1, 4, 5, 8, 9, 2, 3, 6, 7, 10, 11, 12, 13, 14, 15};
// The 5 x 5 split with the empty goal cell bottom right: compact blocks of five, top left, top
// right and left, then the middle and the bottom row's four. Groups of six would take 128 MB a
// table; these take 6.4 MB.
constexpr int kFiveSplit[] = {0,  1,  2,  5,  6,  3,  4,  7,  8,  9,  10, 11,
                              15, 16, 20, 12, 13, 14, 17, 18, 19, 21, 22, 23};
constexpr int kFiveGroupSizes[] = {5, 5, 5, 5, 4};

// A split drawn for the bottom-right corner of a square grid, turned to the corner asked for.
std::vector<std::vector<int>> cornerSplit(int side, int emptyGoalCell, std::span<const int> split,
                                          std::span<const int> groupSizes) {
    const bool flipColumns = emptyGoalCell % side == 0;
    const bool flipRows = emptyGoalCell / side == 0;
    std::vector<std::vector<int>> groups;
    auto next = split.begin();
    for (int size : groupSizes) {
        groups.emplace_back();
        for (int i = 0; i < size; ++i, ++next) {
            const int column = flipColumns ? side - 1 - *next % side : *next % side;
            const int row = flipRows ? side - 1 - *next / side : *next / side;
            groups.back().push_back(row * side + column);
        }
    }
    return groups;
}

bool inCorner(int columns, int rows, int cell) {
    return (cell % columns == 0 || cell % columns == columns - 1) &&
           (cell / columns == 0 || cell / columns == rows - 1);
}

// Blocks of whole rows (or columns on wide grids) keep each group's pieces close together, which
// makes the tables sharper.
std::vector<std::vector<int>> splitIntoGroups(int columns, int rows, int emptyGoalCell,
                                              PatternDatabases::Layout layout) {
    const bool corner = inCorner(columns, rows, emptyGoalCell);
    const bool square = columns == 4 && rows == 4;
    if (square && corner && layout == PatternDatabases::Layout::Current) {
        return cornerSplit(4, emptyGoalCell, kSquareSplit, kSquareGroupSizes);
    }
    if (columns == 5 && rows == 5) {
        return cornerSplit(5, emptyGoalCell, kFiveSplit, kFiveGroupSizes);
    }
    const int cells = columns * rows;
    std::vector<int> order;
    if (square && layout == PatternDatabases::Layout::Legacy) {
        order.assign(std::begin(kLegacySquareOrder), std::end(kLegacySquareOrder));
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

void putNumber(std::vector<std::uint8_t>& bytes, std::uint64_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

}  // namespace

PatternDatabases::PatternDatabases(int columns, int rows, int emptyGoalCell, Layout layout)
    : columns_(columns),
      rows_(rows),
      cells_(columns * rows),
      emptyGoalCell_(emptyGoalCell),
      layout_(layout) {
    const bool fiveCorner = columns == 5 && rows == 5 && layout == Layout::Current &&
                            inCorner(columns, rows, emptyGoalCell);
    if (columns < 2 || rows < 2 || (cells_ > 16 && !fiveCorner) || emptyGoalCell < 0 ||
        emptyGoalCell >= cells_) {
        throw std::invalid_argument(
            "pattern databases need a grid of at most 16 cells, or 5 x 5 with the empty goal "
            "cell in a corner");
    }
    // 4 bits a cell wastes entries on placements that repeat a cell, but the index is a few
    // shifts rather than a count of the cells taken before each: the search runs three times as
    // fast. The two tables of six come to 33.5 MB.
    plain_ = layout == Layout::Current && cells_ == kPlainCells;
    for (int cell = 0; cell < cells_; ++cell) {
        if (cell % columns_ != 0) {
            notFirstColumn_ |= 1u << cell;
        }
        if (cell % columns_ != columns_ - 1) {
            notLastColumn_ |= 1u << cell;
        }
    }
    groups_ = splitIntoGroups(columns, rows, emptyGoalCell, layout);
    groupOfPiece_.assign(cells_, -1);
    for (int group = 0; group < groupCount(); ++group) {
        for (int piece : groups_[group]) {
            groupOfPiece_[piece] = group;
        }
        findMirror(group);
    }
    layOut();
}

bool PatternDatabases::plainTables() const {
    for (int group = 0; group < groupCount(); ++group) {
        if (mirrors_[group].table != group) {
            return false;
        }
    }
    return plain_;
}

std::size_t PatternDatabases::tableSize(int count) const {
    std::size_t size = 1;
    for (int i = 0; i < count; ++i) {
        size *= plain_ ? kPlainCells : cells_ - i;
    }
    return size;
}

// Places each table that is not a mirror image in the block of bytes, after the header. The
// block itself is only allocated to be built or taken from a file.
void PatternDatabases::layOut() {
    std::size_t offset = headerBytes();
    for (int group = 0; group < groupCount(); ++group) {
        tableOffsets_.push_back(offset);
        if (mirrors_[group].table == group) {
            offset += tableSize(static_cast<int>(groups_[group].size()));
        }
    }
    totalBytes_ = offset + kChecksumBytes;
}

// Points each group at its table in the block.
void PatternDatabases::findTables() {
    tables_.clear();
    for (int group = 0; group < groupCount(); ++group) {
        tables_.push_back(storage_.data() + tableOffsets_[mirrors_[group].table]);
    }
}

std::size_t PatternDatabases::headerBytes() const {
    return cells_ <= kPlainCells ? kHeaderBytes : kLargeHeaderBytes;
}

std::vector<std::uint8_t> PatternDatabases::header() const {
    std::vector<std::uint8_t> head(std::begin(kMagic), std::end(kMagic));
    putNumber(head, kFormatVersion, 4);
    putNumber(head, static_cast<std::uint32_t>(columns_), 4);
    putNumber(head, static_cast<std::uint32_t>(rows_), 4);
    putNumber(head, static_cast<std::uint32_t>(emptyGoalCell_), 4);
    putNumber(head, layout_ == Layout::Current ? 0 : 1, 4);
    for (int piece = 0; piece < std::max(cells_, kPlainCells); ++piece) {
        head.push_back(piece < cells_ && groupOfPiece_[piece] >= 0
                           ? static_cast<std::uint8_t>(groupOfPiece_[piece])
                           : 0xff);
    }
    putNumber(head, totalBytes_, 8);
    head.resize(headerBytes(), 0);
    return head;
}

// A 64-bit hash of every byte before the checksum, eight at a time.
std::uint64_t PatternDatabases::checksum() const {
    const std::size_t length = storage_.size() - kChecksumBytes;
    std::uint64_t hash = 0xcbf29ce484222325ull ^ length;
    std::size_t at = 0;
    for (; at + 8 <= length; at += 8) {
        std::uint64_t word;
        std::memcpy(&word, storage_.data() + at, 8);
        hash = (hash ^ word) * 0x9e3779b97f4a7c15ull;
        hash ^= hash >> 29;
    }
    for (; at < length; ++at) {
        hash = (hash ^ storage_[at]) * 0x100000001b3ull;
    }
    return hash;
}

std::shared_ptr<const PatternDatabases> PatternDatabases::build(int columns, int rows,
                                                                int emptyGoalCell,
                                                                std::stop_token stop,
                                                                Layout layout) {
    std::shared_ptr<PatternDatabases> tables(
        new PatternDatabases(columns, rows, emptyGoalCell, layout));
    tables->storage_.assign(tables->totalBytes_, 0);
    const std::vector<std::uint8_t> head = tables->header();
    std::copy(head.begin(), head.end(), tables->storage_.begin());
    tables->findTables();
    for (int group = 0; group < tables->groupCount(); ++group) {
        if (tables->mirrors_[group].table == group && !tables->build(group, stop)) {
            return nullptr;
        }
    }
    const std::uint64_t sum = tables->checksum();
    std::uint8_t* end = tables->storage_.data() + tables->storage_.size() - kChecksumBytes;
    for (std::size_t i = 0; i < kChecksumBytes; ++i) {
        end[i] = static_cast<std::uint8_t>(sum >> (8 * i));
    }
    return tables;
}

std::size_t PatternDatabases::fileSize(int columns, int rows, int emptyGoalCell, Layout layout) {
    return PatternDatabases(columns, rows, emptyGoalCell, layout).totalBytes_;
}

std::shared_ptr<const PatternDatabases> PatternDatabases::fromFile(std::vector<std::uint8_t> bytes,
                                                                   int columns, int rows,
                                                                   int emptyGoalCell,
                                                                   Layout layout) {
    std::shared_ptr<PatternDatabases> tables(
        new PatternDatabases(columns, rows, emptyGoalCell, layout));
    const std::vector<std::uint8_t> head = tables->header();
    if (bytes.size() != tables->totalBytes_ ||
        !std::equal(head.begin(), head.end(), bytes.begin())) {
        return nullptr;
    }
    // The tables become the bytes read, so a file costs no memory beyond them.
    tables->storage_ = std::move(bytes);
    std::uint64_t stored = 0;
    for (std::size_t i = 0; i < kChecksumBytes; ++i) {
        stored |= std::uint64_t(tables->storage_[tables->storage_.size() - kChecksumBytes + i])
                  << (8 * i);
    }
    if (stored != tables->checksum()) {
        return nullptr;
    }
    tables->findTables();
    return tables;
}

// A group's table depends on where the empty cell starts only through the cells it can reach
// from there with the group home; when that is every other cell, the table of an earlier group
// that is its mirror image (left to right, or top to bottom) serves it as well. The legacy 4 x 4
// split's two blocks of six are mirror images, which halves their work.
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

// Index of a placement of `count` distinct cells among cells_: each cell is numbered among the
// cells not yet taken, giving cells_ * (cells_-1) * ... entries with no gaps.
std::uint32_t PatternDatabases::rank(const int* cells, int count) const {
    std::uint32_t index = 0;
    std::uint32_t taken = 0;
    for (int i = 0; i < count; ++i) {
        const std::uint32_t takenBelow = taken & ((1u << cells[i]) - 1);
        const int digit = cells[i] - kBitCount[takenBelow & 0xff] -
                          kBitCount[(takenBelow >> 8) & 0xff] -
                          kBitCount[(takenBelow >> 16) & 0xff];  // cells below 24
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

namespace {

// Two ways for a table's search to keep, for each placement of the group, the empty cells it has
// reached. Both give the same tables; `Flood(mask, open)` is the cells of `open` the empty cell
// reaches from `mask`.
//
// As masks of cells, on grids of at most 16 cells: reached before, reached in this level, and
// reached in the last; 6 bytes a placement (34 MB for a group of six on 4 x 4).
template <typename Flood>
class CellMasks {
public:
    CellMasks(std::uint32_t size, Flood flood) : reach_(size), last_(size, 0), flood_(flood) {}

    void start(std::uint32_t index, int emptyCell, std::uint32_t open) {
        reach_[index].ever = last_[index] =
            static_cast<std::uint16_t>(flood_(1u << emptyCell, open));
    }
    bool inLastLevel(std::uint32_t index) const { return last_[index] != 0; }
    std::uint32_t lastReached(std::uint32_t index, std::uint32_t) const { return last_[index]; }
    void prefetch(std::uint32_t index) const { __builtin_prefetch(&reach_[index]); }
    // Records that the empty cell reaches `from` on the placement `index`, whose empty cells are
    // `open`; false if it had been.
    bool reach(std::uint32_t index, int from, std::uint32_t open) {
        Reach& next = reach_[index];
        if (next.ever & (1u << from)) {
            return false;
        }
        const auto area = static_cast<std::uint16_t>(flood_(1u << from, open));
        next.ever |= area;
        next.next |= area;
        return true;
    }
    void endLevel() {
        for (std::size_t index = 0; index < reach_.size(); ++index) {
            last_[index] = reach_[index].next;
            reach_[index].next = 0;
        }
    }

private:
    // Both masks of a placement share a cache line: the search reaches placements at random.
    struct Reach {
        std::uint16_t ever = 0;
        std::uint16_t next = 0;
    };
    std::vector<Reach> reach_;
    std::vector<std::uint16_t> last_;
    Flood flood_;
};

// As sets of the parts the placement leaves the empty cell (cells it cannot pass between),
// numbered by their lowest cells: a placement leaves at most eight (fewer than its group's pieces
// plus two), so its 4 bytes hold the parts reached before, in this level and in the last, and
// how many parts there are once counted (25.5 MB for a group of five on 5 x 5). Slower than
// masks where placements often leave several parts, as groups of six on 4 x 4 do.
template <typename Flood>
class PartSets {
public:
    PartSets(std::uint32_t size, Flood flood) : reach_(size, 0), flood_(flood) {}

    void start(std::uint32_t index, int emptyCell, std::uint32_t open) {
        const std::uint32_t part = 1u << partOf(emptyCell, open);
        reach_[index] = part << kEver | part << kLast;
    }
    bool inLastLevel(std::uint32_t index) const { return (reach_[index] >> kLast & 0xff) != 0; }
    std::uint32_t lastReached(std::uint32_t index, std::uint32_t open) const {
        const std::uint32_t last = reach_[index] >> kLast & 0xff;
        if (reach_[index] >> kParts == 1) {
            return open;
        }
        std::uint32_t empties = 0;
        for (int number = 0; open != 0; ++number) {
            const std::uint32_t area = flood_(open & (~open + 1), open);
            if (last & (1u << number)) {
                empties |= area;
            }
            open &= ~area;
        }
        return empties;
    }
    void prefetch(std::uint32_t index) const { __builtin_prefetch(&reach_[index]); }
    bool reach(std::uint32_t index, int from, std::uint32_t open) {
        std::uint32_t& next = reach_[index];
        // Once every part of a placement is reached (most leave the empty cell only one), it is
        // passed over at once.
        const std::uint32_t parts = next >> kParts;
        if (parts != 0 && kBitCount[(next >> kEver | next >> kNext) & 0xff] == parts) {
            return false;
        }
        const std::uint32_t reached = flood_(1u << from, open);
        std::uint32_t part = 1;
        if (reached == open) {
            next |= 1u << kParts;
        } else {
            // Its number: the parts with a cell below its lowest come first.
            const std::uint32_t rest = open & ~reached;
            for (std::uint32_t below = rest & ((reached & (~reached + 1)) - 1); below != 0;
                 part <<= 1) {
                below &= ~flood_(below & (~below + 1), rest);
            }
            if (parts == 0) {
                int count = 0;
                for (std::uint32_t left = open; left != 0; ++count) {
                    left &= ~flood_(left & (~left + 1), left);
                }
                next |= std::uint32_t(count) << kParts;
            }
        }
        if ((next >> kEver | next >> kNext) & part) {
            return false;
        }
        next |= part << kNext;
        return true;
    }
    void endLevel() {
        for (std::uint32_t& entry : reach_) {
            const std::uint32_t added = entry >> kNext & 0xff;
            entry = (entry & (0xffu | ~0u << kParts)) | added | added << kLast;
        }
    }

private:
    static constexpr int kEver = 0, kNext = 8, kLast = 16, kParts = 24;

    int partOf(int cell, std::uint32_t open) const {
        for (int number = 0;; ++number) {
            const std::uint32_t area = flood_(open & (~open + 1), open);
            if (area & (1u << cell)) {
                return number;
            }
            open &= ~area;
        }
    }

    std::vector<std::uint32_t> reach_;
    Flood flood_;
};

}  // namespace

bool PatternDatabases::build(int group, const std::stop_token& stop) {
    const auto flood = [this](std::uint32_t mask, std::uint32_t open) {
        return spread(mask, open);
    };
    std::uint32_t size = 1;
    for (std::size_t i = 0; i < groups_[group].size(); ++i) {
        size *= cells_ - static_cast<std::uint32_t>(i);
    }
    if (cells_ <= 16) {
        CellMasks reach(size, flood);
        return search(group, reach, stop);
    }
    PartSets reach(size, flood);
    return search(group, reach, stop);
}

// Breadth-first search back from the goal over (placement of the group, empty cell). Only moves
// of the group's pieces cost; the empty cell wanders over the other cells for free, so `reach`
// keeps for each placement the empty cells reached, by level, rather than one state per empty
// cell. The search runs over dense indices; a table indexed by 4 bits a cell is filled from a
// dense one at the end.
template <typename Reach>
bool PatternDatabases::search(int group, Reach& reach, const std::stop_token& stop) {
    const std::vector<int>& pieces = groups_[group];
    const int count = static_cast<int>(pieces.size());
    std::uint32_t size = 1;
    for (int i = 0; i < count; ++i) {
        size *= cells_ - i;
    }
    const std::uint32_t allCells = (1u << cells_) - 1;
    std::vector<std::uint8_t> dense;
    std::uint8_t* table = storage_.data() + tableOffsets_[group];
    if (plain_) {
        dense.resize(size);
        table = dense.data();
    }
    std::fill(table, table + size, kUnreached);

    int cells[kMaxCells];
    std::uint32_t occupied = 0;
    for (int i = 0; i < count; ++i) {
        cells[i] = pieces[i];
        occupied |= 1u << pieces[i];
    }
    reach.start(rank(cells, count), emptyGoalCell_, allCells & ~occupied);

    for (int depth = 0;; ++depth) {
        if (stop.stop_requested()) {
            return false;
        }
        bool grew = false;
        int digits[kMaxCells] = {};  // digits of `index`, kept in step with it
        for (std::uint32_t index = 0; index < size; ++index) {
            if (index % kStopCheckEntries == 0 && stop.stop_requested()) {
                return false;
            }
            if (index > 0) {
                for (int i = count - 1; ++digits[i] == cells_ - i; --i) {
                    digits[i] = 0;
                }
            }
            if (!reach.inLastLevel(index)) {
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
            const std::uint32_t empties = reach.lastReached(index, allCells & ~occupied);
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
                    reach.prefetch(next);
                    moves[moveCount++] = {next, from, to};
                }
            }
            for (int m = 0; m < moveCount; ++m) {
                const int from = moves[m].from;
                const std::uint32_t open =
                    allCells & ~((occupied & ~(1u << from)) | (1u << moves[m].to));
                grew |= reach.reach(moves[m].index, from, open);
            }
        }
        if (!grew) {
            break;
        }
        reach.endLevel();
    }
    if (plain_) {
        std::uint8_t* plain = storage_.data() + tableOffsets_[group];
        int digits[kMaxCells] = {};
        for (std::uint32_t at = 0; at < size; ++at) {
            if (at > 0) {
                for (int i = count - 1; ++digits[i] == cells_ - i; --i) {
                    digits[i] = 0;
                }
            }
            placeDigits(digits, count, cells);
            plain[index(cells, count)] = dense[at];
        }
    }
    return true;
}

}  // namespace mosaic
