// Times whole activations of the module through the stand-in host on large
// generated meshes, beside the time the host needs merely to walk the same
// mesh, and the literal reference where it finishes.
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "file_formats/gltf_writer.h"
#include "bench_meshes.h"
#include "host/module_loader.h"
#include "host/services.h"
#include "reference/literal_search.h"
#include "rig_check/diagnosis.h"
#include "rig_check/rig_report.h"
#include "shell/services.h"
#include "skeleton/bone_record.h"
#include "skeleton/hierarchy.h"
#include "skeleton/polygon_scan.h"
#include "small_stack.h"

using vexil_host::Mesh;
using vexil_host::Scene;
using vexil_host::StandInHost;
using namespace vexil_bench;

namespace {

std::unique_ptr<Mesh> CopyOf(const Mesh &mesh) {
    auto copy = std::make_unique<Mesh>();
    copy->points = mesh.points;
    copy->polygonFirstVertex = mesh.polygonFirstVertex;
    copy->vertices = mesh.vertices;
    copy->polygonSurface = mesh.polygonSurface;
    copy->surfaces = mesh.surfaces;
    return copy;
}

void ReportPeakMemory(benchmark::State &state) {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// A host that counts the commands instead of keeping their texts: a
// million strings would weigh more than the module's own work.
vexil_host::HostOptions CountingHost() {
    vexil_host::HostOptions options;
    options.keepCommands = false;
    return options;
}

// One whole activation through the loaded module, `runs` times on one scene;
// the last run is timed. One untimed activation comes first: memory new to
// the process costs far more here than memory it has used before, and a
// host session that runs the module has used it. With `stackBytes`, the
// activations run on a thread with that much stack, as a host's may be.
void TimeActivation(benchmark::State &state, const Mesh &mesh, int runs, size_t stackBytes = 0) {
    vexil_host::LoadedModule module(VEXIL_MODULE_PATH);
    auto activate = [&](StandInHost &host) {
        int status = -1;
        auto run = [&] { status = module.Activation()(LWLAYOUTGENERIC_VERSION, host.Global(), host.Generic(), nullptr); };
        if (stackBytes == 0)
            run();
        else if (!vexil_test::OnSmallStack(run, stackBytes))
            state.SkipWithError("no thread with a small stack");
        return status;
    };
    {
        Scene scene;
        scene.selection = {scene.AddObject("Rig", CopyOf(mesh))};
        StandInHost host(scene, CountingHost());
        activate(host);
    }
    size_t hostCalls = 0, enumerationCalls = 0, itemInfoCalls = 0, commands = 0, created = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Scene scene;
        scene.selection = {scene.AddObject("Rig", CopyOf(mesh))};
        StandInHost host(scene, CountingHost());
        for (int run = 1; run < runs; ++run) activate(host);
        host.hostCallCount = host.enumerationCallCount = host.itemInfoCallCount = 0;
        size_t bonesBefore = scene.Find(scene.selection[0])->bones.size();
        host.commandCount = 0;
        state.ResumeTiming();
        int status = activate(host);
        state.PauseTiming();
        if (status != AFUNC_OK) state.SkipWithError("the module failed");
        hostCalls = host.hostCallCount;
        enumerationCalls = host.enumerationCallCount;
        itemInfoCalls = host.itemInfoCallCount;
        commands = host.commandCount;
        created = scene.Find(scene.selection[0])->bones.size() - bonesBefore;
        state.ResumeTiming();
    }
    state.counters["host_calls"] = static_cast<double>(hostCalls);
    state.counters["bone_enumeration_calls"] = static_cast<double>(enumerationCalls);
    state.counters["commands"] = static_cast<double>(commands);
    if (created > 0)
        state.counters["item_info_calls_per_created_bone"] =
            static_cast<double>(itemInfoCalls) / static_cast<double>(created);
    ReportPeakMemory(state);
}

// What a module must at least cost: the host walking the mesh once, reading
// each polygon's size, vertices, surface and positions.
size_t ReadEverything(void *data, LWPolID polygon) {
    LWMeshInfo *mesh = static_cast<LWMeshInfo *>(data);
    int size = mesh->polSize(mesh, polygon);
    float sum = 0;
    for (int i = 0; i < size; ++i) {
        float position[3];
        mesh->pntBasePos(mesh, mesh->polVertex(mesh, polygon, i), position);
        sum += position[0];
    }
    benchmark::DoNotOptimize(mesh->polTag(mesh, polygon, LWID_SURF));
    benchmark::DoNotOptimize(sum);
    return 0;
}

void TimeBareWalk(benchmark::State &state, const Mesh &mesh) {
    Scene scene;
    LWItemID object = scene.AddObject("Rig", CopyOf(mesh));
    StandInHost host(scene);
    LWMeshInfo *info = host.MeshOf(object);
    for (auto _ : state) info->scanPolys(info, ReadEverything, info);
}

// What vexil-host does after the module's run: diagnose the object and write
// its warnings, and with `explain` how every bone hangs.
void TimeDiagnosis(benchmark::State &state, const Mesh &mesh, bool explain) {
    Scene scene;
    LWItemID object = scene.AddObject("Rig", CopyOf(mesh));
    StandInHost host(scene);
    std::map<LWItemID, vexil_host::ObjectSource> sources;
    sources[object].file = "rig.obj";
    sources[object].polygonSource.resize(mesh.PolygonCount());
    size_t warningLines = 0, textBytes = 0;
    for (auto _ : state) {
        std::vector<vexil_host::ObjectReport> reports = vexil_host::DiagnoseObjects(host, {object}, sources);
        std::string text = vexil_host::WarningLines(host, reports);
        if (explain) text += vexil_host::Explanation(reports);
        warningLines = static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
        textBytes = text.size();
        benchmark::DoNotOptimize(text);
    }
    state.counters["lines"] = static_cast<double>(warningLines);
    state.counters["text_bytes"] = static_cast<double>(textBytes);
}

// Takes bytes and keeps none: what writing costs beyond making the bytes is
// the system's.
class CountingSink : public std::streambuf {
  public:
    size_t bytes = 0;

