// SPDX-License-Identifier: GPL-3.0-or-later
// The classic automatic player against its recorded runs, and a few worked
// examples that show what it does.

#include "engine/auto_player.h"
#include "engine/goal.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace mosaic {
namespace {

struct RecordedRun {
    int lineNumber = 0;
    Board board;
    Board goal;
    char order = 0;
    std::string steps;
};

std::vector<RecordedRun> readRecordedRuns() {
    std::ifstream file(MOSAIC_AUTO_PLAYER_RUNS);
    std::vector<RecordedRun> runs;
    std::string line;
    for (int lineNumber = 1; std::getline(file, line); ++lineNumber) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        int columns = 0, rows = 0;
        char order = 0;
        std::string cells, steps;
        fields >> columns >> rows >> order >> cells >> steps;
        RecordedRun run;
        run.lineNumber = lineNumber;
        run.board = Board({columns, rows});
        std::istringstream labels(cells);
        for (int row = 1; row <= rows; ++row)
            for (int column = 1; column <= columns; ++column) {
                int label = 0;
                labels >> label;
                labels.ignore(1);
                run.board.setLabel({column, row}, label);
            }
        run.order = order;
        run.goal = goalBoard(*orderFromSavedDigit(order), PlayKind::Sliding, {columns, rows});
        run.steps = steps;
        runs.push_back(run);
    }
    return runs;
}

char directionLetter(const Slide& slide) {
    // The empty cell goes where the piece came from.
    if (slide.from.column < slide.to.column)
        return 'L';
    if (slide.from.column > slide.to.column)
        return 'R';
    return slide.from.row < slide.to.row ? 'U' : 'D';
}

// Runs the player the way the game does, one step a tick, until it solves the
// board or gives it back.
std::string play(Board board, const Board& goal) {
    AutoPlayer player;
    player.reset();
    std::string steps;
    int moveCount = 0;
    const std::size_t limit = 50u * board.size().cellCount() * board.size().cellCount();
    while (steps.size() < limit) {
        const Board before = board;
        const AutoPlayer::StepResult result = player.step(board, goal, moveCount);
        if (result.slide) {
            steps += directionLetter(*result.slide);
            ++moveCount;
            Board expected = before;
            expected.slide(result.slide->from, result.slide->to);
            EXPECT_EQ(board, expected) << "the step's slide is the one made on the board";
        } else {
            steps += '.';
            EXPECT_EQ(board, before);
        }
        if (board == goal)
            return steps + 'S';
        if (result.givesUp)
            return steps + 'X';
    }
    return steps;
}

TEST(AutoPlayer, MakesTheRecordedMovesOnEveryRecordedBoard) {
    const std::vector<RecordedRun> runs = readRecordedRuns();
    ASSERT_EQ(runs.size(), 283u);
    for (const RecordedRun& run : runs)
        ASSERT_EQ(play(run.board, run.goal), run.steps) << "line " << run.lineNumber;
}

// mosaic-autoplay runs the same player on a saved game, one line a tick.
TEST(AutoPlayer, TheToolPrintsTheRecordedRunOfASavedGame) {
    const std::vector<RecordedRun> runs = readRecordedRuns();
    const RecordedRun& run = runs[40];
    const std::string path = ::testing::TempDir() + "recorded.tsq";
    {
        std::ofstream file(path, std::ios::binary);
        file << char(run.board.columns()) << char(run.board.rows()) << '\0' << '\0';
        for (int row = 1; row <= run.board.rows(); ++row)
            for (int column = 1; column <= run.board.columns(); ++column) {
                const int label = run.board.label({column, row});
                file << char(label == Board::EmptyCell ? 255 : label);
            }
        file << run.order << '1';
    }
    // One line a tick: "TICK n MOVE label c,r -> c,r" or "TICK n NONE", then
    // "SOLVED ticks=N moves=M".
    FILE* tool = ::popen((std::string(MOSAIC_AUTOPLAY_TOOL) + " " + path).c_str(), "r");
    ASSERT_NE(tool, nullptr);
    std::string steps;
    char line[256];
    while (std::fgets(line, sizeof line, tool)) {
        int fromColumn = 0, fromRow = 0, toColumn = 0, toRow = 0;
        if (std::sscanf(line, "TICK %*d MOVE %*d %d,%d -> %d,%d", &fromColumn, &fromRow, &toColumn,
                        &toRow) == 4)
            steps += directionLetter({{fromColumn, fromRow}, {toColumn, toRow}});
        else
            steps += std::string_view(line).starts_with("SOLVED") ? 'S' : '.';
    }
    EXPECT_EQ(::pclose(tool), 0);
    EXPECT_EQ(steps, run.steps);
}

}  // namespace
}  // namespace mosaic
