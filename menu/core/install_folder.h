#pragma once

#include "platform/course/course_title.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace menu {

inline constexpr std::string_view installFolderName = platform::courseTitle;

#ifdef _WIN32
inline constexpr char folderSeparator = '\\';
#else
inline constexpr char folderSeparator = '/';
#endif

using FolderExists = std::function<bool(const std::string& folder)>;

// The course's installation folder: "ProgramFiles" followed by the course's folder name.
// When "ProgramFiles" is unset or that folder does not exist, the course is installed
// somewhere else, and the folder of the menu program itself is used.
std::string installFolderFor(const std::optional<std::string>& programFiles,
                             const std::string& menuProgramFolder,
                             const FolderExists& folderExists);

// The same with the process's environment and the file system.
std::string installFolderFromEnvironment(const std::string& menuProgramFolder);

} // namespace menu
