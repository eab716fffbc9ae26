// The smaller lesson programs driven through the lesson engine as a learner uses them:
// which demonstration program starts when, where the step buttons lead, what Next and
// Previous do at the ends, and what the questions and special Pages show.
#include "engine/core/lesson_engine.h"
#include "engine/core/window_layout.h"
#include "recording_host.h"
#include "small_program.h"

#include <gtest/gtest.h>

using namespace small_programs;

namespace {

// One run of a lesson program with the window replaced by a recording host.
class Session {
  public:
    explicit Session(const std::string& name) : program(smallProgram(name)) { lesson.start(); }

    const SmallProgram& program;
    RecordingHost host;
    engine::LessonEngine lesson{program.catalogue, host};

    int page() const { return lesson.state().currentPage; }

    // Jumps to a Page as a saved place would, then forgets the events of that jump.
    void goTo(int page) {
        const auto& entry = program.catalogue.page(page);
        const int lessonNumber = entry.lesson;
        lesson.restorePlace(page, lessonNumber,
                            program.catalogue.lesson(lessonNumber).stepButtonCount);
        host.forgetEvents();
    }

    // Text line i (1..17) as drawn on the last screen, feedback included.
    std::string drawnLine(int i) const {
        for (const auto& step : host.lastScreen().background)
            if (const auto* text = std::get_if<engine::DrawText>(&step))
                if (text->font == engine::FontNumber::Page && text->y == 20 * (i - 1) &&
                    (text->x == 110 || text->x == 160))
                    return text->text;
        return "(not drawn)";
    }

    std::vector<std::string> drawnSpeech() const {
        std::vector<std::string> out;
        for (const auto& step : host.lastScreen().background)
            if (const auto* text = std::get_if<engine::DrawText>(&step))
                if (text->font == engine::FontNumber::Speech)
                    out.push_back(text->text);
        return out;
    }

    std::vector<engine::DrawPicture> drawnPictures() const {
        std::vector<engine::DrawPicture> out;
        for (const auto& step : host.lastScreen().background)
            if (const auto* picture = std::get_if<engine::DrawPicture>(&step))
                out.push_back(*picture);
        return out;
    }

    bool visible(int control) const {
        const auto* c = host.lastScreen().control(control);
        return c && c->visible;
    }
};

using Texts = std::vector<std::string>;

constexpr int stepOne = 1;
constexpr int stepTwo = 2;

} // namespace

// ---- Rules that hold in all of them ------------------------------------------

class EveryProgram : public ::testing::TestWithParam<std::string> {};

TEST_P(EveryProgram, NextOnTheLastPageDoesNothing) {
    Session s(GetParam());
    const int last = s.program.catalogue.pageCount();
    s.goTo(last);
    s.lesson.pressNext();
    EXPECT_EQ(s.page(), last);
    EXPECT_TRUE(s.host.events.empty()) << "nothing is started or drawn again";
}

TEST_P(EveryProgram, EveryDemonstrationRunsToItsEndBeforeItsPageIsDrawn) {
    Session s(GetParam());
    for (int page = 1; page <= s.program.catalogue.pageCount(); ++page) {
        const std::string& program = s.program.catalogue.page(page).program;
        if (program.empty() || page == 1)
            continue;
        s.goTo(page - 1); // every program opens with a title Page without a program
        s.lesson.pressNext();
        EXPECT_EQ(s.host.events, (Texts{"demo " + program, "present", "activate"}))
            << "Page " << page;
    }
}

TEST_P(EveryProgram, PreviousIntoADemonstrationPageStartsItsProgramAgain) {
    Session s(GetParam());
    for (int page = 1; page < s.program.catalogue.pageCount(); ++page) {
        const std::string& program = s.program.catalogue.page(page).program;
        if (program.empty())
            continue;
        s.goTo(page + 1);
        s.lesson.pressPrevious();
        EXPECT_EQ(s.page(), page);
        EXPECT_EQ(s.host.demonstrations(), Texts{program}) << "Previous from Page " << page + 1;
    }
}

TEST_P(EveryProgram, StepOneShowsTheLessonsFirstPageWithoutAProgram) {
    Session s(GetParam());
    const auto& catalogue = s.program.catalogue;
    for (int lesson = 1; lesson <= catalogue.settings.lessonCount; ++lesson) {
        s.lesson.pressLesson(lesson);
        s.lesson.pressNext(); // into the lesson, or on to its closing Page
        s.host.forgetEvents();
        s.lesson.pressStep(stepOne);
        EXPECT_EQ(s.page(), catalogue.lesson(lesson).firstPage) << "lesson " << lesson;
        EXPECT_TRUE(s.host.demonstrations().empty()) << "lesson " << lesson;
    }
}

TEST_P(EveryProgram, OnlyTheProgramsLessonButtonsShowAndCarryTooltips) {
    Session s(GetParam());
    const auto& catalogue = s.program.catalogue;
    s.lesson.pressLesson(1);
    for (int n = 1; n <= engine::layout::maxLessons; ++n) {
        const auto* button = s.host.lastScreen().control(n);
        ASSERT_NE(button, nullptr);
        const bool used = n <= catalogue.settings.lessonCount;
        EXPECT_EQ(button->visible, used) << "lesson button " << n;
        EXPECT_EQ(button->tooltip, used ? catalogue.lesson(n).tooltip() : std::string())
            << "lesson button " << n;
    }
}

