#pragma once

#include "menu/core/menu_action.h"
#include "platform/geometry/geometry.h"

#include <span>
#include <string_view>

namespace menu {

using platform::Point;
using platform::Size;

// A text link of a subtest window; clicking it sets the hourglass and starts `program`.
struct SubtestLink {
    int control;
    std::string_view text;
    Size size;
    std::string_view program;
    StartMode mode;
};

// One subtest window: a "Select" frame at (10, 15), its links one under the other and a
// back button under them.
struct SubtestWindowLayout {
    int windowNumber;
    std::string_view title;
    Size innerSize;
    int frameControl;
    Size frameSize;
    int backControl;
    Point backPosition;
    std::span<const SubtestLink> links;
};

inline constexpr std::string_view selectFrameCaption = "Select";
inline constexpr Point selectFramePosition{10, 15};
inline constexpr Size backButtonSize{90, 38};

// The subtest window that Section `section` (0, 1 or 2) opens.
const SubtestWindowLayout& subtestWindowForSection(int section);

// Where the k-th link of a window (k from 0) sits.
Point linkPosition(int k);

// The action of a link or back button control; Ignore for any other control number.
MenuAction subtestControlAction(int control);

} // namespace menu
