// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Best Results window: every grid, kind of play and order the player has
// completed, with the fewest moves and the shortest time, a line for the
// daily games, and a Reset that clears them all after asking.

#include <QDialog>

#include <cstdint>

class QLabel;
class QPushButton;
class QTableWidget;

namespace mosaic {

class BestResults;

// A play time as m:ss, or h:mm:ss from an hour on; parts of a second are
// dropped, as a clock shows them.
QString playTimeText(std::int64_t ms);

// A dialog of its parent. Reset writes the cleared results at once; Close
// and Escape leave them as they are.
class BestResultsWindow : public QDialog {
    Q_OBJECT

public:
    BestResultsWindow(BestResults& results, QWidget* parent);

private:
    void fillTable();
    void onResetClicked();

    BestResults& results_;

    QTableWidget* resultsTable_;
    QLabel* dailyLine_;
    QPushButton* resetButton_;
    QPushButton* closeButton_;
};

}  // namespace mosaic