  protected:
    std::streamsize xsputn(const char *, std::streamsize count) override {
        bytes += static_cast<size_t>(count);
        return count;
    }
    int_type overflow(int_type c) override {
        ++bytes;
        return traits_type::not_eof(c);
    }
};

// vexil-host --gltf after the module's run: the mesh without its drawn
// skeleton, every point weighted by its nearest bone, written as binary
// glTF, to a file when `toFile`, else to a sink.
void TimeGltfExport(benchmark::State &state, const Mesh &mesh, bool toFile) {
    Scene scene;
    LWItemID object = scene.AddObject("Rig", CopyOf(mesh));
    scene.selection = {object};
    StandInHost host(scene, CountingHost());
    vexil_host::LoadedModule module(VEXIL_MODULE_PATH);
    if (module.Activation()(LWLAYOUTGENERIC_VERSION, host.Global(), host.Generic(), nullptr) != AFUNC_OK)
        state.SkipWithError("the module failed");
    std::vector<bool> skeletonPolygon(mesh.PolygonCount(), false);
    LWMeshInfo *info = host.MeshOf(object);
    for (LWPolID polygon : DiagnoseMesh(info).skeletonPolygons)
        skeletonPolygon[vexil_host::PolygonIndexOf(polygon, mesh.PolygonCount())] = true;
    info->destroy(info);
    vexil_host::SkinWeights weights;
    vexil_host::GltfObject written{object, &weights};
    std::string path = "/tmp/vexil-bench-" + std::to_string(::getpid()) + ".glb";
    size_t bytes = 0;
    for (auto _ : state) {
        weights = vexil_host::WeighSkin(scene, *scene.Find(object), skeletonPolygon, nullptr,
                                        vexil_host::WeightMethod::Nearest);
        if (toFile) {
            std::ofstream out(path, std::ios::binary);
            vexil_host::WriteGltf(scene, {written}, true, out);
            out.flush();
            bytes = static_cast<size_t>(out.tellp());
        } else {
            CountingSink sink;
            std::ostream out(&sink);
            vexil_host::WriteGltf(scene, {written}, true, out);
            bytes = sink.bytes;
        }
    }
    std::remove(path.c_str());
    state.counters["file_MiB"] = static_cast<double>(bytes) / (1 << 20);
    ReportPeakMemory(state);
}

// Scans the mesh, then times hierarchy building alone by the given search.
template <typename FindParentsFunction>
void TimeHierarchy(benchmark::State &state, const Mesh &mesh, FindParentsFunction findParents) {
    Scene scene;
    LWItemID object = scene.AddObject("Rig", CopyOf(mesh));
    StandInHost host(scene);
    for (auto _ : state) {
        state.PauseTiming();
        SkeletonBuilder builder{};
        builder.mesh = host.MeshOf(object);
        builder.mesh->scanPolys(builder.mesh, ScanPolygon, &builder);
        state.ResumeTiming();
        AssembleHierarchy(builder, findParents(builder));
        state.PauseTiming();
        ClearBuilder(builder);
        state.ResumeTiming();
    }
    ReportPeakMemory(state);
}

// Each mesh is generated once, on first use: each lambda is its own type,
// so each call site keeps its own mesh.
template <typename Make>
const Mesh &Once(Make make) {
    static const std::unique_ptr<Mesh> mesh = make();
    return *mesh;
}

const Mesh &Character() { return Once([] { return CharacterWithHair(); }); }
const Mesh &Chain() { return Once([] { return LongConnectorChain(); }); }
const Mesh &Cage() { return Once([] { return ConnectorCage(); }); }
const Mesh &Tree() { return Once([] { return BoneTree(5000, 4); }); }
const Mesh &Rope() { return Once([] { return BoneTree(100000, 1); }); }
const Mesh &ShortRope() { return Once([] { return BoneTree(20000, 1); }); }
const Mesh &Body() { return Once([] { return BodyOfTriangles(); }); }

void A_Character_Activation(benchmark::State &state) { TimeActivation(state, Character(), 1); }
void A_Character_BareWalk(benchmark::State &state) { TimeBareWalk(state, Character()); }
void A_Character_GltfExport(benchmark::State &state) { TimeGltfExport(state, Character(), false); }
void A_Character_GltfExportToFile(benchmark::State &state) { TimeGltfExport(state, Character(), true); }
void B_ConnectorChain_Activation(benchmark::State &state) { TimeActivation(state, Chain(), 1); }
void B_ConnectorChain_BareWalk(benchmark::State &state) { TimeBareWalk(state, Chain()); }
void B_ConnectorChain_Hierarchy(benchmark::State &state) { TimeHierarchy(state, Chain(), FindParents); }
void C_ConnectorCage_Activation(benchmark::State &state) { TimeActivation(state, Cage(), 1); }
void C_ConnectorCage_BareWalk(benchmark::State &state) { TimeBareWalk(state, Cage()); }
void D_BoneTree_FirstRun(benchmark::State &state) { TimeActivation(state, Tree(), 1); }
void D_BoneTree_SecondRun(benchmark::State &state) { TimeActivation(state, Tree(), 2); }
void D_BoneTree_BareWalk(benchmark::State &state) { TimeBareWalk(state, Tree()); }
void D_BoneTree_Hierarchy(benchmark::State &state) { TimeHierarchy(state, Tree(), FindParents); }
void D_BoneTree_LiteralHierarchy(benchmark::State &state) { TimeHierarchy(state, Tree(), LiteralFindParents); }
void E_Rope_Hierarchy(benchmark::State &state) { TimeHierarchy(state, Rope(), FindParents); }
void E_Rope_BareWalk(benchmark::State &state) { TimeBareWalk(state, Rope()); }
// The first run creates every bone: one lookup per created bone.
void E_Rope20k_FirstRun(benchmark::State &state) { TimeActivation(state, ShortRope(), 1, vexil_test::kHostStack); }
void E_Rope100k_FirstRun(benchmark::State &state) { TimeActivation(state, Rope(), 1, vexil_test::kHostStack); }
// vexil-host's run on (f): the module, then the warnings, then --explain.
void F_Body_Activation(benchmark::State &state) { TimeActivation(state, Body(), 1); }
void F_Body_Warnings(benchmark::State &state) { TimeDiagnosis(state, Body(), false); }
void F_Body_WarningsAndExplain(benchmark::State &state) { TimeDiagnosis(state, Body(), true); }

}  // namespace

BENCHMARK(A_Character_Activation)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(A_Character_BareWalk)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(A_Character_GltfExport)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(A_Character_GltfExportToFile)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(B_ConnectorChain_Activation)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(B_ConnectorChain_BareWalk)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(B_ConnectorChain_Hierarchy)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(C_ConnectorCage_Activation)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(C_ConnectorCage_BareWalk)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(D_BoneTree_FirstRun)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(D_BoneTree_SecondRun)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(D_BoneTree_BareWalk)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(D_BoneTree_Hierarchy)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(D_BoneTree_LiteralHierarchy)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(E_Rope_Hierarchy)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(E_Rope_BareWalk)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(E_Rope20k_FirstRun)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(E_Rope100k_FirstRun)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(F_Body_Activation)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(F_Body_Warnings)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(F_Body_WarningsAndExplain)->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_MAIN();
