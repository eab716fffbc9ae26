#pragma once

#include <functional>
#include <string>

namespace menu {

// How the menu starts the programs of the installation folder by their file names. A
// program that is missing or cannot be started is skipped without a word.
struct ProgramStarter {
    // Returns once the started program has ended; no events are handled meanwhile.
    std::function<void(const std::string& program)> runAndWait;
    // Returns at once; the program runs beside the menu.
    std::function<void(const std::string& program)> runDetached;

    // Starts the programs in `folder`, with no arguments and `folder` as their working
    // directory.
    static ProgramStarter inFolder(const std::string& folder);
};

} // namespace menu
