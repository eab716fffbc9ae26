#pragma once

// The entries files of the history as the program builds them in, read straight from the
// source folder.
#include "chronicle/core/chronicle_reader.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

inline chronicle::ReadOutcome entriesOnDisk() {
    std::vector<std::filesystem::path> paths;
    for (const auto& file : std::filesystem::directory_iterator(CHRONICLE_ENTRIES_DIR))
        if (file.path().extension() == ".txt")
            paths.push_back(file.path());
    std::sort(paths.begin(), paths.end());
    std::vector<chronicle::SourceText> files;
    for (const auto& path : paths) {
        std::ifstream in(path);
        std::stringstream text;
        text << in.rdbuf();
        files.push_back({path.filename().string(), text.str()});
    }
    return chronicle::readChronicle(files);
}

inline const chronicle::Chronicle& theHistory() {
    static const chronicle::Chronicle history = entriesOnDisk().chronicle;
    return history;
}
