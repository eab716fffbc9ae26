#pragma once

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QTextBrowser;

namespace grids2 {

// A system typed as its augmented matrix [A | b]: the equations, the elimination with every
// row operation, the ranks, the kind of solution (with the parametric form) and Cramer's rule.
class SystemTab : public QWidget {
    Q_OBJECT
  public:
    explicit SystemTab(QWidget* parent = nullptr);

  private slots:
    void recompute();

  private:
    QPlainTextEdit* field_;
    QLabel* message_;
    QTextBrowser* view_;
};

} // namespace grids2
