#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QTextBrowser;

namespace dataanalysis {

class DataGrid;
class PointChart;

// The method of least squares: points typed in the grid or placed on the scatter plot, the
// line y = a + bx with the sums behind it, the residuals and their squares, r and r², and a
// prediction that warns outside the data's range.
class RegressionTab : public QWidget {
    Q_OBJECT
  public:
    explicit RegressionTab(QWidget* parent = nullptr);
    PointChart* chart() { return chart_; }
    DataGrid* grid() { return grid_; }

  public slots:
    void chooseExample(int index);

  private:
    void gridEdited();
    void chartEdited();
    void recompute();

    QComboBox* example_;
    DataGrid* grid_;
    PointChart* chart_;
    QTextBrowser* results_;
    QLineEdit* predictX_;
    QLabel* prediction_;
    bool syncing_ = false;
};

} // namespace dataanalysis
