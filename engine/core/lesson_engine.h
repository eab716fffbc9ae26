#pragma once

#include "engine/core/catalogue.h"
#include "engine/core/lesson_host.h"
#include "engine/core/lesson_state.h"

namespace engine {

// Lesson choice, Step jumps, paging and answering. Every Page change loads the Page
// (starting its demonstration program first), draws it and makes the window active again.
class LessonEngine {
  public:
    LessonEngine(const Catalogue& catalogue, LessonHost& host);

    // Shows the start screen.
    void start();

    // A control event by the control's number; numbers without an action do nothing.
    void handleControl(int number);

    void pressLesson(int lesson);
    void pressStep(int step);
    void pressPrevious();
    void pressNext();
    void pressAnswer(char letter);
    void pressDone();

    // Moves to a place read from a saved-place file and shows it; a place that does not
    // exist is refused, nothing changes and nothing is drawn. Returns whether it was taken.
    bool restorePlace(int page, int lesson, int stepButtonCount);

    const LessonState& state() const { return state_; }
    LessonState& state() { return state_; }
    const Catalogue& catalogue() const { return catalogue_; }

    // Loads, draws and reactivates the current Page.
    void showCurrentPage();

  private:
    void loadPage();
    void drawPage();

    const Catalogue& catalogue_;
    LessonHost& host_;
    LessonState state_;
};

} // namespace engine
