// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window: a view of the game session. Every event is handed to the
// session, and afterwards the session's window model is copied onto the
// widgets, menus and timers.

#include "engine/session.h"
#include "files/best_results.h"
#include "files/table_store.h"
#include "ui/about_window.h"
#include "ui/custom_size_window.h"
#include "ui/picture_viewer.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

namespace mosaic {

class BoardView;

class MainWindow : public QMainWindow, public Platform {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    GameSession& session() { return session_; }
    BoardView* boardView() const { return boardView_; }
    PictureViewer* viewer() const { return viewer_; }

    // Copies the window model onto the widgets, menus and timers.
    void showSession();

    // A file dropped on the window or named on the command line: a saved
    // game (".tsq") is loaded as Load Game loads it, anything else imported
    // as Import Image imports it.
    void openFile(const QString& path);
    // The same for a file named by its bytes, as on the command line.
    void openFile(const std::string& path);
    // A file named on the command line: its board shows at once.
    void openAtStart(const std::string& path);

    // Platform
    MessageAnswer showMessage(const Message& message) override;
    void slideFrame(int step, int steps, int slideMs) override;
    void solveInBackground(const SolverBoard& board, const SolverBoard& goal, int ticket,
                           SolveChannel channel) override;
    std::vector<std::string> gameCompleted(const CompletedGame& game) override;
    void copyText(const std::string& text) override;
    std::int64_t monotonicMs() override;
    std::uint32_t clockSeed() override;
    std::optional<std::string> chooseFile(FileDialogKind kind, const std::string& filter) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Runs one event of the session, then shows its effects.
    void handle(const std::function<void()>& event) {
        event();
        showSession();
    }

    void createControls();
    void createMenus();
    QAction* addAction(QMenu* menu, const char* name, const QString& caption, const MenuItem* item,
                       std::function<void()> command);
    void showControl(QWidget* widget, const Control& control);
    template <typename Widget>
    void showCaptioned(Widget* widget, const Control& control);

    void updateScreenSpace();
    void showOwnWindow(QWidget* window);
    void waitUntilExposed();
    // The bytes that name a file on disk, or nullopt (and the player told)
    // for a name that cannot be turned back into them.
    std::optional<std::string> fileNameBytes(const QString& path);
    // Plays an arrow key; false for any other key.
    bool playArrowKey(const QKeyEvent* event);
    void openCustomSize();
    void openViewer();
    void openAbout();
    void openBestResults();

    GameSession session_;
    BestResults bestResults_;
    QWidget* client_ = nullptr;
    BoardView* boardView_ = nullptr;
    QLineEdit* workingNotice_ = nullptr;
    QLineEdit* moveCounter_ = nullptr;
    QLineEdit* pieceCorrectNotice_ = nullptr;
    QLabel* sizeCaption_ = nullptr;
    QLabel* movesCaption_ = nullptr;
    QLabel* timeCaption_ = nullptr;
    QLineEdit* timeCounter_ = nullptr;
    QLabel* splash_ = nullptr;
    QPushButton* leftButton_ = nullptr;
    QPushButton* rightButton_ = nullptr;
    QPushButton* upButton_ = nullptr;
    QPushButton* downButton_ = nullptr;
    QPushButton* autoButton_ = nullptr;
    QTimer splashTimer_, autoPlayTimer_, noticeTimer_, clockTimer_, replayTimer_;
    QElapsedTimer monotonicClock_;
    // Each action that the model enables or checks, with its model item.
    std::vector<std::pair<QAction*, const MenuItem*>> modelActions_;
    int announcedSerial_ = 0;

    QPointer<PictureViewer> viewer_;
    QPointer<CustomSizeWindow> customSize_;
    QPointer<AboutWindow> about_;

    // Pacing of the slide under way.
    QElapsedTimer slideClock_;
    qint64 lastPaintNs_ = 0;

    // The solver and the workers it runs on, one for play and one for the
    // analysis of a new game, and those told to stop that have not ended
    // yet; the workers go first.
    // Its tables are kept in the user's cache folder, so a fresh process reads them.
    Solver solver_{std::make_shared<FolderTableStore>(FolderTableStore::userCacheFolder())};
    struct StoppedWorker {
        std::jthread thread;
        std::shared_ptr<std::atomic<bool>> done;
    };
    std::vector<StoppedWorker> stoppedWorkers_;
    std::array<std::shared_ptr<std::atomic<bool>>, 2> workerDone_;  // by channel
    std::jthread playWorker_;
    std::jthread analysisWorker_;
};

}  // namespace mosaic
