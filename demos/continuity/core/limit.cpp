#include "continuity/core/limit.h"

#include <cmath>
#include <cstdio>

namespace continuity {

namespace {

std::string decimal(double v) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.8g", std::abs(v) < 1e-12 ? 0.0 : v);
    std::string text = buffer;
    if (!text.empty() && text[0] == '-')
        text = "\u2212" + text.substr(1);
    return text;
}

} // namespace

std::string limitText(const Limit& limit) {
    switch (limit.kind) {
    case Limit::Kind::Finite:
        return limit.exactText.empty() ? "\u2248 " + decimal(limit.value) : limit.exactText;
    case Limit::Kind::PlusInfinity:
        return "+\u221e";
    case Limit::Kind::MinusInfinity:
        return "\u2212\u221e";
    case Limit::Kind::NoLimit:
        return "does not exist";
    case Limit::Kind::NotDefined:
        return "f is not defined on this side";
    case Limit::Kind::Unknown:
        break;
    }
    return "could not be decided";
}

} // namespace continuity
