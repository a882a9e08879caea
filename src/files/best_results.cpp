// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/best_results.h"

#include "files/saved_game.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <string_view>
#include <tuple>

namespace mosaic {

namespace {

// Every key has at most one line of some 40 bytes; a larger file is not ours.
constexpr qint64 FileSizeLimit = 64 * 1024;
// The file's first line, without its line end; the number is the version.
const std::string Header = "mosaic-rush best results 2";
const std::string HeaderVersion1 = "mosaic-rush best results 1";
constexpr std::string_view DailyWord = "daily";
constexpr std::string_view NoRecord = "-";
constexpr std::string_view SlidingWord = "sliding";
constexpr std::string_view SwapWord = "swap";

// A text the player may see, translated.
std::string said(const char* english, const QString& argument = {}) {
    const QString text = QCoreApplication::translate("BestResults", english);
    return (argument.isNull() ? text : text.arg(argument)).toStdString();
}

auto rankOf(const BestResultKey& key) {
    return std::tuple(key.size.columns, key.size.rows, static_cast<int>(key.play),
                      static_cast<int>(key.order));
}

bool ranksBefore(const BestResult& entry, const BestResultKey& key) {
    return rankOf(entry.key) < rankOf(key);
}

bool sizeInRange(GridSize size) {
    return size.columns >= 1 && size.columns <= MaxGridSide && size.rows >= 1 &&
           size.rows <= MaxGridSide;
}

// Plain decimal digits only: no sign, no spaces, nothing after them.
std::optional<std::int64_t> numberIn(std::string_view text, std::int64_t lowest,
                                     std::int64_t highest) {
    if (text.empty() || text.front() < '0' || text.front() > '9')
        return std::nullopt;
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < lowest ||
        value > highest)
        return std::nullopt;
    return value;
}

// "-" or a number in range; nullopt in the outer optional when it is neither.
std::optional<std::optional<std::int64_t>> recordIn(std::string_view text, std::int64_t lowest,
                                                    std::int64_t highest) {
    if (text == NoRecord)
        return std::optional<std::int64_t>();
    if (auto value = numberIn(text, lowest, highest))
        return value;
    return std::nullopt;
}

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + 1;
    }
}

std::optional<BestResult> entryIn(std::string_view line) {
    const std::vector<std::string_view> fields = split(line, ' ');
    if (fields.size() != 7)
        return std::nullopt;
    const auto columns = numberIn(fields[0], 1, MaxGridSide);
    const auto rows = numberIn(fields[1], 1, MaxGridSide);
    const bool playKnown = fields[2] == SlidingWord || fields[2] == SwapWord;
    const std::optional<GoalOrder> order =
        orderFromSavedDigit(fields[3].size() == 1 ? fields[3][0] : '\0');
    const auto completed = numberIn(fields[4], 1, INT_MAX);
    const auto fewestMoves = recordIn(fields[5], 0, MaxMoveCount);
    const auto shortestTime = recordIn(fields[6], 0, MaxRecordTimeMs);
    if (!columns || !rows || !playKnown || !order || !completed || !fewestMoves || !shortestTime)
        return std::nullopt;

    BestResult entry;
    entry.key = {{int(*columns), int(*rows)},
                 fields[2] == SlidingWord ? PlayKind::Sliding : PlayKind::Swap,
                 *order};
    entry.completed = int(*completed);
    // Swap play's records once counted the move counter, which leaves swaps
    // out: a swap record of 0 cannot be right, and is dropped.
    if (*fewestMoves && !(entry.key.play == PlayKind::Swap && **fewestMoves == 0))
        entry.fewestMoves = int(**fewestMoves);
    entry.shortestTimeMs = *shortestTime;
    return entry;
}

// "daily 9 2026-12-07 3": games completed, last day, days in a row.
std::optional<DailyResults> dailyIn(std::string_view line) {
    const std::vector<std::string_view> fields = split(line, ' ');
    if (fields.size() != 4 || fields[0] != DailyWord)
        return std::nullopt;
    const auto completed = numberIn(fields[1], 1, INT_MAX);
    const std::optional<CalendarDate> lastDay = calendarDateFromIso(fields[2]);
    const auto daysInARow = numberIn(fields[3], 1, INT_MAX);
    if (!completed || !lastDay || !daysInARow)
        return std::nullopt;
    return DailyResults{int(*completed), lastDay, int(*daysInARow)};
}

