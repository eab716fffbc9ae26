#include "engine/core/lesson_engine.h"
#include "fake_host.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace engine;

namespace {

class PagePainter : public ::testing::Test {
  protected:
    FakeHost host;
    LessonEngine lesson{lessonCatalogue(), host};

    void SetUp() override { lesson.start(); }
    void showPage(int page) {
        lesson.state().lessonChosen = true;
        lesson.state().currentPage = page;
        lesson.showCurrentPage();
    }
    const Screen& screen() const { return host.lastScreen(); }

    std::vector<DrawText> texts(FontNumber font) const {
        std::vector<DrawText> out;
        for (const auto& step : screen().background)
            if (const auto* t = std::get_if<DrawText>(&step); t && t->font == font)
                out.push_back(*t);
        return out;
    }
    std::vector<FillRectangle> fills() const {
        std::vector<FillRectangle> out;
        for (const auto& step : screen().background)
            if (const auto* f = std::get_if<FillRectangle>(&step))
                out.push_back(*f);
        return out;
    }
    DrawText textLine(int i) const {
        return texts(FontNumber::Page).at(static_cast<std::size_t>(i - 1));
    }
};

constexpr Rgb bubble{255, 255, 225};

} // namespace

TEST_F(PagePainter, StartScreenGreetsUnderTheTutor) {
    const auto speech = texts(FontNumber::Speech);
    ASSERT_EQ(speech.size(), 1u);
    EXPECT_EQ(speech[0].text, "Hi, I'm professor Orvo. Select a lesson.");
    EXPECT_EQ(speech[0].x, 290);
    EXPECT_EQ(speech[0].y, 405);
    EXPECT_EQ(fills().back().rect, (Rect{280, 405, 430, 40}));
    EXPECT_TRUE(std::holds_alternative<DrawPicture>(screen().background.back()))
        << "the tutor stands over the bubble";
}

TEST_F(PagePainter, TenSpeechLinesGrowTheBubbleUpToY225) {
    showPage(4);
    const auto bubbles = fills();
    ASSERT_EQ(bubbles.size(), 3u);
    EXPECT_EQ(bubbles[2].colour, bubble);
    EXPECT_EQ(bubbles[2].rect, (Rect{280, 225, 430, 220}));
    const auto speech = texts(FontNumber::Speech);
    ASSERT_EQ(speech.size(), 10u);
    EXPECT_EQ(speech.front().y, 225);
    EXPECT_EQ(speech.back().y, 405);
    EXPECT_EQ(speech.back().text, "Speech line ten");
}

TEST_F(PagePainter, OneSpeechLineSitsOnTheBubblesFixedBottom) {
    showPage(12);
    EXPECT_EQ(fills()[2].rect, (Rect{280, 405, 430, 40}));
    EXPECT_EQ(texts(FontNumber::Speech).at(0).y, 405);
}

TEST_F(PagePainter, PagesWithoutTheTutorDrawNoBubbleEvenWithOldSpeech) {
    showPage(4);
    showPage(5);
    EXPECT_EQ(fills().size(), 2u);
    EXPECT_TRUE(texts(FontNumber::Speech).empty());
}

TEST_F(PagePainter, ChoiceLinesAreIndentedAndSolutionLinesAreNot) {
    showPage(8);
    EXPECT_EQ(textLine(1).x, 110) << "two blanks before B. make no choice line";
    EXPECT_EQ(textLine(2).x, 160) << "\"A.\" alone is still indented";
    EXPECT_EQ(textLine(3).x, 160);
    EXPECT_EQ(textLine(3).y, 40);
    EXPECT_EQ(textLine(17).y, 320);
    EXPECT_EQ(screen().control(15), nullptr) << "a bare \"A.\" gets no button";
    ASSERT_NE(screen().control(16), nullptr) << "any Page without the tutor gets buttons";
    EXPECT_EQ(screen().control(16)->rect.y, 42);
}

TEST_F(PagePainter, AnswerButtonsStandBesideTheirChoiceLines) {
    showPage(2);
    const Control* a = screen().control(15);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->rect, (Rect{152, 42, 30, 20}));
    EXPECT_EQ(a->caption, "A");
    ASSERT_NE(screen().control(17), nullptr);
    EXPECT_EQ(screen().control(17)->rect.y, 82);
    EXPECT_EQ(screen().control(18), nullptr) << "choices stop at C";
}

