// The expected Page table reader: every kind of fact it takes, and its messages for lines
// it cannot understand.
#include "page_table.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace lesson_tests;

namespace {

// The table of that text, read from a file of that name in the temporary folder.
PageTable tableOf(const std::string& name, const std::string& text) {
    const auto file = std::filesystem::temp_directory_path() / name;
    std::ofstream(file, std::ios::binary) << text;
    PageTable table = readPageTable(file);
    std::filesystem::remove(file);
    return table;
}

} // namespace

TEST(PageTableReader, ReadsTheProgramSettingsAndTheLessonSummaryFacts) {
    const PageTable table =
        tableOf("settings_page_table.txt", "catalogue demo lessons 2 pages 1 study-time a.ti\n"
                                           "face \"Arial\"\n"
                                           "saved-place .num \"*.num|*.num\"\n"
                                           "saved-place-section \"the Statistics section\"\n"
                                           "solution-indent \"  \"\n"
                                           "lesson 1 pages 1-1 steps 1\n"
                                           "title 1 \"Lesson 1 - Sets\"\n"
                                           "summary-begins 1 \"A set\"\n"
                                           "summary-ends 1 \"...\"\n"
                                           "summary-contains 1 \"lecturer\"\n"
                                           "summary-sentences 1 2\n"
                                           "page 1 T - lesson 1\n"
                                           "lines none\n");
    EXPECT_TRUE(table.errors.empty()) << table.errors.front();
    const auto& program = table.program;
    EXPECT_EQ(program.name, "demo");
    EXPECT_EQ(program.fontFace, "Arial") << "the face line is kept after the catalogue line";
    ASSERT_TRUE(program.savedPlace);
    EXPECT_EQ(program.savedPlace->filter, "*.num|*.num");
    EXPECT_EQ(program.savedPlace->extension, ".num");
    EXPECT_EQ(program.savedPlace->section, "the Statistics section");
    EXPECT_EQ(program.solutionIndent, "  ");
    ASSERT_EQ(table.lessons.size(), 1u);
    const auto& lesson = table.lessons[0];
    EXPECT_TRUE(lesson.summaryLines.empty());
    EXPECT_EQ(lesson.summaryBegins, "A set");
    EXPECT_EQ(lesson.summaryEnds, "...");
    EXPECT_EQ(lesson.summaryContains, std::vector<std::string>{"lecturer"});
    EXPECT_EQ(lesson.summarySentences, 2);
    EXPECT_TRUE(lesson.summaryGiven());
    ASSERT_EQ(table.pages.size(), 1u);
    EXPECT_EQ(table.pages[0].nonEmptyLines, std::set<int>{});
    EXPECT_FALSE(table.pages[0].textLineCount);
}

TEST(PageTableReader, ALoadOnlySavedPlaceAndNoneDiffer) {
    const PageTable loads = tableOf("load_page_table.txt", "saved-place - \"*.alga|*.alga\"\n");
    ASSERT_TRUE(loads.program.savedPlace);
    EXPECT_EQ(loads.program.savedPlace->extension, "");
    EXPECT_EQ(loads.program.savedPlace->filter, "*.alga|*.alga");
    EXPECT_EQ(loads.program.savedPlace->section, "the section");
    const PageTable none = tableOf("none_page_table.txt", "saved-place none\n");
    ASSERT_TRUE(none.program.savedPlace);
    EXPECT_EQ(none.program.savedPlace->filter, "");
    EXPECT_FALSE(none.program.fontFace) << "a table without a face line gives none";
}

TEST(PageTableReader, ReadsListedLinesEndingsSpeechAndPictureSlots) {
    const PageTable table = tableOf("page_page_table.txt", "page 1 Q - lesson 1\n"
                                                           "lines 1 3-5 9\n"
                                                           "ends 3 \"409.\"\n"
                                                           "speech 2\n"
                                                           "speech-line 2 \" numbers.\"\n"
                                                           "picture num1.jpg 100 70 slot 77\n");
    EXPECT_TRUE(table.errors.empty()) << table.errors.front();
    ASSERT_EQ(table.pages.size(), 1u);
    const auto& page = table.pages[0];
    EXPECT_EQ(page.kind, PageKind::MultipleChoice);
    EXPECT_EQ(page.nonEmptyLines, (std::set<int>{1, 3, 4, 5, 9}));
    ASSERT_EQ(page.lineEndings.size(), 1u);
    EXPECT_EQ(page.lineEndings[0].number, 3);
    EXPECT_EQ(page.lineEndings[0].text, "409.");
    EXPECT_EQ(page.speechLineCount, 2);
    ASSERT_EQ(page.exactSpeech.size(), 1u);
    EXPECT_EQ(page.exactSpeech[0].text, " numbers.") << "the leading blank belongs to the text";
    ASSERT_EQ(page.pictures.size(), 1u);
    EXPECT_EQ(page.pictures[0].slot, 77);
    EXPECT_EQ(page.pictures[0].x, 100);
    EXPECT_EQ(page.pictures[0].y, 70);
}

TEST(PageTableReader, BrokenLinesAreReportedWithTheirLineNumbers) {
    const PageTable table = tableOf("broken_page_table.txt", "page 1 T tutor lesson 1\n"
                                                             "text seven\n"
                                                             "picture a.jpg 1 2 slot\n"
                                                             "choice 1 2 \"A. 4\"\n"
                                                             "speech 3 \"Hello\"\n"
                                                             "page 3 Q - lesson 1\n"
                                                             "lines 1 5-3\n"
                                                             "lines\n"
                                                             "summary-sentences 9 2\n"
                                                             "saved-place-section \"x\"\n"
                                                             "face Arial\n"
                                                             "saved-place .num\n");
    EXPECT_EQ(table.errors,
              (std::vector<std::string>{
                  "broken_page_table.txt line 2: text reads: text COUNT [first K] [last M]",
                  "broken_page_table.txt line 3: picture reads: picture FILE X Y [W H] [slot S]",
                  "broken_page_table.txt line 4: choice reads: choice [K] \"text\"",
                  "broken_page_table.txt line 6: Pages are listed in order without gaps",
                  "broken_page_table.txt line 7: lines reads: lines K K-M ... | lines none",
                  "broken_page_table.txt line 8: lines reads: lines K K-M ... | lines none",
                  "broken_page_table.txt line 9: summary-sentences reads: summary-sentences L N, "
                  "after its lesson line",
                  "broken_page_table.txt line 10: saved-place-section follows its saved-place line",
                  "broken_page_table.txt line 11: face reads: face \"text\"",
                  "broken_page_table.txt line 12: saved-place reads: saved-place none | "
                  "saved-place EXTENSION|- \"FILTER\""}));
    ASSERT_EQ(table.pages.size(), 2u);
    EXPECT_EQ(table.pages[0].speechLineCount, 3) << "good lines after bad ones are still read";
    EXPECT_FALSE(table.pages[1].nonEmptyLines) << "a broken lines entry lists nothing";
}

TEST(PageTableReader, AMissingTableIsOneError) {
    const PageTable table = readPageTable("/nonexistent/chances_page_table.txt");
    EXPECT_EQ(table.errors.size(), 1u);
    EXPECT_TRUE(table.pages.empty());
}
