#include "solids/core/solid_exercises.h"

#include "kit/core/answer_checks.h"
#include "solids/core/corner_angles.h"
#include "solids/core/platonic.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace solids {

namespace {

using kit::Exercise;
using kit::Random;

std::string str(int n) {
    return std::to_string(n);
}

std::string symbolText(Schlafli s) {
    return "{" + str(s.p) + ", " + str(s.q) + "}";
}

std::string pluralPolygon(int sides) {
    switch (sides) {
    case 3:
        return "equilateral triangles";
    case 4:
        return "squares";
    case 5:
        return "regular pentagons";
    case 6:
        return "regular hexagons";
    case 7:
        return "regular heptagons";
    case 8:
        return "regular octagons";
    case 10:
        return "regular decagons";
    default:
        return "regular " + str(sides) + "-gons";
    }
}

std::string shortPolygon(int sides) {
    switch (sides) {
    case 3:
        return "triangle";
    case 4:
        return "square";
    case 5:
        return "pentagon";
    case 6:
        return "hexagon";
    case 7:
        return "heptagon";
    case 8:
        return "octagon";
    case 10:
        return "decagon";
    default:
        return str(sides) + "-gon";
    }
}

std::string degrees(const mpq_class& value) {
    return degreesText(value) + "&deg;";
}

Solid randomSolid(Random& random) {
    return allSolids[static_cast<std::size_t>(random.between(0, 4))];
}

// Which count a question asks for.
enum class Count { Vertices, Edges, Faces };
const char* countWord(Count c) {
    return c == Count::Vertices ? "vertices (corners)" : c == Count::Edges ? "edges" : "faces";
}
int countOf(const Counts& counts, Count c) {
    return c == Count::Vertices ? counts.vertices : c == Count::Edges ? counts.edges : counts.faces;
}

std::string nGonName(int n) {
    switch (n) {
    case 3:
        return "triangular";
    case 4:
        return "square";
    case 5:
        return "pentagonal";
    case 6:
        return "hexagonal";
    case 7:
        return "heptagonal";
    case 8:
        return "octagonal";
    default:
        return str(n) + "-sided";
    }
}

} // namespace

std::vector<NamedCounts> exerciseSolids() {
    std::vector<NamedCounts> list;
    for (Solid solid : allSolids) {
        const Counts c = *countsFrom(schlafliOf(solid));
        list.push_back({"regular " + nameOf(solid), c.vertices, c.edges, c.faces});
    }
    for (int n = 3; n <= 8; ++n) {
        list.push_back({nGonName(n) + " prism", 2 * n, 3 * n, n + 2});
        list.push_back({nGonName(n) + " pyramid", n + 1, 2 * n, n + 1});
        list.push_back(
            {nGonName(n) + " bipyramid (two pyramids glued base to base)", n + 2, 3 * n, 2 * n});
        list.push_back({nGonName(n) + " antiprism", 2 * n, 4 * n, 2 * n + 2});
    }
    list.push_back({"truncated tetrahedron", 12, 18, 8});
    list.push_back({"cuboctahedron", 12, 24, 14});
    list.push_back({"truncated cube", 24, 36, 14});
    list.push_back({"truncated octahedron", 24, 36, 14});
    list.push_back({"rhombicuboctahedron", 24, 48, 26});
    list.push_back({"icosidodecahedron", 30, 60, 32});
    list.push_back({"truncated icosahedron (a football)", 60, 90, 32});
    return list;
}

