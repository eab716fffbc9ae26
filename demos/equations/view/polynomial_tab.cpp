#include "equations/view/polynomial_tab.h"

#include "equations/core/rational_roots.h"
#include "equations/view/curve_drawing.h"

#include "kit/view/canvas.h"
#include "kit/view/course_colours.h"
#include "kit/view/input_error_label.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace equations {

namespace {

const QColor curveColour(34, 85, 136);

QString html(const std::string& s) {
    return QString::fromStdString(s);
}

QString row(const QString& name, const QString& value) {
    return "<tr><td valign=\"top\"><b>" + name + "</b></td><td>" + value + "</td></tr>";
}

QString candidatesHtml(const Polynomial& p) {
    const auto candidates = rationalRootCandidates(p);
    if (!candidates)
        return QObject::tr("too many to list (the constant term or the leading coefficient is "
                           "large)");
    QString list;
    for (const auto& c : candidates->candidates)
        list += (list.isEmpty() ? "" : ", ") + html(numberHtml(c));
    QString text;
    if (candidates->powersOfX > 0)
        text = QObject::tr("x divides p, so 0 is a root; for the rest ");
    if (candidates->candidates.empty())
        return text + QObject::tr("nothing is left to test");
    return text + QObject::tr("&plusmn;(divisors of %1)/(divisors of %2): %3")
                      .arg(html(numberHtml(mpq_class(abs(candidates->integral.coefficient(0))))),
                           html(numberHtml(mpq_class(abs(candidates->integral.leading())))), list);
}

QString rootsHtml(const std::vector<RealRoot>& roots, const Polynomial& p) {
    if (roots.empty())
        return QObject::tr("none: the graph never meets the x-axis");
    QString text = "<table cellpadding=\"2\"><tr><th>x</th><th>multiplicity</th><th></th></tr>";
    for (const auto& r : roots) {
        QString note = r.exact ? QObject::tr("exact") : QObject::tr("numeric");
        if (r.rational)
            note +=
                QObject::tr(", p(%1) = %2").arg(html(r.html), html(numberHtml(p.at(*r.rational))));
        note += r.multiplicity % 2 == 0 ? QObject::tr("; the graph touches the axis")
                                        : QObject::tr("; the graph crosses the axis");
        text += "<tr><td>" + html(r.html) + "</td><td align=\"center\">" +
                QString::number(r.multiplicity) + "</td><td>" + note + "</td></tr>";
    }
    return text + "</table>";
}

} // namespace

PolynomialTab::PolynomialTab(QWidget* parent)
    : QWidget(parent), field_(new QLineEdit("x^4 - 2x^3 - 3x^2 + 4x + 4", this)),
      error_(new QLabel(this)), facts_(new QTextBrowser(this)), canvas_(new kit::Canvas(this)) {
    field_->setObjectName("polynomialField");
    error_->setObjectName("polynomialError");
    facts_->setObjectName("polynomialFacts");
    canvas_->setObjectName("polynomialGraph");
    kit::setUpInputError(*error_);
    canvas_->setEqualAspect(false);
    canvas_->setPainterCallback(
        [this](QPainter& painter, const kit::CanvasTransform& t) { paint(painter, t); });
    auto* label = new QLabel(tr("&p(x) ="), this);
    label->setBuddy(field_);
    auto* input = new QHBoxLayout;
    input->addWidget(label);
    input->addWidget(field_, 1);
    auto* hint = new QLabel(tr("Type a polynomial in x, for example (x-1)^2 (2x+3) or "
                               "x^3 - 1/2 x. Drag the graph to pan, the wheel zooms, Home "
                               "resets."),
                            this);
    hint->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(input);
    layout->addWidget(error_);
    layout->addWidget(hint);
    layout->addWidget(facts_, 2);
    layout->addWidget(canvas_, 3);
    connect(field_, &QLineEdit::textChanged, this, &PolynomialTab::refresh);
    refresh();
}

void PolynomialTab::refresh() {
    const auto parsed = parsePolynomial(field_->text().toStdString());
    if (!parsed.ok()) {
        error_->setText(html(parsed.error().message).toHtmlEscaped());
        error_->show();
        polynomial_.reset();
        roots_.clear();
        facts_->setHtml(tr("<p>Nothing to show until the polynomial can be read.</p>"));
        canvas_->update();
        return;
    }
    error_->clear();
    error_->hide();
    polynomial_ = parsed.value();
    roots_.clear();
    if (!polynomial_->isZero())
        roots_ = realRoots(factorOverRationals(*polynomial_));
    facts_->setHtml(factsHtml(*polynomial_));
    std::vector<double> xs;
    for (const auto& r : roots_)
        xs.push_back(r.value);
    const Polynomial p = *polynomial_;
    canvas_->setWorldRect(viewAround(xs, [p](double x) { return std::optional(p.at(x)); }));
    canvas_->update();
}

QString PolynomialTab::factsHtml(const Polynomial& p) const {
    if (p.isZero())
        return tr("<p>This is the zero polynomial: every number is a root, and it has no "
                  "degree.</p>");
    const Factorization f = factorOverRationals(p);
    QString text = "<table cellspacing=\"4\">";
    text += row(tr("expanded, collected"), html(p.html()));
    text += row(tr("degree"),
                tr("%1, leading coefficient %2, constant term %3")
                    .arg(p.degree())
                    .arg(html(numberHtml(p.leading())), html(numberHtml(p.coefficient(0)))));
    text += row(tr("factored over &#8474;"), html(factorizationHtml(f)));
    if (p.degree() >= 1)
        text += row(tr("rational candidates"), candidatesHtml(p));
    text += row(tr("real roots"), rootsHtml(roots_, p));
    QString complex;
    for (const auto& c : nonRealQuadraticRootsHtml(f))
        complex += (complex.isEmpty() ? "" : "<br>") + html(c);
    if (!complex.isEmpty())
        text += row(tr("complex roots"), complex);
    return text + "</table>";
}

void PolynomialTab::paint(QPainter& painter, const kit::CanvasTransform& t) const {
    if (!polynomial_)
        return;
    const Polynomial p = *polynomial_;
    drawCurve(
        painter, t, [p](double x) { return std::optional(p.at(x)); }, {}, curveColour);
    for (const auto& r : roots_) {
        drawAxisDot(painter, t, r.value, true, kit::accentColour());
        painter.setPen(kit::accentColour().darker(140));
        const QPointF at = t.toPixels(QPointF(r.value, 0)) + QPointF(-8, -10);
        painter.drawText(
            at, QString::fromStdString(r.typed) +
                    (r.multiplicity > 1 ? QString(" (\u00d7%1)").arg(r.multiplicity) : QString()));
    }
}

} // namespace equations
