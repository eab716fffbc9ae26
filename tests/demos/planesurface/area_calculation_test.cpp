// The calculator's areas and perimeters against a second method: the shoelace formula and the
// boundary length of the figure it draws, Heron against base and height from coordinates, and
// known exact values; values that do not fit together name the field to correct.
#include "planesurface/core/calculation.h"
#include "planesurface/core/pi_answer.h"

#include "kit/core/number_input.h"
#include "kit/core/random.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace planesurface;

namespace {

Calculation calculated(Shape shape, const std::vector<mpq_class>& values) {
    CalculationResult result = calculate(shape, values);
    if (const auto* error = std::get_if<InputError>(&result))
        ADD_FAILURE() << "field " << error->field << ": " << error->message;
    return std::get<Calculation>(std::move(result));
}

InputError refused(Shape shape, const std::vector<mpq_class>& values) {
    CalculationResult result = calculate(shape, values);
    EXPECT_TRUE(std::holds_alternative<InputError>(result));
    return std::holds_alternative<InputError>(result) ? std::get<InputError>(result) : InputError{};
}

// The region's area from the drawing: the outer outline minus the holes inside it.
double drawnArea(const Figure& figure) {
    double area = std::fabs(signedArea(figure.outlines.at(0)));
    for (std::size_t k = 1; k < figure.outlines.size(); ++k)
        area -= std::fabs(signedArea(figure.outlines[k]));
    return area;
}

double drawnBoundary(const Figure& figure) {
    double length = 0;
    for (const auto& outline : figure.outlines)
        length += boundaryLength(outline);
    return length;
}

// Values the shape accepts: lengths from 1/2 to 20 in halves, angles and counts in range.
std::vector<mpq_class> randomValues(const ShapeInfo& info, kit::Random& random) {
    std::vector<mpq_class> values;
    for (const Parameter& p : info.parameters) {
        switch (p.quantity) {
        case Parameter::Quantity::Length:
            values.push_back(mpq_class(random.between(1, 40), 2));
            values.back().canonicalize();
            break;
        case Parameter::Quantity::Angle:
            values.push_back(mpq_class(random.between(1, 179)));
            break;
        case Parameter::Quantity::Count:
            values.push_back(mpq_class(random.between(3, 24)));
            break;
        }
    }
    return values;
}

// The exact text of an amount read back: "84", "7.5", "25/2", "9π", "24√3", "3√5/2", "12 + 2π".
double exactValue(const std::string& text) {
    const auto plus = text.find(" + ");
    if (plus != std::string::npos)
        return exactValue(text.substr(0, plus)) + exactValue(text.substr(plus + 3));
    for (const std::string& sign : {std::string("\u03c0"), std::string("\u221a")}) {
        const auto at = text.find(sign);
        if (at == std::string::npos)
            continue;
        const double before =
            at == 0 ? 1.0 : kit::parseRational(text.substr(0, at)).value().get_d();
        std::string rest = text.substr(at + sign.size());
        double root = M_PI;
        if (sign != "\u03c0") {
            const auto slash = rest.find('/');
            root = std::sqrt(std::stod(rest.substr(0, slash)));
            rest = slash == std::string::npos ? "" : rest.substr(slash);
        }
        const double divisor = rest.empty() ? 1.0 : std::stod(rest.substr(1));
        return before * root / divisor;
    }
    return kit::parseRational(text).value().get_d();
}

} // namespace

TEST(AreaCalculation, EveryShapeAgreesWithTheShoelaceFormulaOfItsDrawing) {
    kit::Random random(2024);
    for (const ShapeInfo& info : shapeCatalogue()) {
        for (int trial = 0; trial < 60; ++trial) {
            std::vector<mpq_class> values = randomValues(info, random);
            CalculationResult result = calculate(info.shape, values);
            if (std::holds_alternative<InputError>(result))
                continue; // values that do not fit together are tested below
            const Calculation& c = std::get<Calculation>(result);
            SCOPED_TRACE(info.name + ": " + c.areaSubstitution);
            const double drawn = drawnArea(c.figure);
            // Curved outlines are drawn with 720 corners: close, not equal.
            EXPECT_NEAR(c.area.value, drawn, 1e-4 * c.area.value);
            if (!c.area.exact.empty()) {
                EXPECT_NEAR(exactValue(c.area.exact), c.area.value, 1e-9 * c.area.value)
                    << c.area.exact;
            }
            if (c.perimeter) {
                EXPECT_NEAR(c.perimeter->value, drawnBoundary(c.figure), 1e-4 * c.perimeter->value);
                if (!c.perimeter->exact.empty()) {
                    EXPECT_NEAR(exactValue(c.perimeter->exact), c.perimeter->value,
                                1e-9 * c.perimeter->value)
                        << c.perimeter->exact;
                }
            } else {
                EXPECT_EQ(info.shape, Shape::TriangleBaseHeight);
                EXPECT_FALSE(c.perimeterNote.empty());
            }
        }
    }
}

