#pragma once

#include "kit/core/answer_checks.h"
#include "kit/core/parse_result.h"
#include "matrixkit/core/matrix.h"

#include <string_view>

namespace matrixkit {

// Longest typed matrix: 36 entries of a few digits each with their separators.
inline constexpr std::size_t maxMatrixTextLength = 1200;

// "[1 2; 3 4]", "1, 2; 3, 4", or one row per line. Entries are integers, fractions or decimals
// ("-3/4", "0.5") separated by spaces or commas; rows by ";" or line ends. At most
// kit::maxMatrixSize rows and columns. Errors name the place: "row 2 has 3 entries, row 1 has
// 2", "row 1, entry 2: \"3/0\" ...".
kit::Parsed<Matrix> parseMatrix(std::string_view text);

// A column of numbers typed as a vector "(1, -2, 3)" or "1, -2, 3": at most maxMatrixSize.
kit::Parsed<std::vector<mpq_class>> parseVector(std::string_view text);

// The typed matrix must equal expected; a wrong size and the wrong entries are named.
kit::AnswerCheck expectMatrix(Matrix expected);

} // namespace matrixkit
