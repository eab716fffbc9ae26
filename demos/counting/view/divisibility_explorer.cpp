#include "counting/view/divisibility_explorer.h"

#include "counting/core/divisibility_rules.h"

#include "kit/core/input_limits.h"
#include "kit/core/number_input.h"
#include "kit/view/course_colours.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace counting {

DivisibilityExplorer::DivisibilityExplorer(QWidget* parent) : QWidget(parent) {
    number_ = new QLineEdit("918082", this);
    number_->setObjectName("divisibilityNumber");
    number_->setMaxLength(static_cast<int>(kit::maxInputLength));
    auto* label = new QLabel(tr("&Natural number:"), this);
    label->setBuddy(number_);
    auto* controls = new QHBoxLayout;
    controls->addWidget(label);
    controls->addWidget(number_, 1);
    summary_ = new QLabel(this);
    summary_->setObjectName("divisibilitySummary");
    summary_->setWordWrap(true);
    rules_ = new QTextBrowser(this);
    rules_->setObjectName("divisibilityRules");
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(summary_);
    layout->addWidget(rules_, 1);
    connect(number_, &QLineEdit::textChanged, this, [this] { recompute(); });
    recompute();
}

void DivisibilityExplorer::setNumber(const QString& text) {
    number_->setText(text);
}
QString DivisibilityExplorer::rulesText() const {
    return rules_->toPlainText();
}
QString DivisibilityExplorer::summaryText() const {
    return summary_->text();
}

void DivisibilityExplorer::recompute() {
    const auto parsed = kit::parseInteger(number_->text().toStdString());
    QString problem;
    if (!parsed.ok())
        problem = QString::fromStdString(parsed.error().message);
    else if (parsed.value() < 1)
        problem = tr("Type a natural number: 1, 2, 3, \u2026");
    if (!problem.isEmpty()) {
        summary_->setStyleSheet(QString("color: %1").arg(kit::wrongColour().name()));
        summary_->setText(problem);
        rules_->clear();
        return;
    }
    const mpz_class& n = parsed.value();
    QString dividing;
    QString table = "<table border=1 cellspacing=0 cellpadding=4><tr><th>by</th><th>rule and "
                    "why</th><th>applied to " +
                    QString::fromStdString(n.get_str()) + "</th></tr>";
    for (int divisor : ruleDivisors()) {
        const RuleCheck check = applyDivisibilityRule(n, divisor);
        if (check.divides)
            dividing += (dividing.isEmpty() ? "" : ", ") + QString::number(divisor);
        QString work;
        for (const auto& line : check.work)
            work += QString::fromStdString(line) + "<br>";
        table += QString("<tr><td align=center bgcolor=%1><b>%2</b></td><td><b>%3</b><br><small>%4"
                         "</small></td><td>%5</td></tr>")
                     .arg(check.divides ? "#c8e6c8" : "#f0d0d0")
                     .arg(divisor)
                     .arg(QString::fromStdString(check.rule), QString::fromStdString(check.reason),
                          work);
    }
    rules_->setHtml(table + "</table>");
    summary_->setStyleSheet(QString());
    summary_->setText(
        dividing.isEmpty()
            ? tr("None of 2, 3, 4, 5, 6, 8, 9, 10, 11 divides %1.")
                  .arg(QString::fromStdString(n.get_str()))
            : tr("%1 is divisible by %2.").arg(QString::fromStdString(n.get_str()), dividing));
}

} // namespace counting
