#include "kit/view/curve_stroke.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace kit {
namespace {

// Segments a piece holds. The gain levels off from about 16 down; more pieces only add the
// painter's cost per call.
constexpr int segmentsPerPiece = 16;

// A dashed pen's pattern is measured in pen widths and starts again with every subpath; a
// piece that starts `travelled` pixels along its subpath starts that far into the pattern.
void drawPiece(QPainter& painter, const QPainterPath& piece, const QPen& pen, double travelled) {
    if (pen.style() != Qt::SolidLine && pen.style() != Qt::NoPen) {
        QPen shifted = pen;
        const double width = pen.widthF() > 0 ? pen.widthF() : 1.0;
        shifted.setDashOffset(pen.dashOffset() + travelled / width);
        painter.setPen(shifted);
    }
    painter.drawPath(piece);
}

} // namespace

void strokeCurve(QPainter& painter, const QPainterPath& curve) {
    if (curve.elementCount() <= 2 * segmentsPerPiece) {
        painter.strokePath(curve, painter.pen()); // a stroke, whatever the brush
        return;
    }
    painter.save();
    painter.setBrush(Qt::NoBrush);
    const QPen pen = painter.pen();
    QPainterPath piece;
    int segments = 0;
    double travelled = 0;
    const auto flush = [&] {
        drawPiece(painter, piece, pen, travelled);
        travelled += piece.length();
        const QPointF end = piece.currentPosition();
        piece = QPainterPath();
        piece.moveTo(end);
        segments = 0;
    };
    for (int i = 0; i < curve.elementCount(); ++i) {
        const QPainterPath::Element e = curve.elementAt(i);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            if (segments > 0)
                drawPiece(painter, piece, pen, travelled);
            piece = QPainterPath();
            piece.moveTo(e);
            segments = 0;
            travelled = 0;
            break;
        case QPainterPath::LineToElement:
            piece.lineTo(e);
            ++segments;
            break;
        case QPainterPath::CurveToElement:
            if (i + 2 < curve.elementCount()) {
                piece.cubicTo(e, curve.elementAt(i + 1), curve.elementAt(i + 2));
                ++segments;
            }
            i += 2;
            break;
        case QPainterPath::CurveToDataElement:
            break;
        }
        if (segments == segmentsPerPiece)
            flush();
    }
    if (segments > 0)
        drawPiece(painter, piece, pen, travelled);
    painter.restore();
}

void strokeCurve(QPainter& painter, const QPolygonF& curve) {
    if (curve.size() <= 2 * segmentsPerPiece) {
        painter.drawPolyline(curve);
        return;
    }
    QPainterPath path;
    path.addPolygon(curve);
    strokeCurve(painter, path);
}

} // namespace kit
