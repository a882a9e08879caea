// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The board: one widget that paints every piece where the session places
// it, slides included, and reports clicks on pieces.

#include <QWidget>

#include "engine/board.h"

namespace mosaic {

class GameSession;

class BoardView : public QWidget {
    Q_OBJECT

public:
    BoardView(const GameSession& session, QWidget* parent);

    // The piece box of a label on the board, frame included; an empty rect
    // for a label that is not on the board.
    QRect pieceRect(int label) const;
    // The topmost piece at a point, or 0 when there is none.
    int pieceAt(QPoint point) const;
    // A cell of the board, frame included.
    QRect cellRect(Cell cell) const;

    const GameSession& session() const { return session_; }

    // Tells a screen reader the session's latest announcement.
    void announce();

signals:
    void pieceClicked(int label);

protected:
    bool event(QEvent* event) override;  // tool tips over the pieces
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The labels on the board, lowest first: higher labels are painted over
    // lower ones where their frames meet.
    std::vector<int> labelsOnBoard() const;
    void paintNumber(QPainter& painter, const QRect& piece, int label) const;
    void paintFocusFrame(QPainter& painter) const;

    const GameSession& session_;
    int pressedLabel_ = 0;
};

}  // namespace mosaic