TEST_F(PagePainter, ALaterLineWithTheSameLetterTakesTheButtonAndBareLettersGetNone) {
    showPage(9);
    const auto buttonsA = std::count_if(screen().controls.begin(), screen().controls.end(),
                                        [](const Control& c) { return c.number == 15; });
    EXPECT_EQ(buttonsA, 1);
    EXPECT_EQ(screen().control(15)->rect.y, 62)
        << "line 4, not line 3 or the bare \"A.\" on line 5";
    EXPECT_EQ(screen().control(18)->rect.y, 102);
}

TEST_F(PagePainter, TutorPagesNeverGetAnswerButtons) {
    showPage(4);
    EXPECT_EQ(textLine(3).x, 160);
    EXPECT_EQ(screen().control(15), nullptr);
}

TEST_F(PagePainter, FeedbackFollowsLineOneOnceThenIsGone) {
    showPage(2);
    lesson.pressAnswer('A');
    EXPECT_EQ(textLine(1).text, "Correct");
    EXPECT_EQ(textLine(1).x, 110);
    EXPECT_TRUE(lesson.state().feedback.empty());
    lesson.pressPrevious();
    lesson.pressNext();
    EXPECT_EQ(textLine(1).text, "") << "Next without answering shows no verdict";
}

TEST_F(PagePainter, FillInPagesHaveFieldsLabelsAndDone) {
    showPage(6);
    ASSERT_NE(screen().control(20), nullptr);
    EXPECT_EQ(screen().control(20)->kind, ControlKind::TextField);
    EXPECT_EQ(screen().control(21)->rect, (Rect{180, 360, 40, 20}));
    EXPECT_EQ(screen().control(25)->caption, "Done");
    EXPECT_EQ(screen().control(25)->rect, (Rect{180, 480, 60, 20}));
    const auto page = texts(FontNumber::Page);
    EXPECT_EQ(page.size(), 19u) << "17 text lines and two labels";
    EXPECT_EQ(page.back().text, "b =           cm");
    EXPECT_EQ(page.back().x, 150);
    EXPECT_EQ(page.back().y, 360);
}

TEST_F(PagePainter, PicturesAreLoadedInOrderAfterTheReleasesAndDrawnUnderTheText) {
    showPage(11);
    const std::vector<std::string> tail(host.events.end() - 5, host.events.end() - 2);
    EXPECT_EQ(tail,
              (std::vector<std::string>{"release 78", "load 77 square.bmp", "load 78 wide.bmp"}));
    std::vector<DrawPicture> pictures;
    std::size_t lastPicture = 0, firstText = 0;
    for (std::size_t i = 0; i < screen().background.size(); ++i) {
        if (const auto* p = std::get_if<DrawPicture>(&screen().background[i])) {
            pictures.push_back(*p);
            lastPicture = i;
        } else if (const auto* t = std::get_if<DrawText>(&screen().background[i]);
                   t && t->font == FontNumber::Page && !firstText) {
            firstText = i;
        }
    }
    ASSERT_EQ(pictures.size(), 2u);
    EXPECT_EQ(pictures[1].stretchWidth, 300);
    EXPECT_EQ(pictures[1].stretchHeight, 100);
    EXPECT_LT(lastPicture, firstText);
}

TEST_F(PagePainter, EveryScreenHasTheStandardControlsAndSevenTooltips) {
    showPage(1);
    int tooltips = 0;
    for (const auto& c : screen().controls)
        tooltips += c.tooltip.empty() ? 0 : 1;
    EXPECT_EQ(tooltips, 3 + 2) << "three lessons with tooltips, Previous and Next";
    EXPECT_EQ(
        screen().control(2)->tooltip,
        "Lesson 2 - Triangles\n\nTriangles\nThe angles of a triangle add up to 180 degrees...");
    EXPECT_EQ(screen().control(12)->tooltip, "Previous");
    EXPECT_EQ(screen().control(1)->rect, (Rect{10, 40, 75, 30}));
    EXPECT_EQ(screen().control(11)->rect, (Rect{10, 430, 75, 30}));
    EXPECT_EQ(screen().control(13)->rect, (Rect{53, 480, 32, 30}));
    EXPECT_EQ(screen().control(1)->font, FontNumber::Caption);
}
