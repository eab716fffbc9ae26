#pragma once

#include "kit/core/exercise.h"

#include <QString>
#include <functional>
#include <vector>

class QWidget;

namespace kit {

// Everything that makes one demonstration different from another.
struct DemoDefinition {
    QString programName;    // "divisors" (window class, About)
    QString title;          // window title, e.g. "Divisors and Prime Factors"
    QString lessonResource; // "qrc:/lesson/lesson.html"
    std::function<QWidget*(QWidget* parent)> makeExplore; // the explore area (owned by the window)
    std::vector<ExerciseKind> exerciseKinds;              // the practice pane
    QString aboutText;                                    // one paragraph
};

} // namespace kit
