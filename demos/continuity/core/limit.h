#pragma once

#include <string>

namespace continuity {

// What a limit turned out to be. exactText is the exact value ("1/2", "sqrt(2)") when a
// series expansion found it, empty for a numeric estimate.
struct Limit {
    enum class Kind {
        Finite,
        PlusInfinity,
        MinusInfinity,
        NoLimit,    // the values keep oscillating or settle nowhere
        NotDefined, // f has no values on this side close to the point
        Unknown,    // neither computation could decide
    };
    Kind kind = Kind::Unknown;
    double value = 0;
    std::string exactText;
};

// "3", "+∞", "does not exist", ... for the page (plain text with Unicode signs).
std::string limitText(const Limit& limit);

} // namespace continuity
