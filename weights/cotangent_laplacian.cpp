#include "weights/cotangent_laplacian.h"

#include <algorithm>
#include <cmath>

#include "weights/intrinsic_delaunay.h"

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
    const IntrinsicTriangles intrinsic = IntrinsicDelaunay(places);
    for (size_t t = 0; t < intrinsic.lengths.size(); ++t) {
        const uint32_t *corner = &intrinsic.corners[3 * t];
        const std::array<double, 3> &side = intrinsic.lengths[t];
        const double area = AreaOfSides(side);
        for (int i = 0; i < 3; ++i) {
            // The angle at corner i faces the edge between the other two; a
            // triangle of no area still joins its corners, at the least weight.
            uint32_t from = corner[(i + 1) % 3], to = corner[(i + 2) % 3];
            halves.push_back({std::min(from, to), std::max(from, to), CotangentFacing(side, i, area) / 2});
        }
        if (area > 0) {
            for (int i = 0; i < 3; ++i) laplacian.area[corner[i]] += area / 3;
            areaSum += area;
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
