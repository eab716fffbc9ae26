#include "grids2/view/plane_map_tab.h"

#include "grids2/core/plane_map.h"
#include "grids2/view/typed_matrix_field.h"
#include "kit/view/canvas.h"
#include "kit/view/course_colours.h"
#include "matrixkit/core/matrix_input.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QSignalBlocker>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <exception>

namespace grids2 {

namespace {

const QColor firstColour(170, 30, 30);
const QColor secondColour(20, 110, 40);
constexpr int gridReach = 6;

QPointF image(const matrixkit::Matrix& a, double x, double y) {
    return {a.at(0, 0).get_d() * x + a.at(0, 1).get_d() * y,
            a.at(1, 0).get_d() * x + a.at(1, 1).get_d() * y};
}

QPolygonF mapped(const matrixkit::Matrix& a, const std::vector<QPointF>& points,
                 const kit::CanvasTransform& t) {
    QPolygonF polygon;
    for (const QPointF& p : points)
        polygon << t.toPixels(image(a, p.x(), p.y()));
    return polygon;
}

QPolygonF identityOf(const std::vector<QPointF>& points, const kit::CanvasTransform& t) {
    return mapped(matrixkit::Matrix::identity(2), points, t);
}

// The unit square and a flag inside it: an F whose mirror image is easy to tell.
const std::vector<QPointF> square{{0, 0}, {1, 0}, {1, 1}, {0, 1}};
const std::vector<QPointF> flag{{0.25, 0.2}, {0.25, 0.8}, {0.7, 0.8}};
const std::vector<QPointF> flagBar{{0.25, 0.5}, {0.55, 0.5}};

} // namespace

PlaneMapTab::PlaneMapTab(QWidget* parent)
    : QWidget(parent), canvas_(new kit::Canvas(this)), field_(new QLineEdit("[2 1; 0 1]", this)),
      message_(makeMessageLabel("mapMessage", this)), values_(makeResultView("mapValues", this)),
      map_(matrixkit::Matrix::of({{2, 1}, {0, 1}})) {
    canvas_->setObjectName("mapCanvas");
    field_->setObjectName("mapField");
    canvas_->setWorldRect(QRectF(-4, -4, 8, 8));
    canvas_->setPointBounds(QRectF(-8, -8, 16, 16));
    canvas_->addPoint("first", QPointF(2, 0), 0.5, "A(1,0)", firstColour);
    canvas_->addPoint("second", QPointF(1, 1), 0.5, "A(0,1)", secondColour);
    canvas_->setPainterCallback(
        [this](QPainter& painter, const kit::CanvasTransform& t) { paint(painter, t); });
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(tr("&Matrix A:"), this);
    label->setBuddy(field_);
    row->addWidget(label);
    row->addWidget(field_, 1);
    auto* hint = new QLabel(tr("Drag the images of (1, 0) and (0, 1), or type A. Grey: the unit "
                               "square and the grid; coloured: their images."),
                            this);
    hint->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(message_);
    layout->addWidget(hint);
    layout->addWidget(canvas_, 3);
    layout->addWidget(values_, 2);
    connect(field_, &QLineEdit::textChanged, this, &PlaneMapTab::typed);
    connect(canvas_, &kit::Canvas::pointMoved, this, &PlaneMapTab::dragged);
    show(map_);
}

void PlaneMapTab::typed() {
    const auto parsed = matrixkit::parseMatrix(field_->text().toStdString());
    if (!parsed.ok()) {
        message_->setText(QString::fromStdString(parsed.error().message));
        return;
    }
    if (parsed.value().rows() != 2 || parsed.value().cols() != 2) {
        message_->setText(tr("a map of the plane needs a 2 \u00d7 2 matrix (this one is %1)")
                              .arg(QString::fromStdString(matrixkit::sizeText(parsed.value()))));
        return;
    }
    message_->clear();
    map_ = parsed.value();
    canvas_->setPointPosition("first", image(map_, 1, 0));
    canvas_->setPointPosition("second", image(map_, 0, 1));
    show(map_);
}

void PlaneMapTab::dragged() {
    const QPointF first = canvas_->pointPosition("first");
    const QPointF second = canvas_->pointPosition("second");
    // The points snap to halves, which doubles hold exactly.
    map_.at(0, 0) = first.x();
    map_.at(1, 0) = first.y();
    map_.at(0, 1) = second.x();
    map_.at(1, 1) = second.y();
    {
        const QSignalBlocker quiet(field_);
        field_->setText(QString::fromStdString(matrixkit::matrixText(map_)));
    }
    message_->clear();
    show(map_);
}

void PlaneMapTab::show(const matrixkit::Matrix& a) {
    try {
        values_->setHtml(QString::fromStdString(planeMapHtml(a)));
    } catch (const std::exception& error) {
        message_->setText(QString::fromUtf8(error.what()));
    }
    canvas_->update();
}

void PlaneMapTab::paint(QPainter& painter, const kit::CanvasTransform& t) const {
    painter.setRenderHint(QPainter::Antialiasing);
    QColor gridColour = kit::accentColour();
    gridColour.setAlpha(110);
    painter.setPen(QPen(gridColour, 1));
    for (int k = -gridReach; k <= gridReach; ++k) {
        painter.drawLine(t.toPixels(image(map_, k, -gridReach)),
                         t.toPixels(image(map_, k, gridReach)));
        painter.drawLine(t.toPixels(image(map_, -gridReach, k)),
                         t.toPixels(image(map_, gridReach, k)));
    }
    painter.setPen(QPen(QColor(110, 110, 110), 1.5, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(identityOf(square, t));
    painter.drawPolyline(identityOf(flag, t));
    painter.drawPolyline(identityOf(flagBar, t));
    const double det =
        mpq_class(map_.at(0, 0) * map_.at(1, 1) - map_.at(0, 1) * map_.at(1, 0)).get_d();
    QColor fill = det >= 0 ? kit::pageColour() : kit::wrongColour();
    fill.setAlpha(70);
    painter.setPen(QPen(fill.darker(150), 2));
    painter.setBrush(fill);
    painter.drawPolygon(mapped(map_, square, t));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 2.5));
    painter.drawPolyline(mapped(map_, flag, t));
    painter.drawPolyline(mapped(map_, flagBar, t));
    painter.setPen(QPen(firstColour, 2.5));
    painter.drawLine(t.toPixels({0, 0}), t.toPixels(image(map_, 1, 0)));
    painter.setPen(QPen(secondColour, 2.5));
    painter.drawLine(t.toPixels({0, 0}), t.toPixels(image(map_, 0, 1)));
}

} // namespace grids2
