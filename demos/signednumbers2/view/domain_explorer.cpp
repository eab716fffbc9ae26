#include "signednumbers2/view/domain_explorer.h"

#include "signednumbers2/core/ordered_domain.h"
#include "signednumbers2/core/parity.h"

#include "signednumbers/core/integer_text.h"
#include "signednumbers/view/integer_line.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace signednumbers2 {
namespace {

using signednumbers::html;

QSpinBox* numberBox(QWidget* parent, const char* name, int value) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(-999, 999);
    box->setValue(value);
    return box;
}

QString parityLine(const QString& name, const mpz_class& value) {
    return "<tr><td>" + name + "</td><td align=right>" + html(signednumbers::integerHtml(value)) +
           "</td><td><b>" + QString::fromStdString(parityWord(value)) + "</b></td></tr>";
}

} // namespace

DomainExplorer::DomainExplorer(QWidget* parent) : QWidget(parent) {
    a_ = numberBox(this, "domainA", -3);
    b_ = numberBox(this, "domainB", 2);
    c_ = numberBox(this, "domainC", -4);
    auto* controls = new QHBoxLayout;
    const std::pair<const char*, QSpinBox*> fields[] = {{"&a =", a_}, {"&b =", b_}, {"&c =", c_}};
    for (const auto& [text, box] : fields) {
        auto* label = new QLabel(tr(text), this);
        label->setBuddy(box);
        controls->addWidget(label);
        controls->addWidget(box);
    }
    controls->addStretch();
    laws_ = new QTextBrowser(this);
    laws_->setObjectName("domainLaws");
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(laws_, 1);
    for (QSpinBox* box : {a_, b_, c_})
        connect(box, &QSpinBox::valueChanged, this, [this] { recompute(); });
    recompute();
}

void DomainExplorer::setNumbers(long a, long b, long c) {
    a_->setValue(static_cast<int>(a));
    b_->setValue(static_cast<int>(b));
    c_->setValue(static_cast<int>(c));
}

QString DomainExplorer::lawsText() const {
    return laws_->toPlainText();
}

void DomainExplorer::recompute() {
    const long a = a_->value();
    const long b = b_->value();
    const long c = c_->value();
    using signednumbers::integerHtml;
    QString text = "<table border=1 cellspacing=0 cellpadding=4><tr><th>law</th><th>with a = " +
                   html(integerHtml(a)) + ", b = " + html(integerHtml(b)) +
                   ", c = " + html(integerHtml(c)) + "</th><th></th></tr>";
    for (const LawInstance& law : orderedDomainLaws(a, b, c))
        text += "<tr><td><b>" + html(law.name) + "</b><br><small>" + html(law.law) +
                "</small></td><td>" + html(law.instance) + "</td><td>" +
                (law.holds ? QString("\u2714") : QString("\u2718")) + "</td></tr>";
    text += "</table><h3>Parity</h3><table cellpadding=3>";
    text += parityLine("a", mpz_class(a)) + parityLine("b", mpz_class(b)) +
            parityLine("a + b", mpz_class(a + b)) + parityLine("a &middot; b", mpz_class(a * b));
    text +=
        "</table><p>Even + even and odd + odd are even; even + odd is odd. A product is odd only "
        "when both factors are odd.</p>";
    laws_->setHtml(text);
}

} // namespace signednumbers2
