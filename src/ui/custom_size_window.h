#pragma once

// The Custom window: any grid of 3 to 10 columns by 3 to 10 rows, chosen from
// two lists and dealt with GO.

#include <QPointer>
#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;

namespace mosaic {
class GameSession;
}

// The main window shows this window and then disables itself; the window enables the
// main window again when it closes, by GO or from its title bar. It is a
// top-level window of its own rather than a child of the main window, since a
// child would be disabled together with it; it stays above the main window as
// its transient window. Deleted on closing, so each opening loads it afresh.
class CustomSizeWindow : public QWidget {
    Q_OBJECT

public:
    CustomSizeWindow(mosaic::GameSession& session, QWidget* mainWindow);

signals:
    // GO has dealt a new game at the chosen size.
    void sizeApplied();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void fillLists();
    void onGoClicked();

    mosaic::GameSession& session_;
    QPointer<QWidget> mainWindow_;

    QComboBox* columnsList_;
    QLabel* timesLabel_;  // "X" between the lists
    QComboBox* rowsList_;
    QPushButton* goButton_;
};
