#include "decimals/view/rounding_tab.h"

#include "decimals/core/rounding.h"

#include "kit/core/number_input.h"
#include "kit/view/course_colours.h"
#include "kit/view/html_text.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QSpinBox>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace decimals {

using kit::html;

RoundingTab::RoundingTab(QWidget* parent)
    : QWidget(parent), number_(new QLineEdit("0.000345678", this)), places_(new QSpinBox(this)),
      figures_(new QSpinBox(this)), result_(new QTextBrowser(this)) {
    number_->setObjectName("roundingNumber");
    result_->setObjectName("roundingResult");
    number_->setMaxLength(80);
    places_->setRange(0, 12);
    places_->setValue(4);
    figures_->setRange(1, 12);
    figures_->setValue(3);
    auto* form = new QFormLayout;
    form->addRow(tr("&Number (decimal or fraction):"), number_);
    form->addRow(tr("Decimal &places:"), places_);
    form->addRow(tr("&Significant figures:"), figures_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(result_, 1);
    connect(number_, &QLineEdit::textChanged, this, &RoundingTab::refresh);
    connect(places_, &QSpinBox::valueChanged, this, &RoundingTab::refresh);
    connect(figures_, &QSpinBox::valueChanged, this, &RoundingTab::refresh);
    refresh();
}

void RoundingTab::refresh() {
    const auto parsed = kit::parseRational(number_->text().toStdString());
    if (!parsed.ok()) {
        result_->setHtml(QString("<span style='color:%1'>%2</span>")
                             .arg(kit::wrongColour().name(), html(parsed.error().message)));
        return;
    }
    const mpq_class& x = parsed.value();
    const int places = places_->value();
    const int figures = figures_->value();
    QString text = tr("<p><b>Rounded to %1 decimal places:</b> %2</p>")
                       .arg(places)
                       .arg(html(fixedText(x, places)));
    text += tr("<p>Look at the digit after the last kept one: below 5, cut off; 5 or more, "
               "raise the last kept digit (halves go away from zero). Round once, from the "
               "full number: rounding a rounded number can go wrong.</p>");
    if (sgn(x) == 0) {
        text += tr("<p>0 has no scientific notation with a mantissa from 1 to 10.</p>");
    } else {
        const Scientific value = toScientific(x, figures);
        text += tr("<p><b>Scientific notation, %1 significant figures:</b> %2</p>")
                    .arg(figures)
                    .arg(html(scientificHtml(value, figures)));
        text += tr("<p>The point moves %1 places to the %2 to leave one non-zero digit before "
                   "it, so the power of ten is %3.</p>")
                    .arg(std::labs(value.exponent))
                    .arg(value.exponent >= 0 ? tr("left") : tr("right"))
                    .arg(value.exponent);
    }
    result_->setHtml(text);
}

} // namespace decimals
