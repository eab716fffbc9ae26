#pragma once

#include <QWidget>

class QSpinBox;

namespace addmult {

class RingPanel;

// Z_n for n from 2 to 30: choose n and see both tables with the special elements marked.
class RingTablesTab : public QWidget {
    Q_OBJECT
  public:
    explicit RingTablesTab(QWidget* parent = nullptr);
    void setModulus(int n);
    RingPanel* panel() { return panel_; }

  private:
    QSpinBox* modulus_ = nullptr;
    RingPanel* panel_ = nullptr;
};

} // namespace addmult
