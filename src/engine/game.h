#pragma once

// The whole game: its state, the main window's controls and menu items as
// data, and the procedures that deal, draw, move, check and solve the puzzle.
// The names are the game's own (Board, GridCols, MovePiece, ...) so that each
// procedure reads side by side with its description; the Qt window is a thin
// view that copies this model onto real widgets after every event.

#include "engine/controls.h"
#include "engine/picture_clip.h"
#include "engine/platform.h"

#include <array>
#include <cstdint>
#include <random>
#include <string>

namespace mosaic {

constexpr int MaxGrid = 10;
constexpr int PieceBoxCount = 101;  // Picture1(0..100); box 0 never shows a piece

using Grid = std::array<std::array<std::string, MaxGrid + 1>, MaxGrid + 1>;  // (column, row)
using LockGrid = std::array<std::array<bool, MaxGrid + 1>, MaxGrid + 1>;

// Fixed texts of the game.
inline const std::string EmptyCell = " ";
inline const std::string NoLabel = "!";  // AvoidLabel when no piece is avoided
inline const std::string SlidingHint = "Click on Puzzle pieces close to Blank Space";
inline const std::string SwapHint = "Click on Puzzle pieces to Swap";
inline const std::string WorkingText = " WORKING!";
inline const std::string PieceCorrectText = "Piece is Correct!";

constexpr int MaxMoveCount = 32767;  // the move counter stops here

class Game {
public:
    explicit Game(Platform& platform);

    // ---- Game state -------------------------------------------------------
    Integer GridCols = 0;
    Integer GridRows = 0;
    Integer CellCount = 0;
    Grid Board{};
    Grid Goal{};
    Integer BlankCol = 0;
    Integer BlankRow = 0;
    bool EmptySpaceMode = false;
    bool ManualMode = false;
    Integer Magnify = 0;
    bool KeepArrangement = false;
    std::string OrderCode;
    Integer SpeedSetting = 0;
    Integer MoveCount = 0;
    Integer BasePieceWidth = 0;
    Integer BasePieceHeight = 0;
    Integer LoopCol = 0;
    Integer LoopRow = 0;
    Integer SplashTicks = 0;
    Integer NoticeTicks = 0;
    bool SwapPending = false;
    bool ViewerOpen = false;
    std::string SearchLabel;
    bool MoveMade = false;
    bool Solved = false;

    // Player moves.
    bool LabelFound = false;
    Integer SwapCol1 = 0, SwapRow1 = 0, SwapCol2 = 0, SwapRow2 = 0;
    Integer SlideCols = 0, SlideRows = 0;

    // Dealing.
    bool ShuffleAccepted = false;
    Integer PairCountBoard = 0, PairCountGoal = 0;
    Integer ParityCol = 0, ParityRow = 0;

    // Automatic player: routing.
    LockGrid Locked{};
    bool IgnoreLocks = false;
    std::string AvoidLabel;
    bool PieceGoesUp = false, PieceGoesDown = false, PieceGoesRight = false, PieceGoesLeft = false;
    bool DetourActive = false;
    Integer PathSteps = 0;
    bool PieceArrived = false;
    Integer SolverMoves = 0;
    // The last push whose route ran in a circle (its walk reached CellCount
    // without a move): the pushed piece, the cell the empty cell had to reach
    // next to it, and what barred that route: the locks in force (none when
    // locks were ignored) and the avoided label. Read by the stuck rule.
    Integer CirclePieceCol = 0, CirclePieceRow = 0;
    Integer CircleNeedCol = 0, CircleNeedRow = 0;
    LockGrid CircleLocked{};
    std::string CircleAvoidLabel;

