#include "engine/solver.h"

#include "engine/exact_search.h"
#include "engine/pattern_database.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <stdexcept>
#include <unordered_map>
#include <utility>

namespace mosaic {

namespace {

constexpr int kMinSide = 3;
constexpr int kMaxSide = 10;
constexpr int kMaxExactCells = 16;
// Large grids are brought down to a corner of at most 12 cells before the exact search: those
// tables build in well under a second and the search never takes long. Grids of up to 36 cells
// stop at a 4 x 4 corner instead, whose shortest finish saves a noticeable share of their moves;
// a 4 x 4 corner that would take long to search is cut down to 12 cells after all.
constexpr int kSmallFinishCells = 12;
constexpr int kLargeFinishCells = 16;
constexpr int kMaxCellsForLargeFinish = 36;
constexpr std::uint64_t kLargeFinishNodeBudget = 3'000'000;
// Each piece fixed alone keeps the next one near: the search counts 3/4 of that piece's own
// distance home at the end (a full count would make it fetch the next piece outright).
constexpr int kFollowerWeightQuarters = 3;
// Fixing a line in threes is tried only on regions this small; on larger ones it is slow.
constexpr int kMaxCellsForThrees = 30;

// For each label, the cell it has on `goal`.
std::vector<int> goalCells(const SolverBoard& goal) {
    std::vector<int> cellOf(goal.cells.size(), -1);
    for (std::size_t cell = 0; cell < goal.cells.size(); ++cell) {
        cellOf[goal.cells[cell]] = static_cast<int>(cell);
    }
    return cellOf;
}

bool holdsEachLabelOnce(const SolverBoard& board) {
    std::vector<bool> seen(board.cells.size(), false);
    for (int label : board.cells) {
        if (label < 0 || label >= static_cast<int>(seen.size()) || seen[label]) {
            return false;
        }
        seen[label] = true;
    }
    return true;
}

void checkBoards(const SolverBoard& board, const SolverBoard& goal) {
    const auto fits = [](const SolverBoard& b) {
        return b.columns >= kMinSide && b.columns <= kMaxSide && b.rows >= kMinSide &&
               b.rows <= kMaxSide && static_cast<int>(b.cells.size()) == b.columns * b.rows &&
               holdsEachLabelOnce(b);
    };
    if (!fits(board) || !fits(goal) || board.columns != goal.columns || board.rows != goal.rows) {
        throw std::invalid_argument("solver boards must be the same grid of 3 to 10 a side, "
                                    "each holding every label once");
    }
}

// The board in goal terms: every cell names the goal cell of what it holds, so the goal itself
// reads 0, 1, 2, ... and the empty cell holds the empty cell's goal cell.
std::vector<int> inGoalTerms(const SolverBoard& board, const SolverBoard& goal) {
    const std::vector<int> cellOf = goalCells(goal);
    std::vector<int> pieces(board.cells.size());
    for (std::size_t cell = 0; cell < board.cells.size(); ++cell) {
        pieces[cell] = cellOf[board.cells[cell]];
    }
    return pieces;
}

// Brings a large board down to a small corner: it fixes whole edge rows or columns of the
// region still in play, a few pieces at a time, each group by a best-first search over where
// those pieces and the empty cell are, with the fixed pieces as walls.
class EdgeReduction {
public:
    EdgeReduction(int columns, int rows, std::vector<int> pieces, int emptyPiece,
                  std::stop_token stop)
        : columns_(columns),
          rows_(rows),
          pieces_(std::move(pieces)),
          cellOf_(pieces_.size()),
          fixed_(pieces_.size(), false),
          stop_(std::move(stop)),
          emptyPiece_(emptyPiece) {
        for (std::size_t cell = 0; cell < pieces_.size(); ++cell) {
            cellOf_[pieces_[cell]] = static_cast<int>(cell);
        }
    }

