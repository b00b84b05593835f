#include <algorithm>

#include "weights/weight_map.h"

namespace vexil_host {

namespace {

// The weight that took the remainder, first, may have come out lighter than
// those after it by its rounding alone: it moves back behind them, so that
// the heaviest still come first.
Influences HeaviestFirst(Influences influences) {
    for (size_t i = 0; i + 1 < 4 && influences.weight[i + 1] > influences.weight[i]; ++i) {
        std::swap(influences.weight[i], influences.weight[i + 1]);
        std::swap(influences.bone[i], influences.bone[i + 1]);
    }
    return influences;
}

}  // namespace

Influences HeaviestFour(std::vector<BoneWeight> &weights) {
    Influences influences;
    size_t count = std::min<size_t>(weights.size(), 4);
    if (count == 0) return influences;
    std::partial_sort(weights.begin(), weights.begin() + static_cast<std::ptrdiff_t>(count), weights.end(),
                      [](const BoneWeight &a, const BoneWeight &b) {
                          if (a.weight != b.weight) return a.weight > b.weight;
                          return a.bone < b.bone;
                      });
    // Weights already scaled as this writes them stay as they are, so that
    // weights written out and read back come back the same. The one that
    // took the remainder may have come out lighter than the others, by its
    // rounding alone: weights that sum to 1 by chance, the lightest taken
    // for the remainder, are put in order.
    if (count == weights.size()) {
        for (size_t first = 0; first < count; ++first) {
            float others = 0;
            for (size_t i = count; i-- > 0;)
                if (i != first) others += weights[i].weight;
            if (1.0f - others != weights[first].weight || weights[first].weight < weights[0].weight - 1e-6f) continue;
            influences.bone[0] = weights[first].bone, influences.weight[0] = weights[first].weight;
            for (size_t i = 0, at = 1; i < count; ++i)
                if (i != first) influences.bone[at] = weights[i].bone, influences.weight[at++] = weights[i].weight;
            return HeaviestFirst(influences);
        }
    }
    double sum = 0;
    for (size_t i = 0; i < count; ++i) sum += weights[i].weight;
    float rest = 0;
    for (size_t i = count; i-- > 1;) {
        influences.bone[i] = weights[i].bone;
        influences.weight[i] = static_cast<float>(weights[i].weight / sum);
        rest += influences.weight[i];
    }
    influences.bone[0] = weights[0].bone;
    influences.weight[0] = 1.0f - rest;
    return HeaviestFirst(influences);
}

}  // namespace vexil_host
