#include "transformkit/core/quadratic_number.h"

#include "transformkit/core/exact_point.h"

#include <cmath>
#include <stdexcept>

namespace transformkit {

double QuadraticNumber::approximate() const {
    return r.get_d() + s.get_d() * std::sqrt(static_cast<double>(d));
}

QuadraticNumber operator+(const QuadraticNumber& p, const QuadraticNumber& q) {
    if (p.isRational())
        return {p.rationalValue() + q.r, q.s, q.d};
    if (q.isRational())
        return {p.r + q.rationalValue(), p.s, p.d};
    if (p.d != q.d)
        throw std::logic_error("adding numbers with different roots");
    return {p.r + q.r, p.s + q.s, p.d};
}

QuadraticNumber operator*(const mpq_class& k, const QuadraticNumber& q) {
    return {k * q.r, k * q.s, q.d};
}

namespace {

// "3√3/2", "√2", "√3/2" for s·√d with s > 0.
std::string rootTermText(const mpq_class& s, int d) {
    const std::string root = "\u221a" + std::to_string(d);
    const std::string top = s.get_num() == 1 ? root : s.get_num().get_str() + root;
    return s.get_den() == 1 ? top : top + "/" + s.get_den().get_str();
}

} // namespace

std::string quadraticText(const QuadraticNumber& q) {
    if (q.isRational()) {
        const std::string text = numberText(q.rationalValue());
        return text[0] == '-' ? "\u2212" + text.substr(1) : text;
    }
    const std::string root = rootTermText(abs(q.s), q.d);
    if (q.r == 0)
        return (q.s < 0 ? "\u2212" : "") + root;
    const std::string rational = numberText(abs(q.r));
    return (q.r < 0 ? "\u2212" : "") + rational + (q.s < 0 ? " \u2212 " : " + ") + root;
}

std::optional<CosineSine> specialCosineSine(const mpq_class& degrees) {
    const mpq_class half(1, 2);
    for (int step : {30, 45}) {
        const mpq_class steps = degrees / step;
        if (steps.get_den() != 1)
            continue;
        const int period = 360 / step;
        mpz_class k = steps.get_num() % period;
        if (k < 0)
            k += period;
        const int n = static_cast<int>(k.get_si());
        // cos and sin of n·step for n in one turn, from the first quarter.
        auto cosineOf = [&](int m) -> QuadraticNumber {
            const int angle = (m * step) % 360;
            const int d = step == 30 ? 3 : 2;
            switch (angle) {
            case 0:
                return {1, 0, 1};
            case 30:
                return {0, half, d};
            case 45:
                return {0, half, d};
            case 60:
                return {half, 0, 1};
            case 90:
                return {0, 0, 1};
            case 120:
                return {-half, 0, 1};
            case 135:
                return {0, -half, d};
            case 150:
                return {0, -half, d};
            case 180:
                return {-1, 0, 1};
            case 210:
                return {0, -half, d};
            case 225:
                return {0, -half, d};
            case 240:
                return {-half, 0, 1};
            case 270:
                return {0, 0, 1};
            case 300:
                return {half, 0, 1};
            case 315:
                return {0, half, d};
            default:
                return {0, half, d}; // 330
            }
        };
        // sin θ = cos(θ − 90°).
        const int quarter = 90 / step;
        return CosineSine{cosineOf(n), cosineOf((n - quarter + period) % period)};
    }
    return std::nullopt;
}

} // namespace transformkit
