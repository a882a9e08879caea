#pragma once

// Finds move sequences that take a board to a goal board. Grids of at most 16 cells get a
// shortest solution; larger grids are brought down edge by edge to a small corner, which is then
// solved exactly, giving a solution close to the shortest. The solver knows nothing of goal
// orders: the caller passes the goal board.

#include <cstddef>
#include <map>
#include <memory>
#include <mutex>
#include <stop_token>
#include <tuple>
#include <vector>

namespace mosaic {

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

// Safe to use from several threads at once. Its tables are built on first need and kept, at
// most one set per (grid size, empty goal cell); all together stay under 40 MB.
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
    std::shared_ptr<const PatternDatabases> databases(int columns, int rows,
                                                      int emptyGoalCell) const;

    mutable std::mutex mutex_;
    mutable std::map<std::tuple<int, int, int>, std::shared_ptr<const PatternDatabases>> tables_;
};

}  // namespace mosaic
