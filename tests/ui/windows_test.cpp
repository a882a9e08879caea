// SPDX-License-Identifier: GPL-3.0-or-later
// The game's windows under Qt's offscreen platform: real widgets, real menus,
// real dialogs and message boxes, answered from the test.

#include "engine/test_session.h"
#include "ui/application.h"

#include <QSet>
#include <QTranslator>
#include "ui/board_view.h"
#include "ui/main_window.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <filesystem>
#include <fstream>
#include <functional>

#include <sys/stat.h>
#include <memory>

using namespace mosaic;

namespace {

// Acts on the next modal window of type W once it is on screen.
template <typename W>
void whenModal(std::function<void(W*)> act) {
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
    QString text, detail, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int count = 0;
};

void answerMessage(SeenMessage& seen, QMessageBox::StandardButton button = QMessageBox::Ok) {
    whenModal<QMessageBox>([&seen, button](QMessageBox* box) {
        seen.text = box->text();
        seen.detail = box->informativeText();
        seen.title = box->windowTitle();
        seen.icon = box->icon();
        ++seen.count;
        box->button(button)->click();
    });
}

// Answers the next file dialog as a player types a full path into its name box.
void answerFileDialog(const QString& path) {
    whenModal<QFileDialog>([path](QFileDialog* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

// The About window's contact address, held reversed so that the plain text
// is not part of this program either.
QString contactAddress() {
    QString address = QStringLiteral("gro.elpmaxe@hsur.ciasom");
    std::reverse(address.begin(), address.end());
    return address;
}

// Whether `text` occurs in `bytes` as 8-bit or as UTF-16 text.
bool holdsText(const QByteArray& bytes, const QString& text) {
    const QByteArray utf16(reinterpret_cast<const char*>(text.utf16()),
                           text.size() * qsizetype(sizeof(char16_t)));
    return bytes.contains(text.toLatin1()) || bytes.contains(utf16);
}

// What a screen reader is told: one announcement a time the window model's
// serial grows, said by the board cell that then has the reader's focus. (The
// offscreen platform has no accessibility bridge; the AT-SPI test hears the
// real events.)
struct ReaderLog {
    MainWindow& window;
    int serial = window.session().window().announcement.serial;

    // The names heard since the last call.
    QStringList heard() {
        const int now = window.session().window().announcement.serial;
        QAccessibleInterface* focus =
            QAccessible::queryAccessibleInterface(window.boardView())->focusChild();
        QStringList names;
        for (; serial < now; ++serial)
            names << (focus && focus->state().focused ? focus->text(QAccessible::Name)
                                                      : QString());
        return names;
    }
};

// English and every language the game ships.
constexpr const char* Languages[] = {"en", "de", "fr", "es", "it", "pt_BR", "nl"};

// The game's translation for a language, while it lives; none for English.
struct LanguageInstalled {
    QTranslator game, qt;
    explicit LanguageInstalled(const char* language) {
        if (loadTranslations(game, qt, QLocale(QString::fromLatin1(language)))) {
            QApplication::installTranslator(&game);
            QApplication::installTranslator(&qt);
        }
    }
    ~LanguageInstalled() {
        QApplication::removeTranslator(&game);
        QApplication::removeTranslator(&qt);
    }
};

template <typename W>
W* visibleTopLevel() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<W*>(window); found && found->isVisible())
            return found;
    return nullptr;
}

}  // namespace

class WindowsTest : public QObject {
    Q_OBJECT

    QTemporaryDir home_;
    std::unique_ptr<MainWindow> window;

    GameSession& session() { return window->session(); }
    void trigger(const char* name) {
        QAction* action = window->findChild<QAction*>(QString::fromLatin1(name));
        QVERIFY2(action, name);
        action->trigger();
    }
    QPushButton* button(const char* name) { return window->findChild<QPushButton*>(name); }
    QPoint centreOf(int label) { return window->boardView()->pieceRect(label).center(); }
    void clickPiece(int label) {
        QTest::mouseClick(window->boardView(), Qt::LeftButton, {}, centreOf(label));
    }

    // The texts of a window and all it holds, as a player reads them.
    static void collectTexts(QWidget* top, QSet<QString>& texts) {
        QList<QWidget*> widgets = top->findChildren<QWidget*>();
        widgets.prepend(top);
        for (QWidget* widget : widgets) {
            if (!widget->isVisible() && widget != top)
                continue;
            for (const QString& text : {widget->windowTitle(), widget->toolTip(),
                                        widget->accessibleName(),
                                        widget->property("text").toString()})
                if (!text.trimmed().isEmpty())
                    texts << QString(text).remove('&');
            if (auto* table = qobject_cast<QTableWidget*>(widget))
                for (int column = 0; column < table->columnCount(); ++column)
                    if (QTableWidgetItem* header = table->horizontalHeaderItem(column))
                        texts << header->text();
            for (QAction* action : widget->actions())
                if (!action->text().isEmpty())
                    texts << action->text().remove('&');
        }
    }

