#pragma once

#include "menu/core/farewell_tips.h"

#include <functional>
#include <string>

class QWidget;

namespace menu {

// What the menu shows besides its own windows: the help, the About box and the farewell
// tip, and where its random numbers come from.
struct MenuServices {
    std::function<void()> showHelp;
    std::function<void(QWidget* owner)> showAbout;
    std::function<void(QWidget* owner, const std::string& tip)> showFarewell;
    std::function<void()> closeHelp;
    UniformIntegers random;

    // The course's help file of `installFolder`, the lesson engine's About box, message
    // boxes and a generator seeded from the tick count.
    static MenuServices standard(const std::string& installFolder);
};

} // namespace menu
