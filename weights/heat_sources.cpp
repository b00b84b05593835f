#include "weights/heat_sources.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <utility>

#include "weights/side_by_side.h"

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
// At most this many bones share a place's heat, the nearest first: a point
// keeps four weights in the end, and a tuft of bones that all lie at one
// place must not make every place test its sight of each.
constexpr size_t kMostSharing = 4;
// How many of the nearest bones each place keeps in order as it measures
// them, so that the sight of the bones it shares may be tested without
// sorting all of them.
constexpr size_t kKeptNearest = 2 * kMostSharing;
// A segment to a bone that passes within this share of its length of its
// ends does not count as crossing the skin there.
constexpr double kSightMargin = 1e-4;
// A bone is seen past skin the segment to it leaves within this last
// share of its length.
constexpr double kLeavingShare = 0.25;

struct Segment {
    Point3 joint, along;
    double inverseLengthSquared;  // 0 for a segment of no length
};

// Where along `segment` the point nearest to `p` lies, from 0 to 1.
double Along(const Segment &segment, const Point3 &p) {
    double dot = 0;
    for (int k = 0; k < 3; ++k) dot += (p[k] - segment.joint[k]) * segment.along[k];
    return std::clamp(dot * segment.inverseLengthSquared, 0.0, 1.0);
}

Point3 NearestOn(const Segment &segment, const Point3 &p) {
    double t = Along(segment, p);
    Point3 at;
    for (int k = 0; k < 3; ++k) at[k] = segment.joint[k] + t * segment.along[k];
    return at;
}

// The distance from `p` to `segment`, lengthened where `normal` faces away
// from it: d / ((cos + 1.001) / 2), with cos the cosine between the normal
// and the way from the segment to `p`. A bone behind the skin, as its
// normal tells, counts as farther: the skin of a hand lying against the
// hip faces away from the hand's bones.
double FacingDistance(const Segment &segment, const Point3 &p, const Point3 &normal, Point3 &at) {
    at = NearestOn(segment, p);
    double squared = 0, facing = 0;
    for (int k = 0; k < 3; ++k) {
        squared += (p[k] - at[k]) * (p[k] - at[k]);
        facing += (p[k] - at[k]) * normal[k];
    }
    double d = std::sqrt(squared);
    double cosine = d > 0 ? facing / d : 1;
    return d / (0.5 * (cosine + 1.001));
}

