// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/edge_reduction.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <utility>

namespace mosaic {

namespace {

// A piece fixed alone keeps the next one near: the search counts 3/4 of that piece's own
// distance home at the end (a full count would make it fetch the next piece outright).
constexpr int kFollowerWeightQuarters = 3;
// Lines are fixed in threes only on regions this small; on larger ones the search is slow.
constexpr int kMaxCellsForThrees = 30;
// Largest number of states a group search numbers densely: (30 cells)^4 for three pieces,
// (100 cells)^3 for two.
constexpr std::uint32_t kMaxStates = 1u << 20;

}  // namespace

EdgeReduction::EdgeReduction(int columns, int rows, std::vector<int> pieces, int emptyPiece,
                             std::stop_token stop)
    : columns_(columns),
      rows_(rows),
      pieces_(std::move(pieces)),
      cellOf_(pieces_.size()),
      fixed_(pieces_.size(), false),
      stop_(std::move(stop)),
      emptyPiece_(emptyPiece),
      region_{0, 0, columns, rows},
      scratch_(std::make_shared<SearchScratch>()) {
    for (std::size_t cell = 0; cell < pieces_.size(); ++cell) {
        cellOf_[pieces_[cell]] = static_cast<int>(cell);
    }
    const int cells = columns * rows;
    around_.resize(cells);
    for (int cell = 0; cell < cells; ++cell) {
        const int column = cell % columns;
        around_[cell] = {cell >= columns ? cell - columns : -1, column > 0 ? cell - 1 : -1,
                         column < columns - 1 ? cell + 1 : -1,
                         cell + columns < cells ? cell + columns : -1};
    }
}

void EdgeReduction::slide(int to) {
    const int from = cellOf_[emptyPiece_];
    const int piece = pieces_[to];
    pieces_[from] = piece;
    cellOf_[piece] = from;
    pieces_[to] = emptyPiece_;
    cellOf_[emptyPiece_] = to;
    path_.push_back(to);
}

std::vector<std::vector<int>> EdgeReduction::nextLines(bool eitherOnSquares) const {
    const int emptyColumn = emptyPiece_ % columns_;
    const int emptyRow = emptyPiece_ / columns_;
    std::vector<std::vector<int>> lines;
    const bool square = region_.columns() == region_.rows();
    if (region_.rows() >= region_.columns() || (square && eitherOnSquares)) {
        const int row = emptyRow == region_.top ? region_.bottom - 1 : region_.top;
        lines.emplace_back();
        for (int column = region_.left; column < region_.right; ++column) {
            lines.back().push_back(row * columns_ + column);
        }
    }
    if (region_.columns() > region_.rows() || (square && eitherOnSquares)) {
        const int column = emptyColumn == region_.left ? region_.right - 1 : region_.left;
        lines.emplace_back();
        for (int row = region_.top; row < region_.bottom; ++row) {
            lines.back().push_back(row * columns_ + column);
        }
    }
    return lines;
}

// Groups of `groupSize` from the line's front (or the whole line at once); the last group holds
// the last two cells, because the last piece of a line cannot be put in place alone without
// moving the one before it.
std::vector<std::vector<int>> lineGroups(const std::vector<int>& line, int groupSize) {
    const int count = static_cast<int>(line.size());
    std::vector<std::vector<int>> groups;
    if (groupSize >= count) {
        groups.push_back(line);
        return groups;
    }
    int i = (count - 2) % groupSize;
    if (i > 0) {
        groups.emplace_back(line.begin(), line.begin() + i);
    }
    for (; i < count - 2; i += groupSize) {
        groups.emplace_back(line.begin() + i, line.begin() + i + groupSize);
    }
    groups.push_back({line[count - 2], line[count - 1]});
    return groups;
}

bool EdgeReduction::fixLine(const std::vector<std::vector<int>>& groups) {
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const int follower = g + 1 < groups.size() && groups[g].size() == 1 ? groups[g + 1][0] : -1;
        if (!fixGroup(groups[g], follower)) {
            return false;
        }
    }
    const int first = groups.front().front();
    const int last = groups.back().back();
    if (first / columns_ == last / columns_) {  // a row
        (first / columns_ == region_.top ? region_.top : region_.bottom) +=
            first / columns_ == region_.top ? 1 : -1;
    } else {
        (first % columns_ == region_.left ? region_.left : region_.right) +=
            first % columns_ == region_.left ? 1 : -1;
    }
    return true;
}

