#include "arrows/view/space_tab.h"

#include "arrows/core/vector_measures.h"
#include "arrows/view/space_view.h"

#include "kit/view/course_colours.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace arrows {
namespace {

const QColor aColour(170, 30, 30);
const QColor bColour(34, 85, 136);
const QColor crossColour(20, 110, 40);

// Components typed in the 3-D view stay within this size, so the picture and the roots stay
// readable.
const mpq_class largestComponent = 1000;

std::optional<ExactVector> readVector(const QLineEdit* field, QString& error, const QString& name) {
    const auto parsed = parseVector(field->text().toStdString(), 3);
    if (!parsed.ok()) {
        error = name + ": " + QString::fromStdString(parsed.error().message);
        return std::nullopt;
    }
    for (const mpq_class& c : parsed.value())
        if (abs(c) > largestComponent) {
            error = name + ": keep each component between -1000 and 1000";
            return std::nullopt;
        }
    return parsed.value();
}

std::array<double, 3> approximate(const ExactVector& v) {
    return {v[0].get_d(), v[1].get_d(), v[2].get_d()};
}

QString text(const std::string& s) {
    return QString::fromStdString(s).toHtmlEscaped();
}

QString row(const QString& name, const QString& value) {
    return "<tr><td><b>" + name + "</b></td><td>&nbsp;=&nbsp;</td><td>" + value + "</td></tr>";
}

} // namespace

SpaceTab::SpaceTab(QWidget* parent)
    : QWidget(parent), aField_(new QLineEdit("(2, 0, 1)", this)),
      bField_(new QLineEdit("(1, 3, 0)", this)), error_(new QLabel(this)),
      view_(new SpaceView(this)), values_(new QTextBrowser(this)) {
    aField_->setObjectName("spaceA");
    bField_->setObjectName("spaceB");
    error_->setObjectName("spaceError");
    view_->setObjectName("spaceView");
    values_->setObjectName("spaceValues");
    error_->setStyleSheet(QString("color: %1").arg(kit::wrongColour().name()));
    auto* fields = new QHBoxLayout;
    auto* aLabel = new QLabel(tr("<b>&a</b> ="), this);
    aLabel->setBuddy(aField_);
    auto* bLabel = new QLabel(tr("<b>&b</b> ="), this);
    bLabel->setBuddy(bField_);
    fields->addWidget(aLabel);
    fields->addWidget(aField_);
    fields->addWidget(bLabel);
    fields->addWidget(bField_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(error_);
    layout->addWidget(view_, 3);
    layout->addWidget(values_, 2);
    connect(aField_, &QLineEdit::textChanged, this, &SpaceTab::refresh);
    connect(bField_, &QLineEdit::textChanged, this, &SpaceTab::refresh);
    refresh();
}

std::optional<ExactVector> SpaceTab::a() const {
    QString ignored;
    return readVector(aField_, ignored, "a");
}

std::optional<ExactVector> SpaceTab::b() const {
    QString ignored;
    return readVector(bField_, ignored, "b");
}

void SpaceTab::refresh() {
    QString error;
    const auto a = readVector(aField_, error, "a");
    const auto b = a ? readVector(bField_, error, "b") : std::nullopt;
    error_->setText(error);
    if (!a || !b) {
        values_->clear();
        return;
    }
    const ExactVector c = cross(*a, *b);
    view_->setArrows({{approximate(*a), aColour, "a"},
                      {approximate(*b), bColour, "b"},
                      {approximate(c), crossColour, "a \u00d7 b"}});
    view_->setParallelogram(approximate(*a), approximate(*b), true);
    values_->setHtml(valuesHtml(*a, *b));
}

QString SpaceTab::valuesHtml(const ExactVector& a, const ExactVector& b) const {
    const ExactVector c = cross(a, b);
    QString html = "<table>";
    html += row("|a|", text(lengthText(a)));
    html += row("|b|", text(lengthText(b)));
    html += row("a + b", text(vectorText(add(a, b))));
    html += row("a \u00b7 b", text(dotWorking(a, b) + " = " + dot(a, b).get_str()));
    html += row("angle", text(angleText(a, b)));
    html += row("a \u00d7 b", "<span style='color:" + crossColour.name() + "'>" +
                                  text(vectorText(c)) + "</span>");
    html += row("b \u00d7 a", text(vectorText(cross(b, a))) + tr(" (the opposite direction)"));
    html +=
        row("|a \u00d7 b|", text(lengthText(c)) + tr(" = the area of the shaded parallelogram"));
    html += row("check", tr("a \u00b7 (a \u00d7 b) = %1 and b \u00b7 (a \u00d7 b) = %2: "
                            "a \u00d7 b is perpendicular to both")
                             .arg(text(dot(a, c).get_str()), text(dot(b, c).get_str())));
    return html + "</table>";
}

} // namespace arrows
