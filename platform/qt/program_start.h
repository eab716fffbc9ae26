#pragma once

#include <string>

namespace platform {

// The platform's program file for a course program name such as "shapes.exe" in `folder`:
// on Linux the name without ".exe". Empty when no such executable file exists.
std::string executableFor(const std::string& folder, const std::string& name);

// Starts the program with no arguments and `folder` as its working directory, never through
// a shell, and waits without time limit until it ends. No events of the caller are handled
// meanwhile, and the mouse and key input that reached its windows during the wait is thrown
// away afterwards. Returns false, at once, when the program is missing or cannot be started.
bool runAndWait(const std::string& folder, const std::string& name);

// Starts the program the same way and returns at once.
bool runDetached(const std::string& folder, const std::string& name);

} // namespace platform
