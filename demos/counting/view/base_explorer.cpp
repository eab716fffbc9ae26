#include "counting/view/base_explorer.h"

#include "counting/core/base_conversion.h"

#include "kit/core/input_limits.h"
#include "kit/view/course_colours.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace counting {
namespace {

QSpinBox* baseBox(QWidget* parent, const char* name, int value) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(smallestBase, largestBase);
    box->setValue(value);
    return box;
}

QString list(const std::vector<std::string>& lines) {
    QString text = "<ul>";
    for (const auto& line : lines)
        text += "<li>" + QString::fromStdString(line) + "</li>";
    return text + "</ul>";
}

} // namespace

BaseExplorer::BaseExplorer(QWidget* parent) : QWidget(parent) {
    numeral_ = new QLineEdit("101101", this);
    numeral_->setObjectName("numeralField");
    numeral_->setMaxLength(static_cast<int>(kit::maxIntegerDigits));
    from_ = baseBox(this, "fromBase", 2);
    to_ = baseBox(this, "toBase", 16);
    auto* numeralLabel = new QLabel(tr("&Numeral:"), this);
    numeralLabel->setBuddy(numeral_);
    auto* fromLabel = new QLabel(tr("in &base"), this);
    fromLabel->setBuddy(from_);
    auto* toLabel = new QLabel(tr("&to base"), this);
    toLabel->setBuddy(to_);
    auto* controls = new QHBoxLayout;
    controls->addWidget(numeralLabel);
    controls->addWidget(numeral_, 1);
    controls->addWidget(fromLabel);
    controls->addWidget(from_);
    controls->addWidget(toLabel);
    controls->addWidget(to_);

    result_ = new QLabel(this);
    result_->setObjectName("conversionResult");
    result_->setTextFormat(Qt::RichText);
    QFont big = result_->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    result_->setFont(big);
    steps_ = new QTextBrowser(this);
    steps_->setObjectName("conversionSteps");

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(result_);
    layout->addWidget(steps_, 1);
    connect(numeral_, &QLineEdit::textChanged, this, [this] { recompute(); });
    connect(from_, &QSpinBox::valueChanged, this, [this] { recompute(); });
    connect(to_, &QSpinBox::valueChanged, this, [this] { recompute(); });
    recompute();
}

void BaseExplorer::setConversion(const QString& numeral, int from, int to) {
    from_->setValue(from);
    to_->setValue(to);
    numeral_->setText(numeral);
}

QString BaseExplorer::resultText() const {
    return result_->text();
}
QString BaseExplorer::stepsText() const {
    return steps_->toPlainText();
}

void BaseExplorer::recompute() {
    const int from = from_->value();
    const int to = to_->value();
    const auto parsed = parseInBase(numeral_->text().toStdString(), from);
    if (!parsed.ok()) {
        result_->setText(
            QString("<span style='color:%1'>%2</span>")
                .arg(kit::wrongColour().name(), QString::fromStdString(parsed.error().message)));
        steps_->clear();
        return;
    }
    const mpz_class& value = parsed.value();
    const std::string source = toBase(value, from);
    const std::string target = toBase(value, to);
    result_->setText(QString::fromStdString(numeralHtml(source, from) + " = " + value.get_str() +
                                            " = " + numeralHtml(target, to)));
    QString text;
    if (from != 10) {
        text += QString("<h3>Base %1 to base ten: add the place values</h3>").arg(from) +
                list(placeValueSteps(source, from));
        text += "<p>The same by Horner's scheme (multiply by the base, add the next digit):</p>" +
                list(hornerSteps(source, from));
    }
    if (to != 10)
        text += QString("<h3>Base ten to base %1: divide by %1 again and again</h3>").arg(to) +
                list(repeatedDivisionSteps(value, to));
    if (from == 10 && to == 10)
        text = "<p>Both bases are ten: nothing to convert. Choose another base.</p>";
    steps_->setHtml(text);
}

} // namespace counting
