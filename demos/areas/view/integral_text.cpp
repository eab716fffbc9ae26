#include "areas/view/integral_text.h"

#include "graphs/core/function_algebra.h"

#include <cmath>

namespace areas {

QString shownNumber(double v, int digits) {
    if (std::abs(v) < 1e-13)
        v = 0;
    return QString::number(v, 'g', digits).replace("-", "\u2212");
}

QString formula(const kit::Expression& e) {
    return QString::fromStdString(graphs::formulaHtml(e));
}

QString integralHtml(const DefiniteIntegral& integral, const QString& lower, const QString& upper) {
    const QString limits = QString("&int;<sub>%1</sub><sup>%2</sup> f(x) dx")
                               .arg(lower.toHtmlEscaped(), upper.toHtmlEscaped());
    QString html;
    if (integral.antiderivative)
        html += QObject::tr("Antiderivative (%1): F(x) = %2<br>")
                    .arg(QString::fromStdString(integral.antiderivative->rule).toHtmlEscaped(),
                         formula(integral.antiderivative->F));
    else
        html += QObject::tr("No antiderivative by the rules of this program: the value is "
                            "numeric.<br>");
    if (integral.exact)
        html += QString("%1 = F(b) &minus; F(a) = <b>%2</b> &asymp; %3<br>")
                    .arg(limits, formula(*integral.exact), shownNumber(integral.value, 12));
    else
        html += QString("%1 &asymp; <b>%2</b><br>").arg(limits, shownNumber(integral.value, 12));
    html += QObject::tr("Gauss&ndash;Kronrod quadrature: %1 (error estimate %2, %3 values of f)")
                .arg(shownNumber(integral.numeric.value, 12),
                     shownNumber(integral.numeric.errorEstimate, 2))
                .arg(integral.numeric.evaluations);
    return html;
}

} // namespace areas
