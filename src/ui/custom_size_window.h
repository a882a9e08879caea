// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Custom window: any grid of 3 to 10 columns by 3 to 10 rows, chosen from
// two lists and dealt with GO.

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

namespace mosaic {
class GameSession;
}

// A window of the main window's own, modal to it: while it is open the main
// window takes no input, and a window manager keeps it above the main window.
// It closes by GO (or Return), Escape or from its title bar. Deleted on closing, so each opening
// loads it afresh.
class CustomSizeWindow : public QDialog {
    Q_OBJECT

public:
    CustomSizeWindow(mosaic::GameSession& session, QWidget* mainWindow);

signals:
    // GO has dealt a new game at the chosen size.
    void sizeApplied();

protected:
private:
    void fillLists();
    void onGoClicked();

    mosaic::GameSession& session_;

    QComboBox* columnsList_;
    QLabel* timesLabel_;  // "X" between the lists
    QComboBox* rowsList_;
    QPushButton* goButton_;
};
