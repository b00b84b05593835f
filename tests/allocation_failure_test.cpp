// Fails the Nth allocation, for N = 1, 2, ... until a run needs no more.
// The module: every failing run must report the host's BADAPP (4), release
// everything, hand back every mesh, send no bone command after the failure,
// and still put the user's frame and selection back. The rig check: it
// releases everything and says so. vexil-host: it tells the user that memory
// ran out, and where. Allocations made by the stand-in host's services while
// the module calls them are never failed.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <new>
#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/program.h"
#include "host/services.h"
#include "rig_check/diagnosis.h"
#include "shell/activate.h"
#include "temp_path.h"
#include "test_meshes.h"

namespace {

struct Injector {
    bool armed = false;
    long failAt = 0;
    long moduleAllocations = 0;
    long live = 0;
    bool injected = false;
    const std::vector<std::string> *commands = nullptr;  // when a module run is swept
    size_t commandsAtFailure = 0;
};
Injector injector;

bool Counting() { return injector.armed && !vexil_host::insideHostCall; }

void *Allocate(size_t size, bool mayThrow) {
    if (Counting()) {
        if (++injector.moduleAllocations == injector.failAt) {
            injector.injected = true;
            if (injector.commands != nullptr) injector.commandsAtFailure = injector.commands->size();
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

TEST(AllocationFailure, theRigCheckReleasesEverythingAndSaysSo) {
    long sweeps = 0;
    std::string whole;  // what a diagnosis without failures tells
    for (long failAt = 0;; ++failAt) {
        vexil_host::Scene scene;
        BuildScene(scene);
        vexil_host::StandInHost host(scene);
        LWMeshInfo *mesh = host.MeshOf(scene.selection[0]);
        injector = Injector();
        injector.failAt = failAt;
        injector.armed = true;
        bool saidSo = false;
        std::string told;
        try {
            Diagnosis diagnosis = DiagnoseMesh(mesh);
            injector.armed = false;  // what the test keeps is not the rig check's
            for (const Finding &finding : diagnosis.findings) told += finding.message + "\n";
            injector.armed = true;
        } catch (const std::bad_alloc &) {
            saidSo = true;
        }
        injector.armed = false;
        mesh->destroy(mesh);
        EXPECT_EQ(injector.live, 0) << "allocation " << failAt << " left memory behind";
        if (failAt == 0) {
            whole = told;
            continue;
        }
        if (!injector.injected) {
            EXPECT_NE(told.find("is not a bone"), std::string::npos) << told;
            EXPECT_EQ(told, whole);
            break;
        }
        // A failure the standard library absorbs (a sort without its
        // scratch buffer) must change nothing.
        if (!saidSo) {
            EXPECT_EQ(told, whole) << "allocation " << failAt;
        }
        sweeps += saidSo;
    }
    EXPECT_GT(sweeps, 20);
}

// An output stream that allocates nothing while it is written to.
class FixedBuffer : public std::streambuf {
  public:
    FixedBuffer() : bytes_(1 << 16) { setp(bytes_.data(), bytes_.data() + bytes_.size()); }
    std::string Text() const { return std::string(pbase(), pptr()); }

  private:
    std::vector<char> bytes_;
};

TEST(AllocationFailure, vexilHostSaysWhereMemoryRanOut) {
    // A mesh with a warning to tell, so that the rig check has work.
    std::string mesh = vexil_test::TempPath("leg.obj");
    // A skin around it too, so that its weights are worked out for the picture.
    std::ofstream(mesh) << "o Leg\nv 0 0 0\nv 0 0 2\nv 0 0.1 0\nv 0 0 2\nv 0 0 3\nv 0 0.1 2\nusemtl Upper\nf 1 2 3\n"
                           "usemtl Lower\nf 4 5 6\n"
                           "v -1 -1 0\nv 1 -1 0\nv 1 1 0\nv -1 1 0\nv -1 -1 3\nv 1 -1 3\nv 1 1 3\nv -1 1 3\nusemtl Skin\n"
                           "f 7 8 9 10\nf 14 13 12 11\nf 7 11 12 8\nf 8 12 13 9\nf 9 13 14 10\nf 10 14 11 7\n";
    const std::string svg = vexil_test::TempPath("leg.svg");
    const std::vector<std::string> arguments = {"--module", VEXIL_MODULE_PATH, "--explain", "--svg", svg, mesh};
    struct Run {
        int status;
        std::string out, err;
    };
    auto run = [&](long failAt) {
        FixedBuffer outBuffer, errBuffer;
        std::ostream out(&outBuffer), err(&errBuffer);
        injector = Injector();
        injector.failAt = failAt;
        injector.armed = true;
        int status = vexil_host::RunProgram(arguments, ".", out, err);
        injector.armed = false;
        return Run{status, outBuffer.Text(), errBuffer.Text()};
    };
    const Run clean = run(0);
    ASSERT_EQ(clean.status, vexil_host::kExitDone) << clean.err;
    std::vector<std::string> places;
    for (long failAt = 1;; ++failAt) {
        Run failed = run(failAt);
        if (!injector.injected) break;
        if (failed.status == vexil_host::kExitDone) {
            // A failure something absorbed must have changed nothing.
            EXPECT_EQ(failed.out, clean.out) << "allocation " << failAt;
            EXPECT_EQ(failed.err, clean.err) << "allocation " << failAt;
            continue;
        }
        EXPECT_TRUE(failed.status == vexil_host::kExitOutOfMemory || failed.status == vexil_host::kExitModuleFailed)
            << "allocation " << failAt << ": " << failed.status << " " << failed.err;
        size_t said = failed.err.find("memory ran out");
        ASSERT_NE(said, std::string::npos) << "allocation " << failAt << ": " << failed.err;
        std::string place = failed.err.substr(said);
        if (std::find(places.begin(), places.end(), place) == places.end()) places.push_back(place);
    }
    // Reading, the module's run and the rig check each ran out somewhere.
    auto said = [&](const std::string &text) {
        return std::any_of(places.begin(), places.end(),
                           [&](const std::string &place) { return place.find(text) != std::string::npos; });
    };
    EXPECT_TRUE(said("memory ran out while reading it"));
    EXPECT_TRUE(said("memory ran out during the rig check: no warnings or notes are shown"));
    EXPECT_TRUE(said("memory ran out while working out the skins' weights"));
#if !defined(_WIN32)  // a Windows module keeps a heap of its own
    EXPECT_TRUE(said("memory ran out)"));
#endif
}

}  // namespace
