// What a rig's tree says about how its skin should bend, beyond where its
// bones lie: where several bones hang from one, and which bones form chains.
#pragma once

#include <cstdint>
#include <vector>

#include "weights/nearest_bone.h"
#include "weights/rig_tree.h"

namespace vexil_host {

struct RigShape {
    // Per bone, the segments the skin's distance to it is measured from:
    // its own first, then, for a bone at which several children hang (a
    // pelvis, a chest, a hand, a head), one towards each child whose joint
    // hangs at it, three quarters of the way there. Artists give such a bone
    // the body between its children's joints: the palm, not the fingers'
    // roots; the chest, not the collarbones. Towards a child that bends a
    // region of the body rather than a limb starting at its joint (a belly
    // hanging from the spine, a fin from a fish's body: a bone with no
    // children, inside the skin, hanging from a bone the body goes on
    // from), the spoke reaches half way: the two share the skin between
    // them. No spoke is longer than twice its bone: a stub of a bone in a
    // long body holds only the body near it.
    std::vector<std::vector<BoneSegment>> reach;
    // Per bone, whether it lies in a chain, and its neighbours there
    // (UINT32_MAX at the chain's ends). The skin may yet take a chain out
    // (LoosenCoarseChains).
    struct Link {
        bool inChain = false;
        uint32_t before = UINT32_MAX, after = UINT32_MAX;
    };
    std::vector<Link> chain;
    // Per bone, whether it only carries the rig and bends no skin.
    std::vector<bool> handle;
};

// The shape of the rig of `bones` hung as `tree`. A chain is a run of at
// least four bones, each the only child of the one before, whose lengths
// lie within twice each other: a tail, a neck, a spine, a rope, a tentacle.
// A run that mirrors another hanging from the same parent (or from parents
// of one length) is a leg or an arm, not a chain, unless it has six bones
// or more. `handles` marks, per bone, those that carry the rig
// (HandleBones): they are cut from the tree, their children hanging from
// nothing. `inside` marks, per bone, those whose middle the skin encloses.
RigShape ShapeOfRig(const std::vector<BoneSegment> &bones, RigTree tree, const std::vector<bool> &handles,
                    const std::vector<bool> &inside);

}  // namespace vexil_host
