#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The course keeps its texts as single-byte Windows-1252 strings and converts them only
// where they are shown or read from UTF-8 sources.

// UTF-8 text into Windows-1252; nothing when a character has no Windows-1252 byte or the
// UTF-8 is malformed.
std::optional<std::string> utf8ToWindows1252(std::string_view utf8);

// The Unicode code point of one Windows-1252 byte (all lie in the Basic Multilingual Plane);
// the five undefined bytes give the C1 control characters of the same value.
char32_t windows1252CodePoint(unsigned char byte);

// Windows-1252 text into UTF-8. The five bytes that Windows-1252 leaves undefined are
// kept as the C1 control characters of the same value.
std::string windows1252ToUtf8(std::string_view text);

} // namespace platform
