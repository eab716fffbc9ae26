#include "graphs/core/line_through.h"

#include "equations/core/polynomial.h"

namespace graphs {

namespace {

using equations::numberHtml;

std::string pointHtml(const ExactPoint& p) {
    return "(" + numberHtml(p.x) + ", " + numberHtml(p.y) + ")";
}

std::string equationText(const Line& line, bool typed) {
    const auto number = [typed](const mpq_class& q) { return typed ? q.get_str() : numberHtml(q); };
    if (line.vertical)
        return "x = " + number(line.xValue);
    std::string text = "y = ";
    if (line.slope == 0)
        return text + number(line.intercept);
    if (line.slope == -1)
        text += typed ? "-x" : "&minus;x";
    else if (line.slope != 1)
        text += typed ? (line.slope.get_den() != 1 ? "(" + number(line.slope) + ")*x"
                                                   : number(line.slope) + "*x")
                      : number(line.slope) + "x";
    else
        text += "x";
    if (line.intercept != 0) {
        const std::string minus = typed ? " - " : " &minus; ";
        text +=
            (line.intercept < 0 ? minus : " + ") +
            (typed ? mpq_class(abs(line.intercept)).get_str() : numberHtml(abs(line.intercept)));
    }
    return text;
}

} // namespace

std::optional<Line> lineThrough(ExactPoint p, ExactPoint q) {
    for (mpq_class* c : {&p.x, &p.y, &q.x, &q.y})
        c->canonicalize();
    if (p.x == q.x && p.y == q.y)
        return std::nullopt;
    Line line;
    if (p.x == q.x) {
        line.vertical = true;
        line.xValue = p.x;
        line.xIntercept = p.x;
        line.steps = {"Both points have x = " + numberHtml(p.x) +
                      ": the run x&#8322; &minus; x&#8321; "
                      "is 0, so the slope is undefined and the line is vertical, x = " +
                      numberHtml(p.x) + "."};
        return line;
    }
    const mpq_class rise = q.y - p.y, run = q.x - p.x;
    line.slope = rise / run;
    line.intercept = p.y - line.slope * p.x;
    if (line.slope != 0)
        line.xIntercept = -line.intercept / line.slope;
    else if (line.intercept == 0)
        line.xIntercept = std::nullopt;
    line.steps = {
        "Slope m = (y&#8322; &minus; y&#8321;)/(x&#8322; &minus; x&#8321;) = (" + numberHtml(q.y) +
            " &minus; " + (p.y < 0 ? "(" + numberHtml(p.y) + ")" : numberHtml(p.y)) + ")/(" +
            numberHtml(q.x) + " &minus; " +
            (p.x < 0 ? "(" + numberHtml(p.x) + ")" : numberHtml(p.x)) + ") = " + numberHtml(rise) +
            "/" + numberHtml(run) + " = " + numberHtml(line.slope) + ".",
        "Put " + pointHtml(p) + " into y = mx + b: " + numberHtml(p.y) + " = " +
            numberHtml(line.slope) + "&middot;" +
            (p.x < 0 ? "(" + numberHtml(p.x) + ")" : numberHtml(p.x)) +
            " + b, so b = " + numberHtml(line.intercept) + ": the y-intercept is (0, " +
            numberHtml(line.intercept) + ").",
        line.slope != 0 ? "Set y = 0: x = &minus;b/m = " + numberHtml(*line.xIntercept) +
                              ": the x-intercept is (" + numberHtml(*line.xIntercept) + ", 0)."
                        : std::string("The line is horizontal: ") +
                              (line.intercept == 0 ? "it is the x-axis itself."
                                                   : "it never meets the x-axis.")};
    return line;
}

std::string equationHtml(const Line& line) {
    return equationText(line, false);
}

std::string equationTyped(const Line& line) {
    return equationText(line, true);
}

} // namespace graphs
