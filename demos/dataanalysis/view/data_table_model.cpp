#include "dataanalysis/view/data_table_model.h"

#include "kit/view/course_colours.h"

#include <algorithm>
#include <stdexcept>

namespace dataanalysis {

const NumberTable& GridNumbers::value() const {
    if (fault_)
        throw std::logic_error("the grid does not read as numbers: " + fault_->message);
    return table_;
}

const std::vector<double>& GridNumbers::decimals(std::size_t column) const {
    value();
    return decimals_.at(column);
}

const kit::ParseError& GridNumbers::error() const {
    if (!fault_)
        throw std::logic_error("the grid reads as numbers");
    return *fault_;
}

DataTableModel::DataTableModel(const QStringList& headings, QObject* parent)
    : QAbstractTableModel(parent), headings_(headings) {
    setHeadings(headings);
}

void DataTableModel::setHeadings(const QStringList& headings) {
    beginResetModel();
    const std::size_t oldColumns = columns();
    const std::size_t rowTotal = std::max<std::size_t>(rows_.size(), 20);
    std::vector<QString> cells(rowTotal * static_cast<std::size_t>(headings.size()));
    for (std::size_t r = 0; r < rows_.size(); ++r)
        for (std::size_t c = 0; c < std::min<std::size_t>(oldColumns, headings.size()); ++c)
            cells[r * static_cast<std::size_t>(headings.size()) + c] =
                std::move(cells_[r * oldColumns + c]);
    headings_ = headings;
    cells_ = std::move(cells);
    rows_.resize(rowTotal);
    rereadAll();
    endResetModel();
}

void DataTableModel::setRows(const std::vector<CsvRow>& rows, int spareRows) {
    beginResetModel();
    const std::size_t rowTotal = rows.size() + static_cast<std::size_t>(std::max(spareRows, 0));
    cells_.assign(rowTotal * columns(), QString());
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < std::min(rows[r].size(), columns()); ++c)
            cellAt(r, c) = QString::fromStdString(rows[r][c]);
    rows_.resize(rowTotal);
    rereadAll();
    endResetModel();
}

void DataTableModel::writeBlock(const std::vector<CsvRow>& block, int row, int column) {
    if (block.empty())
        return;
    const auto first = static_cast<std::size_t>(std::max(row, 0));
    const auto left = static_cast<std::size_t>(std::max(column, 0));
    if (first + block.size() + 1 > rows_.size())
        addEmptyRows(static_cast<int>(first + block.size() + 10 - rows_.size()));
    std::size_t right = left;
    for (std::size_t r = 0; r < block.size(); ++r) {
        for (std::size_t c = 0; c < block[r].size() && left + c < columns(); ++c) {
            cellAt(first + r, left + c) = QString::fromStdString(block[r][c]).trimmed();
            right = std::max(right, left + c);
        }
        rows_[first + r] = readRow(first + r);
    }
    numbersCurrent_ = false;
    emit dataChanged(index(static_cast<int>(first), static_cast<int>(left)),
                     index(static_cast<int>(first + block.size() - 1), static_cast<int>(right)));
}

void DataTableModel::addEmptyRows(int count) {
    if (count <= 0)
        return;
    const auto first = static_cast<int>(rows_.size());
    beginInsertRows({}, first, first + count - 1);
    rows_.resize(rows_.size() + static_cast<std::size_t>(count));
    cells_.resize(rows_.size() * columns());
    endInsertRows();
    // Empty rows read as nothing: the numbers stay as they were.
    placeInTable_.resize(rows_.size(), notInTable);
}

QString DataTableModel::cell(int row, int column) const {
    if (row < 0 || column < 0 || static_cast<std::size_t>(row) >= rows_.size() ||
        static_cast<std::size_t>(column) >= columns())
        return {};
    return cells_[static_cast<std::size_t>(row) * columns() + static_cast<std::size_t>(column)];
}

