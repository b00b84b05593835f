#include "weights/grid_groups.h"

#include <algorithm>
#include <cmath>

namespace vexil_host {

namespace {

size_t SlotOf(const GroupKey &key, size_t capacity) {
    uint64_t hash = 1469598103934665603ull;
    for (uint32_t word : key) hash = (hash ^ word) * 1099511628211ull;
    return static_cast<size_t>(hash ^ (hash >> 29)) & (capacity - 1);
}

}  // namespace

std::vector<uint32_t> GroupKeys(const std::vector<GroupKey> &keys, uint32_t &groups) {
    // An open-addressing table, since a million points are common.
    size_t capacity = 16;
    while (capacity < 2 * keys.size()) capacity *= 2;
    std::vector<uint32_t> slot(capacity, UINT32_MAX);  // the first key of the group there
    std::vector<uint32_t> groupOf(keys.size());
    groups = 0;
    // The table is far larger than the caches: each key's slot, and the
    // key already in it, are fetched ahead while earlier keys are placed.
    constexpr uint32_t kAhead = 8;
    size_t ahead[2 * kAhead];
    const uint32_t count = static_cast<uint32_t>(keys.size());
    for (uint32_t i = 0; i < std::min(2 * kAhead, count); ++i) {
        ahead[i] = SlotOf(keys[i], capacity);
        __builtin_prefetch(&slot[ahead[i]]);
    }
    for (uint32_t i = 0; i < count; ++i) {
        if (i + kAhead < count) {
            uint32_t first = slot[ahead[(i + kAhead) % (2 * kAhead)]];
            if (first != UINT32_MAX) __builtin_prefetch(&keys[first]), __builtin_prefetch(&groupOf[first]);
        }
        size_t at = ahead[i % (2 * kAhead)];
        if (i + 2 * kAhead < count) {
            ahead[i % (2 * kAhead)] = SlotOf(keys[i + 2 * kAhead], capacity);
            __builtin_prefetch(&slot[ahead[i % (2 * kAhead)]]);
        }
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
