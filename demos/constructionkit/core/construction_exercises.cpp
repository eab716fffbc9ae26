#include "constructionkit/core/construction_exercises.h"

#include "constructionkit/core/figure.h"
#include "constructionkit/core/try_it.h"
#include "kit/core/answer_checks.h"

#include <algorithm>
#include <cmath>
#include <gmpxx.h>
#include <sstream>

namespace constructions {
namespace {

using ConstructionPtr = std::shared_ptr<const Construction>;

std::string letter(std::size_t i) {
    return std::string(1, static_cast<char>('A' + i));
}

std::string escaped(const std::string& text) {
    std::string out;
    for (char ch : text) {
        if (ch == '<')
            out += "&lt;";
        else if (ch == '>')
            out += "&gt;";
        else if (ch == '&')
            out += "&amp;";
        else
            out += ch;
    }
    return out;
}

// A choice among lettered options: a letter that is not among them and a wrong option are
// told apart, and a wrong option says why it is wrong.
std::function<kit::Verdict(std::string_view)> letterCheck(std::size_t right,
                                                          std::vector<std::string> whyWrong) {
    return [right, whyWrong = std::move(whyWrong)](std::string_view typed) {
        std::string t;
        for (char ch : typed)
            if (ch != ' ' && ch != '\t')
                t += ch;
        if (t.size() != 1 || std::toupper(static_cast<unsigned char>(t[0])) < 'A' ||
            static_cast<std::size_t>(std::toupper(static_cast<unsigned char>(t[0])) - 'A') >=
                whyWrong.size())
            return kit::Verdict{false, "Type one of the letters A to " +
                                           letter(whyWrong.size() - 1) + "."};
        const auto chosen =
            static_cast<std::size_t>(std::toupper(static_cast<unsigned char>(t[0])) - 'A');
        if (chosen == right)
            return kit::Verdict{true, kit::correctMessage};
        return kit::Verdict{false, "Not " + letter(chosen) + ": " + whyWrong[chosen]};
    };
}

// The options in an order drawn from the seed; returns where the right one went.
template <class T> std::size_t shuffleWithRight(std::vector<T>& options, kit::Random& random) {
    std::vector<std::size_t> order(options.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    for (std::size_t i = order.size(); i > 1; --i)
        std::swap(
            order[i - 1],
            order[static_cast<std::size_t>(random.between(0, static_cast<std::int64_t>(i) - 1))]);
    std::vector<T> shuffled;
    std::size_t right = 0;
    for (std::size_t i = 0; i < order.size(); ++i) {
        shuffled.push_back(options[order[i]]);
        if (order[i] == 0)
            right = i;
    }
    options = std::move(shuffled);
    return right;
}

std::string optionList(const std::vector<std::string>& texts) {
    std::string out = "<ol type=\"A\">";
    for (const std::string& t : texts)
        out += "<li>" + escaped(t) + "</li>";
    return out + "</ol>";
}

// Why a step cannot come next: it is done, or it needs a point not yet constructed.
std::string whyNotNext(const Construction& c, const TryIt& run, int step) {
    if (run.isDone(step))
        return "that is step " + std::to_string(step + 1) + ", already done.";
    const ConstructionObject& o =
        c.objects[static_cast<std::size_t>(c.steps[static_cast<std::size_t>(step)].drawn)];
    for (const std::string* name :
         {&o.first, &o.second, &o.centre, &o.through, &o.radiusFrom, &o.radiusTo})
        if (!name->empty() && !run.known(*name))
            return "it needs the point " + *name + ", which is not constructed yet.";
    return "it can be done now too, but it is not the step this construction takes next.";
}

kit::Exercise nextStepExercise(const ConstructionPtr& c, kit::Seed seed) {
    kit::Random random(seed);
    const auto stepCount = static_cast<int>(c->steps.size());
    const int done = static_cast<int>(random.between(0, stepCount - 1));
    TryIt run(*c, placeAtStart(*c));
    for (int s = 0; s < done; ++s) {
        const ConstructionObject& o =
            c->objects[static_cast<std::size_t>(c->steps[static_cast<std::size_t>(s)].drawn)];
        ToolUse use;
        use.tool =
            o.kind == ObjectKind::Line ? ToolUse::Tool::StraightEdge : ToolUse::Tool::Compass;
        use.first = o.kind == ObjectKind::Line ? o.first : o.centre;
        use.second = o.kind == ObjectKind::Line ? o.second : o.through;
        use.radiusFrom = o.radiusFrom;
        use.radiusTo = o.radiusTo;
        run.use(use);
    }
    std::vector<int> wrong;
    for (int s = 0; s < stepCount; ++s)
        if (s != done && (run.isDone(s) || whyNotNext(*c, run, s).rfind("it needs", 0) == 0))
            wrong.push_back(s);
    while (wrong.size() > 3)
        wrong.erase(wrong.begin() + static_cast<std::ptrdiff_t>(random.between(
                                        0, static_cast<std::int64_t>(wrong.size()) - 1)));
    std::vector<int> options{done};
    options.insert(options.end(), wrong.begin(), wrong.end());
    const std::size_t right = shuffleWithRight(options, random);
    std::vector<std::string> texts, whyWrong;
    for (int s : options) {
        texts.push_back(c->steps[static_cast<std::size_t>(s)].action);
        whyWrong.push_back(s == done ? "" : whyNotNext(*c, run, s));
    }
    kit::Exercise e;
    e.kind = "next-step";
    std::string sofar;
    for (int s = 0; s < done; ++s)
        sofar += "<li>" + escaped(c->steps[static_cast<std::size_t>(s)].action) + "</li>";
    e.prompt = "<p><b>" + escaped(c->title) + ".</b> " + escaped(c->goal) + "</p>" +
               (done == 0 ? std::string("<p>Nothing is drawn yet besides the given figure.</p>")
                          : "<p>Done so far:</p><ol>" + sofar + "</ol>") +
               "<p>Which step comes next?</p>" + optionList(texts);
    e.answerHint = "a letter A to " + letter(options.size() - 1);
    e.expectedAnswer = letter(right);
    e.check = letterCheck(right, whyWrong);
    e.solutionSteps.push_back("A next step may only use points that are already on the page.");
    for (std::size_t i = 0; i < options.size(); ++i)
        if (i != right)
            e.solutionSteps.push_back(letter(i) + " is not next: " + whyWrong[i]);
    const ConstructionStep& next = c->steps[static_cast<std::size_t>(done)];
    e.solutionSteps.push_back("So the answer is " + letter(right) + ": " + next.action +
                              " Why: " + next.reason);
    return e;
}

kit::Exercise reasonExercise(const ConstructionPtr& c, kit::Seed seed) {
    kit::Random random(seed);
    const auto stepCount = static_cast<int>(c->steps.size());
    const int asked = static_cast<int>(random.between(0, stepCount - 1));
    std::vector<int> options{asked};
    std::vector<int> others;
    for (int s = 0; s < stepCount; ++s)
        if (s != asked && c->steps[static_cast<std::size_t>(s)].reason !=
                              c->steps[static_cast<std::size_t>(asked)].reason)
            others.push_back(s);
    while (others.size() > 3)
        others.erase(others.begin() + static_cast<std::ptrdiff_t>(random.between(
                                          0, static_cast<std::int64_t>(others.size()) - 1)));
    options.insert(options.end(), others.begin(), others.end());
    const std::size_t right = shuffleWithRight(options, random);
    std::vector<std::string> texts, whyWrong;
    for (int s : options) {
        texts.push_back(c->steps[static_cast<std::size_t>(s)].reason);
        whyWrong.push_back(s == asked ? ""
                                      : "that is the reason of step " + std::to_string(s + 1) +
                                            ": " + c->steps[static_cast<std::size_t>(s)].action);
    }
    const ConstructionStep& step = c->steps[static_cast<std::size_t>(asked)];
    kit::Exercise e;
    e.kind = "step-reason";
    e.prompt = "<p><b>" + escaped(c->title) + ", step " + std::to_string(asked + 1) + ":</b> " +
               escaped(step.action) +
               "</p><p>Why does this step work; what does it guarantee?</p>" + optionList(texts);
    e.answerHint = "a letter A to " + letter(options.size() - 1);
    e.expectedAnswer = letter(right);
    e.check = letterCheck(right, whyWrong);
    e.solutionSteps.push_back("Step " + std::to_string(asked + 1) + " is: " + step.action);
    e.solutionSteps.push_back("What it guarantees (" + letter(right) + "): " + step.reason);
    for (std::size_t i = 0; i < options.size(); ++i)
        if (i != right)
            e.solutionSteps.push_back(letter(i) + " belongs elsewhere: " + whyWrong[i]);
    return e;
}

std::string numberText(double v) {
    if (const auto f = asSmallFraction(v, 12))
        return fractionText(*f);
    std::ostringstream out;
    out.precision(6);
    out << "about " << v;
    return out.str();
}

std::string givenText(const Construction& c, const Figure& f) {
    std::string out;
    for (int index : c.givenPoints()) {
        const ConstructionObject& o = c.objects[static_cast<std::size_t>(index)];
        const Vec2 p = f.objects[static_cast<std::size_t>(index)].point;
        out += (out.empty() ? "" : ", ") + o.name + " = (" + numberText(p.x) + ", " +
               numberText(p.y) + ")";
    }
    return out;
}

// Integer given points near the starting ones where the figure exists, its given points are
// apart and the asked measure is a small fraction; the starting points when the seed finds none.
Figure measureFigure(const Construction& c, const MeasureQuestion& m, kit::Random& random) {
    for (int attempt = 0; attempt < 400; ++attempt) {
        std::vector<Vec2> givens;
        for (Vec2 start : startingGivens(c))
            givens.push_back({std::round(start.x) + static_cast<double>(random.between(-3, 3)),
                              std::round(start.y) + static_cast<double>(random.between(-3, 3))});
        bool apart = true;
        for (std::size_t i = 0; i < givens.size(); ++i)
            for (std::size_t j = i + 1; j < givens.size(); ++j)
                apart = apart && distance(givens[i], givens[j]) >= 2.0;
        if (!apart)
            continue;
        Figure f = placeFigure(c, givens);
        const auto value = measureOf(c, f, m.kind, m.points);
        if (f.problem.empty() && value && asSmallFraction(*value))
            return f;
    }
    return placeAtStart(c);
}

kit::Exercise measureExercise(const ConstructionPtr& c, kit::Seed seed) {
    kit::Random random(seed);
    const MeasureQuestion& m = random.pick(c->measures);
    const Figure f = measureFigure(*c, m, random);
    const double value = measureOf(*c, f, m.kind, m.points).value_or(0.0);
    const SmallFraction exact =
        asSmallFraction(value).value_or(SmallFraction{std::llround(value), 1});
    kit::Exercise e;
    e.kind = "measure";
    e.prompt = "<p><b>" + escaped(c->title) + ".</b> The construction is carried out with " +
               escaped(givenText(*c, f)) + ".</p><p>" + escaped(fillMeasures(*c, f, m.question)) +
               "</p>";
    e.answerHint = "a number, exact (a fraction like 7/2 if needed)";
    e.expectedAnswer = fractionText(exact);
    e.check = kit::expectRational(
        mpq_class(static_cast<long>(exact.numerator), static_cast<long>(exact.denominator)),
        kit::FractionForm::AnyEquivalent);
    for (const std::string& line : m.solution)
        e.solutionSteps.push_back(fillMeasures(*c, f, line));
    return e;
}

} // namespace

std::optional<SmallFraction> asSmallFraction(double value, long long maxDenominator) {
    if (!std::isfinite(value) || std::abs(value) > 1e9)
        return std::nullopt;
    for (long long d = 1; d <= maxDenominator; ++d) {
        const double n = std::round(value * static_cast<double>(d));
        if (std::abs(value - n / static_cast<double>(d)) <= 1e-9 * std::max(1.0, std::abs(value))) {
            const auto numerator = static_cast<long long>(n);
            return SmallFraction{numerator, d};
        }
    }
    return std::nullopt;
}

std::string fractionText(const SmallFraction& f) {
    const mpq_class q(static_cast<long>(f.numerator), static_cast<long>(f.denominator));
    mpq_class canonical = q;
    canonical.canonicalize();
    return canonical.get_str();
}

std::string fillMeasures(const Construction& c, const Figure& f, const std::string& text) {
    std::string out;
    std::size_t at = 0;
    while (at < text.size()) {
        const auto open = text.find('{', at);
        const auto close = open == std::string::npos ? std::string::npos : text.find('}', open);
        if (close == std::string::npos) {
            out += text.substr(at);
            break;
        }
        out += text.substr(at, open - at);
        std::istringstream in(text.substr(open + 1, close - open - 1));
        std::vector<std::string> w;
        for (std::string word; in >> word;)
            w.push_back(word);
        std::string filled = "?";
        if (w.size() == 2 && w[0] == "given") {
            if (const auto p = f.point(c, w[1]))
                filled = "(" + numberText(p->x) + ", " + numberText(p->y) + ")";
        } else if (!w.empty()) {
            if (const auto v =
                    measureOf(c, f, w[0], std::vector<std::string>(w.begin() + 1, w.end()))) {
                filled = numberText(*v);
                // A negative coordinate stands in a formula: (6 - (-2)), not (6 - -2).
                if ((w[0] == "x" || w[0] == "y") && *v < 0)
                    filled = "(" + filled + ")";
            }
        }
        out += filled;
        at = close + 1;
    }
    return out;
}

std::vector<kit::ExerciseKind> constructionExerciseKinds(ConstructionPtr c) {
    std::vector<kit::ExerciseKind> kinds;
    kinds.push_back({"next-step", "Which step comes next",
                     [c](kit::Seed seed) { return nextStepExercise(c, seed); }});
    kinds.push_back({"step-reason", "What a step guarantees",
                     [c](kit::Seed seed) { return reasonExercise(c, seed); }});
    if (!c->measures.empty())
        kinds.push_back({"measure", "Measures in the finished figure",
                         [c](kit::Seed seed) { return measureExercise(c, seed); }});
    return kinds;
}

} // namespace constructions