Exercise countsFromSymbolExercise(kit::Seed seed) {
    Random random(seed);
    const Solid solid = randomSolid(random);
    const Schlafli s = schlafliOf(solid);
    const int askedIndex = static_cast<int>(random.between(0, 4));
    const Counts counts = *countsFrom(s);
    Exercise e;
    e.kind = "counts-from-symbol";
    e.answerHint = "a whole number";
    const std::string intro = "A convex regular polyhedron has the Schl&auml;fli symbol " +
                              symbolText(s) + ": its faces are " + pluralPolygon(s.p) + " and " +
                              str(s.q) + " of them meet at every corner. ";
    const int denominator = 2 * s.p + 2 * s.q - s.p * s.q; // E (2/p + 2/q - 1) = 2, times pq
    e.solutionSteps = {
        "Count the edges twice over. Each face has " + str(s.p) +
            " edges and each edge lies on 2 faces: " + str(s.p) + "F = 2E, so F = 2E/" + str(s.p) +
            ". Each corner has " + str(s.q) + " edges and each edge has 2 ends: " + str(s.q) +
            "V = 2E, so V = 2E/" + str(s.q) + ".",
        "Put both into Euler's formula V &minus; E + F = 2: 2E/" + str(s.q) + " &minus; E + 2E/" +
            str(s.p) + " = 2. Multiply by " + str(s.p * s.q) + ": " + str(2 * s.p) + "E &minus; " +
            str(s.p * s.q) + "E + " + str(2 * s.q) + "E = " + str(2 * s.p * s.q) + ", so " +
            str(denominator) + "E = " + str(2 * s.p * s.q) + " and E = " + str(counts.edges) + ".",
        "Then V = 2&middot;" + str(counts.edges) + "/" + str(s.q) + " = " + str(counts.vertices) +
            " and F = 2&middot;" + str(counts.edges) + "/" + str(s.p) + " = " + str(counts.faces) +
            ": it is the " + nameOf(solid) + "."};
    int answer = 0;
    if (askedIndex < 3) {
        const auto asked = static_cast<Count>(askedIndex);
        answer = countOf(counts, asked);
        e.prompt = intro + "How many <b>" + countWord(asked) + "</b> has it?";
        e.solutionSteps.push_back(std::string("The answer: ") + countWord(asked) + " = " +
                                  str(answer) + ".");
    } else if (askedIndex == 3) {
        answer = s.p * counts.faces;
        e.prompt = intro + "The faces are cut apart: how many <b>face corners</b> are there on "
                           "all the separate faces together?";
        e.solutionSteps.push_back("Each of the " + str(counts.faces) + " faces has " + str(s.p) +
                                  " corners: " + str(s.p) + " &middot; " + str(counts.faces) +
                                  " = " + str(answer) + " (= 2E, and = " + str(s.q) +
                                  "V: every corner of the solid is " + str(s.q) +
                                  " face corners).");
    } else {
        answer = counts.faces * 180 * (s.p - 2);
        e.prompt = intro + "What is the <b>sum of all the angles of all its faces</b>, in "
                           "degrees?";
        e.answerHint = "a whole number of degrees";
        e.solutionSteps.push_back(
            "One " + shortPolygon(s.p) + " has angles adding up to (" + str(s.p) +
            " &minus; 2)&middot;180&deg; = " + str(180 * (s.p - 2)) + "&deg;; " +
            str(counts.faces) + " faces: " + str(answer) +
            "&deg;. (Check: 360&deg;&middot;(V &minus; 2) = 360&deg;&middot;" +
            str(counts.vertices - 2) + " = " + str(360 * (counts.vertices - 2)) +
            "&deg;, because the defects add up to 720&deg;.)");
    }
    e.expectedAnswer = str(answer);
    e.check = kit::expectInteger(answer);
    return e;
}

Exercise eulerMissingExercise(kit::Seed seed) {
    Random random(seed);
    const NamedCounts solid = random.pick(exerciseSolids());
    const auto missing = static_cast<Count>(random.between(0, 2));
    const Counts counts{solid.vertices, solid.edges, solid.faces};
    const int answer = countOf(counts, missing);
    const auto given = [&](Count c, const char* letter) {
        return c == missing ? std::string() : std::string(letter) + " = " + str(countOf(counts, c));
    };
    std::string known;
    for (const auto& [c, letter] : {std::pair{Count::Vertices, "V"}, std::pair{Count::Edges, "E"},
                                    std::pair{Count::Faces, "F"}}) {
        const std::string part = given(c, letter);
        if (!part.empty())
            known += (known.empty() ? "" : " and ") + part;
    }
    Exercise e;
    e.kind = "euler-missing";
    e.prompt = "A " + solid.name + " is a convex polyhedron with " + known +
               ". Use Euler's formula to find its number of <b>" + countWord(missing) + "</b>.";
    e.answerHint = "a whole number";
    e.expectedAnswer = str(answer);
    e.check = kit::expectInteger(answer);
    const std::string V = str(solid.vertices), E = str(solid.edges), F = str(solid.faces);
    std::string rearranged;
    switch (missing) {
    case Count::Vertices:
        rearranged = "V = 2 + E &minus; F = 2 + " + E + " &minus; " + F + " = " + V;
        break;
    case Count::Edges:
        rearranged = "E = V + F &minus; 2 = " + V + " + " + F + " &minus; 2 = " + E;
        break;
    case Count::Faces:
        rearranged = "F = 2 &minus; V + E = 2 &minus; " + V + " + " + E + " = " + F;
        break;
    }
    e.solutionSteps = {"Every convex polyhedron satisfies Euler's formula V &minus; E + F = 2.",
                       "Solve it for the missing count: " + rearranged + ".",
                       "Check: " + V + " &minus; " + E + " + " + F + " = 2."};
    return e;
}

