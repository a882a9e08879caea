#pragma once

#include "engine/game.h"

#include <QImage>

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace mosaic::testing {

// Records what the game asks of the platform and answers from a script.
class FakePlatform : public Platform {
public:
    struct Message {
        std::string text, title;
        MessageIcon icon;
        MessageButtons buttons;
        MessageAnswer defaultButton;
    };

    MessageAnswer ShowMessage(const std::string& text, const std::string& title, MessageIcon icon,
                              MessageButtons buttons, MessageAnswer defaultButton) override {
        messages.push_back({text, title, icon, buttons, defaultButton});
        if (answers.empty())
            return buttons == MessageButtons::Ok ? MessageAnswer::Ok : defaultButton;
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    void AnimationStep(int box, int step, int steps) override {
        ++animationSteps;
        lastAnimatedBox = box;
        lastStep = step;
        lastSteps = steps;
    }

    std::uint32_t ClockSeed() override {
        ++seedCalls;
        return seed;
    }

    std::optional<std::string> ShowFileDialog(FileDialogKind kind,
                                              const std::string& filter) override {
        dialogs.push_back({kind, filter});
        if (paths.empty())
            return std::nullopt;
        std::optional<std::string> path = paths.front();
        paths.pop_front();
        return path;
    }

    std::vector<Message> messages;
    std::deque<MessageAnswer> answers;
    std::vector<std::pair<FileDialogKind, std::string>> dialogs;
    std::deque<std::optional<std::string>> paths;  // nullopt entries answer Cancel
    std::uint32_t seed = 12345;
    int seedCalls = 0;
    int animationSteps = 0;
    int lastAnimatedBox = -1, lastStep = 0, lastSteps = 0;
};

// The real default picture the game ships.
inline QImage DefaultPicture() {
    QImage picture(QStringLiteral(MOSAIC_DEFAULT_PICTURE));
    return picture;
}

// A game loaded as at start-up, with the real default picture.
struct LoadedGame {
    FakePlatform platform;
    Game game{platform};
    LoadedGame() { game.Form_Load(DefaultPicture(), QImage()); }
};

// Sets a sliding board from rows of labels, "_" for the empty cell, and
// builds it as a loaded game is built (the arrangement is kept).
inline void SetBoard(Game& game, const std::vector<std::vector<std::string>>& rows,
                     const std::string& orderCode = "HA", bool emptySpaceMode = true) {
    game.GridRows = static_cast<Integer>(rows.size());
    game.GridCols = static_cast<Integer>(rows.front().size());
    game.OrderCode = orderCode;
    game.EmptySpaceMode = emptySpaceMode;
    game.ResetMainWindow();
    for (int r = 1; r <= game.GridRows; ++r)
        for (int c = 1; c <= game.GridCols; ++c) {
            const std::string& label = rows[r - 1][c - 1];
            game.Board[c][r] = label == "_" ? EmptyCell : label;
        }
    game.BuildGoal();
    game.KeepArrangement = true;
    game.ResetMainWindow();
    game.DealBoard();
    game.BuildBoard();
    game.KeepArrangement = false;
    game.GameDealt = true;
}

// A sliding move as the board shows it: the label that moved, the cell it
// left and the cell it entered.
struct SlideMove {
    std::string label;
    int fromCol = 0, fromRow = 0, toCol = 0, toRow = 0;
    bool operator==(const SlideMove&) const = default;
};

// One tick of Timer2 and the move it made, if any (a tick makes at most one:
// the piece leaves the new empty cell for the old one).
inline std::optional<SlideMove> Timer2Tick(Game& game) {
    const int blankCol = game.BlankCol;
    const int blankRow = game.BlankRow;
    const bool autoPlay = !game.ManualMode;
    game.Timer2_Timer();
    if (!autoPlay || !game.MoveMade)
        return std::nullopt;
    return SlideMove{game.Board[blankCol][blankRow], game.BlankCol, game.BlankRow, blankCol,
                     blankRow};
}

}  // namespace mosaic::testing