    // Fixes edges until the region left holds at most `maxCells` cells; false if stopped.
    bool reduce(int maxCells) {
        const int emptyColumn = emptyPiece_ % columns_;
        const int emptyRow = emptyPiece_ / columns_;
        while ((right_ - left_) * (bottom_ - top_) > maxCells) {
            // The edge taken is across the longer side, away from the empty cell's goal.
            const bool takeRow = bottom_ - top_ >= right_ - left_;
            std::vector<int> line;
            if (takeRow) {
                const int row = emptyRow == top_ ? bottom_ - 1 : top_;
                for (int column = left_; column < right_; ++column) {
                    line.push_back(row * columns_ + column);
                }
            } else {
                const int column = emptyColumn == left_ ? right_ - 1 : left_;
                for (int row = top_; row < bottom_; ++row) {
                    line.push_back(row * columns_ + column);
                }
            }
            if (!fixLineBestOf(line)) {
                return false;
            }
            if (takeRow) {
                (emptyRow == top_ ? bottom_ : top_) += emptyRow == top_ ? -1 : 1;
            } else {
                (emptyColumn == left_ ? right_ : left_) += emptyColumn == left_ ? -1 : 1;
            }
        }
        return true;
    }

    // The region left, as its own board in goal terms, and a map from its cells to the board's.
    std::vector<int> corner(std::vector<int>& boardCells) const {
        std::vector<int> corner;
        boardCells.clear();
        for (int row = top_; row < bottom_; ++row) {
            for (int column = left_; column < right_; ++column) {
                corner.push_back(toCorner(pieces_[row * columns_ + column]));
                boardCells.push_back(row * columns_ + column);
            }
        }
        return corner;
    }

    int toCorner(int cell) const {
        return (cell / columns_ - top_) * (right_ - left_) + cell % columns_ - left_;
    }

    int cornerColumns() const { return right_ - left_; }
    int cornerRows() const { return bottom_ - top_; }
    const std::vector<int>& path() const { return path_; }

private:
    struct Step {
        std::uint64_t previous;
        int moves;
    };

    static constexpr int kCellBits = 7;
    static constexpr std::uint64_t kCellMask = (1u << kCellBits) - 1;

    // A line is fixed in pairs from one end; the last two cells go together because the last
    // piece of a line cannot be put in place alone without moving the one before it.
    // Fixing a line can go several ways: from either end, in single pieces or pairs (or threes
    // on small regions). Each way is tried on a copy and the shortest kept.
    bool fixLineBestOf(const std::vector<int>& line) {
        std::optional<EdgeReduction> best;
        const std::vector<int> reversed(line.rbegin(), line.rend());
        const int maxGroup = (right_ - left_) * (bottom_ - top_) <= kMaxCellsForThrees ? 3 : 2;
        for (int groupSize = 1; groupSize <= maxGroup; ++groupSize) {
            for (const auto* order : {&line, &reversed}) {
                EdgeReduction trial = *this;
                if (!trial.fixLine(*order, groupSize)) {
                    return false;
                }
                if (!best || trial.path_.size() < best->path_.size()) {
                    best = std::move(trial);
                }
            }
        }
        *this = std::move(*best);
        return true;
    }

    // Groups of `groupSize` from the line's start; the last group holds the last two cells,
    // because the last piece of a line cannot be put in place alone without moving the one
    // before it.
    bool fixLine(const std::vector<int>& line, int groupSize) {
        const int count = static_cast<int>(line.size());
        std::vector<std::vector<int>> groups;
        int i = (count - 2) % groupSize;
        if (i > 0) {
            groups.emplace_back(line.begin(), line.begin() + i);
        }
        for (; i < count - 2; i += groupSize) {
            groups.emplace_back(line.begin() + i, line.begin() + i + groupSize);
        }
        groups.push_back({line[count - 2], line[count - 1]});
        for (std::size_t g = 0; g < groups.size(); ++g) {
            const int follower =
                g + 1 < groups.size() && groups[g].size() == 1 ? groups[g + 1][0] : -1;
            if (!fixGroup(groups[g], follower)) {
                return false;
            }
        }
        return true;
    }

    bool inRegion(int cell) const {
        const int column = cell % columns_;
        const int row = cell / columns_;
        return column >= left_ && column < right_ && row >= top_ && row < bottom_ && !fixed_[cell];
    }

    int neighbours(int cell, int* out) const {
        int count = 0;
        const int column = cell % columns_;
        const int candidates[4] = {cell >= columns_ ? cell - columns_ : -1,
                                   column > 0 ? cell - 1 : -1,
                                   column < columns_ - 1 ? cell + 1 : -1,
                                   cell + columns_ < columns_ * rows_ ? cell + columns_ : -1};
        for (int next : candidates) {
            if (next >= 0 && inRegion(next)) {
                out[count++] = next;
            }
        }
        return count;
    }

