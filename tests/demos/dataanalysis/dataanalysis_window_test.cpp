// The five parts through their real widgets: typed data, a refused cell, an added outlier, the
// quartile methods, the sampling methods, points placed, dragged and deleted on the scatter
// plot, the chi-square tables; and every exercise kind answered wrong then right.
#include "dataanalysis/view/data_grid.h"
#include "dataanalysis/view/dataanalysis_definition.h"
#include "dataanalysis/view/dataanalysis_explore.h"
#include "dataanalysis/view/point_chart.h"
#include "dataanalysis/view/sampling_tab.h"

#include "window_checks.h"

#include <QAbstractSeries>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QRegularExpression>
#include <QScatterSeries>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

using namespace dataanalysis;

namespace {

struct DataAnalysisWindow : demo_test::DemoWindowTest<DataAnalysisExplore, demoDefinition, 11> {
    QString label(const char* name) {
        auto* l = find<QLabel>(name);
        return l ? demo_test::plainText(l) : QString();
    }
    DataGrid* gridOf(int tab) {
        auto* tabs = window.findChild<QTabWidget*>("explore");
        tabs->setCurrentIndex(tab);
        return tabs->currentWidget()->findChild<DataGrid*>();
    }
    // Types into a cell of a data grid as a learner does: the view's editor opened on the cell,
    // the old text selected and typed over, Return to commit.
    static void type(DataGrid* grid, int row, int column, const QString& value) {
        QTableView* view = grid->view();
        const QModelIndex cell = view->model()->index(row, column);
        view->setCurrentIndex(cell);
        view->edit(cell);
        auto* editor = qobject_cast<QLineEdit*>(view->indexWidget(cell));
        if (!editor)
            editor = view->viewport()->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr) << "no editor opened on row " << row;
        editor->selectAll();
        QTest::keyClicks(editor, value);
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents(); // the delegate commits the text in a queued call
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the closed editor
    }
    // What the grid's view shows in a cell.
    static QString shown(DataGrid* grid, int row, int column) {
        return grid->view()->model()->index(row, column).data().toString();
    }
    static void typeInto(QTableWidget* table, int row, int column, const QString& value) {
        table->setItem(row, column, new QTableWidgetItem(value));
    }
    static int seriesCount(const char* name, QWidget& in) {
        auto* view = in.findChild<QChartView*>(name);
        return view && view->chart() ? static_cast<int>(view->chart()->series().size()) : -1;
    }
};

void writeFile(const QString& path, const QString& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QTextStream(&file) << content;
}

} // namespace

TEST_F(DataAnalysisWindow, CentreFollowsTheGridAndShowsTheOutliersPull) {
    EXPECT_TRUE(browserText("centreResults").contains("= 150 / 10 = 15"))
        << browserText("centreResults").toStdString();
    DataGrid* grid = gridOf(0);
    type(grid, 0, 0, "13"); // the sum becomes 151
    EXPECT_TRUE(browserText("centreResults").contains("151/10 = 15.1"))
        << browserText("centreResults").toStdString();
    auto* outlier = window.findChild<QLineEdit*>("outlierField");
    QTest::keyClicks(outlier, "150");
    EXPECT_TRUE(browserText("centreResults").contains("With 150 added: mean 27.3636"))
        << browserText("centreResults").toStdString();
    type(grid, 2, 0, "eleven");
    EXPECT_EQ(grid->message()->text(), "row 3, column 1: \"eleven\" is not a number");
    EXPECT_GE(seriesCount("histogramChart", window), 1);
    EXPECT_GE(seriesCount("dotPlotChart", window), 1);
}

