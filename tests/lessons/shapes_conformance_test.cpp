// Every Page of lessons/shapes against the transcribed geometry Page table. Each test checks
// one kind of fact on all Pages and names every Page that is wrong.
#include "page_checks.h"
#include "shapes_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace shapes;

namespace {

std::vector<engine::PicturePlacement> allPlacements() {
    std::vector<engine::PicturePlacement> out;
    for (const auto& page : pageTable().pages)
        out.insert(out.end(), page.pictures.begin(), page.pictures.end());
    return out;
}

} // namespace

TEST(ShapesCatalogue, ReadsWithoutFaults) {
    Faults faults;
    checkCatalogueReads(program(), faults);
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ShapesCatalogue, TranscriptionIsCompleteAndReadable) {
    const PageTable& table = pageTable();
    Faults faults;
    checkTableReads(program(), faults);
    EXPECT_TRUE(faults.empty()) << faults.report();
    EXPECT_EQ(table.pages.size(), 208u);
    EXPECT_EQ(table.lessons.size(), 5u);
    // The geometry program's own totals, as a check on the transcription itself.
    EXPECT_EQ(allPlacements().size(), 120u);
    const auto count = [&](auto predicate) {
        return std::count_if(table.pages.begin(), table.pages.end(), predicate);
    };
    EXPECT_EQ(count([](auto& p) { return p.kind == PageKind::MultipleChoice; }), 21);
    EXPECT_EQ(count([](auto& p) { return p.kind == PageKind::FillIn; }), 2);
    EXPECT_EQ(count([](auto& p) { return !p.program.empty(); }), 13);
}

TEST(ShapesCatalogue, HoldsEveryPageOnceInOrder) {
    Faults faults;
    checkPageOrder(program(), faults);
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ShapesPages, LessonLayoutAndTutor) {
    Faults faults;
    checkLessonLayoutAndTutor(program(), faults);
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ShapesPages, TextLineCounts) {
    Faults faults;
    checkTextLineCounts(program(), faults);
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ShapesPages, QuotedTextLines) {
    Faults faults;
    checkQuotedTextLines(program(), faults);
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ShapesPages, TutorSpeech) {
    Faults faults;
    checkTutorSpeech(program(), faults);
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ShapesPages, Pictures) {
    Faults faults;
    checkPictures(program(), faults);
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ShapesPages, EveryPictureHasItsSource) {
    Faults faults;
    checkPictureSources(program(), faults);
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ShapesPages, AnswerLetters) {
    Faults faults;
    checkAnswerLetters(program(), faults);
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ShapesPages, FillInFieldsLabelsAndDoneButton) {
    Faults faults;
    checkFillIns(program(), faults);
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ShapesPages, DemonstrationPrograms) {
    Faults faults;
    checkDemonstrationPrograms(program(), faults);
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ShapesPages, ChoiceLinesAreTheQuestionsChoices) {
    Faults faults;
    checkChoiceLines(program(), faults);
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ShapesPages, EveryAnswerLetterHasItsButton) {
    Faults faults;
    checkAnswerLetterButtons(program(), faults);
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ShapesPages, EveryQuestionIsFollowedByItsSolution) {
    Faults faults;
    checkSolutionsFollowQuestions(program(), faults);
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ShapesPages, EverySolutionShowsTheRightChoice) {
    // Page 85's choices are in its picture, so its solution has no choice text to repeat.
    Faults faults;
    checkSolutionsShowTheRightChoice(program(), faults);
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ShapesLessons, ProgramSettingsAndLessonAndStepTables) {
    Faults faults;
    checkProgramAndLessonTables(program(), faults);
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ShapesLessons, Tooltips) {
    Faults faults;
    checkTooltips(program(), faults);
    EXPECT_TRUE(faults.empty()) << faults.report();
}
