#include "cli/program.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <map>
#include <new>
#include <set>
#include <sstream>
#include <stdexcept>

#include "cli/bone_tree.h"
#include "cli/command_line.h"
#include "file_formats/gltf_writer.h"
#include "file_formats/mesh_file.h"
#include "file_formats/scene_json.h"
#include "file_formats/rig_page.h"
#include "file_formats/skeleton_svg.h"
#include "file_formats/weight_maps_file.h"
#include "host/file_path.h"
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
    std::ofstream out(FilePath(file), std::ios::binary);
    out << text;
    if (!out.flush()) throw std::runtime_error(file + ": cannot be written");
}

// Each object's skin and its weights.
std::map<LWItemID, SkinWeights> WeighObjects(const StandInHost &host, const std::vector<LWItemID> &objects,
                                             const std::vector<ObjectReport> &reports,
                                             const std::map<LWItemID, std::vector<WeightMap>> &weightMaps,
                                             WeightMethod method, std::vector<std::string> &warnings) {
    std::map<LWItemID, SkinWeights> weights;
    for (LWItemID id : objects) {
        const Item *item = host.scene.Find(id);
        if (item == nullptr) continue;
        auto maps = weightMaps.find(id);
        weights[id] = WeighSkin(host.scene, *item, SkeletonPolygonsOf(host.scene, id, reports),
                                maps != weightMaps.end() ? &maps->second : nullptr, method);
        if (weights[id].fellBackToNearest)
            warnings.push_back("object " + QuotedName(item->name) +
                               ": the automatic weights could not be solved; each unpainted point follows its nearest bone");
    }
    return weights;
}

// Writes the objects and their skins to a glTF file; returns the writer's warnings.
std::vector<std::string> WriteGltfFile(const std::string &file, const Scene &scene, const std::vector<LWItemID> &objects,
                                       const std::map<LWItemID, SkinWeights> &weights) {
    std::vector<GltfObject> written;
    for (LWItemID id : objects) written.push_back({id, &weights.at(id)});
    std::ofstream out(FilePath(file), std::ios::binary);
    std::vector<std::string> warnings = WriteGltf(scene, written, IsBinaryGltf(file), out);
    if (!out.flush()) throw std::runtime_error(file + ": cannot be written");
    return warnings;
}

// The rig page for `objects`: their glTF file as --gltf writes it, or past
// kMostPagePoints skin points one with simplified skins, beside the rig
// check's findings and marks. Bones the glTF file leaves out are not
// shown; --gltf warns of them.
std::string RigPageOf(const std::string &title, const StandInHost &host, const std::vector<LWItemID> &objects,
                      const std::vector<ObjectReport> &reports, const std::map<LWItemID, SkinWeights> &weights) {
    constexpr size_t kMostPagePoints = 200000;
    size_t points = 0;
    for (LWItemID id : objects) points += weights.at(id).skin.points.size();
    std::map<LWItemID, SkinWeights> simplified;
    std::vector<GltfObject> written;
    for (LWItemID id : objects) {
        const SkinWeights &full = weights.at(id);
        const Item *item = host.scene.Find(id);
        if (points > kMostPagePoints && item != nullptr && item->mesh != nullptr) {
            size_t share = full.skin.points.size() * kMostPagePoints / points;
            simplified[id] = SimplifiedSkin(*item->mesh, full, std::max<size_t>(share, 1));
            written.push_back({id, &simplified[id]});
        } else {
            written.push_back({id, &full});
        }
    }
    std::ostringstream glb;
    WriteGltf(host.scene, written, true, glb);
    nlohmann::json rig = {{"warnings", nlohmann::json::array()}, {"marks", nlohmann::json::array()}};
    std::set<std::string> names;
    for (LWItemID id : objects)
        if (const Item *item = host.scene.Find(id)) names.insert(item->name);
    for (const nlohmann::json &entry : DiagnosticsJson(host, reports))
        if (names.count(entry.value("object", "")) != 0) rig["warnings"].push_back(entry);
    for (const SvgMark &mark : DiagnosisMarks(reports)) {
        const Item *item = host.scene.Find(mark.object);
        if (item == nullptr || std::find(objects.begin(), objects.end(), mark.object) == objects.end()) continue;
        rig["marks"].push_back({{"object", item->name}, {"ring", mark.ring}, {"at", mark.position}});
    }
    if (!simplified.empty()) {
        size_t shown = 0;
        for (const GltfObject &object : written) shown += object.weights->skin.points.size();
        rig["simplified"] = "The skin has " + std::to_string(points) + " points; " + std::to_string(shown) +
                            " of them are shown here, each with its own weights. Every bone is shown.";
    }
    return RigPage(title, glb.str(), rig);
}

