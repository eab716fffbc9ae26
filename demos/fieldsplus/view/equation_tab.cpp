#include "fieldsplus/view/equation_tab.h"

#include "fieldsplus/core/linear_equation.h"
#include "fieldsplus/core/modular_inverse.h"
#include "fieldsplus/view/typed_number.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace fieldsplus {

namespace {

QLineEdit* numberField(QWidget* parent, const char* name, const char* text) {
    auto* field = new QLineEdit(text, parent);
    field->setObjectName(name);
    field->setMaxLength(40);
    return field;
}

} // namespace

EquationTab::EquationTab(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    a_ = numberField(this, "equationA", "3");
    b_ = numberField(this, "equationB", "4");
    c_ = numberField(this, "equationC", "2");
    n_ = numberField(this, "equationN", "7");
    row->addWidget(a_);
    row->addWidget(new QLabel("x +", this));
    row->addWidget(b_);
    row->addWidget(new QLabel("=", this));
    row->addWidget(c_);
    row->addWidget(new QLabel(tr("in Z_"), this));
    row->addWidget(n_);
    layout->addLayout(row);
    message_ = new QLabel(this);
    message_->setObjectName("equationMessage");
    message_->setWordWrap(true);
    layout->addWidget(message_);
    results_ = new QTextBrowser(this);
    results_->setObjectName("equationResults");
    layout->addWidget(results_, 1);
    for (QLineEdit* field : {a_, b_, c_, n_})
        connect(field, &QLineEdit::textChanged, this, &EquationTab::recompute);
    recompute();
}

void EquationTab::setEquation(const QString& a, const QString& b, const QString& c,
                              const QString& n) {
    a_->setText(a);
    b_->setText(b);
    c_->setText(c);
    n_->setText(n);
}

QString EquationTab::resultText() const {
    return results_->toPlainText();
}

QString EquationTab::messageText() const {
    return message_->text();
}

void EquationTab::recompute() {
    QString error;
    const auto n = readModulus(n_->text(), "modulus", error);
    const auto a = n ? readNumber(a_->text(), "a", error) : std::nullopt;
    const auto b = a ? readNumber(b_->text(), "b", error) : std::nullopt;
    const auto c = b ? readNumber(c_->text(), "c", error) : std::nullopt;
    if (!c) {
        message_->setText(errorHtml(error));
        results_->clear();
        return;
    }
    const LinearSolution s = solveLinear(*a, *b, *c, *n);
    message_->setText(isPrime(*n) ? tr("%1 is prime: Z_%1 is a field, and a x + b = c with a "
                                       "\u2260 0 has exactly one solution.")
                                        .arg(*n)
                                  : tr("%1 is not prime: Z_%1 is not a field, so there may be "
                                       "no solution or several.")
                                        .arg(*n));
    QString html;
    for (const auto& step : s.steps)
        html += "<p>" + QString::fromStdString(step) + "</p>";
    QStringList listed;
    for (std::size_t k = 0; k < s.solutions.size(); ++k)
        listed << QString::number(s.solutions[k]);
    if (s.count > static_cast<std::int64_t>(s.solutions.size()))
        listed << QString("&hellip; (%1 in all)").arg(s.count);
    html += QString("<p><b>Solutions:</b> %1</p>")
                .arg(listed.isEmpty() ? QString("none") : listed.join(", "));
    results_->setHtml(html);
}

} // namespace fieldsplus
