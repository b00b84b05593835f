#include "host/services.h"

#include <cstring>
#include <stdexcept>

#include "host/command_interpreter.h"

namespace vexil_host {

thread_local bool insideHostCall = false;

namespace {

StandInHost *current = nullptr;

// Marks the time spent in the host's own code, for tests that tell the
// module's allocations from the host's.
struct HostCallScope {
    bool outer = insideHostCall;
    HostCallScope() { insideHostCall = true; }
    ~HostCallScope() { insideHostCall = outer; }
};

struct ModuleCallScope {
    bool outer = insideHostCall;
    ModuleCallScope() { insideHostCall = false; }
    ~ModuleCallScope() { insideHostCall = outer; }
};

// Point and polygon IDs are indices scrambled by an odd multiplier: opaque,
// never a valid address, never an index or a position, so a module that
// mistakes them for any of these fails.
constexpr uint64_t kPointKey = 0x9E3779B97F4A7C15ull;
constexpr uint64_t kPolygonKey = 0xD6E8FEB86659FD93ull;

constexpr uint64_t InverseOf(uint64_t odd) {
    uint64_t inverse = odd;
    for (int i = 0; i < 6; ++i) inverse *= 2 - odd * inverse;
    return inverse;
}

template <typename Id>
Id EncodeIndex(size_t index, uint64_t key) {
    return reinterpret_cast<Id>(static_cast<uintptr_t>((static_cast<uint64_t>(index) + 1) * key));
}

// The index an ID stands for, or SIZE_MAX when it stands for none below `count`.
template <typename Id>
size_t DecodeIndex(Id id, uint64_t key, size_t count) {
    uint64_t plusOne = static_cast<uint64_t>(reinterpret_cast<uintptr_t>(id)) * InverseOf(key);
    if (plusOne == 0 || plusOne > count) return SIZE_MAX;
    return static_cast<size_t>(plusOne - 1);
}

// Builds the log line only when calls are being recorded: the benchmarks
// walk meshes of millions of polygons through these tables.
template <typename MakeLine>
void LogHostCall(MakeLine makeLine) {
    StandInHost &host = CurrentHost();
    ++host.hostCallCount;
    if (host.options.recordHostCalls) host.hostCalls.push_back(makeLine());
}

const char *TypeName(int type) {
    switch (type) {
        case LWI_OBJECT: return "object";
        case LWI_LIGHT: return "light";
        case LWI_CAMERA: return "camera";
        case LWI_BONE: return "bone";
        default: return "unknown";
    }
}

}  // namespace

struct StandInHost::ServedMesh {
    LWMeshInfo info;
    const Mesh *mesh;
};

namespace {

const Mesh &MeshFrom(LWMeshInfo *info) {
    return *static_cast<const StandInHost::ServedMesh *>(info->hostData)->mesh;
}

// ---- LWMeshInfo ----

int ScanPolys(LWMeshInfo *info, LWPolScanFunc *callback, void *userData) {
    HostCallScope inHost;
    const Mesh &mesh = MeshFrom(info);
    LogHostCall([&] { return "scanPolys"; });
    for (size_t polygon = 0; polygon < mesh.PolygonCount(); ++polygon) {
        size_t result;
        {
            // The callback is the module's code, not the host's.
            ModuleCallScope inModule;
            result = callback(userData, EncodeIndex<LWPolID>(polygon, kPolygonKey));
        }
        if (result != 0) return static_cast<int>(result);
    }
    return 0;
}

int PolSize(LWMeshInfo *info, LWPolID polygonId) {
    HostCallScope inHost;
    const Mesh &mesh = MeshFrom(info);
    size_t polygon = DecodeIndex(polygonId, kPolygonKey, mesh.PolygonCount());
    LogHostCall([&] { return "polSize " + std::to_string(polygon); });
    return polygon == SIZE_MAX ? 0 : static_cast<int>(mesh.PolygonSize(polygon));
}

LWPntID PolVertex(LWMeshInfo *info, LWPolID polygonId, int vertex) {
    HostCallScope inHost;
    const Mesh &mesh = MeshFrom(info);
    size_t polygon = DecodeIndex(polygonId, kPolygonKey, mesh.PolygonCount());
    LogHostCall([&] { return "polVertex " + std::to_string(polygon) + " " + std::to_string(vertex); });
    if (polygon == SIZE_MAX || vertex < 0 || static_cast<size_t>(vertex) >= mesh.PolygonSize(polygon))
        return nullptr;
    return EncodeIndex<LWPntID>(mesh.PolygonVertices(polygon)[vertex], kPointKey);
}

const char *PolTag(LWMeshInfo *info, LWPolID polygonId, LWID tagType) {
    HostCallScope inHost;
    const Mesh &mesh = MeshFrom(info);
    size_t polygon = DecodeIndex(polygonId, kPolygonKey, mesh.PolygonCount());
    LogHostCall([&] { return "polTag " + std::to_string(polygon) + (tagType == LWID_SURF ? " SURF" : " other"); });
    if (polygon == SIZE_MAX || tagType != LWID_SURF) return nullptr;
    const std::string &surface = mesh.surfaces[mesh.polygonSurface[polygon]];
    const std::string &untagged = CurrentHost().options.untaggedSurface;
    if (!untagged.empty() && surface == untagged) return nullptr;
    return surface.c_str();
}

void PntBasePos(LWMeshInfo *info, LWPntID pointId, float position[3]) {
    HostCallScope inHost;
    const Mesh &mesh = MeshFrom(info);
    size_t point = DecodeIndex(pointId, kPointKey, mesh.points.size());
    LogHostCall([&] { return "pntBasePos " + std::to_string(point); });
    if (point == SIZE_MAX) {
        position[0] = position[1] = position[2] = 0.0f;
        return;
    }
    std::memcpy(position, mesh.points[point].data(), 3 * sizeof(float));
}

// ---- LWItemInfo ----

LWItemID ItemFirst(int type, LWItemID owner) {
    HostCallScope inHost;
    StandInHost &host = CurrentHost();
    ++host.enumerationCallCount;
    LogHostCall([&] { return std::string("first ") + TypeName(type) + " " + IdText(owner); });
    if (type == LWI_BONE) {
        const Item *object = host.scene.Find(owner);
        if (object == nullptr || object->bones.empty()) return nullptr;
        return object->bones.front();
    }
    for (const auto &item : host.scene.Items())
        if (static_cast<int>(item->type) == type) return item->id;
    return nullptr;
}

LWItemID ItemNext(LWItemID id) {
    HostCallScope inHost;
    StandInHost &host = CurrentHost();
    ++host.enumerationCallCount;
    LogHostCall([&] { return "next " + IdText(id); });
    const Item *item = host.scene.Find(id);
    if (item == nullptr) return nullptr;
    if (item->type == ItemType::Bone) {
        const Item *object = host.scene.Find(item->bone.object);
        size_t next = item->indexInObject + 1;
        return next < object->bones.size() ? object->bones[next] : nullptr;
    }
    const auto &items = host.scene.Items();
    bool passed = false;
    for (const auto &candidate : items) {
        if (passed && candidate->type == item->type) return candidate->id;
        if (candidate.get() == item) passed = true;
    }
    return nullptr;
}

const char *ItemName(LWItemID id) {
    HostCallScope inHost;
    StandInHost &host = CurrentHost();
    LogHostCall([&] { return "name " + IdText(id); });
    const Item *item = host.scene.Find(id);
    return item == nullptr ? nullptr : item->name.c_str();
}

int ItemType_(LWItemID id) {
    HostCallScope inHost;
    StandInHost &host = CurrentHost();
    LogHostCall([&] { return "type " + IdText(id); });
    const Item *item = host.scene.Find(id);
    return item == nullptr ? -1 : static_cast<int>(item->type);
}

LWItemInfo itemInfo = {ItemFirst, ItemNext, ItemName, ItemType_};

// ---- LWObjectInfo ----

LWMeshInfo *ObjectMeshInfo(LWItemID object, int frozen) {
    HostCallScope inHost;
    StandInHost &host = CurrentHost();
    LogHostCall([&] { return "meshInfo " + IdText(object) + " " + std::to_string(frozen); });
    return host.MeshOf(object);
}

LWObjectInfo objectInfo = {ObjectMeshInfo};

// ---- Panels ----

struct Panel {
    LWControl control;
    int value = 0;
};

LWPanelID PanelCreate(const char *title, void *data) {
    HostCallScope inHost;
    StandInHost &host = CurrentHost();
    host.panelCalls.push_back(std::string("create ") + title + (data == nullptr ? "" : " with data"));
    if (host.options.panelFails) return nullptr;
    return reinterpret_cast<LWPanelID>(new Panel());
}

void PanelDestroy(LWPanelID panel) {
    HostCallScope inHost;
    CurrentHost().panelCalls.push_back("destroy");
    delete reinterpret_cast<Panel *>(panel);
}

int PanelOpen(LWPanelID panelId, int flags) {
    HostCallScope inHost;
    StandInHost &host = CurrentHost();
    host.panelCalls.push_back("open " + std::to_string(flags));
    // The user sets the option and closes the panel.
    reinterpret_cast<Panel *>(panelId)->value = host.options.pivotRotateAnswer;
    return 1;
}

void ControlGet(LWControl *control, int tag, LWValue *value) {
    HostCallScope inHost;
    Panel *panel = static_cast<Panel *>(control->hostData);
    CurrentHost().panelCalls.push_back("get " + std::to_string(tag) + " " + std::to_string(value->type));
    value->intv = panel->value;
}

void ControlSet(LWControl *control, int tag, LWValue *value) {
    HostCallScope inHost;
    Panel *panel = static_cast<Panel *>(control->hostData);
    CurrentHost().panelCalls.push_back("set " + std::to_string(tag) + " " + std::to_string(value->type) + " " +
                                       std::to_string(value->intv));
    panel->value = value->intv;
}

LWControl *PanelAddControl(LWPanelID panelId, const char *type, LWPanControlDesc *description, const char *label) {
    HostCallScope inHost;
    StandInHost &host = CurrentHost();
    host.panelCalls.push_back(std::string("addControl ") + type + " " + std::to_string(description->type) + " " +
                              label);
    if (host.options.controlFails) return nullptr;
    Panel *panel = reinterpret_cast<Panel *>(panelId);
    panel->control = {ControlGet, ControlSet, panel};
    return &panel->control;
}

LWPanelFuncs panelFuncs = {PanelCreate, PanelDestroy, PanelOpen, PanelAddControl};

void *GlobalService(const char *name, int useMode) {
    HostCallScope inHost;
    (void)useMode;
    return CurrentHost().Service(name);
}

int EvaluateCommand(void *data, const char *command) {
    HostCallScope inHost;
    return static_cast<StandInHost *>(data)->Evaluate(command);
}

}  // namespace

LWPntID PointIdOf(size_t pointIndex) { return EncodeIndex<LWPntID>(pointIndex, kPointKey); }

size_t PointIndexOf(LWPntID id, size_t pointCount) { return DecodeIndex(id, kPointKey, pointCount); }

StandInHost &CurrentHost() {
    if (current == nullptr) throw std::logic_error("no stand-in host is serving");
    return *current;
}

StandInHost::StandInHost(Scene &servedScene, HostOptions hostOptions)
    : scene(servedScene), options(std::move(hostOptions)), generic_{EvaluateCommand, this} {
    if (current != nullptr) throw std::logic_error("only one stand-in host may serve at a time");
    current = this;
}

StandInHost::~StandInHost() { current = nullptr; }

GlobalFunc *StandInHost::Global() const { return GlobalService; }

void *StandInHost::Service(const char *name) {
    std::string service = name;
    servicesAsked.push_back(service);
    if (options.withheldServices.count(service) != 0) return nullptr;
    if (service == "LWPanelServices") return &panelFuncs;
    if (service == "LW Item Info 5") return &itemInfo;
    if (service == "LW Object Info 7") return &objectInfo;
    if (service == "LW Interface Info 7") {
        selectionWithEnd_ = scene.selection;
        selectionWithEnd_.push_back(nullptr);
        interfaceInfo_.curTime = scene.time;
        interfaceInfo_.selItems = selectionWithEnd_.data();
        return &interfaceInfo_;
    }
    if (service == "LW Scene Info 6") {
        sceneInfo_.framesPerSecond = scene.framesPerSecond;
        return &sceneInfo_;
    }
    return nullptr;
}

LWMeshInfo *StandInHost::MeshOf(LWItemID object) {
    Item *item = scene.Find(object);
    if (item == nullptr || item->type != ItemType::Object || item->mesh == nullptr) return nullptr;
    auto served = std::make_unique<ServedMesh>();
    served->info = {served.get(), ScanPolys, PolSize, PolVertex, PolTag, PntBasePos};
    served->mesh = item->mesh.get();
    meshes_.push_back(std::move(served));
    return &meshes_.back()->info;
}

int StandInHost::Evaluate(const char *command) {
    commands.push_back(command);
    std::string reason = ApplyCommand(scene, command);
    if (reason.empty()) return 0;
    refused.push_back({command, reason});
    return 1;
}

}  // namespace vexil_host
