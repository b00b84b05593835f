// Automatic weights by bone heat, on skins drawn here: against a dense solve
// of the same equations, and the properties every rig must keep.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <map>
#include <numeric>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "weights/bone_heat.h"
#include "weights/cotangent_laplacian.h"
#include "weights/enclosing_parts.h"
#include "weights/heat_sources.h"
#include "weights/outward_normals.h"
#include "weights/part_wraps.h"
#include "weights/rig_handles.h"
#include "weights/rig_shape.h"
#include "weights/rig_tree.h"
#include "weights/skin_places.h"
#include "weights/union_find.h"
#include "weights/intrinsic_delaunay.h"
#include "weights/point_tree.h"
#include "weights/triangle_tree.h"

using vexil_host::BoneHeat;
using vexil_host::BoneSegment;
using vexil_host::HeatOutcome;
using vexil_host::Influences;

namespace {

using Point = std::array<float, 3>;
using Vec = std::array<double, 3>;

struct Skin {
    std::vector<Point> points;
    std::vector<uint32_t> triangles;
};

// A closed tube of `sides` around the polyline `path`, `rings` rings per
// stretch, capped at both ends, each triangle clockwise seen from outside
// as the modeller writes it.
void AddTube(Skin &skin, const std::vector<Point> &path, float radius, int sides = 8, int rings = 4) {
    uint32_t first = static_cast<uint32_t>(skin.points.size());
    std::vector<Point> centres;
    for (size_t s = 0; s + 1 < path.size(); ++s)
        for (int r = 0; r < rings; ++r) {
            float t = static_cast<float>(r) / static_cast<float>(rings);
            centres.push_back({path[s][0] + t * (path[s + 1][0] - path[s][0]), path[s][1] + t * (path[s + 1][1] - path[s][1]),
                               path[s][2] + t * (path[s + 1][2] - path[s][2])});
        }
    centres.push_back(path.back());
    // Rings in the plane across the tube's overall direction.
    Vec along = {path.back()[0] - path[0][0], path.back()[1] - path[0][1], path.back()[2] - path[0][2]};
    Vec other = std::fabs(along[0]) < std::fabs(along[1]) ? Vec{1, 0, 0} : Vec{0, 1, 0};
    Vec u = {along[1] * other[2] - along[2] * other[1], along[2] * other[0] - along[0] * other[2],
             along[0] * other[1] - along[1] * other[0]};
    double length = std::hypot(u[0], u[1], u[2]);
    for (double &c : u) c /= length;
    double a = std::hypot(along[0], along[1], along[2]);
    Vec w = {(along[1] * u[2] - along[2] * u[1]) / a, (along[2] * u[0] - along[0] * u[2]) / a,
             (along[0] * u[1] - along[1] * u[0]) / a};
    for (const Point &c : centres)
        for (int s = 0; s < sides; ++s) {
            double angle = 2 * 3.14159265358979323846 * s / sides;
            Point p;
            for (int k = 0; k < 3; ++k)
                p[k] = static_cast<float>(c[k] + radius * (std::cos(angle) * u[k] + std::sin(angle) * w[k]));
            skin.points.push_back(p);
        }
    auto at = [&](size_t ring, int side) { return first + static_cast<uint32_t>(ring * sides + (side % sides)); };
    for (size_t r = 0; r + 1 < centres.size(); ++r)
        for (int s = 0; s < sides; ++s)
            skin.triangles.insert(skin.triangles.end(), {at(r, s), at(r + 1, s), at(r + 1, s + 1), at(r, s), at(r + 1, s + 1),
                                                         at(r, s + 1)});
    uint32_t start = static_cast<uint32_t>(skin.points.size()), end = start + 1;
    skin.points.push_back(centres.front());
    skin.points.push_back(centres.back());
    for (int s = 0; s < sides; ++s) {
        skin.triangles.insert(skin.triangles.end(), {start, at(0, s), at(0, s + 1)});
        skin.triangles.insert(skin.triangles.end(), {end, at(centres.size() - 1, s + 1), at(centres.size() - 1, s)});
    }
}

// A neck and a head in one tube along y: the neck's bone up to 1.4, the
// head's above it.
const std::vector<BoneSegment> kNeckAndHead = {{{0, 0, 0}, {0, 1.4, 0}}, {{0, 1.4, 0}, {0, 3, 0}}};
void AddNeckAndHead(Skin &skin) { AddTube(skin, {{0, 0, 0}, {0, 1.4f, 0}, {0, 3, 0}}, 0.3f, 12, 8); }

// A horn of its own growing from the head where its skin blends into the
// neck, sweeping down and out: 13 rings of 8 points, then its two caps.
// Returns its first point.
uint32_t AddHornByTheNeck(Skin &skin) {
    const uint32_t horn = static_cast<uint32_t>(skin.points.size());
    AddTube(skin, {{0.1f, 1.9f, 0}, {0.9f, 1.1f, 0.6f}}, 0.05f, 8, 12);
    return horn;
}

HeatOutcome Weigh(const Skin &skin, const std::vector<BoneSegment> &bones,
                  const std::vector<Influences> &painted = {}, const std::vector<int32_t> &parents = {}) {
    return BoneHeat(skin.points, skin.triangles, bones, parents, painted);
}

double WeightOf(const Influences &influences, uint32_t bone) {
    for (int i = 0; i < 4; ++i)
        if (influences.weight[i] > 0 && influences.bone[i] == bone) return influences.weight[i];
    return 0;
}

// Weights above 0 on bones that exist, heaviest first, summing to 1.
void ExpectWellFormed(const HeatOutcome &outcome, size_t points, size_t bones, const std::string &what) {
    ASSERT_TRUE(outcome.solved) << what;
    ASSERT_EQ(outcome.influences.size(), points) << what;
    for (size_t p = 0; p < points; ++p) {
        const Influences &influences = outcome.influences[p];
        double sum = 0;
        for (int i = 0; i < 4; ++i) {
            EXPECT_TRUE(std::isfinite(influences.weight[i]) && influences.weight[i] >= 0) << what << " point " << p;
            if (influences.weight[i] > 0) {
                EXPECT_LT(influences.bone[i], bones) << what;
            }
            if (i > 0) {
                EXPECT_LE(influences.weight[i], influences.weight[i - 1]) << what;
            }
            sum += influences.weight[i];
        }
        EXPECT_NEAR(sum, 1, 1e-6) << what << " point " << p;
    }
}

// The same equations, solved densely, for a skin of one closed part (so
// that every bone may warm it) and rigs with no chain: the cotangent
// Laplacian of the skin's intrinsic Delaunay triangles (IntrinsicDelaunay,
// tested on its own) with its weights kept within [1e-3, 1e3], each
// point's area a third of those triangles', and heat 4 s / d² from the nearest bones that
// the point sees (the segment to it crosses no triangle, or leaves the
// skin in its last quarter), testing every triangle: each bone up to 3% farther
// than the nearest takes a share falling from 1 to 0 over those 3%, the
// nearest four seen at most, s their sum (distance lengthened by how far the skin faces away, and
// measured to a bone with several children also along spokes three
// quarters of the way to their joints; half way to a child with no
// children whose middle the skin encloses, when a sibling has children;
// never longer than twice the bone).
// Then
// (L + A H) w = A H p by Gaussian elimination; of each point's four
// heaviest weights those under 0.025 are dropped and those under 0.05
// faded, the rest scaled to sum 1.
std::vector<std::vector<double>> DenseHeat(const Skin &skin, const std::vector<BoneSegment> &bones,
                                           const std::vector<int32_t> &parents,
                                           const std::vector<Influences> &painted = {}) {
    const size_t n = skin.points.size(), b = bones.size();
    auto P = [&](size_t i) { return Vec{skin.points[i][0], skin.points[i][1], skin.points[i][2]}; };
    auto sub = [](const Vec &x, const Vec &y) { return Vec{x[0] - y[0], x[1] - y[1], x[2] - y[2]}; };
    auto dot = [](const Vec &x, const Vec &y) { return x[0] * y[0] + x[1] * y[1] + x[2] * y[2]; };
    auto cross = [](const Vec &x, const Vec &y) {
        return Vec{x[1] * y[2] - x[2] * y[1], x[2] * y[0] - x[0] * y[2], x[0] * y[1] - x[1] * y[0]};
    };
    auto closest = [&](const Vec &p, const Vec &j, const Vec &t) {
        Vec along = sub(t, j);
        double s = dot(along, along) > 0 ? std::clamp(dot(sub(p, j), along) * (1 / dot(along, along)), 0.0, 1.0) : 0;
        return Vec{j[0] + s * along[0], j[1] + s * along[1], j[2] + s * along[2]};
    };
    // How far along `way` from `from` the ray meets the triangle starting at
    // t in `skin.triangles`, in lengths of `way`; NaN where it misses.
    auto meets = [&](const Vec &from, const Vec &way, size_t t) -> double {
        Vec a = P(skin.triangles[t]), e1 = sub(P(skin.triangles[t + 1]), a), e2 = sub(P(skin.triangles[t + 2]), a);
        Vec h = cross(way, e2), s = sub(from, a), q = cross(s, e1);
        double det = dot(e1, h);
        if (det == 0) return NAN;
        double u = dot(s, h) / det, v = dot(way, q) / det;
        return u >= 0 && u <= 1 && v >= 0 && u + v <= 1 ? dot(e2, q) / det : NAN;
    };
    // Whether the skin encloses `m`: an odd count of its triangles crossed
    // by a ray from `m` in a way no triangle here lies along.
    auto enclosed = [&](const Vec &m) {
        int crossed = 0;
        for (size_t t = 0; t < skin.triangles.size(); t += 3) crossed += meets(m, Vec{0.5377, 0.8, 0.2654}, t) > 0;
        return crossed % 2 == 1;
    };
    auto childCount = [&](size_t k) { return std::count(parents.begin(), parents.end(), static_cast<int32_t>(k)); };
    // Each bone's segments: its own, and its spokes.
    std::vector<std::vector<std::array<Vec, 2>>> reach(b);
    for (size_t k = 0; k < b; ++k) {
        Vec j = {bones[k].joint[0], bones[k].joint[1], bones[k].joint[2]}, t = {bones[k].tip[0], bones[k].tip[1], bones[k].tip[2]};
        reach[k].push_back({j, t});
        if (childCount(k) < 2) continue;
        bool bodyGoesOn = false;
        for (size_t child = 0; child < b; ++child)
            bodyGoesOn = bodyGoesOn || (parents[child] == static_cast<int32_t>(k) && childCount(child) > 0);
        for (size_t child = 0; child < b; ++child) {
            if (parents[child] != static_cast<int32_t>(k)) continue;
            Vec joint = {bones[child].joint[0], bones[child].joint[1], bones[child].joint[2]};
            Vec tip = {bones[child].tip[0], bones[child].tip[1], bones[child].tip[2]};
            Vec middle = {(joint[0] + tip[0]) / 2, (joint[1] + tip[1]) / 2, (joint[2] + tip[2]) / 2};
            double share = bodyGoesOn && childCount(child) == 0 && enclosed(middle) ? 0.5 : 0.75;
            Vec from = closest(joint, j, t), away = sub(joint, from);
            double gap = std::sqrt(dot(away, away)), bone = std::sqrt(dot(sub(t, j), sub(t, j)));
            if (share * gap > 2 * bone) share = 2 * bone / gap;
            Vec spokeTip = {from[0] + share * away[0], from[1] + share * away[1], from[2] + share * away[2]};
            if (dot(away, away) > 0) reach[k].push_back({from, spokeTip});
        }
    }
    std::vector<std::vector<double>> L(n, std::vector<double>(n, 0));
    std::vector<std::vector<bool>> edge(n, std::vector<bool>(n, false));
    std::vector<double> area(n, 0);
    std::vector<Vec> normal(n, Vec{0, 0, 0});
    double volume = 0;
    for (size_t t = 0; t < skin.triangles.size(); t += 3) {
        size_t c[3] = {skin.triangles[t], skin.triangles[t + 1], skin.triangles[t + 2]};
        Vec n3 = cross(sub(P(c[1]), P(c[0])), sub(P(c[2]), P(c[0])));
        double twice = std::sqrt(dot(n3, n3));
        volume += dot(P(c[0]), cross(P(c[1]), P(c[2])));
        for (int i = 0; i < 3; ++i)
            for (int k = 0; k < 3; ++k) normal[c[i]][k] += n3[k] / twice;
    }
    vexil_host::Places places;
    for (size_t i = 0; i < n; ++i) places.position.push_back(P(i));
    places.triangles = skin.triangles;
    const vexil_host::IntrinsicTriangles intrinsic = vexil_host::IntrinsicDelaunay(places);
    for (size_t t = 0; t < intrinsic.lengths.size(); ++t) {
        const auto &l = intrinsic.lengths[t];
        double half = (l[0] + l[1] + l[2]) / 2, size = std::sqrt(half * (half - l[0]) * (half - l[1]) * (half - l[2]));
        for (int i = 0; i < 3; ++i) {
            size_t o = intrinsic.corners[3 * t + i], p = intrinsic.corners[3 * t + (i + 1) % 3],
                   q = intrinsic.corners[3 * t + (i + 2) % 3];
            area[o] += size / 3;
            double cot = (l[(i + 1) % 3] * l[(i + 1) % 3] + l[(i + 2) % 3] * l[(i + 2) % 3] - l[i] * l[i]) / (4 * size);
            L[p][q] += cot / 2;
            L[q][p] += cot / 2;
            edge[p][q] = edge[q][p] = true;
        }
    }
    std::vector<std::vector<double>> A(n, std::vector<double>(n, 0));
    for (size_t i = 0; i < n; ++i)
        for (size_t j = 0; j < n; ++j)
            if (i != j && edge[i][j]) {
                double weight = std::min(1e3, std::max(1e-3, L[i][j]));
                A[i][j] = -weight;
                A[i][i] += weight;
            }
    std::vector<std::vector<double>> right(b, std::vector<double>(n, 0));
    Vec low = {INFINITY, INFINITY, INFINITY}, high = {-INFINITY, -INFINITY, -INFINITY};
    for (const Point &p : skin.points)
        for (int k = 0; k < 3; ++k) low[k] = std::min<double>(low[k], p[k]), high[k] = std::max<double>(high[k], p[k]);
    for (const BoneSegment &bone : bones)
        for (int k = 0; k < 3; ++k)
            low[k] = std::min({low[k], bone.joint[k], bone.tip[k]}), high[k] = std::max({high[k], bone.joint[k], bone.tip[k]});
    const double extent = std::max({high[0] - low[0], high[1] - low[1], high[2] - low[2]});
    for (size_t i = 0; i < n; ++i) {
        Vec outward = normal[i];
        double length = std::sqrt(dot(outward, outward)) * (volume < 0 ? -1 : 1);
        for (double &c : outward) c /= length;
        std::vector<double> distance(b, INFINITY);
        std::vector<Vec> nearest(b);
        for (size_t k = 0; k < b; ++k)
            for (const auto &segment : reach[k]) {
                Vec at = closest(P(i), segment[0], segment[1]), away = sub(P(i), at);
                double d = std::sqrt(dot(away, away));
                d /= 0.5 * ((d > 0 ? dot(away, outward) / d : 1) + 1.001);
                if (d < distance[k]) distance[k] = d, nearest[k] = at;
            }
        double least = *std::min_element(distance.begin(), distance.end());
        std::vector<size_t> warm;
        std::vector<double> share;
        std::vector<size_t> order(b);
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(), [&](size_t x, size_t y) { return distance[x] < distance[y]; });
        for (size_t k : order) {
            double near = least > 0 ? 1 - (distance[k] - least) / (0.03 * least) : distance[k] == 0 ? 1 : 0;
            if (!(near > 0) || warm.size() == 4) break;
            // Seen: the segment crosses no triangle, or leaves the skin
            // through ones facing the bone in its last quarter.
            bool seen = true;
            Vec along = sub(nearest[k], P(i));
            for (size_t t = 0; t < skin.triangles.size() && seen; t += 3) {
                double r = meets(P(i), along, t);
                Vec out = cross(sub(P(skin.triangles[t + 1]), P(skin.triangles[t])),
                                sub(P(skin.triangles[t + 2]), P(skin.triangles[t])));
                bool leaving = dot(out, along) * volume > 0;
                seen = !(r > 1e-4 && r < 1 - 1e-4) || (leaving && r >= 0.75);
            }
            if (seen) warm.push_back(k), share.push_back(near);
        }
        if (warm.empty()) continue;
        double shares = std::accumulate(share.begin(), share.end(), 0.0);
        double d = std::max(least, 5e-5 * extent);
        double heat = area[i] * 4 * shares / (d * d);
        A[i][i] += heat;
        for (size_t w = 0; w < warm.size(); ++w) right[warm[w]][i] += heat * share[w] / shares;
    }
    // Painted points hold their weights.
    for (size_t i = 0; i < painted.size(); ++i) {
        if (painted[i].Empty()) continue;
        std::fill(A[i].begin(), A[i].end(), 0.0);
        A[i][i] = 1;
        for (size_t k = 0; k < b; ++k) right[k][i] = 0;
        for (int j = 0; j < 4; ++j) right[painted[i].bone[j]][i] += painted[i].weight[j];
    }
    // Gaussian elimination, every bone's right side at once.
    for (size_t c = 0; c < n; ++c)
        for (size_t r = c + 1; r < n; ++r) {
            double f = A[r][c] / A[c][c];
            if (f == 0) continue;
            for (size_t k = c; k < n; ++k) A[r][k] -= f * A[c][k];
            for (size_t k = 0; k < b; ++k) right[k][r] -= f * right[k][c];
        }
    std::vector<std::vector<double>> w(n, std::vector<double>(b, 0));
    for (size_t k = 0; k < b; ++k)
        for (size_t r = n; r-- > 0;) {
            double sum = right[k][r];
            for (size_t c = r + 1; c < n; ++c) sum -= A[r][c] * w[c][k];
            w[r][k] = sum / A[r][r];
        }
    for (size_t i = 0; i < n; ++i) {
        std::vector<double> &row = w[i];
        bool isPainted = i < painted.size() && !painted[i].Empty();
        std::vector<double> sorted = row;
        std::sort(sorted.rbegin(), sorted.rend());
        double kept = sorted.size() > 4 ? sorted[4] : 0, sum = 0;
        for (double &x : row) {
            if (!(x > kept)) x = 0;
            if (!isPainted) x = x < 0.025 ? 0 : x < 0.05 ? 2 * (x - 0.025) : x;
            sum += x;
        }
        for (double &x : row) x /= sum;
    }
    return w;
}

