#include "transformkit/core/explanation.h"

#include "transformkit/core/figure_measures.h"

#include <cmath>

namespace transformkit {
namespace {

const std::string prime = "\u2032", doublePrime = "\u2033";

std::string capitalised(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text;
}

std::string yesNo(bool kept) {
    return kept ? "<span style='color:#146e28'>kept</span>"
                : "<span style='color:#aa1e1e'>changed</span>";
}

std::string verticesTable(const std::vector<ExactPoint>& polygon, const Transformation& first,
                          const std::optional<Transformation>& second) {
    std::string html = "<table cellspacing='0' cellpadding='2'><tr><th align='left'>point</th>"
                       "<th align='left'>image</th>";
    if (second)
        html += "<th align='left'>second image</th>";
    html += "</tr>";
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const ImagePoint image = first.image(polygon[i]);
        html += "<tr><td>" + vertexName(i) + displayPoint(polygon[i]) + "</td><td>" +
                vertexName(i, prime) + image.text + "</td>";
        if (second) {
            std::string text;
            if (const auto f = first.exactMap(); f && second->exactMap())
                text = second->image(f->apply(polygon[i])).text;
            else {
                const ImagePoint twice = second->image({mpq_class(image.x), mpq_class(image.y)});
                text = "(\u2248 " + roundedText(twice.x) + ", \u2248 " + roundedText(twice.y) + ")";
            }
            html += "<td>" + vertexName(i, doublePrime) + text + "</td>";
        }
        html += "</tr>";
    }
    return html + "</table>";
}

std::string keptSection(const std::vector<ExactPoint>& polygon, const Transformation& t) {
    const FigureComparison c = compareFigure(polygon, t);
    if (c.sides.empty())
        return {};
    std::string html = "<p><b>What is kept</b></p><table cellspacing='0' cellpadding='2'>";
    for (const SideComparison& side : c.sides) {
        std::string imageName;
        for (char letter : side.name)
            imageName += std::string(1, letter) + prime;
        html += "<tr><td>" + side.name + " = " + side.length + "</td><td>" + imageName + " = " +
                side.imageLength + "</td></tr>";
    }
    html += "</table><p>";
    for (const AngleComparison& angle : c.angles)
        html += "\u2220" + angle.name + " = " + roundedText(angle.degrees) + "\u00b0, \u2220" +
                angle.name + prime + " = " + roundedText(angle.imageDegrees) + "\u00b0<br>";
    html += "</p><ul>";
    html += "<li>distances: " + yesNo(c.lengthsKept);
    if (!c.lengthsKept && !c.sides.empty())
        html += " (every length is multiplied by " + roundedText(c.sides.front().ratio) + ")";
    html += "</li><li>angles: " + yesNo(c.anglesKept) + "</li>";
    html += "<li>orientation: " + yesNo(c.anticlockwise == c.imageAnticlockwise) + " (" +
            vertexName(0) + vertexName(1) + vertexName(2) + "\u2026 runs " +
            (c.anticlockwise ? "anticlockwise" : "clockwise") + ", " + vertexName(0, prime) +
            vertexName(1, prime) + vertexName(2, prime) + "\u2026 " +
            (c.imageAnticlockwise ? "anticlockwise" : "clockwise") + ")</li>";
    html += "<li>area: " + roundedText(c.area) + " \u2192 " + roundedText(c.imageArea);
    if (c.area > 0 && std::abs(c.imageArea - c.area) > 1e-9)
        html += " (multiplied by " + roundedText(c.imageArea / c.area) + ")";
    html += "</li></ul>";
    if (t.isIsometry())
        html += std::string("<p>An <b>isometry</b>: the image is congruent to the figure.") +
                (t.keepsOrientation() ? ""
                                      : " It is a mirror image: the order of the vertices "
                                        "turns the other way round.") +
                "</p>";
    else
        html += "<p>Not an isometry: the image is <b>similar</b> to the figure, with the same "
                "angles and every length multiplied by |k|.</p>";
    return html;
}

} // namespace

std::string explanationHtml(const std::vector<ExactPoint>& polygon, const Transformation& first,
                            const std::optional<Transformation>& second) {
    std::string html = "<p><b>" + capitalised(first.name()) + "</b><br>" + first.rule() + "</p>";
    if (second)
        html += "<p>then <b>" + second->name() + "</b><br>" + second->rule() + "</p>";
    html += verticesTable(polygon, first, second);
    html += keptSection(polygon, first);
    if (second)
        html += "<p><b>Together:</b> " + first.name() + " followed by " + second->name() +
                " is <b>" + compositionText(first, *second) + "</b>.";
    if (second) {
        if (const auto f = first.exactMap(), s = second->exactMap(); f && s)
            html += " Its rule: " + ruleText(composed(*f, *s)) + ".";
        html += "</p>";
    }
    return html;
}

} // namespace transformkit
