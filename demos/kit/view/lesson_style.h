#pragma once

#include <QString>

namespace kit {

// The style sheet of every lesson pane: headings in the page blue, roomy paragraphs, framed
// tables and the worked-example boxes (class "example") on the bubble yellow.
QString lessonStyleSheet();

} // namespace kit