// The file name without its folders.
std::string FileName(const std::string &path) {
    size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The first bytes of a file, as many as an IFF header holds.
std::string FileHead(const std::string &file) {
    std::ifstream in(FilePath(file), std::ios::binary);
    char head[12] = {};
    in.read(head, sizeof head);
    return std::string(head, static_cast<size_t>(in.gcount()));
}

// Each object's skin points to draw, each with the bone that weighs it
// most; a large skin by every so many of its points.
std::vector<SvgSkin> SvgSkins(const Scene &scene, const std::map<LWItemID, SkinWeights> &weights) {
    constexpr size_t kMostPointsDrawn = 5000;
    std::vector<SvgSkin> skins;
    for (const auto &[id, skinWeights] : weights) {
        const Item *object = scene.Find(id);
        if (object == nullptr || object->mesh == nullptr || skinWeights.influences.empty()) continue;
        SvgSkin skin{id, {}, {}};
        size_t count = skinWeights.influences.size(), step = (count + kMostPointsDrawn - 1) / kMostPointsDrawn;
        for (size_t vertex = 0; vertex < count; vertex += step) {
            const auto &p = object->mesh->points[skinWeights.skin.points[vertex]];
            skin.points.push_back({p[0], p[1], p[2]});
            skin.heaviestBone.push_back(skinWeights.bones[skinWeights.influences[vertex].bone[0]].bone->id);
        }
        skins.push_back(std::move(skin));
    }
    return skins;
}

// The objects as one LWO2 file with a weight map per bone. One LWO2 file
// given alone is written again whole, its other chunks kept; otherwise the
// file holds each object's points, polygons, surfaces and weight maps.
std::string WeightMapsFile(const Scene &scene, const std::vector<std::string> &files, const std::vector<LWItemID> &objects,
                           const std::map<LWItemID, std::vector<WeightMap>> &painted,
                           const std::map<LWItemID, SkinWeights> &weights, std::vector<std::string> &notes) {
    std::vector<WeightMapsLayer> layers;
    for (LWItemID id : objects) {
        const Item *item = scene.Find(id);
        if (item == nullptr || item->mesh == nullptr) continue;
        WeightMapsLayer layer{item->name, item->mesh.get(), &painted.at(id), {}};
        if (item->bones.empty())
            notes.push_back("object " + QuotedName(item->name) + " has no bones, so it gets no weight maps");
        else
            layer.boneMaps = BoneWeightMaps(scene, *item, weights.at(id));
        layers.push_back(std::move(layer));
    }
    if (files.size() == 1) {
        std::string bytes = ReadFileBytes(files[0]);
        if (IsLwo2(bytes)) return RewriteLwo2WeightMaps(bytes, files[0], layers);
    } else {
        for (const std::string &file : files)
            if (IsLwo2(FileHead(file)))
                notes.push_back(file + ": of several files, only points, polygons, surfaces and weight maps are "
                                       "written; give it alone to keep its UVs, surfaces and other chunks");
    }
    return WriteWeightMapsLwo(layers);
}

// Where the outputs for the mesh file `files[which]` go beside it: the file
// without its extension, or with it where another file given shares that
// name (biped.obj and biped.lwo), letter case aside.
std::string BesideName(const std::vector<std::string> &files, size_t which) {
    auto withoutExtension = [](const std::string &file) {
        size_t slash = file.find_last_of("/\\"), dot = file.rfind('.');
        return dot != std::string::npos && (slash == std::string::npos || dot > slash + 1) ? file.substr(0, dot) : file;
    };
    auto folded = [](std::string text) {
        for (char &c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return text;
    };
    std::string name = withoutExtension(files[which]);
    for (size_t other = 0; other < files.size(); ++other)
        if (other != which && folded(files[other]) != folded(files[which]) &&
            folded(withoutExtension(files[other])) == folded(name))
            return files[which];
    return name;
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
    std::vector<std::vector<LWItemID>> objectsOfFile;
    for (const std::string &file : files) {
        objectsOfFile.emplace_back();
        try {
            for (MeshObject &object : ReadMeshFile(file)) {
                LWItemID id = scene.AddObject(object.name, std::move(object.mesh));
                loaded.push_back(id);
                objectsOfFile.back().push_back(id);
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
    // The skins' weights, for what shows or writes them. They need the rig
    // check, which tells the drawn skeleton from the skin.
    std::map<LWItemID, SkinWeights> weights;
    bool weighed = false;
    const bool beside = line.beside && !line.meshFiles.empty();
    const bool weighs = line.svgFile || line.gltfFile || line.weightMapsFile || line.htmlFile || beside;
    if (weighs && !rigCheckGaveUp) {
        std::vector<std::string> weightWarnings;
        try {
            weights = WeighObjects(host, loaded, reports, weightMaps, line.weights, weightWarnings);
            weighed = true;
        } catch (const std::bad_alloc &) {
            weights.clear();
            err << "vexil-host: memory ran out while working out the skins' weights\n";
        }
        for (const std::string &warning : weightWarnings) err << "vexil-host: warning: " << warning << "\n";
    }
    std::vector<SvgSkin> skins;
    if (weighed) skins = SvgSkins(host.scene, weights);
    if (line.svgFile) {
        WriteOutput(*line.svgFile, SkeletonSvg(scene, DiagnosisMarks(reports), skins), out);
        toStandardOutput = toStandardOutput || *line.svgFile == "-";
    }
    if (line.gltfFile) {
        if (rigCheckGaveUp)
            err << "vexil-host: " << *line.gltfFile
                << ": not written: without the rig check the drawn skeleton cannot be told from the skin\n";
        else if (!weighed)
            err << "vexil-host: " << *line.gltfFile << ": not written: the skins' weights could not be worked out\n";
        else
            for (const std::string &warning : WriteGltfFile(*line.gltfFile, scene, loaded, weights))
                if (!line.quiet) err << *line.gltfFile << ": warning: " << warning << "\n";
    }
    if (line.htmlFile) {
        if (!weighed) {
            err << "vexil-host: " << *line.htmlFile << ": not written: the skins' weights could not be worked out\n";
        } else {
            std::string title = files.size() == 1 ? FileName(files[0]) : std::to_string(files.size()) + " files";
            WriteOutput(*line.htmlFile, RigPageOf(title, host, loaded, reports, weights), out);
            toStandardOutput = toStandardOutput || *line.htmlFile == "-";
        }
    }
    if (line.weightMapsFile) {
        if (!weighed) {
            err << "vexil-host: " << *line.weightMapsFile << ": not written: the skins' weights could not be worked out\n";
        } else {
            std::vector<std::string> notes;
            WriteOutput(*line.weightMapsFile, WeightMapsFile(scene, files, loaded, weightMaps, weights, notes), out);
            toStandardOutput = toStandardOutput || *line.weightMapsFile == "-";
            if (!line.quiet)
                for (const std::string &note : notes) err << *line.weightMapsFile << ": note: " << note << "\n";
        }
    }
    // Beside each file given: its own objects' glTF, picture and weight maps.
    std::string written;
    for (size_t f = 0; beside && f < files.size(); ++f) {
        std::string name = BesideName(files, f);
        WriteOutput(name + ".vexil.svg", SkeletonSvg(scene, DiagnosisMarks(reports), skins, &objectsOfFile[f]), out);
        written += "vexil-host: wrote " + name + ".vexil.svg\n";
        if (!weighed) {
            err << "vexil-host: " << name << ".vexil.glb and .vexil.lwo: not written: the skins' weights could not be "
                << "worked out\n";
            continue;
        }
        for (const std::string &warning : WriteGltfFile(name + ".vexil.glb", scene, objectsOfFile[f], weights))
            if (!line.quiet) err << name << ".vexil.glb: warning: " << warning << "\n";
        written += "vexil-host: wrote " + name + ".vexil.glb\n";
        std::vector<std::string> notes;
        WriteOutput(name + ".vexil.lwo", WeightMapsFile(scene, {files[f]}, objectsOfFile[f], weightMaps, weights, notes),
                    out);
        if (!line.quiet)
            for (const std::string &note : notes) err << name << ".vexil.lwo: note: " << note << "\n";
        written += "vexil-host: wrote " + name + ".vexil.lwo\n";
        WriteOutput(name + ".vexil.html", RigPageOf(FileName(files[f]), host, objectsOfFile[f], reports, weights), out);
        written += "vexil-host: wrote " + name + ".vexil.html\n";
    }
    if (!toStandardOutput) out << SceneSummary(scene);
    if (line.explain) (toStandardOutput ? err : out) << Explanation(reports);
    out << written;
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
    if (rigCheckGaveUp || (!weighed && weighs)) return kExitOutOfMemory;
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
