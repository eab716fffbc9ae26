#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QTextBrowser;

namespace counting {

// Type a natural number: every divisibility rule (2, 3, 4, 5, 6, 8, 9, 10, 11) applied to its
// digits, with why the rule works and the verdict.
class DivisibilityExplorer : public QWidget {
    Q_OBJECT
  public:
    explicit DivisibilityExplorer(QWidget* parent = nullptr);
    void setNumber(const QString& text);
    QString rulesText() const;
    QString summaryText() const;

  private:
    void recompute();

    QLineEdit* number_ = nullptr;
    QLabel* summary_ = nullptr;
    QTextBrowser* rules_ = nullptr;
};

} // namespace counting
