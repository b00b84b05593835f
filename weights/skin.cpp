#include "weights/skin.h"

#include <algorithm>
#include <cmath>

#include "weights/polygon_triangles.h"

namespace vexil_host {

Skin PlanSkin(const Mesh &mesh, const std::vector<bool> &skeletonPolygon) {
    Skin skin;
    std::vector<uint8_t> used(mesh.points.size(), 0);
    size_t triangles = 0;
    for (size_t polygon = 0; polygon < mesh.PolygonCount(); ++polygon) {
        size_t size = mesh.PolygonSize(polygon);
        if (size < 3 || (polygon < skeletonPolygon.size() && skeletonPolygon[polygon])) continue;
        skin.polygons.push_back(static_cast<uint32_t>(polygon));
        triangles += size - 2;
        const uint32_t *vertices = mesh.PolygonVertices(polygon);
        for (size_t v = 0; v < size; ++v) used[vertices[v]] = 1;
    }
    skin.vertexOf.assign(mesh.points.size(), UINT32_MAX);
    skin.points.reserve(mesh.points.size());
    std::array<float, 3> low = {INFINITY, INFINITY, INFINITY}, high = {-INFINITY, -INFINITY, -INFINITY};
    for (uint32_t point = 0; point < mesh.points.size(); ++point) {
        if (!used[point]) continue;
        skin.vertexOf[point] = static_cast<uint32_t>(skin.points.size());
        skin.points.push_back(point);
        for (int k = 0; k < 3; ++k) {
            low[k] = std::min(low[k], mesh.points[point][k]);
            high[k] = std::max(high[k], mesh.points[point][k]);
        }
    }
    for (int k = 0; k < 3; ++k) skin.low[k] = low[k], skin.high[k] = high[k];

    skin.triangles.reserve(3 * triangles);
    std::vector<std::array<float, 3>> corners;
    std::vector<uint32_t> cut;
    for (uint32_t polygon : skin.polygons) {
        size_t size = mesh.PolygonSize(polygon);
        const uint32_t *vertices = mesh.PolygonVertices(polygon);
        corners.resize(size);
        for (size_t v = 0; v < size; ++v) corners[v] = mesh.points[vertices[v]];
        cut.resize(3 * (size - 2));
        TriangulatePolygon(corners.data(), size, cut.data());
        for (uint32_t corner : cut) skin.triangles.push_back(skin.vertexOf[vertices[corner]]);
    }
    return skin;
}

}  // namespace vexil_host
