#include "platform/help/chm_file_header.h"

#include "platform/help/chm_directory_walk.h"

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

// The directory begins with its own header: "ITSP", then at 0x10 the length of one
// directory block. The CHM library allocates a block of that length before it reads one.
constexpr std::size_t directoryBlockLengthAt = 0x10;
constexpr std::size_t directoryHeaderBytes = directoryBlockLengthAt + 4;

// Every directory block begins with a header of its own, and the library reads the 20 bytes
// of a listing block's header ("PMGL", free space, ..., "next" index at 0x10) from its buffer
// of one block whatever the block length is. A shorter block would have it take the "next"
// index from the memory after the buffer; where that memory happens to hold 0, the library
// reads the first block again and again without end.
constexpr std::uint64_t shortestDirectoryBlock = 0x14;

std::uint64_t littleEndian(const HeaderBytes& bytes, std::size_t at, std::size_t width) {
    std::uint64_t value = 0;
    for (std::size_t i = width; i-- > 0;) {
        value = (value << 8) | bytes[at + i];
    }
    return value;
}

// Whether the directory header is one and its blocks hold a block header and fit inside the
// directory; a damaged length would have the library allocate (and clear) gigabytes for a
// single block.
bool directoryBlocksFit(std::ifstream& in, std::uint64_t directoryOffset,
                        std::uint64_t directoryLength) {
    HeaderBytes bytes{};
    if (directoryLength < directoryHeaderBytes ||
        !in.seekg(static_cast<std::streamoff>(directoryOffset)) ||
        !in.read(reinterpret_cast<char*>(bytes.data()), directoryHeaderBytes)) {
        return false;
    }
    if (bytes[0] != 'I' || bytes[1] != 'T' || bytes[2] != 'S' || bytes[3] != 'P') {
        return false;
    }
    const std::uint64_t blockLength = littleEndian(bytes, directoryBlockLengthAt, 4);
    return blockLength >= shortestDirectoryBlock && blockLength <= directoryLength;
}

// The rest of the directory header: its own length at 0x08, the root of the index at 0x1c and
// the first listing block at 0x20; the blocks follow the header.
constexpr std::size_t directoryHeaderLengthAt = 0x08;
constexpr std::size_t indexRootAt = 0x1c;
constexpr std::size_t firstListingAt = 0x20;
constexpr std::size_t directoryFieldsBytes = firstListingAt + 4;

std::optional<ChmDirectory> readDirectory(std::ifstream& in, std::uint64_t directoryOffset,
                                          std::uint64_t directoryLength) {
    HeaderBytes bytes{};
    in.clear();
    if (directoryLength < directoryFieldsBytes ||
        !in.seekg(static_cast<std::streamoff>(directoryOffset)) ||
        !in.read(reinterpret_cast<char*>(bytes.data()), directoryFieldsBytes)) {
        return std::nullopt;
    }
    const auto signed32 = [&](std::size_t at) {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(littleEndian(bytes, at, 4)));
    };
    ChmDirectory directory;
    directory.blocksBegin = directoryOffset + littleEndian(bytes, directoryHeaderLengthAt, 4);
    directory.blockLength = littleEndian(bytes, directoryBlockLengthAt, 4);
    directory.directoryLength = directoryLength;
    directory.indexRoot = signed32(indexRootAt);
    directory.firstListing = signed32(firstListingAt);
    return directory;
}

// The CHM library follows the directory's block indices without end when a damaged file
// makes them a loop, and reads past its buffer of one block for an entry that runs off the
// block; such directories are refused.
bool directoryWalksEnd(std::ifstream& in, std::uint64_t directoryOffset,
                       std::uint64_t directoryLength, std::uint64_t fileSize) {
    std::optional<ChmDirectory> directory = readDirectory(in, directoryOffset, directoryLength);
    if (directory) {
        directory->fileSize = fileSize;
    }
    return directory && listingChainEnds(in, *directory) && indexWalksEnd(in, *directory);
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
    if (contentOffset > size || !directoryBlocksFit(in, directoryOffset, directoryLength) ||
        !directoryWalksEnd(in, directoryOffset, directoryLength, size)) {
        return std::nullopt;
    }
    return ChmFileHeader{size, contentOffset};
}

} // namespace platform
