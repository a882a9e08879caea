// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/daily.h"
#include "engine/goal.h"
#include "engine/solver.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace mosaic {

enum class MessageIcon { Exclamation, Information, Question };
enum class MessageButtons { Ok, YesNo };
// Action: the message's own button beside OK ("Copy Result").
enum class MessageAnswer { Ok, Yes, No, Action };
// Open and Save are for saved games; OpenPicture is Import Image's, which
// only reads the picture it is given.
enum class FileDialogKind { Open, Save, OpenPicture };

// The solver works for play (a hint, auto play by the shortest solution) or,
// side by side with it, to know the shortest solution of a new game.
enum class SolveChannel { Play, Analysis };

// How long a solve may take on each channel. A hint or a step of auto play waits a second at
// most, then plays the best near-shortest solution found; the analysis of a new game gives up
// after its own budget, leaving the shortest length unknown.
inline std::chrono::milliseconds solveBudget(SolveChannel channel) {
    return channel == SolveChannel::Play ? std::chrono::milliseconds(1000)
                                         : std::chrono::milliseconds(20000);
}

// A completed game, as the best results keep it.
struct CompletedGame {
    GridSize grid;
    PlayKind play = PlayKind::Sliding;
    GoalOrder order = GoalOrder::RowsAscending;
    int moves = 0;  // in swap play, the swaps
    std::int64_t timeMs = 0;
    // No automatic player, hint or undo took part, and every move (every
    // swap of a loaded swap game, whose file keeps no count of them) is known.
    bool playedAlone = true;
    bool timed = true;        // not a game loaded from a file
    std::optional<CalendarDate> daily = {};  // the day of a daily game

    // The records it may set: the fewest moves only when played alone, the
    // shortest time only when played alone from its deal.
    bool setsMovesRecord() const { return playedAlone; }
    bool setsTimeRecord() const { return playedAlone && timed; }
};

// A modal message: its text, a detail line below it (the file and the cause
// of a failure, say), title, icon and buttons.
struct Message {
    std::string text = {};
    std::string detail = {};
    std::string title = {};
    MessageIcon icon = MessageIcon::Information;
    MessageButtons buttons = MessageButtons::Ok;
    MessageAnswer defaultButton = MessageAnswer::Ok;
    std::string actionButton = {};  // a button of its own beside OK, when not empty
};

// What only the platform can do for the game. The main window implements it;
// tests and the tools use fakes.
class Platform {
public:
    virtual ~Platform() = default;

    // A modal message box; returns the button the player chose.
    virtual MessageAnswer showMessage(const Message& message) = 0;

    // A sliding piece has made step `step` (1..steps) of a slide that lasts
    // slideMs milliseconds. The window paints it and paces the slide without
    // letting user input in.
    virtual void slideFrame(int step, int steps, int slideMs) = 0;

    // Runs the solver on a worker, away from the user-interface thread, and
    // hands the solution to GameSession::solutionFound with the same ticket
    // and channel. A new request makes the one before it on its channel
    // pointless.
    virtual void solveInBackground(const SolverBoard& board, const SolverBoard& goal, int ticket,
                                   SolveChannel channel) = 0;

    // A game was completed: the best results take it. Returns lines for the
    // completion message ("New best!").
    virtual std::vector<std::string> gameCompleted(const CompletedGame& game) = 0;

    // Puts a line of text on the clipboard; platforms without one drop it.
    virtual void copyText(const std::string&) {}

    // A clock that only goes forward, in milliseconds.
    virtual std::int64_t monotonicMs() = 0;

    // Seed for dealing, taken from the clock.
    virtual std::uint32_t clockSeed() = 0;

    // A modal file dialog with a filter such as "(*.tsq)|*.tsq"; returns the
    // chosen full path, or nothing when the player cancels.
    virtual std::optional<std::string> chooseFile(FileDialogKind kind,
                                                  const std::string& filter) = 0;
};

}  // namespace mosaic
