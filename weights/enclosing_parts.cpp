#include "weights/enclosing_parts.h"

#include <cmath>
#include <unordered_map>

namespace vexil_host {

namespace {

// Directions far from the axes, so that rays along a grid of faces rarely
// graze an edge.
constexpr double kRays[3][3] = {{0.5773, 0.5774, 0.5774}, {-0.7071, 0.0, 0.7071}, {0.2673, -0.5345, 0.8018}};
constexpr uint32_t kLeastEnclosingTriangles = 4;

}  // namespace

EnclosingParts::EnclosingParts(const Places &places, const std::vector<uint32_t> &partOf, uint32_t parts,
                               const TriangleTree &tree, double span)
    : places_(places), partOf_(partOf), tree_(tree), span_(span), triangleCount_(parts, 0) {
    for (size_t t = 0; t < places.triangles.size(); t += 3) ++triangleCount_[partOf[places.triangles[t]]];
}

void EnclosingParts::Around(const Point3 &p, std::vector<uint32_t> &inside) const {
    inside.clear();
    if (!(span_ > 0) || !std::isfinite(span_)) return;
    std::unordered_map<uint32_t, int> oddRays;
    std::unordered_map<uint32_t, uint32_t> crossings;
    for (const auto &direction : kRays) {
        Point3 far;
        for (int k = 0; k < 3; ++k) far[k] = p[k] + 2 * span_ * direction[k];
        crossings.clear();
        tree_.ForEachCrossing(p, far, 0, [&](uint32_t triangle, double) {
            ++crossings[partOf_[places_.triangles[3 * triangle]]];
            return true;
        });
        for (auto [part, count] : crossings)
            if (count % 2 == 1) ++oddRays[part];
    }
    for (auto [part, odd] : oddRays)
        if (odd >= 2 && triangleCount_[part] >= kLeastEnclosingTriangles) inside.push_back(part);
}

}  // namespace vexil_host
