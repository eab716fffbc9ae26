#include "continuity/view/continuity_explore.h"

#include "continuity/core/epsilon_delta.h"
#include "continuity/core/limit_point.h"

#include "graphs/core/function_algebra.h"
#include "graphs/core/function_curve.h"

#include "kit/view/canvas.h"
#include "kit/view/course_colours.h"
#include "kit/view/input_error_label.h"

#include <QComboBox>
#include <QDoubleSpinBox>
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

namespace continuity {

namespace {

struct Example {
    const char* title;
    const char* function;
    const char* point;
};

const Example examples[] = {
    {"sin(x)/x at 0", "sin(x)/x", "0"},
    {"removable: (x^2 - 1)/(x - 1) at 1", "(x^2 - 1)/(x - 1)", "1"},
    {"jump: abs(x - 2)/(x - 2) + x at 2", "abs(x - 2)/(x - 2) + x", "2"},
    {"infinite: 1/(x - 1)^2 at 1", "1/(x - 1)^2", "1"},
    {"infinite, opposite signs: 1/x at 0", "1/x", "0"},
    {"oscillating: sin(1/x) at 0", "sin(1/x)", "0"},
    {"continuous: x^2 - 3 at 2", "x^2 - 3", "2"},
    {"(1 - cos(x))/x^2 at 0", "(1 - cos(x))/x^2", "0"},
    {"edge of the domain: sqrt(x) at 0", "sqrt(x)", "0"},
};

QString number(double v) {
    if (std::abs(v) < 1e-300)
        v = 0;
    return QString::number(v, 'g', 10).replace("-", "\u2212");
}

QString text(const std::string& s) {
    return QString::fromStdString(s).toHtmlEscaped();
}

std::optional<double> finiteValue(const Limit& limit) {
    if (limit.kind == Limit::Kind::Finite)
        return limit.value;
    return std::nullopt;
}

QString reportHtml(const QString& title, const QString& variable, const LimitReport& report) {
    QString html = "<p><b>" + title + " = " + text(limitText(report.best())) + "</b><br>";
    if (report.exact.found) {
        html += QObject::tr("exact, from the series in %1: %2<br>")
                    .arg(variable, text(report.exact.expansion));
        html += QObject::tr("numeric, from the table: %1 &mdash; %2")
                    .arg(text(limitText(report.numeric)),
                         report.agree ? QObject::tr("the two agree")
                                      : QObject::tr("<b>the two differ</b>: the table is not yet "
                                                    "close enough, or rounding spoils it"));
    } else {
        html += QObject::tr("no exact value (%1); numeric, from the table: %2")
                    .arg(text(report.exact.note), text(limitText(report.numeric)));
    }
    return html + "</p>";
}

QTableWidget* makeTable(const QString& name, const QString& heading, QWidget* parent) {
    auto* table = new QTableWidget(0, 2, parent);
    table->setObjectName(name);
    table->setHorizontalHeaderLabels({heading, "f(x)"});
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return table;
}

void fill(QTableWidget* table, const std::vector<TableRow>& rows) {
    table->setRowCount(static_cast<int>(rows.size()));
    for (int k = 0; k < static_cast<int>(rows.size()); ++k) {
        const auto& row = rows[static_cast<std::size_t>(k)];
        table->setItem(k, 0, new QTableWidgetItem(number(row.x)));
        QString value = QObject::tr("undefined");
        if (row.y)
            value = std::isinf(*row.y) ? (*row.y > 0 ? "> 10³⁰⁰" : "< −10³⁰⁰") : number(*row.y);
        table->setItem(k, 1, new QTableWidgetItem(value));
    }
}

} // namespace

ContinuityExplore::ContinuityExplore(QWidget* parent)
    : QWidget(parent), examples_(new QComboBox(this)), functionField_(new QLineEdit(this)),
      pointField_(new QLineEdit(this)), error_(new QLabel(this)), canvas_(new kit::Canvas(this)),
      leftTable_(makeTable("leftTable", tr("x \u2192 a\u207b"), this)),
      rightTable_(makeTable("rightTable", tr("x \u2192 a\u207a"), this)),
      facts_(new QTextBrowser(this)), epsilonBox_(new QDoubleSpinBox(this)),
      deltaSlider_(new QSlider(Qt::Horizontal, this)), deltaLabel_(new QLabel(this)),
      gameVerdict_(new QLabel(this)) {
    canvas_->setObjectName("limitPlot");
    canvas_->setEqualAspect(false);
    canvas_->setPainterCallback([this](QPainter& painter, const kit::CanvasTransform& t) {
        drawLimitFigure(painter, t, figure_);
    });
    facts_->setObjectName("limitFacts");
    auto* tables = new QWidget(this);
    auto* tableRow = new QHBoxLayout(tables);
    tableRow->setContentsMargins(0, 0, 0, 0);
    tableRow->addWidget(leftTable_);
    tableRow->addWidget(rightTable_);
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName("continuityTabs");
    tabs->addTab(facts_, tr("Limits"));
    tabs->addTab(tables, tr("Tables"));
    tabs->addTab(makeGame(), tr("\u03b5\u2013\u03b4 game"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeInputs());
    layout->addWidget(canvas_, 3);
    layout->addWidget(tabs, 2);
    chooseExample(0);
}

QWidget* ContinuityExplore::makeInputs() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    examples_->setObjectName("exampleChooser");
    for (const auto& example : examples)
        examples_->addItem(example.title);
    functionField_->setObjectName("functionField");
    pointField_->setObjectName("pointField");
    pointField_->setMaximumWidth(90);
    error_->setObjectName("inputError");
    kit::setUpInputError(*error_);
    auto* fLabel = new QLabel(tr("&f(x) ="), box);
    fLabel->setBuddy(functionField_);
    auto* aLabel = new QLabel(tr("&a ="), box);
    aLabel->setBuddy(pointField_);
    grid->addWidget(new QLabel(tr("Example:"), box), 0, 0);
    grid->addWidget(examples_, 0, 1, 1, 3);
    grid->addWidget(fLabel, 1, 0);
    grid->addWidget(functionField_, 1, 1);
    grid->addWidget(aLabel, 1, 2);
    grid->addWidget(pointField_, 1, 3);
    grid->addWidget(error_, 2, 0, 1, 4);
    connect(examples_, &QComboBox::activated, this, &ContinuityExplore::chooseExample);
    connect(functionField_, &QLineEdit::textEdited, this, &ContinuityExplore::refresh);
    connect(pointField_, &QLineEdit::textEdited, this, &ContinuityExplore::refresh);
    return box;
}

QWidget* ContinuityExplore::makeGame() {
    auto* game = new QWidget(this);
    auto* grid = new QGridLayout(game);
    epsilonBox_->setObjectName("epsilonBox");
    epsilonBox_->setRange(0.01, 5);
    epsilonBox_->setSingleStep(0.05);
    epsilonBox_->setDecimals(3);
    epsilonBox_->setValue(0.5);
    deltaSlider_->setObjectName("deltaSlider");
    deltaSlider_->setRange(0, 300); // δ = 10^(−3 + slider/100): 0.001 to 1
    deltaSlider_->setValue(250);
    deltaLabel_->setObjectName("deltaLabel");
    gameVerdict_->setObjectName("deltaVerdict");
    gameVerdict_->setWordWrap(true);
    auto* hint = new QPushButton(tr("Find a &\u03b4 that works"), game);
    hint->setObjectName("findDeltaButton");
    auto* rules = new QLabel(tr("The claim: every x with 0 < |x \u2212 a| < \u03b4 has "
                                "|f(x) \u2212 L| < \u03b5. The green band is L \u00b1 \u03b5, the "
                                "orange strip a \u00b1 \u03b4. Choose \u03b4 for the given "
                                "\u03b5; a red cross marks an x that breaks the claim."),
                             game);
    rules->setWordWrap(true);
    grid->addWidget(rules, 0, 0, 1, 3);
    grid->addWidget(new QLabel(tr("\u03b5 ="), game), 1, 0);
    grid->addWidget(epsilonBox_, 1, 1);
    grid->addWidget(new QLabel(tr("\u03b4:"), game), 2, 0);
    grid->addWidget(deltaSlider_, 2, 1);
    grid->addWidget(deltaLabel_, 2, 2);
    grid->addWidget(hint, 3, 1);
    grid->addWidget(gameVerdict_, 4, 0, 1, 3);
    grid->setRowStretch(5, 1);
    connect(epsilonBox_, &QDoubleSpinBox::valueChanged, this, &ContinuityExplore::playDelta);
    connect(deltaSlider_, &QSlider::valueChanged, this, &ContinuityExplore::playDelta);
    connect(hint, &QPushButton::clicked, this, &ContinuityExplore::findDelta);
    return game;
}

void ContinuityExplore::chooseExample(int index) {
    const auto& example = examples[std::clamp(index, 0, static_cast<int>(std::size(examples)) - 1)];
    functionField_->setText(example.function);
    pointField_->setText(example.point);
    refresh();
}

void ContinuityExplore::showError(const QString& message) {
    error_->setText(message.toHtmlEscaped());
    error_->show();
    figure_.f.reset();
    study_.reset();
    facts_->clear();
    leftTable_->setRowCount(0);
    rightTable_->setRowCount(0);
    playDelta();
}

void ContinuityExplore::refresh() {
    const auto f = graphs::parseFunction(functionField_->text().trimmed().toStdString());
    if (!f.ok())
        return showError(tr("f(x): %1").arg(QString::fromStdString(f.error().message)));
    const auto a = parsePoint(pointField_->text().trimmed().toStdString());
    if (!a.ok())
        return showError(tr("a: %1").arg(QString::fromStdString(a.error().message)));
    const double centre = pointValue(a.value());
    if (graphs::sampleCurve(f.value(), centre - 4, centre + 4, 400, 10).empty())
        return showError(
            tr("f(x) = %1 is not defined anywhere on %2 ≤ x ≤ %3: there "
               "are no values to approach a with.")
                .arg(functionField_->text().trimmed(), number(centre - 4), number(centre + 4)));
    error_->hide();
    point_ = a.value();
    study_ = studyPoint(f.value(), a.value());
    figure_.f = f.value();
    figure_.a = pointValue(a.value());
    figure_.leftLimit = finiteValue(study_->left.best());
    figure_.rightLimit = finiteValue(study_->right.best());
    figure_.value = study_->value;
    const double height = figure_.leftLimit.value_or(figure_.value.value_or(0));
    canvas_->setWorldRect(QRectF(figure_.a - 4, height - 4, 8, 8));
    fillTables(f.value(), a.value());
    showFacts(f.value());
    playDelta();
}

void ContinuityExplore::fillTables(const kit::Expression& f, const kit::Expression& a) {
    fill(leftTable_, approachTable(f, a, Side::Left, 8));
    fill(rightTable_, approachTable(f, a, Side::Right, 8));
}

void ContinuityExplore::showFacts(const kit::Expression& f) {
    QString html = "<p><b>" +
                   tr("At a = %1: %2").arg(number(figure_.a), text(pointKindName(study_->kind))) +
                   "</b><br>" + text(study_->explanation) + "</p>";
    html +=
        "<p>" +
        (study_->value ? tr("f(a) = %1").arg(number(*study_->value)) : tr("f(a) is not defined")) +
        "</p>";
    html +=
        reportHtml(tr("lim<sub>x\u2192a\u207b</sub> f(x)"), tr("t = a \u2212 x > 0"), study_->left);
    html += reportHtml(tr("lim<sub>x\u2192a\u207a</sub> f(x)"), tr("t = x \u2212 a > 0"),
                       study_->right);
    html += reportHtml(tr("lim<sub>x\u2192+\u221e</sub> f(x)"), tr("t = 1/x > 0"),
                       studyLimitAtInfinity(f, Infinity::Plus));
    html += reportHtml(tr("lim<sub>x\u2192\u2212\u221e</sub> f(x)"), tr("t = \u22121/x > 0"),
                       studyLimitAtInfinity(f, Infinity::Minus));
    facts_->setHtml(html);
}

double ContinuityExplore::delta() const {
    return std::pow(10.0, -3.0 + deltaSlider_->value() / 100.0);
}

void ContinuityExplore::playDelta() {
    deltaLabel_->setText(tr("\u03b4 = %1").arg(QString::number(delta(), 'g', 4)));
    figure_.showBands = false;
    figure_.counterexample.reset();
    const bool twoSided = study_ && figure_.leftLimit && figure_.rightLimit &&
                          sameLimit(study_->left.best(), study_->right.best(), 1e-6);
    if (!twoSided) {
        gameVerdict_->setText(tr("The game needs a finite limit L at a, the same from both "
                                 "sides; this function has none here."));
        canvas_->update();
        return;
    }
    figure_.showBands = true;
    figure_.limit = *figure_.leftLimit;
    figure_.epsilon = epsilonBox_->value();
    figure_.delta = delta();
    const DeltaVerdict verdict =
        checkDelta(*figure_.f, figure_.a, figure_.limit, figure_.epsilon, figure_.delta);
    figure_.counterexample = verdict.counterexample;
    figure_.counterValue = verdict.valueThere;
    if (verdict.holds)
        gameVerdict_->setText(tr("<b style=\"color:%1\">\u03b4 = %2 works</b> for \u03b5 = %3: "
                                 "every tested x in the strip stays inside the band around "
                                 "L = %4.")
                                  .arg(kit::rightColour().name(),
                                       QString::number(figure_.delta, 'g', 4),
                                       number(figure_.epsilon), number(figure_.limit)));
    else
        gameVerdict_->setText(
            tr("<b style=\"color:%1\">\u03b4 = %2 is too large</b>: at x = %3 the value %4 is "
               "not within %5 of L = %6. Make \u03b4 smaller.")
                .arg(kit::wrongColour().name(), QString::number(figure_.delta, 'g', 4),
                     number(*verdict.counterexample),
                     verdict.valueThere ? number(*verdict.valueThere) : tr("(undefined)"),
                     number(figure_.epsilon), number(figure_.limit)));
    canvas_->update();
}

void ContinuityExplore::findDelta() {
    if (!figure_.showBands)
        return;
    const auto found = workingDelta(*figure_.f, figure_.a, figure_.limit, figure_.epsilon);
    if (!found) {
        gameVerdict_->setText(tr("No \u03b4 down to 2\u207b\u2074\u2070 passes the test."));
        return;
    }
    const int position = static_cast<int>(std::floor((std::log10(*found) + 3) * 100));
    deltaSlider_->setValue(std::clamp(position, 0, 300));
}

} // namespace continuity
