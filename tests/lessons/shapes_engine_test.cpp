// The geometry program's special Pages, driven through the lesson engine on the real
// catalogue: lesson and Step buttons, demonstration programs, fill-ins, answer buttons
// and the tutor's bubble.
#include "engine/core/lesson_engine.h"
#include "recording_host.h"
#include "shapes_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace shapes;
using engine::DrawText;
using engine::FontNumber;
using engine::Rect;

namespace {

constexpr int firstAnswerButton = 15;
constexpr engine::Rgb bubbleColour{255, 255, 225};

class ShapesProgram : public ::testing::Test {
  protected:
    RecordingHost host;
    engine::LessonEngine lesson{storedCatalogue(), host};

    void SetUp() override {
        ASSERT_EQ(storedCatalogue().pageCount(), 208) << "lessons/shapes is incomplete";
        lesson.start();
    }

    int page() const { return lesson.state().currentPage; }
    const engine::Screen& screen() const { return host.lastScreen(); }

    // Shows a Page as a saved place would, with lesson 2's four step buttons.
    void show(int number) {
        ASSERT_TRUE(lesson.restorePlace(number, storedCatalogue().page(number).lesson, 4));
    }

    std::vector<DrawText> texts(FontNumber font) const {
        std::vector<DrawText> out;
        for (const auto& step : screen().background)
            if (const auto* t = std::get_if<DrawText>(&step); t && t->font == font)
                out.push_back(*t);
        return out;
    }
    // Text line i as drawn: the page font's texts start with lines 1..17, in order.
    DrawText drawnLine(int i) const {
        return texts(FontNumber::Page).at(static_cast<std::size_t>(i - 1));
    }

    std::vector<std::string> eventsSince(std::size_t mark) const {
        return {host.events.begin() + static_cast<std::ptrdiff_t>(mark), host.events.end()};
    }

    bool hasControl(int number) const { return screen().control(number) != nullptr; }

    std::string verdictAfterDone(int question, const std::map<int, std::string>& typed) {
        show(question);
        host.typed = typed;
        lesson.handleControl(25);
        EXPECT_EQ(page(), question + 1);
        return drawnLine(1).text;
    }
};

std::size_t indexOf(const std::vector<std::string>& events, const std::string& event) {
    return static_cast<std::size_t>(std::find(events.begin(), events.end(), event) -
                                    events.begin());
}

const std::map<int, std::string> congruenceAnswers{
    {20, "93"}, {21, "5.4"}, {22, "38"}, {23, "49"}, {24, "49"}};

} // namespace

TEST_F(ShapesProgram, LessonTwoShowsPage24WithFourStepButtonsThatJumpToTheirSteps) {
    lesson.handleControl(2);
    EXPECT_EQ(page(), 24);
    for (int k = 1; k <= 6; ++k)
        EXPECT_EQ(screen().control(5 + k)->visible, k <= 4) << "step button " << k;
    lesson.handleControl(8); // Step "Three"
    EXPECT_EQ(page(), 145);
    lesson.handleControl(9); // Step "Four"
    EXPECT_EQ(page(), 154);
    lesson.handleControl(7);
    EXPECT_EQ(page(), 50);
    lesson.handleControl(6);
    EXPECT_EQ(page(), 24);
}

TEST_F(ShapesProgram, AreaCalculatorRunsBeforePage153IsDrawnAndAgainFromPage154) {
    show(152);
    auto mark = host.events.size();
    lesson.pressNext();
    auto events = eventsSince(mark);
    EXPECT_EQ(page(), 153);
    ASSERT_LT(indexOf(events, "demo planesurface.exe"), events.size());
    EXPECT_LT(indexOf(events, "demo planesurface.exe"), indexOf(events, "present"));
    EXPECT_EQ(drawnLine(1).text, "Click Next to continue...");

    lesson.pressNext();
    EXPECT_EQ(page(), 154);
    mark = host.events.size();
    lesson.pressPrevious();
    events = eventsSince(mark);
    EXPECT_EQ(page(), 153);
    EXPECT_EQ(std::count(events.begin(), events.end(), "demo planesurface.exe"), 1);
    EXPECT_LT(indexOf(events, "demo planesurface.exe"), indexOf(events, "present"));
}

