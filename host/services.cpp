#include "host/services.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include "host/command_interpreter.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VEXIL_ADDRESS_SANITIZER 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define VEXIL_ADDRESS_SANITIZER 1
#endif
#if defined(VEXIL_ADDRESS_SANITIZER)
#include <sanitizer/asan_interface.h>
#endif

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
    RecordImage<120> info;  // the LWMeshInfo handed out
    const Mesh *mesh;
    bool destroyed = false;
};

namespace {

// The mesh behind a handed-out LWMeshInfo, which must not have been destroyed.
const Mesh &MeshFrom(LWMeshInfo *info) {
    auto *served = ReadMember<StandInHost::ServedMesh *>(info, 0);  // priv
    if (served->destroyed) ModuleMisuse("a mesh after its destroy (LWMeshInfo)");
    return *served->mesh;
}

// ---- LWMeshInfo ----

void MeshDestroy(LWMeshInfo *info) {
    HostCallScope inHost;
    auto *served = ReadMember<StandInHost::ServedMesh *>(info, 0);
    if (served->destroyed) ModuleMisuse("LWMeshInfo.destroy a second time on one mesh");
    served->destroyed = true;
    ++CurrentHost().meshesDestroyed;
    LogHostCall([&] { return "destroy"; });
}

size_t ScanPolys(LWMeshInfo *info, LWPolScanFunc *callback, void *userData) {
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
        if (result != 0) return result;
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
    const std::string *surface = mesh.SurfaceOf(polygon);
    if (surface == nullptr) return nullptr;
    const std::string &untagged = CurrentHost().options.untaggedSurface;
    if (!untagged.empty() && *surface == untagged) return nullptr;
    return surface->c_str();
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
    ++host.itemInfoCallCount;
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
    ++host.itemInfoCallCount;
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
    ++host.itemInfoCallCount;
    LogHostCall([&] { return "name " + IdText(id); });
    const Item *item = host.scene.Find(id);
    return item == nullptr ? nullptr : item->name.c_str();
}

int ItemType_(LWItemID id) {
    HostCallScope inHost;
    StandInHost &host = CurrentHost();
    ++host.itemInfoCallCount;
    LogHostCall([&] { return "type " + IdText(id); });
    const Item *item = host.scene.Find(id);
    return item == nullptr ? -1 : static_cast<int>(item->type);
}

RecordImage<72> MakeItemInfo() {
    RecordImage<72> table;
    table.Put(0, &ItemFirst);
    table.Put(8, &ItemNext);
    table.Put<TrapFunc>(16, [] { ModuleMisuse("LWItemInfo.firstChild"); });
    table.Put<TrapFunc>(24, [] { ModuleMisuse("LWItemInfo.nextChild"); });
    table.Put<TrapFunc>(32, [] { ModuleMisuse("LWItemInfo.parent"); });
    table.Put<TrapFunc>(40, [] { ModuleMisuse("LWItemInfo.target"); });
    table.Put<TrapFunc>(48, [] { ModuleMisuse("LWItemInfo.goal"); });
    table.Put(56, &ItemType_);
    table.Put(64, &ItemName);
    return table;
}
RecordImage<72> itemInfo = MakeItemInfo();

// ---- LWObjectInfo ----

LWMeshInfo *ObjectMeshInfo(LWItemID object, int frozen) {
    HostCallScope inHost;
    StandInHost &host = CurrentHost();
    LogHostCall([&] { return "meshInfo " + IdText(object) + " " + std::to_string(frozen); });
    return host.MeshOf(object);
}

RecordImage<48> MakeObjectInfo() {
    RecordImage<48> table;
    table.Put<TrapFunc>(0, [] { ModuleMisuse("LWObjectInfo.filename"); });
    table.Put<TrapFunc>(8, [] { ModuleMisuse("LWObjectInfo.numPoints"); });
    table.Put<TrapFunc>(16, [] { ModuleMisuse("LWObjectInfo.numPolygons"); });
    table.Put<TrapFunc>(24, [] { ModuleMisuse("LWObjectInfo.shadowOpts"); });
    table.Put<TrapFunc>(32, [] { ModuleMisuse("LWObjectInfo.dissolve"); });
    table.Put(40, &ObjectMeshInfo);
    return table;
}
RecordImage<48> objectInfo = MakeObjectInfo();

// ---- Panels ----

struct Panel {
    RecordImage<32> control;  // the LWControl handed out
    int value = 0;
};

// The integer form of an LWValue, read from or written over the whole
// 40-byte union, as the host may.
constexpr size_t kValueSize = 40;

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
    Panel *panel = ReadMember<Panel *>(control, 24);  // priv_data
    ExpectWholeRecord(value, kValueSize, "an LWValue smaller than the host's 40 bytes");
    unsigned char whole[kValueSize];
    std::memcpy(whole, value, kValueSize);
    CurrentHost().panelCalls.push_back("get " + std::to_string(tag) + " " +
                                       std::to_string(ReadMember<int>(whole, 0)));
    // The whole integer form, with a default that differs from the value,
    // over a record cleared to its full size.
    std::memset(whole, 0, kValueSize);
    int form[3] = {LWT_INTEGER, panel->value, panel->value == 0 ? 1 : 0};
    std::memcpy(whole, form, sizeof form);
    std::memcpy(value, whole, kValueSize);
}

