// Which positions share a place: the weld check's search.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "skeleton/vec_math.h"

// Two positions share a place when they are equal, or no further apart than
// a millionth of the largest coordinate magnitude of the two: a tolerance
// that scales with the positions themselves, so that one bone far out in the
// mesh does not make every point near the origin the same.
constexpr double kPlaceTolerance = 1e-6;
bool SamePlace(const Vec3 &a, const Vec3 &b);

// The largest coordinate magnitude of a position.
double Magnitude(const Vec3 &position);

// Positions indexed by place, in flat storage. Positions at one place have
// nearly the same magnitude, so each is filed under the power of two of its
// magnitude (its level) and, within the level, under a cell of a grid whose
// cells are twice as wide as the level's largest tolerance: the positions
// at the place of a given one lie in its own cell or the next one on each
// side it is nearer to, 8 cells at most. A position near the edge of a
// level is filed under the neighbouring level as well, so that a search
// looks in its own level only.
class PlaceIndex {
  public:
    // Indexes `positions`, which must all be finite.
    explicit PlaceIndex(const std::vector<Vec3> &positions);

    // Calls `visit` with the number of each indexed position at the place of
    // `position` (finite), once each, in no particular order.
    template <typename Visit>
    void ForEachAt(const Vec3 &position, Visit visit) const {
        if (!Near(position)) return;
        Key keys[8];
        int count = KeysAround(position, keys);
        for (int k = 0; k < count; ++k) {
            const Slot *slot = Find(keys[k]);
            if (slot == nullptr) continue;
            for (uint32_t i = slot->first; i < slot->first + slot->count; ++i)
                if (SamePlace(position, positions_[entries_[i]])) visit(static_cast<size_t>(entries_[i]));
        }
    }

  private:
    struct Key {
        int32_t level, x, y, z;
        bool operator==(const Key &other) const {
            return level == other.level && x == other.x && y == other.y && z == other.z;
        }
    };
    // A cell and where its positions stand in `entries_`.
    struct Slot {
        Key key;
        uint32_t first, count;  // count 0: an empty slot
    };

    // False for a position that can share a place with no indexed one:
    // outside their box, widened by the largest tolerance.
    bool Near(const Vec3 &position) const {
        return position.x >= low_[0] && position.x <= high_[0] && position.y >= low_[1] && position.y <= high_[1] &&
               position.z >= low_[2] && position.z <= high_[2];
    }
    // The cells of each level that hold positions lie within a box of cell
    // numbers; a search outside it needs no probe.
    struct LevelCells {
        bool present = false;
        int32_t low[3], high[3];
    };
    static size_t LevelSlot(int level);

    static Key CellOf(int level, const Vec3 &position);
    static uint64_t Hash(const Key &key);
    int KeysAround(const Vec3 &position, Key keys[8]) const;
    const Slot *Find(const Key &key) const;

    std::vector<Vec3> positions_;
    std::vector<uint32_t> entries_;  // position numbers, grouped by cell
    std::vector<Slot> slots_;        // open addressing; a power of two, at most half full
    double low_[3] = {0, 0, 0}, high_[3] = {-1, -1, -1};
    std::vector<LevelCells> levels_;
};
