#include "weights/coarse_chains.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

namespace vexil_host {

namespace {

// Rings at least this share of a bone apart are too coarse for a chain's
// blend: a skin with fewer than five rings to four bones. The bench's
// chains have their rings up to 0.74 of a bone apart (the drawn ropes
// 0.13, the rope 0.24, the necks, the mastiff's tail, whose artist blends
// it broadly) or from 0.85 (the trunks and tails artists weigh ring by
// ring); the limit lies in that gap.
constexpr double kLeastCoarseSpacing = 0.8;
// The edges around a ring lie across the bones and measure almost nothing
// along them; those between rings measure the rings' spacing. The upper
// quartile is that spacing whatever share of the edges runs around.
constexpr double kSpacingQuantile = 0.75;
// Edges shorter than this share of a bone along it run around a ring.
constexpr double kAcross = 1e-3;

constexpr uint32_t kNone = UINT32_MAX;

// Per place, the bone with the largest share of its heat; kNone where
// nothing warms it.
std::vector<uint32_t> HeaviestSources(const HeatSources &heat, size_t count) {
    std::vector<uint32_t> bone(count, kNone);
    for (size_t place = 0; place < count; ++place) {
        double most = 0;
        for (uint32_t i = heat.first[place]; i < heat.first[place + 1]; ++i)
            if (heat.shares[i].second > most) most = heat.shares[i].second, bone[place] = heat.shares[i].first;
    }
    return bone;
}

}  // namespace

bool LoosenCoarseChains(const Places &places, const HeatSources &heat, const std::vector<BoneSegment> &bones,
                        RigShape &shape) {
    // Each chain's bones, from its first, their lengths and their mean.
    std::vector<uint32_t> chainOf(bones.size(), kNone);
    std::vector<double> length(bones.size(), 0);
    std::vector<std::vector<uint32_t>> chains;
    std::vector<double> meanLength;
    for (uint32_t first = 0; first < bones.size(); ++first) {
        if (!shape.chain[first].inChain || shape.chain[first].before != kNone) continue;
        std::vector<uint32_t> chain;
        double sum = 0;
        for (uint32_t b = first; b != kNone && chain.size() < bones.size(); b = shape.chain[b].after) {
            chainOf[b] = static_cast<uint32_t>(chains.size());
            chain.push_back(b);
            length[b] = std::sqrt(Dot(Minus(bones[b].tip, bones[b].joint), Minus(bones[b].tip, bones[b].joint)));
            sum += length[b];
        }
        meanLength.push_back(sum / static_cast<double>(chain.size()));
        chains.push_back(std::move(chain));
    }
    if (chains.empty()) return false;

    // Each edge between two places of one chain, measured along the bone
    // of its first place, in the chain's mean bone lengths.
    const std::vector<uint32_t> boneOf = HeaviestSources(heat, places.position.size());
    std::vector<std::vector<double>> along(chains.size());
    const std::vector<uint32_t> &corners = places.triangles;
    for (size_t t = 0; t + 2 < corners.size(); t += 3)
        for (size_t k = 0; k < 3; ++k) {
            const uint32_t a = corners[t + k], b = corners[t + (k + 1) % 3];
            if (boneOf[a] == kNone || boneOf[b] == kNone) continue;
            const uint32_t chain = chainOf[boneOf[a]];
            if (chain == kNone || chainOf[boneOf[b]] != chain || !(meanLength[chain] > 0)) continue;
            const BoneSegment &bone = bones[boneOf[a]];
            if (!(length[boneOf[a]] > 0)) continue;
            const double measured =
                std::fabs(Dot(Minus(places.position[a], places.position[b]), Minus(bone.tip, bone.joint))) /
                length[boneOf[a]];
            if (measured > kAcross * meanLength[chain]) along[chain].push_back(measured / meanLength[chain]);
        }

    bool loosened = false;
    for (size_t chain = 0; chain < chains.size(); ++chain) {
        std::vector<double> &measured = along[chain];
        if (measured.empty()) continue;
        auto at = measured.begin() + static_cast<std::ptrdiff_t>(kSpacingQuantile * static_cast<double>(measured.size() - 1));
        std::nth_element(measured.begin(), at, measured.end());
        if (!(*at >= kLeastCoarseSpacing)) continue;
        loosened = true;
        for (uint32_t b : chains[chain]) shape.chain[b] = RigShape::Link{};
    }
    return loosened;
}

}  // namespace vexil_host