TEST_F(ShapesProgram, ConstructionPagesStartTheirProgramsAndThenPraiseTheConstruction) {
    const std::vector<std::string> programs{"linesketch.exe", "rightangle.exe", "threesides.exe",
                                            "manysides.exe", "sixsides.exe"};
    show(162);
    for (std::size_t i = 0; i < programs.size(); ++i) {
        const auto mark = host.events.size();
        lesson.pressNext();
        const auto events = eventsSince(mark);
        const int expected = 163 + static_cast<int>(i);
        EXPECT_EQ(page(), expected);
        ASSERT_FALSE(events.empty());
        EXPECT_EQ(events.front(), "demo " + programs[i]) << "Page " << expected;
        const auto speech = texts(FontNumber::Speech);
        ASSERT_EQ(speech.size(), 2u) << "Page " << expected;
        EXPECT_TRUE(speech[0].text.starts_with("You now know how to")) << "Page " << expected;
    }
}

TEST_F(ShapesProgram, CongruenceFillInIsCorrectOnlyForItsFiveValues) {
    EXPECT_EQ(verdictAfterDone(38, congruenceAnswers), "Correct");
    auto trailingZero = congruenceAnswers;
    trailingZero[21] = "5.40";
    EXPECT_EQ(verdictAfterDone(38, trailingZero), "Wrong");
    for (const auto& [control, answer] : congruenceAnswers) {
        auto blank = congruenceAnswers;
        blank[control] = "";
        EXPECT_EQ(verdictAfterDone(38, blank), "Wrong") << "field " << control << " empty";
        auto spaced = congruenceAnswers;
        spaced[control] = answer + " ";
        EXPECT_EQ(verdictAfterDone(38, spaced), "Wrong") << "field " << control << " with a blank";
    }
}

TEST_F(ShapesProgram, SimilarityFillInNeedsAnAcceptedAnswerInAllThreeFields) {
    for (const char* first : {"aed", "AED"})
        for (const char* second : {"abc", "ABC"})
            for (const char* third : {"similar", "SIMILAR", "Similar"})
                EXPECT_EQ(verdictAfterDone(47, {{20, first}, {21, second}, {22, third}}), "Correct")
                    << first << " " << second << " " << third;
    EXPECT_EQ(verdictAfterDone(47, {{20, "Aed"}, {21, "abc"}, {22, "similar"}}), "Wrong");
    EXPECT_EQ(verdictAfterDone(47, {{20, "aed"}, {21, "abc"}, {22, "SIMilar"}}), "Wrong");
    EXPECT_EQ(verdictAfterDone(47, {{20, "aed"}, {21, "abc"}}), "Wrong");
}

TEST_F(ShapesProgram, Page85AnswerButtonsStandBesideItsEmptyChoiceLines) {
    show(85);
    for (int i = 0; i < 4; ++i) {
        const auto* button = screen().control(firstAnswerButton + i);
        ASSERT_TRUE(button) << "answer button " << char('A' + i);
        EXPECT_EQ(button->rect, (Rect{152, 142 + 20 * i, 30, 20}));
        EXPECT_EQ(button->caption, std::string(1, char('A' + i)));
        const DrawText line = drawnLine(8 + i);
        EXPECT_EQ(line.x, 160);
        EXPECT_EQ(line.text, std::string(1, char('A' + i)) + ". ");
    }
    lesson.handleControl(firstAnswerButton + 2);
    EXPECT_EQ(page(), 86);
    EXPECT_EQ(drawnLine(1).text, "Correct");
    lesson.pressPrevious();
    lesson.handleControl(firstAnswerButton);
    EXPECT_EQ(drawnLine(1).text, "Wrong");
}

