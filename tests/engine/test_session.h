// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A game session on a recording platform, for tests.

#include "engine/session.h"
#include "files/table_store.h"

#include <QImage>

#include <deque>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace mosaic::testing {

// One solver for all the tests of a process, its tables kept in the build
// folder: built by the first test run that needs them, read by the others.
inline const Solver& cachedSolver() {
    static const Solver solver(std::make_shared<FolderTableStore>(MOSAIC_TEST_TABLE_CACHE));
    return solver;
}

// Records what the game asks of the platform and answers from a script.
class FakePlatform : public Platform {
public:
    MessageAnswer showMessage(const Message& message) override {
        messages.push_back(message);
        if (answers.empty())
            return message.defaultButton;
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    void slideFrame(int, int, int ms) override {
        ++slideFrames;
        slideMs = ms;
    }

    std::uint32_t clockSeed() override { return seed; }

    // Solves are kept until the test hands them over with finishSolves.
    void solveInBackground(const SolverBoard& board, const SolverBoard& goal, int ticket,
                           SolveChannel channel) override {
        solves.push_back({board, goal, ticket, channel});
    }
    void finishSolves(GameSession& session) {
        while (!solves.empty()) {
            const auto [board, goal, ticket, channel] = solves.front();
            solves.pop_front();
            session.solutionFound(ticket, cachedSolver().solve(board, goal), channel);
        }
    }
    std::vector<std::string> gameCompleted(const CompletedGame& game) override {
        completed.push_back(game);
        return newBest ? std::vector<std::string>{"New best!"} : std::vector<std::string>{};
    }
    std::int64_t monotonicMs() override { return nowMs; }
    void copyText(const std::string& text) override { copied.push_back(text); }

    std::optional<std::string> chooseFile(FileDialogKind, const std::string&) override {
        if (paths.empty())
            return std::nullopt;
        std::optional<std::string> path = paths.front();
        paths.pop_front();
        return path;
    }

    std::vector<Message> messages;
    std::deque<MessageAnswer> answers;
    std::deque<std::optional<std::string>> paths;  // nullopt entries answer Cancel
    std::deque<std::tuple<SolverBoard, SolverBoard, int, SolveChannel>> solves;
    std::vector<CompletedGame> completed;
    std::vector<std::string> copied;  // to the clipboard
    bool newBest = false;
    std::int64_t nowMs = 0;
    std::uint32_t seed = 12345;
    int slideFrames = 0;
    int slideMs = 0;  // of the last slide
};

// The real default picture the game ships.
inline QImage defaultPicture() {
    return QImage(QStringLiteral(MOSAIC_DEFAULT_PICTURE));
}

// A session started as the window starts it, with the real default picture.
struct TestSession {
    FakePlatform platform;
    GameSession session{platform, defaultPicture(), QImage()};
};

// A board from its rows of labels, 0 for the empty cell: "1 2 3/4 0 5/6 7 8".
inline Board boardOf(const std::string& rows) {
    std::vector<std::vector<int>> labels(1);
    std::istringstream in(rows);
    for (std::string word; in >> word;)
        for (std::size_t at = 0; at < word.size();) {
            const std::size_t slash = word.find('/', at);
            if (slash != at)
                labels.back().push_back(std::stoi(word.substr(at, slash - at)));
            if (slash == std::string::npos)
                break;
            labels.emplace_back();
            at = slash + 1;
        }
    Board board({static_cast<int>(labels.front().size()), static_cast<int>(labels.size())});
    for (std::size_t r = 0; r < labels.size(); ++r)
        for (std::size_t c = 0; c < labels[r].size(); ++c)
            board.setLabel({static_cast<int>(c) + 1, static_cast<int>(r) + 1}, labels[r][c]);
    return board;
}

}  // namespace mosaic::testing