void ControlSet(LWControl *control, int tag, LWValue *value) {
    HostCallScope inHost;
    Panel *panel = ReadMember<Panel *>(control, 24);
    ExpectWholeRecord(value, kValueSize, "an LWValue smaller than the host's 40 bytes");
    unsigned char whole[kValueSize];
    std::memcpy(whole, value, kValueSize);
    int type = ReadMember<int>(whole, 0), shown = ReadMember<int>(whole, 4);
    CurrentHost().panelCalls.push_back("set " + std::to_string(tag) + " " + std::to_string(type) + " " +
                                       std::to_string(shown));
    panel->value = shown;
}

LWControl *PanelAddControl(LWPanelID panelId, const char *type, LWPanControlDesc *description, const char *label) {
    HostCallScope inHost;
    StandInHost &host = CurrentHost();
    unsigned char whole[48];
    ExpectWholeRecord(description, sizeof whole, "an LWPanControlDesc smaller than the host's 48 bytes");
    std::memcpy(whole, description, sizeof whole);
    host.panelCalls.push_back(std::string("addControl ") + type + " " + std::to_string(ReadMember<int>(whole, 0)) +
                              " " + label);
    if (host.options.controlFails) return nullptr;
    Panel *panel = reinterpret_cast<Panel *>(panelId);
    panel->control.Put<TrapFunc>(0, [] { ModuleMisuse("LWControl.draw"); });
    panel->control.Put(8, &ControlGet);
    panel->control.Put(16, &ControlSet);
    panel->control.Put(24, panel);
    return panel->control.As<LWControl>();
}

RecordImage<72> MakePanelFuncs() {
    RecordImage<72> table;
    table.Put(0, &PanelCreate);
    table.Put(8, &PanelDestroy);
    table.Put(16, &PanelOpen);
    table.Put<TrapFunc>(24, [] { ModuleMisuse("LWPanelFuncs.handle"); });
    table.Put<TrapFunc>(32, [] { ModuleMisuse("LWPanelFuncs.draw"); });
    table.Put<TrapFunc>(40, [] { ModuleMisuse("LWPanelFuncs.close"); });
    table.Put<TrapFunc>(48, [] { ModuleMisuse("LWPanelFuncs.get"); });
    table.Put<TrapFunc>(56, [] { ModuleMisuse("LWPanelFuncs.set"); });
    table.Put(64, &PanelAddControl);
    return table;
}
RecordImage<72> panelFuncs = MakePanelFuncs();

void *GlobalService(const char *name, int useMode) {
    HostCallScope inHost;
    (void)useMode;
    return CurrentHost().Service(name);
}

int EvaluateCommand(void *data, const char *command) {
    HostCallScope inHost;
    return static_cast<StandInHost *>(data)->Evaluate(command);
}

// Names a scene file would give, for the scene info's leading members.
const char kSceneName[] = "Stand-in scene";
const char kSceneFile[] = "stand-in.lws";

}  // namespace

void ExpectWholeRecord(const void *record, size_t size, const char *what) {
#if defined(VEXIL_ADDRESS_SANITIZER)
    if (__asan_region_is_poisoned(const_cast<void *>(record), size) != nullptr) ModuleMisuse(what);
#else
    (void)record, (void)size, (void)what;
#endif
}

void ModuleMisuse(const char *what) {
    std::fprintf(stderr,
                 "vexil-host: the module used %s, which it must never do: its host records are laid out wrongly "
                 "or it broke the host's rules\n",
                 what);
    std::fflush(stderr);
    std::abort();
}

LWPntID PointIdOf(size_t pointIndex) { return EncodeIndex<LWPntID>(pointIndex, kPointKey); }

size_t PointIndexOf(LWPntID id, size_t pointCount) { return DecodeIndex(id, kPointKey, pointCount); }

size_t PolygonIndexOf(LWPolID id, size_t polygonCount) { return DecodeIndex(id, kPolygonKey, polygonCount); }

StandInHost &CurrentHost() {
    if (current == nullptr) throw std::logic_error("no stand-in host is serving");
    return *current;
}

