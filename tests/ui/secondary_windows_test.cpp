// The Custom size window, the image viewer and the About window, as real
// widgets on the offscreen platform, with a game loaded as at start-up.

#include "engine/fake_platform.h"
#include "ui/about.h"
#include "ui/dialog.h"
#include "ui/form2.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <string>
#include <vector>

using mosaic::Game;
using mosaic::testing::LoadedGame;

namespace {

// The labels of the used cells, sorted.
std::vector<std::string> CellLabels(const Game& game) {
    std::vector<std::string> labels;
    for (int row = 1; row <= game.GridRows; ++row)
        for (int col = 1; col <= game.GridCols; ++col)
            labels.push_back(game.Board[col][row]);
    std::sort(labels.begin(), labels.end());
    return labels;
}

// The labels of a sliding game of that many cells, sorted.
std::vector<std::string> SlidingLabels(int cells) {
    std::vector<std::string> labels{mosaic::EmptyCell};
    for (int k = 1; k < cells; ++k)
        labels.push_back(std::to_string(k));
    std::sort(labels.begin(), labels.end());
    return labels;
}

QStringList ListEntries(const QComboBox* list) {
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries << list->itemText(i);
    return entries;
}

// Four flat quadrants: red, green / blue, yellow.
QImage SquarePicture() {
    QImage picture(120, 120, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.fillRect(0, 0, 60, 60, Qt::red);
    painter.fillRect(60, 0, 60, 60, Qt::green);
    painter.fillRect(0, 60, 60, 60, Qt::blue);
    painter.fillRect(60, 60, 60, 60, Qt::yellow);
    return picture;
}

bool Near(QRgb a, QRgb b) {
    constexpr int tolerance = 12;
    return std::abs(qRed(a) - qRed(b)) <= tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

// What the viewer's picture box shows inside its frame, as painted.
QImage ShownPicture(QLabel* box) {
    return box->grab().toImage().copy(box->contentsRect());
}

// Whether `shown` is `picture` stretched to fill it, judged at its corners,
// its centre and its quarter points.
bool ShowsWholePicture(const QImage& shown, const QImage& picture) {
    const QImage expected =
        picture.scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const int right = shown.width() - 1;
    const int bottom = shown.height() - 1;
    const QPoint points[] = {{0, 0},
                             {right, 0},
                             {0, bottom},
                             {right, bottom},
                             {right / 2, bottom / 2},
                             {right / 4, bottom / 4},
                             {3 * right / 4, 3 * bottom / 4}};
    for (const QPoint& p : points) {
        if (!Near(shown.pixel(p), expected.pixel(p))) {
            qWarning() << "at" << p << "shown" << Qt::hex << shown.pixel(p) << "expected"
                       << expected.pixel(p);
            return false;
        }
    }
    return true;
}

// View Image as the main window does it: refill an open viewer, or open one.
void ViewImage(Game& game, QPointer<Dialog>& viewer) {
    if (game.ViewerOpen && viewer)
        viewer->FillPicture();
    else
        viewer = new Dialog(game);
    viewer->show();
}

int OpenViewers() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    return static_cast<int>(std::count_if(windows.begin(), windows.end(), [](QWidget* w) {
        return qobject_cast<Dialog*>(w) && w->isVisible();
    }));
}

// The About window's contact address, held reversed so that the plain text
// is not part of this program either.
QString ContactAddress() {
    QString address = QStringLiteral("gro.elpmaxe@hsur.ciasom");
    std::reverse(address.begin(), address.end());
    return address;
}

// Whether `text` occurs in `bytes` as 8-bit or as UTF-16 text.
bool HoldsText(const QByteArray& bytes, const QString& text) {
    const QByteArray utf16(reinterpret_cast<const char*>(text.utf16()),
                           text.size() * qsizetype(sizeof(char16_t)));
    return bytes.contains(text.toLatin1()) || bytes.contains(utf16);
}

}  // namespace

class SecondaryWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup();

    // Custom size window
    void customGoDealsChosenSize_data();
    void customGoDealsChosenSize();
    void customClosedWithoutGoLeavesGame();

