#include "addmult/core/table_input.h"

#include "kit/core/number_input.h"

namespace addmult {

namespace {

std::string place(const char* table, int row, int column) {
    return std::string(table) + ", row " + std::to_string(row + 1) + ", column " +
           std::to_string(column + 1);
}

kit::Parsed<std::vector<std::vector<int>>>
readTable(const std::vector<std::vector<std::string>>& cells, int k, const char* table) {
    std::vector<std::vector<int>> values(k, std::vector<int>(k, 0));
    if (static_cast<int>(cells.size()) != k)
        return kit::ParseError{std::string(table) + " must have " + std::to_string(k) + " rows"};
    for (int r = 0; r < k; ++r) {
        if (static_cast<int>(cells[r].size()) != k)
            return kit::ParseError{std::string(table) + " must have " + std::to_string(k) +
                                   " columns"};
        for (int c = 0; c < k; ++c) {
            const auto value = kit::parseInteger(cells[r][c]);
            if (!value.ok())
                return kit::ParseError{place(table, r, c) + ": " + value.error().message};
            if (value.value() < 0 || value.value() >= k)
                return kit::ParseError{place(table, r, c) + ": \"" + value.value().get_str() +
                                       "\" is not an element (use 0 to " + std::to_string(k - 1) +
                                       ")"};
            values[r][c] = static_cast<int>(value.value().get_si());
        }
    }
    return values;
}

} // namespace

kit::Parsed<FiniteRing> parseOwnTables(const std::vector<std::vector<std::string>>& addCells,
                                       const std::vector<std::vector<std::string>>& mulCells) {
    const int k = static_cast<int>(addCells.size());
    if (k < smallestOwnTable || k > largestOwnTable)
        return kit::ParseError{"a table has 2 to 6 elements"};
    const auto add = readTable(addCells, k, "addition table");
    if (!add.ok())
        return add.error();
    const auto mul = readTable(mulCells, k, "multiplication table");
    if (!mul.ok())
        return mul.error();
    FiniteRing ring;
    ring.name = "your tables";
    for (int a = 0; a < k; ++a)
        ring.elements.push_back(std::to_string(a));
    ring.add = add.value();
    ring.mul = mul.value();
    return ring;
}

} // namespace addmult
