// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/solver.h"

#include "engine/edge_reduction.h"
#include "engine/exact_search.h"
#include "engine/pattern_database.h"
#include "engine/table_beam.h"
#include "engine/whole_board_beam.h"

#include <algorithm>
#include <array>
#include <condition_variable>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <span>
#include <stdexcept>
#include <utility>

#include <sys/resource.h>

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
// Grids this small are solved both ways round, as thin ones are.
constexpr int kMaxCellsBothWays = 25;
// Tables of grids this large take seconds to build: a solve with a budget does not wait for them.
constexpr int kMinCellsForSlowTables = 15;
// A budgeted exact search leaves this share of the budget, in tenths, to the near-shortest
// solution it falls back on.
constexpr int kFallbackTenths = 2;
// How often a solve waiting for another's build checks for a stop request.
constexpr auto kLockPoll = std::chrono::milliseconds(10);
// A budget this long waits for tables to be read or built rather than do without.
constexpr auto kTimeToWaitForTables = std::chrono::seconds(10);
// The near-shortest search that follows: its estimate's weight in tenths, and the time it leaves
// at the end of the budget.
constexpr std::array kWeightedSearchTenths{14, 12};
constexpr auto kWeightedSearchMargin = std::chrono::milliseconds(5);
// Ways of fixing the edges tried when a grid of up to 16 cells falls back on a 12-cell corner.
constexpr int kFallbackCandidates = 8;
// The beam searches guided by the 5 x 5 tables: a first one this wide, then one as wide as the
// rest of a budget allows (judged by the first's time, less a fifth to spare), at most the
// widest, which is also the width without a budget (a second; its scratch takes about 35 MB).
constexpr int kFirstTableBeamWidth = 4096;
constexpr int kWidestTableBeam = 49152;
constexpr int kTableBeamSpareTenths = 2;
// A beam past the end of the budget less this is given up, so that the solve ends within it.
constexpr auto kTableBeamMargin = std::chrono::milliseconds(30);
// The table sets kept at once come to at most this; the least recently used go first. Every
// set fits alone, and the largest two, 4 x 4's and 5 x 5's, fit together.
constexpr std::size_t kMaxTableBytes = 64'000'000;
// Solutions kept for boards solved again (the deal's analysis, then a hint).
constexpr std::size_t kFinishedKept = 4;

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

// A flip of the columns, the rows or both that takes a corner to the bottom-right one; each is
// its own inverse, so it also takes the bottom-right corner back.
struct CornerFlip {
    int columns = 0, rows = 0;
    bool flipColumns = false, flipRows = false;

    int operator()(int cell) const {
        const int column = cell % columns, row = cell / columns;
        return (flipRows ? rows - 1 - row : row) * columns +
               (flipColumns ? columns - 1 - column : column);
    }
    // A board in goal terms, flipped: the piece for goal cell g on cell c becomes the piece for
    // flip(g) on flip(c).
    std::vector<int> board(const std::vector<int>& pieces) const {
        std::vector<int> flipped(pieces.size());
        for (int cell = 0; cell < static_cast<int>(pieces.size()); ++cell)
            flipped[std::size_t((*this)(cell))] = (*this)(pieces[std::size_t(cell)]);
        return flipped;
    }
};

CornerFlip cornerFlip(int columns, int rows, int emptyGoal, bool enabled) {
    const int column = emptyGoal % columns, row = emptyGoal / columns;
    const bool corner = (column == 0 || column == columns - 1) && (row == 0 || row == rows - 1);
    if (!enabled || !corner)
        return {columns, rows, false, false};
    return {columns, rows, column == 0, row == 0};
}

// The one grid over 16 cells with tables of its own: 5 x 5, with the empty cell's goal in a corner.
bool hasWholeBoardTables(int columns, int rows, int emptyGoal) {
    return columns == 5 && rows == 5 && cornerFlip(5, 5, emptyGoal, true)(emptyGoal) == 24;
}

std::string tableName(int columns, int rows, int emptyGoal) {
    return "solver-tables-" + std::to_string(columns) + "x" + std::to_string(rows) + "-" +
           std::to_string(emptyGoal) + ".bin";
}

