#include "divisors/view/euclid_tab.h"

#include "divisors/core/euclid.h"
#include "divisors/core/factorization.h"
#include "divisors/core/factorization_input.h"
#include "kit/core/number_input.h"
#include "kit/view/course_colours.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <map>
#include <optional>

namespace divisors {

namespace {

QString num(const mpz_class& n) {
    return QString::fromStdString(n.get_str());
}
QString signedTerm(const mpz_class& n) {
    return n < 0 ? "(" + num(n) + ")" : num(n);
}

std::optional<mpz_class> readNumber(QLineEdit* field, const char* name, QString& error) {
    const auto parsed = kit::parseInteger(field->text().toStdString());
    if (!parsed.ok()) {
        error = QString("%1: %2").arg(name, QString::fromStdString(parsed.error().message));
        return std::nullopt;
    }
    if (parsed.value() < 0) {
        error = QString("%1: choose a whole number from 0 up").arg(name);
        return std::nullopt;
    }
    if (parsed.value().get_str().size() > largestExploredDigits) {
        error = QString("%1: more than %2 digits is too large for this demonstration")
                    .arg(name)
                    .arg(largestExploredDigits);
        return std::nullopt;
    }
    return parsed.value();
}

QString table(const EuclidRun& run) {
    QString text = "<table cellspacing=0 "
                   "cellpadding=3><tr><th>a</th><th></th><th>q</th><th></th><th>b</th><th></th>"
                   "<th>r</th><th>&nbsp;&nbsp;r = s&middot;a + t&middot;b</th></tr>";
    for (const auto& line : run.lines)
        text += QString("<tr><td align=right>%1</td><td>=</td><td align=right>%2</td><td>&middot;"
                        "</td><td align=right>%3</td><td>+</td><td align=right><b>%4</b></td>"
                        "<td>&nbsp;&nbsp;%5</td></tr>")
                    .arg(num(line.a), num(line.q), num(line.b), num(line.r),
                         line.r == 0 ? QString("(stop)")
                                     : QString("%1 &middot; %2 + %3 &middot; %4")
                                           .arg(signedTerm(line.s), num(run.a), signedTerm(line.t),
                                                num(run.b)));
    return text + "</table>";
}

// gcd and lcm again from the factorisations: smaller and larger exponent of every prime.
QString byFactors(const mpz_class& a, const mpz_class& b) {
    kit::WorkBudget budget(2000000);
    const auto fa = factorize(a, budget), fb = factorize(b, budget);
    if (!fa || !fb)
        return QString();
    std::map<mpz_class, std::pair<unsigned long, unsigned long>> exponents;
    for (const auto& e : *fa)
        exponents[e.prime].first = e.exponent;
    for (const auto& e : *fb)
        exponents[e.prime].second = e.exponent;
    Factorization low, high;
    for (const auto& [p, e] : exponents) {
        if (std::min(e.first, e.second) > 0)
            low.push_back({p, std::min(e.first, e.second)});
        high.push_back({p, std::max(e.first, e.second)});
    }
    return QString("<p><b>From the factorisations</b> %1 = %2 and %3 = %4: the gcd takes the "
                   "smaller power of each prime, %5; the lcm the larger, %6.</p>")
        .arg(num(a), QString::fromStdString(factorizationText(*fa, true)), num(b),
             QString::fromStdString(factorizationText(*fb, true)),
             QString::fromStdString(factorizationText(low, true)),
             QString::fromStdString(factorizationText(high, true)));
}

} // namespace

EuclidTab::EuclidTab(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    auto* aLabel = new QLabel(tr("&a ="), this);
    first_ = new QLineEdit("252", this);
    first_->setObjectName("euclidA");
    first_->setMaxLength(200);
    aLabel->setBuddy(first_);
    auto* bLabel = new QLabel(tr("&b ="), this);
    second_ = new QLineEdit("198", this);
    second_->setObjectName("euclidB");
    second_->setMaxLength(200);
    bLabel->setBuddy(second_);
    row->addWidget(aLabel);
    row->addWidget(first_, 1);
    row->addWidget(bLabel);
    row->addWidget(second_, 1);
    layout->addLayout(row);
    message_ = new QLabel(this);
    message_->setWordWrap(true);
    message_->setTextFormat(Qt::RichText);
    message_->setObjectName("euclidMessage");
    layout->addWidget(message_);
    results_ = new QTextBrowser(this);
    results_->setObjectName("euclidResults");
    layout->addWidget(results_, 1);
    connect(first_, &QLineEdit::textChanged, this, &EuclidTab::recompute);
    connect(second_, &QLineEdit::textChanged, this, &EuclidTab::recompute);
    recompute();
}

QString EuclidTab::resultText() const {
    return results_->toPlainText();
}

void EuclidTab::setNumbers(const QString& a, const QString& b) {
    first_->setText(a);
    second_->setText(b);
}

void EuclidTab::recompute() {
    QString error;
    const auto a = readNumber(first_, "a", error);
    const auto b = a ? readNumber(second_, "b", error) : std::nullopt;
    if (!a || !b || (*a == 0 && *b == 0)) {
        if (a && b)
            error = "gcd(0, 0) is not defined: every number divides 0.";
        message_->setText(QString("<span style=\"color:%1\">%2</span>")
                              .arg(kit::wrongColour().name(), error.toHtmlEscaped()));
        return;
    }
    message_->setText(tr("Each line divides the last divisor by the last remainder. Every common "
                         "divisor of a and b divides r = a &minus; q&middot;b, so the pairs keep "
                         "the same common divisors all the way down."));
    const EuclidRun run = euclid(std::max(*a, *b), std::min(*a, *b));
    const mpz_class lcm = leastCommonMultiple(*a, *b);
    QString text =
        run.lines.empty() ? QString("<p>gcd(n, 0) = n: every number divides 0.</p>") : table(run);
    text += QString("<p><b>gcd(%1, %2) = %3</b>, the last non-zero remainder.</p>")
                .arg(num(*a), num(*b), num(run.gcd));
    text += QString("<p><b>B&eacute;zout:</b> %1 = %2 &middot; %3 + %4 &middot; %5</p>")
                .arg(num(run.gcd), signedTerm(run.x), num(run.a), signedTerm(run.y), num(run.b));
    text += QString("<p><b>lcm(%1, %2) = %1 &middot; %2 / %3 = %4</b></p>")
                .arg(num(*a), num(*b), num(run.gcd), num(lcm));
    text += run.gcd == 1
                ? QString("<p style=\"color:%1\"><b>%2 and %3 are relatively prime</b>: their only "
                          "common divisor is 1.</p>")
                      .arg(kit::rightColour().name(), num(*a), num(*b))
                : QString("<p><b>%1 and %2 are not relatively prime</b>: both are divisible by "
                          "%3.</p>")
                      .arg(num(*a), num(*b), num(run.gcd));
    if (*a > 0 && *b > 0 && *a < mpz_class("1000000000000") && *b < mpz_class("1000000000000"))
        text += byFactors(*a, *b);
    results_->setHtml(text);
}

} // namespace divisors
