// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/saved_game.h"

#include <QCoreApplication>

#include <array>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mosaic {

namespace {

constexpr int EmptyCellByte = 255;
constexpr std::size_t HeaderBytes = 4;  // columns, rows, two move bytes

// True when the cell bytes hold exactly the labels of a game with that many
// cells: sliding play 1..N-1 and one empty cell, swap play 1..N.
bool cellsHoldFullLabelSet(std::span<const int> cells, PlayKind play) {
    const int cellCount = static_cast<int>(cells.size());
    const int highestLabel = play == PlayKind::Sliding ? cellCount - 1 : cellCount;
    std::array<bool, 256> seen{};
    for (int value : cells) {
        const bool isLabel = value >= 1 && value <= highestLabel;
        const bool isEmpty = play == PlayKind::Sliding && value == EmptyCellByte;
        if (!(isLabel || isEmpty) || seen[static_cast<std::size_t>(value)])
            return false;
        seen[static_cast<std::size_t>(value)] = true;
    }
    // N distinct values from a set of exactly N allowed values: all are there.
    return true;
}

}  // namespace

DecodeResult decodeSavedGame(std::span<const std::uint8_t> bytes, PlayKind currentPlay) {
    // The file is read as a fixed layout; bytes past its end count as zero.
    auto byteAt = [&](std::size_t offset) -> int {
        return offset < bytes.size() ? bytes[offset] : 0;
    };

    const int columns = byteAt(0);
    const int rows = byteAt(1);
    if (columns < 1 || columns > MaxGridSide || rows < 1 || rows > MaxGridSide)
        return {GameFileProblem::SizeOutOfRange, {},
                QCoreApplication::translate("SavedGame", "The grid is not 1..10 by 1..10.")
                    .toStdString()};

    const int movesHigh = byteAt(2);
    if (movesHigh > MaxMoveCount / 256)
        return {GameFileProblem::Corrupt, {},
                QCoreApplication::translate("SavedGame", "The move count is over 32767.")
                    .toStdString()};

    SavedGame game;
    game.moveCount = movesHigh * 256 + byteAt(3);

    const std::size_t cellCount = static_cast<std::size_t>(columns * rows);
    std::vector<int> cellBytes(cellCount);
    for (std::size_t i = 0; i < cellCount; ++i)
        cellBytes[i] = byteAt(HeaderBytes + i);

    const int orderByte = byteAt(HeaderBytes + cellCount);
    // A zero order byte reads as '1'.
    game.order = orderFromSavedDigit(orderByte == 0 ? '1' : static_cast<char>(orderByte));

    const int modeByte = byteAt(HeaderBytes + cellCount + 1);
    game.play = modeByte == '0'   ? PlayKind::Swap
                : modeByte == '1' ? PlayKind::Sliding
                                  : currentPlay;

    if (bytes.size() < HeaderBytes + cellCount)
        return {GameFileProblem::Corrupt, {},
                QCoreApplication::translate("SavedGame",
                                            "The file ends before the last cell of its %1 x %2 grid.")
                    .arg(columns)
                    .arg(rows)
                    .toStdString()};
    if (!cellsHoldFullLabelSet(cellBytes, game.play)) {
        const QString fault =
            game.play == PlayKind::Sliding
                ? QCoreApplication::translate("SavedGame",
                                              "The cells of its %1 x %2 grid do not hold the pieces "
                                              "1 to %3 and one empty cell once each.")
                : QCoreApplication::translate(
                      "SavedGame",
                      "The cells of its %1 x %2 grid do not hold the pieces 1 to %3 once each.");
        const int pieces = game.play == PlayKind::Sliding ? int(cellCount) - 1 : int(cellCount);
        return {GameFileProblem::Corrupt, {},
                fault.arg(columns).arg(rows).arg(pieces).toStdString()};
    }

    game.board = Board({columns, rows});
    for (std::size_t i = 0; i < cellCount; ++i) {
        const int value = cellBytes[i];
        const Cell cell{static_cast<int>(i) % columns + 1, static_cast<int>(i) / columns + 1};
        game.board.setLabel(cell, value == EmptyCellByte ? Board::EmptyCell : value);
    }
    return {GameFileProblem::None, std::move(game), {}};
}

std::vector<std::uint8_t> encodeSavedGame(const SavedGame& game) {
    const Board& board = game.board;
    std::vector<std::uint8_t> bytes;
    bytes.reserve(HeaderBytes + static_cast<std::size_t>(board.size().cellCount()) + 2);
    bytes.push_back(static_cast<std::uint8_t>(board.columns()));
    bytes.push_back(static_cast<std::uint8_t>(board.rows()));
    bytes.push_back(static_cast<std::uint8_t>(game.moveCount / 256));
    bytes.push_back(static_cast<std::uint8_t>(game.moveCount % 256));
    for (int row = 1; row <= board.rows(); ++row)
        for (int column = 1; column <= board.columns(); ++column) {
            const int label = board.label({column, row});
            bytes.push_back(
                static_cast<std::uint8_t>(label == Board::EmptyCell ? EmptyCellByte : label));
        }
    bytes.push_back(
        static_cast<std::uint8_t>(savedDigit(game.order.value_or(GoalOrder::RowsAscending))));
    bytes.push_back(static_cast<std::uint8_t>(game.play == PlayKind::Sliding ? '1' : '0'));
    return bytes;
}

