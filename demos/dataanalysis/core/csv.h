#pragma once

#include "kit/core/parse_result.h"

#include <gmpxx.h>

#include <string>
#include <string_view>
#include <vector>

namespace dataanalysis {

using CsvRow = std::vector<std::string>;

// Comma- or tab-separated text as spreadsheets write it: fields in double quotes may hold the
// separator, line breaks and doubled quotes (""). The separator is a tab when the first line
// holds one, else a comma. Blank lines are skipped. The error's position is the line number.
struct CsvData {
    std::vector<CsvRow> rows;
    std::vector<std::size_t> lines; // the line of the file each row starts on
};
kit::Parsed<CsvData> parseCsv(std::string_view text);
std::string writeCsv(const std::vector<CsvRow>& rows);

// Rows of numbers from the first `columns` columns. A first row that is not numbers is taken
// as the column headings. Each fault names its line and column: a missing column, an empty
// field, a field that is not a number.
struct NumberTable {
    std::vector<std::string> headings; // empty when the file has none
    std::vector<std::vector<mpq_class>> rows;
};
kit::Parsed<NumberTable> numberColumns(const CsvData& data, std::size_t columns);

// One typed or read number: an integer, a decimal or a fraction ("-2.75", "7/4").
kit::Parsed<mpq_class> parseDataValue(std::string_view text);

} // namespace dataanalysis
