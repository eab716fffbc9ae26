#include "journal/core/diary_dates.h"

#include <algorithm>
#include <cstdio>

namespace journal {

using namespace std::chrono;

std::optional<sys_days> parseDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    int parts[3] = {0, 0, 0};
    const std::size_t starts[3] = {0, 5, 8}, lengths[3] = {4, 2, 2};
    for (int k = 0; k < 3; ++k)
        for (std::size_t c = starts[k]; c < starts[k] + lengths[k]; ++c) {
            if (text[c] < '0' || text[c] > '9')
                return std::nullopt;
            parts[k] = parts[k] * 10 + (text[c] - '0');
        }
    const year_month_day day{year{parts[0]}, month{static_cast<unsigned>(parts[1])},
                             std::chrono::day{static_cast<unsigned>(parts[2])}};
    if (!day.ok())
        return std::nullopt;
    return sys_days{day};
}

std::string formatDate(sys_days day) {
    const year_month_day date{day};
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

sys_days mondayOf(sys_days day) {
    const weekday wd{day};
    return day - days{(wd.c_encoding() + 6) % 7}; // Sunday is 0 in the C encoding
}

long long minutesDoneInWeek(const Diary& diary, sys_days monday) {
    long long sum = 0;
    for (const auto& [id, entry] : diary.entries) {
        const auto day = parseDate(entry.date);
        if (day && *day >= monday && *day < monday + days{7})
            sum += entry.doneMinutes;
    }
    return sum;
}

long long minutesDoneIn(const Diary& diary, std::string_view subject) {
    long long sum = 0;
    for (const auto& [id, entry] : diary.entries)
        if (entry.subject == subject)
            sum += entry.doneMinutes;
    return sum;
}

int goalPercent(long long done, int goal) {
    if (goal <= 0)
        return 100;
    return static_cast<int>(std::clamp<long long>(done * 100 / goal, 0, 100));
}

} // namespace journal
