#include "weights/part_wraps.h"

namespace vexil_host {

PartBones WrappedBones(const EnclosingParts &enclosing, uint32_t parts, const std::vector<BoneSegment> &bones,
                       const RigTree &tree) {
    PartBones result;
    result.allowed.resize(parts);
    std::vector<std::vector<uint32_t>> wrappedBy(bones.size());
    std::vector<bool> wrapped(bones.size(), false);
    for (uint32_t b = 0; b < bones.size(); ++b) {
        Point3 middle;
        for (int k = 0; k < 3; ++k) middle[k] = (bones[b].joint[k] + bones[b].tip[k]) / 2;
        enclosing.Around(middle, wrappedBy[b]);
        wrapped[b] = !wrappedBy[b].empty();
    }
    for (uint32_t b = 0; b < bones.size(); ++b)
        for (uint32_t part : wrappedBy[b]) {
            std::vector<bool> &allowed = result.allowed[part];
            if (allowed.empty()) {
                allowed.assign(bones.size(), false);
                for (uint32_t free = 0; free < bones.size(); ++free) allowed[free] = !wrapped[free];
            }
            allowed[b] = true;
            if (tree.parent[b] >= 0) allowed[static_cast<size_t>(tree.parent[b])] = true;
        }
    return result;
}

}  // namespace vexil_host