struct FileContents {
    std::vector<BestResult> entries;
    DailyResults daily;
};

// The entries of a file's text, sorted, or a fault.
std::optional<FileContents> entriesIn(std::string_view text, std::string& fault) {
    std::vector<std::string_view> lines = split(text, '\n');
    if (lines.back().empty())
        lines.pop_back();  // the line end of the last line
    // A file that passed through another system may end its lines in CR LF.
    for (std::string_view& line : lines)
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
    if (lines.empty() || (lines.front() != Header && lines.front() != HeaderVersion1)) {
        fault = said(QT_TRANSLATE_NOOP("BestResults", "The first line is not \"%1\"."),
                     QString::fromStdString(Header));
        return std::nullopt;
    }
    std::vector<BestResult> entries;
    std::optional<DailyResults> daily;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const QString lineNumber = QString::number(i + 1);
        if (lines[i].starts_with(DailyWord) && !daily) {
            daily = dailyIn(lines[i]);
            if (daily)
                continue;
        }
        const std::optional<BestResult> entry = entryIn(lines[i]);
        if (!entry) {
            fault =
                said(QT_TRANSLATE_NOOP("BestResults", "Line %1 is not a best result."), lineNumber);
            return std::nullopt;
        }
        const auto place =
            std::lower_bound(entries.begin(), entries.end(), entry->key, ranksBefore);
        if (place != entries.end() && place->key == entry->key) {
            fault =
                said(QT_TRANSLATE_NOOP("BestResults", "Line %1 repeats a grid, play and order."),
                     lineNumber);
            return std::nullopt;
        }
        entries.insert(place, *entry);
    }
    return FileContents{std::move(entries), daily.value_or(DailyResults{})};
}

std::string lineOf(const BestResult& entry) {
    const auto record = [](const auto& value) {
        return value ? std::to_string(*value) : std::string(NoRecord);
    };
    return std::to_string(entry.key.size.columns) + ' ' + std::to_string(entry.key.size.rows) +
           ' ' + std::string(entry.key.play == PlayKind::Sliding ? SlidingWord : SwapWord) + ' ' +
           savedDigit(entry.key.order) + ' ' + std::to_string(entry.completed) + ' ' +
           record(entry.fewestMoves) + ' ' + record(entry.shortestTimeMs) + '\n';
}

// Renames a damaged file to path + ".bad", replacing an older file of that
// name in one step. Where the name is taken by anything else (a folder, a
// link), the first free or plain-file name of ".bad.2", ".bad.3", ... is used.
std::optional<std::string> setAside(const std::string& path) {
    for (int number = 1; number <= 99; ++number) {
        const std::string badPath =
            path + ".bad" + (number > 1 ? "." + std::to_string(number) : "");
        std::error_code error;
        const auto status = std::filesystem::symlink_status(badPath, error);
        if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
            continue;
        if (std::rename(path.c_str(), badPath.c_str()) == 0)
            return badPath;
    }
    return std::nullopt;
}

// The entries the file holds, or nullopt with a fault when it is missing
// (empty fault), not a file, unreadable, too large or damaged.
std::optional<FileContents> readEntries(const std::string& path, std::string& fault) {
    const QString filePath = QString::fromStdString(path);
    const QFileInfo info(filePath);
    if (!info.exists())
        return std::nullopt;
    if (!info.isFile()) {
        fault = said(QT_TRANSLATE_NOOP("BestResults", "It is not a file."));
        return std::nullopt;
    }
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly)) {
        fault = file.errorString().toStdString();
        return std::nullopt;
    }
    const QByteArray bytes = file.read(FileSizeLimit + 1);
    if (file.error() != QFileDevice::NoError) {
        fault = file.errorString().toStdString();
        return std::nullopt;
    }
    if (bytes.size() > FileSizeLimit) {
        fault = said(QT_TRANSLATE_NOOP("BestResults", "It is too large."));
        return std::nullopt;
    }
    return entriesIn(std::string_view(bytes.data(), bytes.size()), fault);
}

}  // namespace

std::string BestResults::defaultPath() {
    return (QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
            QStringLiteral("/best-results.txt"))
        .toStdString();
}

BestResults::BestResults(std::string path) : path_(std::move(path)) {}