TEST(AreaCalculation, HeronAgreesWithHalfBaseTimesHeightFromCoordinates) {
    kit::Random random(7);
    int triangles = 0;
    for (int trial = 0; trial < 500; ++trial) {
        const long a = random.between(1, 60), b = random.between(1, 60), c = random.between(1, 60);
        CalculationResult result = calculate(Shape::TriangleThreeSides, {a, b, c});
        const bool closes = a < b + c && b < a + c && c < a + b;
        ASSERT_EQ(std::holds_alternative<Calculation>(result), closes) << a << " " << b << " " << c;
        if (!closes)
            continue;
        ++triangles;
        // Put B at the origin and C at (a, 0): A lies where the circles |BA| = c and |CA| = b meet.
        const double x = (double(a * a) + double(c * c) - double(b * b)) / (2.0 * double(a));
        const double height = std::sqrt(double(c * c) - x * x);
        EXPECT_NEAR(std::get<Calculation>(result).area.value, 0.5 * double(a) * height,
                    1e-7 * double(a * a));
    }
    EXPECT_GT(triangles, 100);
}

TEST(AreaCalculation, KnownValuesComeOutExact) {
    EXPECT_EQ(calculated(Shape::TriangleThreeSides, {13, 14, 15}).area.exact, "84");
    EXPECT_EQ(calculated(Shape::TriangleThreeSides, {3, 4, 5}).area.exact, "6");
    EXPECT_EQ(calculated(Shape::TriangleThreeSides, {2, 2, 2}).area.exact, "\u221a3");
    EXPECT_EQ(calculated(Shape::TriangleThreeSides, {5, 6, 7}).area.exact, "6\u221a6");
    EXPECT_EQ(calculated(Shape::TriangleTwoSidesAngle, {8, 6, 30}).area.exact, "12");
    const Calculation right = calculated(Shape::TriangleTwoSidesAngle, {3, 4, 90});
    EXPECT_EQ(right.area.exact, "6");
    EXPECT_EQ(right.perimeter->exact, "12");
    const Calculation equilateral = calculated(Shape::TriangleTwoSidesAngle, {2, 2, 60});
    EXPECT_EQ(equilateral.area.exact, "\u221a3");
    EXPECT_EQ(equilateral.perimeter->exact, "6");
    EXPECT_TRUE(calculated(Shape::TriangleTwoSidesAngle, {2, 3, 50}).area.exact.empty());
    EXPECT_EQ(calculated(Shape::Trapezoid, {10, 4, 4}).area.exact, "28");
    EXPECT_EQ(calculated(Shape::Trapezoid, {10, 4, 4}).perimeter->exact, "24");
    EXPECT_EQ(calculated(Shape::Rhombus, {8, 6}).perimeter->exact, "20");
    EXPECT_EQ(calculated(Shape::Rhombus, {2, 2}).perimeter->exact, "4\u221a2");
    EXPECT_EQ(calculated(Shape::Circle, {3}).area.exact, "9\u03c0");
    EXPECT_EQ(calculated(Shape::Circle, {mpq_class(5, 2)}).perimeter->exact, "5\u03c0");
    const Calculation sector = calculated(Shape::Sector, {6, 60});
    EXPECT_EQ(sector.area.exact, "6\u03c0");
    EXPECT_EQ(sector.perimeter->exact, "12 + 2\u03c0");
    EXPECT_EQ(calculated(Shape::Annulus, {5, 3}).area.exact, "16\u03c0");
    EXPECT_EQ(calculated(Shape::Ellipse, {5, 3}).area.exact, "15\u03c0");
    EXPECT_NEAR(calculated(Shape::Ellipse, {4, 4}).perimeter->value, 8 * M_PI, 1e-12);
    EXPECT_EQ(calculated(Shape::RegularPolygon, {6, 4}).area.exact, "24\u221a3");
    EXPECT_EQ(calculated(Shape::RegularPolygon, {4, 3}).area.exact, "9");
    EXPECT_NEAR(calculated(Shape::RegularPolygon, {5, 1}).area.value, 1.720477400588967, 1e-12);
    EXPECT_EQ(calculated(Shape::Parallelogram, {8, 5, 4}).area.exact, "32");
    EXPECT_EQ(calculated(Shape::Rectangle, {mpq_class(5, 2), 3}).area.exact, "7.5");
}

