#include "journal/core/diary_csv.h"

#include <algorithm>
#include <vector>

namespace journal {
namespace {

std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string out = "\"";
    for (char c : text)
        out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

} // namespace

std::string diaryCsv(const Diary& diary) {
    std::vector<const DiaryEntry*> entries;
    for (const auto& [id, entry] : diary.entries)
        entries.push_back(&entry);
    std::stable_sort(entries.begin(), entries.end(),
                     [](const DiaryEntry* a, const DiaryEntry* b) { return a->date < b->date; });
    std::string text = "date,subject,planned minutes,minutes done,note\r\n";
    for (const DiaryEntry* entry : entries)
        text += entry->date + "," + csvField(entry->subject) + "," +
                std::to_string(entry->plannedMinutes) + "," + std::to_string(entry->doneMinutes) +
                "," + csvField(entry->note) + "\r\n";
    return text;
}

} // namespace journal
