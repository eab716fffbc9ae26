// The CSV reader on the cases spreadsheets produce and on broken files, each fault with the
// line it is on.
#include "dataanalysis/core/csv.h"

#include "kit/core/number_input.h"

#include <gtest/gtest.h>

#include <random>

using namespace dataanalysis;

namespace {

std::string errorOf(const std::string& text, std::size_t columns) {
    const auto parsed = parseCsv(text);
    if (!parsed.ok())
        return parsed.error().message;
    const auto numbers = numberColumns(parsed.value(), columns);
    return numbers.ok() ? "" : numbers.error().message;
}

} // namespace

TEST(Csv, QuotedFieldsHoldSeparatorsQuotesAndLineBreaks) {
    const auto parsed = parseCsv("name,note\n\"Smith, J\",\"said \"\"hi\"\"\"\n\"two\nlines\",x\n");
    ASSERT_TRUE(parsed.ok()) << parsed.error().message;
    const auto& rows = parsed.value().rows;
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1], (CsvRow{"Smith, J", "said \"hi\""}));
    EXPECT_EQ(rows[2], (CsvRow{"two\nlines", "x"}));
    EXPECT_EQ(parsed.value().lines, (std::vector<std::size_t>{1, 2, 3}));
    EXPECT_EQ(parseCsv(writeCsv(rows)).value().rows, rows);
}

TEST(Csv, TabsCrLfBlankLinesAndEmptyFields) {
    const auto parsed = parseCsv("x\ty\r\n1\t2\r\n\r\n3\t\r\n");
    ASSERT_TRUE(parsed.ok());
    const auto& data = parsed.value();
    ASSERT_EQ(data.rows.size(), 3u);
    EXPECT_EQ(data.rows[2], (CsvRow{"3", ""}));
    EXPECT_EQ(data.lines[2], 4u) << "the blank line is skipped but counted";
    EXPECT_EQ(errorOf("x\ty\r\n1\t2\r\n\r\n3\t\r\n", 2),
              "line 4: column 2 is empty (a missing value)");
}

TEST(Csv, EachFaultNamesItsLine) {
    EXPECT_EQ(errorOf("a\n1\n\"open\n2\n", 1), "line 3: a quoted field is never closed");
    EXPECT_EQ(errorOf("1\n\"2\"x\n", 1), "line 2: text after the closing quote of a field");
    EXPECT_EQ(errorOf("x,y\n1,2\n3\n", 2), "line 3: column 2 is missing (2 numbers were expected)");
    EXPECT_EQ(errorOf("x\n1\ntwelve\n", 1), "line 3: column 1: \"twelve\" is not a number");
    EXPECT_EQ(errorOf("1\n2,5\n1e5\n", 1), "line 3: column 1: \"1e5\" is not a number");
    EXPECT_EQ(errorOf("", 1), "the file holds no data");
    EXPECT_EQ(errorOf("x,y\n", 2), "the file holds headings but no data");
}

TEST(Csv, NumbersAreReadExactlyWithHeadingsKept) {
    const auto numbers =
        numberColumns(parseCsv("height,weight\n1.75,\"68.5\"\n-2,7/4\n").value(), 2);
    ASSERT_TRUE(numbers.ok()) << numbers.error().message;
    EXPECT_EQ(numbers.value().headings, (CsvRow{"height", "weight"}));
    ASSERT_EQ(numbers.value().rows.size(), 2u);
    EXPECT_EQ(numbers.value().rows[0][0], mpq_class(7, 4));
    EXPECT_EQ(numbers.value().rows[0][1], mpq_class(137, 2));
    EXPECT_EQ(numbers.value().rows[1][1], mpq_class(7, 4));
}

TEST(DataValue, PlainDecimalsReadAsTheCoursesNumberReaderReadsThem) {
    std::vector<std::string> texts{"0",
                                   "-0",
                                   "7",
                                   "-12",
                                   "65.3",
                                   "-65.30",
                                   "0.5",
                                   "0.05",
                                   "10.0",
                                   "007",
                                   "01.5",
                                   "5.",
                                   ".5",
                                   "-.5",
                                   "-",
                                   "",
                                   "1.2.3",
                                   "1e5",
                                   "+4",
                                   "3/4",
                                   "1 1/2",
                                   "12345678901234567.8",
                                   "123456789012345678.9"};
    std::mt19937_64 engine(3);
    std::uniform_int_distribution<long> whole(-99999, 99999);
    std::uniform_int_distribution<int> places(0, 4), digit(0, 9);
    for (int i = 0; i < 500; ++i) {
        std::string text = std::to_string(whole(engine));
        const int p = places(engine);
        if (p > 0)
            text += '.';
        for (int d = 0; d < p; ++d)
            text += static_cast<char>('0' + digit(engine));
        texts.push_back(text);
    }
    for (const std::string& text : texts) {
        const auto ours = parseDataValue(text);
        const auto reference = kit::parseRational(text);
        ASSERT_EQ(ours.ok(), reference.ok()) << "\"" << text << "\"";
        if (ours.ok())
            EXPECT_EQ(ours.value(), reference.value()) << "\"" << text << "\"";
        else
            EXPECT_EQ(ours.error().message, reference.error().message) << "\"" << text << "\"";
    }
}
