#pragma once

// The Custom window: any grid of 3 to 10 columns by 3 to 10 rows, chosen from
// two lists and dealt with GO.

#include <QPointer>
#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;

namespace mosaic {
class Game;
}

// Form1 shows this window and then disables itself; the window enables the
// main window again when it closes, by GO or from its title bar. It is a
// top-level window of its own rather than a child of the main window, since a
// child would be disabled together with it; it stays above the main window as
// its transient window. Deleted on closing, so each opening loads it afresh.
class Form2 : public QWidget {
    Q_OBJECT

public:
    Form2(mosaic::Game& game, QWidget* mainWindow);

signals:
    // GO has dealt a new game at the chosen size.
    void sizeApplied();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Command1_Click();

    mosaic::Game& m_game;
    QPointer<QWidget> m_mainWindow;

    QComboBox* Combo1;  // columns
    QLabel* Label1;
    QComboBox* Combo2;  // rows
    QPushButton* Command1;
};
