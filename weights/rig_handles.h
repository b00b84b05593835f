// Bones that carry a rig and bend none of its skin.
#pragma once

#include <cstdint>
#include <vector>

#include "weights/enclosing_parts.h"
#include "weights/nearest_bone.h"
#include "weights/rig_tree.h"

namespace vexil_host {

// Per bone, whether it is a handle: a root of `tree` with children, of
// which at least a third of the length lies outside every part of the
// skin, as the bone a rig is carried by often does, standing from the
// ground up into the hips. Artists give it no weight; its children take
// the skin. A leg whose root joint only just pokes out of the hip is no
// handle. Nothing is a handle unless the skin encloses the middle of some
// other bone: a skin with no inside cannot tell what lies outside it.
// `enclosing` tells which parts enclose a point, and `inside` (per bone,
// as InsideTheSkin gives) which bones' middles some part encloses.
std::vector<bool> HandleBones(const EnclosingParts &enclosing, const std::vector<BoneSegment> &bones,
                              const RigTree &tree, const std::vector<bool> &inside);

}  // namespace vexil_host
