#pragma once

#include <string>

namespace platform {

// Adds `minutes` to the total in the study-time file and returns the new total. The file is
// replaced atomically (a new file is written beside it and renamed over it) under an
// exclusive lock held from the read to the rename, so a crash never leaves it damaged and
// programs closing at once all count. A missing file counts as "0"; a folder that cannot be
// written leaves everything as it was, quietly.
long long addStudyMinutes(const std::string& path, int minutes);

// Milliseconds of a clock that never jumps with the system time.
double monotonicMilliseconds();

} // namespace platform
