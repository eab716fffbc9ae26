#pragma once

#include "dataanalysis/core/csv.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <optional>

namespace dataanalysis {

// The grid read as numbers: every row with something in it, or the first row that does not
// read (its message names the row and column). Asked like kit::Parsed: ok(), value(), error().
class GridNumbers {
  public:
    bool ok() const { return !fault_; }
    const NumberTable& value() const;
    const kit::ParseError& error() const;
    // One column of value() as doubles, converted once when the rows are read (a conversion
    // from a fraction costs hundreds of instructions, too many to repeat for every update).
    const std::vector<double>& decimals(std::size_t column) const;

  private:
    friend class DataTableModel;
    NumberTable table_;
    std::vector<std::vector<double>> decimals_; // column by column
    std::optional<kit::ParseError> fault_;
};

// The cells of a data grid as typed text, kept as one list of strings (no object per cell: a
// view asks only for the cells it shows). Each row is read as numbers when it changes, and a
// changed value replaces its number in place, so typing into a grid of 100,000 values reads
// one row, not the whole grid.
class DataTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit DataTableModel(const QStringList& headings, QObject* parent = nullptr);

    // New headings keep the cells of the columns that remain.
    void setHeadings(const QStringList& headings);
    const QStringList& headings() const { return headings_; }
    // Every cell replaced by `rows`, followed by `spareRows` empty rows for typing.
    void setRows(const std::vector<CsvRow>& rows, int spareRows);
    // A block of cells written from (row, column), rows added as needed; cells that would fall
    // right of the last column are left out.
    void writeBlock(const std::vector<CsvRow>& block, int row, int column);
    void addEmptyRows(int count);
    QString cell(int row, int column) const;
    // The rows with something in them, each cell trimmed, as a CSV file holds them.
    std::vector<CsvRow> filledRows() const;
    const GridNumbers& numbers() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    struct RowState {
        bool empty = true;
        std::vector<mpq_class> values;
        std::string fault; // empty when the row reads as numbers
        bool readsAsNumbers() const { return !empty && fault.empty(); }
    };
    static constexpr std::size_t notInTable = static_cast<std::size_t>(-1);

    std::size_t columns() const { return static_cast<std::size_t>(headings_.size()); }
    QString& cellAt(std::size_t row, std::size_t column);
    RowState readRow(std::size_t row) const;
    void rereadAll();
    void rebuildNumbers() const;

    QStringList headings_;
    std::vector<QString> cells_; // row after row, columns() cells each
    std::vector<RowState> rows_;
    mutable GridNumbers numbers_;
    mutable std::vector<std::size_t> placeInTable_; // each row's index in numbers_, or notInTable
    mutable bool numbersCurrent_ = false;
};

} // namespace dataanalysis
