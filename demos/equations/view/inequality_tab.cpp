#include "equations/view/inequality_tab.h"

#include "equations/view/curve_drawing.h"

#include "kit/view/canvas.h"
#include "kit/view/course_colours.h"
#include "kit/view/input_error_label.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace equations {

namespace {

const QColor curveColour(34, 85, 136);
const QColor setColour(20, 110, 40);

QString html(const std::string& s) {
    return QString::fromStdString(s);
}

std::optional<double> quotientAt(const Polynomial& p, const Polynomial& q, double x) {
    const double below = q.at(x);
    if (below == 0)
        return std::nullopt;
    return p.at(x) / below;
}

// Where the numerator is the zero polynomial the quotient is 0 wherever it is defined.
SolutionSet zeroNumeratorSolution(const SignChart& chart, Relation relation) {
    if (relation == Relation::Less || relation == Relation::Greater)
        return {};
    SolutionSet set;
    Endpoint low{true, {}};
    for (const auto& point : chart.points) {
        set.push_back({low, Endpoint{false, point.root}, false, false});
        low = Endpoint{false, point.root};
    }
    set.push_back({low, Endpoint{true, {}}, false, false});
    return set;
}

} // namespace

InequalityTab::InequalityTab(QWidget* parent)
    : QWidget(parent), numerator_(new QLineEdit("(x+2)(x-1)^2", this)),
      denominator_(new QLineEdit("x-3", this)), relation_(new QComboBox(this)),
      error_(new QLabel(this)), facts_(new QTextBrowser(this)), canvas_(new kit::Canvas(this)) {
    numerator_->setObjectName("numeratorField");
    denominator_->setObjectName("denominatorField");
    relation_->setObjectName("relationChooser");
    error_->setObjectName("inequalityError");
    facts_->setObjectName("inequalityFacts");
    canvas_->setObjectName("inequalityGraph");
    relation_->addItems({"< 0", "\u2264 0", "> 0", "\u2265 0"});
    relation_->setCurrentIndex(1);
    kit::setUpInputError(*error_);
    canvas_->setEqualAspect(false);
    canvas_->setPainterCallback(
        [this](QPainter& painter, const kit::CanvasTransform& t) { paint(painter, t); });
    auto* grid = new QGridLayout;
    auto* top = new QLabel(tr("&Numerator p(x) ="), this);
    top->setBuddy(numerator_);
    auto* bottom = new QLabel(tr("&Denominator q(x) ="), this);
    bottom->setBuddy(denominator_);
    auto* compare = new QLabel(tr("p(x)/q(x) &is"), this);
    compare->setBuddy(relation_);
    grid->addWidget(top, 0, 0);
    grid->addWidget(numerator_, 0, 1);
    grid->addWidget(bottom, 1, 0);
    grid->addWidget(denominator_, 1, 1);
    grid->addWidget(compare, 2, 0);
    grid->addWidget(relation_, 2, 1, Qt::AlignLeft);
    auto* hint = new QLabel(tr("For a polynomial inequality leave the denominator 1."), this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(error_);
    layout->addWidget(hint);
    layout->addWidget(facts_, 2);
    layout->addWidget(canvas_, 3);
    connect(numerator_, &QLineEdit::textChanged, this, &InequalityTab::refresh);
    connect(denominator_, &QLineEdit::textChanged, this, &InequalityTab::refresh);
    connect(relation_, &QComboBox::currentIndexChanged, this, &InequalityTab::refresh);
    refresh();
}

Relation InequalityTab::relation() const {
    return static_cast<Relation>(std::max(0, relation_->currentIndex()));
}

std::optional<InequalityTab::Problem> InequalityTab::read() {
    const auto p = parsePolynomial(numerator_->text().toStdString());
    if (!p.ok()) {
        error_->setText(tr("Numerator: %1").arg(html(p.error().message).toHtmlEscaped()));
        return std::nullopt;
    }
    const QString below = denominator_->text().trimmed().isEmpty() ? "1" : denominator_->text();
    const auto q = parsePolynomial(below.toStdString());
    if (!q.ok()) {
        error_->setText(tr("Denominator: %1").arg(html(q.error().message).toHtmlEscaped()));
        return std::nullopt;
    }
    if (q.value().isZero()) {
        error_->setText(tr("Denominator: the zero polynomial; p(x)/0 is never defined"));
        return std::nullopt;
    }
    error_->clear();
    Problem problem{p.value(), q.value(), {}, {}};
    const Factorization top = p.value().isZero() ? Factorization{} : factorOverRationals(p.value());
    problem.chart = signChart(top, factorOverRationals(q.value()));
    problem.solution = p.value().isZero() ? zeroNumeratorSolution(problem.chart, relation())
                                          : solve(problem.chart, relation());
    return problem;
}

void InequalityTab::refresh() {
    problem_ = read();
    error_->setVisible(!error_->text().isEmpty());
    if (!problem_) {
        facts_->setHtml(tr("<p>Nothing to show until both polynomials can be read.</p>"));
        canvas_->update();
        return;
    }
    facts_->setHtml(factsHtml(*problem_));
    std::vector<double> xs, poles;
    for (const auto& point : problem_->chart.points) {
        xs.push_back(point.root.value);
        if (point.excluded())
            poles.push_back(point.root.value);
    }
    const Polynomial p = problem_->numerator, q = problem_->denominator;
    canvas_->setWorldRect(viewAround(
        xs, [p, q](double x) { return quotientAt(p, q, x); }, poles));
    canvas_->update();
}

QString InequalityTab::factsHtml(const Problem& problem) const {
    const bool rational = problem.denominator.degree() > 0;
    const Polynomial& p = problem.numerator;
    const QString top = p.isZero() ? "0" : html(factorizationHtml(factorOverRationals(p)));
    QString text = "<p><b>" + tr("The inequality") + "</b> ";
    if (rational)
        text += "(" + top + ") / (" +
                html(factorizationHtml(factorOverRationals(problem.denominator))) + ")";
    else
        text += "(" + top + ")" +
                (problem.denominator == Polynomial({mpq_class(1)})
                     ? QString()
                     : " / " + html(numberHtml(problem.denominator.leading())));
    text += " " + html(relationHtml(relation())) + " 0</p>";
    if (p.isZero())
        text += tr("<p>The numerator is the zero polynomial: the quotient is 0 wherever it is "
                   "defined.</p>");
    else
        text += "<p><b>" + tr("Sign chart") + "</b></p>" + html(signChartHtml(problem.chart));
    text +=
        "<p><b>" + tr("Solution set") + "</b>: " + html(solutionHtml(problem.solution)) + "</p>";
    if (rational)
        text += tr("<p>The zeros of the denominator never belong to the set: there the quotient "
                   "is undefined. Multiplying both sides by q(x) would be wrong wherever q(x) "
                   "&lt; 0, because that turns the inequality round.</p>");
    return text;
}

void InequalityTab::paintSolution(QPainter& painter, const kit::CanvasTransform& t) const {
    const QRectF world = t.world();
    painter.save();
    painter.setPen(QPen(setColour, 6, Qt::SolidLine, Qt::FlatCap));
    for (const auto& piece : problem_->solution) {
        const double low = piece.low.infinite ? world.left() - 1 : piece.low.root.value;
        const double high = piece.high.infinite ? world.right() + 1 : piece.high.root.value;
        painter.drawLine(t.toPixels(QPointF(low, 0)), t.toPixels(QPointF(high, 0)));
    }
    painter.restore();
    for (const auto& piece : problem_->solution) {
        if (!piece.low.infinite)
            drawAxisDot(painter, t, piece.low.root.value, piece.lowClosed, setColour);
        if (!piece.high.infinite && !piece.isPoint())
            drawAxisDot(painter, t, piece.high.root.value, piece.highClosed, setColour);
    }
}

void InequalityTab::paint(QPainter& painter, const kit::CanvasTransform& t) const {
    if (!problem_)
        return;
    std::vector<double> poles;
    painter.save();
    painter.setPen(QPen(kit::wrongColour(), 1, Qt::DashLine));
    for (const auto& point : problem_->chart.points)
        if (point.excluded()) {
            poles.push_back(point.root.value);
            painter.drawLine(t.toPixels(QPointF(point.root.value, t.world().top())),
                             t.toPixels(QPointF(point.root.value, t.world().bottom())));
        }
    painter.restore();
    const Polynomial p = problem_->numerator, q = problem_->denominator;
    drawCurve(
        painter, t, [p, q](double x) { return quotientAt(p, q, x); }, poles, curveColour);
    paintSolution(painter, t);
    for (const auto& point : problem_->chart.points)
        if (point.excluded())
            drawAxisDot(painter, t, point.root.value, false, kit::wrongColour());
}

} // namespace equations
