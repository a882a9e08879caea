#pragma once

// The File menu's Load Game, Save Game and Import Image: their dialogs, the
// reading and writing of saved games, and the loading of a picture.

#include "engine/game.h"

#include <QImage>

#include <string>

namespace mosaic {

inline const std::string GameFileFilter = "(*.tsq)|*.tsq";
// Three entries, JPEG first; the JPEG entry also takes the .jpeg spelling.
inline const std::string ImageFileFilter =
    "Jpegs (*.jpg)|*.jpg;*.jpeg|Bitmaps (*.bmp)|*.bmp| Gifs (*.gif)|*.gif";

// Pictures larger than this are refused, so a hostile file cannot exhaust memory.
constexpr qint64 MaxPicturePixels = 100'000'000;

// Load Game and Save Game (menu items ai_open and ai_save).
void ai_open_Click(Game& game);
void ai_save_Click(Game& game);

// The two dialogs; they leave their result in GameFileName and DialogCancelled.
void ChooseLoadFile(Game& game);
void ChooseSaveFile(Game& game);

// Reads GameFileName into the game in progress, or leaves the game exactly as
// it was and sets GameFileError. Load Game then builds the board once more.
void LoadGameFile(Game& game);

// Writes the game in progress to GameFileName; sets GameFileError on failure.
void SaveGameFile(Game& game);

// Import Image (menu item ai_load) and its dialog.
void ai_load_Click(Game& game);
void ChooseImageFile(Game& game);

// Decodes a JPEG, bitmap or GIF file; a null image when it cannot be read,
// cannot be decoded or is too large.
QImage LoadPicture(const std::string& path);

}  // namespace mosaic