std::vector<int> EdgeReduction::corner(std::vector<int>& boardCells) const {
    std::vector<int> corner;
    boardCells.clear();
    for (int row = region_.top; row < region_.bottom; ++row) {
        for (int column = region_.left; column < region_.right; ++column) {
            corner.push_back(toCorner(pieces_[row * columns_ + column]));
            boardCells.push_back(row * columns_ + column);
        }
    }
    return corner;
}

int EdgeReduction::toCorner(int cell) const {
    return (cell / columns_ - region_.top) * region_.columns() + cell % columns_ - region_.left;
}

int EdgeReduction::regionDistance() const {
    int sum = 0;
    for (int row = region_.top; row < region_.bottom; ++row) {
        for (int column = region_.left; column < region_.right; ++column) {
            const int piece = pieces_[row * columns_ + column];
            if (piece != emptyPiece_) {
                sum += std::abs(piece % columns_ - column) + std::abs(piece / columns_ - row);
            }
        }
    }
    return sum;
}

// Cells outside the region are all on fixed lines, so the fixed cells alone bound the play.
bool EdgeReduction::inPlay(int cell) const {
    return !fixed_[cell];
}

int EdgeReduction::neighbours(int cell, int* out) const {
    int count = 0;
    for (int next : around_[cell]) {
        if (next >= 0 && inPlay(next)) {
            out[count++] = next;
        }
    }
    return count;
}

// Moves from (piece cell, empty cell) to the piece's goal cell, the other pieces ignored: a
// breadth-first search back from every state with the piece home.
std::vector<int> EdgeReduction::pieceDistances(int goalCell) const {
    const int cells = columns_ * rows_;
    std::vector<int> distance(cells * cells, -1);
    std::vector<int> queue;
    for (int empty = 0; empty < cells; ++empty) {
        if (empty != goalCell && inPlay(empty)) {
            distance[goalCell * cells + empty] = 0;
            queue.push_back(goalCell * cells + empty);
        }
    }
    for (std::size_t head = 0; head < queue.size(); ++head) {
        const int piece = queue[head] / cells;
        const int empty = queue[head] % cells;
        int next[4];
        const int count = neighbours(empty, next);
        for (int i = 0; i < count; ++i) {
            // Moves are their own inverse, so stepping the empty cell backwards is a move.
            const int state = next[i] == piece ? empty * cells + piece : piece * cells + next[i];
            if (distance[state] < 0) {
                distance[state] = distance[queue[head]] + 1;
                queue.push_back(state);
            }
        }
    }
    return distance;
}

