#pragma once

#include <QWidget>

class QSpinBox;
class QTextBrowser;

namespace signednumbers2 {

// Choose a, b and c: every law of the ordered integral domain Z tried on them, and the parity
// of a, b, a + b and a &middot; b by the parity rules.
class DomainExplorer : public QWidget {
    Q_OBJECT
  public:
    explicit DomainExplorer(QWidget* parent = nullptr);
    void setNumbers(long a, long b, long c);
    QString lawsText() const;

  private:
    void recompute();

    QSpinBox* a_ = nullptr;
    QSpinBox* b_ = nullptr;
    QSpinBox* c_ = nullptr;
    QTextBrowser* laws_ = nullptr;
};

} // namespace signednumbers2
