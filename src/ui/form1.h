#pragma once

#include "engine/game.h"
#include "ui/about.h"
#include "ui/dialog.h"
#include "ui/form2.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <array>
#include <functional>
#include <map>

class QAction;
class QLineEdit;
class QPushButton;

namespace mosaic {

// A piece box of the board: a framed picture that reports clicks by index.
class PieceBoxWidget : public QLabel {
    Q_OBJECT

public:
    PieceBoxWidget(int index, QWidget* parent);
    unsigned pictureSerial = 0;  // the model picture this box shows

signals:
    void clicked(int index);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int index_;
};

// The main window: a view of the game's Form1 model. Every event is handed to
// the game, and afterwards the model is copied onto the widgets.
class Form1 : public QMainWindow, public Platform {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    Game& game() { return game_; }

    // Copies the model onto the widgets, menus and timers.
    void SyncFromGame();

    PieceBoxWidget* pieceBox(int index) const { return pieceBoxes_[index]; }
    QAction* menuItem(const QString& name) const;
    Dialog* viewer() const { return viewer_; }

    // Platform
    MessageAnswer ShowMessage(const std::string& text, const std::string& title, MessageIcon icon,
                              MessageButtons buttons, MessageAnswer defaultButton) override;
    void AnimationStep(int box, int step, int steps) override;
    std::uint32_t ClockSeed() override;
    std::optional<std::string> ShowFileDialog(FileDialogKind kind,
                                              const std::string& filter) override;

protected:
    void closeEvent(QCloseEvent* event) override;  // Form_Unload
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Runs one event handler of the game, then shows its effects.
    template <typename Handler>
    void Handle(Handler handler) {
        handler();
        SyncFromGame();
    }

    void CreateControls();
    void CreateMenus();
    QAction* AddItem(QMenu* menu, const char* name, const QString& caption, const MenuItem& item,
                     std::function<void()> command);
    void SyncControl(QWidget* widget, const Control& control);
    template <typename Widget>
    void SyncCaptioned(Widget* widget, const Control& control);  // text and control
    void SyncPieceBox(int index);
    void SyncTimer(QTimer& timer, const Timer& model);

    // Menu commands of the windows and files.
    void OpenCustom();
    void OpenViewer();
    void OpenAbout();

    Game game_;
    QWidget* client_ = nullptr;
    std::array<PieceBoxWidget*, PieceBoxCount> pieceBoxes_{};
    QLineEdit* text1_ = nullptr;
    QLineEdit* text2_ = nullptr;
    QLineEdit* text3_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* image2_ = nullptr;
    QPushButton* command3_ = nullptr;
    QPushButton* command4_ = nullptr;
    QPushButton* command5_ = nullptr;
    QPushButton* command6_ = nullptr;
    QPushButton* command2_ = nullptr;
    QTimer timer1_, timer2_, timer3_;
    std::vector<std::pair<QAction*, const MenuItem*>> menuItems_;
    std::map<QString, QAction*> actionsByName_;

    QPointer<Dialog> viewer_;
    QPointer<Form2> custom_;
    QPointer<ABOUT> about_;

    // Pacing of the slide under way.
    QElapsedTimer slideClock_;
    qint64 lastPaintNs_ = 0;
};

}  // namespace mosaic
