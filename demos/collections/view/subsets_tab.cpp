#include "collections/view/subsets_tab.h"

#include "collections/core/subsets.h"

#include "kit/core/input_limits.h"
#include "kit/view/course_colours.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace collections {
namespace {

QString html(const std::string& text) {
    return QString::fromStdString(text).toHtmlEscaped();
}

QString problem(const std::string& what) {
    return QString("<p style='color:%1'>%2</p>").arg(kit::wrongColour().name(), html(what));
}

QLineEdit* field(QWidget* parent, const char* name, const QString& text) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    edit->setMaxLength(static_cast<int>(kit::maxInputLength));
    return edit;
}

} // namespace

SubsetsTab::SubsetsTab(QWidget* parent) : QWidget(parent) {
    s_ = field(this, "powerSetField", "{1, 2, 3}");
    a_ = field(this, "productAField", "{1, 2, 3}");
    b_ = field(this, "productBField", "{4, 5}");
    powerSet_ = new QTextBrowser(this);
    powerSet_->setObjectName("powerSetView");
    product_ = new QTextBrowser(this);
    product_->setObjectName("productView");

    auto* top = new QFormLayout;
    top->addRow(tr("&S ="), s_);
    auto* bottom = new QFormLayout;
    bottom->addRow(tr("&A ="), a_);
    bottom->addRow(tr("&B ="), b_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(powerSet_, 1);
    layout->addLayout(bottom);
    layout->addWidget(product_, 1);

    connect(s_, &QLineEdit::textChanged, this, [this] { showPowerSet(); });
    connect(a_, &QLineEdit::textChanged, this, [this] { showProduct(); });
    connect(b_, &QLineEdit::textChanged, this, [this] { showProduct(); });
    showPowerSet();
    showProduct();
}

void SubsetsTab::setSets(const QString& s, const QString& a, const QString& b) {
    s_->setText(s);
    a_->setText(a);
    b_->setText(b);
}

QString SubsetsTab::powerSetText() const {
    return powerSet_->toPlainText();
}

QString SubsetsTab::productText() const {
    return product_->toPlainText();
}

void SubsetsTab::showPowerSet() {
    const auto parsed = parseRoster(s_->text().toStdString());
    if (!parsed.ok()) {
        powerSet_->setHtml(problem(parsed.error().message));
        return;
    }
    const Elements& s = parsed.value();
    const std::size_t n = s.size();
    if (n > largestListedPowerSet) {
        powerSet_->setHtml(problem(
            "S has " + std::to_string(n) + " elements, so P(S) has 2^" + std::to_string(n) + " = " +
            mpz_class(mpz_class(1) << n).get_str() + " subsets: too many to list (at most " +
            std::to_string(largestListedPowerSet) + " elements)."));
        return;
    }
    QString text = QString("<p><b>P(S)</b>, the set of all subsets of S = %1: |S| = %2, so "
                           "|P(S)| = 2<sup>%2</sup> = %3.</p>")
                       .arg(html(rosterText(s)))
                       .arg(n)
                       .arg(1u << n);
    std::size_t size = 0;
    QString row;
    const auto subsets = powerSet(s);
    for (std::size_t i = 0; i <= subsets.size(); ++i) {
        if (i == subsets.size() || subsets[i].size() != size) {
            text += QString("<p>%1 subset%2 with %3 element%4 (C(%5, %3)): %6</p>")
                        .arg(QString::fromStdString(subsetsOfSize(n, size).get_str()))
                        .arg(subsetsOfSize(n, size) == 1 ? "" : "s")
                        .arg(size)
                        .arg(size == 1 ? "" : "s")
                        .arg(n)
                        .arg(row);
            row.clear();
            ++size;
        }
        if (i < subsets.size())
            row += (row.isEmpty() ? "" : ", ") + html(rosterText(subsets[i]));
    }
    powerSet_->setHtml(text);
}

void SubsetsTab::showProduct() {
    const auto a = parseRoster(a_->text().toStdString());
    const auto b = parseRoster(b_->text().toStdString());
    if (!a.ok() || !b.ok()) {
        product_->setHtml(problem(!a.ok() ? "A: " + a.error().message : "B: " + b.error().message));
        return;
    }
    QString pairs;
    for (const auto& pair : cartesianProduct(a.value(), b.value()))
        pairs += (pairs.isEmpty() ? "" : ", ") + html(pairText(pair));
    QString text = QString("<p><b>A \u00d7 B</b> = {%1}</p><p>|A \u00d7 B| = |A| \u00b7 |B| = %2 "
                           "\u00b7 %3 = %4</p>")
                       .arg(pairs)
                       .arg(a.value().size())
                       .arg(b.value().size())
                       .arg(a.value().size() * b.value().size());
    const bool ab = isSubset(a.value(), b.value());
    const bool ba = isSubset(b.value(), a.value());
    text += "<p>" +
            QString(ab && ba ? "A = B: each is a subset of the other."
                    : ab     ? "A \u2286 B: every element of A is in B (and A \u2260 B, so A "
                               "\u2282 B, a proper subset)."
                    : ba     ? "B \u2286 A: every element of B is in A (a proper subset)."
                             : "Neither A \u2286 B nor B \u2286 A.") +
            "</p>";
    if (a.value() != b.value() && !a.value().empty() && !b.value().empty())
        text += "<p>A \u00d7 B \u2260 B \u00d7 A here: the pairs are ordered.</p>";
    product_->setHtml(text);
}

} // namespace collections
