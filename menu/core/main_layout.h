#pragma once

#include "platform/geometry/geometry.h"

namespace menu {

using platform::Rect;

// Where the main window's controls go. W is the inner width of the maximised window and
// H its inner height plus the height of its menu bar; the layout is worked out once.
struct MainLayout {
    Rect backgroundPanel;
    Rect sectionList;
    Rect studyButton;
    Rect quitButton;
};

MainLayout mainLayoutFor(int width, int height);

} // namespace menu
