#pragma once

namespace chronicle {

// Makes the application and the history window over the built-in entries, runs until the
// window is closed; returns 0 then.
int runChronicle(int argc, char** argv);

} // namespace chronicle
