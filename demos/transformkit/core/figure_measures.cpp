#include "transformkit/core/figure_measures.h"

#include <cmath>
#include <numbers>

namespace transformkit {

std::string vertexName(std::size_t index, const std::string& primes) {
    std::string name(1, static_cast<char>('A' + index % 26));
    if (index >= 26)
        name += std::to_string(index / 26);
    return name + primes;
}

double signedArea(const std::vector<double>& xs, const std::vector<double>& ys) {
    double twice = 0;
    for (std::size_t i = 0; i < xs.size(); ++i) {
        const std::size_t j = (i + 1) % xs.size();
        twice += xs[i] * ys[j] - xs[j] * ys[i];
    }
    return twice / 2;
}

mpq_class signedArea(const std::vector<ExactPoint>& polygon) {
    mpq_class twice = 0;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const ExactPoint& p = polygon[i];
        const ExactPoint& q = polygon[(i + 1) % polygon.size()];
        twice += p.x * q.y - q.x * p.y;
    }
    return twice / 2;
}

std::vector<double> interiorAngles(const std::vector<double>& xs, const std::vector<double>& ys) {
    const std::size_t n = xs.size();
    const double sense = signedArea(xs, ys) >= 0 ? 1.0 : -1.0;
    std::vector<double> angles;
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t prev = (i + n - 1) % n, next = (i + 1) % n;
        const double ux = xs[prev] - xs[i], uy = ys[prev] - ys[i];
        const double vx = xs[next] - xs[i], vy = ys[next] - ys[i];
        // The turn from the next side to the previous one, measured inside the polygon.
        double angle = std::atan2(sense * (vx * uy - vy * ux), vx * ux + vy * uy);
        if (angle < 0)
            angle += 2 * std::numbers::pi;
        angles.push_back(angle * 180.0 / std::numbers::pi);
    }
    return angles;
}

namespace {

std::string imageLengthText(const ImagePoint& p, const ImagePoint& q,
                            const std::optional<AffineMap>& map, const ExactPoint& ep,
                            const ExactPoint& eq) {
    if (map)
        return rootText(distanceSquared(map->apply(ep), map->apply(eq)));
    return "\u2248 " + roundedText(std::hypot(p.x - q.x, p.y - q.y));
}

} // namespace

FigureComparison compareFigure(const std::vector<ExactPoint>& polygon, const Transformation& t) {
    FigureComparison result;
    const std::size_t n = polygon.size();
    if (n < 3)
        return result;
    const auto map = t.exactMap();
    std::vector<ImagePoint> images;
    std::vector<double> xs, ys, ixs, iys;
    for (const ExactPoint& p : polygon) {
        images.push_back(t.image(p));
        xs.push_back(p.x.get_d());
        ys.push_back(p.y.get_d());
        ixs.push_back(images.back().x);
        iys.push_back(images.back().y);
    }
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t j = (i + 1) % n;
        SideComparison side;
        side.name = vertexName(i) + vertexName(j);
        side.length = rootText(distanceSquared(polygon[i], polygon[j]));
        side.imageLength = imageLengthText(images[i], images[j], map, polygon[i], polygon[j]);
        const double before = std::hypot(xs[i] - xs[j], ys[i] - ys[j]);
        const double after = std::hypot(ixs[i] - ixs[j], iys[i] - iys[j]);
        side.ratio = before > 0 ? after / before : 1;
        if (std::abs(after - before) > 1e-9 * std::max(1.0, before))
            result.lengthsKept = false;
        result.sides.push_back(side);
    }
    const std::vector<double> angles = interiorAngles(xs, ys),
                              imageAngles = interiorAngles(ixs, iys);
    for (std::size_t i = 0; i < n; ++i) {
        result.angles.push_back({vertexName(i), angles[i], imageAngles[i]});
        if (std::abs(angles[i] - imageAngles[i]) > 1e-6)
            result.anglesKept = false;
    }
    const double area = signedArea(xs, ys), imageArea = signedArea(ixs, iys);
    result.area = std::abs(area);
    result.imageArea = std::abs(imageArea);
    result.anticlockwise = area >= 0;
    result.imageAnticlockwise = imageArea >= 0;
    return result;
}

} // namespace transformkit
