#pragma once

#include "engine/core/catalogue.h"

#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace lesson_tests {

// What a lesson program's expected Page table (tests/lessons/<program>_page_table.txt)
// says it must hold.
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
    std::optional<int> textLineCount;           // non-empty text lines, where the table counts them
    std::optional<std::set<int>> nonEmptyLines; // exactly these lines have text, where listed
    std::optional<int> firstTextLine;           // the first non-empty line, where the table says
    std::optional<int> lastTextLine;            // the last one; 0: no text at all
    std::vector<QuotedLine> exactLines;
    std::vector<QuotedLine> lineBeginnings;
    std::vector<QuotedLine> lineEndings;
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
    std::vector<std::string> summaryLines; // the whole summary, where it is given exactly
    std::string summaryBegins;             // for a summary that is partly the program's own
    std::string summaryEnds;
    std::vector<std::string> summaryContains;
    int summarySentences = 0; // 0: not counted

    bool summaryGiven() const {
        return !summaryLines.empty() || !summaryBegins.empty() || !summaryEnds.empty() ||
               !summaryContains.empty() || summarySentences;
    }
};

struct ExpectedSavedPlace {
    std::string filter;    // the file dialog's filter; empty: no saved places
    std::string extension; // added on save; empty: the program only loads saved places
    std::string section = "the section"; // where the saving notice sends the learner
};

struct ExpectedProgram {
    std::string name;
    int lessonCount = 0;
    int pageCount = 0;
    std::string studyTimeFile;
    std::optional<std::string> fontFace;
    std::optional<ExpectedSavedPlace> savedPlace;
    // What stands before the right choice where its solution Page repeats it, exactly; where
    // the table gives nothing, the choice is found however it is indented.
    std::optional<std::string> solutionIndent;
};

struct PageTable {
    ExpectedProgram program;
    std::vector<ExpectedLesson> lessons;
    std::vector<ExpectedPage> pages;
    std::vector<std::string> errors; // "shapes_page_table.txt line 12: ..."

    const ExpectedPage* page(int number) const;
    const ExpectedLesson* lesson(int number) const;
};

// Reads the expected Page table; a line it cannot understand is reported in `errors`, and a
// missing file is one error.
PageTable readPageTable(const std::filesystem::path& file);

} // namespace lesson_tests
