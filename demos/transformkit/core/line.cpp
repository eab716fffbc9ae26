#include "transformkit/core/line.h"

#include "transformkit/core/affine_map.h"

namespace transformkit {

Line lineThrough(const ExactPoint& p, const ExactPoint& q) {
    const mpq_class a = q.y - p.y, b = p.x - q.x;
    return {a, b, a * p.x + b * p.y};
}

Line normalised(const Line& line) {
    mpz_class denominator = 1;
    for (const mpq_class* v : {&line.a, &line.b, &line.c})
        mpz_lcm(denominator.get_mpz_t(), denominator.get_mpz_t(), v->get_den().get_mpz_t());
    mpz_class a = mpq_class(line.a * denominator).get_num();
    mpz_class b = mpq_class(line.b * denominator).get_num();
    mpz_class c = mpq_class(line.c * denominator).get_num();
    mpz_class g;
    mpz_gcd(g.get_mpz_t(), a.get_mpz_t(), b.get_mpz_t());
    mpz_gcd(g.get_mpz_t(), g.get_mpz_t(), c.get_mpz_t());
    if (a < 0 || (a == 0 && b < 0))
        g = -g;
    return {mpq_class(a / g), mpq_class(b / g), mpq_class(c / g)};
}

bool sameLine(const Line& l, const Line& m) {
    const Line p = normalised(l), q = normalised(m);
    return p.a == q.a && p.b == q.b && p.c == q.c;
}

bool parallel(const Line& l, const Line& m) {
    return l.a * m.b - l.b * m.a == 0;
}

bool onLine(const Line& line, const ExactPoint& p) {
    return line.a * p.x + line.b * p.y == line.c;
}

std::string lineText(const Line& line) {
    const Line n = normalised(line);
    if (n.a == 0 && n.c == 0)
        return "the x-axis";
    if (n.b == 0 && n.c == 0)
        return "the y-axis";
    if (n.c == 0 && n.a == 1 && n.b == -1)
        return "y = x";
    if (n.c == 0 && n.a == 1 && n.b == 1)
        return "y = \u2212x";
    if (n.b == 0)
        return "x = " + formulaText(0, 0, line.c / line.a);
    if (n.a == 0)
        return "y = " + formulaText(0, 0, line.c / line.b);
    return formulaText(n.a, n.b, 0) + " = " + formulaText(0, 0, n.c);
}

ExactPoint pointOn(const Line& line) {
    const mpq_class norm = line.a * line.a + line.b * line.b;
    return {line.a * line.c / norm, line.b * line.c / norm};
}

ExactPoint direction(const Line& line) {
    return {-line.b, line.a};
}

} // namespace transformkit
