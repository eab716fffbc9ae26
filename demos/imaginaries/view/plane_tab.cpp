#include "imaginaries/view/plane_tab.h"

#include "imaginaries/core/polar_form.h"
#include "imaginaries/view/plane_drawing.h"

#include "kit/view/canvas.h"
#include "kit/view/course_colours.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace imaginaries {
namespace {

const QColor zColour(34, 85, 136);
const QColor wColour(20, 110, 40);
const QColor sumColour(200, 110, 20);
const QColor differenceColour(120, 60, 160);
const QColor productColour(170, 30, 30);
const QColor quotientColour(0, 130, 140);

ExactComplex exactAt(QPointF p) {
    return {mpq_class(p.x()), mpq_class(p.y())};
}

QString html(const std::string& text) {
    return QString::fromStdString(text);
}

QString valueRow(const QString& name, const ExactComplex& value, const QColor& colour) {
    const Polar polar = toPolar(toDouble(value));
    return QString("<tr><td><b style='color:%1'>%2</b></td><td>%3</td><td>%4</td><td>%5</td></tr>")
        .arg(colour.name(), name, html(complexText(value)),
             sgn(normSquared(value)) == 0 ? QString("0") : html(polarText(polar)),
             sgn(normSquared(value)) == 0 ? QString("0") : html(exponentialText(polar)));
}

} // namespace

PlaneTab::PlaneTab(QWidget* parent)
    : QWidget(parent), canvas_(new kit::Canvas(this)), sum_(new QCheckBox(tr("z + &w"), this)),
      difference_(new QCheckBox(tr("z &\u2212 w"), this)),
      product_(new QCheckBox(tr("z \u00b7 w (&product)"), this)),
      quotient_(new QCheckBox(tr("z / w (&quotient)"), this)),
      conjugates_(new QCheckBox(tr("&conjugates"), this)), values_(new QTextBrowser(this)) {
    canvas_->setObjectName("complexPlane");
    values_->setObjectName("planeValues");
    canvas_->setWorldRect(QRectF(-6, -6, 12, 12));
    canvas_->setPointBounds(QRectF(-20, -20, 40, 40));
    canvas_->addPoint("z", QPointF(2, 1), 0.5, "z", zColour);
    canvas_->addPoint("w", QPointF(1, 2), 0.5, "w", wColour);
    canvas_->setPainterCallback(
        [this](QPainter& painter, const kit::CanvasTransform& t) { paint(painter, t); });
    sum_->setChecked(true);
    product_->setChecked(true);
    auto* boxes = new QHBoxLayout;
    for (QCheckBox* box : {sum_, difference_, product_, quotient_, conjugates_}) {
        boxes->addWidget(box);
        connect(box, &QCheckBox::toggled, this, &PlaneTab::refresh);
    }
    boxes->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(boxes);
    layout->addWidget(canvas_, 3);
    layout->addWidget(values_, 2);
    connect(canvas_, &kit::Canvas::pointMoved, this, &PlaneTab::refresh);
    refresh();
}

ExactComplex PlaneTab::z() const {
    return exactAt(canvas_->pointPosition("z"));
}

ExactComplex PlaneTab::w() const {
    return exactAt(canvas_->pointPosition("w"));
}

void PlaneTab::paint(QPainter& painter, const kit::CanvasTransform& t) const {
    const ExactComplex a = z();
    const ExactComplex b = w();
    drawArrow(painter, t, 0, toDouble(a), zColour, QString());
    drawArrow(painter, t, 0, toDouble(b), wColour, QString());
    if (sum_->isChecked()) {
        // The parallelogram: from z go along w, from w go along z.
        drawArrow(painter, t, toDouble(a), toDouble(a + b), sumColour, QString(), Qt::DashLine);
        drawArrow(painter, t, toDouble(b), toDouble(a + b), sumColour, QString(), Qt::DashLine);
        drawArrow(painter, t, 0, toDouble(a + b), sumColour, "z + w");
    }
    if (difference_->isChecked()) {
        drawArrow(painter, t, toDouble(b), toDouble(a), differenceColour, QString(), Qt::DotLine);
        drawArrow(painter, t, 0, toDouble(a - b), differenceColour, "z \u2212 w");
    }
    if (product_->isChecked())
        drawArrow(painter, t, 0, toDouble(a * b), productColour, "z\u00b7w");
    if (quotient_->isChecked()) {
        if (const auto q = divide(a, b))
            drawArrow(painter, t, 0, toDouble(*q), quotientColour, "z/w");
    }
    if (conjugates_->isChecked()) {
        drawDot(painter, t, toDouble(conjugate(a)), zColour, "z\u0305");
        drawDot(painter, t, toDouble(conjugate(b)), wColour, "w\u0305");
    }
}

void PlaneTab::refresh() {
    const ExactComplex a = z();
    const ExactComplex b = w();
    QString text = "<table cellpadding=3><tr><th></th><th>a + bi</th><th>r (cos &theta; + i sin "
                   "&theta;)</th><th>r e<sup>i&theta;</sup></th></tr>";
    text += valueRow("z", a, zColour) + valueRow("w", b, wColour);
    if (sum_->isChecked())
        text += valueRow("z + w", a + b, sumColour);
    if (difference_->isChecked())
        text += valueRow("z &minus; w", a - b, differenceColour);
    if (product_->isChecked())
        text += valueRow("z &middot; w", a * b, productColour);
    if (quotient_->isChecked()) {
        if (const auto q = divide(a, b))
            text += valueRow("z / w", *q, quotientColour);
        else
            text += tr("<tr><td><b>z / w</b></td><td colspan=3>not defined: w = 0</td></tr>");
    }
    if (conjugates_->isChecked())
        text +=
            valueRow("z&#772;", conjugate(a), zColour) + valueRow("w&#772;", conjugate(b), wColour);
    text += "</table>";
    text += tr("<p>|z| &middot; |w| = |z&middot;w| and arg z + arg w = arg(z&middot;w): "
               "multiplying multiplies the lengths and adds the angles. z&middot;z&#772; = "
               "|z|<sup>2</sup> = %1.</p>")
                .arg(html(normSquared(a).get_str()));
    values_->setHtml(text);
    canvas_->update();
}

} // namespace imaginaries
