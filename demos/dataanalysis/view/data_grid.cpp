#include "dataanalysis/view/data_grid.h"

#include "kit/view/course_colours.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

namespace dataanalysis {

namespace {
constexpr qint64 largestFile = 64LL * 1024 * 1024;
}

DataGrid::DataGrid(const QStringList& headings, QWidget* parent)
    : QWidget(parent), table_(new QTableWidget(this)), message_(new QLabel(this)) {
    table_->setObjectName("dataTable");
    message_->setObjectName("dataMessage");
    message_->setWordWrap(true);
    table_->verticalHeader()->setDefaultSectionSize(22);
    setHeadings(headings);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* buttons = new QGridLayout;
    int place = 0;
    const auto button = [&](const QString& text, const char* name, auto slot) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b, place / 2, place % 2);
        ++place;
    };
    button(tr("Open CSV..."), "openButton", &DataGrid::chooseFileToOpen);
    button(tr("Save CSV..."), "saveButton", &DataGrid::chooseFileToSave);
    button(tr("Paste"), "pasteButton", &DataGrid::pasteClipboard);
    button(tr("More rows"), "moreRowsButton", &DataGrid::addRows);
    button(tr("Clear"), "clearButton", &DataGrid::clearAll);
    layout->addLayout(buttons);
    layout->addWidget(table_, 1);
    layout->addWidget(message_);
    auto* paste = new QShortcut(QKeySequence::Paste, table_);
    paste->setContext(Qt::WidgetShortcut);
    connect(paste, &QShortcut::activated, this, &DataGrid::pasteClipboard);
    connect(table_, &QTableWidget::cellChanged, this, [this](int row, int) {
        if (filling_)
            return;
        if (static_cast<int>(rows_.size()) < table_->rowCount())
            rows_.resize(static_cast<std::size_t>(table_->rowCount()));
        rows_[static_cast<std::size_t>(row)] = readRow(row);
        numbers_.reset();
        emit dataEdited();
    });
}

void DataGrid::setHeadings(const QStringList& headings) {
    filling_ = true;
    table_->setColumnCount(static_cast<int>(headings.size()));
    table_->setHorizontalHeaderLabels(headings);
    if (table_->rowCount() < 20)
        table_->setRowCount(20);
    filling_ = false;
    rereadAll();
}

void DataGrid::setRows(const std::vector<CsvRow>& rows) {
    filling_ = true;
    table_->clearContents();
    table_->setRowCount(static_cast<int>(rows.size()) + 10);
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size() && static_cast<int>(c) < table_->columnCount();
             ++c)
            table_->setItem(static_cast<int>(r), static_cast<int>(c),
                            new QTableWidgetItem(QString::fromStdString(rows[r][c])));
    filling_ = false;
    rereadAll();
    emit dataEdited();
}

bool DataGrid::pasteText(const QString& text, int row, int column) {
    const auto parsed = parseCsv(text.toStdString());
    if (!parsed.ok()) {
        showMessage(
            tr("Nothing was pasted: %1.").arg(QString::fromStdString(parsed.error().message)),
            true);
        return false;
    }
    const auto& rows = parsed.value().rows;
    filling_ = true;
    row = std::max(row, 0);
    column = std::max(column, 0);
    if (table_->rowCount() < row + static_cast<int>(rows.size()) + 1)
        table_->setRowCount(row + static_cast<int>(rows.size()) + 10);
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            const int at = column + static_cast<int>(c);
            if (at < table_->columnCount())
                table_->setItem(row + static_cast<int>(r), at,
                                new QTableWidgetItem(QString::fromStdString(rows[r][c]).trimmed()));
        }
    filling_ = false;
    rereadAll();
    showMessage(tr("%1 rows pasted.").arg(rows.size()), false);
    emit dataEdited();
    return true;
}

bool DataGrid::openFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        showMessage(tr("%1 could not be opened: %2").arg(path, file.errorString()), true);
        return false;
    }
    if (file.size() > largestFile) {
        showMessage(tr("%1 is larger than 64 MB; nothing was read.").arg(path), true);
        return false;
    }
    const auto parsed = parseCsv(file.readAll().toStdString());
    if (!parsed.ok()) {
        showMessage(tr("%1, %2. The data in the grid are unchanged.")
                        .arg(path, QString::fromStdString(parsed.error().message)),
                    true);
        return false;
    }
    const auto numbers =
        numberColumns(parsed.value(), static_cast<std::size_t>(table_->columnCount()));
    if (!numbers.ok()) {
        showMessage(tr("%1, %2. The data in the grid are unchanged.")
                        .arg(path, QString::fromStdString(numbers.error().message)),
                    true);
        return false;
    }
    std::vector<CsvRow> rows = parsed.value().rows;
    if (!numbers.value().headings.empty())
        rows.erase(rows.begin());
    setRows(rows);
    showMessage(tr("%1 rows read from %2.").arg(rows.size()).arg(path), false);
    return true;
}

