#include "arrows/core/vector_exercises.h"
#include "kit/core/surd.h"

#include "kit/core/answer_checks.h"

namespace arrows {

namespace {

ExactVector randomVector(kit::Random& random, std::size_t dimension, int range, bool nonZero) {
    for (;;) {
        ExactVector v;
        for (std::size_t i = 0; i < dimension; ++i)
            v.push_back(mpq_class(random.between(-range, range)));
        if (!nonZero || !isZero(v))
            return v;
    }
}

std::string named(const char* name, const ExactVector& v) {
    return std::string("<b>") + name + "</b> = " + vectorText(v);
}

std::string scalarTimes(const mpq_class& s, const char* name) {
    if (s == 1)
        return std::string("<b>") + name + "</b>";
    if (s == -1)
        return std::string("-<b>") + name + "</b>";
    return s.get_str() + "<b>" + name + "</b>";
}

kit::Exercise linearCombination(kit::Seed seed) {
    kit::Random random(seed);
    const ExactVector a = randomVector(random, 2, 6, true);
    const ExactVector b = randomVector(random, 2, 6, true);
    const std::vector<mpq_class> scalars{-3, -2, -1, 2, 3, mpq_class(1, 2), mpq_class(-1, 2)};
    const mpq_class s = random.pick(scalars);
    const mpq_class t = random.chance(0.3) ? mpq_class(1) : random.pick(scalars);
    const ExactVector sa = scale(s, a), tb = scale(t, b), result = add(sa, tb);
    // "-3a - b" rather than "-3a + -b".
    const std::string combination =
        scalarTimes(s, "a") + (t < 0 ? " - " : " + ") + scalarTimes(t < 0 ? mpq_class(-t) : t, "b");
    kit::Exercise e;
    e.kind = "linear-combination";
    e.prompt = named("a", a) + " and " + named("b", b) + ". Find " + combination + ".";
    e.answerHint = "a vector (x, y), e.g. (3, -1/2)";
    e.expectedAnswer = vectorText(result);
    e.check = expectVector(result);
    e.solutionSteps = {
        "Multiply each component by its scalar: " + scalarTimes(s, "a") + " = " + vectorText(sa) +
            " and " + scalarTimes(t, "b") + " = " + vectorText(tb) + ".",
        "Add the components: (" + sa[0].get_str() + " + " + bracketedText(tb[0]) + ", " +
            sa[1].get_str() + " + " + bracketedText(tb[1]) + ") = " + vectorText(result) + ".",
        "So " + combination + " = " + vectorText(result) + "."};
    return e;
}

kit::Exercise length(kit::Seed seed) {
    kit::Random random(seed);
    const std::size_t dimension = random.chance(0.3) ? 3 : 2;
    const ExactVector a = randomVector(random, dimension, 9, true);
    const mpq_class square = lengthSquared(a);
    kit::WorkBudget budget(10000);
    const kit::Surd root = *kit::exactSquareRoot(square, budget);
    kit::Exercise e;
    e.kind = "vector-length";
    e.prompt = "Find the length |<b>a</b>| of " + named("a", a) + ", exactly.";
    e.answerHint = "a whole number or a simplified root, e.g. 5 or 2\u221a3 (type sqrt for \u221a)";
    e.expectedAnswer = kit::surdText(root);
    e.check = expectLength(square);
    std::string squares;
    for (std::size_t i = 0; i < a.size(); ++i)
        squares += (i > 0 ? " + " : "") + bracketedText(a[i]) + "\u00b2";
    e.solutionSteps = {"By Pythagoras |<b>a</b>|\u00b2 is the sum of the squares of the "
                       "components: " +
                           squares + " = " + square.get_str() + ".",
                       "So |<b>a</b>| = \u221a" + square.get_str() + "."};
    if (root.radicand == 1)
        e.solutionSteps.push_back(
            square.get_str() + " is a perfect square: |<b>a</b>| = " + kit::surdText(root) + ".");
    else
        e.solutionSteps.push_back("Take the square factors out: \u221a" + square.get_str() + " = " +
                                  kit::surdText(root) + " (check: " + kit::surdText(root) +
                                  " squared is " + root.square().get_str() + ").");
    return e;
}

kit::Exercise dotProduct(kit::Seed seed) {
    kit::Random random(seed);
    const std::size_t dimension = random.chance(0.3) ? 3 : 2;
    const ExactVector a = randomVector(random, dimension, 7, true);
    const ExactVector b = randomVector(random, dimension, 7, true);
    const mpq_class d = dot(a, b);
    kit::Exercise e;
    e.kind = "dot-product";
    e.prompt = named("a", a) + " and " + named("b", b) + ". Find <b>a</b> \u00b7 <b>b</b>.";
    e.answerHint = "a number";
    e.expectedAnswer = d.get_str();
    e.check = kit::expectRational(d, kit::FractionForm::AnyEquivalent);
    e.solutionSteps = {
        "Multiply matching components and add: <b>a</b> \u00b7 <b>b</b> = " + dotWorking(a, b) +
            ".",
        "<b>a</b> \u00b7 <b>b</b> = " + d.get_str() + ".",
        d == 0 ? "The dot product is 0: the vectors are perpendicular."
               : (d > 0 ? "It is positive: the angle between them is less than 90\u00b0."
                        : "It is negative: the angle between them is more than 90\u00b0.")};
    return e;
}

// b is a multiple of a turned by a multiple of 45°, so the angle is exact.
kit::Exercise angle(kit::Seed seed) {
    kit::Random random(seed);
    const ExactVector a = randomVector(random, 2, 4, true);
    const int degrees = static_cast<int>(random.between(0, 4)) * 45;
    const mpq_class p = a[0], q = a[1];
    ExactVector turned;
    switch (degrees) {
    case 0:
        turned = a;
        break;
    case 45:
        turned = {p - q, p + q};
        break;
    case 90:
        turned = {-q, p};
        break;
    case 135:
        turned = {-p - q, p - q};
        break;
    default:
        turned = {-p, -q};
        break;
    }
    const ExactVector b = scale(mpq_class(random.between(1, 2)), turned);
    const mpq_class d = dot(a, b);
    const mpq_class product = lengthSquared(a) * lengthSquared(b);
    kit::WorkBudget budget(10000);
    const kit::Surd root = *kit::exactSquareRoot(product, budget);
    kit::Exercise e;
    e.kind = "angle-between";
    e.prompt = named("a", a) + " and " + named("b", b) +
               ". Find the angle between <b>a</b> and <b>b</b> in degrees.";
    e.answerHint = "a whole number of degrees from 0 to 180";
    e.expectedAnswer = std::to_string(degrees);
    e.check = kit::expectInteger(degrees);
    const std::string cosine = d.get_str() + "/(" + "\u221a" + lengthSquared(a).get_str() +
                               "\u00b7\u221a" + lengthSquared(b).get_str() + ") = " + d.get_str() +
                               "/" + kit::surdText(root);
    const std::vector<std::string> values{"1", "1/\u221a2 = \u221a2/2", "0",
                                          "-1/\u221a2 = -\u221a2/2", "-1"};
    e.solutionSteps = {"cos \u03b8 = (<b>a</b> \u00b7 <b>b</b>) / (|<b>a</b>| |<b>b</b>|).",
                       "<b>a</b> \u00b7 <b>b</b> = " + dotWorking(a, b) + " = " + d.get_str() +
                           "; |<b>a</b>|\u00b2 = " + lengthSquared(a).get_str() +
                           ", |<b>b</b>|\u00b2 = " + lengthSquared(b).get_str() + ".",
                       "cos \u03b8 = " + cosine + " = " +
                           values[static_cast<std::size_t>(degrees / 45)] + ".",
                       "So \u03b8 = " + std::to_string(degrees) + "\u00b0."};
    return e;
}

kit::Exercise projectionExercise(kit::Seed seed) {
    kit::Random random(seed);
    const ExactVector a = randomVector(random, 2, 6, true);
    const ExactVector b = randomVector(random, 2, 4, true);
    const ExactVector p = projection(a, b);
    const mpq_class d = dot(a, b), bb = lengthSquared(b), factor = d / bb;
    kit::Exercise e;
    e.kind = "projection";
    e.prompt = named("a", a) + " and " + named("b", b) +
               ". Find the projection of <b>a</b> onto <b>b</b>.";
    e.answerHint = "a vector (x, y) with exact fractions, e.g. (6/5, -3/5)";
    e.expectedAnswer = vectorText(p);
    e.check = expectVector(p);
    e.solutionSteps = {
        "proj<sub><b>b</b></sub> <b>a</b> = ((<b>a</b> \u00b7 <b>b</b>) / (<b>b</b> \u00b7 "
        "<b>b</b>)) <b>b</b>.",
        "<b>a</b> \u00b7 <b>b</b> = " + dotWorking(a, b) + " = " + d.get_str() +
            "; <b>b</b> \u00b7 <b>b</b> = " + dotWorking(b, b) + " = " + bb.get_str() + ".",
        "The factor is " + d.get_str() + "/" + bb.get_str() + " = " + factor.get_str() +
            ", so the projection is " + factor.get_str() + "\u00b7" + vectorText(b) + " = " +
            vectorText(p) + ".",
        "Check: <b>a</b> minus the projection, " + vectorText(subtract(a, p)) +
            ", is perpendicular to <b>b</b> (dot product " + dot(subtract(a, p), b).get_str() +
            ")."};
    return e;
}

kit::Exercise crossProduct(kit::Seed seed) {
    kit::Random random(seed);
    const ExactVector a = randomVector(random, 3, 5, true);
    const ExactVector b = randomVector(random, 3, 5, true);
    const ExactVector c = cross(a, b);
    auto term = [&](std::size_t i, std::size_t j) {
        return bracketedText(a[i]) + "\u00b7" + bracketedText(b[j]) + " - " + bracketedText(a[j]) +
               "\u00b7" + bracketedText(b[i]);
    };
    kit::Exercise e;
    e.kind = "cross-product";
    e.prompt = named("a", a) + " and " + named("b", b) + ". Find <b>a</b> \u00d7 <b>b</b>.";
    e.answerHint = "a vector (x, y, z)";
    e.expectedAnswer = vectorText(c);
    e.check = expectVector(c);
    e.solutionSteps = {
        "<b>a</b> \u00d7 <b>b</b> = (a<sub>2</sub>b<sub>3</sub> - a<sub>3</sub>b<sub>2</sub>, "
        "a<sub>3</sub>b<sub>1</sub> - a<sub>1</sub>b<sub>3</sub>, a<sub>1</sub>b<sub>2</sub> - "
        "a<sub>2</sub>b<sub>1</sub>).",
        "x: " + term(1, 2) + " = " + c[0].get_str() + "; y: " + term(2, 0) + " = " +
            c[1].get_str() + "; z: " + term(0, 1) + " = " + c[2].get_str() + ".",
        "<b>a</b> \u00d7 <b>b</b> = " + vectorText(c) + ". Check: it is perpendicular to both, " +
            "<b>a</b> \u00b7 (<b>a</b> \u00d7 <b>b</b>) = " + dot(a, c).get_str() +
            " and <b>b</b> \u00b7 (<b>a</b> \u00d7 <b>b</b>) = " + dot(b, c).get_str() + "."};
    return e;
}

} // namespace

kit::ExerciseKind linearCombinationKind() {
    return {"linear-combination", "Linear combination s\u00b7a + t\u00b7b", linearCombination};
}
kit::ExerciseKind lengthKind() {
    return {"vector-length", "Length of a vector (exact)", length};
}
kit::ExerciseKind dotProductKind() {
    return {"dot-product", "Dot product", dotProduct};
}
kit::ExerciseKind angleKind() {
    return {"angle-between", "Angle between two vectors", angle};
}
kit::ExerciseKind projectionKind() {
    return {"projection", "Projection onto a vector", projectionExercise};
}
kit::ExerciseKind crossProductKind() {
    return {"cross-product", "Cross product in space", crossProduct};
}

std::vector<kit::ExerciseKind> vectorExerciseKinds() {
    return {linearCombinationKind(), lengthKind(),      dotProductKind(), angleKind(),
            projectionKind(),        crossProductKind()};
}

} // namespace arrows
