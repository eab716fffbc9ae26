#include "platform/help/chm_archive.h"

#include "platform/help/chm_compression_check.h"
#include "platform/help/chm_file_header.h"

#include <chm_lib.h>

#include <array>
#include <cstdint>
#include <fstream>
#include <vector>

namespace platform {

namespace {

// No object of our help file comes near this; a larger length means a damaged directory.
constexpr LONGUINT64 largestObjectBytes = 64ull * 1024 * 1024;

bool isBookkeepingPath(std::string_view path) {
    // Entries such as "/#SYSTEM" and "/$WWKeywordLinks/..." belong to the file format.
    return path.size() < 2 || path[1] == '#' || path[1] == '$';
}

struct StoredExtent {
    LONGUINT64 room = 0; // bytes between the content offset and the end of the file
    bool fits = true;
};

int checkStoredExtent(chmFile*, chmUnitInfo* unit, void* context) {
    auto* extent = static_cast<StoredExtent*>(context);
    if (unit->space == CHM_UNCOMPRESSED &&
        (unit->start > extent->room || unit->length > extent->room - unit->start)) {
        extent->fits = false;
        return CHM_ENUMERATOR_SUCCESS;
    }
    return CHM_ENUMERATOR_CONTINUE;
}

// A cut-off file still opens, and the library would then decode whatever lies in its
// buffers; so every stored object has to lie inside the file. (The compressed section is
// one of the stored objects.)
bool storedObjectsFitInFile(chmFile* file, const ChmFileHeader& header) {
    StoredExtent extent{header.fileSize - header.contentOffset, true};
    chm_enumerate(file, CHM_ENUMERATE_ALL, checkStoredExtent, &extent);
    return extent.fits;
}

// The table of the compressed section's blocks, which the library reads itself while opening
// the file: a version, the block count, ..., and at byte 32 the length of one decompressed block.
constexpr char resetTablePath[] = "::DataSpace/Storage/MSCompressed/Transform/"
                                  "{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/InstanceData/ResetTable";
constexpr std::size_t resetTableHeaderBytes = 40;
// LZX windows, and with them the blocks, are at most 2 MiB.
constexpr std::uint64_t largestBlockBytes = 2ull * 1024 * 1024;

std::uint64_t littleEndian(const std::array<unsigned char, resetTableHeaderBytes>& bytes,
                           std::size_t at, std::size_t width) {
    std::uint64_t value = 0;
    for (std::size_t i = width; i-- > 0;) {
        value = (value << 8) | bytes[at + i];
    }
    return value;
}

// The library reads each compressed block, from its start in the table to the next one's (the
// last one to the compressed length), into a buffer of the block length + 6144 bytes without
// checking that it fits; every block must.
bool compressedBlocksFit(std::ifstream& in, std::uint64_t tableStart,
                         const std::array<unsigned char, resetTableHeaderBytes>& header,
                         std::uint64_t blockLength) {
    constexpr std::uint64_t mostBlocks = 1u << 20;
    const std::uint64_t blockCount = littleEndian(header, 4, 4);
    const std::uint64_t entriesAt = tableStart + littleEndian(header, 12, 4);
    const std::uint64_t compressedLength = littleEndian(header, 24, 8);
    if (blockCount > mostBlocks) {
        return false;
    }
    in.clear();
    in.seekg(static_cast<std::streamoff>(entriesAt));
    std::vector<std::uint64_t> starts(blockCount);
    for (std::uint64_t& start : starts) {
        std::array<unsigned char, resetTableHeaderBytes> entry{};
        if (!in.read(reinterpret_cast<char*>(entry.data()), 8)) {
            return false;
        }
        start = littleEndian(entry, 0, 8);
    }
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const std::uint64_t end = i + 1 < starts.size() ? starts[i + 1] : compressedLength;
        if (end < starts[i] || end - starts[i] > blockLength + 6144) {
            return false;
        }
    }
    return true;
}

// The library divides by the block length and sizes its buffer for one compressed block from
// the length cut to 32 bits, while it checks the blocks it reads against the full 64 bits; a
// block length of 0 or beyond 32 bits would end the program or overrun that buffer. (A table
// of another version makes the library leave the compressed section unread.)
bool resetTableIsSound(chmFile* file, const ChmFileHeader& header,
                       const std::filesystem::path& path) {
    chmUnitInfo unit{};
    if (chm_resolve_object(file, resetTablePath, &unit) != CHM_RESOLVE_SUCCESS ||
        unit.space != CHM_UNCOMPRESSED) {
        return true;
    }
    std::array<unsigned char, resetTableHeaderBytes> bytes{};
    std::ifstream in(path, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(header.contentOffset + unit.start));
    if (!in.read(reinterpret_cast<char*>(bytes.data()), bytes.size())) {
        return true; // the library cannot read it either, and leaves the section unread
    }
    if (littleEndian(bytes, 0, 4) != 2) {
        return true;
    }
    const std::uint64_t blockLength = littleEndian(bytes, 32, 8);
    if (blockLength == 0 || blockLength > largestBlockBytes) {
        return false;
    }
    return compressedBlocksFit(in, header.contentOffset + unit.start, bytes, blockLength);
}

int collectFilePath(chmFile*, chmUnitInfo* unit, void* context) {
    auto* paths = static_cast<std::vector<std::string>*>(context);
    const std::string path(unit->path);
    if (!isBookkeepingPath(path)) {
        paths->push_back(path);
    }
    return CHM_ENUMERATOR_CONTINUE;
}

} // namespace

