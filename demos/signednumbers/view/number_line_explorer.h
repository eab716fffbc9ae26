#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QSpinBox;

namespace kit {
class Canvas;
}

namespace signednumbers {

// a + b and a - b as moves on the number line. The start a and the landing point can be
// dragged (or moved with the arrow keys); the spin boxes, the picture and the explanation
// follow each other at once.
class NumberLineExplorer : public QWidget {
    Q_OBJECT
  public:
    explicit NumberLineExplorer(QWidget* parent = nullptr);
    void setProblem(long a, long b, bool subtract);
    QString explanationText() const;

  private:
    void recompute();
    void landingDragged(long end);

    QSpinBox* first_ = nullptr;
    QSpinBox* second_ = nullptr;
    QComboBox* operation_ = nullptr;
    kit::Canvas* line_ = nullptr;
    QLabel* explanation_ = nullptr;
    bool updating_ = false;
};

} // namespace signednumbers
