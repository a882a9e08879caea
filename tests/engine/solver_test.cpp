// SPDX-License-Identifier: GPL-3.0-or-later
// The solver against searches of its own kind written plainly here: a breadth-first search over
// every 3 x 3 board, and an IDA* with Manhattan distance only on grids of 12 to 16 cells; against
// the published lengths of a few of Korf's 15-puzzle instances. Larger grids are checked for legal
// solutions within the length the game allows. Solvers share one table cache in the build folder,
// so that each test process reads the tables rather than builds them.

#include "engine/solver.h"
#include "engine/exact_search.h"
#include "engine/pattern_database.h"
#include "engine/solver_boards.h"
#include "engine/table_beam.h"
#include "engine/test_session.h"
#include "files/table_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stop_token>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

namespace {

using mosaic::SolverBoard;
using solver_boards::GoalOrder;
using solver_boards::kGoalOrders;

// One solver for a test process, its tables kept in the build folder between processes.
const mosaic::Solver& CachedSolver() {
    return mosaic::testing::cachedSolver();
}

std::string Describe(const SolverBoard& board) {
    std::string text = std::to_string(board.columns) + "x" + std::to_string(board.rows) + ":";
    for (int label : board.cells) {
        text += " " + std::to_string(label);
    }
    return text;
}

int EmptyCell(const SolverBoard& board) {
    return static_cast<int>(std::find(board.cells.begin(), board.cells.end(), 0) -
                            board.cells.begin());
}

std::vector<int> Neighbours(const SolverBoard& board, int cell) {
    std::vector<int> next;
    const int column = cell % board.columns;
    if (cell >= board.columns)
        next.push_back(cell - board.columns);
    if (cell + board.columns < static_cast<int>(board.cells.size()))
        next.push_back(cell + board.columns);
    if (column > 0)
        next.push_back(cell - 1);
    if (column < board.columns - 1)
        next.push_back(cell + 1);
    return next;
}

// Plays the solution and checks it ends on the goal; returns its length.
int CheckedLength(SolverBoard board, const mosaic::Solution& solution, const SolverBoard& goal) {
    EXPECT_TRUE(solver_boards::play(board, solution.emptyCellPath)) << "a move is not a slide";
    EXPECT_EQ(board.cells, goal.cells) << "the solution does not reach the goal";
    return static_cast<int>(solution.emptyCellPath.size());
}

// ---- 3 x 3: every board's distance by breadth-first search from the goal --------------------

std::uint64_t Key(const SolverBoard& board) {
    std::uint64_t key = 0;
    for (int label : board.cells) {
        key = key * 16 + static_cast<std::uint64_t>(label);
    }
    return key;
}

std::unordered_map<std::uint64_t, int> DistancesFrom(const SolverBoard& goal) {
    std::unordered_map<std::uint64_t, int> distance{{Key(goal), 0}};
    std::vector<SolverBoard> layer{goal};
    for (int d = 1; !layer.empty(); ++d) {
        std::vector<SolverBoard> next;
        for (const SolverBoard& board : layer) {
            const int empty = EmptyCell(board);
            for (int cell : Neighbours(board, empty)) {
                SolverBoard moved = board;
                std::swap(moved.cells[empty], moved.cells[cell]);
                if (distance.emplace(Key(moved), d).second) {
                    next.push_back(std::move(moved));
                }
            }
        }
        layer = std::move(next);
    }
    return distance;
}

TEST(SearchSolver, ThreeByThreeMatchesBreadthFirstSearchInEveryOrder) {
    const mosaic::Solver& solver = CachedSolver();
    std::mt19937 random(3);
    for (GoalOrder order : kGoalOrders) {
        const SolverBoard goal = solver_boards::goalBoard(3, 3, order);
        const auto distance = DistancesFrom(goal);
        ASSERT_EQ(distance.size(), 181440u);  // half of 9!: the boards of the goal's parity
        for (int i = 0; i < 200; ++i) {
            // Plain shuffles: half of them cannot be solved.
            SolverBoard board = goal;
            std::shuffle(board.cells.begin(), board.cells.end(), random);
            SCOPED_TRACE(Describe(board));
            const mosaic::Solution solution = solver.solve(board, goal);
            const auto found = distance.find(Key(board));
            ASSERT_EQ(solution.solvable, found != distance.end());
            if (found != distance.end()) {
                EXPECT_TRUE(solution.shortest);
                EXPECT_EQ(CheckedLength(board, solution, goal), found->second);
            }
        }
    }
}

// ---- 12 to 16 cells: IDA* with Manhattan distance alone --------------------------------------

struct PlainSearch {
    SolverBoard board;
    std::vector<int> goalCellOf;  // by label

