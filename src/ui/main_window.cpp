// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window.h"

#include "files/game_files.h"
#include "ui/about_window.h"
#include "ui/application.h"
#include "ui/best_results_window.h"
#include "ui/board_view.h"
#include "ui/custom_size_window.h"
#include "ui/picture_viewer.h"

#include <QAccessible>
#include <QClipboard>
#include <QDate>
#include <QEventLoop>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionMenuItem>
#include <QWindow>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QScreen>
#include <QThread>

#include <chrono>

namespace mosaic {

namespace {

constexpr QColor DarkBlue(0, 0, 192);
constexpr QColor LightGrey(192, 192, 192);
constexpr QColor LightBlue(192, 192, 255);
constexpr QColor LightYellow(255, 255, 128);
constexpr QColor Red(255, 0, 0);

// A screen frame: how often a sliding piece is painted.
constexpr qint64 FrameNs = 16'000'000;

QFont boldFont(double points) {
    QFont font = QApplication::font();
    font.setBold(true);
    font.setPointSizeF(points);
    return font;
}

void setColours(QWidget* widget, const QColor& text, const QColor& background) {
    QPalette palette = widget->palette();
    for (auto role : {QPalette::WindowText, QPalette::Text})
        palette.setColor(role, text);
    for (auto role : {QPalette::Window, QPalette::Base})
        palette.setColor(role, background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QLineEdit* makeTextBox(QWidget* parent, const char* name, double points, const QColor& text,
                       const QColor& background) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setFont(boldFont(points));
    box->setFrame(false);
    setColours(box, text, background);
    box->hide();
    return box;
}

QLabel* makeLabel(QWidget* parent, const char* name, double points, const QColor& text) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(boldFont(points));
    setColours(label, text, DarkBlue);
    label->hide();
    return label;
}

QPushButton* makeButton(QWidget* parent, const char* name) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(boldFont(9.75));
    // Reached by Tab; a click leaves the focus on the board.
    button->setFocusPolicy(Qt::TabFocus);
    button->hide();
    return button;
}

// "Description (*.a)|*.a;*.b|..." as Qt's name filters.
QStringList nameFilters(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        const int bracket = description.lastIndexOf(QLatin1Char('('));
        if (bracket >= 0)
            description = description.left(bracket).trimmed();
        const QString patterns = parts[i + 1].split(QLatin1Char(';')).join(QLatin1Char(' '));
        filters << (description.isEmpty() ? QStringLiteral("(%1)").arg(patterns)
                                          : QStringLiteral("%1 (%2)").arg(description, patterns));
    }
    return filters;
}

// A menu bar that tells the width it needs to show every title in one row:
// Qt folds titles that do not fit behind a chevron, out of a new player's
// sight, so the window is made at least this wide.
class MenuBar : public QMenuBar {
public:
    using QMenuBar::QMenuBar;

    int fullWidth() const {
        const int frame = style()->pixelMetric(QStyle::PM_MenuBarPanelWidth, nullptr, this);
        const int margin = style()->pixelMetric(QStyle::PM_MenuBarHMargin, nullptr, this);
        const int spacing = style()->pixelMetric(QStyle::PM_MenuBarItemSpacing, nullptr, this);
        int width = 2 * (frame + margin);
        int shown = 0;
        for (QAction* action : actions()) {
            if (!action->isVisible())
                continue;
            QStyleOptionMenuItem option;
            initStyleOption(&option, action);
            const QSize text = fontMetrics().size(Qt::TextShowMnemonic, action->text());
            width += style()->sizeFromContents(QStyle::CT_MenuBarItem, &option, text, this).width();
            ++shown;
        }
        // Qt puts the spacing before the first title too, and folds a title
        // that reaches the last pixel.
        return width + (shown + 1) * spacing + 1;
    }
};

