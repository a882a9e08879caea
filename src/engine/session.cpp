// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/session.h"

#include "engine/texts.h"

#include <QColor>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace mosaic {

QImage cutPiece(const QImage& picture, GridSize grid, int label, Size size) {
    if (size.width <= 0 || size.height <= 0 || grid.columns <= 0 || grid.rows <= 0)
        return {};
    const int cellWidth = picture.width() / grid.columns;
    const int cellHeight = picture.height() / grid.rows;
    const int x = ((label - 1) % grid.columns) * cellWidth;
    const int y = ((label - 1) / grid.columns) * cellHeight;
    const QImage clip =
        cellWidth > 0 && cellHeight > 0 ? picture.copy(x, y, cellWidth, cellHeight) : QImage();
    if (clip.isNull()) {
        QImage blank(size.width, size.height, QImage::Format_ARGB32_Premultiplied);
        blank.fill(Qt::transparent);
        return blank;
    }
    return clip.scaled(size.width, size.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

SolverBoard solverBoardOf(const Board& board) {
    SolverBoard cells{board.columns(), board.rows(), {}};
    for (int row = 1; row <= board.rows(); ++row)
        for (int column = 1; column <= board.columns(); ++column)
            cells.cells.push_back(board.label({column, row}));
    return cells;
}

GameSession::GameSession(Platform& platform, QImage defaultPicture, QImage splashPicture)
    : platform_(platform),
      random_([&platform] { return platform.clockSeed(); }),
      window_(designWindowModel()),
      board_(GridSize{3, 3}),
      goal_(GridSize{3, 3}),
      defaultPicture_(std::move(defaultPicture)),
      splashPicture_(std::move(splashPicture)),
      sourcePicture_(defaultPicture_) {
    refreshMoveMenu();  // nothing to undo or hint before the first game
}

bool GameSession::autoPlayPossible() const {
    // The automatic player is made for grids of at least 3 x 3.
    return board_.columns() >= 3 && board_.rows() >= 3;
}

const QImage& GameSession::piecePicture(int label) const {
    static const QImage none;
    return label >= 1 && label <= MaxLabel ? pieces_[static_cast<std::size_t>(label)] : none;
}

Rect GameSession::piecePlace(int label) const {
    int dx = 0;
    int dy = 0;
    for (const PieceOffset& offset : slidingPieces_)
        if (offset.label == label) {
            dx = offset.dxTwips;
            dy = offset.dyTwips;
        }
    const Cell cell = board_.find(label).value_or(Cell{});
    return pieceBoxMoved(cell, magnification_, dx, dy);
}

// ---- Building a board ----------------------------------------------------------

void GameSession::rebuild(GridSize grid, bool keepArrangement) {
    resetWindow(grid, keepArrangement);
    dealOrRecut(keepArrangement);
    buildBoard(keepArrangement);
}

void GameSession::resetWindow(GridSize grid, bool keepArrangement) {
    stopReplay();
    // In swap play the hidden "L" button still opens play for board clicks.
    if (play_ == PlayKind::Swap && !keepArrangement)
        window_.leftButton.enabled = true;
    window_.boardShown = false;
    // What was said of the last board is not said of this one.
    window_.announcement.text.clear();
    window_.announcement.cell.reset();
    window_.pieceToolTip = play_ == PlayKind::Sliding ? texts::slidingHint() : texts::swapHint();
    if (!keepArrangement) {
        board_ = Board(grid);
        moveCount_ = 0;
    }
    window_.autoButton.visible = false;
    window_.autoButton.caption = texts::autoCaption();
    manual_ = true;
    fitMagnification(grid);
    window_.windowSize = mainWindowSize(grid, magnification_);
}

void GameSession::dealOrRecut(bool keepArrangement) {
    window_.sizeCaption.visible = false;
    hidePlayControls();
    if (!keepArrangement) {
        goal_ = goalBoard(order_, play_, board_.size());
        board_ = dealBoard(goal_, play_, random_);
        // A pick left over from the last game may lie outside the new grid.
        swapPick_.reset();
        gameDealt_ = true;
        startNewGame();
    }
    cutPieces();
}

void GameSession::cutPieces() {
    pieces_ = {};
    // At the screen's own pixels, so that a high-density screen shows them sharp.
    const Size logical = piecePictureSize(magnification_);
    const Size size{static_cast<int>(logical.width * devicePixelRatio_ + 0.5),
                    static_cast<int>(logical.height * devicePixelRatio_ + 0.5)};
    for (int row = 1; row <= board_.rows(); ++row)
        for (int column = 1; column <= board_.columns(); ++column)
            if (const int label = board_.label({column, row}); label != Board::EmptyCell) {
                QImage piece = cutPiece(boardPicture(), board_.size(), label, size);
                piece.setDevicePixelRatio(devicePixelRatio_);
                pieces_[static_cast<std::size_t>(label)] = piece;
            }
}

void GameSession::setDevicePixelRatio(double ratio) {
    if (ratio <= 0 || ratio == devicePixelRatio_)
        return;
    devicePixelRatio_ = ratio;
    if (gameDealt_)
        cutPieces();
}

void GameSession::moveCursor(Direction way) {
    if (play_ != PlayKind::Swap || !playOpen())
        return;
    const Cell from = window_.cursor.value_or(Cell{1, 1});
    const Cell to = neighbour(from, way);
    window_.cursor = board_.contains(to) ? to : from;
    announce(texts::pieceAt(board_.label(*window_.cursor), *window_.cursor), window_.cursor);
}

void GameSession::pressCursor() {
    if (play_ != PlayKind::Swap || !playOpen() || !window_.cursor)
        return;
    clickPiece(board_.label(*window_.cursor));
}

void GameSession::announce(std::string text, std::optional<Cell> cell, bool paced) {
    const std::int64_t now = platform_.monotonicMs();
    if (paced && lastAnnouncementMs_ && now - *lastAnnouncementMs_ < 1000)
        return;
    lastAnnouncementMs_ = now;
    window_.announcement.text = std::move(text);
    window_.announcement.cell = cell;
    ++window_.announcement.serial;
}

void GameSession::buildBoard(bool keepArrangement) {
    window_.menus.saveGame.enabled = true;
    showMoveCount();
    autoPlayer_.reset();

    const ControlPlaces places = controlPlaces(board_.size(), magnification_);
    window_.autoButton.place = places.autoButton;
    window_.leftButton.place = places.leftButton;
    window_.rightButton.place = places.rightButton;
    window_.upButton.place = places.upButton;
    window_.downButton.place = places.downButton;
    window_.sizeCaption.place = places.sizeCaption;
    window_.movesCaption.place = places.movesCaption;
    window_.moveCounter.place = places.moveCounter;
    window_.timeCaption.place = places.timeCaption;
    window_.timeCounter.place = places.timeCounter;
    window_.timeCaption.visible = true;
    window_.timeCounter.visible = true;
    window_.sizeCaption.caption = texts::gridSize(board_.columns(), board_.rows());

    showMoveButtons(keepArrangement);
    enableMenus();
    window_.boardShown = true;
    if (play_ == PlayKind::Sliding)
        showSlidingControls();
    refreshMoveMenu();
}

void GameSession::showMoveButtons(bool keepArrangement) {
    // A kept arrangement keeps play as open or closed as it was.
    if (play_ != PlayKind::Sliding || keepArrangement)
        return;
    for (Control* button :
         {&window_.leftButton, &window_.rightButton, &window_.upButton, &window_.downButton}) {
        button->enabled = true;
        button->visible = true;
    }
    if (autoPlayPossible()) {
        window_.autoButton.enabled = true;
        window_.autoButton.visible = true;
    }
}

void GameSession::showSlidingControls() {
    window_.sizeCaption.visible = true;
    if (autoPlayPossible())
        window_.autoButton.visible = true;
    for (Control* control : {&window_.leftButton, &window_.rightButton, &window_.upButton,
                             &window_.downButton, &window_.movesCaption, &window_.moveCounter})
        control->visible = true;
}

void GameSession::hidePlayControls() {
    for (Control* control :
         {&window_.autoButton, &window_.leftButton, &window_.rightButton, &window_.upButton,
          &window_.downButton, &window_.movesCaption, &window_.moveCounter})
        control->visible = false;
}

void GameSession::disableArrowButtons() {
    for (Control* button :
         {&window_.leftButton, &window_.rightButton, &window_.upButton, &window_.downButton})
        button->enabled = false;
}

namespace {

std::vector<MenuItem*> menusClosedDuringAutoPlay(MainMenus& menus) {
    std::vector<MenuItem*> items = {
        &menus.emptySpace,       &menus.viewImage,        &menus.magnify1,
        &menus.magnify2,         &menus.magnify3,         &menus.magnify4,
        &menus.loadGame,         &menus.about,            &menus.dailyGame,
        &menus.customSize,       &menus.rowsAscending,    &menus.rowsDescending,
        &menus.columnsAscending, &menus.columnsDescending};
    for (MenuItem& item : menus.speeds)
        items.push_back(&item);
    for (MenuItem& item : menus.sizes)
        items.push_back(&item);
    return items;
}

}  // namespace

void GameSession::enableMenus() {
    // Save Game is not among them: it opens with a board.
    for (MenuItem* item : menusClosedDuringAutoPlay(window_.menus))
        item->enabled = true;
    offerFittingMagnifications();
}

void GameSession::setOrderChecks(std::optional<GoalOrder> checked) {
    MainMenus& menus = window_.menus;
    menus.rowsAscending.checked = checked == GoalOrder::RowsAscending;
    menus.rowsDescending.checked = checked == GoalOrder::RowsDescending;
    menus.columnsAscending.checked = checked == GoalOrder::ColumnsAscending;
    menus.columnsDescending.checked = checked == GoalOrder::ColumnsDescending;
}

// ---- Menu commands ---------------------------------------------------------------

void GameSession::chooseSize(int side) {
    rebuild({side, side}, false);
}

void GameSession::applyCustomSize(GridSize grid) {
    rebuild(grid, false);
}

void GameSession::toggleEmptySpace() {
    if (window_.menus.emptySpace.checked) {
        window_.menus.emptySpace.checked = false;
        play_ = PlayKind::Swap;
        hidePlayControls();
        rebuild(board_.size(), false);
    } else {
        play_ = PlayKind::Sliding;
        rebuild(board_.size(), false);
        window_.menus.emptySpace.checked = true;
    }
}

void GameSession::chooseMagnification(int magnification) {
    chosenMagnification_ = magnification;
    fitMagnification(board_.size());
    // Before the first game there is nothing to redraw: only the window is
    // sized.
    if (gameDealt_)
        rebuild(board_.size(), true);
    else
        resetWindow(board_.size(), true);
}

bool GameSession::fitsScreen(GridSize grid, int magnification) const {
    const Size size = mainWindowSize(grid, magnification);
    return !screenSpace_ ||
           (size.width <= screenSpace_->width && size.height <= screenSpace_->height);
}

void GameSession::fitMagnification(GridSize grid) {
    magnification_ = std::clamp(chosenMagnification_, 1, MaxMagnification);
    while (magnification_ > 2 && !fitsScreen(grid, magnification_))
        --magnification_;
    MainMenus& menus = window_.menus;
    menus.magnify1.checked = magnification_ == 1;
    menus.magnify2.checked = magnification_ == 2;
    menus.magnify3.checked = magnification_ == 3;
    menus.magnify4.checked = magnification_ == 4;
}

void GameSession::offerFittingMagnifications() {
    window_.menus.magnify3.enabled = fitsScreen(board_.size(), 3);
    window_.menus.magnify4.enabled = fitsScreen(board_.size(), 4);
}

void GameSession::setScreenSpace(Size space) {
    if (screenSpace_ == space)
        return;
    screenSpace_ = space;
    // Only while the menus are open to the player, not during auto play.
    if (window_.menus.magnify1.enabled)
        offerFittingMagnifications();
}

void GameSession::restoreMagnification(int magnification) {
    chosenMagnification_ = magnification;
    fitMagnification(board_.size());
}

void GameSession::chooseSpeed(int index) {
    speed_ = SpeedSettings[static_cast<std::size_t>(index)];
    for (std::size_t i = 0; i < window_.menus.speeds.size(); ++i)
        window_.menus.speeds[i].checked = static_cast<int>(i) == index;
}

void GameSession::chooseOrder(GoalOrder order) {
    // The new order takes effect with the next deal; this game's play closes.
    order_ = order;
    window_.autoButton.enabled = false;
    disableArrowButtons();
    setOrderChecks(order);
    window_.menus.saveGame.enabled = false;
    startNewHistory();
    // The game can no longer be completed: its time stops with its play.
    if (clockRunning_)
        stopClock();
    refreshMoveMenu();
}

void GameSession::toggleAutoPlay() {
    // MANUAL ends a replay.
    if (replay_) {
        stopReplay();
        return;
    }
    // Only while the button is there to press: a hidden or closed AUTO
    // reached through a screen reader does nothing.
    if (!window_.autoButton.visible || !window_.autoButton.enabled)
        return;
    const int interval = static_cast<int>(std::lround(360.0 / speed_));
    if (manual_) {
        disableArrowButtons();
        for (MenuItem* item : menusClosedDuringAutoPlay(window_.menus))
            item->enabled = false;
        window_.menus.saveGame.enabled = false;
        manual_ = false;
        playedAlone_ = false;
        window_.autoPlayTimer = {true, interval};
        window_.autoButton.caption = texts::manualCaption();
        if (method_ == AutoPlayMethod::Shortest && !planReady())
            requestSolve(SolvePurpose::AutoPlay);
        announce(texts::autoPlayOn(), board_.emptyCell());
    } else {
        cancelSolve();
        manual_ = true;
        window_.autoPlayTimer.running = false;
        window_.autoButton.caption = texts::autoCaption();
        window_.menus.saveGame.enabled = true;
        showMoveButtons(false);
        enableMenus();
        announce(texts::autoPlayOff(), board_.emptyCell());
    }
    refreshMoveMenu();
}

// ---- Files ---------------------------------------------------------------------

void GameSession::openSavedGame(const Board& board, int moveCount, std::optional<GoalOrder> order,
                                PlayKind play) {
    resetWindow(board.size(), false);
    moveCount_ = moveCount;
    board_ = board;
    setOrderChecks(order);
    if (order)
        order_ = *order;
    play_ = play;
    window_.menus.emptySpace.checked = play == PlayKind::Sliding;
    goal_ = goalBoard(order_, play_, board_.size());
    startNewGame();
    loadedGame_ = true;  // its time before it was saved is not known
    chosenMagnification_ = magnification_ = 1;
    window_.menus.magnify1.checked = true;
    window_.menus.magnify2.checked = false;
    rebuild(board_.size(), true);
    // The loaded game is the player's to play, even when the game before it
    // was completed or its order changed, which had closed play; and a pick
    // left from that game's swap play may lie outside the new grid.
    swapPick_.reset();
    gameDealt_ = true;
    buildBoard(false);
    if (play_ == PlayKind::Swap)
        window_.leftButton.enabled = true;
}

void GameSession::playDailyGame(const CalendarDate& date) {
    // Sliding play, rows ascending, as a loaded game brings its own; the
    // magnification stays.
    play_ = PlayKind::Sliding;
    window_.menus.emptySpace.checked = true;
    order_ = GoalOrder::RowsAscending;
    setOrderChecks(order_);
    resetWindow({4, 4}, false);
    board_ = dailyBoard(date);
    goal_ = goalBoard(order_, play_, board_.size());
    swapPick_.reset();
    gameDealt_ = true;
    startNewGame();
    daily_ = date;
    rebuild(board_.size(), true);
    buildBoard(false);
}

void GameSession::setSourcePicture(const QImage& picture) {
    sourcePicture_ = picture.isNull() ? defaultPicture_ : picture;
}

// ---- Timers --------------------------------------------------------------------

void GameSession::splashTick() {
    ++splashTicks_;
    if (splashTicks_ == 4) {
        window_.splashTimer.running = false;
        window_.splash.visible = false;
    }
}

void GameSession::hideSplash() {
    window_.splashTimer.running = false;
    window_.splash.visible = false;
}

void GameSession::noticeTick() {
    ++noticeTicks_;
    if (noticeTicks_ > 2) {
        window_.pieceCorrectNotice.visible = false;
        noticeTicks_ = 0;
        window_.noticeTimer.running = false;
    }
}

void GameSession::autoPlayTick() {
    if (manual_ || !autoPlayPossible())
        return;
    if (method_ == AutoPlayMethod::Shortest) {
        // The next move of the solution for the board as it stands; a board
        // the solution does not start from is solved again.
        if (planReady()) {
            playPlannedMove();
            completeIfSolved();
        } else if (!solving_) {
            requestSolve(SolvePurpose::AutoPlay);
        }
        refreshMoveMenu();
        return;
    }
    Board next = board_;
    const AutoPlayer::StepResult result = autoPlayer_.step(next, goal_, moveCount_);
    if (result.slide)
        play({BoardMove::Kind::Slide, result.slide->from, result.slide->to, true});
    if (completeIfSolved()) {
        refreshMoveMenu();
        return;
    }
    if (result.givesUp)
        toggleAutoPlay();
}

// ---- Player moves --------------------------------------------------------------

void GameSession::clickPiece(int label) {
    const std::optional<Cell> found = board_.find(label);
    if (!playOpen() || !found || label == Board::EmptyCell)
        return;
    cancelSolve();
    const Cell cell = *found;
    if (play_ == PlayKind::Swap) {
        pickForSwap(cell);
        refreshMoveMenu();
        return;
    }
    // A piece in the empty cell's row or column: the piece next to the empty
    // cell on that side moves.
    const Cell empty = board_.emptyCell();
    if (cell.column > empty.column && cell.row == empty.row)
        slidePiece(Direction::Left);
    else if (cell.column < empty.column && cell.row == empty.row)
        slidePiece(Direction::Right);
    else if (cell.row > empty.row && cell.column == empty.column)
        slidePiece(Direction::Up);
    else if (cell.row < empty.row && cell.column == empty.column)
        slidePiece(Direction::Down);
}

void GameSession::slidePiece(Direction way) {
    if (play_ != PlayKind::Sliding || !playOpen())
        return;
    autoPlayer_.reset();
    const Direction from = way == Direction::Left    ? Direction::Right
                           : way == Direction::Right ? Direction::Left
                           : way == Direction::Up    ? Direction::Down
                                                     : Direction::Up;
    const Cell empty = board_.emptyCell();
    const Cell piece = neighbour(empty, from);
    if (!board_.contains(piece))
        return;
    cancelSolve();
    play({BoardMove::Kind::Slide, piece, empty, true});
    completeIfSolved();
    refreshMoveMenu();
}

void GameSession::pickForSwap(Cell cell) {
    const bool inPlace = goal_.label(cell) == board_.label(cell);
    if (!swapPick_) {
        // Only a misplaced piece can be picked.
        if (inPlace) {
            showPieceCorrectNotice(cell);
        } else {
            swapPick_ = cell;
            announce(texts::piecePicked(board_.label(cell)), cell);
        }
        return;
    }
    const Cell first = *swapPick_;
    swapPick_.reset();
    if (inPlace) {
        showPieceCorrectNotice(cell);
        return;
    }
    autoPlayer_.reset();
    play({BoardMove::Kind::Swap, first, cell, false});  // swaps are not counted
    completeIfSolved();
    refreshMoveMenu();
}

void GameSession::showPieceCorrectNotice(Cell cell) {
    announce(texts::pieceCorrect(), cell);
    window_.pieceCorrectNotice.visible = true;
    window_.noticeTimer.running = true;
}

void GameSession::animate(Cell piece, int dxCells, int dyCells) {
    // A slide goes along one axis: across when the columns differ, else up or
    // down. The board keeps the piece in its cell until the slide is made.
    const int label = board_.label(piece);
    if (label == Board::EmptyCell)
        return;
    auto offset = std::find_if(slidingPieces_.begin(), slidingPieces_.end(),
                               [label](const PieceOffset& o) { return o.label == label; });
    if (offset == slidingPieces_.end())
        offset = slidingPieces_.insert(slidingPieces_.end(), PieceOffset{label, 0, 0});
    const int steps = slideSteps(speed_, magnification_);
    const int stepTwips = slideStepTwips(speed_);
    // The automatic player keeps its pace of a step a millisecond; a slide by
    // hand lasts at least four screen frames, longer at slower speeds.
    const int slideMs = manual_ ? MinimumSlideByHandMs + steps : steps;
    for (int step = 1; step <= steps; ++step) {
        if (dxCells != 0 || dyCells == 0)
            offset->dxTwips += dxCells * stepTwips;
        else
            offset->dyTwips += dyCells * stepTwips;
        platform_.slideFrame(step, steps, slideMs);
    }
}

void GameSession::show(const BoardMove& move, bool backward) {
    if (move.kind == BoardMove::Kind::Slide) {
        const Cell from = backward ? move.second : move.first;
        const Cell to = backward ? move.first : move.second;
        animate(from, to.column - from.column, to.row - from.row);
        return;
    }
    // Each piece of a swap goes across, then up or down, to the other's cell.
    const int dx = move.second.column - move.first.column;
    const int dy = move.second.row - move.first.row;
    animate(move.first, dx, 0);
    animate(move.second, -dx, 0);
    animate(move.first, 0, dy);
    animate(move.second, 0, -dy);
}

void GameSession::announceMove(const BoardMove& move, bool backward) {
    // Said before the board changes, of the cell the piece goes to. The
    // automatic player's moves are told at most once a second.
    if (move.kind == BoardMove::Kind::Swap) {
        announce(texts::piecesSwapped(board_.label(move.first), board_.label(move.second)),
                 move.second);
        return;
    }
    const Cell from = backward ? move.second : move.first;
    const Cell to = backward ? move.first : move.second;
    announce(texts::pieceMoved(board_.label(from), to), to, !manual_);
}

void GameSession::play(BoardMove move) {
    show(move, false);
    announceMove(move, false);
    if (move.kind == BoardMove::Kind::Slide)
        board_.slide(move.first, move.second);
    else
        board_.swap(move.first, move.second);
    slidingPieces_.clear();
    if (!clockStarted_)
        startClock();  // the game's time starts at its first move
    move.counted = move.counted && moveCount_ < MaxMoveCount;
    if (move.counted)
        ++moveCount_;
    if (move.kind == BoardMove::Kind::Swap)
        ++swapCount_;
    showMoveCount();
    history_.record(move);
}

// ---- Undo, redo and hints --------------------------------------------------------

void GameSession::startNewHistory() {
    history_.clear();
    cancelSolve();
    plan_.clear();
}

void GameSession::undo() {
    if (!manual_ || !playOpen() || !history_.canUndo())
        return;
    playedAlone_ = false;
    replay(history_.undo(), true);
    refreshMoveMenu();
}

void GameSession::redo() {
    if (!manual_ || !playOpen() || !history_.canRedo())
        return;
    replay(history_.redo(), false);
    completeIfSolved();
    refreshMoveMenu();
}

void GameSession::replay(const BoardMove& move, bool backward) {
    cancelSolve();
    autoPlayer_.reset();
    swapPick_.reset();
    show(move, backward);
    announceMove(move, backward);
    if (move.kind == BoardMove::Kind::Swap)
        board_.swap(move.first, move.second);
    else if (backward)
        board_.slide(move.second, move.first);
    else
        board_.slide(move.first, move.second);
    slidingPieces_.clear();
    if (move.counted)
        moveCount_ += backward ? -1 : 1;
    if (move.kind == BoardMove::Kind::Swap)
        swapCount_ += backward ? -1 : 1;
    showMoveCount();
}

void GameSession::hint() {
    if (!manual_ || !playOpen() || solving_)
        return;
    playedAlone_ = false;
    autoPlayer_.reset();
    swapPick_.reset();
    if (play_ == PlayKind::Swap) {
        // The first misplaced cell gets its own piece: one swap fewer to go,
        // so hints keep to the fewest swaps possible.
        for (int row = 1; row <= board_.rows(); ++row)
            for (int column = 1; column <= board_.columns(); ++column) {
                const Cell cell{column, row};
                if (board_.label(cell) == goal_.label(cell))
                    continue;
                // Like the player's own swaps, a hint's swap leaves the move counter alone.
                play({BoardMove::Kind::Swap, cell, *board_.find(goal_.label(cell)), false});
                completeIfSolved();
                refreshMoveMenu();
                return;
            }
        return;
    }
    if (planReady()) {
        playPlannedMove();
        completeIfSolved();
    } else {
        requestSolve(SolvePurpose::Hint);
    }
    refreshMoveMenu();
}

void GameSession::chooseAutoPlayMethod(AutoPlayMethod method) {
    if (!manual_ || (method == AutoPlayMethod::Shortest && play_ != PlayKind::Sliding))
        return;
    method_ = method;
    refreshMoveMenu();
}

void GameSession::requestSolve(SolvePurpose purpose) {
    solving_ = true;
    solvePurpose_ = purpose;
    window_.workingNotice.visible = true;
    const int ticket = ++solveTicket_;
    platform_.solveInBackground(solverBoardOf(board_), solverBoardOf(goal_), ticket,
                                SolveChannel::Play);
}

void GameSession::cancelSolve() {
    // A solution that comes for an older ticket is ignored.
    ++solveTicket_;
    solving_ = false;
    window_.workingNotice.visible = false;
}

// ---- A game from start to completion ----------------------------------------------

namespace {

// The fewest swaps that order a board: one fewer than its cells for each
// cycle of the arrangement.
int fewestSwaps(const Board& board, const Board& goal) {
    const int cells = board.size().cellCount();
    std::vector<bool> seen(static_cast<std::size_t>(cells), false);
    int cycles = 0;
    for (int start = 0; start < cells; ++start) {
        if (seen[static_cast<std::size_t>(start)])
            continue;
        ++cycles;
        for (int at = start; !seen[static_cast<std::size_t>(at)];) {
            seen[static_cast<std::size_t>(at)] = true;
            const Cell cell{at % board.columns() + 1, at / board.columns() + 1};
            const Cell home = *goal.find(board.label(cell));
            at = (home.row - 1) * board.columns() + home.column - 1;
        }
    }
    return cells - cycles;
}

std::string clockText(std::int64_t ms) {
    const std::int64_t seconds = ms / 1000;
    char text[32];
    if (seconds >= 3600)
        std::snprintf(text, sizeof text, "%d:%02d:%02d", int(seconds / 3600),
                      int(seconds / 60 % 60), int(seconds % 60));
    else
        std::snprintf(text, sizeof text, "%d:%02d", int(seconds / 60), int(seconds % 60));
    return text;
}

}  // namespace

void GameSession::startNewGame() {
    startNewHistory();
    startBoard_ = board_;
    daily_.reset();
    finished_.reset();
    window_.titleNote.clear();
    playedAlone_ = true;
    loadedGame_ = false;
    swapCount_ = 0;
    clockStarted_ = clockRunning_ = false;
    clockBeforeMs_ = 0;
    window_.clockTimer.running = false;
    showTime();
    completionTitle_.reset();
    shortestPossible_.reset();
    ++analysisTicket_;
    analysing_ = false;
    if (play_ == PlayKind::Swap) {
        shortestPossible_ = fewestSwaps(board_, goal_);
    } else if (autoPlayPossible() && board_.size().cellCount() <= 16) {
        // The solver proves the shortest solution of grids this small.
        analysing_ = true;
        platform_.solveInBackground(solverBoardOf(board_), solverBoardOf(goal_), analysisTicket_,
                                    SolveChannel::Analysis);
    }
}

bool GameSession::completeIfSolved() {
    if (!checkSolved())
        return false;
    stopClock();
    completionTitle_ = manual_ ? texts::congratulations() : texts::autoPlayTitle();
    // The message does not wait for the analysis: without a proven length it leaves it out.
    showCompletion();
    return true;
}

void GameSession::showCompletion() {
    const std::string title = *completionTitle_;
    completionTitle_.reset();
    // Swap play's records count the swaps; a loaded swap game's file keeps
    // none of those made before it was saved, so it sets no record of them.
    const bool swaps = play_ == PlayKind::Swap;
    const CompletedGame game{board_.size(),
                             play_,
                             order_,
                             swaps ? swapCount_ : moveCount_,
                             gameTimeMs(),
                             playedAlone_ && !(swaps && loadedGame_),
                             !loadedGame_,
                             daily_};
    std::string detail = (swaps ? texts::swapsMade(swapCount_) : texts::movesMade(moveCount_)) +
                         "\n" + texts::timeTaken(clockText(game.timeMs));
    if (shortestPossible_)
        detail += "\n" + (play_ == PlayKind::Swap ? texts::shortestSwaps(*shortestPossible_)
                                                  : texts::shortestMoves(*shortestPossible_));
    for (const std::string& line : platform_.gameCompleted(game))
        detail += "\n" + line;
    const bool byAutoPlay = title == texts::autoPlayTitle();
    finished_ = FinishedGame{board_, history_.moves(), moveCount_};
    refreshReplayMenu();
    const MessageAnswer answer = platform_.showMessage(
        {.text = texts::completed(),
         .detail = detail,
         .title = title,
         .icon = byAutoPlay ? MessageIcon::Information : MessageIcon::Exclamation,
         .actionButton = daily_ ? texts::copyResult() : std::string()});
    if (daily_ && answer == MessageAnswer::Action)
        platform_.copyText(texts::dailyResult(daily_->iso(), game.moves, shortestPossible_,
                                              clockText(game.timeMs)));
}

std::int64_t GameSession::gameTimeMs() const {
    const bool counting = clockRunning_ && !minimised_;
    return clockBeforeMs_ + (counting ? platform_.monotonicMs() - clockSinceMs_ : 0);
}

void GameSession::startClock() {
    clockStarted_ = clockRunning_ = true;
    clockSinceMs_ = platform_.monotonicMs();
    window_.clockTimer.running = !minimised_;
}

void GameSession::stopClock() {
    clockBeforeMs_ = gameTimeMs();
    clockRunning_ = false;
    window_.clockTimer.running = false;
    showTime();
}

void GameSession::setMinimised(bool minimised) {
    if (minimised == minimised_)
        return;
    clockBeforeMs_ = gameTimeMs();
    clockSinceMs_ = platform_.monotonicMs();
    minimised_ = minimised;
    window_.clockTimer.running = clockRunning_ && !minimised_;
}

void GameSession::clockTick() {
    showTime();
}

void GameSession::showTime() {
    window_.timeCounter.caption = clockText(gameTimeMs());
}

void GameSession::setNumbersShown(bool shown) {
    window_.numbersShown = shown;
    window_.menus.showNumbers.checked = shown;
}

void GameSession::solutionFound(int ticket, const Solution& solution, SolveChannel channel) {
    if (channel == SolveChannel::Analysis) {
        if (ticket != analysisTicket_ || !analysing_)
            return;
        analysing_ = false;
        if (solution.solvable && solution.shortest)
            shortestPossible_ = static_cast<int>(solution.emptyCellPath.size());
        return;
    }
    if (ticket != solveTicket_ || !solving_)
        return;
    solving_ = false;
    window_.workingNotice.visible = false;
    if (solvePurpose_ == SolvePurpose::Replay) {
        playReplayOf(solution);
        return;
    }
    plan_.clear();
    if (!solution.stopped && solution.solvable) {
        plan_ = solution.emptyCellPath;
        planNext_ = 0;
        planBoard_ = board_;
    }
    if (solvePurpose_ == SolvePurpose::Hint && manual_ && playOpen() && planReady()) {
        playPlannedMove();
        completeIfSolved();
    } else if (solvePurpose_ == SolvePurpose::AutoPlay && !manual_ && !solution.solvable) {
        toggleAutoPlay();  // a board that cannot be solved is given back
    }
    refreshMoveMenu();
}

bool GameSession::planReady() const {
    return planNext_ < plan_.size() && board_ == planBoard_;
}

void GameSession::playPlannedMove() {
    const int index = plan_[planNext_++];
    const Cell piece{index % board_.columns() + 1, index / board_.columns() + 1};
    play({BoardMove::Kind::Slide, piece, board_.emptyCell(), true});
    planBoard_ = board_;
}

void GameSession::refreshMoveMenu() {
    window_.picked = swapPick_;
    // In swap play the cursor is on the board from the first key.
    if (play_ != PlayKind::Swap || !playOpen())
        window_.cursor.reset();
    else if (!window_.cursor || !board_.contains(*window_.cursor))
        window_.cursor = Cell{1, 1};
    MainMenus& menus = window_.menus;
    // While auto play runs, and once play is closed, the Move menu rests.
    const bool open = manual_ && playOpen();
    menus.undo.enabled = open && history_.canUndo();
    menus.redo.enabled = open && history_.canRedo();
    menus.hint.enabled = open && !solving_;
    menus.autoPlay.enabled = window_.autoButton.visible && window_.autoButton.enabled;
    menus.autoPlay.checked = !manual_;
    menus.stepByStep.enabled = manual_;
    menus.shortest.enabled = manual_ && play_ == PlayKind::Sliding;
    menus.stepByStep.checked = method_ == AutoPlayMethod::StepByStep;
    menus.shortest.checked = method_ == AutoPlayMethod::Shortest;
    refreshReplayMenu();
}

bool GameSession::checkSolved() {
    if (!(board_ == goal_))
        return false;
    // A solved board closes play and stops the automatic player.
    window_.autoButton.enabled = false;
    disableArrowButtons();
    window_.autoPlayTimer.running = false;
    window_.menus.saveGame.enabled = false;
    enableMenus();
    return true;
}

void GameSession::showMoveCount() {
    window_.moveCounter.caption = std::to_string(moveCount_);
}

// ---- Replays --------------------------------------------------------------------

void GameSession::replayMyGame() {
    stopReplay();
    if (!finished_)
        return;
    startReplay();
    replay_->moves = finished_->moves;
    window_.titleNote = texts::replayOfGame(static_cast<int>(replay_->moves.size()));
    window_.replayTimer = {true, static_cast<int>(std::lround(360.0 / speed_))};
}

void GameSession::watchShortestSolution() {
    stopReplay();
    if (!finished_ || play_ != PlayKind::Sliding || !autoPlayPossible())
        return;
    // The start shows, with " WORKING!", while the solver works.
    startReplay();
    requestSolve(SolvePurpose::Replay);
}

void GameSession::startReplay() {
    replay_ = Replay{{}, 0, window_.autoButton};
    board_ = startBoard_;
    slidingPieces_.clear();
    swapPick_.reset();
    moveCount_ = 0;
    showMoveCount();
    if (play_ == PlayKind::Sliding && autoPlayPossible()) {
        window_.autoButton.caption = texts::manualCaption();
        window_.autoButton.enabled = window_.autoButton.visible = true;
    }
    refreshMoveMenu();
}

void GameSession::playReplayOf(const Solution& solution) {
    if (!replay_ || solution.stopped || !solution.solvable) {
        stopReplay();
        return;
    }
    // The solution as moves, each piece sliding into the empty cell.
    Board board = startBoard_;
    for (const int index : solution.emptyCellPath) {
        const Cell piece{index % board.columns() + 1, index / board.columns() + 1};
        replay_->moves.push_back({BoardMove::Kind::Slide, piece, board.emptyCell(), true});
        board.slide(piece, board.emptyCell());
    }
    const int moves = static_cast<int>(replay_->moves.size());
    window_.titleNote =
        solution.shortest ? texts::shortestSolution(moves) : texts::bestSolutionFound(moves);
    window_.replayTimer = {true, static_cast<int>(std::lround(360.0 / speed_))};
    refreshMoveMenu();
}

void GameSession::replayTick() {
    if (!replay_ || !window_.replayTimer.running)
        return;
    if (replay_->next >= replay_->moves.size()) {
        stopReplay();
        return;
    }
    const BoardMove move = replay_->moves[replay_->next++];
    show(move, false);
    // A reader hears the replay's moves as the automatic player's: once a
    // second at most.
    if (move.kind == BoardMove::Kind::Swap) {
        announce(texts::piecesSwapped(board_.label(move.first), board_.label(move.second)),
                 move.second, true);
        board_.swap(move.first, move.second);
    } else {
        announce(texts::pieceMoved(board_.label(move.first), move.second), move.second, true);
        board_.slide(move.first, move.second);
    }
    slidingPieces_.clear();
    ++moveCount_;
    showMoveCount();
}

void GameSession::stopReplay() {
    if (!replay_)
        return;
    if (solving_ && solvePurpose_ == SolvePurpose::Replay)
        cancelSolve();
    window_.autoButton = replay_->autoButton;
    replay_.reset();
    window_.replayTimer.running = false;
    slidingPieces_.clear();
    board_ = finished_->end;
    moveCount_ = finished_->moveCount;
    showMoveCount();
    refreshMoveMenu();
}

void GameSession::refreshReplayMenu() {
    // Once the completion message has been shown.
    const bool open = finished_.has_value() && !completionTitle_;
    window_.menus.replayMyGame.enabled = open;
    window_.menus.watchShortest.enabled = open && play_ == PlayKind::Sliding && autoPlayPossible();
}

}  // namespace mosaic