    // Image viewer
    void viewerShowsWholePicture_data();
    void viewerShowsWholePicture();
    void viewingAgainRefillsTheOpenViewer();
    void keysInViewer_data();
    void keysInViewer();

    // About window
    void aboutShowsNameLogoAndContactLine();
    void addressNotPlainInBuiltProgram_data();
    void addressNotPlainInBuiltProgram();
};

void SecondaryWindowsTest::cleanup() {
    // No window outlives its test.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget* window : QApplication::topLevelWidgets())
        QVERIFY2(!qobject_cast<Form2*>(window) && !qobject_cast<Dialog*>(window) &&
                     !qobject_cast<ABOUT*>(window),
                 qPrintable(window->objectName()));
}

void SecondaryWindowsTest::customGoDealsChosenSize_data() {
    QTest::addColumn<QString>("columns");  // entry to choose, empty to keep
    QTest::addColumn<QString>("rows");
    QTest::addColumn<int>("gridCols");
    QTest::addColumn<int>("gridRows");

    QTest::newRow("GO at once") << QString() << QString() << 3 << 3;
    QTest::newRow("10 X 3") << "10"
                            << "3" << 10 << 3;
    QTest::newRow("4 X 9") << "4"
                           << "9" << 4 << 9;
    QTest::newRow("10 X 10") << "10"
                             << "10" << 10 << 10;
}

void SecondaryWindowsTest::customGoDealsChosenSize() {
    QFETCH(QString, columns);
    QFETCH(QString, rows);
    QFETCH(int, gridCols);
    QFETCH(int, gridRows);

    LoadedGame g;
    g.game.ai_NxN_Click(6);
    QWidget mainWindow;
    mainWindow.show();
    QPointer<Form2> form = new Form2(g.game, &mainWindow);
    const auto closeForm = qScopeGuard([&] { delete form; });
    QSignalSpy sizeApplied(form.data(), &Form2::sizeApplied);

    // As the Custom menu item opens it.
    form->show();
    mainWindow.setEnabled(false);
    QVERIFY(QTest::qWaitForWindowExposed(form));
    QVERIFY(form->isEnabled());
    QCOMPARE(form->windowHandle()->transientParent(), mainWindow.windowHandle());

    auto* combo1 = form->findChild<QComboBox*>(QStringLiteral("Combo1"));
    auto* combo2 = form->findChild<QComboBox*>(QStringLiteral("Combo2"));
    auto* go = form->findChild<QPushButton*>(QStringLiteral("Command1"));
    QVERIFY(combo1 && combo2 && go);
    const QStringList sizes{"3", "4", "5", "6", "7", "8", "9", "10"};
    QCOMPARE(ListEntries(combo1), sizes);
    QCOMPARE(ListEntries(combo2), sizes);
    QCOMPARE(combo1->currentText(), QStringLiteral("3"));
    QCOMPARE(combo2->currentText(), QStringLiteral("3"));

    if (!columns.isEmpty())
        combo1->setCurrentIndex(combo1->findText(columns));
    if (!rows.isEmpty())
        combo2->setCurrentIndex(combo2->findText(rows));
    QTest::mouseClick(go, Qt::LeftButton);

    QCOMPARE(g.game.GridCols, gridCols);
    QCOMPARE(g.game.GridRows, gridRows);
    QCOMPARE(CellLabels(g.game), SlidingLabels(gridCols * gridRows));
    QCOMPARE(sizeApplied.count(), 1);
    QVERIFY(mainWindow.isEnabled());
    QVERIFY(!form->isVisible());
    QTRY_VERIFY(form.isNull());

    // Opened again, the lists start at 3 whatever the grid is now.
    QPointer<Form2> again = new Form2(g.game, &mainWindow);
    const auto closeAgain = qScopeGuard([&] { delete again; });
    QCOMPARE(again->findChild<QComboBox*>(QStringLiteral("Combo1"))->currentText(),
             QStringLiteral("3"));
    QCOMPARE(again->findChild<QComboBox*>(QStringLiteral("Combo2"))->currentText(),
             QStringLiteral("3"));
}