TEST_F(DataAnalysisWindow, ALargeDataSetIsSummarisedAndDrawnWithAFewHundredPoints) {
    DataGrid* grid = gridOf(0);
    std::vector<CsvRow> rows;
    double sum = 0;
    const int count = 20000;
    for (int i = 0; i < count; ++i) {
        const int v = (i * 37) % 101;
        rows.push_back({std::to_string(v)});
        sum += v;
    }
    grid->setRows(rows);
    type(grid, 5, 0, "1000"); // replaces (5 * 37) % 101 = 84
    sum += 1000 - 84;
    const QRegularExpression meanShown("Mean x̄ = ([0-9.]+)");
    const auto match = meanShown.match(browserText("centreResults"));
    ASSERT_TRUE(match.hasMatch()) << browserText("centreResults").toStdString();
    EXPECT_NEAR(match.captured(1).toDouble(), sum / count, 1e-6);
    auto* histogram = window.findChild<QChartView*>("histogramChart")->chart();
    auto* bars = qobject_cast<QBarSeries*>(histogram->series().value(0));
    ASSERT_TRUE(bars);
    EXPECT_EQ(bars->barSets().value(0)->sum(), count) << "every value in some class";
    EXPECT_LE(bars->barSets().value(0)->count(), 30);
    auto* dots = window.findChild<QChartView*>("dotPlotChart")->chart();
    auto* points = qobject_cast<QScatterSeries*>(dots->series().value(0));
    ASSERT_TRUE(points);
    EXPECT_GT(points->count(), 100);
    EXPECT_LE(points->count(), 300);
    EXPECT_TRUE(dots->title().contains("each dot: about 80 values")) << dots->title().toStdString();
}

TEST_F(DataAnalysisWindow, FrequencyTablesAndGroupedData) {
    auto* input = window.findChild<QComboBox*>("centreInput");
    input->setCurrentIndex(1); // 1x4 2x7 3x5 4x3 5x1: 50/20
    EXPECT_TRUE(browserText("centreResults").contains("= 50 / 20 = 5/2 = 2.5"))
        << browserText("centreResults").toStdString();
    input->setCurrentIndex(2);
    EXPECT_TRUE(browserText("centreResults").contains("70/3"))
        << browserText("centreResults").toStdString();
    EXPECT_TRUE(browserText("centreResults").contains("Modal class: 20\u201330"));
}

TEST_F(DataAnalysisWindow, ABadFileLeavesTheGridAsItWasAndNamesTheLine) {
    QTemporaryDir folder;
    DataGrid* grid = gridOf(1);
    const QString broken = folder.filePath("broken.csv");
    writeFile(broken, "value\n4\n\"5\n");
    EXPECT_FALSE(grid->openFile(broken));
    EXPECT_TRUE(grid->message()->text().contains("line 3: a quoted field is never closed"))
        << grid->message()->text().toStdString();
    EXPECT_EQ(shown(grid, 9, 0), "30") << "the data typed before are kept";
    const QString saved = folder.filePath("saved.csv");
    ASSERT_TRUE(grid->saveFile(saved));
    type(grid, 0, 0, "100");
    ASSERT_TRUE(grid->openFile(saved));
    EXPECT_EQ(shown(grid, 0, 0), "2");
    EXPECT_FALSE(grid->openFile(folder.filePath("missing.csv")));
    ASSERT_TRUE(grid->pasteText("1\t\n7\n", 0, 0));
    EXPECT_EQ(shown(grid, 1, 0), "7");
}

TEST_F(DataAnalysisWindow, SpreadShowsBothVariancesTheChosenQuartilesAndTheBoxPlot) {
    gridOf(1);
    const QString shown = browserText("spreadResults");
    EXPECT_TRUE(shown.contains("1434/25 = 57.36")) << shown.toStdString();
    EXPECT_TRUE(shown.contains("956/15")) << shown.toStdString();
    EXPECT_TRUE(shown.contains("Q1 4, median 7.5, Q3 11")) << shown.toStdString();
    EXPECT_TRUE(shown.contains("outliers: 30"));
    window.findChild<QComboBox*>("quartileMethod")->setCurrentIndex(2); // QUARTILE.INC
    EXPECT_TRUE(browserText("spreadResults").contains("Q1 4.25, median 7.5, Q3 10.5"))
        << browserText("spreadResults").toStdString();
    EXPECT_EQ(seriesCount("boxPlotChart", window), 2); // the box and the outliers
}