std::vector<int> boardKey(const SolverBoard& board, const SolverBoard& goal) {
    std::vector<int> key{board.columns, board.rows};
    key.insert(key.end(), board.cells.begin(), board.cells.end());
    key.insert(key.end(), goal.cells.begin(), goal.cells.end());
    return key;
}

}  // namespace

struct Solver::TableSlot {
    std::timed_mutex mutex;  // held while the tables are read or built
    std::shared_ptr<const PatternDatabases> tables;
    // Guarded by the solver's mutex: on a worker; the tables' size; when they were last asked for.
    bool building = false;
    std::size_t bytes = 0;
    std::uint64_t lastUse = 0;
};

// A solve under way that others of the same board wait for.
struct Solver::Pending {
    std::mutex mutex;
    std::condition_variable_any done;
    std::optional<Solution> solution;
};

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

Solver::Solver() : Solver(nullptr) {}

Solver::Solver(std::shared_ptr<TableStore> store, SolverOptions options)
    : store_(std::move(store)), options_(options) {}

Solver::~Solver() = default;

std::size_t Solver::tableBytes() const {
    std::vector<std::shared_ptr<TableSlot>> slots;
    {
        std::lock_guard lock(mutex_);
        for (const auto& [key, slot] : tables_)
            slots.push_back(slot);
    }
    std::size_t total = 0;
    for (const auto& slot : slots) {
        // A slot being filled holds no tables yet; it is not waited for.
        std::unique_lock lock(slot->mutex, std::try_to_lock);
        if (lock && slot->tables)
            total += slot->tables->bytes();
    }
    return total;
}

int Solver::tablesBuilt() const {
    std::lock_guard lock(mutex_);
    return tablesBuilt_;
}

std::shared_ptr<Solver::TableSlot> Solver::slot(int columns, int rows, int emptyGoalCell) const {
    std::lock_guard lock(mutex_);
    auto& slot = tables_[{columns, rows, emptyGoalCell}];
    if (!slot)
        slot = std::make_shared<TableSlot>();
    return slot;
}

void Solver::fill(TableSlot& slot, int columns, int rows, int emptyGoalCell,
                  const std::stop_token& stop, bool build) const {
    const auto layout =
        options_.legacy ? PatternDatabases::Layout::Legacy : PatternDatabases::Layout::Current;
    const std::string name = tableName(columns, rows, emptyGoalCell);
    if (store_) {
        const std::size_t size = PatternDatabases::fileSize(columns, rows, emptyGoalCell, layout);
        if (auto bytes = store_->read(name, size))
            slot.tables =
                PatternDatabases::fromFile(std::move(*bytes), columns, rows, emptyGoalCell, layout);
    }
    if (!slot.tables && build) {
        slot.tables = PatternDatabases::build(columns, rows, emptyGoalCell, stop, layout);
        if (slot.tables) {
            std::lock_guard lock(mutex_);
            ++tablesBuilt_;
        }
        // A store that cannot keep them costs the next run a build, nothing more.
        if (slot.tables && store_)
            store_->write(name, slot.tables->fileBytes());
    }
    if (slot.tables)
        makeRoomFor(slot);
}

void Solver::makeRoomFor(TableSlot& added) const {
    std::lock_guard lock(mutex_);
    added.bytes = added.tables->bytes();
    added.lastUse = ++uses_;
    std::vector<TableSlot*> others;
    std::size_t total = 0;
    for (const auto& [key, slot] : tables_) {
        total += slot->bytes;
        if (slot.get() != &added && slot->bytes > 0)
            others.push_back(slot.get());
    }
    std::sort(others.begin(), others.end(),
              [](const TableSlot* a, const TableSlot* b) { return a->lastUse < b->lastUse; });
    for (TableSlot* slot : others) {
        if (total <= kMaxTableBytes)
            return;
        // A search under way keeps its own reference; the memory goes when it ends. Tables
        // being read or built are left alone.
        std::unique_lock other(slot->mutex, std::try_to_lock);
        if (!other)
            continue;
        slot->tables.reset();
        total -= slot->bytes;
        slot->bytes = 0;
    }
}

