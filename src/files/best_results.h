// SPDX-License-Identifier: GPL-3.0-or-later
// The player's best results: for each grid size, kind of play and goal order,
// how many games were completed, the fewest moves and the shortest time.
//
// They live in a small text file. The first line names the file and its
// version; then each line holds one entry, its fields separated by one space:
//   mosaic-rush best results 2
//   4 4 sliding 1 12 87 61234
//   3 5 swap 3 2 - -
//   daily 9 2026-12-07 3
// that is columns, rows, "sliding" or "swap", the order digit of a saved game
// ('1' to '4'), games completed, fewest moves and shortest time in
// milliseconds, "-" for a record not yet set. The one "daily" line holds the
// daily games completed, the last day completed and the days in a row up to
// it. Version 1 files, which have no daily line, are read as well.
#pragma once

#include "engine/board.h"
#include "engine/daily.h"
#include "engine/goal.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace mosaic {

// What a record is kept for.
struct BestResultKey {
    GridSize size;  // 1..10 by 1..10, as a saved game may hold
    PlayKind play = PlayKind::Sliding;
    GoalOrder order = GoalOrder::RowsAscending;

    bool operator==(const BestResultKey&) const = default;
};

// The longest time a record holds: 999 hours.
inline constexpr std::int64_t MaxRecordTimeMs = 999LL * 60 * 60 * 1000;

struct BestResult {
    BestResultKey key;
    int completed = 0;  // at least 1 once an entry exists
    std::optional<int> fewestMoves;
    std::optional<std::int64_t> shortestTimeMs;

    bool operator==(const BestResult&) const = default;
};

// The daily games: how many were completed, and the run of days in a row,
// each with a daily game completed, that ends on the last.
struct DailyResults {
    int completed = 0;
    std::optional<CalendarDate> lastDay;
    int daysInARow = 0;

    // The run as it stands on `today`: none once a day has gone by without.
    int daysInARowOn(const CalendarDate& today) const {
        return lastDay && today.dayNumber() - lastDay->dayNumber() <= 1 ? daysInARow : 0;
    }
    bool operator==(const DailyResults&) const = default;
};

// The records a completed game set.
struct NewRecords {
    bool fewestMoves = false;
    bool shortestTime = false;

    bool newBest() const { return fewestMoves || shortestTime; }
};

// What load() found; whatever it found, the results are usable afterwards.
struct BestResultsLoad {
    bool damaged = false;   // the file could not be used and the results start empty
    bool setAside = false;  // the damaged file now has ".bad" appended to its name
    std::string setAsidePath;  // where it went: path + ".bad", or ".bad.2" and so on
    std::string fault;      // what was wrong, when damaged
};

class BestResults {
public:
    // The file in the game's data folder.
    static std::string defaultPath();

    explicit BestResults(std::string path = defaultPath());

    const std::string& path() const { return path_; }

    // Reads the file. A missing file gives empty results; a damaged or
    // unreadable one is renamed to path + ".bad" (replacing an older file of
    // that name; where a folder or the like holds the name, path + ".bad.2",
    // ".bad.3" and so on) so that its contents are not lost, and the results
    // start empty. Lines may end in CR LF.
    BestResultsLoad load();

    // Counts a completed game. movesCount: the player finished it alone, so
    // its moves may set a record; timeCounts: its time may set one too (not
    // when it was loaded from a file). Keys outside 1..10 by 1..10 are not
    // kept.
    NewRecords recordCompletion(const BestResultKey& key, int moves, std::int64_t timeMs,
                                bool movesCount, bool timeCounts);

    // Counts a completed game in the file as every game window left it:
    // under a lock beside the file, the file is read again, the game counted
    // and the file written, so that games finished in two windows at once
    // both count. The results then hold what the file holds. saved is false,
    // with the cause, when the file could not be written.
    struct SavedCompletion {
        NewRecords records;
        bool saved = false;
        std::string cause;
    };
    SavedCompletion recordCompletionInFile(const BestResultKey& key, int moves, std::int64_t timeMs,
                                           bool movesCount, bool timeCounts,
                                           std::optional<CalendarDate> daily = std::nullopt);
    // Counts the daily game of a day as completed.
    void recordDaily(const CalendarDate& day);

    // Forgets every entry; save() then writes an empty file.
    void reset() {
        entries_.clear();
        daily_ = {};
    }

    // Writes the file whole or not at all, creating its folder when needed.
    // On failure cause, when given, says why.
    bool save(std::string* cause = nullptr) const;

    // Sorted by grid (columns, then rows), then kind of play, then order.
    const std::vector<BestResult>& entries() const { return entries_; }
    const DailyResults& daily() const { return daily_; }

private:
    std::string path_;
    std::vector<BestResult> entries_;
    DailyResults daily_;
};

}  // namespace mosaic
