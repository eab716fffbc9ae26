#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QSpinBox;
class QTextBrowser;

namespace counting {

// Type a numeral in one base and see it in another: place values (or Horner's scheme) to
// base ten, then repeated division into the new base, every step shown as you type.
class BaseExplorer : public QWidget {
    Q_OBJECT
  public:
    explicit BaseExplorer(QWidget* parent = nullptr);
    void setConversion(const QString& numeral, int from, int to);
    QString resultText() const;
    QString stepsText() const;

  private:
    void recompute();

    QLineEdit* numeral_ = nullptr;
    QSpinBox* from_ = nullptr;
    QSpinBox* to_ = nullptr;
    QLabel* result_ = nullptr;
    QTextBrowser* steps_ = nullptr;
};

} // namespace counting
