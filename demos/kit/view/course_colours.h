#pragma once

#include <QColor>

namespace kit {

// The course's visual identity: the grey panel of every window, the deep blue page and the
// pale yellow of the tutor's speech bubble.
inline QColor panelColour() {
    return QColor(212, 208, 200);
}
inline QColor pageColour() {
    return QColor(34, 85, 136);
}
inline QColor bubbleColour() {
    return QColor(255, 255, 225);
}

// Colours for feedback and drawing that sit well on those three.
inline QColor rightColour() {
    return QColor(20, 110, 40);
}
inline QColor wrongColour() {
    return QColor(170, 30, 30);
}
inline QColor accentColour() {
    return QColor(200, 110, 20);
}

} // namespace kit
