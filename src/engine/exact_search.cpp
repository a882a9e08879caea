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
thread_local std::uint64_t threadNodes = 0;
constexpr std::uint64_t kClockCheckInterval = 4 * kStopCheckInterval;  // about every millisecond

class IdaStar {
public:
    IdaStar(const PatternDatabases& databases, const std::vector<int>& board, std::stop_token stop,
            std::uint64_t nodeBudget, std::chrono::steady_clock::time_point deadline,
            int weightTenths = 10)
        : db_(databases),
          stop_(std::move(stop)),
          nodeBudget_(nodeBudget),
          deadline_(deadline),
          weightTenths_(weightTenths) {
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
        // With tables indexed by 4 bits a cell, a move changes one digit of two indices: the
        // search keeps the indices and the sums rather than recounting them at every position.
        incremental_ = db_.plainTables();
        if (incremental_) {
            for (int group = 0; group < db_.groupCount(); ++group) {
                tables_[group] = db_.table(group);
                for (int piece : db_.piecesOf(group)) {
                    const auto shift = static_cast<unsigned>(db_.shiftOf(piece));
                    indices_[group] += std::uint32_t(cellOf_[piece]) << shift;
                    mirroredIndices_[group] += std::uint32_t(mirror_[cellOf_[mirror_[piece]]])
                                               << shift;
                }
                sum_ += bounds_[group];
                mirroredSum_ += mirroredBounds_[group];
            }
            for (int piece = 0; piece < cells_; ++piece) {
                shifts_[piece] = piece == emptyPiece_ ? 0 : db_.shiftOf(piece);
            }
        }
    }

    int estimate() const {
        if (incremental_) {
            return std::max(sum_, mirroredSum_);
        }
        int sum = 0;
        int mirroredSum = 0;
        for (int group = 0; group < db_.groupCount(); ++group) {
            sum += bounds_[group];
            mirroredSum += mirroredBounds_[group];
        }
        return std::max(sum, mirroredSum);
    }

    std::uint64_t nodes() const { return nodes_; }

    ExactSearchOutcome run(std::vector<int>& path) {
        path_.clear();
        const int empty = cellOf_[emptyPiece_];
        int bound = weightTenths_ * estimate();
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
        const int from = cellOf_[piece];
        cellOf_[piece] = to;
        board_[to] = piece;
        if (incremental_) {
            const int group = db_.groupOf(piece);
            const auto shift = static_cast<unsigned>(shifts_[piece]);
            indices_[group] += (std::uint32_t(to) << shift) - (std::uint32_t(from) << shift);
            const int bound = tables_[group][indices_[group]];
            sum_ += bound - bounds_[group];
            bounds_[group] = bound;
            if (useMirror_) {
                const int image = mirror_[piece];
                const int imageGroup = db_.groupOf(image);
                const auto imageShift = static_cast<unsigned>(shifts_[image]);
                mirroredIndices_[imageGroup] += (std::uint32_t(mirror_[to]) << imageShift) -
                                                (std::uint32_t(mirror_[from]) << imageShift);
                const int mirrored = tables_[imageGroup][mirroredIndices_[imageGroup]];
                mirroredSum_ += mirrored - mirroredBounds_[imageGroup];
                mirroredBounds_[imageGroup] = mirrored;
            }
            return;
        }
        refresh(db_.groupOf(piece));
        if (useMirror_) {
            refreshMirrored(db_.groupOf(mirror_[piece]));
        }
    }

    // Costs are in tenths of a move: the estimate counts `weightTenths_` tenths a move.
    bool descend(int empty, int previous, int moves, int bound, int& nextBound) {
        const int left = estimate();
        const int total = 10 * moves + weightTenths_ * left;
        if (total > bound) {
            nextBound = std::min(nextBound, total);
            return false;
        }
        if (left == 0) {
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
    int weightTenths_;
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
    bool incremental_ = false;
    int sum_ = 0;
    int mirroredSum_ = 0;
    std::array<std::uint32_t, kMaxGroups> indices_{};
    std::array<std::uint32_t, kMaxGroups> mirroredIndices_{};
    std::array<const std::uint8_t*, kMaxGroups> tables_{};
    std::array<int, kMaxCells> shifts_{};
    std::vector<int> path_;
};

}  // namespace

ExactSearchOutcome searchShortest(const PatternDatabases& databases, const std::vector<int>& board,
                                  std::stop_token stop, std::uint64_t nodeBudget,
                                  std::vector<int>& emptyCellPath,
                                  std::chrono::steady_clock::time_point deadline) {
    IdaStar search(databases, board, std::move(stop), nodeBudget, deadline);
    const ExactSearchOutcome outcome = search.run(emptyCellPath);
    threadNodes += search.nodes();
    return outcome;
}

ExactSearchOutcome searchNearShortest(const PatternDatabases& databases,
                                      const std::vector<int>& board, std::stop_token stop,
                                      int weightTenths, std::vector<int>& emptyCellPath,
                                      std::chrono::steady_clock::time_point deadline) {
    IdaStar search(databases, board, std::move(stop), std::numeric_limits<std::uint64_t>::max(),
                   deadline, weightTenths);
    const ExactSearchOutcome outcome = search.run(emptyCellPath);
    threadNodes += search.nodes();
    return outcome;
}

std::uint64_t exactSearchNodes() {
    return threadNodes;
}

int lowerBound(const PatternDatabases& databases, const std::vector<int>& board) {
    return IdaStar(databases, board, {}, 0, {}).estimate();
}

}  // namespace mosaic
