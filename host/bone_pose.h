// Where the scene's bones stand in object space, composed from the
// parent-relative rest values the commands set.
#pragma once

#include <array>
#include <unordered_map>
#include <vector>

#include "host/scene.h"

namespace vexil_host {

struct BonePose {
    std::array<double, 3> start{};  // the joint, object space
    std::array<double, 3> tip{};    // start + length along the bone's Z axis
    std::array<std::array<double, 3>, 3> axes{};  // X, Y, Z rows, object space
    int depth = 0;                  // 0 for a root
};

// The rows of the frame turned by bank about Z, then pitch about X, then
// heading about Y (degrees), as the module's angles mean them.
std::array<std::array<double, 3>, 3> FrameFromHPB(const std::array<double, 3> &headingPitchBank);

// A bone in its object's tree, and the entry before it in the list that it
// hangs from, or -1 for a root.
struct BoneInTree {
    const Item *bone;
    int parent;
};

// The bones of `object` depth first: each root in the order the object
// lists its bones, each bone's children in that order after it. A bone
// whose parent is not a bone of the object is a root; bones whose parents
// loop back to them start from the loop's first listed bone.
std::vector<BoneInTree> BonesDepthFirst(const Scene &scene, const Item &object);

// Every bone of `object`, posed by its rest position, rotation and length
// relative to its parent. Bones whose parent chain loops are posed as roots.
std::unordered_map<LWItemID, BonePose> ObjectBonePoses(const Scene &scene, const Item &object);

}  // namespace vexil_host
