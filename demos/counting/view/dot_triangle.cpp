#include "counting/view/dot_triangle.h"

#include "counting/core/triangular_induction.h"

#include "kit/view/course_colours.h"

#include <QPainter>

#include <algorithm>

namespace counting {

DotTriangle::DotTriangle(QWidget* parent) : kit::Canvas(parent) {
    setObjectName("dotTriangle");
    setGridVisible(false);
    setAxesVisible(false);
    setN(4);
}

void DotTriangle::setN(long n) {
    n_ = std::clamp(n, 1L, largestPictureN);
    const double size = static_cast<double>(n_) + 3;
    setWorldRect(QRectF(-1.5, -1.5, size + 1, size));
    update();
}

void DotTriangle::setCopyShown(bool shown) {
    copyShown_ = shown;
    update();
}

void DotTriangle::paintWorld(QPainter& painter, const kit::CanvasTransform& t) {
    const DotPicture picture = triangularDots(n_);
    const double radius = std::max(1.5, 0.36 * t.scaleX());
    // Row i (from the top) holds i dots of the sum and n + 1 - i dots of the turned copy.
    for (long row = 1; row <= picture.rows; ++row) {
        const double y = static_cast<double>(picture.rows - row);
        for (long column = 0; column < picture.columns; ++column) {
            const QPointF centre = t.toPixels(QPointF(static_cast<double>(column), y));
            const bool ofTheSum = column < picture.dotsInRow[static_cast<std::size_t>(row - 1)];
            if (ofTheSum) {
                painter.setPen(Qt::NoPen);
                painter.setBrush(kit::pageColour());
            } else if (copyShown_) {
                painter.setPen(QPen(kit::accentColour(), std::max(1.0, radius / 3)));
                painter.setBrush(kit::bubbleColour());
            } else {
                continue;
            }
            painter.drawEllipse(centre, radius, radius);
        }
        if (n_ <= 12) {
            const QPointF end = t.toPixels(QPointF(static_cast<double>(picture.columns) + 0.2, y));
            painter.setPen(Qt::black);
            painter.drawText(QRectF(end.x(), end.y() - 9, 90, 18), Qt::AlignVCenter | Qt::AlignLeft,
                             copyShown_ ? QString("%1 + %2").arg(row).arg(picture.columns - row)
                                        : QString::number(row));
        }
    }
    const QPointF below = t.toPixels(QPointF(0, -1));
    painter.setPen(Qt::black);
    const QString sum = QString::fromStdString(triangularNumber(n_).get_str());
    painter.drawText(
        QRectF(below.x() - radius, below.y() - 10, 600, 20), Qt::AlignLeft | Qt::AlignVCenter,
        copyShown_ ? QString("two triangles = %1 rows of %2 = %3 dots, so the sum is %3/2 = %4")
                         .arg(n_)
                         .arg(n_ + 1)
                         .arg(n_ * (n_ + 1))
                         .arg(sum)
                   : QString("1 + 2 + \u2026 + %1 = %2 dots").arg(n_).arg(sum));
}

} // namespace counting
