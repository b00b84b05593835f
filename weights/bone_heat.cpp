#include "weights/bone_heat.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numeric>

#include <Eigen/SparseCholesky>
#include <Eigen/SparseCore>

#include "weights/grid_groups.h"
#include "weights/point_tree.h"
#include "weights/triangle_tree.h"

namespace vexil_host {

namespace {

// Past this many places the skin is simplified before the solve, and the
// weights carried back to every point: one factorisation over the places
// must fit in memory and time.
constexpr size_t kMostSolvedPlaces = 100000;
// A part of the skin is solved when this share of its places sees a bone
// through the inside of the skin; a part that sees less (a button, a
// shirt over the body) takes the weights of the skin nearest to it.
constexpr double kSeeingShare = 0.2;
// The heat a bone gives the places it is nearest to, c in H = c / d². The
// paper takes 1; with this Laplacian, weights closest to what artists
// paint on assimp's rigged characters came at 30, where a joint's blend
// spans about the limb's thickness.
constexpr double kHeat = 30;
// Bones this much farther than the nearest count as equally near.
constexpr double kTie = 1e-4;
// Edge weights of the cotangent Laplacian are kept within these bounds:
// above 0, so the matrix keeps every part's places joined and its solution
// stays within 0 and 1; bounded, so thin triangles do not swamp the rest.
constexpr double kLeastEdgeWeight = 1e-3, kMostEdgeWeight = 1e3;
// Weights below this share of a point's total are dropped.
constexpr double kLeastShare = 0.01;

uint32_t Bits(double value) {
    float narrow = static_cast<float>(value);
    if (narrow == 0) narrow = 0;  // -0 and 0 are one place
    uint32_t bits;
    std::memcpy(&bits, &narrow, sizeof bits);
    return bits;
}

struct UnionFind {
    explicit UnionFind(size_t count) : parent(count) { std::iota(parent.begin(), parent.end(), 0u); }
    uint32_t Find(uint32_t a) {
        while (parent[a] != a) a = parent[a] = parent[parent[a]];
        return a;
    }
    void Join(uint32_t a, uint32_t b) {
        a = Find(a), b = Find(b);
        if (a != b) parent[std::max(a, b)] = std::min(a, b);
    }
    std::vector<uint32_t> parent;
};

// The skin as the solve sees it: places (points welded, perhaps merged
// further), the triangles between them, and the place of each point.
struct Places {
    std::vector<Point3> position;
    std::vector<uint32_t> triangles;
    std::vector<uint32_t> placeOf;  // per point
};

// Merges the points of each group, a place at their mean, and keeps the
// triangles whose corners fall on three places.
Places Merge(const std::vector<Point3> &points, const std::vector<uint32_t> &triangles,
             const std::vector<uint32_t> &groupOf, uint32_t groups) {
    Places places;
    places.placeOf = groupOf;
    places.position.assign(groups, {0, 0, 0});
    std::vector<uint32_t> members(groups, 0);
    for (size_t i = 0; i < points.size(); ++i) {
        for (int k = 0; k < 3; ++k) places.position[groupOf[i]][k] += points[i][k];
        ++members[groupOf[i]];
    }
    for (uint32_t g = 0; g < groups; ++g)
        for (int k = 0; k < 3; ++k) places.position[g][k] /= members[g];
    for (size_t t = 0; t + 2 < triangles.size(); t += 3) {
        uint32_t a = groupOf[triangles[t]], b = groupOf[triangles[t + 1]], c = groupOf[triangles[t + 2]];
        if (a == b || b == c || a == c) continue;
        places.triangles.insert(places.triangles.end(), {a, b, c});
    }
    return places;
}

// Points at one place become one: the modeller keeps a point per place,
// but other formats split them along seams. Past kMostSolvedPlaces, places
// within one cube of a grid merge too, the cube grown until few enough
// remain; only places of one connected part merge, so that parts lying
// close keep apart.
Places SolvedPlaces(const std::vector<std::array<float, 3>> &points, const std::vector<uint32_t> &triangles) {
    std::vector<Point3> exact(points.size());
    std::vector<GroupKey> keys(points.size());
    for (size_t i = 0; i < points.size(); ++i) {
        exact[i] = {points[i][0], points[i][1], points[i][2]};
        keys[i] = {Bits(points[i][0]), Bits(points[i][1]), Bits(points[i][2]), 0};
    }
    uint32_t groups = 0;
    std::vector<uint32_t> groupOf = GroupKeys(keys, groups);
    Places welded = Merge(exact, triangles, groupOf, groups);
    if (groups <= kMostSolvedPlaces) return welded;

    UnionFind parts(groups);
    for (size_t t = 0; t < welded.triangles.size(); t += 3) {
        parts.Join(welded.triangles[t], welded.triangles[t + 1]);
        parts.Join(welded.triangles[t], welded.triangles[t + 2]);
    }
    std::vector<uint32_t> partOf(groups);
    for (uint32_t g = 0; g < groups; ++g) partOf[g] = parts.Find(g);
    uint32_t cellCount = 0;
    std::vector<uint32_t> cellOf = GridGroups(welded.position, partOf, kMostSolvedPlaces, cellCount);
    Places merged = Merge(welded.position, welded.triangles, cellOf, cellCount);
    for (uint32_t &place : welded.placeOf) place = cellOf[place];
    merged.placeOf = std::move(welded.placeOf);
    return merged;
}

// The cotangent Laplacian's edges, each weight (cot α + cot β) / 2 of the
// angles facing the edge, and each place's share of its triangles' area.
struct Laplacian {
    struct Edge {
        uint32_t a, b;  // a < b
        double weight;
    };
    std::vector<Edge> edges;
    std::vector<double> area;
};

Laplacian Cotangents(const Places &places) {
    Laplacian laplacian;
    laplacian.area.assign(places.position.size(), 0);
    std::vector<Laplacian::Edge> halves;
    halves.reserve(places.triangles.size());
    double areaSum = 0;
    size_t areaCount = 0;
    for (size_t t = 0; t < places.triangles.size(); t += 3) {
        const uint32_t corner[3] = {places.triangles[t], places.triangles[t + 1], places.triangles[t + 2]};
        double twiceArea = 0;
        {
            const Point3 &a = places.position[corner[0]], &b = places.position[corner[1]],
                         &c = places.position[corner[2]];
            Point3 u = {b[0] - a[0], b[1] - a[1], b[2] - a[2]}, v = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
            twiceArea = std::hypot(u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]);
        }
        for (int i = 0; i < 3; ++i) {
            // The angle at corner i faces the edge between the other two.
            uint32_t at = corner[i], from = corner[(i + 1) % 3], to = corner[(i + 2) % 3];
            const Point3 &o = places.position[at], &p = places.position[from], &q = places.position[to];
            Point3 u = {p[0] - o[0], p[1] - o[1], p[2] - o[2]}, v = {q[0] - o[0], q[1] - o[1], q[2] - o[2]};
            double dot = u[0] * v[0] + u[1] * v[1] + u[2] * v[2];
            // A triangle of no area still joins its corners, at the least weight.
            double cotangent = twiceArea > 0 && std::isfinite(dot / twiceArea) ? dot / twiceArea : 0;
            halves.push_back({std::min(from, to), std::max(from, to), cotangent / 2});
        }
        if (twiceArea > 0 && std::isfinite(twiceArea)) {
            for (uint32_t c : corner) laplacian.area[c] += twiceArea / 6;
            areaSum += twiceArea / 2;
            ++areaCount;
        }
    }
    std::sort(halves.begin(), halves.end(), [](const Laplacian::Edge &x, const Laplacian::Edge &y) {
        return x.a != y.a ? x.a < y.a : x.b < y.b;
    });
    for (size_t i = 0; i < halves.size();) {
        Laplacian::Edge edge = halves[i++];
        while (i < halves.size() && halves[i].a == edge.a && halves[i].b == edge.b) edge.weight += halves[i++].weight;
        edge.weight = std::min(kMostEdgeWeight, std::max(kLeastEdgeWeight, edge.weight));
        laplacian.edges.push_back(edge);
    }
    // Every place holds some heat, even one whose triangles have no area.
    double least = areaCount > 0 ? 1e-6 * areaSum / static_cast<double>(areaCount) : 1;
    if (!(least > 0) || !std::isfinite(least)) least = 1;
    for (double &area : laplacian.area) area = std::max(area, least);
    return laplacian;
}

double SegmentDistanceSquared(const BoneSegment &bone, const Point3 &p, Point3 &nearest) {
    Point3 along, w;
    double lengthSquared = 0, dot = 0;
    for (int k = 0; k < 3; ++k) {
        along[k] = bone.tip[k] - bone.joint[k];
        w[k] = p[k] - bone.joint[k];
        lengthSquared += along[k] * along[k];
        dot += w[k] * along[k];
    }
    double t = lengthSquared > 0 ? std::min(1.0, std::max(0.0, dot / lengthSquared)) : 0;
    double distance = 0;
    for (int k = 0; k < 3; ++k) {
        nearest[k] = bone.joint[k] + t * along[k];
        distance += (p[k] - nearest[k]) * (p[k] - nearest[k]);
    }
    return distance;
}

// Each place's normal, pointing out of its part: the triangles' normals
// added up, each part turned so that it encloses a positive volume, since
// formats disagree on which way round a front face's corners go.
std::vector<Point3> OutwardNormals(const Places &places, UnionFind &parts) {
    std::vector<Point3> normal(places.position.size(), {0, 0, 0});
    std::vector<double> volume(places.position.size(), 0);
    for (size_t t = 0; t < places.triangles.size(); t += 3) {
        const Point3 &a = places.position[places.triangles[t]], &b = places.position[places.triangles[t + 1]],
                     &c = places.position[places.triangles[t + 2]];
        Point3 u = {b[0] - a[0], b[1] - a[1], b[2] - a[2]}, v = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
        Point3 n = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
        for (int corner = 0; corner < 3; ++corner)
            for (int k = 0; k < 3; ++k) normal[places.triangles[t + static_cast<size_t>(corner)]][k] += n[k];
        volume[parts.Find(places.triangles[t])] += a[0] * (b[1] * c[2] - b[2] * c[1]) +
                                                   a[1] * (b[2] * c[0] - b[0] * c[2]) +
                                                   a[2] * (b[0] * c[1] - b[1] * c[0]);
    }
    for (size_t place = 0; place < normal.size(); ++place) {
        double length = std::hypot(normal[place][0], normal[place][1], normal[place][2]);
        if (volume[parts.Find(static_cast<uint32_t>(place))] < 0) length = -length;
        for (double &c : normal[place]) c = length != 0 ? c / length : 0;
    }
    return normal;
}

// What warms each place: its nearest bones that it sees through the inside
// of the skin (the segment to the bone crosses no triangle), sharing the
// heat where several are equally near, and the heat's strength 1 / d².
struct Heat {
    std::vector<double> strength;                          // per place, 0 where no bone is seen
    std::vector<std::vector<uint32_t>> warmedBy;           // per place
};

Heat Warm(const Places &places, const std::vector<Point3> &normals, const std::vector<BoneSegment> &bones,
          const std::vector<bool> &fixed, double extent, bool ignoreVisibility) {
    Heat heat;
    size_t count = places.position.size();
    heat.strength.assign(count, 0);
    heat.warmedBy.assign(count, {});
    TriangleTree tree(places.position, places.triangles);
    std::vector<double> distance(bones.size());
    std::vector<Point3> nearest(bones.size());
    const double closest = 1e-6 * extent;
    for (size_t place = 0; place < count; ++place) {
        if (fixed[place]) continue;
        const Point3 &p = places.position[place];
        for (size_t b = 0; b < bones.size(); ++b) {
            distance[b] = std::sqrt(SegmentDistanceSquared(bones[b], p, nearest[b]));
            // A bone behind the skin, as its normal tells, counts as farther:
            // the skin of a hand lying against the hip faces away from the
            // hand's bones.
            double facing = 0;
            for (int k = 0; k < 3; ++k) facing += (p[k] - nearest[b][k]) * normals[place][k];
            facing = distance[b] > 0 ? facing / distance[b] : 1;
            distance[b] /= 0.5 * (facing + 1.001);
        }
        // Only the nearest bones warm a place, and only when it sees them:
        // a place that sees nothing as near takes the heat its neighbours
        // pass on, rather than warming by a farther bone (an arm's skin is
        // not moved by the hip that lies beyond it).
        double least = INFINITY;
        for (size_t b = 0; b < bones.size(); ++b) least = std::min(least, distance[b]);
        for (size_t b = 0; b < bones.size(); ++b)
            if (distance[b] <= least * (1 + kTie) && (ignoreVisibility || !tree.Crosses(p, nearest[b], 1e-4)))
                heat.warmedBy[place].push_back(static_cast<uint32_t>(b));
        if (heat.warmedBy[place].empty()) continue;
        double seen = least;
        double d = std::max(seen, closest);
        heat.strength[place] = kHeat / (d * d);
    }
    return heat;
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

Influences Normalised(const std::array<std::pair<uint32_t, double>, 4> &top) {
    double total = 0;
    for (const auto &entry : top) total += entry.second;
    std::vector<BoneWeight> kept;
    for (const auto &entry : top)
        if (entry.second > kLeastShare * total) kept.push_back({entry.first, static_cast<float>(entry.second)});
    return HeaviestFour(kept);
}

}  // namespace

HeatOutcome BoneHeat(const std::vector<std::array<float, 3>> &points, const std::vector<uint32_t> &triangles,
                     const std::vector<BoneSegment> &bones, const std::vector<Influences> &painted) {
    HeatOutcome outcome;
    if (points.empty() || bones.empty()) return outcome;
    Places places = SolvedPlaces(points, triangles);
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
    UnionFind parts(count);
    for (const Laplacian::Edge &edge : laplacian.edges) parts.Join(edge.a, edge.b);
    Point3 low = {INFINITY, INFINITY, INFINITY}, high = {-INFINITY, -INFINITY, -INFINITY};
    for (const Point3 &p : places.position)
        for (int k = 0; k < 3; ++k) low[k] = std::min(low[k], p[k]), high[k] = std::max(high[k], p[k]);
    for (const BoneSegment &bone : bones)
        for (const auto &end : {bone.joint, bone.tip})
            for (int k = 0; k < 3; ++k) low[k] = std::min(low[k], end[k]), high[k] = std::max(high[k], end[k]);
    const double extent = std::max({high[0] - low[0], high[1] - low[1], high[2] - low[2], 1e-30});

    std::vector<Point3> normals = OutwardNormals(places, parts);
    // Which parts to solve: those with painted points or that see enough of
    // the bones, joined by at least one edge. When none does, nothing of
    // the skin lies around the bones, and every place takes its nearest.
    std::vector<uint32_t> part(count);
    std::vector<size_t> seeing(count, 0), size(count, 0);
    std::vector<bool> hasFixed(count, false), hasEdge(count, false);
    for (const Laplacian::Edge &edge : laplacian.edges) hasEdge[edge.a] = hasEdge[edge.b] = true;
    Heat heat;
    std::vector<bool> solvedPart(count, false);
    for (bool ignoreVisibility : {false, true}) {
        heat = Warm(places, normals, bones, fixed, extent, ignoreVisibility);
        std::fill(seeing.begin(), seeing.end(), 0);
        std::fill(size.begin(), size.end(), 0);
        bool anySolved = false;
        for (size_t place = 0; place < count; ++place) {
            part[place] = parts.Find(static_cast<uint32_t>(place));
            ++size[part[place]];
            if (heat.strength[place] > 0) ++seeing[part[place]];
            if (fixed[place]) hasFixed[part[place]] = true;
        }
        for (size_t root = 0; root < count; ++root) {
            if (size[root] == 0 || !hasEdge[root]) continue;
            solvedPart[root] = hasFixed[root] ||
                               (seeing[root] > 0 && static_cast<double>(seeing[root]) >= kSeeingShare * size[root]);
            anySolved = anySolved || solvedPart[root];
        }
        if (anySolved) break;
    }

    // The unknowns: free places of solved parts.
    std::vector<int64_t> unknownOf(count, -1);
    std::vector<uint32_t> unknowns;
    for (size_t place = 0; place < count; ++place)
        if (!fixed[place] && solvedPart[part[place]] && hasEdge[place]) {
            unknownOf[place] = static_cast<int64_t>(unknowns.size());
            unknowns.push_back(static_cast<uint32_t>(place));
        }

    // (L + A H) w_b = A H p_b, with A the places' areas: the heat equation
    // multiplied through by the areas, symmetric and positive definite.
    // Painted places move to the right side with their known weights.
    Heaviest heaviest(count);
    const Eigen::Index n = static_cast<Eigen::Index>(unknowns.size());
    std::vector<Eigen::Triplet<double>> entries;
    std::vector<double> diagonal(unknowns.size(), 0);
    // Per bone, the right side's entries: (unknown, value).
    std::vector<std::vector<std::pair<uint32_t, double>>> source(bones.size());
    for (size_t u = 0; u < unknowns.size(); ++u) {
        uint32_t place = unknowns[u];
        double warmth = laplacian.area[place] * heat.strength[place];
        diagonal[u] += warmth;
        const auto &by = heat.warmedBy[place];
        for (uint32_t bone : by) source[bone].push_back({static_cast<uint32_t>(u), warmth / static_cast<double>(by.size())});
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
    if (n > 0) {
        Eigen::SparseMatrix<double> matrix(n, n);
        matrix.setFromTriplets(entries.begin(), entries.end());
        entries.clear();
        entries.shrink_to_fit();
        Eigen::SimplicialLDLT<Eigen::SparseMatrix<double>> factor(matrix);
        if (factor.info() != Eigen::Success) return outcome;
        Eigen::VectorXd right(n), weight(n);
        for (size_t b = 0; b < bones.size(); ++b) {
            if (source[b].empty()) continue;
            right.setZero();
            for (auto [u, value] : source[b]) right[static_cast<Eigen::Index>(u)] += value;
            weight = factor.solve(right);
            if (factor.info() != Eigen::Success || !weight.allFinite()) return outcome;
            for (Eigen::Index u = 0; u < n; ++u)
                if (weight[u] > 1e-6) heaviest.Offer(unknowns[static_cast<size_t>(u)], static_cast<uint32_t>(b), weight[u]);
        }
    }

    // Each place's weights; places left out of the solve take those of the
    // nearest place that has some.
    std::vector<Influences> placeWeights(count);
    std::vector<uint32_t> weighed;
    for (size_t place = 0; place < count; ++place) {
        if (fixed[place])
            placeWeights[place] = fixedWeights[place];
        else if (unknownOf[place] >= 0)
            placeWeights[place] = Normalised(heaviest.weights[place]);
        if (!placeWeights[place].Empty()) weighed.push_back(static_cast<uint32_t>(place));
    }
    if (weighed.empty()) {
        // Nothing to carry over from: each place takes the bones that warm it.
        for (size_t place = 0; place < count; ++place) {
            std::vector<BoneWeight> own;
            for (uint32_t bone : heat.warmedBy[place]) own.push_back({bone, 1.0f});
            placeWeights[place] = HeaviestFour(own);
            if (!placeWeights[place].Empty()) weighed.push_back(static_cast<uint32_t>(place));
        }
    }
    if (!weighed.empty() && weighed.size() < count) {
        PointTree tree(places.position, weighed);
        std::vector<bool> has(count, false);
        for (uint32_t place : weighed) has[place] = true;
        for (size_t place = 0; place < count; ++place)
            if (!has[place]) placeWeights[place] = placeWeights[tree.Nearest(places.position[place])];
    }

    outcome.influences.resize(points.size());
    for (size_t i = 0; i < points.size(); ++i)
        outcome.influences[i] =
            !painted.empty() && !painted[i].Empty() ? painted[i] : placeWeights[places.placeOf[i]];
    outcome.solved = true;
    return outcome;
}

}  // namespace vexil_host
