// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The daily game: one 4 x 4 sliding board a calendar day, rows ascending,
// the same for every player, every install and every version of the game.
//
// Version 1 of its deal: the date is written "yyyy-mm-dd" after the words
// "mosaic-rush daily 1 ", and the 32-bit FNV-1a hash of those bytes is the
// seed that the deal's random source takes in place of the clock. That
// source (std::mt19937 seeded through std::seed_seq) and its use are exactly
// as the C++ standard specifies them, with no library distribution between
// them and the deal, so no library version changes a day's board. Another
// deal for the daily game must take the next version number.

#include "engine/board.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace mosaic {

struct CalendarDate {
    int year = 1970;
    int month = 1;
    int day = 1;

    bool operator==(const CalendarDate&) const = default;
    std::string iso() const;  // "2026-12-07"
    // Days since 1970-01-01 in the proleptic Gregorian calendar.
    std::int64_t dayNumber() const;
};

// A valid date written "yyyy-mm-dd", or nothing.
std::optional<CalendarDate> calendarDateFromIso(std::string_view text);

std::uint32_t dailySeed(const CalendarDate& date);
Board dailyBoard(const CalendarDate& date);

}  // namespace mosaic
