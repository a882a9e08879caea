// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The About window: the program's name, logo, credits and contact lines.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Modeless; deleted on closing. Touches nothing of the game.
class AboutWindow : public QDialog {
    Q_OBJECT

public:
    explicit AboutWindow(QWidget* parent = nullptr);

private:
    // Completes the contact line and widens the lines that need it.
    void finishTexts();

    QPlainTextEdit* nameText_;  // the program's name over its web line
    QLabel* logo_;
    QLineEdit* creditsLine_;
    QLineEdit* contactLine_;
    QPushButton* okButton_;
};
