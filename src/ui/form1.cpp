#include "ui/form1.h"

#include "files/game_files.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QThread>

#include <chrono>

namespace mosaic {

namespace {

constexpr QColor DarkBlue(0, 0, 192);
constexpr QColor LightGrey(192, 192, 192);
constexpr QColor LightBlue(192, 192, 255);
constexpr QColor LightYellow(255, 255, 128);
constexpr QColor Red(255, 0, 0);

// Design size of the window's client area before the first board, in twips.
constexpr int DesignClientWidth = 5760;
constexpr int DesignClientHeight = 3810;

// A screen frame: how often a sliding piece is painted.
constexpr qint64 FrameNs = 16'000'000;

QFont BoldFont(double points) {
    QFont font = QApplication::font();
    font.setBold(true);
    font.setPointSizeF(points);
    return font;
}

void SetColours(QWidget* widget, const QColor& text, const QColor& background) {
    QPalette palette = widget->palette();
    for (auto role : {QPalette::WindowText, QPalette::Text})
        palette.setColor(role, text);
    for (auto role : {QPalette::Window, QPalette::Base})
        palette.setColor(role, background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QLineEdit* MakeTextBox(QWidget* parent, const char* name, double points, const QColor& text,
                       const QColor& background) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setFont(BoldFont(points));
    box->setFrame(false);
    SetColours(box, text, background);
    return box;
}

QLabel* MakeLabel(QWidget* parent, const char* name, double points, const QColor& text) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFont(BoldFont(points));
    SetColours(label, text, DarkBlue);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, double points) {
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->setFont(BoldFont(points));
    button->setFocusPolicy(Qt::NoFocus);  // the arrow keys belong to the board
    return button;
}

// "Description (*.a)|*.a;*.b|..." as Qt's name filters.
QStringList NameFilters(const std::string& filter) {
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

}  // namespace

PieceBoxWidget::PieceBoxWidget(int index, QWidget* parent) : QLabel(parent), index_(index) {
    setObjectName(QStringLiteral("Picture1_%1").arg(index));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(PieceFramePixels);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Base));
    palette.setColor(QPalette::WindowText, QColor(0, 0, 64));
    setPalette(palette);
}

void PieceBoxWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked(index_);
    QLabel::mouseReleaseEvent(event);
}

Form1::Form1(QWidget* parent) : QMainWindow(parent), game_(*this) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Mosaic Rush"));
    setWindowIcon(QIcon(QStringLiteral(":/mosaic-rush.png")));
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    SetColours(client_, LightGrey, DarkBlue);
    setCentralWidget(client_);

    CreateControls();
    CreateMenus();

    connect(&timer1_, &QTimer::timeout, this, [this] { Handle([this] { game_.Timer1_Timer(); }); });
    connect(&timer2_, &QTimer::timeout, this, [this] { Handle([this] { game_.Timer2_Timer(); }); });
    connect(&timer3_, &QTimer::timeout, this, [this] { Handle([this] { game_.Timer3_Timer(); }); });
    timer2_.setTimerType(Qt::PreciseTimer);

    game_.Form_Load(QImage(QStringLiteral(":/default.jpg")),
                    QImage(QStringLiteral(":/splash.png")));
    image2_->setPixmap(QPixmap::fromImage(game_.SplashPicture));
    SyncFromGame();
}

Form1::~Form1() {
    // The other windows hold the game, which goes with this window.
    delete viewer_.data();
    delete custom_.data();
    delete about_.data();
}

