// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/board_accessible.h"

#include "engine/session.h"
#include "ui/board_view.h"

#include <QCoreApplication>
#include <QPointer>

namespace mosaic {

namespace {

Cell cellOfIndex(const Board& board, int index) {
    return {index % board.columns() + 1, index / board.columns() + 1};
}

int indexOfCell(const Board& board, Cell cell) {
    return (cell.row - 1) * board.columns() + cell.column - 1;
}

// One cell of the board, by its index in reading order.
class CellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    CellAccessible(BoardView* view, int index) : view_(view), index_(index) {}

    bool isValid() const override { return view_ && index_ < cellCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
    QList<std::pair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation) const override {
        return {};
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(view_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return QAccessible::Cell; }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    QString text(QAccessible::Text t) const override {
        if (!isValid())
            return {};
        const GameSession& session = view_->session();
        const int label = session.board().label(cell());
        if (t == QAccessible::Name) {
            // The cell an announcement is about says it.
            const Announcement& announcement = session.window().announcement;
            if (announcement.cell == cell() && !announcement.text.empty())
                return QString::fromStdString(announcement.text);
            return label == Board::EmptyCell
                       ? QCoreApplication::translate("BoardAccessible", "Empty cell")
                       : QCoreApplication::translate("BoardAccessible", "Piece %1").arg(label);
        }
        if (t == QAccessible::Description && label != Board::EmptyCell) {
            const Cell home = session.goal().find(label).value_or(Cell{});
            return QCoreApplication::translate("BoardAccessible",
                                               "row %1, column %2; belongs at row %3, column %4")
                .arg(cell().row)
                .arg(cell().column)
                .arg(home.row)
                .arg(home.column);
        }
        return {};
    }

    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect box = view_->cellRect(cell());
        return QRect(view_->mapToGlobal(box.topLeft()), box.size());
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = true;
        state.selectable = true;
        if (isValid()) {
            const MainWindowModel& window = view_->session().window();
            const std::optional<Cell> focus =
                window.announcement.cell ? window.announcement.cell : window.cursor;
            state.focused = focus == cell();
            state.selected = window.picked == cell();
        }
        return state;
    }

    // QAccessibleTableCellInterface
    bool isSelected() const override { return state().selected; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return isValid() ? cell().column - 1 : -1; }
    int rowIndex() const override { return isValid() ? cell().row - 1 : -1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    int cellCount() const { return view_->session().board().size().cellCount(); }
    Cell cell() const { return cellOfIndex(view_->session().board(), index_); }

    QPointer<BoardView> view_;
    int index_;
};

}  // namespace

BoardAccessible::BoardAccessible(BoardView* view)
    : QAccessibleWidget(view, QAccessible::Table,
                        QCoreApplication::translate("BoardAccessible", "Board")) {}

BoardAccessible::~BoardAccessible() {
    for (const QAccessible::Id id : cells_)
        if (id != 0)
            QAccessible::deleteAccessibleInterface(id);
}

void* BoardAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

BoardView* BoardAccessible::view() const {
    return static_cast<BoardView*>(widget());
}

int BoardAccessible::childCount() const {
    return view()->session().window().boardShown
               ? view()->session().board().size().cellCount()
               : 0;
}

QAccessibleInterface* BoardAccessible::child(int index) const {
    if (index < 0 || index >= childCount())
        return nullptr;
    if (cells_.size() <= std::size_t(index))
        cells_.resize(std::size_t(index) + 1, 0);
    QAccessible::Id& id = cells_[std::size_t(index)];
    if (id == 0)
        id = QAccessible::registerAccessibleInterface(new CellAccessible(view(), index));
    return QAccessible::accessibleInterface(id);
}

int BoardAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (std::size_t i = 0; i < cells_.size(); ++i)
        if (cells_[i] != 0 && QAccessible::accessibleInterface(cells_[i]) == child)
            return int(i);
    return -1;
}

QAccessibleInterface* BoardAccessible::childAt(int x, int y) const {
    const QPoint point = view()->mapFromGlobal(QPoint(x, y));
    const Board& board = view()->session().board();
    for (int i = 0; i < childCount(); ++i)
        if (view()->cellRect(cellOfIndex(board, i)).contains(point))
            return child(i);
    return nullptr;
}

int BoardAccessible::focusIndex() const {
    const MainWindowModel& window = view()->session().window();
    const std::optional<Cell> focus = window.announcement.cell ? window.announcement.cell
                                                               : window.cursor;
    if (!focus || childCount() == 0 || !view()->session().board().contains(*focus))
        return -1;
    return indexOfCell(view()->session().board(), *focus);
}

QAccessibleInterface* BoardAccessible::focusChild() const {
    const int index = focusIndex();
    return index < 0 ? nullptr : child(index);
}

void BoardAccessible::announce() {
    const int index = focusIndex();
    if (index < 0)
        return;
    // A new object for the cell, so that the reader speaks it even when its
    // focus is on that cell already.
    if (std::size_t(index) < cells_.size() && cells_[std::size_t(index)] != 0) {
        QAccessible::deleteAccessibleInterface(cells_[std::size_t(index)]);
        cells_[std::size_t(index)] = 0;
    }
    QAccessibleEvent focus(child(index), QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

QAccessibleInterface* BoardAccessible::cellAt(int row, int column) const {
    const Board& board = view()->session().board();
    if (childCount() == 0 || row < 0 || row >= board.rows() || column < 0 ||
        column >= board.columns())
        return nullptr;
    return child(row * board.columns() + column);
}

int BoardAccessible::selectedCellCount() const {
    return view()->session().window().picked && childCount() > 0 ? 1 : 0;
}

QList<QAccessibleInterface*> BoardAccessible::selectedCells() const {
    const std::optional<Cell> picked = view()->session().window().picked;
    if (!picked || childCount() == 0)
        return {};
    return {child(indexOfCell(view()->session().board(), *picked))};
}

int BoardAccessible::columnCount() const {
    return childCount() > 0 ? view()->session().board().columns() : 0;
}

int BoardAccessible::rowCount() const {
    return childCount() > 0 ? view()->session().board().rows() : 0;
}

void BoardAccessible::install() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory([](const QString& className, QObject* object) -> QAccessibleInterface* {
        if (className == QLatin1String("mosaic::BoardView") && object && object->isWidgetType())
            return new BoardAccessible(static_cast<BoardView*>(object));
        return nullptr;
    });
}

}  // namespace mosaic
