#include "addmult/view/other_rings_tab.h"

#include "addmult/core/finite_ring.h"
#include "addmult/view/ring_panel.h"
#include "kit/view/course_colours.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace addmult {

OtherRingsTab::OtherRingsTab(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    choice_ = new QComboBox(this);
    choice_->setObjectName("ringChoice");
    choice_->addItems({tr("2 \u00d7 2 matrices over Z_2"), tr("Z_n \u00d7 Z_m")});
    first_ = new QSpinBox(this);
    first_->setObjectName("productN");
    first_->setRange(2, 18);
    first_->setValue(2);
    second_ = new QSpinBox(this);
    second_->setObjectName("productM");
    second_->setRange(2, 18);
    second_->setValue(3);
    row->addWidget(choice_);
    row->addWidget(new QLabel("n =", this));
    row->addWidget(first_);
    row->addWidget(new QLabel("m =", this));
    row->addWidget(second_);
    row->addStretch(1);
    layout->addLayout(row);
    message_ = new QLabel(this);
    message_->setWordWrap(true);
    message_->setObjectName("otherRingMessage");
    layout->addWidget(message_);
    panel_ = new RingPanel(this);
    layout->addWidget(panel_, 1);
    connect(choice_, &QComboBox::currentIndexChanged, this, &OtherRingsTab::rebuild);
    connect(first_, &QSpinBox::valueChanged, this, &OtherRingsTab::rebuild);
    connect(second_, &QSpinBox::valueChanged, this, &OtherRingsTab::rebuild);
    rebuild();
}

void OtherRingsTab::showMatrices() {
    choice_->setCurrentIndex(0);
}

void OtherRingsTab::showProduct(int n, int m) {
    first_->setValue(n);
    second_->setValue(m);
    choice_->setCurrentIndex(1);
    rebuild();
}

QString OtherRingsTab::messageText() const {
    return message_->text();
}

void OtherRingsTab::rebuild() {
    const bool matrices = choice_->currentIndex() == 0;
    first_->setEnabled(!matrices);
    second_->setEnabled(!matrices);
    if (matrices) {
        message_->setText(tr("A matrix [a b; c d] is named by its entries read row by row: 1001 "
                             "is the identity, 0000 the zero matrix. Added and multiplied as "
                             "matrices, entries modulo 2."));
        panel_->setRing(matricesOverZ2());
        return;
    }
    const int n = first_->value(), m = second_->value();
    if (n * m > largestProductSize) {
        message_->setText(
            QString("<span style=\"color:%1\">%2 &times; %3 = %4 elements is more "
                    "than this table can show: choose n &middot; m at most %5.</span>")
                .arg(kit::wrongColour().name())
                .arg(n)
                .arg(m)
                .arg(n * m)
                .arg(largestProductSize));
        return;
    }
    message_->setText(tr("Pairs (a, b) with a in Z_%1 and b in Z_%2, added and multiplied one "
                         "place at a time: (a, b)(c, d) = (ac, bd).")
                          .arg(n)
                          .arg(m));
    panel_->setRing(productRing(n, m));
}

} // namespace addmult
