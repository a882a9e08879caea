// SPDX-License-Identifier: GPL-3.0-or-later
// Saved-game files: the byte layout both ways, the decoder's checks, the
// dialogs' name rules, and safe reading and writing of real files.

#include "files/saved_game.h"
#include "engine/test_session.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numeric>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include <csignal>
#include <iostream>
#include <set>

#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace mosaic {

void PrintTo(const SavedGame& game, std::ostream* out) {
    *out << game.board.columns() << "x" << game.board.rows() << " moves " << game.moveCount
         << " order " << (game.order ? savedDigit(*game.order) : '?') << " play "
         << (game.play == PlayKind::Sliding ? "sliding" : "swap") << " cells [";
    for (int row = 1; row <= game.board.rows(); ++row)
        for (int column = 1; column <= game.board.columns(); ++column)
            *out << game.board.label({column, row}) << ' ';
    *out << "]";
}

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using testing::boardOf;

// A fresh folder for each test, removed afterwards.
class SavedGameFiles : public ::testing::Test {
protected:
    // Removed with everything in it when the test ends.
    QTemporaryDir temporary;
    const fs::path Folder{temporary.path().toStdString()};

    std::string PathOf(const std::string& name) const { return (Folder / name).string(); }

    void WriteRaw(const std::string& path, const Bytes& bytes) const {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        ASSERT_TRUE(out.good());
    }

    // Writes the bytes to a real file and decodes what reading it gives back.
    DecodeResult DecodeThroughFile(const Bytes& bytes, PlayKind currentPlay) {
        const std::string path = PathOf("game.tsq");
        WriteRaw(path, bytes);
        const auto read = readGameFileBytes(path);
        EXPECT_TRUE(read.has_value());
        return decodeSavedGame(read.value_or(Bytes{}), currentPlay);
    }

};

// A valid 3x3 sliding file: labels 1..8 in reading order, the empty cell last.
Bytes SlidingThreeByThree() {
    return {3, 3, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 255, '1', '1'};
}
// A valid 3x3 swap file: labels 1..9 in reading order.
Bytes SwapThreeByThree() {
    return {3, 3, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, '1', '0'};
}

