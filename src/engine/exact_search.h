// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shortest solutions on grids of at most 16 cells: IDA* guided by additive pattern databases.

#include "engine/pattern_database.h"

#include <chrono>
#include <cstdint>
#include <stop_token>
#include <vector>

namespace mosaic {

enum class ExactSearchOutcome { Solved, Stopped, OverBudget };

// `board[cell]` names the cell the piece on `cell` belongs in; the empty cell holds its own goal
// cell. On success `emptyCellPath` holds the cells the empty cell moves into, in order. The search
// gives up after `nodeBudget` expanded positions or at `deadline`.
ExactSearchOutcome searchShortest(
    const PatternDatabases& databases, const std::vector<int>& board, std::stop_token stop,
    std::uint64_t nodeBudget, std::vector<int>& emptyCellPath,
    std::chrono::steady_clock::time_point deadline = std::chrono::steady_clock::time_point::max());

// The same search with the estimate weighted by `weightTenths` / 10: it finds a solution at
// most that many times the shortest, far sooner on boards far from the goal.
ExactSearchOutcome searchNearShortest(const PatternDatabases& databases,
                                      const std::vector<int>& board, std::stop_token stop,
                                      int weightTenths, std::vector<int>& emptyCellPath,
                                      std::chrono::steady_clock::time_point deadline);

// Positions expanded by the searches of the calling thread so far, for benchmarks.
std::uint64_t exactSearchNodes();

// The larger of the tables' estimates for `board` and for its mirror image, where that applies;
// never more than the shortest solution's length.
int lowerBound(const PatternDatabases& databases, const std::vector<int>& board);

}  // namespace mosaic
