#include "slopes/view/slopes_explore.h"

#include "slopes/core/derivative_check.h"
#include "slopes/core/derivative_steps.h"
#include "slopes/core/difference_quotient.h"
#include "slopes/core/function_study.h"
#include "slopes/core/tangent_line.h"

#include "graphs/core/function_algebra.h"
#include "graphs/core/function_curve.h"

#include "kit/view/canvas.h"
#include "kit/view/course_colours.h"
#include "kit/view/input_error_label.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace slopes {

namespace {

struct Example {
    const char* title;
    const char* function;
};

const Example examples[] = {
    {"x^2 (power rule)", "x^2"},
    {"cubic with a maximum and a minimum", "x^3 - 3x"},
    {"product: x^2 sin(x)", "x^2 sin(x)"},
    {"quotient: (x + 1)/(x^2 + 1)", "(x + 1)/(x^2 + 1)"},
    {"chain: sin(x^2)", "sin(x^2)"},
    {"exponential: x exp(-x)", "x exp(-x)"},
    {"logarithm: ln(x^2 + 1)", "log(x^2 + 1)"},
    {"corner: |x - 1|", "abs(x - 1)"},
};

constexpr double viewLeft = -5, viewRight = 5;

// The sizes of h the slider steps through, halving or so each time down to 0.001.
const double stepSizes[] = {2, 1, 0.5, 0.2, 0.1, 0.05, 0.02, 0.01, 0.005, 0.002, 0.001};

QString number(double v) {
    if (std::abs(v) < 1e-12)
        v = 0;
    return QString::number(v, 'g', 8).replace("-", "\u2212");
}

QString interval(const SignStretch& s) {
    return QString("(%1, %2)").arg(number(s.from), number(s.to));
}

QString stretchesHtml(const std::vector<SignStretch>& stretches, bool positive) {
    QStringList parts;
    for (const auto& s : stretches)
        if (s.positive == positive)
            parts << interval(s);
    return parts.isEmpty() ? QObject::tr("nowhere on the window") : parts.join(" \u222a ");
}

} // namespace

