#pragma once

#include "chronicle/core/subject.h"

#include <QColor>

namespace chronicle {

// The colour of a subject on the timeline and in the detail pane.
inline QColor subjectColour(Subject subject) {
    switch (subject) {
    case Subject::algebra:
        return QColor(34, 85, 136);
    case Subject::numberTheory:
        return QColor(140, 60, 150);
    case Subject::geometry:
        return QColor(20, 120, 60);
    case Subject::probability:
        return QColor(200, 110, 20);
    case Subject::statistics:
        return QColor(170, 40, 50);
    case Subject::calculus:
        return QColor(20, 130, 150);
    }
    return Qt::black;
}

} // namespace chronicle