// A* over (cells of the tracked pieces, empty cell). The group's pieces must come home; a
// follower (the next piece to fix) only adds part of its own distance home at the end, so the
// search also brings the follower near when that is cheap.
bool EdgeReduction::fixGroup(const std::vector<int>& group, int follower) {
    const int cells = columns_ * rows_;
    const int mustHome = static_cast<int>(group.size());
    std::vector<int> tracked = group;
    if (follower >= 0) {
        tracked.push_back(follower);
    }
    const int count = static_cast<int>(tracked.size());
    std::vector<std::vector<int>> distances;
    for (int goalCell : group) {
        distances.push_back(pieceDistances(goalCell));
    }
    if (follower >= 0) {
        for (int goalCell : group) {
            fixed_[goalCell] = true;
        }
        distances.push_back(pieceDistances(follower));
        for (int goalCell : group) {
            fixed_[goalCell] = false;
        }
    }

    // States are numbered densely over the region's cells: the empty cell, then each piece.
    const int width = region_.columns();
    const int size = region_.cells();
    std::uint32_t states = 1;
    for (int i = 0; i <= count; ++i) {
        states *= static_cast<std::uint32_t>(size);
    }
    if (states > kMaxStates) {
        throw std::logic_error("edge group too large to search");
    }
    const auto local = [&](int cell) {
        return (cell / columns_ - region_.top) * width + cell % columns_ - region_.left;
    };
    const auto global = [&](int index) {
        return (index / width + region_.top) * columns_ + index % width + region_.left;
    };
    const auto pack = [&](const int* at, int empty) {
        std::uint32_t key = 0;
        for (int i = count - 1; i >= 0; --i) {
            key = key * size + local(at[i]);
        }
        return key * size + local(empty);
    };
    const auto unpack = [&](std::uint32_t key, int* at) {
        const int empty = global(static_cast<int>(key % size));
        key /= size;
        for (int i = 0; i < count; ++i) {
            at[i] = global(static_cast<int>(key % size));
            key /= size;
        }
        return empty;
    };
    const auto estimate = [&](const int* at, int empty) {
        int most = 0;
        for (int i = 0; i < mustHome; ++i) {
            most = std::max(most, distances[i][at[i] * cells + empty]);
        }
        return most;
    };
    // Reaching a state with the group home is a step to a finish node that costs part of the
    // follower's distance; the search ends when a finish node is taken from the queue.
    constexpr std::uint32_t kFinish = 1u << 31;
    const auto followerCost = [&](const int* at, int empty) {
        if (follower < 0) {
            return 0;
        }
        const int d = distances[mustHome][at[mustHome] * cells + empty];
        return d < 0 ? 0 : d * kFollowerWeightQuarters / 4;
    };

    SearchScratch& seen = *scratch_;
    if (seen.stamp.size() < states) {
        seen.stamp.resize(states, 0);
        seen.moves.resize(states);
        seen.previous.resize(states);
    }
    const std::uint32_t generation = ++seen.generation;

    int at[8];
    for (int i = 0; i < count; ++i) {
        at[i] = cellOf_[tracked[i]];
    }
    const std::uint32_t start = pack(at, cellOf_[emptyPiece_]);
    seen.stamp[start] = generation;
    seen.moves[start] = 0;
    seen.previous[start] = start;
    std::vector<std::vector<std::uint32_t>> open(1);
    open[0].push_back(start);
    const auto push = [&](std::uint32_t key, std::size_t score) {
        if (score >= open.size()) {
            open.resize(score + 1);
        }
        open[score].push_back(key);
    };
    std::uint32_t goal = 0;
    bool found = false;
    std::uint64_t expanded = 0;
    for (std::size_t bucket = 0; bucket < open.size();) {
        if (open[bucket].empty()) {
            ++bucket;
            continue;
        }
        const std::uint32_t entry = open[bucket].back();
        open[bucket].pop_back();
        if (entry & kFinish) {
            goal = entry & ~kFinish;
            found = true;
            break;
        }
        const std::uint32_t key = entry;
        const int empty = unpack(key, at);
        const int moves = seen.moves[key];
        const int left = estimate(at, empty);
        if (static_cast<int>(bucket) > moves + left) {
            continue;  // reached again more cheaply since it was queued
        }
        if (left == 0) {
            const std::size_t score = moves + followerCost(at, empty);
            push(key | kFinish, score);
            bucket = std::min(bucket, score);
            if (follower < 0) {
                continue;
            }
        }
        if (++expanded % 4096 == 0 && stop_.stop_requested()) {
            return false;
        }
        int next[4];
        const int nextCount = neighbours(empty, next);
        for (int n = 0; n < nextCount; ++n) {
            int moved[8];
            std::copy(at, at + count, moved);
            for (int i = 0; i < count; ++i) {
                if (moved[i] == next[n]) {
                    moved[i] = empty;
                }
            }
            const std::uint32_t nextKey = pack(moved, next[n]);
            if (seen.stamp[nextKey] == generation && seen.moves[nextKey] <= moves + 1) {
                continue;
            }
            seen.stamp[nextKey] = generation;
            seen.moves[nextKey] = moves + 1;
            seen.previous[nextKey] = key;
            const std::size_t score =
                static_cast<std::size_t>(moves + 1 + estimate(moved, next[n]));
            push(nextKey, score);
            bucket = std::min(bucket, score);
        }
    }
    if (!found) {
        throw std::logic_error("edge pieces could not be placed");
    }
    std::vector<int> route;
    for (std::uint32_t key = goal; key != start; key = seen.previous[key]) {
        route.push_back(global(static_cast<int>(key % size)));
    }
    for (auto it = route.rbegin(); it != route.rend(); ++it) {
        slide(*it);
    }
    for (int goalCell : group) {
        fixed_[goalCell] = true;
    }
    return true;
}

