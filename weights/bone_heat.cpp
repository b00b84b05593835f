#include "weights/bone_heat.h"

#include <algorithm>
#include <cmath>

#include <Eigen/SparseCholesky>
#include <Eigen/SparseCore>

#include "weights/coarse_chains.h"
#include "weights/cotangent_laplacian.h"
#include "weights/enclosing_parts.h"
#include "weights/heat_sources.h"
#include "weights/outward_normals.h"
#include "weights/part_wraps.h"
#include "weights/point_tree.h"
#include "weights/rig_handles.h"
#include "weights/rig_shape.h"
#include "weights/rig_tree.h"
#include "weights/skin_places.h"
#include "weights/triangle_tree.h"
#include "weights/union_find.h"

namespace vexil_host {

namespace {

// Past this many places the skin is simplified before the solve, and the
// weights carried back to every point: one factorisation over the places
// must fit in memory and time.
constexpr size_t kMostSolvedPlaces = 50000;
// A part of the skin is solved when this share of its places sees a bone
// through the inside of the skin; a part that sees less (a button, a
// horn, a shirt over the body) is inpainted from where it touches the
// solved skin (InpaintLooseParts).
constexpr double kSeeingShare = 0.2;
// A bone's heat under this is dropped, and up to twice this it fades in
// from nothing, so that a bone's reach ends without a step; artists keep
// no fainter weights.
constexpr double kFaintest = 0.025;
// Bones whose heat is solved for together.
constexpr size_t kSolvedTogether = 16;
// A place of a part left unsolved touches the solved skin when it lies
// within this share of the part's size of the part's nearest approach.
constexpr double kTouchingShare = 0.1;
// A part is solid when at most this share of its edges are not shared by
// two of its triangles: a horn, a tusk or an eye, closed but perhaps for a
// small mouth where it meets the skin. A card or a cloak, mostly border,
// is a sheet.
constexpr double kMostBorderOfSolid = 0.1;

// The parts the Laplacian's edges join, numbered from 0.
std::vector<uint32_t> PartsOf(const Laplacian &laplacian, size_t count, uint32_t &parts) {
    UnionFind joined(count);
    for (const Laplacian::Edge &edge : laplacian.edges) joined.Join(edge.a, edge.b);
    return joined.Numbered(parts);
}

// A box around points.
struct Bounds {
    Point3 low = {INFINITY, INFINITY, INFINITY}, high = {-INFINITY, -INFINITY, -INFINITY};
    void Add(const Point3 &p) {
        for (int k = 0; k < 3; ++k) low[k] = std::min(low[k], p[k]), high[k] = std::max(high[k], p[k]);
    }
    Point3 Size() const { return {high[0] - low[0], high[1] - low[1], high[2] - low[2]}; }
    double Diagonal() const { return Distance(low, high); }
};

// The box around the places and the bones' ends.
Bounds BoundsOf(const Places &places, const std::vector<BoneSegment> &bones) {
    Bounds box;
    for (const Point3 &p : places.position) box.Add(p);
    for (const BoneSegment &bone : bones) box.Add(bone.joint), box.Add(bone.tip);
    return box;
}

// The heaviest few weights of each place, as the solves for one bone after
// another offer them.
struct Heaviest {
    explicit Heaviest(size_t places) : weights(places) {}
    void Offer(size_t place, uint32_t bone, double weight) {
        auto &top = weights[place];
        if (!(weight > top[3].second)) return;
        top[3] = {bone, weight};
        for (int i = 3; i > 0 && top[i].second > top[i - 1].second; --i) std::swap(top[i], top[i - 1]);
    }
    std::vector<std::array<std::pair<uint32_t, double>, 4>> weights;
};

Influences Faded(const std::array<std::pair<uint32_t, double>, 4> &top) {
    std::vector<BoneWeight> kept;
    for (const auto &entry : top) {
        double weight = entry.second < kFaintest ? 0
                        : entry.second < 2 * kFaintest ? 2 * (entry.second - kFaintest)
                                                      : entry.second;
        if (weight > 0) kept.push_back({entry.first, static_cast<float>(weight)});
    }
    return HeaviestFour(kept);
}

// The parts to solve, and the heat that warms them: parts with painted
// points, or of which enough places see a bone. When none does, nothing of
// the skin lies around the bones: sight is no longer asked, and every part
// is warmed by its nearest bones.
struct Warmth {
    HeatSources heat;
    std::vector<bool> solvedPart;
};

Warmth WarmParts(const Places &places, const Outside &outside, const TriangleTree &tree,
                 const std::vector<BoneSegment> &bones, const RigShape &shape, const PartBones &partBones,
                 const std::vector<uint32_t> &partOf, uint32_t parts, const std::vector<bool> &fixed,
                 const std::vector<bool> &hasEdge, double extent) {
    Warmth warmth;
    const size_t count = places.position.size();
    for (bool ignoreVisibility : {false, true}) {
        warmth.heat = Warm(places, outside, tree, bones, shape, partBones, partOf, fixed, extent, ignoreVisibility);
        std::vector<size_t> seeing(parts, 0), size(parts, 0);
        std::vector<bool> hasFixed(parts, false), joined(parts, false);
        for (size_t place = 0; place < count; ++place) {
            uint32_t part = partOf[place];
            ++size[part];
            seeing[part] += warmth.heat.strength[place] > 0;
            hasFixed[part] = hasFixed[part] || fixed[place];
            joined[part] = joined[part] || hasEdge[place];
        }
        warmth.solvedPart.assign(parts, false);
        bool anySolved = false;
        for (uint32_t part = 0; part < parts; ++part) {
            warmth.solvedPart[part] =
                joined[part] && (hasFixed[part] ||
                                 (seeing[part] > 0 && static_cast<double>(seeing[part]) >= kSeeingShare * size[part]));
            anySolved = anySolved || warmth.solvedPart[part];
        }
        if (anySolved) break;
    }
    return warmth;
}

// (L + A H) w_b = A H s_b over the free places of solved parts, with A the
// places' areas and s_b bone b's shares: the heat equation multiplied
// through by the areas, symmetric and positive definite. Painted places
// move to the right side with their known weights. False when the solve
// fails.
bool Solve(const Laplacian &laplacian, const Warmth &warmth, const std::vector<uint32_t> &partOf,
           const std::vector<bool> &fixed, const std::vector<Influences> &fixedWeights, size_t boneCount,
           const std::vector<bool> &hasEdge, std::vector<int64_t> &unknownOf, Heaviest &heaviest) {
    const size_t count = partOf.size();
    const HeatSources &heat = warmth.heat;
    std::vector<uint32_t> unknowns;
    unknownOf.assign(count, -1);
    for (size_t place = 0; place < count; ++place)
        if (!fixed[place] && warmth.solvedPart[partOf[place]] && hasEdge[place]) {
            unknownOf[place] = static_cast<int64_t>(unknowns.size());
            unknowns.push_back(static_cast<uint32_t>(place));
        }
    const Eigen::Index n = static_cast<Eigen::Index>(unknowns.size());
    if (n == 0) return true;
    std::vector<Eigen::Triplet<double>> entries;
    std::vector<double> diagonal(unknowns.size(), 0);
    // Per bone, the right side's entries: (unknown, value).
    std::vector<std::vector<std::pair<uint32_t, double>>> source(boneCount);
    for (size_t u = 0; u < unknowns.size(); ++u) {
        uint32_t place = unknowns[u];
        double warm = laplacian.area[place] * heat.strength[place];
        diagonal[u] += warm;
        for (uint32_t i = heat.first[place]; i < heat.first[place + 1]; ++i)
            source[heat.shares[i].first].push_back({static_cast<uint32_t>(u), warm * heat.shares[i].second});
    }
    for (const Laplacian::Edge &edge : laplacian.edges) {
        int64_t a = unknownOf[edge.a], b = unknownOf[edge.b];
        if (a >= 0) diagonal[static_cast<size_t>(a)] += edge.weight;
        if (b >= 0) diagonal[static_cast<size_t>(b)] += edge.weight;
        if (a >= 0 && b >= 0) {
            entries.emplace_back(a, b, -edge.weight);
            entries.emplace_back(b, a, -edge.weight);
        }
        for (auto [free, known] : {std::pair<int64_t, uint32_t>{a, edge.b}, std::pair<int64_t, uint32_t>{b, edge.a}})
            if (free >= 0 && fixed[known]) {
                const Influences &f = fixedWeights[known];
                for (int i = 0; i < 4 && f.weight[i] > 0; ++i)
                    source[f.bone[i]].push_back({static_cast<uint32_t>(free), edge.weight * f.weight[i]});
            }
    }
    for (size_t u = 0; u < unknowns.size(); ++u) entries.emplace_back(u, u, diagonal[u]);
    Eigen::SparseMatrix<double> matrix(n, n);
    matrix.setFromTriplets(entries.begin(), entries.end());
    entries.clear();
    entries.shrink_to_fit();
    Eigen::SimplicialLDLT<Eigen::SparseMatrix<double>> factor(matrix);
    if (factor.info() != Eigen::Success) return false;
    // Bones a block at a time: the factor is read once for the block.
    std::vector<uint32_t> warmed;
    for (uint32_t b = 0; b < boneCount; ++b)
        if (!source[b].empty()) warmed.push_back(b);
    Eigen::MatrixXd right, weight;
    for (size_t first = 0; first < warmed.size(); first += kSolvedTogether) {
        const Eigen::Index block = static_cast<Eigen::Index>(std::min(kSolvedTogether, warmed.size() - first));
        right.setZero(n, block);
        for (Eigen::Index column = 0; column < block; ++column)
            for (auto [u, value] : source[warmed[first + static_cast<size_t>(column)]])
                right(static_cast<Eigen::Index>(u), column) += value;
        weight = factor.solve(right);
        if (factor.info() != Eigen::Success || !weight.allFinite()) return false;
        for (Eigen::Index column = 0; column < block; ++column)
            for (Eigen::Index u = 0; u < n; ++u)
                if (weight(u, column) > kFaintest)
                    heaviest.Offer(unknowns[static_cast<size_t>(u)], warmed[first + static_cast<size_t>(column)],
                                   weight(u, column));
    }
    return true;
}

// The places of the parts left unsolved (a horn, a button, a shirt) that
// touch the solved skin, each holding the weights of the solved place
// nearest to it, beside the painted places.
struct Held {
    std::vector<bool> loosePart, held;
    std::vector<Influences> weights;
    std::vector<uint32_t> loosePlaces;
};

Held TouchingPlaces(const Places &places, const std::vector<uint32_t> &partOf, uint32_t parts,
                    const std::vector<bool> &solvedPart, const std::vector<bool> &fixed,
                    const std::vector<Influences> &fixedWeights, const std::vector<bool> &hasEdge,
                    const std::vector<uint32_t> &weighed, const std::vector<Influences> &placeWeights) {
    Held held{std::vector<bool>(parts, false), {}, {}, {}};
    for (size_t place = 0; place < partOf.size(); ++place)
        if (!solvedPart[partOf[place]] && !fixed[place] && hasEdge[place]) {
            held.loosePart[partOf[place]] = true;
            held.loosePlaces.push_back(static_cast<uint32_t>(place));
        }
    if (held.loosePlaces.empty()) return held;
    held.held = fixed;
    held.weights = fixedWeights;
    const PointTree nearestSolved(places.position, weighed);
    std::vector<uint32_t> nearest;
    std::vector<double> distance, least(parts, INFINITY);
    std::vector<Bounds> box(parts);
    for (uint32_t place : held.loosePlaces) {
        uint32_t part = partOf[place];
        const Point3 &p = places.position[place];
        uint32_t solved = nearestSolved.Nearest(p);
        nearest.push_back(solved);
        distance.push_back(Distance(p, places.position[solved]));
        least[part] = std::min(least[part], distance.back());
        box[part].Add(p);
    }
    for (size_t i = 0; i < held.loosePlaces.size(); ++i) {
        uint32_t place = held.loosePlaces[i], part = partOf[place];
        if (distance[i] <= least[part] + kTouchingShare * box[part].Diagonal())
            held.held[place] = true, held.weights[place] = placeWeights[nearest[i]];
    }
    return held;
}

// Which of the `asked` parts are solid: few of their edges lie on a border.
std::vector<bool> SolidParts(const Places &places, const std::vector<uint32_t> &partOf,
                             const std::vector<bool> &asked) {
    std::vector<std::pair<uint32_t, uint32_t>> edges;
    for (size_t t = 0; t + 2 < places.triangles.size(); t += 3) {
        if (!asked[partOf[places.triangles[t]]]) continue;
        for (size_t corner = 0; corner < 3; ++corner) {
            uint32_t a = places.triangles[t + corner], b = places.triangles[t + (corner + 1) % 3];
            edges.push_back({std::min(a, b), std::max(a, b)});
        }
    }
    std::sort(edges.begin(), edges.end());
    std::vector<size_t> edgeCount(asked.size(), 0), border(asked.size(), 0);
    for (size_t i = 0; i < edges.size();) {
        size_t uses = 1;
        while (i + uses < edges.size() && edges[i + uses] == edges[i]) ++uses;
        uint32_t part = partOf[edges[i].first];
        ++edgeCount[part];
        border[part] += uses != 2;
        i += uses;
    }
    std::vector<bool> solid(asked.size(), false);
    for (size_t part = 0; part < solid.size(); ++part)
        solid[part] = asked[part] && edgeCount[part] > 0 &&
                      static_cast<double>(border[part]) <= kMostBorderOfSolid * static_cast<double>(edgeCount[part]);
    return solid;
}

// The parts left unsolved, inpainted from the places where they touch the
// solved skin: with no heat, the solve gives each free place the harmonic
// blend of the held places' weights, as Abdrashitov et al. inpaint the
// weights they cannot trust from those they can ("Robust Skin Weights
// Transfer via Weight Inpainting", SIGGRAPH Asia 2023). A horn that curls
// back over the neck follows the head it grows from, where taking the
// skin nearest each of its places would hand its tip to the neck. A part
// that touches the skin all over, as a shirt does, is held everywhere and
// takes the skin beneath it. Adds the places weighed to `weighed`.
void InpaintLooseParts(const Places &places, const Laplacian &laplacian, const std::vector<uint32_t> &partOf,
                       uint32_t parts, const std::vector<bool> &solvedPart, const std::vector<bool> &fixed,
                       const std::vector<Influences> &fixedWeights, const std::vector<bool> &hasEdge,
                       size_t boneCount, std::vector<Influences> &placeWeights, std::vector<uint32_t> &weighed) {
    Held held = TouchingPlaces(places, partOf, parts, solvedPart, fixed, fixedWeights, hasEdge, weighed, placeWeights);
    if (held.loosePlaces.empty()) return;
    const size_t count = partOf.size();
    Warmth none;
    none.heat.strength.assign(count, 0);
    none.heat.first.assign(count + 1, 0);
    none.solvedPart = held.loosePart;
    Heaviest inpainted(count);
    std::vector<int64_t> unknownOf;
    if (!Solve(laplacian, none, partOf, held.held, held.weights, boneCount, hasEdge, unknownOf, inpainted)) return;
    for (uint32_t place : held.loosePlaces) {
        placeWeights[place] = held.held[place] ? held.weights[place] : Faded(inpainted.weights[place]);
        if (!placeWeights[place].Empty()) weighed.push_back(place);
    }
}

// A solid part of its own around no bone's middle (a horn, a tuft, an
// eye), weighed over its area by one bone at least twice as much as by all
// the others together, follows that bone alone: an artist keeps such a
// thing rigid, where the heat, or the blend of the skin it grows from,
// hands a horn growing by the neck a share of the neck and bends it. The
// largest part is the body itself; a sheet (a card of feathers, a cloak)
// bends; a part split between bones (an eye between the bones of its
// lids) and a painted part keep their weights.
void HoldSolidsWhole(const Places &places, const std::vector<double> &area, const std::vector<uint32_t> &partOf,
                     uint32_t parts, const std::vector<std::vector<uint32_t>> &partsAround,
                     const std::vector<bool> &fixed, std::vector<Influences> &placeWeights) {
    std::vector<size_t> size(parts, 0);
    std::vector<bool> asked(parts, true);
    for (size_t place = 0; place < partOf.size(); ++place) {
        ++size[partOf[place]];
        if (fixed[place]) asked[partOf[place]] = false;
    }
    asked[static_cast<size_t>(std::max_element(size.begin(), size.end()) - size.begin())] = false;
    for (const std::vector<uint32_t> &around : partsAround)
        for (uint32_t part : around) asked[part] = false;
    const std::vector<bool> solid = SolidParts(places, partOf, asked);
    // Per solid part, each bone's weight summed over its area.
    std::vector<std::vector<std::pair<uint32_t, double>>> weighing(parts);
    for (size_t place = 0; place < partOf.size(); ++place) {
        if (!solid[partOf[place]]) continue;
        auto &bones = weighing[partOf[place]];
        const Influences &weights = placeWeights[place];
        for (int i = 0; i < 4 && weights.weight[i] > 0; ++i) {
            auto found =
                std::find_if(bones.begin(), bones.end(), [&](const auto &b) { return b.first == weights.bone[i]; });
            if (found == bones.end())
                bones.push_back({weights.bone[i], area[place] * weights.weight[i]});
            else
                found->second += area[place] * weights.weight[i];
        }
    }
    std::vector<Influences> whole(parts);
    for (uint32_t part = 0; part < parts; ++part) {
        double total = 0;
        for (const auto &bone : weighing[part]) total += bone.second;
        for (const auto &bone : weighing[part])
            if (total > 0 && bone.second >= 2 * (total - bone.second))
                whole[part].bone[0] = bone.first, whole[part].weight[0] = 1;
    }
    for (size_t place = 0; place < partOf.size(); ++place)
        if (!whole[partOf[place]].Empty()) placeWeights[place] = whole[partOf[place]];
}

}  // namespace

HeatOutcome BoneHeat(const std::vector<std::array<float, 3>> &points, const std::vector<uint32_t> &triangles,
                     const std::vector<BoneSegment> &bones, const std::vector<int32_t> &parents,
                     const std::vector<Influences> &painted) {
    HeatOutcome outcome;
    if (points.empty() || bones.empty()) return outcome;
    Places places = SolvedPlaces(points, triangles, kMostSolvedPlaces);
    const size_t count = places.position.size();
    outcome.solvedPoints = count;

    // Painted points hold their weights; a place takes its first painted point's.
    std::vector<bool> fixed(count, false);
    std::vector<Influences> fixedWeights(count);
    if (!painted.empty())
        for (size_t i = 0; i < points.size(); ++i)
            if (!painted[i].Empty() && !fixed[places.placeOf[i]]) {
                fixed[places.placeOf[i]] = true;
                fixedWeights[places.placeOf[i]] = painted[i];
            }

    Laplacian laplacian = Cotangents(places);
    std::vector<bool> hasEdge(count, false);
    for (const Laplacian::Edge &edge : laplacian.edges) hasEdge[edge.a] = hasEdge[edge.b] = true;
    uint32_t parts = 0;
    std::vector<uint32_t> partOf = PartsOf(laplacian, count, parts);
    TriangleTree tree(places.position, places.triangles);
    const Outside outside = OutsideOf(places, tree);
    const Bounds box = BoundsOf(places, bones);
    const Point3 size = box.Size();
    EnclosingParts enclosing(places, partOf, parts, tree, box.Diagonal());
    const RigTree rig = TreeOf(bones.size(), parents);
    const std::vector<std::vector<uint32_t>> partsAround = PartsAroundBones(enclosing, bones);
    const std::vector<bool> inside = InsideTheSkin(partsAround);
    RigShape shape = ShapeOfRig(bones, rig, HandleBones(enclosing, bones, rig, inside), inside);
    PartBones partBones = WrappedBones(partsAround, parts, rig);
    const double extent = std::max({size[0], size[1], size[2], 1e-30});
    Warmth warmth = WarmParts(places, outside, tree, bones, shape, partBones, partOf, parts, fixed, hasEdge, extent);
    // Which places are a chain's is known once they are warmed.
    if (LoosenCoarseChains(places, warmth.heat, bones, shape))
        warmth = WarmParts(places, outside, tree, bones, shape, partBones, partOf, parts, fixed, hasEdge, extent);

    Heaviest heaviest(count);
    std::vector<int64_t> unknownOf;
    if (!Solve(laplacian, warmth, partOf, fixed, fixedWeights, bones.size(), hasEdge, unknownOf, heaviest))
        return outcome;

    // Each place's weights; places left out of the solve take those of the
    // nearest place that has some.
    std::vector<Influences> placeWeights(count);
    std::vector<uint32_t> weighed;
    for (size_t place = 0; place < count; ++place) {
        if (fixed[place])
            placeWeights[place] = fixedWeights[place];
        else if (unknownOf[place] >= 0)
            placeWeights[place] = Faded(heaviest.weights[place]);
        if (!placeWeights[place].Empty()) weighed.push_back(static_cast<uint32_t>(place));
    }
    if (!weighed.empty())
        InpaintLooseParts(places, laplacian, partOf, parts, warmth.solvedPart, fixed, fixedWeights, hasEdge,
                          bones.size(), placeWeights, weighed);
    if (weighed.empty()) {
        // Nothing to carry over from: each place takes the bones that warm it.
        const HeatSources &heat = warmth.heat;
        for (size_t place = 0; place < count; ++place) {
            std::vector<BoneWeight> own;
            for (uint32_t i = heat.first[place]; i < heat.first[place + 1]; ++i)
                own.push_back({heat.shares[i].first, static_cast<float>(heat.shares[i].second)});
            placeWeights[place] = HeaviestFour(own);
            if (!placeWeights[place].Empty()) weighed.push_back(static_cast<uint32_t>(place));
        }
    }
    // No place warmed at all: not solved, and the caller says so.
    if (weighed.empty()) return outcome;
    if (weighed.size() < count) {
        PointTree nearestWeighed(places.position, weighed);
        std::vector<bool> has(count, false);
        for (uint32_t place : weighed) has[place] = true;
        for (size_t place = 0; place < count; ++place)
            if (!has[place]) placeWeights[place] = placeWeights[nearestWeighed.Nearest(places.position[place])];
    }

    HoldSolidsWhole(places, laplacian.area, partOf, parts, partsAround, fixed, placeWeights);

    outcome.influences.resize(points.size());
    for (size_t i = 0; i < points.size(); ++i)
        outcome.influences[i] =
            !painted.empty() && !painted[i].Empty() ? painted[i] : placeWeights[places.placeOf[i]];
    outcome.solved = true;
    return outcome;
}

}  // namespace vexil_host
