#include "files/game_files.h"
#include "engine/fake_platform.h"
#include "files/saved_game.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

using namespace mosaic;
using mosaic::testing::LoadedGame;
namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

namespace {

class GameFiles : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "mosaic-files-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }

    std::string PathOf(const std::string& name) const { return (folder / name).string(); }

    static void Write(const std::string& path, const Bytes& bytes) {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }

    static Bytes Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }

    // Loads through the menu command, answering the dialog with path.
    static void Load(LoadedGame& g, const std::string& path) {
        g.platform.paths.push_back(path);
        ai_open_Click(g.game);
    }

    static void Save(LoadedGame& g, const std::string& path) {
        g.platform.paths.push_back(path);
        ai_save_Click(g.game);
    }

    fs::path folder;
};

// Everything a failed load must leave as it was.
struct Snapshot {
    explicit Snapshot(const Game& game)
        : cols(game.GridCols),
          rows(game.GridRows),
          moves(game.MoveCount),
          board(game.Board),
          goal(game.Goal),
          order(game.OrderCode),
          sliding(game.EmptySpaceMode),
          magnify(game.Magnify),
          width(game.Form1.Width) {
        for (const PieceBox& box : game.Picture1)
            shown.push_back(box.Visible ? box.Left * 10000 + box.Top : -1);
        checks = {game.ai_asc1.Checked, game.ai_des1.Checked,  game.ai_asc2.Checked,
                  game.ai_des2.Checked, game.ai_empty.Checked, game.ai_mag2.Checked};
    }
    bool operator==(const Snapshot&) const = default;
    int cols, rows, moves;
    Grid board, goal;
    std::string order;
    bool sliding;
    int magnify, width;
    std::vector<int> shown;
    std::vector<bool> checks;
};

}  // namespace

TEST_F(GameFiles, NewGameSavesToItsSmallestFileAndLoadsBackAtX1) {
    LoadedGame g;
    g.game.ai_NxN_Click(3);
    const std::string path = PathOf("game.tsq");
    Save(g, path);
    ASSERT_FALSE(g.game.GameFileError);
    const Bytes bytes = Read(path);
    ASSERT_EQ(bytes.size(), 15u);
    EXPECT_EQ(bytes[0], 3);
    EXPECT_EQ(bytes[1], 3);
    EXPECT_EQ(bytes[2], 0);
    EXPECT_EQ(bytes[3], 0);
    EXPECT_EQ(std::count(bytes.begin() + 4, bytes.begin() + 13, 255), 1);
    EXPECT_EQ(bytes[13], '1');
    EXPECT_EQ(bytes[14], '1');

    // A different game, at X2 and in swap play, then the load.
    const Grid saved = g.game.Board;
    g.game.ai_mag2_Click();
    g.game.ai_empty_Click();
    g.game.ai_NxN_Click(7);
    Load(g, path);
    ASSERT_FALSE(g.game.GameFileError);
    EXPECT_EQ(g.game.GridCols, 3);
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 3; ++c)
            EXPECT_EQ(g.game.Board[c][r], saved[c][r]);
    EXPECT_EQ(g.game.Magnify, 1);
    EXPECT_TRUE(g.game.ai_mag1.Checked);
    EXPECT_FALSE(g.game.ai_mag2.Checked);
    EXPECT_TRUE(g.game.EmptySpaceMode);
    EXPECT_TRUE(g.game.ai_empty.Checked);
    EXPECT_TRUE(g.game.Command3.Enabled);
    EXPECT_TRUE(g.game.COMMAND2.Visible);
    EXPECT_EQ(g.game.Form1.Width, 3960);
}

