// SPDX-License-Identifier: GPL-3.0-or-later
// What a player waits for in a fresh process, each case in a child process of its own (forked,
// so nothing is built or read before): the first hint of a grid, and the build of the 4 x 4 and
// 5 x 5 tables. "cpu_s" is the child's CPU time, "peak_MB" its peak resident memory. "old" is
// the solver as it first was: no table cache, no budget. The new one reads its tables from a cache
// folder that the first case fills, and has the game's budget for a hint. Run these cases on
// their own (--benchmark_filter=FirstHint|TableBuild): a forked child counts the memory of its
// parent that it maps, so tables an earlier case built would show in its peak.

#include "engine/pattern_database.h"
#include "engine/solver.h"
#include "engine/solver_boards.h"
#include "files/table_store.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <random>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Runs `work` in a child process; returns its CPU seconds and peak resident megabytes.
std::pair<double, double> inChild(const std::function<void()>& work) {
    const pid_t child = fork();
    if (child == 0) {
        work();
        _exit(0);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const double cpu = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                       double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    return {cpu, double(usage.ru_maxrss) / 1024.0};
}

std::shared_ptr<mosaic::TableStore> benchCache() {
    const std::string folder =
        (std::filesystem::temp_directory_path() / "mosaic-bench-solver-tables").string();
    return std::make_shared<mosaic::FolderTableStore>(folder);
}

void BM_FirstHintInAFreshProcess(benchmark::State& state) {
    const int columns = int(state.range(0)), rows = int(state.range(1));
    const bool old = state.range(2) == 1;
    const mosaic::SolverBoard goal =
        solver_boards::goalBoard(columns, rows, mosaic::GoalOrder::RowsAscending);
    std::mt19937 random(unsigned(columns * 10 + rows));
    const mosaic::SolverBoard board = solver_boards::randomBoard(goal, random);
    if (!old)  // the cache filled, as after a first game
        inChild([&] { mosaic::Solver(benchCache()).solve(board, goal); });
    for (auto _ : state) {
        const auto [cpu, peak] = inChild([&] {
            const mosaic::Solver solver(old ? nullptr : benchCache(), {.legacy = old});
            const auto budget = old ? std::nullopt : std::optional(std::chrono::milliseconds(1000));
            solver.solve(board, goal, {}, budget);
        });
        state.counters["cpu_s"] = cpu;
        state.counters["peak_MB"] = peak;
    }
}
BENCHMARK(BM_FirstHintInAFreshProcess)
    ->ArgNames({"columns", "rows", "old"})
    ->ArgsProduct({{3}, {3}, {0, 1}})
    ->ArgsProduct({{4}, {4}, {0, 1}})
    ->ArgsProduct({{5}, {5}, {0, 1}})
    ->ArgsProduct({{10}, {10}, {0, 1}})
    ->ArgsProduct({{3}, {10}, {0, 1}})
    ->ArgsProduct({{10}, {3}, {0, 1}})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

// The 4 x 4 or 5 x 5 tables built with no cache: the peak memory of the process against what the
// tables keep ("table_MB") and against a process that builds nothing ("base_MB").
void BM_TableBuildMemory(benchmark::State& state) {
    const int side = int(state.range(0));
    const bool old = state.range(1) == 1;
    const mosaic::SolverBoard goal =
        solver_boards::goalBoard(side, side, mosaic::GoalOrder::RowsAscending);
    for (auto _ : state) {
        const auto base = inChild([] {});
        const auto [cpu, peak] = inChild([&] {
            const mosaic::Solver solver(nullptr, {.legacy = old});
            solver.solve(goal, goal);
        });
        state.counters["cpu_s"] = cpu;
        state.counters["peak_MB"] = peak;
        state.counters["base_MB"] = base.second;
        state.counters["table_MB"] = double(mosaic::PatternDatabases::fileSize(
                                         side, side, side * side - 1,
                                         old ? mosaic::PatternDatabases::Layout::Legacy
                                             : mosaic::PatternDatabases::Layout::Current)) /
                                     1e6;
    }
}
BENCHMARK(BM_TableBuildMemory)
    ->ArgNames({"side", "old"})
    ->Args({4, 0})
    ->Args({4, 1})
    ->Args({5, 0})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

}  // namespace
