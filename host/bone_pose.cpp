#include "host/bone_pose.h"

#include <cmath>
#include <vector>

namespace vexil_host {

namespace {

using Rows = std::array<std::array<double, 3>, 3>;

constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180.0;

// Each row of `a` expressed through the rows of `basis`.
Rows Compose(const Rows &a, const Rows &basis) {
    Rows out{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            for (int k = 0; k < 3; ++k) out[i][j] += a[i][k] * basis[k][j];
    return out;
}

}  // namespace

Rows FrameFromHPB(const std::array<double, 3> &hpb) {
    double h = hpb[0] * kRadiansPerDegree, p = hpb[1] * kRadiansPerDegree, b = hpb[2] * kRadiansPerDegree;
    Rows frame = {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
    for (auto &v : frame) {
        std::array<double, 3> r = {v[0] * std::cos(b) - v[1] * std::sin(b), v[0] * std::sin(b) + v[1] * std::cos(b),
                                   v[2]};
        r = {r[0], r[1] * std::cos(p) - r[2] * std::sin(p), r[1] * std::sin(p) + r[2] * std::cos(p)};
        v = {r[0] * std::cos(h) + r[2] * std::sin(h), r[1], r[2] * std::cos(h) - r[0] * std::sin(h)};
    }
    return frame;
}

std::unordered_map<LWItemID, BonePose> ObjectBonePoses(const Scene &scene, const Item &object) {
    std::unordered_map<LWItemID, BonePose> poses;
    // Pose parents first; a parent outside the object, or a loop, makes a root.
    std::unordered_map<LWItemID, int> state;  // 1 in progress, 2 done
    std::vector<LWItemID> stack;
    for (LWItemID id : object.bones) {
        stack.push_back(id);
        while (!stack.empty()) {
            LWItemID current = stack.back();
            const Item *bone = scene.Find(current);
            if (state[current] == 2) {
                stack.pop_back();
                continue;
            }
            LWItemID parent = bone->bone.parent;
            bool parentUsable = parent != nullptr && scene.Find(parent) != nullptr && state[parent] != 1;
            if (parentUsable && state[parent] != 2) {
                state[current] = 1;
                stack.push_back(parent);
                continue;
            }
            const BoneState &values = bone->bone;
            Rows local = FrameFromHPB(values.restRotation);
            if (values.pivotRecorded) local = Compose(FrameFromHPB(values.pivotRotation), local);
            BonePose pose;
            if (parentUsable) {
                const BonePose &up = poses[parent];
                pose.start = up.start;
                for (int j = 0; j < 3; ++j)
                    for (int k = 0; k < 3; ++k) pose.start[k] += values.restPosition[j] * up.axes[j][k];
                pose.axes = Compose(local, up.axes);
                pose.depth = up.depth + 1;
            } else {
                pose.start = values.restPosition;
                pose.axes = local;
            }
            for (int k = 0; k < 3; ++k) pose.tip[k] = pose.start[k] + values.restLength * pose.axes[2][k];
            poses[current] = pose;
            state[current] = 2;
            stack.pop_back();
        }
    }
    return poses;
}

std::vector<BoneInTree> BonesDepthFirst(const Scene &scene, const Item &object) {
    std::unordered_map<LWItemID, std::vector<const Item *>> children;
    std::vector<const Item *> roots;
    for (LWItemID id : object.bones) {
        const Item *bone = scene.Find(id);
        const Item *parent = scene.Find(bone->bone.parent);
        if (parent != nullptr && parent->type == ItemType::Bone && parent->bone.object == object.id)
            children[parent->id].push_back(bone);
        else
            roots.push_back(bone);
    }
    std::vector<BoneInTree> order;
    std::unordered_map<LWItemID, bool> visited;
    // Each entry: a bone and the entry it hangs from.
    std::vector<BoneInTree> stack;
    auto walk = [&](const Item *root) {
        stack.push_back({root, -1});
        while (!stack.empty()) {
            BoneInTree entry = stack.back();
            stack.pop_back();
            if (visited[entry.bone->id]) continue;
            visited[entry.bone->id] = true;
            int number = static_cast<int>(order.size());
            order.push_back(entry);
            auto found = children.find(entry.bone->id);
            if (found == children.end()) continue;
            // Pushed last first, so that the first child comes off first.
            for (auto child = found->second.rbegin(); child != found->second.rend(); ++child)
                stack.push_back({*child, number});
        }
    };
    for (const Item *root : roots) walk(root);
    for (LWItemID id : object.bones)
        if (!visited[id]) walk(scene.Find(id));
    return order;
}

}  // namespace vexil_host
