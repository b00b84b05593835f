#include "weights/part_wraps.h"

#include <cmath>
#include <unordered_map>

namespace vexil_host {

namespace {

// Directions far from the axes, so that rays along a grid of faces rarely
// graze an edge.
constexpr uint32_t kLeastEnclosingTriangles = 4;
constexpr double kRays[3][3] = {{0.5773, 0.5774, 0.5774}, {-0.7071, 0.0, 0.7071}, {0.2673, -0.5345, 0.8018}};

}  // namespace

PartBones WrappedBones(const Places &places, const std::vector<uint32_t> &partOf, uint32_t parts,
                       const TriangleTree &tree, const std::vector<BoneSegment> &bones,
                       const std::vector<int32_t> &parents, double span) {
    PartBones result;
    result.allowed.resize(parts);
    if (!(span > 0) || !std::isfinite(span)) return result;

    // A part of a few triangles encloses nothing.
    std::vector<uint32_t> triangleCount(parts, 0);
    for (size_t t = 0; t < places.triangles.size(); t += 3) ++triangleCount[partOf[places.triangles[t]]];

    std::vector<std::vector<uint32_t>> wrappedBy(bones.size());
    std::vector<bool> wrapped(bones.size(), false);
    std::unordered_map<uint32_t, uint32_t> crossings;
    std::unordered_map<uint32_t, int> oddRays;
    for (uint32_t b = 0; b < bones.size(); ++b) {
        Point3 middle;
        for (int k = 0; k < 3; ++k) middle[k] = (bones[b].joint[k] + bones[b].tip[k]) / 2;
        oddRays.clear();
        for (const auto &direction : kRays) {
            Point3 far;
            for (int k = 0; k < 3; ++k) far[k] = middle[k] + 2 * span * direction[k];
            crossings.clear();
            tree.ForEachCrossing(middle, far, 0, [&](uint32_t triangle) {
                ++crossings[partOf[places.triangles[3 * triangle]]];
                return true;
            });
            for (auto [part, count] : crossings)
                if (count % 2 == 1) ++oddRays[part];
        }
        for (auto [part, odd] : oddRays)
            if (odd >= 2 && triangleCount[part] >= kLeastEnclosingTriangles) {
                wrappedBy[b].push_back(part);
                wrapped[b] = true;
            }
    }
    for (uint32_t b = 0; b < bones.size(); ++b)
        for (uint32_t part : wrappedBy[b]) {
            std::vector<bool> &allowed = result.allowed[part];
            if (allowed.empty()) {
                allowed.assign(bones.size(), false);
                for (uint32_t free = 0; free < bones.size(); ++free) allowed[free] = !wrapped[free];
            }
            allowed[b] = true;
            if (b < parents.size() && parents[b] >= 0 && static_cast<size_t>(parents[b]) < bones.size())
                allowed[static_cast<size_t>(parents[b])] = true;
        }
    return result;
}

}  // namespace vexil_host
