// The classic automatic player against its recorded runs, and a few worked
// examples that show what it does.

#include "engine/auto_player.h"
#include "engine/goal.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace mosaic {
namespace {

struct RecordedRun {
    int lineNumber = 0;
    Board board;
    Board goal;
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

}  // namespace
}  // namespace mosaic
