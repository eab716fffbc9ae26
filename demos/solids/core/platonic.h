#pragma once

#include "solids/core/mesh.h"

#include <array>
#include <string>

namespace solids {

enum class Solid { Tetrahedron, Cube, Octahedron, Dodecahedron, Icosahedron };

inline constexpr std::array<Solid, 5> allSolids{Solid::Tetrahedron, Solid::Cube, Solid::Octahedron,
                                                Solid::Dodecahedron, Solid::Icosahedron};

// The Schläfli symbol {p, q}: regular p-gons, q of them at every corner.
struct Schlafli {
    int p = 0, q = 0;
    friend bool operator==(const Schlafli&, const Schlafli&) = default;
};

std::string nameOf(Solid solid);   // "dodecahedron"
std::string faceNameOf(int sides); // "equilateral triangle", "square", "regular pentagon"
Schlafli schlafliOf(Solid solid);  // as the lesson states it; the tests count it on the mesh
Solid dualOf(Solid solid);         // cube <-> octahedron, ...
std::vector<std::string> namesAccepted(Solid solid); // "cube", "hexahedron", "regular cube", ...

// The corners, computed: the cube (+-1, +-1, +-1); the tetrahedron every other corner of it;
// the octahedron the unit points on the axes; the icosahedron the cyclic turns of
// (0, +-1, +-phi) and the dodecahedron the cube's corners with those of (0, +-1/phi, +-phi),
// phi = (1 + sqrt 5) / 2 the golden ratio.
std::vector<Point3> cornersOf(Solid solid);

// The solid's faces found from its corners (their convex hull), scaled to the unit sphere.
Mesh meshOf(Solid solid);

} // namespace solids
