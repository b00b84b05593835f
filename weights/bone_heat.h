// Automatic weights by bone heat: Baran and Popović, "Automatic rigging and
// animation of 3D characters" (SIGGRAPH 2007). Each bone's weights are the
// heat that spreads over the skin when the bone warms the points it is the
// nearest visible bone of; the heat follows the rig (chains blend from one
// bone's middle to the next, a bone at which several hang holds the body
// between them) and stays within the part of the skin that wraps the bone.
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
// surface of `triangles` (three numbers into `points` each). `parents`
// gives each bone's parent bone or -1, or is empty when the tree is not
// known. Where `painted` is not empty, it holds a value per point: the
// points with influences keep them and hold the heat there, the others are
// solved. Points that no triangle uses still get weights, from the surface
// nearest to them. The weights do not change with the model's scale or
// with which way round its faces turn. Memory grows with the points and
// bones, never with their product's square.
HeatOutcome BoneHeat(const std::vector<std::array<float, 3>> &points, const std::vector<uint32_t> &triangles,
                     const std::vector<BoneSegment> &bones, const std::vector<int32_t> &parents,
                     const std::vector<Influences> &painted);

}  // namespace vexil_host