TEST(BoneHeat, agreesWithADenseSolveOfTheSameEquations) {
    const struct {
        const char *what;
        std::vector<Point> path;
        std::vector<BoneSegment> bones;
        std::vector<int32_t> parents;
    } cases[] = {
        {"a straight limb of two bones", {{0, 0, 0}, {0, 1, 0}, {0, 2, 0}}, {{{0, 0, 0}, {0, 1, 0}}, {{0, 1, 0}, {0, 2, 0}}}, {-1, 0}},
        {"a bent limb of two bones", {{0, 0, 0}, {0, 1, 0}, {0.8f, 1.6f, 0}},
         {{{0, 0, 0}, {0, 1, 0}}, {{0, 1, 0}, {0.8, 1.6, 0}}}, {-1, 0}},
        {"three bones, one poking out", {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}},
         {{{0, 0, 0}, {1, 0, 0}}, {{1, 0, 0}, {1, 1, 0}}, {{1, 1, 0}, {1, 2, 0.5}}}, {-1, 0, 1}},
        {"two bones hanging from a third, one away from its tip", {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}},
         {{{0, 0, 0}, {1, 0, 0}}, {{1, 0, 0}, {1, 1, 0}}, {{1, 1, 0}, {1, 2, 0.5}}}, {-1, 0, 0}},
        {"a belly hanging inside from a spine that goes on", {{0, 0, 0}, {0, 1, 0}, {0, 2, 0}},
         {{{-0.2, 0, 0}, {-0.2, 1, 0}},
          {{-0.2, 1, 0}, {-0.2, 1.6, 0}},
          {{0.05, 0.5, 0}, {0.2, 0.5, 0}},
          {{-0.2, 1.6, 0}, {-0.2, 1.95, 0}}},
         {-1, 0, 0, 1}},
        {"a bone lying a little outside the skin", {{0, 0, 0}, {0, 1, 0}, {0, 2, 0}},
         {{{0, 0, 0}, {0, 1, 0}}, {{0.34, 1.2, 0}, {0.34, 1.8, 0}}}, {-1, 0}},
        {"a stub of a bone between a head and a tail far off", {{0, 0, 0}, {0, 1, 0}, {0, 2, 0}},
         {{{0, 0.95, 0}, {0, 1.05, 0}},
          {{0, 0.5, 0}, {0, 0.05, 0}},
          {{0, 1.5, 0}, {0, 1.8, 0}},
          {{0, 1.8, 0}, {0, 1.95, 0}}},
         {-1, 0, 0, 2}},
        {"a tuft of five bones all but together, more than share one point",
         {{0, 0, 0}, {0, 1, 0}, {0, 2, 0}},
         {{{0, 0, 0}, {0, 1, 0}},
          {{0, 1, 0}, {0.01, 2, 0}},
          {{0, 1, 0}, {-0.01, 2, 0}},
          {{0, 1, 0}, {0, 2, 0.01}},
          {{0, 1, 0}, {0, 2, -0.01}},
          {{0, 1, 0}, {0.005, 2, 0.005}}},
         {-1, 0, 0, 0, 0, 0}},
    };
    for (const auto &c : cases)
        for (bool paint : {false, true}) {
        Skin skin;
        AddTube(skin, c.path, 0.3f, 6, 3);
        // Painted: the last two rings, half to the first bone and half to the last.
        std::vector<Influences> painted;
        if (paint) {
            painted.resize(skin.points.size());
            size_t rings = 3 * (c.path.size() - 1) + 1;
            for (size_t p = (rings - 2) * 6; p < rings * 6; ++p) {
                painted[p].bone = {static_cast<uint32_t>(c.bones.size() - 1), 0, 0, 0};
                painted[p].weight = {0.5f, 0.5f, 0, 0};
            }
        }
        HeatOutcome outcome = Weigh(skin, c.bones, painted, c.parents);
        ExpectWellFormed(outcome, skin.points.size(), c.bones.size(), c.what);
        std::vector<std::vector<double>> dense = DenseHeat(skin, c.bones, c.parents, painted);
        for (size_t p = 0; p < skin.points.size(); ++p)
            for (uint32_t b = 0; b < c.bones.size(); ++b)
                EXPECT_NEAR(WeightOf(outcome.influences[p], b), dense[p][b], 1e-5)
                    << c.what << (paint ? ", painted," : "") << " point " << p << " bone " << b;
    }
}

