#pragma once

#include "engine/core/catalogue.h"

namespace engine {

// Runs a lesson program on its catalogue: opens the window at its start screen and
// handles events until the close box ends the program.
int runLessonProgram(int argc, char** argv, const Catalogue& catalogue);

} // namespace engine
