#include "journal/core/diary.h"

#include "journal/core/diary_dates.h"
#include "journal/core/study_subjects.h"

#include <charconv>
#include <vector>

namespace journal {
namespace {

constexpr std::string_view diaryHeader = "study-diary 1";

std::string escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\t')
            out += "\\t";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

std::optional<std::string> unescaped(std::string_view text) {
    std::string out;
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (text[k] != '\\') {
            out += text[k];
            continue;
        }
        if (++k == text.size())
            return std::nullopt;
        switch (text[k]) {
        case '\\':
            out += '\\';
            break;
        case 't':
            out += '\t';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        default:
            return std::nullopt;
        }
    }
    return out;
}

std::vector<std::string_view> fields(std::string_view line) {
    std::vector<std::string_view> parts;
    std::size_t at = 0;
    for (;;) {
        const auto end = line.find('\t', at);
        parts.push_back(line.substr(at, end - at));
        if (end == std::string_view::npos)
            return parts;
        at = end + 1;
    }
}

template <class Number> std::optional<Number> number(std::string_view text) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

bool isKnownSubject(std::string_view subject) {
    for (const StudySubject& known : studySubjects)
        if (known.title == subject)
            return true;
    return subject == otherSubject;
}

bool validId(std::string_view id) {
    return !id.empty() && id.size() <= 100 &&
           id.find_first_of(" \t\r\n\\") == std::string_view::npos;
}

std::optional<DiaryEntry> readEntry(const std::vector<std::string_view>& parts) {
    if (parts.size() != 7)
        return std::nullopt;
    const auto planned = number<int>(parts[4]);
    const auto done = number<int>(parts[5]);
    const auto note = unescaped(parts[6]);
    if (!planned || !done || !note)
        return std::nullopt;
    DiaryEntry entry{std::string(parts[1]),
                     std::string(parts[2]),
                     std::string(parts[3]),
                     *planned,
                     *done,
                     *note};
    if (!validId(entry.id) || !entryProblem(entry).empty())
        return std::nullopt;
    return entry;
}

// Reads one line into the diary; false when it is not a line formatDiary writes.
bool readLine(std::string_view line, Diary& diary) {
    const auto parts = fields(line);
    if (parts[0] == "goal" && parts.size() == 3) {
        const auto minutes = number<int>(parts[1]);
        const auto setAt = number<long long>(parts[2]);
        if (!minutes || !setAt || *minutes < 0 || *minutes > mostMinutes)
            return false;
        diary.goal = {*minutes, *setAt};
        return true;
    }
    if (parts[0] == "deleted" && parts.size() == 2 && validId(parts[1])) {
        diary.deleted.insert(std::string(parts[1]));
        return true;
    }
    if (parts[0] == "entry") {
        auto entry = readEntry(parts);
        if (!entry || diary.entries.count(entry->id))
            return false;
        diary.entries.emplace(entry->id, std::move(*entry));
        return true;
    }
    return false;
}

} // namespace

Diary merged(const Diary& one, const Diary& other) {
    Diary result;
    result.deleted = one.deleted;
    result.deleted.insert(other.deleted.begin(), other.deleted.end());
    for (const Diary* diary : {&one, &other})
        for (const auto& [id, entry] : diary->entries)
            if (!result.deleted.count(id))
                result.entries.emplace(id, entry);
    const bool otherIsNewer =
        other.goal.setAt > one.goal.setAt ||
        (other.goal.setAt == one.goal.setAt && other.goal.minutes > one.goal.minutes);
    result.goal = otherIsNewer ? other.goal : one.goal;
    return result;
}

std::string formatDiary(const Diary& diary) {
    std::string text = std::string(diaryHeader) + "\n";
    text += "goal\t" + std::to_string(diary.goal.minutes) + "\t" +
            std::to_string(diary.goal.setAt) + "\n";
    for (const auto& [id, entry] : diary.entries)
        text += "entry\t" + id + "\t" + entry.date + "\t" + entry.subject + "\t" +
                std::to_string(entry.plannedMinutes) + "\t" + std::to_string(entry.doneMinutes) +
                "\t" + escaped(entry.note) + "\n";
    for (const std::string& id : diary.deleted)
        text += "deleted\t" + id + "\n";
    return text;
}

DiaryReading readDiary(std::string_view text) {
    DiaryReading reading;
    if (text.empty())
        return {{}, "the diary file is empty"};
    int lineNumber = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        const auto end = std::min(text.find('\n', at), text.size());
        std::string_view line = text.substr(at, end - at);
        at = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (lineNumber == 1) {
            if (line != diaryHeader)
                return {{}, "line 1: this is not a study diary"};
            continue;
        }
        if (end == text.size())
            return {{}, "line " + std::to_string(lineNumber) + ": the file ends in mid-line"};
        if (!readLine(line, reading.diary))
            return {{},
                    "line " + std::to_string(lineNumber) + ": cannot be read (\"" +
                        std::string(line.substr(0, 60)) + "\")"};
    }
    return reading;
}

std::string entryProblem(const DiaryEntry& entry) {
    if (!parseDate(entry.date))
        return "the date \"" + entry.date + "\" is not a day of the calendar (YYYY-MM-DD)";
    if (!isKnownSubject(entry.subject))
        return "\"" + entry.subject + "\" is not one of the diary's subjects";
    if (entry.plannedMinutes < 0 || entry.plannedMinutes > mostMinutes)
        return "the planned minutes must be 0 to " + std::to_string(mostMinutes);
    if (entry.doneMinutes < 0 || entry.doneMinutes > mostMinutes)
        return "the minutes done must be 0 to " + std::to_string(mostMinutes);
    if (entry.note.size() > longestNote)
        return "the note is longer than " + std::to_string(longestNote) + " characters";
    return {};
}

} // namespace journal
