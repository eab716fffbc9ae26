#include "signednumbers2/view/clock_explorer.h"

#include "signednumbers2/core/congruence.h"
#include "signednumbers2/view/clock_face.h"

#include "signednumbers/core/integer_text.h"
#include "signednumbers/view/integer_line.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace signednumbers2 {
namespace {

QSpinBox* numberBox(QWidget* parent, const char* name, int lo, int hi, int value) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(lo, hi);
    box->setValue(value);
    return box;
}

QString list(const std::vector<std::string>& lines) {
    QString text = "<ul>";
    for (const auto& line : lines)
        text += "<li>" + signednumbers::html(line) + "</li>";
    return text + "</ul>";
}

} // namespace

ClockExplorer::ClockExplorer(QWidget* parent) : QWidget(parent) {
    modulus_ = numberBox(this, "modulus", 2, static_cast<int>(largestClockModulus), 12);
    first_ = numberBox(this, "clockA", -999, 999, -1);
    second_ = numberBox(this, "clockB", -999, 999, 23);
    auto* controls = new QHBoxLayout;
    const std::pair<const char*, QSpinBox*> fields[] = {
        {"&n =", modulus_}, {"&a =", first_}, {"&b =", second_}};
    for (const auto& [text, box] : fields) {
        auto* label = new QLabel(tr(text), this);
        label->setBuddy(box);
        controls->addWidget(label);
        controls->addWidget(box);
    }
    controls->addStretch();
    clock_ = new ClockFace(this);
    steps_ = new QTextBrowser(this);
    steps_->setObjectName("congruenceSteps");
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(clock_);
    split->addWidget(steps_);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(split, 1);
    for (QSpinBox* box : {modulus_, first_, second_})
        connect(box, &QSpinBox::valueChanged, this, [this] { recompute(); });
    connect(clock_, &ClockFace::hourClicked, this, &ClockExplorer::moveAToHour);
    recompute();
}

void ClockExplorer::setNumbers(long n, long a, long b) {
    modulus_->setValue(static_cast<int>(n));
    first_->setValue(static_cast<int>(a));
    second_->setValue(static_cast<int>(b));
}

QString ClockExplorer::stepsText() const {
    return steps_->toPlainText();
}

void ClockExplorer::moveAToHour(long hour) {
    const long n = modulus_->value();
    const long a = first_->value();
    const long current = leastResidue(a, n).get_si();
    first_->setValue(static_cast<int>(a - current + hour));
}

void ClockExplorer::recompute() {
    const long n = modulus_->value();
    const long a = first_->value();
    const long b = second_->value();
    clock_->setNumbers(n, a, b);
    QString text = "<h3>a = " + signednumbers::html(signednumbers::integerHtml(a)) + "</h3>" +
                   list(residueSteps(a, n));
    text += "<h3>b = " + signednumbers::html(signednumbers::integerHtml(b)) + "</h3>" +
            list(residueSteps(b, n));
    text += "<h3>a and b</h3>" + list(congruenceSteps(a, b, n));
    steps_->setHtml(text);
}

} // namespace signednumbers2
