#pragma once

class QWidget;

namespace kit {

// When the session ends (SIGTERM, SIGINT or SIGHUP) the window is closed as if its close box
// had been pressed, so the program ends normally with status 0.
void closeOnTerminationSignals(QWidget* window);

} // namespace kit
