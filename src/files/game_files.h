// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The File menu's Load Game, Save Game and Import Image: their dialogs, the
// reading and writing of saved games, and the loading of a picture. Failures
// are shown in a message box titled "ALERT" and leave the game in progress
// as it was.

#include "engine/session.h"
#include "files/saved_game.h"

#include <QImage>

#include <string>

namespace mosaic {

inline const std::string GameFileFilter = "(*.tsq)|*.tsq";
// Three entries, JPEG first; the JPEG entry also takes the .jpeg spelling.
inline const std::string ImageFileFilter =
    "Jpegs (*.jpg)|*.jpg;*.jpeg|Bitmaps (*.bmp)|*.bmp| Gifs (*.gif)|*.gif";

// The menu commands.
void loadGame(GameSession& session);
void saveGame(GameSession& session);
void importImage(GameSession& session);

// How a refused file is told. The Load dialog refuses a grid outside 1..10
// without a word; a file named on the command line, dropped on the window or
// opened from the file manager is always told, a picture too, and the reason
// also goes to standard error for whoever started the game from a terminal.
enum class Refusal { QuietForGridSize, AlwaysTold };

// Import Image without its dialog: the picture the next board is cut from,
// or the default picture when the file cannot be read as one (told as
// "Error reading" where the refusal is told). False when refused.
bool importPictureFile(GameSession& session, const std::string& path,
                       Refusal refusal = Refusal::QuietForGridSize);

// Reads a saved game and makes it the game in progress; on failure says so
// ("Error reading", or nothing for a grid outside 1..10 when quiet), leaves
// the game as it was and returns false.
bool openGameFile(GameSession& session, const std::string& path,
                  Refusal refusal = Refusal::QuietForGridSize);

// Writes the game in progress, asking first before replacing a file; says
// "Error saving" and returns false when the file cannot be written.
bool writeGameFile(GameSession& session, const std::string& path);

// The game in progress as a saved game.
SavedGame savedGameOf(const GameSession& session);

// Decodes a picture file at no more than the size the game can show; a null
// image when it cannot be read, cannot be decoded or would cost too much.
QImage loadPicture(const std::string& path);

}  // namespace mosaic
