#pragma once

#include "engine/core/catalogue.h"

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace small_programs {

// What the transcribed tables of one lesson program (tables/<program>.txt) say it holds.

struct QuotedLine {
    int number = 0;
    std::string text; // Windows-1252, blanks kept
};

struct ExpectedPage {
    int number = 0;
    engine::RecordLayout layout = engine::RecordLayout::Text;
    bool tutorShown = false;
    int lesson = 0;
    bool linesGiven = false;
    std::set<int> nonEmptyLines; // exactly these text lines have text
    std::vector<QuotedLine> exactLines;
    std::vector<QuotedLine> beginnings;
    std::vector<QuotedLine> endings;
    std::vector<QuotedLine> choices; // lines with an answer button, exactly
    std::vector<QuotedLine> speech;  // the non-empty speech lines, exactly
    std::vector<engine::PicturePlacement> pictures;
    std::string answer;
    std::string program;
};

struct ExpectedLesson {
    int number = 0;
    int firstPage = 0;
    std::vector<int> stepFirstPages;
    std::string title;
    std::vector<std::string> summaryLines; // the whole summary, when it is given exactly
    std::string summaryBegins;
    std::string summaryEnds;
    std::vector<std::string> summaryContains;
    int summarySentences = 0; // 0: not counted
};

struct ExpectedProgram {
    std::string name;
    int lessonCount = 0;
    int pageCount = 0;
    std::string fontFace;
    std::string studyTimeFile;
    std::string savedPlaceFilter;
    std::string savedPlaceExtension; // empty: load only
};

struct ProgramTables {
    ExpectedProgram program;
    std::vector<ExpectedLesson> lessons;
    std::vector<ExpectedPage> pages;
    std::vector<std::string> errors; // "numbertheory.txt line 12: ..."
};

// Reads a transcription; every line it cannot understand is reported in `errors`, and a
// missing file is one error.
ProgramTables readProgramTables(const std::filesystem::path& file);

} // namespace small_programs
