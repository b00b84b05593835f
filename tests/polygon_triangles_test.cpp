#include <array>
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "file_formats/mesh_file.h"
#include "weights/polygon_triangles.h"

using vexil_host::TriangulatePolygon;

namespace {

using Point = std::array<float, 3>;
using Vector = std::array<double, 3>;

Vector Cross(const Point &a, const Point &b, const Point &c) {
    Vector u, v;
    for (int k = 0; k < 3; ++k) u[k] = static_cast<double>(b[k]) - a[k], v[k] = static_cast<double>(c[k]) - a[k];
    return {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
}

double Dot(const Vector &a, const Vector &b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

// Twice the polygon's area, along its own normal (Newell's).
Vector TwiceArea(const std::vector<Point> &corners) {
    Vector sum = {0, 0, 0};
    for (size_t i = 1; i + 1 < corners.size(); ++i) {
        Vector c = Cross(corners[0], corners[i], corners[i + 1]);
        for (int k = 0; k < 3; ++k) sum[k] += c[k];
    }
    return sum;
}

// A polygon in the plane z = 0 from (x, y) pairs, turned into another plane
// by swapping axes when `plane` is 1 (x = 0) or 2 (y = 0).
std::vector<Point> Flat(const std::vector<std::array<float, 2>> &xy, int plane = 0) {
    std::vector<Point> corners;
    for (const auto &p : xy) {
        Point corner = {p[0], p[1], 0};
        if (plane == 1) corner = {0, p[0], p[1]};
        if (plane == 2) corner = {p[1], 0, p[0]};
        corners.push_back(corner);
    }
    return corners;
}

// The polygon's triangles all turn its way and add up to its area, so they
// cover it without overlap.
void ExpectCovered(const std::vector<Point> &corners, const std::string &what) {
    std::vector<uint32_t> triangles(3 * (corners.size() - 2), UINT32_MAX);
    TriangulatePolygon(corners.data(), corners.size(), triangles.data());
    Vector normal = TwiceArea(corners);
    double covered = 0, whole = std::sqrt(Dot(normal, normal));
    for (size_t t = 0; t < triangles.size(); t += 3) {
        for (size_t k = 0; k < 3; ++k) ASSERT_LT(triangles[t + k], corners.size()) << what;
        Vector turn = Cross(corners[triangles[t]], corners[triangles[t + 1]], corners[triangles[t + 2]]);
        EXPECT_GT(Dot(turn, normal), 0) << what << ": triangle " << t / 3 << " turns against the polygon";
        covered += Dot(turn, normal) / whole;
    }
    EXPECT_NEAR(covered, whole, 1e-5 * whole) << what;
}

TEST(PolygonTriangles, coverConcavePolygonsTurningTheirWay) {
    const struct {
        const char *what;
        std::vector<Point> corners;
    } cases[] = {
        {"convex pentagon", Flat({{0, 0}, {2, 0}, {3, 1}, {1, 3}, {-1, 1}})},
        {"quadrangle concave at corner 0", Flat({{1, 1}, {0, 3}, {-2, -2}, {3, 0}})},
        {"quadrangle concave at corner 1", Flat({{3, 0}, {1, 1}, {0, 3}, {-2, -2}})},
        {"quadrangle concave at corner 2", Flat({{-2, -2}, {3, 0}, {1, 1}, {0, 3}})},
        {"quadrangle concave at corner 3", Flat({{0, 3}, {-2, -2}, {3, 0}, {1, 1}})},
        {"L", Flat({{0, 0}, {3, 0}, {3, 1}, {1, 1}, {1, 3}, {0, 3}})},
        {"U", Flat({{0, 0}, {3, 0}, {3, 3}, {2, 3}, {2, 1}, {1, 1}, {1, 3}, {0, 3}})},
        {"star", Flat({{0, 3}, {0.7f, 1}, {2.8f, 0.9f}, {1.1f, -0.4f}, {1.8f, -2.4f}, {0, -1.2f}, {-1.8f, -2.4f},
                       {-1.1f, -0.4f}, {-2.8f, 0.9f}, {-0.7f, 1}})},
        {"U listed the other way round", Flat({{0, 3}, {1, 3}, {1, 1}, {2, 1}, {2, 3}, {3, 3}, {3, 0}, {0, 0}})},
        {"U facing x", Flat({{0, 0}, {3, 0}, {3, 3}, {2, 3}, {2, 1}, {1, 1}, {1, 3}, {0, 3}}, 1)},
        {"U facing y", Flat({{0, 0}, {3, 0}, {3, 3}, {2, 3}, {2, 1}, {1, 1}, {1, 3}, {0, 3}}, 2)},
        // A reflex corner lying on a diagonal: the triangle across that
        // diagonal would overlap the rest, or leave one of no area.
        {"dent, its reflex corner on a diagonal", Flat({{0, 0}, {4, 0}, {4, 4}, {2, 2}, {0, 4}})},
        {"L, its reflex corner on a diagonal", Flat({{0, 0}, {4, 0}, {4, 2}, {2, 2}, {2, 4}, {0, 4}})},
        {"step, its reflex corner on a diagonal", Flat({{0, 0}, {2, 0}, {2, 1}, {4, 1}, {4, 2}, {0, 2}})},
        {"three corners in a line", Flat({{1, 2}, {1, 3}, {1, 4}, {4, 0}, {0, 0}})},
        {"comb, slightly bent",
         {{0, 0, 0}, {5, 0, 0.1f}, {5, 2, 0}, {4, 2, 0.05f}, {4, 1, 0}, {3, 1, 0}, {3, 2, 0.02f}, {2, 2, 0},
          {2, 1, 0}, {1, 1, 0}, {1, 2, 0.01f}, {0, 2, 0}}},
    };
    for (const auto &c : cases) ExpectCovered(c.corners, c.what);
}

TEST(PolygonTriangles, coverTheConcavePolygonsOfAssimpsTestModels) {
    for (const char *file : {"/usr/share/assimp/models/LWO/LWO2/concave_polygon.lwo",
                             "/usr/share/assimp/models/OBJ/concave_polygon.obj"}) {
        size_t polygons = 0;
        for (const vexil_host::MeshObject &object : vexil_host::ReadMeshFile(file)) {
            const vexil_host::Mesh &mesh = *object.mesh;
            for (size_t polygon = 0; polygon < mesh.PolygonCount(); ++polygon) {
                std::vector<Point> corners;
                for (size_t v = 0; v < mesh.PolygonSize(polygon); ++v)
                    corners.push_back(mesh.points[mesh.PolygonVertices(polygon)[v]]);
                if (corners.size() < 4) continue;
                ExpectCovered(corners, file);
                ++polygons;
            }
        }
        EXPECT_GT(polygons, 0u) << file;
    }
}

TEST(PolygonTriangles, useEveryCornerOfPolygonsThatAreNotSimple) {
    const struct {
        const char *what;
        std::vector<Point> corners;
    } cases[] = {
        {"bow tie", Flat({{0, 0}, {2, 2}, {2, 0}, {0, 2}})},
        {"corners in a line", Flat({{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}})},
        {"one place", Flat({{1, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 1}})},
        {"crossing itself twice", Flat({{0, 0}, {4, 4}, {4, 0}, {0, 4}, {2, -1}, {2, 5}})},
        {"more corners than ears are cut for", [] {
             std::vector<std::array<float, 2>> circle;
             for (int i = 0; i < 1500; ++i)
                 circle.push_back({std::cos(i * 0.0041887902f), std::sin(i * 0.0041887902f)});
             return Flat(circle);
         }()},
    };
    for (const auto &c : cases) {
        std::vector<uint32_t> triangles(3 * (c.corners.size() - 2), UINT32_MAX);
        TriangulatePolygon(c.corners.data(), c.corners.size(), triangles.data());
        std::vector<int> uses(c.corners.size(), 0);
        for (uint32_t corner : triangles) {
            ASSERT_LT(corner, c.corners.size()) << c.what;
            ++uses[corner];
        }
        for (int use : uses) EXPECT_GT(use, 0) << c.what;
    }
}

}  // namespace
