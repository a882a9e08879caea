// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The picture viewer: the whole source picture, stretched to one fixed box.

#include <QDialog>

class QLabel;

namespace mosaic {

class GameSession;

// Modeless; deleted on closing. Enter and Escape close it.
class PictureViewer : public QDialog {
    Q_OBJECT

public:
    explicit PictureViewer(const GameSession& session, QWidget* parent = nullptr);

    // Shows the whole source picture, stretched to the picture box on each
    // axis by itself. The picture stays until the next fill, whatever
    // happens to the source picture meanwhile.
    void fillPicture();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Returns whether the key closed the window.
    bool closeOnKey(const QKeyEvent* event);

    const GameSession& session_;
    QLabel* pictureBox_;
};

}  // namespace mosaic
