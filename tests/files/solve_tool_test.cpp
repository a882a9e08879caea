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

ToolRun runSolve(const Board& board, PlayKind play = PlayKind::Sliding,
                 const std::string& options = "") {
    const std::string path = ::testing::TempDir() + "solve.tsq";
    const auto bytes = encodeSavedGame({board, 0, GoalOrder::RowsAscending, play});
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    ToolRun run;
    // The tool keeps its tables in a cache folder of the test's own.
    FILE* tool =
        ::popen(("XDG_CACHE_HOME=" + ::testing::TempDir() + "cache " +
                 std::string(MOSAIC_SOLVE_TOOL) + " " + options + " " + path + " 2>/dev/null")
                    .c_str(),
                "r");
    char line[256];
    while (tool && std::fgets(line, sizeof line, tool))
        run.lines.emplace_back(line);
    run.status = tool ? WEXITSTATUS(::pclose(tool)) : -1;
    return run;
}

TEST(SolveTool, PrintsMovesThatSolveTheBoard) {
    struct Case {
        const char* board;
        const char* options;
        int fewestMoves;  // the moves printed, or at least these with a budget
        bool shortest;
    };
    const Case cases[] = {
        // Seven moves from the goal by a breadth-first search of all boards.
        {"2 3 6/1 5 0/4 7 8", "", 7, true},
        // 80 moves from the goal, the most a 4 x 4 board needs (Brüngger et al., 1999): its
        // proof takes minutes, so with a budget the tool prints what it found by then.
        {"0 12 9 13/15 11 10 14/3 7 5 6/4 8 2 1", "--budget 0.5", 80, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.board);
        Board board = testing::boardOf(c.board);
        const ToolRun run = runSolve(board, PlayKind::Sliding, c.options);
        ASSERT_EQ(run.status, 0);
        ASSERT_FALSE(run.lines.empty());
        for (std::size_t i = 0; i + 1 < run.lines.size(); ++i) {
            int label = 0;
            Cell from, to;
            ASSERT_EQ(std::sscanf(run.lines[i].c_str(), "MOVE %d %d,%d -> %d,%d", &label,
                                  &from.column, &from.row, &to.column, &to.row),
                      5)
                << run.lines[i];
            ASSERT_EQ(board.label(from), label);
            ASSERT_EQ(board.label(to), Board::EmptyCell);
            ASSERT_EQ(std::abs(from.column - to.column) + std::abs(from.row - to.row), 1);
            board.slide(from, to);
        }
        EXPECT_EQ(board, goalBoard(GoalOrder::RowsAscending, PlayKind::Sliding, board.size()));
        const int moves = int(run.lines.size()) - 1;
        EXPECT_EQ(run.lines.back(), "SOLVED moves=" + std::to_string(moves) +
                                        " shortest=" + (c.shortest ? "yes\n" : "no\n"));
        EXPECT_TRUE(c.shortest ? moves == c.fewestMoves : moves >= c.fewestMoves) << moves;
    }
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
