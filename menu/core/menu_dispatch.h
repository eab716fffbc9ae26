#pragma once

#include "menu/core/menu_action.h"

namespace menu {

// Menu command `command`: a Topic starts its program and waits (the pointer unchanged),
// 4 opens the help and 5 the About box; any other number is ignored.
MenuAction actionForCommand(int command);

// Control event of control `control`, with `selectedRow` the row selected in sectionList
// (noRowSelected when none).
MenuAction actionForControl(int control, int selectedRow);

} // namespace menu
