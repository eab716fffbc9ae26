#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QSpinBox;
class QTextBrowser;

namespace counting {

// a + b and a &middot; b worked from the successor alone: the recursive equations applied one
// rewriting per line, and each number in successor form.
class PeanoExplorer : public QWidget {
    Q_OBJECT
  public:
    explicit PeanoExplorer(QWidget* parent = nullptr);
    void setProblem(int a, int b, bool multiply);
    QString stepsText() const;

  private:
    void recompute();

    QSpinBox* first_ = nullptr;
    QSpinBox* second_ = nullptr;
    QComboBox* operation_ = nullptr;
    QLabel* forms_ = nullptr;
    QTextBrowser* steps_ = nullptr;
};

} // namespace counting
