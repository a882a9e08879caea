// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Finds move sequences that take a board to a goal board. Grids of at most 16 cells get a
// shortest solution. Larger grids get a short one: whole-board beam searches carry many pieces
// toward their cells at once, then the edges are fixed line by line down to a corner of 12 or
// 16 cells, which is solved exactly. The solver knows nothing of goal orders: the caller passes
// the goal board.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <stop_token>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

namespace mosaic {

class EdgeReduction;
class PatternDatabases;
enum class ExactSearchOutcome;
struct SolveLimits;

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

// How a solve may run: until `stop`, and by `deadline`, after which it plays safe.
struct SolveLimits {
    std::stop_token stop;
    std::chrono::steady_clock::time_point deadline = std::chrono::steady_clock::time_point::max();

    bool budgeted() const { return deadline != std::chrono::steady_clock::time_point::max(); }
    bool pastDeadline() const { return budgeted() && std::chrono::steady_clock::now() >= deadline; }
};

// Whether any sequence of moves takes `board` to `goal`: the permutation parity of the pieces
// must match the parity of the empty cell's distance to its goal cell.
bool isSolvable(const SolverBoard& board, const SolverBoard& goal);

// Where the solver keeps its tables between runs, by name; the files layer keeps them in the
// user's cache folder. What it reads is checked before use, so it may hand back anything.
class TableStore {
public:
    virtual ~TableStore() = default;
    // The bytes stored under `name`; nothing if there are none or more than `maxBytes`.
    virtual std::optional<std::vector<std::uint8_t>> read(const std::string& name,
                                                          std::size_t maxBytes) = 0;
    // Replaces what is stored under `name` whole, or leaves it as it was; false on failure.
    virtual bool write(const std::string& name, std::span<const std::uint8_t> bytes) = 0;
};

struct SolverOptions {
    // The tables and beam selection this solver had first (4 x 4 split into 2 x 3 blocks,
    // densely indexed, one set per corner; beams kept by comparisons), for benchmarks that set
    // the old and the new side by side.
    bool legacy = false;
};

// Safe to use from several threads at once. Its tables are built on first need (or read from
// the store) and kept, one set per (grid size, empty goal cell), each behind its own lock, so a
// solve never waits for another grid's tables. A board whose empty goal cell is in a corner is
// flipped so that it is bottom right, and all four corners share one set (4 x 4: 33.6 MB,
// built in about 5.6 s; 5 x 5: 25.8 MB, 11 s; 3 x 5 and 5 x 3: 7.2 MB each, about 3 s; 3 x 4
// and 4 x 3: 0.8 MB each, 0.3 s; 3 x 3: 0.4 MB). A build needs up to 38 MB more while it runs
// (5 x 5: 26 MB). The sets kept at once come to 64 MB at most: the least recently used go first.
class Solver {
public:
    Solver();
    explicit Solver(std::shared_ptr<TableStore> store, SolverOptions options = {});
    ~Solver();
    Solver(const Solver&) = delete;
    Solver& operator=(const Solver&) = delete;

    // Grids 3..10 on each side. Throws std::invalid_argument if the boards do not hold the same
    // pieces on a grid of that size. `stop` is checked while searching. With a `budget`, the
    // solve ends within it (give or take a few milliseconds) with the best solution found: the
    // shortest if it was proven in time, otherwise a near-shortest one (shortest = false), and
    // tables that take long to build are built on a worker of low priority meanwhile. A solve
    // of a board that another solve is working on waits for that one's solution (within its
    // own budget) instead of searching again, and the last few solutions are kept.
    Solution solve(const SolverBoard& board, const SolverBoard& goal, std::stop_token stop = {},
                   std::optional<std::chrono::milliseconds> budget = std::nullopt) const;

    // Bytes held by the tables built so far.
    std::size_t tableBytes() const;
    // How many table sets this solver built (rather than read from its store).
    int tablesBuilt() const;

private:
    struct TableSlot;
    struct Pending;

    // Both ways round on grids three cells thin, keeping the shorter.
    Solution solveNearShortest(const SolverBoard& board, const SolverBoard& goal,
                               const SolveLimits& limits) const;
    // A 5 x 5 board's solution by beam searches guided by that grid's tables; nothing if
    // stopped, past the budget, or the tables are not ready.
    std::optional<std::vector<int>> beamOnWholeBoardTables(const std::vector<int>& pieces,
                                                           int emptyGoal,
                                                           const SolveLimits& limits) const;
    // Reads or builds, before a budgeted solve's search, the tables of the 12-cell corners that
    // the solve may finish on: side by side when both may be needed.
    void readyCornerTables(int columns, int rows, int emptyGoal, const SolveLimits& limits) const;
    Solution solveAsLaidOut(const SolverBoard& board, const SolverBoard& goal,
                            const SolveLimits& limits) const;
    Solution solveExactly(int columns, int rows, const std::vector<int>& pieces, int emptyGoal,
                          const SolveLimits& limits) const;

    // The path of `reduction` followed by its corner's exact solution; empty if stopped, or if
    // the corner takes long to search and this is not the `first` candidate (the first then
    // gives up its corner to one more edge).
    // Shortest solution of a board of at most 16 cells, flipped so that its empty goal cell is
    // bottom right when it is in a corner; nothing if the tables are not ready.
    std::optional<ExactSearchOutcome> searchExact(int columns, int rows,
                                                  const std::vector<int>& pieces, int emptyGoal,
                                                  const SolveLimits& limits,
                                                  std::uint64_t nodeBudget, std::vector<int>& path,
                                                  std::chrono::steady_clock::time_point deadline,
                                                  int weightTenths = 10) const;
    std::optional<std::vector<int>> finish(EdgeReduction reduction, int emptyGoal, bool first,
                                           const std::function<int(const EdgeReduction&)>& estimate,
                                           const SolveLimits& limits) const;
    // The tables of a grid; null if stopped or past `deadline` while another builds them, or if
    // `wait` is false and they are neither built nor stored (a build then starts on a worker,
    // if `buildOnWorker`).
    std::shared_ptr<const PatternDatabases> databases(
        int columns, int rows, int emptyGoalCell, const std::stop_token& stop, bool wait = true,
        std::chrono::steady_clock::time_point deadline =
            std::chrono::steady_clock::time_point::max(),
        bool buildOnWorker = true) const;
    std::shared_ptr<TableSlot> slot(int columns, int rows, int emptyGoalCell) const;
    // Lets go of the least recently used other tables while all come to more than 64 MB.
    void makeRoomFor(TableSlot& added) const;
    // Reads or builds the slot's tables; the caller holds its lock.
    void fill(TableSlot& slot, int columns, int rows, int emptyGoalCell,
              const std::stop_token& stop, bool build) const;

    std::shared_ptr<TableStore> store_;
    SolverOptions options_;
    mutable std::mutex mutex_;  // guards the maps below, never held while searching or building
    mutable std::map<std::tuple<int, int, int>, std::shared_ptr<TableSlot>> tables_;
    mutable std::map<std::vector<int>, std::weak_ptr<Pending>> pending_;
    mutable std::vector<std::pair<std::vector<int>, Solution>> finished_;  // newest last
    mutable int tablesBuilt_ = 0;
    mutable std::uint64_t uses_ = 0;  // counts requests for tables, to find the least recent
    mutable std::vector<std::jthread> builders_;  // last: they go first
};

}  // namespace mosaic
