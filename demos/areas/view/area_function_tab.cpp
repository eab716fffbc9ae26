#include "areas/view/area_function_tab.h"

#include "areas/core/area_function.h"
#include "areas/core/interval_input.h"
#include "areas/view/integral_text.h"

#include "graphs/core/function_algebra.h"
#include "graphs/core/function_curve.h"
#include "graphs/view/plot_drawing.h"

#include "kit/view/canvas.h"
#include "kit/view/course_colours.h"
#include "kit/view/curve_stroke.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QTextDocument>
#include <QVBoxLayout>

#include <cmath>

namespace areas {

namespace {

const QColor areaColour(20, 110, 40);

} // namespace

AreaFunctionTab::AreaFunctionTab(QWidget* parent)
    : QWidget(parent), functionField_(new QLineEdit("cos(x)", this)),
      startField_(new QLineEdit("0", this)), message_(new QLabel(this)), facts_(new QLabel(this)),
      canvas_(new kit::Canvas(this)) {
    functionField_->setObjectName("areaFunctionField");
    startField_->setObjectName("areaStartField");
    message_->setObjectName("areaMessage");
    message_->setWordWrap(true);
    message_->setStyleSheet(QString("color: %1").arg(kit::wrongColour().name()));
    facts_->setObjectName("areaFacts");
    facts_->setWordWrap(true);
    facts_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    canvas_->setObjectName("areaPlot");
    canvas_->setEqualAspect(false);
    canvas_->setWorldRect(QRectF(-1, -2.5, 8, 5));
    canvas_->addPoint("x", QPointF(x_, 0), 0.0, "x", kit::accentColour());
    canvas_->setPainterCallback(
        [this](QPainter& painter, const kit::CanvasTransform& t) { paint(painter, t); });
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel("f(x) =", this), 0, 0);
    grid->addWidget(functionField_, 0, 1);
    grid->addWidget(new QLabel(tr("from a ="), this), 0, 2);
    grid->addWidget(startField_, 0, 3);
    auto* legend = new QLabel(
        tr("<span style='color:%1'>&mdash; f</span> &nbsp; <span style='color:%2'>&mdash; "
           "A(x) = &int;<sub>a</sub><sup>x</sup> f(t) dt</span> &nbsp; Drag the orange point x "
           "along the axis: the dashed tangent of A there has the slope f(x).")
            .arg(kit::wrongColour().name(), areaColour.name()),
        this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(message_);
    layout->addWidget(legend);
    layout->addWidget(canvas_, 1);
    layout->addWidget(facts_);
    connect(functionField_, &QLineEdit::textChanged, this, &AreaFunctionTab::recompute);
    connect(startField_, &QLineEdit::textChanged, this, &AreaFunctionTab::recompute);
    connect(canvas_, &kit::Canvas::pointMoved, this,
            [this](const QString&, QPointF p) { moveTo(p.x()); });
    connect(canvas_, &kit::Canvas::viewChanged, this, [this] {
        resample();
        canvas_->update();
    });
    recompute();
}

void AreaFunctionTab::recompute() {
    f_.reset();
    F_.reset();
    samples_.clear();
    message_->clear();
    const auto parsed = graphs::parseFunction(functionField_->text().toStdString());
    if (!parsed.ok()) {
        message_->setText(
            ("f(x): " + QString::fromStdString(parsed.error().message)).toHtmlEscaped());
        moveTo(x_);
        return;
    }
    double start = 0;
    const auto limit = parseLimit(startField_->text().toStdString(), "the start a", &start);
    if (!limit.ok()) {
        message_->setText(QString::fromStdString(limit.error().message).toHtmlEscaped());
        moveTo(x_);
        return;
    }
    const QRectF world = canvas_->transform().world();
    if (graphs::sampleCurve(parsed.value(), world.left(), world.right(), 400, world.height())
            .empty()) {
        message_->setText(tr("f is not defined anywhere on the shown window %1 \u2264 x \u2264 %2")
                              .arg(shownNumber(world.left(), 4), shownNumber(world.right(), 4)));
        moveTo(x_);
        return;
    }
    if (!graphs::valueAt(parsed.value(), start)) {
        message_->setText(tr("f is not defined at the start a = %1").arg(shownNumber(start)));
        moveTo(x_);
        return;
    }
    f_ = parsed.value();
    a_ = start;
    F_ = antiderivative(*f_);
    resample();
    moveTo(x_);
}

void AreaFunctionTab::resample() {
    samples_.clear();
    if (!f_)
        return;
    const QRectF world = canvas_->transform().world();
    samples_ = areaFunctionSamples(*f_, a_, world.left(), world.right(), 240);
}

void AreaFunctionTab::moveTo(double x) {
    x_ = x;
    canvas_->setPointPosition("x", QPointF(x, 0));
    canvas_->update();
    areaDefined_ = false;
    if (!f_) {
        facts_->clear();
        return;
    }
    const auto area = areaUpTo(*f_, a_, x);
    const auto fx = graphs::valueAt(*f_, x);
    areaDefined_ = area.has_value() && fx.has_value();
    area_ = area.value_or(0);
    height_ = fx.value_or(0);
    if (!area) {
        facts_->setText(tr("A(%1) is not defined: f has a pole or a gap between a = %2 and x.")
                            .arg(shownNumber(x, 5), shownNumber(a_, 5)));
        return;
    }
    const double h = 1e-4 * (1 + std::abs(x));
    const auto slope = areaSlope(*f_, a_, x, h);
    QString html = tr("x = %1: &nbsp; A(x) = &int;<sub>%2</sub><sup>x</sup> f(t) dt = <b>%3</b>")
                       .arg(shownNumber(x, 5), shownNumber(a_, 5), shownNumber(*area, 8));
    if (F_)
        html += tr(" &nbsp; (F(x) &minus; F(a) with F(x) = %1)").arg(formula(F_->F));
    html += "<br>";
    if (slope && fx)
        html += tr("slope of A at x: (A(x + h) &minus; A(x &minus; h))/2h = %1 &nbsp; and &nbsp; "
                   "f(x) = %2 &nbsp;&mdash; A&prime;(x) = f(x), the fundamental theorem.")
                    .arg(shownNumber(*slope, 8), shownNumber(*fx, 8));
    facts_->setText(html);
}

QString AreaFunctionTab::factsText() const {
    QTextDocument document;
    document.setHtml(facts_->text());
    return document.toPlainText();
}

void AreaFunctionTab::paint(QPainter& painter, const kit::CanvasTransform& t) const {
    if (!f_)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // The region between f and the axis from a to x.
    const double from = std::min(a_, x_), to = std::max(a_, x_);
    if (to > from && areaDefined_) {
        for (const auto& piece : graphs::sampleCurve(*f_, from, to, 200, t.world().height())) {
            QPolygonF region;
            region << t.toPixels(QPointF(piece.front().first, 0));
            for (const auto& [x, y] : piece)
                region << t.toPixels(QPointF(x, y));
            region << t.toPixels(QPointF(piece.back().first, 0));
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(200, 110, 20, 70));
            painter.drawPolygon(region);
        }
    }
    QPainterPath areaPath;
    for (std::size_t k = 0; k < samples_.size(); ++k) {
        const QPointF p = t.toPixels(QPointF(samples_[k].first, samples_[k].second));
        if (k == 0)
            areaPath.moveTo(p);
        else
            areaPath.lineTo(p);
    }
    painter.setPen(QPen(areaColour, 2.2));
    painter.setBrush(Qt::NoBrush);
    kit::strokeCurve(painter, areaPath);
    if (areaDefined_) {
        // The tangent of A at x: slope f(x), by the fundamental theorem.
        const double reach = t.world().width() / 12;
        painter.setPen(QPen(areaColour, 1.5, Qt::DashLine));
        painter.drawLine(t.toPixels(QPointF(x_ - reach, area_ - reach * height_)),
                         t.toPixels(QPointF(x_ + reach, area_ + reach * height_)));
        painter.setBrush(areaColour);
        painter.drawEllipse(t.toPixels(QPointF(x_, area_)), 4, 4);
    }
    painter.restore();
    graphs::drawFunction(painter, t, *f_, kit::wrongColour());
}

} // namespace areas
