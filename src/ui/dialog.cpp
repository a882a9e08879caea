#include "ui/dialog.h"

#include "engine/controls.h"
#include "engine/game.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>

namespace {

using mosaic::Pixels;

constexpr int ClientWidth = 4335;
constexpr int ClientHeight = 3135;

}  // namespace

Dialog::Dialog(mosaic::Game& game, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      m_game(game) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Dialog"));
    // The caption names the default picture's size, whatever picture is shown.
    setWindowTitle(QStringLiteral("Viewing Image (287 x 185)"));
    setFixedSize(Pixels(ClientWidth), Pixels(ClientHeight));

    // A sunken box filling the window; the picture fills its inside exactly.
    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picture1->setLineWidth(2);
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setFocusPolicy(Qt::StrongFocus);
    Picture1->setGeometry(0, 0, Pixels(ClientWidth), Pixels(ClientHeight));
    Picture1->installEventFilter(this);

    m_game.ViewerOpen = true;
    FillPicture();
}

Dialog::~Dialog() {
    // Deleted without closing, for instance along with a parent window.
    if (!m_closed)
        m_game.ViewerOpen = false;
}

void Dialog::FillPicture() {
    mosaic::PictureClip& clip = m_game.PictureClip1;
    // 1.
    clip.SetClipSize(clip.Width(), clip.Height());
    // 2. The inside of the box, already in whole pixels.
    const QSize inner = Picture1->contentsRect().size();
    clip.SetStretch(inner.width(), inner.height());
    // 3.
    clip.SetClipOrigin(0, 0);
    // 4.
    Picture1->setPixmap(QPixmap::fromImage(clip.ClippedPicture()));
}

bool Dialog::Form_KeyPress(const QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape: close(); return true;
    default: return false;
    }
}

void Dialog::keyPressEvent(QKeyEvent* event) {
    if (Form_KeyPress(event))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

bool Dialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Picture1 && event->type() == QEvent::KeyPress)
        return Form_KeyPress(static_cast<QKeyEvent*>(event));
    return QWidget::eventFilter(watched, event);
}

void Dialog::closeEvent(QCloseEvent* event) {
    // The window is deleted a moment later; the game knows at once.
    QWidget::closeEvent(event);
    if (event->isAccepted()) {
        m_game.ViewerOpen = false;
        m_closed = true;
    }
}