BestResultsLoad BestResults::load() {
    entries_.clear();
    // What a game killed while saving left beside the file goes at start.
    removeLeftoverTemporaries(path_);
    std::string fault;
    if (auto contents = readEntries(path_, fault)) {
        entries_ = std::move(contents->entries);
        daily_ = contents->daily;
    }
    if (fault.empty())
        return {};
    const std::optional<std::string> badPath = setAside(path_);
    return {true, badPath.has_value(), badPath.value_or(""), fault};
}

BestResults::SavedCompletion BestResults::recordCompletionInFile(
    const BestResultKey& key, int moves, std::int64_t timeMs, bool movesCount, bool timeCounts,
    std::optional<CalendarDate> daily) {
    SavedCompletion result;
    const QString folder = QFileInfo(QString::fromStdString(path_)).absolutePath();
    QDir().mkpath(folder);
    // Another game window may be writing the file: wait for it a while; a
    // lock left by a game that has ended is taken over.
    QLockFile lock(QString::fromStdString(path_) + QStringLiteral(".lock"));
    const bool locked = lock.tryLock(5000);
    // The file as the other windows left it; a file damaged since the start
    // leaves the results this window holds.
    std::string fault;
    if (auto contents = readEntries(path_, fault)) {
        entries_ = std::move(contents->entries);
        daily_ = contents->daily;
    } else if (fault.empty()) {
        reset();  // removed since: start afresh
    } else {
        setAside(path_);  // damaged since: kept aside, not written over
    }
    result.records = recordCompletion(key, moves, timeMs, movesCount, timeCounts);
    if (daily)
        recordDaily(*daily);
    if (!locked) {
        result.cause =
            said(QT_TRANSLATE_NOOP("BestResults", "Another game is writing the best results."));
        return result;
    }
    result.saved = save(&result.cause);
    return result;
}

NewRecords BestResults::recordCompletion(const BestResultKey& key, int moves, std::int64_t timeMs,
                                         bool movesCount, bool timeCounts) {
    if (!sizeInRange(key.size))
        return {};
    auto place = std::lower_bound(entries_.begin(), entries_.end(), key, ranksBefore);
    if (place == entries_.end() || !(place->key == key))
        place = entries_.insert(place, BestResult{key, 0, {}, {}});
    BestResult& entry = *place;
    if (entry.completed < INT_MAX)
        ++entry.completed;

    // Out-of-range values are held at the nearest value the file can store.
    moves = std::clamp(moves, 0, MaxMoveCount);
    timeMs = std::clamp<std::int64_t>(timeMs, 0, MaxRecordTimeMs);
    NewRecords records;
    if (movesCount && (!entry.fewestMoves || moves < *entry.fewestMoves)) {
        entry.fewestMoves = moves;
        records.fewestMoves = true;
    }
    if (timeCounts && (!entry.shortestTimeMs || timeMs < *entry.shortestTimeMs)) {
        entry.shortestTimeMs = timeMs;
        records.shortestTime = true;
    }
    return records;
}

void BestResults::recordDaily(const CalendarDate& day) {
    if (daily_.completed < INT_MAX)
        ++daily_.completed;
    // A day's game completed again, or an older day's, leaves the run as it is.
    const std::int64_t after = daily_.lastDay ? day.dayNumber() - daily_.lastDay->dayNumber() : 2;
    if (after <= 0)
        return;
    daily_.daysInARow = after == 1 && daily_.daysInARow < INT_MAX ? daily_.daysInARow + 1 : 1;
    daily_.lastDay = day;
}

bool BestResults::save(std::string* cause) const {
    const QString folder = QFileInfo(QString::fromStdString(path_)).absolutePath();
    if (!QDir().mkpath(folder)) {
        if (cause)
            *cause = said(QT_TRANSLATE_NOOP("BestResults", "Cannot create the folder %1."), folder);
        return false;
    }
    std::string text = Header + '\n';
    for (const BestResult& entry : entries_)
        text += lineOf(entry);
    if (daily_.lastDay)
        text += std::string(DailyWord) + ' ' + std::to_string(daily_.completed) + ' ' +
                daily_.lastDay->iso() + ' ' + std::to_string(daily_.daysInARow) + '\n';
    return writeFileAtomically(
        path_, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}, cause);
}

}  // namespace mosaic
