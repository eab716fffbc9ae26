#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

namespace platform {

// What the fixed header at the start of a compiled HTML help file says about the file's
// layout, together with the file's real size.
struct ChmFileHeader {
    std::uint64_t fileSize = 0;
    // Where the objects of the uncompressed section begin; every stored object (and the
    // compressed section, which is itself one of them) lies after this offset.
    std::uint64_t contentOffset = 0;
};

// Reads the header: the four bytes "ITSF", then the directory's place and the content's
// offset. Nothing when the file cannot be read, does not begin like a help file, names
// places beyond its own end or has a directory whose blocks are shorter than a block header or
// longer than the directory. Cheap enough to run before handing a file to the CHM library,
// which is then spared plainly foreign or cut-off files.
std::optional<ChmFileHeader> readChmFileHeader(const std::filesystem::path& file);

} // namespace platform