    int Manhattan() const {
        int sum = 0;
        for (int cell = 0; cell < static_cast<int>(board.cells.size()); ++cell) {
            const int label = board.cells[cell];
            if (label != 0) {
                const int home = goalCellOf[label];
                sum += std::abs(cell % board.columns - home % board.columns) +
                       std::abs(cell / board.columns - home / board.columns);
            }
        }
        return sum;
    }

    // Returns the next bound to try, or -1 once solved within `bound`.
    int Search(int empty, int previous, int moves, int bound) {
        const int h = Manhattan();
        if (moves + h > bound)
            return moves + h;
        if (h == 0)
            return -1;
        int next = 1 << 30;
        for (int cell : Neighbours(board, empty)) {
            if (cell == previous)
                continue;
            std::swap(board.cells[empty], board.cells[cell]);
            const int result = Search(cell, empty, moves + 1, bound);
            std::swap(board.cells[empty], board.cells[cell]);
            if (result < 0)
                return -1;
            next = std::min(next, result);
        }
        return next;
    }

    int ShortestLength() {
        for (int bound = Manhattan();;) {
            const int result = Search(EmptyCell(board), -1, 0, bound);
            if (result < 0)
                return bound;
            bound = result;
        }
    }
};

TEST(SearchSolver, UpToSixteenCellsMatchesPlainSearch) {
    const mosaic::Solver& solver = CachedSolver();
    std::mt19937 random(34);
    for (const auto& [columns, rows] :
         {std::pair{3, 4}, std::pair{4, 3}, std::pair{4, 4}, std::pair{3, 5}, std::pair{5, 3}}) {
        // Each goal order in turn, with the empty cell's goal moved to each corner in turn:
        // the solver flips boards to share one set of tables among the corners.
        const int cells = columns * rows;
        const int corners[] = {cells - 1, 0, columns - 1, cells - columns};
        for (int k = 0; k < 4; ++k) {
            SolverBoard goal = solver_boards::goalBoard(columns, rows, kGoalOrders[k]);
            std::swap(*std::find(goal.cells.begin(), goal.cells.end(), 0),
                      goal.cells[std::size_t(corners[k])]);
            for (int i = 0; i < 4; ++i) {
                const SolverBoard board = solver_boards::scrambledBoard(
                    goal, 30 + static_cast<int>(random() % 11), random);
                SCOPED_TRACE(Describe(board));
                PlainSearch plain{board, std::vector<int>(goal.cells.size())};
                for (int cell = 0; cell < static_cast<int>(goal.cells.size()); ++cell) {
                    plain.goalCellOf[goal.cells[cell]] = cell;
                }
                const mosaic::Solution solution = solver.solve(board, goal);
                EXPECT_TRUE(solution.shortest);
                EXPECT_EQ(CheckedLength(board, solution, goal), plain.ShortestLength());
            }
        }
    }
}

// ---- Korf's 15-puzzle instances and the hardest 4 x 4 boards --------------------------------

// Korf's goal has the empty cell top left and piece k on cell k; the solver takes any goal.
SolverBoard KorfGoal() {
    SolverBoard goal{4, 4, std::vector<int>(16)};
    for (int cell = 0; cell < 16; ++cell)
        goal.cells[std::size_t(cell)] = cell;
    return goal;
}

// Published instances of a square grid from bench/data, as (shortest length, board), of the
// numbers chosen or all.
std::vector<std::pair<int, SolverBoard>> PublishedInstances(const char* path, int side,
                                                            std::vector<int> chosen = {}) {
    std::ifstream file(path);
    std::vector<std::pair<int, SolverBoard>> instances;
    for (std::string line; std::getline(file, line);) {
        std::istringstream fields(line);
        int number = 0, length = 0;
        SolverBoard board{side, side, std::vector<int>(std::size_t(side * side))};
        if (line.starts_with('#') || !(fields >> number >> length) ||
            (!chosen.empty() && std::find(chosen.begin(), chosen.end(), number) == chosen.end()))
            continue;
        for (int& cell : board.cells)
            fields >> cell;
        instances.emplace_back(length, board);
    }
    return instances;
}

TEST(SearchSolver, SolvesKorfsInstancesInTheirPublishedLengths) {
    // The quickest few of the 100, by their numbers in the paper.
    const std::vector<int> chosen = {16, 42, 55, 79, 85, 97};
    const auto instances = PublishedInstances(MOSAIC_KORF_INSTANCES, 4, chosen);
    ASSERT_EQ(instances.size(), chosen.size());
    for (const auto& [length, board] : instances) {
        SCOPED_TRACE(Describe(board));
        const mosaic::Solution solution = CachedSolver().solve(board, KorfGoal());
        EXPECT_TRUE(solution.shortest);
        EXPECT_EQ(CheckedLength(board, solution, KorfGoal()), length);
    }
}

// ---- 5 x 5: Korf and Felner's 24-puzzle instances ----------------------------------------

SolverBoard FelnerGoal() {
    SolverBoard goal{5, 5, std::vector<int>(25)};
    for (int cell = 0; cell < 25; ++cell)
        goal.cells[std::size_t(cell)] = cell;
    return goal;
}

TEST(SearchSolver, FiveByFiveSolutionsComeWithinAFewPercentOfKorfAndFelnersShortest) {
    // Without a budget the beam's width is fixed, so the lengths do not depend on the machine.
    const auto instances = PublishedInstances(MOSAIC_KORF_FELNER_INSTANCES, 5, {1, 2, 3, 4});
    ASSERT_EQ(instances.size(), 4u);
    double ratios = 0;
    for (const auto& [length, board] : instances) {
        SCOPED_TRACE(Describe(board));
        const mosaic::Solution solution = CachedSolver().solve(board, FelnerGoal());
        EXPECT_FALSE(solution.shortest);
        const int found = CheckedLength(board, solution, FelnerGoal());
        EXPECT_LE(found * 100, length * 110);
        ratios += double(found) / length;
    }
    EXPECT_LE(ratios / 4, 1.05);
}

// The tables of a square grid with the empty goal cell bottom right, as the solver keeps them
// in its cache folder once it has solved `goal` (a board with that empty goal cell).
std::shared_ptr<const mosaic::PatternDatabases> CachedTables(int side, const SolverBoard& goal) {
    CachedSolver().solve(goal, goal);
    const int emptyGoal = side * side - 1;
    mosaic::FolderTableStore store(MOSAIC_TEST_TABLE_CACHE);
    const std::string name = "solver-tables-" + std::to_string(side) + "x" + std::to_string(side) +
                             "-" + std::to_string(emptyGoal) + ".bin";
    auto bytes = store.read(name, mosaic::PatternDatabases::fileSize(side, side, emptyGoal));
    return bytes ? mosaic::PatternDatabases::fromFile(std::move(*bytes), side, side, emptyGoal)
                 : nullptr;
}

TEST(SearchSolver, TheTablesBeamReachesTheGoalNearTheShortestOnFourByFour) {
    // Korf's goal turned half a turn is the tables' own: piece k on cell 15 - k.
    const auto tables = CachedTables(4, solver_boards::goalBoard(4, 4, GoalOrder::RowsAscending));
    ASSERT_TRUE(tables);
    for (const auto& [length, board] : PublishedInstances(MOSAIC_KORF_INSTANCES, 4, {16, 42, 55})) {
        std::vector<int> turned(16);
        for (int cell = 0; cell < 16; ++cell)
            turned[std::size_t(15 - cell)] = 15 - board.cells[std::size_t(cell)];
        const auto path = mosaic::beamWithTables(*tables, turned, 512, {},
                                                 std::chrono::steady_clock::time_point::max());
        ASSERT_TRUE(path);
        SolverBoard played{4, 4, turned};
        for (int& cell : played.cells)
            cell = (cell + 1) % 16;  // in the labels of a goal of pieces 1..15, then empty
        SolverBoard goal{4, 4, {}};
        for (int cell = 0; cell < 16; ++cell)
            goal.cells.push_back((cell + 1) % 16);
        mosaic::Solution solution;
        solution.emptyCellPath = *path;
        const int found = CheckedLength(played, solution, goal);
        EXPECT_GE(found, length);
        EXPECT_LE(found * 10, length * 13);
    }
}

TEST(SearchSolver, FiveByFiveTablesNeverOverestimateAndBeatManhattanDistance) {
    const auto tables = CachedTables(5, solver_boards::goalBoard(5, 5, GoalOrder::RowsAscending));
    ASSERT_TRUE(tables);
    // Boards in goal terms with the empty goal cell bottom right: Korf and Felner's turned half
    // a turn (same lengths), and random walks from the goal, no longer than their walks.
    std::vector<std::pair<int, std::vector<int>>> boards;
    for (const auto& [length, board] : PublishedInstances(MOSAIC_KORF_FELNER_INSTANCES, 5)) {
        std::vector<int> turned(25);
        for (int cell = 0; cell < 25; ++cell)
            turned[std::size_t(24 - cell)] = 24 - board.cells[std::size_t(cell)];
        boards.emplace_back(length, turned);
    }
    ASSERT_EQ(boards.size(), 50u);
    std::mt19937 random(25);
    for (int walk = 1; walk <= 40; ++walk) {
        SolverBoard board{5, 5, {}};
        for (int cell = 0; cell < 25; ++cell)
            board.cells.push_back(cell);
        for (int step = 0, previous = -1; step < walk; ++step) {
            const int empty =
                int(std::find(board.cells.begin(), board.cells.end(), 24) - board.cells.begin());
            std::vector<int> next = Neighbours(board, empty);
            std::erase(next, previous);
            const int cell = next[random() % next.size()];
            std::swap(board.cells[std::size_t(empty)], board.cells[std::size_t(cell)]);
            previous = empty;
        }
        boards.emplace_back(walk, board.cells);
    }
    for (const auto& [length, board] : boards) {
        int manhattan = 0;
        for (int cell = 0; cell < 25; ++cell)
            if (board[std::size_t(cell)] != 24)
                manhattan += std::abs(cell % 5 - board[std::size_t(cell)] % 5) +
                             std::abs(cell / 5 - board[std::size_t(cell)] / 5);
        const int estimate = mosaic::lowerBound(*tables, board);
        EXPECT_LE(estimate, length);
        EXPECT_GE(estimate, manhattan);
    }
}

TEST(SearchSolver, TheTablesKeptAtOnceStayWithinSixtyFourMegabytes) {
    // 4 x 4 (33.6 MB) and 5 x 5 (25.8 MB) fit together; 3 x 5 (7.2 MB) then pushes out the
    // least recently used.
    const mosaic::Solver solver(
        std::make_shared<mosaic::FolderTableStore>(MOSAIC_TEST_TABLE_CACHE));
    const SolverBoard boards[] = {
        KorfGoal(), FelnerGoal(), solver_boards::goalBoard(3, 5, GoalOrder::RowsAscending),
        KorfGoal(), solver_boards::goalBoard(5, 3, GoalOrder::RowsAscending)};
    const std::size_t expected[] = {33'558'600, 59'364'704, 33'013'586, 40'766'082, 47'973'564};
    for (std::size_t i = 0; i < std::size(boards); ++i) {
        SolverBoard board = boards[i];
        std::swap(board.cells[1], board.cells[2]);
        std::swap(board.cells[3], board.cells[4]);
        if (i == 3) {  // not the first 4 x 4 board, whose solution the solver keeps
            std::swap(board.cells[5], board.cells[6]);
            std::swap(board.cells[7], board.cells[8]);
        }
        solver.solve(board, boards[i]);
        EXPECT_LE(solver.tableBytes(), 64'000'000u);
        EXPECT_EQ(solver.tableBytes(), expected[i]) << "after solve " << i;
    }
}

TEST(SearchSolver, TwoSolvesOfOneBoardAtOnceSearchOnce) {
    // The deal's analysis and a hint on the same board: whichever comes second takes the
    // other's solution. Korf's instance 1, 57 moves.
    const SolverBoard goal = KorfGoal();
    const SolverBoard board{4, 4, {14, 13, 15, 7, 11, 12, 9, 5, 6, 0, 2, 1, 4, 8, 10, 3}};
    mosaic::Solution solutions[2];
    std::uint64_t searched[2] = {};
    {
        std::jthread analysis([&] {
            const std::uint64_t before = mosaic::exactSearchNodes();
            solutions[0] = CachedSolver().solve(board, goal);
            searched[0] = mosaic::exactSearchNodes() - before;
        });
        std::jthread hint([&] {
            const std::uint64_t before = mosaic::exactSearchNodes();
            solutions[1] = CachedSolver().solve(board, goal, {}, std::chrono::seconds(20));
            searched[1] = mosaic::exactSearchNodes() - before;
        });
    }
    EXPECT_TRUE((searched[0] == 0) != (searched[1] == 0)) << searched[0] << " " << searched[1];
    EXPECT_EQ(solutions[0].emptyCellPath, solutions[1].emptyCellPath);
    EXPECT_EQ(CheckedLength(board, solutions[1], goal), 57);
}

TEST(SearchSolver, AHintOnABoardEightyMovesFromTheGoalComesWithinItsBudget) {
    // One of the 4 x 4 boards farthest from the goal (80 moves; Brüngger et al., 1999), whose
    // exact search takes minutes: a solve with a budget ends with a solution all the same.
    const SolverBoard goal = KorfGoal();
    const SolverBoard board{4, 4, {15, 14, 8, 12, 10, 11, 9, 13, 2, 6, 5, 1, 3, 7, 4, 0}};
    const auto started = std::chrono::steady_clock::now();
    const mosaic::Solution solution =
        CachedSolver().solve(board, goal, {}, std::chrono::milliseconds(1000));
    // Far looser than the budget, so a busy machine does not fail it; a solve that ignores
    // its budget takes minutes.
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
    EXPECT_FALSE(solution.shortest);
    EXPECT_GE(CheckedLength(board, solution, goal), 80);
}

// ---- Larger grids ---------------------------------------------------------------------------

TEST(SearchSolver, LargerGridsTakeAFractionOfTheClassicPlayersMoves) {
    // Grids four or more cells a side stay under six tenths of the classic player's moves on
    // nearly every board, these boards included. On grids three cells thin the classic player
    // sometimes comes close to the shortest solution (see the next test), so there the bound is
    // looser.
    struct Case {
        int columns, rows, boardsPerOrder, maxTenths;
    };
    // A few boards; bench/solver_bench.cpp measures the share over many.
    const Case cases[] = {{5, 5, 1, 6}, {6, 4, 1, 6}, {9, 3, 1, 7}, {10, 10, 1, 6}};
    const mosaic::Solver& solver = CachedSolver();
    std::mt19937 random(55);
    for (const Case& c : cases) {
        for (GoalOrder order : {GoalOrder::RowsDescending, GoalOrder::ColumnsAscending}) {
            const SolverBoard goal = solver_boards::goalBoard(c.columns, c.rows, order);
            for (int i = 0; i < c.boardsPerOrder; ++i) {
                const SolverBoard board = solver_boards::randomBoard(goal, random);
                SCOPED_TRACE(Describe(board));
                const mosaic::Solution solution = solver.solve(board, goal);
                ASSERT_TRUE(solution.solvable);
                // Only a search of the whole board proves a length; a corner's proof is no
                // proof for the board.
                EXPECT_FALSE(solution.shortest);
                EXPECT_LE(CheckedLength(board, solution, goal) * 10,
                          solver_boards::classicMoves(board, goal) * c.maxTenths);
            }
        }
    }
}

TEST(SearchSolver, FindsTheShortestSolutionOfAThinBoardTheClassicPlayerSolvesWell) {
    // A random 6 x 3 board, rows descending, in goal cells. The classic player takes 103 moves;
    // an exhaustive search over the whole board (additive tables of 6, 6 and 5 pieces, too large
    // to ship) proves that no solution is shorter than 63 moves, over six tenths of 103.
    const SolverBoard goal = solver_boards::goalBoard(6, 3, GoalOrder::RowsDescending);
    const int goalCells[] = {2, 14, 6, 3, 4, 5, 1, 13, 8, 7, 10, 12, 16, 11, 15, 0, 17, 9};
    SolverBoard board = goal;
    for (int cell = 0; cell < 18; ++cell)
        board.cells[std::size_t(cell)] = goal.cells[std::size_t(goalCells[cell])];
    EXPECT_EQ(solver_boards::classicMoves(board, goal), 103);
    EXPECT_EQ(CheckedLength(board, CachedSolver().solve(board, goal), goal), 63);
}

TEST(SearchSolver, ASolutionAsLongAsThePiecesDistancesHomeIsShortestOnAnyGrid) {
    const SolverBoard goal = solver_boards::goalBoard(7, 5, GoalOrder::RowsAscending);
    SolverBoard board = goal;
    ASSERT_TRUE(solver_boards::play(board, {33, 32, 25}));  // three cells along, then up
    const mosaic::Solution solution = CachedSolver().solve(board, goal);
    EXPECT_EQ(CheckedLength(board, solution, goal), 3);
    EXPECT_TRUE(solution.shortest);
}

// ---- Boards that cannot be solved, stopping, bad input --------------------------------------

TEST(SearchSolver, BoardsWithTheWrongParityAreRefused) {
    mosaic::Solver solver;
    for (const auto& [columns, rows] : {std::pair{4, 4}, std::pair{3, 5}, std::pair{10, 10}}) {
        const SolverBoard goal = solver_boards::goalBoard(columns, rows, GoalOrder::RowsAscending);
        SolverBoard swapped = goal;
        std::swap(swapped.cells[0], swapped.cells[1]);
        const mosaic::Solution solution = solver.solve(swapped, goal);
        EXPECT_FALSE(solution.solvable) << Describe(swapped);
        EXPECT_TRUE(solution.emptyCellPath.empty());
    }
}

TEST(SearchSolver, AStopRequestEndsTheSolveWithoutAPath) {
    mosaic::Solver solver;
    std::mt19937 random(9);
    std::stop_source stop;
    stop.request_stop();
    const SolverBoard goal = solver_boards::goalBoard(10, 10, GoalOrder::RowsAscending);
    const mosaic::Solution solution =
        solver.solve(solver_boards::randomBoard(goal, random), goal, stop.get_token());
    EXPECT_TRUE(solution.stopped);
    EXPECT_TRUE(solution.emptyCellPath.empty());
}

TEST(SearchSolver, ASmallGridIsNotHeldUpByAnotherGridsBuildWhichAStopRequestEnds) {
    // A solver with no store builds its 4 x 4 tables, which takes seconds; a 3 x 3 solve
    // meanwhile needs tables of its own only. Then the stop request ends the build, and the
    // unfinished tables are not kept.
    const mosaic::Solver solver;
    std::mt19937 random(21);
    const SolverBoard square = solver_boards::goalBoard(4, 4, GoalOrder::RowsAscending);
    const SolverBoard small = solver_boards::goalBoard(3, 3, GoalOrder::RowsAscending);
    const SolverBoard squareBoards[] = {solver_boards::randomBoard(square, random),
                                        solver_boards::randomBoard(square, random)};
    const SolverBoard board = solver_boards::scrambledBoard(small, 30, random);
    std::atomic<bool> squareDone = false;
    mosaic::Solution squareSolution;
    std::jthread squareSolve([&](std::stop_token stop) {
        squareSolution = solver.solve(squareBoards[0], square, stop);
        squareDone = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(200));  // the build is under way
    EXPECT_TRUE(solver.solve(board, small).shortest);
    // Another 4 x 4 solve waits for that build, and stops when asked all the same.
    mosaic::Solution waiterSolution;
    std::jthread waiter([&](std::stop_token stop) {
        waiterSolution = solver.solve(squareBoards[1], square, stop);
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    waiter.request_stop();
    waiter.join();
    EXPECT_TRUE(waiterSolution.stopped);
    EXPECT_FALSE(squareDone);
    squareSolve.request_stop();
    squareSolve.join();
    EXPECT_TRUE(squareSolution.stopped);
    EXPECT_EQ(solver.tablesBuilt(), 1);
    EXPECT_LT(solver.tableBytes(), 1'000'000u);  // the 3 x 3 tables only
}

TEST(SearchSolver, SolvesRunSideBySideOnOneSolver) {
    // Both threads want the same tables at once; each must get them whole and find the same
    // solution as a solve on its own.
    const mosaic::Solver solver;
    const SolverBoard goal = solver_boards::goalBoard(3, 4, GoalOrder::ColumnsAscending);
    std::mt19937 random(12);
    const SolverBoard boards[] = {solver_boards::randomBoard(goal, random),
                                  solver_boards::randomBoard(goal, random)};
    mosaic::Solution solutions[2];
    {
        std::jthread first([&] { solutions[0] = solver.solve(boards[0], goal); });
        std::jthread second([&] { solutions[1] = solver.solve(boards[1], goal); });
    }
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(Describe(boards[i]));
        EXPECT_EQ(CheckedLength(boards[i], solutions[i], goal),
                  static_cast<int>(solver.solve(boards[i], goal).emptyCellPath.size()));
    }
}

TEST(SearchSolver, BoardsThatDoNotFitAreRejected) {
    mosaic::Solver solver;
    const SolverBoard goal = solver_boards::goalBoard(3, 3, GoalOrder::RowsAscending);
    SolverBoard repeated = goal;
    repeated.cells[0] = repeated.cells[1];
    const SolverBoard tooSmall{2, 2, {1, 2, 3, 0}};
    EXPECT_THROW(solver.solve(repeated, goal), std::invalid_argument);
    EXPECT_THROW(solver.solve(tooSmall, tooSmall), std::invalid_argument);
    EXPECT_THROW(solver.solve(goal, solver_boards::goalBoard(3, 4, GoalOrder::RowsAscending)),
                 std::invalid_argument);
}

}  // namespace