// The splash picture with the line under its name, in the player's language:
// light lettering on the picture's dark panel, between little gold tiles.
QImage splashWithSubtitle(QImage splash, const QString& subtitle) {
    if (splash.isNull())
        return splash;
    constexpr double Baseline = 122;  // under the name, inside the panel
    constexpr double PanelWidth = 259;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.6);
    // A long translation narrows to fit the panel, between its tiles.
    while (font.pixelSize() > 7 && QFontMetricsF(font).horizontalAdvance(subtitle) > PanelWidth - 70)
        font.setPixelSize(font.pixelSize() - 1);
    QPainterPath text;
    text.addText(0, 0, font, subtitle);
    text.translate(splash.width() / 2.0 - text.boundingRect().center().x(), Baseline);
    QPainter painter(&splash);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(205, 225, 255));
    painter.drawPath(text);
    const QRectF ink = text.boundingRect();
    const QColor gold(240, 190, 60);
    for (int i = 0; i < 3; ++i) {
        const double side = 5.0 - i;
        const double top = ink.center().y() - side / 2;
        for (const double left : {ink.left() - 11 - i * 8, ink.right() + 11 + i * 8 - side}) {
            const QRectF tile(left, top, side, side);
            QLinearGradient fill(tile.topLeft(), tile.bottomRight());
            fill.setColorAt(0.0, gold.lighter(135));
            fill.setColorAt(1.0, gold.darker(130));
            painter.setBrush(fill);
            painter.drawRoundedRect(tile, 1, 1);
        }
    }
    return splash;
}

// The boxes beside the board are laid out for English. A caption a language
// makes wider than its box ("MANUELL") is set in a smaller size, down to
// three quarters of the design's, rather than cut off.
void fitFont(QWidget* widget, const QString& text) {
    constexpr int Margins = 4;  // a line box's two pixels each side
    QVariant designSize = widget->property("designPointSize");
    if (!designSize.isValid()) {
        designSize = widget->font().pointSizeF();
        widget->setProperty("designPointSize", designSize);
    }
    QFont font = widget->font();
    font.setPointSizeF(designSize.toDouble());
    while (font.pointSizeF() > designSize.toDouble() * 0.75 &&
           QFontMetrics(font).horizontalAdvance(text) + Margins > widget->width())
        font.setPointSizeF(font.pointSizeF() - 0.25);
    if (font != widget->font())
        widget->setFont(font);
}

QRect toQRect(const Rect& rect) {
    return {rect.left, rect.top, rect.width, rect.height};
}

void showTimer(QTimer& timer, const Timer& model) {
    if (!model.running || model.intervalMs <= 0) {
        if (timer.isActive())
            timer.stop();
        return;
    }
    if (!timer.isActive() || timer.interval() != model.intervalMs)
        timer.start(model.intervalMs);
}

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent),
      session_(*this, QImage(QStringLiteral(":/default.jpg")),
               QImage(QStringLiteral(":/splash.png"))) {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QStringLiteral("Mosaic Rush"));
    setWindowIcon(QIcon(QStringLiteral(":/mosaic-rush.png")));
    setMenuBar(new MenuBar(this));
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    setColours(client_, LightGrey, DarkBlue);
    setCentralWidget(client_);

    createControls();
    createMenus();

    connect(&splashTimer_, &QTimer::timeout, this,
            [this] { handle([this] { session_.splashTick(); }); });
    connect(&autoPlayTimer_, &QTimer::timeout, this,
            [this] { handle([this] { session_.autoPlayTick(); }); });
    connect(&noticeTimer_, &QTimer::timeout, this,
            [this] { handle([this] { session_.noticeTick(); }); });
    connect(&clockTimer_, &QTimer::timeout, this,
            [this] { handle([this] { session_.clockTick(); }); });
    connect(&replayTimer_, &QTimer::timeout, this,
            [this] { handle([this] { session_.replayTick(); }); });
    replayTimer_.setTimerType(Qt::PreciseTimer);
    autoPlayTimer_.setTimerType(Qt::PreciseTimer);
    monotonicClock_.start();

    splash_->setPixmap(QPixmap::fromImage(
        splashWithSubtitle(session_.splashPicture(), tr("picture sliding puzzle"))));
    // Whether the pieces show their numbers, and the magnification, are
    // remembered between runs, where the settings file is one; the player is
    // told once otherwise. A magnification too large for this screen gives
    // way at the first board.
    updateScreenSpace();
    if (settingsFileUsable()) {
        session_.setNumbersShown(
            gameSettings().value(QStringLiteral("board/showNumbers"), false).toBool());
        session_.restoreMagnification(std::clamp(
            gameSettings().value(QStringLiteral("board/magnification"), 1).toInt(), 1,
            MaxMagnification));
    } else {
        QTimer::singleShot(0, this, [this] {
            showMessage({.text = tr("The settings file is not a file: the game starts with its "
                                    "defaults and keeps no settings.")
                                     .toStdString(),
                         .detail = settingsPath().toStdString(),
                         .title = tr("Settings").toStdString(),
                         .icon = MessageIcon::Exclamation});
        });
    }
    setAcceptDrops(true);
    showSession();

    // A damaged best-results file is set aside and a fresh one started; the
    // player is told once, when the window is up.
    const BestResultsLoad loaded = bestResults_.load();
    if (loaded.damaged)
        QTimer::singleShot(0, this, [this, loaded] {
            Message message{
                .text = tr("The best results could not be read; they start afresh.").toStdString(),
                .detail = loaded.fault,
                .title = tr("Best Results").toStdString(),
                .icon = MessageIcon::Exclamation};
            if (loaded.setAside)
                message.detail += "\n" + tr("The old file is kept as %1")
                                             .arg(QString::fromStdString(loaded.setAsidePath))
                                             .toStdString();
            showMessage(message);
        });
}

