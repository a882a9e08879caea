// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A beam search over whole boards that lowers the pieces' weighted distances home, counting also
// pairs of pieces in their goal line in the wrong order. On a fresh board most moves can carry
// some piece toward its cell, which fixing edges piece by piece does not exploit, so the edges
// are fixed from where this search leaves the board. The path it returns is cut where going on
// stops paying: at the fewest moves plus `movesPerDistance` (tenths of a move) for every unit of
// weighted distance left.

#include <stop_token>
#include <vector>

namespace mosaic {

// `start` is in goal terms (each cell holds its piece's goal cell); `weight` gives each piece's
// weight in tenths, indexed by goal cell. Returns the cells the empty cell moves into; empty if
// stopped. `firstSelection` keeps the beam the way this search first did (by comparisons, up to
// twice the width before boards met twice are dropped), for benchmarks.
std::vector<int> beamTowardGoal(int columns, int rows, const std::vector<int>& start,
                                int emptyPiece, const std::vector<int>& weight, int beamWidth,
                                int movesPerDistance, const std::stop_token& stop,
                                bool firstSelection = false);

}  // namespace mosaic