TEST_F(SavedGameFiles, GamesAndTheirBytes) {
    struct Case {
        SavedGame game;
        Bytes bytes;
    };
    const Case cases[] = {
        {{boardOf("1 2 3/4 5 6/7 8 0"), 0, GoalOrder::RowsAscending, PlayKind::Sliding},
         SlidingThreeByThree()},
        {{boardOf("1 2 3/4 5 6/7 8 9"), 0, GoalOrder::RowsAscending, PlayKind::Swap},
         SwapThreeByThree()},
        {{boardOf("5 0 2 7/1 3 11 4/6 9 8 10"), 300, GoalOrder::RowsDescending, PlayKind::Sliding},
         {4, 3, 1, 44, 5, 255, 2, 7, 1, 3, 11, 4, 6, 9, 8, 10, '2', '1'}},
        {{boardOf("2 1/3 4/6 5"), 200, GoalOrder::ColumnsAscending, PlayKind::Swap},
         {2, 3, 0, 200, 2, 1, 3, 4, 6, 5, '3', '0'}},
        {{boardOf("0 1 2 3 4 5 6 7 8 9"), MaxMoveCount, GoalOrder::ColumnsDescending,
          PlayKind::Sliding},
         {10, 1, 127, 255, 255, 1, 2, 3, 4, 5, 6, 7, 8, 9, '4', '1'}},
        {{boardOf("0"), 256, GoalOrder::RowsAscending, PlayKind::Sliding},
         {1, 1, 1, 0, 255, '1', '1'}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(encodeSavedGame(c.game), c.bytes);
        const PlayKind otherPlay =
            c.game.play == PlayKind::Sliding ? PlayKind::Swap : PlayKind::Sliding;
        const DecodeResult decoded = DecodeThroughFile(c.bytes, otherPlay);  // the file's play wins
        EXPECT_EQ(decoded.problem, GameFileProblem::None);
        EXPECT_EQ(decoded.game, c.game);
    }
}

TEST_F(SavedGameFiles, UnknownOrderAndModeBytes) {
    struct Case {
        std::uint8_t orderByte, modeByte;
        PlayKind currentPlay;
        Bytes cells;
        std::optional<GoalOrder> order;
        GameFileProblem problem;
    };
    const Bytes sliding = SlidingThreeByThree(), swap = SwapThreeByThree();
    const Bytes slidingCells(sliding.begin() + 4, sliding.begin() + 13);
    const Bytes swapCells(swap.begin() + 4, swap.begin() + 13);
    using P = GameFileProblem;
    const Case cases[] = {
        {0, '1', PlayKind::Sliding, slidingCells, GoalOrder::RowsAscending, P::None},
        {'5', '1', PlayKind::Sliding, slidingCells, std::nullopt, P::None},
        {255, '1', PlayKind::Sliding, slidingCells, std::nullopt, P::None},
        // An unknown mode keeps the current kind of play, and the cells must fit it.
        {'2', 0, PlayKind::Sliding, slidingCells, GoalOrder::RowsDescending, P::None},
        {'2', '2', PlayKind::Swap, swapCells, GoalOrder::RowsDescending, P::None},
        {'2', 255, PlayKind::Swap, slidingCells, {}, P::Corrupt},
        {'2', 1, PlayKind::Sliding, swapCells, {}, P::Corrupt},
    };
    for (const Case& c : cases) {
        Bytes bytes = {3, 3, 0, 7};
        bytes.insert(bytes.end(), c.cells.begin(), c.cells.end());
        bytes.push_back(c.orderByte);
        bytes.push_back(c.modeByte);
        const DecodeResult decoded = DecodeThroughFile(bytes, c.currentPlay);
        ASSERT_EQ(decoded.problem, c.problem) << int(c.orderByte) << " " << int(c.modeByte);
        if (c.problem != P::None)
            continue;
        EXPECT_EQ(decoded.game.order, c.order);
        EXPECT_EQ(decoded.game.play, c.currentPlay);
        // What the decoder accepts, the encoder writes back in full.
        const Bytes saved = encodeSavedGame(decoded.game);
        EXPECT_EQ(saved[13], c.order ? savedDigit(*c.order) : '1');
        EXPECT_EQ(saved[14], c.currentPlay == PlayKind::Sliding ? '1' : '0');
        const DecodeResult again = decodeSavedGame(saved, PlayKind::Sliding);
        EXPECT_EQ(again.game.board, decoded.game.board);
        EXPECT_EQ(again.game.play, decoded.game.play);
    }
}

TEST_F(SavedGameFiles, BadFilesAreRejectedWithTheRightProblem) {
    using P = GameFileProblem;
    constexpr PlayKind S = PlayKind::Sliding, W = PlayKind::Swap;
    auto sliding = [](std::size_t at, std::uint8_t value) {
        Bytes b = SlidingThreeByThree();
        b[at] = value;
        return b;
    };
    auto truncated = [](std::size_t length) {
        Bytes b = SlidingThreeByThree();
        b.resize(length);
        return b;
    };
    Bytes swapWithEmpty = SwapThreeByThree();
    swapWithEmpty[8] = 255;
    Bytes tenByTenSwap(106, 0);
    tenByTenSwap[0] = tenByTenSwap[1] = 10;
    std::iota(tenByTenSwap.begin() + 4, tenByTenSwap.begin() + 104, 1);
    tenByTenSwap[104] = '1';
    tenByTenSwap[105] = '0';
    Bytes label101 = tenByTenSwap;
    label101[50] = 101;

    struct Case {
        const char* Name;
        Bytes File;
        PlayKind CurrentPlay;
        P Expected;
    };
    const Case cases[] = {
        {"empty file", {}, S, P::SizeOutOfRange},
        {"size only", truncated(2), S, P::Corrupt},
        {"cut in the cells", truncated(10), S, P::Corrupt},
        {"last cell missing", truncated(12), S, P::Corrupt},
        {"columns 0", sliding(0, 0), S, P::SizeOutOfRange},
        {"columns 11", sliding(0, 11), S, P::SizeOutOfRange},
        {"rows 11", sliding(1, 11), S, P::SizeOutOfRange},
        {"move high byte 128", sliding(2, 128), S, P::Corrupt},
        {"label 0", sliding(4, 0), S, P::Corrupt},
        {"label 101", label101, W, P::Corrupt},
        {"duplicated label", sliding(5, 1), S, P::Corrupt},
        {"sliding play without empty cell", sliding(12, 9), S, P::Corrupt},
        {"sliding play with two empty cells", sliding(4, 255), S, P::Corrupt},
        {"swap play with an empty cell", swapWithEmpty, W, P::Corrupt},
        {"sliding cells, no mode byte, swap play current", truncated(14), W, P::Corrupt},
        {"1x1 sliding play with a piece", {1, 1, 0, 0, 1, '1', '1'}, S, P::Corrupt},
    };
    for (const Case& c : cases) {
        const DecodeResult result = DecodeThroughFile(c.File, c.CurrentPlay);
        EXPECT_EQ(result.problem, c.Expected) << c.Name;
    }
    // The unchanged files pass, so each case above fails for its own reason;
    // so do files that end after their cells or their order byte, which read
    // as rows ascending and the current kind of play.
    EXPECT_EQ(DecodeThroughFile(SlidingThreeByThree(), S).problem, P::None);
    EXPECT_EQ(DecodeThroughFile(tenByTenSwap, W).problem, P::None);
    for (const std::size_t length : {13u, 14u}) {
        const DecodeResult shorter = DecodeThroughFile(truncated(length), S);
        EXPECT_EQ(shorter.problem, P::None) << length << " bytes";
        EXPECT_EQ(shorter.game.order, GoalOrder::RowsAscending);
    }
}

TEST(SavedGameDecoder, WhatItAcceptsTheEncoderWritesBack) {
    std::mt19937 random(12345);
    auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    int accepted = 0;
    for (int round = 0; round < 5000; ++round) {
        Bytes bytes;
        if (round % 2 == 0) {
            bytes.resize(static_cast<std::size_t>(below(121)));
            for (auto& b : bytes)
                b = static_cast<std::uint8_t>(below(256));
        } else {
            // A real file with a few bytes changed and its length changed now and then.
            const int columns = 1 + below(10), rows = 1 + below(10);
            const bool sliding = below(2) == 0;
            std::vector<int> labels(static_cast<std::size_t>(columns * rows));
            std::iota(labels.begin(), labels.end(), sliding ? 0 : 1);
            std::shuffle(labels.begin(), labels.end(), random);
            Board board({columns, rows});
            for (std::size_t i = 0; i < labels.size(); ++i)
                board.setLabel(
                    {static_cast<int>(i) % columns + 1, static_cast<int>(i) / columns + 1},
                    labels[i]);
            bytes = encodeSavedGame({board, below(32768), static_cast<GoalOrder>(below(4)),
                                     sliding ? PlayKind::Sliding : PlayKind::Swap});
            for (int changes = below(3); changes > 0; --changes)
                bytes[static_cast<std::size_t>(below(static_cast<int>(bytes.size())))] =
                    static_cast<std::uint8_t>(below(256));
            if (below(4) == 0)
                bytes.resize(static_cast<std::size_t>(below(121)),
                             static_cast<std::uint8_t>(below(256)));
        }
        const PlayKind currentPlay = below(2) == 0 ? PlayKind::Sliding : PlayKind::Swap;
        const DecodeResult result = decodeSavedGame(bytes, currentPlay);
        if (result.problem != GameFileProblem::None)
            continue;
        ++accepted;
        Bytes padded = bytes;
        padded.resize(200, 0);
        const Bytes saved = encodeSavedGame(result.game);
        const std::size_t cellEnd =
            4 + static_cast<std::size_t>(result.game.board.size().cellCount());
        ASSERT_EQ(saved.size(), cellEnd + 2) << "round " << round;
        EXPECT_TRUE(std::equal(saved.begin(), saved.begin() + static_cast<std::ptrdiff_t>(cellEnd),
                               padded.begin()))
            << "size, moves and cells are saved as they were read, round " << round;
        const DecodeResult again = decodeSavedGame(saved, currentPlay);
        EXPECT_EQ(again.problem, GameFileProblem::None) << "round " << round;
        EXPECT_EQ(again.game.board, result.game.board) << "round " << round;
        EXPECT_EQ(again.game.play, result.game.play) << "round " << round;
    }
    EXPECT_GT(accepted, 500);  // the checks above must really have run
}

TEST(SavedGameNames, DefaultExtensionRule) {
    const std::pair<const char*, const char*> cases[] = {
        {"game.sav", "game.tsq"},
        {"a.b.c", "a.tsq"},
        {"game.", "game.tsq"},
        {"  name  ", "name.tsq"},
        {"name", "name.tsq"},
        {"/home/pat/saves/game", "/home/pat/saves/game.tsq"},
        {"dir.x/name", "dir.x/name.tsq"},
        {"/srv/v1.2/saves/name", "/srv/v1.2/saves/name.tsq"},
        {"dir.x/name.sav", "dir.x/name.tsq"},
        {"/tmp/my games/first", "/tmp/my games/first.tsq"},
        {"/tmp/game.tsq", "/tmp/game.tsq"},
        {"/tmp/game.tsq.old", "/tmp/game.tsq.old"},
        {"/tmp/old.tsqx", "/tmp/old.tsqx"},
        {"/tmp/GAME.TSQ", "/tmp/GAME.tsq"},
        {"dir.tsq/name", "dir.tsq/name.tsq"},
    };
    for (const auto& [typed, expected] : cases)
        EXPECT_EQ(applyDefaultExtension(typed), expected) << typed;
}

TEST(SavedGameNames, FileNamePartAndTwelveCharacterLimit) {
    EXPECT_EQ(fileNamePart("/home/pat/game.tsq"), "game.tsq");
    EXPECT_EQ(fileNamePart("game.tsq"), "game.tsq");
    EXPECT_EQ(fileNamePart("/home/pat/"), "");

    EXPECT_FALSE(fileNameTooLong("/a/very/long/folder.name/eightchr.tsq"));  // 12 characters
    EXPECT_TRUE(fileNameTooLong("/short/ninechars.tsq"));                    // 13 characters
    EXPECT_TRUE(fileNameTooLong(applyDefaultExtension("/tmp/ninechars")));
    EXPECT_FALSE(fileNameTooLong(applyDefaultExtension("/tmp/eightchr")));
    // Characters, not bytes: "é" is two bytes in UTF-8.
    const std::string e = "\xC3\xA9";
    EXPECT_FALSE(fileNameTooLong("/tmp/" + e + "t" + e + "t" + e + "t" + e +
                                 "t.tsq"));  // 12 characters, 16 bytes
    EXPECT_TRUE(fileNameTooLong("/tmp/" + e + "t" + e + "t" + e + "t" + e + "t" + e +
                                ".tsq"));  // 13 characters
}

TEST_F(SavedGameFiles, ReadingStopsAtTheLimit) {
    // Junk after the mode byte is ignored, however much there is.
    Bytes bytes = SwapThreeByThree();
    bytes.resize(1 << 20, 0xAB);
    WriteRaw(PathOf("long.tsq"), bytes);
    const auto read = readGameFileBytes(PathOf("long.tsq"));
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->size(), GameFileReadLimit);
    EXPECT_EQ(decodeSavedGame(*read, PlayKind::Sliding).problem, GameFileProblem::None);
}

