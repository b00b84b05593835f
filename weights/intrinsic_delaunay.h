// The intrinsic Delaunay triangulation of a skin (Bobenko and Springborn,
// "A discrete Laplace-Beltrami operator for simplicial surfaces", 2007),
// made by flipping edges as Fisher, Springborn, Schröder and Bobenko do
// ("An algorithm for the construction of intrinsic Delaunay triangulations
// with applications to digital geometry processing", 2007). The surface
// and its places stay as they are; only which places its triangles join,
// and the lengths of their edges along the surface, change. Game and scan
// meshes are full of long thin triangles whose cotangent weights turn
// negative; on the intrinsic Delaunay triangles none does, and heat
// spreads over the skin as over the surface itself.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "weights/skin_places.h"

namespace vexil_host {

struct IntrinsicTriangles {
    std::vector<uint32_t> corners;               // three places each
    std::vector<std::array<double, 3>> lengths;  // per triangle, the edge facing each corner
};

// A triangle's area from its three sides (Heron's formula as Kahan orders
// it, exact enough for needles); 0 for sides that make no triangle.
double AreaOfSides(std::array<double, 3> sides);

// The cotangent of the angle facing side `k` of a triangle of `sides` and
// `area` (AreaOfSides); 0 for a triangle of no area.
double CotangentFacing(const std::array<double, 3> &sides, int k, double area);

// The triangles of `places` flipped until every edge that two of them
// share is Delaunay: the angles facing it sum to at most a half turn. An
// edge of one triangle or of three or more (an open border, a fin), and
// the triangles of no area beside it, stay as they are.
IntrinsicTriangles IntrinsicDelaunay(const Places &places);

}  // namespace vexil_host
