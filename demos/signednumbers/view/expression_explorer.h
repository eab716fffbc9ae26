#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QTextBrowser;

namespace signednumbers {

// Type an integer expression; it is worked out one operation at a time in the order of
// operations as you type, each line with the rule used, or the error with its place.
class ExpressionExplorer : public QWidget {
    Q_OBJECT
  public:
    explicit ExpressionExplorer(QWidget* parent = nullptr);
    void setExpression(const QString& text);
    QString stepsText() const;

  private:
    void recompute();

    QLineEdit* field_ = nullptr;
    QLabel* message_ = nullptr;
    QTextBrowser* steps_ = nullptr;
};

} // namespace signednumbers
