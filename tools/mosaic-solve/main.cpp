// SPDX-License-Identifier: GPL-3.0-or-later
// mosaic-solve GAME.tsq
//
// Loads a saved game with the game's own loader and prints the best solution
// the solver finds for its board in sliding play, one line a move:
//   MOVE <label> <col>,<row> -> <col>,<row>
// (the piece, its cell, the empty cell it slides into; counted from 1), then
//   SOLVED moves=<n> shortest=yes|no
// shortest=yes when no shorter solution exists. Exit status: 0 solved, 2 the
// game could not be solved here (a file the loader refuses, a swap-play
// game, a grid under 3 x 3, a bad command line), 3 UNSOLVABLE: no sequence
// of moves reaches the goal.

#include "engine/session.h"
#include "engine/solver.h"
#include "files/game_files.h"
#include "headless_platform.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2 || std::string(argv[1]).starts_with("--")) {
        std::fputs("usage: mosaic-solve GAME.tsq\n", stderr);
        return 2;
    }
    const std::string path = argv[1];
    mosaic::HeadlessPlatform platform;
    mosaic::GameSession session(platform, QImage(287, 185, QImage::Format_RGB32), QImage());
    if (!mosaic::openGameFile(session, path)) {
        const std::string reason =
            platform.lastMessage.empty() ? "the file was refused" : platform.lastMessage;
        std::fprintf(stderr, "%s: %s\n", path.c_str(), reason.c_str());
        return 2;
    }
    const mosaic::Board& board = session.board();
    if (session.playKind() != mosaic::PlayKind::Sliding) {
        std::fprintf(stderr, "%s: a swap-play game has no sliding solution\n", path.c_str());
        return 2;
    }
    if (board.columns() < 3 || board.rows() < 3) {
        std::fprintf(stderr, "%s: the solver needs a grid of at least 3 x 3\n", path.c_str());
        return 2;
    }
    const mosaic::SolverBoard start = mosaic::solverBoardOf(board);
    const mosaic::SolverBoard goal = mosaic::solverBoardOf(session.goal());
    if (!mosaic::isSolvable(start, goal)) {
        std::puts("UNSOLVABLE");
        return 3;
    }
    const mosaic::Solution solution = mosaic::Solver().solve(start, goal);
    mosaic::Board current = board;
    for (const int index : solution.emptyCellPath) {
        const mosaic::Cell piece{index % board.columns() + 1, index / board.columns() + 1};
        const mosaic::Cell empty = current.emptyCell();
        std::printf("MOVE %d %d,%d -> %d,%d\n", current.label(piece), piece.column, piece.row,
                    empty.column, empty.row);
        current.slide(piece, empty);
    }
    std::printf("SOLVED moves=%zu shortest=%s\n", solution.emptyCellPath.size(),
                solution.shortest ? "yes" : "no");
    return 0;
}
