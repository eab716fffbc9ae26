#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QTextBrowser;

namespace divisors {

class DivisorPicture;

// Type n: its prime factorisation, the number and sum of its divisors from the exponents, the
// divisors and their pairs, and the picture of n squares in rows of a draggable width.
class DivisorsTab : public QWidget {
    Q_OBJECT
  public:
    explicit DivisorsTab(QWidget* parent = nullptr);
    QString resultText() const;
    void setNumberText(const QString& text);

  private:
    void recompute();
    void describeWidth(long a);
    // After a typing error or a number too hard to factor: no stale picture or results.
    void showNothing();

    QLineEdit* numberField_ = nullptr;
    QLabel* message_ = nullptr;
    DivisorPicture* picture_ = nullptr;
    QLabel* widthLine_ = nullptr;
    QTextBrowser* results_ = nullptr;
};

} // namespace divisors
