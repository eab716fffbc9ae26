#pragma once

#include <filesystem>

namespace platform {

// Whether every LZX control record in a compiled help file ("LZXC", then the version, the
// reset interval, the window size and the windows per reset) gives the CHM library numbers
// it can divide by. The library opens the compressed section by dividing the reset interval
// by half the window size, and a damaged record ends the program with a division by zero
// there; a window size that the LZX decoder does not take (a power of two from 32 KiB to
// 2 MiB) ends it on the first compressed read. Such files must be refused before the library
// sees them.
bool chmCompressionControlsAreSound(const std::filesystem::path& file);

} // namespace platform
