#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QSpinBox;
class QTextBrowser;

namespace fieldsplus {

// The characteristic of a chosen ring: 1, 1 + 1, 1 + 1 + 1, ... until the sum is 0.
class CharacteristicTab : public QWidget {
    Q_OBJECT
  public:
    explicit CharacteristicTab(QWidget* parent = nullptr);
    void choose(int ring, int n, int m); // 0 Z_n, 1 Z_n x Z_m, 2 F_4, 3 M_2(Z_2)
    QString resultText() const;

  private:
    void recompute();

    QComboBox* ring_ = nullptr;
    QSpinBox* n_ = nullptr;
    QSpinBox* m_ = nullptr;
    QLabel* message_ = nullptr;
    QTextBrowser* results_ = nullptr;
};

} // namespace fieldsplus