void SecondaryWindowsTest::customClosedWithoutGoLeavesGame() {
    LoadedGame g;
    g.game.ai_NxN_Click(6);
    const mosaic::Grid board = g.game.Board;
    QWidget mainWindow;
    mainWindow.show();
    QPointer<Form2> form = new Form2(g.game, &mainWindow);
    const auto closeForm = qScopeGuard([&] { delete form; });
    QSignalSpy sizeApplied(form.data(), &Form2::sizeApplied);
    form->show();
    mainWindow.setEnabled(false);
    QVERIFY(QTest::qWaitForWindowExposed(form));

    form->findChild<QComboBox*>(QStringLiteral("Combo1"))->setCurrentIndex(7);
    form->findChild<QComboBox*>(QStringLiteral("Combo2"))->setCurrentIndex(7);
    // As the title bar's close box does.
    QVERIFY(form->windowHandle()->close());

    QVERIFY(mainWindow.isEnabled());
    QCOMPARE(sizeApplied.count(), 0);
    QCOMPARE(g.game.GridCols, 6);
    QCOMPARE(g.game.GridRows, 6);
    QVERIFY(g.game.Board == board);
    QTRY_VERIFY(form.isNull());
}

void SecondaryWindowsTest::viewerShowsWholePicture_data() {
    QTest::addColumn<QImage>("picture");  // null for the default picture

    QTest::newRow("default picture 287 x 185") << QImage();
    QTest::newRow("square picture") << SquarePicture();
}

void SecondaryWindowsTest::viewerShowsWholePicture() {
    QFETCH(QImage, picture);
    LoadedGame g;
    if (!picture.isNull())
        g.game.PictureClip1.SetPicture(picture);
    const QImage source = g.game.PictureClip1.Picture();

    QPointer<Dialog> viewer;
    const auto closeViewer = qScopeGuard([&] { delete viewer; });
    ViewImage(g.game, viewer);
    QVERIFY(g.game.ViewerOpen);
    QVERIFY(QTest::qWaitForWindowExposed(viewer));
    QCOMPARE(viewer->windowTitle(), QStringLiteral("Viewing Image (287 x 185)"));

    auto* box = viewer->findChild<QLabel*>(QStringLiteral("Picture1"));
    QVERIFY(box);
    QCOMPARE(box->geometry(), viewer->rect());
    QCOMPARE(box->pixmap().size(), box->contentsRect().size());
    QVERIFY(ShowsWholePicture(ShownPicture(box), source));
}

void SecondaryWindowsTest::viewingAgainRefillsTheOpenViewer() {
    LoadedGame g;
    QPointer<Dialog> viewer;
    const auto closeViewer = qScopeGuard([&] { delete viewer; });
    ViewImage(g.game, viewer);
    QVERIFY(QTest::qWaitForWindowExposed(viewer));
    const QPointer<Dialog> first = viewer;
    auto* box = viewer->findChild<QLabel*>(QStringLiteral("Picture1"));
    const QImage defaultPicture = g.game.PictureClip1.Picture();

    // An imported picture reaches the open viewer only when it is viewed again.
    g.game.PictureClip1.SetPicture(SquarePicture());
    QVERIFY(ShowsWholePicture(ShownPicture(box), defaultPicture));

    ViewImage(g.game, viewer);
    QCOMPARE(viewer, first);
    QCOMPARE(OpenViewers(), 1);
    QVERIFY(g.game.ViewerOpen);
    QVERIFY(ShowsWholePicture(ShownPicture(box), SquarePicture()));

    // As the title bar's close box does.
    QVERIFY(viewer->windowHandle()->close());
    QVERIFY(!g.game.ViewerOpen);
    QTRY_VERIFY(viewer.isNull());

    // Closed, it opens anew.
    ViewImage(g.game, viewer);
    QVERIFY(viewer);
    QVERIFY(g.game.ViewerOpen);
    QCOMPARE(OpenViewers(), 1);
}

