#include "angles/view/unit_circle_tab.h"

#include "angles/core/identities.h"
#include "angles/core/special_angles.h"

#include "kit/view/canvas.h"
#include "kit/view/course_colours.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <cmath>
#include <numbers>

namespace angles {

namespace {

const QColor sineColour(170, 30, 30), cosineColour(34, 85, 136), tangentColour(20, 110, 40);

double radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

QString number(double v) {
    if (std::abs(v) < 1e-12)
        v = 0;
    return QString::number(v, 'g', 6).replace("-", "\u2212");
}

bool whole(double v) {
    return std::abs(v - std::round(v)) < 1e-9;
}

void segment(QPainter& painter, const kit::CanvasTransform& t, QPointF a, QPointF b, QColor colour,
             double width = 3) {
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(t.toPixels(a), t.toPixels(b));
}

} // namespace

UnitCircleTab::UnitCircleTab(QWidget* parent)
    : QWidget(parent), degreesField_(new QDoubleSpinBox(this)),
      snap_(new QCheckBox(tr("snap to 15°"), this)), facts_(new QTextBrowser(this)),
      canvas_(new kit::Canvas(this)) {
    degreesField_->setObjectName("degreesField");
    degreesField_->setRange(-720, 720);
    degreesField_->setDecimals(1);
    degreesField_->setSuffix("°");
    snap_->setObjectName("snapCheck");
    snap_->setChecked(true);
    facts_->setObjectName("circleFacts");
    canvas_->setObjectName("unitCircle");
    canvas_->setWorldRect(QRectF(-1.8, -1.8, 3.6, 3.6));
    canvas_->addPoint("P", QPointF(1, 0), 0.0, "P", kit::accentColour());
    canvas_->setPainterCallback(
        [this](QPainter& painter, const kit::CanvasTransform& t) { paint(painter, t); });
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(tr("angle θ ="), this));
    row->addWidget(degreesField_);
    row->addWidget(snap_);
    row->addStretch(1);
    auto* hint = new QLabel(tr("Drag P round the circle (or type the angle). "
                               "<span style='color:%1'>cos θ</span> is its abscissa, "
                               "<span style='color:%2'>sin θ</span> its ordinate, "
                               "<span style='color:%3'>tan θ</span> the height on the tangent "
                               "line x = 1.")
                                .arg(cosineColour.name(), sineColour.name(), tangentColour.name()),
                            this);
    hint->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(hint);
    layout->addWidget(canvas_, 3);
    layout->addWidget(facts_, 2);
    connect(canvas_, &kit::Canvas::pointMoved, this,
            [this](const QString&, QPointF p) { dragTo(p); });
    connect(degreesField_, &QDoubleSpinBox::valueChanged, this, &UnitCircleTab::setDegrees);
    setDegrees(30);
}

void UnitCircleTab::dragTo(QPointF p) {
    if (std::hypot(p.x(), p.y()) < 1e-9)
        return;
    double d = std::atan2(p.y(), p.x()) * 180 / std::numbers::pi;
    if (d < 0)
        d += 360;
    if (snap_->isChecked())
        d = std::fmod(std::round(d / 15) * 15, 360.0);
    setDegrees(d);
}

void UnitCircleTab::setDegrees(double degrees) {
    degrees_ = degrees;
    {
        const QSignalBlocker block(degreesField_);
        degreesField_->setValue(degrees);
    }
    const double r = radians(degrees);
    canvas_->setPointPosition("P", QPointF(std::cos(r), std::sin(r)));
    facts_->setHtml(factsHtml());
    canvas_->update();
    emit angleChanged(r);
}

