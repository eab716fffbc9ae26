#pragma once

#include <QImage>

#include <vector>

#include "doorgame/core/game_screen.h"

namespace doorgame {

// Paints the whole background picture from scratch: the background colour over every
// pixel, then each non-empty line in white Arial 12 point with its top-left corner at the
// line's position.
void paintBackground(QImage& picture, const std::vector<TextLine>& lines);

} // namespace doorgame
