// Which segments pass through a surface: a bounding-volume hierarchy over
// its triangles.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace vexil_host {

using Point3 = std::array<double, 3>;

class TriangleTree {
  public:
    // `triangles` holds three numbers into `points` a triangle; both are
    // borrowed and must outlive the tree.
    TriangleTree(const std::vector<Point3> &points, const std::vector<uint32_t> &triangles);

    // Whether the segment from `from` to `to` passes through a triangle
    // anywhere but within `margin` (a fraction of its length) of its ends:
    // a segment from a corner of the surface does not hit the triangles
    // it starts on.
    bool Crosses(const Point3 &from, const Point3 &to, double margin) const;

  private:
    struct Node {
        Point3 low, high;
        uint32_t first, count;  // a leaf's triangles in order_; count 0 for an inner node
        uint32_t second;        // an inner node's second child; the first follows it
    };
    uint32_t Build(uint32_t first, uint32_t count, std::vector<Point3> &centres);
    bool HitsTriangle(uint32_t triangle, const Point3 &from, const Point3 &along, double low, double high) const;

    const std::vector<Point3> &points_;
    const std::vector<uint32_t> &triangles_;
    std::vector<uint32_t> order_;
    std::vector<Node> nodes_;
};

}  // namespace vexil_host
