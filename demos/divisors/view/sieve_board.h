#pragma once

#include "divisors/core/sieve.h"

#include <QWidget>

namespace divisors {

// The numbers 1 to the limit in rows, as the sieve has left them after a given number of
// cross-outs: crossed numbers grey and struck through, primes found on the page blue, the
// prime being used and the number just crossed marked.
class SieveBoard : public QWidget {
    Q_OBJECT
  public:
    explicit SieveBoard(QWidget* parent = nullptr);

    void setSieve(const Sieve* sieve);
    // Shows the state after step `step` has crossed out `crossed` of its multiples.
    void setProgress(int step, int crossed);
    QSize minimumSizeHint() const override { return {260, 200}; }

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    int columns() const;
    bool crossedYet(int k) const;

    const Sieve* sieve_ = nullptr;
    int step_ = 0;
    int crossed_ = 0;
};

} // namespace divisors