std::vector<int> edgeLineOfCells(int columns, int rows, int emptyPiece, int maxCells) {
    std::vector<int> lineOf(columns * rows, -1);
    int line = 0;
    Region region{0, 0, columns, rows};
    const int emptyColumn = emptyPiece % columns;
    const int emptyRow = emptyPiece / columns;
    for (; region.cells() > maxCells; ++line) {
        if (region.rows() >= region.columns()) {
            const int row = emptyRow == region.top ? region.bottom - 1 : region.top;
            for (int column = region.left; column < region.right; ++column) {
                lineOf[row * columns + column] = line;
            }
            (row == region.top ? region.top : region.bottom) += row == region.top ? 1 : -1;
        } else {
            const int column = emptyColumn == region.left ? region.right - 1 : region.left;
            for (int row = region.top; row < region.bottom; ++row) {
                lineOf[row * columns + column] = line;
            }
            (column == region.left ? region.left : region.right) += column == region.left ? 1 : -1;
        }
    }
    for (int& index : lineOf) {
        if (index < 0) {
            index = line;
        }
    }
    return lineOf;
}

std::vector<EdgeReduction> reduceToCorner(const std::vector<EdgeReduction>& starts, int maxCells,
                                          int keep,
                                          const std::function<int(const EdgeReduction&)>& estimate,
                                          const std::stop_token& stop) {
    struct Candidate {
        long score;
        std::size_t start;
        EdgeReduction reduction;
    };
    std::vector<Candidate> frontier;
    for (std::size_t start = 0; start < starts.size(); ++start) {
        frontier.push_back({0, start, starts[start]});
    }
    while (frontier.front().reduction.region().cells() > maxCells) {
        std::vector<Candidate> next;
        for (const Candidate& candidate : frontier) {
            const EdgeReduction& reduction = candidate.reduction;
            const int maxGroup = reduction.region().cells() <= kMaxCellsForThrees ? 3 : 2;
            const int lineLength = static_cast<int>(reduction.nextLines(false).front().size());
            for (const auto& line : reduction.nextLines(keep > 1)) {
                const std::vector<int> reversed(line.rbegin(), line.rend());
                std::vector<std::vector<std::vector<int>>> ways;  // distinct splits only
                for (int groupSize = 1; groupSize <= std::min(maxGroup, lineLength); ++groupSize) {
                    for (const auto* order : {&line, &reversed}) {
                        auto groups = lineGroups(*order, groupSize);
                        if (std::find(ways.begin(), ways.end(), groups) == ways.end()) {
                            ways.push_back(std::move(groups));
                        }
                    }
                }
                for (const auto& groups : ways) {
                    EdgeReduction trial = reduction;
                    if (!trial.fixLine(groups)) {
                        return {};
                    }
                    const long score = static_cast<long>(trial.path().size()) + estimate(trial);
                    next.push_back({score, candidate.start, std::move(trial)});
                }
            }
        }
        if (stop.stop_requested()) {
            return {};
        }
        std::stable_sort(next.begin(), next.end(),
                         [](const Candidate& a, const Candidate& b) { return a.score < b.score; });
        // Each start keeps its own best few: the estimate misjudges some starts' boards (after a
        // beam search the pieces left are near home but cost more per step), so one start must
        // not crowd out the others before their true costs show.
        frontier.clear();
        std::vector<int> kept(starts.size(), 0);
        for (Candidate& candidate : next) {
            if (kept[candidate.start] < keep) {
                ++kept[candidate.start];
                frontier.push_back(std::move(candidate));
            }
        }
    }
    std::vector<EdgeReduction> reduced;
    for (Candidate& candidate : frontier) {
        reduced.push_back(std::move(candidate.reduction));
    }
    return reduced;
}

}  // namespace mosaic
