#include "weights/grid_groups.h"

#include <algorithm>
#include <cmath>

namespace vexil_host {

std::vector<uint32_t> GroupKeys(const std::vector<GroupKey> &keys, uint32_t &groups) {
    // An open-addressing table, since a million points are common.
    size_t capacity = 16;
    while (capacity < 2 * keys.size()) capacity *= 2;
    std::vector<uint32_t> slot(capacity, UINT32_MAX);  // the first key of the group there
    std::vector<uint32_t> groupOf(keys.size());
    groups = 0;
    for (uint32_t i = 0; i < keys.size(); ++i) {
        uint64_t hash = 1469598103934665603ull;
        for (uint32_t word : keys[i]) hash = (hash ^ word) * 1099511628211ull;
        size_t at = static_cast<size_t>(hash ^ (hash >> 29)) & (capacity - 1);
        while (slot[at] != UINT32_MAX && keys[slot[at]] != keys[i]) at = (at + 1) & (capacity - 1);
        if (slot[at] == UINT32_MAX) {
            slot[at] = i;
            groupOf[i] = groups++;
        } else {
            groupOf[i] = groupOf[slot[at]];
        }
    }
    return groupOf;
}

std::vector<uint32_t> GridGroups(const std::vector<Point3> &places, const std::vector<uint32_t> &apart, size_t goal,
                                 uint32_t &groups) {
    Point3 low = {INFINITY, INFINITY, INFINITY}, high = {-INFINITY, -INFINITY, -INFINITY};
    for (const Point3 &p : places)
        for (int k = 0; k < 3; ++k) low[k] = std::min(low[k], p[k]), high[k] = std::max(high[k], p[k]);
    double extent = std::max({high[0] - low[0], high[1] - low[1], high[2] - low[2]});
    if (!(extent > 0)) extent = 1;
    // A surface's places fall as the square of the cube's side.
    double side = extent / std::sqrt(static_cast<double>(goal));
    std::vector<GroupKey> cells(places.size());
    std::vector<uint32_t> groupOf;
    size_t before = places.size();
    for (int attempt = 0; attempt < 64; ++attempt) {
        for (size_t i = 0; i < places.size(); ++i) {
            for (int k = 0; k < 3; ++k)
                cells[i][static_cast<size_t>(k)] =
                    static_cast<uint32_t>(static_cast<int64_t>(std::floor((places[i][k] - low[k]) / side)));
            cells[i][3] = apart.empty() ? 0 : apart[i];
        }
        groupOf = GroupKeys(cells, groups);
        if (groups <= goal || (!apart.empty() && groups > before - before / 20)) break;
        before = groups;
        side *= std::max(1.1, std::sqrt(static_cast<double>(groups) / static_cast<double>(goal)) * 1.05);
    }
    return groupOf;
}

}  // namespace vexil_host
