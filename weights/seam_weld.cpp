#include "weights/seam_weld.h"

#include <algorithm>
#include <cstring>

#include "weights/grid_groups.h"
#include "weights/union_find.h"

namespace vexil_host {

namespace {

uint32_t Bits(double value) {
    float narrow = static_cast<float>(value);
    if (narrow == 0) narrow = 0;  // -0 and 0 are one place
    uint32_t bits;
    std::memcpy(&bits, &narrow, sizeof bits);
    return bits;
}

uint64_t PairKey(uint32_t a, uint32_t b) { return static_cast<uint64_t>(std::min(a, b)) << 32 | std::max(a, b); }

// One use of an edge by a triangle: the places at its ends, then its points.
struct EdgeUse {
    uint64_t places, points;
    uint32_t from, to;
    bool operator<(const EdgeUse &other) const {
        return places != other.places ? places < other.places : points < other.points;
    }
};

}  // namespace

std::vector<uint32_t> WeldSeams(const std::vector<Point3> &points, const std::vector<uint32_t> &triangles,
                                uint32_t &groups) {
    std::vector<GroupKey> keys(points.size());
    for (size_t i = 0; i < points.size(); ++i) keys[i] = {Bits(points[i][0]), Bits(points[i][1]), Bits(points[i][2]), 0};
    uint32_t places = 0;
    std::vector<uint32_t> placeOf = GroupKeys(keys, places);

    std::vector<EdgeUse> uses;
    uses.reserve(triangles.size());
    for (size_t t = 0; t + 2 < triangles.size(); t += 3)
        for (size_t corner = 0; corner < 3; ++corner) {
            uint32_t from = triangles[t + corner], to = triangles[t + (corner + 1) % 3];
            if (placeOf[from] == placeOf[to]) continue;
            uses.push_back({PairKey(placeOf[from], placeOf[to]), PairKey(from, to), from, to});
        }
    std::sort(uses.begin(), uses.end());

    UnionFind joined(points.size());
    for (size_t first = 0; first < uses.size();) {
        size_t end = first + 1;
        while (end < uses.size() && uses[end].places == uses[first].places) ++end;
        // Two uses of different point pairs, each used once: a seam.
        if (end - first == 2 && uses[first].points != uses[first + 1].points) {
            const EdgeUse &a = uses[first], &b = uses[first + 1];
            bool sameWay = placeOf[a.from] == placeOf[b.from];
            joined.Join(a.from, sameWay ? b.from : b.to);
            joined.Join(a.to, sameWay ? b.to : b.from);
        }
        first = end;
    }
    std::vector<uint32_t> groupOf(points.size());
    std::vector<uint32_t> numberOfRoot(points.size(), UINT32_MAX);
    groups = 0;
    for (uint32_t i = 0; i < points.size(); ++i) {
        uint32_t root = joined.Find(i);
        if (numberOfRoot[root] == UINT32_MAX) numberOfRoot[root] = groups++;
        groupOf[i] = numberOfRoot[root];
    }
    return groupOf;
}

}  // namespace vexil_host
