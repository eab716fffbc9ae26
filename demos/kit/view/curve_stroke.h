#pragma once

class QPainter;
class QPainterPath;
class QPolygonF;

namespace kit {

// Strokes a long open curve (a plotted function, a traced path) with the painter's pen, as
// drawPath and drawPolyline would, in pieces of a few segments each. Qt's antialiasing
// rasteriser slows down steeply on one long outline: a plotted function of 640 segments costs
// about two and a half times as much drawn whole as drawn in pieces, and a canvas redraws it
// at every step of a drag. Pieces meet end to end with the pen's caps (only a few edge pixels
// where they meet differ), and a dashed pen's pattern runs on across them. Short paths are
// drawn whole.
void strokeCurve(QPainter& painter, const QPainterPath& curve);
void strokeCurve(QPainter& painter, const QPolygonF& curve);

} // namespace kit
