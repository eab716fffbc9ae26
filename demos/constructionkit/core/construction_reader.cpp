#include "constructionkit/core/construction.h"

#include <charconv>
#include <cmath>
#include <map>
#include <sstream>
#include <stdexcept>

namespace constructions {
namespace {

// A fault in the file, with the line it is on.
struct ReadFault : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::vector<std::string> words(std::string_view line) {
    std::vector<std::string> out;
    std::istringstream in{std::string(line)};
    for (std::string w; in >> w;)
        out.push_back(w);
    return out;
}

std::string_view trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const auto last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}

double number(const std::string& word) {
    double value = 0.0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size() || !std::isfinite(value) ||
        std::abs(value) > 1000.0)
        throw ReadFault("\"" + word + "\" is not a coordinate between -1000 and 1000");
    return value;
}

class Reader {
  public:
    Construction read(std::string_view text) {
        std::size_t start = 0;
        while (start <= text.size()) {
            const auto end = std::min(text.find('\n', start), text.size());
            ++lineNumber_;
            const std::string_view line = trimmed(text.substr(start, end - start));
            try {
                if (!line.empty() && line.front() != '#')
                    readLine(line);
            } catch (const ReadFault& fault) {
                throw ReadFault("line " + std::to_string(lineNumber_) + ": " + fault.what());
            }
            start = end + 1;
        }
        finish();
        return std::move(c_);
    }

  private:
    void readLine(std::string_view line) {
        const auto space = line.find_first_of(" \t");
        const std::string keyword(line.substr(0, space));
        const std::string rest(space == std::string_view::npos ? std::string_view{}
                                                               : trimmed(line.substr(space)));
        if (keyword == "title")
            c_.title = rest;
        else if (keyword == "goal")
            c_.goal = join(c_.goal, rest);
        else if (keyword == "step")
            beginStep(rest);
        else if (keyword == "why")
            addReason(rest);
        else if (keyword == "conclusion")
            c_.conclusion.push_back(needText(rest, keyword));
        else if (keyword == "measure")
            addMeasure(words(rest));
        else if (keyword == "question")
            lastMeasure().question = join(lastMeasure().question, rest);
        else if (keyword == "solution")
            lastMeasure().solution.push_back(needText(rest, keyword));
        else if (keyword == "point" || keyword == "line" || keyword == "segment" ||
                 keyword == "ray" || keyword == "circle")
            addObject(keyword, words(rest));
        else
            throw ReadFault("unknown word \"" + keyword + "\"");
    }

    static std::string join(const std::string& a, const std::string& b) {
        return a.empty() ? b : a + " " + b;
    }

    static std::string needText(const std::string& text, const std::string& keyword) {
        if (text.empty())
            throw ReadFault("\"" + keyword + "\" needs a text");
        return text;
    }

    void beginStep(const std::string& action) {
        closeStep();
        if (c_.steps.empty())
            c_.givenObjects = static_cast<int>(c_.objects.size());
        c_.steps.push_back({needText(action, "step"), {}, -1, {}});
        stepLine_ = lineNumber_;
    }

    void addReason(const std::string& text) {
        if (c_.steps.empty())
            throw ReadFault("\"why\" before the first step");
        c_.steps.back().reason = join(c_.steps.back().reason, needText(text, "why"));
    }

    void closeStep() {
        if (c_.steps.empty())
            return;
        const ConstructionStep& s = c_.steps.back();
        const std::string where = "the step on line " + std::to_string(stepLine_);
        if (s.drawn < 0)
            throw ReadFault(where + " draws no line or circle");
        if (s.reason.empty())
            throw ReadFault(where + " has no \"why\"");
    }

    MeasureQuestion& lastMeasure() {
        if (c_.measures.empty())
            throw ReadFault("a question or solution before the first \"measure\"");
        return c_.measures.back();
    }

    void addMeasure(const std::vector<std::string>& w) {
        if (w.empty())
            throw ReadFault("\"measure\" needs a kind and points");
        static const std::map<std::string, std::pair<std::size_t, std::size_t>> arity{
            {"angle", {3, 3}},      {"distance", {2, 2}}, {"squared-distance", {2, 2}},
            {"perimeter", {3, 12}}, {"x", {1, 1}},        {"y", {1, 1}}};
        const auto found = arity.find(w[0]);
        if (found == arity.end())
            throw ReadFault("unknown measure \"" + w[0] + "\"");
        const std::size_t count = w.size() - 1;
        if (count < found->second.first || count > found->second.second)
            throw ReadFault("the measure \"" + w[0] + "\" takes " +
                            std::to_string(found->second.first) + " points");
        MeasureQuestion m;
        m.kind = w[0];
        for (std::size_t i = 1; i < w.size(); ++i)
            m.points.push_back(pointName(w[i]));
        c_.measures.push_back(std::move(m));
    }

    int known(const std::string& name) const {
        const int index = c_.indexOf(name);
        if (index < 0)
            throw ReadFault("\"" + name + "\" is not named before");
        return index;
    }

    std::string pointName(const std::string& name) const {
        if (c_.objects[static_cast<std::size_t>(known(name))].kind != ObjectKind::Point)
            throw ReadFault("\"" + name + "\" is not a point");
        return name;
    }

    std::string figureName(const std::string& name) const {
        if (c_.objects[static_cast<std::size_t>(known(name))].kind == ObjectKind::Point)
            throw ReadFault("\"" + name + "\" is a point, not a line or circle");
        return name;
    }