    // Plays through every window and message in a language and gathers what
    // it shows.
    QSet<QString> textsPlayersRead(const char* language) {
        QSet<QString> texts;
        window.reset();
        LanguageInstalled installed(language);
        window = std::make_unique<MainWindow>();
        window->show();
        trigger("speed4Action");
        SeenMessage seen;
        const auto keepMessage = [&] {
            texts << seen.text << seen.title;
            for (const QString& line : seen.detail.split('\n'))
                texts << line.section(": ", 0, 0) << line.section(": ", 1);
        };
        session().openSavedGame(testing::boardOf("1 2 3/4 5 6/7 0 8"), 0,
                                GoalOrder::RowsAscending, PlayKind::Sliding);
        window->showSession();
        collectTexts(window.get(), texts);
        for (QMenu* menu : window->findChildren<QMenu*>())
            collectTexts(menu, texts);
        answerMessage(seen);
        clickPiece(8);  // completes: "Completed"
        static_cast<void>(QTest::qWaitFor([&] { return seen.count == 1; }));
        keepMessage();
        QTemporaryDir folder;
        QFile bad(folder.filePath("bad.tsq"));
        bad.open(QIODevice::WriteOnly);
        bad.write(QByteArray("\x03\x03\x00\x00\x01", 5));
        bad.close();
        answerMessage(seen);
        window->openFile(bad.fileName());  // "Error reading"
        keepMessage();
        trigger("size3Action");
        answerMessage(seen);
        answerFileDialog(folder.filePath("gone/x.tsq"));
        trigger("saveGameAction");  // "Error saving"
        keepMessage();
        answerMessage(seen, QMessageBox::No);
        answerFileDialog(bad.fileName());
        trigger("saveGameAction");  // "Save game exists. Overwrite?"
        keepMessage();
        for (const char* own : {"customSizeAction", "viewImageAction", "aboutAction"}) {
            trigger(own);
            QWidget* opened = QApplication::activeModalWidget();
            for (QWidget* top : QApplication::topLevelWidgets())
                if (top != window.get() && top->isVisible() && top->isWindow())
                    opened = top;
            collectTexts(opened, texts);
            opened->close();
        }
        whenModal<QDialog>([&](QDialog* results) {
            collectTexts(results, texts);
            results->reject();
        });
        trigger("bestResultsAction");
        texts.remove(QString());
        return texts;
    }

private slots:
    // Settings and best results go to a home of this run's own: a run killed
    // half way, or one of another build at the same time, leaves nothing
    // that the next run would read.
    void initTestCase() {
        QVERIFY(home_.isValid());
        qputenv("HOME", home_.path().toLocal8Bit());
        QStandardPaths::setTestModeEnabled(true);
    }
    void init() {
        window = std::make_unique<MainWindow>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        trigger("speed4Action");  // the fastest slides keep the tests short
    }
    void cleanup() { window.reset(); }

    void boardShowsPiecesCutFromTheDefaultPicture() {
        const QImage picture = testing::defaultPicture();
        for (const int magnification : {1, 2}) {
            trigger(magnification == 1 ? "magnify1Action" : "magnify2Action");
            trigger("size4Action");
            // At least as wide as the design, and as the menu bar needs.
            QCOMPARE(window->height(), 24 * (6 * magnification + 5));
            QVERIFY(window->width() >= 96 * magnification + 192);
            const QImage shown = window->boardView()->grab().toImage();
            const int side = 25 * magnification - 2;
            for (int label = 1; label <= 15; ++label) {
                const Cell cell = *session().board().find(label);
                const QRect box = window->boardView()->pieceRect(label);
                QCOMPARE(box, QRect(QPoint(24 * magnification * cell.column,
                                           24 * magnification * (cell.row + 1)),
                                    QSize(side + 2, side + 2)));
                const QImage expected =
                    picture.copy((label - 1) % 4 * 71, (label - 1) / 4 * 46, 71, 46)
                        .scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
                // At X2 neighbouring boxes overlap by two lines, so a frame
                // may cover the outer line of the picture.
                const QRect inside = box.adjusted(2, 2, -2, -2);
                QCOMPARE(
                    shown.copy(inside).convertToFormat(QImage::Format_RGB32),
                    expected.copy(1, 1, side - 2, side - 2).convertToFormat(QImage::Format_RGB32));
            }
        }
        // The pieces keep their picture while the main window is disabled.
        const QRect pieces = window->boardView()->cellRect({1, 1}).united(
            window->boardView()->cellRect({4, 4}));
        const QImage before = window->boardView()->grab(pieces).toImage();
        window->setEnabled(false);
        QCOMPARE(window->boardView()->grab(pieces).toImage(), before);
    }

    void clicksKeysAndButtonsSlidePieces() {
        trigger("size5Action");
        const Board& board = session().board();
        QCOMPARE(board.emptyCell(), (Cell{5, 5}));
        const int neighbour = board.label({4, 5});
        clickPiece(board.label({1, 5}));  // the far piece of the row
        QCOMPARE(*board.find(neighbour), (Cell{5, 5}));
        QCOMPARE(window->findChild<QLineEdit*>("moveCounter")->text(), QStringLiteral("1"));
        QTest::keyClick(window.get(), Qt::Key_Down);  // the piece above comes down
        QCOMPARE(board.emptyCell(), (Cell{4, 4}));
        QTest::mouseClick(button("rightButton"), Qt::LeftButton);
        QCOMPARE(board.emptyCell(), (Cell{3, 4}));
        QCOMPARE(session().moveCount(), 3);
    }

