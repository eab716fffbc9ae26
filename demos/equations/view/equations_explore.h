#pragma once

#include <QTabWidget>

namespace equations {

class PolynomialTab;
class InequalityTab;

// The explore area: a polynomial with its factors and roots, and inequalities with their sign
// charts.
class EquationsExplore : public QTabWidget {
    Q_OBJECT
  public:
    explicit EquationsExplore(QWidget* parent = nullptr);
    PolynomialTab* polynomialTab() { return polynomial_; }
    InequalityTab* inequalityTab() { return inequality_; }

  private:
    PolynomialTab* polynomial_;
    InequalityTab* inequality_;
};

} // namespace equations
