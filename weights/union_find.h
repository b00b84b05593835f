// Sets joined one pair at a time, each named by its lowest member.
#pragma once

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <vector>

namespace vexil_host {

struct UnionFind {
    explicit UnionFind(size_t count) : parent(count) { std::iota(parent.begin(), parent.end(), 0u); }
    uint32_t Find(uint32_t a) {
        while (parent[a] != a) a = parent[a] = parent[parent[a]];
        return a;
    }
    void Join(uint32_t a, uint32_t b) {
        a = Find(a), b = Find(b);
        if (a != b) parent[std::max(a, b)] = std::min(a, b);
    }
    // Each member's set, the sets numbered from 0 in the order of their
    // lowest members; `sets` is their count.
    std::vector<uint32_t> Numbered(uint32_t &sets) {
        std::vector<uint32_t> setOf(parent.size()), numberOfRoot(parent.size(), UINT32_MAX);
        sets = 0;
        for (uint32_t member = 0; member < parent.size(); ++member) {
            uint32_t root = Find(member);
            if (numberOfRoot[root] == UINT32_MAX) numberOfRoot[root] = sets++;
            setOf[member] = numberOfRoot[root];
        }
        return setOf;
    }
    std::vector<uint32_t> parent;
};

}  // namespace vexil_host