Segment Prepare(const BoneSegment &bone) {
    Segment segment;
    double lengthSquared = 0;
    for (int k = 0; k < 3; ++k) {
        segment.joint[k] = bone.joint[k];
        segment.along[k] = bone.tip[k] - bone.joint[k];
        lengthSquared += segment.along[k] * segment.along[k];
    }
    segment.inverseLengthSquared = lengthSquared > 0 ? 1 / lengthSquared : 0;
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

// The segments one array per coordinate in floats, so that the compiler
// measures four at once: every place measures every segment roughly, to
// find the few nearest bones, which are then measured exactly. Positions
// are taken from `origin` in units of `extent`, the size of skin and bones,
// so that a model of any size keeps its distances within what a float
// holds, squared.
struct SegmentArrays {
    SegmentArrays(const std::vector<Segment> &segments, const Point3 &origin, double extent)
        : origin(origin), unit(1 / extent) {
        for (const Segment &segment : segments) {
            double lengthSquared = 0;
            for (int k = 0; k < 3; ++k) {
                joint[k].push_back(static_cast<float>((segment.joint[k] - origin[k]) * unit));
                along[k].push_back(static_cast<float>(segment.along[k] * unit));
                lengthSquared += static_cast<double>(along[k].back()) * along[k].back();
            }
            inverseLengthSquared.push_back(lengthSquared > 0 ? static_cast<float>(1 / lengthSquared) : 0);
        }
    }

    // Each segment's facing distance to `p`, roughly, into `distance`
    // (one per segment).
    void Measure(const Point3 &point, const Point3 &facingWay, std::vector<float> &distance) const {
        float p[3];
        for (int k = 0; k < 3; ++k) p[k] = static_cast<float>((point[k] - origin[k]) * unit);
        const float normal[3] = {static_cast<float>(facingWay[0]), static_cast<float>(facingWay[1]),
                                 static_cast<float>(facingWay[2])};
        const size_t count = inverseLengthSquared.size();
        for (size_t i = 0; i < count; ++i) {
            float wx = p[0] - joint[0][i], wy = p[1] - joint[1][i], wz = p[2] - joint[2][i];
            float t = (wx * along[0][i] + wy * along[1][i] + wz * along[2][i]) * inverseLengthSquared[i];
            t = t < 0 ? 0 : t;
            t = t > 1 ? 1 : t;
            float dx = wx - t * along[0][i], dy = wy - t * along[1][i], dz = wz - t * along[2][i];
            float squared = dx * dx + dy * dy + dz * dz;
            float facing = dx * normal[0] + dy * normal[1] + dz * normal[2];
            // d / ((cos + 1.001) / 2), with cos = facing / d; at d = 0, 0.
            float below = facing + 1.001f * std::sqrt(squared);
            distance[i] = 2 * squared / std::max(below, FLT_MIN);
        }
    }

    Point3 origin;
    double unit;
    std::vector<float> joint[3], along[3], inverseLengthSquared;
};

// Whether `p`, a place, sees `q`, a bone's point: the segment between them
// crosses no skin, or leaves the skin only in its last quarter, through
// triangles that face `q`. A bone lying a little outside the skin it bends
// (a jaw's bone in the gap of the mouth, a tail's bone at the root of a
// thin fluke) is seen from that skin; a bone beyond another fold of skin,
// or across a gap from it (a prop in the hand, an ear's bone beside the
// neck), is not.
bool Sees(const Places &places, const Outside &outside, const TriangleTree &tree, const Point3 &p, const Point3 &q) {
    const Point3 way = Minus(q, p);
    bool seen = true;
    tree.ForEachCrossing(p, q, kSightMargin, [&](uint32_t t, double along) {
        if (along < 1 - kLeavingShare) return seen = false;
        const Point3 &a = places.position[places.triangles[3 * t]], &b = places.position[places.triangles[3 * t + 1]],
                     &c = places.position[places.triangles[3 * t + 2]];
        // Leaving the skin: the triangle's outside faces the bone.
        return seen = outside.facing[t] * Dot(Cross(Minus(b, a), Minus(c, a)), way) > 0;
    });
    return seen;
}

// Places are warmed side by side, in pieces of at least this many.
constexpr size_t kLeastPlacesPerPiece = 8192;

// What every place is warmed from: the bones' segments, as Warm's
// arguments give them.
struct WarmedFrom {
    const Places &places;
    const Outside &outside;
    const TriangleTree &tree;
    const RigShape &shape;
    const PartBones &partBones;
    const std::vector<uint32_t> &partOf;
    const std::vector<bool> &fixed;
    bool ignoreVisibility;
    size_t boneCount;
    std::vector<Segment> segments;
    std::vector<uint32_t> firstSegment;  // each bone's segments in a row, its own first
    SegmentArrays arrays;
    double closest;  // a place nearer a bone than this counts as this near
};

// The heat sources of places `begin` up to `end`: `piece.strength` and
// `piece.first` are numbered from `begin`, and `piece.first` counts into
// `piece.shares`.
void WarmPlaces(const WarmedFrom &from, size_t begin, size_t end, HeatSources &piece) {
    const size_t bones = from.boneCount;
    piece.strength.assign(end - begin, 0);
    piece.first.assign(end - begin + 1, 0);
    std::vector<float> roughToSegment(from.segments.size());
    std::vector<float> rough(bones);
    std::vector<double> distance(bones);
    std::vector<Point3> nearest(bones);
    std::array<uint32_t, kKeptNearest> nearestFew;
    std::vector<uint32_t> warming, all;
    std::vector<double> share;
    const std::vector<Segment> &segments = from.segments;
    const std::vector<uint32_t> &firstSegment = from.firstSegment;
    for (size_t place = begin; place < end; ++place) {
        piece.first[place - begin] = static_cast<uint32_t>(piece.shares.size());
        if (from.fixed[place]) continue;
        const Point3 &p = from.places.position[place];
        const Point3 &normal = from.outside.normal[place];
        const std::vector<bool> &allowed = from.partBones.allowed[from.partOf[place]];
        auto mayFollow = [&](uint32_t b) { return !from.shape.handle[b] && (allowed.empty() || allowed[b]); };
        auto measure = [&](uint32_t b) {
            distance[b] = INFINITY;
            for (uint32_t i = firstSegment[b]; i < firstSegment[b + 1]; ++i) {
                Point3 at;
                double d = FacingDistance(segments[i], p, normal, at);
                if (d < distance[b]) distance[b] = d, nearest[b] = at;
            }
        };
        auto nearer = [&](uint32_t a, uint32_t b) { return distance[a] != distance[b] ? distance[a] < distance[b] : a < b; };
        auto roughlyNearer = [&](uint32_t a, uint32_t b) { return rough[a] != rough[b] ? rough[a] < rough[b] : a < b; };
        // The nearest few bones, roughly, kept in order as they are measured.
        from.arrays.Measure(p, normal, roughToSegment);
        size_t kept = 0;
        for (uint32_t b = 0; b < bones; ++b) {
            if (!mayFollow(b)) continue;
            rough[b] = INFINITY;
            for (uint32_t i = firstSegment[b]; i < firstSegment[b + 1]; ++i) rough[b] = std::min(rough[b], roughToSegment[i]);
            if (!(rough[b] < INFINITY) || (kept == kKeptNearest && !roughlyNearer(b, nearestFew[kept - 1]))) continue;
            size_t at = std::min(kept, kKeptNearest - 1);
            for (; at > 0 && roughlyNearer(b, nearestFew[at - 1]); --at) nearestFew[at] = nearestFew[at - 1];
            nearestFew[at] = b;
            kept = std::min(kept + 1, kKeptNearest);
        }
        if (kept == 0) continue;
        for (size_t i = 0; i < kept; ++i) measure(nearestFew[i]);
        std::sort(nearestFew.begin(), nearestFew.begin() + kept, nearer);
        double least = distance[nearestFew[0]];
        // The bones near the nearest share its heat, the nearer the more.
        warming.clear();
        share.clear();
        double shares = 0;
        auto warms = [&](uint32_t b) {
            double near = least > 0 ? 1 - (distance[b] - least) / (kTie * least) : distance[b] == 0 ? 1 : 0;
            if (!(near > 0) || warming.size() == kMostSharing) return false;
            if (from.ignoreVisibility || Sees(from.places, from.outside, from.tree, p, nearest[b])) {
                warming.push_back(b);
                share.push_back(near);
                shares += near;
            }
            return true;
        };
        bool more = true;
        for (size_t i = 0; i < kept && more; ++i) more = warms(nearestFew[i]);
        if (more && kept == kKeptNearest) {
            // More bones may be near than were kept, and too few of those
            // kept are seen: every bone, exactly, in order.
            all.clear();
            for (uint32_t b = 0; b < bones; ++b)
                if (mayFollow(b)) measure(b), all.push_back(b);
            std::sort(all.begin(), all.end(), nearer);
            least = distance[all[0]];
            warming.clear();
            share.clear();
            shares = 0;
            more = true;
            for (size_t i = 0; i < all.size() && more; ++i) more = warms(all[i]);
        }
        if (warming.empty()) continue;
        double d = std::max(least, from.closest);
        double &strength = piece.strength[place - begin];
        strength = kHeat * shares / (d * d);
        // A place of a chain takes the chain's blend, where no bone but the
        // nearest's neighbours in the chain is near. The first bone's first
        // half is left out: there the chain hangs from a bone outside it (a
        // tail from the pelvis, a neck from the chest, a trunk from the
        // head), and the skin blends into that as at any joint.
        size_t first = static_cast<size_t>(std::max_element(share.begin(), share.end()) - share.begin());
        const RigShape::Link &link = from.shape.chain[warming[first]];
        const double along = Along(segments[firstSegment[warming[first]]], p);
        bool alongChain = link.inChain && !(link.before == UINT32_MAX && along < 0.5);
        for (uint32_t b : warming) alongChain = alongChain && (b == warming[first] || b == link.before || b == link.after);
        if (alongChain) {
            strength = kHeat * kChainHeat / (d * d);
            ChainShares(link, warming[first], along, piece.shares);
            continue;
        }
        for (size_t i = 0; i < warming.size(); ++i) piece.shares.push_back({warming[i], share[i] / shares});
    }
    piece.first[end - begin] = static_cast<uint32_t>(piece.shares.size());
}

std::vector<Segment> SegmentsOf(const RigShape &shape, size_t boneCount, std::vector<uint32_t> &firstSegment) {
    std::vector<Segment> segments;
    for (size_t b = 0; b < boneCount; ++b) {
        firstSegment.push_back(static_cast<uint32_t>(segments.size()));
        for (const BoneSegment &reach : shape.reach[b]) segments.push_back(Prepare(reach));
    }
    firstSegment.push_back(static_cast<uint32_t>(segments.size()));
    return segments;
}

}  // namespace

