#pragma once

#include <QWidget>

class QSpinBox;
class QTextBrowser;

namespace signednumbers2 {

class ClockFace;

// Congruence modulo n on the clock: choose n, a and b (or click an hour for a); the residues,
// the walk round the clock and whether a &equiv; b (mod n), with the reasons.
class ClockExplorer : public QWidget {
    Q_OBJECT
  public:
    explicit ClockExplorer(QWidget* parent = nullptr);
    void setNumbers(long n, long a, long b);
    QString stepsText() const;

  private:
    void recompute();
    void moveAToHour(long hour);

    QSpinBox* modulus_ = nullptr;
    QSpinBox* first_ = nullptr;
    QSpinBox* second_ = nullptr;
    ClockFace* clock_ = nullptr;
    QTextBrowser* steps_ = nullptr;
};

} // namespace signednumbers2
