#include "dataanalysis/view/sampling_tab.h"

#include "dataanalysis/core/number_text.h"
#include "dataanalysis/core/statistics.h"
#include "dataanalysis/view/charts.h"
#include "kit/view/course_colours.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QSpinBox>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QValueAxis>

#include <cmath>
#include <exception>

namespace dataanalysis {

namespace {

constexpr int distributionRepeats = 1000;

QString dec(double v, int places = 2) {
    return QString::fromStdString(decimalText(v, places));
}

void drawMap(QChartView* view, const std::vector<Person>& people, const Sample& sample) {
    auto* chart = new QChart;
    chart->setTitle(QObject::tr("The town (orange: the sample)"));
    chart->legend()->hide();
    chart->setMargins(QMargins(2, 2, 2, 2));
    auto* everyone = new QScatterSeries;
    everyone->setMarkerSize(4);
    everyone->setColor(QColor(160, 160, 160));
    everyone->setBorderColor(QColor(160, 160, 160));
    for (const Person& p : people)
        everyone->append(p.x, p.y);
    auto* chosen = new QScatterSeries;
    chosen->setMarkerSize(7);
    chosen->setColor(kit::accentColour());
    for (std::size_t i : sample.members)
        chosen->append(people[i].x, people[i].y);
    auto* x = new QValueAxis;
    auto* y = new QValueAxis;
    x->setRange(0, 100);
    y->setRange(0, 100);
    x->setTickCount(blockColumns + 1);
    y->setTickCount(blockRows + 1);
    x->setLabelsVisible(false);
    y->setLabelsVisible(false);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    // The district borders, thicker than the block grid.
    for (const auto& [from, to] : {std::pair{QPointF(50, 0), QPointF(50, 100)},
                                   std::pair{QPointF(0, 40), QPointF(100, 40)}}) {
        auto* border = new QLineSeries;
        border->setPen(QPen(kit::pageColour(), 2));
        border->append(from);
        border->append(to);
        chart->addSeries(border);
        border->attachAxis(x);
        border->attachAxis(y);
    }
    for (auto* series : {everyone, chosen}) {
        chart->addSeries(series);
        series->attachAxis(x);
        series->attachAxis(y);
    }
    QChart* old = view->chart();
    view->setChart(chart);
    delete old;
}

} // namespace

SamplingTab::SamplingTab(QWidget* parent)
    : QWidget(parent), population_(makePopulation(2026)), random_(1), method_(new QComboBox(this)),
      size_(new QSpinBox(this)), distributionSize_(new QSpinBox(this)),
      results_(new QTextBrowser(this)), map_(makeChartView("populationMap", this)),
      distribution_(makeChartView("samplingDistributionChart", this)),
      distributionSummary_(new QLabel(this)) {
    method_->setObjectName("samplingMethod");
    for (SamplingMethod m : allSamplingMethods)
        method_->addItem(QString::fromStdString(samplingName(m)));
    size_->setObjectName("sampleSize");
    size_->setRange(10, 600);
    size_->setValue(60);
    distributionSize_->setObjectName("distributionSize");
    distributionSize_->setRange(2, 400);
    distributionSize_->setValue(10);
    results_->setObjectName("samplingResults");
    auto* draw = new QPushButton(tr("&Draw a sample"), this);
    draw->setObjectName("drawButton");
    auto* repeat = new QPushButton(tr("Draw 1000 &samples"), this);
    repeat->setObjectName("distributionButton");
    std::vector<double> travel;
    for (const Person& p : population_)
        travel.push_back(p.travelMinutes);
    const Summary town = summarize(travel, QuartileMethod::Inclusive);
    populationMean_ = town.mean;
    populationSd_ = town.populationSd;

    auto* form = new QFormLayout;
    form->addRow(tr("&Method:"), method_);
    form->addRow(tr("Sample si&ze:"), size_);
    form->addRow(draw);
    form->addRow(tr("Si&ze of each sample:"), distributionSize_);
    form->addRow(repeat);
    auto* controls = new QWidget(this);
    auto* controlsLayout = new QVBoxLayout(controls);
    controlsLayout->setContentsMargins(0, 0, 0, 0);
    controlsLayout->addLayout(form);
    controlsLayout->addWidget(results_, 1);
    auto* top = new QSplitter(Qt::Horizontal, this);
    top->addWidget(controls);
    top->addWidget(map_);
    top->setStretchFactor(1, 1);
    auto* whole = new QSplitter(Qt::Vertical, this);
    whole->addWidget(top);
    auto* bottom = new QWidget(this);
    auto* bottomLayout = new QVBoxLayout(bottom);
    bottomLayout->setContentsMargins(0, 0, 0, 0);
    bottomLayout->addWidget(distribution_, 1);
    bottomLayout->addWidget(distributionSummary_);
    distributionSummary_->setWordWrap(true);
    distributionSummary_->setTextFormat(Qt::RichText);
    distributionSummary_->setObjectName("distributionSummary");
    whole->addWidget(bottom);
    whole->setStretchFactor(0, 3);
    whole->setStretchFactor(1, 2);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(whole);
    connect(draw, &QPushButton::clicked, this, &SamplingTab::drawSample);
    connect(method_, &QComboBox::currentIndexChanged, this, &SamplingTab::drawSample);
    connect(repeat, &QPushButton::clicked, this, &SamplingTab::buildDistribution);
    drawSample();
    buildDistribution();
}

void SamplingTab::drawSample() {
    try {
        const SamplingMethod method = allSamplingMethods[std::max(0, method_->currentIndex())];
        sample_ = dataanalysis::drawSample(population_, method,
                                           static_cast<std::size_t>(size_->value()), random_);
        const double mean = meanTravel(population_, sample_.members);
        int perDistrict[4] = {0, 0, 0, 0};
        for (std::size_t i : sample_.members)
            ++perDistrict[population_[i].district];
        QString districts;
        for (int d = 0; d < 4; ++d)
            districts += QString("<td>%1</td>").arg(perDistrict[d]);
        QString text =
            tr("<p>The town: %1 people, mean travel time &mu; = %2 minutes, &sigma; = %3.</p>"
               "<p><b>%4 sample</b> of %5: %6.</p><p>Sample mean x&#772; = %7 minutes "
               "(x&#772; &minus; &mu; = %8).</p><table border=1 cellpadding=2 "
               "cellspacing=0><tr><th></th><th>NW</th><th>NE</th><th>SW</th><th>SE</th></tr>"
               "<tr><th>sampled</th>%9</tr></table>")
                .arg(population_.size())
                .arg(dec(populationMean_), dec(populationSd_), method_->currentText())
                .arg(sample_.members.size())
                .arg(QString::fromStdString(sample_.howDrawn), dec(mean),
                     dec(mean - populationMean_), districts);
        if (method == SamplingMethod::Convenience)
            text += tr("<p style='color:#aa1e1e'><b>Bias.</b> Everyone near the centre is asked, "
                       "and they travel less than the town as a whole: the sample mean falls "
                       "short of &mu; every time, however large the sample. A bigger biased "
                       "sample is only more precisely wrong.</p>");
        results_->setHtml(text);
        drawMap(map_, population_, sample_);
    } catch (const std::exception& error) {
        results_->setHtml(QString::fromUtf8(error.what()));
    }
}

void SamplingTab::buildDistribution() {
    try {
        const auto n = static_cast<std::size_t>(distributionSize_->value());
        const auto means = samplingDistribution(population_, n, distributionRepeats, random_);
        const Summary s = summarize(means, QuartileMethod::Inclusive);
        const double predicted = populationSd_ / std::sqrt(static_cast<double>(n)) *
                                 std::sqrt(static_cast<double>(population_.size() - n) /
                                           static_cast<double>(population_.size() - 1));
        showHistogram(distribution_,
                      tr("Means of %1 samples of %2").arg(distributionRepeats).arg(n),
                      histogram(means, 15), tr("sample mean (minutes)"));
        distributionSummary_->setText(
            tr("The %1 means: mean %2 (the town's &mu; = %3), standard deviation %4. Predicted: "
               "&sigma;/&radic;n &middot; &radic;((N &minus; n)/(N &minus; 1)) = %5. Four times "
               "the sample size halves the spread.")
                .arg(distributionRepeats)
                .arg(dec(s.mean), dec(populationMean_), dec(s.populationSd), dec(predicted)));
    } catch (const std::exception& error) {
        results_->setHtml(QString::fromUtf8(error.what()));
    }
}

} // namespace dataanalysis