    void completingMoveShowsTheMessageAndClosesPlay() {
        session().openSavedGame(testing::boardOf("1 2 3/4 5 6/7 0 8"), 0, GoalOrder::RowsAscending,
                                PlayKind::Sliding);
        window->showSession();
        SeenMessage seen;
        answerMessage(seen);
        clickPiece(8);
        QTRY_COMPARE(seen.count, 1);  // once the shortest solution is known
        QCOMPARE(seen.text, QStringLiteral("Completed"));
        QCOMPARE(seen.title, QStringLiteral("Congratulations"));
        QCOMPARE(seen.icon, QMessageBox::Warning);
        QVERIFY(!button("leftButton")->isEnabled());
        QVERIFY(!window->findChild<QAction*>("saveGameAction")->isEnabled());
        // A replay ends at Escape, or at any menu choice, on the completed board.
        trigger("speedHalfAction");
        for (const char* stop : {"Escape", "speed1Action"}) {
            trigger("replayMyGameAction");
            QVERIFY(session().replaying());
            if (stop == QStringLiteral("Escape"))
                QTest::keyClick(window.get(), Qt::Key_Escape);
            else
                trigger(stop);
            QVERIFY2(!session().replaying(), stop);
            QCOMPARE(session().board(), session().goal());
        }
    }

    void autoPlaySolvesInTheWindow_data() {
        QTest::addColumn<QString>("method");
        QTest::newRow("step by step") << QStringLiteral("stepByStepAction");
        QTest::newRow("shortest") << QStringLiteral("shortestAction");
    }

    void autoPlaySolvesInTheWindow() {
        QFETCH(QString, method);
        trigger("size3Action");
        trigger(method.toLatin1().constData());
        QTest::keyClick(window.get(), Qt::Key_Down);  // something to undo
        QVERIFY(window->findChild<QAction*>("undoAction")->isEnabled());
        SeenMessage seen;
        answerMessage(seen);
        QTest::mouseClick(button("autoButton"), Qt::LeftButton);
        QCOMPARE(button("autoButton")->text(), QStringLiteral("MANUAL"));
        for (const char* name : {"size3Action", "undoAction", "hintAction", "shortestAction"})
            QVERIFY2(!window->findChild<QAction*>(name)->isEnabled(), name);
        QTRY_COMPARE_WITH_TIMEOUT(seen.count, 1, 60000);
        QCOMPARE(seen.title, QStringLiteral("Auto Play"));
        QCOMPARE(session().board(), session().goal());
    }

    void saveAndLoadThroughTheDialogs() {
        QTemporaryDir folder;
        const QString path = folder.filePath("game.tsq");
        trigger("size6Action");
        QTest::keyClick(window.get(), Qt::Key_Down);
        const Board saved = session().board();
        answerFileDialog(path);
        trigger("saveGameAction");
        QCOMPARE(QFileInfo(path).size(), 42);
        trigger("emptySpaceAction");
        trigger("size3Action");
        answerFileDialog(path);
        trigger("loadGameAction");
        QCOMPARE(session().board(), saved);
        QCOMPARE(session().moveCount(), 1);
        QVERIFY(window->findChild<QAction*>("emptySpaceAction")->isChecked());
    }

    // Import Image opens a file for reading; a save into a folder that does
    // not exist names the folder.
    void importOpensAndAFailedSaveNamesTheFolder() {
        QString title;
        QFileDialog::AcceptMode mode = QFileDialog::AcceptSave;
        whenModal<QFileDialog>([&](QFileDialog* dialog) {
            title = dialog->windowTitle();
            mode = dialog->acceptMode();
            dialog->reject();
        });
        trigger("importImageAction");
        QCOMPARE(title, QStringLiteral("Import Image"));
        QCOMPARE(mode, QFileDialog::AcceptOpen);
        trigger("size3Action");
        QTemporaryDir folder;
        SeenMessage seen;
        answerMessage(seen);
        answerFileDialog(folder.filePath("gone/x.tsq"));
        trigger("saveGameAction");
        QTRY_COMPARE(seen.count, 1);
        QCOMPARE(seen.text, QStringLiteral("Error saving"));
        QCOMPARE(seen.detail,
                 QStringLiteral("x.tsq: The folder %1 does not exist.").arg(folder.filePath("gone")));
    }

    void customSizeHoldsTheMainWindowUntilGo() {
        window->move(100, 80);
        trigger("customSizeAction");
        auto* custom = visibleTopLevel<CustomSizeWindow>();
        QVERIFY(custom);
        QVERIFY(QTest::qWaitForWindowExposed(custom));
        QCOMPARE(custom->windowHandle()->transientParent(), window->windowHandle());
        QCOMPARE(custom->windowModality(), Qt::WindowModal);
        QCOMPARE(custom->windowType(), Qt::Dialog);
        QCOMPARE(QApplication::activeModalWidget(), custom);
        // Centred on the main window, give or take the frame the platform adds.
        QVERIFY((custom->frameGeometry().center() - window->frameGeometry().center())
                    .manhattanLength() <= 6);
        QVERIFY(!window->close());  // the close box waits for the Custom window
        QVERIFY(window->isVisible());
        custom->findChild<QComboBox*>("columnsList")->setCurrentText(QStringLiteral("5"));
        custom->findChild<QComboBox*>("rowsList")->setCurrentText(QStringLiteral("7"));
        QTest::mouseClick(custom->findChild<QPushButton*>("goButton"), Qt::LeftButton);
        QVERIFY(window->isEnabled());
        QCOMPARE(session().board().size(), (GridSize{5, 7}));
        QCOMPARE(window->findChild<QLabel*>("sizeCaption")->text(), QStringLiteral("5 X 7"));
    }

