#include "ui/board_accessible.h"

#include "engine/session.h"
#include "ui/board_view.h"

#include <QCoreApplication>
#include <QPointer>

namespace mosaic {

namespace {

// One cell of the board, by its index in reading order.
class CellAccessible : public QAccessibleInterface {
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

    QString text(QAccessible::Text t) const override {
        if (!isValid())
            return {};
        const GameSession& session = view_->session();
        const int label = session.board().label(cell());
        if (t == QAccessible::Name)
            return label == Board::EmptyCell
                       ? QCoreApplication::translate("BoardAccessible", "Empty cell")
                       : QCoreApplication::translate("BoardAccessible", "Piece %1").arg(label);
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
        if (isValid()) {
            const MainWindowModel& window = view_->session().window();
            state.focused = window.cursor == cell();
            state.selected = window.picked == cell();
        }
        return state;
    }

private:
    int cellCount() const { return view_->session().board().size().cellCount(); }
    Cell cell() const {
        const int columns = view_->session().board().columns();
        return {index_ % columns + 1, index_ / columns + 1};
    }

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
        if (view()->cellRect({i % board.columns() + 1, i / board.columns() + 1}).contains(point))
            return child(i);
    return nullptr;
}

QAccessibleInterface* BoardAccessible::focusChild() const {
    const std::optional<Cell> cursor = view()->session().window().cursor;
    if (!cursor)
        return nullptr;
    return child((cursor->row - 1) * view()->session().board().columns() + cursor->column - 1);
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
