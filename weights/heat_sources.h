// Where the heat of bone heat comes from: each place of the skin is warmed
// by the bones nearest to it that it sees, in the share the rig gives them.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "weights/outward_normals.h"
#include "weights/part_wraps.h"
#include "weights/rig_shape.h"
#include "weights/skin_places.h"
#include "weights/triangle_tree.h"

namespace vexil_host {

struct HeatSources {
    std::vector<double> strength;  // per place: H, 0 where nothing warms it
    // Per place, its bones and their shares, summing to 1: place i's are
    // shares[first[i]] up to shares[first[i + 1]].
    std::vector<uint32_t> first;
    std::vector<std::pair<uint32_t, double>> shares;
};

// The heat sources of every place but the `fixed` ones (Baran and Popović,
// "Automatic rigging and animation of 3D characters", SIGGRAPH 2007). A
// place's distance to a bone is measured to the nearest of the bone's
// reach, lengthened where the skin faces away from it (divided by
// (cos θ + 1.001) / 2, θ between the place's outward normal and the way
// from the bone). Of the bones its part may follow, those up to 3% farther
// than the nearest (four at most) warm it, each a share falling from 1 at
// the nearest's distance to 0 at 3% farther, when the place sees it
// (unless `ignoreVisibility`): the segment to the bone crosses no
// triangle of `tree`, or leaves the skin only in its last quarter, through
// triangles facing the bone, as `outside` turns them. Its heat is
// H = 4 k / d², d the distance (at least `extent` / 20000) and k the
// shares' sum. A place whose one nearest bone lies in a chain is warmed a
// hundred times as strongly, in the shares of a blend running straight
// from each bone's middle to the next one's, so that the chain curls
// smoothly; up to the middle of the chain's first bone, where the chain
// hangs from its parent, it is warmed as any place. The places are warmed
// in `pieces` side by side, each on a thread of its own; 0 takes one per
// core for a skin large enough to gain. The heat is the same whatever the
// count.
HeatSources Warm(const Places &places, const Outside &outside, const TriangleTree &tree,
                 const std::vector<BoneSegment> &bones, const RigShape &shape, const PartBones &partBones,
                 const std::vector<uint32_t> &partOf, const std::vector<bool> &fixed, double extent,
                 bool ignoreVisibility, size_t pieces = 0);

}  // namespace vexil_host
