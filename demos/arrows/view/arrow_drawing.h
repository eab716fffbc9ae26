#pragma once

#include <QColor>
#include <QPointF>
#include <QString>

class QPainter;

namespace arrows {

// An arrow between two pixel positions with its head at `to` and a label beside the head.
void drawArrow(QPainter& painter, QPointF from, QPointF to, const QColor& colour,
               const QString& label, bool dashed = false);

} // namespace arrows
