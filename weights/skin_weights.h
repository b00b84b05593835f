// The weights that bend each object's skin with its bones: painted where a
// weight map named after a bone gives them, worked out everywhere else.
#pragma once

#include <string>
#include <vector>

#include "host/scene.h"
#include "weights/nearest_bone.h"
#include "weights/skin.h"
#include "weights/weight_map.h"

namespace vexil_host {

enum class WeightMethod {
    Automatic,  // bone heat over the skin
    Nearest,    // each point wholly to its nearest bone
};

// A bone the skin can follow: its segment in object space, the host's axes,
// and the bone it hangs from among the skin's bones (-1 for none).
struct SkinBone {
    const Item *bone;
    BoneSegment segment;
    int32_t parent;
};

struct SkinWeights {
    Skin skin;
    std::vector<SkinBone> bones;          // what Influences::bone numbers
    std::vector<Influences> influences;  // per skin vertex; none when there are no bones
    bool fellBackToNearest = false;      // the automatic solve failed
};

// The bones of `object` whose place is a finite number, depth first, each
// bone's children in the order the object lists them.
std::vector<SkinBone> SkinBonesOf(const Scene &scene, const Item &object);

// The skin of `object` (without the polygons `skeletonPolygon` marks) and
// its weights. A point that `painted` maps give a weight above 0 for bones
// whose weight map they name keeps those weights, the four heaviest scaled
// to sum 1; the others are worked out by `method`. When the automatic solve
// fails, every unpainted point follows its nearest bone, and the result says
// so. Throws std::bad_alloc when memory runs out.
SkinWeights WeighSkin(const Scene &scene, const Item &object, const std::vector<bool> &skeletonPolygon,
                      const std::vector<WeightMap> *painted, WeightMethod method);

// `weights` with a skin of at most about `mostPoints` points, for showing:
// points within one cube of a grid become the first of them, the cube
// grown until few enough remain, and triangles that fall to a line or a
// point are left out. Each point kept keeps its weights.
SkinWeights SimplifiedSkin(const Mesh &mesh, const SkinWeights &weights, size_t mostPoints);

// One weight map per bone of `object`, named as the module named the
// bone's map, in the order of `weights.bones` and then the object's other
// bones: each mesh point with the weight the bone's influence gives it,
// points of no weight left out, a bone that weighs no point an empty map.
// Bones that share a map's name share the map, their weights added.
std::vector<WeightMap> BoneWeightMaps(const Scene &scene, const Item &object, const SkinWeights &weights);

}  // namespace vexil_host
