#pragma once

#include "platform/help/chm_archive.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

namespace help_test {

// What became of opening a help file in a child process.
struct ChildOpening {
    // How the archive opened; nothing when the child did not come back with an answer.
    std::optional<platform::ChmOpenStatus> status;
    // Why there is no answer: still opening at the deadline, or ended by a signal.
    std::string trouble;
};

// Opens `file` as the help window does, and lists its files, in a child process; a child that
// has not finished by `limit` is killed. A file that makes the CHM library loop then fails its
// test within seconds instead of holding up the whole test run.
ChildOpening openInChildWithin(const std::filesystem::path& file, std::chrono::seconds limit);

} // namespace help_test
