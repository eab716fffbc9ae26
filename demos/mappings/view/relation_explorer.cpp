#include "mappings/view/relation_explorer.h"

#include "mappings/view/relation_diagram.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace mappings {

namespace {

struct Preset {
    const char* name;
    bool (*related)(int a, int b);
};

const Preset presets[] = {
    {"(empty relation)", [](int, int) { return false; }},
    {"a = b", [](int a, int b) { return a == b; }},
    {"a \u2264 b", [](int a, int b) { return a <= b; }},
    {"a < b", [](int a, int b) { return a < b; }},
    {"a divides b", [](int a, int b) { return b % a == 0; }},
    {"a \u2261 b (mod 3)", [](int a, int b) { return (a - b) % 3 == 0; }},
    {"b = a + 1", [](int a, int b) { return b == a + 1; }},
    {"every pair", [](int, int) { return true; }},
};

QString html(const std::string& text) {
    return QString::fromStdString(text).toHtmlEscaped();
}

} // namespace

RelationExplorer::RelationExplorer(QWidget* parent)
    : QWidget(parent), sizeBox_(new QSpinBox(this)), presets_(new QComboBox(this)),
      hasseBox_(new QCheckBox(tr("Draw as a &Hasse diagram"), this)),
      diagram_(new RelationDiagram(this)), report_(new QLabel(this)) {
    sizeBox_->setObjectName("relationSize");
    sizeBox_->setRange(1, Relation::maxSize);
    sizeBox_->setValue(4);
    presets_->setObjectName("relationPreset");
    for (const Preset& preset : presets)
        presets_->addItem(QString::fromUtf8(preset.name));
    hasseBox_->setObjectName("hasseBox");
    report_->setObjectName("relationReport");
    report_->setWordWrap(true);
    report_->setTextFormat(Qt::RichText);
    report_->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    auto* grid = new QGridLayout;
    grid->setSpacing(1);
    for (int a = 1; a <= Relation::maxSize; ++a) {
        auto* rowLabel = new QLabel(QString::number(a), this);
        auto* columnLabel = new QLabel(QString::number(a), this);
        columnLabel->setAlignment(Qt::AlignCenter);
        grid->addWidget(rowLabel, a, 0);
        grid->addWidget(columnLabel, 0, a);
        headings_.push_back(rowLabel);
        headings_.push_back(columnLabel);
        for (int b = 1; b <= Relation::maxSize; ++b) {
            auto* button = new QToolButton(this);
            button->setObjectName(QString("cell_%1_%2").arg(a).arg(b));
            button->setCheckable(true);
            button->setFixedSize(26, 26);
            button->setToolTip(QString("(%1,%2)").arg(a).arg(b));
            connect(button, &QToolButton::clicked, this, [this, a, b](bool on) {
                relation_.set(a, b, on);
                refresh();
            });
            grid->addWidget(button, a, b);
            cells_.push_back(button);
        }
    }
    auto* closures = new QHBoxLayout;
    struct ClosureButton {
        QString label;
        const char* name;
        Relation (*closure)(const Relation&);
    };
    const ClosureButton closureButtons[] = {
        {tr("&Reflexive closure"), "reflexiveClosure", reflexiveClosure},
        {tr("&Symmetric closure"), "symmetricClosure", symmetricClosure},
        {tr("&Transitive closure"), "transitiveClosure", transitiveClosure}};
    for (const auto& [label, name, closure] : closureButtons) {
        auto* button = new QPushButton(label, this);
        button->setObjectName(name);
        connect(button, &QPushButton::clicked, this,
                [this, closure = closure] { setRelation(closure(relation_)); });
        closures->addWidget(button);
    }
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(tr("Elements 1 to"), this));
    top->addWidget(sizeBox_);
    top->addWidget(new QLabel(tr("Start from"), this));
    top->addWidget(presets_);
    top->addStretch();

    auto* matrixColumn = new QVBoxLayout;
    matrixColumn->addWidget(new QLabel(tr("Click a cell: row a, column b puts (a,b) in R."), this));
    matrixColumn->addLayout(grid);
    matrixColumn->addStretch();
    auto* picture = new QVBoxLayout;
    picture->addWidget(diagram_, 1);
    picture->addWidget(hasseBox_);
    auto* middle = new QHBoxLayout;
    middle->addLayout(matrixColumn);
    middle->addLayout(picture, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(middle, 1);
    layout->addLayout(closures);
    layout->addWidget(report_);

    connect(sizeBox_, &QSpinBox::valueChanged, this, &RelationExplorer::resize);
    connect(presets_, &QComboBox::activated, this, &RelationExplorer::applyPreset);
    connect(hasseBox_, &QCheckBox::toggled, this, &RelationExplorer::refresh);
    applyPreset(4);
    presets_->setCurrentIndex(4);
}

