#include "dataanalysis/view/chi_square_tab.h"

#include "dataanalysis/core/chi_square.h"
#include "dataanalysis/core/csv.h"
#include "dataanalysis/core/distributions.h"
#include "dataanalysis/core/number_text.h"
#include "dataanalysis/view/charts.h"
#include "kit/view/course_colours.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <exception>
#include <stdexcept>

namespace dataanalysis {

namespace {

const double levels[] = {0.10, 0.05, 0.01};

QString dec(double v, int places = 3) {
    return QString::fromStdString(decimalText(v, places));
}

QString dec(const mpq_class& v, int places = 3) {
    return QString::fromStdString(decimalText(v, places));
}

} // namespace

ChiSquareTab::ChiSquareTab(QWidget* parent)
    : QWidget(parent), test_(new QComboBox(this)), rows_(new QSpinBox(this)),
      columns_(new QSpinBox(this)), alpha_(new QComboBox(this)), table_(new QTableWidget(this)),
      results_(new QTextBrowser(this)), curve_(makeChartView("chiSquareCurve", this)) {
    test_->setObjectName("chiTest");
    test_->addItems({tr("Goodness of fit"), tr("Independence (r \u00d7 c table)")});
    rows_->setObjectName("chiRows");
    rows_->setRange(2, 8);
    columns_->setObjectName("chiColumns");
    columns_->setRange(2, 10);
    alpha_->setObjectName("chiAlpha");
    alpha_->addItems({"0.10", "0.05", "0.01"});
    alpha_->setCurrentIndex(1);
    table_->setObjectName("chiTable");
    results_->setObjectName("chiResults");
    // The choices in two rows across the top; below them, each across the whole width, the
    // table (a few short rows), the curve and the results.
    auto* choices = new QGridLayout;
    const auto choice = [&](int row, int column, const QString& text, QWidget* field) {
        auto* label = new QLabel(text, this);
        label->setBuddy(field);
        choices->addWidget(label, row, 2 * column);
        choices->addWidget(field, row, 2 * column + 1);
    };
    choice(0, 0, tr("&Test:"), test_);
    choice(0, 1, tr("Significance &level \u03b1:"), alpha_);
    choice(1, 0, tr("&Rows:"), rows_);
    choice(1, 1, tr("&Columns (categories):"), columns_);
    choices->setColumnStretch(1, 1);
    choices->setColumnStretch(3, 1);
    table_->horizontalHeader()->setMinimumSectionSize(44);
    table_->setMinimumHeight(80);
    curve_->setMinimumSize(300, 260);
    auto* whole = new QSplitter(Qt::Vertical, this);
    whole->addWidget(table_);
    whole->addWidget(curve_);
    whole->addWidget(results_);
    whole->setStretchFactor(1, 3);
    whole->setStretchFactor(2, 2);
    whole->setSizes({110, 300, 230});
    auto* column = new QVBoxLayout;
    column->addLayout(choices);
    column->addWidget(whole, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(column);
    connect(test_, &QComboBox::currentIndexChanged, this, &ChiSquareTab::chooseTest);
    connect(rows_, &QSpinBox::valueChanged, this, &ChiSquareTab::resizeTable);
    connect(columns_, &QSpinBox::valueChanged, this, &ChiSquareTab::resizeTable);
    connect(alpha_, &QComboBox::currentIndexChanged, this, &ChiSquareTab::recompute);
    connect(table_, &QTableWidget::cellChanged, this, [this] {
        if (!filling_)
            recompute();
    });
    chooseTest(0);
}

void ChiSquareTab::fill(const std::vector<std::vector<QString>>& cells) {
    filling_ = true;
    rows_->setValue(static_cast<int>(cells.size()));
    columns_->setValue(static_cast<int>(cells[0].size()));
    table_->setRowCount(static_cast<int>(cells.size()));
    table_->setColumnCount(static_cast<int>(cells[0].size()));
    for (std::size_t r = 0; r < cells.size(); ++r)
        for (std::size_t c = 0; c < cells[r].size(); ++c)
            table_->setItem(static_cast<int>(r), static_cast<int>(c),
                            new QTableWidgetItem(cells[r][c]));
    filling_ = false;
    resizeTable();
}

void ChiSquareTab::chooseTest(int index) {
    if (index == 0)
        fill({{"15", "25", "18", "22", "17", "23"}, {"1", "1", "1", "1", "1", "1"}});
    else
        fill({{"30", "20", "10"}, {"20", "25", "15"}});
}

void ChiSquareTab::resizeTable() {
    if (filling_)
        return;
    filling_ = true;
    const bool fit = test_->currentIndex() == 0;
    rows_->setEnabled(!fit);
    if (fit)
        rows_->setValue(2);
    table_->setRowCount(rows_->value());
    table_->setColumnCount(columns_->value());
    QStringList across, down;
    for (int c = 0; c < table_->columnCount(); ++c)
        across << (fit ? tr("%1").arg(QChar('A' + c)) : tr("column %1").arg(c + 1));
    for (int r = 0; r < table_->rowCount(); ++r)
        down << (fit ? (r == 0 ? tr("observed") : tr("expected")) : tr("row %1").arg(r + 1));
    table_->setHorizontalHeaderLabels(across);
    table_->setVerticalHeaderLabels(down);
    table_->resizeColumnsToContents(); // headings and counts both readable
    filling_ = false;
    recompute();
}

void ChiSquareTab::recompute() {
    try {
        std::vector<std::vector<mpq_class>> cells;
        for (int r = 0; r < table_->rowCount(); ++r) {
            cells.emplace_back();
            for (int c = 0; c < table_->columnCount(); ++c) {
                const QTableWidgetItem* item = table_->item(r, c);
                const std::string text = item ? item->text().trimmed().toStdString() : "";
                const QString where = tr("Row %1, column %2").arg(r + 1).arg(c + 1);
                if (text.empty())
                    throw std::invalid_argument((where + tr(" is empty")).toStdString());
                const auto value = parseDataValue(text);
                if (!value.ok())
                    throw std::invalid_argument(
                        (where + ": \"" + QString::fromStdString(text) + tr("\" is not a number"))
                            .toStdString());
                cells.back().push_back(value.value());
            }
        }
        const double alpha = levels[std::clamp(alpha_->currentIndex(), 0, 2)];
        const ChiSquareResult result = test_->currentIndex() == 0
                                           ? goodnessOfFit(cells[0], cells[1], alpha)
                                           : independence(cells, alpha);
        results_->setHtml(resultText(result));
        drawCurve(result);
    } catch (const std::exception& error) {
        results_->setHtml(
            QString("<p style='color:#aa1e1e'>%1.</p>").arg(QString::fromUtf8(error.what())));
    }
}

QString ChiSquareTab::resultText(const ChiSquareResult& result) const {
    const bool fit = test_->currentIndex() == 0;
    QString text = fit ? tr("<p><b>H<sub>0</sub></b>: the counts follow the expected "
                            "proportions. E = n &times; proportion.</p>")
                       : tr("<p><b>H<sub>0</sub></b>: rows and columns are independent. "
                            "E = row total &times; column total / grand total.</p>");
    text += tr("<table border=1 cellpadding=3 cellspacing=0><tr><th></th>");
    for (std::size_t c = 0; c < result.cells[0].size(); ++c)
        text += QString("<th>%1</th>")
                    .arg(fit ? QString(QChar('A' + static_cast<int>(c))) : tr("col %1").arg(c + 1));
    text += "</tr>";
    for (std::size_t r = 0; r < result.cells.size(); ++r) {
        text += QString("<tr><th>%1</th>")
                    .arg(fit ? tr("O / E / (O&minus;E)&sup2;/E") : tr("row %1").arg(r + 1));
        for (const ChiCell& cell : result.cells[r])
            text += QString("<td%1>%2 / %3 / %4</td>")
                        .arg(cell.expected < 5 ? " style='color:#aa1e1e'" : "", dec(cell.observed),
                             dec(cell.expected), dec(cell.contribution));
        text += "</tr>";
    }
    text += "</table>";
    text += tr("<p>&chi;&sup2; = &Sigma;(O &minus; E)&sup2;/E = <b>%1</b> &nbsp; degrees of "
               "freedom = %2 &nbsp; p-value = P(&chi;&sup2; &ge; %1) = %3 &nbsp; critical value "
               "at &alpha; = %4: %5</p>")
                .arg(dec(result.statistic))
                .arg(fit ? tr("k &minus; 1 = %1").arg(result.degreesOfFreedom)
                         : tr("(r &minus; 1)(c &minus; 1) = %1").arg(result.degreesOfFreedom))
                .arg(QString::fromStdString(pValueText(result.pValue)), dec(result.alpha),
                     dec(result.criticalValue));
    text += QString("<p><b>%1</b></p>").arg(QString::fromStdString(result.conclusion));
    if (!result.warning.empty())
        text +=
            QString("<p style='color:#aa1e1e'>%1</p>").arg(QString::fromStdString(result.warning));
    return text;
}

void ChiSquareTab::drawCurve(const ChiSquareResult& result) {
    auto* chart = new QChart;
    chart->setMargins(QMargins(6, 6, 10, 6));
    chart->setTitle(tr("\u03c7\u00b2 curve, %1 degrees of freedom").arg(result.degreesOfFreedom));
    const double df = result.degreesOfFreedom;
    const double statistic = result.statistic.get_d();
    // A round right end (nice numbers), so that the ticks are round numbers too.
    auto* x = new QValueAxis;
    x->setRange(0, std::max({result.criticalValue * 1.5, statistic * 1.1, df + 4}));
    x->setTickCount(6);
    x->applyNiceNumbers();
    x->setLabelFormat("%g");
    x->setTitleText(tr("\u03c7\u00b2"));
    const double right = x->max();
    auto* curve = new QLineSeries;
    curve->setName(tr("density"));
    curve->setPen(QPen(kit::pageColour(), 2));
    auto* tail = new QLineSeries;
    auto* base = new QLineSeries;
    double top = 0;
    const int steps = 300;
    for (int i = 0; i <= steps; ++i) {
        const double at = right * i / steps;
        const double y = chiSquareDensity(std::max(at, right / 2000), df);
        curve->append(at, y);
        if (at >= result.criticalValue) {
            tail->append(at, y);
            base->append(at, 0);
        }
        top = std::max(top, y);
    }
    // An area series does not own the lines that bound it: the chart deletes the area and
    // the area's children, so the bounds become its children.
    auto* region = new QAreaSeries(tail, base);
    tail->setParent(region);
    base->setParent(region);
    region->setName(tr("rejection region, \u03c7\u00b2 \u2265 %1").arg(dec(result.criticalValue)));
    region->setColor(QColor(kit::wrongColour().red(), kit::wrongColour().green(),
                            kit::wrongColour().blue(), 90));
    region->setBorderColor(kit::wrongColour());
    auto* marker = new QLineSeries;
    marker->setName(tr("statistic %1").arg(dec(statistic)));
    marker->setPen(QPen(kit::accentColour(), 2, Qt::DashLine));
    marker->append(statistic, 0);
    marker->append(statistic, top * 1.05);
    auto* y = new QValueAxis;
    y->setRange(0, top * 1.1);
    y->setLabelFormat("%.2f");
    y->setTitleText(tr("density"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* series : std::initializer_list<QAbstractSeries*>{region, curve, marker}) {
        chart->addSeries(series);
        series->attachAxis(x);
        series->attachAxis(y);
    }
    chart->legend()->setAlignment(Qt::AlignBottom);
    QFont small = chart->legend()->font();
    small.setPointSize(8);
    chart->legend()->setFont(small);
    QChart* old = curve_->chart();
    curve_->setChart(chart);
    delete old;
}

} // namespace dataanalysis
