#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>

namespace fuzz {

// A folder of this fuzz process's own in memory (or the temporary folder), made on first use and
// removed when the process ends; each input overwrites the files it needs.
const std::filesystem::path& scratchFolder();

// Writes `bytes` as the whole content of `file`.
void writeFile(const std::filesystem::path& file, std::string_view bytes);

inline std::string_view asText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Where a fault is found the run must stop with a report, also in a build without asserts.
[[noreturn]] void fail(const char* what);

// Readers that need a Qt application (fonts for rich text, image plug-ins) get an
// offscreen one.
void ensureGuiApplication();

} // namespace fuzz
