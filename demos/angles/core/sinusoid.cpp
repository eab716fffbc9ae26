#include "angles/core/sinusoid.h"

#include <cmath>
#include <numbers>
#include <sstream>

namespace angles {

namespace {

const char* name(WaveKind k) {
    return k == WaveKind::Sine ? "sin" : k == WaveKind::Cosine ? "cos" : "tan";
}

std::string number(double v) {
    std::ostringstream out;
    out.precision(4);
    out << v;
    return out.str();
}

std::string shown(double v) {
    const std::string text = number(std::abs(v));
    return v < 0 ? "&minus;" + text : text;
}

// A plain decimal without exponent for the typed grammar.
std::string typedNumber(double v) {
    std::ostringstream out;
    out.setf(std::ios::fixed);
    out.precision(6);
    out << std::abs(v);
    return v < 0 ? "(-" + out.str() + ")" : out.str();
}

std::string inside(const Sinusoid& s) {
    std::string x = s.phase == 0 ? "x"
                                 : std::string("(x ") + (s.phase > 0 ? "&minus; " : "+ ") +
                                       number(std::abs(s.phase)) + ")";
    if (s.frequency == 1)
        return s.phase == 0 ? "x" : x.substr(1, x.size() - 2);
    return shown(s.frequency) + x;
}

} // namespace

double valueAt(const Sinusoid& s, double x) {
    const double u = s.frequency * (x - s.phase);
    const double f = s.kind == WaveKind::Sine     ? std::sin(u)
                     : s.kind == WaveKind::Cosine ? std::cos(u)
                                                  : std::tan(u);
    return s.amplitude * f + s.shift;
}

double period(const Sinusoid& s) {
    const double full = s.kind == WaveKind::Tangent ? std::numbers::pi : 2 * std::numbers::pi;
    return full / std::abs(s.frequency);
}

std::string typedFormula(const Sinusoid& s) {
    return typedNumber(s.amplitude) + "*" + name(s.kind) + "(" + typedNumber(s.frequency) +
           "*(x - " + typedNumber(s.phase) + ")) + " + typedNumber(s.shift);
}

std::string factsHtml(const Sinusoid& s) {
    std::string formula = "y = ";
    if (s.amplitude != 1)
        formula += shown(s.amplitude) + " ";
    formula += std::string(name(s.kind)) + "(" + inside(s) + ")";
    if (s.shift != 0)
        formula += (s.shift > 0 ? " + " : " &minus; ") + number(std::abs(s.shift));
    std::string html = "<b>" + formula + "</b><br>";
    const double p = period(s);
    const double piMultiple = p / std::numbers::pi;
    html += "period: " + std::string(s.kind == WaveKind::Tangent ? "&pi;" : "2&pi;") +
            "/|b| = " + number(p) +
            " (= " + (number(piMultiple) == "1" ? std::string() : number(piMultiple)) + "&pi;)<br>";
    if (s.kind == WaveKind::Tangent) {
        html += "no amplitude: the tangent takes every real value; vertical asymptotes where "
                "b(x &minus; c) = &pi;/2 + k&pi;<br>";
        html += "range: all real numbers<br>";
    } else {
        html += "amplitude |A| = " + number(std::abs(s.amplitude)) + "<br>";
        html += "range: [" + shown(s.shift - std::abs(s.amplitude)) + ", " +
                shown(s.shift + std::abs(s.amplitude)) + "]<br>";
    }
    html += "phase shift c = " + shown(s.phase) + " (the graph of " + name(s.kind) + "(bx) moved " +
            (s.phase >= 0 ? "right" : "left") + " by " + number(std::abs(s.phase)) +
            "), vertical shift d = " + shown(s.shift);
    return html;
}

} // namespace angles
