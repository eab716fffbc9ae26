// The diary's own mathematics and formats: hours and minutes, the file format with awkward
// notes, damage found and named, merging two diaries, weeks from Monday, the goal's progress
// and the CSV export read back by a separate reader.
#include "journal/core/diary.h"
#include "journal/core/diary_csv.h"
#include "journal/core/diary_dates.h"
#include "journal/core/duration_text.h"

#include <gtest/gtest.h>

#include <map>

using namespace journal;

namespace {

DiaryEntry entry(const std::string& id, const std::string& date, int done,
                 const std::string& note = "") {
    return {id, date, "Geometry", 30, done, note};
}

Diary diaryOf(std::initializer_list<DiaryEntry> entries) {
    Diary diary;
    for (const DiaryEntry& e : entries)
        diary.entries.emplace(e.id, e);
    return diary;
}

// A CSV reader written from the rules of the format, not from the writer.
std::vector<std::vector<std::string>> readCsv(const std::string& text) {
    std::vector<std::vector<std::string>> rows(1, std::vector<std::string>(1));
    bool quoted = false;
    for (std::size_t k = 0; k < text.size(); ++k) {
        const char c = text[k];
        if (quoted) {
            if (c == '"' && k + 1 < text.size() && text[k + 1] == '"')
                rows.back().back() += '"', ++k;
            else if (c == '"')
                quoted = false;
            else
                rows.back().back() += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            rows.back().emplace_back();
        } else if (c == '\r' && k + 1 < text.size() && text[k + 1] == '\n') {
            rows.emplace_back(1);
            ++k;
        } else {
            rows.back().back() += c;
        }
    }
    if (rows.back().size() == 1 && rows.back()[0].empty())
        rows.pop_back();
    return rows;
}

} // namespace

TEST(DurationText, HoursAndMinutes) {
    EXPECT_EQ(hoursAndMinutes(0), "0 min");
    EXPECT_EQ(hoursAndMinutes(45), "45 min");
    EXPECT_EQ(hoursAndMinutes(60), "1 h 00 min");
    EXPECT_EQ(hoursAndMinutes(125), "2 h 05 min");
    EXPECT_EQ(hoursAndMinutes(-65), "-1 h 05 min");
    EXPECT_EQ(hoursAndMinutes(2147483647LL * 5), "178956970 h 35 min");
}

TEST(DiaryFile, AwkwardNotesComeBackUnchanged) {
    Diary diary = diaryOf({entry("a", "2026-12-08", 20, "tab\there, line\nbreak, back\\slash \\t"),
                           entry("b", "2024-02-29", 0, "élève √2"), entry("c", "2026-01-01", 90)});
    diary.deleted = {"z1", "z2"};
    diary.goal = {300, 1765000000000};
    const auto reading = readDiary(formatDiary(diary));
    EXPECT_TRUE(reading.problem.empty()) << reading.problem;
    EXPECT_EQ(reading.diary, diary);
}

TEST(DiaryFile, DamageIsFoundAndNamedByLine) {
    const std::string whole = formatDiary(diaryOf({entry("a", "2026-12-08", 20, "x")}));
    const std::map<std::string, std::string> damaged{
        {whole.substr(0, whole.size() - 3), "line 3: the file ends in mid-line"},
        {"study diary\n", "line 1"},
        {whole + "entry\ta\t2026-12-09\tGeometry\t1\t1\t\n", "line 4"}, // the same id twice
        {whole + "entry\tb\t2026-02-30\tGeometry\t1\t1\t\n", "line 4"},
        {whole + "entry\tb\t2026-02-03\tAstrology\t1\t1\t\n", "line 4"},
        {whole + "entry\tb\t2026-02-03\tGeometry\t-1\t1\t\n", "line 4"},
        {whole + "entry\tb\t2026-02-03\tGeometry\t1\t1\tbad \\q escape\n", "line 4"},
        {whole + "goal\tmany\t1\n", "line 4"},
        {"", "empty"},
    };
    for (const auto& [text, where] : damaged) {
        const auto reading = readDiary(text);
        EXPECT_NE(reading.problem.find(where), std::string::npos)
            << "[" << text << "] gave " << reading.problem;
        EXPECT_TRUE(reading.diary.entries.empty());
    }
}

