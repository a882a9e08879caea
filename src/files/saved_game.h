// SPDX-License-Identifier: GPL-3.0-or-later
// Saved-game files: the byte layout, its decoder and encoder, the file-name
// rules of the save and load dialogs, and safe reading and writing of the
// file itself. No window code: the Load Game flow turns a DecodeResult
// into the game in progress and messages.
//
// A saved game is a flat run of single bytes with no header:
//   columns, rows, moves / 256, moves % 256,
//   one byte per cell row by row from the top, each row left to right
//   (the label's number, 255 for the empty cell),
//   the order digit ('1' rows ascending, '2' rows descending,
//   '3' columns ascending, '4' columns descending),
//   the mode digit ('1' sliding play, '0' swap play).
// So a 3x3 game takes 15 bytes and a 10x10 game 106.
#pragma once

#include "engine/board.h"
#include "engine/goal.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace mosaic {

// A game as the file holds it.
struct SavedGame {
    Board board;        // 1..10 columns by 1..10 rows
    int moveCount = 0;  // 0..32767
    // nullopt when the file's order byte was unknown: the game keeps its
    // current order. Saved as '1'.
    std::optional<GoalOrder> order;
    PlayKind play = PlayKind::Sliding;

    bool operator==(const SavedGame&) const = default;
};

enum class GameFileProblem {
    None,
    SizeOutOfRange,  // columns or rows outside 1..10: the file is refused without a message
    Corrupt,         // anything else wrong: "Error reading"
};

// game is filled only when problem is None; fault says what is wrong
// otherwise.
struct DecodeResult {
    GameFileProblem problem = GameFileProblem::None;
    SavedGame game;
    std::string fault;
};

// Decodes the bytes of a saved-game file. Missing bytes at the end read as
// zero and bytes past the mode byte are ignored. An unknown mode byte keeps
// the current kind of play. The cells must hold exactly the labels of a game
// of that size and kind: in sliding play 1..N-1 once each and one empty
// cell, in swap play 1..N once each (N = columns x rows).
DecodeResult decodeSavedGame(std::span<const std::uint8_t> bytes, PlayKind currentPlay);

// Encodes a game: exactly 6 + columns x rows bytes. Whatever the decoder
// accepts, this writes back, and the decoder reads the same game from it.
std::vector<std::uint8_t> encodeSavedGame(const SavedGame& game);

// The text after the last '/' (the whole path when it has none).
std::string fileNamePart(const std::string& path);

// The save and load dialogs' default-extension rule, applied to the file-name
// part: a name containing ".tsq" stays as it is; a name with a '.' is cut just
// after its first '.' and gets "tsq" (game.sav -> game.tsq, a.b.c -> a.tsq);
// otherwise spaces are trimmed from both ends of the whole path and ".tsq" is
// appended.
std::string applyDefaultExtension(const std::string& path);

// True when the file-name part is longer than 12 characters (UTF-8 characters,
// not bytes). The dialogs ask again for such names.
bool fileNameTooLong(const std::string& path);

// readGameFileBytes never returns more than this many bytes; a game uses at
// most 106 of them.
inline constexpr std::size_t GameFileReadLimit = 4096;

// The first bytes of a regular file (at most GameFileReadLimit), or nullopt
// when the path cannot be opened or read or is not a regular file; then
// cause, when given, says why.
std::optional<std::vector<std::uint8_t>> readGameFileBytes(const std::string& path,
                                                           std::string* cause = nullptr);

// Replaces the file at path with bytes, or leaves it as it was: the bytes go
// to a hidden temporary file beside it, are flushed to the disk and only then
// take the file's name. Every write, the flush and the rename are checked, so
// a full disk fails and keeps the old file. A symbolic link is written through
// to its target, and a link to nothing is refused; the file keeps its
// permissions. On failure cause, when given, says why.
bool writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes,
                         std::string* cause = nullptr);

// Removes the temporary files that writers of path killed mid-save left
// beside it (a save under way keeps its own). Each save does it first.
void removeLeftoverTemporaries(const std::string& path);

}  // namespace mosaic
