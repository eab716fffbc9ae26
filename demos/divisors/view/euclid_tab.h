#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QTextBrowser;

namespace divisors {

// Type a and b: the Euclidean algorithm line by line (a = q b + r) with the running Bezout
// coefficients, the gcd, the identity gcd = x a + y b, the lcm and whether a and b are
// relatively prime; for small numbers the same from the factorisations.
class EuclidTab : public QWidget {
    Q_OBJECT
  public:
    explicit EuclidTab(QWidget* parent = nullptr);
    QString resultText() const;
    void setNumbers(const QString& a, const QString& b);

  private:
    void recompute();

    QLineEdit* first_ = nullptr;
    QLineEdit* second_ = nullptr;
    QLabel* message_ = nullptr;
    QTextBrowser* results_ = nullptr;
};

} // namespace divisors
