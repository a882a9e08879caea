// SPDX-License-Identifier: GPL-3.0-or-later
// The hardest boards for the exact search, solved as a hint is (new: the game's budget of one
// second, then the best near-shortest solution found) and as the solver first did (old: no
// budget, its own tables; stopped here after 30 s, where it would go on for minutes). "moves" is
// the solution's length (0: stopped), "shortest" whether it was proven, "cpu_s" the solve's CPU
// time. The tables are built before the timing.
//
// The boards: two of the 4 x 4 boards 80 moves from the goal, the most there are (A. Brüngger,
// A. Marzetta, K. Fukuda, J. Nievergelt, "The parallel search bench ZRAM and its applications",
// Annals of Operations Research 90, 1999), with the goal of Korf's instances; and on every grid
// of up to 16 cells, with that kind of goal (the empty cell top left, where the game's goals have
// it bottom right), the goal turned half a turn: the empty cell starts in the opposite corner
// and every piece far from home.

#include "engine/solver.h"
#include "engine/solver_boards.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <ctime>
#include <thread>

namespace {

double threadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

mosaic::SolverBoard hardBoard(int which, mosaic::SolverBoard& goal) {
    if (which < 2) {
        goal = {4, 4, std::vector<int>(16)};
        for (int cell = 0; cell < 16; ++cell)
            goal.cells[std::size_t(cell)] = cell;
        return which == 0
                   ? mosaic::SolverBoard{4,
                                         4,
                                         {15, 14, 8, 12, 10, 11, 9, 13, 2, 6, 5, 1, 3, 7, 4, 0}}
                   : mosaic::SolverBoard{
                         4, 4, {15, 11, 13, 12, 14, 10, 9, 5, 2, 6, 8, 1, 3, 7, 4, 0}};
    }
    static constexpr std::pair<int, int> grids[] = {{3, 3}, {4, 3}, {3, 4}, {4, 4}, {5, 3}, {3, 5}};
    const auto [columns, rows] = grids[which - 2];
    goal = {columns, rows, std::vector<int>(std::size_t(columns * rows))};
    for (int cell = 0; cell < columns * rows; ++cell)
        goal.cells[std::size_t(cell)] = cell;
    mosaic::SolverBoard board = goal;
    std::reverse(board.cells.begin(), board.cells.end());
    if (!mosaic::isSolvable(board, goal))
        std::swap(board.cells[1], board.cells[2]);
    return board;
}

void BM_HardestBoards(benchmark::State& state) {
    const bool old = state.range(1) == 1;
    mosaic::SolverBoard goal;
    const mosaic::SolverBoard board = hardBoard(int(state.range(0)), goal);
    const mosaic::Solver solver(nullptr, {.legacy = old});
    // Builds the tables, and for the new solver's budget the 12-cell corners' it falls back on.
    solver.solve(goal, goal);
    if (!old)
        solver.solve(goal, goal, {}, std::chrono::milliseconds(1));
    for (auto _ : state) {
        std::stop_source stop;
        std::atomic<bool> done = false;
        std::jthread timer([&] {
            for (int tenth = 0; tenth < 300 && !done; ++tenth)
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
            stop.request_stop();
        });
        const double started = threadCpuSeconds();
        const mosaic::Solution solution =
            solver.solve(board, goal, stop.get_token(),
                         old ? std::nullopt : std::optional(std::chrono::milliseconds(1000)));
        state.counters["cpu_s"] = threadCpuSeconds() - started;
        done = true;
        state.counters["moves"] = double(solution.emptyCellPath.size());
        state.counters["shortest"] = solution.shortest;
    }
}
BENCHMARK(BM_HardestBoards)
    ->ArgNames({"board", "old"})
    ->ArgsProduct({{0, 1, 2, 3, 4, 5, 6, 7}, {0, 1}})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

}  // namespace
