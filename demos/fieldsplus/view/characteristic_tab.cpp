#include "fieldsplus/view/characteristic_tab.h"

#include "addmult/core/finite_ring.h"
#include "fieldsplus/core/characteristic.h"
#include "fieldsplus/core/domain_check.h"
#include "fieldsplus/core/field_of_four.h"
#include "fieldsplus/core/modular_inverse.h"
#include "fieldsplus/view/typed_number.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace fieldsplus {

CharacteristicTab::CharacteristicTab(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    ring_ = new QComboBox(this);
    ring_->setObjectName("characteristicRing");
    ring_->addItems({"Z_n", "Z_n \u00d7 Z_m", tr("the field of four elements"),
                     tr("2 \u00d7 2 matrices over Z_2")});
    n_ = new QSpinBox(this);
    n_->setRange(2, 30);
    n_->setValue(6);
    m_ = new QSpinBox(this);
    m_->setRange(2, 18);
    m_->setValue(4);
    row->addWidget(ring_);
    row->addWidget(new QLabel("n =", this));
    row->addWidget(n_);
    row->addWidget(new QLabel("m =", this));
    row->addWidget(m_);
    row->addStretch(1);
    layout->addLayout(row);
    message_ = new QLabel(this);
    message_->setWordWrap(true);
    layout->addWidget(message_);
    results_ = new QTextBrowser(this);
    results_->setObjectName("characteristicResults");
    layout->addWidget(results_, 1);
    connect(ring_, &QComboBox::currentIndexChanged, this, &CharacteristicTab::recompute);
    connect(n_, &QSpinBox::valueChanged, this, &CharacteristicTab::recompute);
    connect(m_, &QSpinBox::valueChanged, this, &CharacteristicTab::recompute);
    recompute();
}

void CharacteristicTab::choose(int ring, int n, int m) {
    n_->setValue(n);
    m_->setValue(m);
    ring_->setCurrentIndex(ring);
    recompute();
}

QString CharacteristicTab::resultText() const {
    return results_->toPlainText();
}

void CharacteristicTab::recompute() {
    const int choice = ring_->currentIndex();
    n_->setEnabled(choice <= 1);
    m_->setEnabled(choice == 1);
    if (choice == 1 && n_->value() * m_->value() > addmult::largestProductSize) {
        message_->setText(errorHtml(QString("Z_%1 x Z_%2 has %3 elements: choose n \u00b7 m at "
                                            "most %4.")
                                        .arg(n_->value())
                                        .arg(m_->value())
                                        .arg(n_->value() * m_->value())
                                        .arg(addmult::largestProductSize)));
        results_->clear();
        return;
    }
    const addmult::FiniteRing ring = choice == 0   ? addmult::integersModulo(n_->value())
                                     : choice == 1 ? addmult::productRing(n_->value(), m_->value())
                                     : choice == 2 ? fieldOfFour()
                                                   : addmult::matricesOverZ2();
    message_->setText(tr("Add the unity to itself until the sum is the zero; the number of "
                         "terms is the characteristic."));
    const CharacteristicRun run = characteristicOf(ring);
    QString html;
    for (const auto& sum : run.sums)
        html += QString::fromStdString(sum).toHtmlEscaped() + "<br>";
    html += QString("<p><b>The characteristic of %1 is %2.</b></p>")
                .arg(QString::fromStdString(ring.name).toHtmlEscaped())
                .arg(*run.value);
    if (choice == 1)
        html += QString("<p>k &middot; (1, 1) = (k mod %1, k mod %2) is (0, 0) when both divide "
                        "k: the characteristic is lcm(%1, %2).</p>")
                    .arg(n_->value())
                    .arg(m_->value());
    const DomainCheck check = checkDomain(ring);
    if (check.integralDomain())
        html += QString("<p>This ring is an integral domain, so its characteristic %1 is "
                        "prime.</p>")
                    .arg(*run.value);
    else if (!isPrime(*run.value))
        html += QString("<p>%1 is not prime, so this ring cannot be an integral domain: if "
                        "%1 = r&middot;s then (r&middot;1)(s&middot;1) = 0 with both factors "
                        "non-zero.</p>")
                    .arg(*run.value);
    else
        html += "<p>The characteristic is prime, yet the ring is not an integral domain: a prime "
                "characteristic is necessary, not sufficient.</p>";
    results_->setHtml(html);
}

} // namespace fieldsplus
