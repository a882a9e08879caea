// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What screen readers learn of the board: a table with one cell a board
// cell, named for the piece in it ("Piece 7", or "Empty cell") and described
// by where it is and where it belongs.
//
// Screen readers speak what happens to the object with focus, so each
// announcement of the game moves the reader's focus to the cell it is about,
// and that cell's name is the announcement until the next one. Each
// announcement makes the cell a new accessible object: a reader does not
// speak focus moving to the object it is already on.

#include <QAccessibleWidget>

#include <vector>

namespace mosaic {

class BoardView;

class BoardAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit BoardAccessible(BoardView* view);
    ~BoardAccessible() override;

    void* interface_cast(QAccessible::InterfaceType type) override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // Tells the reader the announcement the board view holds, by focus on a
    // new object for its cell.
    void announce();

    // QAccessibleTableInterface: rows and columns counted from 0.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

    // Makes the factory that gives each board view this interface.
    static void install();

private:
    BoardView* view() const;
    // The index of the cell the reader's focus is on, or -1.
    int focusIndex() const;

    mutable std::vector<QAccessible::Id> cells_;  // by index, made on first need
};

}  // namespace mosaic