namespace {

std::string lowerTrimmed(std::string_view typed) {
    const auto first = typed.find_first_not_of(" \t");
    const auto last = typed.find_last_not_of(" \t");
    std::string text(first == std::string_view::npos ? std::string_view()
                                                     : typed.substr(first, last - first + 1));
    for (char& ch : text)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return text;
}

// A wrong solid named in the answer gets told what its corners are.
kit::AnswerCheck withSolidHint(kit::AnswerCheck check) {
    return [check = std::move(check)](std::string_view typed) {
        kit::Verdict verdict = check(typed);
        if (verdict.correct)
            return verdict;
        try {
            const std::string answer = lowerTrimmed(typed);
            for (Solid other : allSolids) {
                const auto names = namesAccepted(other);
                if (std::find(names.begin(), names.end(), answer) != names.end()) {
                    const Schlafli s = schlafliOf(other);
                    verdict.message = "Not the " + nameOf(other) + ": it has " + str(s.q) + " " +
                                      pluralPolygon(s.p) + " at each corner.";
                }
            }
        } catch (...) {
            // the plain verdict stands
        }
        return verdict;
    };
}

} // namespace

Exercise cornerSolidExercise(kit::Seed seed) {
    Random random(seed);
    // Half of the time one of the five, otherwise any p and q from 3 to 6.
    Schlafli s;
    if (random.chance(0.5))
        s = schlafliOf(randomSolid(random));
    else
        s = {static_cast<int>(random.between(3, 8)), static_cast<int>(random.between(3, 6))};
    const std::optional<Solid> solid = solidWith(s);
    const mpq_class angle = polygonAngle(s.p);
    const mpq_class sum = angle * s.q;
    Exercise e;
    e.kind = "corner-solid";
    e.prompt = "At every corner of a solid, " + str(s.q) + " " + pluralPolygon(s.p) +
               " are to meet. Which convex regular polyhedron is it? Type <b>none</b> if no convex "
               "solid can have such corners.";
    e.answerHint = "the name of a solid, or none";
    e.expectedAnswer = solid ? nameOf(*solid) : "none";
    e.check = withSolidHint(
        solid ? kit::expectChoice(namesAccepted(*solid))
              : kit::expectChoice({"none", "no solid", "no such solid", "impossible"}));
    const std::string comparison =
        sum < 360    ? "less than 360&deg;: the faces fold up into a corner."
        : sum == 360 ? "exactly 360&deg;: the faces lie flat and tile the plane, no corner forms."
                     : "more than 360&deg;: the faces do not fit around one point without "
                       "overlapping.";
    e.solutionSteps = {"Each angle of a regular " + shortPolygon(s.p) + " is 180&deg;&middot;(" +
                           str(s.p) + " &minus; 2)/" + str(s.p) + " = " + degrees(angle) + ".",
                       "At one corner: " + str(s.q) + " &middot; " + degrees(angle) + " = " +
                           degrees(sum) + ", which is " + comparison,
                       solid ? "The only convex regular solid with " + str(s.q) + " " +
                                   pluralPolygon(s.p) + " at each corner is the " + nameOf(*solid) +
                                   " " + symbolText(s) + "."
                             : std::string("So there is none: the answer is none.")};
    return e;
}

namespace {

// Corners met by the same polygons at every corner of a convex solid: the five regular
// solids, prisms and antiprisms and some Archimedean solids; the list gives the polygons.
std::vector<std::vector<int>> solidCorners() {
    std::vector<std::vector<int>> corners;
    for (Solid solid : allSolids) {
        const Schlafli s = schlafliOf(solid);
        corners.push_back(std::vector<int>(static_cast<std::size_t>(s.q), s.p));
    }
    for (int n : {5, 6, 8, 10}) {
        corners.push_back({4, 4, n});    // prism
        corners.push_back({3, 3, 3, n}); // antiprism
    }
    corners.push_back({3, 6, 6});    // truncated tetrahedron
    corners.push_back({3, 4, 3, 4}); // cuboctahedron
    corners.push_back({3, 8, 8});    // truncated cube
    corners.push_back({4, 6, 6});    // truncated octahedron
    corners.push_back({3, 4, 4, 4}); // rhombicuboctahedron
    corners.push_back({3, 5, 3, 5}); // icosidodecahedron
    corners.push_back({5, 6, 6});    // truncated icosahedron
    corners.push_back({3, 10, 10});  // truncated dodecahedron
    return corners;
}

std::string cornerText(const std::vector<int>& corner) {
    std::map<int, int> counted;
    for (int sides : corner)
        ++counted[sides];
    std::string text;
    std::size_t done = 0;
    for (const auto& [sides, times] : counted) {
        ++done;
        if (!text.empty())
            text += done == counted.size() ? " and " : ", ";
        text += times == 1 ? "one " + shortPolygon(sides) : str(times) + " " + pluralPolygon(sides);
    }
    return text;
}

std::string sumText(const std::vector<int>& corner) {
    std::string text;
    for (int sides : corner)
        text += (text.empty() ? "" : " + ") + degrees(polygonAngle(sides));
    return text;
}

} // namespace

