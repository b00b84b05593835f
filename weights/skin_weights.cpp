#include "weights/skin_weights.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "host/bone_pose.h"
#include "weights/bone_heat.h"
#include "weights/grid_groups.h"

namespace vexil_host {

namespace {

bool Finite(const std::array<double, 3> &v) { return std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2]); }

// The painted weights of each skin vertex; none where no map that names a
// bone gives it a weight above 0.
std::vector<Influences> PaintedWeights(const Mesh &mesh, const Skin &skin, const std::vector<SkinBone> &bones,
                                       const std::vector<WeightMap> &maps, bool &anyPainted) {
    std::unordered_map<std::string, std::vector<uint32_t>> bonesOfMap;
    for (uint32_t b = 0; b < bones.size(); ++b) bonesOfMap[bones[b].bone->bone.weightMap].push_back(b);
    std::vector<std::vector<BoneWeight>> weighed(skin.points.size());
    anyPainted = false;
    // Per point, its last entry in the map at hand. Each map sets it for all
    // its own points before reading any, so what earlier maps left is never
    // read, and many maps cost no pass over every point.
    std::vector<uint32_t> lastEntry(mesh.points.size(), UINT32_MAX);
    for (const WeightMap &map : maps) {
        auto named = bonesOfMap.find(map.name);
        if (named == bonesOfMap.end()) continue;
        // A point listed more than once has the weight of its last entry.
        for (uint32_t entry = 0; entry < map.points.size(); ++entry) lastEntry[map.points[entry]] = entry;
        for (uint32_t entry = 0; entry < map.points.size(); ++entry) {
            uint32_t point = map.points[entry];
            if (lastEntry[point] != entry || !(map.weights[entry] > 0) || skin.vertexOf[point] == UINT32_MAX) continue;
            for (uint32_t bone : named->second) weighed[skin.vertexOf[point]].push_back({bone, map.weights[entry]});
            anyPainted = true;
        }
    }
    std::vector<Influences> painted(skin.points.size());
    for (size_t vertex = 0; vertex < weighed.size(); ++vertex) painted[vertex] = HeaviestFour(weighed[vertex]);
    return painted;
}

// Each unpainted vertex wholly to its nearest bone.
void FollowNearest(const Mesh &mesh, const SkinWeights &weights, std::vector<Influences> &influences) {
    std::array<double, 3> low = weights.skin.low, high = weights.skin.high;
    std::vector<BoneSegment> segments;
    for (const SkinBone &bone : weights.bones) {
        segments.push_back(bone.segment);
        for (const auto &end : {bone.segment.joint, bone.segment.tip})
            for (int k = 0; k < 3; ++k) low[k] = std::min(low[k], end[k]), high[k] = std::max(high[k], end[k]);
    }
    NearestBone nearest(std::move(segments), low, high);
    for (size_t vertex = 0; vertex < influences.size(); ++vertex) {
        if (!influences[vertex].Empty()) continue;
        influences[vertex].bone[0] = nearest.Find(mesh.points[weights.skin.points[vertex]]);
        influences[vertex].weight[0] = 1;
    }
}

}  // namespace

std::vector<SkinBone> SkinBonesOf(const Scene &scene, const Item &object) {
    std::unordered_map<LWItemID, BonePose> poses = ObjectBonePoses(scene, object);
    std::vector<SkinBone> bones;
    std::vector<BoneInTree> tree = BonesDepthFirst(scene, object);
    // A bone left out hands its children to the nearest bone above it that stays.
    std::vector<int32_t> keptAs(tree.size(), -1);
    for (size_t i = 0; i < tree.size(); ++i) {
        const BonePose &pose = poses.at(tree[i].bone->id);
        int32_t parent = tree[i].parent >= 0 ? keptAs[static_cast<size_t>(tree[i].parent)] : -1;
        if (!Finite(pose.start) || !Finite(pose.tip)) {
            keptAs[i] = parent;
            continue;
        }
        keptAs[i] = static_cast<int32_t>(bones.size());
        bones.push_back({tree[i].bone, {pose.start, pose.tip}, parent});
    }
    return bones;
}