QToolButton* RelationExplorer::cell(int a, int b) const {
    return cells_[static_cast<std::size_t>((a - 1) * Relation::maxSize + (b - 1))];
}

void RelationExplorer::setRelation(const Relation& relation) {
    relation_ = relation;
    if (sizeBox_->value() != relation.size()) {
        const QSignalBlocker block(sizeBox_);
        sizeBox_->setValue(relation.size());
    }
    refresh();
}

void RelationExplorer::applyPreset(int index) {
    if (index < 0 || index >= static_cast<int>(std::size(presets)))
        return;
    Relation r(sizeBox_->value());
    for (int a = 1; a <= r.size(); ++a)
        for (int b = 1; b <= r.size(); ++b)
            r.set(a, b, presets[index].related(a, b));
    setRelation(r);
}

void RelationExplorer::resize(int size) {
    Relation r(size);
    for (int a = 1; a <= std::min(size, relation_.size()); ++a)
        for (int b = 1; b <= std::min(size, relation_.size()); ++b)
            r.set(a, b, relation_.holds(a, b));
    setRelation(r);
}

QString RelationExplorer::propertiesHtml(std::vector<int>& highlighted) const {
    struct Test {
        const char* name;
        std::optional<Counterexample> failure;
    };
    const Test tests[] = {{"reflexive", reflexiveFailure(relation_)},
                          {"symmetric", symmetricFailure(relation_)},
                          {"antisymmetric", antisymmetricFailure(relation_)},
                          {"transitive", transitiveFailure(relation_)}};
    QString text;
    for (const Test& test : tests) {
        if (!test.failure) {
            text += QString("<b>%1:</b> yes<br>").arg(test.name);
            continue;
        }
        text += QString("<b>%1:</b> <span style=\"color:#c81e1e\">no</span>, %2<br>")
                    .arg(test.name, html(test.failure->reason));
        if (highlighted.empty())
            highlighted = test.failure->elements;
    }
    return text;
}

void RelationExplorer::refresh() {
    const int n = relation_.size();
    for (std::size_t i = 0; i < headings_.size(); ++i)
        headings_[i]->setVisible(static_cast<int>(i / 2) < n);
    for (int a = 1; a <= Relation::maxSize; ++a)
        for (int b = 1; b <= Relation::maxSize; ++b) {
            QToolButton* button = cell(a, b);
            button->setVisible(a <= n && b <= n);
            const QSignalBlocker block(button);
            button->setChecked(relation_.holds(a, b));
            button->setText(relation_.holds(a, b) ? "1" : "");
        }
    std::vector<int> highlighted;
    QString text = QString("R = %1 (%2 pairs)<br>")
                       .arg(html(relation_.pairsText()))
                       .arg(relation_.pairCount()) +
                   propertiesHtml(highlighted);
    const bool order = isPartialOrder(relation_);
    if (isEquivalence(relation_))
        text += "<b>An equivalence relation.</b> Its classes partition the set: " +
                html(partitionText(equivalenceClasses(relation_))) +
                (order ? ". It is a partial order as well." : "");
    else if (order)
        text += "<b>A partial order.</b> Its Hasse diagram keeps only the covering pairs.";
    else
        text += "Neither an equivalence relation nor a partial order.";
    hasseBox_->setEnabled(order);
    report_->setText(text);
    // A partial order is never symmetric: its Hasse diagram marks nothing.
    const bool hasse = order && hasseBox_->isChecked();
    diagram_->setRelation(relation_, hasse ? std::vector<int>{} : highlighted, hasse);
}

QString RelationExplorer::reportText() const {
    return report_->text();
}

} // namespace mappings
