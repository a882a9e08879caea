#pragma once

// The About window: the program's name, logo, credits and contact lines.

#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Modeless; deleted on closing. Touches nothing of the game.
class ABOUT : public QWidget {
    Q_OBJECT

public:
    explicit ABOUT(QWidget* parent = nullptr);

private:
    void Form_Load();

    QPlainTextEdit* Text6;  // name and web line
    QLabel* Image1;         // logo
    QLineEdit* Text1;       // credits
    QLineEdit* Text2;       // contact
    QLineEdit* Text3;
    QLineEdit* Text4;
    QLineEdit* Text5;
    QPushButton* Command1;  // OK
};
