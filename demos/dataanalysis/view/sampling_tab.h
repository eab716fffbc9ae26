#pragma once

#include "dataanalysis/core/sampling.h"

#include <QWidget>

class QChartView;
class QComboBox;
class QLabel;
class QSpinBox;
class QTextBrowser;

namespace dataanalysis {

// A town of 1,200 people on a map; each method's sample drawn and marked on it, its mean set
// against the town's; repeated simple random samples build the sampling distribution of the
// mean, whose spread shrinks as the samples grow.
class SamplingTab : public QWidget {
    Q_OBJECT
  public:
    explicit SamplingTab(QWidget* parent = nullptr);
    const std::vector<Person>& population() const { return population_; }
    const Sample& lastSample() const { return sample_; }

  public slots:
    void drawSample();
    void buildDistribution();

  private:
    std::vector<Person> population_;
    kit::Random random_;
    Sample sample_;
    double populationMean_ = 0, populationSd_ = 0;

    QComboBox* method_;
    QSpinBox* size_;
    QSpinBox* distributionSize_;
    QTextBrowser* results_;
    QChartView* map_;
    QChartView* distribution_;
    QLabel* distributionSummary_;
};

} // namespace dataanalysis
