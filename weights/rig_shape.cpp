#include "weights/rig_shape.h"

#include <algorithm>
#include <cmath>

namespace vexil_host {

namespace {

constexpr size_t kLeastChainBones = 4;
// A run this long is a chain even where a twin mirrors it: legs and arms
// have fewer bones.
constexpr size_t kChainBonesWhateverTwins = 6;
constexpr double kMostChainLengthRatio = 2;
// A hub's spokes reach this share of the way to its children's joints,
constexpr double kSpokeShare = 0.75;
// and this share to a child that bends a region of the body around it.
constexpr double kRegionSpokeShare = 0.5;
// A spoke is at most this many times as long as its hub: a stub of a bone
// set in a long body (a fish's root between its head and its tail) carries
// only the body near it, and where the bones stand apart each takes the
// skin nearest it, as artists leave it.
constexpr double kMostSpokeInHubLengths = 2;
// Finding which children hang at a hub compares each child's joint with
// every bone; past this many comparisons the rig is no character and gets
// no spokes.
constexpr double kMostHubComparisons = 5e7;

using Vec = std::array<double, 3>;

Vec Along(const BoneSegment &bone) {
    return {bone.tip[0] - bone.joint[0], bone.tip[1] - bone.joint[1], bone.tip[2] - bone.joint[2]};
}

double Length(const Vec &v) { return std::hypot(v[0], v[1], v[2]); }

// The point of `bone` nearest to `p`.
Vec Nearest(const BoneSegment &bone, const Vec &p) {
    Vec along = Along(bone);
    double lengthSquared = along[0] * along[0] + along[1] * along[1] + along[2] * along[2];
    double t = 0;
    if (lengthSquared > 0)
        t = std::clamp(((p[0] - bone.joint[0]) * along[0] + (p[1] - bone.joint[1]) * along[1] +
                        (p[2] - bone.joint[2]) * along[2]) / lengthSquared,
                       0.0, 1.0);
    return {bone.joint[0] + t * along[0], bone.joint[1] + t * along[1], bone.joint[2] + t * along[2]};
}

double Distance(const Vec &a, const Vec &b) { return std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]); }

double AngleBetween(const BoneSegment &a, const BoneSegment &b) {
    Vec u = Along(a), v = Along(b);
    double lu = Length(u), lv = Length(v);
    if (!(lu > 0 && lv > 0)) return 0;
    double cosine = (u[0] * v[0] + u[1] * v[1] + u[2] * v[2]) / (lu * lv);
    return std::acos(std::clamp(cosine, -1.0, 1.0));
}

bool AlikeLength(const std::vector<BoneSegment> &bones, uint32_t a, uint32_t b) {
    double la = Length(Along(bones[a])), lb = Length(Along(bones[b]));
    return std::fabs(la - lb) <= 0.05 * std::max(la, lb);
}

// Bones by the length of the bone they hang from, to find a run's twins
// among the bones that hang from a bone of its parent's length.
using ByParentLength = std::vector<std::pair<double, uint32_t>>;

ByParentLength SortByParentLength(const std::vector<BoneSegment> &bones, const RigTree &tree) {
    ByParentLength sorted;
    for (uint32_t b = 0; b < bones.size(); ++b)
        if (tree.parent[b] >= 0) sorted.push_back({Length(Along(bones[static_cast<size_t>(tree.parent[b])])), b});
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}

// Whether another run of the rig mirrors the one starting `first`, `second`:
// a leg beside a leg. Past this many candidates the rig is a crowd, and a
// twin is taken as found.
constexpr size_t kMostTwinCandidates = 256;

bool HasTwin(const std::vector<BoneSegment> &bones, const RigTree &tree, const ByParentLength &byParentLength,
             uint32_t first, uint32_t second) {
    int32_t parent = tree.parent[first];
    if (parent < 0) return false;
    const double bend = AngleBetween(bones[first], bones[second]);
    const double parentLength = Length(Along(bones[static_cast<size_t>(parent)]));
    auto from = std::lower_bound(byParentLength.begin(), byParentLength.end(),
                                 std::pair<double, uint32_t>{0.95 * parentLength, 0});
    size_t looked = 0;
    for (auto at = from; at != byParentLength.end() && at->first <= parentLength / 0.95; ++at) {
        uint32_t other = at->second;
        int32_t otherParent = tree.parent[other];
        if (other == first) continue;
        if (otherParent != parent &&
            !AlikeLength(bones, static_cast<uint32_t>(parent), static_cast<uint32_t>(otherParent)))
            continue;
        if (++looked > kMostTwinCandidates) return true;
        if (!AlikeLength(bones, first, other)) continue;
        for (uint32_t next : tree.children[other])
            if (AlikeLength(bones, second, next) &&
                std::fabs(AngleBetween(bones[other], bones[next]) - bend) < 10 * 3.14159265358979323846 / 180)
                return true;
    }
    return false;
}

