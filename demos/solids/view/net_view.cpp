#include "solids/view/net_view.h"

#include <QLineF>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>

namespace solids {

NetView::NetView(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void NetView::setNet(Net net, QColor colour) {
    net_ = std::move(net);
    colour_ = colour;
    update();
}

void NetView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (net_.faces.empty())
        return;
    double left = 1e300, right = -1e300, top = 1e300, bottom = -1e300;
    for (const auto& face : net_.faces)
        for (const Point2& p : face) {
            left = std::min(left, p.x);
            right = std::max(right, p.x);
            top = std::min(top, p.y);
            bottom = std::max(bottom, p.y);
        }
    const double margin = 16, caption = 26;
    const double k = std::min((width() - 2 * margin) / std::max(right - left, 1e-9),
                              (height() - 2 * margin - caption) / std::max(bottom - top, 1e-9));
    const double offsetX = (width() - k * (right - left)) / 2 - k * left;
    const double offsetY = (height() - caption - k * (bottom - top)) / 2 + k * bottom;
    const auto screen = [&](Point2 p) { return QPointF(offsetX + k * p.x, offsetY - k * p.y); };

    // Every edge once: an edge on two faces of the net is a fold, an edge on one a cut.
    struct DrawnEdge {
        QPointF a, b;
        bool fold;
    };
    std::vector<DrawnEdge> edges;
    const auto same = [](QPointF p, QPointF q) { return QLineF(p, q).length() < 0.5; };
    for (const auto& face : net_.faces)
        for (std::size_t i = 0; i < face.size(); ++i) {
            const QPointF a = screen(face[i]), b = screen(face[(i + 1) % face.size()]);
            const auto known = std::find_if(edges.begin(), edges.end(), [&](const DrawnEdge& e) {
                return (same(e.a, a) && same(e.b, b)) || (same(e.a, b) && same(e.b, a));
            });
            if (known != edges.end())
                known->fold = true;
            else
                edges.push_back({a, b, false});
        }

    QFont numbers = font();
    numbers.setPointSizeF(std::clamp(k * 0.12, 7.0, 12.0));
    painter.setFont(numbers);
    for (std::size_t f = 0; f < net_.faces.size(); ++f) {
        const auto& face = net_.faces[f];
        QPolygonF polygon;
        QPointF centre;
        for (const Point2& p : face) {
            polygon << screen(p);
            centre += screen(p) / static_cast<double>(face.size());
        }
        painter.setPen(Qt::NoPen);
        // Faces joined by a fold differ in shade: the shade goes by the number of folds to the
        // first face.
        int depth = 0;
        for (int at = net_.parent[f]; at >= 0 && depth <= 64;
             at = net_.parent[static_cast<std::size_t>(at)])
            ++depth;
        painter.setBrush(depth % 2 == 0 ? colour_.lighter(120) : colour_.lighter(155));
        painter.drawPolygon(polygon);
        painter.setPen(QColor(40, 40, 60));
        painter.drawText(QRectF(centre.x() - 20, centre.y() - 10, 40, 20), Qt::AlignCenter,
                         QString::number(f + 1));
    }
    for (const DrawnEdge& e : edges) {
        painter.setPen(e.fold ? QPen(QColor(60, 60, 90), 1.3, Qt::DashLine)
                              : QPen(QColor(20, 20, 30), 2.2));
        painter.drawLine(e.a, e.b);
    }
    painter.setPen(QColor(80, 80, 80));
    painter.setFont(font());
    painter.drawText(rect().adjusted(6, 4, -6, -4), Qt::AlignBottom | Qt::AlignLeft,
                     tr("%1 faces. Cut along the solid lines, fold along the dashed ones.")
                         .arg(net_.faces.size()));
}

} // namespace solids
