#include "solids/core/solid_facts.h"

#include "kit/core/input_limits.h"
#include "kit/core/number_input.h"
#include "solids/core/corner_angles.h"

#include <set>

namespace solids {

namespace {

std::string str(int n) {
    return std::to_string(n);
}

std::string deg(const mpq_class& value) {
    return degreesText(value) + "&deg;";
}

// The same number on every entry, or 0 when they differ.
int common(const std::vector<int>& values) {
    const std::set<int> distinct(values.begin(), values.end());
    return distinct.size() == 1 ? *distinct.begin() : 0;
}

std::string row(const std::string& name, const std::string& value) {
    return "<tr><td>" + name + "</td><td>" + value + "</td></tr>";
}

} // namespace

std::string factsHtml(Solid solid) {
    const Mesh mesh = meshOf(solid);
    const Counts c = countsOf(mesh);
    std::vector<int> sides;
    for (const auto& face : mesh.faces)
        sides.push_back(static_cast<int>(face.size()));
    const int p = common(sides), q = common(facesAtCorners(mesh));
    const std::vector<int> corner(static_cast<std::size_t>(q), p);
    const Solid dual = dualOf(solid);
    const Counts d = countsOf(dualOf(mesh));
    std::string html = "<h3>The " + nameOf(solid) + " {" + str(p) + ", " + str(q) + "}</h3>";
    html += "<table cellpadding='2'>";
    html += row("Vertices (corners)", "V = " + str(c.vertices));
    html += row("Edges", "E = " + str(c.edges));
    html += row("Faces", "F = " + str(c.faces));
    html +=
        row("Euler's formula", "V &minus; E + F = " + str(c.vertices) + " &minus; " + str(c.edges) +
                                   " + " + str(c.faces) + " = " + str(c.eulerCharacteristic()));
    const std::string article = faceNameOf(p).front() == 'e' ? "an " : "a ";
    html += row("Each face", article + faceNameOf(p) + " (" + str(p) + " sides)");
    html += row("At each corner", str(q) + " faces meet");
    html += row("Edges counted twice", str(p) + "F = " + str(p * c.faces) + " = 2E and " + str(q) +
                                           "V = " + str(q * c.vertices) + " = 2E");
    html += row("Angles at a corner", str(q) + " &middot; " + deg(polygonAngle(p)) + " = " +
                                          deg(angleSum(corner)) + " &lt; 360&deg;");
    html += row("Angle defect", "360&deg; &minus; " + deg(angleSum(corner)) + " = " +
                                    deg(angleDefect(corner)) + "; " + str(c.vertices) +
                                    " corners &middot; " + deg(angleDefect(corner)) + " = " +
                                    deg(angleDefect(corner) * c.vertices));
    html += row("Dual", "the " + nameOf(dual) + " {" + str(q) + ", " + str(p) + "}: V = " +
                            str(d.vertices) + ", E = " + str(d.edges) + ", F = " + str(d.faces));
    html += "</table>";
    return html;
}

std::string whyFiveHtml(std::optional<Schlafli> marked) {
    std::string html = "<p>q regular p-gons meet at a corner. Their angles must add up to less "
                       "than 360&deg;, or the corner cannot fold up:</p>";
    // The columns of the solids' names are wide enough for "dodecahedron" and "icosahedron".
    html += "<table border='1' cellspacing='0' cellpadding='4' width='100%'><tr>"
            "<th width='14%'>face</th><th width='10%'>angle</th>";
    const int widths[] = {23, 18, 21, 14};
    for (int q = 3; q <= 6; ++q)
        html += "<th width='" + str(widths[q - 3]) + "%'>q = " + str(q) + "</th>";
    html += "</tr>";
    for (int p = 3; p <= 6; ++p) {
        static const char* const shortNames[] = {"triangles", "squares", "pentagons", "hexagons"};
        html += "<tr><td>p = " + str(p) + ": " + shortNames[p - 3] + "</td><td>" +
                deg(polygonAngle(p)) + "</td>";
        for (int q = 3; q <= 6; ++q) {
            const Schlafli s{p, q};
            const mpq_class sum = polygonAngle(p) * q;
            const std::optional<Solid> solid = solidWith(s);
            std::string verdict = solid        ? "<b>" + nameOf(*solid) + "</b>"
                                  : sum == 360 ? "flat"
                                               : "too much";
            const bool isMarked = marked && *marked == s;
            const std::string colour =
                isMarked ? "#ffd27f" : (solid ? "#dff0d8" : (sum == 360 ? "#eeeeee" : "#f6dddd"));
            html += "<td bgcolor='" + colour + "'>" + deg(sum) + "<br>" + verdict + "</td>";
        }
        html += "</tr>";
    }
    html += "</table><p>Grey: exactly 360&deg;, the faces lie flat and tile the plane. Red: "
            "more than 360&deg;, they cannot fit round one point. Faces with 7 or more sides have "
            "angles above 120&deg;, so even three of "
            "them exceed 360&deg;. Only the five green cells are left: exactly five convex "
            "regular polyhedra.</p>";
    return html;
}

TypedSymbol readSymbol(std::string_view typed) {
    std::string text(typed.substr(0, std::min(typed.size(), kit::maxInputLength + 1)));
    for (char& ch : text)
        if (ch == '{' || ch == '}')
            ch = ' ';
    const auto numbers = kit::parseIntegerList(text);
    if (!numbers.ok())
        return {std::nullopt, numbers.error().message};
    const auto& list = numbers.value();
    if (list.size() != 2)
        return {std::nullopt, "type two whole numbers p and q, such as 4, 3"};
    for (const auto& n : list)
        if (n < 3 || n > 100)
            return {std::nullopt, "p and q must be whole numbers from 3 to 100 (a face needs 3 "
                                  "sides, a corner 3 faces)"};
    return {Schlafli{static_cast<int>(list[0].get_si()), static_cast<int>(list[1].get_si())}, {}};
}

std::string symbolVerdictHtml(Schlafli s) {
    const mpq_class angle = polygonAngle(s.p);
    const mpq_class sum = angle * s.q;
    std::string html = "{" + str(s.p) + ", " + str(s.q) + "}: " + str(s.q) + " &middot; " +
                       deg(angle) + " = " + deg(sum);
    if (const auto counts = countsFrom(s)) {
        html += " &lt; 360&deg;: the <b>" + nameOf(*solidWith(s)) +
                "</b>, V = " + str(counts->vertices) + ", E = " + str(counts->edges) +
                ", F = " + str(counts->faces) + ".";
    } else if (sum == 360) {
        html += ", a full turn: the faces lie flat and tile the plane; no solid.";
    } else {
        html += " &gt; 360&deg;: too much angle to fit round one corner; no solid.";
    }
    return html;
}

} // namespace solids
