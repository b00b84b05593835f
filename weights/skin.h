// The skin of an object: its polygons of three or more corners but for the
// drawn skeleton, as triangles over the points they use.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "host/scene.h"

namespace vexil_host {

struct Skin {
    std::vector<uint32_t> polygons;   // mesh polygons, ascending
    std::vector<uint32_t> points;     // mesh point of each skin vertex, ascending
    std::vector<uint32_t> vertexOf;   // skin vertex of each mesh point, UINT32_MAX when unused
    // Three skin vertices a triangle, each polygon's in turn, each turning
    // the way its polygon turns.
    std::vector<uint32_t> triangles;
    std::array<double, 3> low = {INFINITY, INFINITY, INFINITY}, high = {-INFINITY, -INFINITY, -INFINITY};

    size_t TriangleCount() const { return triangles.size() / 3; }
};

// The skin of `mesh`, leaving out the polygons `skeletonPolygon` marks (a
// bone's triangle, or a pass-through triangle a joint search crossed).
Skin PlanSkin(const Mesh &mesh, const std::vector<bool> &skeletonPolygon);

}  // namespace vexil_host
