// Which bones each part of a skin may follow: a leg's own skin wraps the
// leg's bones, and a leg that touches or passes into the other must not
// follow the other's.
#pragma once

#include <cstdint>
#include <vector>

#include "weights/nearest_bone.h"
#include "weights/skin_places.h"
#include "weights/triangle_tree.h"

namespace vexil_host {

struct PartBones {
    // Per part (numbered as `partOf` numbers them), the bones it may follow,
    // by bone; empty for a part that may follow any.
    std::vector<std::vector<bool>> allowed;
};

// A part wraps a bone when the bone's middle lies inside it: at least two
// of three rays from the middle in fixed directions cross the part an odd
// number of times. A part that wraps bones follows only those, their
// parents, and bones no part wraps (a tail sticking out of the skin); a
// part that wraps none (an eye, a button, a cape) may follow any bone.
// `partOf` gives each place's part, `tree` holds the places' triangles,
// `parents` each bone's parent or -1, and `span` is the diagonal of the box
// around the places and the bones, which the rays cross.
PartBones WrappedBones(const Places &places, const std::vector<uint32_t> &partOf, uint32_t parts,
                       const TriangleTree &tree, const std::vector<BoneSegment> &bones,
                       const std::vector<int32_t> &parents, double span);

}  // namespace vexil_host
