#include "solids/core/platonic.h"

#include <cmath>

namespace solids {

namespace {

const double phi = (1.0 + std::sqrt(5.0)) / 2.0;

// (a, b, c), (b, c, a) and (c, a, b) with every choice of signs of the non-zero entries.
void addCyclicWithSigns(std::vector<Point3>& corners, double a, double b, double c) {
    const std::array<std::array<double, 3>, 3> turns{{{a, b, c}, {b, c, a}, {c, a, b}}};
    for (const auto& t : turns)
        for (double sx : {1.0, -1.0})
            for (double sy : {1.0, -1.0})
                for (double sz : {1.0, -1.0}) {
                    if ((t[0] == 0 && sx < 0) || (t[1] == 0 && sy < 0) || (t[2] == 0 && sz < 0))
                        continue;
                    corners.push_back({sx * t[0], sy * t[1], sz * t[2]});
                }
}

std::vector<Point3> cubeCorners() {
    std::vector<Point3> corners;
    for (double x : {1.0, -1.0})
        for (double y : {1.0, -1.0})
            for (double z : {1.0, -1.0})
                corners.push_back({x, y, z});
    return corners;
}

} // namespace

std::string nameOf(Solid solid) {
    switch (solid) {
    case Solid::Tetrahedron:
        return "tetrahedron";
    case Solid::Cube:
        return "cube";
    case Solid::Octahedron:
        return "octahedron";
    case Solid::Dodecahedron:
        return "dodecahedron";
    case Solid::Icosahedron:
        return "icosahedron";
    }
    return {};
}

std::string faceNameOf(int sides) {
    switch (sides) {
    case 3:
        return "equilateral triangle";
    case 4:
        return "square";
    case 5:
        return "regular pentagon";
    case 6:
        return "regular hexagon";
    default:
        return "regular " + std::to_string(sides) + "-gon";
    }
}

Schlafli schlafliOf(Solid solid) {
    switch (solid) {
    case Solid::Tetrahedron:
        return {3, 3};
    case Solid::Cube:
        return {4, 3};
    case Solid::Octahedron:
        return {3, 4};
    case Solid::Dodecahedron:
        return {5, 3};
    case Solid::Icosahedron:
        return {3, 5};
    }
    return {};
}

Solid dualOf(Solid solid) {
    switch (solid) {
    case Solid::Tetrahedron:
        return Solid::Tetrahedron;
    case Solid::Cube:
        return Solid::Octahedron;
    case Solid::Octahedron:
        return Solid::Cube;
    case Solid::Dodecahedron:
        return Solid::Icosahedron;
    case Solid::Icosahedron:
        return Solid::Dodecahedron;
    }
    return solid;
}

std::vector<std::string> namesAccepted(Solid solid) {
    std::vector<std::string> words{nameOf(solid)};
    if (solid == Solid::Cube)
        words.push_back("hexahedron");
    std::vector<std::string> names;
    for (const std::string& word : words)
        for (const char* before :
             {"", "a ", "an ", "the ", "regular ", "a regular ", "the regular "})
            names.push_back(before + word);
    return names;
}

std::vector<Point3> cornersOf(Solid solid) {
    std::vector<Point3> corners;
    switch (solid) {
    case Solid::Tetrahedron:
        for (const Point3& p : cubeCorners())
            if (p.x * p.y * p.z > 0)
                corners.push_back(p);
        break;
    case Solid::Cube:
        corners = cubeCorners();
        break;
    case Solid::Octahedron:
        addCyclicWithSigns(corners, 1, 0, 0);
        break;
    case Solid::Dodecahedron:
        corners = cubeCorners();
        addCyclicWithSigns(corners, 0, 1 / phi, phi);
        break;
    case Solid::Icosahedron:
        addCyclicWithSigns(corners, 0, 1, phi);
        break;
    }
    return corners;
}

Mesh meshOf(Solid solid) {
    return scaledToUnitSphere(convexHull(cornersOf(solid)));
}

} // namespace solids
