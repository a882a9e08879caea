#pragma once

// What screen readers learn of the board: one child a cell, named for the
// piece in it ("Piece 7", or "Empty cell") and described by where it is and
// where it belongs.

#include <QAccessibleWidget>

#include <vector>

namespace mosaic {

class BoardView;

class BoardAccessible : public QAccessibleWidget {
public:
    explicit BoardAccessible(BoardView* view);
    ~BoardAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // Makes the factory that gives each board view this interface.
    static void install();

private:
    BoardView* view() const;

    mutable std::vector<QAccessible::Id> cells_;  // by index, made on first need
};

}  // namespace mosaic
