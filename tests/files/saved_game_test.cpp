#include "files/saved_game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numeric>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mosaic {

// Readable failure messages for the game types.
void PrintTo(const SavedGame& game, std::ostream* out) {
    *out << game.GridCols << "x" << game.GridRows << " moves " << game.MoveCount << " order "
         << game.OrderCode.value_or("?") << " mode "
         << (game.EmptySpaceMode ? (*game.EmptySpaceMode ? "sliding" : "swap") : "?") << " cells [";
    for (const auto& cell : game.Cells)
        *out << '"' << cell << "\" ";
    *out << "]";
}
void PrintTo(GameFileProblem problem, std::ostream* out) {
    *out << (problem == GameFileProblem::None             ? "None"
             : problem == GameFileProblem::SizeOutOfRange ? "SizeOutOfRange"
                                                          : "Corrupt");
}

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// A fresh folder for each test, removed afterwards.
class SavedGameFiles : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "mosaic-saved-game-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        Folder = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(Folder, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(Folder, ignored);
    }

    std::string PathOf(const std::string& name) const { return (Folder / name).string(); }

    void WriteRaw(const std::string& path, const Bytes& bytes) const {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        ASSERT_TRUE(out.good());
    }

    static Bytes ReadRaw(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    std::vector<std::string> FolderEntries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(Folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    // Writes the bytes to a real file and decodes what reading it gives back.
    DecodeResult DecodeThroughFile(const Bytes& bytes, bool currentEmptySpaceMode) {
        const std::string path = PathOf("game.tsq");
        WriteRaw(path, bytes);
        const auto read = ReadGameFileBytes(path);
        EXPECT_TRUE(read.has_value());
        return DecodeSavedGame(read.value_or(Bytes{}), currentEmptySpaceMode);
    }

    fs::path Folder;
};

// A game with the labels of its mode in a shuffled arrangement.
SavedGame ShuffledGame(int cols, int rows, bool sliding, const std::string& order, int moves,
                       std::mt19937& random) {
    SavedGame game{cols, rows, moves, {}, order, sliding};
    const int cells = cols * rows;
    for (int label = 1; label <= (sliding ? cells - 1 : cells); ++label)
        game.Cells.push_back(std::to_string(label));
    if (sliding)
        game.Cells.push_back(" ");
    std::shuffle(game.Cells.begin(), game.Cells.end(), random);
    return game;
}

// A valid 3x3 sliding file: labels 1..8 in reading order, the empty cell last.
Bytes SlidingThreeByThree() {
    return {3, 3, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 255, '1', '1'};
}
// A valid 3x3 swap file: labels 1..9 in reading order.
Bytes SwapThreeByThree() {
    return {3, 3, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, '1', '0'};
}

TEST_F(SavedGameFiles, MoveCountIsStoredHighByteFirst) {
    struct Case {
        int Moves;
        std::uint8_t High, Low;
    };
    for (const Case& c :
         {Case{300, 1, 44}, Case{200, 0, 200}, Case{256, 1, 0}, Case{32767, 127, 255}}) {
        SavedGame game{3, 3, c.Moves, {"1", "2", "3", "4", "5", "6", "7", "8", " "}, "HA", true};
        const Bytes bytes = EncodeSavedGame(game);
        EXPECT_EQ(bytes[2], c.High) << c.Moves;
        EXPECT_EQ(bytes[3], c.Low) << c.Moves;
        EXPECT_EQ(DecodeThroughFile(bytes, true).Game.MoveCount, c.Moves);
    }
}

TEST_F(SavedGameFiles, TenByTenGamesRoundTripThroughDisk) {
    std::mt19937 random(2024);
    const SavedGame games[] = {ShuffledGame(10, 10, true, "VD", 12345, random),
                               ShuffledGame(10, 10, false, "HD", 7, random),
                               ShuffledGame(7, 4, true, "VA", 32767, random)};
    for (const SavedGame& game : games) {
        const std::string path = PathOf("big.tsq");
        ASSERT_TRUE(WriteFileAtomically(path, EncodeSavedGame(game)));
        const auto bytes = ReadGameFileBytes(path);
        ASSERT_TRUE(bytes.has_value());
        EXPECT_EQ(bytes->size(), 6u + static_cast<std::size_t>(game.GridCols * game.GridRows));
        // The current mode is the opposite one: the file's mode must win.
        const DecodeResult result = DecodeSavedGame(*bytes, !*game.EmptySpaceMode);
        EXPECT_EQ(result.Problem, GameFileProblem::None);
        EXPECT_EQ(result.Game, game);
    }
}

TEST_F(SavedGameFiles, OrderByteReadsAsItsCodeOrAsUnknown) {
    struct Case {
        std::uint8_t Byte;
        std::optional<std::string> Code;
    };
    const Case cases[] = {{'1', "HA"},         {'2', "HD"},       {'3', "VA"},
                          {'4', "VD"},         {0, "HA"},         {'0', std::nullopt},
                          {'5', std::nullopt}, {1, std::nullopt}, {'A', std::nullopt},
                          {255, std::nullopt}};
    for (const Case& c : cases) {
        Bytes bytes = SlidingThreeByThree();
        bytes[13] = c.Byte;
        const DecodeResult result = DecodeThroughFile(bytes, true);
        EXPECT_EQ(result.Problem, GameFileProblem::None) << int(c.Byte);
        EXPECT_EQ(result.Game.OrderCode, c.Code) << int(c.Byte);
    }
    // Each code is written as its own digit; an unknown order is written as '1'.
    SavedGame game{1, 1, 0, {" "}, std::nullopt, true};
    EXPECT_EQ(EncodeSavedGame(game)[5], '1');
    const std::pair<const char*, char> digits[] = {
        {"HA", '1'}, {"HD", '2'}, {"VA", '3'}, {"VD", '4'}};
    for (const auto& [code, digit] : digits) {
        game.OrderCode = code;
        EXPECT_EQ(EncodeSavedGame(game)[5], digit) << code;
    }
}

TEST_F(SavedGameFiles, UnknownModeByteChecksTheCellsAgainstTheCurrentMode) {
    for (std::uint8_t modeByte :
         {std::uint8_t{0}, std::uint8_t{1}, std::uint8_t{'2'}, std::uint8_t{255}}) {
        Bytes sliding = SlidingThreeByThree();
        Bytes swap = SwapThreeByThree();
        sliding[14] = swap[14] = modeByte;

        const DecodeResult slidingNow = DecodeThroughFile(sliding, true);
        EXPECT_EQ(slidingNow.Problem, GameFileProblem::None) << int(modeByte);
        EXPECT_EQ(slidingNow.Game.EmptySpaceMode, std::nullopt);
        EXPECT_EQ(DecodeThroughFile(sliding, false).Problem, GameFileProblem::Corrupt)
            << int(modeByte);

        const DecodeResult swapNow = DecodeThroughFile(swap, false);
        EXPECT_EQ(swapNow.Problem, GameFileProblem::None) << int(modeByte);
        EXPECT_EQ(swapNow.Game.EmptySpaceMode, std::nullopt);
        EXPECT_EQ(DecodeThroughFile(swap, true).Problem, GameFileProblem::Corrupt) << int(modeByte);
    }
    // Known mode bytes win over the current mode; a game of unknown mode is saved as sliding play.
    EXPECT_EQ(DecodeThroughFile(SlidingThreeByThree(), false).Game.EmptySpaceMode, true);
    EXPECT_EQ(DecodeThroughFile(SwapThreeByThree(), true).Game.EmptySpaceMode, false);
    EXPECT_EQ(EncodeSavedGame(SavedGame{1, 1, 0, {" "}, "HA", std::nullopt})[5], '1');
}

TEST_F(SavedGameFiles, ShortFileReadsMissingBytesAsZero) {
    // All cells present, order and mode missing: order 0 reads as "HA", mode unknown.
    Bytes bytes = SlidingThreeByThree();
    bytes.resize(13);
    DecodeResult result = DecodeThroughFile(bytes, true);
    EXPECT_EQ(result.Problem, GameFileProblem::None);
    EXPECT_EQ(result.Game.OrderCode, "HA");
    EXPECT_EQ(result.Game.EmptySpaceMode, std::nullopt);

    bytes = SwapThreeByThree();
    bytes.resize(14);
    result = DecodeThroughFile(bytes, false);
    EXPECT_EQ(result.Problem, GameFileProblem::None);
    EXPECT_EQ(result.Game.OrderCode, "HA");
    EXPECT_EQ(DecodeThroughFile(bytes, true).Problem, GameFileProblem::Corrupt);
}

TEST_F(SavedGameFiles, SmallestGridsDecode) {
    EXPECT_EQ(DecodeThroughFile({1, 1, 0, 5, 255, '2', '1'}, false).Game,
              (SavedGame{1, 1, 5, {" "}, "HD", true}));
    EXPECT_EQ(DecodeThroughFile({1, 1, 0, 0, 1, '1', '0'}, true).Game,
              (SavedGame{1, 1, 0, {"1"}, "HA", false}));
    EXPECT_EQ(
        DecodeThroughFile({10, 1, 0, 0, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, '3', '0'}, true).Game,
        (SavedGame{10, 1, 0, {"10", "9", "8", "7", "6", "5", "4", "3", "2", "1"}, "VA", false}));
}

TEST_F(SavedGameFiles, BadFilesAreRejectedWithTheRightProblem) {
    using P = GameFileProblem;
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
        bool CurrentMode;
        P Expected;
    };
    const Case cases[] = {
        {"empty file", {}, true, P::SizeOutOfRange},
        {"columns only", truncated(1), true, P::SizeOutOfRange},
        {"size only", truncated(2), true, P::Corrupt},
        {"cut in the move count", truncated(3), true, P::Corrupt},
        {"no cells", truncated(4), true, P::Corrupt},
        {"cut in the cells", truncated(10), true, P::Corrupt},
        {"last cell missing", truncated(12), true, P::Corrupt},
        {"columns 0", sliding(0, 0), true, P::SizeOutOfRange},
        {"columns 11", sliding(0, 11), true, P::SizeOutOfRange},
        {"columns 255", sliding(0, 255), true, P::SizeOutOfRange},
        {"rows 0", sliding(1, 0), true, P::SizeOutOfRange},
        {"rows 11", sliding(1, 11), true, P::SizeOutOfRange},
        {"move high byte 128", sliding(2, 128), true, P::Corrupt},
        {"move high byte 255", sliding(2, 255), true, P::Corrupt},
        {"label 0", sliding(4, 0), true, P::Corrupt},
        {"label 101", label101, false, P::Corrupt},
        {"label 254", sliding(4, 254), true, P::Corrupt},
        {"duplicated label", sliding(5, 1), true, P::Corrupt},
        {"sliding play without empty cell", sliding(12, 9), true, P::Corrupt},
        {"sliding play with two empty cells", sliding(4, 255), true, P::Corrupt},
        {"swap play with an empty cell", swapWithEmpty, false, P::Corrupt},
        {"sliding cells, no mode byte, swap play current", truncated(14), false, P::Corrupt},
        {"1x1 sliding play with a piece", {1, 1, 0, 0, 1, '1', '1'}, true, P::Corrupt},
    };
    for (const Case& c : cases) {
        const DecodeResult result = DecodeThroughFile(c.File, c.CurrentMode);
        EXPECT_EQ(result.Problem, c.Expected) << c.Name;
        EXPECT_EQ(result.Game, SavedGame{}) << c.Name;
    }
    // The unchanged files pass, so each case above fails for its own reason.
    EXPECT_EQ(DecodeThroughFile(SlidingThreeByThree(), true).Problem, P::None);
    EXPECT_EQ(DecodeThroughFile(tenByTenSwap, false).Problem, P::None);
}

