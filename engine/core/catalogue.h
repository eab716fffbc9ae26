#pragma once

#include "platform/geometry/geometry.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

using platform::Rect;

enum class RecordLayout { Text, Question };

// A page picture: loaded into its slot and drawn at its point, stretched when a size is given.
struct PicturePlacement {
    std::string file;
    int slot = 77;
    int x = 0;
    int y = 0;
    int stretchWidth = 0; // 0: drawn in its own size
    int stretchHeight = 0;
    friend bool operator==(const PicturePlacement&, const PicturePlacement&) = default;
};

struct ExtraLabel {
    int x = 0;
    int y = 0;
    std::string text;
    friend bool operator==(const ExtraLabel&, const ExtraLabel&) = default;
};

struct FillInField {
    int control = 20;
    Rect rect;
    std::vector<std::string> accepted;
    friend bool operator==(const FillInField&, const FillInField&) = default;
};

struct PageEntry {
    int lesson = 1;
    RecordLayout layout = RecordLayout::Text;
    bool tutorShown = false;
    std::size_t record = 0; // offset of the Page's record in the stored content
    std::string program;    // demonstration program started when the Page is loaded
    std::vector<PicturePlacement> pictures;
    std::vector<ExtraLabel> labels;
    std::vector<FillInField> fields;
    std::optional<Rect> doneButton;
    std::vector<int> releasedSlots; // page picture slots released before drawing
};

struct LessonEntry {
    int firstPage = 1;
    int stepButtonCount = 1;
    std::vector<int> stepFirstPages; // Step 1 first
    std::string title;
    std::string summary; // may hold line feeds
    std::string tooltip() const { return title + "\n\n" + summary; }
};

struct SavedPlaceSettings {
    std::string filter;    // e.g. "*.num|*.num"; empty: the program has no saved places
    std::string extension; // appended on save; empty: load only
    std::string section = "the section"; // where the saving notice tells the learner to go
};

struct ProgramSettings {
    std::string name;
    int lessonCount = 1;
    std::string fontFace = "Times New Roman";
    std::string studyTimeFile;
    SavedPlaceSettings savedPlace;
};

// Everything a lesson program knows about its lessons. Pages are numbered 1..pageCount();
// pages[0] is Page 1. The stored content is one sequence of zero-terminated texts.
struct Catalogue {
    ProgramSettings settings;
    std::vector<LessonEntry> lessons;
    std::vector<PageEntry> pages;
    std::string_view content;

    int pageCount() const { return static_cast<int>(pages.size()); }
    // Checked look-ups for the event path: nothing when there is no such Page or lesson.
    const PageEntry* findPage(int number) const {
        return number >= 1 && number <= pageCount() ? &pages[static_cast<std::size_t>(number - 1)]
                                                    : nullptr;
    }
    const LessonEntry* findLesson(int number) const {
        return number >= 1 && number <= static_cast<int>(lessons.size())
                   ? &lessons[static_cast<std::size_t>(number - 1)]
                   : nullptr;
    }
    const PageEntry& page(int number) const {
        return pages.at(static_cast<std::size_t>(number - 1));
    }
    const LessonEntry& lesson(int number) const {
        return lessons.at(static_cast<std::size_t>(number - 1));
    }
};

} // namespace engine
