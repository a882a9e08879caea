// The main window under Qt's offscreen platform: real widgets, real menus,
// real dialogs and message boxes, answered from the test.

#include "ui/form1.h"
#include "engine/fake_platform.h"
#include "ui/dialog.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>

#include <sys/fsuid.h>
#include <unistd.h>
#include <functional>

using namespace mosaic;

namespace {

// Acts on the next modal window of type W once it is on screen.
template <typename W>
void WhenModal(std::function<void(W*)> act) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        auto* window = qobject_cast<W*>(QApplication::activeModalWidget());
        if (!window || !window->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        act(window);
    });
    poll->start();
}

struct SeenMessage {
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int count = 0;
};

// Answers the next message boxes with these buttons, one each, recording
// what the last one said.
void AnswerMessages(SeenMessage& seen, std::vector<QMessageBox::StandardButton> buttons) {
    if (buttons.empty())
        return;
    WhenModal<QMessageBox>([&seen, buttons](QMessageBox* box) {
        seen.text = box->text();
        seen.title = box->windowTitle();
        seen.icon = box->icon();
        ++seen.count;
        QAbstractButton* button = box->button(buttons.front());
        if (!button) {  // not the box the test expected: record it and close it
            box->done(0);
            QFAIL(qPrintable("unexpected message: " + box->text()));
        }
        button->click();
        AnswerMessages(seen, {buttons.begin() + 1, buttons.end()});
    });
}

void AnswerMessage(SeenMessage& seen, QMessageBox::StandardButton button = QMessageBox::Ok) {
    AnswerMessages(seen, {button});
}

