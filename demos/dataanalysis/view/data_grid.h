#pragma once

#include "dataanalysis/core/csv.h"
#include "dataanalysis/view/data_table_model.h"

#include <QStringList>
#include <QWidget>

class QLabel;
class QTableView;

namespace dataanalysis {

// The data grid of a part: cells typed like a spreadsheet, pasted from one (tab- or comma-
// separated, at the current cell), opened from and saved to CSV files. A file or paste that
// cannot be read leaves the grid as it was and says what is wrong and on which line. The cells
// live in a DataTableModel shown by a table view, so 100,000 values cost no widget items.
class DataGrid : public QWidget {
    Q_OBJECT
  public:
    DataGrid(const QStringList& headings, QWidget* parent = nullptr);

    void setHeadings(const QStringList& headings);
    void setRows(const std::vector<CsvRow>& rows);
    // Reads CSV text into the grid from the given row and column; false (grid unchanged) and
    // the message shown when it cannot be read.
    bool pasteText(const QString& text, int row, int column);
    bool openFile(const QString& path);
    bool saveFile(const QString& path);

    // Every row with something in it, as numbers; a fault names its row and column. Rows are
    // read once when they change, so a large grid is not read again for every update.
    const GridNumbers& numbers() const { return model_->numbers(); }
    DataTableModel* model() { return model_; }
    QTableView* view() { return view_; }
    QLabel* message() { return message_; }
    void showMessage(const QString& text, bool fault);

  signals:
    void dataEdited();

  private slots:
    void chooseFileToOpen();
    void chooseFileToSave();
    void pasteClipboard();
    void addRows();
    void clearAll();

  private:
    DataTableModel* model_;
    QTableView* view_;
    QLabel* message_;
};

} // namespace dataanalysis
