#include "cli/program.h"

#include <fstream>
#include <map>
#include <new>
#include <stdexcept>

#include "cli/bone_tree.h"
#include "cli/command_line.h"
#include "file_formats/gltf_writer.h"
#include "file_formats/mesh_file.h"
#include "file_formats/scene_json.h"
#include "file_formats/skeleton_svg.h"
#include "host/module_loader.h"
#include "host/services.h"
#include "rig_check/rig_report.h"

namespace vexil_host {

namespace {

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

// The example to run on without a file. A package holds it beside the
// program, a build tree names it by its place in the sources.
std::string BundledExample(const std::string &programDirectory) {
    const std::string example = VEXIL_BUNDLED_EXAMPLE;
    bool absolute = example.rfind('/', 0) == 0 || example.rfind('\\', 0) == 0 ||
                    (example.size() > 1 && example[1] == ':');
    return absolute ? example : programDirectory + "/" + example;
}

// Writes `text` to FILE, or to `standardOutput` for "-".
void WriteOutput(const std::string &file, const std::string &text, std::ostream &standardOutput) {
    if (file == "-") {
        standardOutput << text << std::flush;
        return;
    }
    std::ofstream out(file, std::ios::binary);
    out << text;
    if (!out.flush()) throw std::runtime_error(file + ": cannot be written");
}

// Writes the objects to a glTF file, each object's mesh without the
// triangles its diagnosis found to be the drawn skeleton; returns the
// writer's warnings.
std::vector<std::string> WriteGltfFile(const std::string &file, StandInHost &host, const std::vector<LWItemID> &objects,
                                       const std::vector<ObjectReport> &reports,
                                       const std::map<LWItemID, std::vector<WeightMap>> &weightMaps) {
    std::vector<GltfObject> written;
    for (LWItemID id : objects) {
        GltfObject object;
        object.id = id;
        auto maps = weightMaps.find(id);
        if (maps != weightMaps.end()) object.weightMaps = &maps->second;
        const Item *item = host.scene.Find(id);
        size_t polygons = item != nullptr && item->mesh != nullptr ? item->mesh->PolygonCount() : 0;
        object.skeletonPolygon.assign(polygons, false);
        for (const ObjectReport &report : reports) {
            if (report.object != id) continue;
            for (LWPolID polygon : report.diagnosis.skeletonPolygons) {
                size_t index = PolygonIndexOf(polygon, polygons);
                if (index < polygons) object.skeletonPolygon[index] = true;
            }
        }
        written.push_back(std::move(object));
    }
    std::ofstream out(file, std::ios::binary);
    std::vector<std::string> warnings = WriteGltf(host.scene, written, IsBinaryGltf(file), out);
    if (!out.flush()) throw std::runtime_error(file + ": cannot be written");
    return warnings;
}

int Run(const CommandLine &line, const std::string &programDirectory, std::ostream &out, std::ostream &err) {
    std::vector<std::string> files = line.meshFiles;
    if (files.empty()) files.push_back(BundledExample(programDirectory));

    Scene scene;
    scene.time = line.time;
    scene.framesPerSecond = line.framesPerSecond;
    std::vector<LWItemID> loaded;
    std::map<LWItemID, ObjectSource> sources;
    std::map<LWItemID, std::vector<WeightMap>> weightMaps;
    for (const std::string &file : files) {
        try {
            for (MeshObject &object : ReadMeshFile(file)) {
                LWItemID id = scene.AddObject(object.name, std::move(object.mesh));
                loaded.push_back(id);
                sources[id] = {file, object.format, std::move(object.polygonSource), object.layer,
                               object.skippedPolygons};
                weightMaps[id] = std::move(object.weightMaps);
            }
        } catch (const MeshFileError &error) {
            err << "vexil-host: " << error.what() << "\n";
            return kExitBadInput;
        } catch (const std::bad_alloc &) {
            err << "vexil-host: " << file << ": memory ran out while reading it\n";
            return kExitOutOfMemory;
        }
    }
    scene.selection = loaded;

    HostOptions options;
    options.pivotRotateAnswer = line.pivotRotate ? 1 : 0;
    StandInHost host(scene, options);
    std::vector<int> statuses;
    try {
        LoadedModule module(line.modulePath ? *line.modulePath : programDirectory + "/Vexil.p");
        for (int run = 0; run < line.runs; ++run)
            statuses.push_back(module.Activation()(LWLAYOUTGENERIC_VERSION, host.Global(), host.Generic(), nullptr));
    } catch (const ModuleError &error) {
        err << "vexil-host: " << error.what() << "\n";
        return kExitNoModule;
    }

    // The rig check may need more memory than the run itself; when it runs
    // out, what the run made is still written, without its findings.
    std::vector<ObjectReport> reports;
    bool rigCheckGaveUp = false;
    try {
        reports = DiagnoseObjects(host, loaded, sources, line.mirrorAxis);
    } catch (const std::bad_alloc &) {
        reports.clear();
        rigCheckGaveUp = true;
        err << "vexil-host: memory ran out during the rig check: no warnings or notes are shown\n";
    }

    bool toStandardOutput = false;
    if (line.commandsFile) {
        std::string text;
        for (const std::string &command : host.commands) text += command + "\n";
        WriteOutput(*line.commandsFile, text, out);
        toStandardOutput = toStandardOutput || *line.commandsFile == "-";
    }
    if (line.sceneFile) {
        nlohmann::json document = SceneJson(scene);
        document["diagnostics"] = DiagnosticsJson(host, reports);
        WriteOutput(*line.sceneFile, JsonText(document), out);
        toStandardOutput = toStandardOutput || *line.sceneFile == "-";
    }
    if (line.svgFile) {
        WriteOutput(*line.svgFile, SkeletonSvg(scene, DiagnosisMarks(reports)), out);
        toStandardOutput = toStandardOutput || *line.svgFile == "-";
    }
    if (line.gltfFile) {
        if (rigCheckGaveUp)
            err << "vexil-host: " << *line.gltfFile
                << ": not written: without the rig check the drawn skeleton cannot be told from the skin\n";
        else
            for (const std::string &warning : WriteGltfFile(*line.gltfFile, host, loaded, reports, weightMaps))
                if (!line.quiet) err << *line.gltfFile << ": warning: " << warning << "\n";
    }
    if (!toStandardOutput) out << SceneSummary(scene);
    if (line.explain) (toStandardOutput ? err : out) << Explanation(reports);
    out.flush();
    if (!line.quiet) err << WarningLines(host, reports);

    for (const RefusedCommand &refused : host.refused)
        err << "vexil-host: the scene refused '" << refused.text << "': " << refused.reason << "\n";
    int failures = 0;
    for (size_t run = 0; run < statuses.size(); ++run) {
        if (statuses[run] == AFUNC_OK) continue;
        ++failures;
        err << "vexil-host: run " << run + 1 << ": the module returned " << statuses[run] << " ("
            << StatusMeaning(statuses[run]) << ")\n";
    }
    if (failures > 0) return kExitModuleFailed;
    if (rigCheckGaveUp) return kExitOutOfMemory;
    return line.strict && WarningCount(reports) > 0 ? kExitWarnings : kExitDone;
}

}  // namespace

int RunProgram(const std::vector<std::string> &arguments, const std::string &programDirectory, std::ostream &out,
               std::ostream &err) {
    try {
        CommandLine line = ParseCommandLine(arguments);
        if (line.help) {
            out << kUsage;
            return kExitDone;
        }
        if (line.version) {
            out << "vexil-host " << VEXIL_VERSION << "\n";
            return kExitDone;
        }
        return Run(line, programDirectory, out, err);
    } catch (const UsageError &error) {
        err << "vexil-host: " << error.what() << "\n\n" << kUsage;
        return kExitBadInput;
    } catch (const std::bad_alloc &) {
        err << "vexil-host: memory ran out\n";
        return kExitOutOfMemory;
    } catch (const std::exception &error) {
        err << "vexil-host: " << error.what() << "\n";
        return kExitBadInput;
    }
}

}  // namespace vexil_host
