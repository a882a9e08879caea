// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/picture_viewer.h"

#include "engine/session.h"
#include "engine/window_model.h"

#include <QKeyEvent>
#include <QLabel>

namespace mosaic {

namespace {

constexpr int ClientWidthTwips = 4335;
constexpr int ClientHeightTwips = 3135;

}  // namespace

PictureViewer::PictureViewer(const GameSession& session, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      session_(session) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("pictureViewer"));
    // The caption names the default picture's size, whatever picture is shown.
    setWindowTitle(tr("Viewing Image (287 x 185)"));
    const QSize client(twipsToPixels(ClientWidthTwips), twipsToPixels(ClientHeightTwips));
    setFixedSize(client);

    // A sunken box filling the window; the picture fills its inside exactly.
    pictureBox_ = new QLabel(this);
    pictureBox_->setObjectName(QStringLiteral("pictureBox"));
    pictureBox_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pictureBox_->setLineWidth(2);
    pictureBox_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    pictureBox_->setFocusPolicy(Qt::StrongFocus);
    pictureBox_->setGeometry(QRect(QPoint(0, 0), client));
    pictureBox_->installEventFilter(this);
    pictureBox_->setAccessibleName(tr("The whole picture"));

    fillPicture();
}

void PictureViewer::fillPicture() {
    const QImage& picture = session_.boardPicture();
    const QSize inner = pictureBox_->contentsRect().size();
    pictureBox_->setPixmap(
        QPixmap::fromImage(picture.scaled(inner, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
}

bool PictureViewer::closeOnKey(const QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape: close(); return true;
    default: return false;
    }
}

void PictureViewer::keyPressEvent(QKeyEvent* event) {
    if (closeOnKey(event))
        event->accept();
    else
        QDialog::keyPressEvent(event);
}

bool PictureViewer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == pictureBox_ && event->type() == QEvent::KeyPress)
        return closeOnKey(static_cast<QKeyEvent*>(event));
    return QDialog::eventFilter(watched, event);
}

}  // namespace mosaic
