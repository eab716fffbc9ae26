#include "dataanalysis/view/regression_tab.h"

#include "dataanalysis/core/least_squares.h"
#include "dataanalysis/core/number_text.h"
#include "dataanalysis/view/data_grid.h"
#include "dataanalysis/view/point_chart.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <exception>

namespace dataanalysis {

namespace {

QString dec(double v, int places = 4) {
    return QString::fromStdString(decimalText(v, places));
}

std::vector<CsvRow> rowsOf(const std::vector<DataPoint>& points) {
    std::vector<CsvRow> rows;
    for (const auto& p : points)
        rows.push_back({decimalText(p.x, 4), decimalText(p.y, 4)});
    return rows;
}

std::vector<DataPoint> studyHours() {
    return {{1, 52}, {2, 55}, {3, 61}, {4, 60}, {5, 68}, {6, 71}, {7, 75}, {8, 79}};
}

} // namespace

RegressionTab::RegressionTab(QWidget* parent)
    : QWidget(parent), example_(new QComboBox(this)), grid_(new DataGrid({"x", "y"}, this)),
      chart_(new PointChart(this)), results_(new QTextBrowser(this)),
      predictX_(new QLineEdit(this)), prediction_(new QLabel(this)) {
    example_->setObjectName("regressionExample");
    example_->addItems({tr("Hours of study and marks"), tr("Anscombe I"), tr("Anscombe II"),
                        tr("Anscombe III"), tr("Anscombe IV"), tr("Empty: place your own")});
    results_->setObjectName("regressionResults");
    predictX_->setObjectName("predictField");
    predictX_->setPlaceholderText(tr("an x value"));
    prediction_->setObjectName("predictionLabel");
    prediction_->setWordWrap(true);
    auto* form = new QFormLayout;
    form->addRow(tr("&Example:"), example_);
    form->addRow(tr("&Predict y at x ="), predictX_);
    auto* left = new QWidget(this);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addLayout(form);
    auto* hint = new QLabel(tr("On the plot: click empty ground to add a point, drag a point to "
                               "move it, right-click a point to delete it."),
                            this);
    hint->setWordWrap(true);
    leftLayout->addWidget(hint);
    leftLayout->addWidget(prediction_);
    leftLayout->addWidget(grid_, 1);
    auto* top = new QSplitter(Qt::Horizontal, this);
    top->addWidget(left);
    top->addWidget(chart_);
    top->setStretchFactor(1, 1);
    auto* whole = new QSplitter(Qt::Vertical, this);
    whole->addWidget(top);
    whole->addWidget(results_);
    whole->setStretchFactor(0, 3);
    whole->setStretchFactor(1, 2);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(whole);
    connect(example_, &QComboBox::currentIndexChanged, this, &RegressionTab::chooseExample);
    connect(grid_, &DataGrid::dataEdited, this, &RegressionTab::gridEdited);
    connect(chart_, &PointChart::pointsEdited, this, &RegressionTab::chartEdited);
    connect(predictX_, &QLineEdit::textChanged, this, &RegressionTab::recompute);
    chooseExample(0);
}

void RegressionTab::chooseExample(int index) {
    std::vector<DataPoint> points;
    if (index == 0)
        points = studyHours();
    else if (index >= 1 && index <= 4)
        points = anscombe(index);
    grid_->setRows(rowsOf(points));
}

void RegressionTab::gridEdited() {
    if (syncing_)
        return;
    const auto& table = grid_->numbers();
    if (!table.ok()) {
        grid_->showMessage(QString::fromStdString(table.error().message), true);
        return;
    }
    std::vector<DataPoint> points;
    for (const auto& row : table.value().rows)
        points.push_back({row[0].get_d(), row[1].get_d()});
    chart_->setPoints(points);
    grid_->showMessage(tr("%1 points.").arg(points.size()), false);
    recompute();
}

void RegressionTab::chartEdited() {
    syncing_ = true;
    grid_->setRows(rowsOf(chart_->points()));
    syncing_ = false;
    grid_->showMessage(tr("%1 points.").arg(chart_->points().size()), false);
    recompute();
}

void RegressionTab::recompute() {
    const auto& points = chart_->points();
    try {
        const Regression fit = fitLine(points);
        chart_->showLine(&fit);
        QString text =
            tr("<p><b>The sums</b> (n = %1): &Sigma;x = %2, &Sigma;y = %3, &Sigma;x&sup2; = %4, "
               "&Sigma;xy = %5, &Sigma;y&sup2; = %6</p>"
               "<p>x&#772; = %7, y&#772; = %8; S<sub>xx</sub> = &Sigma;x&sup2; &minus; "
               "(&Sigma;x)&sup2;/n = %9, ")
                .arg(fit.n)
                .arg(dec(fit.sumX), dec(fit.sumY), dec(fit.sumXX), dec(fit.sumXY), dec(fit.sumYY),
                     dec(fit.meanX), dec(fit.meanY), dec(fit.sxx));
        text += tr("S<sub>xy</sub> = &Sigma;xy &minus; &Sigma;x&Sigma;y/n = %1, S<sub>yy</sub> = "
                   "%2</p><p><b>Slope</b> b = S<sub>xy</sub> / S<sub>xx</sub> = %3 &nbsp; "
                   "<b>intercept</b> a = y&#772; &minus; b x&#772; = %4</p>"
                   "<p style='font-size:large'><b>y = %5 %6 %7x</b></p>")
                    .arg(dec(fit.sxy), dec(fit.syy), dec(fit.slope), dec(fit.intercept),
                         dec(fit.intercept, 3), fit.slope < 0 ? "&minus;" : "+",
                         dec(std::abs(fit.slope), 3));
        if (fit.rDefined)
            text += tr("<p><b>Correlation</b> r = S<sub>xy</sub> / &radic;(S<sub>xx</sub> "
                       "S<sub>yy</sub>) = %1, <b>r&sup2;</b> = %2: the line accounts for %3% "
                       "of the variation in y.</p>")
                        .arg(dec(fit.r), dec(fit.rSquared), dec(100 * fit.rSquared, 1));
        else
            text +=
                tr("<p>All y are equal: r is undefined (there is no variation to explain).</p>");
        QString residuals;
        for (std::size_t i = 0; i < std::min<std::size_t>(points.size(), 30); ++i)
            residuals += QString("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td></tr>")
                             .arg(dec(points[i].x), dec(points[i].y), dec(fit.residuals[i]),
                                  dec(fit.residuals[i] * fit.residuals[i]));
        text += tr("<p><b>Residuals</b> e = y &minus; (a + bx), the dashed segments; the line "
                   "makes &Sigma;e&sup2; = %1 as small as any line can.</p><table border=1 "
                   "cellpadding=2 cellspacing=0><tr><th>x</th><th>y</th><th>e</th>"
                   "<th>e&sup2;</th></tr>%2</table>")
                    .arg(dec(fit.sumSquaredResiduals), residuals);
        results_->setHtml(text);
        const QString typed = predictX_->text().trimmed();
        if (typed.isEmpty()) {
            prediction_->clear();
        } else if (const auto x = parseDataValue(typed.toStdString()); !x.ok()) {
            prediction_->setText(QString::fromStdString(x.error().message));
        } else {
            const Prediction p = predict(fit, points, x.value().get_d());
            prediction_->setText(
                tr("y &asymp; %1 + %2 &middot; %3 = <b>%4</b>")
                    .arg(dec(fit.intercept, 3), dec(fit.slope, 3),
                         QString::fromStdString(decimalText(x.value(), 4)), dec(p.y, 3)) +
                (p.warning.empty() ? QString()
                                   : "<br><span style='color:#aa1e1e'>" +
                                         QString::fromStdString(p.warning) + "</span>"));
        }
    } catch (const std::exception& error) {
        chart_->showLine(nullptr);
        results_->setHtml(tr("<p>%1.</p>").arg(QString::fromUtf8(error.what())));
        prediction_->clear();
    }
}

} // namespace dataanalysis