std::vector<CsvRow> DataTableModel::filledRows() const {
    std::vector<CsvRow> filled;
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        if (rows_[r].empty)
            continue;
        CsvRow row;
        for (std::size_t c = 0; c < columns(); ++c)
            row.push_back(cells_[r * columns() + c].trimmed().toStdString());
        filled.push_back(std::move(row));
    }
    return filled;
}

const GridNumbers& DataTableModel::numbers() const {
    if (!numbersCurrent_)
        rebuildNumbers();
    return numbers_;
}

int DataTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int DataTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(headings_.size());
}

QVariant DataTableModel::data(const QModelIndex& at, int role) const {
    if (!at.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return cell(at.row(), at.column());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        if (!rows_[static_cast<std::size_t>(at.row())].fault.empty())
            return kit::wrongColour();
        return {};
    default:
        return {};
    }
}

bool DataTableModel::setData(const QModelIndex& at, const QVariant& value, int role) {
    if (!at.isValid() || role != Qt::EditRole)
        return false;
    const auto row = static_cast<std::size_t>(at.row());
    cellAt(row, static_cast<std::size_t>(at.column())) = value.toString();
    RowState state = readRow(row);
    const bool inPlace = numbersCurrent_ && numbers_.ok() && rows_[row].readsAsNumbers() &&
                         state.readsAsNumbers() && placeInTable_[row] != notInTable;
    if (inPlace) {
        const std::size_t place = placeInTable_[row];
        numbers_.table_.rows[place] = state.values;
        for (std::size_t c = 0; c < columns(); ++c)
            numbers_.decimals_[c][place] = state.values[c].get_d();
    } else {
        numbersCurrent_ = false;
    }
    rows_[row] = std::move(state);
    emit dataChanged(index(at.row(), 0), index(at.row(), static_cast<int>(columns()) - 1));
    return true;
}

Qt::ItemFlags DataTableModel::flags(const QModelIndex& at) const {
    if (!at.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

QVariant DataTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || section < 0)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    return section < headings_.size() ? QVariant(headings_[section]) : QVariant();
}

QString& DataTableModel::cellAt(std::size_t row, std::size_t column) {
    return cells_[row * columns() + column];
}

DataTableModel::RowState DataTableModel::readRow(std::size_t r) const {
    RowState state;
    std::vector<std::string> cells;
    for (std::size_t c = 0; c < columns(); ++c) {
        cells.push_back(cells_[r * columns() + c].trimmed().toStdString());
        state.empty = state.empty && cells.back().empty();
    }
    if (state.empty)
        return state;
    for (std::size_t c = 0; c < columns(); ++c) {
        const std::string& text = cells[c];
        const auto where = [&] {
            return "row " + std::to_string(r + 1) + ", column " + std::to_string(c + 1);
        };
        if (text.empty()) {
            state.fault = where() + " is empty";
            return state;
        }
        const auto value = parseDataValue(text);
        if (!value.ok()) {
            state.fault = where() + ": \"" + text + "\" is not a number";
            return state;
        }
        state.values.push_back(value.value());
    }
    return state;
}

void DataTableModel::rereadAll() {
    for (std::size_t r = 0; r < rows_.size(); ++r)
        rows_[r] = readRow(r);
    numbersCurrent_ = false;
}

void DataTableModel::rebuildNumbers() const {
    numbers_.table_.rows.clear();
    numbers_.decimals_.assign(columns(), {});
    numbers_.fault_.reset();
    placeInTable_.assign(rows_.size(), notInTable);
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        if (!rows_[r].fault.empty()) {
            numbers_.fault_ = kit::ParseError{rows_[r].fault, r + 1};
            numbers_.table_.rows.clear();
            numbers_.decimals_.assign(columns(), {});
            break;
        }
        if (rows_[r].empty)
            continue;
        placeInTable_[r] = numbers_.table_.rows.size();
        numbers_.table_.rows.push_back(rows_[r].values);
        for (std::size_t c = 0; c < columns(); ++c)
            numbers_.decimals_[c].push_back(rows_[r].values[c].get_d());
    }
    numbersCurrent_ = true;
}

} // namespace dataanalysis