    void viewerShowsTheWholePictureAndClosesOnEnter() {
        trigger("viewImageAction");
        QPointer<PictureViewer> viewer = window->viewer();
        QVERIFY(viewer && viewer->isVisible());
        QCOMPARE(viewer->windowTitle(), QStringLiteral("Viewing Image (287 x 185)"));
        auto* box = viewer->findChild<QLabel*>("pictureBox");
        const QImage expected = testing::defaultPicture().scaled(
            box->contentsRect().size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QCOMPARE(box->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
                 expected.convertToFormat(QImage::Format_RGB32));
        trigger("viewImageAction");  // an open viewer is filled again, not opened twice
        QCOMPARE(window->viewer(), viewer.data());
        QTest::keyClick(box, Qt::Key_Return);
        QTRY_VERIFY(!viewer);
    }

    void aboutShowsNameLogoAndContactLine() {
        trigger("aboutAction");
        auto* about = visibleTopLevel<AboutWindow>();
        QVERIFY(about);
        QCOMPARE(about->findChild<QLineEdit*>("contactLine")->text(),
                 QStringLiteral("E-Mail: ") + contactAddress());
        QCOMPARE(
            about->findChild<QPlainTextEdit*>("nameText")->toPlainText().split('\n')[0].trimmed(),
            QStringLiteral("Mosaic Rush"));
        QCOMPARE(about->findChild<QLabel*>("logo")->pixmap().size(), QSize(180, 116));
        // The built program holds the plain texts, but not the address it builds.
        QFile program(QCoreApplication::applicationFilePath());
        QVERIFY(program.open(QIODevice::ReadOnly));
        const QByteArray bytes = program.readAll();
        QVERIFY(holdsText(bytes, QStringLiteral("E-Mail: ")));
        QVERIFY(!holdsText(bytes, contactAddress()));
    }

    void secondaryWindowsBelongToTheMainWindowAndGoWithIt() {
        trigger("viewImageAction");
        trigger("aboutAction");
        trigger("aboutAction");  // one About window: choosing it again brings it up
        QPointer<PictureViewer> viewer = window->viewer();
        QPointer<AboutWindow> about = visibleTopLevel<AboutWindow>();
        QVERIFY(viewer && about);
        QCOMPARE(window->findChildren<AboutWindow*>().size(), 1);
        for (QWidget* own :
             {static_cast<QWidget*>(viewer.data()), static_cast<QWidget*>(about.data())}) {
            QCOMPARE(own->parentWidget(), window.get());
            QVERIFY(QTest::qWaitForWindowExposed(own));
            QCOMPARE(own->windowHandle()->transientParent(), window->windowHandle());
            // A dialog, which window managers keep with the window it belongs to.
            QCOMPARE(own->windowType(), Qt::Dialog);
        }
        QVERIFY(window->close());
        QTRY_VERIFY(!viewer && !about);
        for (QWidget* top : QApplication::topLevelWidgets())
            QVERIFY2(!top->isVisible(), qPrintable(top->objectName()));
    }

    // In English and in every language the game ships.
    void captionsFitTheirBoxes() {
        for (const char* language : {"en", "de", "fr", "es", "it", "pt_BR", "nl"}) {
            window.reset();
            QTranslator game, qt;
            loadTranslations(game, qt, QLocale(QString::fromLatin1(language)));
            QApplication::installTranslator(&game);
            window = std::make_unique<MainWindow>();
            session().openSavedGame(testing::boardOf("1 2 3 4/5 6 7 8/9 10 11 0"), MaxMoveCount,
                                    GoalOrder::RowsAscending, PlayKind::Sliding);
            for (const char* magnify : {"magnify1Action", "magnify2Action"}) {
                trigger(magnify);
                session().toggleAutoPlay();  // the caption of a running auto play
                window->showSession();
                for (const char* name : {"workingNotice", "pieceCorrectNotice", "moveCounter",
                                         "sizeCaption", "movesCaption", "timeCaption", "leftButton",
                                         "rightButton", "upButton", "downButton", "autoButton"}) {
                    auto* widget = window->findChild<QWidget*>(name);
                    const QString text = widget->property("text").toString();
                    QVERIFY2(!text.isEmpty(), name);
                    // A line box keeps a margin of two pixels each side.
                    const int needed = widget->fontMetrics().horizontalAdvance(text) + 4;
                    QVERIFY2(needed <= widget->width(),
                             qPrintable(QStringLiteral("%1 %2: \"%3\" needs %4 px, has %5")
                                            .arg(QString::fromLatin1(language), name, text)
                                            .arg(needed)
                                            .arg(widget->width())));
                    QVERIFY2(widget->fontMetrics().height() <= widget->height(), name);
                }
                session().toggleAutoPlay();
            }
            QApplication::removeTranslator(&game);
        }
    }

    void aDamagedBestResultsFileIsSetAsideAndTheGameGoesOn() {
        window.reset();
        const QString path = QString::fromStdString(BestResults::defaultPath());
        QDir().mkpath(QFileInfo(path).path());
        QFile damaged(path);
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("not best results\n");
        damaged.close();
        SeenMessage seen;
        answerMessage(seen);
        window = std::make_unique<MainWindow>();
        window->show();
        QTRY_COMPARE(seen.count, 1);
        QCOMPARE(seen.title, QStringLiteral("Best Results"));
        QVERIFY(QFile::exists(path + ".bad"));
        // The game records a completed game in a fresh file.
        session().openSavedGame(testing::boardOf("1 2 3/4 5 6/7 0 8"), 0, GoalOrder::RowsAscending,
                                PlayKind::Sliding);
        window->showSession();
        answerMessage(seen);
        clickPiece(8);
        QTRY_COMPARE(seen.count, 2);
        QVERIFY(seen.detail.contains(QStringLiteral("New best!")));
        QFile::remove(path + ".bad");
        QVERIFY(QFile::remove(path));
    }

    // What a screen reader hears: each action's announcement once, as focus
    // on the board cell it is about.
    void screenReadersHearEachMoveOnceOnTheFocusedCell() {
        ReaderLog reader{*window};
        session().openSavedGame(testing::boardOf("1 2 3/4 0 6/7 5 8"), 0, GoalOrder::RowsAscending,
                                PlayKind::Sliding);
        window->showSession();
        QAccessibleInterface* board = QAccessible::queryAccessibleInterface(window->boardView());
        QAccessibleTableInterface* table = board->tableInterface();
        QVERIFY(table);
        QCOMPARE(std::pair(table->rowCount(), table->columnCount()), std::pair(3, 3));
        QAccessibleInterface* cell = table->cellAt(2, 1);  // row 3, column 2
        QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("Piece 5"));
        QCOMPARE(cell->text(QAccessible::Description),
                 QStringLiteral("row 3, column 2; belongs at row 2, column 2"));
        QCOMPARE(std::pair(cell->tableCellInterface()->rowIndex(),
                           cell->tableCellInterface()->columnIndex()),
                 std::pair(2, 1));
        QCOMPARE(table->cellAt(1, 1)->text(QAccessible::Name), QStringLiteral("Empty cell"));
        QCOMPARE(QAccessible::queryAccessibleInterface(window->findChild<QLabel*>("sizeCaption"))
                     ->text(QAccessible::Name),
                 QStringLiteral("3 X 3"));
        const struct {
            QKeySequence keys;
            const char* heard;  // nullptr: a hint, whichever piece it moves
        } steps[] = {
            {Qt::Key_Left, "Piece 6 moved to row 2, column 2"},
            {Qt::CTRL | Qt::Key_Z, "Piece 6 moved to row 2, column 3"},
            {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, "Piece 6 moved to row 2, column 2"},
            {Qt::Key_Right, "Piece 6 moved to row 2, column 3"},  // what the undo said
            {Qt::Key_A, "Automatic player on"},
            {Qt::Key_A, "Automatic player off"},
            {Qt::Key_H, nullptr},
        };
        for (const auto& step : steps) {
            QTest::keySequence(window.get(), step.keys);
            QTRY_VERIFY(session().window().announcement.serial > reader.serial);  // hints take a while
            const QStringList heard = reader.heard();
            QCOMPARE(heard.size(), 1);
            QVERIFY2(step.heard ? heard.front() == QLatin1String(step.heard)
                                : heard.front().startsWith(QLatin1String("Piece ")),
                     qPrintable(heard.front()));
        }
    }

