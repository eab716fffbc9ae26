#include "graphs/core/line_through.h"

namespace graphs {

namespace {

std::string html(const mpq_class& q) {
    const std::string text = mpq_class(abs(q)).get_str();
    return q < 0 ? "&minus;" + text : text;
}

std::string pointHtml(const ExactPoint& p) {
    return "(" + html(p.x) + ", " + html(p.y) + ")";
}

std::string equationText(const Line& line, bool typed) {
    const auto number = [typed](const mpq_class& q) { return typed ? q.get_str() : html(q); };
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
        text += (line.intercept < 0 ? minus : " + ") +
                (typed ? mpq_class(abs(line.intercept)).get_str() : html(abs(line.intercept)));
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
        line.steps = {"Both points have x = " + html(p.x) +
                      ": the run x&#8322; &minus; x&#8321; "
                      "is 0, so the slope is undefined and the line is vertical, x = " +
                      html(p.x) + "."};
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
        "Slope m = (y&#8322; &minus; y&#8321;)/(x&#8322; &minus; x&#8321;) = (" + html(q.y) +
            " &minus; " + (p.y < 0 ? "(" + html(p.y) + ")" : html(p.y)) + ")/(" + html(q.x) +
            " &minus; " + (p.x < 0 ? "(" + html(p.x) + ")" : html(p.x)) + ") = " + html(rise) +
            "/" + html(run) + " = " + html(line.slope) + ".",
        "Put " + pointHtml(p) + " into y = mx + b: " + html(p.y) + " = " + html(line.slope) +
            "&middot;" + (p.x < 0 ? "(" + html(p.x) + ")" : html(p.x)) + " + b, so b = " +
            html(line.intercept) + ": the y-intercept is (0, " + html(line.intercept) + ").",
        line.slope != 0 ? "Set y = 0: x = &minus;b/m = " + html(*line.xIntercept) +
                              ": the x-intercept is (" + html(*line.xIntercept) + ", 0)."
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
