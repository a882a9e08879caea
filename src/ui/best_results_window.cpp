// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/best_results_window.h"

#include "files/best_results.h"

#include <QDate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace mosaic {

namespace {

enum Column { GridColumn, PlayColumn, OrderColumn, CompletedColumn, MovesColumn, TimeColumn };

QString orderText(GoalOrder order) {
    switch (order) {
    case GoalOrder::RowsAscending: return BestResultsWindow::tr("Rows ascending");
    case GoalOrder::RowsDescending: return BestResultsWindow::tr("Rows descending");
    case GoalOrder::ColumnsAscending: return BestResultsWindow::tr("Columns ascending");
    case GoalOrder::ColumnsDescending: return BestResultsWindow::tr("Columns descending");
    }
    return {};
}

}  // namespace

QString playTimeText(std::int64_t ms) {
    const std::int64_t seconds = ms / 1000;
    const auto twoDigits = [](std::int64_t n) {
        return QStringLiteral("%1").arg(n, 2, 10, QChar('0'));
    };
    if (seconds < 3600)
        return QStringLiteral("%1:%2").arg(seconds / 60).arg(twoDigits(seconds % 60));
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(twoDigits(seconds / 60 % 60))
        .arg(twoDigits(seconds % 60));
}

BestResultsWindow::BestResultsWindow(BestResults& results, QWidget* parent)
    : QDialog(parent), results_(results) {
    setObjectName(QStringLiteral("bestResultsWindow"));
    setWindowTitle(tr("Best Results"));

    resultsTable_ = new QTableWidget(0, 6, this);
    resultsTable_->setObjectName(QStringLiteral("resultsTable"));
    resultsTable_->setHorizontalHeaderLabels({tr("Grid"), tr("Play"), tr("Order"), tr("Completed"),
                                              tr("Fewest moves"), tr("Shortest time")});
    resultsTable_->verticalHeader()->hide();
    resultsTable_->horizontalHeader()->setStretchLastSection(true);
    resultsTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    resultsTable_->setSelectionMode(QAbstractItemView::NoSelection);
    resultsTable_->setFocusPolicy(Qt::NoFocus);

    dailyLine_ = new QLabel(this);
    dailyLine_->setObjectName(QStringLiteral("dailyLine"));

    resetButton_ = new QPushButton(tr("Reset"), this);
    resetButton_->setObjectName(QStringLiteral("resetButton"));
    // Enter must never clear the results; it closes the window instead.
    resetButton_->setAutoDefault(false);
    connect(resetButton_, &QPushButton::clicked, this, &BestResultsWindow::onResetClicked);

    closeButton_ = new QPushButton(tr("Close"), this);
    closeButton_->setObjectName(QStringLiteral("closeButton"));
    closeButton_->setDefault(true);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(resetButton_);
    buttons->addStretch();
    buttons->addWidget(closeButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(resultsTable_);
    layout->addWidget(dailyLine_);
    layout->addLayout(buttons);

    fillTable();
    // Wide enough for every column, with room for the margins and a scroll bar.
    resize(resultsTable_->horizontalHeader()->length() + 60, 360);
}

void BestResultsWindow::fillTable() {
    const std::vector<BestResult>& entries = results_.entries();
    resultsTable_->setRowCount(int(entries.size()));
    const QString none = tr("\u2014");
    for (int row = 0; row < int(entries.size()); ++row) {
        const BestResult& entry = entries[std::size_t(row)];
        const auto put = [&](int column, const QString& text, Qt::Alignment alignment) {
            auto* item = new QTableWidgetItem(text);
            item->setTextAlignment(alignment | Qt::AlignVCenter);
            resultsTable_->setItem(row, column, item);
        };
        put(GridColumn, tr("%1 X %2").arg(entry.key.size.columns).arg(entry.key.size.rows),
            Qt::AlignLeft);
        put(PlayColumn, entry.key.play == PlayKind::Sliding ? tr("Sliding") : tr("Swap"),
            Qt::AlignLeft);
        put(OrderColumn, orderText(entry.key.order), Qt::AlignLeft);
        put(CompletedColumn, QString::number(entry.completed), Qt::AlignRight);
        put(MovesColumn, entry.fewestMoves ? QString::number(*entry.fewestMoves) : none,
            Qt::AlignRight);
        put(TimeColumn, entry.shortestTimeMs ? playTimeText(*entry.shortestTimeMs) : none,
            Qt::AlignRight);
    }
    resultsTable_->resizeColumnsToContents();
    const QDate today = QDate::currentDate();
    const DailyResults& daily = results_.daily();
    const int daysInARow = daily.daysInARowOn({today.year(), today.month(), today.day()});
    dailyLine_->setText(
        tr("Daily games: %1 completed, days in a row: %2").arg(daily.completed).arg(daysInARow));
    resetButton_->setEnabled(!entries.empty() || daily.completed > 0);
}

void BestResultsWindow::onResetClicked() {
    const auto answer = QMessageBox::question(this, tr("Reset"),
                                              tr("Clear all best results? This cannot be undone."),
                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    results_.reset();
    fillTable();
    std::string cause;
    if (!results_.save(&cause)) {
        QMessageBox box(QMessageBox::Warning, tr("ALERT"),
                        tr("The best results could not be saved."), QMessageBox::Ok, this);
        box.setInformativeText(QString::fromStdString(cause));
        box.exec();
    }
}

}  // namespace mosaic
