#pragma once

#include "mappings/core/operation_table.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QSpinBox;
class QTableWidget;

namespace mappings {

// A binary operation on S = {1, ..., n} as a table the learner edits: closure, commutativity,
// associativity (with the breaking triple), the identity, inverses and the group verdict.
class OperationExplorer : public QWidget {
    Q_OBJECT
  public:
    explicit OperationExplorer(QWidget* parent = nullptr);
    const OperationTable& table() const { return table_; }
    void applyPreset(int index);
    QString reportText() const;
    QTableWidget* grid() const { return grid_; }

  private:
    void resize(int size);
    void showTable();
    void readCell(int row, int column);
    void refresh();

    OperationTable table_{4};
    QSpinBox* sizeBox_;
    QComboBox* presets_;
    QTableWidget* grid_;
    QLabel* report_;
};

} // namespace mappings
