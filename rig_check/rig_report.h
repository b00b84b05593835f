// What vexil-host tells a rigger about each object's mesh: warnings at the
// place in the file that causes them, notes, and with --explain how every
// bone found its parent. Built on the skeleton diagnosis.
#pragma once

#include <map>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "file_formats/mesh_file.h"
#include "host/services.h"
#include "rig_check/diagnosis.h"
#include "rig_check/mirror_check.h"

namespace vexil_host {

// Where an object came from, to point at the place a finding is about.
struct ObjectSource {
    std::string file;
    MeshFormat format = MeshFormat::Obj;
    std::vector<uint32_t> polygonSource;  // as MeshObject's
    int layer = -1;
    size_t skippedPolygons = 0;
};

struct ObjectReport {
    LWItemID object;
    std::string name;
    const ObjectSource *source;
    Diagnosis diagnosis;
};

// Diagnoses each of `objects` through the host's mesh service, the mirror
// check about `mirrorAxis` included; `sources` must hold where each came from.
std::vector<ObjectReport> DiagnoseObjects(StandInHost &host, const std::vector<LWItemID> &objects,
                                          const std::map<LWItemID, ObjectSource> &sources,
                                          MirrorAxis mirrorAxis = MirrorAxis::X);

// Where a finding points: "FILE:LINE" for OBJ, "FILE: polygon N of layer L"
// for LWO2 (both counted from 1), or "FILE" for the object as a whole.
std::string FindingPlace(const StandInHost &host, const ObjectReport &report, const Finding &finding);

// Per polygon of the object's mesh, whether its report found it to be the
// drawn skeleton (a bone's triangle, or a pass-through triangle a joint
// search crossed), which the skin leaves out.
std::vector<bool> SkeletonPolygonsOf(const Scene &scene, LWItemID object, const std::vector<ObjectReport> &reports);

size_t WarningCount(const std::vector<ObjectReport> &reports);

// "PLACE: warning: MESSAGE [KIND]", one line per warning, in file order.
std::string WarningLines(const StandInHost &host, const std::vector<ObjectReport> &reports);

// Per object: its notes, then every bone with how it found its parent or
// why it is a root.
std::string Explanation(const std::vector<ObjectReport> &reports);

// One entry per finding: kind, severity, object, bones, file position, message.
nlohmann::json DiagnosticsJson(const StandInHost &host, const std::vector<ObjectReport> &reports);

}  // namespace vexil_host
