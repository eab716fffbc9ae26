#include "collections/view/notation_tab.h"

#include "collections/core/set_builder.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace collections {

NotationTab::NotationTab(QWidget* parent) : QWidget(parent) {
    first_ = new QSpinBox(this);
    first_->setObjectName("builderFirst");
    first_->setRange(-20, 40);
    first_->setValue(1);
    last_ = new QSpinBox(this);
    last_->setObjectName("builderLast");
    last_->setRange(-20, 40);
    last_->setValue(20);
    condition_ = new QComboBox(this);
    condition_->setObjectName("builderCondition");
    for (const BuilderCondition& condition : builderConditions())
        condition_->addItem(QString::fromStdString(condition.text));
    builder_ = new QLabel(this);
    builder_->setObjectName("builderText");
    roster_ = new QLabel(this);
    roster_->setObjectName("builderRoster");
    roster_->setWordWrap(true);
    QFont big = builder_->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    builder_->setFont(big);
    roster_->setFont(big);

    auto* form = new QFormLayout;
    form->addRow(tr("U from"), first_);
    form->addRow(tr("&to"), last_);
    form->addRow(tr("&Condition:"), condition_);
    auto* explanation = new QLabel(
        tr("Set-builder notation describes a set by a property: {x \u2208 U : P(x)} is read "
           "\u201cthe set of all x in U such that P(x)\u201d. The roster lists its elements."),
        this);
    explanation->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addLayout(form);
    layout->addWidget(new QLabel(tr("Set-builder form:"), this));
    layout->addWidget(builder_);
    layout->addWidget(new QLabel(tr("Roster form:"), this));
    layout->addWidget(roster_);
    layout->addStretch(1);

    connect(first_, &QSpinBox::valueChanged, this, [this] { recompute(); });
    connect(last_, &QSpinBox::valueChanged, this, [this] { recompute(); });
    connect(condition_, &QComboBox::currentIndexChanged, this, [this] { recompute(); });
    recompute();
}

void NotationTab::choose(int first, int last, int condition) {
    first_->setValue(first);
    last_->setValue(last);
    condition_->setCurrentIndex(condition);
}

QString NotationTab::rosterShown() const {
    return roster_->text();
}

void NotationTab::recompute() {
    const int first = first_->value();
    const int last = last_->value();
    const auto index = static_cast<std::size_t>(std::max(0, condition_->currentIndex()));
    const BuilderCondition& condition = builderConditions()[index];
    if (first > last) {
        builder_->setText(tr("U is empty: the first number is larger than the last."));
        roster_->setText(QString::fromStdString(rosterText({})));
        return;
    }
    Elements universe;
    for (long x = first; x <= last; ++x)
        universe.insert(x);
    const Elements set = buildSet(universe, condition);
    builder_->setText(QString::fromStdString(builderText(first, last, condition)));
    roster_->setText(QString::fromStdString(rosterText(set)) +
                     QString("   (%1 element%2)").arg(set.size()).arg(set.size() == 1 ? "" : "s"));
}

} // namespace collections