    void swapPlayByKeyboardAlone() {
        ReaderLog reader{*window};
        QTest::keyClick(window.get(), Qt::Key_T, Qt::AltModifier);  // the Type menu
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);  // Empty Space
        QCOMPARE(session().playKind(), PlayKind::Swap);
        session().openSavedGame(testing::boardOf("2 1 3/4 5 6/7 8 9"), 0, GoalOrder::RowsAscending,
                                PlayKind::Swap);
        window->showSession();
        // The cursor is on the board from the first key.
        QCOMPARE(session().window().cursor, (Cell{1, 1}));
        const std::pair<Qt::Key, const char*> steps[] = {
            {Qt::Key_Down, "Piece 4, row 2, column 1"},
            {Qt::Key_Space, "Piece is Correct!"},
            {Qt::Key_Up, "Piece 2, row 1, column 1"},
            {Qt::Key_Up, "Piece 2, row 1, column 1"},  // against the edge: said again
            {Qt::Key_Space, "Piece 2 picked"},
            {Qt::Key_Right, "Piece 1, row 1, column 2"}};
        for (const auto& [key, heard] : steps) {
            QTest::keyClick(window.get(), key);
            QCOMPARE(reader.heard(), QStringList{QString::fromLatin1(heard)});
        }
        SeenMessage seen;
        answerMessage(seen);
        QTest::keyClick(window.get(), Qt::Key_Return);  // and swaps it with 1
        QCOMPARE(session().board(), session().goal());
        QTRY_COMPARE(seen.count, 1);
        QCOMPARE(reader.heard(), QStringList{QStringLiteral("Piece 2 and piece 1 swapped")});
    }

