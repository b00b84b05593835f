// vexil-host's stages on large OBJ files, each reported as a ratio to reading
// the file: reading, the module's run through the stand-in host, the rig
// check, the skins' weights (nearest bone and automatic), and the whole of
// vexil-host, bare and writing glTF, beside assimp's own import of the same
// file (no post-processing, as `assimp info --raw` does). VEXIL_STAGES_FILE
// names a mesh file of one's own to time beside them. Both are also run
// in a fresh process each, for their time and peak memory as a user meets
// them.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

#include <assimp/Importer.hpp>
#include <assimp/scene.h>
#include <benchmark/benchmark.h>

#include "bench_meshes.h"
#include "cli/program.h"
#include "file_formats/mesh_file.h"
#include "file_formats/obj_writer.h"
#include "host/module_loader.h"
#include "host/services.h"
#include "rig_check/rig_report.h"
#include "weights/skin_weights.h"

namespace {

using Clock = std::chrono::steady_clock;

// Takes text and keeps none.
class Sink : public std::streambuf {
  protected:
    std::streamsize xsputn(const char *, std::streamsize count) override { return count; }
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
};

// The meshes' OBJ files, each written once per process.
std::map<std::string, std::string> files;

const std::string &MeshFile(const std::string &name) {
    auto found = files.find(name);
    if (found != files.end()) return found->second;
    // A file of the user's own, named by VEXIL_STAGES_FILE, is used as it is.
    if (name == "file") return files[name] = std::getenv("VEXIL_STAGES_FILE");
    std::vector<vexil_host::MeshObject> objects(1);
    objects[0].name = name;
    objects[0].mesh = name == "character" ? vexil_bench::CharacterWithHair() : vexil_bench::LongConnectorChain();
    std::string path = "/tmp/vexil-stages-" + std::to_string(::getpid()) + "-" + name + ".obj";
    std::ofstream(path, std::ios::binary) << vexil_host::WriteObj(objects);
    return files[name] = path;
}

// Seconds per run of each stage, kept for the ratios of the ones after it.
std::map<std::string, double> seconds;

// Runs `stage`, which times itself and returns the seconds taken. One
// untimed run comes first, so that every stage finds the heap as a process
// that has run it before leaves it: memory new to a process costs far more
// here than memory it has used.
template <typename Stage>
void Time(benchmark::State &state, const std::string &key, Stage stage) {
    stage(state);
    double total = 0;
    for (auto _ : state) {
        double taken = stage(state);
        state.SetIterationTime(taken);
        total += taken;
    }
    seconds[key] = total / static_cast<double>(state.iterations());
}

template <typename Work>
double Timed(Work work) {
    auto start = Clock::now();
    work();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void Ratios(benchmark::State &state, const std::string &mesh, const std::string &key) {
    if (seconds.count(mesh + "/read") != 0) state.counters["to_reading"] = seconds[key] / seconds[mesh + "/read"];
}

// A scene of the file's objects, selected, and a host serving it.
struct Loaded {
    explicit Loaded(const std::string &file) {
        for (vexil_host::MeshObject &object : vexil_host::ReadMeshFile(file)) {
            LWItemID id = scene.AddObject(object.name, std::move(object.mesh));
            scene.selection.push_back(id);
            sources[id] = {file, object.format, std::move(object.polygonSource), object.layer, object.skippedPolygons};
        }
        vexil_host::HostOptions options;
        options.keepCommands = false;
        host = std::make_unique<vexil_host::StandInHost>(scene, options);
    }
    vexil_host::Scene scene;
    std::map<LWItemID, vexil_host::ObjectSource> sources;
    std::unique_ptr<vexil_host::StandInHost> host;
};

void Read(benchmark::State &state, const std::string &mesh) {
    const std::string &file = MeshFile(mesh);
    Time(state, mesh + "/read", [&](benchmark::State &) {
        return Timed([&] { benchmark::DoNotOptimize(vexil_host::ReadMeshFile(file)); });
    });
}

void ModuleRun(benchmark::State &state, const std::string &mesh) {
    vexil_host::LoadedModule module(VEXIL_MODULE_PATH);
    Time(state, mesh + "/module", [&](benchmark::State &timing) {
        Loaded loaded(MeshFile(mesh));
        int status = -1;
        double taken = Timed([&] {
            status = module.Activation()(LWLAYOUTGENERIC_VERSION, loaded.host->Global(), loaded.host->Generic(), nullptr);
        });
        if (status != AFUNC_OK) timing.SkipWithError("the module failed");
        return taken;
    });
    Ratios(state, mesh, mesh + "/module");
}

void RigCheck(benchmark::State &state, const std::string &mesh) {
    Loaded loaded(MeshFile(mesh));
    Time(state, mesh + "/rig check", [&](benchmark::State &) {
        return Timed([&] {
            std::vector<vexil_host::ObjectReport> reports =
                vexil_host::DiagnoseObjects(*loaded.host, loaded.scene.selection, loaded.sources);
            benchmark::DoNotOptimize(vexil_host::WarningLines(*loaded.host, reports));
        });
    });
    Ratios(state, mesh, mesh + "/rig check");
}

// Automatic weights for every object's skin, after the module's run and the
// rig check that tells the drawn skeleton from the skin.
void Weights(benchmark::State &state, const std::string &mesh, vexil_host::WeightMethod method, const std::string &key) {
    Loaded loaded(MeshFile(mesh));
    vexil_host::LoadedModule module(VEXIL_MODULE_PATH);
    if (module.Activation()(LWLAYOUTGENERIC_VERSION, loaded.host->Global(), loaded.host->Generic(), nullptr) != AFUNC_OK)
        state.SkipWithError("the module failed");
    std::vector<vexil_host::ObjectReport> reports =
        vexil_host::DiagnoseObjects(*loaded.host, loaded.scene.selection, loaded.sources);
    Time(state, mesh + "/" + key, [&](benchmark::State &) {
        return Timed([&] {
            for (LWItemID id : loaded.scene.selection)
                benchmark::DoNotOptimize(vexil_host::WeighSkin(
                    loaded.scene, *loaded.scene.Find(id), vexil_host::SkeletonPolygonsOf(loaded.scene, id, reports),
                    nullptr, method));
        });
    });
    Ratios(state, mesh, mesh + "/" + key);
}

void AutomaticWeights(benchmark::State &state, const std::string &mesh) {
    Weights(state, mesh, vexil_host::WeightMethod::Automatic, "weights");
}

void NearestWeights(benchmark::State &state, const std::string &mesh) {
    Weights(state, mesh, vexil_host::WeightMethod::Nearest, "nearest weights");
}

int RunVexilHost(const std::string &file, const std::vector<std::string> &options = {}) {
    Sink sink;
    std::ostream out(&sink), err(&sink);
    std::vector<std::string> arguments = {"--module", VEXIL_MODULE_PATH, "--quiet"};
    arguments.insert(arguments.end(), options.begin(), options.end());
    arguments.push_back(file);
    return vexil_host::RunProgram(arguments, ".", out, err);
}

const aiScene *Import(Assimp::Importer &importer, const std::string &file) { return importer.ReadFile(file, 0); }

void VexilHost(benchmark::State &state, const std::string &mesh) {
    const std::string &file = MeshFile(mesh);
    Time(state, mesh + "/vexil-host", [&](benchmark::State &timing) {
        int status = -1;
        double taken = Timed([&] { status = RunVexilHost(file); });
        if (status != vexil_host::kExitDone) timing.SkipWithError("vexil-host failed");
        return taken;
    });
    Ratios(state, mesh, mesh + "/vexil-host");
    if (seconds.count(mesh + "/assimp") != 0)
        state.counters["to_assimp"] = seconds[mesh + "/vexil-host"] / seconds[mesh + "/assimp"];
}

// vexil-host from start to finish with its skins weighed and written: --gltf
// with the automatic weights.
void VexilHostGltf(benchmark::State &state, const std::string &mesh) {
    const std::string &file = MeshFile(mesh);
    const std::string gltf = "/tmp/vexil-stages-" + std::to_string(::getpid()) + ".glb";
    Time(state, mesh + "/vexil-host --gltf", [&](benchmark::State &timing) {
        int status = -1;
        double taken = Timed([&] { status = RunVexilHost(file, {"--gltf", gltf}); });
        if (status != vexil_host::kExitDone) timing.SkipWithError("vexil-host failed");
        return taken;
    });
    std::remove(gltf.c_str());
    Ratios(state, mesh, mesh + "/vexil-host --gltf");
}

void AssimpImport(benchmark::State &state, const std::string &mesh) {
    const std::string &file = MeshFile(mesh);
    Time(state, mesh + "/assimp", [&](benchmark::State &timing) {
        bool read = false;
        double taken = Timed([&] {
            Assimp::Importer importer;
            read = Import(importer, file) != nullptr;
        });
        if (!read) timing.SkipWithError("assimp did not read the file");
        return taken;
    });
    Ratios(state, mesh, mesh + "/assimp");
}

// This process's peak resident memory, in KiB. Per address space: the
// peak of the process that started this one does not count.
long PeakKiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

// Peak resident memory of this program run again with `what` and the file,
// in a process of its own, which prints it; `seconds` gets the time the
// process took, from start to end.
double PeakMiB(const char *what, const std::string &file, double &seconds) {
    auto start = Clock::now();
    char self[4096];
    ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0) return -1;
    self[length] = '\0';
    FILE *child = popen(("\"" + std::string(self) + "\" " + what + " \"" + file + "\"").c_str(), "r");
    if (child == nullptr) return -1;
    long peak = -1;
    if (std::fscanf(child, "%ld", &peak) != 1) peak = -1;
    if (pclose(child) != 0) return -1;
    seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return static_cast<double>(peak) / 1024.0;
}

// vexil-host and assimp's import each in a fresh process, as a user runs
// them: time from start to end, and peak memory.
void Processes(benchmark::State &state, const std::string &mesh) {
    const std::string &file = MeshFile(mesh);
    double vexilHost = 0, assimp = 0, vexilHostSeconds = 0, assimpSeconds = 0;
    for (auto _ : state) {
        vexilHost = PeakMiB("--run-vexil-host", file, vexilHostSeconds);
        assimp = PeakMiB("--run-assimp", file, assimpSeconds);
    }
    if (vexilHost < 0 || assimp < 0) state.SkipWithError("a measuring process failed");
    state.counters["vexil_host_ms"] = 1000 * vexilHostSeconds;
    state.counters["assimp_ms"] = 1000 * assimpSeconds;
    state.counters["time_to_assimp"] = vexilHostSeconds / assimpSeconds;
    state.counters["vexil_host_MiB"] = vexilHost;
    state.counters["assimp_MiB"] = assimp;
    state.counters["memory_to_assimp"] = vexilHost / assimp;
}

}  // namespace

