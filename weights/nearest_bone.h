// Which bone a point of a mesh lies nearest to, for points that no weight
// map gives to a bone.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace vexil_host {

// A bone as the segment from its joint to its tip.
struct BoneSegment {
    std::array<double, 3> joint, tip;
};

// Answers, for one point after another, which segment lies nearest to it.
// Space is cut into cubes as points arrive, each cube keeping the segments
// that can be nearest anywhere in it, so that a point asks only those; a
// point near the one before it starts from their common cube. Far from the
// segments, where their distances differ little but change alike, a cube
// keeps few of them.
class NearestBone {
  public:
    // `segments` must not be empty and hold finite values. Points inside the
    // box from `low` to `high` are answered fastest; others too.
    NearestBone(std::vector<BoneSegment> segments, const std::array<double, 3> &low,
                const std::array<double, 3> &high);

    // The number of the segment nearest to `point` (distances measured in
    // double), the lowest number among segments equally near.
    uint32_t Find(const std::array<float, 3> &point);

  private:
    struct Cube {
        std::array<double, 3> low;
        double size;
        uint32_t firstCandidate, candidateCount;  // into candidates_, in ascending order
        uint32_t depth;
        uint32_t parent;       // the root's is itself
        uint32_t children[8];  // 0 for none: the root is nobody's child
    };

    bool Final(const Cube &cube) const;
    uint32_t Child(uint32_t parent, int octant);
    uint32_t NearestOf(const uint32_t *candidates, uint32_t count, const std::array<double, 3> &point) const;
    double DistanceSquared(uint32_t segment, const std::array<double, 3> &point) const;

    struct Prepared {
        std::array<double, 3> joint, along;
        double inverseLengthSquared;  // 0 for a segment of no length
    };
    std::vector<Prepared> segments_;
    std::vector<Cube> cubes_;
    std::vector<uint32_t> candidates_;
    std::array<double, 3> ballCentre_{};
    double ballRadius_ = 0;
    std::vector<double> scratch_;
    uint32_t lastCube_ = UINT32_MAX;
};

}  // namespace vexil_host
