#include "dataanalysis/core/csv.h"

#include "kit/core/number_input.h"

#include <cstdint>
#include <optional>

namespace dataanalysis {

namespace {

kit::ParseError errorAt(std::size_t line, const std::string& message) {
    return {"line " + std::to_string(line) + ": " + message, line};
}

bool blank(const CsvRow& row) {
    return row.size() == 1 && row[0].find_first_not_of(" \t") == std::string::npos;
}

} // namespace

kit::Parsed<CsvData> parseCsv(std::string_view text) {
    const auto firstLineEnd = text.find('\n');
    const char separator =
        text.substr(0, firstLineEnd).find('\t') != std::string_view::npos ? '\t' : ',';
    CsvData data;
    CsvRow row;
    std::string field;
    std::size_t line = 1, quoteLine = 0, rowLine = 1;
    bool quoted = false, afterQuote = false;
    const auto endRow = [&] {
        row.push_back(field);
        field.clear();
        if (!blank(row)) {
            data.rows.push_back(row);
            data.lines.push_back(rowLine);
        }
        row.clear();
        afterQuote = false;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
                afterQuote = true;
            } else {
                if (c == '\n')
                    ++line;
                field += c;
            }
            continue;
        }
        if (c == separator) {
            row.push_back(field);
            field.clear();
            afterQuote = false;
        } else if (c == '\n') {
            endRow();
            ++line;
            rowLine = line;
        } else if (c == '\r') {
            if (i + 1 < text.size() && text[i + 1] != '\n')
                return errorAt(line, "a carriage return inside a field");
        } else if (afterQuote) {
            if (c != ' ')
                return errorAt(line, "text after the closing quote of a field");
        } else if (c == '"' && field.find_first_not_of(' ') == std::string::npos) {
            field.clear();
            quoted = true;
            quoteLine = line;
        } else {
            field += c;
        }
    }
    if (quoted)
        return errorAt(quoteLine, "a quoted field is never closed");
    if (!field.empty() || !row.empty())
        endRow();
    return data;
}

std::string writeCsv(const std::vector<CsvRow>& rows) {
    std::string out;
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0)
                out += ',';
            const std::string& f = row[i];
            if (f.find_first_of(",\"\n\r") == std::string::npos) {
                out += f;
                continue;
            }
            out += '"';
            for (char c : f) {
                if (c == '"')
                    out += '"';
                out += c;
            }
            out += '"';
        }
        out += '\n';
    }
    return out;
}

namespace {

// The common case of a data file, an integer or a decimal of at most 18 digits ("-65.3"),
// read straight into its fraction; anything else goes to the full reader. A leading zero
// before another digit is left to the full reader too, which has its own view of "007".
std::optional<mpq_class> plainDecimal(std::string_view text) {
    std::size_t i = text.size() > 0 && text[0] == '-' ? 1 : 0;
    const std::size_t first = i;
    std::int64_t digits = 0;
    int count = 0, places = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.' && !point && i > first) {
            point = true;
            continue;
        }
        if (c < '0' || c > '9' || ++count > 18)
            return std::nullopt;
        digits = digits * 10 + (c - '0');
        places += point ? 1 : 0;
    }
    const bool leadingZero =
        text.size() > first + 1 && text[first] == '0' && text[first + 1] != '.';
    if (count == 0 || (point && places == 0) || leadingZero)
        return std::nullopt;
    mpz_class denominator;
    mpz_ui_pow_ui(denominator.get_mpz_t(), 10, static_cast<unsigned long>(places));
    mpq_class value{mpz_class(static_cast<long>(first == 1 ? -digits : digits)), denominator};
    value.canonicalize();
    return value;
}

} // namespace

kit::Parsed<mpq_class> parseDataValue(std::string_view text) {
    if (auto plain = plainDecimal(text))
        return *std::move(plain);
    return kit::parseRational(text);
}

kit::Parsed<NumberTable> numberColumns(const CsvData& data, std::size_t columns) {
    const std::vector<CsvRow>& rows = data.rows;
    NumberTable table;
    if (rows.empty())
        return kit::ParseError{"the file holds no data", 0};
    std::size_t first = 0;
    if (!parseDataValue(rows[0][0]).ok()) {
        table.headings = rows[0];
        first = 1;
    }
    for (std::size_t r = first; r < rows.size(); ++r) {
        const std::size_t line = data.lines[r];
        if (rows[r].size() < columns)
            return errorAt(line, "column " + std::to_string(rows[r].size() + 1) + " is missing (" +
                                     std::to_string(columns) + " numbers were expected)");
        std::vector<mpq_class> values;
        for (std::size_t c = 0; c < columns; ++c) {
            const std::string& field = rows[r][c];
            if (field.find_first_not_of(" \t") == std::string::npos)
                return errorAt(line,
                               "column " + std::to_string(c + 1) + " is empty (a missing value)");
            const auto value = parseDataValue(field);
            if (!value.ok())
                return errorAt(line, "column " + std::to_string(c + 1) + ": \"" + field +
                                         "\" is not a number");
            values.push_back(value.value());
        }
        table.rows.push_back(std::move(values));
    }
    if (table.rows.empty())
        return kit::ParseError{"the file holds headings but no data", 0};
    return table;
}

} // namespace dataanalysis
