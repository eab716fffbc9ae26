#pragma once

#include "platform/geometry/geometry.h"

namespace engine::layout {

using platform::Rect;
using platform::Rgb;

inline constexpr int clientWidth = 796;
inline constexpr int clientHeight = 560;

inline constexpr Rgb panelColour{212, 208, 200};
inline constexpr Rgb pageColour{34, 85, 136};
inline constexpr Rgb bubbleColour{255, 255, 225};
inline constexpr Rgb black{0, 0, 0};
inline constexpr Rgb white{255, 255, 255};

inline constexpr Rect leftPanel{0, 0, 100, 600};
inline constexpr Rect pageArea{100, 0, 700, 600};

inline constexpr int tutorSlot = 0;
inline constexpr int previousFaceSlot = 2;
inline constexpr int nextFaceSlot = 3;
inline constexpr int backgroundSlot = 61;
inline constexpr int tutorX = 680;
inline constexpr int tutorY = 390;

// The speech bubble grows upwards from its fixed bottom edge at y = 445.
inline constexpr int bubbleX = 280;
inline constexpr int bubbleWidth = 430;
inline constexpr int bubbleLastLineY = 405;
inline constexpr int bubbleTextX = 290;
inline constexpr int speechLineHeight = 20;

inline constexpr int textX = 110;
inline constexpr int choiceTextX = 160;
inline constexpr int textLineHeight = 20;

inline constexpr int backgroundControl = 61;
inline constexpr int firstLessonButton = 1;
inline constexpr int firstStepButton = 6;
inline constexpr int previousButton = 12;
inline constexpr int nextButton = 13;
inline constexpr int firstAnswerButton = 15;
inline constexpr int doneButton = 25;
inline constexpr int maxLessons = 5;
inline constexpr int maxSteps = 6;

inline constexpr Rect lessonButton(int n) {
    return {10, 40 + 35 * (n - 1), 75, 30};
}
inline constexpr Rect stepButton(int k) {
    return {10, 255 + 35 * (k - 1), 75, 30};
}
inline constexpr Rect previousButtonRect{10, 480, 32, 30};
inline constexpr Rect nextButtonRect{53, 480, 32, 30};
inline constexpr Rect answerButton(int line) {
    return {152, 20 * (line - 1) + 2, 30, 20};
}

} // namespace engine::layout
