// The module's indexed searches against the literal ones, on thousands of
// small random meshes and hosts that put new bones last, first or after
// their parent: same records, flags, parents, order, rest values, bones
// found and command texts.
#include <cstring>
#include <random>
#include <string>
#include <unordered_map>
#include <vector>

#include <gtest/gtest.h>

#include "module_harness.h"
#include "reference/literal_search.h"
#include "scene/emit_bones.h"
#include "shell/services.h"
#include "skeleton/bone_record.h"
#include "skeleton/hierarchy.h"
#include "skeleton/polygon_scan.h"
#include "test_meshes.h"

namespace {

// A random scene: one object whose mesh mixes bone trees, connector chains
// drawn both ways, branches and webs, pass-through triangles and loops,
// shared names, and bones listed before their parents; and some existing
// bones, a few sharing a name.
struct RandomRig {
    std::vector<std::array<float, 3>> points;
    std::vector<std::pair<std::string, std::vector<uint32_t>>> polygons;
    std::vector<std::string> existingBones;
    bool pivot;
    vexil_host::BonePlacement placement;  // where the host puts new bones

    explicit RandomRig(uint32_t seed) {
        std::mt19937 random(seed);
        auto below = [&](uint32_t n) { return static_cast<uint32_t>(random() % n); };
        uint32_t pointCount = 3 + below(18);
        for (uint32_t i = 0; i < pointCount; ++i) {
            // Mostly small whole and half coordinates, so that axis-aligned
            // bones (straight up and down too) and equal edges occur.
            std::array<float, 3> p;
            for (float &c : p) c = below(4) == 0 ? std::uniform_real_distribution<float>(-3, 3)(random)
                                                 : static_cast<float>(static_cast<int>(below(9)) - 4) * 0.5f;
            points.push_back(p);
        }
        const char *pool[] = {"A", "B", "C", "D", "E", "F", "G", "H", "a", "Tail", "Fin", "B "};
        uint32_t namePool = 4 + below(8);
        auto name = [&] { return std::string(pool[below(namePool)]); };
        uint32_t polygonCount = 1 + below(26);
        // Some rigs are mostly bones, some mostly connector webs.
        uint32_t triangleShare = 1 + below(7);
        for (uint32_t i = 0; i < polygonCount; ++i) {
            uint32_t kind = below(10);
            if (kind < triangleShare) {
                // A triangle, often chained onto an earlier point.
                uint32_t a = below(pointCount), b = below(pointCount), c = below(pointCount);
                polygons.push_back({name(), {a, b, c}});
            } else if (kind < 9) {
                uint32_t a = below(pointCount), b = below(pointCount);
                polygons.push_back({"link" + std::to_string(below(3)), {a, b}});
            } else {
                polygons.push_back({name(), {below(pointCount), below(pointCount), below(pointCount), 0}});
            }
        }
        for (uint32_t i = below(4); i > 0; --i) existingBones.push_back(name());
        pivot = below(2) == 1;
        const vexil_host::BonePlacement placements[] = {vexil_host::BonePlacement::Append,
                                                        vexil_host::BonePlacement::Front,
                                                        vexil_host::BonePlacement::AfterParent};
        placement = placements[below(3)];
    }

