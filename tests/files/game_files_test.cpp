// SPDX-License-Identifier: GPL-3.0-or-later
// Load Game, Save Game and Import Image as the menu runs them: real files in
// a temporary folder, dialogs and messages answered by a recording platform.

#include "files/game_files.h"
#include "engine/test_session.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mosaic {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using testing::TestSession;

class GameFiles : public ::testing::Test {
protected:
    // Removed with everything in it when the test ends.
    QTemporaryDir temporary;
    const fs::path folder{temporary.path().toStdString()};

    std::string pathOf(const std::string& name) const { return (folder / name).string(); }

    static void write(const std::string& path, const Bytes& bytes) {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }

    static Bytes read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }

    // Runs a menu command, answering its file dialog with path.
    static void withPath(TestSession& t, const std::string& path, void (*command)(GameSession&)) {
        t.platform.paths.push_back(path);
        command(t.session);
    }

};

TEST_F(GameFiles, ALoadedGameChecksItsOrderAndOpensPlay) {
    struct Case {
        std::uint8_t orderByte;
        std::optional<GoalOrder> order;
        const MenuItem MainMenus::*checkedItem;
    };
    const Case cases[] = {
        {'1', GoalOrder::RowsAscending, &MainMenus::rowsAscending},
        {'2', GoalOrder::RowsDescending, &MainMenus::rowsDescending},
        {'3', GoalOrder::ColumnsAscending, &MainMenus::columnsAscending},
        {'4', GoalOrder::ColumnsDescending, &MainMenus::columnsDescending},
        {'7', std::nullopt, nullptr},
    };
    for (const Case& c : cases) {
        TestSession t;
        t.session.chooseSize(5);
        t.session.chooseOrder(GoalOrder::ColumnsAscending);  // closes play
        const std::string path = pathOf("game.tsq");
        write(path, {4, 3, 0, 9, 5, 255, 2, 7, 1, 3, 11, 4, 6, 9, 8, 10, c.orderByte, '1'});
        withPath(t, path, loadGame);
        const MainMenus& menus = t.session.window().menus;
        for (auto item : {&MainMenus::rowsAscending, &MainMenus::rowsDescending,
                          &MainMenus::columnsAscending, &MainMenus::columnsDescending})
            EXPECT_EQ((menus.*item).checked, item == c.checkedItem) << c.orderByte;
        EXPECT_EQ(t.session.order(), c.order.value_or(GoalOrder::ColumnsAscending));
        EXPECT_EQ(t.session.goal(), goalBoard(t.session.order(), PlayKind::Sliding, {4, 3}));
        EXPECT_EQ(t.session.board().label({1, 1}), 5);
        EXPECT_EQ(t.session.moveCount(), 9);
        EXPECT_TRUE(t.session.playOpen());
        EXPECT_TRUE(t.platform.messages.empty());
    }
}

TEST_F(GameFiles, ABadFileLeavesTheGameAsItWasAndSaysWhy) {
    const std::string notSaved = "bad.tsq: This is not a saved game. ";
    struct Case {
        const char* name;
        Bytes bytes;
        std::string detail;  // empty: refused without a message
    };
    const Case cases[] = {
        // What the decoder finds wrong: the decoder's own table has every fault.
        {"grid too large", {11, 3, 0, 0}, ""},
        {"label twice",
         {3, 3, 0, 0, 1, 1, 2, 3, 4, 5, 6, 7, 255, '1', '1'},
         notSaved + "The cells of its 3 x 3 grid do not hold the pieces 1 to 8 and one empty "
                    "cell once each."},
        {"cut short",
         {3, 3, 0, 0, 1, 2, 3},
         notSaved + "The file ends before the last cell of its 3 x 3 grid."},
        {"move count", {3, 3, 200, 0}, notSaved + "The move count is over 32767."},
        // What reading the file finds.
        {"no such file", {}, "missing.tsq: No such file or directory"},
        {"a folder", {}, "folder.tsq: It is not a file."},
        {"a pipe", {}, "pipe.tsq: It is not a file."},
        {"no right to read",
         {3, 3, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 255, '1', '1'},
         "locked.tsq: Permission denied"},
    };
    fs::create_directory(pathOf("folder.tsq"));
    ASSERT_EQ(::mkfifo(pathOf("pipe.tsq").c_str(), 0600), 0);
    for (const Case& c : cases) {
        TestSession t;
        t.session.chooseSize(4);
        t.session.chooseMagnification(2);
        const Board board = t.session.board();
        const Board goal = t.session.goal();
        std::string path = pathOf("bad.tsq");
        write(path, c.bytes);
        if (c.detail.starts_with("missing") || c.detail.starts_with("folder") ||
            c.detail.starts_with("pipe"))
            path = pathOf(c.detail.substr(0, c.detail.find(':')));
        bool opened = false;
        if (c.detail.starts_with("locked")) {
            // Root reads anything, so the file is read with an ordinary user's rights.
            path = pathOf("locked.tsq");
            write(path, c.bytes);
            fs::permissions(path, fs::perms::none);
            const int user = ::setfsuid(65534);
            opened = openGameFile(t.session, path);
            ::setfsuid(user);
        } else {
            opened = openGameFile(t.session, path);
        }
        EXPECT_FALSE(opened) << c.name;
        EXPECT_EQ(t.session.board(), board) << c.name;
        EXPECT_EQ(t.session.goal(), goal) << c.name;
        EXPECT_EQ(t.session.magnification(), 2) << c.name;
        ASSERT_EQ(t.platform.messages.size(), c.detail.empty() ? 0u : 1u) << c.name;
        if (!c.detail.empty()) {
            EXPECT_EQ(t.platform.messages[0].text, "Error reading");
            EXPECT_EQ(t.platform.messages[0].detail, c.detail);
            EXPECT_EQ(t.platform.messages[0].title, "ALERT");
            EXPECT_EQ(t.platform.messages[0].icon, MessageIcon::Exclamation);
        }
    }
}