bool DataGrid::saveFile(const QString& path) {
    std::vector<CsvRow> rows(1);
    for (int c = 0; c < table_->columnCount(); ++c)
        rows[0].push_back(table_->horizontalHeaderItem(c)->text().toStdString());
    for (int r = 0; r < table_->rowCount(); ++r) {
        CsvRow row;
        bool any = false;
        for (int c = 0; c < table_->columnCount(); ++c) {
            const QTableWidgetItem* item = table_->item(r, c);
            row.push_back(item ? item->text().trimmed().toStdString() : std::string());
            any = any || !row.back().empty();
        }
        if (any)
            rows.push_back(row);
    }
    QFile file(path);
    const std::string text = writeCsv(rows);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size())) {
        showMessage(tr("%1 could not be written: %2").arg(path, file.errorString()), true);
        return false;
    }
    showMessage(tr("%1 rows saved to %2.").arg(rows.size() - 1).arg(path), false);
    return true;
}

DataGrid::RowState DataGrid::readRow(int r) const {
    RowState state;
    const int columns = table_->columnCount();
    std::vector<std::string> cells;
    for (int c = 0; c < columns; ++c) {
        const QTableWidgetItem* item = table_->item(r, c);
        cells.push_back(item ? item->text().trimmed().toStdString() : std::string());
        state.empty = state.empty && cells.back().empty();
    }
    if (state.empty)
        return state;
    for (int c = 0; c < columns; ++c) {
        const std::string& cell = cells[static_cast<std::size_t>(c)];
        const std::string where =
            "row " + std::to_string(r + 1) + ", column " + std::to_string(c + 1);
        if (cell.empty()) {
            state.fault = where + " is empty";
            return state;
        }
        const auto value = parseDataValue(cell);
        if (!value.ok()) {
            state.fault = where + ": \"" + cell + "\" is not a number";
            return state;
        }
        state.values.push_back(value.value());
    }
    return state;
}

void DataGrid::rereadAll() {
    rows_.clear();
    rows_.reserve(static_cast<std::size_t>(table_->rowCount()));
    for (int r = 0; r < table_->rowCount(); ++r)
        rows_.push_back(readRow(r));
    numbers_.reset();
}

const kit::Parsed<NumberTable>& DataGrid::numbers() const {
    if (numbers_)
        return *numbers_;
    NumberTable table;
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        if (!rows_[r].fault.empty()) {
            numbers_.emplace(kit::ParseError{rows_[r].fault, r + 1});
            return *numbers_;
        }
        if (!rows_[r].empty)
            table.rows.push_back(rows_[r].values);
    }
    numbers_.emplace(std::move(table));
    return *numbers_;
}

void DataGrid::showMessage(const QString& text, bool fault) {
    message_->setText(text);
    message_->setStyleSheet(
        QString("color: %1").arg((fault ? kit::wrongColour() : kit::rightColour()).name()));
}

void DataGrid::chooseFileToOpen() {
    const QString path = QFileDialog::getOpenFileName(this, tr("Open data"), QString(),
                                                      tr("CSV files (*.csv *.txt)"));
    if (!path.isEmpty())
        openFile(path);
}

void DataGrid::chooseFileToSave() {
    QString path =
        QFileDialog::getSaveFileName(this, tr("Save data"), QString(), tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(".csv", Qt::CaseInsensitive))
        path += ".csv";
    saveFile(path);
}

void DataGrid::pasteClipboard() {
    pasteText(QApplication::clipboard()->text(), table_->currentRow(), table_->currentColumn());
}

void DataGrid::addRows() {
    table_->setRowCount(table_->rowCount() + 20);
    rows_.resize(static_cast<std::size_t>(table_->rowCount()));
}

void DataGrid::clearAll() {
    setRows({});
    showMessage(tr("The grid is empty."), false);
}

} // namespace dataanalysis
