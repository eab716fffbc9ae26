#include "addmult/view/own_table_tab.h"

#include "addmult/core/finite_ring.h"
#include "addmult/core/ring_axioms.h"
#include "addmult/core/table_input.h"
#include "kit/view/course_colours.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <algorithm>

namespace addmult {

namespace {

QTableWidget* makeTable(QWidget* parent, const char* name) {
    auto* table = new QTableWidget(parent);
    table->setObjectName(name);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->setMinimumHeight(150);
    return table;
}

std::vector<std::vector<std::string>> cellsOf(const QTableWidget* table) {
    std::vector<std::vector<std::string>> cells(table->rowCount());
    for (int r = 0; r < table->rowCount(); ++r)
        for (int c = 0; c < table->columnCount(); ++c) {
            const QTableWidgetItem* item = table->item(r, c);
            cells[r].push_back(item ? item->text().toStdString() : std::string());
        }
    return cells;
}

QString checkLine(const AxiomCheck& check) {
    const QString law = QString::fromStdString(check.law).toHtmlEscaped();
    if (check.holds)
        return QString("<p><span style=\"color:%1\">&#10004;</span> <b>%2</b>: %3</p>")
            .arg(kit::rightColour().name(), QString::fromStdString(check.name), law);
    return QString("<p><span style=\"color:%1\">&#10008; <b>%2</b></span>: %3<br>"
                   "&nbsp;&nbsp;&nbsp;first counterexample: %4</p>")
        .arg(kit::wrongColour().name(), QString::fromStdString(check.name), law,
             QString::fromStdString(check.counterexample).toHtmlEscaped());
}

} // namespace

OwnTableTab::OwnTableTab(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    size_ = new QSpinBox(this);
    size_->setObjectName("ownSize");
    size_->setRange(smallestOwnTable, largestOwnTable);
    size_->setValue(4);
    auto* sizeLabel = new QLabel(tr("&Elements 0 to k \u2212 1, k ="), this);
    sizeLabel->setBuddy(size_);
    preset_ = new QComboBox(this);
    preset_->setObjectName("ownPreset");
    preset_->addItems({tr("Z_k"), tr("Z_k with a \u00b7 b = a"), tr("a + b = max(a, b)")});
    auto* load = new QPushButton(tr("&Start from"), this);
    row->addWidget(sizeLabel);
    row->addWidget(size_);
    row->addStretch(1);
    row->addWidget(load);
    row->addWidget(preset_);
    layout->addLayout(row);
    layout->addWidget(new QLabel(tr("Type in the cells: the entry in row a, column b is a + b "
                                    "(left) and a \u00b7 b (right)."),
                                 this));
    auto* tables = new QHBoxLayout;
    add_ = makeTable(this, "ownAddition");
    mul_ = makeTable(this, "ownMultiplication");
    tables->addWidget(add_);
    tables->addWidget(mul_);
    layout->addLayout(tables, 2);
    message_ = new QLabel(this);
    message_->setObjectName("ownMessage");
    message_->setWordWrap(true);
    layout->addWidget(message_);
    results_ = new QTextBrowser(this);
    results_->setObjectName("ownResults");
    layout->addWidget(results_, 3);
    connect(size_, &QSpinBox::valueChanged, this, [this] { loadPreset(preset_->currentIndex()); });
    connect(load, &QPushButton::clicked, this, [this] { loadPreset(preset_->currentIndex()); });
    connect(add_, &QTableWidget::cellChanged, this, &OwnTableTab::recheck);
    connect(mul_, &QTableWidget::cellChanged, this, &OwnTableTab::recheck);
    loadPreset(0);
}

void OwnTableTab::setSize(int k) {
    size_->setValue(k);
}

void OwnTableTab::resize(int k) {
    QStringList labels;
    for (int a = 0; a < k; ++a)
        labels << QString::number(a);
    for (QTableWidget* table : {add_, mul_}) {
        table->setRowCount(k);
        table->setColumnCount(k);
        table->setHorizontalHeaderLabels(labels);
        table->setVerticalHeaderLabels(labels);
    }
}

void OwnTableTab::fill(QTableWidget* table, const std::vector<std::vector<int>>& values) {
    for (int r = 0; r < table->rowCount(); ++r)
        for (int c = 0; c < table->columnCount(); ++c) {
            auto* item = new QTableWidgetItem(QString::number(values[r][c]));
            item->setTextAlignment(Qt::AlignCenter);
            table->setItem(r, c, item);
        }
}

void OwnTableTab::loadPreset(int index) {
    const int k = size_->value();
    FiniteRing start = integersModulo(k);
    for (int a = 0; a < k; ++a)
        for (int b = 0; b < k; ++b) {
            if (index == 1)
                start.mul[a][b] = a;
            if (index == 2)
                start.add[a][b] = std::max(a, b);
        }
    filling_ = true;
    resize(k);
    fill(add_, start.add);
    fill(mul_, start.mul);
    filling_ = false;
    recheck();
}

void OwnTableTab::setCell(bool multiplication, int row, int column, const QString& text) {
    QTableWidget* table = multiplication ? mul_ : add_;
    table->item(row, column)->setText(text);
}

QString OwnTableTab::resultText() const {
    return results_->toPlainText();
}

QString OwnTableTab::messageText() const {
    return message_->text();
}

void OwnTableTab::recheck() {
    if (filling_)
        return;
    const auto parsed = parseOwnTables(cellsOf(add_), cellsOf(mul_));
    if (!parsed.ok()) {
        message_->setText(QString("<span style=\"color:%1\">%2</span>")
                              .arg(kit::wrongColour().name(),
                                   QString::fromStdString(parsed.error().message).toHtmlEscaped()));
        results_->setHtml(tr("<p>Every cell must hold an element before the axioms can be "
                             "checked.</p>"));
        return;
    }
    const FiniteRing& ring = parsed.value();
    const auto axioms = checkRingAxioms(ring);
    const bool ring_ok =
        std::all_of(axioms.begin(), axioms.end(), [](const AxiomCheck& c) { return c.holds; });
    message_->setText(ring_ok ? tr("<b>These tables make a ring.</b>")
                              : tr("<b>Not a ring:</b> a failing axiom is shown with the first "
                                   "elements that break it."));
    QString html = "<h4>The ring axioms</h4>";
    for (const auto& check : axioms)
        html += checkLine(check);
    html += "<h4>Extra properties</h4>";
    for (const auto& check : checkExtraProperties(ring))
        html += checkLine(check);
    results_->setHtml(html);
}

} // namespace addmult
