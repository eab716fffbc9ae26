#include "decimals/view/roots_tab.h"

#include "decimals/core/root_approximation.h"

#include "kit/view/html_text.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QSpinBox>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace decimals {

using kit::html;
namespace {

// Digits that agree with the root in bold, the rest plain.
QString markedDigits(const std::string& digits, int correct) {
    const std::size_t point = digits.find('.');
    const std::size_t split =
        point == std::string::npos ? digits.size() : point + 1 + static_cast<std::size_t>(correct);
    return "<b>" + html(digits.substr(0, split)) + "</b>" +
           html(digits.substr(std::min(split, digits.size())));
}

QString fractionCell(const mpq_class& value) {
    const std::string text = value.get_str();
    return text.size() > 40 ? QObject::tr("(%1 digits over %2 digits)")
                                  .arg(value.get_num().get_str().size())
                                  .arg(value.get_den().get_str().size())
                            : html(text);
}

} // namespace

RootsTab::RootsTab(QWidget* parent)
    : QWidget(parent), radicand_(new QSpinBox(this)), bisectionSteps_(new QSpinBox(this)),
      newtonSteps_(new QSpinBox(this)), table_(new QTextBrowser(this)) {
    radicand_->setObjectName("radicandBox");
    table_->setObjectName("rootTable");
    radicand_->setRange(2, 99);
    bisectionSteps_->setRange(1, 60);
    bisectionSteps_->setValue(12);
    newtonSteps_->setRange(1, 6);
    newtonSteps_->setValue(5);
    auto* form = new QFormLayout;
    form->addRow(tr("Square root of &n:"), radicand_);
    form->addRow(tr("&Bisection steps:"), bisectionSteps_);
    form->addRow(tr("&Newton steps:"), newtonSteps_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(table_, 1);
    for (QSpinBox* box : {radicand_, bisectionSteps_, newtonSteps_})
        connect(box, &QSpinBox::valueChanged, this, &RootsTab::refresh);
    refresh();
}

void RootsTab::refresh() {
    const mpz_class n = radicand_->value();
    const mpz_class root = sqrt(n);
    QString text;
    if (root * root == n) {
        text = tr("<p>%1 = %2<sup>2</sup> is a perfect square: its root is the integer %2. "
                  "Choose a number that is not a square.</p>")
                   .arg(radicand_->value())
                   .arg(root.get_si());
        table_->setHtml(text);
        return;
    }
    const std::string digits = squareRootDigits(n, shownDecimals);
    text += tr("<p>&radic;%1 = %2...</p>").arg(radicand_->value()).arg(html(digits));
    text += tr("<p>It is irrational: if (p/q)<sup>2</sup> = %1 in lowest terms, every prime "
               "appears an even number of times in p<sup>2</sup> and q<sup>2</sup>, but %1 has a "
               "prime to an odd power. So no fraction is the root; these come closer and "
               "closer.</p>")
                .arg(radicand_->value());

    text += tr("<h3>Bisection from [%1, %2]</h3>").arg(root.get_si()).arg(root.get_si() + 1);
    text += "<table border=1 cellpadding=3><tr><th>step</th><th>interval</th><th>midpoint squared "
            "vs n</th><th>right decimals</th></tr>";
    const auto intervals =
        bisectSquareRoot(n, {mpq_class(root), mpq_class(root + 1)}, bisectionSteps_->value());
    for (std::size_t i = 0; i < intervals.size(); ++i) {
        const Interval& interval = intervals[i];
        const mpq_class middle = (interval.low + interval.high) / 2;
        const int correct = correctDecimals(interval.low, n, shownDecimals);
        text += QString("<tr><td>%1</td><td>[%2, %3]</td><td>%4</td><td>%5</td></tr>")
                    .arg(i)
                    .arg(html(truncatedDecimal(interval.low, 12)),
                         html(truncatedDecimal(interval.high, 12)))
                    .arg(middle * middle < n ? tr("below: keep the right half")
                                             : tr("above: keep the left half"))
                    .arg(correct);
    }
    text += "</table>";

    text += tr("<h3>Newton's method: x &rarr; (x + %1/x)/2</h3>").arg(radicand_->value());
    text += "<table border=1 cellpadding=3><tr><th>step</th><th>x as a fraction</th><th>x as a "
            "decimal (right digits in bold)</th><th>right decimals</th></tr>";
    const auto values = newtonSquareRoot(n, mpq_class(root + 1), newtonSteps_->value());
    for (std::size_t i = 0; i < values.size(); ++i) {
        const int correct = correctDecimals(values[i], n, shownDecimals);
        text += QString("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td></tr>")
                    .arg(i)
                    .arg(fractionCell(values[i]))
                    .arg(markedDigits(truncatedDecimal(values[i], shownDecimals), correct))
                    .arg(correct >= shownDecimals ? tr("%1 or more").arg(shownDecimals)
                                                  : QString::number(correct));
    }
    text += "</table>";
    text += tr("<p>Bisection gains one binary digit a step (about 3 decimals in 10 steps); "
               "Newton's method doubles the right decimals each step.</p>");
    table_->setHtml(text);
}

} // namespace decimals
