#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct chmFile;

namespace platform {

// What became of opening a compiled help file.
enum class ChmOpenStatus {
    Opened,
    FileMissing,  // no such file, or not a plain file
    NotAHelpFile, // the file exists but is foreign, cut off or damaged
};

// What became of reading one object (a page, stylesheet or picture) out of the file.
enum class ChmReadStatus {
    Read,
    NotOpen,       // the archive itself could not be opened
    ObjectMissing, // the archive holds no object of that path
    Damaged,       // the object is listed but its bytes cannot be read in full
};

struct ChmObject {
    ChmReadStatus status = ChmReadStatus::NotOpen;
    std::string bytes;
};

// A compiled HTML help file opened for reading. The file stays open for the lifetime of the
// object. Objects are named by their path inside the archive, such as "/introduction.html";
// a path without the leading slash means the same object.
class ChmArchive {
  public:
    ChmArchive() = default;
    explicit ChmArchive(const std::filesystem::path& file);

    ChmOpenStatus openStatus() const { return status_; }
    bool isOpen() const { return status_ == ChmOpenStatus::Opened; }

    ChmObject read(std::string_view objectPath) const;
    bool contains(std::string_view objectPath) const;

    // Paths of the ordinary files in the archive (pages, pictures, contents), without the
    // archive's own bookkeeping objects.
    std::vector<std::string> filePaths() const;

  private:
    struct Closer {
        void operator()(chmFile* file) const;
    };

    std::unique_ptr<chmFile, Closer> file_;
    ChmOpenStatus status_ = ChmOpenStatus::FileMissing;
};

// "introduction.html" -> "/introduction.html"; a leading slash is kept.
std::string chmObjectPath(std::string_view path);

} // namespace platform