// Random limbs: a chain of 2 to 4 bones at random angles in a tube.
TEST(BoneHeat, randomLimbsGetWeightsThatSumToOneAndMirrorWithTheRig) {
    std::mt19937 random(11);
    std::uniform_real_distribution<float> unit(-1, 1);
    for (int rig = 0; rig < 30; ++rig) {
        std::vector<Point> path = {{0.3f + 0.2f * unit(random), 0, 0}};
        std::vector<BoneSegment> bones;
        size_t count = 2 + random() % 3;
        for (size_t k = 0; k < count; ++k) {
            const Point &from = path.back();
            Point to = {from[0] + 0.3f * unit(random), from[1] + 1, from[2] + 0.3f * unit(random)};
            bones.push_back({{from[0], from[1], from[2]}, {to[0], to[1], to[2]}});
            path.push_back(to);
        }
        Skin skin;
        AddTube(skin, path, 0.25f);
        HeatOutcome outcome = Weigh(skin, bones);
        ExpectWellFormed(outcome, skin.points.size(), bones.size(), "rig " + std::to_string(rig));

        // The whole rig mirrored about x = 0: every point keeps its weights.
        Skin mirrored = skin;
        std::vector<BoneSegment> mirroredBones = bones;
        for (Point &p : mirrored.points) p[0] = -p[0];
        for (size_t t = 0; t < mirrored.triangles.size(); t += 3) std::swap(mirrored.triangles[t + 1], mirrored.triangles[t + 2]);
        for (BoneSegment &bone : mirroredBones) bone.joint[0] = -bone.joint[0], bone.tip[0] = -bone.tip[0];
        HeatOutcome other = Weigh(mirrored, mirroredBones);
        ASSERT_TRUE(other.solved);
        for (size_t p = 0; p < skin.points.size(); ++p)
            for (uint32_t b = 0; b < bones.size(); ++b)
                EXPECT_NEAR(WeightOf(outcome.influences[p], b), WeightOf(other.influences[p], b), 1e-5)
                    << "rig " << rig << " point " << p;
    }
}

TEST(BoneHeat, weightMovesSteadilyFromOneBoneToTheNextAcrossTheJoint) {
    Skin skin;
    AddTube(skin, {{0, 0, 0}, {0, 1, 0}, {0, 2, 0}}, 0.2f, 8, 10);
    HeatOutcome outcome = Weigh(skin, {{{0, 0, 0}, {0, 1, 0}}, {{0, 1, 0}, {0, 2, 0}}});
    ExpectWellFormed(outcome, skin.points.size(), 2, "cylinder");
    // Ring by ring up the cylinder, the second bone's weight never falls.
    double before = -1;
    for (size_t ring = 0; ring <= 20; ++ring) {
        double mean = 0;
        for (size_t side = 0; side < 8; ++side) mean += WeightOf(outcome.influences[ring * 8 + side], 1) / 8;
        EXPECT_GE(mean, before - 1e-9) << "ring " << ring;
        before = mean;
    }
    EXPECT_LT(WeightOf(outcome.influences[0], 1), 0.01);
    EXPECT_GT(WeightOf(outcome.influences[20 * 8], 1), 0.99);
}

// The mean weight of `bone` over ring `ring` of a tube of `sides`.
double RingWeight(const HeatOutcome &outcome, size_t ring, uint32_t bone, size_t sides = 8) {
    double mean = 0;
    for (size_t side = 0; side < sides; ++side) mean += WeightOf(outcome.influences[ring * sides + side], bone) / sides;
    return mean;
}

// How wide a joint blends, as the rig asks: a chain (a tail, a rope) from
// each bone's middle to the next one's, so that it curls smoothly; a limb's
// joint, and the joint a chain hangs from, over about the limb's thickness;
// a chain whose skin has one ring per bone, ring by ring.
TEST(BoneHeat, blendsEachJointAsTheRigAsks) {
    enum class Blend { kMiddleToMiddle, kOverTheThickness, kRingByRing };
    const struct {
        const char *what;
        size_t bones;
        float radius;
        Blend blend;  // over the thickness: the second bone's joint is measured
        double firstLength;  // the first bone's; the others are 1 long
    } rows[] = {
        {"a rope of twelve bones, a tenth of a bone thick", 12, 0.1f, Blend::kMiddleToMiddle, 1},
        {"a rope of twelve bones, half a bone thick", 12, 0.5f, Blend::kMiddleToMiddle, 1},
        {"a limb of two bones, a fifth of a bone thick", 2, 0.2f, Blend::kOverTheThickness, 1},
        {"a tail of four bones from a body three times as long, a fifth of a bone thick", 5, 0.2f,
         Blend::kOverTheThickness, 3},
        {"a tail of six bones, a tenth of a bone thick, one ring a quarter past each joint", 6, 0.1f,
         Blend::kRingByRing, 1},
    };
    for (const auto &row : rows) {
        // Rings per unit of length; a tail ring by ring has one per bone, a
        // quarter past its joint, and one at each end.
        const size_t rings = row.blend == Blend::kMiddleToMiddle ? 8 : row.blend == Blend::kRingByRing ? 1 : 20;
        std::vector<Point> path;
        std::vector<BoneSegment> bones;
        std::vector<int32_t> parents;
        const double extra = row.firstLength - 1;
        if (row.blend == Blend::kRingByRing) {
            path.push_back({0, 0, 0});
            for (size_t b = 0; b < row.bones; ++b) path.push_back({0, b + 0.25f, 0});
            path.push_back({0, static_cast<float>(row.bones), 0});
        } else {
            for (size_t step = 0; step <= row.bones + static_cast<size_t>(extra); ++step)
                path.push_back({0, static_cast<float>(step), 0});
        }
        for (size_t b = 0; b < row.bones; ++b) {
            bones.push_back({{0, b == 0 ? 0 : b + extra, 0}, {0, b + 1 + extra, 0}});
            parents.push_back(static_cast<int32_t>(b) - 1);
        }
        Skin skin;
        AddTube(skin, path, row.radius, 8, static_cast<int>(rings));
        HeatOutcome outcome = Weigh(skin, bones, {}, parents);
        ExpectWellFormed(outcome, skin.points.size(), bones.size(), row.what);
        if (!outcome.solved) continue;
        if (row.blend == Blend::kRingByRing) {
            // Ring 0 closes the tail's root; ring b + 1 lies on bone b.
            for (uint32_t b = 0; b < row.bones; ++b)
                EXPECT_GE(RingWeight(outcome, b + 1, b), 0.9) << row.what << ": the ring on bone " << b;
        } else if (row.blend == Blend::kMiddleToMiddle) {
            for (size_t ring = 0; ring <= row.bones * rings; ++ring) {
                // From one middle to the next, straight.
                double place = std::clamp(static_cast<double>(ring) / rings - 0.5, 0.0, row.bones - 1.0);
                size_t below = std::min(static_cast<size_t>(place), row.bones - 2);
                double off = 0;
                for (uint32_t b = 0; b < row.bones; ++b) {
                    double wanted = b == below ? 1 - (place - below) : b == below + 1 ? place - below : 0;
                    off += std::fabs(RingWeight(outcome, ring, b) - wanted) / 2;
                }
                EXPECT_LE(off, 0.1) << row.what << " ring " << ring;
            }
            for (uint32_t joint = 1; joint < row.bones; ++joint)
                EXPECT_NEAR(RingWeight(outcome, joint * rings - rings / 4, joint), 0.25, 0.1)
                    << row.what << ": a quarter of a bone before joint " << joint;
        } else {
            // Where the child's weight passes 0.1 and 0.9, between rings.
            auto passes = [&](double level) -> double {
                for (size_t ring = 0; ring < (path.size() - 1) * rings; ++ring) {
                    double a = RingWeight(outcome, ring, 1), b = RingWeight(outcome, ring + 1, 1);
                    if (a <= level && b > level) return (ring + (level - a) / (b - a)) / rings;
                }
                return NAN;
            };
            double width = (passes(0.9) - passes(0.1)) / (2 * row.radius);
            EXPECT_GE(width, 0.7) << row.what << ": limb diameters";
            EXPECT_LE(width, 1.5) << row.what << ": limb diameters";
        }
    }
}