TEST(ProgramList, SixSmallLessonPrograms) {
    EXPECT_EQ(smallProgramNames().size(), 6u);
}

INSTANTIATE_TEST_SUITE_P(SmallPrograms, EveryProgram, ::testing::ValuesIn(smallProgramNames()),
                         [](const auto& test) { return test.param; });

// ---- Number theory -------------------------------------------------------------------

TEST(NumberTheoryPaths, NextFromPage32StartsDivisorsThenShowsTheClosingTutor) {
    Session s("numbertheory");
    s.goTo(32);
    s.lesson.pressNext();
    EXPECT_EQ(s.host.events, (Texts{"demo divisors.exe", "present", "activate"}));
    EXPECT_EQ(s.page(), 33);
    EXPECT_EQ(s.drawnLine(5), "SELECT A LESSON");
    EXPECT_EQ(s.drawnSpeech(),
              (Texts{"You have completed the tutorial on number theory and natural", " numbers."}));
    ASSERT_FALSE(s.drawnPictures().empty());
    EXPECT_EQ(s.drawnPictures()[0].slot, engine::layout::tutorSlot);
    s.host.forgetEvents();
    s.lesson.pressNext();
    EXPECT_EQ(s.page(), 33);
    EXPECT_TRUE(s.host.events.empty());
}

TEST(NumberTheoryPaths, AnsweringPage15ShowsTheVerdictAboveTheSolution) {
    Session s("numbertheory");
    s.goTo(15);
    s.lesson.pressAnswer('D');
    EXPECT_EQ(s.page(), 16);
    EXPECT_EQ(s.drawnLine(1), "Correct");
    EXPECT_EQ(s.drawnLine(4), "  D. 25");
    s.lesson.pressPrevious();
    s.lesson.pressAnswer('A');
    EXPECT_EQ(s.drawnLine(1), "Wrong");
    s.lesson.pressPrevious();
    s.lesson.pressNext();
    EXPECT_EQ(s.drawnLine(1), "") << "Next gives no verdict";
}

TEST(NumberTheoryPaths, EveryQuestionTakesItsRightButtonAndNoOther) {
    Session s("numbertheory");
    for (int page = 1; page < s.program.catalogue.pageCount(); ++page) {
        if (s.program.catalogue.page(page).layout != engine::RecordLayout::Question)
            continue;
        const char right = s.program.sourcePage(page)->answer.at(0);
        for (char letter : std::string("ABCD")) {
            s.goTo(page);
            const int button = engine::layout::firstAnswerButton + (letter - 'A');
            if (!s.visible(button))
                continue;
            s.lesson.handleControl(button);
            const bool isRight = letter - 'A' == right - 'a';
            EXPECT_EQ(s.drawnLine(1), isRight ? "Correct" : "Wrong")
                << "Page " << page << ", button " << letter;
        }
    }
}

TEST(NumberTheoryPaths, TwoChoiceQuestionsOfferOnlyTheButtonsAAndB) {
    Session s("numbertheory");
    for (int page : {26, 28, 30}) {
        s.goTo(page);
        EXPECT_TRUE(s.visible(15) && s.visible(16)) << "Page " << page;
        EXPECT_EQ(s.host.lastScreen().control(17), nullptr) << "Page " << page;
        EXPECT_EQ(s.host.lastScreen().control(18), nullptr) << "Page " << page;
    }
}

TEST(NumberTheoryPaths, Pages12To14ShowOnlyTheLecturersNotes) {
    Session s("numbertheory");
    const char* files[] = {"num2.jpg", "num3.jpg", "num4.jpg"};
    for (int page = 12; page <= 14; ++page) {
        s.goTo(page - 1);
        s.lesson.pressNext();
        const auto pictures = s.drawnPictures();
        ASSERT_EQ(pictures.size(), 1u) << "Page " << page;
        EXPECT_EQ(pictures[0].x, 100);
        EXPECT_EQ(pictures[0].y, 70);
        const std::string file = files[page - 12];
        ASSERT_FALSE(s.host.events.empty());
        EXPECT_EQ(s.host.events[0], "load " + std::to_string(pictures[0].slot) + " " + file);
        for (int i = 1; i <= 17; ++i)
            EXPECT_EQ(s.drawnLine(i), "") << "Page " << page << ", line " << i;
    }
}

// ---- Rings and matrices ----------------------------------------------------------------

TEST(RingsFieldsPaths, NextFromTheFirstPageShowsPage2OnlyAfterAddmult) {
    Session s("ringsfields");
    s.lesson.pressLesson(1);
    s.host.forgetEvents();
    s.lesson.pressNext();
    EXPECT_EQ(s.host.events, (Texts{"demo addmult.exe", "present", "activate"}));
    EXPECT_EQ(s.drawnSpeech(), Texts{"You have completed the tutorial on rings, very good."});
}

