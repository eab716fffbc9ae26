#include "solids/view/solid_view.h"

#include "kit/view/course_colours.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace solids {

namespace {

using Matrix = std::array<double, 9>;

Matrix product(const Matrix& a, const Matrix& b) {
    Matrix m{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            for (int k = 0; k < 3; ++k)
                m[static_cast<std::size_t>(3 * i + j)] +=
                    a[static_cast<std::size_t>(3 * i + k)] * b[static_cast<std::size_t>(3 * k + j)];
    return m;
}

Matrix aboutVerticalAxis(double degrees) {
    const double t = degrees * std::numbers::pi / 180, c = std::cos(t), s = std::sin(t);
    return {c, 0, s, 0, 1, 0, -s, 0, c};
}

Matrix aboutHorizontalAxis(double degrees) {
    const double t = degrees * std::numbers::pi / 180, c = std::cos(t), s = std::sin(t);
    return {1, 0, 0, 0, c, -s, 0, s, c};
}

// Light from the upper left, in front of the screen.
const Point3 light = unit({-0.4, 0.55, 0.75});

QColor shaded(QColor base, Point3 normal, int alpha) {
    const double diffuse = std::max(0.0, dot(normal, light));
    const double brightness = 0.5 + 0.55 * diffuse;
    QColor c = QColor::fromRgbF(static_cast<float>(std::min(1.0, base.redF() * brightness)),
                                static_cast<float>(std::min(1.0, base.greenF() * brightness)),
                                static_cast<float>(std::min(1.0, base.blueF() * brightness)));
    c.setAlpha(alpha);
    return c;
}

} // namespace

SolidView::SolidView(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::OpenHandCursor);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    resetView();
}

void SolidView::setSolid(Mesh solid, Mesh dual, QColor colour, QColor dualColour) {
    solid_ = std::move(solid);
    dual_ = std::move(dual);
    colour_ = colour;
    dualColour_ = dualColour;
    update();
}

void SolidView::setDualShown(bool shown) {
    dualShown_ = shown;
    update();
}

void SolidView::setCornerMarked(bool marked) {
    cornerMarked_ = marked;
    update();
}

void SolidView::turnBy(double aboutVertical, double aboutHorizontal) {
    rotation_ = product(aboutHorizontalAxis(aboutHorizontal),
                        product(aboutVerticalAxis(aboutVertical), rotation_));
    update();
    emit turned();
}

void SolidView::resetView() {
    rotation_ = product(aboutHorizontalAxis(22), aboutVerticalAxis(-28));
    update();
    emit turned();
}

Point3 SolidView::turned(Point3 p) const {
    const auto& r = rotation_;
    return {r[0] * p.x + r[1] * p.y + r[2] * p.z, r[3] * p.x + r[4] * p.y + r[5] * p.z,
            r[6] * p.x + r[7] * p.y + r[8] * p.z};
}

double SolidView::scale() const {
    return std::min(width(), height() - 24) * 0.42;
}

QPointF SolidView::project(Point3 p) const {
    const Point3 v = turned(p);
    return {width() / 2.0 + scale() * v.x, (height() - 24) / 2.0 - scale() * v.y};
}

double SolidView::nearness(Point3 p) const {
    return turned(p).z;
}

int SolidView::facesInSight() const {
    int count = 0;
    for (int f = 0; f < static_cast<int>(solid_.faces.size()); ++f)
        if (turned(faceNormal(solid_, f)).z > 1e-9)
            ++count;
    return count;
}

int SolidView::markedCorner() const {
    int best = -1;
    for (int i = 0; i < static_cast<int>(solid_.vertices.size()); ++i)
        if (best < 0 || nearness(solid_.vertices[static_cast<std::size_t>(i)]) >
                            nearness(solid_.vertices[static_cast<std::size_t>(best)]))
            best = i;
    return best;
}

void SolidView::drawFaces(QPainter& painter, const Mesh& mesh, QColor colour, int alpha) const {
    struct Drawn {
        double depth;
        int face;
    };
    std::vector<Drawn> order;
    for (int f = 0; f < static_cast<int>(mesh.faces.size()); ++f)
        if (turned(faceNormal(mesh, f)).z > 1e-9) // turned away faces are hidden behind
            order.push_back({nearness(faceCentre(mesh, f)), f});
    std::sort(order.begin(), order.end(),
              [](const Drawn& a, const Drawn& b) { return a.depth < b.depth; });
    const int corner = cornerMarked_ && &mesh == &solid_ ? markedCorner() : -1;
    for (const Drawn& d : order) {
        const auto& face = mesh.faces[static_cast<std::size_t>(d.face)];
        QPolygonF polygon;
        for (int i : face)
            polygon << project(mesh.vertices[static_cast<std::size_t>(i)]);
        const bool marked = std::find(face.begin(), face.end(), corner) != face.end();
        const QColor base = marked ? kit::accentColour() : colour;
        painter.setBrush(shaded(base, turned(faceNormal(mesh, d.face)), alpha));
        painter.setPen(QPen(QColor(30, 30, 50), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolygon(polygon);
    }
}

void SolidView::drawHiddenEdges(QPainter& painter, const Mesh& mesh) const {
    painter.setPen(QPen(QColor(120, 120, 140), 1, Qt::DashLine));
    for (const Edge& e : edgesOf(mesh))
        painter.drawLine(project(mesh.vertices[static_cast<std::size_t>(e.a)]),
                         project(mesh.vertices[static_cast<std::size_t>(e.b)]));
}

void SolidView::drawMarkedCorner(QPainter& painter) const {
    const int corner = markedCorner();
    if (corner < 0)
        return;
    const QPointF at = project(solid_.vertices[static_cast<std::size_t>(corner)]);
    painter.setBrush(QColor(170, 30, 30));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(at, 4.5, 4.5);
}

void SolidView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (dualShown_) {
        // Glass: the far edges of the solid, then the dual inside, then the near faces clear.
        drawHiddenEdges(painter, solid_);
        drawFaces(painter, dual_, dualColour_, 255);
        drawFaces(painter, solid_, colour_, 70);
    } else {
        drawFaces(painter, solid_, colour_, 255);
    }
    if (cornerMarked_)
        drawMarkedCorner(painter);
    painter.setPen(QColor(80, 80, 80));
    painter.drawText(rect().adjusted(6, 4, -6, -4), Qt::AlignBottom | Qt::AlignLeft,
                     tr("Drag to turn the solid (or use the arrow keys; Home: first view)"));
}

void SolidView::mousePressEvent(QMouseEvent* event) {
    lastMouse_ = event->position();
    setFocus();
}

void SolidView::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const QPointF delta = event->position() - lastMouse_;
    lastMouse_ = event->position();
    turnBy(delta.x() * 0.6, delta.y() * 0.6);
}

void SolidView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
        turnBy(-5, 0);
        break;
    case Qt::Key_Right:
        turnBy(5, 0);
        break;
    case Qt::Key_Up:
        turnBy(0, -5);
        break;
    case Qt::Key_Down:
        turnBy(0, 5);
        break;
    case Qt::Key_Home:
        resetView();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace solids
