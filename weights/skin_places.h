// The skin as the weights' solve sees it: places, each one or more points
// of the skin, and the triangles between them.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "weights/triangle_tree.h"

namespace vexil_host {

struct Places {
    std::vector<Point3> position;
    std::vector<uint32_t> triangles;  // three places each; none falls to a line
    std::vector<uint32_t> placeOf;    // per point
};

// The places of a skin: points joined where they mend a seam; past
// `mostPlaces`, places within one cube of a grid merge too, the cube grown
// until few enough remain, and only places of one connected part merge, so
// that parts lying close keep apart. A merged place lies at the mean of its
// points.
Places SolvedPlaces(const std::vector<std::array<float, 3>> &points, const std::vector<uint32_t> &triangles,
                    size_t mostPlaces);

}  // namespace vexil_host
