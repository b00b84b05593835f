#include "weights/triangle_tree.h"

#include <algorithm>
#include <cmath>

namespace vexil_host {

namespace {

constexpr uint32_t kLeafTriangles = 4;

}  // namespace

TriangleTree::TriangleTree(const std::vector<Point3> &points, const std::vector<uint32_t> &triangles)
    : points_(points), triangles_(triangles) {
    uint32_t count = static_cast<uint32_t>(triangles.size() / 3);
    order_.resize(count);
    std::vector<Point3> centres(count);
    for (uint32_t t = 0; t < count; ++t) {
        order_[t] = t;
        for (int k = 0; k < 3; ++k)
            centres[t][k] = (points[triangles[3 * t]][k] + points[triangles[3 * t + 1]][k] +
                             points[triangles[3 * t + 2]][k]) / 3;
    }
    nodes_.reserve(2 * (count / kLeafTriangles + 1));
    if (count > 0) Build(0, count, centres);
}

// Splits at the median centre along the box's longest side, so the depth
// stays logarithmic whatever the triangles' sizes.
uint32_t TriangleTree::Build(uint32_t first, uint32_t count, std::vector<Point3> &centres) {
    uint32_t number = static_cast<uint32_t>(nodes_.size());
    nodes_.push_back({{INFINITY, INFINITY, INFINITY}, {-INFINITY, -INFINITY, -INFINITY}, first, count, 0});
    Point3 low = nodes_[number].low, high = nodes_[number].high;
    for (uint32_t i = first; i < first + count; ++i)
        for (int corner = 0; corner < 3; ++corner) {
            const Point3 &p = points_[triangles_[3 * order_[i] + static_cast<uint32_t>(corner)]];
            for (int k = 0; k < 3; ++k) low[k] = std::min(low[k], p[k]), high[k] = std::max(high[k], p[k]);
        }
    nodes_[number].low = low, nodes_[number].high = high;
    if (count <= kLeafTriangles) return number;
    int axis = 0;
    for (int k = 1; k < 3; ++k)
        if (high[k] - low[k] > high[axis] - low[axis]) axis = k;
    uint32_t half = count / 2;
    std::nth_element(order_.begin() + first, order_.begin() + first + half, order_.begin() + first + count,
                     [&](uint32_t a, uint32_t b) { return centres[a][axis] < centres[b][axis]; });
    nodes_[number].count = 0;
    Build(first, half, centres);
    uint32_t second = Build(first + half, count - half, centres);
    nodes_[number].second = second;
    return number;
}

// Möller and Trumbore, "Fast, minimum storage ray-triangle intersection"
// (1997): the crossing's place along the segment and in the triangle.
double TriangleTree::Crossing(uint32_t triangle, const Point3 &from, const Point3 &along) const {
    const Point3 &a = points_[triangles_[3 * triangle]], &b = points_[triangles_[3 * triangle + 1]],
                 &c = points_[triangles_[3 * triangle + 2]];
    Point3 e1, e2, s;
    for (int k = 0; k < 3; ++k) e1[k] = b[k] - a[k], e2[k] = c[k] - a[k], s[k] = from[k] - a[k];
    Point3 p = {along[1] * e2[2] - along[2] * e2[1], along[2] * e2[0] - along[0] * e2[2],
                along[0] * e2[1] - along[1] * e2[0]};
    double det = e1[0] * p[0] + e1[1] * p[1] + e1[2] * p[2];
    // A segment in the triangle's plane does not pass through it.
    if (!(std::fabs(det) > 0)) return NAN;
    double u = (s[0] * p[0] + s[1] * p[1] + s[2] * p[2]) / det;
    if (!(u >= 0 && u <= 1)) return NAN;
    Point3 q = {s[1] * e1[2] - s[2] * e1[1], s[2] * e1[0] - s[0] * e1[2], s[0] * e1[1] - s[1] * e1[0]};
    double v = (along[0] * q[0] + along[1] * q[1] + along[2] * q[2]) / det;
    if (!(v >= 0 && u + v <= 1)) return NAN;
    return (e2[0] * q[0] + e2[1] * q[1] + e2[2] * q[2]) / det;
}

}  // namespace vexil_host