void Form1::CreateControls() {
    for (int i = 0; i < PieceBoxCount; ++i) {
        auto* box = new PieceBoxWidget(i, client_);
        box->hide();
        connect(box, &PieceBoxWidget::clicked, this, [this](int index) {
            Handle([this, index] { game_.Picture1_Click(Integer(index)); });
        });
        pieceBoxes_[i] = box;
    }
    text1_ = MakeTextBox(client_, "Text1", 13.5, Red, LightBlue);
    text2_ = MakeTextBox(client_, "Text2", 8.25, LightGrey, DarkBlue);
    text3_ = MakeTextBox(client_, "Text3", 13.5, Red, LightBlue);
    label1_ = MakeLabel(client_, "Label1", 9.75, LightYellow);
    label2_ = MakeLabel(client_, "Label2", 8.25, LightGrey);
    image2_ = new QLabel(client_);
    image2_->setObjectName(QStringLiteral("Image2"));

    command3_ = MakeButton(client_, "Command3", 9.75);
    command4_ = MakeButton(client_, "Command4", 9.75);
    command5_ = MakeButton(client_, "Command5", 9.75);
    command6_ = MakeButton(client_, "Command6", 9.75);
    command2_ = MakeButton(client_, "COMMAND2", 9.75);
    connect(command3_, &QPushButton::clicked, this,
            [this] { Handle([this] { game_.Command3_Click(); }); });
    connect(command4_, &QPushButton::clicked, this,
            [this] { Handle([this] { game_.Command4_Click(); }); });
    connect(command5_, &QPushButton::clicked, this,
            [this] { Handle([this] { game_.Command5_Click(); }); });
    connect(command6_, &QPushButton::clicked, this,
            [this] { Handle([this] { game_.Command6_Click(); }); });
    connect(command2_, &QPushButton::clicked, this,
            [this] { Handle([this] { game_.COMMAND2_Click(); }); });

    // The notice of swap play lies above the board.
    text3_->raise();
    text1_->raise();
    setFocusPolicy(Qt::StrongFocus);
}

QAction* Form1::AddItem(QMenu* menu, const char* name, const QString& caption, const MenuItem& item,
                        std::function<void()> command) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this,
            [this, command = std::move(command)] { Handle(command); });
    menuItems_.emplace_back(action, &item);
    actionsByName_[action->objectName()] = action;
    return action;
}

void Form1::CreateMenus() {
    Game& g = game_;
    auto title = [this](QMenu* menu, const char* name, const MenuItem& item) {
        menu->setObjectName(QString::fromLatin1(name));
        menu->menuAction()->setObjectName(QString::fromLatin1(name));
        menuItems_.emplace_back(menu->menuAction(), &item);
        actionsByName_[menu->objectName()] = menu->menuAction();
    };

    QMenu* file = menuBar()->addMenu(tr("&File"));
    title(file, "ai_file", g.ai_file);
    AddItem(file, "ai_open", tr("&Load Game"), g.ai_open, [this] { ai_open_Click(game_); });
    AddItem(file, "ai_save", tr("&Save Game"), g.ai_save, [this] { ai_save_Click(game_); });
    AddItem(file, "ai_load", tr("&Import Image"), g.ai_load, [this] { ai_load_Click(game_); });
    AddItem(file, "ai_about", tr("&About"), g.ai_about, [this] { OpenAbout(); });
    QAction* exit = AddItem(file, "ai_exit", tr("e&Xit"), g.ai_exit, [this] { close(); });
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));

    QMenu* type = menuBar()->addMenu(tr("&Type"));
    title(type, "ai_type", g.ai_type);
    AddItem(type, "ai_empty", tr("Empty Space"), g.ai_empty, [this] {
        game_.ai_empty_Click();
    })->setCheckable(true);
    AddItem(type, "ai_manual", tr("Custom"), g.ai_manual, [this] { OpenCustom(); });
    for (int n = 3; n <= MaxGrid; ++n) {
        const std::string name = "ai_" + std::to_string(n) + "x" + std::to_string(n);
        AddItem(type, name.c_str(), QStringLiteral("%1 X %1").arg(n), g.SizeMenu(n),
                [this, n] { game_.ai_NxN_Click(n); });
    }

    QAction* view = menuBar()->addAction(tr("&View Image"));
    view->setObjectName(QStringLiteral("ai_view"));
    connect(view, &QAction::triggered, this, [this] { Handle([this] { OpenViewer(); }); });
    menuItems_.emplace_back(view, &g.ai_view);
    actionsByName_[view->objectName()] = view;

    QMenu* magnify = menuBar()->addMenu(tr("&Magnify"));
    title(magnify, "ai_mag", g.ai_mag);
    AddItem(magnify, "ai_mag1", tr("X1"), g.ai_mag1, [this] {
        game_.ai_mag1_Click();
    })->setCheckable(true);
    AddItem(magnify, "ai_mag2", tr("X2"), g.ai_mag2, [this] {
        game_.ai_mag2_Click();
    })->setCheckable(true);

    QMenu* speed = menuBar()->addMenu(tr("&Speed"));
    title(speed, "ai_speed", g.ai_speed);
    const MenuItem* speedItems[] = {&g.ai_1, &g.ai_2, &g.ai_3, &g.ai_4};
    const char* speedCaptions[] = {"X 0.5", "X 1", "X 2", "X 4"};
    for (int i = 1; i <= 4; ++i) {
        const std::string name = "ai_" + std::to_string(i);
        AddItem(speed, name.c_str(), QString::fromLatin1(speedCaptions[i - 1]), *speedItems[i - 1],
                [this, i] { game_.ai_speed_Click(i); })
            ->setCheckable(true);
    }

    QMenu* order = menuBar()->addMenu(tr("&Order"));
    title(order, "ai_order", g.ai_order);
    struct OrderItem {
        QMenu* menu;
        const char* name;
        QString caption;
        const MenuItem& item;
        void (Game::*command)();
    };
    QMenu* horizontal = order->addMenu(tr("Horiz"));
    title(horizontal, "ai_hor", g.ai_hor);
    QMenu* vertical = order->addMenu(tr("Vert"));
    title(vertical, "ai_ver", g.ai_ver);
    const OrderItem orderItems[] = {
        {horizontal, "ai_asc1", tr("Ascend"), g.ai_asc1, &Game::ai_asc1_Click},
        {horizontal, "ai_des1", tr("Descend"), g.ai_des1, &Game::ai_des1_Click},
        {vertical, "ai_asc2", tr("Ascend"), g.ai_asc2, &Game::ai_asc2_Click},
        {vertical, "ai_des2", tr("Descend"), g.ai_des2, &Game::ai_des2_Click}};
    for (const OrderItem& entry : orderItems)
        AddItem(entry.menu, entry.name, entry.caption, entry.item, [this, command = entry.command] {
            (game_.*command)();
        })->setCheckable(true);
}

