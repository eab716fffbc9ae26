#pragma once

#include <string>

namespace platform {

class HelpWindow;

// Opens the help window on `topic` (for example "introduction.html") of the compiled help
// file `chmPath` (a bare name is looked up in the working directory) and returns at once;
// the program goes on beside it. A window already open on the same file is brought to the
// front and shows the topic. A missing help file or topic is reported inside the help
// window; the caller shows nothing. Without a running QApplication nothing happens.
// Every help window opened here closes when the application quits.
void showHelpTopic(const std::string& chmPath, const std::string& topic);

// Closes every help window opened by showHelpTopic.
void closeAllHelpWindows();

// The window that showHelpTopic showed last, while it is open; for tests and callers that
// want to look at the page shown. Null when none is open.
HelpWindow* lastOpenedHelpWindow();

} // namespace platform
