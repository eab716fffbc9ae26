// The probability program driven through the lesson engine on its real catalogue: the door
// game on every arrival at Page 50 and on no other, the pictures the engine loads and
// draws, the Pages without text or without a bubble, and the answer buttons.
#include "chances_catalogue.h"
#include "engine/core/lesson_engine.h"
#include "engine/core/window_layout.h"
#include "recording_host.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

using namespace chances;
using engine::DrawPicture;
using engine::DrawText;
using engine::FillRectangle;
using engine::FontNumber;
using engine::Rect;

namespace {

namespace layout = engine::layout;

const std::string doorGame = "demo doorgame.exe";
constexpr int doorGamePage = 50;

class ChancesProgram : public ::testing::Test {
  protected:
    RecordingHost host;
    engine::LessonEngine lesson{program().catalogue(), host};

    void SetUp() override {
        ASSERT_EQ(program().catalogue().pageCount(), 104) << "lessons/chances is incomplete";
        lesson.start();
    }

    int page() const { return lesson.state().currentPage; }
    const engine::Screen& screen() const { return host.lastScreen(); }

    // Shows a Page as a saved place would, with its lesson's step buttons.
    void show(int number) {
        const int lessonNumber = program().catalogue().page(number).lesson;
        const int steps = program().catalogue().lesson(lessonNumber).stepButtonCount;
        ASSERT_TRUE(lesson.restorePlace(number, lessonNumber, steps));
    }

    // What the engine asked of the window while `action` ran.
    template <typename Action> std::vector<std::string> eventsOf(Action action) {
        const std::size_t mark = host.events.size();
        action();
        return {host.events.begin() + static_cast<std::ptrdiff_t>(mark), host.events.end()};
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

    std::vector<DrawPicture> pictures() const {
        std::vector<DrawPicture> out;
        for (const auto& step : screen().background)
            if (const auto* p = std::get_if<DrawPicture>(&step))
                out.push_back(*p);
        return out;
    }

    std::vector<FillRectangle> bubbles() const {
        std::vector<FillRectangle> out;
        for (const auto& step : screen().background)
            if (const auto* f = std::get_if<FillRectangle>(&step);
                f && f->colour == layout::bubbleColour)
                out.push_back(*f);
        return out;
    }

    bool hasControl(int number) const { return screen().control(number) != nullptr; }
};

long countOf(const std::vector<std::string>& events, const std::string& event) {
    return std::count(events.begin(), events.end(), event);
}

// The door game ran once, and the Page was drawn only after it had returned.
::testing::AssertionResult doorGameRanBeforeDrawing(const std::vector<std::string>& events) {
    if (countOf(events, doorGame) != 1)
        return ::testing::AssertionFailure()
               << "the door game ran " << countOf(events, doorGame) << " times";
    const auto game = std::find(events.begin(), events.end(), doorGame);
    const auto drawn = std::find(events.begin(), events.end(), "present");
    if (drawn == events.end() || drawn < game)
        return ::testing::AssertionFailure() << "Page 50 was drawn before the door game ended";
    return ::testing::AssertionSuccess();
}

bool isPageSlot(int slot) {
    return slot >= 77 && slot <= 82;
}

} // namespace

TEST_F(ChancesProgram, NextFromPage49StartsTheDoorGameAndThenDrawsPage50) {
    show(49);
    const auto events = eventsOf([&] { lesson.pressNext(); });
    EXPECT_EQ(page(), doorGamePage);
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.front(), doorGame) << "nothing is drawn or loaded before the game ends";
    EXPECT_TRUE(doorGameRanBeforeDrawing(events));
    EXPECT_TRUE(drawnLine(1).text.starts_with("In the Three Boxes game"));
}

TEST_F(ChancesProgram, PreviousFromPage51StartsTheDoorGameAgain) {
    show(51);
    const auto events = eventsOf([&] { lesson.pressPrevious(); });
    EXPECT_EQ(page(), doorGamePage);
    EXPECT_TRUE(doorGameRanBeforeDrawing(events));
}

TEST_F(ChancesProgram, StepTwoOfLesson4LeadsToPage50AndStartsTheDoorGameEachTime) {
    auto events = eventsOf([&] { lesson.pressLesson(4); });
    EXPECT_EQ(page(), 48);
    EXPECT_EQ(countOf(events, doorGame), 0) << "lesson 4 starts at Page 48";
    EXPECT_TRUE(screen().control(layout::firstStepButton + 1)->visible) << "step button Two";
    for (int round = 1; round <= 2; ++round) {
        events = eventsOf([&] { lesson.handleControl(layout::firstStepButton + 1); });
        EXPECT_EQ(page(), doorGamePage);
        EXPECT_TRUE(doorGameRanBeforeDrawing(events)) << "press " << round;
    }
    events = eventsOf([&] { lesson.handleControl(layout::firstStepButton); });
    EXPECT_EQ(page(), 48);
    EXPECT_EQ(countOf(events, doorGame), 0) << "step button One";
}

