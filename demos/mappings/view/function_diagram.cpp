#include "mappings/view/function_diagram.h"

#include <QPainter>

#include <cmath>

namespace mappings {

namespace {
constexpr double nodeRadius = 12;
const QColor ink(34, 85, 136);
const QColor broken(200, 30, 30);
} // namespace

FunctionDiagram::FunctionDiagram(QWidget* parent) : QWidget(parent) {
    setObjectName("functionDiagram");
    setMinimumSize(220, 200);
}

void FunctionDiagram::setFunction(const FunctionMap& f) {
    f_ = f;
    update();
}

QPointF FunctionDiagram::place(int index, int count, double x) const {
    const double top = 34, bottom = height() - nodeRadius - 6;
    return {x,
            count == 1 ? (top + bottom) / 2 : top + (bottom - top) * (index - 1) / (count - 1.0)};
}

void FunctionDiagram::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);
    const double left = width() * 0.25, right = width() * 0.75;
    painter.setPen(ink);
    painter.drawText(QRectF(left - 40, 4, 80, 20), Qt::AlignCenter, "A");
    painter.drawText(QRectF(right - 40, 4, 80, 20), Qt::AlignCenter, "B");
    const int n = f_.domainSize(), m = f_.codomainSize;
    std::vector<int> hits(static_cast<std::size_t>(m + 1), 0);
    for (int a = 1; a <= n; ++a)
        if (f_(a) >= 1 && f_(a) <= m)
            ++hits[static_cast<std::size_t>(f_(a))];
    for (int a = 1; a <= n; ++a) {
        if (f_(a) < 1 || f_(a) > m)
            continue;
        const QPointF from = place(a, n, left), to = place(f_(a), m, right);
        const QPointF d = to - from;
        const QPointF u = d / std::hypot(d.x(), d.y()), normal(-u.y(), u.x());
        const QPointF start = from + u * nodeRadius, tip = to - u * nodeRadius;
        const bool shared = hits[static_cast<std::size_t>(f_(a))] > 1;
        painter.setPen(QPen(shared ? broken : ink, 1.5));
        painter.setBrush(shared ? broken : ink);
        painter.drawLine(start, tip);
        painter.drawPolygon(QPolygonF{tip, tip - 9 * u + 4.5 * normal, tip - 9 * u - 4.5 * normal});
    }
    auto node = [&](QPointF p, int label, bool red) {
        painter.setPen(QPen(red ? broken : ink, 2));
        painter.setBrush(red ? QColor(255, 220, 220) : QColor(255, 255, 225));
        painter.drawEllipse(p, nodeRadius, nodeRadius);
        painter.drawText(
            QRectF(p.x() - nodeRadius, p.y() - nodeRadius, 2 * nodeRadius, 2 * nodeRadius),
            Qt::AlignCenter, QString::number(label));
    };
    for (int a = 1; a <= n; ++a)
        node(place(a, n, left), a,
             f_(a) >= 1 && f_(a) <= m && hits[static_cast<std::size_t>(f_(a))] > 1);
    for (int b = 1; b <= m; ++b)
        node(place(b, m, right), b, hits[static_cast<std::size_t>(b)] == 0);
}

} // namespace mappings
