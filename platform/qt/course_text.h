#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace platform {

// The course's texts are Windows-1252 strings; they become QStrings only where shown.
QString fromWindows1252(std::string_view text);

// Typed text back into Windows-1252; characters it cannot hold become '?'.
std::string toWindows1252(const QString& text);

// Message-box text: a lone CR, a lone LF or CR LF each start a new line.
QString messageBoxText(std::string_view text);

} // namespace platform
