#include "files/saved_game.h"

#include <array>
#include <cassert>
#include <cerrno>
#include <cstdio>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mosaic {

namespace {

constexpr int MaxGridSide = 10;
constexpr int MaxMoveCount = 32767;
constexpr int EmptyCellByte = 255;
constexpr std::size_t HeaderBytes = 4;  // columns, rows, two move bytes

struct OrderDigit {
    char Digit;
    const char* Code;
};
constexpr std::array<OrderDigit, 4> OrderDigits{
    {{'1', "HA"}, {'2', "HD"}, {'3', "VA"}, {'4', "VD"}}};

// The byte a cell label is saved as: 255 for " ", the number for "1".."100",
// -1 for anything else (leading zeros, signs, spaces, numbers out of range).
int CellByteOfLabel(const std::string& label) {
    if (label == " ")
        return EmptyCellByte;
    if (label.empty() || label.size() > 3 || label[0] == '0')
        return -1;
    int value = 0;
    for (char c : label) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value <= 100 ? value : -1;
}

// True when the cell bytes hold exactly the labels of a game with that many
// cells: sliding play 1..N-1 and one empty cell, swap play 1..N.
bool CellsHoldFullLabelSet(std::span<const int> cells, bool emptySpaceMode) {
    const int cellCount = static_cast<int>(cells.size());
    const int highestLabel = emptySpaceMode ? cellCount - 1 : cellCount;
    std::array<bool, 256> seen{};
    for (int value : cells) {
        const bool isLabel = value >= 1 && value <= highestLabel;
        const bool isEmpty = emptySpaceMode && value == EmptyCellByte;
        if (!(isLabel || isEmpty) || seen[static_cast<std::size_t>(value)])
            return false;
        seen[static_cast<std::size_t>(value)] = true;
    }
    // N distinct values from a set of exactly N allowed values: all are there.
    return true;
}

[[maybe_unused]] bool IsValidForSaving(const SavedGame& game) {
    if (game.GridCols < 1 || game.GridCols > MaxGridSide)
        return false;
    if (game.GridRows < 1 || game.GridRows > MaxGridSide)
        return false;
    if (game.MoveCount < 0 || game.MoveCount > MaxMoveCount)
        return false;
    if (game.Cells.size() != static_cast<std::size_t>(game.GridCols * game.GridRows))
        return false;
    if (game.OrderCode) {
        bool known = false;
        for (const auto& entry : OrderDigits)
            known = known || *game.OrderCode == entry.Code;
        if (!known)
            return false;
    }
    std::vector<int> values;
    for (const auto& label : game.Cells)
        values.push_back(CellByteOfLabel(label));
    return CellsHoldFullLabelSet(values, game.EmptySpaceMode.value_or(true));
}

// write() until everything is written; false on any error.
bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

std::string RandomTag() {
    static thread_local std::mt19937_64 generator{std::random_device{}()};
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(generator()));
    return text;
}

}  // namespace

DecodeResult DecodeSavedGame(std::span<const std::uint8_t> bytes, bool currentEmptySpaceMode) {
    // The file is read as a fixed layout; bytes past its end count as zero.
    auto byteAt = [&](std::size_t offset) -> int {
        return offset < bytes.size() ? bytes[offset] : 0;
    };

    const int cols = byteAt(0);
    const int rows = byteAt(1);
    if (cols < 1 || cols > MaxGridSide || rows < 1 || rows > MaxGridSide)
        return {GameFileProblem::SizeOutOfRange, {}};

    const int movesHigh = byteAt(2);
    if (movesHigh > MaxMoveCount / 256)
        return {GameFileProblem::Corrupt, {}};

    SavedGame game;
    game.GridCols = cols;
    game.GridRows = rows;
    game.MoveCount = movesHigh * 256 + byteAt(3);

    const std::size_t cellCount = static_cast<std::size_t>(cols * rows);
    std::vector<int> cellBytes(cellCount);
    for (std::size_t i = 0; i < cellCount; ++i)
        cellBytes[i] = byteAt(HeaderBytes + i);

    const int orderByte = byteAt(HeaderBytes + cellCount);
    if (orderByte == 0)
        game.OrderCode = "HA";  // a zero order byte reads as '1'
    for (const auto& entry : OrderDigits)
        if (orderByte == entry.Digit)
            game.OrderCode = entry.Code;

    const int modeByte = byteAt(HeaderBytes + cellCount + 1);
    if (modeByte == '0')
        game.EmptySpaceMode = false;
    if (modeByte == '1')
        game.EmptySpaceMode = true;

    if (!CellsHoldFullLabelSet(cellBytes, game.EmptySpaceMode.value_or(currentEmptySpaceMode)))
        return {GameFileProblem::Corrupt, {}};

    game.Cells.reserve(cellCount);
    for (int value : cellBytes)
        game.Cells.push_back(value == EmptyCellByte ? " " : std::to_string(value));
    return {GameFileProblem::None, std::move(game)};
}

std::vector<std::uint8_t> EncodeSavedGame(const SavedGame& game) {
    assert(IsValidForSaving(game));
    const std::size_t cellCount = static_cast<std::size_t>(game.GridCols * game.GridRows);

    std::vector<std::uint8_t> bytes;
    bytes.reserve(HeaderBytes + cellCount + 2);
    bytes.push_back(static_cast<std::uint8_t>(game.GridCols));
    bytes.push_back(static_cast<std::uint8_t>(game.GridRows));
    bytes.push_back(static_cast<std::uint8_t>(game.MoveCount / 256));
    bytes.push_back(static_cast<std::uint8_t>(game.MoveCount % 256));
    for (std::size_t i = 0; i < cellCount; ++i) {
        const int value = i < game.Cells.size() ? CellByteOfLabel(game.Cells[i]) : -1;
        bytes.push_back(static_cast<std::uint8_t>(value < 0 ? 0 : value));
    }

    char orderDigit = '1';
    if (game.OrderCode)
        for (const auto& entry : OrderDigits)
            if (*game.OrderCode == entry.Code)
                orderDigit = entry.Digit;
    bytes.push_back(static_cast<std::uint8_t>(orderDigit));
    bytes.push_back(static_cast<std::uint8_t>(game.EmptySpaceMode.value_or(true) ? '1' : '0'));
    return bytes;
}

std::string FileNamePart(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ApplyDefaultExtension(const std::string& path) {
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

bool FileNameTooLong(const std::string& path) {
    std::size_t characters = 0;
    for (unsigned char c : FileNamePart(path))
        if ((c & 0xC0) != 0x80)
            ++characters;  // count each UTF-8 sequence once
    return characters > 12;
}

std::optional<std::vector<std::uint8_t>> ReadGameFileBytes(const std::string& path) {
    // O_NONBLOCK keeps a FIFO from hanging the open; it is refused just below.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return std::nullopt;

    std::optional<std::vector<std::uint8_t>> result;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        std::vector<std::uint8_t> bytes(GameFileReadLimit);
        std::size_t filled = 0;
        bool failed = false;
        while (filled < bytes.size()) {
            const ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                failed = true;
            if (got <= 0)
                break;
            filled += static_cast<std::size_t>(got);
        }
        if (!failed) {
            bytes.resize(filled);
            result = std::move(bytes);
        }
    }
    ::close(fd);
    return result;
}

bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        temporary = path + "." + RandomTag() + ".tmp";
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    if (fd < 0)
        return false;

    bool ok = WriteAll(fd, bytes);
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
        return false;
    }

    // Make the rename itself durable. The new file is in place already, so a
    // failure here does not make the save fail.
    const int folder = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}

}  // namespace mosaic
