#include "transformkit/view/transform_explore.h"

#include "transformkit/core/explanation.h"
#include "transformkit/core/figure_measures.h"
#include "transformkit/view/parameter_row.h"

#include "kit/view/canvas.h"
#include "kit/view/course_colours.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QSpinBox>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <cmath>
#include <numbers>

namespace transformkit {
namespace {

const QColor figureColour(34, 85, 136);
const QColor imageColour(200, 110, 20);
const QColor secondColour(20, 110, 40);
const QColor guideColour(120, 120, 120);
const QColor mirrorColour(150, 40, 140);

// Starting shapes without symmetry, so that a mirror image is visibly turned over.
std::vector<QPointF> startingShape(int count) {
    switch (count) {
    case 3:
        return {{2, 1}, {5, 1}, {2, 3}};
    case 4:
        return {{2, 1}, {5, 1}, {5, 2}, {3, 4}};
    case 5:
        return {{2, 1}, {4, 1}, {5, 3}, {3, 4}, {2, 3}};
    default:
        return {{2, 1}, {4, 1}, {4, 2}, {6, 2}, {6, 4}, {2, 4}};
    }
}

ExactPoint exactAt(QPointF p) {
    return {mpq_class(p.x()), mpq_class(p.y())};
}

QPointF toPoint(const ExactPoint& p) {
    return {p.x.get_d(), p.y.get_d()};
}

QString vertexId(int i) {
    return QString("vertex%1").arg(i);
}

std::vector<QPointF> imagesOf(const std::vector<ExactPoint>& polygon, const Transformation& t) {
    std::vector<QPointF> points;
    for (const ExactPoint& p : polygon) {
        const ImagePoint image = t.image(p);
        points.emplace_back(image.x, image.y);
    }
    return points;
}

void drawPolygon(QPainter& painter, const kit::CanvasTransform& t,
                 const std::vector<QPointF>& points, QColor colour, const QString& primes) {
    QPolygonF shape;
    for (const QPointF& p : points)
        shape << t.toPixels(p);
    QColor fill = colour;
    fill.setAlpha(50);
    painter.setPen(QPen(colour, 2));
    painter.setBrush(fill);
    painter.drawPolygon(shape);
    if (primes.isEmpty())
        return;
    painter.setPen(colour.darker(130));
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    const QPointF middle = shape.boundingRect().center();
    for (int i = 0; i < shape.size(); ++i) {
        QPointF outwards = shape[i] - middle;
        const double length = std::hypot(outwards.x(), outwards.y());
        outwards = length > 0 ? outwards * (14.0 / length) : QPointF(8, -8);
        const QString name =
            QString::fromStdString(vertexName(static_cast<std::size_t>(i))) + primes;
        painter.drawText(QRectF(shape[i] + outwards - QPointF(15, 9), QSizeF(30, 18)),
                         Qt::AlignCenter, name);
    }
}

void drawArrow(QPainter& painter, QPointF from, QPointF to, QColor colour) {
    painter.setPen(QPen(colour, 1.5));
    painter.drawLine(from, to);
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    if (length < 8)
        return;
    const QPointF u = d / length, n(-u.y(), u.x());
    painter.setBrush(colour);
    painter.drawPolygon(QPolygonF{to, to - u * 9 + n * 4, to - u * 9 - n * 4});
}

} // namespace

TransformExplore::TransformExplore(TransformKind kind, QWidget* parent)
    : QWidget(parent), kind_(kind), canvas_(new kit::Canvas(this)),
      vertexCount_(new QSpinBox(this)), first_(new ParameterRow(kind, QString(), this)),
      compose_(new QCheckBox(tr("then a &second one:"), this)),
      second_(new ParameterRow(kind, "second", this)), error_(new QLabel(this)),
      explain_(new QTextBrowser(this)) {
    canvas_->setObjectName("transformPlane");
    vertexCount_->setObjectName("vertexCount");
    compose_->setObjectName("composeSecond");
    error_->setObjectName("parameterError");
    explain_->setObjectName("explainView");
    canvas_->setWorldRect(QRectF(-8, -8, 16, 16));
    canvas_->setPointBounds(QRectF(-15, -15, 30, 30));
    canvas_->setPainterCallback(
        [this](QPainter& painter, const kit::CanvasTransform& t) { paint(painter, t); });
    vertexCount_->setRange(3, 6);
    vertexCount_->setValue(3);
    error_->setStyleSheet(QString("color: %1").arg(kit::wrongColour().name()));
    error_->setWordWrap(true);
    second_->setEnabled(false);

    auto* shapeRow = new QHBoxLayout;
    auto* countLabel = new QLabel(tr("&Vertices:"), this);
    countLabel->setBuddy(vertexCount_);
    shapeRow->addWidget(countLabel);
    shapeRow->addWidget(vertexCount_);
    shapeRow->addSpacing(12);
    shapeRow->addWidget(compose_);
    shapeRow->addWidget(second_, 1);
    auto* hint = new QLabel(tr("Drag the vertices A, B, C, ... (they snap to the grid) and the "
                               "marked handle; type any value in the fields."),
                            this);
    hint->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(first_);
    layout->addLayout(shapeRow);
    layout->addWidget(error_);
    layout->addWidget(hint);
    layout->addWidget(canvas_, 3);
    layout->addWidget(explain_, 2);

    setVertexCount(3);
    if (kind == TransformKind::Translation)
        canvas_->addPoint("handle", QPointF(3, 2), 1.0, "v", imageColour);
    else if (kind != TransformKind::Reflection)
        canvas_->addPoint("handle", QPointF(0, 0), 1.0, "O", imageColour);
    connect(vertexCount_, &QSpinBox::valueChanged, this, &TransformExplore::setVertexCount);
    connect(canvas_, &kit::Canvas::pointMoved, this, &TransformExplore::pointMoved);
    connect(first_, &ParameterRow::changed, this, [this] {
        placeHandles();
        refresh();
    });
    connect(second_, &ParameterRow::changed, this, &TransformExplore::refresh);
    connect(compose_, &QCheckBox::toggled, this, [this](bool on) {
        second_->setEnabled(on);
        refresh();
    });
    placeHandles();
    refresh();
}

void TransformExplore::setVertexCount(int count) {
    for (int i = 0; i < 6; ++i)
        canvas_->removePoint(vertexId(i));
    const std::vector<QPointF> shape = startingShape(count);
    for (int i = 0; i < count; ++i)
        canvas_->addPoint(vertexId(i), shape[static_cast<std::size_t>(i)], 1.0,
                          QString::fromStdString(vertexName(static_cast<std::size_t>(i))),
                          figureColour);
    refresh();
}

std::vector<ExactPoint> TransformExplore::polygon() const {
    std::vector<ExactPoint> points;
    for (int i = 0; i < vertexCount_->value(); ++i)
        points.push_back(exactAt(canvas_->pointPosition(vertexId(i))));
    return points;
}

std::optional<Transformation> TransformExplore::first() const {
    return first_->transformation();
}

std::optional<Transformation> TransformExplore::second() const {
    if (!compose_->isChecked())
        return std::nullopt;
    return second_->transformation();
}

void TransformExplore::pointMoved(const QString& id, QPointF position) {
    if (id == "handle")
        first_->setHandle(position);
    else if (id.startsWith("mirror"))
        first_->setMirrorPoints(exactAt(canvas_->pointPosition("mirrorM")),
                                exactAt(canvas_->pointPosition("mirrorN")));
    refresh();
}

void TransformExplore::placeHandles() {
    if (const auto handle = first_->handle())
        canvas_->setPointPosition("handle", *handle);
    // M and N are on the plane only while the mirror is the line through them.
    if (first_->usesMirrorPoints() && !mirrorShown_) {
        canvas_->addPoint("mirrorM", mirrorM_, 1.0, "M", mirrorColour);
        canvas_->addPoint("mirrorN", mirrorN_, 1.0, "N", mirrorColour);
        mirrorShown_ = true;
    } else if (!first_->usesMirrorPoints() && mirrorShown_) {
        mirrorM_ = canvas_->pointPosition("mirrorM");
        mirrorN_ = canvas_->pointPosition("mirrorN");
        canvas_->removePoint("mirrorM");
        canvas_->removePoint("mirrorN");
        mirrorShown_ = false;
    }
}

void TransformExplore::refresh() {
    const auto one = first_->transformation();
    const auto two = compose_->isChecked() ? second_->transformation() : std::nullopt;
    QString error = one ? QString() : first_->error();
    if (one && compose_->isChecked() && !two)
        error = tr("second: %1").arg(second_->error());
    error_->setText(error);
    if (one)
        explain_->setHtml(QString::fromStdString(explanationHtml(polygon(), *one, two)));
    canvas_->update();
}

void TransformExplore::paintGuides(QPainter& painter, const kit::CanvasTransform& t,
                                   const Transformation& transformation) const {
    const std::vector<ExactPoint> points = polygon();
    const std::vector<QPointF> images = imagesOf(points, transformation);
    painter.setBrush(Qt::NoBrush);
    switch (transformation.kind()) {
    case TransformKind::Translation:
        drawArrow(painter, t.toPixels({0, 0}), t.toPixels(toPoint(transformation.vector())),
                  imageColour);
        for (std::size_t i = 0; i < points.size(); ++i)
            drawArrow(painter, t.toPixels(toPoint(points[i])), t.toPixels(images[i]), guideColour);
        break;
    case TransformKind::Reflection: {
        const Line& mirror = transformation.mirror();
        const QPointF on = toPoint(pointOn(mirror));
        QPointF along = toPoint(direction(mirror));
        along /= std::hypot(along.x(), along.y());
        painter.setPen(QPen(mirrorColour, 2));
        painter.drawLine(t.toPixels(on - along * 200), t.toPixels(on + along * 200));
        painter.setPen(QPen(guideColour, 1, Qt::DashLine));
        for (std::size_t i = 0; i < points.size(); ++i)
            painter.drawLine(t.toPixels(toPoint(points[i])), t.toPixels(images[i]));
        break;
    }
    case TransformKind::Rotation: {
        const QPointF centre = toPoint(transformation.centre());
        painter.setPen(QPen(guideColour, 1, Qt::DashLine));
        for (std::size_t i = 0; i < points.size(); ++i) {
            painter.drawLine(t.toPixels(centre), t.toPixels(toPoint(points[i])));
            painter.drawLine(t.toPixels(centre), t.toPixels(images[i]));
        }
        if (!points.empty()) {
            // The turn of A about the centre, as an arc.
            const QPointF d = toPoint(points[0]) - centre;
            const double radius = std::hypot(d.x(), d.y());
            const double start = std::atan2(d.y(), d.x()) * 180.0 / std::numbers::pi;
            const QRectF box = t.toPixels(
                QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius));
            painter.setPen(QPen(imageColour, 1.5));
            painter.drawArc(box, static_cast<int>(std::lround(start * 16)),
                            static_cast<int>(std::lround(transformation.angle().get_d() * 16)));
        }
        break;
    }
    case TransformKind::Dilation: {
        const QPointF centre = toPoint(transformation.centre());
        painter.setPen(QPen(guideColour, 1, Qt::DashLine));
        for (std::size_t i = 0; i < points.size(); ++i) {
            painter.drawLine(t.toPixels(centre), t.toPixels(toPoint(points[i])));
            painter.drawLine(t.toPixels(centre), t.toPixels(images[i]));
        }
        break;
    }
    }
}

void TransformExplore::paint(QPainter& painter, const kit::CanvasTransform& t) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    std::vector<QPointF> original;
    for (const ExactPoint& p : polygon())
        original.push_back(toPoint(p));
    drawPolygon(painter, t, original, figureColour, QString());
    if (const auto one = first_->transformation()) {
        paintGuides(painter, t, *one);
        const std::vector<QPointF> images = imagesOf(polygon(), *one);
        drawPolygon(painter, t, images, imageColour, "\u2032");
        if (compose_->isChecked())
            if (const auto two = second_->transformation()) {
                std::vector<ExactPoint> exactImages;
                for (const QPointF& p : images)
                    exactImages.push_back(exactAt(p));
                drawPolygon(painter, t, imagesOf(exactImages, *two), secondColour, "\u2033");
            }
    }
    painter.restore();
}

} // namespace transformkit