TEST(AreaCalculation, ValuesThatDoNotFitTogetherNameTheFieldToCorrect) {
    const InputError tooLong = refused(Shape::TriangleThreeSides, {3, 8, 4});
    EXPECT_EQ(tooLong.field, 1u);
    EXPECT_EQ(tooLong.message,
              "b = 8 is longer than a + c = 7: these sides do not close up into a triangle");
    const InputError flat = refused(Shape::TriangleThreeSides, {3, 4, 7});
    EXPECT_EQ(flat.field, 2u);
    EXPECT_NE(flat.message.find("flat"), std::string::npos);
    EXPECT_EQ(refused(Shape::TriangleTwoSidesAngle, {3, 4, 180}).field, 2u);
    EXPECT_EQ(refused(Shape::TriangleTwoSidesAngle, {3, 4, 200}).field, 2u);
    EXPECT_EQ(refused(Shape::Parallelogram, {8, 4, 5}).field, 2u);
    EXPECT_EQ(refused(Shape::Annulus, {3, 3}).field, 1u);
    EXPECT_EQ(refused(Shape::Annulus, {3, 5}).field, 1u);
    EXPECT_EQ(refused(Shape::Square, {1, 2}).field, 0u);
}

TEST(AreaCalculation, TypedValuesAreReadWithAReason) {
    const Parameter length{"a", "side", Parameter::Quantity::Length, "1"};
    const Parameter angle{"C", "angle", Parameter::Quantity::Angle, "1"};
    const Parameter count{"n", "sides", Parameter::Quantity::Count, "3"};
    EXPECT_EQ(readValue(length, "2.5").value(), mpq_class(5, 2));
    EXPECT_EQ(readValue(length, "1 1/2").value(), mpq_class(3, 2));
    EXPECT_EQ(readValue(length, "-3").error().message, "a length must be more than 0");
    EXPECT_EQ(readValue(length, "0").error().message, "a length must be more than 0");
    EXPECT_FALSE(readValue(length, "abc").ok());
    EXPECT_FALSE(readValue(length, "").ok());
    EXPECT_FALSE(readValue(length, "1/0").ok());
    EXPECT_FALSE(readValue(length, "10000001").ok());
    EXPECT_FALSE(readValue(length, std::string(300, '9')).ok());
    EXPECT_EQ(readValue(angle, "360").error().message, "the angle must be less than 360\u00b0");
    EXPECT_FALSE(readValue(angle, "-30").ok());
    EXPECT_EQ(readValue(count, "5.5").error().message, "the number of sides is a whole number");
    EXPECT_FALSE(readValue(count, "2").ok());
    EXPECT_FALSE(readValue(count, "101").ok());
    EXPECT_EQ(readValue(count, "12").value(), 12);
}

TEST(AreaCalculation, AmountsAreWrittenExactlyThenRounded) {
    EXPECT_EQ(amountText(rationalAmount(mpq_class(15, 2))), "7.5");
    EXPECT_EQ(amountText(rationalAmount(mpq_class(5, 3))), "5/3 \u2248 1.67");
    EXPECT_EQ(amountText(piAmount(mpq_class(25, 2))), "12.5\u03c0 \u2248 39.27");
    EXPECT_EQ(amountText(piAmount(mpq_class(25, 3))), "25\u03c0/3 \u2248 26.18");
    EXPECT_EQ(amountText(decimalAmount(0.43301)), "\u2248 0.4330");
    EXPECT_EQ(numberText(mpq_class(1, 8)), "0.125");
    EXPECT_EQ(numberText(mpq_class(-7, 4)), "-1.75");
}

TEST(AreaCalculation, MultiplesOfPiAreReadAsTyped) {
    for (const char* typed : {"9pi", "9 \u03c0", "9*pi", "9\u03c0", "9 PI", "(9)pi", "18pi/2"})
        EXPECT_EQ(parsePiMultiple(typed).value(), 9) << typed;
    EXPECT_EQ(parsePiMultiple("pi").value(), 1);
    EXPECT_EQ(parsePiMultiple("25pi/2").value(), mpq_class(25, 2));
    EXPECT_EQ(parsePiMultiple("25/2 pi").value(), mpq_class(25, 2));
    EXPECT_EQ(parsePiMultiple("12.5\u03c0").value(), mpq_class(25, 2));
    for (const char* typed : {"pi pi", "9pi/0", "9pi2", "x pi", "28.27"})
        EXPECT_FALSE(parsePiMultiple(typed).ok()) << typed;
    const auto check = expectPiMultiple(9);
    EXPECT_TRUE(check("9pi").correct);
    EXPECT_FALSE(check("10pi").correct);
    EXPECT_NE(check("28.27").message.find("multiple of \u03c0"), std::string::npos);
}
