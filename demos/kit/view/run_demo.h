#pragma once

#include "kit/view/demo_definition.h"

class QApplication;

namespace kit {

// The course look for a whole application: the Fusion style in the course's colours.
void applyCourseLook(QApplication& app);

// Makes the application and the window, runs until the window is closed; returns 0 then.
int runDemo(int argc, char** argv, DemoDefinition def);

} // namespace kit