TEST_F(DataAnalysisWindow, SamplingMethodsDrawOnTheTownAndTheDistributionFollowsTheSize) {
    auto* tab = window.findChild<SamplingTab*>();
    ASSERT_TRUE(tab);
    auto* method = window.findChild<QComboBox*>("samplingMethod");
    method->setCurrentIndex(2); // stratified
    EXPECT_EQ(tab->lastSample().members.size(), 60u);
    EXPECT_TRUE(browserText("samplingResults").contains("proportional allocation"));
    method->setCurrentIndex(4); // convenience
    EXPECT_TRUE(browserText("samplingResults").contains("Bias."));
    window.findChild<QSpinBox*>("distributionSize")->setValue(40);
    QTest::mouseClick(window.findChild<QPushButton*>("distributionButton"), Qt::LeftButton);
    EXPECT_TRUE(label("distributionSummary").contains("The 1000 means"));
}

TEST_F(DataAnalysisWindow, PointsAreAddedDraggedAndDeletedAndTheLineFollows) {
    window.findChild<QTabWidget*>("explore")->setCurrentIndex(3);
    window.findChild<QComboBox*>("regressionExample")->setCurrentIndex(1); // Anscombe I
    EXPECT_TRUE(browserText("regressionResults").contains("y = 3 + 0.5x"))
        << browserText("regressionResults").toStdString();
    EXPECT_TRUE(browserText("regressionResults").contains("r = S"));
    auto* chart = window.findChild<PointChart*>("scatterChart");
    ASSERT_TRUE(chart);
    QCoreApplication::processEvents();
    ASSERT_EQ(chart->points().size(), 11u);
    // Drag the first point (10, 8.04) somewhere else.
    const QPoint from = chart->screenPosition(0).toPoint();
    QTest::mousePress(chart->viewport(), Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, QPointF(from + QPoint(0, -40)),
                     chart->viewport()->mapToGlobal(QPointF(from + QPoint(0, -40))), Qt::NoButton,
                     Qt::LeftButton, {});
    QCoreApplication::sendEvent(chart->viewport(), &move);
    QTest::mouseRelease(chart->viewport(), Qt::LeftButton, {}, from + QPoint(0, -40));
    EXPECT_EQ(chart->points().size(), 11u);
    EXPECT_GT(chart->points()[0].y, 8.04);
    EXPECT_FALSE(browserText("regressionResults").contains("y = 3 + 0.5x"));
    // Right-click deletes it; a click on empty ground adds one.
    QTest::mouseClick(chart->viewport(), Qt::RightButton, {}, chart->screenPosition(0).toPoint());
    EXPECT_EQ(chart->points().size(), 10u);
    EXPECT_EQ(gridOf(3)->numbers().value().rows.size(), 10u) << "the grid follows the plot";
    const QPoint empty = chart->screenPosition(1).toPoint() + QPoint(25, 25);
    QTest::mouseClick(chart->viewport(), Qt::LeftButton, {}, empty);
    EXPECT_EQ(chart->points().size(), 11u);
    QTest::keyClicks(window.findChild<QLineEdit*>("predictField"), "40");
    EXPECT_TRUE(label("predictionLabel").contains("extrapolation"))
        << label("predictionLabel").toStdString();
}

TEST_F(DataAnalysisWindow, ChiSquareTablesGiveTheStatisticAndRefuseBadCells) {
    EXPECT_TRUE(browserText("chiResults").contains("= 3.8"))
        << browserText("chiResults").toStdString();
    EXPECT_TRUE(browserText("chiResults").contains("do not reject"));
    auto* table = window.findChild<QTableWidget*>("chiTable");
    typeInto(table, 0, 0, "-3");
    EXPECT_TRUE(browserText("chiResults").contains("whole numbers of at least 0"))
        << browserText("chiResults").toStdString();
    window.findChild<QComboBox*>("chiTest")->setCurrentIndex(1);
    EXPECT_TRUE(browserText("chiResults").contains("= 3.556"))
        << browserText("chiResults").toStdString();
    window.findChild<QSpinBox*>("chiRows")->setValue(3);
    EXPECT_TRUE(browserText("chiResults").contains("Row 3, column 1 is empty"))
        << browserText("chiResults").toStdString();
    EXPECT_EQ(seriesCount("chiSquareCurve", window), 3);
}

TEST_F(DataAnalysisWindow, EveryExerciseKindAnsweredWrongThenRight) {
    demo_test::answerEveryKindWrongThenRight(window);
}
