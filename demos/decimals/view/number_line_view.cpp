#include "decimals/view/number_line_view.h"

#include "decimals/core/rounding.h"

#include "kit/view/course_colours.h"

#include <QPainter>

namespace decimals {

NumberLineView::NumberLineView(QWidget* parent) : QWidget(parent) {
    setObjectName("numberLine");
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
}

void NumberLineView::setWindow(Interval window, double fraction, int places, QString numberName) {
    window_ = std::move(window);
    fraction_ = fraction;
    places_ = places;
    name_ = std::move(numberName);
    update();
}

void NumberLineView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double left = 40;
    const double right = width() - 40;
    const double y = height() * 0.55;
    painter.setPen(QPen(kit::pageColour(), 2));
    painter.drawLine(QPointF(left - 20, y), QPointF(right + 20, y));
    const mpq_class step = (window_.high - window_.low) / 10;
    for (int k = 0; k <= 10; ++k) {
        const double x = left + (right - left) * k / 10.0;
        const bool end = k == 0 || k == 10;
        painter.setPen(QPen(kit::pageColour(), end ? 2 : 1));
        painter.drawLine(QPointF(x, y - (end ? 14 : 8)), QPointF(x, y + (end ? 14 : 8)));
        if (end || width() > 700 || k % 2 == 0) {
            const QString label =
                QString::fromStdString(fixedText(window_.low + step * k, places_ + 1));
            painter.drawText(QRectF(x - 60, y + 16, 120, 20), Qt::AlignHCenter, label);
        }
    }
    const double x = left + (right - left) * std::clamp(fraction_, 0.0, 1.0);
    painter.setPen(QPen(kit::accentColour(), 2));
    painter.setBrush(kit::accentColour());
    painter.drawEllipse(QPointF(x, y), 6, 6);
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRectF(x - 80, y - 44, 160, 22), Qt::AlignHCenter, name_);
}

} // namespace decimals
