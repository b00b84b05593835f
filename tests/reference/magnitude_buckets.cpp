#include "reference/magnitude_buckets.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "rig_check/place_index.h"

namespace {

constexpr int kZeroLevel = INT32_MIN;

// The magnitude lies in [2^level, 2^(level + 1)).
int LevelOf(const Vec3 &p) {
    double magnitude = Magnitude(p);
    if (magnitude == 0) return kZeroLevel;
    int exponent;
    std::frexp(magnitude, &exponent);
    return exponent - 1;
}

uint64_t Key(int level, const Vec3 &p, int dx, int dy, int dz) {
    int64_t x = 0, y = 0, z = 0;
    if (level != kZeroLevel) {
        double cell = kPlaceTolerance * std::ldexp(1.0, level + 1);
        x = static_cast<int64_t>(std::floor(p.x / cell)) + dx;
        y = static_cast<int64_t>(std::floor(p.y / cell)) + dy;
        z = static_cast<int64_t>(std::floor(p.z / cell)) + dz;
    }
    uint64_t key = static_cast<uint64_t>(static_cast<int64_t>(level)) * 0xD6E8FEB86659FD93ull;
    key ^= static_cast<uint64_t>(x) * 0x9E3779B97F4A7C15ull + (key << 6) + (key >> 2);
    key ^= static_cast<uint64_t>(y) * 0xC2B2AE3D27D4EB4Full + (key << 6) + (key >> 2);
    key ^= static_cast<uint64_t>(z) * 0x165667B19E3779F9ull + (key << 6) + (key >> 2);
    return key;
}

}  // namespace

MagnitudeBuckets::MagnitudeBuckets(const std::vector<Vec3> &positions) : positions_(positions) {
    for (size_t i = 0; i < positions.size(); ++i) cells_[Key(LevelOf(positions[i]), positions[i], 0, 0, 0)].push_back(i);
}

std::vector<size_t> MagnitudeBuckets::At(const Vec3 &position) const {
    std::vector<size_t> found;
    auto consider = [&](uint64_t key) {
        auto cell = cells_.find(key);
        if (cell == cells_.end()) return;
        // Cells whose keys collide share a bucket; SamePlace sorts them out.
        for (size_t i : cell->second)
            if (SamePlace(positions_[i], position)) found.push_back(i);
    };
    int level = LevelOf(position);
    if (level == kZeroLevel) {
        consider(Key(level, position, 0, 0, 0));
    } else {
        double magnitude = Magnitude(position);
        for (int near = level - 1; near <= level + 1; ++near) {
            // A neighbouring level holds matches only for a position at its edge.
            if (near < level && magnitude > std::ldexp(1.0, level) * (1 + 4 * kPlaceTolerance)) continue;
            if (near > level && magnitude < std::ldexp(1.0, level + 1) * (1 - 4 * kPlaceTolerance)) continue;
            int reach = near < level ? 2 : 1;  // cells of a lower level are narrower
            for (int dx = -reach; dx <= reach; ++dx)
                for (int dy = -reach; dy <= reach; ++dy)
                    for (int dz = -reach; dz <= reach; ++dz) consider(Key(near, position, dx, dy, dz));
        }
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}
