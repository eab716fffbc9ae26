#include "engine/core/page_painter.h"

#include "engine/core/choice_line.h"
#include "engine/core/window_layout.h"

namespace engine {
namespace {

using namespace layout;

void paintPanelsAndLabels(Screen& screen) {
    screen.background.push_back(FillRectangle{leftPanel, panelColour});
    screen.background.push_back(FillRectangle{pageArea, pageColour});
    screen.background.push_back(DrawText{FontNumber::Label, black, 9, 5, "Lesson"});
    screen.background.push_back(DrawText{FontNumber::Label, black, 24, 220, "Step"});
}

void paintTutor(Screen& screen, const LessonState& state) {
    screen.background.push_back(DrawPicture{tutorSlot, tutorX, tutorY, 0, 0});
    const int n = state.speechLineCount;
    if (n < 1 || n > 10)
        return;
    const int top = bubbleLastLineY - speechLineHeight * (n - 1);
    screen.background.push_back(
        FillRectangle{{bubbleX, top, bubbleWidth, 40 + speechLineHeight * (n - 1)}, bubbleColour});
    for (int k = 1; k <= n; ++k)
        screen.background.push_back(DrawText{FontNumber::Speech, black, bubbleTextX,
                                             top + speechLineHeight * (k - 1),
                                             state.speechLines[static_cast<std::size_t>(k)]});
}

void paintPictures(Screen& screen, const PageEntry& page, PictureSlots& slots) {
    for (int slot : page.releasedSlots)
        slots.release(slot);
    for (const auto& picture : page.pictures) {
        slots.load(picture.slot, picture.file);
        screen.background.push_back(DrawPicture{picture.slot, picture.x, picture.y,
                                                picture.stretchWidth, picture.stretchHeight});
    }
}

void paintTextLines(Screen& screen, const LessonState& state, const PageEntry& page) {
    for (int i = 1; i <= 17; ++i) {
        const std::string& line = state.pageLines[static_cast<std::size_t>(i)];
        const int x = isChoiceLine(line) ? choiceTextX : textX;
        std::string text = i == 1 ? line + state.feedback : line;
        screen.background.push_back(
            DrawText{FontNumber::Page, white, x, textLineHeight * (i - 1), std::move(text)});
    }
    for (const auto& label : page.labels)
        screen.background.push_back(
            DrawText{FontNumber::Page, white, label.x, label.y, label.text});
}

Control pushButton(int number, Rect rect, std::string caption, bool visible) {
    Control c;
    c.number = number;
    c.kind = ControlKind::PushButton;
    c.rect = rect;
    c.caption = std::move(caption);
    c.visible = visible;
    return c;
}

Control pictureButton(int number, Rect rect, int slot, bool enabled, std::string tooltip) {
    Control c;
    c.number = number;
    c.kind = ControlKind::PictureButton;
    c.rect = rect;
    c.pictureSlot = slot;
    c.enabled = enabled;
    c.tooltip = std::move(tooltip);
    return c;
}

constexpr const char* buttonCaptions[] = {"One", "Two", "Three", "Four", "Five", "Six"};

// Controls 61 and 1..13, as every screen has them.
void addStandardControls(Screen& screen, const LessonState& state, const Catalogue& catalogue,
                         bool pageShown) {
    Control background;
    background.number = backgroundControl;
    background.kind = ControlKind::Background;
    background.rect = {0, 0, clientWidth, clientHeight};
    background.pictureSlot = backgroundSlot;
    screen.controls.push_back(background);

    for (int n = 1; n <= maxLessons; ++n) {
        Control button = pushButton(firstLessonButton + n - 1, lessonButton(n),
                                    buttonCaptions[n - 1], n <= state.lessonCount);
        button.font = FontNumber::Caption;
        if (const LessonEntry* lesson = catalogue.findLesson(n))
            button.tooltip = lesson->tooltip();
        screen.controls.push_back(button);
    }
    for (int k = 1; k <= maxSteps; ++k) {
        Control button = pushButton(firstStepButton + k - 1, stepButton(k), buttonCaptions[k - 1],
                                    pageShown && k <= state.stepButtonCount);
        button.font = FontNumber::Caption;
        screen.controls.push_back(button);
    }
    screen.controls.push_back(
        pictureButton(previousButton, previousButtonRect, previousFaceSlot, pageShown, "Previous"));
    screen.controls.push_back(
        pictureButton(nextButton, nextButtonRect, nextFaceSlot, pageShown, "Next"));
}

void addFillInControls(Screen& screen, const PageEntry& page) {
    for (const auto& field : page.fields) {
        Control c;
        c.number = field.control;
        c.kind = ControlKind::TextField;
        c.rect = field.rect;
        screen.controls.push_back(c);
    }
    if (page.doneButton)
        screen.controls.push_back(pushButton(doneButton, *page.doneButton, "Done", true));
}

// A later line with the same letter replaces the earlier button, as re-creating a control
// with an existing number does.
void addAnswerButtons(Screen& screen, const LessonState& state) {
    for (int i = 1; i <= 17; ++i) {
        const std::string& line = state.pageLines[static_cast<std::size_t>(i)];
        if (!hasAnswerButton(line))
            continue;
        const int number = firstAnswerButton + (line[0] - 'A');
        std::erase_if(screen.controls, [number](const Control& c) { return c.number == number; });
        screen.controls.push_back(
            pushButton(number, answerButton(i), std::string(1, line[0]), true));
    }
}

} // namespace

Screen paintStartScreen(const LessonState& state, const Catalogue& catalogue) {
    Screen screen;
    paintPanelsAndLabels(screen);
    screen.background.push_back(FillRectangle{{280, 405, 430, 40}, bubbleColour});
    screen.background.push_back(
        DrawText{FontNumber::Speech, black, 290, 405, "Hi, I'm professor Orvo. Select a lesson."});
    screen.background.push_back(DrawPicture{tutorSlot, tutorX, tutorY, 0, 0});
    addStandardControls(screen, state, catalogue, false);
    return screen;
}

Screen paintPage(LessonState& state, const Catalogue& catalogue, PictureSlots& slots) {
    static const PageEntry noPage;
    const PageEntry* found = catalogue.findPage(state.currentPage);
    const PageEntry& page = found ? *found : noPage;
    Screen screen;
    paintPanelsAndLabels(screen);
    if (state.tutorShown)
        paintTutor(screen, state);
    paintPictures(screen, page, slots);
    paintTextLines(screen, state, page);
    addStandardControls(screen, state, catalogue, true);
    addFillInControls(screen, page);
    if (!state.tutorShown)
        addAnswerButtons(screen, state);
    state.feedback.clear();
    return screen;
}

} // namespace engine
