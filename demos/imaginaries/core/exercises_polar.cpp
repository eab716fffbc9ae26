#include "imaginaries/core/complex_exercises.h"
#include "imaginaries/core/exact_complex.h"

#include "kit/core/answer_checks.h"
#include "kit/core/random.h"

#include <cstdlib>

namespace imaginaries {
namespace {

// A point on a ray at a special angle: its parts are signed multiples of 1 or √3.
struct SpecialPoint {
    int re;       // −1, 0 or 1
    bool reRoot3; // the real part is ±√3 rather than ±1
    int im;
    bool imRoot3;
    long degrees; // its principal argument
};

const std::vector<SpecialPoint>& specialPoints() {
    static const std::vector<SpecialPoint> points{
        {1, false, 0, false, 0},     {1, false, 1, false, 45},    {0, false, 1, false, 90},
        {-1, false, 1, false, 135},  {-1, false, 0, false, 180},  {-1, false, -1, false, -135},
        {0, false, -1, false, -90},  {1, false, -1, false, -45},  {1, true, 1, false, 30},
        {1, false, 1, true, 60},     {-1, false, 1, true, 120},   {-1, true, 1, false, 150},
        {-1, true, -1, false, -150}, {-1, false, -1, true, -120}, {1, false, -1, true, -60},
        {1, true, -1, false, -30}};
    return points;
}

// "2√3", "√3", "2", "1": the size of one part.
std::string partSize(long scale, bool root3) {
    if (!root3)
        return std::to_string(scale);
    return (scale == 1 ? std::string() : std::to_string(scale)) + "&radic;3";
}

std::string specialText(const SpecialPoint& point, long scale) {
    std::string text;
    if (point.re != 0)
        text = (point.re < 0 ? "&minus;" : "") + partSize(scale, point.reRoot3);
    if (point.im != 0) {
        if (!text.empty())
            text += point.im < 0 ? " &minus; " : " + ";
        else if (point.im < 0)
            text += "&minus;";
        const std::string size = partSize(scale, point.imRoot3);
        text += (size == "1" ? "" : size) + (point.imRoot3 ? " i" : "i");
    }
    return text;
}

std::string quadrantReason(const SpecialPoint& point) {
    if (point.im == 0)
        return point.re > 0 ? "z lies on the positive real axis."
                            : "z lies on the negative real axis.";
    if (point.re == 0)
        return point.im > 0 ? "z lies on the positive imaginary axis."
                            : "z lies on the negative imaginary axis.";
    const char* quadrant =
        point.re > 0 ? (point.im > 0 ? "first" : "fourth") : (point.im > 0 ? "second" : "third");
    return std::string("z lies in the ") + quadrant + " quadrant (real part " +
           (point.re > 0 ? "positive" : "negative") + ", imaginary part " +
           (point.im > 0 ? "positive" : "negative") + ").";
}

kit::Exercise makeArgument(kit::Seed seed) {
    kit::Random random(seed);
    const SpecialPoint point = random.pick(specialPoints());
    const long scale = static_cast<long>(random.between(1, 4));
    const bool sameKind = point.reRoot3 == point.imRoot3;
    const long reference = point.re == 0 || point.im == 0 ? (point.re == 0 ? 90 : 0)
                           : sameKind                     ? 45
                           : point.imRoot3                ? 60
                                                          : 30;
    kit::Exercise exercise;
    exercise.kind = "argument";
    exercise.prompt = "What is the principal argument of z = " + specialText(point, scale) +
                      ", in degrees, in the range &minus;180 &lt; &theta; &le; 180?";
    exercise.answerHint = "an integer number of degrees";
    exercise.expectedAnswer = std::to_string(point.degrees);
    exercise.check = kit::expectInteger(point.degrees);
    exercise.solutionSteps = {
        quadrantReason(point),
        point.re != 0 && point.im != 0 ? "The angle with the real axis has tangent |b|/|a| = " +
                                             std::string(sameKind        ? "1"
                                                         : point.imRoot3 ? "&radic;3"
                                                                         : "1/&radic;3") +
                                             ", so it is " + std::to_string(reference) + "&deg;."
                                       : "On an axis the angle is a multiple of 90&deg;.",
        "Measured from the positive real axis, counter-clockwise positive and clockwise "
        "negative: &theta; = <b>" +
            std::to_string(point.degrees) + "&deg;</b>."};
    return exercise;
}

kit::Exercise makeDeMoivre(kit::Seed seed) {
    kit::Random random(seed);
    const ExactComplex z{random.chance(0.5) ? 1 : -1, random.chance(0.5) ? 1 : -1};
    const unsigned n = static_cast<unsigned>(random.between(2, 12));
    const long angle = sgn(z.re) > 0 ? (sgn(z.im) > 0 ? 45 : -45) : (sgn(z.im) > 0 ? 135 : -135);
    const ExactComplex result = power(z, n);
    const long total = angle * static_cast<long>(n);
    long principal = total % 360;
    if (principal <= -180)
        principal += 360;
    if (principal > 180)
        principal -= 360;
    mpz_class powerOfTwo;
    mpz_ui_pow_ui(powerOfTwo.get_mpz_t(), 2, n / 2);
    const std::string modulus = n % 2 == 0
                                    ? powerOfTwo.get_str()
                                    : (powerOfTwo == 1 ? "" : powerOfTwo.get_str()) + "&radic;2";
    kit::Exercise exercise;
    exercise.kind = "de-moivre";
    exercise.prompt = "Use De Moivre's theorem to compute (" + complexText(z) + ")<sup>" +
                      std::to_string(n) + "</sup> in the form a + bi.";
    exercise.answerHint = "a complex number a + bi";
    exercise.expectedAnswer = complexText(result);
    exercise.check = [result](std::string_view typed) {
        const kit::Parsed<ExactComplex> parsed = parseComplex(typed);
        if (!parsed.ok())
            return kit::Verdict{false, parsed.error().message};
        if (!(parsed.value() == result))
            return kit::Verdict{false, complexText(parsed.value()) + " is not the power."};
        return kit::Verdict{true, "Correct."};
    };
    exercise.solutionSteps = {
        "In polar form " + complexText(z) + " = &radic;2 (cos " + std::to_string(angle) +
            "&deg; + i sin " + std::to_string(angle) + "&deg;).",
        "De Moivre: (r(cos &theta; + i sin &theta;))<sup>n</sup> = r<sup>n</sup>(cos n&theta; + "
        "i sin n&theta;), because multiplying multiplies the moduli and adds the arguments.",
        "(&radic;2)<sup>" + std::to_string(n) + "</sup> = " + modulus + " and " +
            std::to_string(n) + " &times; " + std::to_string(angle) +
            "&deg; = " + std::to_string(total) + "&deg;, the same direction as " +
            std::to_string(principal) + "&deg;.",
        modulus + " (cos " + std::to_string(principal) + "&deg; + i sin " +
            std::to_string(principal) + "&deg;) = <b>" + complexText(result) + "</b>."};
    return exercise;
}

kit::Exercise makeRoots(kit::Seed seed) {
    kit::Random random(seed);
    const long n = static_cast<long>(random.between(2, 6));
    std::vector<long> angles;
    for (long theta : {0L, 90L, 180L, 270L})
        if (theta % n == 0)
            angles.push_back(theta);
    const long theta = random.pick(angles);
    const long base = static_cast<long>(random.between(1, 3));
    mpz_class size;
    mpz_ui_pow_ui(size.get_mpz_t(), static_cast<unsigned long>(base),
                  static_cast<unsigned long>(n));
    const std::string sizeText = size == 1 && theta != 0 && theta != 180 ? "" : size.get_str();
    const std::string w = theta == 0     ? size.get_str()
                          : theta == 90  ? sizeText + "i"
                          : theta == 180 ? "&minus;" + size.get_str()
                                         : "&minus;" + sizeText + "i";
    std::vector<mpz_class> arguments;
    std::string list;
    for (long k = 0; k < n; ++k) {
        const long argument = (theta + 360 * k) / n;
        arguments.emplace_back(argument);
        list += (k == 0 ? "" : ", ") + std::to_string(argument) + "&deg;";
    }
    kit::Exercise exercise;
    exercise.kind = "nth-roots";
    exercise.prompt = "The equation z<sup>" + std::to_string(n) + "</sup> = " + w + " has " +
                      std::to_string(n) +
                      " solutions. Give their arguments in degrees, from 0 "
                      "up to (not including) 360.";
    exercise.answerHint = "integers separated by commas, in any order";
    std::string plain;
    for (std::size_t k = 0; k < arguments.size(); ++k)
        plain += (k == 0 ? "" : ", ") + arguments[k].get_str();
    exercise.expectedAnswer = plain;
    exercise.check = kit::expectIntegerList(arguments, false);
    exercise.solutionSteps = {
        "Write w in polar form: " + w + " = " + size.get_str() + " (cos " + std::to_string(theta) +
            "&deg; + i sin " + std::to_string(theta) + "&deg;).",
        "If z = r(cos &phi; + i sin &phi;), De Moivre gives z<sup>" + std::to_string(n) +
            "</sup> = r<sup>" + std::to_string(n) + "</sup>(cos " + std::to_string(n) +
            "&phi; + i sin " + std::to_string(n) + "&phi;); so r = " + std::to_string(base) +
            " and " + std::to_string(n) + "&phi; = " + std::to_string(theta) +
            "&deg; + k &middot; 360&deg;.",
        "&phi; = " + std::to_string(theta / n) + "&deg; + k &middot; " + std::to_string(360 / n) +
            "&deg; for k = 0, ..., " + std::to_string(n - 1) + ": the corners of a regular " +
            std::to_string(n) + "-gon.",
        "The arguments: <b>" + list + "</b>."};
    return exercise;
}

} // namespace

kit::ExerciseKind argumentKind() {
    return {"argument", "Argument of a complex number", makeArgument};
}

kit::ExerciseKind deMoivreKind() {
    return {"de-moivre", "Powers by De Moivre's theorem", makeDeMoivre};
}

kit::ExerciseKind rootsKind() {
    return {"nth-roots", "The n-th roots", makeRoots};
}

} // namespace imaginaries
