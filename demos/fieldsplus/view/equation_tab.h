#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QTextBrowser;

namespace fieldsplus {

// Type a, b, c and the modulus: a x + b = c solved step by step, with every solution (one in
// Z_p; none or several when the modulus is not prime and a has no inverse).
class EquationTab : public QWidget {
    Q_OBJECT
  public:
    explicit EquationTab(QWidget* parent = nullptr);
    void setEquation(const QString& a, const QString& b, const QString& c, const QString& n);
    QString resultText() const;
    QString messageText() const;

  private:
    void recompute();

    QLineEdit* a_ = nullptr;
    QLineEdit* b_ = nullptr;
    QLineEdit* c_ = nullptr;
    QLineEdit* n_ = nullptr;
    QLabel* message_ = nullptr;
    QTextBrowser* results_ = nullptr;
};

} // namespace fieldsplus
