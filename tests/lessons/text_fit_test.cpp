// Every lesson program on the course's program list, measured in its own lesson fonts: its
// catalogue reads without faults, text lines end inside the page area, the verdict fits
// after line 1 of the Page that follows a question, and speech lines end inside the bubble.
#include "engine/catalogue/catalogue_source.h"
#include "engine/core/choice_line.h"
#include "engine/core/window_layout.h"
#include "engine/view/lesson_fonts.h"
#include "page_faults.h"
#include "platform/qt/course_text.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <sstream>

using engine::CatalogueSource;
using engine::FontNumber;
using engine::PageSource;
using lesson_tests::PageFaults;
using lesson_tests::shown;

namespace {

namespace layout = engine::layout;

// A few pixels to spare: another renderer of the same metrics may round differently.
constexpr int margin = 4;
constexpr int pageRight = layout::clientWidth - margin;
constexpr int bubbleRight = layout::bubbleX + layout::bubbleWidth - margin;

std::vector<std::string> lessonPrograms() {
    std::vector<std::string> names;
    std::istringstream in(COURSE_LESSON_PROGRAMS);
    for (std::string name; std::getline(in, name, ';');)
        if (!name.empty())
            names.push_back(name);
    return names;
}

// A lesson program's catalogue folder and its fonts, read once for all tests.
struct MeasuredProgram {
    CatalogueSource source;
    engine::LessonFonts fonts;

    explicit MeasuredProgram(const std::string& name)
        : source(engine::readCatalogueFolder(std::filesystem::path(LESSONS_FOLDER) / name)),
          fonts(source.settings.fontFace) {}

    int widthOf(FontNumber font, const std::string& text) const {
        return QFontMetrics(fonts.font(font)).horizontalAdvance(platform::fromWindows1252(text));
    }

    // Where text line `line` ends: choice lines start further right.
    int lineEnd(const std::string& line) const {
        const int x = engine::isChoiceLine(line) ? layout::choiceTextX : layout::textX;
        return x + widthOf(FontNumber::Page, line);
    }

    const PageSource* page(int number) const {
        for (const auto& p : source.pages)
            if (p.number == number)
                return &p;
        return nullptr;
    }
};

const MeasuredProgram& measuredProgram(const std::string& name) {
    static std::map<std::string, std::unique_ptr<MeasuredProgram>> programs;
    auto& program = programs[name];
    if (!program)
        program = std::make_unique<MeasuredProgram>(name);
    return *program;
}

const std::string& lineOf(const auto& lines, int i) {
    static const std::string none;
    return i >= 1 && i < static_cast<int>(lines.size()) ? lines[static_cast<std::size_t>(i)] : none;
}

class TextFit : public ::testing::TestWithParam<std::string> {
  protected:
    const MeasuredProgram& program = measuredProgram(GetParam());
    PageFaults faults{GetParam()};
};

} // namespace

TEST(TextFitPrograms, TheProgramListNamesEveryShippedCatalogue) {
    std::vector<std::string> shipped;
    for (const auto& item : std::filesystem::directory_iterator(LESSONS_FOLDER))
        if (std::filesystem::exists(item.path() / "program.txt"))
            shipped.push_back(item.path().filename().string());
    std::sort(shipped.begin(), shipped.end());
    std::vector<std::string> listed = lessonPrograms();
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(shipped, listed);
    EXPECT_GE(listed.size(), 2u);
}

TEST_P(TextFit, CatalogueReadsWithoutFaults) {
    EXPECT_TRUE(program.source.errors.empty()) << ::testing::PrintToString(program.source.errors);
    EXPECT_FALSE(program.source.pages.empty());
}

TEST_P(TextFit, EveryTextLineEndsInsideThePageArea) {
    for (const auto& page : program.source.pages)
        for (int i = 1; i <= 17; ++i) {
            const std::string& line = lineOf(page.lines, i);
            if (const int end = program.lineEnd(line); end > pageRight)
                faults.add(page.number, "line " + std::to_string(i) + " ends at x = " +
                                            std::to_string(end) + ": " + shown(line));
        }
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST_P(TextFit, EveryVerdictFitsAfterLineOne) {
    for (const auto& page : program.source.pages) {
        const PageSource* before = program.page(page.number - 1);
        if (before && before->entry.layout == engine::RecordLayout::Question &&
            program.lineEnd(lineOf(page.lines, 1) + "Correct") > pageRight)
            faults.add(page.number, "the verdict runs past the page area");
    }
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST_P(TextFit, EverySpeechLineEndsInsideTheBubble) {
    for (const auto& page : program.source.pages)
        for (int k = 1; k <= 10; ++k) {
            const std::string& line = lineOf(page.speech, k);
            const int end = layout::bubbleTextX + program.widthOf(FontNumber::Speech, line);
            if (end > bubbleRight)
                faults.add(page.number, "speech line " + std::to_string(k) + " ends at x = " +
                                            std::to_string(end) + ": " + shown(line));
        }
    EXPECT_TRUE(faults.empty()) << faults.report();
}

INSTANTIATE_TEST_SUITE_P(LessonPrograms, TextFit, ::testing::ValuesIn(lessonPrograms()),
                         [](const auto& test) { return test.param; });
