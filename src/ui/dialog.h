#pragma once

// The image viewer: the whole source picture, stretched to one fixed box.

#include <QWidget>

class QLabel;

namespace mosaic {
class Game;
}

// Modeless; deleted on closing. Game::ViewerOpen is true from the window's
// creation until it closes (or is deleted unclosed), so the main window knows
// whether to refill the open viewer or to create a new one. The game must
// outlive the window until it is closed.
class Dialog : public QWidget {
    Q_OBJECT

public:
    explicit Dialog(mosaic::Game& game, QWidget* parent = nullptr);
    ~Dialog() override;

    // Shows the whole source picture, stretched to the picture box on each
    // axis by itself. The picture stays until the next fill, whatever
    // happens to the source picture meanwhile.
    void FillPicture();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Enter and Esc close the window; returns whether the key was one of them.
    bool Form_KeyPress(const QKeyEvent* event);

    mosaic::Game& m_game;
    bool m_closed = false;
    QLabel* Picture1;
};
