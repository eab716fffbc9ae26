#include "areas/core/polynomial.h"

namespace areas {

mpq_class valueAt(const Polynomial& p, const mpq_class& x) {
    mpq_class value = 0;
    for (auto k = p.coefficients.size(); k-- > 0;)
        value = value * x + p.coefficients[k];
    return value;
}

Polynomial antiderivativeOf(const Polynomial& p) {
    Polynomial F{{0}};
    for (std::size_t k = 0; k < p.coefficients.size(); ++k) {
        mpq_class c = p.coefficients[k] / static_cast<long>(k + 1);
        c.canonicalize();
        F.coefficients.push_back(c);
    }
    return F;
}

std::string rationalHtml(const mpq_class& q) {
    return q < 0 ? "&minus;" + mpq_class(-q).get_str() : q.get_str();
}

std::string polynomialHtml(const Polynomial& p, const std::string& variable) {
    std::string text;
    for (auto k = p.coefficients.size(); k-- > 0;) {
        const mpq_class& c = p.coefficients[k];
        if (c == 0)
            continue;
        const mpq_class size = abs(c);
        if (text.empty())
            text += c < 0 ? "&minus;" : "";
        else
            text += c < 0 ? " &minus; " : " + ";
        const bool showSize = size != 1 || k == 0;
        const std::string sizeText =
            size.get_den() == 1 ? size.get_str() : "(" + size.get_str() + ")";
        text += showSize ? sizeText : "";
        if (k >= 1)
            text += variable;
        if (k >= 2)
            text += "<sup>" + std::to_string(k) + "</sup>";
    }
    return text.empty() ? "0" : text;
}

} // namespace areas
