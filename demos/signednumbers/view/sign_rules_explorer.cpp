#include "signednumbers/view/sign_rules_explorer.h"

#include "kit/view/operand_row.h"

#include "signednumbers/core/integer_text.h"
#include "signednumbers/core/sign_rules.h"
#include "signednumbers/view/integer_line.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace signednumbers {
namespace {

QSpinBox* factorBox(QWidget* parent, const char* name, int value) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(-99, 99);
    box->setValue(value);
    return box;
}

QString rulesTable(long a, long b) {
    struct Row {
        const char* factors;
        const char* result;
        bool applies;
    };
    const bool zero = a == 0 || b == 0;
    const Row rows[] = {{"positive &times; positive", "positive", !zero && a > 0 && b > 0},
                        {"positive &times; negative", "negative", !zero && a > 0 && b < 0},
                        {"negative &times; positive", "negative", !zero && a < 0 && b > 0},
                        {"negative &times; negative", "positive", !zero && a < 0 && b < 0},
                        {"zero &times; anything", "zero", zero}};
    QString text = "<table border=1 cellspacing=0 cellpadding=4><tr><th>factors</th><th>product "
                   "and quotient</th></tr>";
    for (const Row& row : rows)
        text +=
            QString("<tr%1><td>%2</td><td>%3</td></tr>")
                .arg(row.applies ? " bgcolor=#ffffe1" : "", row.factors,
                     row.applies ? QString("<b>%1</b> &larr; here").arg(row.result) : row.result);
    return text + "</table>";
}

} // namespace

SignRulesExplorer::SignRulesExplorer(QWidget* parent) : QWidget(parent) {
    first_ = factorBox(this, "firstFactor", -3);
    second_ = factorBox(this, "secondFactor", -4);
    auto* controls = kit::operandRow(this, first_, nullptr, second_);

    table_ = new QLabel(this);
    table_->setTextFormat(Qt::RichText);
    reasoning_ = new QTextBrowser(this);
    reasoning_->setObjectName("signReasoning");

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(table_);
    layout->addWidget(reasoning_, 1);
    connect(first_, &QSpinBox::valueChanged, this, [this] { recompute(); });
    connect(second_, &QSpinBox::valueChanged, this, [this] { recompute(); });
    recompute();
}

void SignRulesExplorer::setFactors(long a, long b) {
    first_->setValue(static_cast<int>(a));
    second_->setValue(static_cast<int>(b));
}

QString SignRulesExplorer::reasoningText() const {
    return reasoning_->toPlainText();
}

void SignRulesExplorer::recompute() {
    const mpz_class a(static_cast<long>(first_->value()));
    const mpz_class b(static_cast<long>(second_->value()));
    table_->setText(rulesTable(first_->value(), second_->value()));
    QString text =
        "<h3>Product " + html(operandHtml(a)) + " &times; " + html(operandHtml(b)) + "</h3><ul>";
    for (const auto& line : productReasoning(a, b))
        text += "<li>" + html(line) + "</li>";
    text +=
        "</ul><h3>Quotient " + html(operandHtml(a)) + " &divide; " + html(operandHtml(b)) + "</h3>";
    if (b == 0) {
        text += "<p>Division by 0 is undefined: q &times; 0 = " + html(integerHtml(a)) +
                (a == 0 ? " holds for every q, so no one quotient." : " holds for no q.") + "</p>";
    } else if (a % b != 0) {
        text += "<p>" + html(operandHtml(b)) + " does not divide " + html(integerHtml(a)) +
                ": no integer q has q &times; " + html(operandHtml(b)) + " = " +
                html(integerHtml(a)) +
                ". The integers are not closed under division (the advanced integers divide with "
                "a remainder instead).</p>";
    } else {
        text += "<ul>";
        for (const auto& line : quotientReasoning(a, b))
            text += "<li>" + html(line) + "</li>";
        text += "</ul>";
    }
    reasoning_->setHtml(text);
}

} // namespace signednumbers
