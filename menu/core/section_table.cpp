#include "menu/core/section_table.h"

namespace menu {

MenuAction sectionAction(int row) {
    switch (row) {
    case 0:
    case 1:
    case 2:
        return OpenSubtest{row};
    case 3:
        return StartProgram{"extras.exe", StartMode::Detached, false};
    case 4:
        return StartProgram{"journal.exe", StartMode::Detached, false};
    default:
        return Ignore{};
    }
}

} // namespace menu
