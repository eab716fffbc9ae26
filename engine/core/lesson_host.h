#pragma once

#include "engine/core/picture_slots.h"
#include "engine/core/screen.h"

#include <string>

namespace engine {

// What the lesson engine needs of the window that shows it.
class LessonHost {
  public:
    virtual ~LessonHost() = default;
    // Starts the program beside the lesson program and returns when it has ended; a program
    // that is missing or cannot be started is skipped.
    virtual void runDemonstration(const std::string& program) = 0;
    // Shows the new background picture and replaces every control by the screen's.
    virtual void present(const Screen& screen) = 0;
    // Makes the lesson window the active window again.
    virtual void activate() = 0;
    // The text typed into fill-in field `control` (Windows-1252).
    virtual std::string fieldText(int control) const = 0;
    virtual PictureSlots& pictureSlots() = 0;
};

} // namespace engine
