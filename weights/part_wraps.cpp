#include "weights/part_wraps.h"

namespace vexil_host {

std::vector<std::vector<uint32_t>> PartsAroundBones(const EnclosingParts &enclosing,
                                                    const std::vector<BoneSegment> &bones) {
    std::vector<std::vector<uint32_t>> around(bones.size());
    for (uint32_t b = 0; b < bones.size(); ++b) {
        Point3 middle;
        for (int k = 0; k < 3; ++k) middle[k] = (bones[b].joint[k] + bones[b].tip[k]) / 2;
        enclosing.Around(middle, around[b]);
    }
    return around;
}

std::vector<bool> InsideTheSkin(const std::vector<std::vector<uint32_t>> &partsAround) {
    std::vector<bool> inside(partsAround.size());
    for (size_t b = 0; b < partsAround.size(); ++b) inside[b] = !partsAround[b].empty();
    return inside;
}

PartBones WrappedBones(const std::vector<std::vector<uint32_t>> &partsAround, uint32_t parts, const RigTree &tree) {
    PartBones result;
    result.allowed.resize(parts);
    const size_t count = partsAround.size();
    for (uint32_t b = 0; b < count; ++b)
        for (uint32_t part : partsAround[b]) {
            std::vector<bool> &allowed = result.allowed[part];
            if (allowed.empty()) {
                allowed.assign(count, false);
                for (uint32_t free = 0; free < count; ++free) allowed[free] = partsAround[free].empty();
            }
            allowed[b] = true;
            if (tree.parent[b] >= 0) allowed[static_cast<size_t>(tree.parent[b])] = true;
        }
    return result;
}

}  // namespace vexil_host
