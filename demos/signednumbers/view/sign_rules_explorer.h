#pragma once

#include <QWidget>

class QLabel;
class QSpinBox;
class QTextBrowser;

namespace signednumbers {

// Two factors: the table of the four sign rules with the one that applies marked, the product
// with its reason, and the quotient with its check (or why there is no integer quotient).
class SignRulesExplorer : public QWidget {
    Q_OBJECT
  public:
    explicit SignRulesExplorer(QWidget* parent = nullptr);
    void setFactors(long a, long b);
    QString reasoningText() const;

  private:
    void recompute();

    QSpinBox* first_ = nullptr;
    QSpinBox* second_ = nullptr;
    QLabel* table_ = nullptr;
    QTextBrowser* reasoning_ = nullptr;
};

} // namespace signednumbers
