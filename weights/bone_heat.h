// Automatic weights by bone heat: Baran and Popović, "Automatic rigging and
// animation of 3D characters" (SIGGRAPH 2007). Each bone's weights are the
// heat that spreads over the skin when the bone warms the points it is the
// nearest visible bone of.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "weights/nearest_bone.h"
#include "weights/weight_map.h"

namespace vexil_host {

struct HeatOutcome {
    std::vector<Influences> influences;  // per point
    bool solved = false;                 // false: the solve failed, and `influences` is empty
    size_t solvedPoints = 0;             // places the solve ran over, after welding and simplifying
};

// The weights of `points` on `bones` (at least one, finite), over the
// surface of `triangles` (three numbers into `points` each). Where
// `painted` is not empty, it holds a value per point: the points with
// influences keep them and hold the heat there, the others are solved.
// Points that no triangle uses still get weights, from the surface nearest
// to them. Memory grows with the points and bones, never with their
// product's square.
HeatOutcome BoneHeat(const std::vector<std::array<float, 3>> &points, const std::vector<uint32_t> &triangles,
                     const std::vector<BoneSegment> &bones, const std::vector<Influences> &painted);

}  // namespace vexil_host
