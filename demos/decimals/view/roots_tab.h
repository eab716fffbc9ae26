#pragma once

#include <QWidget>

class QSpinBox;
class QTextBrowser;

namespace decimals {

// √n approached by rationals: the bisection intervals and Newton's iterates side by side, each
// with the number of decimals it has right, against the digits of the integer square root.
class RootsTab : public QWidget {
    Q_OBJECT
  public:
    static constexpr int shownDecimals = 40;

    explicit RootsTab(QWidget* parent = nullptr);

  private:
    void refresh();

    QSpinBox* radicand_;
    QSpinBox* bisectionSteps_;
    QSpinBox* newtonSteps_;
    QTextBrowser* table_;
};

} // namespace decimals
