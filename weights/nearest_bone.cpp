#include "weights/nearest_bone.h"

#include <algorithm>
#include <cmath>

namespace vexil_host {

namespace {

// A cube keeps cutting while more segments than this may be nearest in it,
// down to a depth where its side is a millionth of the first cube's.
constexpr uint32_t kFewCandidates = 4;
constexpr uint32_t kDeepest = 20;

}  // namespace

NearestBone::NearestBone(std::vector<BoneSegment> segments, const std::array<double, 3> &low,
                         const std::array<double, 3> &high) {
    for (const BoneSegment &segment : segments) {
        Prepared prepared{segment.joint, {}, 0};
        double lengthSquared = 0;
        for (int k = 0; k < 3; ++k) {
            prepared.along[k] = segment.tip[k] - segment.joint[k];
            lengthSquared += prepared.along[k] * prepared.along[k];
        }
        prepared.inverseLengthSquared = lengthSquared > 0 ? 1 / lengthSquared : 0;
        segments_.push_back(prepared);
    }
    // A ball around every segment: its centre the middle of their box.
    std::array<double, 3> least = {INFINITY, INFINITY, INFINITY}, most = {-INFINITY, -INFINITY, -INFINITY};
    for (const BoneSegment &segment : segments)
        for (int k = 0; k < 3; ++k) {
            least[k] = std::min({least[k], segment.joint[k], segment.tip[k]});
            most[k] = std::max({most[k], segment.joint[k], segment.tip[k]});
        }
    for (int k = 0; k < 3; ++k) ballCentre_[k] = (least[k] + most[k]) / 2;
    for (const BoneSegment &segment : segments)
        for (const auto &end : {segment.joint, segment.tip})
            ballRadius_ = std::max(ballRadius_, std::hypot(end[0] - ballCentre_[0], end[1] - ballCentre_[1],
                                                           end[2] - ballCentre_[2]));
    // The first cube's candidates: every segment.
    candidates_.resize(segments_.size());
    for (uint32_t i = 0; i < candidates_.size(); ++i) candidates_[i] = i;
    double size = 0;
    for (int k = 0; k < 3; ++k) size = std::max(size, high[k] - low[k]);
    Cube root{low, size > 0 ? size : 1, 0, static_cast<uint32_t>(segments_.size()), 0, 0, {}};
    cubes_.push_back(root);
}

double NearestBone::DistanceSquared(uint32_t segment, const std::array<double, 3> &point) const {
    const Prepared &s = segments_[segment];
    double w[3], dot = 0;
    for (int k = 0; k < 3; ++k) {
        w[k] = point[k] - s.joint[k];
        dot += w[k] * s.along[k];
    }
    double t = std::min(1.0, std::max(0.0, dot * s.inverseLengthSquared));
    double distance = 0;
    for (int k = 0; k < 3; ++k) {
        double d = w[k] - t * s.along[k];
        distance += d * d;
    }
    return distance;
}

uint32_t NearestBone::NearestOf(const uint32_t *candidates, uint32_t count, const std::array<double, 3> &point) const {
    uint32_t best = candidates[0];
    if (count == 1) return best;
    double bestDistance = DistanceSquared(best, point);
    // Candidates come in ascending order: a later one wins only when nearer.
    for (uint32_t i = 1; i < count; ++i) {
        double distance = DistanceSquared(candidates[i], point);
        if (distance < bestDistance) bestDistance = distance, best = candidates[i];
    }
    return best;
}

bool NearestBone::Final(const Cube &cube) const { return cube.candidateCount <= kFewCandidates || cube.depth >= kDeepest; }

uint32_t NearestBone::Child(uint32_t parent, int octant) {
    if (cubes_[parent].children[octant] != 0) return cubes_[parent].children[octant];
    Cube child = cubes_[parent];
    child.size /= 2;
    child.depth += 1;
    child.parent = parent;
    for (int k = 0; k < 3; ++k)
        if (octant & (1 << k)) child.low[k] += child.size;
    std::fill(std::begin(child.children), std::end(child.children), 0u);
    // Every point of the cube lies within `reach` of its centre. Along the
    // way from the centre, the difference of two segments' distances changes
    // no faster than the two directions from the segments to the point
    // differ: by at most 2, and for a cube outside the ball that holds every
    // segment by at most the angle the ball fills seen from there. So a
    // segment can be nearest in the cube only if its distance from the
    // centre exceeds the least by at most that rate times `reach`. A sliver
    // more is kept against rounding.
    std::array<double, 3> centre;
    double outside = 0;
    for (int k = 0; k < 3; ++k) {
        centre[k] = child.low[k] + child.size / 2;
        double gap = std::max({0.0, child.low[k] - ballCentre_[k], ballCentre_[k] - (child.low[k] + child.size)});
        outside += gap * gap;
    }
    outside = std::sqrt(outside);
    const double rate = outside > ballRadius_ ? std::min(2.0, 2 * std::asin(ballRadius_ / outside)) : 2.0;
    const double reach = child.size * std::sqrt(3.0) / 2;
    const Cube &from = cubes_[parent];
    std::vector<double> &distance = scratch_;
    distance.resize(from.candidateCount);
    double least = INFINITY;
    for (uint32_t i = 0; i < from.candidateCount; ++i) {
        distance[i] = std::sqrt(DistanceSquared(candidates_[from.firstCandidate + i], centre));
        least = std::min(least, distance[i]);
    }
    const double bound = least + rate * reach + 1e-9 * (least + reach);
    child.firstCandidate = static_cast<uint32_t>(candidates_.size());
    child.candidateCount = 0;
    for (uint32_t i = 0; i < from.candidateCount; ++i) {
        if (distance[i] > bound) continue;
        uint32_t segment = candidates_[from.firstCandidate + i];
        candidates_.push_back(segment);
        ++child.candidateCount;
    }
    uint32_t number = static_cast<uint32_t>(cubes_.size());
    cubes_.push_back(child);
    cubes_[parent].children[octant] = number;
    return number;
}

uint32_t NearestBone::Find(const std::array<float, 3> &point) {
    const std::array<double, 3> p = {point[0], point[1], point[2]};
    auto inside = [&](const Cube &cube) {
        for (int k = 0; k < 3; ++k)
            if (!(p[k] >= cube.low[k] && p[k] <= cube.low[k] + cube.size)) return false;
        return true;
    };
    if (lastCube_ == UINT32_MAX || !inside(cubes_[lastCube_])) {
        if (!inside(cubes_[0])) return NearestOf(candidates_.data(), cubes_[0].candidateCount, p);
        // Up from the last point's cube to one that holds this point, then
        // down to the smallest.
        uint32_t at = lastCube_ == UINT32_MAX ? 0 : lastCube_;
        while (!inside(cubes_[at])) at = cubes_[at].parent;
        while (!Final(cubes_[at])) {
            const Cube &cube = cubes_[at];
            int octant = 0;
            for (int k = 0; k < 3; ++k)
                if (p[k] >= cube.low[k] + cube.size / 2) octant |= 1 << k;
            at = Child(at, octant);
        }
        lastCube_ = at;
    }
    const Cube &cube = cubes_[lastCube_];
    return NearestOf(candidates_.data() + cube.firstCandidate, cube.candidateCount, p);
}

}  // namespace vexil_host
