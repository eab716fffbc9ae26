#pragma once

#include <QWidget>

class QLineEdit;
class QSpinBox;
class QTextBrowser;

namespace decimals {

// A typed number rounded to a chosen number of decimal places and written in scientific
// notation with a chosen number of significant figures.
class RoundingTab : public QWidget {
    Q_OBJECT
  public:
    explicit RoundingTab(QWidget* parent = nullptr);

  private:
    void refresh();

    QLineEdit* number_;
    QSpinBox* places_;
    QSpinBox* figures_;
    QTextBrowser* result_;
};

} // namespace decimals