TEST(SavedGameDecoder, RandomBytesNeverBreakTheDecoder) {
    std::mt19937 random(12345);
    auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    const char* orders[] = {"HA", "HD", "VA", "VD"};
    int accepted = 0;

    for (int round = 0; round < 5000; ++round) {
        Bytes bytes;
        if (round % 2 == 0) {
            bytes.resize(static_cast<std::size_t>(below(121)));
            for (auto& b : bytes)
                b = static_cast<std::uint8_t>(below(256));
        } else {
            // A real file with a few bytes changed and its length changed now and then.
            bytes = EncodeSavedGame(ShuffledGame(1 + below(10), 1 + below(10), below(2) == 0,
                                                 orders[below(4)], below(32768), random));
            for (int changes = below(3); changes > 0; --changes)
                bytes[static_cast<std::size_t>(below(static_cast<int>(bytes.size())))] =
                    static_cast<std::uint8_t>(below(256));
            if (below(4) == 0)
                bytes.resize(static_cast<std::size_t>(below(121)),
                             static_cast<std::uint8_t>(below(256)));
        }
        const bool currentMode = below(2) == 0;
        const DecodeResult result = DecodeSavedGame(bytes, currentMode);

        Bytes padded = bytes;
        padded.resize(200, 0);
        const bool sizeOk = padded[0] >= 1 && padded[0] <= 10 && padded[1] >= 1 && padded[1] <= 10;
        EXPECT_EQ(result.Problem == GameFileProblem::SizeOutOfRange, !sizeOk) << "round " << round;
        if (result.Problem != GameFileProblem::None) {
            EXPECT_EQ(result.Game, SavedGame{}) << "round " << round;
            continue;
        }
        ++accepted;

        // What the program holds after loading: unknown order and mode keep the current ones.
        SavedGame loaded = result.Game;
        loaded.EmptySpaceMode = loaded.EmptySpaceMode.value_or(currentMode);
        loaded.OrderCode = loaded.OrderCode.value_or("VD");
        const Bytes saved = EncodeSavedGame(loaded);
        const std::size_t cellEnd = 4 + static_cast<std::size_t>(loaded.GridCols * loaded.GridRows);
        ASSERT_EQ(saved.size(), cellEnd + 2) << "round " << round;
        EXPECT_TRUE(std::equal(saved.begin(), saved.begin() + static_cast<std::ptrdiff_t>(cellEnd),
                               padded.begin()))
            << "size, moves and cells are saved as they were read, round " << round;
        const DecodeResult again = DecodeSavedGame(saved, !currentMode);
        EXPECT_EQ(again.Problem, GameFileProblem::None) << "round " << round;
        EXPECT_EQ(again.Game, loaded) << "round " << round;
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
        EXPECT_EQ(ApplyDefaultExtension(typed), expected) << typed;
}

TEST(SavedGameNames, FileNamePartAndTwelveCharacterLimit) {
    EXPECT_EQ(FileNamePart("/home/pat/game.tsq"), "game.tsq");
    EXPECT_EQ(FileNamePart("game.tsq"), "game.tsq");
    EXPECT_EQ(FileNamePart("/home/pat/"), "");

    EXPECT_FALSE(FileNameTooLong("/a/very/long/folder.name/eightchr.tsq"));  // 12 characters
    EXPECT_TRUE(FileNameTooLong("/short/ninechars.tsq"));                    // 13 characters
    EXPECT_TRUE(FileNameTooLong(ApplyDefaultExtension("/tmp/ninechars")));
    EXPECT_FALSE(FileNameTooLong(ApplyDefaultExtension("/tmp/eightchr")));
    // Characters, not bytes: "é" is two bytes in UTF-8.
    const std::string e = "\xC3\xA9";
    EXPECT_FALSE(FileNameTooLong("/tmp/" + e + "t" + e + "t" + e + "t" + e +
                                 "t.tsq"));  // 12 characters, 16 bytes
    EXPECT_TRUE(FileNameTooLong("/tmp/" + e + "t" + e + "t" + e + "t" + e + "t" + e +
                                ".tsq"));  // 13 characters
}

TEST_F(SavedGameFiles, ReadingStopsAtTheLimitAndFailsOnNonFiles) {
    EXPECT_EQ(ReadGameFileBytes(PathOf("missing.tsq")), std::nullopt);
    EXPECT_EQ(ReadGameFileBytes(Folder.string()), std::nullopt);
    ASSERT_EQ(::mkfifo(PathOf("pipe.tsq").c_str(), 0600), 0);
    EXPECT_EQ(ReadGameFileBytes(PathOf("pipe.tsq")),
              std::nullopt);  // and does not wait for a writer

    WriteRaw(PathOf("empty.tsq"), {});
    EXPECT_EQ(ReadGameFileBytes(PathOf("empty.tsq")), Bytes{});

    // Junk after the mode byte is ignored, however much there is.
    Bytes bytes = SwapThreeByThree();
    bytes.resize(1 << 20, 0xAB);
    WriteRaw(PathOf("long.tsq"), bytes);
    const auto read = ReadGameFileBytes(PathOf("long.tsq"));
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->size(), GameFileReadLimit);
    EXPECT_TRUE(std::equal(read->begin(), read->end(), bytes.begin()));
    EXPECT_EQ(DecodeSavedGame(*read, true).Problem, GameFileProblem::None);
}

