#pragma once

#include <QWidget>

class QChartView;
class QComboBox;
class QSpinBox;
class QTableWidget;
class QTextBrowser;

namespace dataanalysis {

struct ChiSquareResult;

// The chi-square test: goodness of fit (observed counts against expected counts or
// proportions) or independence in an r x c table; expected counts, each cell's contribution,
// degrees of freedom, p-value, critical value at the chosen level, the conclusion in words and
// the chi-square curve with the rejection region and the statistic.
class ChiSquareTab : public QWidget {
    Q_OBJECT
  public:
    explicit ChiSquareTab(QWidget* parent = nullptr);
    QTableWidget* table() { return table_; }

  public slots:
    void recompute();

  private:
    void chooseTest(int index);
    void resizeTable();
    void fill(const std::vector<std::vector<QString>>& cells);
    QString resultText(const ChiSquareResult& result) const;
    void drawCurve(const ChiSquareResult& result);

    QComboBox* test_;
    QSpinBox* rows_;
    QSpinBox* columns_;
    QComboBox* alpha_;
    QTableWidget* table_;
    QTextBrowser* results_;
    QChartView* curve_;
    bool filling_ = false;
};

} // namespace dataanalysis
