// SPDX-License-Identifier: GPL-3.0-or-later
// The solver's tables in a real cache folder: a fresh solver reads them instead of building
// them, and a file that is damaged or not what it should be is rebuilt, never trusted.

#include "files/table_store.h"
#include "engine/solver_boards.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <random>

namespace mosaic {
namespace {

namespace fs = std::filesystem;

void changeByteAt(const fs::path& path, std::uintmax_t offset) {
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    file.seekg(std::streamoff(offset));
    const char byte = char(file.get() ^ 1);
    file.seekp(std::streamoff(offset));
    file.put(byte);
}

TEST(TableStore, ADamagedOrForeignTableFileIsRebuiltNeverTrusted) {
    struct Case {
        const char* what;
        std::function<void(const fs::path&)> damage;
        bool keptAfterwards;  // the rebuilt tables replace the file
    };
    const Case cases[] = {
        {"a byte of a table changed",
         [](const fs::path& p) { changeByteAt(p, fs::file_size(p) / 2); }, true},
        {"its header's format version changed", [](const fs::path& p) { changeByteAt(p, 8); },
         true},
        {"cut short", [](const fs::path& p) { fs::resize_file(p, fs::file_size(p) - 1); }, true},
        {"one byte too many", [](const fs::path& p) { std::ofstream(p, std::ios::app) << 'x'; },
         true},
        {"empty", [](const fs::path& p) { fs::resize_file(p, 0); }, true},
        {"a folder in its place",
         [](const fs::path& p) {
             fs::remove(p);
             fs::create_directory(p);
         },
         false},
    };
    const SolverBoard goal = solver_boards::goalBoard(3, 3, GoalOrder::RowsAscending);
    std::mt19937 random(4);
    const SolverBoard board = solver_boards::randomBoard(goal, random);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir folder;
        const auto store = std::make_shared<FolderTableStore>(folder.path().toStdString());
        const Solver first(store);
        const std::size_t length = first.solve(board, goal).emptyCellPath.size();
        ASSERT_EQ(first.tablesBuilt(), 1);
        const Solver reader(store);
        reader.solve(board, goal);
        ASSERT_EQ(reader.tablesBuilt(), 0) << "a fresh solver reads the tables";

        const fs::path file = fs::directory_iterator(folder.path().toStdString())->path();
        c.damage(file);
        const Solver second(store);
        const Solution solution = second.solve(board, goal);
        EXPECT_EQ(second.tablesBuilt(), 1);
        EXPECT_TRUE(solution.shortest);
        EXPECT_EQ(solution.emptyCellPath.size(), length);
        const Solver third(store);
        third.solve(board, goal);
        EXPECT_EQ(third.tablesBuilt(), c.keptAfterwards ? 0 : 1);
    }
}

}  // namespace
}  // namespace mosaic
