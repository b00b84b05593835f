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

// The SVG document. Roots are drawn in another colour than children, and a
// dashed line leads from each parent's tip to a child that starts elsewhere.
// Objects with bones or marks are drawn.
std::string SkeletonSvg(const Scene &scene, const std::vector<SvgMark> &marks = {});

}  // namespace vexil_host
