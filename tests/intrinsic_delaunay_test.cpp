// The skin's Laplacian is built on intrinsic Delaunay triangles: whatever
// thin triangles a mesh is made of, no edge weight is negative, and on a
// flat skin heat spreads as on the plane.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "weights/cotangent_laplacian.h"
#include "weights/intrinsic_delaunay.h"

namespace {

using vexil_host::Places;
using vexil_host::Point3;

double AreaOf(const Point3 &a, const Point3 &b, const Point3 &c) {
    Point3 u = {b[0] - a[0], b[1] - a[1], b[2] - a[2]}, v = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
    return 0.5 * std::hypot(u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]);
}

double AreaOfSides(std::array<double, 3> s) {
    double p = (s[0] + s[1] + s[2]) / 2;
    return std::sqrt(std::max(0.0, p * (p - s[0]) * (p - s[1]) * (p - s[2])));
}

// Triangles between two rows of places along x, the two rows' points
// met in order of x.
void Strip(Places &places, uint32_t lowFirst, uint32_t lowCount, uint32_t highFirst, uint32_t highCount) {
    uint32_t i = 0, j = 0;
    while (i + 1 < lowCount || j + 1 < highCount) {
        bool lowNext = j + 1 >= highCount ||
                       (i + 1 < lowCount && places.position[lowFirst + i + 1][0] <= places.position[highFirst + j + 1][0]);
        if (lowNext) {
            places.triangles.insert(places.triangles.end(), {lowFirst + i, lowFirst + i + 1, highFirst + j});
            ++i;
        } else {
            places.triangles.insert(places.triangles.end(), {lowFirst + i, highFirst + j + 1, highFirst + j});
            ++j;
        }
    }
}

// A flat band of needles: a dense row of points between two sparse ones,
// so most triangles have an angle near a half turn.
Places Needles() {
    Places places;
    const uint32_t sparse = 4, dense = 24;
    for (uint32_t i = 0; i < sparse; ++i) places.position.push_back({10.0 * i / (sparse - 1), 0, 0});
    // Spaced unevenly, so that no four places lie on one circle.
    for (uint32_t i = 0; i < dense; ++i) places.position.push_back({10.0 * std::pow(i / (dense - 1.0), 1.3), 0.3, 0});
    for (uint32_t i = 0; i < sparse; ++i) places.position.push_back({10.0 * i / (sparse - 1), 0.6, 0});
    Strip(places, 0, sparse, sparse, dense);
    Strip(places, sparse, dense, sparse + dense, sparse);
    return places;
}

// A flat grid whose inner points are jittered (never so far that a
// triangle turns over) and whose squares are cut along either diagonal at
// random.
Places JitteredGrid(uint32_t seed) {
    Places places;
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> jitter(-0.3, 0.3);
    std::bernoulli_distribution cut(0.5);
    const int n = 9;
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            bool inner = x > 0 && y > 0 && x + 1 < n && y + 1 < n;
            places.position.push_back({x + (inner ? jitter(random) : 0), y + (inner ? jitter(random) : 0), 0});
        }
    for (int y = 0; y + 1 < n; ++y)
        for (int x = 0; x + 1 < n; ++x) {
            uint32_t a = static_cast<uint32_t>(y * n + x), b = a + 1, c = a + n, d = c + 1;
            if (cut(random))
                places.triangles.insert(places.triangles.end(), {a, b, d, a, d, c});
            else
                places.triangles.insert(places.triangles.end(), {a, b, c, b, d, c});
        }
    return places;
}

// A closed tube of long rings: each ring's quadrangles cut into needles.
Places LongTube() {
    Places places;
    const int sides = 12, rings = 4;
    for (int r = 0; r < rings; ++r)
        for (int s = 0; s < sides; ++s) {
            double angle = 2 * 3.14159265358979323846 * s / sides;
            places.position.push_back({0.1 * std::cos(angle), 2.0 * r, 0.1 * std::sin(angle)});
        }
    for (int r = 0; r + 1 < rings; ++r)
        for (int s = 0; s < sides; ++s) {
            uint32_t a = static_cast<uint32_t>(r * sides + s), b = static_cast<uint32_t>(r * sides + (s + 1) % sides);
            uint32_t c = a + sides, d = b + sides;
            places.triangles.insert(places.triangles.end(), {a, b, d, a, d, c});
        }
    return places;
}

