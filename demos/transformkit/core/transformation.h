#pragma once

#include "transformkit/core/affine_map.h"
#include "transformkit/core/line.h"

#include <optional>
#include <string>

namespace transformkit {

enum class TransformKind { Translation, Reflection, Rotation, Dilation };

// An image point: exact where it can be written exactly, always with its value to draw.
struct ImagePoint {
    double x = 0;
    double y = 0;
    std::string text; // "(3, −2)", "(√3/2, 1/2)", "(≈ 1.23, ≈ −0.45)"
    bool exact = false;
};

// One transformation of the plane with its parameters: a translation by a vector, a reflection
// in a line, a rotation about a centre through an angle in degrees (anticlockwise when
// positive) or a dilation about a centre by a factor.
class Transformation {
  public:
    static Transformation translation(ExactPoint vector);
    static Transformation reflection(Line mirror);
    static Transformation rotation(ExactPoint centre, mpq_class degrees);
    static Transformation dilation(ExactPoint centre, mpq_class factor);

    TransformKind kind() const { return kind_; }
    const ExactPoint& vector() const { return point_; } // translation
    const ExactPoint& centre() const { return point_; } // rotation, dilation
    const Line& mirror() const { return mirror_; }      // reflection
    const mpq_class& angle() const { return number_; }  // rotation, degrees
    const mpq_class& factor() const { return number_; } // dilation

    // The rational map; nullopt for a rotation through an angle that is not a multiple of 90°.
    std::optional<AffineMap> exactMap() const;
    ImagePoint image(const ExactPoint& p) const;
    // "the translation by (3, −2)", "the rotation about (1, 2) through 90° anticlockwise".
    std::string name() const;
    // "(x, y) → (x + 3, y − 2)"; a rotation through another angle shows its cos and sin.
    std::string rule() const;
    // Whether lengths are kept, and whether the turning sense (orientation) is kept.
    bool isIsometry() const;
    bool keepsOrientation() const;

  private:
    TransformKind kind_ = TransformKind::Translation;
    ExactPoint point_;
    Line mirror_{0, 1, 0};
    mpq_class number_;
};

// "90°", "−45°", "22.5°" for an angle in degrees.
std::string degreesText(const mpq_class& degrees);

// What the composition of first and then second is, in words, with its rule:
// "a rotation about (0, 0) through 180°". Exact when both maps are.
std::string compositionText(const Transformation& first, const Transformation& second);

// What a rational affine map is: the identity, a translation, a rotation, a reflection, a glide
// reflection, a dilation or another similarity, with its parameters.
std::string describeMap(const AffineMap& map);

} // namespace transformkit