    void addObject(const std::string& keyword, const std::vector<std::string>& w) {
        if (w.empty())
            throw ReadFault("\"" + keyword + "\" needs a name");
        if (c_.indexOf(w[0]) >= 0)
            throw ReadFault("\"" + w[0] + "\" is named twice");
        ConstructionObject o;
        o.name = w[0];
        if (keyword == "point")
            readPoint(o, w);
        else if (keyword == "circle")
            readCircle(o, w);
        else
            readLine(o, keyword, w);
        placeInStep(o);
        c_.objects.push_back(std::move(o));
    }

    void readPoint(ConstructionObject& o, const std::vector<std::string>& w) {
        o.kind = ObjectKind::Point;
        if (w.size() >= 4 && w[1] == "given") {
            if (!c_.steps.empty())
                throw ReadFault("given points come before the first step");
            o.given = true;
            o.start = {number(w[2]), number(w[3])};
            for (std::size_t i = 4; i < w.size(); ++i)
                o.description = join(o.description, w[i]);
            return;
        }
        if (w.size() < 4 || w[1] != "meet")
            throw ReadFault("write \"point P given x y\" or \"point P meet f g\"");
        o.first = figureName(w[2]);
        o.second = figureName(w[3]);
        if (o.first == o.second)
            throw ReadFault("a figure does not meet itself");
        readChoice(o, std::vector<std::string>(w.begin() + 4, w.end()));
    }

    void readChoice(ConstructionObject& o, const std::vector<std::string>& w) {
        if (w.empty()) {
            const bool twoLines =
                kindOf(o.first) == ObjectKind::Line && kindOf(o.second) == ObjectKind::Line;
            if (!twoLines)
                throw ReadFault("say which crossing: nearer, farther, other, left or right");
            return;
        }
        static const std::map<std::string, Choice> choices{{"nearer", Choice::Nearer},
                                                           {"farther", Choice::Farther},
                                                           {"other", Choice::Other},
                                                           {"left", Choice::Left},
                                                           {"right", Choice::Right}};
        const auto found = choices.find(w[0]);
        if (found == choices.end())
            throw ReadFault("unknown choice \"" + w[0] + "\"");
        o.choice = found->second;
        const bool directed = o.choice == Choice::Left || o.choice == Choice::Right;
        if (w.size() != (directed ? 3u : 2u))
            throw ReadFault("\"" + w[0] + "\" takes " + (directed ? "two points" : "one point"));
        o.reference = pointName(w[1]);
        if (directed)
            o.reference2 = pointName(w[2]);
    }

    ObjectKind kindOf(const std::string& name) const {
        return c_.objects[static_cast<std::size_t>(known(name))].kind;
    }

    void readCircle(ConstructionObject& o, const std::vector<std::string>& w) {
        o.kind = ObjectKind::Circle;
        if (w.size() == 5 && w[1] == "centre" && w[3] == "through") {
            o.centre = pointName(w[2]);
            o.through = pointName(w[4]);
            if (o.centre == o.through)
                throw ReadFault("a circle through its own centre has no size");
            return;
        }
        if (w.size() == 6 && w[1] == "centre" && w[3] == "radius") {
            o.centre = pointName(w[2]);
            o.radiusFrom = pointName(w[4]);
            o.radiusTo = pointName(w[5]);
            if (o.radiusFrom == o.radiusTo)
                throw ReadFault("a radius needs two different points");
            return;
        }
        throw ReadFault(
            "write \"circle k centre C through P\" or \"circle k centre C radius P Q\"");
    }

    void readLine(ConstructionObject& o, const std::string& keyword,
                  const std::vector<std::string>& w) {
        o.kind = ObjectKind::Line;
        o.extent = keyword == "segment" ? LineExtent::Segment
                   : keyword == "ray"   ? LineExtent::Ray
                                        : LineExtent::Whole;
        if (w.size() != 3)
            throw ReadFault("write \"" + keyword + " name P Q\"");
        o.first = pointName(w[1]);
        o.second = pointName(w[2]);
        if (o.first == o.second)
            throw ReadFault("a line needs two different points");
    }

    void placeInStep(const ConstructionObject& o) {
        if (c_.steps.empty())
            return;
        ConstructionStep& s = c_.steps.back();
        const int index = static_cast<int>(c_.objects.size());
        if (o.kind == ObjectKind::Point) {
            if (s.drawn < 0)
                throw ReadFault("a step draws its line or circle before the points it marks");
            s.marked.push_back(index);
        } else {
            if (s.drawn >= 0)
                throw ReadFault("a step draws one line or circle; begin a new step");
            s.drawn = index;
        }
    }

    void finish() {
        if (c_.steps.empty())
            throw ReadFault("the construction has no steps");
        ++lineNumber_;
        closeStep();
        if (c_.title.empty())
            throw ReadFault("the construction has no title");
        if (c_.givenPoints().empty())
            throw ReadFault("the construction has no given points");
        for (const MeasureQuestion& m : c_.measures)
            if (m.question.empty() || m.solution.empty())
                throw ReadFault("the measure \"" + m.kind + "\" needs a question and a solution");
    }

    Construction c_;
    int lineNumber_ = 0;
    int stepLine_ = 0;
};

} // namespace

int Construction::indexOf(std::string_view name) const {
    for (std::size_t i = 0; i < objects.size(); ++i)
        if (objects[i].name == name)
            return static_cast<int>(i);
    return -1;
}

std::vector<int> Construction::givenPoints() const {
    std::vector<int> out;
    for (std::size_t i = 0; i < objects.size(); ++i)
        if (objects[i].given)
            out.push_back(static_cast<int>(i));
    return out;
}

kit::Parsed<Construction> parseConstruction(std::string_view text) {
    try {
        return Reader().read(text);
    } catch (const ReadFault& fault) {
        return kit::ParseError{fault.what(), 0};
    } catch (const std::exception& other) {
        return kit::ParseError{std::string("the construction cannot be read: ") + other.what(), 0};
    }
}

} // namespace constructions
