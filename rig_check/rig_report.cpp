#include "rig_check/rig_report.h"

#include <algorithm>
#include <sstream>

namespace vexil_host {

namespace {

// Where the finding's polygon stands in the file (the OBJ line, or its
// number from 0 in the LWO2 layer), or null for the object as a whole.
const uint32_t *PolygonSource(const StandInHost &host, const ObjectReport &report, const Finding &finding) {
    if (finding.polygon == nullptr) return nullptr;
    size_t index = PolygonIndexOf(finding.polygon, host.scene.Find(report.object)->mesh->PolygonCount());
    const std::vector<uint32_t> &sources = report.source->polygonSource;
    return index < sources.size() ? &sources[index] : nullptr;
}

// The file position of a finding, for sorting: objects as a whole first.
uint64_t FilePosition(const StandInHost &host, const ObjectReport &report, const Finding &finding) {
    const uint32_t *where = PolygonSource(host, report, finding);
    return where == nullptr ? 0 : *where + uint64_t{1};
}

}  // namespace

std::vector<ObjectReport> DiagnoseObjects(StandInHost &host, const std::vector<LWItemID> &objects,
                                          const std::map<LWItemID, ObjectSource> &sources, MirrorAxis mirrorAxis) {
    std::vector<ObjectReport> reports;
    for (LWItemID id : objects) {
        auto source = sources.find(id);
        Item *object = host.scene.Find(id);
        if (source == sources.end() || object == nullptr || object->mesh == nullptr) continue;
        LWMeshInfo *mesh = host.MeshOf(id);
        ObjectReport report{id, object->name, &source->second, {}};
        report.diagnosis = DiagnoseMesh(mesh);
        mesh->destroy(mesh);
        CheckMirror(report.diagnosis, mirrorAxis);
        if (source->second.skippedPolygons > 0) {
            size_t skipped = source->second.skippedPolygons;
            report.diagnosis.findings.push_back(
                {"skipped-polygons", Severity::Note, {}, nullptr, {},
                 std::to_string(skipped) + (skipped == 1 ? " polygon" : " polygons") +
                     " of types other than FACE and PTCH (curves, metaballs, the modeller's bones) " +
                     (skipped == 1 ? "was" : "were") + " skipped"});
        }
        reports.push_back(std::move(report));
    }
    return reports;
}

std::string FindingPlace(const StandInHost &host, const ObjectReport &report, const Finding &finding) {
    const ObjectSource &source = *report.source;
    const uint32_t *where = PolygonSource(host, report, finding);
    if (where == nullptr) return source.file;
    if (source.format == MeshFormat::Obj) return source.file + ":" + std::to_string(*where);
    return source.file + ": polygon " + std::to_string(*where + 1) + " of layer " + std::to_string(source.layer + 1);
}

size_t WarningCount(const std::vector<ObjectReport> &reports) {
    size_t count = 0;
    for (const ObjectReport &report : reports)
        for (const Finding &finding : report.diagnosis.findings) count += finding.severity == Severity::Warning;
    return count;
}

std::string WarningLines(const StandInHost &host, const std::vector<ObjectReport> &reports) {
    std::string text;
    for (const ObjectReport &report : reports) {
        std::vector<const Finding *> warnings;
        for (const Finding &finding : report.diagnosis.findings)
            if (finding.severity == Severity::Warning) warnings.push_back(&finding);
        std::stable_sort(warnings.begin(), warnings.end(), [&](const Finding *a, const Finding *b) {
            return FilePosition(host, report, *a) < FilePosition(host, report, *b);
        });
        for (const Finding *finding : warnings)
            text += FindingPlace(host, report, *finding) + ": warning: " + finding->message + " [" + finding->kind +
                    "]\n";
    }
    return text;
}

std::string Explanation(const std::vector<ObjectReport> &reports) {
    std::ostringstream text;
    text.exceptions(std::ios::badbit);  // running out of memory must not cut the text short unseen
    for (const ObjectReport &report : reports) {
        text << report.name << " (" << report.source->file << "):\n";
        for (const Finding &finding : report.diagnosis.findings)
            if (finding.severity == Severity::Note) text << "  note: " << finding.message << "\n";
        for (const BoneStory &bone : report.diagnosis.bones)
            text << "  " << QuotedName(bone.name) << " " << bone.how << "\n";
    }
    return text.str();
}

nlohmann::json DiagnosticsJson(const StandInHost &host, const std::vector<ObjectReport> &reports) {
    nlohmann::json diagnostics = nlohmann::json::array();
    for (const ObjectReport &report : reports) {
        for (const Finding &finding : report.diagnosis.findings) {
            nlohmann::json entry = {
                {"kind", finding.kind},
                {"severity", finding.severity == Severity::Warning ? "warning" : "note"},
                {"object", report.name},
                {"bones", finding.bones},
                {"file", report.source->file},
                {"message", finding.message},
            };
            if (const uint32_t *where = PolygonSource(host, report, finding)) {
                if (report.source->format == MeshFormat::Obj) {
                    entry["line"] = *where;
                } else {
                    entry["polygon"] = *where + 1;
                    entry["layer"] = report.source->layer + 1;
                }
            }
            diagnostics.push_back(entry);
        }
    }
    return diagnostics;
}

std::vector<bool> SkeletonPolygonsOf(const Scene &scene, LWItemID object, const std::vector<ObjectReport> &reports) {
    const Item *item = scene.Find(object);
    size_t polygons = item != nullptr && item->mesh != nullptr ? item->mesh->PolygonCount() : 0;
    std::vector<bool> skeleton(polygons, false);
    for (const ObjectReport &report : reports) {
        if (report.object != object) continue;
        for (LWPolID polygon : report.diagnosis.skeletonPolygons) {
            size_t index = PolygonIndexOf(polygon, polygons);
            if (index < polygons) skeleton[index] = true;
        }
    }
    return skeleton;
}

}  // namespace vexil_host
