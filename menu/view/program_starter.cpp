#include "menu/view/program_starter.h"

#include "platform/qt/program_start.h"

namespace menu {

ProgramStarter ProgramStarter::inFolder(const std::string& folder) {
    // The exit status, and whether the program was there at all, do not matter to the menu.
    return {
        [folder](const std::string& program) { platform::runAndWait(folder, program); },
        [folder](const std::string& program) { platform::runDetached(folder, program); },
    };
}

} // namespace menu
