#pragma once

#include <QWidget>

class QLabel;
class QSpinBox;
class QTextBrowser;

namespace kit {
class Canvas;
}

namespace signednumbers2 {

// a = q &middot; b + r with 0 <= r < |b|: the multiples of b marked on the number line, a as a
// draggable point, the multiple q &middot; b below it and the remainder r as the step up to a.
class DivisionExplorer : public QWidget {
    Q_OBJECT
  public:
    explicit DivisionExplorer(QWidget* parent = nullptr);
    void setNumbers(long a, long b);
    QString stepsText() const;

  private:
    void recompute();

    QSpinBox* dividend_ = nullptr;
    QSpinBox* divisor_ = nullptr;
    kit::Canvas* line_ = nullptr;
    QLabel* result_ = nullptr;
    QTextBrowser* steps_ = nullptr;
    bool updating_ = false;
};

} // namespace signednumbers2
