#pragma once

#include <QWidget>

class QLabel;
class QSpinBox;

namespace addmult {
class RingPanel;
}

namespace fieldsplus {

// Z_n for n from 2 to 30 with its multiplication table: whether it is an integral domain and
// a field, and why (a zero divisor, or every non-zero row reaching 1).
class FieldTablesTab : public QWidget {
    Q_OBJECT
  public:
    explicit FieldTablesTab(QWidget* parent = nullptr);
    void setModulus(int n);
    QString verdictText() const;
    addmult::RingPanel* panel() { return panel_; }

  private:
    void rebuild(int n);

    QSpinBox* modulus_ = nullptr;
    QLabel* verdict_ = nullptr;
    addmult::RingPanel* panel_ = nullptr;
};

} // namespace fieldsplus
