#include "addmult/view/ring_tables_tab.h"

#include "addmult/core/finite_ring.h"
#include "addmult/view/ring_panel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace addmult {

RingTablesTab::RingTablesTab(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    modulus_ = new QSpinBox(this);
    modulus_->setObjectName("modulus");
    modulus_->setRange(smallestModulus, largestModulus);
    modulus_->setValue(12);
    auto* label = new QLabel(tr("Z<sub>n</sub> with &n ="), this);
    label->setBuddy(modulus_);
    row->addWidget(label);
    row->addWidget(modulus_);
    row->addWidget(new QLabel(tr("(hover over a cell to read it)"), this), 1);
    layout->addLayout(row);
    panel_ = new RingPanel(this);
    layout->addWidget(panel_, 1);
    connect(modulus_, &QSpinBox::valueChanged, this,
            [this](int n) { panel_->setRing(integersModulo(n)); });
    panel_->setRing(integersModulo(modulus_->value()));
}

void RingTablesTab::setModulus(int n) {
    modulus_->setValue(n);
}

} // namespace addmult