QAction* Form1::menuItem(const QString& name) const {
    const auto found = actionsByName_.find(name);
    return found == actionsByName_.end() ? nullptr : found->second;
}

void Form1::SyncControl(QWidget* widget, const Control& control) {
    const QRect geometry(Pixels(control.Left), Pixels(control.Top), Pixels(control.Width),
                         Pixels(control.Height));
    if (widget->geometry() != geometry)
        widget->setGeometry(geometry);
    if (widget->isHidden() == control.Visible)
        widget->setVisible(control.Visible);
    if (widget->isEnabled() != control.Enabled)
        widget->setEnabled(control.Enabled);
    const QString toolTip = QString::fromStdString(control.ToolTipText);
    if (widget->toolTip() != toolTip)
        widget->setToolTip(toolTip);
}

template <typename Widget>
void Form1::SyncCaptioned(Widget* widget, const Control& control) {
    const QString text = QString::fromStdString(control.Caption);
    if (widget->text() != text)
        widget->setText(text);
    SyncControl(widget, control);
}

void Form1::SyncPieceBox(int index) {
    PieceBoxWidget* widget = pieceBoxes_[index];
    const PieceBox& box = game_.Picture1[index];
    if (widget->pictureSerial != box.PictureSerial) {
        widget->setPixmap(QPixmap::fromImage(box.Picture));
        widget->pictureSerial = box.PictureSerial;
    }
    SyncControl(widget, box);
}

void Form1::SyncTimer(QTimer& timer, const Timer& model) {
    if (!model.Enabled || model.Interval <= 0) {
        if (timer.isActive())
            timer.stop();
        return;
    }
    if (!timer.isActive() || timer.interval() != model.Interval)
        timer.start(model.Interval);
}

void Form1::SyncFromGame() {
    const int menuHeight = menuBar()->sizeHint().height();
    const QSize size =
        game_.Form1.Width == 0
            ? QSize(Pixels(DesignClientWidth), Pixels(DesignClientHeight) + menuHeight)
            : QSize(Pixels(game_.Form1.Width), Pixels(game_.Form1.Height));
    if (this->size() != size || minimumSize() != size)
        setFixedSize(size);

    for (int i = 0; i < PieceBoxCount; ++i)
        SyncPieceBox(i);

    SyncCaptioned(text1_, game_.Text1);
    SyncCaptioned(text2_, game_.Text2);
    SyncCaptioned(text3_, game_.Text3);
    SyncCaptioned(label1_, game_.Label1);
    SyncCaptioned(label2_, game_.Label2);
    SyncCaptioned(command3_, game_.Command3);
    SyncCaptioned(command4_, game_.Command4);
    SyncCaptioned(command5_, game_.Command5);
    SyncCaptioned(command6_, game_.Command6);
    SyncCaptioned(command2_, game_.COMMAND2);
    SyncControl(image2_, game_.Image2);

    for (auto [action, item] : menuItems_) {
        if (action->isEnabled() != item->Enabled)
            action->setEnabled(item->Enabled);
        if (action->isCheckable() && action->isChecked() != item->Checked)
            action->setChecked(item->Checked);
    }

    SyncTimer(timer1_, game_.Timer1);
    SyncTimer(timer2_, game_.Timer2);
    SyncTimer(timer3_, game_.Timer3);
}

