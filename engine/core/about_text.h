#pragma once

#include <string>

namespace engine {

inline const std::string aboutTitle = "Orvo the Tamlex";

// The About box's eleven lines, joined by line feeds.
std::string aboutText();

} // namespace engine