    void AddTo(vexil_host::Scene &scene) const {
        vexil_test::MeshDrawing drawing;
        for (const auto &p : points) drawing.Point(p[0], p[1], p[2]);
        for (const auto &polygon : polygons) drawing.Polygon(polygon.first, polygon.second);
        LWItemID object = scene.AddObject("Rig", std::move(drawing.mesh));
        for (const std::string &bone : existingBones) scene.AddBone(object, nullptr, bone);
        scene.selection = {object};
        scene.bonePlacement = placement;
    }
};

// What one pipeline made of a rig.
struct Result {
    std::vector<int> scanFlags;
    std::vector<size_t> order;   // scan positions, in final order
    std::vector<long> parents;   // scan position of each one's parent, -1 for a root
    std::vector<std::array<uint32_t, 6>> rest;  // bits of restPosition and restRotation
    std::vector<LWItemID> bones;  // the bone each record drives, in final order
    std::vector<std::string> commands;
};

uint32_t Bits(float value) {
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

Result RunPipeline(const RandomRig &rig, bool literal) {
    vexil_host::Scene scene;
    rig.AddTo(scene);
    vexil_host::StandInHost host(scene);
    hostItemInfo = static_cast<LWItemInfo *>(host.Service("LW Item Info 5"));
    SkeletonBuilder builder{};
    builder.generic = host.Generic();
    builder.object = scene.selection[0];
    builder.mesh = host.MeshOf(builder.object);
    builder.pivotMode = rig.pivot;
    builder.mesh->scanPolys(builder.mesh, ScanPolygon, &builder);

    Result result;
    std::unordered_map<const BoneRecord *, size_t> scanPosition;
    for (size_t i = 0; i < builder.records.size(); ++i) {
        scanPosition[builder.records[i]] = i;
        result.scanFlags.push_back(builder.records[i]->passThrough);
    }
    if (literal) {
        // The flags the literal name check gives, with connectors and
        // degenerate triangles marked as the scan marks them.
        std::vector<bool> shared = LiteralSharedNames(builder.records);
        for (size_t i = 0; i < builder.records.size(); ++i) {
            const BoneRecord &record = *builder.records[i];
            result.scanFlags[i] = shared[i] || record.vertexCount == 2 || record.endPoint == nullptr;
        }
    }
    if (!builder.records.empty()) {
        AssembleHierarchy(builder, literal ? LiteralFindParents(builder) : FindParents(builder));
        for (const BoneRecord *record : builder.records) {
            result.order.push_back(scanPosition.at(record));
            result.parents.push_back(record->parent ? static_cast<long>(scanPosition.at(record->parent)) : -1);
            result.rest.push_back({Bits(record->restPosition.x), Bits(record->restPosition.y),
                                   Bits(record->restPosition.z), Bits(record->restRotation.x),
                                   Bits(record->restRotation.y), Bits(record->restRotation.z)});
        }
        if (literal) {
            LiteralPairExistingBones(builder);
            LiteralEmitPairedBones(builder);
        } else {
            PairExistingBones(builder);
            EmitPairedBones(builder);
        }
        for (const BoneRecord *record : builder.records) result.bones.push_back(record->bone);
    }
    ClearBuilder(builder);
    result.commands = host.commands;
    return result;
}

// The object's commands from a run of the loaded module.
std::vector<std::string> ModuleCommands(const RandomRig &rig) {
    vexil_host::HostOptions options;
    options.pivotRotateAnswer = rig.pivot;
    vexil_test::ModuleHarness run(options);
    rig.AddTo(run.scene);
    EXPECT_EQ(run.Activate(), AFUNC_OK);
    const std::vector<std::string> &all = run.host.commands;
    // Drop "GoToFrame 0" and the closing frame and selection commands.
    return std::vector<std::string>(all.begin() + 1, all.end() - 2);
}

TEST(Differential, indexedSearchesAgreeWithTheLiteralOnes) {
    const uint32_t kRigs = 20000;
    size_t bones = 0, linked = 0;
    for (uint32_t seed = 1; seed <= kRigs; ++seed) {
        RandomRig rig(seed);
        Result fast = RunPipeline(rig, false);
        Result literal = RunPipeline(rig, true);
        ASSERT_EQ(fast.scanFlags, literal.scanFlags) << "seed " << seed;
        ASSERT_EQ(fast.order, literal.order) << "seed " << seed;
        ASSERT_EQ(fast.parents, literal.parents) << "seed " << seed;
        ASSERT_EQ(fast.rest, literal.rest) << "seed " << seed;
        ASSERT_EQ(fast.bones, literal.bones) << "seed " << seed;
        ASSERT_EQ(fast.commands, literal.commands) << "seed " << seed;
        if (seed % 10 == 0) {
            ASSERT_EQ(ModuleCommands(rig), fast.commands) << "seed " << seed;
        }
        bones += fast.order.size();
        for (long parent : fast.parents) linked += parent >= 0;
    }
    // The rigs must exercise linking, not only roots.
    EXPECT_GT(bones, kRigs);
    EXPECT_GT(linked, kRigs / 4);
}

}  // namespace
