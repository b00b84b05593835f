#include "weights/skin_places.h"

#include "weights/grid_groups.h"
#include "weights/seam_weld.h"
#include "weights/union_find.h"

namespace vexil_host {

namespace {

// Merges the points of each group, a place at their mean, and keeps the
// triangles whose corners fall on three places.
template <typename Point>
Places Merge(const std::vector<Point> &points, const std::vector<uint32_t> &triangles,
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

}  // namespace

Places SolvedPlaces(const std::vector<std::array<float, 3>> &points, const std::vector<uint32_t> &triangles,
                    size_t mostPlaces) {
    uint32_t groups = 0;
    std::vector<uint32_t> groupOf = WeldSeams(points, triangles, groups);
    Places welded = Merge(points, triangles, groupOf, groups);
    if (groups <= mostPlaces) return welded;

    UnionFind parts(groups);
    for (size_t t = 0; t < welded.triangles.size(); t += 3) {
        parts.Join(welded.triangles[t], welded.triangles[t + 1]);
        parts.Join(welded.triangles[t], welded.triangles[t + 2]);
    }
    std::vector<uint32_t> partOf(groups);
    for (uint32_t g = 0; g < groups; ++g) partOf[g] = parts.Find(g);
    uint32_t cellCount = 0;
    std::vector<uint32_t> cellOf = GridGroups(welded.position, partOf, mostPlaces, cellCount);
    Places merged = Merge(welded.position, welded.triangles, cellOf, cellCount);
    for (uint32_t &place : welded.placeOf) place = cellOf[place];
    merged.placeOf = std::move(welded.placeOf);
    return merged;
}

}  // namespace vexil_host
