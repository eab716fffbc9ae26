#include "fractiondrill/view/pictures_tab.h"

#include "fractiondrill/core/decimal_form.h"
#include "fractiondrill/core/fraction_text.h"
#include "fractiondrill/core/lowest_terms.h"
#include "fractiondrill/view/fraction_picture.h"

#include "kit/view/html_text.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace fractiondrill {

using kit::html;
using kit::stepList;

PicturesTab::PicturesTab(QWidget* parent)
    : QWidget(parent), numerator_(new QSpinBox(this)), denominator_(new QSpinBox(this)),
      factor_(new QSpinBox(this)), picture_(new FractionPicture(this)),
      facts_(new QTextBrowser(this)) {
    numerator_->setObjectName("numeratorBox");
    denominator_->setObjectName("denominatorBox");
    factor_->setObjectName("factorBox");
    facts_->setObjectName("fractionFacts");
    numerator_->setRange(0, 4 * 12);
    denominator_->setRange(1, 12);
    factor_->setRange(1, 5);
    numerator_->setValue(3);
    denominator_->setValue(4);
    factor_->setValue(2);

    auto* controls = new QHBoxLayout;
    auto* form = new QFormLayout;
    form->addRow(tr("&Numerator a:"), numerator_);
    form->addRow(tr("&Denominator b:"), denominator_);
    form->addRow(tr("&Multiply both by k:"), factor_);
    controls->addLayout(form);
    controls->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(picture_, 3);
    layout->addWidget(facts_, 2);

    for (QSpinBox* box : {numerator_, denominator_, factor_})
        connect(box, &QSpinBox::valueChanged, this, &PicturesTab::refresh);
    refresh();
}

void PicturesTab::refresh() {
    const mpz_class a = numerator_->value();
    const mpz_class b = denominator_->value();
    const mpz_class k = factor_->value();
    mpq_class value(a, b);
    value.canonicalize();
    picture_->setRows(
        {{a, b, html(unreducedText(a, b))},
         {a * k, b * k, html(unreducedText(a * k, b * k)) + tr("  (k = %1)").arg(factor_->value())},
         {value.get_num(), value.get_den(), html(fractionText(value)) + tr("  lowest")}});
    QString text = "<p><b>" + html(unreducedText(a, b)) + " = " +
                   html(unreducedText(a * k, b * k)) + "</b>: cutting every part into " +
                   QString::number(factor_->value()) +
                   " smaller parts gives k times as many parts and k times as many coloured "
                   "ones; the coloured amount is the same.</p>";
    text += "<p><b>Lowest terms.</b></p>" + stepList(reductionSteps(a, b));
    if (value > 1 && value.get_den() != 1)
        text += "<p><b>Mixed number:</b> " + html(fractionText(value)) + " = " +
                html(mixedText(value)) + " (" + QString::number(toMixed(value).whole.get_si()) +
                " wholes and " + html(unreducedText(toMixed(value).numerator, value.get_den())) +
                ").</p>";
    if (const auto decimal = terminatingDecimal(value)) {
        text += "<p><b>Decimal:</b> " + html(*decimal) + ", <b>percentage:</b> " +
                html(*terminatingDecimal(mpq_class(value * 100))) + "% (the denominator " +
                html(value.get_den().get_str()) + " divides a power of ten).</p>";
    } else {
        text += "<p><b>Decimal:</b> the denominator " + html(value.get_den().get_str()) +
                " has a prime factor other than 2 and 5, so the decimal repeats for ever (the "
                "real numbers program finds its repeating block).</p>";
    }
    facts_->setHtml(text);
}

} // namespace fractiondrill
