// vexil-host: runs the Vexil module on mesh files through the stand-in host
// and shows the skeleton it built.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#if defined(_WIN32)
#include <windows.h>
#else
#include <unistd.h>
#endif

#include "cli/bone_tree.h"
#include "cli/command_line.h"
#include "file_formats/mesh_file.h"
#include "file_formats/scene_json.h"
#include "file_formats/skeleton_svg.h"
#include "host/module_loader.h"
#include "host/services.h"
#include "rig_check/rig_report.h"

using namespace vexil_host;

namespace {

std::string ProgramDirectory(const char *argv0) {
    std::string path;
#if defined(_WIN32)
    char buffer[4096];
    DWORD length = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    if (length > 0 && length < sizeof buffer) path.assign(buffer, length);
#else
    char buffer[4096];
    ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer);
    if (length > 0 && static_cast<size_t>(length) < sizeof buffer) path.assign(buffer, static_cast<size_t>(length));
#endif
    if (path.empty()) path = argv0;
    size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

const char *StatusMeaning(int status) {
    switch (status) {
        case AFUNC_OK: return "done";
        case AFUNC_BADVERSION: return "interface version not served";
        case AFUNC_BADGLOBAL: return "a host service or the options panel was missing";
        case AFUNC_BADLOCAL: return "the host's local data was refused";
        case AFUNC_BADAPP: return "the run failed: memory ran out";
        case AFUNC_BADAPP_SILENT: return "the run failed without saying why";
        default: return "unknown status";
    }
}

// The places the drawing marks: points to weld, degenerate triangles.
std::vector<SvgMark> DiagnosisMarks(const std::vector<ObjectReport> &reports) {
    std::vector<SvgMark> marks;
    for (const ObjectReport &report : reports)
        for (const Finding &finding : report.diagnosis.findings) {
            bool ring = finding.kind == "unwelded";
            if (!ring && finding.kind != "degenerate") continue;
            for (const Vec3 &at : finding.marks) marks.push_back({report.object, ring, {at.x, at.y, at.z}});
        }
    return marks;
}

// Writes `text` to FILE, or to standard output for "-".
void WriteOutput(const std::string &file, const std::string &text) {
    if (file == "-") {
        std::cout << text << std::flush;
        return;
    }
    std::ofstream out(file, std::ios::binary);
    out << text;
    if (!out.flush()) throw std::runtime_error(file + ": cannot be written");
}

int Run(const CommandLine &line, const std::string &programDirectory) {
    std::vector<std::string> files = line.meshFiles;
    if (files.empty()) files.push_back(VEXIL_BUNDLED_EXAMPLE);

    Scene scene;
    scene.time = line.time;
    scene.framesPerSecond = line.framesPerSecond;
    std::vector<LWItemID> loaded;
    std::map<LWItemID, ObjectSource> sources;
    try {
        for (const std::string &file : files) {
            for (MeshObject &object : ReadMeshFile(file)) {
                LWItemID id = scene.AddObject(object.name, std::move(object.mesh));
                loaded.push_back(id);
                sources[id] = {file, object.format, std::move(object.polygonSource), object.layer,
                               object.skippedPolygons};
            }
        }
        scene.selection = loaded;
    } catch (const MeshFileError &error) {
        std::cerr << "vexil-host: " << error.what() << "\n";
        return 2;
    }

    HostOptions options;
    options.pivotRotateAnswer = line.pivotRotate ? 1 : 0;
    StandInHost host(scene, options);
    std::vector<int> statuses;
    try {
        LoadedModule module(line.modulePath ? *line.modulePath : programDirectory + "/Vexil.p");
        for (int run = 0; run < line.runs; ++run)
            statuses.push_back(module.Activation()(LWLAYOUTGENERIC_VERSION, host.Global(), host.Generic(), nullptr));
    } catch (const ModuleError &error) {
        std::cerr << "vexil-host: " << error.what() << "\n";
        return 3;
    }

    std::vector<ObjectReport> reports = DiagnoseObjects(host, loaded, sources, line.mirrorAxis);

    bool toStandardOutput = false;
    if (line.commandsFile) {
        std::string text;
        for (const std::string &command : host.commands) text += command + "\n";
        WriteOutput(*line.commandsFile, text);
        toStandardOutput = toStandardOutput || *line.commandsFile == "-";
    }
    if (line.sceneFile) {
        nlohmann::json document = SceneJson(scene);
        document["diagnostics"] = DiagnosticsJson(host, reports);
        WriteOutput(*line.sceneFile, JsonText(document));
        toStandardOutput = toStandardOutput || *line.sceneFile == "-";
    }
    if (line.svgFile) {
        WriteOutput(*line.svgFile, SkeletonSvg(scene, DiagnosisMarks(reports)));
        toStandardOutput = toStandardOutput || *line.svgFile == "-";
    }
    if (!toStandardOutput) std::cout << SceneSummary(scene);
    if (line.explain) (toStandardOutput ? std::cerr : std::cout) << Explanation(reports);
    std::cout.flush();
    if (!line.quiet) std::cerr << WarningLines(host, reports);

    for (const RefusedCommand &refused : host.refused)
        std::cerr << "vexil-host: the scene refused '" << refused.text << "': " << refused.reason << "\n";
    int failures = 0;
    for (size_t run = 0; run < statuses.size(); ++run) {
        if (statuses[run] == AFUNC_OK) continue;
        ++failures;
        std::cerr << "vexil-host: run " << run + 1 << ": the module returned " << statuses[run] << " ("
                  << StatusMeaning(statuses[run]) << ")\n";
    }
    if (failures > 0) return 1;
    return line.strict && WarningCount(reports) > 0 ? 4 : 0;
}

}  // namespace

int main(int argc, char **argv) {
    try {
        CommandLine line = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
        if (line.help) {
            std::cout << kUsage;
            return 0;
        }
        return Run(line, ProgramDirectory(argv[0]));
    } catch (const UsageError &error) {
        std::cerr << "vexil-host: " << error.what() << "\n\n" << kUsage;
        return 2;
    } catch (const std::exception &error) {
        std::cerr << "vexil-host: " << error.what() << "\n";
        return 2;
    }
}
