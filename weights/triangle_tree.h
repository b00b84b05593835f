// Which segments pass through a surface: a bounding-volume hierarchy over
// its triangles.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vexil_host {

using Point3 = std::array<double, 3>;

inline double Distance(const Point3 &p, const Point3 &q) { return std::hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]); }

inline Point3 Minus(const Point3 &a, const Point3 &b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }

inline Point3 Cross(const Point3 &u, const Point3 &v) {
    return {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
}

inline double Dot(const Point3 &u, const Point3 &v) { return u[0] * v[0] + u[1] * v[1] + u[2] * v[2]; }

class TriangleTree {
  public:
    // `triangles` holds three numbers into `points` a triangle; both are
    // borrowed and must outlive the tree.
    TriangleTree(const std::vector<Point3> &points, const std::vector<uint32_t> &triangles);

    // Calls `crossed(triangle, along)` for every triangle the segment from
    // `from` to `to` passes through anywhere but within `margin` (a
    // fraction of its length) of its ends, in no set order: a segment from
    // a corner of the surface does not hit the triangles it starts on.
    // `along` is where, from 0 at `from` to 1 at `to`. `crossed` returns
    // false to stop the search.
    template <typename Crossed>
    void ForEachCrossing(const Point3 &from, const Point3 &to, double margin, Crossed crossed) const;

    size_t TriangleCount() const { return order_.size(); }

  private:
    struct Node {
        Point3 low, high;
        uint32_t first, count;  // a leaf's triangles in order_; count 0 for an inner node
        uint32_t second;        // an inner node's second child; the first follows it
    };
    uint32_t Build(uint32_t first, uint32_t count, std::vector<Point3> &centres);
    // Where along the segment it passes through `triangle`, from 0 at
    // `from` to 1 at `from` + `along`; NaN where it misses.
    double Crossing(uint32_t triangle, const Point3 &from, const Point3 &along) const;

    const std::vector<Point3> &points_;
    const std::vector<uint32_t> &triangles_;
    std::vector<uint32_t> order_;
    std::vector<Node> nodes_;
};

template <typename Crossed>
void TriangleTree::ForEachCrossing(const Point3 &from, const Point3 &to, double margin, Crossed crossed) const {
    if (nodes_.empty()) return;
    Point3 along, inverse;
    for (int k = 0; k < 3; ++k) {
        along[k] = to[k] - from[k];
        inverse[k] = 1 / along[k];
    }
    const double low = margin, high = 1 - margin;
    uint32_t stack[128];
    int depth = 0;
    stack[depth++] = 0;
    while (depth > 0) {
        const Node &node = nodes_[stack[--depth]];
        // The slab test: the stretch of the segment inside the node's box.
        double enter = 0, leave = 1;
        for (int k = 0; k < 3 && enter <= leave; ++k) {
            if (along[k] == 0) {
                if (from[k] < node.low[k] || from[k] > node.high[k]) leave = -1;
                continue;
            }
            double t0 = (node.low[k] - from[k]) * inverse[k], t1 = (node.high[k] - from[k]) * inverse[k];
            if (t0 > t1) std::swap(t0, t1);
            enter = std::max(enter, t0);
            leave = std::min(leave, t1);
        }
        if (!(enter <= leave)) continue;
        if (node.count > 0) {
            for (uint32_t i = node.first; i < node.first + node.count; ++i) {
                const double at = Crossing(order_[i], from, along);
                if (at > low && at < high && !crossed(order_[i], at)) return;
            }
            continue;
        }
        uint32_t self = static_cast<uint32_t>(&node - nodes_.data());
        stack[depth++] = node.second;
        stack[depth++] = self + 1;
    }
}

}  // namespace vexil_host
