#pragma once

#include <QWidget>

class QTextBrowser;

namespace addmult {
class OperationTableView;
}

namespace fieldsplus {

// The field of four elements: its two tables side by side, with the inverses and the contrast
// with Z_4, which has four elements too but is not a field.
class FieldOfFourTab : public QWidget {
    Q_OBJECT
  public:
    explicit FieldOfFourTab(QWidget* parent = nullptr);
    addmult::OperationTableView* additionView() { return addition_; }
    addmult::OperationTableView* multiplicationView() { return multiplication_; }
    QString explanationText() const;

  private:
    addmult::OperationTableView* addition_ = nullptr;
    addmult::OperationTableView* multiplication_ = nullptr;
    QTextBrowser* explanation_ = nullptr;
};

} // namespace fieldsplus
