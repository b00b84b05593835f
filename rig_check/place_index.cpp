#include "rig_check/place_index.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "rig_check/diagnosis.h"

namespace {

constexpr int kZeroLevel = INT32_MIN;

// A position whose magnitude lies within this much (relative) of its
// level's edge may share a place with one of the next level.
constexpr double kEdge = 3 * kPlaceTolerance;

// The level's cell width: twice the largest tolerance a position of the
// level can meet, 1e-6 x 2^(level + 1) and a sliver, with room to spare.
double CellWidth(int level) { return 2.5 * kPlaceTolerance * std::ldexp(1.0, level + 1); }

// The magnitude lies in [2^level, 2^(level + 1)).
int LevelOf(double magnitude) {
    if (magnitude == 0) return kZeroLevel;
    int exponent;
    std::frexp(magnitude, &exponent);
    return exponent - 1;
}

}  // namespace

double Magnitude(const Vec3 &p) {
    return std::max({std::fabs(static_cast<double>(p.x)), std::fabs(static_cast<double>(p.y)),
                     std::fabs(static_cast<double>(p.z))});
}

bool SamePlace(const Vec3 &a, const Vec3 &b) {
    return DistanceBetween(a, b) <= kPlaceTolerance * std::max(Magnitude(a), Magnitude(b));
}

PlaceIndex::Key PlaceIndex::CellOf(int level, const Vec3 &p) {
    if (level == kZeroLevel) return {level, 0, 0, 0};
    double width = CellWidth(level);
    return {level, static_cast<int32_t>(std::floor(p.x / width)), static_cast<int32_t>(std::floor(p.y / width)),
            static_cast<int32_t>(std::floor(p.z / width))};
}

size_t PlaceIndex::LevelSlot(int level) {
    // Levels of float positions, and their neighbours, lie within -152..130.
    return level == kZeroLevel ? 0 : static_cast<size_t>(level + 160);
}

uint64_t PlaceIndex::Hash(const Key &key) {
    uint64_t hash = static_cast<uint64_t>(static_cast<uint32_t>(key.level)) * 0xD6E8FEB86659FD93ull;
    hash = (hash ^ static_cast<uint32_t>(key.x)) * 0x9E3779B97F4A7C15ull;
    hash = (hash ^ static_cast<uint32_t>(key.y)) * 0xC2B2AE3D27D4EB4Full;
    hash = (hash ^ static_cast<uint32_t>(key.z)) * 0x165667B19E3779F9ull;
    return hash ^ (hash >> 29);
}

PlaceIndex::PlaceIndex(const std::vector<Vec3> &positions) : positions_(positions) {
    // A position shares a place only with one of nearly its magnitude, so
    // within twice the tolerance of the largest magnitude indexed.
    double largest = 0;
    for (const Vec3 &p : positions) largest = std::max(largest, Magnitude(p));
    double reach = 2 * kPlaceTolerance * largest;
    for (size_t i = 0; i < positions.size(); ++i) {
        const double c[3] = {positions[i].x, positions[i].y, positions[i].z};
        for (int k = 0; k < 3; ++k) {
            low_[k] = i == 0 ? c[k] - reach : std::min(low_[k], c[k] - reach);
            high_[k] = i == 0 ? c[k] + reach : std::max(high_[k], c[k] + reach);
        }
    }
    // Every (cell, position) filing, sorted by cell.
    std::vector<std::pair<Key, uint32_t>> filed;
    filed.reserve(positions.size());
    for (uint32_t i = 0; i < positions.size(); ++i) {
        double magnitude = Magnitude(positions[i]);
        int level = LevelOf(magnitude);
        filed.push_back({CellOf(level, positions[i]), i});
        if (level == kZeroLevel) continue;
        if (magnitude < std::ldexp(1.0, level) * (1 + kEdge)) filed.push_back({CellOf(level - 1, positions[i]), i});
        if (magnitude > std::ldexp(1.0, level + 1) * (1 - kEdge)) filed.push_back({CellOf(level + 1, positions[i]), i});
    }
    levels_.resize(LevelSlot(200));
    for (const auto &entry : filed) {
        LevelCells &cells = levels_[LevelSlot(entry.first.level)];
        const int32_t cell[3] = {entry.first.x, entry.first.y, entry.first.z};
        for (int k = 0; k < 3; ++k) {
            cells.low[k] = cells.present ? std::min(cells.low[k], cell[k]) : cell[k];
            cells.high[k] = cells.present ? std::max(cells.high[k], cell[k]) : cell[k];
        }
        cells.present = true;
    }
    std::sort(filed.begin(), filed.end(), [](const auto &a, const auto &b) {
        if (a.first.level != b.first.level) return a.first.level < b.first.level;
        if (a.first.x != b.first.x) return a.first.x < b.first.x;
        if (a.first.y != b.first.y) return a.first.y < b.first.y;
        if (a.first.z != b.first.z) return a.first.z < b.first.z;
        return a.second < b.second;
    });
    size_t size = 16;
    while (size < 2 * filed.size()) size *= 2;
    slots_.assign(size, Slot{{0, 0, 0, 0}, 0, 0});
    entries_.reserve(filed.size());
    for (size_t i = 0; i < filed.size();) {
        size_t end = i;
        while (end < filed.size() && filed[end].first == filed[i].first) entries_.push_back(filed[end++].second);
        size_t at = Hash(filed[i].first) & (size - 1);
        while (slots_[at].count != 0) at = (at + 1) & (size - 1);
        slots_[at] = {filed[i].first, static_cast<uint32_t>(i), static_cast<uint32_t>(end - i)};
        i = end;
    }
}

int PlaceIndex::KeysAround(const Vec3 &p, Key keys[8]) const {
    int level = LevelOf(Magnitude(p));
    const LevelCells &cells = levels_[LevelSlot(level)];
    if (!cells.present) return 0;
    Key own = CellOf(level, p);
    if (level == kZeroLevel) {
        keys[0] = own;
        return 1;
    }
    const int32_t at[3] = {own.x, own.y, own.z};
    for (int k = 0; k < 3; ++k)
        if (at[k] < cells.low[k] - 1 || at[k] > cells.high[k] + 1) return 0;
    // On each axis the cell beside the half of the own cell the position is in.
    double width = CellWidth(level);
    int32_t beside[3];
    const double coordinate[3] = {p.x, p.y, p.z};
    const int32_t cell[3] = {own.x, own.y, own.z};
    for (int k = 0; k < 3; ++k) beside[k] = coordinate[k] / width - cell[k] < 0.5 ? cell[k] - 1 : cell[k] + 1;
    int count = 0;
    for (int corner = 0; corner < 8; ++corner)
        keys[count++] = {level, corner & 1 ? beside[0] : own.x, corner & 2 ? beside[1] : own.y,
                         corner & 4 ? beside[2] : own.z};
    return count;
}

const PlaceIndex::Slot *PlaceIndex::Find(const Key &key) const {
    size_t mask = slots_.size() - 1;
    for (size_t at = Hash(key) & mask; slots_[at].count != 0; at = (at + 1) & mask)
        if (slots_[at].key == key) return &slots_[at];
    return nullptr;
}