std::shared_ptr<const PatternDatabases> Solver::databases(
    int columns, int rows, int emptyGoalCell, const std::stop_token& stop, bool wait,
    std::chrono::steady_clock::time_point deadline, bool buildOnWorker) const {
    const std::shared_ptr<TableSlot> tables = slot(columns, rows, emptyGoalCell);
    std::unique_lock lock(tables->mutex, std::defer_lock);
    const auto used = [&] {
        std::lock_guard guard(mutex_);
        tables->lastUse = ++uses_;
        return tables->tables;
    };
    if (wait || columns * rows < kMinCellsForSlowTables) {
        // Another solve or a worker may be building them; a stop request, or the end of the
        // budget, is heard meanwhile.
        while (!lock.try_lock_for(kLockPoll)) {
            if (stop.stop_requested() || std::chrono::steady_clock::now() >= deadline)
                return nullptr;
        }
        if (!tables->tables)
            fill(*tables, columns, rows, emptyGoalCell, stop, true);
        return used();
    }
    // Another solve may be building them: this one does not wait.
    if (!lock.try_lock())
        return nullptr;
    if (!tables->tables)
        fill(*tables, columns, rows, emptyGoalCell, stop, false);
    if (tables->tables)
        return used();
    lock.unlock();
    if (!buildOnWorker)
        return nullptr;
    // Built on a worker of low priority, which the solver stops and joins when it goes.
    std::lock_guard guard(mutex_);
    if (tables->building)
        return nullptr;
    tables->building = true;
    builders_.emplace_back([this, tables, columns, rows, emptyGoalCell](std::stop_token stop) {
        ::setpriority(PRIO_PROCESS, 0, 10);  // this thread only, on Linux
        std::lock_guard lock(tables->mutex);
        if (!tables->tables)
            fill(*tables, columns, rows, emptyGoalCell, stop, true);
        std::lock_guard guard(mutex_);
        tables->building = false;
    });
    return nullptr;
}

std::optional<ExactSearchOutcome> Solver::searchExact(
    int columns, int rows, const std::vector<int>& pieces, int emptyGoal, const SolveLimits& limits,
    std::uint64_t nodeBudget, std::vector<int>& path,
    std::chrono::steady_clock::time_point deadline, int weightTenths) const {
    const CornerFlip flip = cornerFlip(columns, rows, emptyGoal, !options_.legacy);
    // A solve with a budget waits for tables that are not ready only if the budget leaves
    // ample time for a build (the deal's analysis); a hint falls back on a 12-cell corner.
    const bool wait = !limits.budgeted() ||
                      limits.deadline - std::chrono::steady_clock::now() > kTimeToWaitForTables;
    const auto tables =
        databases(columns, rows, flip(emptyGoal), limits.stop, wait, limits.deadline);
    if (!tables)
        return limits.stop.stop_requested() ? std::optional(ExactSearchOutcome::Stopped)
                                            : std::nullopt;
    const auto outcome =
        weightTenths == 10
            ? searchShortest(*tables, flip.board(pieces), limits.stop, nodeBudget, path, deadline)
            : searchNearShortest(*tables, flip.board(pieces), limits.stop, weightTenths, path,
                                 deadline);
    for (int& cell : path)
        cell = flip(cell);
    return outcome;
}

