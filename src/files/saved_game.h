// Saved-game files: the byte layout, its decoder and encoder, the file-name
// rules of the save and load dialogs, and safe reading and writing of the
// file itself. Plain C++, no window code: the main window turns a
// DecodeResult into game state and messages.
//
// A saved game is a flat run of single bytes with no header:
//   columns, rows, moves / 256, moves % 256,
//   one byte per cell row by row from the top, each row left to right
//   (the label's number, 255 for the empty cell),
//   the order digit ('1' HA, '2' HD, '3' VA, '4' VD),
//   the mode digit ('1' sliding play, '0' swap play).
// So a 3x3 game takes 15 bytes and a 10x10 game 106.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace mosaic {

// A game as the file holds it.
struct SavedGame {
    int GridCols = 0, GridRows = 0;  // 1..10
    int MoveCount = 0;               // 0..32767
    // GridCols*GridRows labels, row by row from the top, each row left to right;
    // " " is the empty cell, any other label is decimal text "1".."100".
    std::vector<std::string> Cells;
    // "HA", "HD", "VA" or "VD"; nullopt when the file's order byte was unknown
    // (the game keeps its current order). Saved as '1' when nullopt.
    std::optional<std::string> OrderCode;
    // True for sliding play; nullopt when the file's mode byte was unknown (the
    // game keeps its current mode). Saved as '1' when nullopt.
    std::optional<bool> EmptySpaceMode;

    bool operator==(const SavedGame&) const = default;
};

enum class GameFileProblem {
    None,
    SizeOutOfRange,  // columns or rows outside 1..10: the file is rejected without a message
    Corrupt,         // anything else wrong: "Error reading"
};

// Game is filled only when Problem is None; otherwise it is a default SavedGame.
struct DecodeResult {
    GameFileProblem Problem = GameFileProblem::None;
    SavedGame Game;
};

// Decodes the bytes of a saved-game file. Missing bytes at the end read as
// zero and bytes past the mode byte are ignored. Besides the layout, the cells
// must hold exactly the labels of a game of that size: in sliding play
// 1..N-1 once each and one empty cell, in swap play 1..N once each (N =
// columns*rows). The kind of play checked is the file's, or
// currentEmptySpaceMode when the file's mode byte is unknown.
DecodeResult DecodeSavedGame(std::span<const std::uint8_t> bytes, bool currentEmptySpaceMode);

// Encodes a game: exactly 6 + GridCols*GridRows bytes. The game must be valid
// (as DecodeSavedGame would accept it, with a nullopt mode counting as sliding
// play); this is asserted in debug builds and nothing is clamped. In a release
// build a cell that is not a label is written as 0, which the decoder rejects.
std::vector<std::uint8_t> EncodeSavedGame(const SavedGame& game);

// The text after the last '/' (the whole path when it has none).
std::string FileNamePart(const std::string& path);

// The save and load dialogs' default-extension rule, applied to the file-name
// part: a name containing ".tsq" stays as it is; a name with a '.' is cut just
// after its first '.' and gets "tsq" (game.sav -> game.tsq, a.b.c -> a.tsq);
// otherwise spaces are trimmed from both ends of the whole path and ".tsq" is
// appended.
std::string ApplyDefaultExtension(const std::string& path);

// True when the file-name part is longer than 12 characters (UTF-8 characters,
// not bytes). The dialogs ask again for such names.
bool FileNameTooLong(const std::string& path);

// ReadGameFileBytes never returns more than this many bytes; a game uses at
// most 106 of them.
inline constexpr std::size_t GameFileReadLimit = 4096;

// The first bytes of a regular file (at most GameFileReadLimit), or nullopt
// when the path cannot be opened or read or is not a regular file.
std::optional<std::vector<std::uint8_t>> ReadGameFileBytes(const std::string& path);

// Writes bytes to "<path>.<random>.tmp" in the same folder, flushes it to
// disk, then renames it over path. On any failure the temporary file is
// removed, false is returned and whatever was at path before is untouched.
bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace mosaic
