// Fails the module's Nth allocation, for N = 1, 2, ... until a run needs no
// more: every failing run must report the host's BADAPP (4), release
// everything, hand back every mesh, send no bone command after the failure,
// and still put the user's frame and selection back. Allocations made by the
// stand-in host are never failed.
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/services.h"
#include "shell/activate.h"
#include "test_meshes.h"

namespace {

struct Injector {
    bool armed = false;
    long failAt = 0;
    long moduleAllocations = 0;
    long live = 0;
    bool injected = false;
    const std::vector<std::string> *commands = nullptr;
    size_t commandsAtFailure = 0;
};
Injector injector;

bool Counting() { return injector.armed && !vexil_host::insideHostCall; }

void *Allocate(size_t size, bool mayThrow) {
    if (Counting()) {
        if (++injector.moduleAllocations == injector.failAt) {
            injector.injected = true;
            injector.commandsAtFailure = injector.commands->size();
            if (mayThrow) throw std::bad_alloc();
            return nullptr;
        }
    }
    void *block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr) {
        if (mayThrow) throw std::bad_alloc();
        return nullptr;
    }
    if (Counting()) ++injector.live;
    return block;
}

void Release(void *block) {
    if (block == nullptr) return;
    if (Counting()) --injector.live;
    std::free(block);
}

}  // namespace

void *operator new(size_t size) { return Allocate(size, true); }
void *operator new[](size_t size) { return Allocate(size, true); }
void *operator new(size_t size, const std::nothrow_t &) noexcept { return Allocate(size, false); }
void *operator new[](size_t size, const std::nothrow_t &) noexcept { return Allocate(size, false); }
void operator delete(void *block) noexcept { Release(block); }
void operator delete[](void *block) noexcept { Release(block); }
void operator delete(void *block, size_t) noexcept { Release(block); }
void operator delete[](void *block, size_t) noexcept { Release(block); }
void operator delete(void *block, const std::nothrow_t &) noexcept { Release(block); }
void operator delete[](void *block, const std::nothrow_t &) noexcept { Release(block); }

namespace {

using vexil_test::MeshDrawing;

// A scene that takes every path: bones, connectors both ways, pass-through
// triangles, existing bones, an object of connectors only, a light.
void BuildScene(vexil_host::Scene &scene) {
    MeshDrawing rig;
    uint32_t hip = rig.Point(0, 0, 0), knee = rig.Point(0, 0, 2), ankle = rig.Point(0, 0, 3);
    rig.Bone("Upper", hip, knee, rig.Point(0, 0.1f, 0));
    uint32_t linked = rig.Point(0, 0, 2.5f);
    rig.Connector("Link", linked, knee);
    rig.Bone("Lower", linked, ankle, rig.Point(0, 0.1f, 2.5f));
    uint32_t fin = rig.Point(0, 0, 3.2f);
    rig.Bone("Fin", ankle, fin, rig.Point(0, 0.05f, 3));
    rig.Bone("Fin", rig.Point(5, 5, 5), rig.Point(5, 5, 6), rig.Point(5, 5.1f, 5));
    rig.Bone("Toe", fin, rig.Point(0, 0, 4), rig.Point(0, 0.1f, 3.2f));
    for (int i = 0; i < 40; ++i) rig.Bone("Extra" + std::to_string(i), rig.Point(9, 0, static_cast<float>(i)),
                                          rig.Point(9, 0, static_cast<float>(i) + 1), rig.Point(9, 0.1f, static_cast<float>(i)));
    LWItemID first = scene.AddObject("Rig", std::move(rig.mesh));
    scene.AddBone(first, nullptr, "Lower");
    LWItemID light = scene.AddLight("Key");
    MeshDrawing wires;
    wires.Connector("Wire", wires.Point(0, 0, 0), wires.Point(1, 1, 1));
    LWItemID second = scene.AddObject("Wires", std::move(wires.mesh));
    MeshDrawing copy;
    copy.Bone("Solo", copy.Point(0, 0, 0), copy.Point(0, 0, 1), copy.Point(0, 0.1f, 0));
    LWItemID third = scene.AddObject("Solo", std::move(copy.mesh));
    scene.selection = {first, light, second, third};
    scene.time = 2;
    scene.framesPerSecond = 25;
}

TEST(AllocationFailure, everyFailingRunReleasesEverythingAndRestoresTheUser) {
    long sweeps = 0;
    for (long failAt = 1;; ++failAt) {
        vexil_host::Scene scene;
        BuildScene(scene);
        std::vector<LWItemID> selection = scene.selection;
        vexil_host::HostOptions options;
        options.pivotRotateAnswer = 1;
        vexil_host::StandInHost host(scene, options);
        injector = Injector();
        injector.commands = &host.commands;
        injector.failAt = failAt;
        injector.armed = true;
        int status = Activate(LWLAYOUTGENERIC_VERSION, host.Global(), host.Generic(), nullptr);
        injector.armed = false;

        EXPECT_EQ(injector.live, 0) << "allocation " << failAt << " left memory behind";
        EXPECT_EQ(host.meshesDestroyed, host.meshesHandedOut) << "allocation " << failAt << " kept a mesh";
        if (!injector.injected) {
            EXPECT_EQ(status, AFUNC_OK);
            EXPECT_EQ(scene.Find(selection[0])->bones.size(), 43u);
            break;
        }
        ++sweeps;
        // The host's BADAPP, so that the host tells the user the run failed.
        EXPECT_EQ(status, 4) << "allocation " << failAt;
        std::vector<std::string> after(host.commands.begin() + static_cast<ptrdiff_t>(injector.commandsAtFailure),
                                       host.commands.end());
        if (injector.commandsAtFailure == 0) {
            EXPECT_TRUE(after.empty()) << "allocation " << failAt;
        } else {
            std::vector<std::string> restore = {"GoToFrame 50", "SelectItem 10000001", "AddToSelection 20000001",
                                                "AddToSelection 10000002", "AddToSelection 10000003"};
            EXPECT_EQ(after, restore) << "allocation " << failAt;
            EXPECT_EQ(scene.selection, selection);
            EXPECT_EQ(scene.frame, 50);
        }
        EXPECT_TRUE(host.refused.empty()) << "allocation " << failAt;
    }
    // The scene is built so that the run allocates in many places.
    EXPECT_GT(sweeps, 20);
    std::printf("allocation points swept: %ld\n", sweeps);
}

}  // namespace