    // Automatic player: stages.
    bool RowStageStarted = false;
    bool RowStageDone = false;
    bool LastPieceStaged = false;
    bool ShiftBackStarted = false;
    bool LiftPending = false;
    bool InsertPending = false;
    Integer ShiftCol = 0;
    bool PairStageStarted = false;
    bool BottomToTopPending = false, ParkTopPending = false, BottomToTopAgainPending = false;
    bool TopBesidePending = false, TopBesideAgainPending = false, BottomDownPending = false;
    bool TopInPending = false;
    bool ParkUntried = false;
    bool ParkPhaseOpen = false;
    bool CornerLeftPending = false, CornerRightPending = false;
    std::string BottomLabel, TopLabel;
    // The stuck rule. A guard reset that finds the board exactly as the last
    // guard reset left it, with no move since, has put board and solver back
    // where they were: the solver is stuck, and the next tick moves the empty
    // cell one cell toward the circling push's need instead of a solver step.
    // A run of more than four ticks per cell without a move (a board that
    // cannot be solved) switches auto play off.
    struct BoardSnapshot {
        Integer Cols = 0, Rows = 0, Moves = 0;
        std::string Order;
        Grid Cells{};
    };
    bool GuardResetSeen = false;
    BoardSnapshot BoardAtGuardReset;
    bool SolverStuck = false;
    Integer TicksWithoutMove = 0;
    BoardSnapshot BoardAfterLastTick;

    // Saved games and picture import.
    bool GameFileError = false;
    bool DialogCancelled = false;
    std::string GameFileName;
    std::string ImagePath;

    // A board has been dealt or loaded since start-up.
    bool GameDealt = false;

    // ---- Main window Form1 ------------------------------------------------
    // Form1's outer size in twips, menu bar included; 0 until the first board
    // build, while the window keeps its design size.
    Control Form1;
    std::array<PieceBox, PieceBoxCount> Picture1{};
    QImage Picture2;  // the default picture, never changed at run time
    PictureClip PictureClip1;
    Control Text1, Text2, Text3;
    Control Label1, Label2;
    Control Command3, Command4, Command5, Command6;  // "L", "R", "U", "D"
    Control COMMAND2;                                // "AUTO" / "MANUAL"
    Control Image2;                                  // start-up splash
    QImage SplashPicture;
    Timer Timer1, Timer2, Timer3;

    MenuItem ai_file, ai_open, ai_save, ai_load, ai_about, ai_exit;
    MenuItem ai_type, ai_empty, ai_manual;
    MenuItem ai_3x3, ai_4x4, ai_5x5, ai_6x6, ai_7x7, ai_8x8, ai_9x9, ai_10x10;
    MenuItem ai_view;
    MenuItem ai_mag, ai_mag1, ai_mag2;
    MenuItem ai_speed, ai_1, ai_2, ai_3, ai_4;
    MenuItem ai_order, ai_hor, ai_asc1, ai_des1, ai_ver, ai_asc2, ai_des2;

    // The size item "N X N" (N = 3..10).
    MenuItem& SizeMenu(int n);

    // ---- Start-up and menu helpers -----------------------------------------
    void Form_Load(const QImage& defaultPicture, const QImage& splashPicture);
    void CreatePieceBoxes();
    void Timer1_Timer();
    void UncheckSpeedMenus();
    void UncheckOrderMenus();
    void DisableArrowButtons();
    void DisableMoveButtons();
    void DisableOrderMenus();
    void EnableOrderMenus();
    void EnableMenus();

    // ---- Menu commands -----------------------------------------------------
    void ai_NxN_Click(int n);  // ai_3x3_Click .. ai_10x10_Click
    void ai_empty_Click();
    void ai_mag1_Click();
    void ai_mag2_Click();
    void ChooseMagnification(int magnify);
    void ai_speed_Click(int item);  // ai_1_Click .. ai_4_Click (item 1..4)
    void ai_asc1_Click();
    void ai_des1_Click();
    void ai_asc2_Click();
    void ai_des2_Click();
    void ApplyCustomSize(int columnsIndex, int rowsIndex);  // GO of the Custom window
    void RebuildBoard();  // ResetMainWindow, DealBoard, BuildBoard

    // ---- Board construction ------------------------------------------------
    void ResetMainWindow();
    void ClearBoard();
    void BuildBoard();
    void LayoutControls();
    void ShowMoveButtons();
    void ShowSlidingControls();
    void CutPiece(int label);  // the cutting step for one piece
    void SetClipCellSize();    // the cutting step's once-per-pass part
    int WindowWidth() const;
    int WindowHeight() const;