TEST_F(GameFiles, LargestGameRoundTripsWithMovesOrderAndMode) {
    LoadedGame g;
    g.game.ai_des2_Click();
    g.game.ai_empty_Click();
    g.game.ai_NxN_Click(10);
    g.game.MoveCount = 300;  // swap play counts no moves; a loaded game may hold some
    const std::string path = PathOf("big");
    Save(g, path);
    const Bytes bytes = Read(path + ".tsq");
    ASSERT_EQ(bytes.size(), 106u);
    EXPECT_EQ(bytes[2], 1);
    EXPECT_EQ(bytes[3], 44);
    EXPECT_EQ(bytes[104], '4');
    EXPECT_EQ(bytes[105], '0');

    LoadedGame other;
    other.game.ai_NxN_Click(4);
    Load(other, path + ".tsq");
    EXPECT_EQ(other.game.Board, g.game.Board);
    EXPECT_EQ(other.game.Goal, g.game.Goal);
    EXPECT_EQ(other.game.MoveCount, 300);
    EXPECT_EQ(other.game.OrderCode, "VD");
    EXPECT_TRUE(other.game.ai_des2.Checked);
    EXPECT_FALSE(other.game.ai_asc1.Checked);
    EXPECT_FALSE(other.game.EmptySpaceMode);
    EXPECT_FALSE(other.game.ai_empty.Checked);
    EXPECT_FALSE(other.game.COMMAND2.Visible);
    EXPECT_TRUE(other.game.Command3.Enabled);  // swap play is open
    for (int k = 1; k <= 100; ++k)
        EXPECT_TRUE(other.game.Picture1[k].Visible);
}

TEST_F(GameFiles, OrderByteZeroAndUnknownBytes) {
    LoadedGame g;
    g.game.ai_des1_Click();
    g.game.ai_NxN_Click(3);
    Bytes bytes = {3, 3, 0, 5, 1, 2, 3, 4, 5, 6, 7, 255, 8, 0, '1'};
    Write(PathOf("zero.tsq"), bytes);
    Load(g, PathOf("zero.tsq"));
    EXPECT_FALSE(g.game.GameFileError);
    EXPECT_EQ(g.game.OrderCode, "HA");
    EXPECT_TRUE(g.game.ai_asc1.Checked);
    EXPECT_FALSE(g.game.ai_des1.Checked);
    EXPECT_EQ(g.game.MoveCount, 5);
    EXPECT_EQ(g.game.BlankCol, 2);
    EXPECT_EQ(g.game.BlankRow, 3);

    // An unknown order keeps the order in force with no item checked; an
    // unknown mode keeps the mode in force.
    bytes[13] = '9';
    bytes[14] = 'x';
    Write(PathOf("odd.tsq"), bytes);
    g.game.ai_des2_Click();
    Load(g, PathOf("odd.tsq"));
    EXPECT_FALSE(g.game.GameFileError);
    EXPECT_EQ(g.game.OrderCode, "VD");
    for (const MenuItem* item :
         {&g.game.ai_asc1, &g.game.ai_des1, &g.game.ai_asc2, &g.game.ai_des2})
        EXPECT_FALSE(item->Checked);
    EXPECT_TRUE(g.game.EmptySpaceMode);
}

