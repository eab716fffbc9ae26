#include "counting/view/peano_explorer.h"

#include "kit/view/operand_row.h"

#include "counting/core/peano_arithmetic.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace counting {
namespace {

QSpinBox* operandBox(QWidget* parent, const char* name, int value) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(1, largestPeanoOperand);
    box->setValue(value);
    return box;
}

} // namespace

PeanoExplorer::PeanoExplorer(QWidget* parent) : QWidget(parent) {
    first_ = operandBox(this, "peanoFirst", 3);
    second_ = operandBox(this, "peanoSecond", 2);
    operation_ = new QComboBox(this);
    operation_->setObjectName("peanoOperation");
    operation_->addItems({tr("+  (a + 1 = S(a), a + S(b) = S(a + b))"),
                          tr("\u00b7  (a \u00b7 1 = a, a \u00b7 S(b) = a \u00b7 b + a)")});
    auto* controls = kit::operandRow(this, first_, operation_, second_);
    forms_ = new QLabel(this);
    forms_->setWordWrap(true);
    forms_->setTextFormat(Qt::RichText);
    steps_ = new QTextBrowser(this);
    steps_->setObjectName("peanoSteps");
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(forms_);
    layout->addWidget(steps_, 1);
    connect(first_, &QSpinBox::valueChanged, this, [this] { recompute(); });
    connect(second_, &QSpinBox::valueChanged, this, [this] { recompute(); });
    connect(operation_, &QComboBox::currentIndexChanged, this, [this] { recompute(); });
    recompute();
}

void PeanoExplorer::setProblem(int a, int b, bool multiply) {
    first_->setValue(a);
    second_->setValue(b);
    operation_->setCurrentIndex(multiply ? 1 : 0);
}

QString PeanoExplorer::stepsText() const {
    return steps_->toPlainText();
}

void PeanoExplorer::recompute() {
    const int a = first_->value();
    const int b = second_->value();
    forms_->setText(QString("In successor form: a = %1 = %2, &nbsp; b = %3 = %4")
                        .arg(a)
                        .arg(QString::fromStdString(successorForm(a)))
                        .arg(b)
                        .arg(QString::fromStdString(successorForm(b))));
    const auto steps =
        operation_->currentIndex() == 0 ? peanoAdditionSteps(a, b) : peanoMultiplicationSteps(a, b);
    QString text = "<p style='font-family: monospace'>";
    for (const auto& line : steps)
        text += QString::fromStdString(line) + "<br>";
    steps_->setHtml(text + "</p>");
}

} // namespace counting
