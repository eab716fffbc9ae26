#include "menu/core/install_folder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace menu {

std::string installFolderFor(const std::optional<std::string>& programFiles,
                             const std::string& menuProgramFolder,
                             const FolderExists& folderExists) {
    if (!programFiles)
        return menuProgramFolder;
    std::string folder = *programFiles;
    folder += folderSeparator;
    folder += installFolderName;
    return folderExists(folder) ? folder : menuProgramFolder;
}

std::string installFolderFromEnvironment(const std::string& menuProgramFolder) {
    const char* programFiles = std::getenv("ProgramFiles");
    const auto isFolder = [](const std::string& folder) {
        std::error_code error;
        return std::filesystem::is_directory(folder, error);
    };
    return installFolderFor(programFiles ? std::optional<std::string>(programFiles) : std::nullopt,
                            menuProgramFolder, isFolder);
}

} // namespace menu
