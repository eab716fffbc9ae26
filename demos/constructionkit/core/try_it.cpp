#include "constructionkit/core/try_it.h"

#include <sstream>

namespace constructions {
namespace {

std::string lengthText(double value) {
    std::ostringstream out;
    out.precision(3);
    out << value;
    return out.str();
}

std::string describe(const ConstructionObject& o) {
    if (o.kind == ObjectKind::Line)
        return "the straight edge through " + o.first + " and " + o.second;
    if (!o.through.empty())
        return "the compass on " + o.centre + ", opened to " + o.through;
    return "the compass on " + o.centre + ", opened to the length " + o.radiusFrom + o.radiusTo;
}

} // namespace

kit::Parsed<ToolUse> parseToolUse(std::string_view typed) {
    std::istringstream in{std::string(typed.substr(0, 200))};
    std::vector<std::string> w;
    for (std::string word; in >> word;)
        w.push_back(word);
    ToolUse use;
    if (w.size() == 3 && (w[0] == "line" || w[0] == "edge")) {
        use.tool = ToolUse::Tool::StraightEdge;
        use.first = w[1];
        use.second = w[2];
        return use;
    }
    if (w.size() == 3 && w[0] == "circle") {
        use.tool = ToolUse::Tool::Compass;
        use.first = w[1];
        use.second = w[2];
        return use;
    }
    if (w.size() == 5 && w[0] == "circle" && w[2] == "radius") {
        use.tool = ToolUse::Tool::Compass;
        use.first = w[1];
        use.radiusFrom = w[3];
        use.radiusTo = w[4];
        return use;
    }
    return kit::ParseError{"Write \"line A B\" for the straight edge through A and B, \"circle A "
                           "B\" for the circle centred at A through B, or \"circle A radius B "
                           "C\" for the circle centred at A with the radius BC.",
                           0};
}

TryIt::TryIt(const Construction& construction, Figure figure)
    : construction_(construction), figure_(std::move(figure)) {}

void TryIt::moveGivens(Figure figure) {
    figure_ = std::move(figure);
}

bool TryIt::known(const std::string& pointName) const {
    const int index = construction_.indexOf(pointName);
    if (index < 0 ||
        construction_.objects[static_cast<std::size_t>(index)].kind != ObjectKind::Point)
        return false;
    if (index < construction_.givenObjects)
        return true;
    for (int step : done_)
        for (int marked : construction_.steps[static_cast<std::size_t>(step)].marked)
            if (marked == index)
                return true;
    return false;
}

bool TryIt::available(int step) const {
    if (isDone(step))
        return false;
    const ConstructionObject& o = construction_.objects[static_cast<std::size_t>(
        construction_.steps[static_cast<std::size_t>(step)].drawn)];
    for (const std::string* name :
         {&o.first, &o.second, &o.centre, &o.through, &o.radiusFrom, &o.radiusTo})
        if (!name->empty() && !known(*name))
            return false;
    return true;
}

int TryIt::nextStep() const {
    for (std::size_t s = 0; s < construction_.steps.size(); ++s)
        if (available(static_cast<int>(s)))
            return static_cast<int>(s);
    return -1;
}

std::optional<Line> TryIt::lineFor(const ToolUse& use) const {
    const auto a = figure_.point(construction_, use.first);
    const auto b = figure_.point(construction_, use.second);
    if (!a || !b || samePoint(*a, *b, figure_.scale))
        return std::nullopt;
    return Line{*a, *b};
}

std::optional<Circle> TryIt::circleFor(const ToolUse& use) const {
    const auto centre = figure_.point(construction_, use.first);
    if (!centre)
        return std::nullopt;
    const bool bySegment = use.second.empty();
    const auto from = figure_.point(construction_, bySegment ? use.radiusFrom : use.first);
    const auto to = figure_.point(construction_, bySegment ? use.radiusTo : use.second);
    if (!from || !to)
        return std::nullopt;
    const double radius = distance(*from, *to);
    if (nearlyEqual(radius, 0.0, figure_.scale))
        return std::nullopt;
    return Circle{*centre, radius};
}

bool TryIt::matches(int step, const ToolUse& use) const {
    const int drawn = construction_.steps[static_cast<std::size_t>(step)].drawn;
    const ConstructionObject& o = construction_.objects[static_cast<std::size_t>(drawn)];
    const PlacedObject& expected = figure_.objects[static_cast<std::size_t>(drawn)];
    if (!expected.defined)
        return false;
    if (o.kind == ObjectKind::Line) {
        const auto line = lineFor(use);
        return use.tool == ToolUse::Tool::StraightEdge && line &&
               sameLine(expected.line, *line, figure_.scale);
    }
    const auto circle = circleFor(use);
    return use.tool == ToolUse::Tool::Compass && circle &&
           sameCircle(expected.circle, *circle, figure_.scale);
}

kit::Verdict TryIt::use(const ToolUse& use) {
    for (const std::string* name : {&use.first, &use.second, &use.radiusFrom, &use.radiusTo})
        if (!name->empty() && !known(*name))
            return {false, "There is no point " + *name +
                               " on the page yet: use the points "
                               "that are marked."};
    if (finished())
        return {false, "The construction is finished; press Start over to do it again."};
    for (std::size_t s = 0; s < construction_.steps.size(); ++s)
        if (available(static_cast<int>(s)) && matches(static_cast<int>(s), use))
            return accept(static_cast<int>(s));
    for (int s : done_)
        if (matches(s, use))
            return {false, "That is already drawn (step " + std::to_string(s + 1) + ")."};
    return refusal(use);
}

kit::Verdict TryIt::accept(int step) {
    done_.insert(step);
    order_.push_back(step);
    const ConstructionStep& s = construction_.steps[static_cast<std::size_t>(step)];
    std::string marked;
    for (int index : s.marked)
        marked += (marked.empty() ? "" : ", ") +
                  construction_.objects[static_cast<std::size_t>(index)].name;
    std::string message = "Right: " + s.action;
    if (!marked.empty())
        message += " It marks " + marked + ".";
    message += " Why: " + s.reason;
    if (finished())
        message += " The construction is complete.";
    return {true, message};
}

kit::Verdict TryIt::refusal(const ToolUse& use) const {
    const int next = nextStep();
    if (next < 0)
        return {false, "Nothing more can be drawn from the points there are."};
    const ConstructionStep& step = construction_.steps[static_cast<std::size_t>(next)];
    const ConstructionObject& o = construction_.objects[static_cast<std::size_t>(step.drawn)];
    const bool wantsCompass = o.kind == ObjectKind::Circle;
    const bool isCompass = use.tool == ToolUse::Tool::Compass;
    if (isCompass && !circleFor(use))
        return {false, "The compass must open to a length: pick two different points."};
    if (!isCompass && !lineFor(use))
        return {false, "The straight edge needs two different points."};
    if (wantsCompass != isCompass)
        return {false, std::string("This is not a ") + (isCompass ? "compass" : "straight-edge") +
                           " step: the next step needs the " +
                           (wantsCompass ? "compass" : "straight edge") + ". Hint: " + step.action};
    if (!isCompass)
        return {false, "A line through " + use.first + " and " + use.second +
                           " is not the line this construction needs now; the straight edge "
                           "must pass through " +
                           o.first + " and " + o.second + "."};
    const Circle expected = figure_.objects[static_cast<std::size_t>(step.drawn)].circle;
    const Circle got = *circleFor(use);
    if (!samePoint(expected.centre, got.centre, figure_.scale))
        return {false, "A circle centred at " + use.first +
                           " does not give a point this construction needs now: the next circle "
                           "is centred at " +
                           o.centre + " (" + describe(o) + ")."};
    return {false, "The centre " + use.first + " is right, but the radius " +
                       lengthText(got.radius) + " is not the one needed (" +
                       lengthText(expected.radius) + "): " + describe(o) + "."};
}

} // namespace constructions