TEST_F(SavedGameFiles, AtomicWriteReplacesTheFileAndLeavesNoTemporary) {
    const std::string path = PathOf("game.tsq");
    ASSERT_TRUE(WriteFileAtomically(path, SwapThreeByThree()));
    EXPECT_EQ(ReadRaw(path), SwapThreeByThree());
    ASSERT_TRUE(WriteFileAtomically(path, SlidingThreeByThree()));
    EXPECT_EQ(ReadRaw(path), SlidingThreeByThree());
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"game.tsq"});

    // A relative path writes into the working folder.
    const fs::path before = fs::current_path();
    fs::current_path(Folder);
    EXPECT_TRUE(WriteFileAtomically("relative.tsq", SwapThreeByThree()));
    fs::current_path(before);
    EXPECT_EQ(ReadRaw(PathOf("relative.tsq")), SwapThreeByThree());
    EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"game.tsq", "relative.tsq"}));
}

TEST_F(SavedGameFiles, FailedAtomicWriteLeavesEverythingAsItWas) {
    // Into a folder that does not exist.
    EXPECT_FALSE(WriteFileAtomically(PathOf("no-such-folder/game.tsq"), SwapThreeByThree()));
    EXPECT_TRUE(FolderEntries().empty());

    // Over a folder: the rename fails, the folder and its contents stay.
    fs::create_directory(PathOf("taken.tsq"));
    WriteRaw(PathOf("taken.tsq/inside"), {1, 2, 3});
    EXPECT_FALSE(WriteFileAtomically(PathOf("taken.tsq"), SwapThreeByThree()));
    EXPECT_TRUE(fs::is_directory(PathOf("taken.tsq")));
    EXPECT_EQ(ReadRaw(PathOf("taken.tsq/inside")), (Bytes{1, 2, 3}));
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"taken.tsq"});
}

TEST_F(SavedGameFiles, AtomicWriteIntoReadOnlyFolderFailsAndKeepsTheOldFile) {
    const std::string path = PathOf("game.tsq");
    WriteRaw(path, SwapThreeByThree());
    // Read and search for everyone, write for nobody. Root writes anywhere, so
    // as root the write is tried with an ordinary user's file rights.
    const auto readOnly = fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                          fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec;
    fs::permissions(Folder, readOnly);
    const bool root = ::geteuid() == 0;
    if (root)
        ::setfsuid(65534);
    EXPECT_FALSE(WriteFileAtomically(path, SlidingThreeByThree()));
    if (root)
        ::setfsuid(0);
    fs::permissions(Folder, fs::perms::owner_all);
    EXPECT_EQ(ReadRaw(path), SwapThreeByThree());
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"game.tsq"});
}

}  // namespace
}  // namespace mosaic
