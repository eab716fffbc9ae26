#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QTextBrowser;

namespace collections {

// Subsets, the power set and the Cartesian product of typed rosters: P(S) listed by size with
// |P(S)| = 2^n, A × B listed with |A × B| = |A| · |B|, and whether A ⊆ B.
class SubsetsTab : public QWidget {
    Q_OBJECT
  public:
    explicit SubsetsTab(QWidget* parent = nullptr);
    void setSets(const QString& s, const QString& a, const QString& b);
    QString powerSetText() const;
    QString productText() const;

  private:
    void showPowerSet();
    void showProduct();

    QLineEdit* s_ = nullptr;
    QLineEdit* a_ = nullptr;
    QLineEdit* b_ = nullptr;
    QTextBrowser* powerSet_ = nullptr;
    QTextBrowser* product_ = nullptr;
};

} // namespace collections