// The weights depend on the rig and the skin's shape alone: not on which
// way round its faces turn, nor on its size; a mirrored rig is weighed as
// the mirror image; painted points keep their weights.
TEST(BoneHeat, weighsTheSameWhicheverWayTheFacesTurnAndAtAnySize) {
    Skin base;
    AddTube(base, {{0, 0, 0}, {0, 1, 0}, {0.6f, 1.8f, 0}}, 0.25f, 8, 6);
    uint32_t strap = static_cast<uint32_t>(base.points.size());
    AddTube(base, {{-0.3f, 0.4f, -0.3f}, {-0.3f, 0.4f, 0.3f}}, 0.04f, 6, 2);  // a loose strap by the thigh
    const std::vector<BoneSegment> bones = {{{0, 0, 0}, {0, 1, 0}}, {{0, 1, 0}, {0.6, 1.8, 0}}};
    const std::vector<int32_t> parents = {-1, 0};
    std::vector<Influences> painted(base.points.size());
    for (uint32_t p = 12 * 8; p < 13 * 8; ++p) painted[p].bone = {1, 0, 0, 0}, painted[p].weight = {0.7f, 0.3f, 0, 0};
    HeatOutcome reference = Weigh(base, bones, painted, parents);
    ExpectWellFormed(reference, base.points.size(), bones.size(), "the limb as drawn");

    const struct {
        const char *what;
        float scale, mirror;
        int turnEvery;  // turn every n-th triangle, 0 for none
    } rows[] = {
        {"every face turned", 1, 1, 1}, {"every other face turned", 1, 1, 2}, {"a hundred times the size", 100, 1, 0},
        {"a thousand times the size, every face turned", 1000, 1, 1}, {"mirrored", 1, -1, 0},
        {"10^20 times the size, where a distance squared passes what a float holds", 1e20f, 1, 0},
        {"10^-20 times the size", 1e-20f, 1, 0},
    };
    for (const auto &row : rows) {
        Skin skin = base;
        std::vector<BoneSegment> scaled = bones;
        for (Point &p : skin.points) p = {row.mirror * row.scale * p[0], row.scale * p[1], row.scale * p[2]};
        for (BoneSegment &bone : scaled)
            for (auto *end : {&bone.joint, &bone.tip}) (*end) = {row.mirror * row.scale * (*end)[0], row.scale * (*end)[1], row.scale * (*end)[2]};
        for (size_t t = 0; t < skin.triangles.size(); t += 3)
            if ((row.mirror < 0) != (row.turnEvery > 0 && (t / 3) % static_cast<size_t>(row.turnEvery) == 0))
                std::swap(skin.triangles[t + 1], skin.triangles[t + 2]);
        HeatOutcome outcome = Weigh(skin, scaled, painted, parents);
        ExpectWellFormed(outcome, skin.points.size(), bones.size(), row.what);
        if (!outcome.solved) continue;
        for (uint32_t p = 0; p < skin.points.size(); ++p)
            for (uint32_t b = 0; b < bones.size(); ++b)
                EXPECT_NEAR(WeightOf(outcome.influences[p], b), WeightOf(reference.influences[p], b), 1e-3)
                    << row.what << (p >= strap ? ", the strap," : "") << " point " << p << " bone " << b;
        for (uint32_t p = 12 * 8; p < 13 * 8; ++p) EXPECT_EQ(WeightOf(outcome.influences[p], 1), 0.7f) << row.what << " point " << p;
    }
}

// Formats that keep a point per texture corner split a skin along its UV
// seams; it is weighed as the same skin in one piece, also where the seam
// is a slit whose ends it does not split.
TEST(BoneHeat, aSkinSplitAlongItsSeamsIsWeighedAsOnePiece) {
    Skin whole;
    AddTube(whole, {{0, 0, 0}, {0, 1, 0}, {0.6f, 1.8f, 0}}, 0.25f, 8, 6);
    const std::vector<BoneSegment> bones = {{{0, 0, 0}, {0, 1, 0}}, {{0, 1, 0}, {0.6, 1.8, 0}}};
    HeatOutcome one = Weigh(whole, bones, {}, {-1, 0});
    const uint32_t rings = 13, sides = 8;
    struct Row {
        const char *what;
        uint32_t firstSplitRing, lastSplitRing;
    };
    for (const Row &row : {Row{"a seam along the whole tube", 0, rings - 1}, Row{"a slit across the joint", 6, 6}}) {
        // The seam runs along the first side of the rings from
        // `firstSplitRing` to `lastSplitRing`: the faces on its far side
        // use a second point at each of those places.
        Skin split = whole;
        std::vector<uint32_t> twin(whole.points.size(), UINT32_MAX), original;
        for (uint32_t ring = row.firstSplitRing; ring <= row.lastSplitRing; ++ring) {
            twin[ring * sides] = static_cast<uint32_t>(split.points.size());
            original.push_back(ring * sides);
            split.points.push_back(whole.points[ring * sides]);
        }
        for (size_t t = 0; t < split.triangles.size(); t += 3) {
            bool farSide = false;
            for (size_t corner = 0; corner < 3; ++corner) {
                uint32_t p = split.triangles[t + corner];
                farSide = farSide || (p < rings * sides && p % sides == sides - 1);
            }
            if (!farSide) continue;
            for (size_t corner = 0; corner < 3; ++corner)
                if (twin[split.triangles[t + corner]] != UINT32_MAX) split.triangles[t + corner] = twin[split.triangles[t + corner]];
        }
        HeatOutcome seamed = Weigh(split, bones, {}, {-1, 0});
        ExpectWellFormed(seamed, split.points.size(), bones.size(), row.what);
        if (!seamed.solved) continue;
        for (uint32_t p = 0; p < split.points.size(); ++p) {
            uint32_t same = p < whole.points.size() ? p : original[p - whole.points.size()];
            for (uint32_t b = 0; b < bones.size(); ++b)
                EXPECT_NEAR(WeightOf(seamed.influences[p], b), WeightOf(one.influences[same], b), 1e-6)
                    << row.what << ", point " << p;
        }
    }
}

// A bone with no children hanging inside the body from a bone the body
// goes on from (a belly below the spine, a fin beside a fish's back) bends
// a region of the body: from its joint on, the skin follows it more than
// the bone it hangs from. Where the body ends at that bone (a head, its
// jaw hanging below), the head keeps the skin level with the jaw's joint.
// Each row turns the same barrel and rig.
TEST(BoneHeat, aBoneHangingInsideTheBodyBendsTheSkinFromItsJointOn) {
    struct Row {
        const char *what;
        Vec away;  // from the spine towards the hanging bone
        bool bodyGoesOn;
    };
    for (const Row &row : {Row{"a belly below the spine", {0, -1, 0}, true},
                           Row{"a fin beside the back", {1, 0, 0}, true},
                           Row{"a jaw below a head that ends the body", {0, -1, 0}, false}}) {
        Skin barrel;
        AddTube(barrel, {{0, 0, 0}, {0, 0, 1.2f}, {0, 0, 2.4f}, {0, 0, 3.4f}}, 0.5f, 16, 8);
        auto at = [&](double out, double z) { return Vec{out * row.away[0], out * row.away[1], z}; };
        const double z = 0.85;
        // The spine runs along the top, 0.4 from the middle, and the
        // hanging bone's joint lies 0.1 past the middle.
        std::vector<BoneSegment> bones = {
            {at(-0.4, 0.2), at(-0.4, 1.5)}, {at(-0.4, 1.5), at(-0.4, 2.8)}, {at(0.1, z), at(0.4, z)}};
        std::vector<int32_t> parents = {-1, 0, 0};
        if (row.bodyGoesOn) bones.push_back({at(-0.4, 2.8), at(-0.4, 3.3)}), parents.push_back(1);
        HeatOutcome outcome = Weigh(barrel, bones, {}, parents);
        ExpectWellFormed(outcome, barrel.points.size(), bones.size(), row.what);
        if (!outcome.solved) continue;
        int checked = 0;
        for (size_t p = 0; p < barrel.points.size(); ++p) {
            const Point &q = barrel.points[p];
            const double out = q[0] * row.away[0] + q[1] * row.away[1] + q[2] * row.away[2];
            if (std::fabs(q[2] - z) > 0.2 || out < -1e-6) continue;
            if (!row.bodyGoesOn && out > 0.05) continue;
            ++checked;
            const double hanging = WeightOf(outcome.influences[p], 2), hub = WeightOf(outcome.influences[p], 0);
            EXPECT_TRUE(row.bodyGoesOn ? hanging > hub : hub > hanging)
                << row.what << ": point " << p << " at (" << q[0] << ", " << q[1] << ", " << q[2] << ") takes "
                << hanging << " from the hanging bone and " << hub << " from the spine";
        }
        EXPECT_GE(checked, 4) << row.what;
    }
}

