// SPDX-License-Identifier: GPL-3.0-or-later
// mosaic-solve [--budget SECONDS] GAME.tsq
//
// Loads a saved game with the game's own loader and prints the best solution
// the solver finds for its board in sliding play, one line a move:
//   MOVE <label> <col>,<row> -> <col>,<row>
// (the piece, its cell, the empty cell it slides into; counted from 1), then
//   SOLVED moves=<n> shortest=yes|no
// shortest=yes when no shorter solution exists. Without a budget the search goes on until it
// proves the shortest solution (grids of up to 16 cells); with one, it prints the best solution
// found within that many seconds, with shortest=no unless the proof came in time. The solver's
// tables are kept in the user's cache folder, shared with the game. Exit status: 0 solved, 2 the
// game could not be solved here (a file the loader refuses, a swap-play
// game, a grid under 3 x 3, a bad command line), 3 UNSOLVABLE: no sequence
// of moves reaches the goal.

#include "engine/session.h"
#include "engine/solver.h"
#include "files/game_files.h"
#include "files/table_store.h"
#include "headless_platform.h"
#include "ui/application.h"

#include <QCoreApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

int main(int argc, char** argv) {
    std::optional<std::chrono::milliseconds> budget;
    if (argc == 4 && std::string(argv[1]) == "--budget") {
        char* end = nullptr;
        const double seconds = std::strtod(argv[2], &end);
        if (end != argv[2] && *end == '\0' && seconds > 0 && seconds < 1e6)
            budget = std::chrono::milliseconds(static_cast<long long>(seconds * 1000));
    }
    if ((argc != 2 && !budget) || std::string(argv[argc - 1]).starts_with("--")) {
        std::fputs("usage: mosaic-solve [--budget SECONDS] GAME.tsq\n", stderr);
        return 2;
    }
    const std::string path = argv[argc - 1];
    // The game's name, so that the tables go to the game's cache folder.
    QCoreApplication::setApplicationName(mosaic::ApplicationName);
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
    const mosaic::Solver solver(
        std::make_shared<mosaic::FolderTableStore>(mosaic::FolderTableStore::userCacheFolder()));
    const mosaic::Solution solution = solver.solve(start, goal, {}, budget);
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