HeatSources Warm(const Places &places, const Outside &outside, const TriangleTree &tree,
                 const std::vector<BoneSegment> &bones, const RigShape &shape, const PartBones &partBones,
                 const std::vector<uint32_t> &partOf, const std::vector<bool> &fixed, double extent,
                 bool ignoreVisibility, size_t pieces) {
    std::vector<uint32_t> firstSegment;
    std::vector<Segment> segments = SegmentsOf(shape, bones.size(), firstSegment);
    const Point3 origin = segments.empty() ? Point3{0, 0, 0} : segments[0].joint;
    SegmentArrays arrays(segments, origin, extent);
    const WarmedFrom from{places, outside, tree, shape, partBones, partOf, fixed, ignoreVisibility, bones.size(),
                          std::move(segments), std::move(firstSegment), std::move(arrays), 5e-5 * extent};
    // Each place's sources are its own, so the pieces give the same heat
    // however many there are.
    const size_t count = places.position.size();
    const size_t pieceCount = pieces > 0 ? pieces : PiecesFor(count, kLeastPlacesPerPiece);
    std::vector<HeatSources> warmed(pieceCount);
    RunSideBySide(pieceCount, [&](size_t piece) {
        WarmPlaces(from, count * piece / pieceCount, count * (piece + 1) / pieceCount, warmed[piece]);
    });
    if (pieceCount == 1) return std::move(warmed[0]);
    HeatSources heat;
    heat.strength.reserve(count);
    heat.first.reserve(count + 1);
    size_t shareCount = 0;
    for (const HeatSources &piece : warmed) shareCount += piece.shares.size();
    heat.shares.reserve(shareCount);
    for (const HeatSources &piece : warmed) {
        const uint32_t offset = static_cast<uint32_t>(heat.shares.size());
        heat.strength.insert(heat.strength.end(), piece.strength.begin(), piece.strength.end());
        for (size_t i = 0; i + 1 < piece.first.size(); ++i) heat.first.push_back(offset + piece.first[i]);
        heat.shares.insert(heat.shares.end(), piece.shares.begin(), piece.shares.end());
    }
    heat.first.push_back(static_cast<uint32_t>(heat.shares.size()));
    return heat;
}

}  // namespace vexil_host
