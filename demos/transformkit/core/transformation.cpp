#include "transformkit/core/transformation.h"

#include "transformkit/core/quadratic_number.h"

#include <cmath>
#include <numbers>

namespace transformkit {

Transformation Transformation::translation(ExactPoint vector) {
    Transformation t;
    t.kind_ = TransformKind::Translation;
    t.point_ = std::move(vector);
    return t;
}

Transformation Transformation::reflection(Line mirror) {
    Transformation t;
    t.kind_ = TransformKind::Reflection;
    t.mirror_ = std::move(mirror);
    return t;
}

Transformation Transformation::rotation(ExactPoint centre, mpq_class degrees) {
    Transformation t;
    t.kind_ = TransformKind::Rotation;
    t.point_ = std::move(centre);
    t.number_ = std::move(degrees);
    return t;
}

Transformation Transformation::dilation(ExactPoint centre, mpq_class factor) {
    Transformation t;
    t.kind_ = TransformKind::Dilation;
    t.point_ = std::move(centre);
    t.number_ = std::move(factor);
    return t;
}

namespace {

// x' = h + cos·(x − h) − sin·(y − k), y' = k + sin·(x − h) + cos·(y − k).
AffineMap rotationMap(const ExactPoint& centre, const mpq_class& cosine, const mpq_class& sine) {
    const mpq_class &h = centre.x, &k = centre.y;
    return {cosine, -sine, sine, cosine, h - cosine * h + sine * k, k - sine * h - cosine * k};
}

AffineMap reflectionMap(const Line& l) {
    const mpq_class norm = l.a * l.a + l.b * l.b;
    return {1 - 2 * l.a * l.a / norm, -2 * l.a * l.b / norm, -2 * l.a * l.b / norm,
            1 - 2 * l.b * l.b / norm, 2 * l.a * l.c / norm,  2 * l.b * l.c / norm};
}

std::optional<CosineSine> rightAngleCosineSine(const mpq_class& degrees) {
    const mpq_class quarters = degrees / 90;
    if (quarters.get_den() != 1)
        return std::nullopt;
    return specialCosineSine(degrees);
}

double radians(const mpq_class& degrees) {
    return degrees.get_d() * std::numbers::pi / 180.0;
}

} // namespace

std::optional<AffineMap> Transformation::exactMap() const {
    switch (kind_) {
    case TransformKind::Translation:
        return AffineMap{1, 0, 0, 1, point_.x, point_.y};
    case TransformKind::Reflection:
        return reflectionMap(mirror_);
    case TransformKind::Rotation:
        if (const auto cs = rightAngleCosineSine(number_))
            return rotationMap(point_, cs->cosine.rationalValue(), cs->sine.rationalValue());
        return std::nullopt;
    case TransformKind::Dilation:
        return AffineMap{
            number_, 0, 0, number_, (1 - number_) * point_.x, (1 - number_) * point_.y};
    }
    return std::nullopt;
}

ImagePoint Transformation::image(const ExactPoint& p) const {
    if (const auto map = exactMap()) {
        const ExactPoint q = map->apply(p);
        return {q.x.get_d(), q.y.get_d(), displayPoint(q), true};
    }
    const ExactPoint d = p - point_;
    if (const auto cs = specialCosineSine(number_)) {
        const QuadraticNumber x =
            QuadraticNumber{point_.x, 0, 1} + d.x * cs->cosine + mpq_class(-d.y) * cs->sine;
        const QuadraticNumber y =
            QuadraticNumber{point_.y, 0, 1} + d.x * cs->sine + d.y * cs->cosine;
        return {x.approximate(), y.approximate(),
                "(" + quadraticText(x) + ", " + quadraticText(y) + ")", true};
    }
    const double c = std::cos(radians(number_)), s = std::sin(radians(number_));
    const double x = point_.x.get_d() + c * d.x.get_d() - s * d.y.get_d();
    const double y = point_.y.get_d() + s * d.x.get_d() + c * d.y.get_d();
    return {x, y, "(\u2248 " + roundedText(x) + ", \u2248 " + roundedText(y) + ")", false};
}

std::string degreesText(const mpq_class& degrees) {
    if (degrees.get_den() == 1)
        return displayNumber(degrees) + "\u00b0";
    return roundedText(degrees.get_d()) + "\u00b0";
}

std::string Transformation::name() const {
    switch (kind_) {
    case TransformKind::Translation:
        return "the translation by " + displayPoint(point_);
    case TransformKind::Reflection:
        return "the reflection in " + lineText(mirror_);
    case TransformKind::Rotation: {
        const std::string sense = number_ > 0 ? " anticlockwise" : number_ < 0 ? " clockwise" : "";
        return "the rotation about " + displayPoint(point_) + " through " +
               degreesText(abs(number_)) + sense;
    }
    case TransformKind::Dilation:
        return "the dilation about " + displayPoint(point_) + " with factor " +
               displayNumber(number_);
    }
    return {};
}

namespace {

// "(x − 2)", "x", "(x + 1)" for the difference of a variable and a coordinate.
std::string shifted(const char* variable, const mpq_class& by) {
    if (by == 0)
        return variable;
    return std::string("(") + variable + (by > 0 ? " \u2212 " : " + ") + displayNumber(abs(by)) +
           ")";
}

} // namespace

std::string Transformation::rule() const {
    if (const auto map = exactMap())
        return ruleText(*map);
    std::string cosine, sine;
    if (const auto cs = specialCosineSine(number_)) {
        cosine = quadraticText(cs->cosine);
        sine = quadraticText(cs->sine);
    } else {
        cosine = "\u2248 " + std::string(roundedText(std::cos(radians(number_))));
        sine = "\u2248 " + std::string(roundedText(std::sin(radians(number_))));
    }
    const std::string x = shifted("x", point_.x), y = shifted("y", point_.y);
    const std::string h = point_.x == 0 ? "" : displayNumber(point_.x) + " + ";
    const std::string k = point_.y == 0 ? "" : displayNumber(point_.y) + " + ";
    const std::string angle = degreesText(number_);
    return "(x, y) \u2192 (" + h + "c\u00b7" + x + " \u2212 s\u00b7" + y + ", " + k + "s\u00b7" +
           x + " + c\u00b7" + y + ") with c = cos " + angle + " = " + cosine + " and s = sin " +
           angle + " = " + sine;
}

bool Transformation::isIsometry() const {
    return kind_ != TransformKind::Dilation || abs(number_) == 1;
}

bool Transformation::keepsOrientation() const {
    return kind_ != TransformKind::Reflection;
}

namespace {

// The fixed point of p ↦ Mp + t when it is unique.
std::optional<ExactPoint> fixedPoint(const AffineMap& m) {
    const mpq_class det = (1 - m.a) * (1 - m.d) - m.b * m.c;
    if (det == 0)
        return std::nullopt;
    return ExactPoint{(m.e * (1 - m.d) + m.b * m.f) / det, ((1 - m.a) * m.f + m.c * m.e) / det};
}

std::string rationalAngleText(const mpq_class& cosine, const mpq_class& sine) {
    if (cosine == 0)
        return sine > 0 ? "90\u00b0" : "270\u00b0";
    if (sine == 0)
        return cosine > 0 ? "0\u00b0" : "180\u00b0";
    double degrees = std::atan2(sine.get_d(), cosine.get_d()) * 180.0 / std::numbers::pi;
    if (degrees < 0)
        degrees += 360;
    return "\u2248 " + roundedText(degrees) + "\u00b0 (cos = " + displayNumber(cosine) +
           ", sin = " + displayNumber(sine) + ")";
}

std::string directDescription(const AffineMap& m) {
    const ExactPoint t{m.e, m.f};
    if (m.a == 1 && m.c == 0)
        return t == ExactPoint{0, 0} ? "the identity: every point stays where it is"
                                     : "a translation by " + displayPoint(t);
    const auto centre = fixedPoint(m);
    const mpq_class det = m.determinant();
    if (det == 1)
        return "a rotation about " + displayPoint(*centre) + " through " +
               rationalAngleText(m.a, m.c) + " anticlockwise";
    if (m.c == 0) {
        std::string text =
            "a dilation about " + displayPoint(*centre) + " with factor " + displayNumber(m.a);
        return m.a == -1 ? text + " (a half-turn)" : text;
    }
    return "a dilation about " + displayPoint(*centre) + " with factor " + rootText(det) +
           " combined with a rotation through " + rationalAngleText(m.a, m.c);
}

std::string oppositeDescription(const AffineMap& m) {
    const mpq_class det = m.determinant();
    if (det != -1)
        return "a reflection combined with a dilation by the factor " + rootText(-det);
    // The part of the shift along the mirror: (t + Mt)/2; what is left fixes the mirror line.
    const ExactPoint g{(m.e + m.a * m.e + m.b * m.f) / 2, (m.f + m.c * m.e + m.d * m.f) / 2};
    const ExactPoint rest{m.e - g.x, m.f - g.y};
    const Line mirror =
        (1 - m.a != 0 || m.b != 0) ? Line{1 - m.a, -m.b, rest.x} : Line{-m.c, 1 - m.d, rest.y};
    if (g == ExactPoint{0, 0})
        return "a reflection in " + lineText(mirror);
    return "a glide reflection: the reflection in " + lineText(mirror) +
           " followed by the translation by " + displayPoint(g) + " along it";
}

std::string approximateDescription(const Transformation& first, const Transformation& second) {
    auto at = [&](double x, double y) {
        // The composition evaluated through exact points with rational coordinates.
        const ImagePoint p = first.image({mpq_class(x), mpq_class(y)});
        const ImagePoint q = second.image({mpq_class(p.x), mpq_class(p.y)});
        return std::pair{q.x, q.y};
    };
    const auto [e, f] = at(0, 0);
    const auto [ax, cx] = at(1, 0);
    const double a = ax - e, c = cx - f;
    const double scale = std::hypot(a, c);
    double degrees = std::atan2(c, a) * 180.0 / std::numbers::pi;
    if (degrees < 0)
        degrees += 360;
    if (std::abs(scale - 1) < 1e-9 && (degrees < 1e-7 || degrees > 360 - 1e-7))
        return "a translation by (\u2248 " + roundedText(e) + ", \u2248 " + roundedText(f) + ")";
    // Fixed point of p ↦ Mp + t with M = scale·rotation.
    const double d = (1 - a) * (1 - a) + c * c;
    const double hx = ((1 - a) * e - c * f) / d, hy = (c * e + (1 - a) * f) / d;
    std::string text = "a rotation about (\u2248 " + roundedText(hx) + ", \u2248 " +
                       roundedText(hy) + ") through \u2248 " + roundedText(degrees) +
                       "\u00b0 anticlockwise";
    if (std::abs(scale - 1) > 1e-9)
        text += " combined with a dilation by \u2248 " + roundedText(scale);
    return text;
}

} // namespace

std::string describeMap(const AffineMap& m) {
    if (m.a == m.d && m.b == -m.c)
        return directDescription(m);
    if (m.a == -m.d && m.b == m.c)
        return oppositeDescription(m);
    return "an affine map that changes shapes";
}

std::string compositionText(const Transformation& first, const Transformation& second) {
    const auto f = first.exactMap(), s = second.exactMap();
    if (f && s)
        return describeMap(composed(*f, *s));
    return approximateDescription(first, second);
}

} // namespace transformkit
