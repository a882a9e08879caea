// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A beam search over whole boards guided by a grid's pattern databases. At each depth it keeps
// the boards the tables judge nearest the goal, until one of them is the goal. Exact search on
// 5 x 5 takes hours, but with that grid's tables a beam some ten thousand boards wide comes
// within a few percent of the shortest solution in a fraction of a second.

#include "engine/pattern_database.h"

#include <chrono>
#include <optional>
#include <stop_token>
#include <vector>

namespace mosaic {

// `board[cell]` names the cell the piece on `cell` belongs in; the empty cell holds its own goal
// cell. Keeps `width` boards at each depth (65,536 at most). Returns the cells the empty cell moves
// into; nothing if stopped or past `deadline` first.
std::optional<std::vector<int>> beamWithTables(const PatternDatabases& databases,
                                               const std::vector<int>& board, int width,
                                               const std::stop_token& stop,
                                               std::chrono::steady_clock::time_point deadline);

}  // namespace mosaic
