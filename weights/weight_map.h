// Weight maps: how much a bone moves each point of a skin.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vexil_host {

// A vertex map of weights (an LWO2 VMAP of type WGHT): a weight for some of
// the mesh's points. A point not listed has no weight in the map, which is
// not the same as a weight of 0; a point listed more than once has the
// weight of its last entry.
struct WeightMap {
    std::string name;
    std::vector<uint32_t> points;  // mesh point indices
    std::vector<float> weights;    // one per entry of `points`, finite
};

// The bones that move one point, at most four, as glTF holds them: the
// heaviest first (the lower bone number first where weights are equal),
// weights above 0 that sum to 1 in float, unused places bone 0 weight 0.
struct Influences {
    std::array<uint32_t, 4> bone{};
    std::array<float, 4> weight{};
    bool Empty() const { return weight[0] == 0; }
};

// A bone's weight on one point.
struct BoneWeight {
    uint32_t bone;
    float weight;
};

// The four heaviest of `weights` (all above 0) scaled to sum 1, the
// heaviest taking what the others leave so that the sum is 1 in float, and
// still first unless that left it lighter than the next by rounding; then
// it moves behind them. Reorders `weights`. None for an empty list.
Influences HeaviestFour(std::vector<BoneWeight> &weights);

}  // namespace vexil_host
