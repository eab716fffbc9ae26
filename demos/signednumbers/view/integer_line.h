#pragma once

#include <QColor>
#include <QString>

#include <string>

class QPainter;

namespace kit {
class Canvas;
class CanvasTransform;
} // namespace kit

namespace signednumbers {

// A canvas set up as the number line: x from left to right, no grid, the line drawn by
// paintIntegerLine; points on it snap to whole numbers.
void configureIntegerLine(kit::Canvas& canvas, double left, double right);

// The line y = 0 with a tick at every integer that has room and labels that thin out when
// zoomed out; 0 stands out.
void paintIntegerLine(QPainter& painter, const kit::CanvasTransform& t);

// An arched arrow from one point of the line to another, at the given height in world units,
// with its label above the arch.
void paintMoveArrow(QPainter& painter, const kit::CanvasTransform& t, double from, double to,
                    double height, const QColor& colour, const QString& label);

// Text for Qt from the cores' HTML.
inline QString html(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace signednumbers
