#include "signednumbers2/view/absolute_value_explorer.h"

#include "signednumbers2/core/absolute_value_relation.h"

#include "signednumbers/view/integer_line.h"

#include "kit/view/canvas.h"
#include "kit/view/course_colours.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QSpinBox>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace signednumbers2 {
namespace {

using signednumbers::html;

QSpinBox* numberBox(QWidget* parent, const char* name, int lo, int hi, int value) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(lo, hi);
    box->setValue(value);
    return box;
}

void paintEnd(QPainter& painter, QPointF at, bool included, const QColor& colour) {
    painter.setPen(QPen(colour, 2.5));
    painter.setBrush(included ? colour : QColor(Qt::white));
    painter.drawEllipse(at, 6, 6);
}

void paintSolution(QPainter& painter, const kit::CanvasTransform& t, const SolutionSet& set) {
    signednumbers::paintIntegerLine(painter, t);
    const QColor colour = kit::rightColour();
    const double y = 0.8;
    const auto at = [&](double x) { return t.toPixels(QPointF(x, y)); };
    const double left = t.world().left();
    const double right = t.world().right();
    painter.setPen(QPen(colour, 5));
    switch (set.shape) {
    case SolutionSet::Shape::Empty:
        break;
    case SolutionSet::Shape::Everything:
        painter.drawLine(at(left), at(right));
        break;
    case SolutionSet::Shape::Points:
        for (const auto& p : set.points)
            paintEnd(painter, at(p.get_d()), true, colour);
        break;
    case SolutionSet::Shape::Between:
        painter.drawLine(at(set.low.get_d()), at(set.high.get_d()));
        paintEnd(painter, at(set.low.get_d()), set.endsIncluded, colour);
        paintEnd(painter, at(set.high.get_d()), set.endsIncluded, colour);
        break;
    case SolutionSet::Shape::Outside:
        painter.drawLine(at(left), at(set.low.get_d()));
        painter.setPen(QPen(colour, 5));
        painter.drawLine(at(set.high.get_d()), at(right));
        paintEnd(painter, at(set.low.get_d()), set.endsIncluded, colour);
        paintEnd(painter, at(set.high.get_d()), set.endsIncluded, colour);
        break;
    }
}

} // namespace

AbsoluteValueExplorer::AbsoluteValueExplorer(QWidget* parent) : QWidget(parent) {
    a_ = numberBox(this, "coefficientA", -9, 9, 2);
    b_ = numberBox(this, "constantB", -20, 20, -3);
    c_ = numberBox(this, "boundC", -20, 20, 7);
    relation_ = new QComboBox(this);
    relation_->setObjectName("relation");
    relation_->addItems({"=", "<", "\u2264", ">", "\u2265"});
    auto* controls = new QHBoxLayout;
    const std::pair<const char*, QWidget*> fields[] = {
        {"|", a_}, {"x +", b_}, {"|", relation_}, {"", c_}};
    for (const auto& [text, widget] : fields) {
        if (*text) {
            auto* label = new QLabel(text, this);
            label->setBuddy(widget);
            controls->addWidget(label);
        }
        controls->addWidget(widget);
    }
    controls->addStretch();
    line_ = new kit::Canvas(this);
    line_->setObjectName("solutionLine");
    signednumbers::configureIntegerLine(*line_, -15, 15);
    solution_ = new QLabel(this);
    solution_->setObjectName("solutionSet");
    solution_->setTextFormat(Qt::RichText);
    steps_ = new QTextBrowser(this);
    steps_->setObjectName("absoluteSteps");
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(line_, 2);
    layout->addWidget(solution_);
    layout->addWidget(steps_, 2);
    for (QSpinBox* box : {a_, b_, c_})
        connect(box, &QSpinBox::valueChanged, this, [this] { recompute(); });
    connect(relation_, &QComboBox::currentIndexChanged, this, [this] { recompute(); });
    recompute();
}

void AbsoluteValueExplorer::setProblem(long a, long b, long c, int relation) {
    a_->setValue(static_cast<int>(a));
    b_->setValue(static_cast<int>(b));
    c_->setValue(static_cast<int>(c));
    relation_->setCurrentIndex(relation);
}

QString AbsoluteValueExplorer::solutionText() const {
    return solution_->text();
}

void AbsoluteValueExplorer::recompute() {
    AbsoluteValueProblem problem;
    problem.a = a_->value();
    problem.b = b_->value();
    problem.c = c_->value();
    problem.relation = static_cast<Relation>(relation_->currentIndex());
    if (problem.a == 0) {
        solution_->setText(
            QString("<span style='color:%1'>%2</span>")
                .arg(kit::wrongColour().name(),
                     tr("With a = 0 there is no x in |a x + b|: choose a \u2260 0.")));
        steps_->clear();
        line_->setPainterCallback(signednumbers::paintIntegerLine);
        line_->update();
        return;
    }
    const SolutionSet set = solve(problem);
    line_->setPainterCallback([set](QPainter& painter, const kit::CanvasTransform& t) {
        paintSolution(painter, t, set);
    });
    line_->update();
    solution_->setText("<b>" + html(problemHtml(problem)) + "</b>: &nbsp; " +
                       html(solutionHtml(set)));
    QString text = "<ol>";
    for (const auto& step : solutionSteps(problem))
        text += "<li>" + html(step) + "</li>";
    steps_->setHtml(text + "</ol>");
}

} // namespace signednumbers2
