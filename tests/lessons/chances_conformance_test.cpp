// Every Page of lessons/chances against the transcribed probability Page table. Each test
// checks one kind of fact on all Pages and names every Page that is wrong.
#include "chances_catalogue.h"
#include "page_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace chances;

namespace {

std::vector<engine::PicturePlacement> allPlacements() {
    std::vector<engine::PicturePlacement> out;
    for (const auto& page : program().table().pages)
        out.insert(out.end(), page.pictures.begin(), page.pictures.end());
    return out;
}

template <typename Check> Faults faultsOf(Check check) {
    Faults faults;
    check(program(), faults);
    return faults;
}

} // namespace

TEST(ChancesCatalogue, ReadsWithoutFaults) {
    const Faults faults = faultsOf(checkCatalogueReads);
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ChancesCatalogue, TranscriptionIsCompleteAndReadable) {
    const PageTable& table = program().table();
    const Faults faults = faultsOf(checkTableReads);
    EXPECT_TRUE(faults.empty()) << faults.report();
    EXPECT_EQ(table.pages.size(), 104u);
    EXPECT_EQ(table.lessons.size(), 5u);
    // The probability program's own totals, as a check on the transcription itself: eleven
    // pictures, one of them drawn twice, 34 questions and one demonstration program.
    const auto placements = allPlacements();
    std::set<std::string> files;
    for (const auto& p : placements)
        files.insert(p.file);
    EXPECT_EQ(placements.size(), 12u);
    EXPECT_EQ(files.size(), 11u);
    const auto count = [&](auto predicate) {
        return std::count_if(table.pages.begin(), table.pages.end(), predicate);
    };
    EXPECT_EQ(count([](auto& p) { return p.kind == PageKind::MultipleChoice; }), 34);
    EXPECT_EQ(count([](auto& p) { return p.kind == PageKind::FillIn; }), 0);
    EXPECT_EQ(count([](auto& p) { return p.choices.size() == 4 && p.answer.size() == 1; }), 34);
    EXPECT_EQ(count([](auto& p) { return !p.program.empty(); }), 1);
    EXPECT_EQ(count([](auto& p) { return p.tutorShown != (p.kind == PageKind::Text); }), 0)
        << "the tutor is shown on every text Page and on no question";
}

TEST(ChancesCatalogue, HoldsEveryPageOnceInOrder) {
    const Faults faults = faultsOf(checkPageOrder);
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ChancesPages, LessonLayoutAndTutor) {
    const Faults faults = faultsOf(checkLessonLayoutAndTutor);
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ChancesPages, TextLineCountsAndFirstLines) {
    const Faults faults = faultsOf(checkTextLineCounts);
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ChancesPages, QuotedTextLines) {
    const Faults faults = faultsOf(checkQuotedTextLines);
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ChancesPages, TutorSpeech) {
    const Faults faults = faultsOf(checkTutorSpeech);
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ChancesPages, PicturesWithTheirSlotsAndPoints) {
    const Faults faults = faultsOf(checkPictures);
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ChancesPages, EveryPictureHasItsSource) {
    const Faults faults = faultsOf(checkPictureSources);
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ChancesPages, AnswerLetters) {
    const Faults faults = faultsOf(checkAnswerLetters);
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ChancesPages, NoFillInQuestions) {
    const Faults faults = faultsOf(checkFillIns);
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ChancesPages, OnlyPage50StartsTheDoorGame) {
    const Faults faults = faultsOf(checkDemonstrationPrograms);
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ChancesPages, ChoiceLinesAreTheQuestionsChoices) {
    const Faults faults = faultsOf(checkChoiceLines);
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ChancesPages, EveryAnswerLetterHasItsButton) {
    const Faults faults = faultsOf(checkAnswerLetterButtons);
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ChancesPages, EveryQuestionIsFollowedByItsSolution) {
    const Faults faults = faultsOf(checkSolutionsFollowQuestions);
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ChancesPages, EverySolutionShowsTheRightChoice) {
    const Faults faults = faultsOf(checkSolutionsShowTheRightChoice);
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ChancesLessons, ProgramSettingsAndLessonAndStepTables) {
    const Faults faults = faultsOf(checkProgramAndLessonTables);
    EXPECT_TRUE(faults.empty()) << faults.report();
}

TEST(ChancesLessons, Tooltips) {
    const Faults faults = faultsOf(checkTooltips);
    EXPECT_TRUE(faults.empty()) << faults.report();
}
