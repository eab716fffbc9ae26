// The data grid's model: what it reads as numbers after typing, pasting, new headings and
// more rows is what the CSV reader makes of the same cells written out as a file, and a value
// replaced in place leaves the numbers as a fresh reading of the whole grid gives them.
#include "dataanalysis/view/data_table_model.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace dataanalysis;

namespace {

// The model's numbers against the CSV reader's reading of its filled rows.
void expectSameAsTheReader(const DataTableModel& model) {
    const auto& numbers = model.numbers();
    ASSERT_TRUE(numbers.ok()) << numbers.error().message;
    const auto written = writeCsv(model.filledRows());
    const auto read =
        numberColumns(parseCsv(written).value(), static_cast<std::size_t>(model.columnCount()));
    ASSERT_TRUE(read.ok()) << read.error().message;
    EXPECT_EQ(numbers.value().rows, read.value().rows);
}

bool type(DataTableModel& model, int row, int column, const QString& text) {
    return model.setData(model.index(row, column), text);
}

} // namespace

TEST(DataTableModel, ValuesTypedInPlaceGiveWhatAFreshReadingGives) {
    DataTableModel model({"x", "y"});
    std::vector<CsvRow> rows;
    for (int i = 0; i < 500; ++i)
        rows.push_back({std::to_string(i), std::to_string(i) + "/7"});
    model.setRows(rows, 10);
    EXPECT_EQ(model.rowCount(), 510);
    ASSERT_EQ(model.numbers().value().rows.size(), 500u);
    ASSERT_TRUE(type(model, 3, 1, " 2.5 "));
    ASSERT_TRUE(type(model, 499, 0, "-1/4"));
    EXPECT_EQ(model.numbers().value().rows[3][1], mpq_class(5, 2));
    EXPECT_EQ(model.numbers().value().rows[499][0], mpq_class(-1, 4));
    expectSameAsTheReader(model);
    DataTableModel fresh({"x", "y"});
    fresh.setRows(model.filledRows(), 0);
    EXPECT_EQ(fresh.numbers().value().rows, model.numbers().value().rows);
}

TEST(DataTableModel, AFaultNamesItsCellAndMendingItRestoresTheNumbers) {
    DataTableModel model({"value"});
    model.setRows({{"1"}, {"2"}, {"3"}}, 5);
    ASSERT_TRUE(type(model, 1, 0, "two"));
    ASSERT_FALSE(model.numbers().ok());
    EXPECT_EQ(model.numbers().error().message, "row 2, column 1: \"two\" is not a number");
    EXPECT_EQ(model.data(model.index(1, 0)).toString(), "two") << "what was typed stays";
    EXPECT_TRUE(model.data(model.index(1, 0), Qt::ForegroundRole).isValid()) << "shown as wrong";
    ASSERT_TRUE(type(model, 1, 0, "7"));
    ASSERT_TRUE(model.numbers().ok());
    EXPECT_EQ(model.numbers().value().rows[1][0], 7);
    // A second column with one cell left empty.
    model.setHeadings({"value", "frequency"});
    ASSERT_TRUE(type(model, 0, 1, "4"));
    EXPECT_EQ(model.numbers().error().message, "row 2, column 2 is empty");
    EXPECT_EQ(model.data(model.index(2, 0)).toString(), "3") << "new headings keep the cells";
}

TEST(DataTableModel, RowsTypedBelowAGapAndEmptiedRowsKeepTheGridsOrder) {
    DataTableModel model({"value"});
    model.setRows({{"1"}, {"2"}}, 3);
    ASSERT_TRUE(type(model, 4, 0, "5")); // below two empty rows
    ASSERT_TRUE(type(model, 0, 0, ""));  // the first row emptied
    ASSERT_TRUE(type(model, 3, 0, "4"));
    const auto& rows = model.numbers().value().rows;
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0][0], 2);
    EXPECT_EQ(rows[1][0], 4);
    EXPECT_EQ(rows[2][0], 5);
    expectSameAsTheReader(model);
}

TEST(DataTableModel, APastedBlockAddsRowsAndDropsCellsRightOfTheLastColumn) {
    DataTableModel model({"x", "y"});
    model.setRows({{"1", "1"}}, 0);
    QSignalSpy changed(&model, &DataTableModel::dataChanged);
    model.writeBlock({{"2", "3", "99"}, {"4", "5"}}, 1, 0);
    EXPECT_EQ(changed.count(), 1) << "one change for the whole block";
    EXPECT_GE(model.rowCount(), 3);
    EXPECT_EQ(model.columnCount(), 2);
    const auto& rows = model.numbers().value().rows;
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[2][1], 5);
    model.addEmptyRows(20);
    EXPECT_EQ(model.numbers().value().rows.size(), 3u);
    ASSERT_TRUE(type(model, model.rowCount() - 1, 0, "8"));
    EXPECT_EQ(model.numbers().error().message,
              "row " + std::to_string(model.rowCount()) + ", column 2 is empty");
}
