#pragma once

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QTextBrowser;

namespace grids2 {

// Eigenvalues and eigenvectors of a typed 2 × 2 or 3 × 3 matrix, each eigenvector checked by
// Av = λv.
class EigenTab : public QWidget {
    Q_OBJECT
  public:
    explicit EigenTab(QWidget* parent = nullptr);

  private slots:
    void recompute();

  private:
    QPlainTextEdit* field_;
    QLabel* message_;
    QTextBrowser* view_;
};

} // namespace grids2
