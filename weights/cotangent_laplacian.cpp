#include "weights/cotangent_laplacian.h"

#include <algorithm>
#include <cmath>

namespace vexil_host {

namespace {

constexpr double kLeastEdgeWeight = 1e-3, kMostEdgeWeight = 1e3;

}  // namespace

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

}  // namespace vexil_host