// A bone where several hang holds the body towards their joints, but a
// stub of a bone set in a long body (a fish's root, its head hanging far
// in front and its tail far behind) holds only the body near it: there the
// bones stand apart, and the skin between splits between them by
// nearness. A root as long as the gaps holds the body three quarters of
// the way to the tail's joint.
TEST(BoneHeat, aBoneHoldsTheBodyTowardsItsChildrenOnlyAsFarAsItsSizeReaches) {
    struct Row {
        const char *what;
        double rootHalf;  // half the root's length
        bool rootHolds;   // else the children take the skin nearer them
    };
    for (const Row &row : {Row{"a stub of a root between a head and a tail far off", 0.05, false},
                           Row{"a root as long as the gaps", 0.4, true}}) {
        Skin barrel;
        AddTube(barrel, {{0, 0, 0}, {0, 0, 2}, {0, 0, 4}}, 0.5f, 16, 40);
        const double head = 1.2, tail = 2.8;  // the children's joints
        std::vector<BoneSegment> bones = {{{0, 0, 2 - row.rootHalf}, {0, 0, 2 + row.rootHalf}},
                                          {{0, 0, head}, {0, 0, 0.2}},
                                          {{0, 0, tail}, {0, 0, 3.4}},
                                          {{0, 0, 3.4}, {0, 0, 3.9}}};
        HeatOutcome outcome = Weigh(barrel, bones, {}, {-1, 0, 0, 2});
        ExpectWellFormed(outcome, barrel.points.size(), bones.size(), row.what);
        if (!outcome.solved) continue;
        int checked = 0;
        for (size_t p = 0; p < barrel.points.size(); ++p) {
            const double z = barrel.points[p][2];
            // Rings just short of a child's joint, where the root's spoke
            // reaches if it goes its share of the way (half way towards the
            // head, a leaf; three quarters towards the tail). A root long
            // enough reaches only half way towards the head, so there only
            // the tail's side is asked.
            const bool nearHead = !row.rootHolds && std::fabs(z - (head + 0.2)) < 0.01;
            const bool nearTail = std::fabs(z - (tail - 0.15)) < 0.01;
            if (!nearHead && !nearTail) continue;
            ++checked;
            const double root = WeightOf(outcome.influences[p], 0), child = WeightOf(outcome.influences[p], nearHead ? 1 : 2);
            EXPECT_TRUE(row.rootHolds ? root > child : child > root)
                << row.what << ": point " << p << " at z " << z << " takes " << root << " from the root and " << child
                << " from the " << (nearHead ? "head" : "tail");
        }
        EXPECT_GE(checked, 16) << row.what;
    }
}

