#include "matrixkit/core/matrix_input.h"

#include "kit/core/input_limits.h"
#include "kit/core/number_input.h"

#include <cctype>
#include <exception>

namespace matrixkit {

namespace {

bool isSpace(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

// Removes one pair of surrounding brackets "[...]" or "(...)".
std::string_view unbracketed(std::string_view text, char open, char close) {
    text = trimmed(text);
    if (text.size() >= 2 && text.front() == open && text.back() == close)
        text = trimmed(text.substr(1, text.size() - 2));
    return text;
}

// The entries of one row: tokens between spaces and commas.
kit::Parsed<std::vector<mpq_class>> parseEntries(std::string_view row, const std::string& where) {
    std::vector<mpq_class> entries;
    std::size_t i = 0;
    bool afterComma = false;
    while (i < row.size()) {
        if (isSpace(row[i])) {
            ++i;
            continue;
        }
        if (row[i] == ',') {
            if (afterComma || entries.empty())
                return kit::ParseError{where + ": a number is missing before a comma"};
            afterComma = true;
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < row.size() && !isSpace(row[end]) && row[end] != ',')
            ++end;
        const std::string token(row.substr(i, end - i));
        const auto value = kit::parseRational(token);
        if (!value.ok())
            return kit::ParseError{where + ", entry " + std::to_string(entries.size() + 1) +
                                   ": \"" + token + "\" is not a number (" + value.error().message +
                                   ")"};
        if (entries.size() == kit::maxMatrixSize)
            return kit::ParseError{where + " has more than " + std::to_string(kit::maxMatrixSize) +
                                   " entries"};
        entries.push_back(value.value());
        afterComma = false;
        i = end;
    }
    if (afterComma)
        return kit::ParseError{where + " ends with a comma"};
    return entries;
}

} // namespace

kit::Parsed<Matrix> parseMatrix(std::string_view text) {
    if (text.size() > maxMatrixTextLength)
        return kit::ParseError{"the matrix is too long to read (at most " +
                               std::to_string(maxMatrixTextLength) + " characters)"};
    text = trimmed(text);
    while (!text.empty() && text.back() == ';') // "[1 2; 3 4];" as some books end a matrix
        text = trimmed(text.substr(0, text.size() - 1));
    text = unbracketed(text, '[', ']');
    if (text.empty())
        return kit::ParseError{"type the entries, rows separated by ; or new lines"};
    std::vector<std::vector<mpq_class>> rows;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of(";\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view row = unbracketed(text.substr(start, end - start), '[', ']');
        const std::string where = "row " + std::to_string(rows.size() + 1);
        if (row.empty()) {
            if (end == text.size() && !rows.empty())
                break; // a trailing ";" or line end
            return kit::ParseError{where + " is empty"};
        }
        if (rows.size() == kit::maxMatrixSize)
            return kit::ParseError{"more than " + std::to_string(kit::maxMatrixSize) +
                                   " rows: this demonstration takes matrices up to " +
                                   sizeText(6, 6)};
        auto entries = parseEntries(row, where);
        if (!entries.ok())
            return entries.error();
        if (!rows.empty() && entries.value().size() != rows.front().size())
            return kit::ParseError{where + " has " + std::to_string(entries.value().size()) +
                                   " entries, row 1 has " + std::to_string(rows.front().size()) +
                                   ": every row needs the same number"};
        rows.push_back(entries.value());
        start = end + 1;
    }
    Matrix m(static_cast<int>(rows.size()), static_cast<int>(rows.front().size()));
    for (int i = 0; i < m.rows(); ++i)
        for (int j = 0; j < m.cols(); ++j)
            m.at(i, j) = rows[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
    return m;
}

kit::Parsed<std::vector<mpq_class>> parseVector(std::string_view text) {
    if (text.size() > kit::maxInputLength)
        return kit::ParseError{"the answer is too long to read"};
    text = unbracketed(text, '(', ')');
    text = unbracketed(text, '[', ']');
    if (text.empty())
        return kit::ParseError{"type the numbers, separated by commas"};
    auto entries = parseEntries(text, "the vector");
    if (!entries.ok())
        return entries.error();
    return entries.value();
}

kit::AnswerCheck expectMatrix(Matrix expected) {
    return [expected](std::string_view typed) -> kit::Verdict {
        try {
            const auto parsed = parseMatrix(typed);
            if (!parsed.ok())
                return {false, parsed.error().message};
            const Matrix& m = parsed.value();
            if (m.rows() != expected.rows() || m.cols() != expected.cols())
                return {false, "expected a " + sizeText(expected) + " matrix, got " + sizeText(m)};
            int wrong = 0;
            std::string first;
            for (int i = 0; i < m.rows(); ++i)
                for (int j = 0; j < m.cols(); ++j)
                    if (m.at(i, j) != expected.at(i, j) && wrong++ == 0)
                        first =
                            "row " + std::to_string(i + 1) + ", column " + std::to_string(j + 1);
            if (wrong == 0)
                return {true, kit::correctMessage};
            const int total = m.rows() * m.cols();
            return {false, std::to_string(total - wrong) + " of " + std::to_string(total) +
                               " entries are right; look again at " + first};
        } catch (const std::exception& error) {
            return {false, std::string("That answer could not be checked: ") + error.what()};
        }
    };
}

} // namespace matrixkit
