#pragma once

class QWidget;

namespace platform {

// Moves the (not yet shown) window to the right of the caller's window, top edges level,
// kept on the caller's screen; where the screen is too narrow it overlaps the caller's
// right part instead. Without a caller the window keeps the place the system gives it.
void placeBeside(QWidget* window, const QWidget* caller);

} // namespace platform
