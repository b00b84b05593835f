// A rig's tree as its parents give it, made sound once for every rule that
// walks it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vexil_host {

struct RigTree {
    std::vector<int32_t> parent;                  // per bone; -1 for a root
    std::vector<std::vector<uint32_t>> children;  // per bone, in bone order
};

// The tree of `count` bones from `parents` (each bone's parent, -1 for a
// root; shorter than `count`, or empty, when not every parent is known). A
// parent that names no other bone makes a root, and a parent chain that
// loops is cut where the loop closes.
RigTree TreeOf(size_t count, const std::vector<int32_t> &parents);

}  // namespace vexil_host
