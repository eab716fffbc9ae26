#pragma once

#include <QWidget>

class QChartView;
class QComboBox;
class QTextBrowser;

namespace dataanalysis {

class DataGrid;

// Range, population and sample variance and standard deviation, quartiles by a chosen method
// beside the other methods, the five-number summary, a box plot with its outliers, z-scores.
class SpreadTab : public QWidget {
    Q_OBJECT
  public:
    explicit SpreadTab(QWidget* parent = nullptr);
    DataGrid* grid() { return grid_; }

  public slots:
    void recompute();

  private:
    QComboBox* method_;
    DataGrid* grid_;
    QTextBrowser* results_;
    QChartView* box_;
};

} // namespace dataanalysis