TEST(RingsFieldsPaths, Lesson5EndsWithTwoProgramsAndNextStopsAtPage11) {
    Session s("ringsfields");
    s.lesson.pressLesson(5);
    s.lesson.pressNext();
    s.lesson.pressNext();
    EXPECT_EQ(s.page(), 11);
    EXPECT_EQ(s.host.demonstrations(), (Texts{"grids.exe", "grids2.exe"}));
    EXPECT_TRUE(s.drawnSpeech().empty()) << "Page 11 has no tutor";
    s.host.forgetEvents();
    s.lesson.pressNext();
    EXPECT_EQ(s.page(), 11);
    EXPECT_TRUE(s.host.events.empty());
}

TEST(RingsFieldsPaths, TitlePagesOfLessons2To5ShowTheTutorWithoutABubble) {
    Session s("ringsfields");
    for (int lesson = 2; lesson <= 5; ++lesson) {
        s.lesson.pressLesson(lesson);
        EXPECT_TRUE(s.drawnSpeech().empty()) << "lesson " << lesson;
        const auto pictures = s.drawnPictures();
        ASSERT_EQ(pictures.size(), 1u) << "lesson " << lesson;
        EXPECT_EQ(pictures[0].slot, engine::layout::tutorSlot);
    }
}

// ---- Number systems ------------------------------------------------------------------

TEST(NumberSystemsPaths, StepTwoOfLesson2LeadsToAdvancedIntegersWithoutAProgram) {
    Session s("numbersystems");
    s.lesson.pressLesson(2);
    EXPECT_TRUE(s.visible(6) && s.visible(7));
    EXPECT_FALSE(s.visible(8));
    s.host.forgetEvents();
    s.lesson.pressStep(stepTwo);
    EXPECT_EQ(s.page(), 5);
    EXPECT_EQ(s.drawnLine(1), "Lesson 2 - Advanced Integers");
    EXPECT_TRUE(s.host.demonstrations().empty());
}

TEST(NumberSystemsPaths, NextRunsThroughLesson2StartingOnlyTheClosingPagesPrograms) {
    Session s("numbersystems");
    s.lesson.pressLesson(2);
    s.lesson.pressNext(); // Page 4
    EXPECT_EQ(s.host.demonstrations(), Texts{"signednumbers.exe"});
    s.host.forgetEvents();
    s.lesson.pressNext(); // Page 5
    EXPECT_EQ(s.page(), 5);
    EXPECT_TRUE(s.host.demonstrations().empty());
    s.lesson.pressNext(); // Page 6
    EXPECT_EQ(s.host.demonstrations(), Texts{"signednumbers2.exe"});
}

TEST(NumberSystemsPaths, PreviousFromLesson2sTitleStartsCountingAgain) {
    Session s("numbersystems");
    s.lesson.pressLesson(2);
    s.host.forgetEvents();
    s.lesson.pressPrevious();
    EXPECT_EQ(s.page(), 2);
    EXPECT_EQ(s.host.demonstrations(), Texts{"counting.exe"});
    EXPECT_EQ(s.lesson.state().currentLesson, 1);
}

// ---- Sets and relations --------------------------------------------------------------

TEST(SetsRelationsPaths, LessonButtonTwoAndStepOneShowPage3) {
    Session s("setsrelations");
    s.lesson.pressLesson(2);
    EXPECT_EQ(s.page(), 3);
    EXPECT_EQ(s.drawnLine(1), "Lesson 2 - Advanced Relations and Operations");
    s.lesson.pressStep(stepOne);
    EXPECT_EQ(s.page(), 3);
    EXPECT_TRUE(s.host.demonstrations().empty());
}

TEST(SetsRelationsPaths, PagingCrossesFromLesson1IntoLesson2) {
    Session s("setsrelations");
    s.lesson.pressLesson(1);
    s.lesson.pressNext();
    s.lesson.pressNext();
    EXPECT_EQ(s.page(), 3);
    EXPECT_EQ(s.lesson.state().currentLesson, 2);
    s.lesson.pressNext();
    EXPECT_EQ(s.host.demonstrations(), (Texts{"collections.exe", "mappings.exe"}));
    EXPECT_EQ(s.drawnLine(5), "SELECT ANOTHER LESSON.");
}

// ---- Vectors -------------------------------------------------------------------------

TEST(VectorPaths, ThereAndBackAgainStartsArrowsEachTimePage2IsReached) {
    Session s("vectorlessons");
    s.lesson.pressLesson(1);
    s.lesson.pressNext();
    EXPECT_EQ(s.drawnSpeech(), Texts{"You have completed the tutorial on vectors, very good."});
    s.lesson.pressPrevious();
    EXPECT_EQ(s.page(), 1);
    s.lesson.pressNext();
    EXPECT_EQ(s.host.demonstrations(), (Texts{"arrows.exe", "arrows.exe"}));
    s.host.forgetEvents();
    s.lesson.pressStep(stepOne);
    EXPECT_EQ(s.page(), 1);
    EXPECT_TRUE(s.host.demonstrations().empty());
}