// Each stage reports the time it measured itself, setting-up left out.
void RegisterStages(const std::string &label, const std::string &mesh) {
    auto add = [&](const char *stage, void (*run)(benchmark::State &, const std::string &), int iterations) {
        auto *benchmark = benchmark::RegisterBenchmark((std::string(stage) + "/" + label).c_str(), run, mesh);
        benchmark->Unit(benchmark::kMillisecond)->Iterations(iterations);
        if (run != Processes) benchmark->UseManualTime();
    };
    add("Read", Read, 3);
    add("ModuleRun", ModuleRun, 3);
    add("RigCheck", RigCheck, 3);
    add("NearestWeights", NearestWeights, 3);
    add("AutomaticWeights", AutomaticWeights, 3);
    add("AssimpImport", AssimpImport, 3);
    add("VexilHost", VexilHost, 3);
    add("VexilHostGltf", VexilHostGltf, 3);
    add("Processes", Processes, 1);
}

int main(int argc, char **argv) {
    // Run again by Processes: one program in a process of its own.
    if (argc == 3 && std::string(argv[1]) == "--run-vexil-host") {
        int status = RunVexilHost(argv[2]);
        std::printf("%ld\n", PeakKiB());
        return status;
    }
    if (argc == 3 && std::string(argv[1]) == "--run-assimp") {
        Assimp::Importer importer;
        bool read = Import(importer, argv[2]) != nullptr;
        std::printf("%ld\n", PeakKiB());
        return read ? 0 : 1;
    }
    RegisterStages("A_Character", "character");
    RegisterStages("B_ConnectorChain", "chain");
    if (std::getenv("VEXIL_STAGES_FILE") != nullptr) RegisterStages("C_File", "file");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (const auto &file : files)
        if (file.first != "file") std::remove(file.second.c_str());
    return 0;
}
