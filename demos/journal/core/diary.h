#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace journal {

inline constexpr int mostMinutes = 24 * 60 * 7; // a week's worth in one entry at most
inline constexpr std::size_t longestNote = 2000;

// One line of the diary. Entries are never changed once written, only added or deleted, so two
// diaries can merge what each has by the id alone.
struct DiaryEntry {
    std::string id;      // unique, made when the entry is added
    std::string date;    // "2026-12-08"
    std::string subject; // a subject title, "Geometry"
    int plannedMinutes = 0;
    int doneMinutes = 0;
    std::string note;

    friend bool operator==(const DiaryEntry&, const DiaryEntry&) = default;
};

// The weekly goal: the newest setting wins when two diaries merge.
struct WeeklyGoal {
    int minutes = 0;
    long long setAt = 0; // milliseconds since 1970 when it was set

    friend bool operator==(const WeeklyGoal&, const WeeklyGoal&) = default;
};

struct Diary {
    std::map<std::string, DiaryEntry> entries; // by id
    std::set<std::string> deleted;             // ids deleted here or in another diary
    WeeklyGoal goal;

    friend bool operator==(const Diary&, const Diary&) = default;
};

// Everything either diary holds: every entry of both except the ones either deleted, and the
// newer weekly goal.
Diary merged(const Diary& one, const Diary& other);

// The diary file: "study-diary 1", then one line per goal, entry and deletion, fields apart by
// tabs, tabs, line ends and backslashes in the note written as \t, \n and \\.
std::string formatDiary(const Diary& diary);

struct DiaryReading {
    Diary diary;
    std::string problem; // empty when read whole; else what is wrong and on which line
};

// All or nothing: one line that formatDiary would not write makes the diary damaged.
DiaryReading readDiary(std::string_view text);

// What is wrong with an entry as typed, or "" when it may be added.
std::string entryProblem(const DiaryEntry& entry);

} // namespace journal
