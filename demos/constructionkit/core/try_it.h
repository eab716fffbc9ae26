#pragma once

#include "constructionkit/core/figure.h"
#include "kit/core/verdict.h"

#include <set>
#include <string>
#include <vector>

namespace constructions {

// What the learner does with a tool: the straight edge laid through two points, or the compass
// put on a centre and opened to a point or to the length of a segment.
struct ToolUse {
    enum class Tool { StraightEdge, Compass };
    Tool tool = Tool::StraightEdge;
    std::string first;  // straight edge: one point; compass: the centre
    std::string second; // straight edge: the other point; compass: the point it goes through
    std::string radiusFrom, radiusTo; // compass opened to a segment instead of a point
};

// Reads "line A B", "circle A B" (centre A through B) or "circle A radius B C"; point names as
// the construction writes them. A fault comes back as a message for the learner.
kit::Parsed<ToolUse> parseToolUse(std::string_view typed);

// The learner's own run of a construction, checked step by step against it: a tool use that
// draws the line or circle of a step whose points are all there is accepted (steps that do not
// need each other may come in any order), and the points it marks appear; any other use is
// refused with the reason.
class TryIt {
  public:
    TryIt(const Construction& construction, Figure figure);

    kit::Verdict use(const ToolUse& use);
    // Follows the given points after a drag; what has been done stays done.
    void moveGivens(Figure figure);

    bool finished() const { return done_.size() == construction_.steps.size(); }
    bool isDone(int step) const { return done_.count(step) > 0; }
    bool known(const std::string& pointName) const;
    // The first step whose points are all there and that is not done, or -1.
    int nextStep() const;
    const Figure& figure() const { return figure_; }
    const std::vector<int>& order() const { return order_; }

  private:
    bool available(int step) const;
    bool matches(int step, const ToolUse& use) const;
    std::optional<Line> lineFor(const ToolUse& use) const;
    std::optional<Circle> circleFor(const ToolUse& use) const;
    kit::Verdict refusal(const ToolUse& use) const;
    kit::Verdict accept(int step);

    const Construction& construction_;
    Figure figure_;
    std::set<int> done_;
    std::vector<int> order_;
};

} // namespace constructions
