#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QSpinBox;

namespace addmult {

class RingPanel;

// Other small rings: the 2 x 2 matrices over Z_2 (not commutative, with zero divisors) and
// Z_n x Z_m (n * m at most 36).
class OtherRingsTab : public QWidget {
    Q_OBJECT
  public:
    explicit OtherRingsTab(QWidget* parent = nullptr);
    void showMatrices();
    void showProduct(int n, int m);
    RingPanel* panel() { return panel_; }
    QString messageText() const;

  private:
    void rebuild();

    QComboBox* choice_ = nullptr;
    QSpinBox* first_ = nullptr;
    QSpinBox* second_ = nullptr;
    QLabel* message_ = nullptr;
    RingPanel* panel_ = nullptr;
};

} // namespace addmult
