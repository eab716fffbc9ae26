#include "divisors/view/divisors_tab.h"

#include "divisors/core/divisor_functions.h"
#include "divisors/core/factorization_input.h"
#include "divisors/view/divisor_picture.h"
#include "kit/view/course_colours.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace divisors {

namespace {

constexpr std::size_t listedDivisors = 240;

QString html(const std::string& text) {
    return QString::fromStdString(text);
}
QString num(const mpz_class& n) {
    return QString::fromStdString(n.get_str());
}

QString exponentsFormula(const Factorization& f, bool sum) {
    QStringList parts;
    for (const auto& e : f)
        parts << (sum ? QString("(%1<sup>%2</sup> &minus; 1)/(%1 &minus; 1)")
                            .arg(num(e.prime))
                            .arg(e.exponent + 1)
                      : QString("(%1 + 1)").arg(e.exponent));
    return parts.join(" &middot; ");
}

QString describe(const mpz_class& n, const Factorization& f) {
    QString text;
    if (n == 1)
        return "<p><b>1</b> has exactly one divisor, itself. It is neither prime nor "
               "composite: a prime has exactly two divisors.</p>";
    text += QString("<p><b>%1 = %2</b>").arg(num(n), html(factorizationText(f, true)));
    if (f.size() == 1 && f[0].exponent == 1)
        text += QString(" &nbsp; <span style=\"color:%1\"><b>%2 is prime</b>: its only divisors "
                        "are 1 and itself.</span>")
                    .arg(kit::rightColour().name(), num(n));
    text += "</p>";
    const mpz_class count = divisorCount(f), sum = divisorSum(f);
    text += QString("<p>Number of divisors: %1 = <b>%2</b><br>")
                .arg(exponentsFormula(f, false), num(count));
    text += QString("Sum of divisors: %1 = <b>%2</b>").arg(exponentsFormula(f, true), num(sum));
    if (sum == 2 * n)
        text += " &nbsp; <i>the divisors below n add up to n: a perfect number</i>";
    text += "</p>";
    const auto listed = listDivisors(f, listedDivisors);
    QStringList items;
    for (const auto& d : listed)
        items << num(d);
    text += "<p><b>Divisors:</b> " + items.join(", ");
    if (count > static_cast<unsigned long>(listed.size()))
        text += QString(", &hellip; (the smallest %1 of %2)").arg(listed.size()).arg(num(count));
    text += "</p>";
    if (count <= static_cast<unsigned long>(listed.size())) {
        QStringList pairs;
        for (const auto& p : divisorPairs(n, listed))
            pairs << QString("%1 &middot; %2").arg(num(p.small), num(p.large));
        text += "<p><b>Pairs d &middot; n/d:</b> " + pairs.join(", &nbsp; ") + "</p>";
    }
    return text;
}

} // namespace

DivisorsTab::DivisorsTab(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(tr("&n ="), this);
    numberField_ = new QLineEdit("36", this);
    numberField_->setObjectName("numberField");
    numberField_->setMaxLength(200);
    label->setBuddy(numberField_);
    row->addWidget(label);
    row->addWidget(numberField_, 1);
    layout->addLayout(row);
    message_ = new QLabel(this);
    message_->setObjectName("numberMessage");
    message_->setWordWrap(true);
    message_->setTextFormat(Qt::RichText);
    layout->addWidget(message_);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    picture_ = new DivisorPicture(splitter);
    auto* lower = new QWidget(splitter);
    auto* lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    widthLine_ = new QLabel(lower);
    widthLine_->setObjectName("widthLine");
    widthLine_->setWordWrap(true);
    widthLine_->setTextFormat(Qt::RichText);
    lowerLayout->addWidget(widthLine_);
    results_ = new QTextBrowser(lower);
    results_->setObjectName("divisorResults");
    lowerLayout->addWidget(results_, 1);
    splitter->addWidget(picture_);
    splitter->addWidget(lower);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    layout->addWidget(splitter, 1);

    connect(numberField_, &QLineEdit::textChanged, this, &DivisorsTab::recompute);
    connect(picture_, &DivisorPicture::rectangleWidthChanged, this, &DivisorsTab::describeWidth);
    recompute();
}

QString DivisorsTab::resultText() const {
    return results_->toPlainText();
}
void DivisorsTab::setNumberText(const QString& text) {
    numberField_->setText(text);
}

void DivisorsTab::recompute() {
    const auto parsed = parseExploredNumber(numberField_->text().toStdString());
    if (!parsed.ok()) {
        message_->setText(QString("<span style=\"color:%1\">%2</span>")
                              .arg(kit::wrongColour().name(),
                                   QString::fromStdString(parsed.error().message).toHtmlEscaped()));
        showNothing();
        return;
    }
    const mpz_class n = parsed.value();
    kit::WorkBudget budget(factoringBudget);
    const auto f = factorize(n, budget);
    if (!f) {
        message_->setText(QString("<span style=\"color:%1\">%2 has prime factors too large to find "
                                  "quickly: it is %3.</span>")
                              .arg(kit::wrongColour().name(), num(n), kit::tooLargeMessage));
        showNothing();
        return;
    }
    message_->setText(
        picture_->drawn() || n <= DivisorPicture::largestDrawn
            ? tr("Drag the point <b>a</b> (or select the picture and use the arrow keys) "
                 "to lay the %1 squares out in rows of a.")
                  .arg(num(n))
            : tr("The picture shows numbers up to %1; the factorisation works for "
                 "every number up to %2 digits.")
                  .arg(DivisorPicture::largestDrawn)
                  .arg(largestExploredDigits));
    picture_->setNumber(n);
    picture_->setVisible(picture_->drawn());
    results_->setHtml(describe(n, *f));
}

void DivisorsTab::showNothing() {
    picture_->setVisible(false);
    widthLine_->clear();
    results_->clear();
}

void DivisorsTab::describeWidth(long a) {
    if (!picture_->drawn()) {
        widthLine_->clear();
        return;
    }
    const auto parsed = parseExploredNumber(numberField_->text().toStdString());
    if (!parsed.ok())
        return;
    const long n = parsed.value().get_si();
    const long q = n / a, r = n % a;
    if (r == 0)
        widthLine_->setText(
            QString("<span style=\"color:%1\"><b>%2 = %3 &middot; %4</b>: %4 rows "
                    "of %3 fill a rectangle exactly, so %3 and %4 are divisors of %2."
                    "</span>")
                .arg(kit::rightColour().name())
                .arg(n)
                .arg(a)
                .arg(q));
    else
        widthLine_->setText(QString("<span style=\"color:%1\"><b>%2 = %3 &middot; %4 + %5</b>: "
                                    "%5 square%6 left over, so %3 does not divide %2.</span>")
                                .arg(kit::wrongColour().name())
                                .arg(n)
                                .arg(a)
                                .arg(q)
                                .arg(r)
                                .arg(r == 1 ? " is" : "s are"));
}

} // namespace divisors