TEST_F(ChancesProgram, NoLessonButtonStartsTheDoorGame) {
    for (int number = 1; number <= 5; ++number) {
        const auto events = eventsOf([&] { lesson.pressLesson(number); });
        EXPECT_EQ(page(), program().catalogue().lesson(number).firstPage);
        EXPECT_EQ(countOf(events, doorGame), 0) << "lesson button " << number;
    }
}

TEST_F(ChancesProgram, WalkingThroughAllPagesStartsTheDoorGameOnlyOnArrivingAtPage50) {
    lesson.pressLesson(1);
    std::vector<int> startedOn;
    const auto walk = [&](auto step) {
        const auto events = eventsOf(step);
        if (countOf(events, doorGame))
            startedOn.push_back(page());
        EXPECT_EQ(lesson.state().currentLesson, program().catalogue().page(page()).lesson)
            << "the lesson follows the Page, Page " << page();
    };
    for (int number = 2; number <= 104; ++number) {
        walk([&] { lesson.pressNext(); });
        ASSERT_EQ(page(), number);
    }
    EXPECT_EQ(startedOn, std::vector<int>{doorGamePage});
    EXPECT_TRUE(eventsOf([&] { lesson.pressNext(); }).empty()) << "Next on Page 104";
    EXPECT_EQ(page(), 104);

    startedOn.clear();
    for (int number = 103; number >= 1; --number) {
        walk([&] { lesson.pressPrevious(); });
        ASSERT_EQ(page(), number);
    }
    EXPECT_EQ(startedOn, std::vector<int>{doorGamePage});
    EXPECT_TRUE(eventsOf([&] { lesson.pressPrevious(); }).empty()) << "Previous on Page 1";
    EXPECT_EQ(page(), 1);
}

TEST_F(ChancesProgram, Page46DrawsTheIntersectionSignTwiceIntoTheGapsOfItsSpeech) {
    const auto events = eventsOf([&] { show(46); });
    EXPECT_EQ(countOf(events, "load 77 intersect.bmp"), 2);
    const auto drawn = pictures();
    std::vector<DrawPicture> signs;
    std::copy_if(drawn.begin(), drawn.end(), std::back_inserter(signs),
                 [](const DrawPicture& p) { return p.slot == 77; });
    ASSERT_EQ(signs.size(), 2u);
    EXPECT_EQ(std::pair(signs[0].x, signs[0].y), std::pair(300, 343));
    EXPECT_EQ(std::pair(signs[1].x, signs[1].y), std::pair(410, 383));

    // Seven speech lines: the bubble runs from y = 285 down to y = 445.
    ASSERT_EQ(bubbles().size(), 1u);
    EXPECT_EQ(bubbles()[0].rect, (Rect{280, 285, 430, 160}));
    const auto speech = texts(FontNumber::Speech);
    for (const auto& sign : signs) {
        const auto line = std::find_if(speech.begin(), speech.end(), [&](const DrawText& t) {
            return sign.y + 9 >= t.y && sign.y + 9 < t.y + layout::speechLineHeight;
        });
        ASSERT_NE(line, speech.end()) << "the sign at y = " << sign.y << " is on no speech line";
        EXPECT_NE(line->text.find("A     B"), std::string::npos)
            << "the speech line under the sign leaves no gap for it: " << line->text;
    }
}

TEST_F(ChancesProgram, Page64DrawsOnlyTheHistogramFromSlot78AndTheTutorsSpeech) {
    const auto events = eventsOf([&] { show(64); });
    EXPECT_EQ(countOf(events, "load 78 table68.jpg"), 1);
    const auto drawn = pictures();
    EXPECT_TRUE(std::any_of(drawn.begin(), drawn.end(), [](const DrawPicture& p) {
        return p.slot == 78 && p.x == 250 && p.y == 3;
    }));
    for (int i = 1; i <= 17; ++i)
        EXPECT_EQ(drawnLine(i).text, "") << "line " << i;
    EXPECT_EQ(texts(FontNumber::Speech).size(), 6u);
}

