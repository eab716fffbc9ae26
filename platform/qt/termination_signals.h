#pragma once

class QWidget;

namespace platform {

// When the session ends (SIGTERM, SIGINT or SIGHUP) the window is closed as if its close box
// had been pressed, so the program does what closing does (a lesson program records the
// study time) and ends normally with status 0.
void closeOnTerminationSignals(QWidget* window);

} // namespace platform
