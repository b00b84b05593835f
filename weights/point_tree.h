// The nearest of a set of points: a k-d tree.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "weights/triangle_tree.h"

namespace vexil_host {

class PointTree {
  public:
    // `points` is borrowed and must outlive the tree; `members` are the
    // numbers of the points to search among, at least one.
    PointTree(const std::vector<Point3> &points, std::vector<uint32_t> members);

    // The member nearest to `at`; the lowest number among members equally near.
    uint32_t Nearest(const Point3 &at) const;

  private:
    void Build(size_t first, size_t count, int depth);
    void Search(size_t first, size_t count, int depth, const Point3 &at, uint32_t &best, double &bestDistance) const;

    const std::vector<Point3> &points_;
    std::vector<uint32_t> members_;  // each range's median splits it along axis depth % 3
};

}  // namespace vexil_host
