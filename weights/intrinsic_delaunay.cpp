#include "weights/intrinsic_delaunay.h"

#include <algorithm>
#include <cmath>

namespace vexil_host {

namespace {

constexpr uint32_t kNone = UINT32_MAX;
// An edge whose facing angles' cotangents sum to no less than this is
// Delaunay: rounding must not flip an edge back and forth.
constexpr double kDelaunayTolerance = -1e-9;

// Triangles as corners and side lengths; a slot 3 t + k is the edge of
// triangle t facing its corner k, and twin[slot] the slot across it.
struct Flips {
    std::vector<uint32_t> &corners;
    std::vector<std::array<double, 3>> &lengths;
    std::vector<uint32_t> twin;

    double Length(uint32_t slot) const { return lengths[slot / 3][slot % 3]; }
    uint32_t Corner(uint32_t slot) const { return corners[slot]; }
    // The slot of triangle t facing its corner `place`.
    uint32_t Facing(uint32_t t, uint32_t place) const {
        for (uint32_t k = 0; k < 3; ++k)
            if (corners[3 * t + k] == place) return 3 * t + k;
        return kNone;
    }
    double Cotangent(uint32_t slot) const {
        const auto &sides = lengths[slot / 3];
        return CotangentFacing(sides, static_cast<int>(slot % 3), AreaOfSides(sides));
    }
    bool Delaunay(uint32_t slot) const { return Cotangent(slot) + Cotangent(twin[slot]) >= kDelaunayTolerance; }
    void Link(uint32_t slot, uint32_t other) {
        twin[slot] = other;
        if (other != kNone) twin[other] = slot;
    }

    void FindTwins() {
        struct Key {
            uint32_t low, high, slot;
        };
        std::vector<Key> keys;
        keys.reserve(corners.size());
        for (uint32_t slot = 0; slot < corners.size(); ++slot) {
            uint32_t t = slot / 3, k = slot % 3;
            uint32_t a = corners[3 * t + (k + 1) % 3], b = corners[3 * t + (k + 2) % 3];
            keys.push_back({std::min(a, b), std::max(a, b), slot});
        }
        std::sort(keys.begin(), keys.end(), [](const Key &x, const Key &y) {
            return x.low != y.low ? x.low < y.low : x.high != y.high ? x.high < y.high : x.slot < y.slot;
        });
        twin.assign(corners.size(), kNone);
        auto flat = [&](uint32_t slot) { return !(AreaOfSides(lengths[slot / 3]) > 0); };
        for (size_t i = 0; i < keys.size();) {
            size_t end = i + 1;
            while (end < keys.size() && keys[end].low == keys[i].low && keys[end].high == keys[i].high) ++end;
            // Only an edge of exactly two triangles, both with area, turns.
            if (end - i == 2 && keys[i].slot / 3 != keys[i + 1].slot / 3 && !flat(keys[i].slot) && !flat(keys[i + 1].slot))
                Link(keys[i].slot, keys[i + 1].slot);
            i = end;
        }
    }

    // Turns the edge of `slot` into the other diagonal of its two
    // triangles, laid flat side by side; false where that cannot be done.
    bool Flip(uint32_t slot, uint32_t (&outer)[4]) {
        const uint32_t across = twin[slot];
        const uint32_t t = slot / 3, u = across / 3;
        const uint32_t c = Corner(slot), d = Corner(across);
        const uint32_t a = corners[3 * t + (slot % 3 + 1) % 3], b = corners[3 * t + (slot % 3 + 2) % 3];
        const uint32_t ca = Facing(t, b), bc = Facing(t, a), ad = Facing(u, b), bd = Facing(u, a);
        if (c == d || ad == kNone || bd == kNone) return false;
        const uint32_t beyond[4] = {twin[ca], twin[bc], twin[ad], twin[bd]};
        for (uint32_t other : beyond)
            if (other != kNone && (other / 3 == t || other / 3 == u)) return false;
        const double ab = Length(slot), lca = Length(ca), lbc = Length(bc), lad = Length(ad), lbd = Length(bd);
        // a at the origin, b along the first axis, c on one side, d on the other.
        const double cx = (lca * lca - lbc * lbc + ab * ab) / (2 * ab), cy = std::sqrt(lca * lca - cx * cx);
        const double dx = (lad * lad - lbd * lbd + ab * ab) / (2 * ab), dy = -std::sqrt(lad * lad - dx * dx);
        const double cd = std::hypot(cx - dx, cy - dy);
        if (!(cd > 0) || !std::isfinite(cd) || !(AreaOfSides({cd, lca, lad}) > 0) || !(AreaOfSides({cd, lbd, lbc}) > 0))
            return false;
        corners[3 * t] = a, corners[3 * t + 1] = d, corners[3 * t + 2] = c;
        lengths[t] = {cd, lca, lad};
        corners[3 * u] = b, corners[3 * u + 1] = c, corners[3 * u + 2] = d;
        lengths[u] = {cd, lbd, lbc};
        Link(3 * t, 3 * u);
        Link(3 * t + 1, beyond[0]);
        Link(3 * t + 2, beyond[2]);
        Link(3 * u + 1, beyond[3]);
        Link(3 * u + 2, beyond[1]);
        outer[0] = 3 * t + 1, outer[1] = 3 * t + 2, outer[2] = 3 * u + 1, outer[3] = 3 * u + 2;
        return true;
    }
};

}  // namespace

double AreaOfSides(std::array<double, 3> sides) {
    std::sort(sides.begin(), sides.end());
    const double a = sides[2], b = sides[1], c = sides[0];
    double product = (a + (b + c)) * (c - (a - b)) * (c + (a - b)) * (a + (b - c));
    return product > 0 && std::isfinite(product) ? 0.25 * std::sqrt(product) : 0;
}

double CotangentFacing(const std::array<double, 3> &sides, int k, double area) {
    double facing = sides[k], b = sides[(k + 1) % 3], c = sides[(k + 2) % 3];
    return area > 0 ? (b * b + c * c - facing * facing) / (4 * area) : 0;
}

IntrinsicTriangles IntrinsicDelaunay(const Places &places) {
    IntrinsicTriangles result;
    result.corners = places.triangles;
    const size_t count = result.corners.size() / 3;
    result.lengths.resize(count);
    for (size_t t = 0; t < count; ++t)
        for (int k = 0; k < 3; ++k)
            result.lengths[t][k] = Distance(places.position[result.corners[3 * t + (k + 1) % 3]],
                                            places.position[result.corners[3 * t + (k + 2) % 3]]);
    Flips flips{result.corners, result.lengths, {}};
    flips.FindTwins();
    std::vector<uint32_t> pending;
    std::vector<bool> queued(result.corners.size(), false);
    for (uint32_t slot = 0; slot < result.corners.size(); ++slot)
        if (flips.twin[slot] != kNone && slot < flips.twin[slot]) pending.push_back(slot), queued[slot] = true;
    // Delaunay flips always end; the bound only guards against rounding.
    size_t left = 10 * result.corners.size() + 100;
    uint32_t outer[4];
    while (!pending.empty() && left > 0) {
        uint32_t slot = pending.back();
        pending.pop_back();
        queued[slot] = false;
        if (flips.twin[slot] == kNone || flips.Delaunay(slot) || !flips.Flip(slot, outer)) continue;
        --left;
        for (uint32_t edge : outer)
            if (flips.twin[edge] != kNone && !queued[edge]) pending.push_back(edge), queued[edge] = true;
    }
    return result;
}

}  // namespace vexil_host
