#include "arrows/view/plane_tab.h"

#include "arrows/core/vector_measures.h"
#include "arrows/view/arrow_drawing.h"

#include "kit/core/number_input.h"
#include "kit/view/canvas.h"
#include "kit/view/course_colours.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace arrows {
namespace {

const QColor aColour(170, 30, 30);
const QColor bColour(34, 85, 136);
const QColor resultColour(20, 110, 40);
const QColor helperColour(120, 120, 120);

QPointF toPoint(const ExactVector& v) {
    return {v[0].get_d(), v[1].get_d()};
}

ExactVector exactAt(QPointF p) {
    return {mpq_class(p.x()), mpq_class(p.y())};
}

QString text(const std::string& s) {
    return QString::fromStdString(s).toHtmlEscaped();
}

QString row(const QString& name, const QString& value) {
    return "<tr><td><b>" + name + "</b></td><td>&nbsp;=&nbsp;</td><td>" + value + "</td></tr>";
}

} // namespace

PlaneTab::PlaneTab(QWidget* parent)
    : QWidget(parent), canvas_(new kit::Canvas(this)), construction_(new QComboBox(this)),
      s_(new QLineEdit("2", this)), t_(new QLineEdit("-1", this)), scalarError_(new QLabel(this)),
      values_(new QTextBrowser(this)) {
    canvas_->setObjectName("vectorPlane");
    construction_->setObjectName("construction");
    s_->setObjectName("scalarS");
    t_->setObjectName("scalarT");
    scalarError_->setObjectName("scalarError");
    values_->setObjectName("planeValues");
    canvas_->setWorldRect(QRectF(-6, -6, 12, 12));
    canvas_->setPointBounds(QRectF(-20, -20, 40, 40));
    canvas_->addPoint("a", QPointF(3, 1), 0.5, "a", aColour);
    canvas_->addPoint("b", QPointF(1, 2), 0.5, "b", bColour);
    canvas_->setPainterCallback(
        [this](QPainter& painter, const kit::CanvasTransform& t) { paint(painter, t); });
    construction_->addItems({tr("Sum a + b (parallelogram)"), tr("Difference a \u2212 b"),
                             tr("Multiple s\u00b7a"), tr("Combination s\u00b7a + t\u00b7b"),
                             tr("Projection of a onto b"), tr("Span of a and b")});
    for (QLineEdit* field : {s_, t_})
        field->setMaximumWidth(80);
    scalarError_->setStyleSheet(QString("color: %1").arg(kit::wrongColour().name()));
    auto* controls = new QHBoxLayout;
    controls->addWidget(new QLabel(tr("&Show:"), this));
    qobject_cast<QLabel*>(controls->itemAt(0)->widget())->setBuddy(construction_);
    controls->addWidget(construction_);
    auto* sLabel = new QLabel(tr("s ="), this);
    sLabel->setBuddy(s_);
    auto* tLabel = new QLabel(tr("t ="), this);
    tLabel->setBuddy(t_);
    controls->addWidget(sLabel);
    controls->addWidget(s_);
    controls->addWidget(tLabel);
    controls->addWidget(t_);
    controls->addWidget(scalarError_, 1);
    auto* hint = new QLabel(tr("Drag the heads of <b>a</b> and <b>b</b> (or press Space to "
                               "pick one and move it with the arrow keys)."),
                            this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(hint);
    layout->addWidget(canvas_, 3);
    layout->addWidget(values_, 2);
    connect(canvas_, &kit::Canvas::pointMoved, this, &PlaneTab::refresh);
    connect(construction_, &QComboBox::currentIndexChanged, this, &PlaneTab::refresh);
    connect(s_, &QLineEdit::textChanged, this, &PlaneTab::refresh);
    connect(t_, &QLineEdit::textChanged, this, &PlaneTab::refresh);
    refresh();
}

ExactVector PlaneTab::a() const {
    return exactAt(canvas_->pointPosition("a"));
}

ExactVector PlaneTab::b() const {
    return exactAt(canvas_->pointPosition("b"));
}

PlaneTab::Construction PlaneTab::construction() const {
    return static_cast<Construction>(construction_->currentIndex());
}

bool PlaneTab::readScalars() {
    const auto s = kit::parseRational(s_->text().toStdString());
    const auto t = kit::parseRational(t_->text().toStdString());
    if (!s.ok()) {
        scalarError_->setText(tr("s: %1").arg(QString::fromStdString(s.error().message)));
        return false;
    }
    if (!t.ok()) {
        scalarError_->setText(tr("t: %1").arg(QString::fromStdString(t.error().message)));
        return false;
    }
    if (abs(s.value()) > 100 || abs(t.value()) > 100) {
        scalarError_->setText(tr("keep s and t between -100 and 100"));
        return false;
    }
    scalarError_->clear();
    sValue_ = s.value();
    tValue_ = t.value();
    return true;
}

void PlaneTab::refresh() {
    readScalars();
    values_->setHtml(valuesHtml());
    canvas_->update();
}

QString PlaneTab::valuesHtml() const {
    const ExactVector a = this->a(), b = this->b();
    const QString s = text(bracketedText(sValue_)), t = text(bracketedText(tValue_));
    QString html = "<table>";
    html += row("a", text(vectorText(a)) + ", |a| = " + text(lengthText(a)) + ", unit vector " +
                         text(unitVectorText(a)));
    html += row("b", text(vectorText(b)) + ", |b| = " + text(lengthText(b)) + ", unit vector " +
                         text(unitVectorText(b)));
    html += row("a + b", text(vectorText(add(a, b))));
    html += row("a \u2212 b", text(vectorText(subtract(a, b))));
    html +=
        row(s + "\u00b7a + " + t + "\u00b7b", text(vectorText(combine(sValue_, a, tValue_, b))));
    html += row("a \u00b7 b", text(dotWorking(a, b) + " = " + dot(a, b).get_str()));
    html += row("angle", text(angleText(a, b)));
    html += row("proj<sub>b</sub> a", isZero(b) ? tr("undefined: b is the zero vector")
                                                : text(vectorText(projection(a, b))));
    QString span;
    switch (planeSpan(a, b)) {
    case PlaneSpan::Plane:
        span = tr("the whole plane (a\u2081b\u2082 \u2212 a\u2082b\u2081 = %1 \u2260 0)")
                   .arg(text(determinant(a, b).get_str()));
        break;
    case PlaneSpan::Line:
        span = tr("only a line through the origin (a and b are parallel: "
                  "a\u2081b\u2082 \u2212 a\u2082b\u2081 = 0)");
        break;
    case PlaneSpan::Origin:
        span = tr("only the origin (both are the zero vector)");
        break;
    }
    html += row("span", span);
    return html + "</table>";
}

void PlaneTab::paintSpan(QPainter& painter, const kit::CanvasTransform& t) const {
    const ExactVector a = this->a(), b = this->b();
    painter.save();
    QColor fill = resultColour;
    fill.setAlpha(40);
    if (planeSpan(a, b) == PlaneSpan::Plane) {
        painter.fillRect(t.toPixels(t.world()), fill);
        // The lattice of integer combinations shows how every point is reached.
        painter.setPen(QPen(helperColour, 1, Qt::DotLine));
        const QPointF pa = toPoint(a), pb = toPoint(b);
        for (int k = -12; k <= 12; ++k) {
            painter.drawLine(t.toPixels(pb * k - pa * 40), t.toPixels(pb * k + pa * 40));
            painter.drawLine(t.toPixels(pa * k - pb * 40), t.toPixels(pa * k + pb * 40));
        }
    } else if (planeSpan(a, b) == PlaneSpan::Line) {
        const QPointF direction = isZero(a) ? toPoint(b) : toPoint(a);
        painter.setPen(QPen(resultColour, 3));
        painter.drawLine(t.toPixels(direction * -100), t.toPixels(direction * 100));
    }
    painter.restore();
}

void PlaneTab::paint(QPainter& painter, const kit::CanvasTransform& t) const {
    const ExactVector a = this->a(), b = this->b();
    const QPointF origin = t.toPixels(QPointF(0, 0));
    const QPointF pa = toPoint(a), pb = toPoint(b);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    switch (construction()) {
    case Construction::Sum:
        drawArrow(painter, t.toPixels(pa), t.toPixels(pa + pb), bColour, QString(), true);
        drawArrow(painter, t.toPixels(pb), t.toPixels(pa + pb), aColour, QString(), true);
        drawArrow(painter, origin, t.toPixels(pa + pb), resultColour, "a + b");
        break;
    case Construction::Difference:
        drawArrow(painter, t.toPixels(pb), t.toPixels(pa), helperColour, QString(), true);
        drawArrow(painter, origin, t.toPixels(pa - pb), resultColour, "a \u2212 b");
        break;
    case Construction::Multiple:
        drawArrow(painter, origin, t.toPixels(pa * sValue_.get_d()), resultColour,
                  QString::fromStdString(sValue_.get_str()) + "a");
        break;
    case Construction::Combination: {
        const QPointF sa = pa * sValue_.get_d(), tb = pb * tValue_.get_d();
        drawArrow(painter, origin, t.toPixels(sa), aColour, QString(), true);
        drawArrow(painter, t.toPixels(sa), t.toPixels(sa + tb), bColour, QString(), true);
        drawArrow(painter, origin, t.toPixels(sa + tb), resultColour,
                  QString::fromStdString(sValue_.get_str()) + "a + " +
                      QString::fromStdString(tValue_.get_str()) + "b");
        break;
    }
    case Construction::Projection:
        if (!isZero(b)) {
            const QPointF p = toPoint(projection(a, b));
            painter.setPen(QPen(helperColour, 1));
            painter.drawLine(t.toPixels(pb * -100), t.toPixels(pb * 100));
            painter.setPen(QPen(helperColour, 1.5, Qt::DashLine));
            painter.drawLine(t.toPixels(pa), t.toPixels(p));
            drawArrow(painter, origin, t.toPixels(p), resultColour, "proj");
        }
        break;
    case Construction::Span:
        paintSpan(painter, t);
        break;
    }
    drawArrow(painter, origin, t.toPixels(pa), aColour, QString());
    drawArrow(painter, origin, t.toPixels(pb), bColour, QString());
    painter.restore();
}

} // namespace arrows
