#include "weights/rig_tree.h"

namespace vexil_host {

RigTree TreeOf(size_t count, const std::vector<int32_t> &parents) {
    RigTree tree;
    tree.parent.assign(count, -1);
    tree.children.resize(count);
    for (size_t b = 0; b < count && b < parents.size(); ++b)
        if (parents[b] >= 0 && static_cast<size_t>(parents[b]) < count && static_cast<size_t>(parents[b]) != b)
            tree.parent[b] = parents[b];
    // A parent chain that loops is cut where the loop closes.
    std::vector<uint8_t> state(count, 0);  // 0 unseen, 1 on the path, 2 done
    std::vector<uint32_t> path;
    for (uint32_t b = 0; b < count; ++b) {
        uint32_t at = b;
        path.clear();
        while (state[at] == 0) {
            state[at] = 1;
            path.push_back(at);
            if (tree.parent[at] < 0) break;
            uint32_t up = static_cast<uint32_t>(tree.parent[at]);
            if (state[up] == 1) {
                tree.parent[at] = -1;
                break;
            }
            at = up;
        }
        for (uint32_t done : path) state[done] = 2;
    }
    for (uint32_t b = 0; b < count; ++b)
        if (tree.parent[b] >= 0) tree.children[static_cast<size_t>(tree.parent[b])].push_back(b);
    return tree;
}

}  // namespace vexil_host
