#pragma once

#include "engine/core/catalogue.h"
#include "engine/view/lesson_window.h"
#include "engine/view/qt_picture_slots.h"
#include "engine/view/saved_place_commands.h"

#include <memory>
#include <string>

namespace engine {

// A lesson program wired together: its pictures, its window, and what the menu commands,
// the demonstration Pages and the close box do. Files are looked up in `folder`.
class LessonProgram {
  public:
    LessonProgram(const Catalogue& catalogue, std::string folder,
                  SavedPlaceDialogs dialogs = SavedPlaceDialogs::platformDialogs());

    LessonWindow& window() { return *window_; }
    const std::string& folder() const { return folder_; }

    // Adds the minutes since start-up to the program's study-time file.
    void recordStudyTime();

  private:
    void handleCommand(LessonCommand command);

    const Catalogue& catalogue_;
    std::string folder_;
    QtPictureSlots pictures_;
    std::unique_ptr<LessonWindow> window_;
    std::unique_ptr<SavedPlaceCommands> savedPlaces_;
};

// Runs a lesson program on its catalogue: opens the window at its start screen and handles
// events until the close box ends the program.
int runLessonProgram(int argc, char** argv, const Catalogue& catalogue);

} // namespace engine
