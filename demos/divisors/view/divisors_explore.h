#pragma once

#include <QTabWidget>

namespace divisors {

class DivisorsTab;
class SieveTab;
class EuclidTab;

// The explore area: divisors and factorisation, the sieve, and gcd/lcm by Euclid.
class DivisorsExplore : public QTabWidget {
    Q_OBJECT
  public:
    explicit DivisorsExplore(QWidget* parent = nullptr);
    DivisorsTab* divisorsTab() { return divisors_; }
    SieveTab* sieveTab() { return sieve_; }
    EuclidTab* euclidTab() { return euclid_; }

  private:
    DivisorsTab* divisors_;
    SieveTab* sieve_;
    EuclidTab* euclid_;
};

} // namespace divisors
