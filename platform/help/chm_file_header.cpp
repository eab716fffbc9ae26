#include "platform/help/chm_file_header.h"

#include <array>
#include <fstream>

namespace platform {

namespace {

// Offsets of the header fields we need; all integers are little-endian.
constexpr std::size_t versionAt = 0x04;
constexpr std::size_t directoryOffsetAt = 0x48;
constexpr std::size_t directoryLengthAt = 0x50;
constexpr std::size_t contentOffsetAt = 0x58; // present from version 3 on
constexpr std::size_t headerBytes = 0x60;
constexpr std::size_t headerBytesBeforeVersion3 = 0x58;

using HeaderBytes = std::array<unsigned char, headerBytes>;

std::uint64_t littleEndian(const HeaderBytes& bytes, std::size_t at, std::size_t width) {
    std::uint64_t value = 0;
    for (std::size_t i = width; i-- > 0;) {
        value = (value << 8) | bytes[at + i];
    }
    return value;
}

} // namespace

std::optional<ChmFileHeader> readChmFileHeader(const std::filesystem::path& file) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    std::ifstream in(file, std::ios::binary);
    HeaderBytes bytes{};
    if (error || !in ||
        !in.read(reinterpret_cast<char*>(bytes.data()), headerBytesBeforeVersion3)) {
        return std::nullopt;
    }
    if (bytes[0] != 'I' || bytes[1] != 'T' || bytes[2] != 'S' || bytes[3] != 'F') {
        return std::nullopt;
    }
    const std::uint64_t version = littleEndian(bytes, versionAt, 4);
    const std::uint64_t directoryOffset = littleEndian(bytes, directoryOffsetAt, 8);
    const std::uint64_t directoryLength = littleEndian(bytes, directoryLengthAt, 8);
    if (directoryOffset > size || directoryLength > size - directoryOffset) {
        return std::nullopt;
    }
    std::uint64_t contentOffset = directoryOffset + directoryLength;
    if (version >= 3) {
        if (!in.read(reinterpret_cast<char*>(bytes.data() + headerBytesBeforeVersion3),
                     headerBytes - headerBytesBeforeVersion3)) {
            return std::nullopt;
        }
        contentOffset = littleEndian(bytes, contentOffsetAt, 8);
    }
    if (contentOffset > size) {
        return std::nullopt;
    }
    return ChmFileHeader{size, contentOffset};
}

} // namespace platform