void SecondaryWindowsTest::keysInViewer_data() {
    QTest::addColumn<QString>("target");  // "window" or the name of a child
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("closes");

    for (const QString& target : {QStringLiteral("window"), QStringLiteral("Picture1")}) {
        const QByteArray on = " on " + target.toLatin1();
        QTest::newRow("Esc" + on) << target << int(Qt::Key_Escape) << true;
        QTest::newRow("Enter" + on) << target << int(Qt::Key_Return) << true;
        QTest::newRow("keypad Enter" + on) << target << int(Qt::Key_Enter) << true;
        QTest::newRow("Space" + on) << target << int(Qt::Key_Space) << false;
        QTest::newRow("A" + on) << target << int(Qt::Key_A) << false;
        QTest::newRow("Left" + on) << target << int(Qt::Key_Left) << false;
    }
}

void SecondaryWindowsTest::keysInViewer() {
    QFETCH(QString, target);
    QFETCH(int, key);
    QFETCH(bool, closes);

    LoadedGame g;
    QPointer<Dialog> viewer;
    const auto closeViewer = qScopeGuard([&] { delete viewer; });
    ViewImage(g.game, viewer);
    QVERIFY(QTest::qWaitForWindowExposed(viewer));
    QWidget* receiver =
        target == QLatin1String("window") ? viewer.data() : viewer->findChild<QWidget*>(target);
    QVERIFY(receiver);

    QTest::keyClick(receiver, Qt::Key(key));

    QCOMPARE(g.game.ViewerOpen, !closes);
    if (closes) {
        QTRY_VERIFY(viewer.isNull());
    } else {
        QVERIFY(viewer);
        QVERIFY(viewer->isVisible());
    }
}

void SecondaryWindowsTest::aboutShowsNameLogoAndContactLine() {
    QPointer<ABOUT> about = new ABOUT;
    const auto closeAbout = qScopeGuard([&] { delete about; });
    about->show();
    QVERIFY(QTest::qWaitForWindowExposed(about));

    auto* text6 = about->findChild<QPlainTextEdit*>(QStringLiteral("Text6"));
    auto* text2 = about->findChild<QLineEdit*>(QStringLiteral("Text2"));
    auto* image1 = about->findChild<QLabel*>(QStringLiteral("Image1"));
    auto* ok = about->findChild<QPushButton*>(QStringLiteral("Command1"));
    QVERIFY(text6 && text2 && image1 && ok);

    QCOMPARE(text2->text(), QStringLiteral("E-Mail: ") + ContactAddress());
    const QStringList nameAndWeb = text6->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(nameAndWeb.size(), 2);
    QVERIFY(nameAndWeb[0].startsWith(QLatin1Char(' ')));
    QCOMPARE(nameAndWeb[0].trimmed(), QStringLiteral("Mosaic Rush"));
    QVERIFY(!nameAndWeb[1].isEmpty());
    // The logo comes from the program's resources.
    QCOMPARE(image1->pixmap().size(), QSize(180, 116));

    // Every line is readable whole in its box.
    for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5"}) {
        const auto* line = about->findChild<QLineEdit*>(QLatin1String(name));
        QVERIFY2(line, name);
        QVERIFY2(line->fontMetrics().horizontalAdvance(line->text()) < line->width() - 4, name);
    }
    for (const QString& line : nameAndWeb)
        QVERIFY2(text6->fontMetrics().horizontalAdvance(line) < text6->viewport()->width() - 8,
                 qPrintable(line));
    QVERIFY(text6->fontMetrics().lineSpacing() * 2 < text6->viewport()->height() - 8);

    QTest::mouseClick(ok, Qt::LeftButton);
    QTRY_VERIFY(about.isNull());
}

void SecondaryWindowsTest::addressNotPlainInBuiltProgram_data() {
    QTest::addColumn<QString>("path");

    QTest::newRow("mosaic_ui library") << QStringLiteral(MOSAIC_UI_LIBRARY);
    QTest::newRow("this test program") << QCoreApplication::applicationFilePath();
}

void SecondaryWindowsTest::addressNotPlainInBuiltProgram() {
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    const QByteArray bytes = file.readAll();

    // The scan finds the About window's plain texts...
    QVERIFY(HoldsText(bytes, QStringLiteral("E-Mail: ")));
    // ...but not the address it builds.
    QVERIFY(!HoldsText(bytes, ContactAddress()));
}

QTEST_MAIN(SecondaryWindowsTest)
#include "secondary_windows_test.moc"
