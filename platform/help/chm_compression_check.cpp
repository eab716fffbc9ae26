#include "platform/help/chm_compression_check.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace platform {

namespace {

// Far more than any help file of the course; a larger file is not scanned but refused.
constexpr std::uintmax_t largestScannedBytes = 64ull * 1024 * 1024;

std::uint32_t littleEndian32(std::string_view bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 4; i-- > 0;) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

// The LZX decoder takes windows of 2^15 to 2^21 bytes, and the library gives it the lowest set
// bit of the window size; for any other size it has no decoder and ends the program on the
// first compressed read.
bool windowIsDecodable(std::uint32_t windowSize) {
    constexpr std::uint32_t smallest = 1u << 15;
    constexpr std::uint32_t largest = 1u << 21;
    return windowSize >= smallest && windowSize <= largest && (windowSize & (windowSize - 1)) == 0;
}

// The numbers as the library computes them, in its 32-bit arithmetic.
bool recordIsSound(std::string_view record) {
    const std::uint32_t version = littleEndian32(record, 4);
    std::uint32_t resetInterval = littleEndian32(record, 8);
    std::uint32_t windowSize = littleEndian32(record, 12);
    const std::uint32_t windowsPerReset = littleEndian32(record, 16);
    if (version == 2) {
        resetInterval *= 0x8000u;
        windowSize *= 0x8000u;
    }
    const std::uint32_t halfWindow = windowSize / 2;
    return windowIsDecodable(windowSize) && resetInterval != 0 &&
           resetInterval / halfWindow * windowsPerReset != 0;
}

} // namespace

bool chmCompressionControlsAreSound(const std::filesystem::path& file) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error || size > largestScannedBytes) {
        return false;
    }
    std::ifstream in(file, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    constexpr std::size_t recordBytes = 20; // "LZXC" and four numbers
    for (std::size_t at = bytes.find("LZXC"); at != std::string::npos;
         at = bytes.find("LZXC", at + 1)) {
        if (at + recordBytes <= bytes.size() &&
            !recordIsSound(std::string_view(bytes).substr(at, recordBytes))) {
            return false;
        }
    }
    return true;
}

} // namespace platform
