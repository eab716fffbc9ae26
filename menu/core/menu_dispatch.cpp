#include "menu/core/menu_dispatch.h"

#include "menu/core/menu_numbers.h"
#include "menu/core/section_table.h"
#include "menu/core/subtest_windows.h"
#include "menu/core/topic_table.h"

namespace menu {

MenuAction actionForCommand(int command) {
    if (command == command::help)
        return ShowHelp{};
    if (command == command::about)
        return ShowAbout{};
    if (const Topic* topic = topicForCommand(command))
        return StartProgram{std::string(topic->program), StartMode::Wait, false};
    return Ignore{};
}

MenuAction actionForControl(int control, int selectedRow) {
    if (control == control::studyButton)
        return sectionAction(selectedRow);
    if (control == control::quitButton)
        return LeaveMenu{};
    return subtestControlAction(control);
}

} // namespace menu
