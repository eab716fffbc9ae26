#pragma once

#include <QWidget>

#include <gmpxx.h>
#include <vector>

class QChartView;
class QComboBox;
class QLineEdit;
class QTextBrowser;

namespace dataanalysis {

class DataGrid;

// The mean, median and mode of a list of values, a frequency table (or weights) or grouped
// data, with a histogram and a dot plot, and the effect of one added value (an outlier).
class CentreTab : public QWidget {
    Q_OBJECT
  public:
    explicit CentreTab(QWidget* parent = nullptr);
    DataGrid* grid() { return grid_; }

  public slots:
    void recompute();

  private:
    void chooseInput(int index);
    QString listResults(const std::vector<std::vector<mpq_class>>& rows,
                        const std::vector<double>& values);
    QString tableResults(const std::vector<std::vector<mpq_class>>& rows);
    QString groupedResults(const std::vector<std::vector<mpq_class>>& rows);

    QComboBox* input_;
    DataGrid* grid_;
    QLineEdit* outlier_;
    QTextBrowser* results_;
    QChartView* histogram_;
    QChartView* dots_;
};

} // namespace dataanalysis
