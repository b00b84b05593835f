#include "weights/point_tree.h"

#include <algorithm>
#include <cmath>

namespace vexil_host {

PointTree::PointTree(const std::vector<Point3> &points, std::vector<uint32_t> members)
    : points_(points), members_(std::move(members)) {
    Build(0, members_.size(), 0);
}

void PointTree::Build(size_t first, size_t count, int depth) {
    if (count <= 1) return;
    int axis = depth % 3;
    size_t half = count / 2;
    std::nth_element(members_.begin() + static_cast<std::ptrdiff_t>(first),
                     members_.begin() + static_cast<std::ptrdiff_t>(first + half),
                     members_.begin() + static_cast<std::ptrdiff_t>(first + count),
                     [&](uint32_t a, uint32_t b) { return points_[a][axis] < points_[b][axis]; });
    Build(first, half, depth + 1);
    Build(first + half + 1, count - half - 1, depth + 1);
}

void PointTree::Search(size_t first, size_t count, int depth, const Point3 &at, uint32_t &best,
                       double &bestDistance) const {
    if (count == 0) return;
    size_t half = count / 2;
    uint32_t middle = members_[first + half];
    const Point3 &p = points_[middle];
    double distance = 0;
    for (int k = 0; k < 3; ++k) distance += (p[k] - at[k]) * (p[k] - at[k]);
    if (distance < bestDistance || (distance == bestDistance && middle < best)) best = middle, bestDistance = distance;
    int axis = depth % 3;
    double side = at[axis] - p[axis];
    size_t nearFirst = side < 0 ? first : first + half + 1, nearCount = side < 0 ? half : count - half - 1;
    size_t farFirst = side < 0 ? first + half + 1 : first, farCount = side < 0 ? count - half - 1 : half;
    Search(nearFirst, nearCount, depth + 1, at, best, bestDistance);
    if (side * side <= bestDistance) Search(farFirst, farCount, depth + 1, at, best, bestDistance);
}

uint32_t PointTree::Nearest(const Point3 &at) const {
    uint32_t best = UINT32_MAX;
    double bestDistance = INFINITY;
    Search(0, members_.size(), 0, at, best, bestDistance);
    return best;
}

}  // namespace vexil_host