std::optional<std::string> MainWindow::fileNameBytes(const QString& path) {
    // A name whose bytes are not text in the system's encoding reaches Qt
    // with U+FFFD in their place: used as it stands it would name another
    // file, so it is refused.
    if (path.contains(QChar::ReplacementCharacter)) {
        showMessage({.text = tr("This file name cannot be used.").toStdString(),
                     .detail = tr("It holds bytes that are not text. Rename the file and try "
                                  "again.")
                                   .toStdString(),
                     .title = tr("ALERT").toStdString(),
                     .icon = MessageIcon::Exclamation});
        return std::nullopt;
    }
    return QFile::encodeName(path).toStdString();
}

void MainWindow::openFile(const QString& path) {
    if (const std::optional<std::string> bytes = fileNameBytes(path))
        openFile(*bytes);
}

void MainWindow::openFile(const std::string& path) {
    handle([this, path] {
        if (QString::fromStdString(path).endsWith(QLatin1String(".tsq"), Qt::CaseInsensitive)) {
            // Only while Load Game may be chosen: not during auto play.
            if (session_.window().menus.loadGame.enabled)
                openGameFile(session_, path, Refusal::AlwaysTold);
        } else {
            importPictureFile(session_, path, Refusal::AlwaysTold);
        }
    });
}

namespace {

// The one local file a drag carries, or an empty text.
QString droppedFile(const QMimeData* data) {
    const QList<QUrl> urls = data->urls();
    return urls.size() == 1 && urls.front().isLocalFile() ? urls.front().toLocalFile() : QString();
}

}  // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    openFile(path);
}

MainWindow::~MainWindow() {
    // The other windows show the session: they go before it does.
    delete viewer_.data();
    delete customSize_.data();
    delete about_.data();
}

void MainWindow::createControls() {
    boardView_ = new BoardView(session_, client_);
    connect(boardView_, &BoardView::pieceClicked, this,
            [this](int label) { handle([this, label] { session_.clickPiece(label); }); });

    workingNotice_ = makeTextBox(client_, "workingNotice", 13.5, Red, LightBlue);
    moveCounter_ = makeTextBox(client_, "moveCounter", 8.25, LightGrey, DarkBlue);
    pieceCorrectNotice_ = makeTextBox(client_, "pieceCorrectNotice", 13.5, Red, LightBlue);
    sizeCaption_ = makeLabel(client_, "sizeCaption", 9.75, LightYellow);
    movesCaption_ = makeLabel(client_, "movesCaption", 8.25, LightGrey);
    timeCaption_ = makeLabel(client_, "timeCaption", 8.25, LightGrey);
    timeCounter_ = makeTextBox(client_, "timeCounter", 8.25, LightGrey, DarkBlue);
    splash_ = new QLabel(client_);
    splash_->setObjectName(QStringLiteral("splash"));

    const std::pair<QPushButton**, Direction> arrows[] = {{&leftButton_, Direction::Left},
                                                          {&rightButton_, Direction::Right},
                                                          {&upButton_, Direction::Up},
                                                          {&downButton_, Direction::Down}};
    const char* names[] = {"leftButton", "rightButton", "upButton", "downButton"};
    // A hidden button, which a screen reader can still press, does nothing.
    for (int i = 0; i < 4; ++i) {
        const auto [button, way] = arrows[i];
        *button = makeButton(client_, names[i]);
        connect(*button, &QPushButton::clicked, this, [this, button = *button, way] {
            if (button->isVisible())
                handle([this, way] { session_.slidePiece(way); });
        });
    }
    autoButton_ = makeButton(client_, "autoButton");
    connect(autoButton_, &QPushButton::clicked, this, [this] {
        if (autoButton_->isVisible())
            handle([this] { session_.toggleAutoPlay(); });
    });
    // The key A belongs to the Move menu's Auto Play: a button's caption
    // would replace a shortcut of the button's own.
    autoButton_->setToolTip(tr("Switch the automatic player on or off (A)"));

    // Tab goes round the board, the direction buttons and AUTO; the arrow
    // keys play wherever the focus is.
    QWidget* tabOrder[] = {boardView_, leftButton_, rightButton_, upButton_, downButton_,
                           autoButton_};
    for (std::size_t i = 0; i + 1 < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i], tabOrder[i + 1]);
    for (QPushButton* button : {leftButton_, rightButton_, upButton_, downButton_, autoButton_})
        button->installEventFilter(this);

    // Names for screen readers.
    const std::pair<QWidget*, QString> readerNames[] = {
        {leftButton_, tr("Slide left")},      {rightButton_, tr("Slide right")},
        {upButton_, tr("Slide up")},          {downButton_, tr("Slide down")},
        {autoButton_, tr("Automatic player")}, {moveCounter_, tr("Moves")},
        {timeCounter_, tr("Time")},           {pieceCorrectNotice_, tr("Notice")},
        {workingNotice_, tr("Solver")}};
    for (const auto& [widget, name] : readerNames)
        widget->setAccessibleName(name);
    // The grid size is read as its caption says it ("4 X 3").
    sizeCaption_->setAccessibleDescription(tr("Grid size"));

    // The notices lie above the board.
    pieceCorrectNotice_->raise();
    workingNotice_->raise();
    boardView_->setFocus();
}

