// The host's services as the module reaches them through GlobalFunc, served
// over a Scene, each record laid out as the host lays it out (see
// record_image.h). One StandInHost serves at a time: GlobalFunc carries no
// user data, so the tables find it through a process-wide pointer.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "host/record_image.h"
#include "host/scene.h"
#include "shell/host_api.h"

namespace vexil_host {

// What a test or the command line can set about the host's behaviour.
struct HostOptions {
    std::set<std::string> withheldServices;  // GlobalFunc yields none for these
    bool panelFails = false;                 // `create` yields no panel
    bool controlFails = false;               // `addControl` yields no control
    int pivotRotateAnswer = 0;               // what the user leaves in PivotRotate
    bool recordHostCalls = false;            // fill hostCalls (mesh and item calls)
    // Polygons of this surface get no tag at all from `polTag`, as a host
    // may answer for a polygon without a surface.
    std::string untaggedSurface;
    // Meshes come with a null `destroy`: the host keeps them itself.
    bool meshesWithoutDestroy = false;
    // Keep every command text in `commands`; benchmarks only count them.
    bool keepCommands = true;
};

// A command the scene refused, and why.
struct RefusedCommand {
    std::string text;
    std::string reason;
};

class StandInHost {
  public:
    StandInHost(Scene &scene, HostOptions options = {});
    ~StandInHost();
    StandInHost(const StandInHost &) = delete;
    StandInHost &operator=(const StandInHost &) = delete;

    // What the module is handed at activation.
    GlobalFunc *Global() const;
    LWLayoutGeneric *Generic() { return generic_.As<LWLayoutGeneric>(); }

    Scene &scene;
    HostOptions options;

    // Read back in order by tests.
    std::vector<std::string> servicesAsked;
    std::vector<std::string> panelCalls;
    std::vector<std::string> commands;
    size_t commandCount = 0;
    std::vector<RefusedCommand> refused;
    std::vector<std::string> hostCalls;
    size_t hostCallCount = 0;         // every mesh and item call
    size_t enumerationCallCount = 0;  // item `first` and `next` calls
    size_t itemInfoCallCount = 0;     // every LWItemInfo call
    size_t meshesHandedOut = 0;       // by `meshInfo`
    size_t meshesDestroyed = 0;       // by their `destroy`

    // Called by the tables; public so the C callbacks can reach them.
    void *Service(const char *name);
    LWMeshInfo *MeshOf(LWItemID object);
    int Evaluate(const char *command);

    struct ServedMesh;

  private:
    RecordImage<48> generic_;
    RecordImage<16> interfaceInfo_;
    RecordImage<56> sceneInfo_;
    std::vector<LWItemID> selectionWithEnd_;
    std::vector<std::unique_ptr<ServedMesh>> meshes_;
};

// The opaque ID under which the mesh point with this index is served, and
// back (SIZE_MAX for an ID that names no point below `pointCount`).
LWPntID PointIdOf(size_t pointIndex);
size_t PointIndexOf(LWPntID id, size_t pointCount);
// Likewise for polygons.
size_t PolygonIndexOf(LWPolID id, size_t polygonCount);

// True while the host's own code runs on this thread: inside any of the
// tables' functions, but not inside the module's callback during scanPolys.
extern thread_local bool insideHostCall;

// The one host being served, for the C callbacks.
StandInHost &CurrentHost();

}  // namespace vexil_host