TEST(IntrinsicDelaunay, leavesNoEdgeNegativeKeepsTheAreaAndSpreadsHeatAsOnThePlane) {
    struct Row {
        std::string what;
        Places places;
        bool flat;
    };
    std::vector<Row> rows = {{"needles in a strip", Needles(), true},
                             {"a jittered grid, cut at random", JitteredGrid(7), true},
                             {"another jittered grid", JitteredGrid(11), true},
                             {"a tube of long rings", LongTube(), false}};
    for (const Row &row : rows) {
        const Places &places = row.places;
        double area = 0;
        for (size_t t = 0; t < places.triangles.size(); t += 3)
            area += AreaOf(places.position[places.triangles[t]], places.position[places.triangles[t + 1]],
                           places.position[places.triangles[t + 2]]);
        vexil_host::IntrinsicTriangles intrinsic = vexil_host::IntrinsicDelaunay(places);
        ASSERT_EQ(intrinsic.corners.size(), places.triangles.size()) << row.what;
        double intrinsicArea = 0;
        for (const auto &sides : intrinsic.lengths) intrinsicArea += AreaOfSides(sides);
        EXPECT_NEAR(intrinsicArea, area, 1e-9 * area) << row.what;

        // Every edge two triangles share: the angles facing it sum to at
        // most a half turn, so its cotangent weight is not negative.
        std::map<std::pair<uint32_t, uint32_t>, std::vector<double>> facing;
        for (size_t t = 0; t < intrinsic.lengths.size(); ++t)
            for (int k = 0; k < 3; ++k) {
                uint32_t a = intrinsic.corners[3 * t + (k + 1) % 3], b = intrinsic.corners[3 * t + (k + 2) % 3];
                const auto &l = intrinsic.lengths[t];
                double c = l[(k + 1) % 3], d = l[(k + 2) % 3];
                facing[{std::min(a, b), std::max(a, b)}].push_back((c * c + d * d - l[k] * l[k]) / (4 * AreaOfSides(l)));
            }
        for (const auto &[edge, cotangents] : facing) {
            if (cotangents.size() != 2) continue;
            EXPECT_GE(cotangents[0] + cotangents[1], -1e-9) << row.what << " edge " << edge.first << "-" << edge.second;
        }
        vexil_host::Laplacian laplacian = vexil_host::Cotangents(places);
        double areas = 0;
        for (double a : laplacian.area) areas += a;
        EXPECT_NEAR(areas, area, 1e-9 * area) << row.what;
        if (!row.flat) continue;
        // On a flat skin the Laplacian of a linear function is nothing at
        // every inner place: no edge weight may be held at its floor.
        std::vector<std::array<double, 2>> sum(places.position.size(), {0, 0});
        for (const auto &edge : laplacian.edges)
            for (int k = 0; k < 2; ++k) {
                double along = places.position[edge.b][k] - places.position[edge.a][k];
                sum[edge.a][k] += edge.weight * along;
                sum[edge.b][k] -= edge.weight * along;
            }
        double lowY = 0, highY = 0, highX = 0;
        for (const Point3 &p : places.position) highX = std::max(highX, p[0]), highY = std::max(highY, p[1]);
        for (size_t i = 0; i < places.position.size(); ++i) {
            const Point3 &p = places.position[i];
            bool border = p[0] < 1e-9 || p[0] > highX - 1e-9 || p[1] < lowY + 1e-9 || p[1] > highY - 1e-9;
            if (border) continue;
            EXPECT_NEAR(sum[i][0], 0, 1e-9) << row.what << " place " << i;
            EXPECT_NEAR(sum[i][1], 0, 1e-9) << row.what << " place " << i;
        }
    }
}

}  // namespace
