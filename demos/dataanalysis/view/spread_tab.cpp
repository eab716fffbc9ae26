#include "dataanalysis/view/spread_tab.h"

#include "dataanalysis/core/number_text.h"
#include "dataanalysis/core/statistics.h"
#include "dataanalysis/view/charts.h"
#include "dataanalysis/view/data_grid.h"
#include "dataanalysis/view/grid_results.h"

#include <QChartView>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>

namespace dataanalysis {

namespace {

constexpr std::size_t exactLimit = 2000;
constexpr std::size_t zScoresShown = 25;
constexpr std::size_t outliersListed = 30;

QString dec(double v, int places = 4) {
    return QString::fromStdString(decimalText(v, places));
}

QString exact(const mpq_class& v) {
    return QString::fromStdString(exactText(v));
}

QString methodsTable(const std::vector<double>& sorted) {
    QString rows = QObject::tr("<table border=1 cellpadding=3 cellspacing=0><tr><th>method</th>"
                               "<th>Q1</th><th>Q3</th><th>IQR</th></tr>");
    for (QuartileMethod m : allQuartileMethods) {
        const double q1 = valueAt(sorted, quartilePosition(sorted.size(), 1, m));
        const double q3 = valueAt(sorted, quartilePosition(sorted.size(), 3, m));
        rows += QString("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td></tr>")
                    .arg(QString::fromStdString(methodName(m)), dec(q1), dec(q3), dec(q3 - q1));
    }
    return rows + "</table>";
}

// Every outlier while they are few; of many, how many and the most extreme on each side.
QString outlierText(const std::vector<double>& outliers) {
    if (outliers.empty())
        return QObject::tr("none");
    QStringList listed;
    if (outliers.size() <= outliersListed) {
        for (double v : outliers)
            listed << dec(v);
        return listed.join(", ");
    }
    return QObject::tr("%1 values beyond the fences, the lowest %2, the highest %3")
        .arg(outliers.size())
        .arg(dec(outliers.front()), dec(outliers.back()));
}

} // namespace

SpreadTab::SpreadTab(QWidget* parent)
    : QWidget(parent), method_(new QComboBox(this)), grid_(new DataGrid({tr("value")}, this)),
      results_(new QTextBrowser(this)), box_(makeChartView("boxPlotChart", this)) {
    method_->setObjectName("quartileMethod");
    for (const char* name : {"Halves, median left out", "Halves, median kept (Tukey)",
                             "Inclusive (QUARTILE.INC)", "Exclusive (QUARTILE.EXC)"})
        method_->addItem(tr(name));
    results_->setObjectName("spreadResults");
    auto* left = new QWidget(this);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    auto* form = new QFormLayout;
    form->addRow(tr("&Quartiles:"), method_);
    leftLayout->addLayout(form);
    leftLayout->addWidget(grid_, 1);
    auto* top = new QSplitter(Qt::Horizontal, this);
    top->addWidget(left);
    top->addWidget(box_);
    top->setStretchFactor(1, 1);
    auto* whole = new QSplitter(Qt::Vertical, this);
    whole->addWidget(top);
    whole->addWidget(results_);
    whole->setStretchFactor(1, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(whole);
    connect(method_, &QComboBox::currentIndexChanged, this, &SpreadTab::recompute);
    connect(grid_, &DataGrid::dataEdited, this, &SpreadTab::recompute);
    grid_->setRows({{"2"}, {"4"}, {"4"}, {"5"}, {"7"}, {"8"}, {"9"}, {"11"}, {"12"}, {"30"}});
}

void SpreadTab::recompute() {
    workOnGridNumbers(*grid_, *results_, tr("%1 values."), [this](const GridNumbers& table) {
        const auto& rows = table.value().rows;
        const auto method = allQuartileMethods[std::max(0, method_->currentIndex())];
        const std::vector<double>& values = table.decimals(0);
        // Sorted once: the summary, the other methods' quartiles all read this copy.
        std::vector<double> sorted = values;
        std::sort(sorted.begin(), sorted.end());
        const Summary s = summarizeSorted(sorted, method);
        QString text = tr("<p><b>n</b> = %1, <b>mean</b> x&#772; = %2, <b>range</b> = max "
                          "&minus; min = %3 &minus; %4 = %5</p>")
                           .arg(s.count)
                           .arg(dec(s.mean), dec(s.maximum), dec(s.minimum), dec(s.range));
        if (rows.size() <= exactLimit) {
            std::vector<mpq_class> exactValues;
            for (const auto& row : rows)
                exactValues.push_back(row[0]);
            const ExactSummary e = exactSummary(exactValues, method);
            text += tr("<p><b>Population variance</b> &sigma;&sup2; = &Sigma;(x &minus; "
                       "x&#772;)&sup2; / n = %1 &nbsp; <b>standard deviation</b> &sigma; = %2</p>")
                        .arg(exact(e.populationVariance), dec(s.populationSd));
            if (s.count > 1)
                text += tr("<p><b>Sample variance</b> s&sup2; = &Sigma;(x &minus; x&#772;)&sup2; "
                           "/ (n &minus; 1) = %1 &nbsp; <b>standard deviation</b> s = %2</p>")
                            .arg(exact(e.sampleVariance), dec(s.sampleSd));
        } else {
            text += tr("<p><b>Population</b> &sigma;&sup2; = %1, &sigma; = %2; <b>sample</b> "
                       "s&sup2; = %3, s = %4</p>")
                        .arg(dec(s.populationVariance), dec(s.populationSd), dec(s.sampleVariance),
                             dec(s.sampleSd));
        }
        text += tr("<p>Use &sigma; when the data are the whole population, s when they are a "
                   "sample from a larger one: dividing by n &minus; 1 makes up for the sample's "
                   "mean lying closer to its own values than the population mean does.</p>");
        text += tr("<p><b>Quartiles</b> (%1): %2</p>")
                    .arg(QString::fromStdString(methodName(method)),
                         QString::fromStdString(methodRule(method)));
        text += tr("<p><b>Five-number summary</b>: min %1, Q1 %2, median %3, Q3 %4, max %5; "
                   "<b>IQR</b> = Q3 &minus; Q1 = %6</p>")
                    .arg(dec(s.minimum), dec(s.q1), dec(s.median), dec(s.q3), dec(s.maximum),
                         dec(s.iqr));
        text += tr("<p><b>Fences</b> Q1 &minus; 1.5 IQR = %1 and Q3 + 1.5 IQR = %2; "
                   "<b>outliers</b>: %3</p>")
                    .arg(dec(s.lowerFence), dec(s.upperFence), outlierText(s.outliers));
        text += tr("<p><b>The methods compared</b> on these data:</p>") + methodsTable(sorted);
        const double sd = s.count > 1 ? s.sampleSd : s.populationSd;
        const std::vector<double> shown(
            values.begin(),
            values.begin() + static_cast<std::ptrdiff_t>(std::min(values.size(), zScoresShown)));
        const auto z = zScores(shown, s.mean, sd);
        QString zRow;
        for (std::size_t i = 0; i < z.size(); ++i)
            zRow += QString("<tr><td>%1</td><td>%2</td></tr>").arg(dec(shown[i]), dec(z[i], 3));
        text += tr("<p><b>z-scores</b> z = (x &minus; x&#772;) / s: how many standard deviations "
                   "a value lies from the mean%1</p><table border=1 cellpadding=2 "
                   "cellspacing=0><tr><th>x</th><th>z</th></tr>%2</table>")
                    .arg(values.size() > zScoresShown ? tr(" (the first %1)").arg(zScoresShown)
                                                      : QString(),
                         zRow);
        results_->setHtml(text);
        showBoxPlot(box_, tr("Box plot"), s);
    });
}

} // namespace dataanalysis
