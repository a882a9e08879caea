// SPDX-License-Identifier: GPL-3.0-or-later
// mosaic-autoplay GAME.tsq [--max-ticks N]
//
// Loads a saved game with the game's own loader, builds the board as Load
// Game does, without a window, switches the automatic player on and runs one
// step per tick with no animation and no delay. Prints one line per tick:
//   TICK <n> MOVE <label> <fromCol>,<fromRow> -> <toCol>,<toRow>
//   TICK <n> NONE
// and at the end SOLVED or UNSOLVED with the number of ticks and moves.
// Exit status: 0 solved, 1 not solved, 2 the game could not be played (a file
// the loader rejects, a swap-play game, a grid too small for auto play, or a
// bad command line).

#include "engine/session.h"
#include "files/game_files.h"
#include "headless_platform.h"

#include <QImage>

#include <charconv>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace {

int usage() {
    std::fputs("usage: mosaic-autoplay GAME.tsq [--max-ticks N]\n", stderr);
    return 2;
}

std::optional<long> parseCount(std::string_view text) {
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0)
        return std::nullopt;
    return value;
}

}  // namespace

int main(int argc, char** argv) {
    std::optional<std::string> path;
    std::optional<long> maxTicks;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--max-ticks") {
            if (i + 1 >= argc || !(maxTicks = parseCount(argv[++i])))
                return usage();
        } else if (!path && !arg.starts_with("--")) {
            path = std::string(arg);
        } else {
            return usage();
        }
    }
    if (!path)
        return usage();

    mosaic::HeadlessPlatform platform;
    // Pieces are cut from a plain picture of the default picture's size; the
    // picture plays no part in the moves.
    QImage picture(287, 185, QImage::Format_RGB32);
    picture.fill(Qt::gray);
    mosaic::GameSession session(platform, picture, QImage());

    if (!mosaic::openGameFile(session, *path)) {
        const std::string reason =
            platform.lastMessage.empty() ? "the file was rejected" : platform.lastMessage;
        std::fprintf(stderr, "%s: %s\n", path->c_str(), reason.c_str());
        return 2;
    }
    if (session.playKind() != mosaic::PlayKind::Sliding) {
        std::fprintf(stderr, "%s: a swap-play game has no automatic player\n", path->c_str());
        return 2;
    }
    if (!session.autoPlayPossible()) {
        std::fprintf(stderr, "%s: the automatic player needs a grid of at least 3 x 3\n",
                     path->c_str());
        return 2;
    }

    const long cols = session.board().columns();
    const long rows = session.board().rows();
    const long limit = maxTicks ? *maxTicks : 50 * cols * cols * rows * rows;
    session.toggleAutoPlay();
    long ticks = 0;
    long moves = 0;
    bool solved = false;  // as the last tick found the board
    while (ticks < limit && !solved && session.window().autoPlayTimer.running) {
        const mosaic::Cell empty = session.board().emptyCell();
        session.autoPlayTick();
        ++ticks;
        const mosaic::Cell emptyAfter = session.board().emptyCell();
        if (!(emptyAfter == empty)) {
            // One move a tick: the piece left the new empty cell for the old one.
            ++moves;
            std::printf("TICK %ld MOVE %d %d,%d -> %d,%d\n", ticks, session.board().label(empty),
                        emptyAfter.column, emptyAfter.row, empty.column, empty.row);
        } else {
            std::printf("TICK %ld NONE\n", ticks);
        }
        solved = session.board() == session.goal();
    }
    std::printf("%s ticks=%ld moves=%ld\n", solved ? "SOLVED" : "UNSOLVED", ticks, moves);
    return solved ? 0 : 1;
}