std::optional<std::vector<int>> Solver::finish(
    EdgeReduction reduction, int emptyGoal, bool first,
    const std::function<int(const EdgeReduction&)>& estimate, const SolveLimits& limits) const {
    for (;;) {
        const Region& region = reduction.region();
        std::vector<int> boardCells;
        std::vector<int> cornerPath;
        const bool budgeted = region.cells() > kSmallFinishCells;
        const std::uint64_t budget = !budgeted ? std::numeric_limits<std::uint64_t>::max()
                                     : first   ? kLargeFinishNodeBudget
                                               : kLaterFinishNodeBudget;
        if (budgeted && !first && limits.pastDeadline())
            return std::nullopt;
        const auto outcome =
            searchExact(region.columns(), region.rows(), reduction.corner(boardCells),
                        reduction.toCorner(emptyGoal), limits, budget, cornerPath,
                        budgeted ? limits.deadline : std::chrono::steady_clock::time_point::max());
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
        // A 4 x 4 corner that takes long to search (or whose tables are not ready) is cut down
        // by one more edge.
        std::vector<EdgeReduction> smaller =
            reduceToCorner({reduction}, kSmallFinishCells, 1, estimate, limits.stop);
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

Solution Solver::solve(const SolverBoard& board, const SolverBoard& goal, std::stop_token stop,
                       std::optional<std::chrono::milliseconds> budget) const {
    checkBoards(board, goal);
    SolveLimits limits{std::move(stop)};
    if (budget)
        limits.deadline = std::chrono::steady_clock::now() + *budget;
    const std::vector<int> key = boardKey(board, goal);
    // Another solve's solution serves this one if it is certain, or if this one has a budget
    // too (it would find no better).
    const auto serves = [&](const Solution& theirs) {
        return !theirs.stopped && (!theirs.solvable || theirs.shortest || limits.budgeted());
    };
    std::shared_ptr<Pending> theirs;
    std::shared_ptr<Pending> mine;
    {
        std::lock_guard lock(mutex_);
        for (const auto& [solved, solution] : finished_)
            if (solved == key && serves(solution))
                return solution;
        theirs = pending_[key].lock();
        if (!theirs) {
            mine = std::make_shared<Pending>();
            pending_[key] = mine;
        }
    }
    if (theirs) {
        // The same board is being solved already: its solution is taken if it comes in time.
        // Past that, this solve keeps to a near-shortest solution, leaving the proof to it.
        std::unique_lock lock(theirs->mutex);
        const auto waitUntil = limits.budgeted() ? limits.deadline - *budget * kFallbackTenths / 10
                                                 : std::chrono::steady_clock::time_point::max();
        theirs->done.wait_until(lock, limits.stop, waitUntil,
                                [&] { return theirs->solution.has_value(); });
        if (theirs->solution && serves(*theirs->solution))
            return *theirs->solution;
        if (limits.stop.stop_requested()) {
            Solution stopped;
            stopped.stopped = true;
            return stopped;
        }
        if (!theirs->solution)
            limits.deadline = std::chrono::steady_clock::now();  // straight to the fallback
    }
    Solution solution = solveNearShortest(board, goal, limits);
    // Every move carries one piece one cell, so a solution no longer than the pieces' summed
    // distances home is shortest, whatever the grid: near the goal that is often the case.
    if (solution.solvable && !solution.stopped &&
        solution.emptyCellPath.size() == std::size_t(distanceHome(board, goal)))
        solution.shortest = true;
    if (mine) {
        std::lock_guard lock(mutex_);
        pending_.erase(key);
        if (!solution.stopped) {
            finished_.emplace_back(key, solution);
            if (finished_.size() > kFinishedKept)
                finished_.erase(finished_.begin());
        }
        std::lock_guard done(mine->mutex);
        mine->solution = solution;
        mine->done.notify_all();
    }
    return solution;
}

std::optional<std::vector<int>> Solver::beamOnWholeBoardTables(const std::vector<int>& pieces,
                                                               int emptyGoal,
                                                               const SolveLimits& limits) const {
    const CornerFlip flip = cornerFlip(5, 5, emptyGoal, true);
    // A budget too short for the tables to be built goes on without them while a worker builds
    // them (about 11 s).
    const bool wait = !limits.budgeted() ||
                      limits.deadline - std::chrono::steady_clock::now() > kTimeToWaitForTables;
    const auto tables = databases(5, 5, flip(emptyGoal), limits.stop, wait, limits.deadline);
    if (!tables)
        return std::nullopt;
    const std::vector<int> flipped = flip.board(pieces);
    const auto started = std::chrono::steady_clock::now();
    std::optional<std::vector<int>> best;
    if (limits.budgeted()) {
        const auto deadline = limits.deadline - kTableBeamMargin;
        best = beamWithTables(*tables, flipped, kFirstTableBeamWidth, limits.stop, deadline);
        const auto now = std::chrono::steady_clock::now();
        const double share =
            double((deadline - now).count()) /
            double(std::max((now - started).count(), decltype(now - started)::rep(1)));
        const int width = int(std::min<double>(
            kWidestTableBeam, kFirstTableBeamWidth * share * (10 - kTableBeamSpareTenths) / 10));
        if (best && width >= 2 * kFirstTableBeamWidth) {
            auto wider = beamWithTables(*tables, flipped, width, limits.stop, deadline);
            if (wider && wider->size() < best->size())
                best = std::move(wider);
        }
    } else {
        best = beamWithTables(*tables, flipped, kWidestTableBeam, limits.stop, limits.deadline);
    }
    if (best)
        for (int& cell : *best)
            cell = flip(cell);
    return best;
}

Solution Solver::solveNearShortest(const SolverBoard& board, const SolverBoard& goal,
                                   const SolveLimits& limits) const {
    const auto started = std::chrono::steady_clock::now();
    // 5 x 5 boards whose empty cell's goal is in a corner have tables of their own once built,
    // which guide a beam search to within a few percent of the shortest solution.
    const int emptyGoal = goalCells(goal)[0];
    if (!options_.legacy && hasWholeBoardTables(board.columns, board.rows, emptyGoal) &&
        isSolvable(board, goal)) {
        if (auto path = beamOnWholeBoardTables(inGoalTerms(board, goal), emptyGoal, limits)) {
            Solution solution;
            solution.emptyCellPath = std::move(*path);
            return solution;
        }
        if (limits.stop.stop_requested()) {
            Solution stopped;
            stopped.stopped = true;
            return stopped;
        }
    }
    Solution solution = solveAsLaidOut(board, goal, limits);
    // On grids three cells thin, and on those of up to 25 cells, the edge fixing suits one way of
    // lying better than the other from board to board: both are tried, if the budget leaves time
    // for the second (on Korf and Felner's 24-puzzle instances, 1.085 times the shortest length
    // against 1.10 one way only).
    const int cells = board.columns * board.rows;
    const bool bothWays = (std::min(board.columns, board.rows) == 3 ||
                           (cells <= kMaxCellsBothWays && !options_.legacy)) &&
                          cells > kMaxExactCells;
    if (!bothWays || !solution.solvable || solution.stopped)
        return solution;
    const auto now = std::chrono::steady_clock::now();
    if (limits.budgeted() && now + (now - started) * 5 / 4 > limits.deadline)
        return solution;
    const Solution turned = solveAsLaidOut(transposed(board), transposed(goal), limits);
    if (turned.stopped || turned.emptyCellPath.size() >= solution.emptyCellPath.size())
        return solution;
    solution.emptyCellPath.clear();
    for (const int cell : turned.emptyCellPath)
        solution.emptyCellPath.push_back(cell % board.rows * board.columns + cell / board.rows);
    return solution;
}

Solution Solver::solveExactly(int columns, int rows, const std::vector<int>& pieces, int emptyGoal,
                              const SolveLimits& limits) const {
    Solution solution;
    // Past a budget's first eight tenths, the exact search gives way to a near-shortest
    // solution through a 12-cell corner, which takes milliseconds once the corner's tables are
    // there: they are read or built first (a fraction of a second), so the budget holds.
    const int cells = columns * rows;
    if (limits.budgeted() && cells > kSmallFinishCells)
        readyCornerTables(columns, rows, emptyGoal, limits);
    auto deadline = limits.deadline;
    if (limits.budgeted())
        deadline -= (limits.deadline - std::chrono::steady_clock::now()) * kFallbackTenths / 10;
    const auto outcome =
        searchExact(columns, rows, pieces, emptyGoal, limits,
                    std::numeric_limits<std::uint64_t>::max(), solution.emptyCellPath, deadline);
    solution.shortest = outcome == ExactSearchOutcome::Solved;
    solution.stopped = outcome == ExactSearchOutcome::Stopped;
    if (solution.shortest || solution.stopped || columns * rows <= kSmallFinishCells)
        return solution;
    solution.emptyCellPath.clear();
    std::vector<EdgeReduction> starts;
    starts.emplace_back(columns, rows, pieces, emptyGoal, limits.stop);
    const auto estimate = [](const EdgeReduction& reduction) {
        return kFinishMovesPerDistance * reduction.regionDistance() / 10;
    };
    const std::vector<EdgeReduction> reduced =
        reduceToCorner(starts, kSmallFinishCells, kFallbackCandidates, estimate, limits.stop);
    std::optional<std::vector<int>> best;
    for (const EdgeReduction& reduction : reduced) {
        std::optional<std::vector<int>> path = finish(reduction, emptyGoal, true, estimate, limits);
        if (path && (!best || path->size() < best->size()))
            best = std::move(path);
    }
    // The rest of the budget goes to the tables' search with their estimate weighted, which
    // comes within a tenth or so of the shortest on most boards, then less weighted while time
    // is left.
    for (const int weightTenths : kWeightedSearchTenths) {
        std::vector<int> weighted;
        if (!outcome || limits.pastDeadline() ||
            searchExact(columns, rows, pieces, emptyGoal, limits,
                        std::numeric_limits<std::uint64_t>::max(), weighted,
                        limits.deadline - kWeightedSearchMargin,
                        weightTenths) != ExactSearchOutcome::Solved)
            break;
        if (!best || weighted.size() < best->size())
            best = std::move(weighted);
    }
    if (!best) {
        solution.stopped = true;
        return solution;
    }
    solution.emptyCellPath = std::move(*best);
    return solution;
}

void Solver::readyCornerTables(int columns, int rows, int emptyGoal,
                               const SolveLimits& limits) const {
    const int column = emptyGoal % columns, row = emptyGoal / columns;
    if (options_.legacy ||
        !((column == 0 || column == columns - 1) && (row == 0 || row == rows - 1)))
        return;
    // Grids three cells wide come down to 3 x 4 corners, those three cells high to 4 x 3, and
    // the rest to either. Each takes a third of a second to build: both are built at once.
    const bool tall = columns == 3 || std::min(columns, rows) >= 4;
    const bool wide = rows == 3 || std::min(columns, rows) >= 4;
    std::jthread wideCorner;
    if (wide && tall)
        wideCorner = std::jthread([&] { databases(4, 3, 11, limits.stop); });
    else if (wide)
        databases(4, 3, 11, limits.stop);
    if (tall)
        databases(3, 4, 11, limits.stop);
}

Solution Solver::solveAsLaidOut(const SolverBoard& board, const SolverBoard& goal,
                                const SolveLimits& limits) const {
    Solution solution;
    if (!isSolvable(board, goal)) {
        solution.solvable = false;
        return solution;
    }
    const int columns = board.columns;
    const int rows = board.rows;
    std::vector<int> pieces = inGoalTerms(board, goal);
    const int emptyGoal = goalCells(goal)[0];
    const std::stop_token& stop = limits.stop;

    if (columns * rows <= kMaxExactCells)
        return solveExactly(columns, rows, pieces, emptyGoal, limits);
    if (limits.budgeted())
        readyCornerTables(columns, rows, emptyGoal, limits);

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
                                       movesPerDistance, stop, options_.legacy)) {
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
    // judged by the corner's tables once they reach it. A solve with a budget does not wait for
    // those tables to be built, and finishes on 12-cell corners meanwhile.
    std::shared_ptr<const PatternDatabases> cornerTables;
    if (smallGrid && std::min(columns, rows) >= 4) {
        // The 4 x 4 corner the edges come down to, and where the empty goal cell lies in it.
        const std::vector<int> cornerLine =
            edgeLineOfCells(columns, rows, emptyGoal, kLargeFinishCells);
        const int last = cornerLine[emptyGoal];
        int left = columns, top = rows;
        for (int cell = 0; cell < columns * rows; ++cell)
            if (cornerLine[cell] == last) {
                left = std::min(left, cell % columns);
                top = std::min(top, cell / columns);
            }
        const int cornerGoal = (emptyGoal / columns - top) * 4 + emptyGoal % columns - left;
        const CornerFlip flip = cornerFlip(4, 4, cornerGoal, !options_.legacy);
        // A 5 x 5 board needs them only until its own tables are built, which a worker is
        // doing meanwhile: they are read if stored, not built.
        const bool ownTables = !options_.legacy && hasWholeBoardTables(columns, rows, emptyGoal);
        cornerTables = databases(4, 4, flip(cornerGoal), stop, !limits.budgeted(),
                                 std::chrono::steady_clock::time_point::max(), !ownTables);
    }
    const bool largeFinish = cornerTables != nullptr;
    const auto estimate = [&](const EdgeReduction& reduction) {
        if (largeFinish && reduction.region().cells() == kLargeFinishCells) {
            std::vector<int> boardCells;
            const CornerFlip flip =
                cornerFlip(4, 4, reduction.toCorner(emptyGoal), !options_.legacy);
            return lowerBound(*cornerTables, flip.board(reduction.corner(boardCells)));
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
            finish(reduced[i], emptyGoal, i == 0, estimate, limits);
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
