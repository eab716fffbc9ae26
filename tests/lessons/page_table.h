#pragma once

#include "engine/core/catalogue.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace lesson_tests {

// What a transcribed Page table (shapes_page_table.txt, chances_page_table.txt) says a
// lesson program must hold.
enum class PageKind { Text, MultipleChoice, FillIn };

struct QuotedLine {
    int number = 0;   // 0 where the table fixes the text but not its line
    std::string text; // Windows-1252, blanks kept
};

struct ExpectedPage {
    int number = 0;
    PageKind kind = PageKind::Text;
    bool tutorShown = false;
    int lesson = 0;
    int textLineCount = 0;            // non-empty text lines
    std::optional<int> firstTextLine; // the first non-empty line, where the table says
    std::optional<int> lastTextLine;  // the last one; 0: no text at all
    std::vector<QuotedLine> exactLines;
    std::vector<QuotedLine> lineBeginnings;
    std::vector<QuotedLine> lineContents; // text line K holds this somewhere
    std::vector<QuotedLine> choices;      // choice lines with an answer button, exactly
    int speechLineCount = 0;
    std::string speechBeginning; // speech line 1 begins with this
    std::vector<QuotedLine> exactSpeech;
    std::vector<engine::PicturePlacement> pictures; // slot 0: the table fixes no slot
    std::string answer;
    std::string program;
    std::vector<engine::FillInField> fields;
    std::vector<engine::ExtraLabel> labels;
    std::optional<engine::Rect> doneButton;
};

struct ExpectedLesson {
    int number = 0;
    int firstPage = 0;
    int lastPage = 0;
    std::vector<int> stepFirstPages;
    std::string title;
    std::vector<std::string> summaryLines;
};

struct ExpectedProgram {
    std::string name;
    int lessonCount = 0;
    int pageCount = 0;
    std::string studyTimeFile;
};

struct PageTable {
    ExpectedProgram program;
    std::vector<ExpectedLesson> lessons;
    std::vector<ExpectedPage> pages;
    std::vector<std::string> errors; // "shapes_page_table.txt line 12: ..."

    const ExpectedPage* page(int number) const;
    const ExpectedLesson* lesson(int number) const;
};

// Reads the transcription; a line it cannot understand is reported in `errors`, and a
// missing file is one error.
PageTable readPageTable(const std::filesystem::path& file);

} // namespace lesson_tests
