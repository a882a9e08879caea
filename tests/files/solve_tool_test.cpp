// SPDX-License-Identifier: GPL-3.0-or-later
// mosaic-solve on saved games: the moves it prints solve the board, in the
// fewest moves where it says so, and its exit status tells the kinds of file
// apart.

#include "engine/test_session.h"
#include "files/saved_game.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace mosaic {
namespace {

struct ToolRun {
    std::vector<std::string> lines;
    int status = -1;
};

ToolRun runSolve(const Board& board, PlayKind play = PlayKind::Sliding) {
    const std::string path = ::testing::TempDir() + "solve.tsq";
    const auto bytes = encodeSavedGame({board, 0, GoalOrder::RowsAscending, play});
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    ToolRun run;
    FILE* tool =
        ::popen((std::string(MOSAIC_SOLVE_TOOL) + " " + path + " 2>/dev/null").c_str(), "r");
    char line[256];
    while (tool && std::fgets(line, sizeof line, tool))
        run.lines.emplace_back(line);
    run.status = tool ? WEXITSTATUS(::pclose(tool)) : -1;
    return run;
}

TEST(SolveTool, PrintsMovesThatSolveTheBoard) {
    // Seven moves from the goal by a breadth-first search of all boards.
    Board board = testing::boardOf("2 3 6/1 5 0/4 7 8");
    const ToolRun run = runSolve(board);
    ASSERT_EQ(run.status, 0);
    ASSERT_EQ(run.lines.size(), 8u);
    for (std::size_t i = 0; i + 1 < run.lines.size(); ++i) {
        int label = 0;
        Cell from, to;
        ASSERT_EQ(std::sscanf(run.lines[i].c_str(), "MOVE %d %d,%d -> %d,%d", &label, &from.column,
                              &from.row, &to.column, &to.row),
                  5)
            << run.lines[i];
        ASSERT_EQ(board.label(from), label);
        ASSERT_EQ(board.label(to), Board::EmptyCell);
        ASSERT_EQ(std::abs(from.column - to.column) + std::abs(from.row - to.row), 1);
        board.slide(from, to);
    }
    EXPECT_EQ(board, goalBoard(GoalOrder::RowsAscending, PlayKind::Sliding, {3, 3}));
    EXPECT_EQ(run.lines.back(), "SOLVED moves=7 shortest=yes\n");
}

TEST(SolveTool, TellsUnsolvableBoardsAndRefusedGamesApart) {
    EXPECT_EQ(runSolve(testing::boardOf("2 1 3/4 5 6/7 8 0")).lines,
              std::vector<std::string>{"UNSOLVABLE\n"});
    EXPECT_EQ(runSolve(testing::boardOf("2 1 3/4 5 6/7 8 0")).status, 3);
    EXPECT_EQ(runSolve(testing::boardOf("2 1 3/4 5 6/7 8 9"), PlayKind::Swap).status, 2);
    EXPECT_EQ(runSolve(testing::boardOf("1 0")).status, 2);
}

}  // namespace
}  // namespace mosaic
