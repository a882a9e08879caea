// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Dealing a new game: a random arrangement with the goal's parity, so that
// every dealt game can be solved.

#include "engine/board.h"
#include "engine/goal.h"

#include <cstdint>
#include <functional>
#include <random>

namespace mosaic {

// The random numbers of a deal. Every dealing pass reseeds from the clock;
// the pass count is mixed in, so that two passes within one clock tick never
// deal the same rejected arrangement again.
class DealRandom {
public:
    explicit DealRandom(std::function<std::uint32_t()> clockSeed);

    void startPass();
    float next();  // uniform on [0, 1), single precision

private:
    std::function<std::uint32_t()> clockSeed_;
    std::mt19937 generator_;
    std::uint32_t passCount_ = 0;
};

// True when the pieces of the two boards (the empty cell left out) are in
// orders of the same permutation parity.
bool sameParity(const Board& board, const Board& goal);

// A random arrangement of the pieces of the goal, drawn again until it has
// the goal's parity. In sliding play the empty cell is at the bottom right.
Board dealBoard(const Board& goal, PlayKind play, DealRandom& random);

}  // namespace mosaic
