#pragma once

namespace menu {

// Shows the hourglass over every window of the menu for as long as it lives; the normal
// pointer comes back when it ends.
class WaitCursor {
  public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace menu
