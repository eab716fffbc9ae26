#include "fractiondrill/view/fraction_picture.h"

#include "kit/view/course_colours.h"

#include <QPainter>

#include <algorithm>

namespace fractiondrill {

FractionPicture::FractionPicture(QWidget* parent) : QWidget(parent) {
    setObjectName("fractionPicture");
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
}

void FractionPicture::setRows(std::vector<Row> rows) {
    rows_ = std::move(rows);
    updateGeometry();
    update();
}

void FractionPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (rows_.empty())
        return;
    const double rowHeight = static_cast<double>(height()) / static_cast<double>(rows_.size());
    for (std::size_t i = 0; i < rows_.size(); ++i)
        paintRow(painter, rows_[i],
                 QRectF(0, rowHeight * static_cast<double>(i), width(), rowHeight));
}

void FractionPicture::paintRow(QPainter& painter, const Row& row, QRectF area) const {
    const QRectF inner = area.adjusted(8, 8, -8, -8);
    painter.setPen(kit::pageColour());
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    const QRectF labelBox(inner.left(), inner.top(), 110, inner.height());
    painter.drawText(labelBox, Qt::AlignVCenter | Qt::AlignLeft, row.label);
    if (row.denominator <= 0 || row.denominator > largestDrawnDenominator) {
        painter.drawText(
            inner.adjusted(120, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
            tr("(too many parts to draw; denominators up to %1)").arg(largestDrawnDenominator));
        return;
    }
    const long parts = row.denominator.get_si();
    const long taken = mpz_class(abs(row.numerator)).get_si(); // a negative one by its size
    const long wholes = std::clamp<long>((taken + parts - 1) / parts, 1, largestDrawnWholes);
    const double size = std::min(inner.height(), 70.0);
    const double barsLeft = inner.left() + 120;
    const double circlesWidth = static_cast<double>(wholes) * (size + 8);
    const double barWidth = std::max(40.0, (inner.right() - barsLeft - circlesWidth - 16) /
                                               static_cast<double>(wholes));
    const QColor filled = kit::accentColour();
    for (long whole = 0; whole < wholes; ++whole) {
        const long here = std::clamp<long>(taken - whole * parts, 0, parts);
        // The bar: parts equal cells, the first `here` coloured.
        const QRectF bar(barsLeft + static_cast<double>(whole) * barWidth + 4,
                         inner.center().y() - size / 4, barWidth - 8, size / 2);
        const double cell = bar.width() / static_cast<double>(parts);
        for (long k = 0; k < parts; ++k) {
            const QRectF box(bar.left() + cell * static_cast<double>(k), bar.top(), cell,
                             bar.height());
            painter.setBrush(k < here ? filled : QColor(Qt::white));
            painter.setPen(QPen(kit::pageColour(), 1));
            painter.drawRect(box);
        }
        // The circle: parts equal sectors from twelve o'clock, clockwise.
        const QRectF circle(inner.right() - circlesWidth + static_cast<double>(whole) * (size + 8),
                            inner.center().y() - size / 2, size, size);
        for (long k = 0; k < parts; ++k) {
            painter.setBrush(k < here ? filled : QColor(Qt::white));
            const int span = static_cast<int>(-5760.0 / static_cast<double>(parts));
            painter.drawPie(circle, 1440 + static_cast<int>(k) * span, span);
        }
    }
    if (taken > largestDrawnWholes * parts)
        painter.drawText(inner, Qt::AlignBottom | Qt::AlignRight,
                         tr("(first %1 wholes drawn)").arg(largestDrawnWholes));
}

} // namespace fractiondrill
