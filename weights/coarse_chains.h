// Chains whose skin is too coarse for their blend: a tail or a trunk
// modelled with about one ring of points per bone.
#pragma once

#include <vector>

#include "weights/heat_sources.h"
#include "weights/nearest_bone.h"
#include "weights/rig_shape.h"
#include "weights/skin_places.h"

namespace vexil_host {

// Takes out of `shape`'s chains each chain whose skin's rings lie at
// least four fifths of its bones' mean length apart, measured as the
// upper quartile of the lengths along the bones of the edges between its
// places, and says whether it took any. A place is the chain's when the
// bone with the largest share of its `heat` is one of the chain's bones.
// With rings that far apart the skin between two of them is straight
// however they are weighed, and a blend running from middle to middle
// only drags each ring off its bone: artists weigh such rings to their
// own bone, and the heat, as at any joint, blends the rings that lie at
// the joints. `bones` are the rig's segments; the places are warmed again
// when a chain was taken out.
bool LoosenCoarseChains(const Places &places, const HeatSources &heat, const std::vector<BoneSegment> &bones,
                        RigShape &shape);

}  // namespace vexil_host