MessageAnswer Form1::ShowMessage(const std::string& text, const std::string& title,
                                 MessageIcon icon, MessageButtons buttons,
                                 MessageAnswer defaultButton) {
    // The box waits in an event loop of its own: first show what the handler
    // has done so far, and stop the timers it has stopped.
    SyncFromGame();
    QMessageBox box(this);
    box.setWindowTitle(QString::fromStdString(title));
    box.setText(QString::fromStdString(text));
    switch (icon) {
    case MessageIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
    }
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(defaultButton == MessageAnswer::Yes ? QMessageBox::Yes
                                                                 : QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int answer = box.exec();
    if (answer == QMessageBox::Yes)
        return MessageAnswer::Yes;
    if (answer == QMessageBox::No)
        return MessageAnswer::No;
    return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
}

void Form1::AnimationStep(int box, int step, int steps) {
    // One step a millisecond; the box is painted once a screen frame. No
    // events are handled meanwhile: input waits until the slide ends.
    if (step == 1) {
        slideClock_.start();
        lastPaintNs_ = -FrameNs;
    }
    PieceBoxWidget* widget = pieceBoxes_[box];
    const QRect before = widget->geometry();
    SyncPieceBox(box);
    const qint64 now = slideClock_.nsecsElapsed();
    if (isVisible() && (now - lastPaintNs_ >= FrameNs || step == steps)) {
        client_->repaint(before.united(widget->geometry()));
        lastPaintNs_ = slideClock_.nsecsElapsed();
    }
    const qint64 due = qint64(step) * 1'000'000;
    const qint64 wait = due - slideClock_.nsecsElapsed();
    if (wait > 0 && isVisible())
        QThread::usleep(static_cast<unsigned long>(wait / 1000));
}

std::uint32_t Form1::ClockSeed() {
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    return static_cast<std::uint32_t>(ticks ^ (ticks >> 32));
}

std::optional<std::string> Form1::ShowFileDialog(FileDialogKind kind, const std::string& filter) {
    SyncFromGame();
    QFileDialog dialog(this);
    dialog.setObjectName(QStringLiteral("CmDialog1"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters(NameFilters(filter));
    if (kind == FileDialogKind::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::AnyFile);  // the game checks that it exists
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        // Save Game asks its own question before replacing a file, and
        // Import Image only reads the file.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
}

void Form1::OpenCustom() {
    custom_ = new Form2(game_, this);
    connect(custom_, &Form2::sizeApplied, this, &Form1::SyncFromGame);
    custom_->show();
    setEnabled(false);
}

void Form1::OpenViewer() {
    if (game_.ViewerOpen && viewer_) {
        viewer_->FillPicture();
    } else {
        viewer_ = new Dialog(game_);
    }
    viewer_->show();
    viewer_->raise();
    viewer_->activateWindow();
}

void Form1::OpenAbout() {
    about_ = new ABOUT();
    about_->show();
}

void Form1::closeEvent(QCloseEvent* event) {
    // Form_Unload: the viewer goes with the main window, and so do the other
    // windows, so that the program ends.
    for (QWidget* window :
         {static_cast<QWidget*>(viewer_.data()), static_cast<QWidget*>(custom_.data()),
          static_cast<QWidget*>(about_.data())})
        if (window)
            window->close();
    timer1_.stop();
    timer2_.stop();
    timer3_.stop();
    event->accept();
}

void Form1::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left: Handle([this] { game_.ArrowKey_Press(Game::ArrowKey::Left); }); break;
    case Qt::Key_Right: Handle([this] { game_.ArrowKey_Press(Game::ArrowKey::Right); }); break;
    case Qt::Key_Up: Handle([this] { game_.ArrowKey_Press(Game::ArrowKey::Up); }); break;
    case Qt::Key_Down: Handle([this] { game_.ArrowKey_Press(Game::ArrowKey::Down); }); break;
    default: QMainWindow::keyPressEvent(event); return;
    }
    event->accept();
}

}  // namespace mosaic
