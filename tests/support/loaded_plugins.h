#pragma once

#include <fstream>
#include <string>

namespace test_support {

// Whether this process has mapped one of Qt's image-format plugins (qjpeg, qsvg, qico, ...).
// Qt loads every one of them the first time it has to guess a picture's format, a cost the
// course's programs keep out of their start.
inline bool imageFormatPluginLoaded() {
    std::ifstream maps("/proc/self/maps");
    for (std::string line; std::getline(maps, line);)
        if (line.find("/imageformats/") != std::string::npos)
            return true;
    return false;
}

} // namespace test_support