QString UnitCircleTab::factsHtml() const {
    const double r = radians(degrees_);
    const double s = std::sin(r), c = std::cos(r);
    QString html = "<p>";
    const bool special = whole(degrees_) && isSpecialAngle(std::lround(degrees_));
    html += tr("θ = %1° = ").arg(number(degrees_));
    if (whole(degrees_ * 4))
        html += QString::fromStdString(radiansText(mpq_class(std::lround(degrees_ * 4), 4))) +
                " &asymp; ";
    html += number(r) + " rad";
    if (whole(degrees_)) {
        const long d = std::lround(degrees_);
        const int q = quadrantOf(d);
        html +=
            q == 0 ? tr(" &nbsp; (on an axis)")
                   : tr(" &nbsp; (quadrant %1, reference angle %2°)").arg(q).arg(referenceAngle(d));
    }
    html += "</p><table cellspacing=\"4\">";
    const auto exact = special ? exactTrig(std::lround(degrees_)) : std::nullopt;
    const auto exactCell = [&](const kit::Surd* v) {
        return v ? " = " + QString::fromStdString(signedSurdText(*v)) : QString();
    };
    html += QString("<tr><td style='color:%1'>sin θ</td><td>%2%3</td></tr>")
                .arg(sineColour.name(), number(s), exact ? exactCell(&exact->sine) : "");
    html += QString("<tr><td style='color:%1'>cos θ</td><td>%2%3</td></tr>")
                .arg(cosineColour.name(), number(c), exact ? exactCell(&exact->cosine) : "");
    const bool tanDefined = std::abs(c) > 1e-12;
    html += QString("<tr><td style='color:%1'>tan θ</td><td>%2%3</td></tr>")
                .arg(tangentColour.name(), tanDefined ? number(s / c) : tr("undefined (cos θ = 0)"),
                     exact && exact->tangent ? exactCell(&*exact->tangent) : "");
    html += "</table><p><b>" + tr("Identities at this angle") + "</b></p><table cellspacing=\"3\">";
    for (const Identity& identity : basicIdentities()) {
        const double left = identity.left(r), right = identity.right(r);
        const bool uses = identity.html.find("tan") != std::string::npos;
        if (uses && !tanDefined) {
            html += "<tr><td>" + QString::fromStdString(identity.html) + "</td><td colspan=2>" +
                    tr("tan θ is undefined here") + "</td></tr>";
            continue;
        }
        const bool agree = std::abs(left - right) <= 1e-9 * (1 + std::abs(left));
        html += QString("<tr><td>%1</td><td>%2 &nbsp;%3&nbsp; %4</td><td>%5</td></tr>")
                    .arg(QString::fromStdString(identity.html), number(left), agree ? "=" : "&ne;",
                         number(right), QString::fromStdString(identity.reason));
    }
    return html + "</table>";
}

void UnitCircleTab::paint(QPainter& painter, const kit::CanvasTransform& t) const {
    painter.setRenderHint(QPainter::Antialiasing);
    const double r = radians(degrees_);
    const QPointF origin(0, 0), p(std::cos(r), std::sin(r));
    const double unit = t.scaleX();
    painter.setPen(QPen(QColor(60, 60, 60), 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(t.toPixels(origin), unit, unit);
    // The special angles: marks every 30° and 45° round the circle.
    painter.setPen(QPen(QColor(120, 120, 120), 1.2));
    for (int d = 0; d < 360; d += 15) {
        if (d % 30 != 0 && d % 45 != 0)
            continue;
        const double a = radians(d);
        const QPointF direction(std::cos(a), std::sin(a));
        painter.drawLine(t.toPixels(direction * 0.96), t.toPixels(direction * 1.04));
    }
    // The angle's arc, counter-clockwise from the positive x-axis (clockwise when negative).
    const QRectF arcBox(t.toPixels(origin) - QPointF(unit * 0.25, unit * 0.25),
                        QSizeF(unit * 0.5, unit * 0.5));
    painter.setPen(QPen(kit::accentColour(), 2));
    painter.drawArc(arcBox, 0, static_cast<int>(std::round(degrees_ * 16)));
    // tan θ on the tangent line x = 1, where the line through O and P meets it.
    const double c = std::cos(r);
    if (std::abs(c) > 1e-9) {
        const double tangent = std::tan(r);
        const double shown = std::clamp(tangent, -50.0, 50.0);
        painter.setPen(QPen(tangentColour, 1, Qt::DashLine));
        painter.drawLine(t.toPixels(QPointF(1, -50)), t.toPixels(QPointF(1, 50)));
        painter.setPen(QPen(QColor(120, 120, 120), 1, Qt::DotLine));
        painter.drawLine(t.toPixels(origin), t.toPixels(QPointF(1, shown)));
        segment(painter, t, QPointF(1, 0), QPointF(1, shown), tangentColour);
    }
    segment(painter, t, origin, p, QColor(60, 60, 60), 2);
    segment(painter, t, origin, QPointF(p.x(), 0), cosineColour);
    segment(painter, t, QPointF(p.x(), 0), p, sineColour);
    painter.setPen(Qt::black);
    painter.drawText(t.toPixels(QPointF(p.x() / 2, 0)) + QPointF(-12, 16), "cos θ");
    // sin θ beside its segment on the side away from the tangent line, tan θ beyond that line.
    painter.drawText(t.toPixels(QPointF(p.x(), p.y() / 2)) + QPointF(p.x() > 0 ? -44 : 6, 0),
                     "sin θ");
    if (std::abs(c) > 1e-9 && std::abs(std::tan(r)) < 1.7)
        painter.drawText(t.toPixels(QPointF(1, std::tan(r) / 2)) + QPointF(6, 0), "tan θ");
}

} // namespace angles
