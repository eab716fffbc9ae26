#include "fieldsplus/view/field_tables_tab.h"

#include "addmult/core/finite_ring.h"
#include "addmult/view/ring_panel.h"
#include "fieldsplus/core/domain_check.h"
#include "kit/view/course_colours.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace fieldsplus {

FieldTablesTab::FieldTablesTab(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    modulus_ = new QSpinBox(this);
    modulus_->setObjectName("fieldModulus");
    modulus_->setRange(addmult::smallestModulus, addmult::largestModulus);
    modulus_->setValue(7);
    auto* label = new QLabel(tr("Z<sub>n</sub> with &n ="), this);
    label->setBuddy(modulus_);
    row->addWidget(label);
    row->addWidget(modulus_);
    row->addStretch(1);
    layout->addLayout(row);
    verdict_ = new QLabel(this);
    verdict_->setObjectName("fieldVerdict");
    verdict_->setWordWrap(true);
    layout->addWidget(verdict_);
    panel_ = new addmult::RingPanel(this);
    layout->addWidget(panel_, 1);
    connect(modulus_, &QSpinBox::valueChanged, this, &FieldTablesTab::rebuild);
    rebuild(modulus_->value());
}

void FieldTablesTab::setModulus(int n) {
    modulus_->setValue(n);
}

QString FieldTablesTab::verdictText() const {
    return verdict_->text();
}

void FieldTablesTab::rebuild(int n) {
    const addmult::FiniteRing ring = addmult::integersModulo(n);
    panel_->setRing(ring);
    const DomainCheck check = checkDomain(ring);
    if (check.field()) {
        panel_->chooseMark(1);
        verdict_->setText(
            QString("<span style=\"color:%1\"><b>Z<sub>%2</sub> is a field</b></span> (and so an "
                    "integral domain): %2 is prime, and every row of the multiplication table "
                    "except the row of 0 contains a 1 &mdash; every non-zero element has an "
                    "inverse. The marked units are all of 1 to %3.")
                .arg(kit::rightColour().name())
                .arg(n)
                .arg(n - 1));
        return;
    }
    panel_->chooseMark(2);
    verdict_->setText(QString("<span style=\"color:%1\"><b>Z<sub>%2</sub> is neither an integral "
                              "domain nor a field</b></span>: %2 is not prime, and %3. The marked "
                              "zero divisors have a 0 in their row outside the first column, "
                              "and no 1.")
                          .arg(kit::wrongColour().name())
                          .arg(n)
                          .arg(QString::fromStdString(check.zeroDivisorExample).toHtmlEscaped()));
}

} // namespace fieldsplus
