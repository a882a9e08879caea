// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/custom_size_window.h"

#include "engine/session.h"
#include "engine/window_model.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include <tuple>

namespace {

using mosaic::twipsToPixels;

void setPlace(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                        twipsToPixels(height));
}

// A drop-down list keeps the height its style gives it.
void setListPlace(QComboBox* list, int left, int top, int width) {
    list->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                      list->sizeHint().height());
}

constexpr int SmallestSize = 3;
constexpr int LargestSize = 10;

}  // namespace

CustomSizeWindow::CustomSizeWindow(mosaic::GameSession& session, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint),
      session_(session) {
    setWindowModality(Qt::WindowModal);
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("customSizeWindow"));
    setWindowTitle(tr("Custom"));
    setFixedSize(twipsToPixels(3810), twipsToPixels(1305));

    columnsList_ = new QComboBox(this);
    columnsList_->setObjectName(QStringLiteral("columnsList"));
    setListPlace(columnsList_, 720, 360, 855);

    timesLabel_ = new QLabel(tr("X", "columns X rows"), this);
    timesLabel_->setObjectName(QStringLiteral("timesLabel"));
    timesLabel_->setAlignment(Qt::AlignCenter);
    setPlace(timesLabel_, 1800, 360, 255, 375);

    rowsList_ = new QComboBox(this);
    rowsList_->setObjectName(QStringLiteral("rowsList"));
    setListPlace(rowsList_, 2280, 360, 855);

    // Each list's caption above it, with an access key; screen readers read
    // it as the list's label.
    const std::tuple<QComboBox*, const char*, QString, int> captions[] = {
        {columnsList_, "columnsCaption", tr("&Columns"), 720},
        {rowsList_, "rowsCaption", tr("&Rows"), 2280}};
    for (const auto& [list, name, text, left] : captions) {
        auto* caption = new QLabel(text, this);
        caption->setObjectName(QString::fromLatin1(name));
        caption->setBuddy(list);
        setPlace(caption, left, 30, 1035, 315);
    }

    goButton_ = new QPushButton(tr("&GO"), this);
    goButton_->setObjectName(QStringLiteral("goButton"));
    goButton_->setDefault(true);  // Return deals, wherever the focus is
    QFont buttonFont = goButton_->font();
    buttonFont.setPointSizeF(9.75);
    buttonFont.setBold(true);
    goButton_->setFont(buttonFont);
    setPlace(goButton_, 1680, 840, 495, 375);
    connect(goButton_, &QPushButton::clicked, this, &CustomSizeWindow::onGoClicked);

    fillLists();
}

void CustomSizeWindow::fillLists() {
    // Both lists start at the smallest size, whatever the grid is now.
    columnsList_->clear();
    rowsList_->clear();
    for (int n = SmallestSize; n <= LargestSize; ++n)
        columnsList_->addItem(QString::number(n));
    for (int n = SmallestSize; n <= LargestSize; ++n)
        rowsList_->addItem(QString::number(n));
    columnsList_->setCurrentIndex(0);
    rowsList_->setCurrentIndex(0);
}

void CustomSizeWindow::onGoClicked() {
    session_.applyCustomSize(
        {columnsList_->currentIndex() + SmallestSize, rowsList_->currentIndex() + SmallestSize});
    emit sizeApplied();
    close();
}
