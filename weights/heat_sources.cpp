#include "weights/heat_sources.h"

#include <algorithm>
#include <cfloat>
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
// Bones up to this share farther than the nearest share its heat, the
// nearer the more: a place at a joint, or a skin cut into triangles one way
// or the other, does not jump from one bone to the next.
constexpr double kTie = 0.03;
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

// The segments one array per coordinate, so that the compiler measures
// several at once: every place measures every segment. Only the bones these
// distances leave nearest are measured again, as the heat is defined.
struct SegmentArrays {
    explicit SegmentArrays(const std::vector<Segment> &segments) {
        for (const Segment &segment : segments) {
            for (int k = 0; k < 3; ++k) {
                joint[k].push_back(segment.joint[k]);
                along[k].push_back(segment.along[k]);
            }
            inverseLengthSquared.push_back(segment.inverseLengthSquared);
        }
        distance.resize(segments.size());
    }

    // Each segment's distance to `p`, lengthened where `normal` faces away
    // from it, into `distance`.
    void Measure(const Point3 &p, const Point3 &normal) {
        const size_t count = distance.size();
        for (size_t i = 0; i < count; ++i) {
            double wx = p[0] - joint[0][i], wy = p[1] - joint[1][i], wz = p[2] - joint[2][i];
            double t = (wx * along[0][i] + wy * along[1][i] + wz * along[2][i]) * inverseLengthSquared[i];
            t = t < 0 ? 0 : t;
            t = t > 1 ? 1 : t;
            double dx = wx - t * along[0][i], dy = wy - t * along[1][i], dz = wz - t * along[2][i];
            double squared = dx * dx + dy * dy + dz * dz;
            double facing = dx * normal[0] + dy * normal[1] + dz * normal[2];
            // d / ((cos + 1.001) / 2), with cos = facing / d; at d = 0, 0.
            double below = facing + 1.001 * std::sqrt(squared);
            distance[i] = 2 * squared / std::max(below, DBL_MIN);
        }
    }

    std::vector<double> joint[3], along[3], inverseLengthSquared;
    std::vector<double> distance;
};

}  // namespace

HeatSources Warm(const Places &places, const std::vector<Point3> &normals, const TriangleTree &tree,
                 const std::vector<BoneSegment> &bones, const RigShape &shape, const PartBones &partBones,
                 const std::vector<uint32_t> &partOf, const std::vector<bool> &fixed, double extent,
                 bool ignoreVisibility) {
    std::vector<Segment> segments, own;
    std::vector<uint32_t> firstSegment;
    for (uint32_t b = 0; b < bones.size(); ++b) {
        own.push_back(Prepare(bones[b], b));
        firstSegment.push_back(static_cast<uint32_t>(segments.size()));
        for (const BoneSegment &reach : shape.reach[b]) segments.push_back(Prepare(reach, b));
    }
    firstSegment.push_back(static_cast<uint32_t>(segments.size()));
    const size_t count = places.position.size();
    SegmentArrays arrays(segments);
    HeatSources heat;
    heat.strength.assign(count, 0);
    heat.first.assign(count + 1, 0);
    std::vector<double> boneDistance(bones.size());
    std::vector<double> distance(bones.size());
    std::vector<Point3> nearest(bones.size());
    std::vector<uint32_t> warming, candidates;
    std::vector<double> share;
    const double closest = 5e-5 * extent;
    for (size_t place = 0; place < count; ++place) {
        heat.first[place] = static_cast<uint32_t>(heat.shares.size());
        if (fixed[place]) continue;
        const Point3 &p = places.position[place];
        const std::vector<bool> &allowed = partBones.allowed[partOf[place]];
        arrays.Measure(p, normals[place]);
        double leastOfAll = INFINITY;
        for (uint32_t b = 0; b < bones.size(); ++b) {
            boneDistance[b] = INFINITY;
            if (!allowed.empty() && !allowed[b]) continue;
            for (uint32_t i = firstSegment[b]; i < firstSegment[b + 1]; ++i) boneDistance[b] = std::min(boneDistance[b], arrays.distance[i]);
            leastOfAll = std::min(leastOfAll, boneDistance[b]);
        }
        if (!std::isfinite(leastOfAll)) continue;
        candidates.clear();
        for (uint32_t b = 0; b < bones.size(); ++b)
            if (boneDistance[b] <= leastOfAll * (1 + 2 * kTie)) candidates.push_back(b);
        double least = INFINITY;
        for (uint32_t b : candidates) {
            distance[b] = INFINITY;
            for (uint32_t i = firstSegment[b]; i < firstSegment[b + 1]; ++i) {
                const Segment &segment = segments[i];
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
                // farther: the skin of a hand lying against the hip faces
                // away from the hand's bones.
                double cosine = d > 0 ? facing / d : 1;
                d /= 0.5 * (cosine + 1.001);
                if (d < distance[b]) distance[b] = d, nearest[b] = at;
            }
            least = std::min(least, distance[b]);
        }
        if (!std::isfinite(least)) continue;
        // The bones near the nearest share its heat, the nearer the more.
        warming.clear();
        share.clear();
        double shares = 0;
        for (uint32_t b : candidates) {
            double near = least > 0 ? 1 - (distance[b] - least) / (kTie * least) : distance[b] == 0 ? 1 : 0;
            if (!(near > 0) || (!ignoreVisibility && tree.Crosses(p, nearest[b], kSightMargin))) continue;
            warming.push_back(b);
            share.push_back(near);
            shares += near;
        }
        if (warming.empty()) continue;
        double d = std::max(least, closest);
        heat.strength[place] = kHeat * shares / (d * d);
        // A place of a chain takes the chain's blend, where no bone but the
        // nearest's neighbours in the chain is near.
        size_t first = static_cast<size_t>(std::max_element(share.begin(), share.end()) - share.begin());
        const RigShape::Link &link = shape.chain[warming[first]];
        bool alongChain = link.inChain;
        for (uint32_t b : warming) alongChain = alongChain && (b == warming[first] || b == link.before || b == link.after);
        if (alongChain) {
            heat.strength[place] = kHeat * kChainHeat / (d * d);
            ChainShares(link, warming[first], Along(own[warming[first]], p), heat.shares);
            continue;
        }
        for (size_t i = 0; i < warming.size(); ++i) heat.shares.push_back({warming[i], share[i] / shares});
    }
    heat.first[count] = static_cast<uint32_t>(heat.shares.size());
    return heat;
}

}  // namespace vexil_host
