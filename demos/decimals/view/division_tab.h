#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QTextBrowser;

namespace decimals {

// Long division of p by q, digit by digit, with the remainders listed and the remainder that
// comes back marked; and the way back, from a repeating decimal to its fraction.
class DivisionTab : public QWidget {
    Q_OBJECT
  public:
    // The long division stops after this many digits: "too large for this demonstration".
    static constexpr unsigned long digitBudget = 5000;
    // Division lines listed in full; longer periods are summarised.
    static constexpr std::size_t listedLines = 60;

    explicit DivisionTab(QWidget* parent = nullptr);

  private:
    void divide();
    void convertBack();

    QLineEdit* numerator_;
    QLineEdit* denominator_;
    QLabel* result_;
    QTextBrowser* steps_;
    QLineEdit* decimal_;
    QTextBrowser* backSteps_;
};

} // namespace decimals
