#include "mappings/view/relation_diagram.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace mappings {

namespace {
constexpr double nodeRadius = 13;
const QColor ink(34, 85, 136);
const QColor broken(200, 30, 30);
} // namespace

RelationDiagram::RelationDiagram(QWidget* parent) : QWidget(parent) {
    setObjectName("relationDiagram");
    setMinimumSize(220, 220);
}

void RelationDiagram::setRelation(const Relation& relation, std::vector<int> highlighted,
                                  bool hasse) {
    relation_ = relation;
    highlighted_ = std::move(highlighted);
    hasse_ = hasse;
    update();
}

std::vector<QPointF> RelationDiagram::circlePositions() const {
    const int n = relation_.size();
    const QPointF centre(width() / 2.0, height() / 2.0);
    const double radius = std::min(width(), height()) / 2.0 - 3.5 * nodeRadius;
    std::vector<QPointF> at;
    for (int i = 0; i < n; ++i) {
        const double angle = -std::numbers::pi / 2 + 2 * std::numbers::pi * i / n;
        at.push_back(n == 1 ? centre
                            : centre + QPointF(radius * std::cos(angle), radius * std::sin(angle)));
    }
    return at;
}

std::vector<QPointF> RelationDiagram::hassePositions() const {
    const int n = relation_.size();
    const std::vector<int> level = hasseLevels(relation_);
    const int levels = *std::max_element(level.begin(), level.end()) + 1;
    std::vector<QPointF> at(static_cast<std::size_t>(n));
    for (int l = 0; l < levels; ++l) {
        std::vector<int> row;
        for (int a = 0; a < n; ++a)
            if (level[static_cast<std::size_t>(a)] == l)
                row.push_back(a);
        const double y = height() - 2 * nodeRadius -
                         (levels == 1 ? 0 : (height() - 4 * nodeRadius) * l / (levels - 1.0));
        const int count = static_cast<int>(row.size());
        for (int k = 0; k < count; ++k)
            at[static_cast<std::size_t>(row[static_cast<std::size_t>(k)])] =
                QPointF(width() * (k + 1.0) / (count + 1.0), y);
    }
    return at;
}

void RelationDiagram::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);
    const auto at = hasse_ ? hassePositions() : circlePositions();
    if (hasse_)
        drawHasse(painter, at);
    else
        drawArrows(painter, at);
    drawNodes(painter, at);
}

static void arrowHead(QPainter& painter, QPointF tip, QPointF from) {
    const QPointF d = tip - from;
    const double length = std::hypot(d.x(), d.y());
    if (length < 1e-6)
        return;
    const QPointF u = d / length, normal(-u.y(), u.x());
    const QPolygonF head{tip, tip - 9 * u + 4.5 * normal, tip - 9 * u - 4.5 * normal};
    painter.setBrush(painter.pen().color());
    painter.drawPolygon(head);
}

void RelationDiagram::drawArrows(QPainter& painter, const std::vector<QPointF>& at) const {
    const int n = relation_.size();
    const QPointF centre(width() / 2.0, height() / 2.0);
    for (int a = 1; a <= n; ++a)
        for (int b = 1; b <= n; ++b) {
            if (!relation_.holds(a, b))
                continue;
            painter.setPen(QPen(ink, 1.5));
            painter.setBrush(Qt::NoBrush);
            const QPointF p = at[static_cast<std::size_t>(a - 1)];
            if (a == b) {
                QPointF out = p - centre;
                const double len = std::hypot(out.x(), out.y());
                out = len < 1e-6 ? QPointF(0, -1) : out / len;
                painter.drawEllipse(p + out * nodeRadius * 1.6, nodeRadius * 0.9, nodeRadius * 0.9);
                continue;
            }
            const QPointF q = at[static_cast<std::size_t>(b - 1)];
            QPointF d = q - p;
            const double len = std::hypot(d.x(), d.y());
            const QPointF u = d / len, normal(-u.y(), u.x());
            // A pair and its reverse bend apart so that both arrows are seen.
            const bool both = relation_.holds(b, a);
            const QPointF bend = both ? normal * 14.0 : QPointF();
            const QPointF start = p + u * nodeRadius + bend * 0.5;
            const QPointF end = q - u * nodeRadius + bend * 0.5;
            const QPointF control = (start + end) / 2 + bend;
            QPainterPath path(start);
            path.quadTo(control, end);
            painter.drawPath(path);
            arrowHead(painter, end, control);
        }
}

void RelationDiagram::drawHasse(QPainter& painter, const std::vector<QPointF>& at) const {
    painter.setPen(QPen(ink, 2));
    for (const auto& [a, b] : hasseEdges(relation_))
        painter.drawLine(at[static_cast<std::size_t>(a - 1)], at[static_cast<std::size_t>(b - 1)]);
}

void RelationDiagram::drawNodes(QPainter& painter, const std::vector<QPointF>& at) const {
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    for (int a = 1; a <= relation_.size(); ++a) {
        const bool red =
            std::find(highlighted_.begin(), highlighted_.end(), a) != highlighted_.end();
        const QPointF p = at[static_cast<std::size_t>(a - 1)];
        painter.setPen(QPen(red ? broken : ink, 2));
        painter.setBrush(red ? QColor(255, 220, 220) : QColor(255, 255, 225));
        painter.drawEllipse(p, nodeRadius, nodeRadius);
        painter.drawText(
            QRectF(p.x() - nodeRadius, p.y() - nodeRadius, 2 * nodeRadius, 2 * nodeRadius),
            Qt::AlignCenter, QString::number(a));
    }
}

} // namespace mappings
