#include "imaginaries/view/roots_tab.h"

#include "imaginaries/core/exact_complex.h"
#include "imaginaries/core/polar_form.h"
#include "imaginaries/view/plane_drawing.h"

#include "kit/view/canvas.h"
#include "kit/view/course_colours.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QSpinBox>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <cmath>

namespace imaginaries {
namespace {

const QColor wColour(34, 85, 136);
const QColor rootColour(170, 30, 30);
const QColor powerColour(20, 110, 40);

std::complex<double> at(QPointF p) {
    return {p.x(), p.y()};
}

} // namespace

RootsTab::RootsTab(QWidget* parent)
    : QWidget(parent), canvas_(new kit::Canvas(this)), rootCount_(new QSpinBox(this)),
      showPowers_(new QCheckBox(tr("Show the &powers w, w\u00b2, ..., w^m"), this)),
      powerCount_(new QSpinBox(this)), values_(new QTextBrowser(this)) {
    canvas_->setObjectName("rootsPlane");
    rootCount_->setObjectName("rootCount");
    values_->setObjectName("rootValues");
    canvas_->setWorldRect(QRectF(-4, -4, 8, 8));
    canvas_->setPointBounds(QRectF(-20, -20, 40, 40));
    canvas_->addPoint("w", QPointF(0, 2), 0.25, "w", wColour);
    canvas_->setPainterCallback(
        [this](QPainter& painter, const kit::CanvasTransform& t) { paint(painter, t); });
    rootCount_->setRange(1, largestRootCount);
    rootCount_->setValue(5);
    powerCount_->setRange(1, largestPower);
    powerCount_->setValue(4);
    auto* form = new QFormLayout;
    form->addRow(tr("Roots of z^&n = w, n:"), rootCount_);
    auto* powers = new QHBoxLayout;
    powers->addWidget(showPowers_);
    powers->addWidget(powerCount_);
    powers->addStretch();
    form->addRow(powers);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(canvas_, 3);
    layout->addWidget(values_, 2);
    connect(canvas_, &kit::Canvas::pointMoved, this, &RootsTab::refresh);
    connect(rootCount_, &QSpinBox::valueChanged, this, &RootsTab::refresh);
    connect(powerCount_, &QSpinBox::valueChanged, this, &RootsTab::refresh);
    connect(showPowers_, &QCheckBox::toggled, this, &RootsTab::refresh);
    refresh();
}

void RootsTab::paint(QPainter& painter, const kit::CanvasTransform& t) const {
    const std::complex<double> w = at(canvas_->pointPosition("w"));
    const auto roots = nthRoots(w, rootCount_->value());
    if (!roots.empty()) {
        // The circle the roots lie on, radius |w|^(1/n).
        const double radius = std::abs(roots.front());
        const QRectF circle = t.toPixels(QRectF(-radius, -radius, 2 * radius, 2 * radius));
        painter.setPen(QPen(rootColour, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(circle);
        QPolygonF polygon;
        for (const auto& root : roots)
            polygon << t.toPixels(QPointF(root.real(), root.imag()));
        painter.setPen(QPen(rootColour, 2));
        painter.setBrush(QColor(rootColour.red(), rootColour.green(), rootColour.blue(), 40));
        painter.drawPolygon(polygon);
        for (std::size_t k = 0; k < roots.size(); ++k)
            drawDot(painter, t, roots[k], rootColour, QString("z%1").arg(k));
    }
    drawArrow(painter, t, 0, w, wColour, QString());
    if (showPowers_->isChecked()) {
        std::complex<double> power = w;
        std::complex<double> previous = 0;
        for (int k = 1; k <= powerCount_->value(); ++k) {
            drawArrow(painter, t, previous, power, powerColour, QString("w^%1").arg(k),
                      Qt::DashLine);
            previous = power;
            power *= w;
        }
    }
}

void RootsTab::refresh() {
    const std::complex<double> w = at(canvas_->pointPosition("w"));
    const int n = rootCount_->value();
    QString text;
    if (w == std::complex<double>(0, 0)) {
        text = tr("<p>w = 0 has the single root 0. Drag w away from 0.</p>");
    } else {
        const Polar polar = toPolar(w);
        text = tr("<p>w = %1 = %2. Its %3 roots have modulus |w|<sup>1/%3</sup> = %4 and "
                  "arguments (%5&deg; + k&middot;360&deg;)/%3, %6&deg; apart: the corners of a "
                  "regular %3-gon.</p><table cellpadding=2>")
                   .arg(shortComplexText(w), QString::fromStdString(polarText(polar)))
                   .arg(n)
                   .arg(std::pow(polar.modulus, 1.0 / n), 0, 'g', 4)
                   .arg(degrees(polar.argument), 0, 'f', 2)
                   .arg(360.0 / n, 0, 'f', 2);
        const auto roots = nthRoots(w, n);
        for (std::size_t k = 0; k < roots.size(); ++k)
            text += QString("<tr><td>z<sub>%1</sub></td><td>= %2</td><td>= %3</td></tr>")
                        .arg(k)
                        .arg(shortComplexText(roots[k]),
                             QString::fromStdString(polarText(toPolar(roots[k]))));
        text += "</table>";
        if (showPowers_->isChecked())
            text += tr("<p>De Moivre: w<sup>k</sup> = %1<sup>k</sup>(cos k&theta; + i sin "
                       "k&theta;); each power turns by the same angle %2&deg; and stretches by "
                       "the same factor, so the powers spiral.</p>")
                        .arg(polar.modulus, 0, 'g', 4)
                        .arg(degrees(polar.argument), 0, 'f', 2);
    }
    values_->setHtml(text);
    canvas_->update();
}

} // namespace imaginaries
