#pragma once

#include <string>
#include <variant>

namespace menu {

enum class StartMode {
    Wait,     // the menu stands still until the started program has ended
    Detached, // the program runs beside the menu
};

// Starting a program of the installation folder by its file name, such as "shapes.exe".
struct StartProgram {
    std::string program;
    StartMode mode = StartMode::Wait;
    bool showWaitCursor = false; // the hourglass is set before the start

    bool operator==(const StartProgram&) const = default;
};

// Opening the subtest window of Section 0, 1 or 2.
struct OpenSubtest {
    int section = 0;
    bool operator==(const OpenSubtest&) const = default;
};

// Closing subtest window `windowNumber` (1, 4 or 5) and giving the main window back.
struct CloseSubtest {
    int windowNumber = 0;
    bool operator==(const CloseSubtest&) const = default;
};

struct ShowHelp {
    bool operator==(const ShowHelp&) const = default;
};

struct ShowAbout {
    bool operator==(const ShowAbout&) const = default;
};

// Leaving the event loop, which leads to the farewell tip and the end.
struct LeaveMenu {
    bool operator==(const LeaveMenu&) const = default;
};

struct Ignore {
    bool operator==(const Ignore&) const = default;
};

// What the menu does in answer to one event.
using MenuAction =
    std::variant<Ignore, StartProgram, OpenSubtest, CloseSubtest, ShowHelp, ShowAbout, LeaveMenu>;

} // namespace menu
