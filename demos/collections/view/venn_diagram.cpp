#include "collections/view/venn_diagram.h"

#include "kit/view/course_colours.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace collections {
namespace {

// Centres of the circles as fractions of the universe rectangle, for two and three sets.
const QPointF twoCentres[2] = {{0.41, 0.5}, {0.59, 0.5}};
const QPointF threeCentres[3] = {{0.39, 0.38}, {0.61, 0.38}, {0.5, 0.64}};
const QColor circleColours[3] = {QColor(34, 85, 136), QColor(170, 30, 30), QColor(20, 110, 40)};

constexpr double labelSpacing = 22.0;

} // namespace

VennDiagram::VennDiagram(QWidget* parent) : QWidget(parent) {
    setObjectName("vennDiagram");
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void VennDiagram::setSetCount(int setCount) {
    setCount_ = std::clamp(setCount, 2, largestSetCount);
    update();
}

void VennDiagram::setShaded(RegionMask regions) {
    shaded_ = regions;
    update();
}

void VennDiagram::setElements(std::vector<Element> elements) {
    elements_ = std::move(elements);
    update();
}

QRectF VennDiagram::universeRect() const {
    return QRectF(rect()).adjusted(6, 6, -6, -6);
}

double VennDiagram::radius() const {
    const QRectF u = universeRect();
    return std::min(u.width() * (setCount_ == 2 ? 0.22 : 0.2), u.height() * 0.3);
}

QPointF VennDiagram::circleCentre(int set) const {
    const QRectF u = universeRect();
    const QPointF f = setCount_ == 2 ? twoCentres[set] : threeCentres[set];
    return {u.left() + f.x() * u.width(), u.top() + f.y() * u.height()};
}

QPainterPath VennDiagram::circle(int set) const {
    QPainterPath path;
    path.addEllipse(circleCentre(set), radius(), radius());
    return path;
}

QPainterPath VennDiagram::regionPath(int region) const {
    QPainterPath path;
    path.addRect(universeRect());
    for (int set = 0; set < setCount_; ++set)
        path = region & (1 << set) ? path.intersected(circle(set)) : path.subtracted(circle(set));
    return path;
}

std::vector<QPointF> VennDiagram::elementPositions() const {
    std::vector<QPointF> positions(elements_.size(), universeRect().topLeft());
    const QRectF u = universeRect();
    for (int region = 0; region < (1 << setCount_); ++region) {
        const QPainterPath path = regionPath(region);
        // Grid points well inside the region, nearest to its middle first.
        std::vector<QPointF> places;
        const double margin = 8.0;
        for (double y = u.top() + labelSpacing / 2; y < u.bottom(); y += labelSpacing * 0.8)
            for (double x = u.left() + labelSpacing / 2; x < u.right(); x += labelSpacing)
                if (path.contains(QPointF(x, y)) && path.contains(QPointF(x - margin, y)) &&
                    path.contains(QPointF(x + margin, y)) &&
                    path.contains(QPointF(x, y - margin)) && path.contains(QPointF(x, y + margin)))
                    places.emplace_back(x, y);
        QPointF middle = path.boundingRect().center();
        if (region == 0)
            middle = QPointF(u.left() + 20, u.bottom() - 16);
        std::sort(places.begin(), places.end(), [&](const QPointF& p, const QPointF& q) {
            return QLineF(p, middle).length() < QLineF(q, middle).length();
        });
        std::size_t next = 0;
        for (std::size_t i = 0; i < elements_.size(); ++i) {
            if (elements_[i].region != region)
                continue;
            // A crowded region stacks the rest below its middle rather than on one spot.
            positions[i] =
                next < places.size()
                    ? places[next]
                    : middle + QPointF(0, 16.0 * static_cast<double>(next - places.size()));
            ++next;
        }
    }
    return positions;
}

void VennDiagram::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF u = universeRect();
    painter.fillRect(rect(), kit::panelColour());
    painter.fillRect(u, Qt::white);
    const QColor shade = kit::accentColour().lighter(150);
    for (int region = 0; region < (1 << setCount_); ++region)
        if (shaded_ & (1u << region))
            painter.fillPath(regionPath(region), shade);
    painter.setPen(QPen(Qt::black, 1.5));
    painter.drawRect(u);
    painter.drawText(u.adjusted(6, 4, 0, 0), Qt::AlignLeft | Qt::AlignTop, "U");
    QFont nameFont = font();
    nameFont.setBold(true);
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.3);
    for (int set = 0; set < setCount_; ++set) {
        painter.setPen(QPen(circleColours[set], 2.5));
        painter.drawPath(circle(set));
        painter.setFont(nameFont);
        const QPointF centre = circleCentre(set);
        const double r = radius();
        const QPointF away =
            set == 2 ? QPointF(0, r + 14) : QPointF((set == 0 ? -1 : 1) * r * 0.8, -r * 0.8 - 6);
        painter.drawText(QRectF(centre + away - QPointF(12, 10), QSizeF(24, 20)), Qt::AlignCenter,
                         QString::fromStdString(setName(set)));
    }
    painter.setFont(font());
    painter.setPen(Qt::black);
    const auto positions = elementPositions();
    for (std::size_t i = 0; i < elements_.size(); ++i)
        painter.drawText(QRectF(positions[i] - QPointF(16, 9), QSizeF(32, 18)), Qt::AlignCenter,
                         elements_[i].label);
}

} // namespace collections