// What artists' meshes hold: each row a skin and what its points must get.
TEST(BoneHeat, copesWithMeshesAsArtistsMakeThem) {
    const BoneSegment torso{{0, 0, 0}, {0, 2, 0}}, arm{{0.36, 0.2, 0}, {0.36, 1.8, 0}};
    struct Row {
        const char *what;
        Skin skin;
        std::vector<BoneSegment> bones;
        // Points [from, to) must be weighed by bone `only` alone.
        std::vector<std::array<uint32_t, 3>> only;
        std::vector<int32_t> parents = {};
        // Points [from, to) must take at most 0.01 from bones [first, last).
        std::vector<std::array<uint32_t, 4>> never = {};
        // At most a tenth of the points follow one bone alone, and some
        // follow four.
        bool blends = false;
        // Points [from, to) must take at least 0.05 from bone `takes`.
        std::vector<std::array<uint32_t, 3>> takes = {};
    };
    std::vector<Row> rows;
    // Two legs, each its own closed tube, touching along the inner thigh
    // (some points of both at one place) or passing into each other by a
    // share of their radius; each a thigh and a shin below a hip bone.
    for (float into : {0.0f, 0.2f, 0.5f}) {
        const float radius = 0.12f, x = radius * (1 - into / 2);
        Row row{into == 0 ? "legs touching" : into < 0.3f ? "legs passing a fifth into each other" : "legs passing halfway into each other",
                {},
                {{{0, 1.3, 0}, {0, 1.1, 0}}, {{-x, 1, 0}, {-x, 0.5, 0}}, {{-x, 0.5, 0}, {-x, 0.05, 0}}, {{x, 1, 0}, {x, 0.5, 0}},
                 {{x, 0.5, 0}, {x, 0.05, 0}}},
                {},
                {-1, 0, 1, 0, 3}};
        AddTube(row.skin, {{-x, 1, 0}, {-x, 0.5f, 0}, {-x, 0, 0}}, radius, 16, 20);
        uint32_t right = static_cast<uint32_t>(row.skin.points.size());
        AddTube(row.skin, {{x, 1, 0}, {x, 0.5f, 0}, {x, 0, 0}}, radius, 16, 20);
        for (Point &p : row.skin.points)
            for (float &c : p)
                if (std::fabs(c) < 1e-6f) c = 0;  // where the legs touch, one place
        row.never = {{0, right, 3, 5}, {right, static_cast<uint32_t>(row.skin.points.size()), 1, 3}};
        rows.push_back(std::move(row));
    }
    {
        // A palm, four fingers side by side and a thumb, each finger its own
        // tube whose root passes into the palm: no finger moves the palm or
        // another finger.
        Row row{"fingers side by side, their roots in the palm", {}, {{{0, 0, 0}, {0, 0.8, 0}}}, {}, {-1}};
        AddTube(row.skin, {{0, 0, 0}, {0, 0.85f, 0}}, 0.42f, 16, 12);
        uint32_t palmEnd = static_cast<uint32_t>(row.skin.points.size());
        const double lengths[3] = {0.3, 0.25, 0.2};
        const std::array<double, 3> roots[5] = {{-0.3, 0.8, 0}, {-0.1, 0.8, 0}, {0.1, 0.8, 0}, {0.3, 0.8, 0}, {0.36, 0.3, 0}};
        const std::array<double, 3> ways[5] = {{0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0.7071, 0.7071, 0}};
        std::vector<std::array<uint32_t, 2>> fingers;  // points
        for (int finger = 0; finger < 5; ++finger) {
            std::vector<Point> path;
            std::array<double, 3> at = roots[finger];
            path.push_back({static_cast<float>(at[0] - 0.06 * ways[finger][0]), static_cast<float>(at[1] - 0.06 * ways[finger][1]), 0});
            for (int bone = 0; bone < 3; ++bone) {
                std::array<double, 3> next = {at[0] + lengths[bone] * ways[finger][0], at[1] + lengths[bone] * ways[finger][1], 0};
                row.bones.push_back({at, next});
                row.parents.push_back(bone == 0 ? 0 : static_cast<int32_t>(row.bones.size()) - 2);
                path.push_back({static_cast<float>(next[0]), static_cast<float>(next[1]), 0});
                at = next;
            }
            uint32_t first = static_cast<uint32_t>(row.skin.points.size());
            AddTube(row.skin, path, 0.1f, 12, 4);
            fingers.push_back({first, static_cast<uint32_t>(row.skin.points.size())});
        }
        row.never.push_back({0, palmEnd, 1, 16});
        for (uint32_t finger = 0; finger < 5; ++finger)
            for (uint32_t other = 0; other < 5; ++other)
                if (other != finger) row.never.push_back({fingers[finger][0], fingers[finger][1], 1 + 3 * other, 4 + 3 * other});
        rows.push_back(std::move(row));
    }
    {
        // An arm hanging against the hip: the torso's side is far nearer
        // the arm's bone than its own, but faces away from it.
        Row row{"an arm against the hip", {}, {torso, arm}, {}};
        AddTube(row.skin, {{0, 0, 0}, {0, 2, 0}}, 0.3f, 12, 8);
        uint32_t armFirst = static_cast<uint32_t>(row.skin.points.size());
        AddTube(row.skin, {{0.36f, 0.2f, 0}, {0.36f, 1.8f, 0}}, 0.05f, 8, 8);
        row.only = {{0, armFirst, 0}, {armFirst, static_cast<uint32_t>(row.skin.points.size()), 1}};
        rows.push_back(std::move(row));
    }
    {
        // Two fingers side by side, a hair apart.
        Row row{"fingers side by side", {}, {{{0, 0, 0}, {0, 1, 0}}, {{0.105, 0, 0}, {0.105, 1, 0}}}, {}};
        AddTube(row.skin, {{0, 0, 0}, {0, 1, 0}}, 0.05f);
        uint32_t second = static_cast<uint32_t>(row.skin.points.size());
        AddTube(row.skin, {{0.105f, 0, 0}, {0.105f, 1, 0}}, 0.05f);
        row.only = {{0, second, 0}, {second, static_cast<uint32_t>(row.skin.points.size()), 1}};
        rows.push_back(std::move(row));
    }
    {
        // A button on the torso, on the side away from the arm: a part of
        // its own that sees no bone follows the torso it sits on.
        Row row{"a button on the chest", {}, {torso, arm}, {}};
        AddTube(row.skin, {{0, 0, 0}, {0, 2, 0}}, 0.3f, 12, 8);
        AddTube(row.skin, {{0.36f, 0.2f, 0}, {0.36f, 1.8f, 0}}, 0.05f, 8, 8);
        uint32_t button = static_cast<uint32_t>(row.skin.points.size());
        AddTube(row.skin, {{-0.3f, 1, 0}, {-0.36f, 1, 0}}, 0.04f, 6, 1);
        row.only = {{button, static_cast<uint32_t>(row.skin.points.size()), 0}};
        rows.push_back(std::move(row));
    }
    {
        // A horn growing from the head and sweeping down past the shoulder,
        // a part of its own that sees almost no bone: its tip lies nearer
        // the body's skin than the head's, and still the body does not move it.
        Row row{"a horn sweeping down past the shoulder", {}, kNeckAndHead, {}, {-1, 0}};
        AddNeckAndHead(row.skin);
        uint32_t horn = static_cast<uint32_t>(row.skin.points.size());
        AddTube(row.skin, {{0.1f, 2.8f, 0}, {0.9f, 0.8f, 0.9f}}, 0.05f, 8, 12);
        row.never = {{horn, static_cast<uint32_t>(row.skin.points.size()), 0, 1}};
        rows.push_back(std::move(row));
    }
    // A horn growing where the head meets the neck, and a card of feathers
    // hanging there: the skin they touch blends the two bones, the head
    // most. The horn, a solid, follows the head alone and does not bend;
    // the card, a sheet, keeps the blend and bends with the neck.
    for (bool solid : {true, false}) {
        Row row{solid ? "a horn growing where the head meets the neck" : "a card of feathers where the head meets the neck",
                {}, kNeckAndHead, {}, {-1, 0}};
        AddNeckAndHead(row.skin);
        const uint32_t loose = static_cast<uint32_t>(row.skin.points.size());
        if (solid) {
            AddHornByTheNeck(row.skin);
            row.only = {{loose, static_cast<uint32_t>(row.skin.points.size()), 1}};
        } else {
            // Four by six points from the skin outward, open all round.
            for (uint32_t j = 0; j < 6; ++j)
                for (uint32_t i = 0; i < 4; ++i)
                    row.skin.points.push_back({0.31f + 0.16f * static_cast<float>(j), 1.6f + 0.05f * static_cast<float>(j),
                                               0.05f * static_cast<float>(i) - 0.075f});
            for (uint32_t j = 0; j + 1 < 6; ++j)
                for (uint32_t i = 0; i + 1 < 4; ++i) {
                    uint32_t at = loose + j * 4 + i;
                    row.skin.triangles.insert(row.skin.triangles.end(), {at, at + 1, at + 5, at, at + 5, at + 4});
                }
            row.takes = {{loose, static_cast<uint32_t>(row.skin.points.size()), 0}};
        }
        rows.push_back(std::move(row));
    }
    {
        // A leg of its own beside the body, its thigh four times as long as
        // its shin: a part around its bones bends at the knee, however much
        // of it the thigh weighs.
        Row row{"a leg of its own, its thigh long", {}, {{{0, 0.2, 0}, {0, 1.8, 0}}, {{0.6, 1.5, 0}, {0.6, 0.3, 0}}, {{0.6, 0.3, 0}, {0.6, 0, 0}}},
                {}, {-1, 0, 1}};
        AddTube(row.skin, {{0, 0, 0}, {0, 2, 0}}, 0.3f, 12, 30);
        const uint32_t leg = static_cast<uint32_t>(row.skin.points.size());
        AddTube(row.skin, {{0.6f, 1.5f, 0}, {0.6f, 0.3f, 0}, {0.6f, 0, 0}}, 0.1f, 8, 10);
        row.takes = {{leg + 9 * 8, leg + 12 * 8, 1}, {leg + 9 * 8, leg + 12 * 8, 2}};
        rows.push_back(std::move(row));
    }
    {
        // An eye of its own between the bones of its lids, above and below
        // it, and a head bone behind: no one bone weighs most of it, and
        // each lid keeps its half.
        Row row{"an eye between the bones of its lids", {}, {}, {}};
        AddTube(row.skin, {{0, 0, 0}, {0, 2, 0}}, 0.5f, 12, 8);
        const uint32_t eye = static_cast<uint32_t>(row.skin.points.size());
        AddTube(row.skin, {{0.6f, 0.8f, 0}, {0.6f, 1.2f, 0}}, 0.08f, 8, 8);
        row.bones = {{{0, 0, 0}, {0, 2, 0}}, {{0.6, 0.6, 0}, {0.6, 0.75, 0}}, {{0.6, 1.25, 0}, {0.6, 1.4, 0}}};
        row.takes = {{eye, eye + 8, 1}, {eye + 8 * 8, eye + 9 * 8, 2}};
        rows.push_back(std::move(row));
    }
    {
        // A closed skin, the largest part, with its bones just beside it,
        // none inside: it is the body, and bends at the joint.
        Row row{"a body with its bones beside it", {}, {{{0.3, 0, 0}, {0.3, 1.4, 0}}, {{0.3, 1.4, 0}, {0.3, 2, 0}}}, {}, {-1, 0}};
        AddTube(row.skin, {{0, 0, 0}, {0, 2, 0}}, 0.2f, 12, 16);
        row.takes = {{15 * 12, 17 * 12, 1}};
        rows.push_back(std::move(row));
    }
    {
        // A part inside another, as teeth in a head: the head's skin lies
        // nearer the teeth's bone than its own, but sees it only through
        // the teeth.
        Row row{"a part inside another", {}, {{{0, 0, 0}, {0, 2, 0}}, {{0.3, 0.25, 0}, {0.3, 1.75, 0}}}, {}};
        AddTube(row.skin, {{0, 0, 0}, {0, 2, 0}}, 0.5f, 12, 8);
        uint32_t inner = static_cast<uint32_t>(row.skin.points.size());
        AddTube(row.skin, {{0.3f, 0.2f, 0}, {0.3f, 1.8f, 0}}, 0.1f, 8, 8);
        row.only = {{0, inner, 0}, {inner, static_cast<uint32_t>(row.skin.points.size()), 1}};
        rows.push_back(std::move(row));
    }
    {
        // A shirt over a body of two bones: it sees the bones only from
        // the middles of its ends, and takes the body's weights beneath it.
        Row row{"a shirt over the body", {}, {{{0, 0, 0}, {0, 1, 0}}, {{0, 1, 0}, {0, 2, 0}}}, {}};
        AddTube(row.skin, {{0, 0, 0}, {0, 1, 0}, {0, 2, 0}}, 0.3f, 8, 8);
        uint32_t shirt = static_cast<uint32_t>(row.skin.points.size());
        AddTube(row.skin, {{0, 0.2f, 0}, {0, 1.8f, 0}}, 0.33f, 8, 8);
        row.only = {{shirt, shirt + 16, 0}, {shirt + 56, shirt + 72, 1}};
        rows.push_back(std::move(row));
    }
    {
        // A loose part far from everything still follows a bone.
        Row row{"a loose part far away", {}, {torso}, {}};
        AddTube(row.skin, {{0, 0, 0}, {0, 2, 0}}, 0.3f);
        uint32_t loose = static_cast<uint32_t>(row.skin.points.size());
        AddTube(row.skin, {{50, 0, 0}, {51, 0, 0}}, 0.2f);
        row.only = {{loose, static_cast<uint32_t>(row.skin.points.size()), 0}};
        rows.push_back(std::move(row));
    }
    {
        // Open ends, an edge of three faces, a triangle of no area, and
        // points split along a seam (two points at one place).
        Row row{"open, non-manifold and degenerate", {}, {{{0, 0, 0}, {0, 1, 0}}, {{0, 1, 0}, {0, 2, 0}}}, {}};
        AddTube(row.skin, {{0, 0, 0}, {0, 1, 0}, {0, 2, 0}}, 0.2f);
        row.skin.triangles.resize(row.skin.triangles.size() - 2 * 3 * 8);  // no caps
        uint32_t fin = static_cast<uint32_t>(row.skin.points.size());
        row.skin.points.push_back({0.5f, 1, 0});
        row.skin.points.push_back(row.skin.points[8]);  // a seam's second point
        row.skin.triangles.insert(row.skin.triangles.end(), {8, 9, fin, fin + 1, 16, 17, 3, 3, 4, 5, 5, 5});
        rows.push_back(std::move(row));
    }
    {
        // A part that sees no bone: the only bone lies inside another part.
        Row row{"a part that sees no bone", {}, {{{3, 0, 0}, {3, 1, 0}}}, {}};
        AddTube(row.skin, {{0, 0, 0}, {0, 1, 0}}, 0.2f);
        uint32_t other = static_cast<uint32_t>(row.skin.points.size());
        AddTube(row.skin, {{3, 0, 0}, {3, 1, 0}}, 0.2f);
        row.only = {{0, other, 0}};
        rows.push_back(std::move(row));
    }
    {
        // A tube no part of which sees a bone: its bones lie past both of
        // its closed ends. Its points still blend, nearest to farthest.
        Row row{"bones past both ends", {}, {}, {}};
        AddTube(row.skin, {{0, 0, 0}, {0, 1, 0}}, 0.1f, 8, 20);
        row.bones = {{{0.05, -0.3, 0}, {0.05, -0.1, 0}}, {{-0.05, -0.3, 0}, {-0.05, -0.1, 0}},
                     {{0, 1.1, 0.05}, {0, 1.3, 0.05}}, {{0, 1.1, -0.05}, {0, 1.3, -0.05}}};
        row.blends = true;
        rows.push_back(std::move(row));
    }
    {
        // A rig carried by a bone standing from the ground up into the
        // body: it moves the whole rig and bends none of the skin.
        Row row{"a rig carried by a bone from the ground", {}, {}, {}};
        AddTube(row.skin, {{0, 0.6f, 0}, {0, 1.3f, 0}, {0, 2, 0}}, 0.3f);
        row.bones = {{{0, 0, 0}, {0, 1, 0}}, {{0, 1, 0}, {0, 1.5, 0}}, {{0, 1.5, 0}, {0, 2, 0}}};
        row.parents = {-1, 0, 1};
        row.never = {{0, static_cast<uint32_t>(row.skin.points.size()), 0, 1}};
        rows.push_back(std::move(row));
    }
    {
        // A leg hanging from no bone, its root joint a little above the
        // hip's skin: it still bends the top of the leg.
        Row row{"a leg whose root pokes out of the hip", {}, {{{0, 2.1, 0}, {0, 1, 0}}, {{0, 1, 0}, {0, 0, 0}}}, {}, {-1, 0}};
        AddTube(row.skin, {{0, 2, 0}, {0, 1, 0}, {0, 0, 0}}, 0.2f);
        row.only = {{0, 3 * 8, 0}};
        rows.push_back(std::move(row));
    }
    {
        // A sheet with no inside, a bone from below it carrying the rig:
        // a skin that encloses nothing cannot tell what lies outside it,
        // so the bone bends the sheet's lower end.
        Row row{"a sheet carried by a bone from below", {}, {{{0, -1, 0.05}, {0, 1, 0.05}}, {{0, 1, 0.05}, {0, 2, 0.05}}}, {}, {-1, 0}};
        const uint32_t across = 5, up = 13;
        for (uint32_t j = 0; j < up; ++j)
            for (uint32_t i = 0; i < across; ++i)
                row.skin.points.push_back(
                    {0.2f * static_cast<float>(i) / (across - 1) - 0.1f, 3.0f * static_cast<float>(j) / (up - 1) - 1, 0});
        for (uint32_t j = 0; j + 1 < up; ++j)
            for (uint32_t i = 0; i + 1 < across; ++i) {
                uint32_t at = j * across + i;
                row.skin.triangles.insert(row.skin.triangles.end(), {at, at + 1, at + across + 1, at, at + across + 1, at + across});
            }
        row.only = {{0, 2 * across, 0}};
        rows.push_back(std::move(row));
    }
    {
        // A skin around no bone at all, the bones far outside it.
        Row row{"bones outside the skin", {}, {{{5, 0, 0}, {5, 1, 0}}, {{-5, 0, 0}, {-5, 1, 0}}}, {}};
        AddTube(row.skin, {{0, 0, 0}, {0, 1, 0}}, 0.2f);
        rows.push_back(std::move(row));
    }
    for (const Row &row : rows) {
        HeatOutcome outcome = Weigh(row.skin, row.bones, {}, row.parents);
        ExpectWellFormed(outcome, row.skin.points.size(), row.bones.size(), row.what);
        if (!outcome.solved) continue;
        for (const auto &[from, to, bone] : row.only)
            for (uint32_t p = from; p < to; ++p) EXPECT_EQ(WeightOf(outcome.influences[p], bone), 1.0) << row.what << " point " << p;
        if (row.blends) {
            size_t rigid = 0, most = 0;
            for (const Influences &influences : outcome.influences) {
                rigid += influences.weight[0] >= 0.999f;
                size_t bones = 0;
                for (float weight : influences.weight) bones += weight > 0;
                most = std::max(most, bones);
            }
            EXPECT_LE(rigid, outcome.influences.size() / 10) << row.what << ": points that follow one bone";
            EXPECT_EQ(most, 4u) << row.what << ": the most bones a point follows";
        }
        for (const auto &[from, to, bone] : row.takes)
            for (uint32_t p = from; p < to; ++p)
                EXPECT_GE(WeightOf(outcome.influences[p], bone), 0.05) << row.what << " point " << p << " bone " << bone;
        for (const auto &[from, to, first, last] : row.never)
            for (uint32_t p = from; p < to; ++p)
                for (uint32_t bone = first; bone < last; ++bone)
                    EXPECT_LE(WeightOf(outcome.influences[p], bone), 0.01) << row.what << " point " << p << " bone " << bone;
    }
}

