// SPDX-License-Identifier: GPL-3.0-or-later
// Benchmarks of the solver: one solve of a random board, with the solution's length as the
// "moves" counter, for every square size and a few other grids. The boards come from a fixed
// seed, so every run solves the same ones. Beside it, "classic_moves" is what the classic
// automatic player takes on the same boards, played outside the timing, and "worst_share" the
// largest ratio of the two on any one board. "median_ms" and "max_ms" are the median and the
// longest solve in CPU time (the machine may be shared). "old" runs the solver as it first was
// (its tables and its beam selection) on the same boards; each kind of solver is made once for
// all the grids, so its tables are built once.

#include "engine/solver.h"
#include "engine/solver_boards.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <numeric>
#include <random>
#include <vector>

namespace {

constexpr int kBoardsPerSize = 16;

double threadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

const mosaic::Solver& sharedSolver(bool old) {
    static const mosaic::Solver current(nullptr, {.legacy = false});
    static const mosaic::Solver first(nullptr, {.legacy = true});
    return old ? first : current;
}

// Each iteration solves the next of a fixed set of boards, the four goal orders in turn. One
// solve before timing builds the solver's tables, as a game would on its first solve.
void BM_SolverSolve(benchmark::State& state) {
    const int columns = static_cast<int>(state.range(0));
    const int rows = static_cast<int>(state.range(1));
    std::mt19937 random(static_cast<unsigned>(columns * 100 + rows));
    std::vector<mosaic::SolverBoard> goals;
    std::vector<mosaic::SolverBoard> boards;
    for (int i = 0; i < kBoardsPerSize; ++i) {
        goals.push_back(solver_boards::goalBoard(columns, rows, solver_boards::kGoalOrders[i % 4]));
        boards.push_back(solver_boards::randomBoard(goals.back(), random));
    }
    const mosaic::Solver& solver = sharedSolver(state.range(2) == 1);
    solver.solve(boards[0], goals[0]);
    std::vector<long> classic;
    for (std::size_t i = 0; i < boards.size(); ++i)
        classic.push_back(solver_boards::classicMoves(boards[i], goals[i]));

    long moves = 0;
    double worstShare = 0;
    std::vector<double> seconds;
    std::size_t next = 0;
    for (auto _ : state) {
        const double started = threadCpuSeconds();
        const mosaic::Solution solution = solver.solve(boards[next], goals[next]);
        seconds.push_back(threadCpuSeconds() - started);
        const auto length = static_cast<long>(solution.emptyCellPath.size());
        moves += length;
        worstShare = std::max(worstShare, double(length) / double(classic[next]));
        next = (next + 1) % boards.size();
    }
    state.counters["moves"] =
        benchmark::Counter(static_cast<double>(moves), benchmark::Counter::kAvgIterations);
    state.counters["classic_moves"] =
        double(std::accumulate(classic.begin(), classic.end(), 0L)) / double(classic.size());
    // The longest solution measured against the classic player's on the same board.
    state.counters["worst_share"] = worstShare;
    // A few hard boards pull the mean up; the median is the usual wait, the longest the worst.
    std::sort(seconds.begin(), seconds.end());
    state.counters["median_ms"] = 1000 * seconds[seconds.size() / 2];
    state.counters["max_ms"] = 1000 * seconds.back();
    state.counters["table_MB"] = static_cast<double>(solver.tableBytes()) / 1e6;
}
BENCHMARK(BM_SolverSolve)
    ->ArgNames({"columns", "rows", "old"})
    ->Apply([](benchmark::internal::Benchmark* cases) {
        // Square grids, the thin ones both ways round, and a few others; the new solver and the
        // old one on each.
        std::vector<std::pair<int, int>> grids;
        for (int side = 3; side <= 10; ++side)
            grids.emplace_back(side, side);
        for (int length = 5; length <= 10; ++length) {
            grids.emplace_back(3, length);
            grids.emplace_back(length, 3);
        }
        grids.insert(grids.end(), {{4, 3}, {6, 4}, {5, 7}, {4, 10}});
        for (const auto& [columns, rows] : grids)
            for (int old : {0, 1})
                cases->Args({columns, rows, old});
    })
    ->Iterations(kBoardsPerSize)
    ->Unit(benchmark::kMillisecond);

}  // namespace