SlopesExplore::SlopesExplore(QWidget* parent)
    : QWidget(parent), examples_(new QComboBox(this)), functionField_(new QLineEdit(this)),
      error_(new QLabel(this)), plot_(new kit::Canvas(this)),
      derivativePlot_(new kit::Canvas(this)), hSlider_(new QSlider(Qt::Horizontal, this)),
      fromLeft_(new QCheckBox(tr("from the &left (h < 0)"), this)), secantLabel_(new QLabel(this)),
      tangentLabel_(new QLabel(this)), quotients_(new QTableWidget(0, 3, this)),
      steps_(new QTextBrowser(this)), study_(new QTextBrowser(this)),
      ownField_(new QLineEdit(this)), ownVerdict_(new QLabel(this)) {
    plot_->setObjectName("secantPlot");
    plot_->setEqualAspect(false);
    plot_->setWorldRect(QRectF(viewLeft, -5, viewRight - viewLeft, 10));
    plot_->addPoint("P", QPointF(1, 0), 0.1, "P", kit::wrongColour());
    plot_->setPainterCallback(
        [this](QPainter& p, const kit::CanvasTransform& t) { drawSecantFigure(p, t, figure_); });
    derivativePlot_->setObjectName("derivativePlot");
    derivativePlot_->setEqualAspect(false);
    derivativePlot_->setWorldRect(QRectF(viewLeft, -5, viewRight - viewLeft, 10));
    derivativePlot_->setPainterCallback([this](QPainter& p, const kit::CanvasTransform& t) {
        drawDerivativeFigure(p, t, derivativeFigure_);
    });
    hSlider_->setObjectName("hSlider");
    hSlider_->setRange(0, static_cast<int>(std::size(stepSizes)) - 1);
    hSlider_->setPageStep(1);
    hSlider_->setValue(1);
    fromLeft_->setObjectName("fromLeftBox");
    secantLabel_->setObjectName("secantLabel");
    tangentLabel_->setObjectName("tangentLabel");
    secantLabel_->setWordWrap(true);
    tangentLabel_->setWordWrap(true);
    quotients_->setObjectName("quotientTable");
    quotients_->setHorizontalHeaderLabels({"h", "f(a + h)", "(f(a + h) \u2212 f(a))/h"});
    quotients_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    quotients_->verticalHeader()->hide();
    quotients_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    steps_->setObjectName("derivativeSteps");
    study_->setObjectName("studyFacts");

    auto* hRow = new QHBoxLayout;
    hRow->addWidget(new QLabel(tr("h:"), this));
    hRow->addWidget(hSlider_, 1);
    hRow->addWidget(fromLeft_);
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName("slopesTabs");
    tabs->addTab(steps_, tr("Rules"));
    tabs->addTab(quotients_, tr("Quotients"));
    tabs->addTab(study_, tr("f\u2032 and f\u2033"));
    tabs->addTab(makeOwnDerivative(), tr("Your derivative"));
    auto* caption = new QLabel(tr("Above: f (blue), the secant PQ (orange, dashed) and the tangent "
                                  "at P (green); drag P. Below: the derivative f\u2032 (red)."),
                               this);
    caption->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeInputs());
    layout->addWidget(caption);
    layout->addWidget(plot_, 3);
    layout->addLayout(hRow);
    layout->addWidget(secantLabel_);
    layout->addWidget(tangentLabel_);
    layout->addWidget(derivativePlot_, 2);
    layout->addWidget(tabs, 2);
    connect(plot_, &kit::Canvas::pointMoved, this,
            [this](const QString&, QPointF p) { movePoint(p.x()); });
    connect(hSlider_, &QSlider::valueChanged, this, &SlopesExplore::updateSecant);
    connect(fromLeft_, &QCheckBox::toggled, this, [this] { movePoint(figure_.a); });
    chooseExample(0);
}

QWidget* SlopesExplore::makeInputs() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    examples_->setObjectName("exampleChooser");
    for (const auto& example : examples)
        examples_->addItem(example.title);
    functionField_->setObjectName("functionField");
    error_->setObjectName("inputError");
    kit::setUpInputError(*error_);
    auto* label = new QLabel(tr("&f(x) ="), box);
    label->setBuddy(functionField_);
    grid->addWidget(new QLabel(tr("Example:"), box), 0, 0);
    grid->addWidget(examples_, 0, 1);
    grid->addWidget(label, 1, 0);
    grid->addWidget(functionField_, 1, 1);
    grid->addWidget(error_, 2, 0, 1, 2);
    connect(examples_, &QComboBox::activated, this, &SlopesExplore::chooseExample);
    connect(functionField_, &QLineEdit::textEdited, this, &SlopesExplore::refresh);
    return box;
}

QWidget* SlopesExplore::makeOwnDerivative() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    ownField_->setObjectName("ownDerivativeField");
    ownField_->setPlaceholderText(tr("type f\u2032(x), e.g. 2x"));
    ownVerdict_->setObjectName("ownDerivativeVerdict");
    ownVerdict_->setWordWrap(true);
    auto* check = new QPushButton(tr("Check &my derivative"), box);
    check->setObjectName("checkOwnDerivative");
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(tr("f\u2032(x) ="), box));
    row->addWidget(ownField_, 1);
    row->addWidget(check);
    layout->addWidget(new QLabel(tr("Work out f\u2032 yourself: any equivalent form is accepted "
                                    "(the difference is simplified, then checked at random "
                                    "points)."),
                                 box));
    layout->addLayout(row);
    layout->addWidget(ownVerdict_);
    layout->addStretch(1);
    connect(check, &QPushButton::clicked, this, &SlopesExplore::checkOwnDerivative);
    connect(ownField_, &QLineEdit::returnPressed, this, &SlopesExplore::checkOwnDerivative);
    return box;
}

