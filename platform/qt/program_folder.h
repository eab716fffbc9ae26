#pragma once

#include <string>

namespace platform {

// The folder that holds the running program file, without a trailing separator.
std::string programFolder();

// Makes the program's folder the working directory, so files named without a folder are
// found beside the program.
void enterProgramFolder();

} // namespace platform
