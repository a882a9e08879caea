// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One game session: the board and its goal, the automatic player, the
// pictures of the pieces and the window model, tied together. The windows
// report what the player does (a click, a key, a menu command, a timer tick)
// and then show the window model; messages, slides and dialogs go through the
// platform.

#include "engine/auto_player.h"
#include "engine/board.h"
#include "engine/daily.h"
#include "engine/deal.h"
#include "engine/goal.h"
#include "engine/move_history.h"
#include "engine/platform.h"
#include "engine/window_model.h"

#include <QImage>

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace mosaic {

// The speeds of the automatic player and of slides, slowest first.
constexpr std::array<int, 4> SpeedSettings = {4, 15, 30, 45};
// A slide by hand is seen over at least four screen frames.
constexpr int MinimumSlideByHandMs = 60;

// How AUTO plays: the classic automatic player, or the solver's shortest
// solution (sliding play only).
enum class AutoPlayMethod { StepByStep, Shortest };

// The board as the solver sees it.
SolverBoard solverBoardOf(const Board& board);

// A piece cut from the source picture: the picture cell at reading position
// `label` of a grid, stretched to `size`. Cell sizes in the picture are
// truncated; a picture too small to cut gives a blank piece.
QImage cutPiece(const QImage& picture, GridSize grid, int label, Size size);

class GameSession {
public:
    GameSession(Platform& platform, QImage defaultPicture, QImage splashPicture);

    // ---- What the windows show --------------------------------------------
    const MainWindowModel& window() const { return window_; }
    const Board& board() const { return board_; }
    const Board& goal() const { return goal_; }
    GoalOrder order() const { return order_; }
    PlayKind playKind() const { return play_; }
    int magnification() const { return magnification_; }
    int moveCount() const { return moveCount_; }
    // The swaps of this game of swap play: the move counter leaves them out.
    int swapCount() const { return swapCount_; }
    int speedSetting() const { return speed_; }
    bool playOpen() const { return gameDealt_ && window_.leftButton.enabled; }
    bool autoPlayPossible() const;
    bool autoPlaying() const { return !manual_; }
    bool gameDealt() const { return gameDealt_; }
    const QImage& splashPicture() const { return splashPicture_; }
    const QImage& sourcePicture() const { return sourcePicture_; }
    const QImage& defaultPicture() const { return defaultPicture_; }
    // The picture the board is cut from: the daily game's is the default.
    const QImage& boardPicture() const { return daily_ ? defaultPicture_ : sourcePicture_; }
    // The picture and place of a piece on the board, as a slide under way
    // moves it; a null picture for a label with no piece.
    const QImage& piecePicture(int label) const;
    Rect piecePlace(int label) const;

    // ---- What the player does -------------------------------------------------
    void clickPiece(int label);
    // The piece next to the empty cell on the far side moves this way into
    // it: Left takes the piece right of the empty cell (the "L" button and the
    // left arrow key).
    void slidePiece(Direction way);
    void toggleAutoPlay();  // AUTO / MANUAL
    void chooseSize(int side);
    void applyCustomSize(GridSize grid);
    void toggleEmptySpace();
    void chooseMagnification(int magnification);
    // X3 and X4 are offered only where the window fits the room the screen
    // leaves for it (its frame taken off); a board that would not fit at
    // the chosen one is shown at the largest that fits, X2 at least.
    void setScreenSpace(Size space);
    // The magnification chosen in an earlier run, for the first board; the
    // window keeps its design size until then.
    void restoreMagnification(int magnification);
    void chooseSpeed(int index);  // 0..3, slowest first
    void chooseOrder(GoalOrder order);
    void undo();
    void redo();
    // In sliding play the first move of the best solution the solver knows;
    // in swap play a swap that puts at least one piece in its place.
    void hint();
    void chooseAutoPlayMethod(AutoPlayMethod method);
    AutoPlayMethod autoPlayMethod() const { return method_; }

    // ---- Replays of a completed game --------------------------------------
    // The game's own moves again from the arrangement it started from, or
    // the solver's solution from there, one move a tick of the replay timer.
    // A replay ends on the completed board with play closed; it never
    // touches the records or the game's move count.
    void replayMyGame();
    void watchShortestSolution();
    void replayTick();
    // Ends a replay at once, on the completed board; nothing without one.
    void stopReplay();
    bool replaying() const { return replay_.has_value(); }

    // ---- Timers -------------------------------------------------------------
    void splashTick();
    // The splash goes at once: a game opened at start shows its board.
    void hideSplash();
    void autoPlayTick();
    void noticeTick();

    // ---- Files ----------------------------------------------------------------
    // A saved game becomes the game in progress and opens play; an unknown
    // order keeps the current one with no Order item checked.
    void openSavedGame(const Board& board, int moveCount, std::optional<GoalOrder> order,
                       PlayKind play);
    // The picture the next board is cut from; a null picture brings back the
    // default one.
    void setSourcePicture(const QImage& picture);

    // The daily game of a date (see engine/daily.h), in the magnification
    // chosen; its completion message offers to copy a line of the result.
    void playDailyGame(const CalendarDate& date);
    std::optional<CalendarDate> dailyDate() const { return daily_; }

    // What the solver found for the ticket it was given.
    void solutionFound(int ticket, const Solution& solution,
                       SolveChannel channel = SolveChannel::Play);

    // The game's time: it starts at the first move, stops at completion and
    // rests while the window is minimised.
    std::int64_t gameTimeMs() const;
    void setMinimised(bool minimised);
    void clockTick();

    void setNumbersShown(bool shown);

    // Swap play by keyboard: the arrow keys move a cursor over the board,
    // and pressing it picks or swaps the piece under it.
    void moveCursor(Direction way);
    void pressCursor();

    // The screen's pixels per logical pixel: pieces are cut at the screen's
    // own resolution.
    void setDevicePixelRatio(double ratio);

    Platform& platform() { return platform_; }

private:
    void rebuild(GridSize grid, bool keepArrangement);
    void resetWindow(GridSize grid, bool keepArrangement);
    void dealOrRecut(bool keepArrangement);
    void buildBoard(bool keepArrangement);
    void cutPieces();
    void showMoveButtons(bool keepArrangement);
    void showSlidingControls();
    void hidePlayControls();
    void disableArrowButtons();
    void enableMenus();
    void setOrderChecks(std::optional<GoalOrder> checked);
    bool fitsScreen(GridSize grid, int magnification) const;
    void fitMagnification(GridSize grid);
    void offerFittingMagnifications();

    void animate(Cell piece, int dxCells, int dyCells);
    // Makes a move with its slide, counts it and keeps it for undo.
    void play(BoardMove move);
    void show(const BoardMove& move, bool backward);
    void announceMove(const BoardMove& move, bool backward);
    // Takes a move of the history back, or makes it again.
    void replay(const BoardMove& move, bool backward);
    void startNewHistory();
    void refreshMoveMenu();
    enum class SolvePurpose { Hint, AutoPlay, Replay };
    void requestSolve(SolvePurpose purpose);
    void cancelSolve();
    bool planReady() const;
    void playPlannedMove();
    void startNewGame();
    void startReplay();
    void playReplayOf(const Solution& solution);
    void refreshReplayMenu();
    bool completeIfSolved();
    void showCompletion();
    void startClock();
    void stopClock();
    void showTime();
    void pickForSwap(Cell cell);
    void showPieceCorrectNotice(Cell cell);
    bool checkSolved();
    void showMoveCount();
    // Tells a screen reader of an event. A paced announcement (a move of the
    // automatic player) is dropped when one came less than a second before.
    void announce(std::string text, std::optional<Cell> cell, bool paced = false);

    struct PieceOffset {
        int label = Board::EmptyCell;
        int dxTwips = 0;
        int dyTwips = 0;
    };

    Platform& platform_;
    DealRandom random_;
    AutoPlayer autoPlayer_;
    MainWindowModel window_;

    Board board_;
    Board goal_;
    GoalOrder order_ = GoalOrder::RowsAscending;
    PlayKind play_ = PlayKind::Sliding;
    int magnification_ = 1;
    int chosenMagnification_ = 1;  // magnification_ is less where it would not fit
    std::optional<Size> screenSpace_;
    int speed_ = SpeedSettings[0];
    int moveCount_ = 0;
    int swapCount_ = 0;
    bool manual_ = true;
    bool gameDealt_ = false;
    std::optional<Cell> swapPick_;  // the first piece picked in swap play
    int splashTicks_ = 0;
    int noticeTicks_ = 0;
    double devicePixelRatio_ = 1.0;
    std::optional<std::int64_t> lastAnnouncementMs_;

    QImage defaultPicture_;
    QImage splashPicture_;
    QImage sourcePicture_;
    std::array<QImage, MaxLabel + 1> pieces_;  // by label; 0 never has one
    std::vector<PieceOffset> slidingPieces_;   // pieces away from their cell mid-slide

    MoveHistory history_;
    AutoPlayMethod method_ = AutoPlayMethod::StepByStep;
    // The solver's work: the ticket of the solve under way, and the solution
    // found with the board it starts from.
    int solveTicket_ = 0;
    bool solving_ = false;
    SolvePurpose solvePurpose_ = SolvePurpose::Hint;
    std::vector<int> plan_;
    std::size_t planNext_ = 0;
    Board planBoard_;

    // The game as the best results see it: who took part, and its clock.
    bool playedAlone_ = true;
    bool loadedGame_ = false;
    bool clockStarted_ = false;
    bool clockRunning_ = false;
    bool minimised_ = false;
    std::int64_t clockSinceMs_ = 0;
    std::int64_t clockBeforeMs_ = 0;
    // The shortest solution of the game as dealt or loaded, where the solver
    // proves it; and a completion message that waits for it.
    int analysisTicket_ = 0;
    bool analysing_ = false;
    std::optional<int> shortestPossible_;
    std::optional<std::string> completionTitle_;

    // The arrangement the game started from, dealt or loaded; and, once it
    // is completed, what a replay needs of it.
    Board startBoard_;
    std::optional<CalendarDate> daily_;
    struct FinishedGame {
        Board end;
        std::vector<BoardMove> moves;
        int moveCount = 0;
    };
    std::optional<FinishedGame> finished_;
    // A replay under way: its moves (none yet while the solver works on
    // them), the next one, and the AUTO button as the completion left it.
    struct Replay {
        std::vector<BoardMove> moves;
        std::size_t next = 0;
        Control autoButton;
    };
    std::optional<Replay> replay_;
};

}  // namespace mosaic