SkinWeights WeighSkin(const Scene &scene, const Item &object, const std::vector<bool> &skeletonPolygon,
                      const std::vector<WeightMap> *painted, WeightMethod method) {
    SkinWeights weights;
    if (object.mesh == nullptr) return weights;
    const Mesh &mesh = *object.mesh;
    weights.skin = PlanSkin(mesh, skeletonPolygon);
    weights.bones = SkinBonesOf(scene, object);
    if (weights.bones.empty() || weights.skin.points.empty()) return weights;

    bool anyPainted = false;
    std::vector<Influences> influences;
    if (painted != nullptr) influences = PaintedWeights(mesh, weights.skin, weights.bones, *painted, anyPainted);
    if (method == WeightMethod::Automatic) {
        std::vector<std::array<float, 3>> points(weights.skin.points.size());
        for (size_t vertex = 0; vertex < points.size(); ++vertex) points[vertex] = mesh.points[weights.skin.points[vertex]];
        std::vector<BoneSegment> segments;
        std::vector<int32_t> parents;
        for (const SkinBone &bone : weights.bones) segments.push_back(bone.segment), parents.push_back(bone.parent);
        const std::vector<Influences> none;
        HeatOutcome heat =
            BoneHeat(points, weights.skin.triangles, segments, parents, anyPainted ? influences : none);
        if (heat.solved) {
            weights.influences = std::move(heat.influences);
            return weights;
        }
        weights.fellBackToNearest = true;
    }
    influences.resize(weights.skin.points.size());
    FollowNearest(mesh, weights, influences);
    weights.influences = std::move(influences);
    return weights;
}

SkinWeights SimplifiedSkin(const Mesh &mesh, const SkinWeights &weights, size_t mostPoints) {
    const Skin &skin = weights.skin;
    if (skin.points.size() <= mostPoints || mostPoints == 0) return weights;
    std::vector<Point3> places(skin.points.size());
    for (size_t vertex = 0; vertex < places.size(); ++vertex) {
        const auto &p = mesh.points[skin.points[vertex]];
        places[vertex] = {p[0], p[1], p[2]};
    }
    uint32_t groups = 0;
    std::vector<uint32_t> keptOf = GridGroups(places, {}, mostPoints, groups);
    // Each group is shown by its first vertex.
    std::vector<uint32_t> kept;
    for (uint32_t vertex = 0; vertex < keptOf.size(); ++vertex)
        if (keptOf[vertex] == kept.size()) kept.push_back(vertex);
    SkinWeights simple;
    simple.bones = weights.bones;
    simple.skin.low = skin.low, simple.skin.high = skin.high;
    simple.skin.vertexOf.assign(mesh.points.size(), UINT32_MAX);
    for (uint32_t vertex : kept) {
        simple.skin.vertexOf[skin.points[vertex]] = static_cast<uint32_t>(simple.skin.points.size());
        simple.skin.points.push_back(skin.points[vertex]);
        if (!weights.influences.empty()) simple.influences.push_back(weights.influences[vertex]);
    }
    for (size_t t = 0; t + 2 < skin.triangles.size(); t += 3) {
        uint32_t a = keptOf[skin.triangles[t]], b = keptOf[skin.triangles[t + 1]], c = keptOf[skin.triangles[t + 2]];
        if (a != b && b != c && a != c) simple.skin.triangles.insert(simple.skin.triangles.end(), {a, b, c});
    }
    return simple;
}

std::vector<WeightMap> BoneWeightMaps(const Scene &scene, const Item &object, const SkinWeights &weights) {
    std::vector<WeightMap> maps;
    std::unordered_map<std::string, uint32_t> mapNamed;
    auto mapOf = [&](const Item *bone) {
        auto found = mapNamed.emplace(bone->bone.weightMap, static_cast<uint32_t>(maps.size()));
        if (found.second) maps.push_back({bone->bone.weightMap, {}, {}});
        return found.first->second;
    };
    std::vector<uint32_t> mapOfBone;
    for (const SkinBone &bone : weights.bones) mapOfBone.push_back(mapOf(bone.bone));
    for (LWItemID id : object.bones)
        if (const Item *bone = scene.Find(id)) mapOf(bone);
    // Vertices come in ascending point order, so a point that two bones of
    // one map weigh is that map's last entry when the second comes.
    for (size_t vertex = 0; vertex < weights.influences.size(); ++vertex) {
        const Influences &influences = weights.influences[vertex];
        for (int i = 0; i < 4 && influences.weight[i] > 0; ++i) {
            WeightMap &map = maps[mapOfBone[influences.bone[i]]];
            if (!map.points.empty() && map.points.back() == weights.skin.points[vertex]) {
                map.weights.back() += influences.weight[i];
                continue;
            }
            map.points.push_back(weights.skin.points[vertex]);
            map.weights.push_back(influences.weight[i]);
        }
    }
    return maps;
}

}  // namespace vexil_host