TEST_F(GameFiles, CorruptFilesAreRefusedAndTheGameStaysAsItWas) {
    LoadedGame g;
    g.game.ai_mag2_Click();
    g.game.ai_NxN_Click(4);
    g.game.Command6_Click();
    const Snapshot before(g.game);
    const Bytes good = {3, 3, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 255, '1', '1'};
    struct Case {
        const char* name;
        Bytes bytes;
        bool message;  // "Error reading"; a grid outside 1..10 is refused silently
    };
    auto with = [&](size_t at, std::uint8_t value) {
        Bytes bytes = good;
        bytes[at] = value;
        return bytes;
    };
    const Case cases[] = {
        {"empty", {}, false},
        {"short cells", {3, 3, 0, 0, 1, 2, 3}, true},
        {"label 0", with(4, 0), true},
        {"label 101", with(4, 101), true},
        {"label 254", with(4, 254), true},
        {"duplicate", with(4, 2), true},
        {"no empty cell", with(12, 9), true},
        {"two empty cells", with(11, 255), true},
        {"moves high 128", with(2, 128), true},
        {"columns 0", with(0, 0), false},
        {"columns 11", with(0, 11), false},
        {"rows 11", with(1, 11), false},
        {"empty cell in swap play", with(14, '0'), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = PathOf("bad.tsq");
        Write(path, c.bytes);
        g.platform.messages.clear();
        Load(g, path);
        EXPECT_TRUE(g.game.GameFileError);
        EXPECT_TRUE(Snapshot(g.game) == before);
        if (c.message) {
            ASSERT_EQ(g.platform.messages.size(), 1u);
            EXPECT_EQ(g.platform.messages[0].text, "Error reading");
            EXPECT_EQ(g.platform.messages[0].title, "ALERT");
            EXPECT_EQ(g.platform.messages[0].icon, MessageIcon::Exclamation);
        } else {
            EXPECT_TRUE(g.platform.messages.empty());
        }
    }
    // A file that cannot be read at all.
    fs::create_directory(PathOf("dir.tsq"));
    Load(g, PathOf("dir.tsq"));
    EXPECT_TRUE(g.game.GameFileError);
    EXPECT_TRUE(Snapshot(g.game) == before);
}

TEST_F(GameFiles, LoadAfterACompletedGameIsOpenForPlay) {
    LoadedGame g;
    const Bytes oneMoveLeft = {3, 3, 0, 7, 1, 2, 3, 4, 5, 6, 7, 255, 8, '1', '1'};
    Write(PathOf("near.tsq"), oneMoveLeft);
    Load(g, PathOf("near.tsq"));
    g.game.Command3_Click();
    ASSERT_TRUE(g.game.Solved);
    ASSERT_FALSE(g.game.Command3.Enabled);
    Load(g, PathOf("near.tsq"));
    EXPECT_TRUE(g.game.Command3.Enabled);
    EXPECT_TRUE(g.game.COMMAND2.Enabled);
    EXPECT_TRUE(g.game.ai_save.Enabled);
    g.game.Command3_Click();
    EXPECT_EQ(g.game.MoveCount, 8);
}

TEST_F(GameFiles, DialogRulesForNames) {
    LoadedGame g;
    g.game.ai_NxN_Click(3);
    // No extension: ".tsq" is added. A name too long once extended makes the
    // dialog come back; Cancel then ends it.
    g.platform.paths = {PathOf("ninechars"), std::nullopt};
    ai_save_Click(g.game);
    EXPECT_TRUE(g.game.DialogCancelled);
    EXPECT_EQ(g.platform.dialogs.size(), 2u);
    EXPECT_FALSE(fs::exists(PathOf("ninechars.tsq")));
    Save(g, PathOf("game.sav"));
    EXPECT_TRUE(fs::exists(PathOf("game.tsq")));
    EXPECT_EQ(g.platform.dialogs.back().second, "(*.tsq)|*.tsq");
    EXPECT_EQ(g.platform.dialogs.back().first, FileDialogKind::Save);
    // Loading a name that does not exist asks again, without a message.
    g.platform.dialogs.clear();
    g.platform.paths = {PathOf("nothere.tsq"), PathOf("game.tsq")};
    ai_open_Click(g.game);
    EXPECT_EQ(g.platform.dialogs.size(), 2u);
    EXPECT_EQ(g.platform.dialogs.back().first, FileDialogKind::Open);
    EXPECT_FALSE(g.game.DialogCancelled);
    EXPECT_TRUE(g.platform.messages.empty());
}

TEST_F(GameFiles, OverwriteIsAskedAndAFailedSaveKeepsTheOldFile) {
    LoadedGame g;
    g.game.ai_NxN_Click(3);
    const std::string path = PathOf("keep.tsq");
    const Bytes old = {1, 2, 3};
    Write(path, old);
    g.platform.answers = {MessageAnswer::No};
    Save(g, path);
    ASSERT_EQ(g.platform.messages.size(), 1u);
    EXPECT_EQ(g.platform.messages[0].text, "Save game exists. Overwrite?");
    EXPECT_EQ(g.platform.messages[0].title, "Replace");
    EXPECT_EQ(g.platform.messages[0].icon, MessageIcon::Question);
    EXPECT_EQ(g.platform.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(g.platform.messages[0].defaultButton, MessageAnswer::No);
    EXPECT_EQ(Read(path), old);

    g.platform.answers = {MessageAnswer::Yes};
    Save(g, path);
    EXPECT_EQ(Read(path).size(), 15u);

    // A save that cannot be written says so and leaves what was there.
    g.platform.messages.clear();
    g.platform.answers = {MessageAnswer::Yes};
    const std::string blocked = PathOf("blocked.tsq");
    fs::create_directory(blocked);  // a folder in the way: the rename fails
    Save(g, blocked);
    EXPECT_TRUE(g.game.GameFileError);
    ASSERT_EQ(g.platform.messages.size(), 2u);
    EXPECT_EQ(g.platform.messages[1].text, "Error saving");
    EXPECT_EQ(g.platform.messages[1].title, "ALERT");
    EXPECT_TRUE(fs::is_directory(blocked));
    for (const auto& entry : fs::directory_iterator(folder))
        EXPECT_EQ(entry.path().extension(), ".tsq") << entry.path();  // no temporary left
}

TEST_F(GameFiles, ImportCutsTheNextBoardAndABadFileBringsBackTheDefault) {
    LoadedGame g;
    g.game.ai_NxN_Click(4);
    QImage blue(120, 80, QImage::Format_RGB32);
    blue.fill(QColor(0, 0, 255));
    const std::string picture = PathOf("blue.bmp");
    ASSERT_TRUE(blue.save(QString::fromStdString(picture)));
    const QImage before = g.game.Picture1[1].Picture;

    g.platform.paths = {picture};
    ai_load_Click(g.game);
    EXPECT_EQ(g.platform.dialogs.back().first, FileDialogKind::Save);
    EXPECT_EQ(g.game.PictureClip1.Width(), 120);
    EXPECT_EQ(g.game.Picture1[1].Picture, before);  // the board keeps its pieces
    g.game.ai_NxN_Click(4);
    EXPECT_EQ(g.game.Picture1[1].Picture.pixelColor(10, 10), QColor(0, 0, 255));

    const std::string text = PathOf("notes.jpg");
    Write(text, Bytes{'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c'});
    g.platform.paths = {text};
    ai_load_Click(g.game);
    EXPECT_EQ(g.game.PictureClip1.Picture(), g.game.Picture2);
    EXPECT_TRUE(g.platform.messages.empty());

    g.platform.paths = {std::nullopt};  // Cancel changes nothing
    ai_load_Click(g.game);
    EXPECT_EQ(g.game.PictureClip1.Picture(), g.game.Picture2);
}

TEST_F(GameFiles, HugePictureIsRefusedBeforeItIsDecoded) {
    // A bitmap header that claims 20000 x 20000 pixels; the pixels never come.
    Bytes header = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0};
    auto put32 = [&](std::uint32_t value) {
        for (int i = 0; i < 4; ++i)
            header.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    };
    put32(20000);                                // width
    put32(20000);                                // height
    header.insert(header.end(), {1, 0, 24, 0});  // planes, bits per pixel
    for (int i = 0; i < 6; ++i)
        put32(0);
    const std::string path = PathOf("huge.bmp");
    Write(path, header);
    EXPECT_TRUE(LoadPicture(path).isNull());

    LoadedGame g;
    QImage red(10, 10, QImage::Format_RGB32);
    red.fill(Qt::red);
    g.game.PictureClip1.SetPicture(red);
    g.platform.paths = {path};
    ai_load_Click(g.game);
    EXPECT_EQ(g.game.PictureClip1.Picture(), g.game.Picture2);
}
