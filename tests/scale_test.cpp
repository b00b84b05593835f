// Deep and large structures: nothing of the module may recurse with the
// depth of a rope or a chain, since the host's thread may have as little
// as 1 MB of stack.
#include <string>

#include <gtest/gtest.h>

#include "module_harness.h"
#include "skeleton/bone_record.h"
#include "skeleton/hierarchy.h"
#include "skeleton/polygon_scan.h"
#include "small_stack.h"
#include "test_meshes.h"

namespace {

using vexil_test::OnSmallStack;

TEST(Scale, linksARopeOfAHundredThousandBonesOnASmallStack) {
    const int kBones = 100000;
    vexil_test::MeshDrawing drawing;
    uint32_t joint = drawing.Point(0, 0, 0);
    // Listed tip first, so that every child comes before its parent.
    std::vector<std::vector<uint32_t>> bones;
    for (int i = 0; i < kBones; ++i) {
        uint32_t tip = drawing.Point(0, 0, static_cast<float>(i + 1));
        uint32_t roll = drawing.Point(0, 0.1f, static_cast<float>(i));
        bones.push_back({joint, tip, roll});
        joint = tip;
    }
    for (int i = kBones - 1; i >= 0; --i) drawing.Polygon("b" + std::to_string(i), bones[i]);
    vexil_host::Scene scene;
    LWItemID object = scene.AddObject("Rope", std::move(drawing.mesh));
    vexil_host::StandInHost host(scene);
    SkeletonBuilder builder{};
    builder.mesh = host.MeshOf(object);
    ASSERT_TRUE(OnSmallStack([&] {
        builder.mesh->scanPolys(builder.mesh, ScanPolygon, &builder);
        BuildHierarchy(builder);
    }));
    ASSERT_EQ(builder.records.size(), static_cast<size_t>(kBones));
    EXPECT_STREQ(builder.records.front()->name, "b0");
    EXPECT_STREQ(builder.records.back()->name, ("b" + std::to_string(kBones - 1)).c_str());
    for (int i = 1; i < kBones; ++i) ASSERT_EQ(builder.records[i]->parent, builder.records[i - 1]) << i;
    EXPECT_EQ(builder.records.back()->restPosition.z, 1.0f);
    ClearBuilder(builder);
}

TEST(Scale, followsAChainOfAHundredThousandConnectorsOnASmallStack) {
    vexil_test::MeshDrawing drawing;
    uint32_t tip = drawing.Point(0, 0, 1);
    drawing.Bone("Parent", drawing.Point(0, 0, 0), tip, drawing.Point(0, 0.1f, 0));
    uint32_t previous = tip;
    for (int i = 0; i < 100000; ++i) {
        uint32_t next = drawing.Point(static_cast<float>(i), 5, 5);
        if (i % 3 == 0)
            drawing.Connector("Link", next, previous);
        else
            drawing.Connector("Link", previous, next);
        previous = next;
    }
    drawing.Bone("Child", previous, drawing.Point(99999, 5, 7), drawing.Point(99999, 5.1f, 5));
    vexil_test::ModuleHarness run;
    LWItemID object = run.scene.AddObject("Chain", std::move(drawing.mesh));
    run.scene.selection = {object};
    int status = -1;
    ASSERT_TRUE(OnSmallStack([&] { status = run.Activate(); }));
    ASSERT_EQ(status, AFUNC_OK);
    const vexil_host::Item &chain = *run.scene.Find(object);
    ASSERT_EQ(chain.bones.size(), 2u);
    EXPECT_EQ(run.scene.Find(chain.bones[1])->bone.parent, chain.bones[0]);
}

}  // namespace