StandInHost::StandInHost(Scene &servedScene, HostOptions hostOptions)
    : scene(servedScene), options(std::move(hostOptions)) {
    if (current != nullptr) throw std::logic_error("only one stand-in host may serve at a time");
    generic_.Put<TrapFunc>(0, [] { ModuleMisuse("LWLayoutGeneric.saveScene"); });
    generic_.Put<TrapFunc>(8, [] { ModuleMisuse("LWLayoutGeneric.loadScene"); });
    generic_.Put<void *>(16, this);
    generic_.Put<TrapFunc>(24, [] { ModuleMisuse("LWLayoutGeneric.lookup"); });
    generic_.Put<TrapFunc>(32, [] { ModuleMisuse("LWLayoutGeneric.execute"); });
    generic_.Put(40, &EvaluateCommand);
    current = this;
}

StandInHost::~StandInHost() { current = nullptr; }

GlobalFunc *StandInHost::Global() const { return GlobalService; }

void *StandInHost::Service(const char *name) {
    std::string service = name;
    servicesAsked.push_back(service);
    if (options.withheldServices.count(service) != 0) return nullptr;
    if (service == "LWPanelServices") return panelFuncs.Address();
    if (service == "LW Item Info 5") return itemInfo.Address();
    if (service == "LW Object Info 7") return objectInfo.Address();
    if (service == "LW Interface Info 7") {
        selectionWithEnd_ = scene.selection;
        selectionWithEnd_.push_back(nullptr);
        interfaceInfo_.Put(0, scene.time);
        interfaceInfo_.Put<const LWItemID *>(8, selectionWithEnd_.data());
        return interfaceInfo_.Address();
    }
    if (service == "LW Scene Info 6") {
        // Members in front of the frame rate hold values that would show if
        // read in its place: pointers, counts, a frame range of 1 to 60.
        size_t points = 0, polygons = 0;
        for (const auto &item : scene.Items())
            if (item->mesh != nullptr) points += item->mesh->points.size(), polygons += item->mesh->PolygonCount();
        sceneInfo_.Put<const char *>(0, kSceneName);
        sceneInfo_.Put<const char *>(8, kSceneFile);
        sceneInfo_.Put(16, static_cast<int>(points));
        sceneInfo_.Put(20, static_cast<int>(polygons));
        sceneInfo_.Put(24, 1);  // renderType
        sceneInfo_.Put(28, 7);  // renderOpts
        sceneInfo_.Put(32, 1);  // frameStart
        sceneInfo_.Put(36, 60); // frameEnd
        sceneInfo_.Put(40, 1);  // frameStep
        sceneInfo_.Put(48, scene.framesPerSecond);
        return sceneInfo_.Address();
    }
    return nullptr;
}

LWMeshInfo *StandInHost::MeshOf(LWItemID object) {
    Item *item = scene.Find(object);
    if (item == nullptr || item->type != ItemType::Object || item->mesh == nullptr) return nullptr;
    auto served = std::make_unique<ServedMesh>();
    served->mesh = item->mesh.get();
    RecordImage<120> &info = served->info;
    info.Put(0, served.get());  // priv
    if (!options.meshesWithoutDestroy) info.Put(8, &MeshDestroy);
    info.Put<TrapFunc>(16, [] { ModuleMisuse("LWMeshInfo.numPoints"); });
    info.Put<TrapFunc>(24, [] { ModuleMisuse("LWMeshInfo.numPolygons"); });
    info.Put<TrapFunc>(32, [] { ModuleMisuse("LWMeshInfo.scanPoints"); });
    info.Put(40, &ScanPolys);
    info.Put(48, &PntBasePos);
    info.Put<TrapFunc>(56, [] { ModuleMisuse("LWMeshInfo.pntOtherPos"); });
    info.Put<TrapFunc>(64, [] { ModuleMisuse("LWMeshInfo.pntVLookup"); });
    info.Put<TrapFunc>(72, [] { ModuleMisuse("LWMeshInfo.pntVSelect"); });
    info.Put<TrapFunc>(80, [] { ModuleMisuse("LWMeshInfo.pntVGet"); });
    info.Put<TrapFunc>(88, [] { ModuleMisuse("LWMeshInfo.polType"); });
    info.Put(96, &PolSize);
    info.Put(104, &PolVertex);
    info.Put(112, &PolTag);
    meshes_.push_back(std::move(served));
    ++meshesHandedOut;
    return meshes_.back()->info.As<LWMeshInfo>();
}

int StandInHost::Evaluate(const char *command) {
    ++commandCount;
    if (options.keepCommands) commands.push_back(command);
    std::string reason = ApplyCommand(scene, command);
    if (reason.empty()) return 0;
    refused.push_back({command, reason});
    return 1;
}

}  // namespace vexil_host
