// SPDX-License-Identifier: GPL-3.0-or-later
// Korf's 100 random 15-puzzle instances (bench/data/korf100.txt, with the published shortest
// lengths), solved by the solver's tables as they are ("new") and as they were ("old": 2 x 3
// blocks, densely indexed), in one run. "build_s" is the tables' build, done once before the
// solves; "median_ms" and "max_ms" time the searches; "shortest" counts solutions of exactly
// the published length; "nodes_each" is the positions expanded a problem, "Mnodes_per_s" the
// search's speed. "peak_MB" is the process's peak resident memory after the case.

#include "engine/exact_search.h"
#include "engine/solver.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <sys/resource.h>

namespace {

struct Instance {
    int number = 0;
    int length = 0;
    mosaic::SolverBoard board;
};

std::vector<Instance> korfInstances(const char* name = "korf100.txt", int side = 4) {
    std::ifstream file(std::string(MOSAIC_BENCH_DATA "/") + name);
    std::vector<Instance> instances;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        Instance instance;
        instance.board = {side, side, std::vector<int>(std::size_t(side * side))};
        fields >> instance.number >> instance.length;
        for (int& cell : instance.board.cells)
            fields >> cell;
        instances.push_back(instance);
    }
    return instances;
}

double seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

double peakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

void BM_Korf100(benchmark::State& state) {
    const bool old = state.range(0) == 1;
    // Korf's goal has the empty cell top left and piece k on cell k. Turned half a turn, with
    // piece k renamed 16 - k, it is the game's goal in rows ascending: same lengths.
    mosaic::SolverBoard goal{4, 4, std::vector<int>(16)};
    for (int cell = 0; cell < 16; ++cell)
        goal.cells[std::size_t(cell)] = (cell + 1) % 16;
    std::vector<Instance> instances;
    for (Instance instance : korfInstances()) {
        const std::vector<int> korfCells = instance.board.cells;
        for (int cell = 0; cell < 16; ++cell) {
            const int piece = korfCells[std::size_t(15 - cell)];
            instance.board.cells[std::size_t(cell)] = piece == 0 ? 0 : 16 - piece;
        }
        instances.push_back(instance);
    }
    const mosaic::Solver solver(nullptr, {.legacy = old});
    for (auto _ : state) {
        auto started = std::chrono::steady_clock::now();
        solver.solve(goal, goal);  // builds the tables
        state.counters["build_s"] = seconds(started);
        std::vector<double> times;
        int shortest = 0;
        const std::uint64_t nodesBefore = mosaic::exactSearchNodes();
        for (const Instance& instance : instances) {
            started = std::chrono::steady_clock::now();
            const mosaic::Solution solution = solver.solve(instance.board, goal);
            times.push_back(1000 * seconds(started));
            shortest += solution.shortest && int(solution.emptyCellPath.size()) == instance.length;
        }
        std::sort(times.begin(), times.end());
        state.counters["median_ms"] = times[times.size() / 2];
        state.counters["max_ms"] = times.back();
        double total = 0;
        for (double t : times)
            total += t;
        state.counters["total_s"] = total / 1000;
        state.counters["shortest"] = shortest;
        const double nodes = double(mosaic::exactSearchNodes() - nodesBefore);
        state.counters["nodes_each"] = nodes / double(instances.size());
        state.counters["Mnodes_per_s"] = nodes / total / 1000;
    }
    state.counters["table_MB"] = double(solver.tableBytes()) / 1e6;
    state.counters["peak_MB"] = peakMegabytes();
}
BENCHMARK(BM_Korf100)->ArgName("old")->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond);

// Korf and Felner's 50 random 24-puzzle instances (bench/data/korf_felner50.txt), solved as a
// hint is: "ratio" is the mean length against the published shortest, "max_cpu_ms" the longest
// solve in CPU time, with the game's budget of a second for the new solver.
void BM_KorfFelner50(benchmark::State& state) {
    const bool old = state.range(0) == 1;
    const std::vector<Instance> instances = korfInstances("korf_felner50.txt", 5);
    mosaic::SolverBoard goal{5, 5, std::vector<int>(25)};
    for (int cell = 0; cell < 25; ++cell)
        goal.cells[std::size_t(cell)] = cell;
    const mosaic::Solver solver(nullptr, {.legacy = old});
    for (auto _ : state) {
        solver.solve(instances[0].board, goal);  // builds the tables
        double ratios = 0, longest = 0;
        for (const Instance& instance : instances) {
            timespec before{}, after{};
            clock_gettime(CLOCK_THREAD_CPUTIME_ID, &before);
            const mosaic::Solution solution =
                solver.solve(instance.board, goal, {},
                             old ? std::nullopt : std::optional(std::chrono::milliseconds(1000)));
            clock_gettime(CLOCK_THREAD_CPUTIME_ID, &after);
            longest = std::max(longest, double(after.tv_sec - before.tv_sec) * 1000 +
                                            double(after.tv_nsec - before.tv_nsec) / 1e6);
            ratios += double(solution.emptyCellPath.size()) / instance.length;
        }
        state.counters["ratio"] = ratios / double(instances.size());
        state.counters["max_cpu_ms"] = longest;
    }
}
BENCHMARK(BM_KorfFelner50)->ArgName("old")->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