void SlopesExplore::chooseExample(int index) {
    const auto& example = examples[std::clamp(index, 0, static_cast<int>(std::size(examples)) - 1)];
    functionField_->setText(example.function);
    refresh();
}

double SlopesExplore::h() const {
    const double size = stepSizes[std::clamp(hSlider_->value(), 0, hSlider_->maximum())];
    return fromLeft_->isChecked() ? -size : size;
}

void SlopesExplore::showError(const QString& message) {
    error_->setText(message.toHtmlEscaped());
    error_->show();
    figure_.f.reset();
    derivativeFigure_.derivative.reset();
    derivativeFigure_.criticalXs.clear();
    steps_->clear();
    study_->clear();
    quotients_->setRowCount(0);
    secantLabel_->clear();
    tangentLabel_->clear();
    plot_->update();
    derivativePlot_->update();
}

void SlopesExplore::refresh() {
    const auto parsed = graphs::parseFunction(functionField_->text().trimmed().toStdString());
    if (!parsed.ok())
        return showError(tr("f(x): %1").arg(QString::fromStdString(parsed.error().message)));
    if (graphs::sampleCurve(parsed.value(), viewLeft, viewRight, 400, 10).empty())
        return showError(
            tr("f(x) = %1 is not defined anywhere on %2 ≤ x ≤ %3: there "
               "is nothing to draw or differentiate here.")
                .arg(functionField_->text().trimmed(), number(viewLeft), number(viewRight)));
    error_->hide();
    figure_.f = parsed.value();
    derivativeFigure_.derivative = parsed.value().derivative(0);
    showSteps();
    showStudy();
    ownVerdict_->clear();
    movePoint(plot_->pointPosition("P").x());
}

void SlopesExplore::showSteps() {
    const StepwiseDerivative d = differentiateWithSteps(*figure_.f);
    QString html = "<p><b>f\u2032(x) = " + QString::fromStdString(graphs::formulaHtml(d.tidy)) +
                   "</b></p><ol>";
    for (const auto& step : d.steps)
        html += QString("<li style=\"margin-left:%1px\"><b>%2</b> &nbsp;%3<br>%4</li>")
                    .arg(step.depth * 12)
                    .arg(QString::fromStdString(step.rule), QString::fromStdString(step.statement),
                         QString::fromStdString(step.detail));
    html += "</ol>";
    if (!d.listedAll)
        html += tr("<p>The remaining parts follow the same rules and are not listed.</p>");
    QStringList used;
    for (const auto& rule : rulesUsed(d))
        used << QString::fromStdString(rule);
    html += "<p>" + tr("Rules used: %1.").arg(used.join(", ")) + "</p>";
    steps_->setHtml(html);
}

void SlopesExplore::showStudy() {
    const FunctionStudy s = studyFunction(*figure_.f, viewLeft, viewRight);
    derivativeFigure_.criticalXs.clear();
    QString html = "<p>" +
                   tr("On %1 \u2264 x \u2264 %2:").arg(number(viewLeft), number(viewRight)) +
                   "</p><p><b>" + tr("Critical points") + "</b> (f\u2032 = 0): ";
    QStringList points;
    for (const auto& c : s.critical) {
        derivativeFigure_.criticalXs.push_back(c.x);
        const QString kind = c.kind == CriticalPoint::Kind::Maximum   ? tr("local maximum")
                             : c.kind == CriticalPoint::Kind::Minimum ? tr("local minimum")
                                                                      : tr("neither");
        points << QString("x = %1 (f = %2, %3)").arg(number(c.x), number(c.y), kind);
    }
    html += (points.isEmpty() ? tr("none") : points.join("; ")) + "</p>";
    if (s.slope.empty() && s.bending.empty()) {
        study_->setHtml(html + tr("<p>f has no derivative values on this window: it is not "
                                  "defined (or not differentiable) anywhere here.</p>"));
        return;
    }
    html += "<p><b>" + tr("Increasing") + "</b> (f\u2032 &gt; 0): " + stretchesHtml(s.slope, true) +
            "<br><b>" + tr("Decreasing") +
            "</b> (f\u2032 &lt; 0): " + stretchesHtml(s.slope, false) + "</p>";
    html += "<p><b>" + tr("Concave up") +
            "</b> (f\u2033 &gt; 0): " + stretchesHtml(s.bending, true) + "<br><b>" +
            tr("Concave down") + "</b> (f\u2033 &lt; 0): " + stretchesHtml(s.bending, false) +
            "</p>";
    QStringList inflections;
    for (const auto& p : s.inflections)
        inflections << QString("(%1, %2)").arg(number(p.x), number(p.y));
    html += "<p><b>" + tr("Inflection points") +
            "</b>: " + (inflections.isEmpty() ? tr("none") : inflections.join(", ")) + "</p>";
    study_->setHtml(html);
}

