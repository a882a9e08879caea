// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/solver.h"

#include "engine/edge_reduction.h"
#include "engine/exact_search.h"
#include "engine/pattern_database.h"
#include "engine/whole_board_beam.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <span>
#include <stdexcept>
#include <utility>

namespace mosaic {

namespace {

constexpr int kMinSide = 3;
constexpr int kMaxSide = 10;
constexpr int kMaxExactCells = 16;
// Large grids are brought down to a corner of at most 12 cells before the exact search: those
// tables build in well under a second and the search never takes long. Grids of up to 50 cells
// stop at a 4 x 4 corner instead, whose shortest finish saves a noticeable share of their moves;
// a 4 x 4 corner that would take long to search is cut down to 12 cells after all.
constexpr int kSmallFinishCells = 12;
constexpr int kLargeFinishCells = 16;
constexpr int kMaxCellsForLargeFinish = 50;
constexpr std::uint64_t kLargeFinishNodeBudget = 3'000'000;
// Candidates after the best by estimate get a tenth of that, and are dropped if it runs out.
constexpr std::uint64_t kLaterFinishNodeBudget = 300'000;
// Ways of fixing the edges carried side by side on grids up to 50 cells and above.
constexpr int kSmallGridCandidates = 8;
constexpr int kLargeGridCandidates = 3;
// Candidates finished exactly at the end: all of them on corners of 12 cells, which take well
// under a millisecond, and the best eight by estimate on 4 x 4 corners.
constexpr std::size_t kLargeCornerExactFinishes = 8;
// Moves per unit of distance home that fixing edges costs on average, in tenths.
constexpr int kFinishMovesPerDistance = 35;
// The whole-board beam searches: their width, the weights (in tenths, on top of 10) of the first
// edge's pieces, falling to none for the corner's, and the moves a unit of distance is worth
// where a search is cut.
constexpr int kBeamWidth = 1024;
constexpr int kWideBeamWidth = 4096;  // on grids of up to 30 cells, where it is cheap
constexpr int kMaxCellsForWideBeam = 30;
constexpr std::array kSmallGridExtraWeights{0, 30, 100};
constexpr std::array kLargeGridExtraWeights{30};
constexpr int kMovesPerDistance = 35;
// The beam search carried toward the goal (cut where the distance left is least), and the largest
// grids that get it.
constexpr int kAsFarAsItGets = 100'000;
constexpr int kMaxCellsForFullBeam = 64;

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
        throw std::invalid_argument(
            "solver boards must be the same grid of 3 to 10 a side, "
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

// The pieces' summed distances to their goal cells.
int distanceHome(const SolverBoard& board, const SolverBoard& goal) {
    const std::vector<int> pieces = inGoalTerms(board, goal);
    const int emptyGoal = goalCells(goal)[0];
    int sum = 0;
    for (int cell = 0; cell < static_cast<int>(pieces.size()); ++cell) {
        if (pieces[cell] != emptyGoal)
            sum += std::abs(cell % board.columns - pieces[cell] % board.columns) +
                   std::abs(cell / board.columns - pieces[cell] / board.columns);
    }
    return sum;
}

}  // namespace

bool isSolvable(const SolverBoard& board, const SolverBoard& goal) {
    checkBoards(board, goal);
    std::vector<int> pieces = inGoalTerms(board, goal);
    const int empty = static_cast<int>(std::find(board.cells.begin(), board.cells.end(), 0) -
                                       board.cells.begin());
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

std::optional<std::vector<int>> Solver::finish(
    EdgeReduction reduction, int emptyGoal, bool first,
    const std::function<int(const EdgeReduction&)>& estimate, const std::stop_token& stop) const {
    for (;;) {
        const Region& region = reduction.region();
        const auto tables =
            databases(region.columns(), region.rows(), reduction.toCorner(emptyGoal));
        std::vector<int> boardCells;
        std::vector<int> cornerPath;
        const bool budgeted = region.cells() > kSmallFinishCells;
        const std::uint64_t budget = !budgeted ? std::numeric_limits<std::uint64_t>::max()
                                     : first   ? kLargeFinishNodeBudget
                                               : kLaterFinishNodeBudget;
        const auto outcome =
            searchShortest(*tables, reduction.corner(boardCells), stop, budget, cornerPath);
        if (outcome == ExactSearchOutcome::Stopped) {
            return std::nullopt;
        }
        if (outcome == ExactSearchOutcome::Solved) {
            std::vector<int> path = reduction.path();
            for (int cell : cornerPath) {
                path.push_back(boardCells[cell]);
            }
            return path;
        }
        if (!first) {
            return std::nullopt;  // the first candidate stands in
        }
        // A 4 x 4 corner that takes long to search is cut down by one more edge.
        std::vector<EdgeReduction> smaller =
            reduceToCorner({reduction}, kSmallFinishCells, 1, estimate, stop);
        if (smaller.empty()) {
            return std::nullopt;
        }
        reduction = std::move(smaller.front());
    }
}

namespace {

// The board turned about its diagonal: columns become rows. A solution of the
// turned board is one of the board itself, each move turned back.
SolverBoard transposed(const SolverBoard& board) {
    SolverBoard turned{board.rows, board.columns, std::vector<int>(board.cells.size())};
    for (int row = 0; row < board.rows; ++row)
        for (int column = 0; column < board.columns; ++column)
            turned.cells[std::size_t(column * board.rows + row)] =
                board.cells[std::size_t(row * board.columns + column)];
    return turned;
}

}  // namespace

Solution Solver::solve(const SolverBoard& board, const SolverBoard& goal,
                       std::stop_token stop) const {
    Solution solution = solveNearShortest(board, goal, stop);
    // Every move carries one piece one cell, so a solution no longer than the pieces' summed
    // distances home is shortest, whatever the grid: near the goal that is often the case.
    if (solution.solvable && !solution.stopped &&
        solution.emptyCellPath.size() == std::size_t(distanceHome(board, goal)))
        solution.shortest = true;
    return solution;
}

Solution Solver::solveNearShortest(const SolverBoard& board, const SolverBoard& goal,
                                   std::stop_token stop) const {
    Solution solution = solveAsLaidOut(board, goal, stop);
    // On grids three cells thin the edge fixing suits one way of lying
    // better than the other from board to board: both are tried.
    const bool thin =
        std::min(board.columns, board.rows) == 3 && board.columns * board.rows > kMaxExactCells;
    if (!thin || !solution.solvable || solution.stopped)
        return solution;
    const Solution turned = solveAsLaidOut(transposed(board), transposed(goal), stop);
    if (turned.stopped || turned.emptyCellPath.size() >= solution.emptyCellPath.size())
        return solution;
    solution.emptyCellPath.clear();
    for (const int cell : turned.emptyCellPath)
        solution.emptyCellPath.push_back(cell % board.rows * board.columns + cell / board.rows);
    return solution;
}

Solution Solver::solveAsLaidOut(const SolverBoard& board, const SolverBoard& goal,
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
        const auto outcome =
            searchShortest(*databases(columns, rows, emptyGoal), pieces, stop,
                           std::numeric_limits<std::uint64_t>::max(), solution.emptyCellPath);
        solution.shortest = outcome == ExactSearchOutcome::Solved;
        solution.stopped = outcome == ExactSearchOutcome::Stopped;
        return solution;
    }

    // The edges are fixed from the board as it is (small grids only) and from where whole-board
    // beam searches leave it. Pieces of the first edges weigh more in those searches, since
    // those edges are fixed in the largest regions; on small grids a few weightings are tried,
    // as each suits other boards.
    const bool smallGrid = columns * rows <= kMaxCellsForLargeFinish;
    std::vector<EdgeReduction> starts;
    if (smallGrid) {
        starts.emplace_back(columns, rows, pieces, emptyGoal, stop);
    }
    const std::vector<int> lineOf = edgeLineOfCells(columns, rows, emptyGoal, kSmallFinishCells);
    const int lines = lineOf[emptyGoal];
    const std::span<const int> extraWeights = smallGrid
                                                  ? std::span<const int>(kSmallGridExtraWeights)
                                                  : std::span<const int>(kLargeGridExtraWeights);
    const auto beamStart = [&](const std::vector<int>& weight, int width, int movesPerDistance) {
        EdgeReduction start(columns, rows, pieces, emptyGoal, stop);
        for (int cell : beamTowardGoal(columns, rows, pieces, emptyGoal, weight, width,
                                       movesPerDistance, stop)) {
            start.slide(cell);
        }
        return start;
    };
    for (int extra : extraWeights) {
        std::vector<int> weight(lineOf.size());
        for (std::size_t piece = 0; piece < weight.size(); ++piece) {
            weight[piece] = 10 + extra * (lines - lineOf[piece]) / lines;
        }
        weight[emptyGoal] = 0;
        const int width = columns * rows <= kMaxCellsForWideBeam ? kWideBeamWidth : kBeamWidth;
        starts.push_back(beamStart(weight, width, kMovesPerDistance));
    }
    // Grids four or more cells a side and not too large also start from a beam search carried
    // as far toward the goal as it gets, all pieces weighing the same: on many boards it leaves
    // little for the edges to fix. On thin grids it does not pay, and on larger ones it is slow.
    if (std::min(columns, rows) >= 4 && columns * rows <= kMaxCellsForFullBeam) {
        std::vector<int> weight(lineOf.size(), 10);
        weight[emptyGoal] = 0;
        starts.push_back(beamStart(weight, kBeamWidth * 2, kAsFarAsItGets));
    }

    // Grids with 4 or more cells a side reach a 4 x 4 corner; on small ones its shortest finish
    // is worth the wait. Small grids also carry several ways of fixing the edges side by side,
    // judged by the corner's tables once they reach it.
    const bool largeFinish = smallGrid && std::min(columns, rows) >= 4;
    const auto estimate = [&](const EdgeReduction& reduction) {
        if (largeFinish && reduction.region().cells() == kLargeFinishCells) {
            std::vector<int> boardCells;
            return lowerBound(*databases(4, 4, reduction.toCorner(emptyGoal)),
                              reduction.corner(boardCells));
        }
        return kFinishMovesPerDistance * reduction.regionDistance() / 10;
    };
    const std::vector<EdgeReduction> reduced =
        reduceToCorner(starts, largeFinish ? kLargeFinishCells : kSmallFinishCells,
                       smallGrid ? kSmallGridCandidates : kLargeGridCandidates, estimate, stop);
    // The best few are finished exactly and the shortest whole solution kept.
    std::optional<std::vector<int>> best;
    const std::size_t finishes = largeFinish ? kLargeCornerExactFinishes : reduced.size();
    for (std::size_t i = 0; i < reduced.size() && i < finishes; ++i) {
        std::optional<std::vector<int>> path =
            finish(reduced[i], emptyGoal, i == 0, estimate, stop);
        if (stop.stop_requested()) {
            solution.stopped = true;
            return solution;
        }
        if (path && (!best || path->size() < best->size())) {
            best = std::move(path);
        }
    }
    if (!best) {
        solution.stopped = true;
        return solution;
    }
    solution.emptyCellPath = std::move(*best);
    return solution;
}

}  // namespace mosaic
