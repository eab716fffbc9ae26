#pragma once

#include "solids/core/mesh.h"

#include <vector>

namespace solids {

// A solid cut along some of its edges and unfolded flat: every face keeps its shape and size,
// and each face but the first hangs on its parent by one shared edge (a fold).
struct Net {
    std::vector<std::vector<Point2>> faces; // corners in the mesh face's order, counter-clockwise
    std::vector<int> parent;                // parent face of each face; -1 for the first
    // The corners of the fold edge of each face (mesh corner indices), -1 for the first.
    std::vector<Edge> foldEdge;
};

// An unfolding whose faces do not overlap: trees of faces grown breadth-first and
// depth-first from each face in turn are tried until one lies flat without overlaps.
Net unfold(const Mesh& mesh);

// The net grown along the spanning tree whose parents are given (parent[root] = -1; each
// parent shares an edge with its child).
Net unfoldAlong(const Mesh& mesh, const std::vector<int>& parent);

// True when the insides of two faces of the net overlap (touching along edges is allowed).
bool hasOverlaps(const Net& net);

} // namespace solids