TEST(DiaryMerge, KeepsEveryEntryOfBothExceptTheDeletedAndTheNewerGoal) {
    Diary mine = diaryOf({entry("a", "2026-12-01", 10), entry("b", "2026-12-02", 20)});
    Diary theirs = diaryOf({entry("b", "2026-12-02", 20), entry("c", "2026-12-03", 30)});
    theirs.deleted = {"a"};
    mine.goal = {120, 5};
    theirs.goal = {240, 9};
    const Diary both = merged(mine, theirs);
    EXPECT_EQ(both.entries.size(), 2u);
    EXPECT_TRUE(both.entries.count("b") && both.entries.count("c"));
    EXPECT_EQ(both.goal.minutes, 240);
    EXPECT_EQ(merged(theirs, mine), both); // the order does not matter
    // A later diary that still has "a" does not bring it back.
    EXPECT_FALSE(merged(both, mine).entries.count("a"));
}

TEST(DiaryDates, WeeksStartOnMonday) {
    const auto day = [](const char* text) { return *parseDate(text); };
    EXPECT_EQ(formatDate(mondayOf(day("2026-12-08"))), "2026-12-07"); // a Tuesday
    EXPECT_EQ(formatDate(mondayOf(day("2026-12-07"))), "2026-12-07"); // a Monday
    EXPECT_EQ(formatDate(mondayOf(day("2026-12-13"))), "2026-12-07"); // a Sunday
    EXPECT_EQ(formatDate(mondayOf(day("2024-03-03"))), "2024-02-26"); // across a leap day
    EXPECT_EQ(formatDate(mondayOf(day("2027-01-01"))), "2026-12-28"); // across the year
    EXPECT_FALSE(parseDate("2025-02-29"));
    EXPECT_FALSE(parseDate("2026-13-01"));
    EXPECT_FALSE(parseDate("2026-1-01"));
    EXPECT_TRUE(parseDate("2000-02-29"));
}

TEST(DiaryDates, TheWeeksMinutesAndTheGoal) {
    const Diary diary =
        diaryOf({entry("sun-before", "2026-12-06", 1000), entry("mon", "2026-12-07", 45),
                 entry("wed", "2026-12-09", 60), entry("sun", "2026-12-13", 30),
                 entry("mon-after", "2026-12-14", 1000)});
    EXPECT_EQ(minutesDoneInWeek(diary, *parseDate("2026-12-07")), 135);
    EXPECT_EQ(goalPercent(135, 300), 45);
    EXPECT_EQ(minutesDoneIn(diary, "Geometry"), 2135);
    EXPECT_EQ(minutesDoneIn(diary, "Calculus"), 0);
    EXPECT_EQ(goalPercent(299, 300), 99); // rounded down: not met until met
    EXPECT_EQ(goalPercent(400, 300), 100);
    EXPECT_EQ(goalPercent(0, 0), 100);
}

TEST(DiaryCsv, ASpreadsheetReadsTheSameFieldsBack) {
    const Diary diary = diaryOf({entry("x", "2026-12-09", 5, "comma, \"quotes\" and\nline"),
                                 entry("y", "2026-12-01", 50, "plain")});
    const auto rows = readCsv(diaryCsv(diary));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"date", "subject", "planned minutes",
                                                 "minutes done", "note"}));
    EXPECT_EQ(rows[1], (std::vector<std::string>{"2026-12-01", "Geometry", "30", "50", "plain"}));
    EXPECT_EQ(rows[2], (std::vector<std::string>{"2026-12-09", "Geometry", "30", "5",
                                                 "comma, \"quotes\" and\nline"}));
}

TEST(DiaryEntries, TypedMistakesAreNamed) {
    EXPECT_EQ(entryProblem({"i", "2026-02-30", "Geometry", 1, 1, ""}),
              "the date \"2026-02-30\" is not a day of the calendar (YYYY-MM-DD)");
    EXPECT_EQ(entryProblem({"i", "2026-02-03", "Geometry", 1, mostMinutes + 1, ""}),
              "the minutes done must be 0 to 10080");
    EXPECT_EQ(entryProblem({"i", "2026-02-03", "Other", 0, 0, std::string(2001, 'n')}),
              "the note is longer than 2000 characters");
    EXPECT_EQ(entryProblem({"i", "2026-02-03", "Calculus", 0, 0, ""}), "");
}
