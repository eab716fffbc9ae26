// Every lesson program on the course's program list against its expected Page table
// (tests/lessons/<program>_page_table.txt). Each test checks one kind of fact on all Pages
// of one program and names every Page that is wrong.
#include "page_checks.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <sstream>

using namespace lesson_tests;

namespace {

std::vector<std::string> lessonProgramNames() {
    std::vector<std::string> names;
    std::istringstream in(COURSE_LESSON_PROGRAMS);
    for (std::string name; std::getline(in, name, ';');)
        if (!name.empty())
            names.push_back(name);
    return names;
}

std::filesystem::path pageTableFile(const std::string& name) {
    return std::filesystem::path(PAGE_TABLES_FOLDER) / (name + "_page_table.txt");
}

// The program of that name, read on first use and kept for the other tests.
const LessonProgram& lessonProgram(const std::string& name) {
    static std::map<std::string, std::unique_ptr<LessonProgram>> programs;
    auto& program = programs[name];
    if (!program)
        program = std::make_unique<LessonProgram>(
            ProgramFolders{name, std::filesystem::path(LESSONS_FOLDER) / name,
                           std::filesystem::path(PICTURES_FOLDER) / name, pageTableFile(name)});
    return *program;
}

using Check = void (*)(const LessonProgram&, PageFaults&);

class PageTableTest : public ::testing::TestWithParam<std::string> {
  protected:
    void expectNoFaults(Check check) {
        PageFaults faults(GetParam());
        check(lessonProgram(GetParam()), faults);
        EXPECT_TRUE(faults.empty()) << faults.report();
    }
};

} // namespace

TEST(ProgramList, EveryLessonProgramHasItsExpectedPageTable) {
    const auto names = lessonProgramNames();
    ASSERT_GE(names.size(), 7u);
    for (const auto& name : names)
        EXPECT_TRUE(std::filesystem::exists(pageTableFile(name))) << pageTableFile(name);
}

TEST_P(PageTableTest, CatalogueReadsWithoutFaults) {
    expectNoFaults(checkCatalogueReads);
}

TEST_P(PageTableTest, ExpectedTableReadsWithoutFaultsAndListsEveryPage) {
    expectNoFaults(checkTableReads);
}

TEST_P(PageTableTest, HoldsEveryPageOnceInOrder) {
    expectNoFaults(checkPageOrder);
}

TEST_P(PageTableTest, LessonLayoutAndTutor) {
    expectNoFaults(checkLessonLayoutAndTutor);
}

TEST_P(PageTableTest, TextLinesCountedOrListed) {
    expectNoFaults(checkTextLineCounts);
}

TEST_P(PageTableTest, QuotedTextLines) {
    expectNoFaults(checkQuotedTextLines);
}

TEST_P(PageTableTest, TutorSpeech) {
    expectNoFaults(checkTutorSpeech);
}

TEST_P(PageTableTest, PicturesWithTheirSlotsAndPoints) {
    expectNoFaults(checkPictures);
}

TEST_P(PageTableTest, EveryPictureHasItsSource) {
    expectNoFaults(checkPictureSources);
}

TEST_P(PageTableTest, AnswerLetters) {
    expectNoFaults(checkAnswerLetters);
}

TEST_P(PageTableTest, FillInFieldsLabelsAndDoneButton) {
    expectNoFaults(checkFillIns);
}

TEST_P(PageTableTest, DemonstrationPrograms) {
    expectNoFaults(checkDemonstrationPrograms);
}

TEST_P(PageTableTest, ChoiceLinesAreTheQuestionsChoices) {
    expectNoFaults(checkChoiceLines);
}

TEST_P(PageTableTest, EveryAnswerLetterHasItsButton) {
    expectNoFaults(checkAnswerLetterButtons);
}

TEST_P(PageTableTest, EveryQuestionIsFollowedByItsSolution) {
    expectNoFaults(checkSolutionsFollowQuestions);
}

TEST_P(PageTableTest, EverySolutionShowsTheRightChoice) {
    // Page 85 of the geometry program has its choices in its picture, so its solution has
    // no choice text to repeat.
    expectNoFaults(checkSolutionsShowTheRightChoice);
}

TEST_P(PageTableTest, EverySolutionRepeatsTheRightChoiceAfterItsIndent) {
    expectNoFaults(checkSolutionsRepeatTheRightChoiceExactly);
}

TEST_P(PageTableTest, ProgramSettingsAndLessonAndStepTables) {
    expectNoFaults(checkProgramAndLessonTables);
}

TEST_P(PageTableTest, Tooltips) {
    expectNoFaults(checkTooltips);
}

INSTANTIATE_TEST_SUITE_P(LessonPrograms, PageTableTest, ::testing::ValuesIn(lessonProgramNames()),
                         [](const auto& test) { return test.param; });
