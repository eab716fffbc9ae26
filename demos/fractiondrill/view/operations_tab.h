#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QTextBrowser;

namespace fractiondrill {

class FractionPicture;

// Two typed fractions (or mixed numbers or decimals), an operation and its worked solution;
// the two drawn over their common denominator, how they compare, and a fraction between them.
class OperationsTab : public QWidget {
    Q_OBJECT
  public:
    explicit OperationsTab(QWidget* parent = nullptr);

  private:
    void refresh();

    QLineEdit* first_;
    QLineEdit* second_;
    QComboBox* operation_;
    QLabel* error_;
    FractionPicture* picture_;
    QTextBrowser* work_;
};

} // namespace fractiondrill
