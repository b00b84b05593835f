// Which bones each part of a skin may follow: a leg's own skin wraps the
// leg's bones, and a leg that touches or passes into the other must not
// follow the other's.
#pragma once

#include <cstdint>
#include <vector>

#include "weights/enclosing_parts.h"
#include "weights/nearest_bone.h"
#include "weights/rig_tree.h"

namespace vexil_host {

struct PartBones {
    // Per part (numbered as `partOf` numbers them), the bones it may follow,
    // by bone; empty for a part that may follow any.
    std::vector<std::vector<bool>> allowed;
};

// Per bone, the parts that enclose its middle (`enclosing` tells).
std::vector<std::vector<uint32_t>> PartsAroundBones(const EnclosingParts &enclosing,
                                                    const std::vector<BoneSegment> &bones);

// Per bone, whether some part encloses its middle, from `partsAround`.
std::vector<bool> InsideTheSkin(const std::vector<std::vector<uint32_t>> &partsAround);

// A part wraps a bone when the bone's middle lies inside it (`partsAround`,
// per bone, as PartsAroundBones gives). A part that wraps bones follows
// only those, their parents, and bones no part wraps (a tail sticking out
// of the skin); a part that wraps none (an eye, a button, a cape) may
// follow any bone. `parts` is how many parts there are, and `tree` hangs
// the bones.
PartBones WrappedBones(const std::vector<std::vector<uint32_t>> &partsAround, uint32_t parts, const RigTree &tree);

}  // namespace vexil_host
