#include "mappings/view/operation_explorer.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace mappings {

namespace {

struct Preset {
    const char* name;
    int (*value)(int a, int b, int n);
};

const Preset presets[] = {
    {"a \u00b7 b mod (n + 1)", [](int a, int b, int n) { return a * b % (n + 1); }},
    {"turns: (a \u2212 1) + (b \u2212 1) steps round n, plus 1",
     [](int a, int b, int n) { return (a + b - 2) % n + 1; }},
    {"max(a, b)", [](int a, int b, int) { return std::max(a, b); }},
    {"a (the first one)", [](int a, int, int) { return a; }},
    {"|a \u2212 b| + 1", [](int a, int b, int) { return std::abs(a - b) + 1; }},
    {"a + b", [](int a, int b, int) { return a + b; }},
};

QString red(const std::string& text) {
    return "<span style=\"color:#c81e1e\">no</span>, " +
           QString::fromStdString(text).toHtmlEscaped();
}

} // namespace

OperationExplorer::OperationExplorer(QWidget* parent)
    : QWidget(parent), sizeBox_(new QSpinBox(this)), presets_(new QComboBox(this)),
      grid_(new QTableWidget(this)), report_(new QLabel(this)) {
    sizeBox_->setObjectName("operationSize");
    sizeBox_->setRange(1, OperationTable::maxSize);
    sizeBox_->setValue(4);
    presets_->setObjectName("operationPreset");
    for (const Preset& preset : presets)
        presets_->addItem(QString::fromUtf8(preset.name));
    grid_->setObjectName("operationGrid");
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->horizontalHeader()->setDefaultSectionSize(34);
    grid_->verticalHeader()->setDefaultSectionSize(26);
    grid_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    grid_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    report_->setObjectName("operationReport");
    report_->setWordWrap(true);
    report_->setTextFormat(Qt::RichText);
    report_->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(tr("S = {1, ..., n}, n ="), this));
    top->addWidget(sizeBox_);
    top->addWidget(new QLabel(tr("Fill with"), this));
    top->addWidget(presets_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(new QLabel(tr("Row a, column b holds a * b. Type over any entry."), this));
    layout->addWidget(grid_);
    layout->addWidget(report_);
    layout->addStretch(1);
    connect(sizeBox_, &QSpinBox::valueChanged, this, &OperationExplorer::resize);
    connect(presets_, &QComboBox::activated, this, &OperationExplorer::applyPreset);
    connect(grid_, &QTableWidget::cellChanged, this, &OperationExplorer::readCell);
    applyPreset(0);
}

void OperationExplorer::applyPreset(int index) {
    if (index < 0 || index >= static_cast<int>(std::size(presets)))
        return;
    const int n = sizeBox_->value();
    OperationTable t(n);
    for (int a = 1; a <= n; ++a)
        for (int b = 1; b <= n; ++b)
            t.setEntry(a, b, presets[index].value(a, b, n));
    table_ = t;
    presets_->setCurrentIndex(index);
    showTable();
}

void OperationExplorer::resize(int size) {
    OperationTable t(size);
    for (int a = 1; a <= std::min(size, table_.size()); ++a)
        for (int b = 1; b <= std::min(size, table_.size()); ++b)
            t.setEntry(a, b, table_.entry(a, b));
    table_ = t;
    showTable();
}

void OperationExplorer::showTable() {
    const QSignalBlocker block(grid_);
    const int n = table_.size();
    grid_->setRowCount(n);
    grid_->setColumnCount(n);
    QStringList headings;
    for (int a = 1; a <= n; ++a)
        headings << QString::number(a);
    grid_->setHorizontalHeaderLabels(headings);
    grid_->setVerticalHeaderLabels(headings);
    for (int a = 1; a <= n; ++a)
        for (int b = 1; b <= n; ++b) {
            const int value = table_.entry(a, b);
            auto* item = new QTableWidgetItem(value == 0 ? QString() : QString::number(value));
            item->setTextAlignment(Qt::AlignCenter);
            item->setBackground(table_.inSet(value) ? QColor(Qt::white) : QColor(255, 210, 210));
            grid_->setItem(a - 1, b - 1, item);
        }
    refresh();
}

void OperationExplorer::readCell(int row, int column) {
    const QString typed = grid_->item(row, column)->text().trimmed();
    bool ok = false;
    const int value = typed.toInt(&ok);
    // Anything that is not a small number stands for a missing entry, which breaks closure.
    const int entry = ok && value > 0 && value < 100 ? value : 0;
    table_.setEntry(row + 1, column + 1, entry);
    const QSignalBlocker block(grid_);
    grid_->item(row, column)
        ->setBackground(table_.inSet(entry) ? QColor(Qt::white) : QColor(255, 210, 210));
    refresh();
}

void OperationExplorer::refresh() {
    QString text;
    const auto closure = closureFailure(table_);
    text += "<b>closed:</b> " + (closure ? red(closure->reason) : QString("yes")) + "<br>";
    const auto commutative = commutativityFailure(table_);
    text +=
        "<b>commutative:</b> " + (commutative ? red(commutative->reason) : QString("yes")) + "<br>";
    const auto associative = associativityFailure(table_);
    text +=
        "<b>associative:</b> " + (associative ? red(associative->reason) : QString("yes")) + "<br>";
    const auto identity = closure ? std::nullopt : identityElement(table_);
    if (!identity) {
        text += "<b>identity:</b> <span style=\"color:#c81e1e\">none</span><br>";
    } else {
        text += QString("<b>identity:</b> %1<br>").arg(*identity);
        if (const auto missing = inverseFailure(table_, *identity)) {
            text += "<b>inverses:</b> " + red(missing->reason) + "<br>";
        } else {
            QStringList inverses;
            for (int a = 1; a <= table_.size(); ++a)
                inverses
                    << QString("%1\u207b\u00b9 = %2").arg(a).arg(*inverseOf(table_, a, *identity));
            text += "<b>inverses:</b> " + inverses.join(", ") + "<br>";
        }
    }
    text += isGroup(table_) ? "<b>A group</b>: closed, associative, with identity and inverses."
                            : "<b>Not a group.</b>";
    report_->setText(text);
}

QString OperationExplorer::reportText() const {
    return report_->text();
}

} // namespace mappings