Exercise angleDefectExercise(kit::Seed seed) {
    Random random(seed);
    const std::vector<int> corner = random.pick(solidCorners());
    const mpq_class sum = angleSum(corner);
    const mpq_class defect = angleDefect(corner);
    const bool askCorners = random.chance(0.5);
    const mpq_class corners = mpq_class(720) / defect;
    Exercise e;
    e.kind = "angle-defect";
    e.answerHint = askCorners ? "a whole number" : "degrees, exactly (a fraction if need be)";
    const std::string meeting = "At every corner of a convex solid " + cornerText(corner) +
                                " meet (all regular, with equal sides).";
    e.solutionSteps = {"The angles at one corner: " + sumText(corner) + " = " + degrees(sum) + ".",
                       "The angle defect is what is missing to a full turn: 360&deg; &minus; " +
                           degrees(sum) + " = " + degrees(defect) + "."};
    if (askCorners) {
        e.prompt = meeting +
                   " How many <b>corners</b> has the solid? (The defects of all corners of a "
                   "convex polyhedron add up to 720&deg;.)";
        e.expectedAnswer = corners.get_str();
        e.check = kit::expectInteger(corners.get_num());
        e.solutionSteps.push_back("Descartes' theorem: the defects of all corners add up to "
                                  "720&deg;, so V = 720&deg; / " +
                                  degrees(defect) + " = " + corners.get_str() + ".");
    } else {
        e.prompt = meeting + " What is the <b>angle defect</b> at a corner, in degrees?";
        e.expectedAnswer = degreesText(defect);
        e.check = kit::expectRational(defect, kit::FractionForm::AnyEquivalent);
        e.solutionSteps.push_back("The answer: " + degrees(defect) +
                                  " (positive, as at every "
                                  "corner of a convex solid).");
    }
    return e;
}

Exercise dualCountsExercise(kit::Seed seed) {
    Random random(seed);
    const Solid solid = randomSolid(random);
    const Solid dual = dualOf(solid);
    const Counts counts = *countsFrom(schlafliOf(solid));
    const int askedIndex = static_cast<int>(random.between(0, 4));
    const Counts dualCounts{counts.faces, counts.edges, counts.vertices};
    const Schlafli s = schlafliOf(solid);
    std::string question;
    int answer = 0;
    if (askedIndex < 3) {
        const auto asked = static_cast<Count>(askedIndex);
        answer = countOf(dualCounts, asked);
        question = std::string("how many <b>") + countWord(asked) + "</b> has this dual solid?";
    } else if (askedIndex == 3) {
        answer = s.q;
        question = "how many <b>sides</b> has each face of this dual solid?";
    } else {
        answer = s.p;
        question = "how many <b>faces meet at each corner</b> of this dual solid?";
    }
    Exercise e;
    e.kind = "dual-counts";
    e.prompt = "The " + nameOf(solid) + " " + symbolText(s) + " has V = " + str(counts.vertices) +
               ", E = " + str(counts.edges) + " and F = " + str(counts.faces) +
               ". Put a corner at the centre of every face and join the centres of faces that "
               "share an edge: " +
               question;
    e.answerHint = "a whole number";
    e.expectedAnswer = str(answer);
    e.check = kit::expectInteger(answer);
    e.solutionSteps = {
        "Every face of the " + nameOf(solid) +
            " gives one corner of the dual, every edge one edge (across it), every corner one "
            "face (around it).",
        "So the dual has V = " + str(counts.faces) + ", E = " + str(counts.edges) +
            " and F = " + str(counts.vertices) + ": V and F swap, E stays.",
        "Around each corner of the " + nameOf(solid) + " lie " + str(s.q) +
            " faces, so each face of the dual has " + str(s.q) + " sides; each face of the " +
            nameOf(solid) + " has " + str(s.p) + " neighbours, so " + str(s.p) +
            " faces meet at each corner of the dual.",
        "Its symbol is {" + str(s.q) + ", " + str(s.p) + "}: it is the " + nameOf(dual) +
            ". The answer: " + str(answer) + "."};
    return e;
}

std::vector<kit::ExerciseKind> exerciseKinds() {
    return {{"counts-from-symbol", "Counts from the symbol {p, q}", countsFromSymbolExercise},
            {"euler-missing", "Euler's formula: the missing count", eulerMissingExercise},
            {"corner-solid", "Which solid has these corners?", cornerSolidExercise},
            {"angle-defect", "Angle defect at a corner", angleDefectExercise},
            {"dual-counts", "Counts of the dual", dualCountsExercise}};
}

} // namespace solids
