// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Finds move sequences that take a board to a goal board. Grids of at most 16 cells get a
// shortest solution. Larger grids get a short one: whole-board beam searches carry many pieces
// toward their cells at once, then the edges are fixed line by line down to a corner of 12 or
// 16 cells, which is solved exactly. The solver knows nothing of goal orders: the caller passes
// the goal board.

#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <stop_token>
#include <tuple>
#include <vector>

namespace mosaic {

class EdgeReduction;
class PatternDatabases;

// A board as the solver sees it: `cells` is row-major, 1..columns*rows-1 are pieces, 0 is empty.
struct SolverBoard {
    int columns = 0;
    int rows = 0;
    std::vector<int> cells;
};

struct Solution {
    // The cell the empty cell moves into at each move; the piece on that cell slides into the
    // cell the empty cell left.
    std::vector<int> emptyCellPath;
    bool solvable = true;   // false: no sequence of moves reaches the goal
    bool shortest = false;  // no shorter solution exists
    bool stopped = false;   // the caller asked the solver to stop; the path is empty
};

// Whether any sequence of moves takes `board` to `goal`: the permutation parity of the pieces
// must match the parity of the empty cell's distance to its goal cell.
bool isSolvable(const SolverBoard& board, const SolverBoard& goal);

// Safe to use from several threads at once. Its tables are built on first need and kept, one set
// per (grid size, empty goal cell); with the empty cell's goal in the bottom-right corner they
// come to 22 MB at most (4 x 4: 5.8 MB, built in about 2.5 s; 3 x 5 and 5 x 3: 7.2 MB each,
// about 3 s; 3 x 4 and 4 x 3: 0.8 MB each, 0.3 s), and a build needs up to 35 MB more while it
// runs.
class Solver {
public:
    Solver();
    ~Solver();
    Solver(const Solver&) = delete;
    Solver& operator=(const Solver&) = delete;

    // Grids 3..10 on each side. Throws std::invalid_argument if the boards do not hold the same
    // pieces on a grid of that size. `stop` is checked while searching.
    Solution solve(const SolverBoard& board, const SolverBoard& goal,
                   std::stop_token stop = {}) const;

    // Bytes held by the tables built so far.
    std::size_t tableBytes() const;

private:
    // Both ways round on grids three cells thin, keeping the shorter.
    Solution solveNearShortest(const SolverBoard& board, const SolverBoard& goal,
                               std::stop_token stop) const;
    Solution solveAsLaidOut(const SolverBoard& board, const SolverBoard& goal,
                            std::stop_token stop) const;

    // The path of `reduction` followed by its corner's exact solution; empty if stopped, or if
    // the corner takes long to search and this is not the `first` candidate (the first then
    // gives up its corner to one more edge).
    std::optional<std::vector<int>> finish(EdgeReduction reduction, int emptyGoal, bool first,
                                           const std::function<int(const EdgeReduction&)>& estimate,
                                           const std::stop_token& stop) const;
    std::shared_ptr<const PatternDatabases> databases(int columns, int rows,
                                                      int emptyGoalCell) const;

    mutable std::mutex mutex_;
    mutable std::map<std::tuple<int, int, int>, std::shared_ptr<const PatternDatabases>> tables_;
};

}  // namespace mosaic