TEST_F(GameFiles, TheDialogSaysOnceThatANameIsTooLong) {
    TestSession t;
    t.session.chooseSize(3);
    t.platform.paths = {pathOf("a-long-name"), pathOf("another-long-one"), pathOf("short")};
    saveGame(t.session);
    ASSERT_EQ(t.platform.messages.size(), 1u);
    EXPECT_EQ(t.platform.messages[0].text,
              "File names are at most 12 characters long, with \".tsq\".");
    EXPECT_EQ(t.platform.messages[0].detail, "a-long-name.tsq");
    EXPECT_TRUE(fs::exists(pathOf("short.tsq")));
}

TEST_F(GameFiles, ASaveWritesThroughALinkAndKeepsPermissions) {
    TestSession t;
    t.session.chooseSize(3);
    const std::string target = pathOf("target.tsq");
    write(target, {1, 2, 3});
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("target.tsq", pathOf("link.tsq"));
    t.platform.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(writeGameFile(t.session, pathOf("link.tsq")));
    EXPECT_TRUE(fs::is_symlink(pathOf("link.tsq")));
    EXPECT_EQ(read(target), encodeSavedGame(savedGameOf(t.session)));
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(GameFiles, SaveWritesTheGameAndAsksBeforeReplacing) {
    TestSession t;
    t.session.toggleEmptySpace();
    t.session.chooseOrder(GoalOrder::RowsDescending);
    t.session.chooseSize(3);
    const std::string path = pathOf("game.tsq");
    withPath(t, pathOf("game"), saveGame);  // the dialog adds the extension
    EXPECT_EQ(read(path), encodeSavedGame(savedGameOf(t.session)));
    EXPECT_EQ(read(path)[13], '2');
    EXPECT_EQ(read(path)[14], '0');

    const Bytes old = {1, 2, 3};
    write(path, old);
    t.platform.answers = {MessageAnswer::No};
    withPath(t, path, saveGame);
    ASSERT_EQ(t.platform.messages.size(), 1u);
    EXPECT_EQ(t.platform.messages[0].text, "Save game exists. Overwrite?");
    EXPECT_EQ(t.platform.messages[0].title, "Replace");
    EXPECT_EQ(t.platform.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(read(path), old);
    t.platform.answers = {MessageAnswer::Yes};
    withPath(t, path, saveGame);
    EXPECT_EQ(read(path).size(), 15u);

    // A save that cannot be written says so and why, and leaves what was
    // there: no temporary file either.
    t.platform.messages.clear();
    t.platform.answers = {MessageAnswer::Yes};
    const std::string blocked = pathOf("blocked.tsq");
    fs::create_directory(blocked);  // a folder in the way
    withPath(t, blocked, saveGame);
    ASSERT_EQ(t.platform.messages.size(), 2u);
    EXPECT_EQ(t.platform.messages[1].text, "Error saving");
    EXPECT_TRUE(t.platform.messages[1].detail.starts_with("blocked.tsq: "));
    EXPECT_GT(t.platform.messages[1].detail.size(), 13u);
    EXPECT_TRUE(fs::is_directory(blocked));
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"blocked.tsq", "game.tsq"}));
}

TEST_F(GameFiles, ImportCutsTheNextBoardAndABadFileBringsBackTheDefault) {
    TestSession t;
    t.session.chooseSize(4);
    QImage blue(120, 80, QImage::Format_RGB32);
    blue.fill(QColor(0, 0, 255));
    const std::string picture = pathOf("blue.bmp");
    ASSERT_TRUE(blue.save(QString::fromStdString(picture)));
    const QImage before = t.session.piecePicture(1);

    withPath(t, picture, importImage);
    EXPECT_EQ(t.session.sourcePicture().size(), QSize(120, 80));
    EXPECT_EQ(t.session.piecePicture(1), before);  // the board keeps its pieces
    t.session.chooseSize(4);
    EXPECT_EQ(t.session.piecePicture(1).pixelColor(10, 10), QColor(0, 0, 255));

    // A file that is not a picture brings back the default one.
    write(pathOf("notes.jpg"), {'n', 'o', 't'});
    withPath(t, pathOf("notes.jpg"), importImage);
    EXPECT_EQ(t.session.sourcePicture(), t.session.defaultPicture());
    EXPECT_TRUE(t.platform.messages.empty());
}

}  // namespace
}  // namespace mosaic
