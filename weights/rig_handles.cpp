#include "weights/rig_handles.h"

namespace vexil_host {

namespace {

// Points measured along a bone to tell how much of it lies outside, and how
// many of them must lie outside for a handle.
constexpr int kSamples = 9;
constexpr int kLeastOutside = 3;

}  // namespace

std::vector<bool> HandleBones(const EnclosingParts &enclosing, const std::vector<BoneSegment> &bones,
                              const RigTree &tree, const std::vector<bool> &inside) {
    const size_t count = bones.size();
    std::vector<bool> handle(count, false);
    std::vector<uint32_t> around;
    auto outside = [&](const BoneSegment &bone, double along) {
        Point3 p;
        for (int k = 0; k < 3; ++k) p[k] = bone.joint[k] + along * (bone.tip[k] - bone.joint[k]);
        enclosing.Around(p, around);
        return around.empty();
    };
    std::vector<uint32_t> candidates;
    bool skinHasInside = false;
    for (uint32_t b = 0; b < count; ++b) {
        if (tree.parent[b] < 0 && !tree.children[b].empty())
            candidates.push_back(b);
        else
            skinHasInside = skinHasInside || inside[b];
    }
    if (!skinHasInside) return handle;
    for (uint32_t b : candidates) {
        int out = 0;
        for (int i = 0; i < kSamples && out < kLeastOutside && out + (kSamples - i) >= kLeastOutside; ++i)
            out += outside(bones[b], (i + 0.5) / kSamples);
        handle[b] = out >= kLeastOutside;
    }
    return handle;
}

}  // namespace vexil_host
