#include "equations/core/solution_input.h"

#include "kit/core/answer_checks.h"
#include "kit/core/input_limits.h"
#include "kit/core/number_input.h"
#include "kit/core/text_scan.h"

#include <algorithm>
#include <cctype>

namespace equations {

namespace {

std::string replaceAll(std::string text, const std::string& from, const std::string& to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return "";
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

std::string lower(std::string text) {
    for (auto& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// Union signs and infinity written in plain letters; the set of reals and the empty set too.
std::string plainSpelling(std::string text) {
    text = replaceAll(text, "\xe2\x88\xaa", " U ");   // union sign
    text = replaceAll(text, "\xe2\x88\x9e", "inf");   // infinity sign
    text = replaceAll(text, "\xe2\x88\x92", "-");     // minus sign
    text = replaceAll(text, "\xe2\x84\x9d", "R");     // double-struck R
    text = replaceAll(text, "\xe2\x88\x85", "empty"); // empty set sign
    text = replaceAll(text, "\xc3\x98", "empty");     // capital O with stroke
    return text;
}

std::vector<std::string> splitAtUnions(const std::string& text) {
    std::vector<std::string> pieces(1);
    int depth = 0;
    for (const char c : text) {
        if (c == '(' || c == '[' || c == '{')
            ++depth;
        if (c == ')' || c == ']' || c == '}')
            --depth;
        if (depth == 0 && (c == 'U' || c == 'u'))
            pieces.emplace_back();
        else
            pieces.back() += c;
    }
    return pieces;
}

enum class Infinity { None, Minus, Plus };

Infinity infinityIn(const std::string& text) {
    std::string t = lower(text);
    t.erase(std::remove(t.begin(), t.end(), ' '), t.end());
    for (const char* word : {"inf", "infinity", "oo"}) {
        if (t == word || t == std::string("+") + word)
            return Infinity::Plus;
        if (t == std::string("-") + word)
            return Infinity::Minus;
    }
    return Infinity::None;
}

std::optional<kit::ParseError> readEndpoint(const std::string& text, bool low, TypedPiece& piece) {
    const Infinity inf = infinityIn(text);
    bool& infinite = low ? piece.lowInfinite : piece.highInfinite;
    if (inf != Infinity::None) {
        if ((inf == Infinity::Plus) == low)
            return kit::ParseError{low ? "an interval cannot start at +infinity"
                                       : "an interval cannot end at -infinity",
                                   0};
        infinite = true;
        return std::nullopt;
    }
    const auto number = kit::parseRational(trimmed(text));
    if (!number.ok())
        return kit::ParseError{"the endpoint \"" + trimmed(text) +
                                   "\" is not a number or infinity: " + number.error().message,
                               0};
    (low ? piece.low : piece.high) = number.value();
    return std::nullopt;
}

std::vector<std::string> splitList(const std::string& inner) {
    std::vector<std::string> items(1);
    for (const char c : inner)
        if (c == ',' || c == ';')
            items.emplace_back();
        else
            items.back() += c;
    return items;
}

kit::Parsed<TypedSet> readPoints(const std::string& piece) {
    const std::string inner = trimmed(piece.substr(1, piece.size() - 2));
    TypedSet set;
    if (inner.empty())
        return set;
    for (const auto& item : splitList(inner)) {
        const auto number = kit::parseRational(trimmed(item));
        if (!number.ok())
            return kit::ParseError{"\"" + trimmed(item) +
                                       "\" in braces is not a number: " + number.error().message,
                                   0};
        TypedPiece point;
        point.low = point.high = number.value();
        point.lowClosed = point.highClosed = true;
        set.push_back(point);
    }
    return set;
}

kit::Parsed<TypedPiece> readInterval(const std::string& piece) {
    const auto items = splitList(piece.substr(1, piece.size() - 2));
    if (items.size() != 2)
        return kit::ParseError{"an interval has two endpoints separated by a comma, as in [1, 3)",
                               0};
    TypedPiece interval;
    interval.lowClosed = piece.front() == '[';
    interval.highClosed = piece.back() == ']';
    for (const bool low : {true, false})
        if (const auto error = readEndpoint(items[low ? 0 : 1], low, interval))
            return *error;
    if ((interval.lowInfinite && interval.lowClosed) ||
        (interval.highInfinite && interval.highClosed))
        return kit::ParseError{"infinity is not a number and never belongs to a set: use ( or ) "
                               "beside it",
                               0};
    if (!interval.lowInfinite && !interval.highInfinite) {
        if (interval.low > interval.high)
            return kit::ParseError{"in " + piece + " the left endpoint is larger than the right",
                                   0};
        if (interval.low == interval.high && !(interval.lowClosed && interval.highClosed))
            return kit::ParseError{piece + " has no points; a single point is written {a}", 0};
    }
    return interval;
}

bool before(const TypedPiece& a, const TypedPiece& b) {
    if (a.lowInfinite != b.lowInfinite)
        return a.lowInfinite;
    if (a.lowInfinite)
        return false;
    if (a.low != b.low)
        return a.low < b.low;
    return a.lowClosed && !b.lowClosed;
}

// True when b starts inside a or right where a ends with the meeting point covered.
bool joins(const TypedPiece& a, const TypedPiece& b) {
    if (a.highInfinite || b.lowInfinite)
        return true;
    return b.low < a.high || (b.low == a.high && (a.highClosed || b.lowClosed));
}

void extend(TypedPiece& a, const TypedPiece& b) {
    if (a.highInfinite)
        return;
    if (b.highInfinite) {
        a.highInfinite = true;
        a.highClosed = false;
    } else if (b.high > a.high) {
        a.high = b.high;
        a.highClosed = b.highClosed;
    } else if (b.high == a.high) {
        a.highClosed = a.highClosed || b.highClosed;
    }
}

bool samePiece(const TypedPiece& a, const TypedPiece& b) {
    return a.lowInfinite == b.lowInfinite && a.highInfinite == b.highInfinite &&
           (a.lowInfinite || (a.low == b.low && a.lowClosed == b.lowClosed)) &&
           (a.highInfinite || (a.high == b.high && a.highClosed == b.highClosed));
}

bool sameEndpoints(const TypedPiece& a, const TypedPiece& b) {
    return a.lowInfinite == b.lowInfinite && a.highInfinite == b.highInfinite &&
           (a.lowInfinite || a.low == b.low) && (a.highInfinite || a.high == b.high);
}

TypedSet asTyped(const SolutionSet& set) {
    TypedSet typed;
    for (const auto& piece : set) {
        TypedPiece t;
        t.lowInfinite = piece.low.infinite;
        t.highInfinite = piece.high.infinite;
        if (!t.lowInfinite)
            t.low = piece.low.root.rational.value_or(0);
        if (!t.highInfinite)
            t.high = piece.high.root.rational.value_or(0);
        t.lowClosed = piece.lowClosed;
        t.highClosed = piece.highClosed;
        typed.push_back(t);
    }
    return canonical(typed);
}

} // namespace

kit::Parsed<TypedSet> parseTypedSet(std::string_view text) {
    if (const auto error = kit::checkLength(text, "the set"))
        return *error;
    const std::string plain = plainSpelling(std::string(text));
    TypedSet set;
    const std::string whole = lower(trimmed(plain));
    if (whole == "r" || whole == "all real numbers")
        return TypedSet{TypedPiece{true, true, 0, 0, false, false}};
    if (whole == "empty" || whole == "none" || whole == "no solution" || whole == "{}")
        return set;
    for (const auto& raw : splitAtUnions(plain)) {
        const std::string piece = trimmed(raw);
        const std::string word = lower(piece);
        if (piece == "R") {
            set.push_back(TypedPiece{true, true, 0, 0, false, false});
            continue;
        }
        if (word == "empty")
            continue;
        if (piece.size() >= 2 && piece.front() == '{' && piece.back() == '}') {
            const auto points = readPoints(piece);
            if (!points.ok())
                return points.error();
            set.insert(set.end(), points.value().begin(), points.value().end());
            continue;
        }
        if (piece.size() >= 2 && (piece.front() == '(' || piece.front() == '[') &&
            (piece.back() == ')' || piece.back() == ']')) {
            const auto interval = readInterval(piece);
            if (!interval.ok())
                return interval.error();
            set.push_back(interval.value());
            continue;
        }
        return kit::ParseError{
            piece.empty() ? std::string("a piece of the union is missing beside U")
                          : "\"" + piece +
                                "\" is not an interval; write intervals such as (-inf, 2) or "
                                "[1, 3], single points as {4}, joined by U",
            0};
    }
    return set;
}

TypedSet canonical(TypedSet set) {
    std::sort(set.begin(), set.end(), before);
    TypedSet joined;
    for (const auto& piece : set) {
        if (!joined.empty() && joins(joined.back(), piece))
            extend(joined.back(), piece);
        else
            joined.push_back(piece);
    }
    return joined;
}

std::function<kit::Verdict(std::string_view)> expectSolutionSet(const SolutionSet& expected) {
    const TypedSet want = asTyped(expected);
    return [want](std::string_view typed) -> kit::Verdict {
        const auto parsed = parseTypedSet(typed);
        if (!parsed.ok())
            return {false, parsed.error().message};
        const TypedSet got = canonical(parsed.value());
        const bool same = got.size() == want.size() &&
                          std::equal(got.begin(), got.end(), want.begin(), samePiece);
        if (same)
            return {true, kit::correctMessage};
        const bool endpointsRight = got.size() == want.size() &&
                                    std::equal(got.begin(), got.end(), want.begin(), sameEndpoints);
        if (endpointsRight)
            return {false, "the endpoints are right, but not which of them belong to the set: "
                           "[ ] include an endpoint, ( ) leave it out"};
        return {false, "that is not the solution set"};
    };
}

} // namespace equations