TEST_F(ChancesProgram, PicturePagesWithoutTextShowOnlyThePictureAndTheSpeech) {
    for (int number : {64, 82, 85}) {
        show(number);
        for (int i = 1; i <= 17; ++i)
            EXPECT_EQ(drawnLine(i).text, "") << "Page " << number << ", line " << i;
        EXPECT_EQ(bubbles().size(), 1u) << "Page " << number;
        const auto drawn = pictures();
        EXPECT_TRUE(std::any_of(drawn.begin(), drawn.end(),
                                [](const DrawPicture& p) { return isPageSlot(p.slot); }))
            << "Page " << number;
    }
}

TEST_F(ChancesProgram, TreePagesShowTheTutorWithoutABubble) {
    for (int number : {92, 95, 97, 99, 101, 103}) {
        show(number);
        const auto drawn = pictures();
        EXPECT_TRUE(std::any_of(drawn.begin(), drawn.end(),
                                [](const DrawPicture& p) {
                                    return p.slot == layout::tutorSlot && p.x == layout::tutorX &&
                                           p.y == layout::tutorY;
                                }))
            << "Page " << number << ": the tutor";
        EXPECT_TRUE(bubbles().empty()) << "Page " << number;
        EXPECT_TRUE(texts(FontNumber::Speech).empty()) << "Page " << number;
    }
}

TEST_F(ChancesProgram, EveryPictureTheProgramLoadsHasItsSvgSource) {
    std::set<std::string> loaded;
    for (int number = 1; number <= 104; ++number)
        for (const auto& event : eventsOf([&] { show(number); })) {
            if (!event.starts_with("load "))
                continue;
            const auto blank = event.find(' ', 5);
            if (isPageSlot(std::stoi(event.substr(5, blank - 5))))
                loaded.insert(event.substr(blank + 1));
        }
    EXPECT_EQ(loaded.size(), 11u);
    for (const auto& file : loaded) {
        const auto source = program().pictureSource(file);
        EXPECT_TRUE(std::filesystem::exists(source)) << file << " has no source " << source;
    }
}

TEST_F(ChancesProgram, StartScreenLessonButtonsCarryTheirTooltips) {
    for (const auto& expected : program().table().lessons) {
        const auto* button = screen().control(layout::firstLessonButton + expected.number - 1);
        ASSERT_TRUE(button) << "lesson button " << expected.number;
        EXPECT_TRUE(button->visible);
        std::string summary;
        for (const auto& line : expected.summaryLines)
            summary += (summary.empty() ? "" : "\n") + line;
        EXPECT_EQ(button->tooltip, expected.title + "\n\n" + summary);
    }
}

TEST_F(ChancesProgram, StepButtonsLeadToTheFirstPagesOfTheirSteps) {
    for (const auto& expected : program().table().lessons) {
        lesson.pressLesson(expected.number);
        for (int k = 1; k <= layout::maxSteps; ++k)
            EXPECT_EQ(screen().control(layout::firstStepButton + k - 1)->visible,
                      k <= static_cast<int>(expected.stepFirstPages.size()))
                << "lesson " << expected.number << ", step button " << k;
        for (std::size_t k = 0; k < expected.stepFirstPages.size(); ++k) {
            lesson.handleControl(layout::firstStepButton + static_cast<int>(k));
            EXPECT_EQ(page(), expected.stepFirstPages[k])
                << "lesson " << expected.number << ", step button " << k + 1;
        }
    }
}

TEST_F(ChancesProgram, EveryQuestionMarksOnlyItsAnswerCorrect) {
    const auto& catalogue = program().catalogue();
    for (int number = 1; number < catalogue.pageCount(); ++number) {
        if (catalogue.page(number).layout != engine::RecordLayout::Question)
            continue;
        show(number);
        const std::string answer = lesson.state().pageLines[18];
        for (int b = 0; b < 4; ++b) {
            show(number);
            ASSERT_TRUE(hasControl(layout::firstAnswerButton + b))
                << "chances, Page " << number << ": no button " << char('A' + b);
            lesson.handleControl(layout::firstAnswerButton + b);
            EXPECT_EQ(page(), number + 1);
            const bool right = answer == std::string(1, char('a' + b));
            EXPECT_EQ(drawnLine(1).text, right ? "Correct" : "Wrong")
                << "chances, Page " << number << ": button " << char('A' + b);
        }
        show(number);
        lesson.pressNext();
        EXPECT_EQ(drawnLine(1).text, "")
            << "chances, Page " << number + 1 << ": Next gives no verdict";
    }
}
