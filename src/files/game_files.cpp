#include "files/game_files.h"

#include "files/saved_game.h"

#include <QImageReader>

#include <filesystem>

namespace mosaic {

namespace {

bool FileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

void ShowAlert(Game& game, const std::string& text) {
    game.platform().ShowMessage(text, "ALERT", MessageIcon::Exclamation, MessageButtons::Ok,
                                MessageAnswer::Ok);
}

MenuItem& OrderMenu(Game& game, const std::string& orderCode) {
    if (orderCode == "HD")
        return game.ai_des1;
    if (orderCode == "VA")
        return game.ai_asc2;
    if (orderCode == "VD")
        return game.ai_des2;
    return game.ai_asc1;
}

// Shows the file dialog until it gives an acceptable name or is cancelled.
void ChooseGameFile(Game& game, FileDialogKind kind) {
    for (;;) {
        // 1.
        game.DialogCancelled = true;
        // 2. and 3.
        const std::optional<std::string> path =
            game.platform().ShowFileDialog(kind, GameFileFilter);
        if (!path)
            return;
        // 4.
        game.GameFileName = ApplyDefaultExtension(*path);
        // 5. Names are kept short; the dialog simply asks again.
        if (FileNameTooLong(game.GameFileName))
            continue;
        // 6.
        if (kind == FileDialogKind::Open && !FileExists(game.GameFileName))
            continue;
        // 7.
        game.DialogCancelled = false;
        return;
    }
}

}  // namespace

void ai_open_Click(Game& game) {
    ChooseLoadFile(game);
    if (game.DialogCancelled)
        return;
    LoadGameFile(game);
    if (!game.GameFileError)
        game.BuildBoard();
}

void ai_save_Click(Game& game) {
    ChooseSaveFile(game);
    if (!game.DialogCancelled)
        SaveGameFile(game);
}

void ChooseLoadFile(Game& game) {
    ChooseGameFile(game, FileDialogKind::Open);
}

void ChooseSaveFile(Game& game) {
    ChooseGameFile(game, FileDialogKind::Save);
}

void LoadGameFile(Game& game) {
    // 1. The whole file is read and checked before anything changes, so a
    // corrupt file leaves the game in progress exactly as it was.
    game.GameFileError = false;
    const std::optional<std::vector<std::uint8_t>> bytes = ReadGameFileBytes(game.GameFileName);
    if (!bytes) {
        ShowAlert(game, "Error reading");
        game.GameFileError = true;
        return;
    }
    const DecodeResult decoded = DecodeSavedGame(*bytes, game.EmptySpaceMode);
    // 2. A grid outside 1..10 is refused without a message.
    if (decoded.Problem == GameFileProblem::SizeOutOfRange) {
        game.GameFileError = true;
        return;
    }
    if (decoded.Problem == GameFileProblem::Corrupt) {
        ShowAlert(game, "Error reading");
        game.GameFileError = true;
        return;
    }
    const SavedGame& saved = decoded.Game;

    // 3.
    game.GridCols = static_cast<Integer>(saved.GridCols);
    game.GridRows = static_cast<Integer>(saved.GridRows);
    game.CellCount = static_cast<Integer>(saved.GridCols * saved.GridRows);
    // 4.
    game.ResetMainWindow();
    // 5.
    game.MoveCount = static_cast<Integer>(saved.MoveCount);
    // 6.
    for (int r = 1; r <= game.GridRows; ++r)
        for (int c = 1; c <= game.GridCols; ++c)
            game.Board[c][r] = saved.Cells[(r - 1) * game.GridCols + (c - 1)];
    // 7. An unknown order keeps the current one, with no Order item checked.
    game.UncheckOrderMenus();
    if (saved.OrderCode) {
        game.OrderCode = *saved.OrderCode;
        OrderMenu(game, game.OrderCode).Checked = true;
    }
    // 8. An unknown mode keeps the current one.
    if (saved.EmptySpaceMode == false) {
        game.EmptySpaceMode = false;
        game.ai_empty.Checked = false;
        game.HidePlayControls();
    } else if (saved.EmptySpaceMode == true) {
        game.EmptySpaceMode = true;
        game.ai_empty.Checked = true;
    }
    // 10.
    game.BuildGoal();
    // 11.
    game.KeepArrangement = true;
    game.Magnify = 1;
    game.ai_mag1.Checked = true;
    game.ai_mag2.Checked = false;
    game.ResetMainWindow();
    game.DealBoard();
    game.BuildBoard();
    game.KeepArrangement = false;

    // The loaded game is the player's to play, even when the game before it
    // was completed or its order changed, which had closed play; and a pick
    // left from that game's swap play may lie outside the new grid.
    if (game.EmptySpaceMode)
        game.ShowMoveButtons();
    else
        game.Command3.Enabled = true;
    game.SwapPending = false;
    game.GameDealt = true;
}

void SaveGameFile(Game& game) {
    // 1.
    game.GameFileError = false;
    // 2. The old file is replaced only once the new one is safely written.
    if (FileExists(game.GameFileName)) {
        const MessageAnswer answer = game.platform().ShowMessage(
            "Save game exists. Overwrite?", "Replace", MessageIcon::Question, MessageButtons::YesNo,
            MessageAnswer::No);
        if (answer != MessageAnswer::Yes)
            return;
    }
    // 3.
    SavedGame saved;
    saved.GridCols = game.GridCols;
    saved.GridRows = game.GridRows;
    saved.MoveCount = game.MoveCount;
    for (int r = 1; r <= game.GridRows; ++r)
        for (int c = 1; c <= game.GridCols; ++c)
            saved.Cells.push_back(game.Board[c][r]);
    saved.OrderCode = game.OrderCode;
    saved.EmptySpaceMode = game.EmptySpaceMode;
    // 4.
    if (!WriteFileAtomically(game.GameFileName, EncodeSavedGame(saved))) {
        ShowAlert(game, "Error saving");
        game.GameFileError = true;
    }
}

void ai_load_Click(Game& game) {
    ChooseImageFile(game);
    if (game.DialogCancelled)
        return;
    // A file that cannot be loaded brings back the default picture.
    const QImage picture = LoadPicture(game.ImagePath);
    game.PictureClip1.SetPicture(picture.isNull() ? game.Picture2 : picture);
}

void ChooseImageFile(Game& game) {
    game.DialogCancelled = true;
    const std::optional<std::string> path =
        game.platform().ShowFileDialog(FileDialogKind::Save, ImageFileFilter);
    if (!path)
        return;
    game.ImagePath = *path;
    game.DialogCancelled = false;
}

QImage LoadPicture(const std::string& path) {
    QImageReader reader(QString::fromStdString(path));
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > MaxPicturePixels)
        return {};
    // Where the header gives no size, the reader's own limit still applies.
    QImageReader::setAllocationLimit(int(MaxPicturePixels * 4 / (1024 * 1024)) + 1);
    QImage picture;
    if (!reader.read(&picture))
        return {};
    return picture;
}

}  // namespace mosaic
