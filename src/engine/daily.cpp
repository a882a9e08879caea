// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/daily.h"

#include "engine/deal.h"
#include "engine/goal.h"

#include <charconv>
#include <cstdio>

namespace mosaic {

std::string CalendarDate::iso() const {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return text;
}

std::int64_t CalendarDate::dayNumber() const {
    // Days from civil, after Howard Hinnant's chrono algorithms.
    const std::int64_t y = year - (month <= 2 ? 1 : 0);
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yearOfEra = y - era * 400;
    const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

std::optional<CalendarDate> calendarDateFromIso(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const auto number = [&](std::size_t at, std::size_t length) -> std::optional<int> {
        int value = 0;
        const char* end = text.data() + at + length;
        const auto [stop, error] = std::from_chars(text.data() + at, end, value);
        if (error != std::errc() || stop != end || text[at] < '0' || text[at] > '9')
            return std::nullopt;
        return value;
    };
    const auto year = number(0, 4), month = number(5, 2), day = number(8, 2);
    if (!year || !month || !day || *month < 1 || *month > 12 || *day < 1)
        return std::nullopt;
    const bool leap = (*year % 4 == 0 && *year % 100 != 0) || *year % 400 == 0;
    constexpr int Days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (*day > Days[*month - 1] + (*month == 2 && leap ? 1 : 0))
        return std::nullopt;
    return CalendarDate{*year, *month, *day};
}

std::uint32_t dailySeed(const CalendarDate& date) {
    std::uint32_t hash = 2166136261u;
    for (const char byte : "mosaic-rush daily 1 " + date.iso()) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 16777619u;
    }
    return hash;
}

Board dailyBoard(const CalendarDate& date) {
    const std::uint32_t seed = dailySeed(date);
    DealRandom random([seed] { return seed; });
    return dealBoard(goalBoard(GoalOrder::RowsAscending, PlayKind::Sliding, {4, 4}),
                     PlayKind::Sliding, random);
}

}  // namespace mosaic