QAction* MainWindow::addAction(QMenu* menu, const char* name, const QString& caption,
                               const MenuItem* item, std::function<void()> command) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    // Any menu choice ends a replay first.
    connect(action, &QAction::triggered, this, [this, command = std::move(command)] {
        handle([this, &command] {
            session_.stopReplay();
            command();
        });
    });
    if (item)
        modelActions_.emplace_back(action, item);
    return action;
}

void MainWindow::createMenus() {
    const MainMenus& menus = session_.window().menus;
    const auto named = [](QMenu* menu, const char* name) {
        menu->setObjectName(QString::fromLatin1(name));
        menu->menuAction()->setObjectName(QString::fromLatin1(name));
        return menu;
    };

    QMenu* file = named(menuBar()->addMenu(tr("&File")), "fileMenu");
    addAction(file, "loadGameAction", tr("&Load Game"), &menus.loadGame,
              [this] { loadGame(session_); });
    addAction(file, "saveGameAction", tr("&Save Game"), &menus.saveGame,
              [this] { saveGame(session_); });
    addAction(file, "dailyGameAction", tr("&Daily Game"), &menus.dailyGame, [this] {
        const QDate today = QDate::currentDate();
        session_.playDailyGame({today.year(), today.month(), today.day()});
    });
    addAction(file, "importImageAction", tr("&Import Image"), nullptr,
              [this] { importImage(session_); });
    addAction(file, "bestResultsAction", tr("Best &Results"), nullptr,
              [this] { openBestResults(); });
    addAction(file, "aboutAction", tr("&About"), &menus.about, [this] { openAbout(); });
    addAction(file, "exitAction", tr("e&Xit"), nullptr, [this] {
        close();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));

    QMenu* type = named(menuBar()->addMenu(tr("&Type")), "typeMenu");
    addAction(type, "emptySpaceAction", tr("&Empty Space"), &menus.emptySpace, [this] {
        session_.toggleEmptySpace();
    })->setCheckable(true);
    addAction(type, "customSizeAction", tr("&Custom"), &menus.customSize,
              [this] { openCustomSize(); });
    for (int side = 3; side <= MaxGridSide; ++side) {
        const QByteArray name = QStringLiteral("size%1Action").arg(side).toLatin1();
        addAction(type, name.constData(), tr("&%1 X %1").arg(side),
                  &menus.sizes[std::size_t(side - 3)], [this, side] { session_.chooseSize(side); });
    }

    QAction* view = menuBar()->addAction(tr("&View Image"));
    view->setObjectName(QStringLiteral("viewImageAction"));
    connect(view, &QAction::triggered, this, [this] {
        handle([this] {
            session_.stopReplay();
            openViewer();
        });
    });
    modelActions_.emplace_back(view, &menus.viewImage);

    QMenu* magnify = named(menuBar()->addMenu(tr("&Magnify")), "magnifyMenu");
    const std::pair<const char*, const MenuItem*> magnifications[] = {
        {"magnify1Action", &menus.magnify1},
        {"magnify2Action", &menus.magnify2},
        {"magnify3Action", &menus.magnify3},
        {"magnify4Action", &menus.magnify4}};
    for (int m = 1; m <= MaxMagnification; ++m) {
        const auto [name, item] = magnifications[m - 1];
        addAction(magnify, name, tr("X&%1").arg(m), item, [this, m] {
            session_.chooseMagnification(m);
            // Remembered as Show Numbers is.
            if (settingsFileUsable())
                gameSettings().setValue(QStringLiteral("board/magnification"), m);
        })->setCheckable(true);
    }
    magnify->addSeparator();
    addAction(magnify, "showNumbersAction", tr("Show &Numbers"), &menus.showNumbers, [this] {
        const bool shown = !session_.window().numbersShown;
        session_.setNumbersShown(shown);
        if (settingsFileUsable())
            gameSettings().setValue(QStringLiteral("board/showNumbers"), shown);
    })->setCheckable(true);

    QMenu* speed = named(menuBar()->addMenu(tr("&Speed")), "speedMenu");
    const char* speedNames[] = {"speedHalfAction", "speed1Action", "speed2Action", "speed4Action"};
    const QString speedCaptions[] = {tr("X &0.5"), tr("X &1"), tr("X &2"), tr("X &4")};
    for (int i = 0; i < 4; ++i)
        addAction(speed, speedNames[i], speedCaptions[i], &menus.speeds[std::size_t(i)], [this, i] {
            session_.chooseSpeed(i);
        })->setCheckable(true);

    QMenu* order = named(menuBar()->addMenu(tr("&Order")), "orderMenu");
    QMenu* rows = named(order->addMenu(tr("&Horiz")), "rowsMenu");
    QMenu* columns = named(order->addMenu(tr("&Vert")), "columnsMenu");
    struct OrderItem {
        QMenu* menu;
        const char* name;
        QString caption;
        const MenuItem* item;
        GoalOrder order;
    };
    const OrderItem orderItems[] = {
        {rows, "rowsAscendingAction", tr("&Ascend"), &menus.rowsAscending, GoalOrder::RowsAscending},
        {rows, "rowsDescendingAction", tr("&Descend"), &menus.rowsDescending,
         GoalOrder::RowsDescending},
        {columns, "columnsAscendingAction", tr("&Ascend"), &menus.columnsAscending,
         GoalOrder::ColumnsAscending},
        {columns, "columnsDescendingAction", tr("&Descend"), &menus.columnsDescending,
         GoalOrder::ColumnsDescending}};
    for (const OrderItem& entry : orderItems)
        addAction(entry.menu, entry.name, entry.caption, entry.item, [this, order = entry.order] {
            session_.chooseOrder(order);
        })->setCheckable(true);

    QMenu* move = named(menuBar()->addMenu(tr("Mov&e")), "moveMenu");
    addAction(move, "undoAction", tr("&Undo"), &menus.undo, [this] {
        session_.undo();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    addAction(move, "redoAction", tr("&Redo"), &menus.redo, [this] {
        session_.redo();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    addAction(move, "hintAction", tr("&Hint"), &menus.hint, [this] {
        session_.hint();
    })->setShortcut(QKeySequence(Qt::Key_H));
    move->addSeparator();
    // The keyboard's way to AUTO / MANUAL: enabled whenever the button is,
    // so that it also stops the automatic player.
    QAction* autoPlay = addAction(move, "autoPlayAction", tr("&Auto Play"), &menus.autoPlay,
                                  [this] { session_.toggleAutoPlay(); });
    autoPlay->setCheckable(true);
    autoPlay->setShortcut(QKeySequence(Qt::Key_A));
    const std::tuple<const char*, QString, const MenuItem*, AutoPlayMethod> methodItems[] = {
        {"stepByStepAction", tr("&Step by Step"), &menus.stepByStep, AutoPlayMethod::StepByStep},
        {"shortestAction", tr("Shor&test"), &menus.shortest, AutoPlayMethod::Shortest}};
    for (const auto& [name, caption, item, method] : methodItems)
        addAction(move, name, caption, item, [this, method = method] {
            session_.chooseAutoPlayMethod(method);
        })->setCheckable(true);
    move->addSeparator();
    addAction(move, "replayMyGameAction", tr("Replay &My Game"), &menus.replayMyGame,
              [this] { session_.replayMyGame(); });
    addAction(move, "watchShortestAction", tr("&Watch Shortest Solution"), &menus.watchShortest,
              [this] { session_.watchShortestSolution(); });
}

void MainWindow::showControl(QWidget* widget, const Control& control) {
    const QRect geometry = toQRect(control.place);
    if (widget->geometry() != geometry)
        widget->setGeometry(geometry);
    if (widget->isHidden() == control.visible)
        widget->setVisible(control.visible);
    if (widget->isEnabled() != control.enabled)
        widget->setEnabled(control.enabled);
}

template <typename Widget>
void MainWindow::showCaptioned(Widget* widget, const Control& control) {
    const QString text = QString::fromStdString(control.caption);
    showControl(widget, control);
    if (widget->text() == text)
        return;
    widget->setText(text);
    fitFont(widget, text);
}

void MainWindow::updateScreenSpace() {
    // The screen's room for windows, less the frame the window manager puts
    // round this one.
    if (QScreen* shown = screen()) {
        const QSize frame = frameGeometry().size() - geometry().size();
        const QSize room = shown->availableGeometry().size() - frame;
        session_.setScreenSpace({room.width(), room.height()});
    }
}

void MainWindow::showSession() {
    updateScreenSpace();
    const MainWindowModel& model = session_.window();
    QSize size;
    if (model.windowSize) {
        size = QSize(model.windowSize->width, model.windowSize->height);
    } else {
        const Size client = designClientSize();
        size = QSize(client.width, client.height + menuBar()->sizeHint().height());
    }
    // Every menu title in sight: the extra width, right of the controls,
    // shows the background.
    size.setWidth(std::max(size.width(), static_cast<MenuBar*>(menuBar())->fullWidth()));
    if (this->size() != size || minimumSize() != size)
        setFixedSize(size);

    // The board covers the client area, whose own size follows the window's
    // only once the resize is handled.
    if (boardView_->geometry() != QRect(QPoint(0, 0), size))
        boardView_->setGeometry(QRect(QPoint(0, 0), size));
    boardView_->update();

    showCaptioned(workingNotice_, model.workingNotice);
    showCaptioned(moveCounter_, model.moveCounter);
    showCaptioned(pieceCorrectNotice_, model.pieceCorrectNotice);
    showCaptioned(sizeCaption_, model.sizeCaption);
    showCaptioned(movesCaption_, model.movesCaption);
    showCaptioned(timeCaption_, model.timeCaption);
    showCaptioned(timeCounter_, model.timeCounter);
    showCaptioned(leftButton_, model.leftButton);
    showCaptioned(rightButton_, model.rightButton);
    showCaptioned(upButton_, model.upButton);
    showCaptioned(downButton_, model.downButton);
    showCaptioned(autoButton_, model.autoButton);
    showControl(splash_, model.splash);

    for (auto [action, item] : modelActions_) {
        if (action->isEnabled() != item->enabled)
            action->setEnabled(item->enabled);
        if (action->isCheckable() && action->isChecked() != item->checked)
            action->setChecked(item->checked);
    }

    showTimer(splashTimer_, model.splashTimer);
    showTimer(autoPlayTimer_, model.autoPlayTimer);
    showTimer(noticeTimer_, model.noticeTimer);
    showTimer(clockTimer_, model.clockTimer);
    showTimer(replayTimer_, model.replayTimer);
    const QString title = model.titleNote.empty()
                              ? ApplicationName
                              : ApplicationName + QStringLiteral(" \u2013 ") +
                                    QString::fromStdString(model.titleNote);
    if (windowTitle() != title)
        setWindowTitle(title);

    // Pieces are cut at the screen's own pixels.
    session_.setDevicePixelRatio(devicePixelRatioF());

    // A screen reader hears each announcement once.
    if (model.announcement.serial != announcedSerial_) {
        announcedSerial_ = model.announcement.serial;
        boardView_->announce();
    }
}

void MainWindow::waitUntilExposed() {
    // A message raised at start-up waits until the window is on screen, so
    // that it opens centred on it.
    if (!isVisible() || !windowHandle() || windowHandle()->isExposed())
        return;
    QEventLoop loop;
    QTimer poll;
    QElapsedTimer waited;
    waited.start();
    connect(&poll, &QTimer::timeout, &loop, [&] {
        if (windowHandle()->isExposed() || waited.elapsed() > 5000)
            loop.quit();
    });
    poll.start(10);
    loop.exec();
}

void MainWindow::openAtStart(const std::string& path) {
    // The loaded board shows at once, with no splash over it.
    handle([this] { session_.hideSplash(); });
    openFile(path);
}

MessageAnswer MainWindow::showMessage(const Message& message) {
    // The box waits in an event loop of its own: first show what the event
    // has done so far, and stop the timers it has stopped.
    showSession();
    waitUntilExposed();
    QMessageBox box(this);
    box.setWindowTitle(QString::fromStdString(message.title));
    box.setText(QString::fromStdString(message.text));
    box.setInformativeText(QString::fromStdString(message.detail));
    switch (message.icon) {
    case MessageIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
    }
    if (message.buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(message.defaultButton == MessageAnswer::Yes ? QMessageBox::Yes
                                                                         : QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
    }
    QPushButton* action = message.actionButton.empty()
                              ? nullptr
                              : box.addButton(QString::fromStdString(message.actionButton),
                                              QMessageBox::ActionRole);
    const int answer = box.exec();
    if (action && box.clickedButton() == action)
        return MessageAnswer::Action;
    if (answer == QMessageBox::Yes)
        return MessageAnswer::Yes;
    if (answer == QMessageBox::No)
        return MessageAnswer::No;
    return message.buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
}

void MainWindow::slideFrame(int step, int steps, int slideMs) {
    // The board is painted once a screen frame and at the last step. No
    // events are handled meanwhile: input waits until the slide ends.
    if (step == 1) {
        slideClock_.start();
        lastPaintNs_ = -FrameNs;
    }
    const qint64 now = slideClock_.nsecsElapsed();
    if (isVisible() && (now - lastPaintNs_ >= FrameNs || step == steps)) {
        boardView_->repaint();
        lastPaintNs_ = slideClock_.nsecsElapsed();
    }
    const qint64 due = qint64(step) * slideMs * 1'000'000 / steps;
    const qint64 wait = due - slideClock_.nsecsElapsed();
    if (wait > 0 && isVisible())
        QThread::usleep(static_cast<unsigned long>(wait / 1000));
}

void MainWindow::solveInBackground(const SolverBoard& board, const SolverBoard& goal, int ticket,
                                   SolveChannel channel) {
    // The solve before on this channel is told to stop, but not waited for:
    // it may be building tables that take seconds. It is joined once done.
    std::jthread& worker = channel == SolveChannel::Play ? playWorker_ : analysisWorker_;
    std::erase_if(stoppedWorkers_, [](const StoppedWorker& stopped) { return stopped.done->load(); });
    if (worker.joinable()) {
        worker.request_stop();
        stoppedWorkers_.push_back({std::move(worker), workerDone_[int(channel)]});
    }
    auto done = std::make_shared<std::atomic<bool>>(false);
    workerDone_[int(channel)] = done;
    worker = std::jthread([this, board, goal, ticket, channel, done](std::stop_token stop) {
        // Set whatever way the work ends.
        struct MarkDone {
            std::atomic<bool>& done;
            ~MarkDone() { done = true; }
        } markDone{*done};
        Solution solution;
        try {
            solution = solver_.solve(board, goal, stop, solveBudget(channel));
        } catch (const std::exception&) {
            solution.solvable = false;  // boards the solver cannot take count as unsolvable
        }
        if (stop.stop_requested())
            return;
        QMetaObject::invokeMethod(
            this,
            [this, ticket, solution, channel] {
                handle([&] { session_.solutionFound(ticket, solution, channel); });
            },
            Qt::QueuedConnection);
    });
}

std::vector<std::string> MainWindow::gameCompleted(const CompletedGame& game) {
    const BestResults::SavedCompletion completion = bestResults_.recordCompletionInFile(
        {game.grid, game.play, game.order}, game.moves, game.timeMs, game.setsMovesRecord(),
        game.setsTimeRecord(), game.daily);
    std::vector<std::string> lines;
    if (completion.records.newBest())
        lines.push_back(tr("New best!").toStdString());
    if (!completion.saved)
        lines.push_back(tr("The best results could not be saved: %1")
                            .arg(QString::fromStdString(completion.cause))
                            .toStdString());
    return lines;
}

void MainWindow::openBestResults() {
    BestResultsWindow window(bestResults_, this);
    window.exec();
}

void MainWindow::copyText(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

std::int64_t MainWindow::monotonicMs() {
    return monotonicClock_.elapsed();
}

void MainWindow::changeEvent(QEvent* event) {
    // Time with the window minimised does not count.
    if (event->type() == QEvent::WindowStateChange)
        handle([this] { session_.setMinimised(isMinimized()); });
    QMainWindow::changeEvent(event);
}

std::uint32_t MainWindow::clockSeed() {
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    return static_cast<std::uint32_t>(ticks ^ (ticks >> 32));
}

std::optional<std::string> MainWindow::chooseFile(FileDialogKind kind, const std::string& filter) {
    showSession();
    QFileDialog dialog(this);
    dialog.setObjectName(QStringLiteral("fileDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters(nameFilters(filter));
    switch (kind) {
    case FileDialogKind::Open:
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::AnyFile);  // the game checks that it exists
        break;
    case FileDialogKind::OpenPicture:
        dialog.setWindowTitle(tr("Import Image"));
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        break;
    case FileDialogKind::Save:
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        // Save Game asks its own question before replacing a file.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        break;
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return fileNameBytes(dialog.selectedFiles().constFirst());
}

void MainWindow::showOwnWindow(QWidget* window) {
    // Each window of the main window's own opens centred on it.
    if (!window->isVisible())
        window->move(frameGeometry().center() - window->rect().center());
    window->show();
    window->raise();
    window->activateWindow();
}

void MainWindow::openCustomSize() {
    customSize_ = new CustomSizeWindow(session_, this);
    connect(customSize_, &CustomSizeWindow::sizeApplied, this, &MainWindow::showSession);
    showOwnWindow(customSize_);
}

void MainWindow::openViewer() {
    if (viewer_ && viewer_->isVisible())
        viewer_->fillPicture();
    else
        viewer_ = new PictureViewer(session_, this);
    showOwnWindow(viewer_);
}

void MainWindow::openAbout() {
    // One About window at a time: choosing About again brings it up.
    if (!about_ || !about_->isVisible())
        about_ = new AboutWindow(this);
    showOwnWindow(about_);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The Custom window holds the main window until it closes.
    if (customSize_ && customSize_->isVisible()) {
        event->ignore();
        return;
    }
    // The other windows go with the main window, and the program ends.
    for (QWidget* window :
         {static_cast<QWidget*>(viewer_.data()), static_cast<QWidget*>(about_.data())})
        if (window)
            window->close();
    splashTimer_.stop();
    autoPlayTimer_.stop();
    noticeTimer_.stop();
    clockTimer_.stop();
    replayTimer_.stop();
    event->accept();
}

namespace {

std::optional<Direction> arrowDirection(const QKeyEvent* event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    switch (event->key()) {
    case Qt::Key_Left: return Direction::Left;
    case Qt::Key_Right: return Direction::Right;
    case Qt::Key_Up: return Direction::Up;
    case Qt::Key_Down: return Direction::Down;
    default: return std::nullopt;
    }
}

}  // namespace

bool MainWindow::playArrowKey(const QKeyEvent* event) {
    // In sliding play the arrow keys stand for the "L", "R", "U" and "D"
    // buttons; in swap play they move the cursor.
    const std::optional<Direction> way = arrowDirection(event);
    if (!way)
        return false;
    handle([this, way] {
        if (session_.playKind() == PlayKind::Swap)
            session_.moveCursor(*way);
        else
            session_.slidePiece(*way);
    });
    return true;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // On a focused button the arrow keys still play, instead of moving the
    // focus as buttons do.
    if (event->type() == QEvent::KeyPress && playArrowKey(static_cast<QKeyEvent*>(event)))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // Space or Enter on the board picks or swaps the piece under the swap
    // play cursor; Escape ends a replay.
    if (playArrowKey(event)) {
        event->accept();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        handle([this] { session_.pressCursor(); });
        event->accept();
        return;
    case Qt::Key_Escape:
        handle([this] { session_.stopReplay(); });
        event->accept();
        return;
    default: QMainWindow::keyPressEvent(event); return;
    }
}

}  // namespace mosaic
