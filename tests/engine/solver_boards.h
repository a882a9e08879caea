// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Boards for the solver's tests and benchmarks: the game's four goal orders, random boards that
// can be solved, and a replay of a solution that checks every move.

#include "engine/auto_player.h"
#include "engine/goal.h"
#include "engine/session.h"
#include "engine/solver.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <random>
#include <vector>

namespace solver_boards {

using mosaic::GoalOrder;

inline constexpr GoalOrder kGoalOrders[] = {GoalOrder::RowsAscending, GoalOrder::RowsDescending,
                                            GoalOrder::ColumnsAscending,
                                            GoalOrder::ColumnsDescending};

// The game's goal board of an order in sliding play, as the solver sees it.
inline mosaic::SolverBoard goalBoard(int columns, int rows, GoalOrder order) {
    return mosaic::solverBoardOf(
        mosaic::goalBoard(order, mosaic::PlayKind::Sliding, {columns, rows}));
}

// A uniformly random board that can reach `goal`: a shuffle, with two pieces swapped when its
// parity is wrong.
inline mosaic::SolverBoard randomBoard(const mosaic::SolverBoard& goal, std::mt19937& random) {
    mosaic::SolverBoard board = goal;
    std::shuffle(board.cells.begin(), board.cells.end(), random);
    if (!mosaic::isSolvable(board, goal)) {
        const int first = board.cells[0] == 0 ? 2 : 0;
        const int second = board.cells[1] == 0 ? 2 : 1;
        std::swap(board.cells[first], board.cells[second]);
    }
    return board;
}

// `goal` after `moves` random moves, never undoing the one before.
inline mosaic::SolverBoard scrambledBoard(const mosaic::SolverBoard& goal, int moves,
                                          std::mt19937& random) {
    mosaic::SolverBoard board = goal;
    int empty = static_cast<int>(std::find(board.cells.begin(), board.cells.end(), 0) -
                                 board.cells.begin());
    int previous = -1;
    for (int move = 0; move < moves; ++move) {
        std::vector<int> options;
        const int column = empty % board.columns;
        if (empty >= board.columns)
            options.push_back(empty - board.columns);
        if (empty + board.columns < static_cast<int>(board.cells.size()))
            options.push_back(empty + board.columns);
        if (column > 0)
            options.push_back(empty - 1);
        if (column < board.columns - 1)
            options.push_back(empty + 1);
        std::erase(options, previous);
        const int next = options[random() % options.size()];
        std::swap(board.cells[empty], board.cells[next]);
        previous = empty;
        empty = next;
    }
    return board;
}

// Plays `path` on `board`; false as soon as a move is not to a neighbouring cell.
inline bool play(mosaic::SolverBoard& board, const std::vector<int>& path) {
    int empty = static_cast<int>(std::find(board.cells.begin(), board.cells.end(), 0) -
                                 board.cells.begin());
    for (int next : path) {
        const int cells = static_cast<int>(board.cells.size());
        const bool sideways =
            std::abs(next - empty) == 1 && next / board.columns == empty / board.columns;
        const bool upDown = std::abs(next - empty) == board.columns;
        if (next < 0 || next >= cells || !(sideways || upDown)) {
            return false;
        }
        std::swap(board.cells[empty], board.cells[next]);
        empty = next;
    }
    return true;
}

// The classic automatic player's moves from `start` to `goal`, a step a tick.
inline long classicMoves(const mosaic::SolverBoard& start, const mosaic::SolverBoard& goal) {
    const auto boardOf = [](const mosaic::SolverBoard& cells) {
        mosaic::Board board({cells.columns, cells.rows});
        for (std::size_t i = 0; i < cells.cells.size(); ++i)
            board.setLabel({int(i) % cells.columns + 1, int(i) / cells.columns + 1},
                           cells.cells[i]);
        return board;
    };
    mosaic::Board board = boardOf(start);
    const mosaic::Board target = boardOf(goal);
    mosaic::AutoPlayer player;
    player.reset();
    int moves = 0;
    for (int tick = 0; tick < 1'000'000 && !(board == target); ++tick)
        if (player.step(board, target, moves).slide)
            ++moves;
    return moves;
}

}  // namespace solver_boards
