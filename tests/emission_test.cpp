#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "module_harness.h"
#include "test_meshes.h"

using vexil_host::HostOptions;
using vexil_test::Hex;
using vexil_test::MeshDrawing;
using vexil_test::ModuleHarness;
using Strings = std::vector<std::string>;

namespace {

// Upper from (0,0,0) to (0,0,2) and Lower from (0,0,2) to (0,0,3), sharing
// the point at (0,0,2).
MeshDrawing UpperAndLower() {
    MeshDrawing drawing;
    uint32_t hip = drawing.Point(0, 0, 0), knee = drawing.Point(0, 0, 2), ankle = drawing.Point(0, 0, 3);
    drawing.Bone("Upper", hip, knee, drawing.Point(0, 0.1f, 0));
    drawing.Bone("Lower", knee, ankle, drawing.Point(0, 0.1f, 2));
    return drawing;
}

// The commands between the frame commands and the final selection.
Strings ObjectCommands(const ModuleHarness &run) {
    const Strings &all = run.host.commands;
    size_t end = all.size();
    while (end > 0 && all[end - 1].rfind("GoToFrame", 0) != 0) --end;
    return Strings(all.begin() + 1, all.begin() + static_cast<ptrdiff_t>(end) - 1);
}

Strings PoseCommands(const std::string &bone, bool isNew, const std::string &position, const std::string &length,
                     const std::string &rotation, bool pivot, const std::string &name) {
    Strings commands = {"SelectItem " + bone};
    if (isNew) commands.push_back("BoneActive 1");
    commands.push_back("BoneRestPosition " + position);
    commands.push_back("BoneRestLength " + length);
    commands.push_back("ItemIconScale " + length);
    commands.push_back("Position " + position);
    if (pivot) {
        commands.insert(commands.end(), {"BoneRestRotation 0 0 0", "PivotRotation " + rotation, "RecordPivotRotation"});
    } else {
        commands.insert(commands.end(), {"Rotation " + rotation, "BoneRestRotation " + rotation});
    }
    commands.push_back("BoneWeightMapName " + name);
    return commands;
}

Strings WholeRun(LWItemID object, LWItemID upper, LWItemID lower, bool created, bool pivot) {
    const std::string zeroRotation = "0.000000 -0.000000 -0.000000";
    Strings expected = {"SelectItem " + Hex(object)};
    if (created) expected.push_back("AddBone Upper");
    Strings upperPose =
        PoseCommands(Hex(upper), created, "0.000000 0.000000 0.000000", "2.000000", zeroRotation, pivot, "Upper");
    expected.insert(expected.end(), upperPose.begin(), upperPose.end());
    if (created) expected.insert(expected.end(), {"SelectItem " + Hex(upper), "AddChildBone Lower"});
    Strings lowerPose =
        PoseCommands(Hex(lower), created, "0.000000 0.000000 2.000000", "1.000000", zeroRotation, pivot, "Lower");
    expected.insert(expected.end(), lowerPose.begin(), lowerPose.end());
    return expected;
}

TEST(Emission, createsAndPosesTheWholeSkeletonThenUpdatesItOnASecondRun) {
    for (bool pivot : {false, true}) {
        HostOptions options;
        options.pivotRotateAnswer = pivot;
        ModuleHarness run(options);
        LWItemID object = run.scene.AddObject("Leg", UpperAndLower().mesh);
        run.scene.selection = {object};
        ASSERT_EQ(run.Activate(), AFUNC_OK);
        const vexil_host::Item &leg = *run.scene.Find(object);
        ASSERT_EQ(leg.bones.size(), 2u);
        LWItemID upper = leg.bones[0], lower = leg.bones[1];
        EXPECT_EQ(ObjectCommands(run), WholeRun(object, upper, lower, true, pivot)) << "pivot " << pivot;
        EXPECT_TRUE(run.host.refused.empty());

        run.host.commands.clear();
        ASSERT_EQ(run.Activate(), AFUNC_OK);
        EXPECT_EQ(leg.bones.size(), 2u);
        EXPECT_EQ(ObjectCommands(run), WholeRun(object, upper, lower, false, pivot));

        // The scene holds what the commands said.
        const vexil_host::BoneState &lowerState = run.scene.Find(lower)->bone;
        EXPECT_EQ(lowerState.parent, upper);
        EXPECT_EQ(lowerState.restPosition, (std::array<double, 3>{0, 0, 2}));
        EXPECT_EQ(lowerState.restLength, 1);
        EXPECT_EQ(lowerState.weightMap, "Lower");
        EXPECT_EQ(lowerState.pivotRecorded, pivot);
        EXPECT_TRUE(lowerState.active);
        EXPECT_EQ(run.scene.selection, (std::vector<LWItemID>{object}));
    }
}

TEST(Emission, drivesExistingBonesByExactNameWithoutReparentingOrRemoving) {
    ModuleHarness run;
    LWItemID object = run.scene.AddObject("Leg", UpperAndLower().mesh);
    LWItemID stranger = run.scene.AddBone(object, nullptr, "Stranger");
    LWItemID lower = run.scene.AddBone(object, stranger, "Lower");      // under another parent
    LWItemID caseOnly = run.scene.AddBone(object, nullptr, "upper");    // not Upper
    LWItemID blank = run.scene.AddBone(object, nullptr, "Upper ");      // not Upper
    run.scene.selection = {object};
    ASSERT_EQ(run.Activate(), AFUNC_OK);
    const vexil_host::Item &leg = *run.scene.Find(object);
    ASSERT_EQ(leg.bones.size(), 5u);
    LWItemID upper = leg.bones[4];
    EXPECT_EQ(run.scene.Find(upper)->name, "Upper");
    Strings expected = {"SelectItem " + Hex(object), "AddBone Upper"};
    Strings upperPose = PoseCommands(Hex(upper), true, "0.000000 0.000000 0.000000", "2.000000",
                                     "0.000000 -0.000000 -0.000000", false, "Upper");
    Strings lowerPose = PoseCommands(Hex(lower), false, "0.000000 0.000000 2.000000", "1.000000",
                                     "0.000000 -0.000000 -0.000000", false, "Lower");
    expected.insert(expected.end(), upperPose.begin(), upperPose.end());
    expected.insert(expected.end(), lowerPose.begin(), lowerPose.end());
    EXPECT_EQ(ObjectCommands(run), expected);
    EXPECT_EQ(run.scene.Find(lower)->bone.parent, stranger);
    for (LWItemID untouched : {stranger, caseOnly, blank}) {
        EXPECT_EQ(run.scene.Find(untouched)->bone.restLength, 0);
        EXPECT_TRUE(run.scene.Find(untouched)->bone.weightMap.empty());
    }
}

TEST(Emission, drivesTheLaterOfTwoBonesOfOneName) {
    ModuleHarness run;
    MeshDrawing drawing;
    drawing.Bone("Solo", drawing.Point(0, 0, 0), drawing.Point(0, 0, 1), drawing.Point(0, 0.1f, 0));
    LWItemID object = run.scene.AddObject("Thing", std::move(drawing.mesh));
    LWItemID earlier = run.scene.AddBone(object, nullptr, "Solo");
    LWItemID later = run.scene.AddBone(object, nullptr, "Solo");
    run.scene.selection = {object};
    ASSERT_EQ(run.Activate(), AFUNC_OK);
    EXPECT_EQ(ObjectCommands(run).at(1), "SelectItem " + Hex(later));
    EXPECT_EQ(run.scene.Find(later)->bone.weightMap, "Solo");
    EXPECT_TRUE(run.scene.Find(earlier)->bone.weightMap.empty());
}

TEST(Emission, sendsNamesWithBlanksUnquotedAndIdsByTheirLow32Bits) {
    ModuleHarness run;
    run.scene.highBits = 0x3'0000'0000ull;
    MeshDrawing drawing;
    drawing.Bone("Left Upper Arm", drawing.Point(0, 0, 0), drawing.Point(0, 0, 1), drawing.Point(0, 0.1f, 0));
    LWItemID object = run.scene.AddObject("Arm", std::move(drawing.mesh));
    run.scene.selection = {object};
    ASSERT_EQ(run.Activate(), AFUNC_OK);
    Strings commands = ObjectCommands(run);
    EXPECT_EQ(commands.at(0), "SelectItem " + Hex(object));
    EXPECT_EQ(commands.at(1), "AddBone Left Upper Arm");
    EXPECT_EQ(commands.back(), "BoneWeightMapName Left Upper Arm");
    EXPECT_TRUE(run.host.refused.empty());
    EXPECT_EQ(run.scene.Find(object)->bones.size(), 1u);
}

TEST(Emission, selectsAnObjectOfOnlyConnectorsAndSendsNothingElse) {
    ModuleHarness run;
    MeshDrawing drawing;
    drawing.Connector("Link", drawing.Point(0, 0, 0), drawing.Point(0, 0, 1));
    LWItemID object = run.scene.AddObject("Wires", std::move(drawing.mesh));
    run.scene.selection = {object};
    ASSERT_EQ(run.Activate(), AFUNC_OK);
    EXPECT_EQ(ObjectCommands(run), (Strings{"SelectItem " + Hex(object)}));
}

TEST(Emission, skipsANameTooLongForACommandAndStillPosesTheOthers) {
    ModuleHarness run;
    MeshDrawing drawing;
    std::string longName(300, 'L');
    drawing.Bone(longName, drawing.Point(0, 0, 0), drawing.Point(0, 0, 1), drawing.Point(0, 0.1f, 0));
    drawing.Bone("Short", drawing.Point(5, 0, 0), drawing.Point(5, 0, 1), drawing.Point(5, 0.1f, 0));
    LWItemID object = run.scene.AddObject("Long", std::move(drawing.mesh));
    run.scene.selection = {object};
    ASSERT_EQ(run.Activate(), AFUNC_OK);
    for (const std::string &command : run.host.commands) EXPECT_LT(command.size(), 256u);
    // The long-named bone was never created, so it gets nothing further.
    ASSERT_EQ(run.scene.Find(object)->bones.size(), 1u);
    EXPECT_EQ(ObjectCommands(run).at(1), "AddBone Short");
    EXPECT_TRUE(run.host.refused.empty());
}

TEST(Emission, createsAChildAsARootWhenItsParentsBoneCannotBeFound) {
    // The parent's name is too long to send, so its bone never exists.
    ModuleHarness run;
    MeshDrawing drawing;
    std::string longName(300, 'P');
    uint32_t joint = drawing.Point(0, 0, 1);
    drawing.Bone(longName, drawing.Point(0, 0, 0), joint, drawing.Point(0, 0.1f, 0));
    drawing.Bone("Child", joint, drawing.Point(0, 0, 2), drawing.Point(0, 0.1f, 1));
    LWItemID object = run.scene.AddObject("Orphan", std::move(drawing.mesh));
    LWItemID other = run.scene.AddBone(object, nullptr, "Other");
    run.scene.selection = {object};
    ASSERT_EQ(run.Activate(), AFUNC_OK);
    Strings commands = ObjectCommands(run);
    EXPECT_EQ(commands.at(1), "AddBone Child");
    EXPECT_TRUE(std::find(commands.begin(), commands.end(), "SelectItem 0") == commands.end());
    const vexil_host::Item &orphan = *run.scene.Find(object);
    ASSERT_EQ(orphan.bones.size(), 2u);
    EXPECT_EQ(run.scene.Find(orphan.bones[1])->bone.parent, nullptr);
    EXPECT_TRUE(run.scene.Find(other)->bone.weightMap.empty());
}

// The two bones' names and parents after one run over `drawing`.
std::vector<std::string> BoneOutline(ModuleHarness &run, MeshDrawing drawing) {
    LWItemID object = run.scene.AddObject("Thing", std::move(drawing.mesh));
    run.scene.selection = {object};
    EXPECT_EQ(run.Activate(), AFUNC_OK);
    EXPECT_TRUE(run.host.refused.empty());
    std::vector<std::string> outline;
    for (LWItemID id : run.scene.Find(object)->bones) {
        const vexil_host::Item &bone = *run.scene.Find(id);
        const vexil_host::Item *parent = run.scene.Find(bone.bone.parent);
        outline.push_back(bone.name + (parent ? "<" + parent->name : ""));
    }
    return outline;
}

TEST(ObjectProcessing, aDegenerateTriangleBetweenTwoBonesNeitherBecomesABoneNorLinksThem) {
    MeshDrawing drawing;
    uint32_t tip = drawing.Point(0, 0, 1);
    drawing.Bone("Upper", drawing.Point(0, 0, 0), tip, drawing.Point(0, 0.1f, 0));
    // Two points at one place: the triangle from the tip fails the edge test.
    uint32_t start = drawing.Point(0, 0, 1.5f), twin = drawing.Point(0, 0, 1.5f);
    drawing.Polygon("Flat", {tip, start, twin});
    drawing.Polygon("Flat2", {start, twin, tip});
    drawing.Bone("Lower", start, drawing.Point(0, 0, 2.5f), drawing.Point(0, 0.1f, 1.5f));
    ModuleHarness run;
    EXPECT_EQ(BoneOutline(run, std::move(drawing)), (std::vector<std::string>{"Upper", "Lower"}));
}

TEST(ObjectProcessing, aConnectorWithoutASurfaceStillLinks) {
    vexil_host::HostOptions options;
    options.untaggedSurface = "Nothing";
    ModuleHarness run(options);
    MeshDrawing drawing;
    uint32_t tip = drawing.Point(0, 0, 1), start = drawing.Point(0, 0, 1.5f);
    drawing.Bone("Upper", drawing.Point(0, 0, 0), tip, drawing.Point(0, 0.1f, 0));
    drawing.Connector("Nothing", tip, start);
    drawing.Bone("Lower", start, drawing.Point(0, 0, 2.5f), drawing.Point(0, 0.1f, 1.5f));
    EXPECT_EQ(BoneOutline(run, std::move(drawing)), (std::vector<std::string>{"Upper", "Lower<Upper"}));
}

TEST(ObjectProcessing, sendsNonFiniteValuesAsTheyComeOut) {
    // Differences of extreme coordinates overflow to infinity; nothing
    // checks, nothing breaks, and the texts are what printf writes.
    ModuleHarness run;
    MeshDrawing drawing;
    drawing.Bone("Huge", drawing.Point(-3e38f, 0, 0), drawing.Point(3e38f, 0, 0), drawing.Point(-3e38f, 1e38f, 0));
    EXPECT_EQ(BoneOutline(run, std::move(drawing)), (std::vector<std::string>{"Huge"}));
    const Strings &commands = run.host.commands;
    EXPECT_NE(std::find(commands.begin(), commands.end(), "BoneRestLength inf"), commands.end());
    bool sawNan = false;
    for (const std::string &command : commands) sawNan = sawNan || command.find("nan") != std::string::npos;
    EXPECT_TRUE(sawNan);
}

TEST(ObjectProcessing, handlesEachSelectedObjectOnItsOwn) {
    ModuleHarness run;
    LWItemID first = run.scene.AddObject("First", UpperAndLower().mesh);
    LWItemID light = run.scene.AddLight("Key");
    LWItemID second = run.scene.AddObject("Second", UpperAndLower().mesh);
    MeshDrawing quads;
    for (int i = 0; i < 4; ++i) quads.Point(static_cast<float>(i), 0, 1);
    quads.Polygon("Quad", {0, 1, 2, 3});
    quads.Polygon("Dot", {1});
    LWItemID flat = run.scene.AddObject("Flat", std::move(quads.mesh));
    LWItemID meshless = run.scene.AddObject("Null", nullptr);
    run.scene.selection = {first, light, second, flat, meshless};
    ASSERT_EQ(run.Activate(), AFUNC_OK);
    EXPECT_TRUE(run.host.refused.empty());
    EXPECT_EQ(run.scene.Find(first)->bones.size(), 2u);
    EXPECT_EQ(run.scene.Find(second)->bones.size(), 2u);
    const Strings &all = run.host.commands;
    auto objectSelections = std::count_if(all.begin(), all.end(), [&](const std::string &c) {
        return c == "SelectItem " + Hex(first) || c == "SelectItem " + Hex(second) ||
               c == "SelectItem " + Hex(flat) || c == "SelectItem " + Hex(meshless);
    });
    EXPECT_EQ(objectSelections, 3);  // first, second, and the final reselection of first
    EXPECT_EQ(Strings(all.end() - 5, all.end()),
              (Strings{"SelectItem " + Hex(first), "AddToSelection " + Hex(light), "AddToSelection " + Hex(second),
                       "AddToSelection " + Hex(flat), "AddToSelection " + Hex(meshless)}));
}

}  // namespace
