#include "fieldsplus/view/inverse_tab.h"

#include "fieldsplus/core/modular_inverse.h"
#include "fieldsplus/view/typed_number.h"
#include "kit/view/course_colours.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace fieldsplus {

InverseTab::InverseTab(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    a_ = new QLineEdit("17", this);
    a_->setObjectName("inverseA");
    p_ = new QLineEdit("43", this);
    p_->setObjectName("inverseP");
    auto* aLabel = new QLabel(tr("Inverse of &a ="), this);
    aLabel->setBuddy(a_);
    auto* pLabel = new QLabel(tr("modulo &p ="), this);
    pLabel->setBuddy(p_);
    row->addWidget(aLabel);
    row->addWidget(a_, 1);
    row->addWidget(pLabel);
    row->addWidget(p_, 1);
    layout->addLayout(row);
    auto* buttons = new QHBoxLayout;
    next_ = new QPushButton(tr("Next s&tep"), this);
    next_->setObjectName("inverseNextStep");
    all_ = new QPushButton(tr("A&ll steps"), this);
    buttons->addWidget(next_);
    buttons->addWidget(all_);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    message_ = new QLabel(this);
    message_->setObjectName("inverseMessage");
    message_->setWordWrap(true);
    layout->addWidget(message_);
    steps_ = new QTextBrowser(this);
    steps_->setObjectName("inverseSteps");
    layout->addWidget(steps_, 1);
    connect(a_, &QLineEdit::textChanged, this, &InverseTab::recompute);
    connect(p_, &QLineEdit::textChanged, this, &InverseTab::recompute);
    connect(next_, &QPushButton::clicked, this, &InverseTab::showNextStep);
    connect(all_, &QPushButton::clicked, this, &InverseTab::showAllSteps);
    recompute();
}

void InverseTab::setNumbers(const QString& a, const QString& p) {
    a_->setText(a);
    p_->setText(p);
}

QString InverseTab::stepsText() const {
    return steps_->toPlainText();
}

QString InverseTab::messageText() const {
    return message_->text();
}

void InverseTab::showNextStep() {
    if (shown_ < allSteps_.size())
        ++shown_;
    render();
}

void InverseTab::showAllSteps() {
    shown_ = allSteps_.size();
    render();
}

void InverseTab::recompute() {
    allSteps_.clear();
    shown_ = 0;
    QString error;
    const auto p = readModulus(p_->text(), "p", error);
    const auto a = p ? readNumber(a_->text(), "a", error) : std::nullopt;
    if (!a || !p) {
        message_->setText(errorHtml(error));
        render();
        return;
    }
    const std::int64_t residue = reduced(*a, *p);
    if (residue == 0) {
        message_->setText(errorHtml(QString("a = %1 is 0 in Z_%2, and 0 has no inverse: 0 times "
                                            "anything is 0.")
                                        .arg(*a)
                                        .arg(*p)));
        render();
        return;
    }
    const InverseRun run = inverseModulo(residue, *p);
    QString note = residue != *a
                       ? QString("%1 is %2 in Z<sub>%3</sub>. ").arg(*a).arg(residue).arg(*p)
                       : QString();
    note += isPrime(*p) ? QString("%1 is prime: every non-zero element has an inverse.").arg(*p)
                        : QString("%1 is not prime: only elements with gcd(a, %1) = 1 have an "
                                  "inverse.")
                              .arg(*p);
    message_->setText(note + tr(" Press Next step to follow the algorithm."));
    allSteps_ = inverseSteps(run);
    shown_ = 1;
    render();
}

void InverseTab::render() {
    QString html;
    for (std::size_t k = 0; k < shown_ && k < allSteps_.size(); ++k)
        html += "<p>" + QString::fromStdString(allSteps_[k]) + "</p>";
    steps_->setHtml(html);
    next_->setEnabled(shown_ < allSteps_.size());
    all_->setEnabled(shown_ < allSteps_.size());
}

} // namespace fieldsplus
