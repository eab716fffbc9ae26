#include "dataanalysis/view/centre_tab.h"

#include "dataanalysis/core/number_text.h"
#include "dataanalysis/core/statistics.h"
#include "dataanalysis/view/charts.h"
#include "dataanalysis/view/data_grid.h"
#include "dataanalysis/view/grid_results.h"

#include <QChartView>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

namespace dataanalysis {

namespace {

QString html(const std::string& text) {
    return QString::fromStdString(text);
}

QString exact(const mpq_class& v) {
    return html(exactText(v));
}

// Exact answers only where they stay readable; a long list gets decimals.
constexpr std::size_t exactLimit = 2000;

QString modeText(const Mode& mode) {
    if (mode.values.empty())
        return QObject::tr("none (every value occurs equally often)");
    QStringList values;
    for (double v : mode.values)
        values << html(decimalText(v, 6));
    return values.join(", ") + QObject::tr(" (occurs %1 times)").arg(mode.frequency) +
           (mode.values.size() > 1 ? QObject::tr(": the data are multimodal") : QString());
}

// Classes of one width, each beginning where the one before ends, with whole frequencies: a
// histogram whose axis is marked at the class borders. Other classes are drawn as labelled bars.
std::optional<std::vector<HistogramBin>> equalClasses(const std::vector<DataClass>& classes) {
    std::vector<HistogramBin> bins;
    for (std::size_t i = 0; i < classes.size(); ++i) {
        const DataClass& c = classes[i];
        const bool joined = i == 0 || c.lower == classes[i - 1].upper;
        const bool sameWidth = c.upper - c.lower == classes[0].upper - classes[0].lower;
        if (!joined || !sameWidth || c.frequency.get_den() != 1 ||
            !c.frequency.get_num().fits_ulong_p())
            return std::nullopt;
        bins.push_back({c.lower.get_d(), c.upper.get_d(), c.frequency.get_num().get_ui()});
    }
    return bins;
}

} // namespace

CentreTab::CentreTab(QWidget* parent)
    : QWidget(parent), input_(new QComboBox(this)), grid_(new DataGrid({tr("value")}, this)),
      outlier_(new QLineEdit(this)), results_(new QTextBrowser(this)),
      histogram_(makeChartView("histogramChart", this)),
      dots_(makeChartView("dotPlotChart", this)) {
    input_->setObjectName("centreInput");
    input_->addItems({tr("List of values"), tr("Frequency table"), tr("Grouped data")});
    input_->setToolTip(tr("A list of values; a frequency table of values with their frequencies "
                          "(or weights); grouped data: classes from, to and their frequencies"));
    outlier_->setObjectName("outlierField");
    outlier_->setPlaceholderText(tr("e.g. 500"));
    results_->setObjectName("centreResults");
    auto* left = new QWidget(this);
    auto* form = new QFormLayout;
    form->addRow(tr("&Data:"), input_);
    form->addRow(tr("&Add one value:"), outlier_);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addLayout(form);
    leftLayout->addWidget(grid_, 1);
    auto* charts = new QSplitter(Qt::Horizontal, this);
    charts->addWidget(histogram_);
    charts->addWidget(dots_);
    auto* top = new QSplitter(Qt::Horizontal, this);
    top->addWidget(left);
    top->addWidget(results_);
    top->setStretchFactor(1, 1);
    auto* whole = new QSplitter(Qt::Vertical, this);
    whole->addWidget(top);
    whole->addWidget(charts);
    whole->setStretchFactor(1, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(whole);
    connect(input_, &QComboBox::currentIndexChanged, this, &CentreTab::chooseInput);
    connect(grid_, &DataGrid::dataEdited, this, &CentreTab::recompute);
    connect(outlier_, &QLineEdit::textChanged, this, &CentreTab::recompute);
    grid_->setRows(
        {{"12"}, {"15"}, {"11"}, {"15"}, {"18"}, {"14"}, {"15"}, {"20"}, {"13"}, {"17"}});
}

void CentreTab::chooseInput(int index) {
    if (index == 1) {
        grid_->setHeadings({tr("value"), tr("frequency")});
        grid_->setRows({{"1", "4"}, {"2", "7"}, {"3", "5"}, {"4", "3"}, {"5", "1"}});
    } else if (index == 2) {
        grid_->setHeadings({tr("from"), tr("to"), tr("frequency")});
        grid_->setRows({{"0", "10", "3"},
                        {"10", "20", "8"},
                        {"20", "30", "12"},
                        {"30", "40", "5"},
                        {"40", "50", "2"}});
    } else {
        grid_->setHeadings({tr("value")});
        grid_->setRows(
            {{"12"}, {"15"}, {"11"}, {"15"}, {"18"}, {"14"}, {"15"}, {"20"}, {"13"}, {"17"}});
    }
}

void CentreTab::recompute() {
    workOnGridNumbers(*grid_, *results_, tr("%1 rows."), [this](const GridNumbers& table) {
        const auto& rows = table.value().rows;
        switch (input_->currentIndex()) {
        case 1:
            results_->setHtml(tableResults(rows));
            break;
        case 2:
            results_->setHtml(groupedResults(rows));
            break;
        default:
            results_->setHtml(listResults(rows, table.decimals(0)));
        }
    });
}

QString CentreTab::listResults(const std::vector<std::vector<mpq_class>>& rows,
                               const std::vector<double>& values) {
    // Sorted once: the summary, the histogram and the dot plot all read this copy.
    std::vector<double> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    const Summary s = summarizeSorted(sorted, QuartileMethod::HalvesWithoutMedian);
    QString text = tr("<p><b>n</b> = %1 &nbsp; <b>&Sigma;x</b> = %2</p>")
                       .arg(s.count)
                       .arg(html(decimalText(s.sum, 6)));
    if (rows.size() <= exactLimit) {
        std::vector<mpq_class> exactValues;
        for (const auto& row : rows)
            exactValues.push_back(row[0]);
        const ExactSummary e = exactSummary(exactValues, QuartileMethod::HalvesWithoutMedian);
        text += tr("<p><b>Mean</b> x&#772; = &Sigma;x / n = %1 / %2 = %3</p><p><b>Median</b> "
                   "(middle of the sorted list) = %4</p>")
                    .arg(html(fractionText(e.sum)))
                    .arg(s.count)
                    .arg(exact(e.mean), exact(e.median));
    } else {
        text += tr("<p><b>Mean</b> x&#772; = %1</p><p><b>Median</b> = %2</p>")
                    .arg(html(decimalText(s.mean, 6)), html(decimalText(s.median, 6)));
    }
    text += tr("<p><b>Mode</b>: %1</p>").arg(modeText(s.mode));
    const QString added = outlier_->text().trimmed();
    if (!added.isEmpty()) {
        const auto value = parseDataValue(added.toStdString());
        if (!value.ok()) {
            text += tr("<p style='color:#aa1e1e'>The added value: %1</p>")
                        .arg(html(value.error().message));
        } else {
            const double v = value.value().get_d();
            sorted.insert(std::upper_bound(sorted.begin(), sorted.end(), v), v);
            const Summary w = summarizeSorted(sorted, QuartileMethod::HalvesWithoutMedian);
            text += tr("<p><b>With %1 added</b>: mean %2 (moved by %3), median %4 (moved by %5), "
                       "mode %6. One extreme value pulls the mean towards it; the median "
                       "hardly moves and the mode not at all.</p>")
                        .arg(added, html(decimalText(w.mean, 4)),
                             html(decimalText(w.mean - s.mean, 4)), html(decimalText(w.median, 4)),
                             html(decimalText(w.median - s.median, 4)), modeText(w.mode));
        }
    }
    showHistogram(histogram_, tr("Histogram"), histogramOfSorted(sorted), tr("value"));
    showDotPlot(dots_, tr("Dot plot"), dotPlotOfSorted(sorted, maxDots));
    return text;
}

QString CentreTab::tableResults(const std::vector<std::vector<mpq_class>>& rows) {
    std::vector<WeightedValue> table;
    QStringList labels;
    std::vector<double> heights;
    mpq_class fx = 0, f = 0;
    for (const auto& row : rows) {
        table.push_back({row[0], row[1]});
        labels << html(decimalText(row[0], 4));
        heights.push_back(row[1].get_d());
        fx += row[0] * row[1];
        f += row[1];
    }
    if (f <= 0)
        return tr("<p>The frequencies add up to 0: there is nothing to average.</p>");
    QString text =
        tr("<p><b>Mean</b> x&#772; = &Sigma;f x / &Sigma;f = %1 / %2 = %3</p>")
            .arg(html(fractionText(fx)), html(fractionText(f)), exact(weightedMean(table)));
    bool whole = true;
    for (const auto& row : table)
        whole = whole && row.weight >= 0 && row.weight.get_den() == 1;
    if (whole) {
        text += tr("<p><b>Median</b> (the middle one of the %1 values) = %2</p>")
                    .arg(html(f.get_str()), exact(frequencyMedian(table)));
        std::size_t best = 0;
        for (std::size_t i = 1; i < table.size(); ++i)
            if (table[i].weight > table[best].weight)
                best = i;
        text += tr("<p><b>Mode</b>: the value with the highest frequency, %1</p>")
                    .arg(exact(table[best].value));
    } else {
        text += tr("<p>The second column holds weights, not whole counts: this is a "
                   "<b>weighted mean</b>; the median and mode need whole frequencies.</p>");
    }
    showBars(histogram_, tr("Frequencies"), labels, heights, tr("frequency"));
    std::vector<std::pair<double, std::size_t>> counts;
    for (const auto& row : table)
        if (whole && row.weight.get_num().fits_ulong_p())
            counts.emplace_back(row.value.get_d(), row.weight.get_num().get_ui());
    showDotPlot(dots_, tr("Dot plot"), dotPlotOfCounts(counts, maxDots));
    return text;
}

QString CentreTab::groupedResults(const std::vector<std::vector<mpq_class>>& rows) {
    std::vector<DataClass> classes;
    QStringList labels;
    std::vector<double> heights;
    QString mids;
    for (const auto& row : rows) {
        classes.push_back({row[0], row[1], row[2]});
        labels << html(decimalText(row[0], 3) + "\u2013" + decimalText(row[1], 3));
        heights.push_back(row[2].get_d());
        mids += (mids.isEmpty() ? "" : ", ") + exact((row[0] + row[1]) / 2);
    }
    const std::size_t modal = modalClass(classes);
    QString text =
        tr("<p>Class mid-points: %1</p><p><b>Estimated mean</b> = &Sigma;f m / &Sigma;f = %2 "
           "(each value is taken to lie at its class mid-point)</p><p><b>Estimated median</b> "
           "= L + (n/2 &minus; F) / f &middot; w = %3</p><p><b>Modal class</b>: %4</p>")
            .arg(mids, exact(groupedMean(classes)), exact(groupedMedian(classes)),
                 labels[static_cast<int>(modal)]);
    if (const auto bins = equalClasses(classes))
        showHistogram(histogram_, tr("Histogram of the classes"), *bins, tr("value"));
    else
        showBars(histogram_, tr("Frequencies of the classes"), labels, heights, tr("frequency"));
    // Each class's values stacked at its mid-point, as the estimated mean takes them.
    std::vector<std::pair<double, std::size_t>> atMidPoints;
    for (const auto& c : classes)
        if (c.frequency.get_den() == 1 && c.frequency.get_num().fits_ulong_p())
            atMidPoints.emplace_back(mpq_class((c.lower + c.upper) / 2).get_d(),
                                     c.frequency.get_num().get_ui());
    showDotPlot(dots_, tr("Class mid-points"), dotPlotOfCounts(atMidPoints, maxDots));
    return text;
}

} // namespace dataanalysis