TEST(BoneHeat, paintedPointsKeepTheirWeightsAndTheRestBlendIntoThem) {
    Skin skin;
    AddTube(skin, {{0, 0, 0}, {0, 1, 0}, {0, 2, 0}}, 0.2f, 8, 10);
    std::vector<BoneSegment> bones = {{{0, 0, 0}, {0, 1, 0}}, {{0, 1, 0}, {0, 2, 0}}};
    // The top five rings painted wholly to the first bone.
    std::vector<Influences> painted(skin.points.size());
    for (size_t p = 16 * 8; p < 21 * 8; ++p) painted[p].weight[0] = 1;
    HeatOutcome outcome = Weigh(skin, bones, painted);
    ExpectWellFormed(outcome, skin.points.size(), 2, "painted");
    for (size_t p = 16 * 8; p < 21 * 8; ++p) EXPECT_EQ(WeightOf(outcome.influences[p], 0), 1.0) << p;
    // The ring below the painted ones leans towards the painted bone more
    // than the ring two below it.
    EXPECT_GT(WeightOf(outcome.influences[15 * 8], 0), WeightOf(outcome.influences[13 * 8], 0));
}

// A horn whose tip is painted half to the neck: the rest of it, which
// would follow the head alone, blends into the paint instead.
TEST(BoneHeat, aPaintedSolidPartBlendsIntoItsPaint) {
    Skin skin;
    AddNeckAndHead(skin);
    const uint32_t horn = AddHornByTheNeck(skin);
    const std::vector<BoneSegment> &bones = kNeckAndHead;
    std::vector<Influences> painted(skin.points.size());
    const uint32_t tip = horn + 13 * 8 + 1, tipRing = horn + 12 * 8;  // the tip's cap and the ring around it
    painted[tip].bone = {0, 1, 0, 0};
    painted[tip].weight = {0.5f, 0.5f, 0, 0};
    HeatOutcome outcome = Weigh(skin, bones, painted, {-1, 0});
    ExpectWellFormed(outcome, skin.points.size(), bones.size(), "a painted horn");
    EXPECT_EQ(WeightOf(outcome.influences[tip], 0), 0.5);
    for (uint32_t p = tipRing; p < tipRing + 8; ++p) EXPECT_GE(WeightOf(outcome.influences[p], 0), 0.05) << p;
}

TEST(BoneHeat, aSkinPastWhatOneSolveTakesIsSimplifiedAndStillWeighed) {
    // A flat sheet of 500 x 250 points, bones above it: no inside to see through.
    Skin skin;
    const uint32_t across = 500, down = 250;
    for (uint32_t j = 0; j < down; ++j)
        for (uint32_t i = 0; i < across; ++i) skin.points.push_back({static_cast<float>(i), 0, static_cast<float>(j)});
    for (uint32_t j = 0; j + 1 < down; ++j)
        for (uint32_t i = 0; i + 1 < across; ++i) {
            uint32_t a = j * across + i;
            skin.triangles.insert(skin.triangles.end(), {a, a + 1, a + across + 1, a, a + across + 1, a + across});
        }
    // A small sheet of its own a hair above the first, painted to a bone
    // far away: merged places never join two parts, so the first sheet
    // beneath it keeps its own weights.
    uint32_t small = static_cast<uint32_t>(skin.points.size());
    for (uint32_t j = 0; j < 10; ++j)
        for (uint32_t i = 0; i < 10; ++i) skin.points.push_back({100.5f + i, 0.3f, 100.5f + j});
    for (uint32_t j = 0; j + 1 < 10; ++j)
        for (uint32_t i = 0; i + 1 < 10; ++i) {
            uint32_t a = small + j * 10 + i;
            skin.triangles.insert(skin.triangles.end(), {a, a + 1, a + 11, a, a + 11, a + 10});
        }
    std::vector<BoneSegment> bones = {{{0, 5, 0}, {200, 5, 0}}, {{300, 5, 200}, {499, 5, 249}}, {{1e4, 0, 0}, {1e4, 1, 0}}};
    std::vector<Influences> painted(skin.points.size());
    for (uint32_t p = small; p < skin.points.size(); ++p) painted[p].bone[0] = 2, painted[p].weight[0] = 1;
    HeatOutcome outcome = Weigh(skin, bones, painted);
    ExpectWellFormed(outcome, skin.points.size(), 3, "sheet");
    EXPECT_LE(outcome.solvedPoints, 50000u);
    EXPECT_EQ(WeightOf(outcome.influences[0], 0), 1.0);
    EXPECT_EQ(WeightOf(outcome.influences[small - 1], 1), 1.0);
    for (uint32_t p = small; p < skin.points.size(); ++p) EXPECT_EQ(WeightOf(outcome.influences[p], 2), 1.0) << p;
    EXPECT_EQ(WeightOf(outcome.influences[105 * across + 105], 2), 0.0);
}

// Past the size one solve takes, a skin is simplified for the solve: a
// tube of two bones weighs ring by ring as the same tube drawn with fewer
// points. Left out of the slow runs (sanitizers, wine), which set
// VEXIL_LEAVE_OUT_LARGE_MESHES.
TEST(BoneHeat, aSkinPastWhatOneSolveTakesWeighsAsTheSameSkinBelowIt) {
    if (std::getenv("VEXIL_LEAVE_OUT_LARGE_MESHES") != nullptr) GTEST_SKIP() << "a large mesh, left out of this run";
    const std::vector<BoneSegment> bones = {{{0, 0, 0}, {0, 1, 0}}, {{0, 1, 0}, {0, 2, 0}}};
    // Rings every 1/20 of a bone in the coarse tube, every 1/200 in the fine.
    std::vector<std::vector<double>> rings;
    for (int finer : {1, 10}) {
        Skin skin;
        AddTube(skin, {{0, 0, 0}, {0, 1, 0}, {0, 2, 0}}, 0.2f, 16 * finer, 20 * finer);
        HeatOutcome outcome = Weigh(skin, bones, {}, {-1, 0});
        ExpectWellFormed(outcome, skin.points.size(), bones.size(), finer == 1 ? "coarse" : "fine");
        if (!outcome.solved) return;
        if (finer > 1) {
            EXPECT_GT(skin.points.size(), 50000u);
            EXPECT_LE(outcome.solvedPoints, 50000u);
        }
        rings.emplace_back();
        for (size_t ring = 0; ring <= 40; ++ring) rings.back().push_back(RingWeight(outcome, ring * finer, 1, 16 * finer));
    }
    for (size_t ring = 0; ring <= 40; ++ring) EXPECT_NEAR(rings[1][ring], rings[0][ring], 0.05) << "at " << ring / 20.0;
}