    // ---- Dealing -----------------------------------------------------------
    void DealBoard();
    void DealPass();
    void ParityTest();
    void CountOrderedPairs(Integer& col, Integer& row);
    void HidePlayControls();
    std::string GoalLabel(int col, int row) const;  // by OrderCode and the mode of play
    void BuildGoal();                               // Goal of every cell, as a deal sets it

    // ---- Player moves and completion ---------------------------------------
    void Picture1_Click(Integer index);
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void MoveFromRight();
    void MoveFromLeft();
    void MoveFromBelow();
    void MoveFromAbove();
    // The directions' one form: the piece in this neighbour of the empty cell
    // slides in, then the board is checked.
    void SlideIntoEmptyCell(Integer pieceCol, Integer pieceRow);
    void LocateLabel(Integer& col, Integer& row);
    void MovePiece(Integer& pieceCol, Integer& pieceRow, Integer& blankCol, Integer& blankRow);
    void SlidePiece(Integer& toCol, Integer& toRow, Integer& fromCol, Integer& fromRow);
    void AnimateHorizontal(Integer& col, Integer& row, Integer cells);
    void AnimateVertical(Integer& col, Integer& row, Integer cells);
    void CheckSolved();
    void Timer3_Timer();
    void ShowCompletedMessage();
    bool PlayOpen() const { return Command3.Enabled; }
    // The keyboard's arrow keys stand for the "L", "R", "U" and "D" buttons.
    enum class ArrowKey { Left, Right, Up, Down };
    void ArrowKey_Press(ArrowKey key);

    // ---- Automatic player: state and reset ---------------------------------
    void ResetSolver();
    void ResetRowStageFlags();
    void ResetPairStageFlags();
    void ClearLocks();

    // ---- Automatic player: routing -----------------------------------------
    void PushPieceStep(Integer& pieceCol, Integer& pieceRow, Integer& tgtCol, Integer& tgtRow,
                       Integer& blankCol, Integer& blankRow);
    void ChooseStep(Integer& curCol, Integer& curRow, Integer& tgtCol, Integer& tgtRow,
                    Integer& pieceCol, Integer& pieceRow, Integer& dx, Integer& dy);
    void AdvanceCursor(Integer& curCol, Integer& curRow, Integer& tgtCol, Integer& tgtRow,
                       Integer& pieceCol, Integer& pieceRow, Integer& dx, Integer& dy);
    void SetPieceDirection(Integer dx, Integer dy);
    void ClearPieceDirection();
    void LocateGoalPiece(Integer& col, Integer& row, Integer goalCol, Integer goalRow);
    void RecordCirclingPush(Integer pieceCol, Integer pieceRow, Integer needCol, Integer needRow);

    // ---- Automatic player: stages and control ------------------------------
    void AutoPlayStep();
    void SolveRowsStep(Integer& blankCol, Integer& blankRow);
    void SolveLastTwoRowsStep(Integer& blankCol, Integer& blankRow);
    void FinalSlide(Integer& blankCol, Integer& blankRow);
    // SolverMoves < 2 x CellCount and PathSteps < CellCount.
    bool SolverBoundsHold() const;
    // ResetSolver run by a guard (a bound reached exactly), with the stuck test.
    void GuardResetSolver();
    // The stuck rule's move: the empty cell one cell along a shortest route to
    // the circling push's need.
    void MoveBlankTowardCircleNeed();
    BoardSnapshot TakeBoardSnapshot() const;
    bool BoardMatches(const BoardSnapshot& snapshot) const;
    void COMMAND2_Click();
    void LockControlsForAutoPlay();
    void Timer2_Timer();
    // The automatic player is defined for grids of at least 3 x 3.
    bool AutoPlayPossible() const { return GridCols >= 3 && GridRows >= 3; }

    // The move counter's text in Text2.
    void ShowMoveCount();

    Platform& platform() { return platform_; }

private:
    float NextRandom();  // uniform on [0, 1), single precision

    Platform& platform_;
    std::mt19937 random_;
    Integer cutWidth_ = 0;  // cell size in the source picture, set once per dealing pass
    Integer cutHeight_ = 0;
    std::uint32_t passCount_ = 0;  // mixed into every reseed, so two passes never repeat
};

// True when text is a label: decimal digits without sign or space.
bool IsNumericLabel(const std::string& text);

}  // namespace mosaic
