// A picture of the skeletons in a scene: for each object with bones, front,
// side and top views, each bone a wedge from its joint to its tip.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "host/scene.h"

namespace vexil_host {

// A place to mark on an object's drawing, in object space: a red ring for
// points to weld, a red cross for a degenerate triangle.
struct SvgMark {
    LWItemID object;
    bool ring;
    std::array<double, 3> position;
};

// An object's skin points, each drawn in the colour of the bone that
// weighs it most.
struct SvgSkin {
    LWItemID object;
    std::vector<std::array<double, 3>> points;  // object space
    std::vector<LWItemID> heaviestBone;         // per point
};

// The SVG document. Roots are drawn in another colour than children, and a
// dashed line leads from each parent's tip to a child that starts elsewhere.
// Objects with bones or marks are drawn, of `only` when given. With a skin,
// each bone's wedge takes a colour of its own, which its skin points share.
std::string SkeletonSvg(const Scene &scene, const std::vector<SvgMark> &marks = {},
                        const std::vector<SvgSkin> &skins = {}, const std::vector<LWItemID> *only = nullptr);

}  // namespace vexil_host
