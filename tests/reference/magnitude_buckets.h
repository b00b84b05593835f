// The weld check's first search, kept as the reference the flat place
// index must agree with: positions bucketed by the power of two of their
// magnitude and a grid as wide as that level's tolerance, each search
// looking through the 27 neighbouring cells of its level (125 of the level
// below near its edge) in a hash map of cells.
#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "skeleton/vec_math.h"

class MagnitudeBuckets {
  public:
    // Indexes `positions`, which must all be finite.
    explicit MagnitudeBuckets(const std::vector<Vec3> &positions);

    // The numbers of the indexed positions at the place of `position`, in
    // ascending order.
    std::vector<size_t> At(const Vec3 &position) const;

  private:
    std::vector<Vec3> positions_;
    std::unordered_map<uint64_t, std::vector<size_t>> cells_;
};
