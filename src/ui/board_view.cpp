// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/board_view.h"

#include "engine/session.h"
#include "ui/board_accessible.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include <algorithm>

namespace mosaic {

namespace {

constexpr QColor FrameColour(0, 0, 64);

QRect toQRect(const Rect& rect) {
    return {rect.left, rect.top, rect.width, rect.height};
}

}  // namespace

BoardView::BoardView(const GameSession& session, QWidget* parent)
    : QWidget(parent), session_(session) {
    setObjectName(QStringLiteral("boardView"));
    BoardAccessible::install();
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    // The board is where the keys play: it takes focus by Tab and by a click.
    setFocusPolicy(Qt::StrongFocus);
}

void BoardView::announce() {
    if (auto* board = dynamic_cast<BoardAccessible*>(QAccessible::queryAccessibleInterface(this)))
        board->announce();
}

void BoardView::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
}

void BoardView::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

std::vector<int> BoardView::labelsOnBoard() const {
    std::vector<int> labels;
    if (!session_.window().boardShown)
        return labels;
    const Board& board = session_.board();
    for (int row = 1; row <= board.rows(); ++row)
        for (int column = 1; column <= board.columns(); ++column)
            if (const int label = board.label({column, row}); label != Board::EmptyCell)
                labels.push_back(label);
    std::sort(labels.begin(), labels.end());
    return labels;
}

QRect BoardView::pieceRect(int label) const {
    const std::vector<int> labels = labelsOnBoard();
    if (!std::binary_search(labels.begin(), labels.end(), label))
        return {};
    return toQRect(session_.piecePlace(label));
}

QRect BoardView::cellRect(Cell cell) const {
    return toQRect(pieceBox(cell, session_.magnification()));
}

int BoardView::pieceAt(QPoint point) const {
    const std::vector<int> labels = labelsOnBoard();
    for (auto label = labels.rbegin(); label != labels.rend(); ++label)
        if (toQRect(session_.piecePlace(*label)).contains(point))
            return *label;
    return 0;
}

bool BoardView::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        if (pieceAt(help->pos()) != 0)
            QToolTip::showText(help->globalPos(),
                               QString::fromStdString(session_.window().pieceToolTip), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void BoardView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor background = palette().color(QPalette::Active, QPalette::Base);
    for (const int label : labelsOnBoard()) {
        const QRect box = toQRect(session_.piecePlace(label));
        // A one-pixel frame; the picture fills the inside from its top left.
        painter.fillRect(box, FrameColour);
        const QRect inside =
            box.adjusted(PieceFramePixels, PieceFramePixels, -PieceFramePixels, -PieceFramePixels);
        painter.fillRect(inside, background);
        painter.drawImage(inside.topLeft(), session_.piecePicture(label));
        if (session_.window().numbersShown)
            paintNumber(painter, inside, label);
    }
    if (hasFocus())
        paintFocusFrame(painter);
    // Swap play by keyboard: the picked piece, and the cursor while the keys
    // reach the board.
    const MainWindowModel& window = session_.window();
    const int line = 2 * session_.magnification();
    const std::optional<Cell> cursor = hasFocus() ? window.cursor : std::nullopt;
    for (const auto& [cell, colour] : {std::pair{window.picked, QColor(255, 140, 0)},
                                       std::pair{cursor, QColor(255, 255, 64)}})
        if (cell) {
            painter.setPen(QPen(colour, line));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(cellRect(*cell).adjusted(line / 2, line / 2, -line / 2, -line / 2));
        }
}

void BoardView::paintFocusFrame(QPainter& painter) const {
    // A frame a few pixels outside the board, or round the whole view before
    // the first board.
    QRect frame = rect();
    if (session_.window().boardShown) {
        const Board& board = session_.board();
        frame = cellRect({1, 1}).united(cellRect({board.columns(), board.rows()}));
    }
    constexpr int Gap = 3;
    constexpr int Line = 2;
    frame.adjust(-Gap - Line / 2, -Gap - Line / 2, Gap + Line / 2, Gap + Line / 2);
    painter.save();
    painter.setPen(QPen(QColor(255, 255, 128), Line, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame.intersected(rect().adjusted(1, 1, -1, -1)));
    painter.restore();
}

void BoardView::paintNumber(QPainter& painter, const QRect& piece, int label) const {
    // Light text with a dark outline reads on any picture; it grows with the
    // magnification.
    const int magnification = session_.magnification();
    QFont font = this->font();
    font.setBold(true);
    font.setPixelSize(9 * magnification);
    QPainterPath text;
    text.addText(0, 0, font, QString::number(label));
    const QRectF bounds = text.boundingRect();
    text.translate(piece.left() + 2 * magnification - bounds.left(),
                   piece.top() + 1 * magnification - bounds.top());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.strokePath(text, QPen(QColor(0, 0, 0, 220), 2.0 * magnification, Qt::SolidLine,
                                  Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(text, QColor(255, 255, 240));
    painter.restore();
}

void BoardView::mousePressEvent(QMouseEvent* event) {
    pressedLabel_ = event->button() == Qt::LeftButton ? pieceAt(event->position().toPoint()) : 0;
    QWidget::mousePressEvent(event);
}

void BoardView::mouseReleaseEvent(QMouseEvent* event) {
    // A click: pressed and released on the same piece.
    const int label = pressedLabel_;
    pressedLabel_ = 0;
    if (event->button() == Qt::LeftButton && label != 0 &&
        pieceRect(label).contains(event->position().toPoint()))
        emit pieceClicked(label);
    QWidget::mouseReleaseEvent(event);
}

}  // namespace mosaic
