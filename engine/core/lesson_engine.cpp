#include "engine/core/lesson_engine.h"

#include "engine/core/answer_check.h"
#include "engine/core/page_painter.h"
#include "engine/core/page_reader.h"
#include "engine/core/window_layout.h"

namespace engine {

LessonEngine::LessonEngine(const Catalogue& catalogue, LessonHost& host)
    : catalogue_(catalogue), host_(host) {
    state_.lessonCount = catalogue.settings.lessonCount;
}

void LessonEngine::start() {
    host_.present(paintStartScreen(state_, catalogue_));
}

void LessonEngine::handleControl(int number) {
    using namespace layout;
    if (number >= firstLessonButton && number < firstLessonButton + maxLessons)
        pressLesson(number - firstLessonButton + 1);
    else if (number >= firstStepButton && number < firstStepButton + maxSteps)
        pressStep(number - firstStepButton + 1);
    else if (number == previousButton)
        pressPrevious();
    else if (number == nextButton)
        pressNext();
    else if (number >= firstAnswerButton && number < firstAnswerButton + 4)
        pressAnswer(static_cast<char>('A' + number - firstAnswerButton));
    else if (number == doneButton)
        pressDone();
}

void LessonEngine::pressLesson(int lesson) {
    const LessonEntry* entry =
        lesson <= state_.lessonCount ? catalogue_.findLesson(lesson) : nullptr;
    if (!entry || !catalogue_.findPage(entry->firstPage))
        return;
    state_.stepButtonCount = entry->stepButtonCount;
    state_.currentPage = entry->firstPage;
    state_.currentLesson = lesson;
    state_.lessonChosen = true;
    showCurrentPage();
}

void LessonEngine::pressStep(int step) {
    if (state_.currentPage == 0 || state_.currentLesson < 1)
        return; // the step buttons are hidden on the start screen
    const LessonEntry* lesson = catalogue_.findLesson(state_.currentLesson);
    if (!lesson || step < 1)
        return;
    int target = lesson->firstPage;
    if (step > 1) {
        if (step > static_cast<int>(lesson->stepFirstPages.size()))
            return;
        target = lesson->stepFirstPages[static_cast<std::size_t>(step - 1)];
    }
    if (!catalogue_.findPage(target))
        return;
    state_.currentPage = target;
    showCurrentPage();
}

void LessonEngine::pressPrevious() {
    if (state_.currentPage == 0)
        return; // disabled on the start screen
    state_.currentPage -= 1;
    if (state_.currentPage < 1) {
        state_.currentPage = 1;
        return;
    }
    showCurrentPage();
}

void LessonEngine::pressNext() {
    if (!state_.lessonChosen)
        return;
    state_.currentPage += 1;
    if (state_.currentPage > catalogue_.pageCount()) {
        state_.currentPage = catalogue_.pageCount();
        return;
    }
    showCurrentPage();
}

void LessonEngine::pressAnswer(char letter) {
    if (state_.currentPage < 1 || state_.currentPage >= catalogue_.pageCount())
        return;
    state_.feedback = verdictForAnswer(state_.pageLines[18], letter);
    state_.currentPage += 1;
    showCurrentPage();
}

void LessonEngine::pressDone() {
    if (state_.currentPage < 1 || state_.currentPage >= catalogue_.pageCount())
        return;
    const PageEntry* page = catalogue_.findPage(state_.currentPage);
    if (!page)
        return;
    state_.feedback =
        checkFillIn(page->fields, [this](int control) { return host_.fieldText(control); });
    state_.currentPage += 1;
    showCurrentPage();
}

bool LessonEngine::restorePlace(int page, int lesson, int stepButtonCount) {
    const bool valid = catalogue_.findPage(page) && lesson >= 1 && lesson <= state_.lessonCount &&
                       catalogue_.findLesson(lesson) && stepButtonCount >= 0 &&
                       stepButtonCount <= layout::maxSteps;
    if (!valid)
        return false;
    state_.lessonChosen = true;
    state_.currentPage = page;
    state_.currentLesson = lesson;
    state_.stepButtonCount = stepButtonCount;
    showCurrentPage();
    return true;
}

void LessonEngine::showCurrentPage() {
    if (!catalogue_.findPage(state_.currentPage))
        return; // every move is checked first; this keeps a slip from reaching a Page
    loadPage();
    drawPage();
    host_.activate();
}

void LessonEngine::loadPage() {
    const PageEntry& page = *catalogue_.findPage(state_.currentPage);
    state_.currentLesson = page.lesson;
    state_.tutorShown = page.tutorShown;
    if (!page.program.empty())
        host_.runDemonstration(page.program);
    state_.contentCursor = page.record;
    if (page.layout == RecordLayout::Text)
        readTextPage(catalogue_.content, state_);
    else
        readQuestionPage(catalogue_.content, state_);
}

void LessonEngine::drawPage() {
    host_.present(paintPage(state_, catalogue_, host_.pictureSlots()));
}

} // namespace engine
