#pragma once

#include <QWidget>

class QCheckBox;
class QSpinBox;
class QTextBrowser;

namespace counting {

class DotTriangle;

// Choose n: the triangle of dots with its turned copy, and the proof by induction that
// 1 + 2 + ... + n = n(n + 1)/2 written out for that n, the chain of successors included.
class InductionExplorer : public QWidget {
    Q_OBJECT
  public:
    explicit InductionExplorer(QWidget* parent = nullptr);
    void setN(long n);
    QString proofText() const;
    DotTriangle* picture() { return picture_; }

  private:
    void recompute();

    QSpinBox* n_ = nullptr;
    QCheckBox* copy_ = nullptr;
    DotTriangle* picture_ = nullptr;
    QTextBrowser* proof_ = nullptr;
};

} // namespace counting