// Every way a write can fail: the old file stays byte for byte, the failure
// is reported with its cause, and nothing is left beside the file.
TEST_F(SavedGameFiles, AWriteThatFailsKeepsTheOldFileAndSaysWhy) {
    const Bytes old = SlidingThreeByThree();
    const auto entries = [](const std::string& path) {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(fs::path(path).parent_path()))
            names.insert(entry.path().filename().string());
        return names;
    };
    const std::string full = PathOf("full");
    fs::create_directory(full);
    const bool mounted = ::mount("tmpfs", full.c_str(), "tmpfs", 0, "size=16k") == 0;
    if (mounted) {  // a small file system, then filled up
        WriteRaw(full + "/game.tsq", old);
        std::ofstream filler(full + "/filler", std::ios::binary);
        const std::string block(4096, 'x');
        while (filler.write(block.data(), std::streamsize(block.size())) && filler.flush())
            ;
    } else {
        std::cout << "[ SKIPPED  ] a full file system: no tmpfs can be mounted here\n";
    }
    WriteRaw(PathOf("game.tsq"), old);
    fs::create_symlink("missing.tsq", PathOf("link.tsq"));
    fs::create_directory(PathOf("folder.tsq"));
    const struct {
        std::string path;
        rlim_t fileSizeLimit;  // a write stopped half way, as on a full disk
        bool oldFileKept;
    } cases[] = {{full + "/game.tsq", RLIM_INFINITY, true},
                 {PathOf("game.tsq"), 50, true},
                 {PathOf("link.tsq"), RLIM_INFINITY, false},  // a link to nothing
                 {PathOf("folder.tsq"), RLIM_INFINITY, false}};
    ::signal(SIGXFSZ, SIG_IGN);
    for (const auto& c : cases) {
        if (!mounted && c.path.starts_with(full))
            continue;
        SCOPED_TRACE(c.path);
        const std::set<std::string> before = entries(c.path);
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit previous = limit;
        limit.rlim_cur = c.fileSizeLimit;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::string cause;
        EXPECT_FALSE(writeFileAtomically(c.path, Bytes(106, 7), &cause));
        ::setrlimit(RLIMIT_FSIZE, &previous);
        EXPECT_FALSE(cause.empty());
        if (c.oldFileKept) {
            EXPECT_EQ(readGameFileBytes(c.path).value_or(Bytes{}), old);
        }
        EXPECT_EQ(entries(c.path), before);
    }
    EXPECT_FALSE(fs::exists(PathOf("missing.tsq")));
    if (mounted)
        ::umount2(full.c_str(), MNT_DETACH);
}

// A save killed at any moment leaves at most its own temporary file, which
// the next save of that file removes; the file itself is always whole.
TEST_F(SavedGameFiles, SavesKilledMidWayLeaveNothingAfterTheNextSave) {
    const std::string path = PathOf("game.tsq");
    const Bytes first(1 << 20, 1);
    const Bytes second(1 << 20, 2);
    ASSERT_TRUE(writeFileAtomically(path, first));
    std::mt19937 random(7);
    for (int kill = 0; kill < 100; ++kill) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (;;)
                writeFileAtomically(path, kill % 2 ? first : second);
        }
        ::usleep(std::uniform_int_distribution<useconds_t>(0, 3000)(random));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const auto whole = readGameFileBytes(path);
        ASSERT_TRUE(whole.has_value());
        EXPECT_TRUE(std::all_of(whole->begin(), whole->end(),
                                [&](std::uint8_t b) { return b == whole->front(); }));
    }
    ASSERT_TRUE(writeFileAtomically(path, SlidingThreeByThree()));
    const auto left = std::distance(fs::directory_iterator(Folder), fs::directory_iterator());
    EXPECT_EQ(left, 1);
}

}  // namespace
}  // namespace mosaic
