#include "collections/view/venn_tab.h"

#include "collections/core/set_family.h"
#include "collections/view/venn_diagram.h"

#include "kit/core/input_limits.h"
#include "kit/view/course_colours.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace collections {
namespace {

QString html(const std::string& text) {
    return QString::fromStdString(text).toHtmlEscaped();
}

QLineEdit* field(QWidget* parent, const char* name, const QString& text) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    edit->setMaxLength(static_cast<int>(kit::maxInputLength));
    return edit;
}

QString problemHtml(const QString& what) {
    return QString("<span style='color:%1'>%2</span>").arg(kit::wrongColour().name(), what);
}

} // namespace

VennTab::VennTab(QWidget* parent) : QWidget(parent) {
    setCount_ = new QSpinBox(this);
    setCount_->setObjectName("setCount");
    setCount_->setRange(2, largestSetCount);
    setCount_->setValue(3);
    universe_ = field(this, "universeField", "{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}");
    sets_[0] = field(this, "setAField", "{1, 2, 3, 4, 5}");
    sets_[1] = field(this, "setBField", "{4, 5, 6, 7}");
    sets_[2] = field(this, "setCField", "{2, 5, 7, 8, 9}");
    expression_ = field(this, "expressionField", "(A u B) n C'");

    auto* form = new QFormLayout;
    form->addRow(tr("&Number of sets:"), setCount_);
    form->addRow(tr("&Universe U ="), universe_);
    form->addRow(tr("&A ="), sets_[0]);
    form->addRow(tr("&B ="), sets_[1]);
    form->addRow(tr("&C ="), sets_[2]);
    form->addRow(tr("&Expression:"), expression_);
    auto* spelling = new QLabel(
        tr("Type \u222a as u, \u2229 as n, the complement \u2032 as ', \\ (or -) for the "
           "difference, U for the universe, {} for \u2205."),
        this);
    spelling->setWordWrap(true);
    form->addRow(spelling);

    diagram_ = new VennDiagram(this);
    result_ = new QLabel(this);
    result_->setObjectName("vennResult");
    result_->setTextFormat(Qt::RichText);
    result_->setWordWrap(true);
    QFont big = result_->font();
    big.setPointSizeF(big.pointSizeF() * 1.25);
    result_->setFont(big);
    details_ = new QTextBrowser(this);
    details_->setObjectName("vennDetails");

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(diagram_, 3);
    layout->addWidget(result_);
    layout->addWidget(details_, 2);

    for (QLineEdit* edit : {universe_, sets_[0], sets_[1], sets_[2], expression_})
        connect(edit, &QLineEdit::textChanged, this, [this] { recompute(); });
    connect(setCount_, &QSpinBox::valueChanged, this, [this] { recompute(); });
    recompute();
}

void VennTab::setSets(const QString& universe, const QString& a, const QString& b,
                      const QString& c) {
    universe_->setText(universe);
    sets_[0]->setText(a);
    sets_[1]->setText(b);
    sets_[2]->setText(c);
}

void VennTab::setExpression(const QString& expression) {
    expression_->setText(expression);
}

void VennTab::setSetCount(int count) {
    setCount_->setValue(count);
}

QString VennTab::resultText() const {
    return result_->text();
}

QString VennTab::detailsText() const {
    return details_->toPlainText();
}

bool VennTab::readSets(QString& problem) {
    const int count = setCount_->value();
    const auto universe = parseRoster(universe_->text().toStdString());
    if (!universe.ok()) {
        problem = "U: " + QString::fromStdString(universe.error().message);
        return false;
    }
    family_.universe = universe.value();
    family_.sets.clear();
    for (int set = 0; set < count; ++set) {
        const auto parsed = parseRoster(sets_[set]->text().toStdString());
        if (!parsed.ok()) {
            problem = QString::fromStdString(setName(set) + ": " + parsed.error().message);
            return false;
        }
        family_.sets.push_back(parsed.value());
    }
    const Elements outside = outsideUniverse(family_);
    if (!outside.empty()) {
        problem = QString::fromStdString(
            rosterText(outside) +
            (outside.size() == 1 ? " is in a set but not in U" : " are in a set but not in U") +
            ": every set of the diagram is a subset of the universe.");
        return false;
    }
    return true;
}

void VennTab::recompute() {
    const int count = setCount_->value();
    sets_[2]->setEnabled(count == 3);
    diagram_->setSetCount(count);
    QString problem;
    if (!readSets(problem)) {
        result_->setText(problemHtml(problem.toHtmlEscaped()));
        diagram_->setElements({});
        diagram_->setShaded(0);
        details_->clear();
        return;
    }
    std::vector<VennDiagram::Element> elements;
    for (long e : family_.universe)
        elements.push_back({QString::number(e), regionOf(family_, e)});
    diagram_->setElements(std::move(elements));

    QString text;
    for (int set = 0; set < count; ++set)
        text += QString("|%1| = %2, ")
                    .arg(QString::fromStdString(setName(set)))
                    .arg(family_.sets[static_cast<std::size_t>(set)].size());
    text += QString("|U| = %1.").arg(family_.universe.size());
    text = "<p><b>Cardinalities</b>: " + text.toHtmlEscaped() +
           "<br>Inclusion\u2013exclusion: " + html(inclusionExclusionText(family_)) + "</p>";

    const auto parsed = parseSetExpression(expression_->text().toStdString(), count);
    if (!parsed.ok()) {
        diagram_->setShaded(0);
        result_->setText(problemHtml(html(parsed.error().message)));
    } else {
        const SetExpression& expression = parsed.value();
        diagram_->setShaded(expression.regions);
        const Elements inside = elementsIn(family_, expression.regions);
        result_->setText(html(expression.text + " = " + rosterText(inside)) +
                         QString(" &nbsp; (%1 element%2)")
                             .arg(inside.size())
                             .arg(inside.size() == 1 ? "" : "s"));
        QString steps = "<p><b>Step by step</b>:";
        for (const ExpressionStep& step : expression.steps)
            steps +=
                "<br>" + html(step.text + " = " + rosterText(elementsIn(family_, step.regions)));
        if (expression.steps.empty())
            steps += "<br>" + html(expression.text + " is one set: nothing to work out.");
        text = steps + "</p>" + text;
    }
    details_->setHtml(text + deMorganHtml());
}

QString VennTab::deMorganHtml() const {
    const int count = static_cast<int>(family_.sets.size());
    QString text = "<p><b>De Morgan's laws</b> on these sets:<br>";
    const char* laws[2][2] = {{"(A u B)'", "A' n B'"}, {"(A n B)'", "A' u B'"}};
    for (const auto& law : laws) {
        const auto left = parseSetExpression(law[0], count).value();
        const auto right = parseSetExpression(law[1], count).value();
        const Elements l = elementsIn(family_, left.regions);
        const Elements r = elementsIn(family_, right.regions);
        text +=
            html(left.text + " = " + rosterText(l) + " and " + right.text + " = " + rosterText(r)) +
            (l == r ? " : equal, as the law says.<br>" : " : NOT equal.<br>");
    }
    return text + "Type either side as the expression: the same regions are shaded.</p>";
}

} // namespace collections
