#include "fieldsplus/core/field_of_four.h"

#include <cctype>
#include <string>

namespace fieldsplus {

namespace {

// (x1 a + x0)(y1 a + y0) = x1 y1 a^2 + (x1 y0 + x0 y1) a + x0 y0, with a^2 = a + 1.
int multiply(int x, int y) {
    const int x1 = x >> 1, x0 = x & 1, y1 = y >> 1, y0 = y & 1;
    const int square = x1 & y1;
    const int linear = ((x1 & y0) ^ (x0 & y1)) ^ square;
    const int constant = (x0 & y0) ^ square;
    return (linear << 1) | constant;
}

} // namespace

addmult::FiniteRing fieldOfFour() {
    addmult::FiniteRing field;
    field.name = "F_4";
    field.elements = {"0", "1", "a", "a+1"};
    field.add.assign(4, std::vector<int>(4, 0));
    field.mul.assign(4, std::vector<int>(4, 0));
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 4; ++y) {
            field.add[x][y] = x ^ y;
            field.mul[x][y] = multiply(x, y);
        }
    return field;
}

std::optional<int> fieldOfFourElement(std::string_view typed) {
    std::string word;
    for (char c : typed)
        if (!std::isspace(static_cast<unsigned char>(c)))
            word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (word == "0")
        return 0;
    if (word == "1")
        return 1;
    if (word == "a")
        return 2;
    if (word == "a+1" || word == "1+a")
        return 3;
    return std::nullopt;
}

} // namespace fieldsplus