std::string fileNamePart(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string applyDefaultExtension(const std::string& path) {
    const auto slash = path.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::string name = path.substr(nameStart);

    if (name.find(".tsq") != std::string::npos)
        return path;

    const auto dot = name.find('.');
    if (dot != std::string::npos)
        return path.substr(0, nameStart + dot + 1) + "tsq";

    const auto first = path.find_first_not_of(' ');
    if (first == std::string::npos)
        return ".tsq";
    const auto last = path.find_last_not_of(' ');
    return path.substr(first, last - first + 1) + ".tsq";
}

bool fileNameTooLong(const std::string& path) {
    std::size_t characters = 0;
    for (unsigned char c : fileNamePart(path))
        if ((c & 0xC0) != 0x80)
            ++characters;  // count each UTF-8 sequence once
    return characters > 12;
}

std::optional<std::vector<std::uint8_t>> readGameFileBytes(const std::string& path,
                                                           std::string* cause) {
    const auto fail = [cause](const std::string& why) -> std::optional<std::vector<std::uint8_t>> {
        if (cause)
            *cause = why;
        return std::nullopt;
    };
    // O_NONBLOCK keeps a FIFO from hanging the open; it is refused just below.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return fail(std::strerror(errno));
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return fail(QCoreApplication::translate("SavedGame", "It is not a file.").toStdString());
    }
    std::vector<std::uint8_t> bytes(GameFileReadLimit);
    std::size_t filled = 0;
    int error = 0;
    while (filled < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            error = errno;
        if (got <= 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    ::close(fd);
    if (error != 0)
        return fail(std::strerror(error));
    bytes.resize(filled);
    return bytes;
}

namespace {

bool failWith(std::string* cause, const std::string& why) {
    if (cause)
        *cause = why;
    return false;
}

bool failWithErrno(std::string* cause) {
    return failWith(cause, std::strerror(errno));
}

// Why nothing can be made in a folder, naming the folder.
std::string folderFault(const std::string& folder, int error) {
    const QString name = QString::fromStdString(folder);
    if (error == ENOENT || error == ENOTDIR)
        return QCoreApplication::translate("SavedGame", "The folder %1 does not exist.")
            .arg(name)
            .toStdString();
    return QCoreApplication::translate("SavedGame", "The folder %1 cannot be written: %2")
        .arg(name, QString::fromLocal8Bit(std::strerror(error)))
        .toStdString();
}

// The name a save's temporary file takes beside its target: hidden, and
// carrying the writer's process id, so that what a killed writer left can
// be told from a save under way.
std::string temporaryName(const std::string& folder, const std::string& name, pid_t pid,
                          unsigned serial) {
    return folder + "/." + name + "." + std::to_string(pid) + "-" + std::to_string(serial) +
           ".part";
}

// The process id in a temporary file's name made for `name`, or 0.
pid_t writerOf(const std::string& entry, const std::string& name) {
    const std::string prefix = "." + name + ".";
    if (entry.size() <= prefix.size() + 5 || entry.compare(0, prefix.size(), prefix) != 0 ||
        entry.compare(entry.size() - 5, 5, ".part") != 0)
        return 0;
    const std::string rest = entry.substr(prefix.size(), entry.size() - prefix.size() - 5);
    const std::size_t dash = rest.find('-');
    if (dash == 0 || dash == std::string::npos ||
        rest.find_first_not_of("0123456789") != dash ||
        rest.find_first_not_of("0123456789", dash + 1) != std::string::npos)
        return 0;
    return static_cast<pid_t>(std::strtol(rest.substr(0, dash).c_str(), nullptr, 10));
}

int writeAll(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            return wrote < 0 ? errno : EIO;
        done += static_cast<std::size_t>(wrote);
    }
    return 0;
}

}  // namespace

void removeLeftoverTemporaries(const std::string& path) {
    const std::filesystem::path target(path);
    const std::string name = target.filename().string();
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const pid_t writer = writerOf(entry.path().filename().string(), name);
        // Only a writer that has ended: a save under way keeps its file.
        if (writer > 0 && ::kill(writer, 0) != 0 && errno == ESRCH)
            std::filesystem::remove(entry.path(), error);
    }
}

bool writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes,
                         std::string* cause) {
    // The file that takes the bytes: a symbolic link's target, which must
    // exist; a link to nothing is refused rather than creating its target.
    std::string target = path;
    struct stat info {};
    const bool exists = ::stat(path.c_str(), &info) == 0;
    struct stat linkInfo {};
    if (::lstat(path.c_str(), &linkInfo) == 0 && S_ISLNK(linkInfo.st_mode)) {
        if (!exists)
            return failWith(cause, QCoreApplication::translate(
                                       "SavedGame", "It is a link to a file that does not exist.")
                                       .toStdString());
        char* resolved = ::realpath(path.c_str(), nullptr);
        if (!resolved)
            return failWithErrno(cause);
        target = resolved;
        std::free(resolved);
    }
    if (exists && !S_ISREG(info.st_mode))
        return failWith(cause,
                        QCoreApplication::translate("SavedGame", "It is not a file.").toStdString());

    const std::filesystem::path targetPath(target);
    const std::string folder =
        targetPath.has_parent_path() ? targetPath.parent_path().string() : std::string(".");
    const std::string name = targetPath.filename().string();
    removeLeftoverTemporaries(target);

    // The bytes go to a file of their own beside the target, are flushed to
    // the disk, and only then take the target's name: a write that fails, on a
    // full disk say, leaves the old file as it was.
    static std::atomic<unsigned> serial{0};
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = temporaryName(folder, name, ::getpid(), serial++);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return failWith(cause, folderFault(folder, errno));
    }
    if (fd < 0)
        return failWithErrno(cause);
    int error = 0;
    if (exists && ::fchmod(fd, info.st_mode & 07777) != 0)
        error = errno;
    if (error == 0)
        error = writeAll(fd, bytes);
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        errno = error;
        return failWithErrno(cause);
    }
    // The new name itself reaches the disk with the folder.
    if (const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        folderFd >= 0) {
        ::fsync(folderFd);
        ::close(folderFd);
    }
    return true;
}

}  // namespace mosaic