// Answers the next file dialog with a path (or Cancel when it is empty).
void AnswerFileDialog(const QString& path) {
    WhenModal<QFileDialog>([path](QFileDialog* dialog) {
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        // As a player types a full path into the name box.
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        name->setText(path);
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

QPoint CellPixel(int col, int row, int magnify = 1) {
    return {24 * magnify * col, 24 * magnify * (row + 1)};
}

}  // namespace

class Form1Test : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Form1> form;

    Game& game() { return form->game(); }
    void Trigger(const char* name) { form->menuItem(QString::fromLatin1(name))->trigger(); }
    QPushButton* Button(const char* name) { return form->findChild<QPushButton*>(name); }
    QLineEdit* TextBox(const char* name) { return form->findChild<QLineEdit*>(name); }
    PieceBoxWidget* BoxAt(int col, int row) {
        return form->pieceBox(std::stoi(game().Board[col][row]));
    }

private slots:
    void init() {
        form = std::make_unique<Form1>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        Trigger("ai_4");  // the fastest slides keep the tests short
    }
    void cleanup() { form.reset(); }

    void startsWithItsMenusAndSplash() {
        QCOMPARE(form->windowTitle(), QStringLiteral("Mosaic Rush"));
        const std::pair<const char*, const char*> captions[] = {
            {"ai_file", "&File"},         {"ai_open", "&Load Game"},   {"ai_save", "&Save Game"},
            {"ai_load", "&Import Image"}, {"ai_about", "&About"},      {"ai_exit", "e&Xit"},
            {"ai_type", "&Type"},         {"ai_empty", "Empty Space"}, {"ai_manual", "Custom"},
            {"ai_3x3", "3 X 3"},          {"ai_10x10", "10 X 10"},     {"ai_view", "&View Image"},
            {"ai_mag", "&Magnify"},       {"ai_mag1", "X1"},           {"ai_mag2", "X2"},
            {"ai_speed", "&Speed"},       {"ai_1", "X 0.5"},           {"ai_4", "X 4"},
            {"ai_order", "&Order"},       {"ai_hor", "Horiz"},         {"ai_asc1", "Ascend"},
            {"ai_des2", "Descend"}};
        for (auto [name, caption] : captions) {
            QAction* action = form->menuItem(QString::fromLatin1(name));
            QVERIFY2(action, name);
            QCOMPARE(action->text(), QString::fromLatin1(caption));
        }
        QCOMPARE(form->menuItem("ai_exit")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_X));
        QVERIFY(!form->menuItem("ai_save")->isEnabled());
        QVERIFY(form->menuItem("ai_order")->isEnabled());
        QVERIFY(form->menuItem("ai_empty")->isChecked());
        QVERIFY(form->menuItem("ai_mag1")->isChecked());
        QVERIFY(form->menuItem("ai_asc1")->isChecked());
        QVERIFY(form->menuItem("ai_4")->isChecked());  // set by init
        auto* splash = form->findChild<QLabel*>("Image2");
        QVERIFY(splash->isVisible());
        QCOMPARE(splash->geometry(), QRect(48, 32, 287, 185));
        for (int k = 0; k <= 100; ++k)
            QVERIFY(!form->pieceBox(k)->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!splash->isVisible(), 4000);
    }

    void sizeCommandShowsTheBoardCutFromTheDefaultPicture() {
        Trigger("ai_4x4");
        const int menuHeight = form->menuBar()->height();
        QCOMPARE(form->size(), QSize((360 * 4 + 2880) / 15, 360 * (4 + 2 + 5) / 15));
        QCOMPARE(form->centralWidget()->height(), form->height() - menuHeight);
        const QImage picture = mosaic::testing::DefaultPicture();
        const int cw = 287 / 4, ch = 185 / 4;
        for (int k = 0; k <= 100; ++k)
            QCOMPARE(form->pieceBox(k)->isVisible(), k >= 1 && k <= 15);
        for (int r = 1; r <= 4; ++r)
            for (int c = 1; c <= 4; ++c) {
                if (game().Board[c][r] == EmptyCell)
                    continue;
                const int k = std::stoi(game().Board[c][r]);
                PieceBoxWidget* box = form->pieceBox(k);
                QCOMPARE(box->geometry(), QRect(CellPixel(c, r), QSize(25, 25)));
                const QImage expected =
                    picture.copy((k - 1) % 4 * cw, (k - 1) / 4 * ch, cw, ch)
                        .scaled(23, 23, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
                QCOMPARE(box->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
                         expected.convertToFormat(QImage::Format_RGB32));
            }
        QCOMPARE(form->findChild<QLabel*>("Label1")->text(), QStringLiteral("4 X 4"));
        QCOMPARE(Button("COMMAND2")->text(), QStringLiteral("AUTO"));
        QCOMPARE(Button("COMMAND2")->geometry().topLeft(), QPoint(60, 168));
        QVERIFY(Button("Command3")->isVisible());
        QVERIFY(form->menuItem("ai_save")->isEnabled());

        Trigger("ai_mag2");
        QCOMPARE(form->size(), QSize((720 * 4 + 2880) / 15, 360 * (8 + 4 + 5) / 15));
        for (int r = 1; r <= 4; ++r)
            for (int c = 1; c <= 4; ++c)
                if (game().Board[c][r] != EmptyCell) {
                    QCOMPARE(BoxAt(c, r)->geometry(), QRect(CellPixel(c, r, 2), QSize(50, 50)));
                    QCOMPARE(BoxAt(c, r)->pixmap().size(), QSize(48, 48));
                }
    }

    void clicksAndArrowKeysSlideTheRightPieces() {
        Trigger("ai_5x5");
        QCOMPARE(game().BlankCol, 5);
        // A click on the far piece of the row slides its neighbour of the empty cell.
        PieceBoxWidget* neighbour = BoxAt(4, 5);
        QTest::mouseClick(BoxAt(1, 5), Qt::LeftButton);
        QCOMPARE(neighbour->geometry().topLeft(), CellPixel(5, 5));
        QCOMPARE(TextBox("Text2")->text(), QStringLiteral("1"));
        // A piece off the empty cell's row and column does nothing.
        QTest::mouseClick(BoxAt(1, 1), Qt::LeftButton);
        QCOMPARE(game().MoveCount, 1);
        // Up: the piece below the empty cell rises; there is none in the last row.
        QTest::keyClick(form.get(), Qt::Key_Up);
        QCOMPARE(game().MoveCount, 1);
        PieceBoxWidget* above = BoxAt(4, 4);
        QTest::keyClick(form.get(), Qt::Key_Down);
        QCOMPARE(above->geometry().topLeft(), CellPixel(4, 5));
        PieceBoxWidget* right = BoxAt(5, 4);
        QTest::keyClick(form.get(), Qt::Key_Left);
        QCOMPARE(right->geometry().topLeft(), CellPixel(4, 4));
        QTest::keyClick(form.get(), Qt::Key_Right);
        QCOMPARE(right->geometry().topLeft(), CellPixel(5, 4));
        QCOMPARE(TextBox("Text2")->text(), QStringLiteral("4"));
        QTest::mouseClick(Button("Command5"), Qt::LeftButton);  // "U"
        QCOMPARE(above->geometry().topLeft(), CellPixel(4, 4));
        QCOMPARE(game().MoveCount, 5);
    }

    void completingMoveShowsTheMessageAndClosesPlay() {
        mosaic::testing::SetBoard(game(), {{"1", "2", "3"}, {"4", "5", "6"}, {"7", "_", "8"}});
        form->SyncFromGame();
        SeenMessage seen;
        AnswerMessage(seen);
        QTest::mouseClick(form->pieceBox(8), Qt::LeftButton);
        QCOMPARE(seen.count, 1);
        QCOMPARE(seen.text, QStringLiteral("Completed"));
        QCOMPARE(seen.title, QStringLiteral("Congratulations"));
        QCOMPARE(seen.icon, QMessageBox::Warning);
        QVERIFY(!Button("Command3")->isEnabled());
        QVERIFY(!form->menuItem("ai_save")->isEnabled());
        QTest::keyClick(form.get(), Qt::Key_Right);
        QCOMPARE(game().MoveCount, 1);
    }

    void swapPlayPicksSwapsAndNotices() {
        Trigger("ai_empty");
        mosaic::testing::SetBoard(game(), {{"2", "1", "3"}, {"4", "5", "6"}, {"7", "9", "8"}}, "HA",
                                  false);
        form->SyncFromGame();
        auto* notice = TextBox("Text3");
        QTest::mouseClick(form->pieceBox(3), Qt::LeftButton);  // a correct piece
        QVERIFY(notice->isVisible());
        QCOMPARE(notice->text(), QStringLiteral("Piece is Correct!"));
        QTRY_VERIFY_WITH_TIMEOUT(!notice->isVisible(), 3000);
        QTest::mouseClick(form->pieceBox(1), Qt::LeftButton);
        QTest::mouseClick(form->pieceBox(2), Qt::LeftButton);
        QCOMPARE(form->pieceBox(1)->geometry().topLeft(), CellPixel(1, 1));
        QCOMPARE(form->pieceBox(2)->geometry().topLeft(), CellPixel(2, 1));
        SeenMessage seen;
        AnswerMessage(seen);
        QTest::mouseClick(form->pieceBox(9), Qt::LeftButton);
        QTest::mouseClick(form->pieceBox(8), Qt::LeftButton);
        QCOMPARE(seen.text, QStringLiteral("Completed"));
        QCOMPARE(form->pieceBox(9)->geometry().topLeft(), CellPixel(3, 3));
        QCOMPARE(game().MoveCount, 0);
    }

    void autoPlaySolvesAndStopsInTheSameTick() {
        Trigger("ai_3x3");
        QPushButton* toggle = Button("COMMAND2");
        QTest::mouseClick(toggle, Qt::LeftButton);
        QCOMPARE(toggle->text(), QStringLiteral("MANUAL"));
        QVERIFY(!Button("Command3")->isEnabled());
        QVERIFY(!form->menuItem("ai_3x3")->isEnabled());
        QVERIFY(form->menuItem("ai_load")->isEnabled());
        QTest::mouseClick(toggle, Qt::LeftButton);
        QCOMPARE(toggle->text(), QStringLiteral("AUTO"));
        QVERIFY(Button("Command3")->isEnabled());
        QVERIFY(form->menuItem("ai_3x3")->isEnabled());

        SeenMessage seen;
        AnswerMessage(seen);
        QTest::mouseClick(toggle, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(seen.count, 1, 60000);
        QCOMPARE(seen.title, QStringLiteral("Auto Play"));
        QCOMPARE(seen.icon, QMessageBox::Information);
        QVERIFY(game().Solved);
        const int moves = game().MoveCount;
        QTest::qWait(100);  // no tick comes after the solving one
        QCOMPARE(game().MoveCount, moves);
        QVERIFY(!toggle->isEnabled());
        QVERIFY(form->menuItem("ai_3x3")->isEnabled());
    }

    void saveAndLoadThroughTheDialogs() {
        QTemporaryDir folder;
        const QString path = folder.filePath("game.tsq");
        Trigger("ai_mag2");
        Trigger("ai_6x6");
        QTest::keyClick(form.get(), Qt::Key_Down);
        const Grid saved = game().Board;

        AnswerFileDialog(path);
        Trigger("ai_save");
        QCOMPARE(QFileInfo(path).size(), 42);

        // No to the overwrite question leaves the file as it was.
        std::ofstream(path.toStdString(), std::ios::binary) << "old";
        SeenMessage seen;
        AnswerFileDialog(path);
        AnswerMessage(seen, QMessageBox::No);
        Trigger("ai_save");
        QCOMPARE(seen.text, QStringLiteral("Save game exists. Overwrite?"));
        QCOMPARE(seen.title, QStringLiteral("Replace"));
        QCOMPARE(QFileInfo(path).size(), 3);
        AnswerFileDialog(path);
        AnswerMessage(seen, QMessageBox::Yes);
        Trigger("ai_save");
        QCOMPARE(QFileInfo(path).size(), 42);

        Trigger("ai_empty");
        Trigger("ai_3x3");
        AnswerFileDialog(path);
        Trigger("ai_open");
        QCOMPARE(game().GridCols, 6);
        QCOMPARE(game().MoveCount, 1);
        for (int r = 1; r <= 6; ++r)
            for (int c = 1; c <= 6; ++c)
                QCOMPARE(game().Board[c][r], saved[c][r]);
        QVERIFY(form->menuItem("ai_mag1")->isChecked());
        QVERIFY(form->menuItem("ai_empty")->isChecked());
        QCOMPARE(BoxAt(1, 1)->geometry().topLeft(), CellPixel(1, 1));
        QVERIFY(BoxAt(1, 1)->isVisible());

        // A folder the player may not write to: "Error saving", and the game
        // saved there before is still whole. Root writes anywhere, so the
        // test gives up root's file rights while it saves.
        const auto readOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                              QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
        QFile::setPermissions(folder.path(), readOnly | QFile::WriteOwner);
        const QString locked = folder.filePath("locked");
        QDir().mkdir(locked);
        const QString old = locked + "/old.tsq";
        QVERIFY(QFile::copy(path, old));
        QFile::setPermissions(locked, readOnly);
        const bool root = ::geteuid() == 0;
        if (root)
            ::setfsuid(65534);
        AnswerFileDialog(old);
        AnswerMessages(seen, {QMessageBox::Yes, QMessageBox::Ok});
        Trigger("ai_save");
        if (root)
            ::setfsuid(0);
        QCOMPARE(seen.text, QStringLiteral("Error saving"));
        QCOMPARE(seen.title, QStringLiteral("ALERT"));
        QCOMPARE(seen.icon, QMessageBox::Warning);
        QCOMPARE(QFileInfo(old).size(), 42);
        QCOMPARE(QDir(locked).entryList(QDir::Files), QStringList{"old.tsq"});
    }

    void importedPictureCutsTheNextBoard() {
        QTemporaryDir folder;
        QImage green(200, 100, QImage::Format_RGB32);
        green.fill(QColor(0, 200, 0));
        const QString picture = folder.filePath("green.bmp");
        QVERIFY(green.save(picture));
        Trigger("ai_3x3");
        AnswerFileDialog(picture);
        Trigger("ai_load");
        QVERIFY(form->pieceBox(1)->pixmap().toImage().pixelColor(5, 5) != QColor(0, 200, 0));
        Trigger("ai_4x4");
        QCOMPARE(form->pieceBox(1)->pixmap().toImage().pixelColor(5, 5), QColor(0, 200, 0));

        const QString text = folder.filePath("readme.jpg");
        std::ofstream(text.toStdString()) << "not a picture";
        AnswerFileDialog(text);
        Trigger("ai_load");
        Trigger("ai_4x4");
        QCOMPARE(game().PictureClip1.Picture(), game().Picture2);
    }

    void customWindowHoldsTheMainWindowUntilGo() {
        Trigger("ai_6x6");
        Trigger("ai_manual");
        QWidget* custom = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == QLatin1String("Form2") && window->isVisible())
                custom = window;
        QVERIFY(custom);
        QVERIFY(custom->isVisible());
        QVERIFY(!form->isEnabled());
        QTest::mouseClick(custom->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        QVERIFY(form->isEnabled());
        QCOMPARE(game().GridCols, 3);
        QCOMPARE(form->findChild<QLabel*>("Label1")->text(), QStringLiteral("3 X 3"));
    }

    void closingTheMainWindowClosesTheViewer() {
        Trigger("ai_view");
        QPointer<Dialog> viewer = form->viewer();
        QVERIFY(viewer);
        QVERIFY(viewer->isVisible());
        Trigger("ai_view");
        QCOMPARE(form->viewer(), viewer.data());
        form->close();
        QTRY_VERIFY(!viewer);
        QVERIFY(!game().ViewerOpen);
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
