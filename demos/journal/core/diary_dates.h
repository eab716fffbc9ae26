#pragma once

#include "journal/core/diary.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace journal {

// The subject of entries for study outside the five lesson subjects (the examination, history).
inline constexpr std::string_view otherSubject = "Other";

// A day written "YYYY-MM-DD" (exactly that shape, a real day of the calendar).
std::optional<std::chrono::sys_days> parseDate(std::string_view text);
std::string formatDate(std::chrono::sys_days day);

// The Monday that starts the week (Monday to Sunday) holding `day`.
std::chrono::sys_days mondayOf(std::chrono::sys_days day);

// Minutes done in entries dated in the week that starts on `monday`.
long long minutesDoneInWeek(const Diary& diary, std::chrono::sys_days monday);

// Minutes done in all entries of the subject with this title.
long long minutesDoneIn(const Diary& diary, std::string_view subject);

// The goal's progress in whole percent, rounded down, at most 100; a goal of 0 is met at once.
int goalPercent(long long done, int goal);

} // namespace journal
