#include <algorithm>
#include <cmath>
#include <limits>
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

const Strings kAllServices = {"LWPanelServices", "LW Item Info 5", "LW Object Info 7", "LW Interface Info 7",
                              "LW Scene Info 6"};

TEST(Activation, refusesOtherInterfaceVersionsBeforeAskingForAnything) {
    for (int version : {1, 3, 0, -2}) {
        ModuleHarness run;
        EXPECT_EQ(run.Activate(version), AFUNC_BADVERSION) << version;
        EXPECT_TRUE(run.host.servicesAsked.empty());
        EXPECT_TRUE(run.host.commands.empty());
        EXPECT_TRUE(run.host.panelCalls.empty());
    }
}

TEST(Activation, asksForServicesInOrderAndStopsAtTheFirstMissing) {
    for (size_t missing = 0; missing < kAllServices.size(); ++missing) {
        HostOptions options;
        options.withheldServices.insert(kAllServices[missing]);
        ModuleHarness run(options);
        EXPECT_EQ(run.Activate(), AFUNC_BADGLOBAL) << kAllServices[missing];
        Strings expected(kAllServices.begin(), kAllServices.begin() + static_cast<ptrdiff_t>(missing) + 1);
        EXPECT_EQ(run.host.servicesAsked, expected);
        EXPECT_TRUE(run.host.commands.empty());
        EXPECT_TRUE(run.host.panelCalls.empty());
    }
}

TEST(Activation, showsThePanelAndReadsTheOptionBack) {
    ModuleHarness run;
    EXPECT_EQ(run.Activate(), AFUNC_OK);
    EXPECT_EQ(run.host.servicesAsked, kAllServices);
    EXPECT_EQ(run.host.panelCalls,
              (Strings{"create Vexil option", "addControl BoolControl 8 PivotRotate", "set 4 2 0", "open 1", "get 4 2",
                       "destroy"}));
}

TEST(Activation, startsEveryRunWithTheOptionOff) {
    HostOptions options;
    options.pivotRotateAnswer = 1;
    ModuleHarness run(options);
    ASSERT_EQ(run.Activate(), AFUNC_OK);
    run.host.panelCalls.clear();
    ASSERT_EQ(run.Activate(), AFUNC_OK);
    EXPECT_EQ(run.host.panelCalls.at(2), "set 4 2 0");
}

TEST(Activation, takesAnyNonZeroOptionValueAsOn) {
    // Found by fuzzing: a negative value was once taken for a missing panel.
    for (int answer : {-1, 1, 7, -2147483647 - 1}) {
        HostOptions options;
        options.pivotRotateAnswer = answer;
        ModuleHarness run(options);
        MeshDrawing drawing;
        drawing.Bone("Solo", drawing.Point(0, 0, 0), drawing.Point(0, 0, 1), drawing.Point(0, 0.1f, 0));
        run.scene.selection = {run.scene.AddObject("Thing", std::move(drawing.mesh))};
        EXPECT_EQ(run.Activate(), AFUNC_OK) << answer;
        EXPECT_NE(std::find(run.host.commands.begin(), run.host.commands.end(), "RecordPivotRotation"),
                  run.host.commands.end())
            << answer;
    }
}

TEST(Activation, givesUpWithoutCommandsWhenThePanelCannotBeMade) {
    HostOptions noPanel;
    noPanel.panelFails = true;
    HostOptions noControl;
    noControl.controlFails = true;
    for (const HostOptions &options : {noPanel, noControl}) {
        ModuleHarness run(options);
        run.scene.selection.push_back(run.scene.AddLight("Key"));
        EXPECT_EQ(run.Activate(), AFUNC_BADGLOBAL);
        EXPECT_TRUE(run.host.commands.empty());
        // A panel that was made is destroyed again.
        bool made = !options.panelFails;
        EXPECT_EQ(run.host.panelCalls.back() == "destroy", made);
    }
}

TEST(Activation, emptySelectionSendsOnlyTheFrameCommands) {
    ModuleHarness run;
    run.scene.time = 2.0;
    run.scene.framesPerSecond = 24;
    EXPECT_EQ(run.Activate(), AFUNC_OK);
    EXPECT_EQ(run.host.commands, (Strings{"GoToFrame 0", "GoToFrame 48"}));
    EXPECT_TRUE(run.host.refused.empty());
    EXPECT_EQ(run.scene.frame, 48);
}