void MarkChains(const std::vector<BoneSegment> &bones, const RigTree &tree, RigShape &shape) {
    const size_t count = bones.size();
    const ByParentLength byParentLength = SortByParentLength(bones, tree);
    for (uint32_t b = 0; b < count; ++b) {
        int32_t parent = tree.parent[b];
        // A run starts where its parent does not carry on into it alone.
        if (parent >= 0 && tree.children[static_cast<size_t>(parent)].size() == 1) continue;
        std::vector<uint32_t> run = {b};
        while (tree.children[run.back()].size() == 1 && run.size() <= count) run.push_back(tree.children[run.back()][0]);
        // Pieces whose lengths stay within the ratio, each as long as it goes.
        for (size_t first = 0; first < run.size();) {
            double shortest = Length(Along(bones[run[first]])), longest = shortest;
            size_t end = first + 1;
            for (; end < run.size(); ++end) {
                double length = Length(Along(bones[run[end]]));
                double low = std::min(shortest, length), high = std::max(longest, length);
                if (!(high <= kMostChainLengthRatio * low)) break;
                shortest = low, longest = high;
            }
            size_t size = end - first;
            if (size >= kLeastChainBones &&
                (size >= kChainBonesWhateverTwins || !HasTwin(bones, tree, byParentLength, run[first], run[first + 1])))
                for (size_t i = first; i < end; ++i) {
                    RigShape::Link &link = shape.chain[run[i]];
                    link.inChain = true;
                    link.before = i > first ? run[i - 1] : UINT32_MAX;
                    link.after = i + 1 < end ? run[i + 1] : UINT32_MAX;
                }
            first = end;
        }
    }
}

// Whether `child` of `hub` bends a region of the body (a belly, a fin)
// rather than a limb that starts at its joint: it has no children, lies
// inside the skin, and the body goes on from the hub through another
// child. A head's ears and jaw, where the body ends, and props hanging
// outside the skin (a sheath, a shield) are not.
bool BendsARegion(const RigTree &tree, const std::vector<bool> &inside, uint32_t hub, uint32_t child) {
    if (!tree.children[child].empty() || !inside[child]) return false;
    for (uint32_t sibling : tree.children[hub])
        if (!tree.children[sibling].empty()) return true;
    return false;
}

void AddSpokes(const std::vector<BoneSegment> &bones, const RigTree &tree, const std::vector<bool> &inside,
               RigShape &shape) {
    double comparisons = 0;
    for (const auto &children : tree.children)
        if (children.size() >= 2) comparisons += static_cast<double>(children.size()) * static_cast<double>(bones.size());
    if (comparisons > kMostHubComparisons) return;
    std::vector<bool> mine(bones.size(), false);
    std::vector<uint32_t> below;
    for (uint32_t hub = 0; hub < bones.size(); ++hub) {
        const auto &children = tree.children[hub];
        if (children.size() < 2) continue;
        for (uint32_t child : children) mine[child] = true;
        for (uint32_t child : children) {
            const Vec &joint = bones[child].joint;
            Vec from = Nearest(bones[hub], joint);
            double reach = Distance(from, joint);
            if (!(reach > 0)) continue;
            // The child hangs at the hub when no bone but the hub's own
            // family lies nearer its joint.
            below.assign(1, child);
            for (size_t i = 0; i < below.size(); ++i)
                for (uint32_t next : tree.children[below[i]]) mine[next] = true, below.push_back(next);
            bool hangsHere = true;
            for (uint32_t other = 0; other < bones.size() && hangsHere; ++other)
                if (other != hub && !mine[other] && Distance(Nearest(bones[other], joint), joint) < reach) hangsHere = false;
            for (size_t i = 1; i < below.size(); ++i) mine[below[i]] = false;
            if (!hangsHere) continue;
            const double share = BendsARegion(tree, inside, hub, child) ? kRegionSpokeShare : kSpokeShare;
            const double length = std::min(share * reach, kMostSpokeInHubLengths * Length(Along(bones[hub])));
            if (!(length > 0)) continue;
            BoneSegment spoke;
            spoke.joint = from;
            for (int k = 0; k < 3; ++k) spoke.tip[k] = from[k] + length / reach * (joint[k] - from[k]);
            shape.reach[hub].push_back(spoke);
        }
        for (uint32_t child : children) mine[child] = false;
    }
}

}  // namespace

RigShape ShapeOfRig(const std::vector<BoneSegment> &bones, RigTree tree, const std::vector<bool> &handles,
                    const std::vector<bool> &inside) {
    RigShape shape;
    shape.reach.resize(bones.size());
    for (size_t b = 0; b < bones.size(); ++b) shape.reach[b].push_back(bones[b]);
    shape.chain.resize(bones.size());
    shape.handle = handles;
    for (uint32_t b = 0; b < bones.size(); ++b)
        if (handles[b]) {
            for (uint32_t child : tree.children[b]) tree.parent[child] = -1;
            tree.children[b].clear();
        }
    MarkChains(bones, tree, shape);
    AddSpokes(bones, tree, inside, shape);
    return shape;
}

}  // namespace vexil_host