void SlopesExplore::movePoint(double a) {
    if (!figure_.f)
        return;
    figure_.a = a;
    derivativeFigure_.a = a;
    const auto y = figure_.f->evaluate({a});
    plot_->setPointPosition("P", QPointF(a, y.value_or(0)));
    const auto tangent = tangentAt(*figure_.f, a);
    figure_.tangentSlope = tangent ? std::optional<double>(tangent->slope) : std::nullopt;
    if (tangent)
        tangentLabel_->setText(tr("<b style=\"color:%1\">Tangent at a = %2:</b> %3 &nbsp;(slope "
                                  "f\u2032(%2) = %4)")
                                   .arg(kit::rightColour().name(), number(a),
                                        QString::fromStdString(tangent->equationHtml),
                                        number(tangent->slope)));
    else
        tangentLabel_->setText(
            tr("At a = %1 f or f\u2032 is not defined: no tangent there.").arg(number(a)));
    quotients_->setRowCount(0);
    const auto table = quotientTable(*figure_.f, a, 8, fromLeft_->isChecked());
    quotients_->setRowCount(static_cast<int>(table.size()));
    for (int k = 0; k < static_cast<int>(table.size()); ++k) {
        const auto& row = table[static_cast<std::size_t>(k)];
        quotients_->setItem(k, 0, new QTableWidgetItem(number(row.h)));
        quotients_->setItem(k, 1,
                            new QTableWidgetItem(row.value ? number(*row.value) : tr("undefined")));
        quotients_->setItem(
            k, 2, new QTableWidgetItem(row.quotient ? number(*row.quotient) : tr("undefined")));
    }
    updateSecant();
}

void SlopesExplore::updateSecant() {
    if (!figure_.f)
        return;
    figure_.h = h();
    figure_.secantSlope = secantSlope(*figure_.f, figure_.a, figure_.h);
    if (figure_.secantSlope)
        secantLabel_->setText(
            tr("<b style=\"color:%1\">Secant PQ</b> with h = %2: slope (f(a + h) \u2212 f(a))/h = "
               "%3")
                .arg(kit::accentColour().name(), number(figure_.h), number(*figure_.secantSlope)));
    else
        secantLabel_->setText(tr("f is not defined at a or at a + h = %1: no secant.")
                                  .arg(number(figure_.a + figure_.h)));
    plot_->update();
    derivativePlot_->update();
}

void SlopesExplore::checkOwnDerivative() {
    if (!figure_.f)
        return;
    const kit::Verdict verdict = checkDerivative(ownField_->text().toStdString(), *figure_.f);
    ownVerdict_->setText(
        QString("<b style=\"color:%1\">%2</b>")
            .arg((verdict.correct ? kit::rightColour() : kit::wrongColour()).name(),
                 QString::fromStdString(verdict.message).toHtmlEscaped()));
}

} // namespace slopes
