#pragma once

#include <QFont>

#include <string>

namespace platform {

// A font by face, point size and weight. The point size becomes a pixel height with the
// screen's vertical resolution, rounded as the pixel height of a Windows font is.
QFont fontByFace(const std::string& face, int points, bool bold);

// Pixel height of `points` at `dotsPerInch` (14 pt at 96 dpi: 19 px).
int pointsToPixels(int points, double dotsPerInch);

} // namespace platform
