// SPDX-License-Identifier: GPL-3.0-or-later
// The session's rules as scenarios: data/session_scenarios.txt holds lines of
// player actions, each followed by the state expected after it. Its header
// explains the format.

#include "engine/test_session.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <sstream>

namespace mosaic {
namespace {

using testing::boardOf;
using testing::FakePlatform;
using testing::TestSession;

// Words, where a double-quoted stretch is one word ("Moves: 1|Time: 0:00").
std::vector<std::string> wordsOf(const std::string& text) {
    std::vector<std::string> words(1);
    bool quoted = false;
    for (const char c : text) {
        if (c == '"')
            quoted = !quoted;
        else if (c != ' ' || quoted)
            words.back() += c;
        else if (!words.back().empty())
            words.emplace_back();
    }
    if (words.back().empty())
        words.pop_back();
    return words;
}

// "1,2,3/4,0,5/6,7,8": rows split by slashes, labels by commas.
Board boardFrom(std::string text) {
    std::replace(text.begin(), text.end(), ',', ' ');
    return boardOf(text);
}

std::string textOf(const Board& board) {
    std::string text;
    for (int row = 1; row <= board.rows(); ++row)
        for (int column = 1; column <= board.columns(); ++column)
            text += std::to_string(board.label({column, row})) +
                    (column < board.columns() ? "," : row < board.rows() ? "/" : "");
    return text;
}

std::string textOf(const std::optional<Cell>& cell) {
    return cell ? std::to_string(cell->column) + "," + std::to_string(cell->row) : "none";
}

template <typename T>
T lookUp(const std::map<std::string, T>& names, const std::string& word) {
    if (!names.contains(word))
        throw std::invalid_argument("unknown word: " + word);
    return names.at(word);
}

const std::map<std::string, Direction> Ways{
    {"L", Direction::Left}, {"R", Direction::Right}, {"U", Direction::Up}, {"D", Direction::Down}};
const std::map<std::string, GoalOrder> Orders{
    {"RA", GoalOrder::RowsAscending}, {"RD", GoalOrder::RowsDescending},
    {"CA", GoalOrder::ColumnsAscending}, {"CD", GoalOrder::ColumnsDescending}};

// The menu items a scenario may name.
const MenuItem* menuItem(const MainMenus& m, const std::string& name) {
    const std::map<std::string, const MenuItem*> items{
        {"loadGame", &m.loadGame},       {"saveGame", &m.saveGame},
        {"emptySpace", &m.emptySpace},   {"customSize", &m.customSize},
        {"size3", &m.sizes[0]},          {"size4", &m.sizes[1]},
        {"magnify1", &m.magnify1},       {"magnify2", &m.magnify2},
        {"speed0", &m.speeds[0]},        {"rowsAscending", &m.rowsAscending},
        {"rowsDescending", &m.rowsDescending}, {"columnsAscending", &m.columnsAscending},
        {"columnsDescending", &m.columnsDescending}, {"undo", &m.undo},
        {"redo", &m.redo},               {"hint", &m.hint},
        {"autoPlay", &m.autoPlay},       {"stepByStep", &m.stepByStep},
        {"shortest", &m.shortest},       {"viewImage", &m.viewImage},
        {"replayMyGame", &m.replayMyGame}, {"watchShortest", &m.watchShortest}};
    const auto found = items.find(name);
    return found == items.end() ? nullptr : found->second;
}

// Plays the board to its goal as a player alone would: the solver's
// solution slide by slide, or in swap play each misplaced cell's own piece.
void finishByHand(TestSession& t) {
    GameSession& s = t.session;
    if (s.playKind() == PlayKind::Swap) {
        for (int row = 1; row <= s.board().rows(); ++row)
            for (int column = 1; column <= s.board().columns(); ++column) {
                const Cell cell{column, row};
                if (s.board().label(cell) != s.goal().label(cell)) {
                    s.clickPiece(s.board().label(cell));
                    s.clickPiece(s.goal().label(cell));
                }
            }
        return;
    }
    const Solution solution =
        testing::cachedSolver().solve(solverBoardOf(s.board()), solverBoardOf(s.goal()));
    for (const int index : solution.emptyCellPath)
        s.clickPiece(s.board().label({index % s.board().columns() + 1,
                                      index / s.board().columns() + 1}));
}

int pendingSolves(const TestSession& t, SolveChannel channel) {
    return static_cast<int>(std::count_if(t.platform.solves.begin(), t.platform.solves.end(),
                                          [&](const auto& s) { return std::get<3>(s) == channel; }));
}

// Does one action; the words after its name are its arguments.
void act(TestSession& t, const std::vector<std::string>& words) {
    GameSession& s = t.session;
    FakePlatform& p = t.platform;
    const std::string& name = words.at(0);
    const auto number = [&](std::size_t i, int otherwise) {
        return words.size() > i ? std::stoi(words[i]) : otherwise;
    };
    const auto times = [&](const std::function<void()>& once) {
        for (int i = number(1, 1); i > 0; --i)
            once();
    };
    if (name == "open") {
        std::optional<GoalOrder> order = GoalOrder::RowsAscending;
        PlayKind play = PlayKind::Sliding;
        int moves = 0;
        for (std::size_t i = 2; i < words.size(); ++i) {
            if (words[i] == "swap")
                play = PlayKind::Swap;
            else if (words[i].starts_with("moves="))
                moves = std::stoi(words[i].substr(6));
            else if (words[i] == "order=unknown")
                order.reset();
            else if (words[i].starts_with("order="))
                order = lookUp(Orders, words[i].substr(6));
            else
                throw std::invalid_argument("open: " + words[i]);
        }
        s.openSavedGame(boardFrom(words.at(1)), moves, order, play);
    } else if (name == "size") {
        s.chooseSize(number(1, 3));
    } else if (name == "custom") {
        const std::size_t x = words.at(1).find('x');
        s.applyCustomSize({std::stoi(words[1].substr(0, x)), std::stoi(words[1].substr(x + 1))});
    } else if (name == "emptyspace") {
        s.toggleEmptySpace();
    } else if (name == "slide" || name == "cursor") {
        for (std::size_t i = 1; i < words.size(); ++i)
            name == "slide" ? s.slidePiece(lookUp(Ways, words[i]))
                            : s.moveCursor(lookUp(Ways, words[i]));
    } else if (name == "click") {
        for (std::size_t i = 1; i < words.size(); ++i)
            s.clickPiece(std::stoi(words[i]));
    } else if (name == "press") {
        s.pressCursor();
    } else if (name == "undo") {
        times([&] { s.undo(); });
    } else if (name == "redo") {
        times([&] { s.redo(); });
    } else if (name == "hint") {
        times([&] { s.hint(); });
    } else if (name == "solve") {  // the solver's answers come in
        p.finishSolves(s);
    } else if (name == "hints") {  // hint after hint, each answered, until play closes
        for (int i = 0; i < 200 && s.playOpen(); ++i) {
            s.hint();
            p.finishSolves(s);
        }
    } else if (name == "auto") {
        s.toggleAutoPlay();
    } else if (name == "tick") {
        times([&] { s.autoPlayTick(); });
    } else if (name == "run") {  // auto play until its timer stops
        for (int i = 0; i < 20000 && s.window().autoPlayTimer.running; ++i)
            s.autoPlayTick();
    } else if (name == "noticetick") {
        times([&] { s.noticeTick(); });
    } else if (name == "wait") {  // seconds
        p.nowMs += std::stoll(words.at(1)) * 1000;
    } else if (name == "minimise" || name == "restore") {
        s.setMinimised(name == "minimise");
    } else if (name == "clocktick") {
        s.clockTick();
    } else if (name == "order") {
        s.chooseOrder(lookUp(Orders, words.at(1)));
    } else if (name == "magnify") {
        s.chooseMagnification(number(1, 1));
    } else if (name == "speed") {
        s.chooseSpeed(number(1, 0));
    } else if (name == "method") {
        s.chooseAutoPlayMethod(words.at(1) == "shortest" ? AutoPlayMethod::Shortest
                                                          : AutoPlayMethod::StepByStep);
    } else if (name == "replay" || name == "watch") {
        name == "replay" ? s.replayMyGame() : s.watchShortestSolution();
    } else if (name == "replaytick") {
        times([&] { s.replayTick(); });
    } else if (name == "stopreplay") {  // Escape, or a menu choice
        s.stopReplay();
    } else if (name == "newbest") {
        p.newBest = true;
    } else if (name == "finish") {
        finishByHand(t);
    } else {
        throw std::invalid_argument("unknown action: " + name);
    }
}

std::string onOff(bool on) { return on ? "on" : "off"; }

// The state a key names, as the scenarios write it.
std::string stateOf(const TestSession& t, const std::string& key) {
    const GameSession& s = t.session;
    const FakePlatform& p = t.platform;
    const MainWindowModel& w = s.window();
    if (key == "board")
        return s.board() == s.goal() ? "goal" : textOf(s.board());
    if (key == "moves")  // the counter and the caption agree
        return std::to_string(s.moveCount()) +
               (w.moveCounter.caption == std::to_string(s.moveCount()) ? "" : "?caption");
    if (key == "swaps")
        return std::to_string(s.swapCount());
    if (key == "play")
        return s.playOpen() ? "open" : "closed";
    if (key == "auto")
        return s.autoPlaying() ? "running" : "stopped";
    if (key == "button")
        return w.autoButton.caption + (w.autoButton.enabled ? "" : "(disabled)");
    if (key == "time")
        return std::to_string(s.gameTimeMs() / 1000) + "s";
    if (key == "clock")  // the time shown, and whether its timer runs
        return w.timeCounter.caption + (w.clockTimer.running ? " ticking" : " still");
    if (key == "notice")
        return onOff(w.pieceCorrectNotice.visible);
    if (key == "working")
        return onOff(w.workingNotice.visible);
    if (key == "analysis" || key == "solving")
        return std::to_string(
            pendingSolves(t, key == "analysis" ? SolveChannel::Analysis : SolveChannel::Play));
    if (key == "messages")
        return std::to_string(p.messages.size());
    if (key == "message")  // the last: title, then text
        return p.messages.empty() ? "none" : p.messages.back().title + ": " + p.messages.back().text;
    if (key == "detail") {
        std::string detail = p.messages.empty() ? "none" : p.messages.back().detail;
        std::replace(detail.begin(), detail.end(), '\n', '|');
        return detail;
    }
    if (key == "record") {  // the last completed game, as the best results take it
        if (p.completed.empty())
            return "none";
        const CompletedGame& g = p.completed.back();
        const std::string claims = g.setsTimeRecord()    ? "moves+time"
                                   : g.setsMovesRecord() ? "moves"
                                                         : "none";
        return std::to_string(g.moves) + "," + std::to_string(g.timeMs / 1000) + "s," + claims;
    }
    if (key == "records")
        return std::to_string(p.completed.size());
    if (key == "cursor")
        return textOf(w.cursor);
    if (key == "picked")
        return textOf(w.picked);
    if (key == "said")
        return w.announcement.text;
    if (key == "order")
        for (const auto& [name, order] : Orders)
            if (s.order() == order)
                return name;
    if (key == "magnification")
        return std::to_string(s.magnification());
    if (key == "caption")
        return w.sizeCaption.caption;
    if (key == "title")  // the note after the window's name
        return w.titleNote.empty() ? "none" : w.titleNote;
    if (key == "replaying")
        return s.replaying() ? "yes" : "no";
    if (key == "interval")  // of the auto-play timer, while it runs
        return w.autoPlayTimer.running ? std::to_string(w.autoPlayTimer.intervalMs) : "none";
    if (const MenuItem* item = menuItem(w.menus, key))
        return onOff(item->enabled) + (item->checked ? ",checked" : "");
    throw std::invalid_argument("unknown state: " + key);
}

// Runs the file line by line; a "== title" line starts a fresh session.
TEST(SessionScenarios, EveryScenarioReachesTheStatesItExpects) {
    std::ifstream file(MOSAIC_SESSION_SCENARIOS);
    std::unique_ptr<TestSession> t;
    std::string title;
    int scenarios = 0, number = 0;
    bool broken = false;  // the scenario's steps after an error are skipped
    for (std::string text; std::getline(file, text);) {
        ++number;
        if (text.starts_with("== ")) {
            t = std::make_unique<TestSession>();
            title = text.substr(3);
            broken = false;
            ++scenarios;
        }
        if (!t || broken || text.empty() || text[0] == '#' || text.starts_with("== "))
            continue;
        SCOPED_TRACE(title);
        const std::size_t arrow = text.find("->");
        try {
            if (const std::vector<std::string> action = wordsOf(text.substr(0, arrow));
                !action.empty())
                act(*t, action);
            for (const std::string& expected :
                 arrow == std::string::npos ? std::vector<std::string>{}
                                            : wordsOf(text.substr(arrow + 2))) {
                const std::size_t equals = expected.find('=');
                EXPECT_EQ(stateOf(*t, expected.substr(0, equals)), expected.substr(equals + 1))
                    << "line " << number << ": " << text;
            }
        } catch (const std::exception& e) {
            ADD_FAILURE() << "line " << number << ": " << e.what();
            broken = true;
        }
    }
    EXPECT_GE(scenarios, 20) << "scenario file missing or cut short";
}

}  // namespace
}  // namespace mosaic
