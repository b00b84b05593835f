#include "weights/seam_weld.h"

#include <algorithm>
#include <cstring>

#include "weights/grid_groups.h"
#include "weights/union_find.h"

namespace vexil_host {

namespace {

uint32_t Bits(float narrow) {
    if (narrow == 0) narrow = 0;  // -0 and 0 are one place
    uint32_t bits;
    std::memcpy(&bits, &narrow, sizeof bits);
    return bits;
}

uint64_t PairKey(uint32_t a, uint32_t b) { return static_cast<uint64_t>(std::min(a, b)) << 32 | std::max(a, b); }

// An edge's use by a triangle, filed under the lower of its ends' places.
struct EdgeUse {
    uint32_t otherPlace, from, to;
};

}  // namespace

std::vector<uint32_t> WeldSeams(const std::vector<std::array<float, 3>> &points,
                                const std::vector<uint32_t> &triangles, uint32_t &groups) {
    std::vector<GroupKey> keys(points.size());
    for (size_t i = 0; i < points.size(); ++i) keys[i] = {Bits(points[i][0]), Bits(points[i][1]), Bits(points[i][2]), 0};
    uint32_t places = 0;
    std::vector<uint32_t> placeOf = GroupKeys(keys, places);

    // Only an edge with an end where two points lie can be half of a seam:
    // the uses of an edge between places of one point each are of one
    // point pair. A skin with no two points in one place has no seam.
    if (places == points.size()) {
        UnionFind none(points.size());
        return none.Numbered(groups);
    }
    std::vector<uint8_t> shared(places, 0);
    {
        std::vector<uint8_t> seen(places, 0);
        for (uint32_t place : placeOf) shared[place] = seen[place], seen[place] = 1;
    }
    // The edges' uses filed by the lower place at their ends, a counting
    // sort: millions of triangles are common, and a place has few edges.
    std::vector<uint32_t> first(places + 1, 0);
    auto lower = [&](uint32_t from, uint32_t to) { return std::min(placeOf[from], placeOf[to]); };
    auto forEachEdge = [&](auto use) {
        for (size_t t = 0; t + 2 < triangles.size(); t += 3)
            for (size_t corner = 0; corner < 3; ++corner) {
                uint32_t from = triangles[t + corner], to = triangles[t + (corner + 1) % 3];
                uint32_t a = placeOf[from], b = placeOf[to];
                if (a != b && (shared[a] | shared[b])) use(from, to);
            }
    };
    forEachEdge([&](uint32_t from, uint32_t to) { ++first[lower(from, to) + 1]; });
    for (uint32_t place = 0; place < places; ++place) first[place + 1] += first[place];
    std::vector<EdgeUse> uses(first[places]);
    std::vector<uint32_t> filled(first.begin(), first.end() - 1);
    forEachEdge([&](uint32_t from, uint32_t to) {
        uint32_t low = lower(from, to);
        uses[filled[low]++] = {placeOf[from] == low ? placeOf[to] : placeOf[from], from, to};
    });

    UnionFind joined(points.size());
    for (uint32_t place = 0; place < places; ++place) {
        auto begin = uses.begin() + first[place], end = uses.begin() + first[place + 1];
        std::sort(begin, end, [](const EdgeUse &a, const EdgeUse &b) { return a.otherPlace < b.otherPlace; });
        for (auto run = begin; run != end;) {
            auto next = run + 1;
            while (next != end && next->otherPlace == run->otherPlace) ++next;
            // Two uses of different point pairs, each used once: a seam.
            if (next - run == 2 && PairKey(run[0].from, run[0].to) != PairKey(run[1].from, run[1].to)) {
                bool sameWay = placeOf[run[0].from] == placeOf[run[1].from];
                joined.Join(run[0].from, sameWay ? run[1].from : run[1].to);
                joined.Join(run[0].to, sameWay ? run[1].to : run[1].from);
            }
            run = next;
        }
    }
    return joined.Numbered(groups);
}

}  // namespace vexil_host