TEST(Activation, selectsTheItemsAgainInTheHostsOrder) {
    ModuleHarness run;
    LWItemID object = run.scene.AddObject("Body", std::make_unique<vexil_host::Mesh>());
    LWItemID bone = run.scene.AddBone(object, nullptr, "Hip");
    LWItemID light = run.scene.AddLight("Key");
    LWItemID camera = run.scene.AddCamera("Main");
    run.scene.selection = {camera, bone, light};
    EXPECT_EQ(run.Activate(), AFUNC_OK);
    EXPECT_EQ(run.host.commands, (Strings{"GoToFrame 0", "GoToFrame 0", "SelectItem " + Hex(camera),
                                          "AddToSelection " + Hex(bone), "AddToSelection " + Hex(light)}));
    EXPECT_TRUE(run.host.refused.empty());
    EXPECT_EQ(run.scene.selection, (std::vector<LWItemID>{camera, bone, light}));
}

TEST(Activation, writesItemIdsByTheirLow32Bits) {
    ModuleHarness run;
    run.scene.highBits = 0x7'0000'0000ull;
    LWItemID light = run.scene.AddLight("Key");
    ASSERT_GT(reinterpret_cast<uintptr_t>(light), 0xFFFFFFFFu);
    run.scene.selection = {light};
    EXPECT_EQ(run.Activate(), AFUNC_OK);
    EXPECT_EQ(run.host.commands.back(), "SelectItem " + Hex(light));
    EXPECT_TRUE(run.host.refused.empty());
}

TEST(Activation, returnsToTheFrameTruncatedTowardZero) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double time, rate;
        const char *frame;
    } cases[] = {
        {1.9, 1, "1"},           {-1.9, 1, "-1"},          {0.999, 30, "29"},
        {1e10, 30, "2147483647"}, {-1e10, 30, "-2147483648"}, {inf, 30, "2147483647"},
        {std::nan(""), 30, "0"}, {inf, 0, "0"},            {2147483647.9, 1, "2147483647"},
    };
    for (const auto &c : cases) {
        ModuleHarness run;
        run.scene.time = c.time;
        run.scene.framesPerSecond = c.rate;
        EXPECT_EQ(run.Activate(), AFUNC_OK);
        EXPECT_EQ(run.host.commands, (Strings{"GoToFrame 0", std::string("GoToFrame ") + c.frame}))
            << c.time << " x " << c.rate;
    }
}

TEST(Activation, handsEveryMeshBackOnceUnlessTheHostKeepsIt) {
    // Objects that end at each step: bones, connectors only, polygons the
    // scan skips, no polygon at all; and items that have no mesh.
    Strings commandsWithDestroy;
    for (bool hostKeepsMeshes : {false, true}) {
        HostOptions options;
        options.meshesWithoutDestroy = hostKeepsMeshes;
        ModuleHarness run(options);
        MeshDrawing bones, wires, quads;
        bones.Bone("Solo", bones.Point(0, 0, 0), bones.Point(0, 0, 1), bones.Point(0, 0.1f, 0));
        wires.Connector("Wire", wires.Point(0, 0, 0), wires.Point(1, 1, 1));
        quads.Polygon("Skin", {quads.Point(0, 0, 0), quads.Point(1, 0, 0), quads.Point(1, 1, 0), quads.Point(0, 1, 0)});
        run.scene.selection = {run.scene.AddObject("Bones", std::move(bones.mesh)),
                               run.scene.AddObject("Wires", std::move(wires.mesh)),
                               run.scene.AddObject("Quads", std::move(quads.mesh)),
                               run.scene.AddObject("Empty", std::make_unique<vexil_host::Mesh>()),
                               run.scene.AddObject("NoMesh", nullptr), run.scene.AddLight("Key")};
        EXPECT_EQ(run.Activate(), AFUNC_OK);
        EXPECT_EQ(run.host.meshesHandedOut, 4u);
        EXPECT_EQ(run.host.meshesDestroyed, hostKeepsMeshes ? 0u : 4u);
        if (hostKeepsMeshes)
            EXPECT_EQ(run.host.commands, commandsWithDestroy);
        else
            commandsWithDestroy = run.host.commands;
    }
}

}  // namespace
