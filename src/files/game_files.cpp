// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/game_files.h"

#include "files/picture_reader.h"

#include <QCoreApplication>

#include <cstdio>
#include <filesystem>

namespace mosaic {

namespace {

bool fileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

// A text the player sees, translated; lupdate finds the literal at each call
// through the QT_TRANSLATE_NOOP3 markers below.
std::string text(const char* english) {
    return QCoreApplication::translate("GameFiles", english).toStdString();
}

// The texts of this file, for lupdate.
[[maybe_unused]] const char* const textsForTranslation[] = {
    QT_TRANSLATE_NOOP("GameFiles", "File names are at most 12 characters long, with \".tsq\"."),
    QT_TRANSLATE_NOOP("GameFiles", "File name"),
    QT_TRANSLATE_NOOP("GameFiles", "Error reading"),
    QT_TRANSLATE_NOOP("GameFiles", "This is not a saved game."),
    QT_TRANSLATE_NOOP("GameFiles", "Save game exists. Overwrite?"),
    QT_TRANSLATE_NOOP("GameFiles", "Replace"),
    QT_TRANSLATE_NOOP("GameFiles", "Error saving"),
    QT_TRANSLATE_NOOP("GameFiles", "ALERT"),
    QT_TRANSLATE_NOOP("GameFiles", "It is not a picture the game can read."),
};

void showAlert(GameSession& session, const std::string& message, const std::string& detail) {
    session.platform().showMessage({.text = message,
                                    .detail = detail,
                                    .title = text("ALERT"),
                                    .icon = MessageIcon::Exclamation});
}

// "name: cause", the detail of a failure's message.
std::string failureDetail(const std::string& path, const std::string& cause) {
    return fileNamePart(path) + ": " + cause;
}

void tellRefusal(GameSession& session, const std::string& path, const std::string& cause,
                 Refusal refusal) {
    if (refusal == Refusal::AlwaysTold)
        std::fprintf(stderr, "mosaic-rush: %s: %s\n", path.c_str(), cause.c_str());
    showAlert(session, text("Error reading"), failureDetail(path, cause));
}

// Shows the file dialog until it gives an acceptable name or is cancelled.
std::optional<std::string> chooseGameFile(GameSession& session, FileDialogKind kind) {
    bool toldAboutLength = false;
    for (;;) {
        const std::optional<std::string> chosen =
            session.platform().chooseFile(kind, GameFileFilter);
        if (!chosen)
            return std::nullopt;
        const std::string path = applyDefaultExtension(*chosen);
        // Names are kept short: the dialog asks again, and says why the
        // first time.
        if (fileNameTooLong(path)) {
            if (!toldAboutLength)
                session.platform().showMessage(
                    {.text = text("File names are at most 12 characters long, with \".tsq\"."),
                     .detail = fileNamePart(path),
                     .title = text("File name")});
            toldAboutLength = true;
            continue;
        }
        if (kind == FileDialogKind::Open && !fileExists(path))
            continue;
        return path;
    }
}

}  // namespace

void loadGame(GameSession& session) {
    if (const std::optional<std::string> path = chooseGameFile(session, FileDialogKind::Open))
        openGameFile(session, *path);
}

void saveGame(GameSession& session) {
    if (const std::optional<std::string> path = chooseGameFile(session, FileDialogKind::Save))
        writeGameFile(session, *path);
}

bool openGameFile(GameSession& session, const std::string& path, Refusal refusal) {
    const auto refuse = [&](const std::string& detail) {
        tellRefusal(session, path, detail, refusal);
        return false;
    };
    // The whole file is read and checked before anything changes, so a
    // corrupt file leaves the game in progress exactly as it was.
    std::string cause;
    const std::optional<std::vector<std::uint8_t>> bytes = readGameFileBytes(path, &cause);
    if (!bytes)
        return refuse(cause);
    const DecodeResult decoded = decodeSavedGame(*bytes, session.playKind());
    // The Load dialog refuses a grid outside 1..10 without a message.
    if (decoded.problem == GameFileProblem::SizeOutOfRange && refusal == Refusal::QuietForGridSize)
        return false;
    if (decoded.problem != GameFileProblem::None)
        return refuse(text("This is not a saved game.") + " " + decoded.fault);
    const SavedGame& saved = decoded.game;
    session.openSavedGame(saved.board, saved.moveCount, saved.order, saved.play);
    return true;
}

SavedGame savedGameOf(const GameSession& session) {
    return {session.board(), session.moveCount(), session.order(), session.playKind()};
}

bool writeGameFile(GameSession& session, const std::string& path) {
    // The old file is replaced only once the new one is safely written.
    if (fileExists(path)) {
        const MessageAnswer answer =
            session.platform().showMessage({.text = text("Save game exists. Overwrite?"),
                                            .title = text("Replace"),
                                            .icon = MessageIcon::Question,
                                            .buttons = MessageButtons::YesNo,
                                            .defaultButton = MessageAnswer::No});
        if (answer != MessageAnswer::Yes)
            return false;
    }
    std::string cause;
    if (!writeFileAtomically(path, encodeSavedGame(savedGameOf(session)), &cause)) {
        showAlert(session, text("Error saving"), failureDetail(path, cause));
        return false;
    }
    return true;
}

void importImage(GameSession& session) {
    const std::optional<std::string> path =
        session.platform().chooseFile(FileDialogKind::OpenPicture, ImageFileFilter);
    if (path)
        importPictureFile(session, *path);
}

bool importPictureFile(GameSession& session, const std::string& path, Refusal refusal) {
    // A file that cannot be loaded brings back the default picture.
    const QImage picture = loadPicture(path);
    session.setSourcePicture(picture);
    if (picture.isNull() && refusal == Refusal::AlwaysTold)
        tellRefusal(session, path, text("It is not a picture the game can read."), refusal);
    return !picture.isNull();
}

QImage loadPicture(const std::string& path) {
    const std::optional<DecodedPicture> picture =
        readPictureWithinBounds(QString::fromStdString(path));
    return picture ? picture->image : QImage();
}

}  // namespace mosaic