// A place sees a bone when the segment to it crosses no skin, or leaves the
// skin only near the bone: a jaw's bone lying a little above the jaw, in
// the gap of the mouth, warms the jaw's underside; a bone held across a
// gap, or inside another fold of skin, does not. The same whichever way
// round the faces turn.
TEST(HeatSources, aBoneJustOutsideTheSkinIsSeenFromTheSkinBeneathIt) {
    using namespace vexil_host;
    const float radius = 0.2f;
    struct Row {
        const char *what;
        double height;   // of the bone above the jaw's middle
        bool fold;       // another fold of skin around the bone
        bool seen;
    };
    for (const Row &row : {Row{"a jaw's bone a little above the jaw", 1.2 * radius, false, true},
                           Row{"a bone held across a gap", 3.0 * radius, false, false},
                           Row{"a bone inside another fold of skin just above", 1.4 * radius, true, false}})
        for (bool turned : {false, true}) {
            Skin skin;
            AddTube(skin, {{0, 0, 0}, {1, 0, 0}}, radius, 8, 6);
            const size_t jaw = skin.points.size();
            if (row.fold) AddTube(skin, {{0, 1.4f * radius, 0}, {1, 1.4f * radius, 0}}, 0.25f * radius, 8, 6);
            if (turned)
                for (size_t t = 0; t < skin.triangles.size(); t += 3) std::swap(skin.triangles[t + 1], skin.triangles[t + 2]);
            const std::vector<BoneSegment> bones = {{{0.2, row.height, 0}, {0.8, row.height, 0}}};
            Places places = SolvedPlaces(skin.points, skin.triangles, 50000);
            const size_t count = places.position.size();
            TriangleTree tree(places.position, places.triangles);
            const Outside outside = OutsideOf(places, tree);
            RigShape shape = ShapeOfRig(bones, TreeOf(1, {-1}), {false}, {true});
            const std::vector<uint32_t> partOf(count, 0);
            const HeatSources heat = Warm(places, outside, tree, bones, shape, PartBones{{{}}}, partOf,
                                          std::vector<bool>(count, false), 1, false, 1);
            int checked = 0;
            for (size_t p = 0; p < jaw; ++p) {
                const Point &q = skin.points[p];
                if (q[1] > -0.9f * radius || q[0] < 0.3f || q[0] > 0.7f) continue;
                ++checked;
                EXPECT_EQ(heat.strength[places.placeOf[p]] > 0, row.seen)
                    << row.what << (turned ? ", faces turned," : "") << " point " << p << " under the jaw";
            }
            EXPECT_GE(checked, 3) << row.what;
        }
}

// A large skin's heat sources are found in pieces side by side; the pieces
// must give the very heat one piece gives, whatever their count: more
// pieces than places, empty pieces, painted places and places that see no
// bone among them.
TEST(HeatSources, areTheSameInAnyNumberOfPieces) {
    using namespace vexil_host;
    Skin skin;
    AddTube(skin, {{0, 0, 0}, {0, 1, 0}, {0, 2, 0}}, 0.3f);
    AddTube(skin, {{0, 2, 0}, {0.5f, 2.2f, 0}, {1, 2.4f, 0}, {1.5f, 2.6f, 0}, {2, 2.8f, 0}, {2.5f, 3, 0}}, 0.1f, 6, 2);
    AddTube(skin, {{-0.2f, 0, 0}, {-0.3f, -1, 0}}, 0.12f, 6, 3);
    AddTube(skin, {{0.2f, 0, 0}, {0.3f, -1, 0}}, 0.12f, 6, 3);
    // A small sheet behind a wall: it sees no bone.
    const uint32_t sheet = static_cast<uint32_t>(skin.points.size());
    for (uint32_t j = 0; j < 4; ++j)
        for (uint32_t i = 0; i < 4; ++i) skin.points.push_back({-0.3f + 0.2f * i, 0.7f + 0.2f * j, -2});
    for (uint32_t j = 0; j + 1 < 4; ++j)
        for (uint32_t i = 0; i + 1 < 4; ++i) {
            uint32_t a = sheet + j * 4 + i;
            skin.triangles.insert(skin.triangles.end(), {a, a + 1, a + 5, a, a + 5, a + 4});
        }
    const uint32_t wall = static_cast<uint32_t>(skin.points.size());
    skin.points.insert(skin.points.end(), {{-9, -9, -1}, {9, -9, -1}, {9, 9, -1}, {-9, 9, -1}});
    skin.triangles.insert(skin.triangles.end(), {wall, wall + 1, wall + 2, wall, wall + 2, wall + 3});
    const std::vector<BoneSegment> bones = {
        {{0, 0, 0}, {0, 1, 0}},         {{0, 1, 0}, {0, 2, 0}},         {{0, 2, 0}, {0.5, 2.2, 0}},
        {{0.5, 2.2, 0}, {1, 2.4, 0}},   {{1, 2.4, 0}, {1.5, 2.6, 0}},   {{1.5, 2.6, 0}, {2, 2.8, 0}},
        {{2, 2.8, 0}, {2.5, 3, 0}},     {{-0.2, 0, 0}, {-0.3, -1, 0}},  {{0.2, 0, 0}, {0.3, -1, 0}}};
    const std::vector<int32_t> parents = {-1, 0, 1, 2, 3, 4, 5, 0, 0};

    Places places = SolvedPlaces(skin.points, skin.triangles, 50000);
    const size_t count = places.position.size();
    Laplacian laplacian = Cotangents(places);
    UnionFind joined(count);
    for (const Laplacian::Edge &edge : laplacian.edges) joined.Join(edge.a, edge.b);
    uint32_t parts = 0;
    std::vector<uint32_t> partOf = joined.Numbered(parts);
    TriangleTree tree(places.position, places.triangles);
    const Outside outside = OutsideOf(places, tree);
    EnclosingParts enclosing(places, partOf, parts, tree, 10);
    const RigTree rig = TreeOf(bones.size(), parents);
    const std::vector<std::vector<uint32_t>> partsAround = PartsAroundBones(enclosing, bones);
    const std::vector<bool> inside = InsideTheSkin(partsAround);
    RigShape shape = ShapeOfRig(bones, rig, HandleBones(enclosing, bones, rig, inside), inside);
    ASSERT_TRUE(shape.chain[4].inChain) << "the tail is a chain";
    PartBones partBones = WrappedBones(partsAround, parts, rig);
    std::vector<bool> fixed(count, false);
    for (size_t place = 0; place < count; place += 7) fixed[place] = true;

    for (bool ignoreVisibility : {false, true}) {
        const HeatSources whole =
            Warm(places, outside, tree, bones, shape, partBones, partOf, fixed, 4, ignoreVisibility, 1);
        ASSERT_EQ(whole.strength.size(), count);
        if (!ignoreVisibility) {
            for (uint32_t point = sheet; point < sheet + 16; ++point)
                EXPECT_EQ(whole.strength[places.placeOf[point]], 0.0) << "the sheet's places see no bone";
        }
        for (size_t pieces : {size_t{2}, size_t{3}, size_t{7}, count + 3}) {
            const HeatSources split =
                Warm(places, outside, tree, bones, shape, partBones, partOf, fixed, 4, ignoreVisibility, pieces);
            EXPECT_EQ(split.strength, whole.strength) << pieces << " pieces";
            EXPECT_EQ(split.first, whole.first) << pieces << " pieces";
            EXPECT_EQ(split.shares, whole.shares) << pieces << " pieces";
        }
    }
}

}  // namespace

namespace {

using vexil_host::Point3;

// The searches against looking at everything, on random clouds: small and
// large, spread and clumped, with repeated points.
TEST(SearchTrees, agreeWithLookingAtEverything) {
    std::mt19937 random(5);
    std::uniform_real_distribution<double> unit(-1, 1);
    for (int round = 0; round < 20; ++round) {
        size_t count = 1 + random() % (round < 10 ? 20 : 2000);
        double spread = round % 2 ? 1 : 1e-3;
        std::vector<Point3> points(count);
        for (Point3 &p : points) p = {unit(random) * spread, unit(random), unit(random)};
        if (count > 2) points[1] = points[0];

        // Nearest point: the lowest number among the equally near.
        std::vector<uint32_t> members(count);
        for (uint32_t i = 0; i < count; ++i) members[i] = i;
        vexil_host::PointTree tree(points, members);
        for (int q = 0; q < 100; ++q) {
            Point3 at = q % 10 == 0 ? points[random() % count] : Point3{unit(random), unit(random), unit(random)};
            uint32_t best = 0;
            double bestDistance = INFINITY;
            for (uint32_t i = 0; i < count; ++i) {
                double d = 0;
                for (int k = 0; k < 3; ++k) d += (points[i][k] - at[k]) * (points[i][k] - at[k]);
                if (d < bestDistance) bestDistance = d, best = i;
            }
            EXPECT_EQ(tree.Nearest(at), best) << "round " << round;
        }

        // Segments through triangles made of the points.
        std::vector<uint32_t> triangles;
        for (size_t t = 0; t < count / 3; ++t)
            triangles.insert(triangles.end(), {static_cast<uint32_t>(3 * t), static_cast<uint32_t>(3 * t + 1),
                                               static_cast<uint32_t>(3 * t + 2)});
        // Every crossing, and where along the segment: the tree against
        // each triangle in a tree of its own.
        vexil_host::TriangleTree triangleTree(points, triangles);
        for (int q = 0; q < 100; ++q) {
            Point3 from = {unit(random), unit(random), unit(random)}, to = {unit(random), unit(random), unit(random)};
            std::map<uint32_t, double> wanted, found;
            for (uint32_t t = 0; t < triangles.size() / 3; ++t) {
                std::vector<Point3> one = {points[triangles[3 * t]], points[triangles[3 * t + 1]], points[triangles[3 * t + 2]]};
                std::vector<uint32_t> corners = {0, 1, 2};
                vexil_host::TriangleTree(one, corners).ForEachCrossing(from, to, 1e-4, [&](uint32_t, double along) {
                    // The crossing lies in the triangle's plane.
                    Point3 at, u, v;
                    for (int k = 0; k < 3; ++k)
                        at[k] = from[k] + along * (to[k] - from[k]) - one[0][k], u[k] = one[1][k] - one[0][k],
                        v[k] = one[2][k] - one[0][k];
                    Point3 n = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
                    EXPECT_NEAR((at[0] * n[0] + at[1] * n[1] + at[2] * n[2]) / std::hypot(n[0], n[1], n[2]), 0, 1e-9)
                        << "round " << round << ": triangle " << t;
                    wanted[t] = along;
                    return true;
                });
            }
            triangleTree.ForEachCrossing(from, to, 1e-4, [&](uint32_t t, double along) {
                EXPECT_EQ(found.count(t), 0u) << "round " << round << ": triangle " << t << " crossed twice";
                found[t] = along;
                return true;
            });
            EXPECT_EQ(found, wanted) << "round " << round;
        }
    }
}

}  // namespace
