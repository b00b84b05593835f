#include "weights/heat_sources.h"

#include <algorithm>
#include <cmath>

namespace vexil_host {

namespace {

// The heat a bone gives the places it is nearest to, c in H = c k / d².
// With this Laplacian and these areas, 4 is the heat of Blender's
// automatic weights, which artists keep in the limbs: a joint then blends
// over about the limb's thickness.
constexpr double kHeat = 4;
// How much more a chain's places are warmed, so that they keep the chain's
// blend.
constexpr double kChainHeat = 100;
// Bones this much farther than the nearest count as equally near.
constexpr double kTie = 1e-4;
// A segment to a bone that passes within this share of its length of its
// ends does not count as crossing the skin there.
constexpr double kSightMargin = 1e-4;

struct Segment {
    Point3 joint, along;
    double inverseLengthSquared;  // 0 for a segment of no length
    uint32_t bone;
};

// Where along `segment` the point nearest to `p` lies, from 0 to 1.
double Along(const Segment &segment, const Point3 &p) {
    double dot = 0;
    for (int k = 0; k < 3; ++k) dot += (p[k] - segment.joint[k]) * segment.along[k];
    return std::clamp(dot * segment.inverseLengthSquared, 0.0, 1.0);
}

Segment Prepare(const BoneSegment &bone, uint32_t number) {
    Segment segment;
    double lengthSquared = 0;
    for (int k = 0; k < 3; ++k) {
        segment.joint[k] = bone.joint[k];
        segment.along[k] = bone.tip[k] - bone.joint[k];
        lengthSquared += segment.along[k] * segment.along[k];
    }
    segment.inverseLengthSquared = lengthSquared > 0 ? 1 / lengthSquared : 0;
    segment.bone = number;
    return segment;
}

// A chain's blend at `along` (0 to 1) on `bone`: from its middle, falling
// straight to its neighbour's middle.
void ChainShares(const RigShape::Link &link, uint32_t bone, double along,
                 std::vector<std::pair<uint32_t, double>> &shares) {
    if (along < 0.5 && link.before != UINT32_MAX) {
        shares.push_back({bone, 0.5 + along});
        shares.push_back({link.before, 0.5 - along});
    } else if (along > 0.5 && link.after != UINT32_MAX) {
        shares.push_back({bone, 1.5 - along});
        shares.push_back({link.after, along - 0.5});
    } else {
        shares.push_back({bone, 1});
    }
}

}  // namespace

HeatSources Warm(const Places &places, const std::vector<Point3> &normals, const TriangleTree &tree,
                 const std::vector<BoneSegment> &bones, const RigShape &shape, const PartBones &partBones,
                 const std::vector<uint32_t> &partOf, const std::vector<bool> &fixed, double extent,
                 bool ignoreVisibility) {
    std::vector<Segment> segments;
    std::vector<Segment> own;
    for (uint32_t b = 0; b < bones.size(); ++b) {
        own.push_back(Prepare(bones[b], b));
        for (const BoneSegment &reach : shape.reach[b]) segments.push_back(Prepare(reach, b));
    }
    const size_t count = places.position.size();
    HeatSources heat;
    heat.strength.assign(count, 0);
    heat.first.assign(count + 1, 0);
    std::vector<double> distance(bones.size());
    std::vector<Point3> nearest(bones.size());
    std::vector<uint32_t> warming;
    const double closest = 5e-5 * extent;
    for (size_t place = 0; place < count; ++place) {
        heat.first[place] = static_cast<uint32_t>(heat.shares.size());
        if (fixed[place]) continue;
        const Point3 &p = places.position[place];
        const std::vector<bool> &allowed = partBones.allowed[partOf[place]];
        std::fill(distance.begin(), distance.end(), INFINITY);
        for (const Segment &segment : segments) {
            if (!allowed.empty() && !allowed[segment.bone]) continue;
            double t = Along(segment, p);
            Point3 at;
            double squared = 0, facing = 0;
            for (int k = 0; k < 3; ++k) {
                at[k] = segment.joint[k] + t * segment.along[k];
                squared += (p[k] - at[k]) * (p[k] - at[k]);
                facing += (p[k] - at[k]) * normals[place][k];
            }
            double d = std::sqrt(squared);
            // A bone behind the skin, as its normal tells, counts as
            // farther: the skin of a hand lying against the hip faces away
            // from the hand's bones.
            double cosine = d > 0 ? facing / d : 1;
            d /= 0.5 * (cosine + 1.001);
            if (d < distance[segment.bone]) distance[segment.bone] = d, nearest[segment.bone] = at;
        }
        double least = *std::min_element(distance.begin(), distance.end());
        if (!std::isfinite(least)) continue;
        warming.clear();
        for (uint32_t b = 0; b < bones.size(); ++b)
            if (distance[b] <= least * (1 + kTie) &&
                (ignoreVisibility || !tree.Crosses(p, nearest[b], kSightMargin)))
                warming.push_back(b);
        if (warming.empty()) continue;
        double d = std::max(least, closest);
        heat.strength[place] = kHeat * static_cast<double>(warming.size()) / (d * d);
        const RigShape::Link &link = shape.chain[warming[0]];
        if (warming.size() == 1 && link.inChain) {
            heat.strength[place] *= kChainHeat;
            ChainShares(link, warming[0], Along(own[warming[0]], p), heat.shares);
            continue;
        }
        for (uint32_t b : warming) heat.shares.push_back({b, 1.0 / static_cast<double>(warming.size())});
    }
    heat.first[count] = static_cast<uint32_t>(heat.shares.size());
    return heat;
}

}  // namespace vexil_host
