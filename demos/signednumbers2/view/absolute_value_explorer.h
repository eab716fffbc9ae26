#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QSpinBox;
class QTextBrowser;

namespace kit {
class Canvas;
}

namespace signednumbers2 {

// |a x + b| compared with c: the solution set drawn on the number line (filled and open end
// points, segments and rays) and the reasoning, as the numbers change.
class AbsoluteValueExplorer : public QWidget {
    Q_OBJECT
  public:
    explicit AbsoluteValueExplorer(QWidget* parent = nullptr);
    void setProblem(long a, long b, long c, int relation);
    QString solutionText() const;

  private:
    void recompute();

    QSpinBox* a_ = nullptr;
    QSpinBox* b_ = nullptr;
    QSpinBox* c_ = nullptr;
    QComboBox* relation_ = nullptr;
    kit::Canvas* line_ = nullptr;
    QLabel* solution_ = nullptr;
    QTextBrowser* steps_ = nullptr;
};

} // namespace signednumbers2
