#include "solids/core/corner_angles.h"

namespace solids {

mpq_class polygonAngle(int sides) {
    mpq_class angle(180 * (sides - 2), sides);
    angle.canonicalize();
    return angle;
}

mpq_class angleSum(const std::vector<int>& polygonSides) {
    mpq_class sum = 0;
    for (int sides : polygonSides)
        sum += polygonAngle(sides);
    return sum;
}

mpq_class angleDefect(const std::vector<int>& polygonSides) {
    return mpq_class(360) - angleSum(polygonSides);
}

bool closesIntoSolid(Schlafli symbol) {
    return symbol.p >= 3 && symbol.q >= 3 && (symbol.p - 2) * (symbol.q - 2) < 4;
}

std::optional<Solid> solidWith(Schlafli symbol) {
    for (Solid solid : allSolids)
        if (schlafliOf(solid) == symbol)
            return solid;
    return std::nullopt;
}

std::optional<Counts> countsFrom(Schlafli symbol) {
    if (!closesIntoSolid(symbol))
        return std::nullopt;
    const int d = 4 - (symbol.p - 2) * (symbol.q - 2);
    return Counts{4 * symbol.p / d, 2 * symbol.p * symbol.q / d, 4 * symbol.q / d};
}

std::string degreesText(const mpq_class& degrees) {
    return degrees.get_str();
}

} // namespace solids