    // Moves from (piece cell, empty cell) to the piece's goal cell, the other pieces ignored:
    // a breadth-first search back from every state with the piece home.
    std::vector<int> pieceDistances(int goalCell) const {
        const int cells = columns_ * rows_;
        std::vector<int> distance(cells * cells, -1);
        std::vector<int> queue;
        for (int empty = 0; empty < cells; ++empty) {
            if (empty != goalCell && inRegion(empty)) {
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
    // follower (the next piece to fix) only adds its own distance home at the end, so among
    // equally short ways the search takes one that also brings the follower near.
    bool fixGroup(const std::vector<int>& group, int follower) {
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
        const auto pack = [&](const int* at, int empty) {
            std::uint64_t key = static_cast<std::uint64_t>(empty);
            for (int i = 0; i < count; ++i) {
                key |= static_cast<std::uint64_t>(at[i]) << (kCellBits * (i + 1));
            }
            return key;
        };
        const auto estimate = [&](const int* at, int empty) {
            int most = 0;
            for (int i = 0; i < mustHome; ++i) {
                most = std::max(most, distances[i][at[i] * cells + empty]);
            }
            return most;
        };
        // Reaching a state with the group home is a step to a finish node that costs the
        // follower's distance; the search ends when a finish node is taken from the queue.
        const std::uint64_t kFinish = 1ull << 63;
        const auto followerCost = [&](const int* at, int empty) {
            if (follower < 0) {
                return 0;
            }
            const int d = distances[mustHome][at[mustHome] * cells + empty];
            return d < 0 ? 0 : d * kFollowerWeightQuarters / 4;
        };

        int at[8];
        for (int i = 0; i < count; ++i) {
            at[i] = cellOf_[tracked[i]];
        }
        const int startEmpty = cellOf_[emptyPiece_];
        const std::uint64_t start = pack(at, startEmpty);
        std::unordered_map<std::uint64_t, Step> seen;
        seen.reserve(1 << 12);
        seen[start] = {start, 0};
        std::vector<std::vector<std::uint64_t>> open(1);
        open[0].push_back(start);
        const auto push = [&](std::uint64_t key, std::size_t score) {
            if (score >= open.size()) {
                open.resize(score + 1);
            }
            open[score].push_back(key);
        };
        std::uint64_t goal = 0;
        bool found = false;
        std::uint64_t expanded = 0;
        for (std::size_t bucket = 0; bucket < open.size();) {
            if (open[bucket].empty()) {
                ++bucket;
                continue;
            }
            const std::uint64_t entry = open[bucket].back();
            open[bucket].pop_back();
            if (entry & kFinish) {
                goal = entry & ~kFinish;
                found = true;
                break;
            }
            const std::uint64_t key = entry;
            const int empty = static_cast<int>(key & kCellMask);
            for (int i = 0; i < count; ++i) {
                at[i] = static_cast<int>((key >> (kCellBits * (i + 1))) & kCellMask);
            }
            const int moves = seen[key].moves;
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
                const std::uint64_t nextKey = pack(moved, next[n]);
                auto [item, added] = seen.try_emplace(nextKey, Step{key, moves + 1});
                if (!added) {
                    if (item->second.moves <= moves + 1) {
                        continue;
                    }
                    item->second = {key, moves + 1};
                }
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
        for (std::uint64_t key = goal; key != start; key = seen[key].previous) {
            route.push_back(static_cast<int>(key & kCellMask));
        }
        for (auto it = route.rbegin(); it != route.rend(); ++it) {
            slide(*it);
        }
        for (int goalCell : group) {
            fixed_[goalCell] = true;
        }
        return true;
    }

    void slide(int to) {
        const int from = cellOf_[emptyPiece_];
        const int piece = pieces_[to];
        pieces_[from] = piece;
        cellOf_[piece] = from;
        pieces_[to] = emptyPiece_;
        cellOf_[emptyPiece_] = to;
        path_.push_back(to);
    }

    int columns_, rows_;
    std::vector<int> pieces_;  // cell -> goal cell of the piece on it
    std::vector<int> cellOf_;  // goal cell of a piece -> its cell now
    std::vector<bool> fixed_;
    std::stop_token stop_;
    int emptyPiece_;
    int left_ = 0, top_ = 0;
    int right_ = columns_, bottom_ = rows_;
    std::vector<int> path_;
};

}  // namespace

bool isSolvable(const SolverBoard& board, const SolverBoard& goal) {
    checkBoards(board, goal);
    std::vector<int> pieces = inGoalTerms(board, goal);
    const int empty = static_cast<int>(
        std::find(board.cells.begin(), board.cells.end(), 0) - board.cells.begin());
    const int emptyGoal = pieces[empty];
    const int distance = std::abs(empty % board.columns - emptyGoal % board.columns) +
                         std::abs(empty / board.columns - emptyGoal / board.columns);
    int swaps = 0;
    for (int cell = 0; cell < static_cast<int>(pieces.size()); ++cell) {
        while (pieces[cell] != cell) {
            std::swap(pieces[cell], pieces[pieces[cell]]);
            ++swaps;
        }
    }
    return swaps % 2 == distance % 2;
}

Solver::Solver() = default;
Solver::~Solver() = default;

std::size_t Solver::tableBytes() const {
    std::lock_guard lock(mutex_);
    std::size_t total = 0;
    for (const auto& [key, tables] : tables_) {
        total += tables->bytes();
    }
    return total;
}

std::shared_ptr<const PatternDatabases> Solver::databases(int columns, int rows,
                                                          int emptyGoalCell) const {
    std::lock_guard lock(mutex_);
    auto& tables = tables_[{columns, rows, emptyGoalCell}];
    if (!tables) {
        tables = std::make_shared<const PatternDatabases>(columns, rows, emptyGoalCell);
    }
    return tables;
}

Solution Solver::solve(const SolverBoard& board, const SolverBoard& goal,
                       std::stop_token stop) const {
    Solution solution;
    if (!isSolvable(board, goal)) {
        solution.solvable = false;
        return solution;
    }
    const int columns = board.columns;
    const int rows = board.rows;
    std::vector<int> pieces = inGoalTerms(board, goal);
    const int emptyGoal = goalCells(goal)[0];

    if (columns * rows <= kMaxExactCells) {
        const auto outcome = searchShortest(*databases(columns, rows, emptyGoal), pieces, stop,
                                            std::numeric_limits<std::uint64_t>::max(),
                                            solution.emptyCellPath);
        solution.shortest = outcome == ExactSearchOutcome::Solved;
        solution.stopped = outcome == ExactSearchOutcome::Stopped;
        return solution;
    }

    EdgeReduction reduction(columns, rows, std::move(pieces), emptyGoal, stop);
    const bool largeFinish = columns * rows <= kMaxCellsForLargeFinish;
    if (!reduction.reduce(largeFinish ? kLargeFinishCells : kSmallFinishCells)) {
        solution.stopped = true;
        return solution;
    }
    for (;;) {
        const int cornerColumns = reduction.cornerColumns();
        const int cornerRows = reduction.cornerRows();
        const bool fourByFour = cornerColumns == 4 && cornerRows == 4;
        if (cornerColumns * cornerRows > kSmallFinishCells && !fourByFour) {
            // 3 x 5 and 5 x 3 tables take seconds to build; one more edge avoids them.
            if (!reduction.reduce(kSmallFinishCells)) {
                solution.stopped = true;
                return solution;
            }
            continue;
        }
        std::vector<int> boardCells;
        const std::vector<int> corner = reduction.corner(boardCells);
        const auto tables =
            databases(cornerColumns, cornerRows, reduction.toCorner(emptyGoal));
        std::vector<int> cornerPath;
        const auto outcome =
            searchShortest(*tables, corner, stop,
                           fourByFour ? kLargeFinishNodeBudget
                                      : std::numeric_limits<std::uint64_t>::max(),
                           cornerPath);
        if (outcome == ExactSearchOutcome::Stopped) {
            solution.stopped = true;
            return solution;
        }
        if (outcome == ExactSearchOutcome::OverBudget) {
            if (!reduction.reduce(kSmallFinishCells)) {
                solution.stopped = true;
                return solution;
            }
            continue;
        }
        solution.emptyCellPath = reduction.path();
        for (int cell : cornerPath) {
            solution.emptyCellPath.push_back(boardCells[cell]);
        }
        break;
    }
    return solution;
}

}  // namespace mosaic
