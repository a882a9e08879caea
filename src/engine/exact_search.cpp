// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/exact_search.h"

#include <algorithm>
#include <array>
#include <limits>
#include <utility>

namespace mosaic {

namespace {

constexpr int kMaxCells = PatternDatabases::kMaxCells;
constexpr int kMaxGroups = kMaxCells;
constexpr std::uint64_t kStopCheckInterval = 4096;
constexpr std::uint64_t kClockCheckInterval = 4 * kStopCheckInterval;  // about every millisecond

class IdaStar {
public:
    IdaStar(const PatternDatabases& databases, const std::vector<int>& board, std::stop_token stop,
            std::uint64_t nodeBudget, std::chrono::steady_clock::time_point deadline)
        : db_(databases), stop_(std::move(stop)), nodeBudget_(nodeBudget), deadline_(deadline) {
        const int columns = db_.columns();
        cells_ = columns * db_.rows();
        emptyPiece_ = db_.emptyGoalCell();
        for (int cell = 0; cell < cells_; ++cell) {
            board_[cell] = board[cell];
            cellOf_[board[cell]] = cell;
            const int column = cell % columns;
            int count = 0;
            // Fixed order (up, left, right, down) keeps runs repeatable.
            if (cell >= columns) {
                neighbours_[cell][count++] = cell - columns;
            }
            if (column > 0) {
                neighbours_[cell][count++] = cell - 1;
            }
            if (column < columns - 1) {
                neighbours_[cell][count++] = cell + 1;
            }
            if (cell + columns < cells_) {
                neighbours_[cell][count++] = cell + columns;
            }
            neighbourCount_[cell] = count;
            mirror_[cell] = column * columns + cell / columns;
        }
        // On a square grid whose empty goal cell lies on the diagonal, the board mirrored about
        // the diagonal needs as many moves, so the larger of the two estimates is still a bound.
        useMirror_ = columns == db_.rows() && mirror_[emptyPiece_] == emptyPiece_;
        for (int group = 0; group < db_.groupCount(); ++group) {
            refresh(group);
            if (useMirror_) {
                refreshMirrored(group);
            }
        }
    }

    int estimate() const {
        int sum = 0;
        int mirroredSum = 0;
        for (int group = 0; group < db_.groupCount(); ++group) {
            sum += bounds_[group];
            mirroredSum += mirroredBounds_[group];
        }
        return std::max(sum, mirroredSum);
    }

    ExactSearchOutcome run(std::vector<int>& path) {
        path_.clear();
        const int empty = cellOf_[emptyPiece_];
        int bound = estimate();
        for (;;) {
            int nextBound = std::numeric_limits<int>::max();
            if (descend(empty, -1, 0, bound, nextBound)) {
                path = path_;
                return ExactSearchOutcome::Solved;
            }
            if (outcome_ != ExactSearchOutcome::Solved) {
                return outcome_;
            }
            bound = nextBound;
        }
    }

private:
    void refresh(int group) {
        int cells[kMaxCells];
        const auto& pieces = db_.piecesOf(group);
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            cells[i] = cellOf_[pieces[i]];
        }
        bounds_[group] = db_.lowerBound(group, cells);
    }

    // The mirrored board has piece mirror(p) on cell mirror(c) wherever piece p is on cell c.
    void refreshMirrored(int group) {
        int cells[kMaxCells];
        const auto& pieces = db_.piecesOf(group);
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            cells[i] = mirror_[cellOf_[mirror_[pieces[i]]]];
        }
        mirroredBounds_[group] = db_.lowerBound(group, cells);
    }

    void slide(int piece, int to) {
        cellOf_[piece] = to;
        board_[to] = piece;
        refresh(db_.groupOf(piece));
        if (useMirror_) {
            refreshMirrored(db_.groupOf(mirror_[piece]));
        }
    }

    bool descend(int empty, int previous, int moves, int bound, int& nextBound) {
        const int total = moves + estimate();
        if (total > bound) {
            nextBound = std::min(nextBound, total);
            return false;
        }
        if (total == moves) {
            return true;  // every group is home, so the board is solved
        }
        if (++nodes_ % kStopCheckInterval == 0) {
            if (stop_.stop_requested()) {
                outcome_ = ExactSearchOutcome::Stopped;
                return false;
            }
            if (nodes_ > nodeBudget_ || (nodes_ % kClockCheckInterval == 0 &&
                                         std::chrono::steady_clock::now() >= deadline_)) {
                outcome_ = ExactSearchOutcome::OverBudget;
                return false;
            }
        }
        for (int i = 0; i < neighbourCount_[empty]; ++i) {
            const int next = neighbours_[empty][i];
            if (next == previous) {
                continue;
            }
            const int piece = board_[next];
            slide(piece, empty);
            board_[next] = emptyPiece_;
            cellOf_[emptyPiece_] = next;
            path_.push_back(next);
            if (descend(next, empty, moves + 1, bound, nextBound)) {
                return true;
            }
            path_.pop_back();
            slide(piece, next);
            board_[empty] = emptyPiece_;
            cellOf_[emptyPiece_] = empty;
            if (outcome_ != ExactSearchOutcome::Solved) {
                return false;
            }
        }
        return false;
    }

    const PatternDatabases& db_;
    std::stop_token stop_;
    std::uint64_t nodeBudget_;
    std::chrono::steady_clock::time_point deadline_;
    std::uint64_t nodes_ = 0;
    ExactSearchOutcome outcome_ = ExactSearchOutcome::Solved;
    int cells_ = 0;
    int emptyPiece_ = 0;
    bool useMirror_ = false;
    std::array<int, kMaxCells> board_{};
    std::array<int, kMaxCells> cellOf_{};
    std::array<int, kMaxCells> mirror_{};
    std::array<std::array<int, 4>, kMaxCells> neighbours_{};
    std::array<int, kMaxCells> neighbourCount_{};
    std::array<int, kMaxGroups> bounds_{};
    std::array<int, kMaxGroups> mirroredBounds_{};
    std::vector<int> path_;
};

}  // namespace

ExactSearchOutcome searchShortest(const PatternDatabases& databases, const std::vector<int>& board,
                                  std::stop_token stop, std::uint64_t nodeBudget,
                                  std::vector<int>& emptyCellPath,
                                  std::chrono::steady_clock::time_point deadline) {
    IdaStar search(databases, board, std::move(stop), nodeBudget, deadline);
    return search.run(emptyCellPath);
}

int lowerBound(const PatternDatabases& databases, const std::vector<int>& board) {
    return IdaStar(databases, board, {}, 0, {}).estimate();
}

}  // namespace mosaic
