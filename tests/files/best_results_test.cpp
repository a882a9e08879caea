// SPDX-License-Identifier: GPL-3.0-or-later
// The best results file: real files in a temporary folder.

#include "files/best_results.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <random>

#include <csignal>

#include <sys/fsuid.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <sys/stat.h>

namespace mosaic {
namespace {

namespace fs = std::filesystem;

const BestResultKey Sliding4x4{{4, 4}, PlayKind::Sliding, GoalOrder::RowsAscending};
const std::string Header = "mosaic-rush best results 2\n";

std::string read(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class BestResultsFile : public ::testing::Test {
protected:
    QTemporaryDir folder;
    std::string path = folder.filePath("best-results.txt").toStdString();
};

TEST_F(BestResultsFile, ADamagedFileIsSetAsideAndPlayStartsAfresh) {
    const std::string good = "4 4 sliding 1 12 87 61234\n";
    const std::pair<std::string, std::string> cases[] = {
        {"other header", "mosaic-rush high scores 1\n" + good},
        {"unknown version", "mosaic-rush best results 3\n" + good},
        {"field missing", Header + "4 4 sliding 1 12 87\n"},
        {"unknown play", Header + "4 4 slide 1 12 87 61234\n"},
        {"unknown order", Header + "4 4 sliding 5 12 87 61234\n"},
        {"grid too large", Header + "11 4 sliding 1 12 87 61234\n"},
        {"moves over the counter", Header + "4 4 sliding 1 12 32768 61234\n"},
        {"same key twice", Header + good + "3 3 swap 2 1 - -\n" + good},
        {"no daily game counted", Header + "daily 0 2026-12-07 1\n"},
        {"no such day", Header + "daily 1 2026-02-29 1\n"},
        {"two daily lines", Header + "daily 1 2026-12-07 1\ndaily 1 2026-12-07 1\n"},
        {"a folder", ""},
        {"unreadable", Header + good},
    };
    ::chmod(folder.path().toLocal8Bit(), 0777);  // the ordinary user below renames in it
    for (const auto& [name, text] : cases) {
        std::ofstream(path + ".bad") << "an older damaged file";
        if (name == "a folder")
            fs::create_directory(path);
        else
            std::ofstream(path, std::ios::binary) << text;
        if (name == "unreadable")
            fs::permissions(path, fs::perms::none);
        BestResults results(path);
        // Root reads anything, so the file is read with an ordinary user's rights.
        const int user = ::setfsuid(65534);
        const BestResultsLoad load = results.load();
        ::setfsuid(user);
        EXPECT_TRUE(load.damaged && load.setAside && !load.fault.empty()) << name;
        EXPECT_TRUE(results.entries().empty()) << name;
        EXPECT_FALSE(fs::exists(path)) << name;
        EXPECT_EQ(name == "a folder" ? "" : read(path + ".bad"), text) << name;
        fs::remove_all(path + ".bad");
    }
}

TEST_F(BestResultsFile, OnlyGamesPlayedAloneSetRecordsAndTheRecordsAreKept) {
    struct Step {
        const char* name;
        int moves;
        std::int64_t timeMs;
        bool movesCount, timeCounts, newFewestMoves, newShortestTime;
        std::optional<int> fewestMoves;
        std::optional<std::int64_t> shortestTimeMs;
    };
    const Step steps[] = {
        {"assisted first", 10, 1000, false, false, false, false, {}, {}},
        {"loaded", 60, 1000, true, false, true, false, 60, {}},
        {"first timed", 70, 9000, true, true, false, true, 60, 9000},
        {"assisted and better", 5, 500, false, false, false, false, 60, 9000},
        {"ties", 60, 9000, true, true, false, false, 60, 9000},
        {"fewer moves", 59, 9500, true, true, true, false, 59, 9000},
        {"shorter time", 80, 8999, true, true, false, true, 59, 8999},
        {"both", 58, 8000, true, true, true, true, 58, 8000},
    };
    path = folder.filePath("new/folder/best-results.txt").toStdString();
    BestResults results(path);
    EXPECT_FALSE(results.load().damaged);  // no file yet
    int completed = 0;
    for (const Step& s : steps) {
        const NewRecords records =
            results.recordCompletion(Sliding4x4, s.moves, s.timeMs, s.movesCount, s.timeCounts);
        EXPECT_EQ(records.fewestMoves, s.newFewestMoves) << s.name;
        EXPECT_EQ(records.shortestTime, s.newShortestTime) << s.name;
        ASSERT_EQ(results.entries().size(), 1u);
        EXPECT_EQ(results.entries()[0],
                  (BestResult{Sliding4x4, ++completed, s.fewestMoves, s.shortestTimeMs}))
            << s.name;
    }

    // The file keeps them sorted by grid, then play, then order.
    results.recordCompletion({{3, 5}, PlayKind::Swap, GoalOrder::ColumnsAscending}, 1, 1, false,
                             false);
    results.recordCompletion({{3, 5}, PlayKind::Sliding, GoalOrder::ColumnsDescending}, 7, 2500,
                             true, false);
    std::string cause;
    ASSERT_TRUE(results.save(&cause)) << cause;
    EXPECT_EQ(read(path),
              Header + "3 5 sliding 4 1 7 -\n3 5 swap 3 1 - -\n4 4 sliding 1 8 58 8000\n");
    BestResults reread(path);
    EXPECT_FALSE(reread.load().damaged);
    EXPECT_EQ(reread.entries(), results.entries());
}

// Each completion reads the file again and writes it: a file of version 1,
// before daily games, is read and written as version 2.
TEST_F(BestResultsFile, DailyGamesCountTheDaysInARow) {
    // The day completed, then the daily games completed, last day and run.
    const std::tuple<const char*, int, const char*, int> steps[] = {
        {"2026-12-07", 1, "2026-12-07", 1}, {"2026-12-07", 2, "2026-12-07", 1},
        {"2026-12-08", 3, "2026-12-08", 2}, {"2026-12-06", 4, "2026-12-08", 2},
        {"2026-12-10", 5, "2026-12-10", 1}, {"2026-12-11", 6, "2026-12-11", 2}};
    std::ofstream(path) << "mosaic-rush best results 1\n3 3 swap 2 1 - -\n";
    BestResults results(path);
    for (const auto& [day, completed, lastDay, run] : steps) {
        const std::optional<CalendarDate> date = calendarDateFromIso(day);
        EXPECT_TRUE(results.recordCompletionInFile(Sliding4x4, 40, 1000, true, true, date).saved);
        EXPECT_EQ(results.daily(), (DailyResults{completed, calendarDateFromIso(lastDay), run}));
    }
    EXPECT_EQ(read(path),
              Header + "3 3 swap 2 1 - -\n4 4 sliding 1 6 40 1000\ndaily 6 2026-12-11 2\n");
    EXPECT_EQ(results.daily().daysInARowOn({2026, 12, 12}), 2);
    EXPECT_EQ(results.daily().daysInARowOn({2026, 12, 13}), 0);
}

TEST_F(BestResultsFile, AFolderThatCannotBeWrittenFailsTheSaveWithACause) {
    std::ofstream(path) << Header;
    for (const std::string& target :
         {path, folder.filePath("missing/best-results.txt").toStdString()}) {
        BestResults results(target);
        results.recordCompletion(Sliding4x4, 87, 61234, true, true);
        std::string cause;
        // Root writes anywhere, so the file is written with an ordinary user's rights.
        const int user = ::setfsuid(65534);
        const bool saved = results.save(&cause);
        ::setfsuid(user);
        EXPECT_FALSE(saved || cause.empty()) << target;
    }
    EXPECT_EQ(read(path), Header);
}

// A save stopped half way, as on a full disk, or killed at any moment,
// leaves the file as it was before, never cut short.
TEST_F(BestResultsFile, ASaveStoppedHalfWayOrKilledLeavesTheFileWhole) {
    std::string before = Header;
    for (int columns = 3; columns <= 10; ++columns)
        before += std::to_string(columns) + " 3 sliding 1 2 40 9000\n";
    std::ofstream(path, std::ios::binary) << before;
    ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit previous = limit;
    limit.rlim_cur = 100;
    ::setrlimit(RLIMIT_FSIZE, &limit);
    BestResults results(path);
    results.load();
    const bool saved = results.recordCompletionInFile(Sliding4x4, 80, 1000, true, true).saved;
    ::setrlimit(RLIMIT_FSIZE, &previous);
    EXPECT_FALSE(saved);
    EXPECT_EQ(read(path), before);
    std::mt19937 random(3);
    for (int kill = 0; kill < 40; ++kill) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            for (int moves = 1000;; --moves)
                results.recordCompletionInFile(Sliding4x4, moves, 1000, true, true);
        ::usleep(std::uniform_int_distribution<useconds_t>(0, 5000)(random));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        BestResults reread(path);
        ASSERT_FALSE(reread.load().damaged) << "after kill " << kill;
        EXPECT_EQ(reread.entries().size(), 8u + (read(path).find("4 4 sliding") != std::string::npos));
    }
}

// Swap records count swaps. An older file's swap record of 0, made when
// the move counter (which leaves swaps out) was counted, is dropped.
TEST_F(BestResultsFile, SwapRecordsCountSwapsAndAnOldZeroIsDropped) {
    const BestResultKey swap3x3{{3, 3}, PlayKind::Swap, GoalOrder::RowsAscending};
    std::ofstream(path, std::ios::binary) << Header << "3 3 swap 1 4 0 5000\n";
    BestResults results(path);
    EXPECT_FALSE(results.load().damaged);
    EXPECT_EQ(results.entries().at(0), (BestResult{swap3x3, 4, {}, 5000}));
    EXPECT_TRUE(results.recordCompletion(swap3x3, 8, 9000, true, true).fewestMoves);
    EXPECT_FALSE(results.recordCompletion(swap3x3, 10, 9000, true, true).fewestMoves);
    EXPECT_EQ(results.entries().at(0).fewestMoves, 8);
}

TEST_F(BestResultsFile, CrLfLinesReadAndATakenBadNameGetsANumber) {
    std::ofstream(path, std::ios::binary)
        << "mosaic-rush best results 1\r\n4 4 sliding 1 12 87 61234\r\n";
    BestResults results(path);
    EXPECT_FALSE(results.load().damaged);
    EXPECT_EQ(results.entries().size(), 1u);
    // A folder with something in it holds the ".bad" name: the damaged file
    // goes aside under the next number, not over the folder nor left in place.
    fs::create_directories(path + ".bad/inside");
    std::ofstream(path, std::ios::binary) << "damaged\n";
    EXPECT_TRUE(results.load().setAside);
    EXPECT_EQ(read(path + ".bad.2"), "damaged\n");
    EXPECT_TRUE(fs::is_directory(path + ".bad/inside"));
}

// Two game windows, each with the file read at its start, finish a game at
// the same moment: both games count, and the better record stands.
TEST_F(BestResultsFile, GamesFinishedInTwoWindowsAtOnceBothCount) {
    for (int round = 0; round < 10; ++round) {
        std::ofstream(path, std::ios::binary) << Header << "4 4 sliding 1 5 70 9000\n";
        int go[2];
        ASSERT_EQ(::pipe(go), 0);
        pid_t children[2];
        for (int i = 0; i < 2; ++i) {
            children[i] = ::fork();
            ASSERT_GE(children[i], 0);
            if (children[i] == 0) {
                BestResults results(path);
                results.load();
                char word;
                (void)!::read(go[0], &word, 1);  // both finish on the same word
                _exit(results.recordCompletionInFile(Sliding4x4, 40 + 20 * i, 1000, true, true)
                              .saved
                          ? 0
                          : 1);
            }
        }
        ASSERT_EQ(::write(go[1], "go", 2), 2);
        for (const pid_t child : children) {
            int status = 0;
            ::waitpid(child, &status, 0);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
        ::close(go[0]);
        ::close(go[1]);
        BestResults reread(path);
        EXPECT_FALSE(reread.load().damaged);
        ASSERT_EQ(reread.entries().size(), 1u);
        EXPECT_EQ(reread.entries()[0], (BestResult{Sliding4x4, 7, 40, 1000})) << round;
        EXPECT_EQ(std::distance(fs::directory_iterator(folder.path().toStdString()),
                                fs::directory_iterator()),
                  1);  // no lock or temporary file left
    }
}

}  // namespace
}  // namespace mosaic
