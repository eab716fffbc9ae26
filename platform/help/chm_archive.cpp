#include "platform/help/chm_archive.h"

#include "platform/help/chm_file_header.h"

#include <chm_lib.h>

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
    if (!header) {
        return;
    }
    file_.reset(chm_open(file.string().c_str()));
    if (file_ && !storedObjectsFitInFile(file_.get(), *header)) {
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
