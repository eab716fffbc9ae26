#pragma once

#include <functional>

class QMenuBar;

namespace menu {

using CommandHandler = std::function<void(int command)>;

// Fills the main window's menu bar: "Index" with one submenu per subtest holding its
// Topics, then "Help" with "Help...    F1" and "About...". Every item carries its command
// number (QAction::data) and passes it to `onCommand` when chosen.
void buildMenuBar(QMenuBar& bar, const CommandHandler& onCommand);

} // namespace menu
