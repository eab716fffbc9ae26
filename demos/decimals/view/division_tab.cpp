#include "decimals/view/division_tab.h"

#include "decimals/core/long_division.h"
#include "decimals/core/repeating_decimal.h"

#include "kit/core/number_input.h"
#include "kit/view/course_colours.h"
#include "kit/view/html_text.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <optional>

namespace decimals {

using kit::html;
using kit::stepList;
namespace {

std::optional<mpz_class> readInteger(QLineEdit* field, const QString& name, QString& error) {
    const auto parsed = kit::parseInteger(field->text().toStdString());
    if (!parsed.ok()) {
        error = name + ": " + html(parsed.error().message);
        return std::nullopt;
    }
    return parsed.value();
}

QString errorText(const QString& message) {
    return QString("<span style='color:%1'>%2</span>").arg(kit::wrongColour().name(), message);
}

// The expansion with its repeating block in the accent colour and overlined.
QString expansionHtml(const DecimalExpansion& expansion) {
    QString text = expansion.negative ? "&minus;" : "";
    text += html(expansion.integerPart.get_str());
    if (expansion.preperiod.empty() && expansion.period.empty())
        return text;
    text += "." + html(expansion.preperiod);
    if (!expansion.period.empty())
        text += QString("<span style='color:%1; text-decoration: overline'>%2</span>")
                    .arg(kit::accentColour().name(), html(expansion.period));
    if (!expansion.complete)
        text += "...";
    return text;
}

QString divisionTable(const DecimalExpansion& expansion, const mpz_class& q) {
    // The remainder that returns is where the block starts.
    const std::size_t blockStart = expansion.preperiod.size();
    QString rows = "<table cellpadding=2><tr><th>step</th><th>10 &times; remainder</th><th>=</th>"
                   "<th>digit &times; q</th><th>+ new remainder</th></tr>";
    const std::size_t shown = std::min(expansion.steps.size(), DivisionTab::listedLines);
    for (std::size_t i = 0; i < shown; ++i) {
        const DivisionStep& step = expansion.steps[i];
        const bool marked = !expansion.period.empty() && i == blockStart;
        rows += QString("<tr%1><td>%2</td><td align=right>%3</td><td>=</td><td>%4 &times; %5</td>"
                        "<td>+ %6</td></tr>")
                    .arg(marked ? QString(" bgcolor='%1'").arg(kit::bubbleColour().name()) : "")
                    .arg(i + 1)
                    .arg(html(mpz_class(step.remainder * 10).get_str()))
                    .arg(step.digit)
                    .arg(html(q.get_str()), html(step.nextRemainder.get_str()));
    }
    rows += "</table>";
    if (expansion.steps.size() > shown)
        rows += QObject::tr("<p>... and %1 more digits.</p>").arg(expansion.steps.size() - shown);
    return rows;
}

} // namespace

DivisionTab::DivisionTab(QWidget* parent)
    : QWidget(parent), numerator_(new QLineEdit("1", this)), denominator_(new QLineEdit("7", this)),
      result_(new QLabel(this)), steps_(new QTextBrowser(this)),
      decimal_(new QLineEdit("0.1(6)", this)), backSteps_(new QTextBrowser(this)) {
    numerator_->setObjectName("divisionNumerator");
    denominator_->setObjectName("divisionDenominator");
    result_->setObjectName("divisionResult");
    steps_->setObjectName("divisionSteps");
    decimal_->setObjectName("repeatingInput");
    backSteps_->setObjectName("repeatingSteps");
    QFont big = result_->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    result_->setFont(big);
    result_->setTextFormat(Qt::RichText);
    result_->setWordWrap(true);

    auto* forward = new QGroupBox(tr("Fraction to decimal: long division"), this);
    auto* forwardLayout = new QVBoxLayout(forward);
    auto* row = new QHBoxLayout;
    auto* pLabel = new QLabel(tr("&p:"), forward);
    pLabel->setBuddy(numerator_);
    auto* qLabel = new QLabel(tr("&q:"), forward);
    qLabel->setBuddy(denominator_);
    row->addWidget(pLabel);
    row->addWidget(numerator_);
    row->addWidget(qLabel);
    row->addWidget(denominator_);
    forwardLayout->addLayout(row);
    forwardLayout->addWidget(result_);
    forwardLayout->addWidget(steps_, 1);

    auto* back = new QGroupBox(tr("Repeating decimal to fraction"), this);
    auto* backLayout = new QVBoxLayout(back);
    auto* backRow = new QFormLayout;
    backRow->addRow(tr("&Decimal (block in brackets):"), decimal_);
    backLayout->addLayout(backRow);
    backLayout->addWidget(backSteps_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(forward, 3);
    layout->addWidget(back, 2);

    connect(numerator_, &QLineEdit::textChanged, this, &DivisionTab::divide);
    connect(denominator_, &QLineEdit::textChanged, this, &DivisionTab::divide);
    connect(decimal_, &QLineEdit::textChanged, this, &DivisionTab::convertBack);
    divide();
    convertBack();
}

void DivisionTab::divide() {
    QString error;
    const auto p = readInteger(numerator_, tr("p"), error);
    const auto q = p ? readInteger(denominator_, tr("q"), error) : std::nullopt;
    if (q && *q == 0)
        error = tr("q: division by zero is not defined");
    if (!error.isEmpty()) {
        result_->setText(errorText(error));
        steps_->clear();
        return;
    }
    kit::WorkBudget budget(digitBudget);
    const DecimalExpansion expansion = longDivision(*p, *q, budget);
    QString text = html(p->get_str()) + "/" + html(q->get_str()) + " = " + expansionHtml(expansion);
    if (!expansion.complete)
        text += "<br>" + errorText(tr("The block is longer than %1 digits: too large for this "
                                      "demonstration.")
                                       .arg(digitBudget));
    else if (expansion.period.empty())
        text += tr("<br><small>The remainder reached 0: the decimal ends.</small>");
    else
        text += tr("<br><small>The remainder %1 came back: the block of %2 digits repeats for "
                   "ever.</small>")
                    .arg(html(expansion.steps.back().nextRemainder.get_str()))
                    .arg(expansion.period.size());
    result_->setText(text);
    steps_->setHtml(divisionTable(expansion, abs(*q)));
}

void DivisionTab::convertBack() {
    const auto parsed = parseRepeatingDecimal(decimal_->text().toStdString());
    if (!parsed.ok()) {
        backSteps_->setHtml(errorText(html(parsed.error().message)));
        return;
    }
    backSteps_->setHtml(stepList(toFractionSteps(parsed.value())));
}

} // namespace decimals