    void piecesAreSharpAtTheScreensPixelRatio() {
        if (window->devicePixelRatioF() != 2)
            QSKIP("run with QT_SCALE_FACTOR=2");
        trigger("size3Action");
        const QImage shown = window->boardView()->grab().toImage();
        QCOMPARE(shown.devicePixelRatio(), 2.0);
        const QImage picture = testing::defaultPicture();
        for (int label = 1; label <= 8; ++label) {
            // The picture inside the box, in device pixels, from the source
            // picture itself and not from a piece cut at half the pixels.
            const QRect box = window->boardView()->pieceRect(label);
            const QRect inside(box.left() * 2 + 2, box.top() * 2 + 2, 46, 46);
            const QImage expected =
                picture.copy((label - 1) % 3 * 95, (label - 1) / 3 * 61, 95, 61)
                    .scaled(46, 46, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            QImage piece = shown.copy(inside).convertToFormat(QImage::Format_RGB32);
            piece.setDevicePixelRatio(1);
            QCOMPARE(piece, expected.convertToFormat(QImage::Format_RGB32));
        }
    }

    // Everything a player reads, in English and in German and French: every
    // window, menu, caption, tool tip and message. No text of the English run
    // may show up unchanged in the other languages, but for names, numbers
    // and words the languages share.
    void noEnglishTextIsLeftInGermanOrFrench() {
        // Words, not grid sizes, speeds or button letters; the file names
        // are the player's own.
        const QRegularExpression word(QStringLiteral("\\p{L}{2,}"));
        const QSet<QString> shared = {"Mosaic Rush", "AUTO", "OK", "E-Mail", "Mosaic Rush logo",
                                      "Type" /* French too */};
        const QSet<QString> english = textsPlayersRead("en");
        QVERIFY(english.contains("Completed") && english.contains("Error reading"));
        for (const char* language : {"de", "fr"}) {
            QStringList left;
            for (const QString& text : textsPlayersRead(language))
                if (english.contains(text) && text.contains(word) && !shared.contains(text) &&
                    !text.endsWith(".tsq") && !text.contains(contactAddress()) &&
                    !text.contains("github.com"))
                    left << text;
            QVERIFY2(left.isEmpty(), qPrintable(QString::fromLatin1(language) + ": " +
                                                left.join(QStringLiteral(" | "))));
        }
    }

    // Every menu title and item has an access key of its own in its menu, in
    // English and in every language.
    void everyMenuItemHasItsOwnAccessKeyInEveryLanguage() {
        window.reset();
        for (const char* language : Languages) {
            LanguageInstalled installed(language);
            MainWindow translated;
            // Each menu's captions, and the Custom window's.
            QList<std::pair<QString, QStringList>> groups;
            QList<QWidget*> menus = {translated.menuBar()};
            for (QMenu* menu : translated.findChildren<QMenu*>())
                menus.append(menu);
            for (QWidget* menu : menus) {
                QStringList captions;
                for (QAction* action : menu->actions())
                    if (!action->isSeparator())
                        captions << action->text();
                groups.append({menu->objectName(), captions});
            }
            CustomSizeWindow custom(translated.session(), &translated);
            groups.append({custom.objectName(),
                           {custom.findChild<QLabel*>("columnsCaption")->text(),
                            custom.findChild<QLabel*>("rowsCaption")->text(),
                            custom.findChild<QPushButton*>("goButton")->text()}});
            for (const auto& [group, captions] : groups) {
                QSet<QChar> keys;
                for (const QString& caption : captions) {
                    const QString where =
                        QStringLiteral("%1: \"%2\" in %3").arg(language, caption, group);
                    const qsizetype amp = caption.indexOf('&');
                    QVERIFY2(amp >= 0 && amp + 1 < caption.size(), qPrintable(where));
                    const QChar key = caption.at(amp + 1).toLower();
                    QVERIFY2(!keys.contains(key), qPrintable(where));
                    keys.insert(key);
                }
            }
        }
    }

    // Every menu title stays in sight, never folded behind the menu bar's
    // chevron, at every grid width, magnification and language.
    void everyMenuTitleIsInSight() {
        for (const char* language : Languages) {
            window.reset();
            LanguageInstalled installed(language);
            window = std::make_unique<MainWindow>();
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window.get()));
            for (const char* magnify : {"magnify1Action", "magnify2Action"})
                for (int columns = 3; columns <= MaxGridSide; ++columns) {
                    trigger(magnify);
                    session().applyCustomSize({columns, 3});
                    window->showSession();
                    QMenuBar* bar = window->menuBar();
                    QTRY_COMPARE(bar->width(), window->width());
                    for (QAction* title : bar->actions()) {
                        const QRect place = bar->actionGeometry(title);
                        QVERIFY2(!place.isEmpty() && bar->rect().contains(place),
                                 qPrintable(QStringLiteral("%1 %2 columns at %3: %4")
                                                .arg(language)
                                                .arg(columns)
                                                .arg(magnify, title->text())));
                    }
                    auto* chevron = bar->findChild<QWidget*>("qt_menubar_ext_button");
                    QVERIFY(!chevron || chevron->isHidden());
                }
        }
    }

    // A (for AUTO), Tab and the arrow keys, as a keyboard player uses them.
    void keyboardAloneReachesEveryControl() {
        trigger("size3Action");
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QCOMPARE(QApplication::focusWidget(), window->boardView());
        QAction* autoPlay = window->findChild<QAction*>("autoPlayAction");
        QCOMPARE(autoPlay->shortcut(), QKeySequence(Qt::Key_A));
        QCOMPARE(window->findChild<QAction*>("exitAction")->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::Key_X));
        for (const char* caption : {"MANUAL", "AUTO", "MANUAL", "AUTO"}) {
            QTest::keyClick(window.get(), Qt::Key_A);
            QCOMPARE(button("autoButton")->text(), QString::fromLatin1(caption));
            QCOMPARE(autoPlay->isChecked(), session().autoPlaying());
            QVERIFY(autoPlay->isEnabled());  // it stops the automatic player too
        }
        const char* tabOrder[] = {"leftButton", "rightButton", "upButton", "downButton",
                                  "autoButton"};
        for (const char* name : tabOrder) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(name));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), window->boardView());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), button("autoButton"));
        // The arrow keys play on a focused button instead of moving the focus.
        const Cell empty = session().board().emptyCell();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(session().board().emptyCell(), (Cell{empty.column, empty.row - 1}));
        QCOMPARE(QApplication::focusWidget(), button("autoButton"));
        // The Custom window: Return deals, Escape closes.
        for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
            trigger("customSizeAction");
            QPointer<CustomSizeWindow> custom = visibleTopLevel<CustomSizeWindow>();
            QVERIFY(QTest::qWaitForWindowExposed(custom.data()));
            custom->findChild<QComboBox*>("columnsList")->setCurrentText(QStringLiteral("4"));
            QTest::keyClick(custom->findChild<QComboBox*>("columnsList"), key);
            QTRY_VERIFY(!custom);
            QCOMPARE(session().board().columns(), key == Qt::Key_Return ? 4 : 3);
        }
    }

    // A language the game does not speak brings none of Qt's texts either:
    // no half-translated dialogs, no mirrored menu bar.
    void aLanguageTheGameDoesNotSpeakLoadsNoTranslation() {
        QTranslator game, qt;
        QVERIFY(!loadTranslations(game, qt, QLocale(QLocale::Arabic, QLocale::Egypt)));
        QVERIFY(qt.isEmpty());
        QVERIFY(loadTranslations(game, qt, QLocale(QLocale::German, QLocale::Germany)));
        QVERIFY(!qt.isEmpty());
    }

    // A game named on the command line shows its board at once, whatever
    // bytes its name holds; a name that lost its bytes on the way to Qt is
    // refused, never saved under another name.
    void aGameOpenedAtStartShowsNoSplash() {
        QTemporaryDir folder;
        const std::string path = QFile::encodeName(folder.path()).toStdString() + "/st\xff.tsq";
        {
            std::ofstream file(path, std::ios::binary);
            file.write("\x03\x03\x00\x00\x01\x02\x03\x04\xff\x06\x07\x05\x08" "11", 15);
        }
        window = std::make_unique<MainWindow>();
        window->show();
        window->openAtStart(path);
        QVERIFY(session().window().boardShown);
        QCOMPARE(session().board().label({2, 2}), Board::EmptyCell);
        QVERIFY(!window->findChild<QLabel*>("splash")->isVisible());
        SeenMessage seen;
        answerMessage(seen);
        answerFileDialog(QString::fromStdString(path));  // U+FFFD where the byte was
        trigger("saveGameAction");
        QTRY_COMPARE(seen.count, 1);
        QCOMPARE(seen.text, QStringLiteral("This file name cannot be used."));
        const std::filesystem::directory_iterator files(QFile::encodeName(folder.path()).toStdString());
        QCOMPARE(std::distance(begin(files), end(files)), 1);
    }

    // A named pipe where the settings file goes: the game still starts, with
    // its defaults, and says so once.
    void aSettingsFileThatIsNoFileIsPassedOver() {
        window.reset();
        QDir().mkpath(QFileInfo(settingsPath()).path());
        QFile::remove(settingsPath());
        QCOMPARE(::mkfifo(QFile::encodeName(settingsPath()).constData(), 0600), 0);
        SeenMessage seen;
        answerMessage(seen);
        window = std::make_unique<MainWindow>();
        window->show();
        QTRY_COMPARE(seen.count, 1);
        QCOMPARE(seen.title, QStringLiteral("Settings"));
        trigger("showNumbersAction");
        QVERIFY(session().window().numbersShown);
        QVERIFY(!QFileInfo(settingsPath()).isFile());
        QVERIFY(QFile::remove(settingsPath()));
    }

    // The command line as desktop programs have it: help and version with
    // no display, the exit code of a usage error.
    void theCommandLineAnswersWithoutADisplay() {
        const struct {
            QStringList arguments;
            int exitCode;
            const char* says;  // on standard output, or on standard error for a failure
        } cases[] = {
            {{"--version"}, 0, "mosaic-rush 1.0.0\n"},
            {{"--help"}, 0, "[GAME.tsq]"},
            {{"--frobnicate"}, 2, "Unknown option 'frobnicate'."},
        };
        for (const auto& c : cases) {
            QProcess game;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
                environment.remove(QString::fromLatin1(name));
            if (c.exitCode == 2)  // a usage error is found once Qt has taken its options
                environment.insert("QT_QPA_PLATFORM", "offscreen");
            game.setProcessEnvironment(environment);
            game.start(QStringLiteral(MOSAIC_GAME), c.arguments);
            QVERIFY(game.waitForFinished(20000));
            QCOMPARE(game.exitStatus(), QProcess::NormalExit);
            QCOMPARE(game.exitCode(), c.exitCode);
            const QByteArray output =
                c.exitCode == 0 ? game.readAllStandardOutput() : game.readAllStandardError();
            QVERIFY2(output.contains(c.says), output.constData());
        }
    }

    // A refused file named on the command line or dropped is told, grid size
    // or not, where the Load dialog refuses a grid size quietly.
    void aRefusedFileFromOutsideIsTold() {
        QTemporaryDir folder;
        const std::pair<const char*, QByteArray> files[] = {
            {"hello.tsq", "hello"}, {"empty.tsq", ""}, {"eleven.tsq", "\x0b\x03\x00\x00"},
            {"hello.jpg", "hello"}};
        for (const auto& [name, bytes] : files) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
            file.close();
            SeenMessage seen;
            answerMessage(seen);
            window->openFile(file.fileName());
            QTRY_COMPARE(seen.count, 1);
            QCOMPARE(seen.text, QStringLiteral("Error reading"));
            QVERIFY2(seen.detail.startsWith(QString::fromLatin1(name) + ": "),
                     qPrintable(seen.detail));
        }
        QVERIFY(!session().gameDealt());
    }

    // On a flat grey picture the numbers are all that differs from the plain
    // board: the two-digit ones are wider, and each travels with its piece.
    void numbersOnPiecesAreDrawnAndRemembered() {
        QImage grey(400, 400, QImage::Format_RGB32);
        grey.fill(QColor(128, 128, 128));
        session().setSourcePicture(grey);
        session().openSavedGame(testing::boardOf("12 5 1 14/9 2 15 6/3 11 0 7/13 4 10 8"), 0,
                                GoalOrder::RowsAscending, PlayKind::Sliding);
        if (window->findChild<QAction*>("showNumbersAction")->isChecked())
            trigger("showNumbersAction");  // left on by a run stopped half way
        BoardView* view = window->boardView();
        const QImage plain = view->grab().toImage();
        trigger("showNumbersAction");
        const QImage numbered = view->grab().toImage();
        const auto inkWidth = [&](int label) {  // of the number's pixels in the piece
            const QRect piece = view->pieceRect(label);
            int left = piece.right(), right = piece.left();
            for (int y = piece.top(); y <= piece.bottom(); ++y)
                for (int x = piece.left(); x <= piece.right(); ++x)
                    if (plain.pixel(x, y) != numbered.pixel(x, y))
                        left = std::min(left, x), right = std::max(right, x);
            return right - left + 1;
        };
        int widestOneDigit = 0;
        for (int label = 1; label <= 9; ++label)
            widestOneDigit = std::max(widestOneDigit, inkWidth(label));
        QVERIFY(widestOneDigit > 2);
        for (int label = 10; label <= 15; ++label)
            QVERIFY2(inkWidth(label) > widestOneDigit, qPrintable(QString::number(label)));
        // 7 slides into the empty cell, whose own number would be 11; the text
        // is smoothed a little differently in its new place.
        const QImage seven = numbered.copy(view->pieceRect(7).adjusted(2, 2, -2, -2));
        QTest::keyClick(window.get(), Qt::Key_Left);
        QCOMPARE(session().moveCount(), 1);
        const QImage moved = view->grab().toImage().copy(view->pieceRect(7).adjusted(2, 2, -2, -2));
        for (int y = 0; y < seven.height(); ++y)
            for (int x = 0; x < seven.width(); ++x)
                QVERIFY(std::abs(qGray(seven.pixel(x, y)) - qGray(moved.pixel(x, y))) < 64);
        window = std::make_unique<MainWindow>();
        QVERIFY(window->findChild<QAction*>("showNumbersAction")->isChecked());
        trigger("showNumbersAction");
    }

    // On an 800 x 480 screen a 3 x 3 window just fits at X3, not at X4, and a
    // 10 x 10 only at X2. X3 is remembered; a remembered X4 gives way to it.
    void largeMagnificationsFitTheScreenAndAreRemembered() {
        if (window->screen()->availableGeometry().size() != QSize(800, 480))
            QSKIP("run on the small screen of small-screen.json");
        const auto action = [this](const char* name) { return window->findChild<QAction*>(name); };
        trigger("size3Action");
        QVERIFY(action("magnify3Action")->isEnabled() && !action("magnify4Action")->isEnabled());
        trigger("magnify3Action");
        QCOMPARE(window->size(), QSize(408, 480));
        QCOMPARE(session().piecePicture(1).size(), QSize(73, 73) * window->devicePixelRatioF());
        trigger("size10Action");
        QVERIFY(action("magnify2Action")->isChecked() && !action("magnify3Action")->isEnabled());
        gameSettings().setValue(QStringLiteral("board/magnification"), 4);
        window = std::make_unique<MainWindow>();
        trigger("size3Action");
        QVERIFY(action("magnify3Action")->isChecked() && session().magnification() == 3);
        trigger("magnify1Action");
    }

    void theDesktopEntryNamesTheWindowAndOpensSavedGames() {
        QFile entry(QStringLiteral(MOSAIC_DESKTOP_ENTRY));
        QVERIFY(entry.open(QIODevice::ReadOnly | QIODevice::Text));
        QMap<QString, QString> keys;
        for (const QString& line : QString::fromUtf8(entry.readAll()).split('\n'))
            if (const qsizetype equals = line.indexOf('='); equals > 0)
                keys[line.left(equals)] = line.mid(equals + 1);
        QCOMPARE(keys["StartupWMClass"], ApplicationName);
        QCOMPARE(keys["Icon"], DesktopFileName);
        QCOMPARE(keys["Exec"], QStringLiteral("mosaic-rush %f"));
        QCOMPARE(keys["MimeType"], QStringLiteral("application/x-mosaic-rush-game;"));
        QCOMPARE(keys["Categories"], QStringLiteral("Game;LogicGame;"));
    }

    void droppedFilesLoadOrImportAsTheMenuDoes() {
        QTemporaryDir folder;
        const QString game = folder.filePath("dropped.tsq");
        QFile file(game);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            QByteArray("\x04\x03\x00\x05\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0a\xff\x0b"
                       "11",
                       18));
        file.close();
        QImage green(40, 40, QImage::Format_RGB32);
        green.fill(QColor(0, 200, 0));
        const QString picture = folder.filePath("green.png");
        QVERIFY(green.save(picture));
        for (const QString& path : {game, picture}) {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(path)});
            QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(window.get(), &enter);
            QVERIFY(enter.isAccepted());
            QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(window.get(), &drop);
        }
        QCOMPARE(session().board().size(), (GridSize{4, 3}));
        QCOMPARE(session().moveCount(), 5);
        QCOMPARE(session().sourcePicture().pixelColor(5, 5), QColor(0, 200, 0));
    }

    void aSlideByHandIsPaintedOverFourFramesOrMore() {
        trigger("size3Action");
        struct PaintCounter : QObject {
            int paints = 0;
            bool eventFilter(QObject*, QEvent* event) override {
                paints += event->type() == QEvent::Paint ? 1 : 0;
                return false;
            }
        } counter;
        window->boardView()->installEventFilter(&counter);
        QTest::keyClick(window.get(), Qt::Key_Down);
        QCOMPARE(session().moveCount(), 1);
        QVERIFY2(counter.paints >= 4, qPrintable(QString::number(counter.paints)));
    }
};

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