TEST_F(ShapesProgram, Page128HasFifteenLinesAboveASixLineBubbleAndItsDiagramTopRight) {
    const auto mark = host.events.size();
    show(128);
    int lastY = -1;
    int nonEmpty = 0;
    for (int i = 1; i <= 17; ++i)
        if (!drawnLine(i).text.empty()) {
            ++nonEmpty;
            lastY = drawnLine(i).y;
        }
    EXPECT_EQ(nonEmpty, 15);
    EXPECT_EQ(lastY, 280);
    EXPECT_EQ(drawnLine(1).text, std::string(92, ' ') + "Draw a diagram");

    std::vector<engine::FillRectangle> bubbles;
    for (const auto& step : screen().background)
        if (const auto* f = std::get_if<engine::FillRectangle>(&step);
            f && f->colour == bubbleColour)
            bubbles.push_back(*f);
    ASSERT_EQ(bubbles.size(), 1u);
    EXPECT_EQ(bubbles[0].rect, (Rect{280, 305, 430, 140})) << "from y = 305 down to y = 445";
    const auto speech = texts(FontNumber::Speech);
    ASSERT_EQ(speech.size(), 6u);
    EXPECT_EQ(speech.front().y, 305);
    EXPECT_EQ(speech.back().y, 405);

    const auto events = eventsSince(mark);
    EXPECT_LT(indexOf(events, "load 77 cos6.jpg"), events.size());
    const bool diagramDrawn =
        std::any_of(screen().background.begin(), screen().background.end(), [](const auto& step) {
            const auto* p = std::get_if<engine::DrawPicture>(&step);
            return p && p->slot == 77 && p->x == 560 && p->y == 30;
        });
    EXPECT_TRUE(diagramDrawn);
}

TEST_F(ShapesProgram, TutorSolutionPagesOfTheTriangleQuestionsHaveNoAnswerButtons) {
    for (int number = 89; number <= 98; ++number) {
        show(number);
        const bool tutor = storedCatalogue().page(number).tutorShown;
        EXPECT_EQ(tutor, number % 2 == 0) << "Page " << number;
        for (int button = firstAnswerButton; button < firstAnswerButton + 2; ++button)
            EXPECT_EQ(hasControl(button), !tutor) << "Page " << number << ", button " << button;
        for (int i = 1; i <= 17; ++i) {
            const DrawText line = drawnLine(i);
            if (line.text.starts_with("A. ") || line.text.starts_with("B. ")) {
                EXPECT_EQ(line.x, 160) << "Page " << number << ", line " << i;
            }
        }
    }
}

TEST_F(ShapesProgram, EveryMultipleChoiceQuestionMarksOnlyItsAnswerCorrect) {
    const auto& catalogue = storedCatalogue();
    for (int number = 1; number < catalogue.pageCount(); ++number) {
        const auto& entry = catalogue.page(number);
        if (entry.layout != engine::RecordLayout::Question || !entry.fields.empty())
            continue;
        show(number);
        const char answer =
            lesson.state().pageLines[18].empty() ? '?' : lesson.state().pageLines[18][0];
        std::vector<int> buttons;
        for (int b = firstAnswerButton; b < firstAnswerButton + 4; ++b)
            if (hasControl(b))
                buttons.push_back(b);
        for (int b : buttons) {
            show(number);
            lesson.handleControl(b);
            const bool right = answer == 'a' + (b - firstAnswerButton);
            EXPECT_EQ(drawnLine(1).text, right ? "Correct" : "Wrong")
                << "shapes, Page " << number << ": button " << char('A' + b - firstAnswerButton);
        }
        show(number);
        lesson.pressNext();
        EXPECT_EQ(drawnLine(1).text, "")
            << "shapes, Page " << number + 1 << ": Next gives no verdict";
    }
}
