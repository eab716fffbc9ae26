#include "solids/core/net.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <map>

namespace solids {

namespace {

using FaceList = std::vector<int>;

// The faces on either side of each edge.
std::map<std::pair<int, int>, FaceList> facesByEdge(const Mesh& mesh) {
    std::map<std::pair<int, int>, FaceList> byEdge;
    for (int f = 0; f < static_cast<int>(mesh.faces.size()); ++f) {
        const auto& face = mesh.faces[static_cast<std::size_t>(f)];
        for (std::size_t i = 0; i < face.size(); ++i) {
            const int a = face[i], b = face[(i + 1) % face.size()];
            byEdge[{std::min(a, b), std::max(a, b)}].push_back(f);
        }
    }
    return byEdge;
}

// The neighbours of each face, in the order of its edges.
std::vector<FaceList> neighbours(const Mesh& mesh) {
    const auto byEdge = facesByEdge(mesh);
    std::vector<FaceList> result(mesh.faces.size());
    for (int f = 0; f < static_cast<int>(mesh.faces.size()); ++f) {
        const auto& face = mesh.faces[static_cast<std::size_t>(f)];
        for (std::size_t i = 0; i < face.size(); ++i) {
            const int a = face[i], b = face[(i + 1) % face.size()];
            for (int other : byEdge.at({std::min(a, b), std::max(a, b)}))
                if (other != f)
                    result[static_cast<std::size_t>(f)].push_back(other);
        }
    }
    return result;
}

std::vector<int> breadthFirstTree(const std::vector<FaceList>& next, int root) {
    std::vector<int> parent(next.size(), -2);
    parent[static_cast<std::size_t>(root)] = -1;
    std::deque<int> queue{root};
    while (!queue.empty()) {
        const int f = queue.front();
        queue.pop_front();
        for (int g : next[static_cast<std::size_t>(f)])
            if (parent[static_cast<std::size_t>(g)] == -2) {
                parent[static_cast<std::size_t>(g)] = f;
                queue.push_back(g);
            }
    }
    return parent;
}

void depthFirst(const std::vector<FaceList>& next, int f, std::vector<int>& parent) {
    for (int g : next[static_cast<std::size_t>(f)])
        if (parent[static_cast<std::size_t>(g)] == -2) {
            parent[static_cast<std::size_t>(g)] = f;
            depthFirst(next, g, parent);
        }
}

std::vector<int> depthFirstTree(const std::vector<FaceList>& next, int root) {
    std::vector<int> parent(next.size(), -2);
    parent[static_cast<std::size_t>(root)] = -1;
    depthFirst(next, root, parent);
    return parent;
}

// The face's corners in coordinates of its own plane (lengths and angles kept).
std::vector<Point2> flatFace(const Mesh& mesh, int f) {
    const auto& face = mesh.faces[static_cast<std::size_t>(f)];
    const Point3 centre = faceCentre(mesh, f);
    const Point3 normal = faceNormal(mesh, f);
    const Point3 e1 = unit(mesh.vertices[static_cast<std::size_t>(face.front())] - centre);
    const Point3 e2 = cross(normal, e1);
    std::vector<Point2> flat;
    for (int corner : face) {
        const Point3 d = mesh.vertices[static_cast<std::size_t>(corner)] - centre;
        flat.push_back({dot(d, e1), dot(d, e2)});
    }
    return flat;
}

std::size_t positionIn(const std::vector<int>& face, int corner) {
    return static_cast<std::size_t>(std::find(face.begin(), face.end(), corner) - face.begin());
}

// The edge two faces share.
Edge sharedEdge(const std::vector<int>& f, const std::vector<int>& g) {
    for (std::size_t i = 0; i < f.size(); ++i) {
        const int a = f[i], b = f[(i + 1) % f.size()];
        if (positionIn(g, a) < g.size() && positionIn(g, b) < g.size())
            return {std::min(a, b), std::max(a, b)};
    }
    return {-1, -1};
}

// Turns and moves `face` so that its corners at positions i and j land on `to_i` and `to_j`.
std::vector<Point2> placed(const std::vector<Point2>& face, std::size_t i, std::size_t j,
                           Point2 toI, Point2 toJ) {
    const double turn = std::atan2(toJ.y - toI.y, toJ.x - toI.x) -
                        std::atan2(face[j].y - face[i].y, face[j].x - face[i].x);
    const double c = std::cos(turn), s = std::sin(turn);
    std::vector<Point2> result;
    for (const Point2& p : face) {
        const double dx = p.x - face[i].x, dy = p.y - face[i].y;
        result.push_back({toI.x + c * dx - s * dy, toI.y + s * dx + c * dy});
    }
    return result;
}

std::vector<Point2> shrunk(const std::vector<Point2>& face, double factor) {
    Point2 centre;
    for (const Point2& p : face)
        centre = {centre.x + p.x / static_cast<double>(face.size()),
                  centre.y + p.y / static_cast<double>(face.size())};
    std::vector<Point2> result;
    for (const Point2& p : face)
        result.push_back(
            {centre.x + factor * (p.x - centre.x), centre.y + factor * (p.y - centre.y)});
    return result;
}

// Separating axes: two convex polygons are apart when the shadows on some edge's normal of
// one of them do not meet.
bool apartAlongEdgesOf(const std::vector<Point2>& a, const std::vector<Point2>& b) {
    for (std::size_t i = 0; i < a.size(); ++i) {
        const Point2 p = a[i], q = a[(i + 1) % a.size()];
        const double nx = q.y - p.y, ny = p.x - q.x;
        const auto shadow = [&](const std::vector<Point2>& poly) {
            double lo = 1e300, hi = -1e300;
            for (const Point2& r : poly) {
                const double t = nx * r.x + ny * r.y;
                lo = std::min(lo, t);
                hi = std::max(hi, t);
            }
            return std::pair{lo, hi};
        };
        const auto [aLo, aHi] = shadow(a);
        const auto [bLo, bHi] = shadow(b);
        if (aHi <= bLo || bHi <= aLo)
            return true;
    }
    return false;
}

} // namespace

Net unfoldAlong(const Mesh& mesh, const std::vector<int>& parent) {
    const std::size_t count = mesh.faces.size();
    Net net{std::vector<std::vector<Point2>>(count), parent, std::vector<Edge>(count, {-1, -1})};
    std::vector<FaceList> children(count);
    int root = 0;
    for (std::size_t f = 0; f < count; ++f) {
        if (parent[f] < 0)
            root = static_cast<int>(f);
        else
            children[static_cast<std::size_t>(parent[f])].push_back(static_cast<int>(f));
    }
    // The first face stands on a horizontal edge, so that the net lies square on the page.
    const std::vector<Point2> rootFace = flatFace(mesh, root);
    const double side = std::hypot(rootFace[1].x - rootFace[0].x, rootFace[1].y - rootFace[0].y);
    net.faces[static_cast<std::size_t>(root)] = placed(rootFace, 0, 1, {0, 0}, {side, 0});
    std::deque<int> queue{root};
    while (!queue.empty()) {
        const int g = queue.front();
        queue.pop_front();
        const auto& parentFace = mesh.faces[static_cast<std::size_t>(g)];
        for (int f : children[static_cast<std::size_t>(g)]) {
            const auto& face = mesh.faces[static_cast<std::size_t>(f)];
            const Edge edge = sharedEdge(face, parentFace);
            const auto& there = net.faces[static_cast<std::size_t>(g)];
            net.faces[static_cast<std::size_t>(f)] = placed(
                flatFace(mesh, f), positionIn(face, edge.a), positionIn(face, edge.b),
                there[positionIn(parentFace, edge.a)], there[positionIn(parentFace, edge.b)]);
            net.foldEdge[static_cast<std::size_t>(f)] = edge;
            queue.push_back(f);
        }
    }
    return net;
}

bool hasOverlaps(const Net& net) {
    for (std::size_t i = 0; i < net.faces.size(); ++i)
        for (std::size_t j = i + 1; j < net.faces.size(); ++j) {
            const auto a = shrunk(net.faces[i], 0.999), b = shrunk(net.faces[j], 0.999);
            if (!apartAlongEdgesOf(a, b) && !apartAlongEdgesOf(b, a))
                return true;
        }
    return false;
}

Net unfold(const Mesh& mesh) {
    const auto next = neighbours(mesh);
    Net first;
    for (int root = 0; root < static_cast<int>(mesh.faces.size()); ++root)
        for (const auto& tree : {breadthFirstTree(next, root), depthFirstTree(next, root)}) {
            Net net = unfoldAlong(mesh, tree);
            if (!hasOverlaps(net))
                return net;
            if (first.faces.empty())
                first = std::move(net);
        }
    return first; // never reached for the five solids: the tests show each has a flat net
}

} // namespace solids
