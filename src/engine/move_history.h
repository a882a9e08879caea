// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The moves of one game, for undo and redo. A move is kept, not a board:
// taking it back is making its opposite.

#include "engine/board.h"

#include <vector>

namespace mosaic {

struct BoardMove {
    enum class Kind { Slide, Swap };
    Kind kind = Kind::Slide;
    Cell first;            // a slide: the piece's cell before the move; a swap: one cell
    Cell second;           // a slide: the empty cell it slid into; a swap: the other cell
    bool counted = false;  // the move counter rose with it

    bool operator==(const BoardMove&) const = default;
};

class MoveHistory {
public:
    void clear() {
        done_.clear();
        undone_.clear();
    }
    // A new move: what was undone can no longer be redone.
    void record(const BoardMove& move) {
        done_.push_back(move);
        undone_.clear();
    }
    bool canUndo() const { return !done_.empty(); }
    bool canRedo() const { return !undone_.empty(); }
    // The moves made and not taken back, first first: the way from the
    // game's start to the board as it stands.
    const std::vector<BoardMove>& moves() const { return done_; }
    // The move to take back, or to make again; the caller makes it.
    BoardMove undo() {
        undone_.push_back(done_.back());
        done_.pop_back();
        return undone_.back();
    }
    BoardMove redo() {
        done_.push_back(undone_.back());
        undone_.pop_back();
        return done_.back();
    }

private:
    std::vector<BoardMove> done_;
    std::vector<BoardMove> undone_;
};

}  // namespace mosaic
