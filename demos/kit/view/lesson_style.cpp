#include "kit/view/lesson_style.h"

#include "kit/view/course_colours.h"

namespace kit {

QString lessonStyleSheet() {
    return QString("h2 { color: %1; font-size: large; margin-top: 12px; }"
                   "h3 { color: %1; margin-top: 10px; }"
                   "p { margin-top: 4px; margin-bottom: 6px; }"
                   "table { border-collapse: collapse; margin: 4px; }"
                   "td, th { border: 1px solid #999999; padding: 3px 6px; }"
                   "th { background-color: %2; }"
                   ".example { background-color: %3; }"
                   ".mistake { color: %4; }"
                   "a { color: %1; }")
        .arg(pageColour().name(), panelColour().name(), bubbleColour().name(),
             wrongColour().name());
}

} // namespace kit
