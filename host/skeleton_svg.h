// A picture of the skeletons in a scene: for each object with bones, front,
// side and top views, each bone a wedge from its joint to its tip.
#pragma once

#include <string>

#include "host/scene.h"

namespace vexil_host {

// The SVG document. Roots are drawn in another colour than children, and a
// dashed line leads from each parent's tip to a child that starts elsewhere.
std::string SkeletonSvg(const Scene &scene);

}  // namespace vexil_host