void ChmArchive::Closer::operator()(chmFile* file) const {
    chm_close(file);
}

std::string chmObjectPath(std::string_view path) {
    if (!path.empty() && path.front() == '/') {
        return std::string(path);
    }
    return "/" + std::string(path);
}

ChmArchive::ChmArchive(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        status_ = ChmOpenStatus::FileMissing;
        return;
    }
    const std::optional<ChmFileHeader> header = readChmFileHeader(file);
    status_ = ChmOpenStatus::NotAHelpFile;
    if (!header || !chmCompressionControlsAreSound(file)) {
        return;
    }
    file_.reset(chm_open(file.string().c_str()));
    if (file_ && (!storedObjectsFitInFile(file_.get(), *header) ||
                  !resetTableIsSound(file_.get(), *header, file))) {
        file_.reset();
    }
    if (file_) {
        status_ = ChmOpenStatus::Opened;
    }
}

ChmObject ChmArchive::read(std::string_view objectPath) const {
    if (!file_) {
        return {ChmReadStatus::NotOpen, {}};
    }
    const std::string path = chmObjectPath(objectPath);
    if (path.size() > CHM_MAX_PATHLEN) {
        return {ChmReadStatus::ObjectMissing, {}};
    }
    chmUnitInfo unit{};
    if (chm_resolve_object(file_.get(), path.c_str(), &unit) != CHM_RESOLVE_SUCCESS) {
        return {ChmReadStatus::ObjectMissing, {}};
    }
    if (unit.length > largestObjectBytes) {
        return {ChmReadStatus::Damaged, {}};
    }
    std::string bytes(static_cast<std::size_t>(unit.length), '\0');
    const auto length = static_cast<LONGINT64>(unit.length);
    const LONGINT64 got = chm_retrieve_object(
        file_.get(), &unit, reinterpret_cast<unsigned char*>(bytes.data()), 0, length);
    if (got != length) {
        return {ChmReadStatus::Damaged, {}};
    }
    return {ChmReadStatus::Read, std::move(bytes)};
}

bool ChmArchive::contains(std::string_view objectPath) const {
    if (!file_) {
        return false;
    }
    const std::string path = chmObjectPath(objectPath);
    chmUnitInfo unit{};
    return path.size() <= CHM_MAX_PATHLEN &&
           chm_resolve_object(file_.get(), path.c_str(), &unit) == CHM_RESOLVE_SUCCESS;
}

std::vector<std::string> ChmArchive::filePaths() const {
    std::vector<std::string> paths;
    if (file_) {
        chm_enumerate(file_.get(), CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES, collectFilePath,
                      &paths);
    }
    return paths;
}

} // namespace platform
